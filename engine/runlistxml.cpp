#include "runlistxml.h"

#include "checker.h"
#include "executable.h"
#include "installer.h"
#include "payloadhash.h"
#include "xmlguard.h"

#include <QDomDocument>
#include <QDomElement>

namespace {

QString flag(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

bool readFlag(const QDomElement &element, const char *name)
{
    return element.attribute(QLatin1String(name)) == QLatin1String("true");
}

} // namespace

QString RunListXml::escape(const QString &value, QChar quote)
{
    QString text;
    text.reserve(value.size());
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        // What XML cannot carry as a character goes as a reference, which the DOM reads back
        // as it was: a raw U+FFFF ends the reader's input, a raw NUL ends the run list in the
        // segment, and a lone surrogate is no character at all.
        const bool pairedHigh
                = c.isHighSurrogate() && i + 1 < value.size() && value.at(i + 1).isLowSurrogate();
        if (pairedHigh) {
            text += c;
            text += value.at(++i);
            continue;
        }
        if ((c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\n')
             && c != QLatin1Char('\r'))
            || c.isSurrogate() || c.unicode() >= 0xFFFE) {
            text += QStringLiteral("&#x%1;").arg(c.unicode(), 0, 16);
            continue;
        }
        switch (c.unicode()) {
        case '&':
            text += QLatin1String("&amp;");
            break;
        case '<':
            text += QLatin1String("&lt;");
            break;
        case '>':
            text += QLatin1String("&gt;");
            break;
        case '"':
            text += quote == QLatin1Char('"') ? QStringLiteral("&quot;") : QStringLiteral("\"");
            break;
        case '\'':
            text += quote == QLatin1Char('\'') ? QStringLiteral("&apos;") : QStringLiteral("'");
            break;
        // A parser turns raw white space in attributes into spaces: keep it as references.
        case '\t':
            text += QLatin1String("&#9;");
            break;
        case '\n':
            text += QLatin1String("&#10;");
            break;
        case '\r':
            text += QLatin1String("&#13;");
            break;
        default:
            text += c;
        }
    }
    return text;
}

QString RunListXml::attribute(const QString &name, const QString &value)
{
    return QLatin1Char(' ') + name + QStringLiteral("=\"") + escape(value) + QLatin1Char('"');
}

QString RunListXml::writeChecker(const Checker &checker)
{
    return QStringLiteral("<Checker")
           + attribute(QStringLiteral("Type"), QString::number(int(checker.type())))
           + attribute(QStringLiteral("QueryRoot"), checker.queryRoot())
           + attribute(QStringLiteral("QueryValue"), checker.queryValue())
           + attribute(QStringLiteral("MatchValue"), checker.matchValue())
           + attribute(QStringLiteral("MatchMode"), QString::number(checker.matchMode()))
           + QStringLiteral("></Checker>");
}

QString RunListXml::writeExecutable(const Executable &executable, int order)
{
    QString text = QStringLiteral("<Executable");
    if (order != -1)
        text += attribute(QStringLiteral("Order"), QString::number(order));
    text += attribute(QStringLiteral("FileName"), executable.fileName());
    text += attribute(QStringLiteral("Path"),
                      executable.isJustFileName() ? QString() : executable.absoluteDirectory());
    text += attribute(QStringLiteral("SetCwd"), flag(executable.setCwd()));
    text += attribute(QStringLiteral("IsJustFileName"), flag(executable.isJustFileName()));
    text += attribute(QStringLiteral("Debug"), flag(executable.debug()));
    text += attribute(QStringLiteral("SrcPath"), executable.srcPath());
    text += attribute(QStringLiteral("SrcCompression"), executable.srcCompression());
    text += attribute(QStringLiteral("wait_after_install"),
                      QString::number(executable.waitAfterInstall()));
    text += attribute(QStringLiteral("ForceUninstall"), flag(executable.forceUninstall()));
    text += attribute(QStringLiteral("AnotherInstalledProductCode"),
                      executable.anotherInstalledProductCode());
    text += attribute(QStringLiteral("PostProcess"), executable.postProcess());
    text += QLatin1Char('>');
    const QStringList arguments = executable.arguments();
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        text += QStringLiteral("<Argument Order=\"%1\" Value=").arg(i + 1);
        if (argument.contains(QLatin1Char('"')))
            text += QLatin1Char('\'') + escape(argument, QLatin1Char('\'')) + QLatin1Char('\'');
        else
            text += QLatin1Char('"') + escape(argument) + QLatin1Char('"');
        text += QStringLiteral(" />");
    }
    text += QStringLiteral("</Executable>");
    return text;
}

QString RunListXml::writeInstaller(const Installer &installer, int order)
{
    QString text = QStringLiteral("<Installer");
    if (order != -1)
        text += attribute(QStringLiteral("_nOrder"), QString::number(order));
    text += attribute(QStringLiteral("NeedsWaitScreen"), flag(installer.needsWaitScreen()));
    text += attribute(QStringLiteral("WaitScreenImg"),
                      installer.needsWaitScreen() ? installer.waitScreenImage() : QString());
    text += attribute(QStringLiteral("AvoidReinstallation"), flag(installer.avoidReinstallation()));
    text += attribute(QStringLiteral("ForceReboot"), flag(installer.forceReboot()));
    if (!installer.displayName().isEmpty())
        text += attribute(QStringLiteral("DisplayName"), installer.displayName());
    // What the helper needs to copy and check a downloaded payload before it runs it.
    if (!installer.url().isEmpty()) {
        text += attribute(QStringLiteral("DownloadPath"), installer.downloadPath());
        text += attribute(QStringLiteral("size"), QString::number(installer.payloadSize()));
    }
    if (!installer.sha256().isEmpty())
        text += attribute(QStringLiteral("sha256"), installer.sha256());
    text += QLatin1Char('>');
    text += QStringLiteral("<PreInstallSteps>");
    for (const Executable *step : installer.preInstallSteps())
        text += writeExecutable(*step, -1);
    text += QStringLiteral("</PreInstallSteps><MainInstallStep>");
    text += writeExecutable(*installer.mainInstallStep(), -1);
    text += QStringLiteral("</MainInstallStep><PostInstallSteps>");
    for (const Executable *step : installer.postInstallSteps())
        text += writeExecutable(*step, -1);
    text += QStringLiteral("</PostInstallSteps>");
    text += writeChecker(installer.checker());
    text += QStringLiteral("</Installer>");
    return text;
}

