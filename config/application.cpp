#include "application.h"

#include "executable.h"
#include "installedsoftware.h"
#include "installer.h"
#include "languagetable.h"
#include "localizedtext.h"
#include "messageseam.h"
#include "payloadhash.h"
#include "platforminfo.h"
#include "stagedpayload.h"
#include "userguide.h"
#include "versioncompare.h"

#include <QDir>
#include <QDomElement>

namespace {

// Catalogue booleans: "true" in any case; anything else is false.
bool boolAttribute(const QDomElement &element, const QString &name)
{
    return element.attribute(name).toLower() == QLatin1String("true");
}

} // namespace

bool Application::asksForLicence(const QDomElement &element, bool brand)
{
    return boolAttribute(element, brand ? QStringLiteral("Corvex") : QStringLiteral("Tamberlin"));
}

Application::Application(QObject *parent)
    : QObject(parent)
    , m_errorTitle(QStringLiteral("Design Time Error"))
{}

Application *Application::fromCatalogue(const QDomElement &element,
                                        const QString &languageCode,
                                        const QString &countryCode,
                                        bool fromWeb,
                                        QObject *owner,
                                        QObject *parent)
{
    auto *application = new Application(parent);
    application->m_owner = owner;
    application->m_fromWeb = fromWeb;
    application->readCatalogueElement(element, languageCode, countryCode);
    return application;
}

Application *Application::combining(Application *webEntry, Application *discEntry, QObject *parent)
{
    auto *combined = new Application(parent);
    combined->m_platformTags = webEntry->m_platformTags;
    combined->m_osVersion = webEntry->m_osVersion;
    combined->m_owner = webEntry->m_owner;
    combined->m_language = webEntry->m_language;
    combined->m_shortName = webEntry->m_shortName;
    combined->m_displayName = webEntry->m_displayName;
    combined->m_displayNamePointSize = webEntry->m_displayNamePointSize;
    combined->m_description = webEntry->m_description;
    combined->m_descriptionPointSize = webEntry->m_descriptionPointSize;
    combined->m_tooltip = webEntry->m_tooltip;
    combined->m_selectedByDefault = webEntry->m_selectedByDefault;
    // Either source may be installed, so a licence that either asks for is asked for.
    combined->m_brandLicence = webEntry->m_brandLicence || discEntry->m_brandLicence;
    combined->m_makerLicence = webEntry->m_makerLicence || discEntry->m_makerLicence;
    combined->m_usbOnly = webEntry->m_usbOnly;
    combined->m_netOnly = webEntry->m_netOnly;
    combined->m_discEntry = discEntry;
    combined->m_webEntry = webEntry;
    return combined;
}

void Application::readCatalogueElement(const QDomElement &element,
                                       const QString &languageCode,
                                       const QString &countryCode)
{
    if (element.tagName().toLower() != QLatin1String("application"))
        return;

    m_platformTags = PlatformInfo::platformTags(m_owner);
    m_osVersion = PlatformInfo::osVersion();
    const int lcid = LanguageTable::lcid(languageCode, countryCode);
    m_language = {languageCode, countryCode, QString::number(lcid), LanguageTable::paddedHex(lcid)};

    m_shortName = element.attribute(QStringLiteral("ShortName"));
    m_selectedByDefault = boolAttribute(element, QStringLiteral("IsSelectedByDefault"));
    m_readOnly = boolAttribute(element, QStringLiteral("IsReadOnly"));
    m_onDisc2 = boolAttribute(element, QStringLiteral("IsOnDisc2"));
    m_dependsOn = element.attribute(QStringLiteral("IsDependentOn"))
                          .split(QLatin1Char(';'), Qt::SkipEmptyParts);
    m_brandLicence = asksForLicence(element, true);
    m_makerLicence = asksForLicence(element, false);
    m_usbOnly = boolAttribute(element, QStringLiteral("USBOnly"));
    m_netOnly = boolAttribute(element, QStringLiteral("NetOnly"));

    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = child.tagName().toLower();
        if (tag == QLatin1String("displayname")) {
            const LocalizedText text = LocalizedText::read(child, languageCode, countryCode);
            m_displayName = text.text();
            m_displayNamePointSize = text.pointSize();
        } else if (tag == QLatin1String("description")) {
            const LocalizedText text = LocalizedText::read(child, languageCode, countryCode);
            m_description = text.text();
            m_descriptionPointSize = text.pointSize();
        } else if (tag == QLatin1String("tooltip"))
            m_tooltip = LocalizedText::read(child, languageCode, countryCode).text();
        else if (tag == QLatin1String("installationplatform"))
            readInstallationPlatform(child);
        else if (tag == QLatin1String("userguide"))
            readUserGuide(child);
    }
}

