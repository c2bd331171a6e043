#include "unattendedrunlist.h"

#include "application.h"
#include "installer.h"
#include "runlistxml.h"

#include <QDomDocument>
#include <QDomElement>

namespace {

void setEverywhere(QDomElement parent,
                   const QString &tag,
                   const QString &name,
                   const QString &value)
{
    const QDomNodeList elements = parent.elementsByTagName(tag);
    for (int i = 0; i < elements.size(); ++i)
        elements.at(i).toElement().setAttribute(name, value);
}

// One Application element as the helper must see it unattended, with only its first keep
// installers.
QString unattendedElement(const QString &element, int keep)
{
    QDomDocument document;
    if (!RunListXml::parse(element, document))
        return element; // the helper then refuses the list, as it would from the install page
    QDomElement application = document.documentElement();
    QList<QDomElement> installers;
    for (QDomElement installer = application.firstChildElement(QStringLiteral("Installer"));
         !installer.isNull();
         installer = installer.nextSiblingElement(QStringLiteral("Installer")))
        installers << installer;
    for (int i = keep; i < installers.size(); ++i)
        application.removeChild(installers.at(i));
    setEverywhere(application,
                  QStringLiteral("Installer"),
                  QStringLiteral("AvoidReinstallation"),
                  QStringLiteral("true"));
    setEverywhere(application,
                  QStringLiteral("Installer"),
                  QStringLiteral("ForceReboot"),
                  QStringLiteral("false"));
    setEverywhere(application,
                  QStringLiteral("Executable"),
                  QStringLiteral("Debug"),
                  QStringLiteral("false"));
    setEverywhere(
            application, QStringLiteral("Executable"), QStringLiteral("PostProcess"), QString());
    return document.toString(-1);
}

} // namespace

UnattendedRunList UnattendedRunList::build(const QList<Application *> &applications)
{
    UnattendedRunList list;
    for (Application *application : applications) {
        if (list.restartInstaller) {
            list.postponed << application;
            continue;
        }
        const QString element = application->toRunList(list.applications.size() + 1);
        QList<Installer *> held = application->runListInstallers();
        for (int i = 0; i < held.size(); ++i) {
            if (!held.at(i)->forceReboot())
                continue;
            list.restartInstaller = held.at(i);
            list.restartApplication = application;
            held = held.mid(0, i + 1);
            break;
        }
        list.elements += unattendedElement(element, held.size());
        list.applications << application;
        list.installers << held;
    }
    return list;
}
