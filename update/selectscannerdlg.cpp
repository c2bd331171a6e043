#include "selectscannerdlg.h"
#include "ui_selectscannerdlg.h"

#include "bundlemerge.h"
#include "downloadmanager.h"
#include "messageseam.h"
#include "scannersearch.h"
#include "updateclient.h"
#include "updatefiles.h"
#include "updateseams.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QIcon>
#include <QMovie>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <optional>

namespace {

const char NotSupportedIcon[] = ":/FrontEndImages/Resources/no_inet.png";
const char SupportedIcon[] = ":/FrontEndImages/Resources/download.png";

// The marks keep their colours on a selected row, where the style would tint them into the
// highlight.
QIcon listIcon(const char *path)
{
    const QPixmap pixmap(QString::fromLatin1(path));
    QIcon icon(pixmap);
    icon.addPixmap(pixmap, QIcon::Selected);
    return icon;
}

QString itemText(const DeviceRecord &device)
{
    return QString::fromStdWString(device.model) + QStringLiteral(" (")
           + QString::fromStdWString(device.serialNumber) + QLatin1Char(')');
}

// One scanner, however often it is listed: its model, serial number and connection.
bool sameDevice(const DeviceRecord &a, const DeviceRecord &b)
{
    return a.productId == b.productId && a.serialNumber == b.serialNumber && a.network == b.network;
}

bool sameScanners(const std::vector<DeviceRecord> &a, const std::vector<DeviceRecord> &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), sameDevice);
}

QByteArray sha256(const QByteArray &content)
{
    return QCryptographicHash::hash(content, QCryptographicHash::Sha256);
}

// The hash of a file as the merge would read it; empty when it cannot be read.
QByteArray fileHash(const QString &path)
{
    QByteArray content;
    return BundleMerge::readFile(path, content) ? sha256(content) : QByteArray();
}

} // namespace

SelectScannerDlg::SelectScannerDlg(QWidget *parent, const QString &folder)
    : QDialog(parent)
    , ui(new Ui::select_scanner_dlg)
    , m_folder(folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder)
    , m_updateBaseUrl(UpdateClient::updateBaseUrl())
    , m_stepTimer(new QTimer(this))
    , m_refreshTimer(new QTimer(this))
    , m_search(new ScannerSearch(this))
{
    ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/FrontEndImages/Resources/fe_icon.png")));
    m_movie = new QMovie(QStringLiteral(":/FrontEndAnimations/Resources/loader.gif"), {}, this);
    ui->m_lblANI->setMovie(m_movie);
    if (m_movie->isValid())
        m_movie->start();
    ui->m_lstWidgetScanners->setSelectionMode(QAbstractItemView::SingleSelection);
    ui->m_lstWidgetScanners->setIconSize(QSize(16, 16));
    ui->m_lblStatus->clear();
    // The status names a device's model, which a device or a network peer chose: a label must
    // never read it as markup (it would fetch an image at once, from wherever it says).
    ui->m_lblStatus->setTextFormat(Qt::PlainText);

    m_stepTimer->setSingleShot(true);
    connect(m_stepTimer, &QTimer::timeout, this, &SelectScannerDlg::OnDownloadTimer);
    connect(m_search, &ScannerSearch::finished, this, &SelectScannerDlg::searchFinished);
    searchAll();
    connect(ui->m_lstWidgetScanners,
            &QListWidget::itemClicked,
            this,
            &SelectScannerDlg::onListScannersItemClicked);
    m_refreshTimer->setSingleShot(true);
    connect(m_refreshTimer, &QTimer::timeout, this, &SelectScannerDlg::OnRefreshTimer);
    m_refreshTimer->start(UpdateSeams::interval(RefreshIntervalMs));
}

SelectScannerDlg::~SelectScannerDlg()
{
    delete m_downloader;
    delete ui;
}

bool SelectScannerDlg::isChecking() const
{
    return !ui->m_btnRefresh->isEnabled();
}

void SelectScannerDlg::done(int result)
{
    // However the dialog ends, nothing of a check or a rescan may run on behind the caller.
    m_refreshTimer->stop();
    m_stepTimer->stop();
    m_search->cancel();
    dropDownloader();
    QDialog::done(result);
}

