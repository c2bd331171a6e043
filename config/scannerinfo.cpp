#include "scannerinfo.h"

#include "application.h"
#include "checker.h"
#include "hostfiles.h"
#include "installedsoftware.h"
#include "installer.h"
#include "languagetable.h"
#include "localizedtext.h"
#include "messageseam.h"
#include "scannerseriallookup.h"
#include "setupsettings.h"
#include "versioncompare.h"
#include "xmlguard.h"

#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace {

// Reads and parses a product file; false (with the parser's position) when that fails.
bool readDocument(const QString &path,
                  QDomDocument &document,
                  bool *opened = nullptr,
                  QString *error = nullptr,
                  int *line = nullptr,
                  int *column = nullptr)
{
    QFile file(HostFiles::hostPath(path));
    if (opened)
        *opened = false;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    if (opened)
        *opened = true;
    return XmlGuard::read(file, document, error, line, column);
}

} // namespace

ScannerInfo::ScannerInfo(QObject *parent)
    : QObject(parent)
    , m_parentWindow(parent)
    , m_language({QString(), QString(), QStringLiteral("1033"), QStringLiteral("0x409")})
    , m_updateUrl(defaultUpdateUrl())
    , m_minSetupVersion(QStringLiteral("0.0"))
    , m_errorTitle(QStringLiteral("Design Time Error"))
{}

QString ScannerInfo::defaultUpdateUrl()
{
    return QStringLiteral("https://%1/Downloads/updater").arg(SetupSettings::updateHost());
}

void ScannerInfo::setLanguage(const QString &code)
{
    m_fullLanguageCode = code;
    m_language.languageCode = LanguageTable::languageOf(code);
    m_language.countryCode = LanguageTable::countryOf(code);
    const int lcid = LanguageTable::lcid(m_language.languageCode, m_language.countryCode);
    m_language.lcid = QString::number(lcid);
    m_language.lcidHex = LanguageTable::plainHex(lcid);
}

bool ScannerInfo::checkFile(const QString &path) const
{
    QDomDocument document;
    return readDocument(path, document)
           && document.documentElement().tagName().toLower() == QLatin1String("scanner");
}

bool ScannerInfo::load(const QString &path, bool isLocal, bool keepSeparate)
{
    QDomDocument document;
    if (!readDocument(path, document))
        return false;
    const QDomElement root = document.documentElement();
    if (root.tagName().toLower() != QLatin1String("scanner"))
        return false;

    readRootAttributes(root);

    SetupSettings::setShortName(m_shortName);
    if (!m_scannerSerialNumber.isEmpty())
        SetupSettings::setSerialNumber(m_scannerSerialNumber);
    if (!isLocal && SetupSettings::serialNumber().isEmpty()) {
        bool isNumber = false;
        const uint productId = m_productId.toUInt(&isNumber, 16);
        if (isNumber && productId <= 0xFFFF) {
            const QString serial = ScannerSerialLookup::serialFor(quint16(productId));
            if (!serial.isEmpty())
                SetupSettings::setSerialNumber(serial);
        }
    }

    m_applications.clear();

    const QString &language = m_language.languageCode;
    const QString &country = m_language.countryCode;
    for (QDomElement child = root.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = child.tagName().toLower();
        if (tag == QLatin1String("scannerreadme")) {
            readScannerReadme(child);
        } else if (tag == QLatin1String("application")) {
            readApplication(child, isLocal, keepSeparate);
        } else if (tag == QLatin1String("website")) {
            const QString text = LocalizedText::read(child, language, country).value();
            if (!text.isEmpty())
                m_website = text;
        } else if (tag == QLatin1String("update_url")) {
            const QString text = LocalizedText::read(child, language, country).value();
            if (!text.isEmpty())
                m_updateUrl = text;
        }
    }

    // A product file without an update location still has the maker's update server.
    if (m_updateUrl.isEmpty())
        m_updateUrl = defaultUpdateUrl();
    if (m_minSetupVersion.isEmpty())
        m_minSetupVersion = QStringLiteral("0.0");
    m_website = PathVariables::substituteProductFile(m_website, m_language);
    m_updateUrl = PathVariables::substituteProductFile(m_updateUrl, m_language);
    return true;
}

void ScannerInfo::readRootAttributes(const QDomElement &root)
{
    auto text = [&](const char *name) { return root.attribute(QLatin1String(name)); };
    m_shortName = text("ShortName");
    m_productId = text("PID").toUpper();
    m_longName = text("LongName");
    m_skin = text("Skin");
    const QString brand = text("Brand").toLower();
    m_brand = brand == QLatin1String("corvex")
                      ? Corvex
                      : (brand == QLatin1String("tamberlin") ? Tamberlin : NoBrand);
    m_website = text("Website");
    m_updateUrl = text("update_url");
    m_bundleType = text("BundleType");
    m_bundleVersion = text("BundleVersion");
    m_softwareVersion = text("SoftwareVersion");
    m_minSetupVersion = text("MinSetupVersion");
    m_scannerSerialNumber = text("ScannerSN");
    m_networkScanner = text("NetworkScanner") == QLatin1String("true");
}

void ScannerInfo::readScannerReadme(const QDomElement &element)
{
    for (const char *name : {"FileName", "url"}) {
        const QString value = element.attribute(QLatin1String(name));
        if (!value.isEmpty())
            m_readme = PathVariables::substituteProductFile(value, m_language);
    }
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = child.tagName().toLower();
        const LocalizedText localized
                = LocalizedText::read(child, m_language.languageCode, m_language.countryCode);
        if (tag == QLatin1String("displayname")) {
            m_readmeDisplayName = localized.text();
            m_readmePointSize = localized.pointSize();
        } else if ((tag == QLatin1String("filename") || tag == QLatin1String("url"))
                   && !localized.value().isEmpty())
            m_readme = PathVariables::substituteProductFile(localized.value(), m_language);
    }
}

