#include "skinkeyboard.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>

#include <algorithm>

namespace {

bool takesTabFocus(const QWidget *widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !widget->focusProxy();
}

bool usableNow(const QWidget *widget)
{
    return widget->isVisible() && widget->isEnabled() && takesTabFocus(widget);
}

// A label takes Tab focus without choosing one of its links, so Enter would open nothing until
// a second Tab chose one. Arriving by Tab (or Shift+Tab) chooses the first (or last) link at once.
class LinkOnArrival : public QObject
{
public:
    explicit LinkOnArrival(QLabel *label)
        : QObject(label)
    {
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn) {
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
                // The label's own Tab handling steps onto its links, once the label has taken
                // the focus.
                QCoreApplication::postEvent(
                        watched,
                        new QKeyEvent(QEvent::KeyPress,
                                      reason == Qt::TabFocusReason ? Qt::Key_Tab : Qt::Key_Backtab,
                                      Qt::NoModifier));
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

QList<QWidget *> SkinKeyboard::readingOrder(QWidget *page)
{
    struct Placed
    {
        QWidget *widget;
        QRect rect;
    };
    QList<Placed> placed;
    const QList<QWidget *> descendants = page->findChildren<QWidget *>();
    for (QWidget *widget : descendants) {
        if (!widget->isWindow() && takesTabFocus(widget))
            placed.append({widget, QRect(widget->mapTo(page, QPoint(0, 0)), widget->size())});
    }
    std::stable_sort(placed.begin(), placed.end(), [](const Placed &a, const Placed &b) {
        return a.rect.top() < b.rect.top();
    });

    QList<QWidget *> ordered;
    for (int first = 0; first < placed.size();) {
        const int lineMiddle = placed.at(first).rect.center().y();
        int end = first + 1;
        while (end < placed.size() && placed.at(end).rect.top() <= lineMiddle)
            ++end;
        std::stable_sort(
                placed.begin() + first, placed.begin() + end, [](const Placed &a, const Placed &b) {
                    return a.rect.left() < b.rect.left();
                });
        for (int i = first; i < end; ++i)
            ordered.append(placed.at(i).widget);
        first = end;
    }
    return ordered;
}

void SkinKeyboard::orderTabs(QWidget *page)
{
    const QList<QWidget *> ordered = readingOrder(page);
    for (int i = 1; i < ordered.size(); ++i)
        QWidget::setTabOrder(ordered.at(i - 1), ordered.at(i));
}

bool SkinKeyboard::focusFirstControl(QWidget *page)
{
    const QList<QWidget *> ordered = readingOrder(page);
    for (QWidget *widget : ordered) {
        if (usableNow(widget)) {
            widget->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return false;
}

void SkinKeyboard::makeLinksReachable(QWidget *root)
{
    const QList<QLabel *> labels = root->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (!label->text().contains(QLatin1String("<a "), Qt::CaseInsensitive))
            continue;
        // The flag also gives the label Tab focus.
        label->setTextInteractionFlags(label->textInteractionFlags()
                                       | Qt::LinksAccessibleByKeyboard);
        new LinkOnArrival(label);
    }
}

void SkinKeyboard::assignShortcuts(QWidget *page)
{
    // Run again after a button's text changed, the others keep the letters they have.
    QString taken;
    for (QWidget *widget : readingOrder(page)) {
        auto *button = qobject_cast<QAbstractButton *>(widget);
        const QKeySequence shortcut = button ? button->shortcut() : QKeySequence();
        if (shortcut.count() == 1 && (shortcut[0] & Qt::AltModifier))
            taken.append(QChar(shortcut[0] & ~Qt::KeyboardModifierMask));
    }
    for (QWidget *widget : readingOrder(page)) {
        // Rows' check boxes and source choices are named by the catalogue, which an update server
        // supplies: they must not take the letters of the skin's own buttons.
        auto *button = qobject_cast<QAbstractButton *>(widget);
        if (!button || button->isCheckable() || !button->shortcut().isEmpty())
            continue;
        for (const QChar c : button->text()) {
            const QChar letter = c.toUpper();
            if (letter < QLatin1Char('A') || letter > QLatin1Char('Z') || taken.contains(letter))
                continue;
            taken.append(letter);
            button->setShortcut(QKeySequence(Qt::ALT | (Qt::Key_A + (letter.unicode() - 'A'))));
            break;
        }
    }
}

bool SkinKeyboard::activate(QWidget *focused)
{
    auto *button = qobject_cast<QAbstractButton *>(focused);
    if (!button || !button->isEnabled() || !button->isVisible())
        return false;
    button->animateClick();
    return true;
}