void SelectScannerDlg::listDevices(std::vector<DeviceRecord> devices)
{
    dropDownloader();
    m_stepTimer->stop();
    std::optional<DeviceRecord> chosen;
    if (const DeviceRecord *device = currentItemDevice())
        chosen = *device;
    m_devices = std::move(devices);
    m_checked.assign(m_devices.size(), CheckedFiles());
    ui->m_lstWidgetScanners->clear();
    for (size_t i = 0; i < m_devices.size(); ++i) {
        auto *item = new QListWidgetItem(
                listIcon(NotSupportedIcon), itemText(m_devices[i]), ui->m_lstWidgetScanners);
        item->setData(Qt::UserRole, int(i));
    }
    selectDevice(chosen ? &*chosen : nullptr);
    m_currentIndex = 0;
    m_step = Step::BundleSelection;
    checkCurrentDevice();
}

void SelectScannerDlg::selectDevice(const DeviceRecord *chosen)
{
    // The user's choice stays where it was; without one (or once it is gone) the first row, a
    // USB scanner when there is one, so that a peer that just appeared never takes it.
    int row = 0;
    for (size_t i = 0; chosen && i < m_devices.size(); ++i) {
        if (sameDevice(m_devices[i], *chosen))
            row = int(i);
    }
    ui->m_lstWidgetScanners->setCurrentRow(m_devices.empty() ? -1 : row);
}

void SelectScannerDlg::checkCurrentDevice()
{
    if (m_currentIndex >= int(m_devices.size())) {
        showItemStatus();
        return;
    }
    const DeviceRecord &device = m_devices[size_t(m_currentIndex)];
    ui->m_btnRefresh->setEnabled(false);
    ui->m_lstWidgetScanners->setEnabled(false);
    ui->m_btnCheck->setEnabled(false);
    ui->m_lblANI->show();
    ui->m_lblStatus->setText(
            tr("Checking for %1 updates ...").arg(QString::fromStdWString(device.model)));
    // Files left by an earlier check must not stand in for ones the server lacks now.
    QDir(deviceFolder(device)).removeRecursively();
    QDir().mkpath(deviceFolder(device));
    const QString pid = QString::fromStdWString(device.productIdText);
    fetch(UpdateClient::bundleSelectionUrl(m_updateBaseUrl, pid),
          devicePath(device, pid + QStringLiteral("_SN.xml")),
          Step::BundleSelection);
}

void SelectScannerDlg::fetch(const QUrl &url, const QString &hostFile, Step step)
{
    m_downloader = UpdateFiles::newDownloader(this);
    m_step = step;
    if (!UpdateClient::fetch(*m_downloader, url, hostFile, UpdateClient::FileKind::Description))
        stopChecks(UpdateClient::insecureAddressText());
}

void SelectScannerDlg::dropDownloader()
{
    UpdateFiles::dropDownloader(m_downloader, this);
}

void SelectScannerDlg::sltDownloadComplete()
{
    m_stepTimer->start(UpdateSeams::interval(StepDelayMs));
}

void SelectScannerDlg::sltDownloadProgress(qint64, qint64, qint64, qint64)
{}

void SelectScannerDlg::sltDownloadCanBePaused(bool)
{}

void SelectScannerDlg::sltDownloadError(QNetworkReply::NetworkError code)
{
    if (UpdateClient::isNotFound(code)) {
        // The server has no such file: that is an answer, and the missing file says it.
        sltDownloadComplete();
        return;
    }
    if (UpdateClient::isUnreachable(code)) {
        // No host answered, so none reported anything.
        stopChecks(UpdateClient::noConnectionText());
        return;
    }
    stopChecks(tr("The host reports error code %1. Contact technical support.").arg(int(code)));
}

void SelectScannerDlg::sltDownloadTimeout()
{
    stopChecks(tr("Timeout error. Check your Internet connection."));
}

void SelectScannerDlg::stopChecks(const QString &status)
{
    dropDownloader();
    ui->m_lblStatus->setText(status);
    becomeIdle();
}

void SelectScannerDlg::OnDownloadTimer()
{
    dropDownloader();
    if (m_currentIndex >= int(m_devices.size()))
        return;
    DeviceRecord &device = m_devices[size_t(m_currentIndex)];
    switch (m_step) {
    case Step::BundleSelection:
        finishBundleSelection(device);
        break;
    case Step::ScannerFile:
        finishScannerFile(device);
        break;
    case Step::Bundle:
        finishBundle(device);
        break;
    }
}

