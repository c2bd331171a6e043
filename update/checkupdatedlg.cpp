#include "checkupdatedlg.h"
#include "ui_checkupdatedlg.h"

#include "bundlemerge.h"
#include "connectscannerdlg.h"
#include "downloadmanager.h"
#include "dvdpath.h"
#include "hostfiles.h"
#include "messageseam.h"
#include "payloadhash.h"
#include "process.h"
#include "scannerinfo.h"
#include "scannersearch.h"
#include "setupsettings.h"
#include "setupversion.h"
#include "signature.h"
#include "sysinfo.h"
#include "updateclient.h"
#include "updatefiles.h"
#include "updateseams.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMovie>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QUrl>

namespace {

const char ExitMarker[] = "tam_setup_exit.txt";

// The outcome of starting a program: a system error code when it could not be started,
// otherwise its exit code or sys::StillActive while it runs on.
struct StartResult
{
    bool started = false;
    uint32_t code = 0;
};

// Starts program with arguments in workingDirectory (all Windows form) and waits up to waitMs
// for it while the dialogs stay responsive.
StartResult startProgram(const QString &program,
                         const QString &arguments,
                         const QString &workingDirectory,
                         int waitMs)
{
    // The program path is quoted: a user's temporary folder may well hold a blank.
    QString commandLine = QString::fromStdWString(sys::quoteArgument(program.toStdWString()));
    if (!arguments.isEmpty())
        commandLine += QLatin1Char(' ') + arguments;
    sys::Process process;
    StartResult result;
    if (!process.start(commandLine.toStdWString(),
                       workingDirectory.toStdWString(),
                       sys::ProcessFlags::None)) {
        result.code = process.startError();
        return result;
    }
    result.started = true;
    QElapsedTimer clock;
    clock.start();
    while (!process.wait(0) && clock.elapsed() < waitMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        process.wait(1);
    }
    result.code = process.wait(0) ? process.exitCode() : sys::StillActive;
    return result;
}

// The running program, in the form Windows names it.
std::wstring runningProgram()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationFilePath()).toStdWString();
}

} // namespace

CheckUpdateDlg::CheckUpdateDlg(QWidget *parent,
                               ScannerInfo *product,
                               Qt::WindowFlags flags,
                               bool setupOnly,
                               bool startAtOnce)
    : QDialog(parent, flags)
    , ui(new Ui::check_update_dlg)
    , m_setupOnly(setupOnly)
    , m_product(product)
    , m_search(new ScannerSearch(this))
{
    ui->setupUi(this);
    // The title bar keeps its title only: no help button, and no close button that would end a
    // check half-way without its caller knowing.
    setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
                   & ~(Qt::WindowContextHelpButtonHint | Qt::WindowCloseButtonHint));

    const QString updatePath = SetupSettings::updatePath();
    m_updateScannerFile = updatePath + QStringLiteral("\\update_scanner.xml");
    m_mergedCatalogueFile = updatePath + QStringLiteral("\\update.xml");
    m_bundleFile = updatePath + QStringLiteral("\\bundle.xml");
    m_setupDescriptionFile = updatePath + QStringLiteral("\\setup_update.xml");
    m_setupPackageFile = updatePath + QStringLiteral("\\setup_update.exe");

    setWindowTitle(tr("%1 Setup").arg(m_product->longName()).trimmed());
    ui->m_lblQuestion->setText(
            tr("Some of your bundled software is only available online.\n\nPlease connect your "
               "device and choose \"Yes\" to check for updates and view your complete software "
               "list."));
    ui->m_lblStatus->clear();
    ui->m_lblANI->hide();
    m_movie = new QMovie(QStringLiteral(":/FrontEndAnimations/Resources/loader.gif"), {}, this);
    ui->m_lblANI->setMovie(m_movie);
    if (m_movie->isValid())
        m_movie->start();
    setWindowIcon(QIcon(QStringLiteral(":/FrontEndImages/Resources/fe_icon.png")));
    connect(m_search, &ScannerSearch::finished, this, &CheckUpdateDlg::scannerSearchFinished);

    if (m_setupOnly) {
        // Nothing is asked here: a question that says to choose "Yes", with no "Yes" to choose,
        // would only mislead. The status row says what happens.
        ui->m_lblQuestion->hide();
        m_scannerMinSetupVersion = QStringLiteral("0.0");
        m_bundleMinSetupVersion = QStringLiteral("0.0");
        ui->m_btnYes->hide();
        ui->m_btnNo->setText(tr("Cancel"));
        ui->m_btnNo->setEnabled(false);
        m_running = true;
        m_stepTimer = new QTimer(this);
        m_stepTimer->setSingleShot(true);
        connect(m_stepTimer, &QTimer::timeout, this, &CheckUpdateDlg::OnDownloadTimer);
        ui->m_lblANI->show();
        showStatus(tr("Checking for setup update ..."));
        clearUpdateFolder();
        beginSetupCheck();
    }

    adjustSize();
    setMinimumHeight(height());

    if (startAtOnce)
        on_m_btnYes_clicked();
}