bool Application::appliesToLanguage(const QString &languageAttribute,
                                    const QString &languageCode,
                                    const QString &countryCode)
{
    if (languageAttribute.isEmpty())
        return true;
    const QString withCountry = languageCode + QLatin1Char('_') + countryCode;
    const QStringList items = languageAttribute.toLower().split(QLatin1Char(','));
    for (const QString &item : items) {
        if (item.contains(QLatin1Char('_')) ? item == withCountry : item == languageCode)
            return true;
    }
    return false;
}

void Application::readInstallationPlatform(const QDomElement &group)
{
    if (!groupApplies(group))
        return;
    for (QDomElement child = group.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (child.tagName().toLower() == QLatin1String("installer"))
            readInstaller(child);
    }
}

bool Application::groupApplies(const QDomElement &group) const
{
    if (!m_platformTags.contains(group.attribute(QStringLiteral("Value"))))
        return false;
    const QString version = group.attribute(QStringLiteral("Version"));
    const int mode
            = Checker::matchModeFromString(group.attribute(QStringLiteral("RunIfDestOsVersion")));
    if (version.isEmpty() || version == QLatin1String("*"))
        return true;
    const QStringList parts = version.split(QLatin1Char('.'));
    const int major = parts.value(0).toInt() & 0xFF;
    const int minor = parts.value(1).toInt() & 0xFF;
    const int wanted = major * 256 + minor;
    const int os = m_osVersion;
    switch (mode) {
    case engine::MatchMode::IsExact:
    case engine::MatchMode::IsEqual:
        return os == wanted;
    case engine::MatchMode::IsNewer:
        return os > wanted;
    case engine::MatchMode::IsEqualOrNewer:
        return os >= wanted;
    case engine::MatchMode::IsOlder:
        return os < wanted;
    case engine::MatchMode::IsEqualOrOlder:
        return os <= wanted;
    default:
        return true;
    }
}

