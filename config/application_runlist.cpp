#include "application.h"

#include "installer.h"
#include "runlistxml.h"

#include <QDomElement>

Application *Application::fromRunList(const QDomElement &element, QObject *parent)
{
    auto *application = new Application(parent);
    application->readRunListElement(element);
    return application;
}

void Application::readRunListElement(const QDomElement &runListElement)
{
    if (runListElement.tagName() != QLatin1String("Application"))
        return;
    m_shortName = runListElement.attribute(QStringLiteral("ShortName"));
    m_displayName = runListElement.attribute(QStringLiteral("DisplayName"));
    m_onDisc2 = runListElement.attribute(QStringLiteral("IsOnDisc2")) == QLatin1String("true");
    for (QDomElement child = runListElement.firstChildElement(QStringLiteral("Installer"));
         !child.isNull();
         child = child.nextSiblingElement(QStringLiteral("Installer")))
        m_installers.append(RunListXml::readInstaller(child, this));
}

QString Application::toRunList(int order)
{
    QString text = QStringLiteral("<Application");
    if (order != -1)
        text += RunListXml::attribute(QStringLiteral("Order"), QString::number(order));
    text += RunListXml::attribute(QStringLiteral("ShortName"), m_shortName);
    text += RunListXml::attribute(QStringLiteral("DisplayName"), m_displayName);
    text += RunListXml::attribute(QStringLiteral("IsOnDisc2"),
                                  m_onDisc2 ? QStringLiteral("true") : QStringLiteral("false"));
    text += QLatin1Char('>');
    // Chosen although installed as a whole: the user wants it again, so every installer goes.
    // One refresh checks every installer; checking each again while writing would raise a
    // checker's configuration error a second time.
    refreshInstalledState();
    const bool installed = isInstalled();
    const Application *chosen = chosenVariant();
    const QList<Installer *> pending
            = chosen->pendingLocalInstallers() + chosen->pendingWebInstallers();
    const QList<Installer *> effective = installers();
    m_runListInstallers.clear();
    for (int i = 0; i < effective.size(); ++i) {
        Installer *installer = effective.at(i);
        if (installed || pending.contains(installer) || installer->checker().isIgnored()) {
            text += RunListXml::writeInstaller(*installer, i + 1);
            m_runListInstallers.append(installer);
        }
    }
    text += QStringLiteral("</Application>");
    return text;
}