CheckUpdateDlg::~CheckUpdateDlg()
{
    delete m_downloader;
    delete ui;
}

int CheckUpdateDlg::exec()
{
    return m_closed ? result() : QDialog::exec();
}

QString CheckUpdateDlg::runningVersion()
{
    return QString::fromStdWString(sys::fileVersion(runningProgram()));
}

void CheckUpdateDlg::on_m_btnYes_clicked()
{
    if (m_running || m_search->isRunning())
        return;
    bool isNumber = false;
    m_productId = m_product->productId().toUpper().toUInt(&isNumber, 16);
    if (!isNumber)
        m_productId = 0;
    // The search runs off this thread and may take seconds: the dialog says what it does, and
    // "Yes" cannot start a second one.
    ui->m_btnYes->setEnabled(false);
    ui->m_lblANI->show();
    showStatus(tr("Check for device software update ..."));
    m_search->start(m_productId, ScannerList::Wanted::First);
}

void CheckUpdateDlg::scannerSearchFinished()
{
    if (m_search->scanners().empty()) {
        ConnectScannerDlg connectDialog(this, Qt::WindowFlags(), m_productId);
        UpdateSeams::run(&connectDialog);
        if (!connectDialog.found()) {
            m_continue = true;
            close();
            return;
        }
        m_device = connectDialog.device();
    } else {
        m_device = m_search->scanners().front();
    }

    m_running = true;
    ui->m_btnYes->setEnabled(false);
    ui->m_btnNo->setText(tr("Cancel"));
    m_stepTimer = new QTimer(this);
    m_stepTimer->setSingleShot(true);
    connect(m_stepTimer, &QTimer::timeout, this, &CheckUpdateDlg::OnDownloadTimer);
    ui->m_lblANI->show();
    showStatus(tr("Checking for setup update ..."));

    QDir().mkpath(HostFiles::hostPath(SetupSettings::updatePath()));
    showStatus(tr("Check for device software update ..."));
    beginStep(BundleSelectionStep,
              UpdateClient::bundleSelectionUrl(m_product->updateUrl(),
                                               m_product->productId().toUpper()),
              SetupSettings::updatePath() + QLatin1Char('\\')
                      + QString::fromStdWString(m_device.productIdText)
                      + QStringLiteral("_SN.xml"));
}

void CheckUpdateDlg::on_m_btnNo_clicked()
{
    if (m_running)
        dropDownloader();
    close();
}

void CheckUpdateDlg::sltDownloadComplete()
{
    if (m_stepTimer)
        m_stepTimer->start(UpdateSeams::interval(StepDelayMs));
}

void CheckUpdateDlg::sltDownloadProgress(qint64, qint64, qint64, qint64)
{}

void CheckUpdateDlg::sltDownloadCanBePaused(bool)
{}

void CheckUpdateDlg::sltDownloadError(QNetworkReply::NetworkError code)
{
    failStep(UpdateClient::isNotFound(code));
}

void CheckUpdateDlg::sltDownloadTimeout()
{
    failStep(false);
}

void CheckUpdateDlg::failStep(bool serverAnswered)
{
    if (m_step == BundleSelectionStep && serverAnswered) {
        // The server was reached and has nothing for this model: saying there is no connection
        // would send the user looking for a fault that is not there.
        MessageSeam::show(this,
                          MessageSeam::Information,
                          windowTitle(),
                          UpdateClient::notSupportedText(m_product->longName()));
    } else if (m_step == BundleSelectionStep) {
        MessageSeam::show(
                this, MessageSeam::Critical, tr("Error"), UpdateClient::noConnectionText());
    }
    m_continue = true;
    close();
}