void SelectScannerDlg::finishBundleSelection(DeviceRecord &device)
{
    const QString pid = QString::fromStdWString(device.productIdText);
    QString bundleType = QStringLiteral("1");
    QDomDocument selection;
    if (UpdateClient::readRoot(devicePath(device, pid + QStringLiteral("_SN.xml")),
                               QStringLiteral("sn"),
                               selection)) {
        const QString defaultBundle = selection.documentElement().firstChildElement().attribute(
                QStringLiteral("DefaultBundle"));
        // The type becomes part of a local file name and of an address: one that could lead
        // out of the folder or name a stream of another file is no type at all.
        static const QRegularExpression plainName(QStringLiteral("^[A-Za-z0-9_.-]+$"));
        if (plainName.match(defaultBundle).hasMatch()
            && !defaultBundle.contains(QLatin1String("..")))
            bundleType = defaultBundle;
    }
    device.bundleType = bundleType.toStdWString();
    fetch(UpdateClient::scannerFileUrl(m_updateBaseUrl, pid, bundleType),
          devicePath(device, scannerFileName(device)),
          Step::ScannerFile);
}

void SelectScannerDlg::finishScannerFile(DeviceRecord &device)
{
    QDomDocument scanner;
    QUrl bundleUrl;
    if (UpdateClient::readRoot(
                devicePath(device, scannerFileName(device)), QStringLiteral("scanner"), scanner)) {
        const QDomElement root = scanner.documentElement();
        const QString longName = root.attribute(QStringLiteral("LongName"));
        if (!longName.isEmpty())
            device.model = longName.toStdWString();
        bundleUrl = UpdateClient::bundleUrl(root.attribute(QStringLiteral("BundleURL")));
    }
    updateItem(m_currentIndex);
    if (bundleUrl.isEmpty()) {
        nextDevice();
        return;
    }
    fetch(bundleUrl, devicePath(device, bundleFileName(device)), Step::Bundle);
}

void SelectScannerDlg::finishBundle(DeviceRecord &device)
{
    QDomDocument bundle;
    const QString bundleFile = devicePath(device, bundleFileName(device));
    device.supported = UpdateClient::readRoot(bundleFile, QStringLiteral("bundle"), bundle);
    if (device.supported) {
        CheckedFiles &checked = m_checked[size_t(m_currentIndex)];
        checked.scanner = fileHash(devicePath(device, scannerFileName(device)));
        checked.bundle = fileHash(bundleFile);
    }
    updateItem(m_currentIndex);
    nextDevice();
}

void SelectScannerDlg::nextDevice()
{
    ++m_currentIndex;
    m_step = Step::BundleSelection;
    if (m_currentIndex < int(m_devices.size()))
        checkCurrentDevice();
    else
        showItemStatus();
}

void SelectScannerDlg::updateItem(int index)
{
    for (int row = 0; row < ui->m_lstWidgetScanners->count(); ++row) {
        QListWidgetItem *item = ui->m_lstWidgetScanners->item(row);
        if (item->data(Qt::UserRole).toInt() != index)
            continue;
        const DeviceRecord &device = m_devices[size_t(index)];
        item->setText(itemText(device));
        item->setIcon(listIcon(device.supported ? SupportedIcon : NotSupportedIcon));
        return;
    }
}

const DeviceRecord *SelectScannerDlg::currentItemDevice() const
{
    const QListWidgetItem *item = ui->m_lstWidgetScanners->currentItem();
    if (!item)
        return nullptr;
    const int index = item->data(Qt::UserRole).toInt();
    return index >= 0 && index < int(m_devices.size()) ? &m_devices[size_t(index)] : nullptr;
}

void SelectScannerDlg::becomeIdle()
{
    ui->m_btnRefresh->setEnabled(true);
    ui->m_lstWidgetScanners->setEnabled(true);
    ui->m_lblANI->hide();
    const DeviceRecord *device = currentItemDevice();
    ui->m_btnCheck->setEnabled(device && device->supported);
}

void SelectScannerDlg::showItemStatus()
{
    becomeIdle();
    const DeviceRecord *device = currentItemDevice();
    if (!device) {
        // An empty list is no dead end: the dialog watches for scanners and lists them.
        ui->m_lblStatus->setText(m_devices.empty() ? connectHint() : QString());
        return;
    }
    const QString model = QString::fromStdWString(device->model);
    if (device->supported)
        ui->m_lblStatus->setText(
                tr("%1 is supported. Click '%2' to continue.").arg(model, ui->m_btnCheck->text()));
    else
        ui->m_lblStatus->setText(UpdateClient::notSupportedText(model));
}