void Application::readInstaller(const QDomElement &element)
{
    auto *installer = new Installer(this);
    Executable *main = installer->mainInstallStep();
    installer->checker().setOwner(m_owner);
    int order = 0;
    if (!m_onDisc2) {
        auto text = [&](const char *name) { return element.attribute(QLatin1String(name)); };
        auto flag = [&](const char *name) { return boolAttribute(element, QLatin1String(name)); };

        order = text("Order").toInt();
        installer->setNeedsWaitScreen(flag("NeedsWaitScreen"));
        if (installer->needsWaitScreen())
            installer->setWaitScreenImage(text("WaitScreenImage"));
        installer->setDisplayName(text("DisplayName"));
        installer->setAvoidReinstallation(flag("AvoidReinstallation"));
        installer->setForceReboot(flag("ForceReboot"));
        main->setPreserveArgQuotes(flag("PreserveArgQuotes"));
        main->setForceUninstall(flag("ForceUninstall"));
        installer->setUrl(PathVariables::rewriteUpdateHost(text("url")));
        installer->setPrimary(flag("Primary"));
        if (!text("PrerequisiteOf").isEmpty())
            installer->setPrerequisiteOf(text("PrerequisiteOf").split(QLatin1Char(',')));

        const QString executable
                = PathVariables::substituteCatalogue(text("Executable"), m_language);
        const bool mustExist = installer->url().isEmpty();
        if (!main->setExecutable(executable, mustExist) && mustExist) {
            MessageSeam::show(m_owner,
                              MessageSeam::Critical,
                              m_errorTitle,
                              QStringLiteral("Unable to find executable %1.")
                                      .arg(QDir::toNativeSeparators(
                                              PathVariables::resolveExecutablePath(executable))),
                              MessageSeam::Ok,
                              MessageSeam::KeepOnTop);
        }
        main->setCommandLine(PathVariables::substituteCatalogue(text("CommandLine"), m_language));
        main->setSetCwd(flag("SetCwd"));
        main->setDebug(flag("Debug"));
        installer->setSize(qMax<qint64>(0, text("size").toLongLong()));
        readSha256(*installer, text("sha256"), executable);
        main->setWaitAfterInstall(qMax(0, text("wait_after_install").toInt()));
        const QString compression = text("compression");
        const QString targetPath = text("TargetPath");
        main->setPostProcess(text("PostProcess"));

        if (!installer->url().isEmpty()) {
            installer->setDownloadPath(targetPath.isEmpty() ? executable
                                                            : PathVariables::substituteCatalogue(
                                                                    targetPath, m_language));
            if (!compression.isEmpty() && !targetPath.isEmpty()) {
                installer->setCompression(compression);
                main->setSrcPath(installer->downloadPath());
                main->setSrcCompression(compression);
            }
            StagedPayload::adopt(*installer);
        }
    }
    installer->setOrder(order);

    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = child.tagName().toLower();
        if (tag == QLatin1String("checker")) {
            Checker checker(m_owner);
            checker.setType(child.attribute(QStringLiteral("Type")));
            checker.setQueryRoot(child.attribute(QStringLiteral("QueryRoot")));
            checker.setQueryValue(child.attribute(QStringLiteral("QueryValue")));
            checker.setMatchValue(child.attribute(QStringLiteral("MatchValue")));
            checker.setMatchMode(child.attribute(QStringLiteral("MatchMode")));
            // Unlike the catalogue's other booleans this one is compared case-sensitively, on
            // purpose: only "true" exactly asks for the search for another version.
            checker.setCheckForAnotherVersion(
                    child.attribute(QStringLiteral("CheckForAnotherVersion"))
                    == QLatin1String("true"));
            if (main->forceUninstall()) {
                Checker probe = checker;
                if (!probe.check() && !probe.foundProductCode().isEmpty())
                    main->setAnotherInstalledProductCode(probe.foundProductCode());
            }
            installer->setChecker(checker);
        } else if (tag == QLatin1String("displayname")) {
            const QString name
                    = LocalizedText::read(child, m_language.languageCode, m_language.countryCode)
                              .text();
            if (!name.isEmpty())
                installer->setDisplayName(name);
        }
    }
    placeInstaller(installer, order);
}

void Application::readSha256(Installer &installer, const QString &value, const QString &executable)
{
    if (value.isEmpty())
        return;
    if (PayloadHash::isWellFormed(value)) {
        installer.setSha256(value);
        return;
    }
    // Reported like every other catalogue fault, and the installer is read as one without a
    // hash: the product installs as it did before hashes, and disctool layout refuses to
    // build a disc with such a catalogue, so the fault is caught before it ships.
    MessageSeam::show(m_owner,
                      MessageSeam::Critical,
                      m_errorTitle,
                      QStringLiteral("The sha256 attribute of the installer %1 is not 64 "
                                     "hexadecimal digits: \"%2\".")
                              .arg(installer.url().isEmpty() ? executable : installer.url(), value),
                      MessageSeam::Ok,
                      MessageSeam::KeepOnTop);
}

