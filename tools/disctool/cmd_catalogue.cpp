// disctool catalogue: what a product file offers on a given machine, as JSON, for disc
// authors and CI.

#include "disctoolcommand.h"
#include "machineoption.h"

#include "application.h"
#include "checker.h"
#include "executable.h"
#include "hostfiles.h"
#include "installedsoftware.h"
#include "installer.h"
#include "machine.h"
#include "messageseam.h"
#include "scannerinfo.h"
#include "setupsettings.h"
#include "userguide.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

QJsonArray toArray(const QStringList &list)
{
    return QJsonArray::fromStringList(list);
}

QJsonObject executableJson(const Executable *executable)
{
    return QJsonObject{
            {"fileName", executable->fileName()},
            {"directory", executable->directoryPath()},
            {"isJustFileName", executable->isJustFileName()},
            {"arguments", toArray(executable->arguments())},
            {"setCwd", executable->setCwd()},
            {"debug", executable->debug()},
            {"preserveArgQuotes", executable->preserveArgQuotes()},
            {"forceUninstall", executable->forceUninstall()},
            {"anotherInstalledProductCode", executable->anotherInstalledProductCode()},
            {"srcPath", executable->srcPath()},
            {"srcCompression", executable->srcCompression()},
            {"postProcess", executable->postProcess()},
            {"waitAfterInstall", executable->waitAfterInstall()},
    };
}

QJsonObject installerJson(Installer *installer)
{
    Checker &checker = installer->checker();
    const bool installed = checker.check();
    const QJsonObject checkerObject{
            {"type", int(checker.type())},
            {"queryRoot", checker.queryRoot()},
            {"queryValue", checker.queryValue()},
            {"matchValue", checker.matchValue()},
            {"matchMode", checker.matchMode()},
            {"checkForAnotherVersion", checker.checkForAnotherVersion()},
            {"configured", checker.isConfigured()},
    };
    return QJsonObject{
            {"displayName", installer->displayName()},
            {"order", installer->order()},
            {"url", installer->url()},
            {"size", double(installer->size())},
            {"sha256", installer->sha256()},
            {"downloadPath", installer->downloadPath()},
            {"compression", installer->compression()},
            {"needsWaitScreen", installer->needsWaitScreen()},
            {"waitScreenImage", installer->waitScreenImage()},
            {"avoidReinstallation", installer->avoidReinstallation()},
            {"forceReboot", installer->forceReboot()},
            {"primary", installer->primary()},
            {"prerequisiteOf", toArray(installer->prerequisiteOf())},
            {"installed", installed},
            {"ignored", checker.isIgnored()},
            {"main", executableJson(installer->mainInstallStep())},
            {"checker", checkerObject},
    };
}

QJsonObject applicationJson(Application *application)
{
    QJsonArray guides;
    for (const UserGuide *guide : application->userGuides())
        guides.append(QJsonObject{{"displayName", guide->displayName()},
                                  {"pointSize", guide->pointSize()},
                                  {"type", guide->type()},
                                  {"fileName", guide->fileName()},
                                  {"url", guide->url()},
                                  {"order", guide->order()}});
    application->refreshInstalledState();
    const bool installed = application->isInstalled();
    const qint64 size = application->remainingWebDownload().bytes;
    QJsonArray installers;
    for (Installer *installer : application->installers())
        installers.append(installerJson(installer));
    return QJsonObject{
            {"shortName", application->shortName()},
            {"displayName", application->displayName()},
            {"description", application->description()},
            {"tooltip", application->tooltip()},
            {"selectedByDefault", application->isSelectedByDefault()},
            {"readOnly", application->isReadOnly()},
            {"onDisc2", application->isOnDisc2()},
            {"brandLicence", application->needsBrandLicence()},
            {"makerLicence", application->needsMakerLicence()},
            {"usbOnly", application->isUsbOnly()},
            {"netOnly", application->isNetOnly()},
            {"dependsOn", toArray(application->dependsOn())},
            {"fromWeb", application->isFromWeb()},
            {"combined", application->isCombined()},
            {"lcid", application->lcid()},
            {"lcidHex", application->lcidHex()},
            {"installed", installed},
            {"downloadSize", double(size)},
            {"userGuides", guides},
            {"installers", installers},
    };
}