void CheckUpdateDlg::OnDownloadTimer()
{
    dropDownloader();
    switch (m_step) {
    case BundleSelectionStep:
        beginScannerFile();
        break;
    case ScannerFileStep:
        finishScannerFile();
        break;
    case BundleStep:
        finishBundle();
        break;
    case SetupDescriptionStep:
        finishSetupDescription();
        break;
    case SetupPackageStep:
        finishSetupPackage();
        break;
    default:
        close();
    }
}

void CheckUpdateDlg::closeEvent(QCloseEvent *event)
{
    stopCheck();
    QDialog::closeEvent(event);
}

void CheckUpdateDlg::done(int result)
{
    stopCheck();
    QDialog::done(result);
}

void CheckUpdateDlg::stopCheck()
{
    m_closed = true;
    m_search->cancel();
    dropDownloader();
    if (m_stepTimer) {
        m_stepTimer->stop();
        m_stepTimer->deleteLater();
        m_stepTimer = nullptr;
    }
}

void CheckUpdateDlg::showStatus(const QString &text)
{
    ui->m_lblStatus->setText(text);
}

void CheckUpdateDlg::beginStep(int step, const QUrl &url, const QString &windowsTarget)
{
    m_downloader = UpdateFiles::newDownloader(this);
    m_step = step;
    ui->m_lblANI->show();
    const UpdateClient::FileKind kind = step == SetupPackageStep
                                                ? UpdateClient::FileKind::SetupPackage
                                                : UpdateClient::FileKind::Description;
    if (UpdateClient::fetch(*m_downloader, url, HostFiles::hostPath(windowsTarget), kind))
        return;
    dropDownloader();
    MessageSeam::show(
            this, MessageSeam::Critical, tr("Error"), UpdateClient::insecureAddressText());
    m_continue = true;
    close();
}

void CheckUpdateDlg::dropDownloader()
{
    UpdateFiles::dropDownloader(m_downloader, this);
}

void CheckUpdateDlg::beginScannerFile()
{
    beginStep(ScannerFileStep,
              UpdateClient::scannerFileUrl(m_product->updateUrl(),
                                           m_product->productId().toUpper(),
                                           m_product->bundleType()),
              m_updateScannerFile);
}

void CheckUpdateDlg::beginSetupCheck()
{
    showStatus(tr("Check for setup update ..."));
    beginStep(SetupDescriptionStep, UpdateClient::setupDescriptionUrl(), m_setupDescriptionFile);
}

void CheckUpdateDlg::finishScannerFile()
{
    QDomDocument document;
    const bool valid = UpdateClient::readRoot(
            HostFiles::hostPath(m_updateScannerFile), QStringLiteral("scanner"), document);
    const QDomElement root = document.documentElement();
    m_scannerSoftwareVersion = root.attribute(QStringLiteral("SoftwareVersion"));
    m_scannerMinSetupVersion = root.attribute(QStringLiteral("MinSetupVersion"));
    m_bundleUrl = UpdateClient::bundleUrl(root.attribute(QStringLiteral("BundleURL")));
    if (!valid || m_scannerMinSetupVersion.isEmpty() || m_bundleUrl.isEmpty()) {
        m_continue = true;
        close();
        return;
    }
    beginStep(BundleStep, m_bundleUrl, m_bundleFile);
}

void CheckUpdateDlg::finishBundle()
{
    QDomDocument document;
    const bool valid = UpdateClient::readRoot(
            HostFiles::hostPath(m_bundleFile), QStringLiteral("bundle"), document);
    const QDomElement root = document.documentElement();
    m_bundleSoftwareVersion = root.attribute(QStringLiteral("SoftwareVersion"));
    m_bundleMinSetupVersion = root.attribute(QStringLiteral("MinSetupVersion"));
    if (!valid || m_bundleMinSetupVersion.isEmpty()
        || BundleMerge::mergeFiles(HostFiles::hostPath(m_updateScannerFile),
                                   HostFiles::hostPath(m_bundleFile),
                                   HostFiles::hostPath(m_mergedCatalogueFile),
                                   QString::fromStdWString(m_device.serialNumber),
                                   m_device.network)
                   != BundleMerge::Result::Merged) {
        m_continue = true;
        close();
        return;
    }
    beginSetupCheck();
}