void SelectScannerDlg::onListScannersItemClicked(QListWidgetItem *)
{
    showItemStatus();
}

void SelectScannerDlg::on_m_btnCheck_clicked()
{
    const DeviceRecord *device = currentItemDevice();
    if (!device || !device->supported || isChecking())
        return;
    const CheckedFiles &checked = m_checked[size_t(device - m_devices.data())];
    const QString output = filePath(QStringLiteral("update.xml"));
    QFile::remove(output);
    // Exactly the files this device's check read, or nothing.
    QByteArray scanner;
    QByteArray bundle;
    QByteArray merged;
    const bool mergedAsChecked
            = BundleMerge::readFile(devicePath(*device, scannerFileName(*device)), scanner)
              && BundleMerge::readFile(devicePath(*device, bundleFileName(*device)), bundle)
              && !checked.scanner.isEmpty() && sha256(scanner) == checked.scanner
              && sha256(bundle) == checked.bundle
              && BundleMerge::merge(scanner,
                                    bundle,
                                    QString::fromStdWString(device->serialNumber),
                                    device->network,
                                    merged)
                         == BundleMerge::Result::Merged
              && BundleMerge::writeFile(output, merged);
    if (!mergedAsChecked) {
        MessageSeam::show(
                this,
                MessageSeam::Critical,
                windowTitle(),
                tr("The software of %1 could not be merged into update.xml. Check the "
                   "device again with '%2'.")
                        .arg(QString::fromStdWString(device->model), ui->m_btnRefresh->text()));
        return;
    }
    m_updated = true;
    close();
}

void SelectScannerDlg::on_m_btnRefresh_clicked()
{
    searchAll();
}

void SelectScannerDlg::searchAll()
{
    // The list is rebuilt from what this search finds, whatever it is; until then the dialog
    // shows that it searches and takes no choice.
    m_listWhatIsFound = true;
    dropDownloader();
    m_stepTimer->stop();
    ui->m_btnRefresh->setEnabled(false);
    ui->m_lstWidgetScanners->setEnabled(false);
    ui->m_btnCheck->setEnabled(false);
    ui->m_lblANI->show();
    if (m_devices.empty())
        ui->m_lblStatus->setText(connectHint());
    m_search->start(0);
}

void SelectScannerDlg::OnRefreshTimer()
{
    // A rescan while the devices are checked would only restart the checks; the set of
    // scanners is looked at again once they are done.
    if (!isChecking() && !m_search->isRunning())
        m_search->start(0);
    m_refreshTimer->start(UpdateSeams::interval(RefreshIntervalMs));
}

void SelectScannerDlg::searchFinished()
{
    std::vector<DeviceRecord> scanners = m_search->scanners();
    if (m_listWhatIsFound) {
        m_listWhatIsFound = false;
        listDevices(std::move(scanners));
    } else if (!isChecking() && !sameScanners(scanners, m_devices)) {
        listDevices(std::move(scanners));
    }
}

QString SelectScannerDlg::connectHint()
{
    return tr("Connect your scanner; it appears here.");
}

void SelectScannerDlg::on_m_btnCancel_clicked()
{
    close();
}

QString SelectScannerDlg::filePath(const QString &fileName) const
{
    return m_folder + QLatin1Char('/') + fileName;
}

QString SelectScannerDlg::deviceFolder(const DeviceRecord &device) const
{
    // Named by a hash: the serial number is whatever a device or a network peer said.
    const QByteArray identity = QString::fromStdWString(device.productIdText).toUtf8() + '\0'
                                + QString::fromStdWString(device.serialNumber).toUtf8() + '\0'
                                + (device.network ? "network" : "usb");
    return filePath(QStringLiteral("TamDevices/") + QString::fromStdWString(device.productIdText)
                    + QLatin1Char('_') + QString::fromLatin1(sha256(identity).toHex().left(16)));
}

QString SelectScannerDlg::devicePath(const DeviceRecord &device, const QString &fileName) const
{
    return deviceFolder(device) + QLatin1Char('/') + fileName;
}

QString SelectScannerDlg::scannerFileName(const DeviceRecord &device) const
{
    return QString::fromStdWString(device.productIdText) + QLatin1Char('_')
           + QString::fromStdWString(device.bundleType) + QStringLiteral(".xml");
}

QString SelectScannerDlg::bundleFileName(const DeviceRecord &device) const
{
    return QString::fromStdWString(device.productIdText) + QStringLiteral("_Bundle.xml");
}