void ScannerInfo::readApplication(const QDomElement &element, bool isLocal, bool keepSeparate)
{
    if (!Application::appliesToLanguage(element.attribute(QStringLiteral("Language")),
                                        m_language.languageCode,
                                        m_language.countryCode))
        return;
    auto *application = Application::fromCatalogue(element,
                                                   m_language.languageCode,
                                                   m_language.countryCode,
                                                   !isLocal,
                                                   m_parentWindow,
                                                   this);
    if ((application->isUsbOnly() && m_networkScanner)
        || (application->isNetOnly() && !m_networkScanner)) {
        delete application;
        return;
    }
    if (!keepSeparate)
        m_applications.append(application);
    else if (isLocal)
        m_discApplications.append(application);
    else
        m_webApplications.append(application);
}

void ScannerInfo::merge()
{
    if (m_discApplications.isEmpty() || m_webApplications.isEmpty())
        return;
    for (Application *discEntry : qAsConst(m_discApplications)) {
        Application *webEntry = nullptr;
        for (Application *candidate : qAsConst(m_webApplications)) {
            if (candidate->shortName() == discEntry->shortName()) {
                webEntry = candidate;
                break;
            }
        }
        if (webEntry && versionsDiffer(discEntry, webEntry)) {
            auto *combined = Application::combining(webEntry, discEntry, this);
            m_combinedApplications.append(combined);
            m_applications.append(combined);
        } else {
            m_applications.append(discEntry);
        }
    }
    for (Application *webEntry : qAsConst(m_webApplications)) {
        bool onDisc = false;
        for (Application *discEntry : qAsConst(m_discApplications))
            onDisc = onDisc || discEntry->shortName() == webEntry->shortName();
        if (!onDisc)
            m_applications.append(webEntry);
    }
}

bool ScannerInfo::versionsDiffer(Application *discEntry, Application *webEntry) const
{
    bool differ = false;
    const QList<Installer *> discInstallers = discEntry->installers();
    for (Installer *web : webEntry->installers()) {
        const Checker &webChecker = web->checker();
        Installer *twin = nullptr;
        for (Installer *disc : discInstallers) {
            const Checker &discChecker = disc->checker();
            if (disc->displayName() != web->displayName()
                || discChecker.type() != webChecker.type())
                continue;
            if (discChecker.type() == Checker::Type::RegistryKey
                || (!discChecker.matchValue().isEmpty() && !webChecker.matchValue().isEmpty()
                    && discChecker.matchMode() == webChecker.matchMode()
                    && engine::compareVersions(discChecker.matchValue().toStdWString(),
                                               webChecker.matchValue().toStdWString(),
                                               discChecker.matchMode()))) {
                twin = disc;
                break;
            }
        }
        if (twin)
            webEntry->addTwins(twin, web);
        else
            differ = true;
    }
    return differ;
}

void ScannerInfo::failLanguages(const QString &text)
{
    MessageSeam::show(m_parentWindow, MessageSeam::Critical, m_errorTitle, text, MessageSeam::Ok);
    if (m_supportedLanguages.isEmpty())
        m_supportedLanguages.append(QStringLiteral("en_US"));
}

bool ScannerInfo::loadLanguages(const QString &path)
{
    const QFileInfo info(HostFiles::hostPath(path));
    QDomDocument document;
    bool opened = false;
    QString error;
    int line = 0;
    int column = 0;
    if (!readDocument(path, document, &opened, &error, &line, &column)) {
        if (!opened)
            failLanguages(QStringLiteral("Unable to load %1 from directory %2.")
                                  .arg(info.fileName(), info.absolutePath()));
        else
            failLanguages(QStringLiteral("Parse error in %1 at line %2, column %3 (%4).")
                                  .arg(info.fileName())
                                  .arg(line)
                                  .arg(column)
                                  .arg(error));
        return false;
    }
    const QDomElement root = document.documentElement();
    if (root.tagName().toLower() != QLatin1String("scanner")) {
        failLanguages(QStringLiteral("Parse error in %1").arg(info.fileName()));
        return false;
    }

    // A file that reads replaces the list of an earlier one.
    m_supportedLanguages.clear();
    for (QDomElement list = root.firstChildElement(); !list.isNull();
         list = list.nextSiblingElement()) {
        if (list.tagName().toLower() != QLatin1String("supportedlanguages"))
            continue;
        for (QDomElement language = list.firstChildElement(); !language.isNull();
             language = language.nextSiblingElement()) {
            if (language.tagName() != QLatin1String("language"))
                continue;
            const QString code = language.attribute(QStringLiteral("IsoCode"));
            if (QLocale(code).language() == QLocale::C) {
                MessageSeam::show(m_parentWindow,
                                  MessageSeam::Critical,
                                  m_errorTitle,
                                  QStringLiteral("Unknown language \"%1\" specified in %2")
                                          .arg(code, info.fileName()),
                                  MessageSeam::Ok);
                continue;
            }
            if (!m_supportedLanguages.contains(code))
                m_supportedLanguages.append(code.toLower());
        }
    }
    if (m_supportedLanguages.isEmpty())
        m_supportedLanguages.append(QStringLiteral("en_US"));
    return true;
}

void ScannerInfo::refreshInstalledStates()
{
    engine::InstalledSoftware::Snapshot snapshot;
    for (Application *application : qAsConst(m_applications))
        application->refreshInstalledState();
}
