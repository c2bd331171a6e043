// disctool catalogue: what a product file offers on a given machine, as JSON, for disc
// authors and CI.

#include "disctoolcommand.h"

#include "application.h"
#include "checker.h"
#include "executable.h"
#include "hostfiles.h"
#include "installedsoftware.h"
#include "installer.h"
#include "languagetable.h"
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

// "de_de" is the product's "de"; "zh_cn" is not its "zh_tw".
bool offers(const ScannerInfo &info, const QString &language)
{
    for (const QString &offered : info.supportedLanguages()) {
        if (offered.compare(language, Qt::CaseInsensitive) == 0
            || offered.compare(LanguageTable::languageOf(language), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// The folder of a file in the Windows form the process-wide paths use.
QString windowsFolderOf(const QString &file)
{
    return HostFiles::windowsPath(QFileInfo(file).absolutePath());
}

const QCommandLineOption Update(QStringLiteral("update"),
                                QStringLiteral("An update description to merge, as setup does "
                                               "(PRODUCT.xml \"-\": it alone)."),
                                QStringLiteral("UPDATE.xml"));
const QCommandLineOption Language(QStringLiteral("language"),
                                  QStringLiteral("One of the product's languages (default "
                                                 "en_us)."),
                                  QStringLiteral("CODE"));
const QCommandLineOption Web(QStringLiteral("web"),
                             QStringLiteral("Applications offered on the disc and on the web "
                                            "take the web's version."));

int runCatalogue(const QCommandLineParser &parser)
{
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        return DiscToolCommand::refuse(QStringLiteral("one product file (or \"-\") is needed"));
    const QString product = positional.first();
    const QString update = parser.value(Update);
    const QString language
            = parser.isSet(Language) ? parser.value(Language).toLower() : QStringLiteral("en_us");
    const bool web = parser.isSet(Web);
    const bool updateOnly = product == QLatin1String("-");
    if (updateOnly && update.isEmpty())
        return DiscToolCommand::refuse(QStringLiteral("\"-\" needs --update"));

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
    bool languagesRead = true;
    if (!updateOnly)
        languagesRead = info.loadLanguages(product) && languagesRead;
    if (!update.isEmpty())
        languagesRead = info.loadLanguages(update) && languagesRead;
    // A file that cannot be read says so below, not as a language it lacks.
    if (languagesRead && parser.isSet(Language) && !offers(info, language)) {
        MessageSeam::setHandler(nullptr);
        return DiscToolCommand::refuse(
                QStringLiteral("the product offers no language \"%1\" "
                               "(it offers %2)")
                        .arg(language, info.supportedLanguages().join(QStringLiteral(", "))));
    }
    info.setLanguage(language);
    bool loaded = false;
    if (updateOnly) {
        loaded = info.load(update, false, false);
    } else if (update.isEmpty()) {
        loaded = info.load(product, true, false);
    } else {
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
                              {"PRODUCT.xml|- [--update UPDATE.xml] [--language CODE] [--web]",
                               {Update, Language, Web},
                               true},
                              runCatalogue);

} // namespace
