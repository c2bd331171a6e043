#include "deploycatalogue.h"

#include "dvdpath.h"
#include "hostpath.h"
#include "languagetable.h"
#include "scannerinfo.h"
#include "setupsettings.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace {

const QString FrontEndTranslations = QStringLiteral(":/FrontEndTranslations/Translations");
const QString ProductFileName = QStringLiteral("scanner_win.xml");

bool existsOnHost(const QString &windowsPath)
{
    return QFileInfo::exists(QString::fromStdString(sys::toHostPath(windowsPath.toStdWString())));
}

} // namespace

DeployCatalogue::DeployCatalogue(QObject *owner)
    : m_owner(owner)
{}

DeployCatalogue::~DeployCatalogue()
{
    delete m_scannerInfo;
}

void DeployCatalogue::preparePaths(const QString &programDir)
{
    SetupSettings::setSetupPath(SetupSettings::withBackslashes(programDir));
    SetupSettings::setDownloadPath(SetupSettings::defaultDownloadPath());
    SetupSettings::setUpdatePath(SetupSettings::defaultUpdatePath());
    QString discPath;
    if (!QFileInfo::exists(QDir(programDir).filePath(ProductFileName))
        && readDvdPath(discPath, programDir))
        SetupSettings::setSetupPath(SetupSettings::withBackslashes(discPath));
}

QStringList DeployCatalogue::offeredLanguages(const QStringList &supported)
{
    QStringList offered;
    const QStringList files
            = QDir(FrontEndTranslations).entryList({QStringLiteral("frontend_*.qm")}, QDir::Files);
    for (const QString &file : files) {
        const QString code = LanguageTable::ofTranslationFile(file);
        if (supported.contains(code) && !offered.contains(code))
            offered << code;
    }
    return offered;
}

QString DeployCatalogue::preselect(const QStringList &offered, const QString &systemCode)
{
    if (offered.contains(systemCode) || offered.contains(systemCode.left(2)))
        return systemCode;
    if (offered.contains(QStringLiteral("en_us")) || offered.contains(QStringLiteral("en")))
        return QStringLiteral("en");
    return offered.value(0);
}

QString DeployCatalogue::requested(const QStringList &offered, const QString &code)
{
    return offered.contains(code) || offered.contains(code.left(2)) ? code : QString();
}

bool DeployCatalogue::load(const QString &programDir,
                           const QString &language,
                           const QString &deviceCatalogue,
                           QString *error,
                           bool *languageError)
{
    *languageError = false;
    m_files.clear();
    delete m_scannerInfo;
    m_scannerInfo = new ScannerInfo(m_owner);

    const QString product = SetupSettings::setupPath() + QLatin1Char('\\') + ProductFileName;
    const bool hasProduct = existsOnHost(product);
    // A copy without its disc installs from the update.xml beside it; a disc's own update
    // folder only holds what an interactive online check left there.
    QString update = deviceCatalogue;
    if (update.isEmpty() && !hasProduct)
        update = SetupSettings::withBackslashes(programDir) + QStringLiteral("\\update.xml");
    const bool hasUpdate
            = !update.isEmpty() && existsOnHost(update) && m_scannerInfo->checkFile(update);
    if (!hasProduct && !hasUpdate) {
        *error = QStringLiteral("no product file: neither %1 nor %2 can be read")
                         .arg(product, update.isEmpty() ? QStringLiteral("update.xml") : update);
        return false;
    }
    if (hasProduct)
        m_scannerInfo->loadLanguages(product);
    if (hasUpdate)
        m_scannerInfo->loadLanguages(update);

    const QStringList offered = offeredLanguages(m_scannerInfo->supportedLanguages());
    m_language
            = language.isEmpty()
                      ? preselect(offered, LanguageTable::fromLocaleName(QLocale::system().name()))
                      : requested(offered, language);
    if (m_language.isEmpty()) {
        *languageError = !language.isEmpty();
        *error = offered.isEmpty() ? QStringLiteral("the product offers no language setup can show")
                                   : QStringLiteral("the product offers the languages %1, not %2")
                                             .arg(offered.join(QStringLiteral(", ")), language);
        return false;
    }
    m_scannerInfo->setLanguage(m_language);

    bool read = true;
    if (hasProduct) {
        read = m_scannerInfo->load(product, true, hasUpdate) && read;
        m_files << product;
    }
    if (hasUpdate) {
        read = m_scannerInfo->load(update, false, hasProduct) && read;
        m_files << update;
    }
    if (hasProduct && hasUpdate)
        m_scannerInfo->merge();
    if (!read) {
        *error = QStringLiteral("cannot read %1 as a product file")
                         .arg(m_files.join(QStringLiteral(" and ")));
        return false;
    }
    m_scannerInfo->refreshInstalledStates();
    return true;
}
