#include "skincheck.h"

#include "frontend.h"
#include "skinrequirements.h"

#include <QFormLayout>
#include <QLayout>
#include <QSet>
#include <QStackedLayout>
#include <QWidget>

namespace {

// Entries without which the user cannot install, or cannot leave the page that holds them (a
// frameless skin has no other way out). The front end only reports them missing and goes on,
// but a disc with such a skin is not fit to ship.
QString whatTheUserLoses(const QString &name)
{
    if (name == QLatin1String("MM_InstallProducts") || name == QLatin1String("IS_InstallNow"))
        return QStringLiteral("without it the user cannot install anything");
    if (name == QLatin1String("MM_Exit") || name == QLatin1String("TY_Exit"))
        return QStringLiteral("without it the user cannot close setup");
    if (name == QLatin1String("IS_MainMenu") || name == QLatin1String("SD_UserGuidesMenu")
        || name == QLatin1String("SWD_UserGuidesMenu"))
        return QStringLiteral("without it the user cannot leave its page");
    return QString();
}

} // namespace

QList<SkinCheck::Finding> SkinCheck::check(QWidget *form, const QString &skin)
{
    QList<Finding> findings;
    QWidget *root = form->objectName().toLower() == QLatin1String("root")
                            ? form
                            : form->findChild<QWidget *>(QStringLiteral("Root"));
    if (!root) {
        findings.append({true, SkinRequirements::noRoot(skin)});
        return findings;
    }

    // The front end looks every object up below its window, where the whole form ends up.
    QSet<QString> reported;
    for (const SkinRequirements::Required &required : SkinRequirements::requiredObjects()) {
        const QString name = QLatin1String(required.name);
        QWidget *widget = form->findChild<QWidget *>(name);
        if (!widget) {
            findings.append({true, SkinRequirements::missingObject(name)});
            reported.insert(name);
        } else if (!SkinRequirements::hasKind(widget, required.kind)) {
            findings.append({true,
                             name + QStringLiteral(" is a ")
                                     + QLatin1String(widget->metaObject()->className())
                                     + QStringLiteral("; the front end needs ")
                                     + SkinRequirements::kindName(required.kind)
                                     + QLatin1Char('.')});
            reported.insert(name);
        }
    }

    for (const SkinRequirements::Binding &binding : SkinRequirements::bindings()) {
        const QString name = QLatin1String(binding.name);
        if (!binding.report || reported.contains(name))
            continue;
        QWidget *widget = form->findChild<QWidget *>(name);
        const QString loss = whatTheUserLoses(name);
        const QString consequence = loss.isEmpty() ? QString() : QStringLiteral(" (") + loss + ')';
        if (!widget)
            findings.append(
                    {!loss.isEmpty(), SkinRequirements::missingElement(name) + consequence});
        else if (!SkinRequirements::isButtonOrLabel(widget))
            findings.append(
                    {!loss.isEmpty(), SkinRequirements::immutableElement(name) + consequence});
    }

    // These become hover twins, which cannot take a place in a form or stacked layout.
    for (const char *twinName : {"MM_ViewReadme", "IS_App1"}) {
        const QString name = QLatin1String(twinName);
        QWidget *widget = form->findChild<QWidget *>(name);
        QWidget *parent = widget ? widget->parentWidget() : nullptr;
        QLayout *layout = parent ? FrontEnd::findLayoutOf(widget, parent->layout()) : nullptr;
        if (qobject_cast<QFormLayout *>(layout))
            findings.append({false,
                             QStringLiteral("We cannot handle widget ") + name
                                     + QStringLiteral(" being a child of a QFormLayout.")});
        else if (qobject_cast<QStackedLayout *>(layout))
            findings.append({false,
                             QStringLiteral("We cannot handle widget ") + name
                                     + QStringLiteral(" being a child of a QStackedLayout.")});
    }

    for (const QString &name : SkinRequirements::guidePageObjects()) {
        const bool found = name.endsWith(QLatin1String("_Layout"))
                                   ? form->findChild<QLayout *>(name) != nullptr
                                   : form->findChild<QWidget *>(name) != nullptr;
        if (!found)
            findings.append({false,
                             SkinRequirements::missingObject(name)
                                     + QStringLiteral(" (needed when the product has user "
                                                      "guides)")});
    }
    return findings;
}