QJsonObject productJson(const ScannerInfo &info)
{
    return QJsonObject{
            {"shortName", info.shortName()},
            {"longName", info.longName()},
            {"pid", info.productId()},
            {"skin", info.skin()},
            {"brand", int(info.brand())},
            {"website", info.website()},
            {"readme", info.readme()},
            {"readmeDisplayName", info.readmeDisplayName()},
            {"updateUrl", info.updateUrl()},
            {"bundleType", info.bundleType()},
            {"bundleVersion", info.bundleVersion()},
            {"softwareVersion", info.softwareVersion()},
            {"minSetupVersion", info.minSetupVersion()},
            {"scannerSerial", info.scannerSerialNumber()},
            {"networkScanner", info.isNetworkScanner()},
            {"supportedLanguages", toArray(info.supportedLanguages())},
            {"languageCode", info.languageCode()},
            {"countryCode", info.countryCode()},
            {"lcid", info.lcid()},
            {"lcidHex", info.lcidHex()},
    };
}

// The folder of a file in the Windows form the process-wide paths use.
QString windowsFolderOf(const QString &file)
{
    return HostFiles::windowsPath(QFileInfo(file).absolutePath());
}

int usage()
{
    QTextStream(stderr) << "usage: disctool catalogue PRODUCT.xml [--update UPDATE.xml] "
                           "[--language CODE] [--machine DIR | --new-machine DIR] [--web]\n";
    return 2;
}

int runCatalogue(QStringList arguments)
{
    QString problem;
    if (!MachineOption::take(arguments, problem)) {
        QTextStream(stderr) << "disctool catalogue: " << problem << '\n';
        return usage();
    }
    QString product;
    QString update;
    QString language = QStringLiteral("en_us");
    bool web = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String("--update") && hasValue)
            update = arguments.at(++i);
        else if (argument == QLatin1String("--language") && hasValue)
            language = arguments.at(++i).toLower();
        else if (argument == QLatin1String("--web"))
            web = true;
        else if (product.isEmpty() && !argument.startsWith(QLatin1String("--")))
            product = argument;
        else
            return usage();
    }
    const bool updateOnly = product == QLatin1String("-");
    if (product.isEmpty() || (updateOnly && update.isEmpty()))
        return usage();

    QJsonArray messages;
    MessageSeam::setHandler([&messages](QObject *,
                                        MessageSeam::Icon,
                                        const QString &title,
                                        const QString &text,
                                        int buttons,
                                        int) {
        messages.append(QJsonObject{{"title", title}, {"text", text}});
        return (buttons & MessageSeam::Ok) ? int(MessageSeam::Ok) : int(MessageSeam::Yes);
    });

    SetupSettings::setSetupPath(windowsFolderOf(updateOnly ? update : product));
    SetupSettings::setDownloadPath(SetupSettings::defaultDownloadPath());
    SetupSettings::setUpdatePath(SetupSettings::defaultUpdatePath());

    ScannerInfo info;
    info.setLanguage(language);
    bool loaded = false;
    if (updateOnly) {
        info.loadLanguages(update);
        loaded = info.load(update, false, false);
    } else if (update.isEmpty()) {
        info.loadLanguages(product);
        loaded = info.load(product, true, false);
    } else {
        info.loadLanguages(product);
        info.loadLanguages(update);
        loaded = info.load(product, true, true) && info.load(update, false, true);
        if (loaded)
            info.merge();
    }

    QJsonArray applications;
    if (loaded) {
        engine::InstalledSoftware::Snapshot snapshot;
        for (Application *application : info.applications()) {
            if (application->isCombined())
                application->setUseWebVersion(web);
            applications.append(applicationJson(application));
        }
    }
    const QJsonObject document{
            {"product", productJson(info)}, {"applications", applications}, {"messages", messages}};
    QTextStream(stdout) << QJsonDocument(document).toJson(QJsonDocument::Indented);
    MessageSeam::setHandler(nullptr);
    return loaded ? 0 : 1;
}

const DiscToolCommand command("catalogue",
                              "PRODUCT.xml|- [--update UPDATE.xml] [--language CODE] "
                              "[--machine DIR | --new-machine DIR] [--web]",
                              runCatalogue);

} // namespace