void CheckUpdateDlg::finishSetupDescription()
{
    QDomDocument document;
    const bool readable = UpdateClient::readRoot(
            HostFiles::hostPath(m_setupDescriptionFile), QStringLiteral("setup"), document);
    const QString running = runningVersion();
    if (!readable) {
        if (!SetupVersion::isAtLeast(running, m_scannerMinSetupVersion)
            || !SetupVersion::isAtLeast(running, m_bundleMinSetupVersion)) {
            // This setup is too old for the merged catalogue and no newer one can be had.
            QFile::remove(HostFiles::hostPath(m_mergedCatalogueFile));
            m_continue = true;
        }
        close();
        return;
    }
    const QDomElement root = document.documentElement();
    m_updateVersion = root.attribute(QStringLiteral("Version"));
    m_compression = root.attribute(QStringLiteral("compression"));
    m_packageSha256 = root.attribute(QStringLiteral("sha256"));
    if (!SetupVersion::isAtLeast(m_updateVersion, m_scannerMinSetupVersion)
        || !SetupVersion::isAtLeast(m_updateVersion, m_bundleMinSetupVersion)
        || !SetupVersion::isAtLeast(m_updateVersion, m_product->minSetupVersion())
        || SetupVersion::isAtLeast(running, m_updateVersion)) {
        close();
        return;
    }
    showStatus(tr("Download setup update ..."));
    beginStep(SetupPackageStep, UpdateClient::setupPackageUrl(), m_setupPackageFile);
}

void CheckUpdateDlg::finishSetupPackage()
{
    if (!packageTrusted()) {
        QFile::remove(HostFiles::hostPath(m_setupPackageFile));
        close();
        return;
    }
    showStatus(tr("Uncompress setup update ..."));
    const QString marker = updateFile(ExitMarker);
    QFile markerFile(marker);
    if (!markerFile.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        close();
        return;
    }
    markerFile.close();
    if (!unpackPackage()) {
        close();
        return;
    }
    if (!m_setupOnly && !writeDvdPath(updateFile("DVDPath.xml"), SetupSettings::setupPath())) {
        // Without it the new copy would not find the disc and would run as a second front end.
        close();
        return;
    }
    if (startNewSetup())
        m_continue = false;
    close();
}

bool CheckUpdateDlg::packageTrusted() const
{
    const QString package = HostFiles::hostPath(m_setupPackageFile);
    // A hash the description names must be the package's; one that is no hash matches nothing.
    if (!m_packageSha256.isEmpty()
        && !PayloadHash::matches(m_packageSha256, PayloadHash::ofFile(package)))
        return false;
    return sys::compareSigners(runningProgram(), m_setupPackageFile.toStdWString())
           != sys::SignerCheck::Refused;
}

QString CheckUpdateDlg::updateFile(const char *name) const
{
    return HostFiles::hostPath(SetupSettings::updatePath()) + QLatin1Char('/')
           + QLatin1String(name);
}

bool CheckUpdateDlg::unpackPackage()
{
    if (m_compression != QLatin1String("self_extr_zip") && m_compression != QLatin1String("DMG"))
        return false;
    HostFiles::makeRunnable(HostFiles::hostPath(m_setupPackageFile));
    startProgram(m_setupPackageFile,
                 QStringLiteral("-auto \"") + QDir::tempPath() + QStringLiteral("\\TamSetup\""),
                 SetupSettings::updatePath(),
                 5);
    // The package is done when the copy it unpacked has started once and removed the marker.
    const QString marker = updateFile(ExitMarker);
    for (int pass = 1; pass <= UnpackPolls; ++pass) {
        QCoreApplication::processEvents();
        if (m_closed)
            return false;
        QThread::msleep(static_cast<unsigned long>(UpdateSeams::interval(UnpackPollMs)));
        if (pass % 10 == 0 && !QFileInfo::exists(marker))
            return true;
    }
    return false;
}

bool CheckUpdateDlg::startNewSetup()
{
    const StartResult result
            = startProgram(SetupSettings::updatePath() + QStringLiteral("\\Setup.exe"),
                           QString(),
                           SetupSettings::updatePath(),
                           0);
    return result.started && (result.code == 0 || result.code == sys::StillActive);
}

void CheckUpdateDlg::clearUpdateFolder()
{
    const QString folder = HostFiles::hostPath(SetupSettings::updatePath());
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
}