void Application::placeInstaller(Installer *installer, int order)
{
    if (order > 0 && order < m_installers.size())
        m_installers.insert(order, installer);
    else
        m_installers.append(installer);
}

void Application::readUserGuide(const QDomElement &element)
{
    auto *guide = new UserGuide(this);
    const QString &language = m_language.languageCode;
    const QString &country = m_language.countryCode;
    guide->setFileName(PathVariables::substituteCatalogue(
            element.attribute(QStringLiteral("FileName")), m_language));
    guide->setUrl(PathVariables::substituteCatalogue(element.attribute(QStringLiteral("url")),
                                                     m_language));
    guide->setType(UserGuide::typeFromString(element.attribute(QStringLiteral("Type"))));
    guide->setOrder(element.attribute(QStringLiteral("Order")).toInt());
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = child.tagName().toLower();
        if (tag == QLatin1String("displayname")) {
            const LocalizedText text = LocalizedText::read(child, language, country);
            guide->setDisplayName(text.text());
            guide->setPointSize(text.pointSize());
        } else if (tag == QLatin1String("filename") || tag == QLatin1String("url")) {
            // An element without a text for this language keeps what the attribute said.
            const QString text = LocalizedText::read(child, language, country).value();
            if (text.isEmpty())
                continue;
            const QString value = PathVariables::substituteCatalogue(text, m_language);
            if (tag == QLatin1String("filename"))
                guide->setFileName(value);
            else
                guide->setUrl(value);
        }
    }
    m_userGuides.append(guide);
}

const Application *Application::chosenVariant() const
{
    if (!isCombined())
        return this;
    return m_useWebVersion ? m_webEntry : m_discEntry;
}

QList<Installer *> Application::installers() const
{
    if (isCombined())
        return chosenVariant()->installers();
    return m_installers;
}

void Application::refreshInstalledState()
{
    // One walk of the registry serves every check of this refresh.
    engine::InstalledSoftware::Snapshot snapshot;
    m_pendingLocalInstallers.clear();
    m_pendingWebInstallers.clear();
    if (isCombined()) {
        m_discEntry->refreshInstalledState();
        m_webEntry->refreshInstalledState();
        return;
    }
    for (Installer *installer : qAsConst(m_installers)) {
        if (installer->checker().check())
            continue;
        if (installer->url().isEmpty())
            m_pendingLocalInstallers.append(installer);
        else
            m_pendingWebInstallers.append(installer);
    }
    m_installed = m_pendingLocalInstallers.isEmpty() && m_pendingWebInstallers.isEmpty();
}

bool Application::isInstalled() const
{
    if (isCombined())
        return m_discEntry->isInstalled() && m_webEntry->isInstalled();
    return m_installed;
}

bool Application::isDiscVersionInstalled() const
{
    if (isCombined())
        return m_discEntry->isInstalled();
    return m_installed && !m_fromWeb;
}

bool Application::isWebVersionInstalled() const
{
    if (isCombined())
        return m_webEntry->isInstalled();
    return m_installed && m_fromWeb;
}

bool Application::needsWeb() const
{
    if (isCombined())
        return chosenVariant()->needsWeb();
    return !m_pendingWebInstallers.isEmpty();
}

Application::RemainingDownload Application::remainingDownload() const
{
    if (isCombined())
        return chosenVariant()->remainingDownload();
    RemainingDownload remaining;
    for (Installer *installer : m_pendingWebInstallers) {
        if (installer->isDownloaded())
            continue;
        remaining.needed = true;
        remaining.bytes += installer->size();
    }
    return remaining;
}

Application::RemainingDownload Application::remainingWebDownload() const
{
    if (isCombined())
        return m_webEntry->remainingWebDownload();
    return remainingDownload();
}

void Application::addTwins(Installer *discInstaller, Installer *webInstaller)
{
    m_twinDiscInstallers.append(discInstaller);
    m_twinWebInstallers.append(webInstaller);
}
