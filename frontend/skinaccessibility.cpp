#include "skinaccessibility.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QLabel>
#include <QStringList>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace {

const char *const HiddenProperty = "tamHiddenFromTree";
const char *const RowNameProperty = "tamRowName";
const char *const ProgressProperty = "tamProgress";

QList<QWidget *> visibleChildren(QWidget *widget)
{
    QList<QWidget *> children;
    for (QObject *object : widget->children()) {
        auto *child = qobject_cast<QWidget *>(object);
        if (child && !child->isWindow() && !SkinAccessibility::isHiddenFromTree(child))
            children.append(child);
    }
    return children;
}

// A plain container that leaves out the children hidden from the tree.
class ContainerAccessible : public QAccessibleWidget
{
public:
    explicit ContainerAccessible(QWidget *widget)
        : QAccessibleWidget(widget)
    {}

    int childCount() const override { return visibleChildren(widget()).size(); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = visibleChildren(widget());
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        return visibleChildren(widget()).indexOf(qobject_cast<QWidget *>(child->object()));
    }
};

// A row's status: text that names its row, and a progress bar while the row downloads.
class RowStatusAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit RowStatusAccessible(QLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {}

    QAccessible::Role role() const override
    {
        return downloading() ? QAccessible::ProgressBar : QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override
    {
        const auto *status = static_cast<QLabel *>(widget());
        const QString shown = SkinAccessibility::plainText(status->text());
        const QString row = status->property(RowNameProperty).toString();
        if (t == QAccessible::Name)
            return shown.isEmpty() ? row : row + QStringLiteral(": ") + shown;
        if (t == QAccessible::Value)
            return shown;
        return QAccessibleWidget::text(t);
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface && downloading())
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QVariant currentValue() const override
    {
        return SkinAccessibility::progress(static_cast<QLabel *>(widget()));
    }
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    bool downloading() const
    {
        return SkinAccessibility::progress(static_cast<QLabel *>(widget())) >= 0;
    }
};

// Qt makes and keeps an object's interface the first time anything asks for it, even without a
// reader running (a label that changes its text asks). An interface made before the object was
// marked is dropped, so that the next question gets the one the mark calls for.
void forgetInterface(QObject *object)
{
    if (!object)
        return;
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(object))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

QAccessibleInterface *skinInterface(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        if (label->property(RowNameProperty).isValid())
            return new RowStatusAccessible(label);
        return nullptr;
    }
    if (widget->metaObject() == &QWidget::staticMetaObject)
        return new ContainerAccessible(widget);
    return nullptr;
}

} // namespace

void SkinAccessibility::install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(skinInterface);
}

void SkinAccessibility::hideFromTree(QWidget *widget)
{
    widget->setProperty(HiddenProperty, true);
    forgetInterface(widget->parentWidget());
}

bool SkinAccessibility::isHiddenFromTree(const QWidget *widget)
{
    return widget->property(HiddenProperty).toBool();
}

void SkinAccessibility::hideDecorations(QWidget *root)
{
    const QList<QLabel *> labels = root->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (label->text().isEmpty() && label->accessibleName().isEmpty()
            && !label->property(RowNameProperty).isValid())
            hideFromTree(label);
    }
}

void SkinAccessibility::nameByHeading(QWidget *page)
{
    if (!page->accessibleName().isEmpty())
        return;
    const QLabel *heading = nullptr;
    const QList<QLabel *> labels = page->findChildren<QLabel *>();
    for (const QLabel *label : labels) {
        if (label->text().isEmpty() || label->isHidden())
            continue;
        const QPoint at = label->mapTo(page, QPoint(0, 0));
        if (!heading) {
            heading = label;
            continue;
        }
        const QPoint best = heading->mapTo(page, QPoint(0, 0));
        if (at.y() < best.y() || (at.y() == best.y() && at.x() < best.x()))
            heading = label;
    }
    if (heading)
        page->setAccessibleName(plainText(heading->text()));
}

void SkinAccessibility::tieStatusToRow(QLabel *status, const QString &rowName)
{
    status->setProperty(RowNameProperty, rowName);
    forgetInterface(status);
}

void SkinAccessibility::setProgress(QLabel *status, int percent)
{
    const int previous = progress(status);
    const int now = qBound(-1, percent, 100);
    if (previous == now)
        return;
    status->setProperty(ProgressProperty, now);
    if (previous < 0 || now < 0) {
        // Qt 5 has no event for a changed role; readers ask again on a changed name.
        QAccessibleEvent changed(status, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
    if (now >= 0) {
        QAccessibleValueChangeEvent changed(status, now);
        QAccessible::updateAccessibility(&changed);
    }
}

int SkinAccessibility::progress(const QLabel *status)
{
    const QVariant value = status->property(ProgressProperty);
    return value.isValid() ? value.toInt() : -1;
}

QString SkinAccessibility::plainText(const QString &richText)
{
    if (!Qt::mightBeRichText(richText))
        return richText;
    const QString text = QTextDocumentFragment::fromHtml(richText).toPlainText().replace(
            QChar(0x00A0), QLatin1Char(' '));
    QStringList lines;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            lines.append(line.simplified());
    }
    return lines.join(QLatin1Char('\n'));
}

void SkinAccessibility::describeByToolTip(QWidget *widget)
{
    widget->setAccessibleDescription(plainText(widget->toolTip()));
}