QString RunListXml::writeRunSettings(const QString &downloadFolder)
{
    return downloadFolder.isEmpty() ? QString()
                                    : attribute(QStringLiteral("DownloadPath"), downloadFolder);
}

QString RunListXml::readDownloadFolder(const QDomDocument &document)
{
    return document.documentElement().attribute(QStringLiteral("DownloadPath"));
}

bool RunListXml::parse(const QString &text, QDomDocument &document, QString *error)
{
    return XmlGuard::parse(text, document, error);
}

Checker RunListXml::readChecker(const QDomElement &element)
{
    Checker checker;
    checker.setType(Checker::typeFromNumber(element.attribute(QStringLiteral("Type")).toInt()));
    checker.setQueryRoot(element.attribute(QStringLiteral("QueryRoot")));
    checker.setQueryValue(element.attribute(QStringLiteral("QueryValue")));
    checker.setMatchValue(element.attribute(QStringLiteral("MatchValue")));
    checker.setMatchMode(element.attribute(QStringLiteral("MatchMode")).toInt());
    checker.setCheckForAnotherVersion(readFlag(element, "CheckForAnotherVersion"));
    checker.setConfigured(true);
    return checker;
}

void RunListXml::readExecutableInto(const QDomElement &element, Executable &executable)
{
    auto text = [&](const char *name) { return element.attribute(QLatin1String(name)); };
    executable.setFileName(text("FileName"));
    executable.setIsJustFileName(readFlag(element, "IsJustFileName"));
    if (!executable.isJustFileName())
        executable.setDirectory(text("Path"));
    executable.setSetCwd(readFlag(element, "SetCwd"));
    executable.setDebug(readFlag(element, "Debug"));
    executable.setPreserveArgQuotes(readFlag(element, "PreserveArgQuotes"));
    executable.setSrcPath(text("SrcPath"));
    executable.setSrcCompression(text("SrcCompression"));
    executable.setWaitAfterInstall(qMax(0, text("wait_after_install").toInt()));
    executable.setForceUninstall(readFlag(element, "ForceUninstall"));
    executable.setAnotherInstalledProductCode(text("AnotherInstalledProductCode"));
    executable.setPostProcess(text("PostProcess"));
    QStringList arguments;
    for (QDomElement argument = element.firstChildElement(QStringLiteral("Argument"));
         !argument.isNull();
         argument = argument.nextSiblingElement(QStringLiteral("Argument")))
        arguments.append(argument.attribute(QStringLiteral("Value")));
    executable.setArguments(arguments);
}

Executable *RunListXml::readExecutable(const QDomElement &element, QObject *parent)
{
    auto *executable = new Executable(parent);
    readExecutableInto(element, *executable);
    return executable;
}

Installer *RunListXml::readInstaller(const QDomElement &element, QObject *parent)
{
    auto *installer = new Installer(parent);
    installer->setNeedsWaitScreen(readFlag(element, "NeedsWaitScreen"));
    installer->setAvoidReinstallation(readFlag(element, "AvoidReinstallation"));
    installer->setForceReboot(readFlag(element, "ForceReboot"));
    installer->setWaitScreenImage(element.attribute(QStringLiteral("WaitScreenImg")));
    installer->setDisplayName(element.attribute(QStringLiteral("DisplayName")));
    installer->setDownloadPath(element.attribute(QStringLiteral("DownloadPath")));
    installer->setSize(qMax(0LL, element.attribute(QStringLiteral("size")).toLongLong()));
    const QString hash = element.attribute(QStringLiteral("sha256"));
    if (PayloadHash::isWellFormed(hash))
        installer->setSha256(hash);
    else
        installer->setHashRejected(!hash.isEmpty());

    const QDomElement pre = element.firstChildElement(QStringLiteral("PreInstallSteps"));
    for (QDomElement step = pre.firstChildElement(QStringLiteral("Executable")); !step.isNull();
         step = step.nextSiblingElement(QStringLiteral("Executable")))
        installer->addPreInstallStep(readExecutable(step, installer));
    const QDomElement main = element.firstChildElement(QStringLiteral("MainInstallStep"))
                                     .firstChildElement(QStringLiteral("Executable"));
    if (!main.isNull())
        readExecutableInto(main, *installer->mainInstallStep());
    const QDomElement post = element.firstChildElement(QStringLiteral("PostInstallSteps"));
    for (QDomElement step = post.firstChildElement(QStringLiteral("Executable")); !step.isNull();
         step = step.nextSiblingElement(QStringLiteral("Executable")))
        installer->addPostInstallStep(readExecutable(step, installer));
    installer->setChecker(readChecker(element.firstChildElement(QStringLiteral("Checker"))));
    return installer;
}
