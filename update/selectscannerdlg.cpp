#include "selectscannerdlg.h"
#include "ui_selectscannerdlg.h"

#include "bundlemerge.h"
#include "downloadmanager.h"
#include "updatefiles.h"
#include "updateseams.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QFile>
#include <QIcon>
#include <QMovie>
#include <QTimer>
#include <QUrl>

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

bool sameScanners(const std::vector<DeviceRecord> &a, const std::vector<DeviceRecord> &b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].productId != b[i].productId || a[i].serialNumber != b[i].serialNumber)
            return false;
    }
    return true;
}

} // namespace

SelectScannerDlg::SelectScannerDlg(QWidget *parent, const QString &folder)
    : QDialog(parent)
    , ui(new Ui::select_scanner_dlg)
    , m_folder(folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder)
    , m_updateBaseUrl(UpdateFiles::updateBaseUrl())
    , m_stepTimer(new QTimer(this))
    , m_refreshTimer(new QTimer(this))
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

    m_stepTimer->setSingleShot(true);
    connect(m_stepTimer, &QTimer::timeout, this, &SelectScannerDlg::OnDownloadTimer);
    listDevices(UpdateSeams::scan(0));
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
    dropDownloader();
    QDialog::done(result);
}

void SelectScannerDlg::listDevices(std::vector<DeviceRecord> devices)
{
    dropDownloader();
    m_stepTimer->stop();
    m_devices = std::move(devices);
    ui->m_lstWidgetScanners->clear();
    for (size_t i = 0; i < m_devices.size(); ++i) {
        auto *item = new QListWidgetItem(
                listIcon(NotSupportedIcon), itemText(m_devices[i]), ui->m_lstWidgetScanners);
        item->setData(Qt::UserRole, int(i));
        ui->m_lstWidgetScanners->setCurrentItem(item);
    }
    m_currentIndex = 0;
    m_step = 0;
    checkCurrentDevice();
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
    const QString pid = QString::fromStdWString(device.productIdText);
    // A selection file left by an earlier check must not stand in for one the server lacks.
    const QString selection = pid + QStringLiteral("_SN.xml");
    QFile::remove(filePath(selection));
    fetch(QStringLiteral("%1/%2/Windows/%2_SN.xml").arg(m_updateBaseUrl, pid), selection, 0);
}

void SelectScannerDlg::fetch(const QString &url, const QString &fileName, int step)
{
    m_downloader = UpdateFiles::newDownloader(this);
    m_step = step;
    m_downloader->download(QUrl(url), filePath(fileName));
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
    if (code == QNetworkReply::ContentNotFoundError) {
        // The server has no such file: that is an answer, and the missing file says it.
        sltDownloadComplete();
        return;
    }
    dropDownloader();
    ui->m_lblStatus->setText(
            tr("The host reports error code %1. Contact technical support.").arg(int(code)));
    becomeIdle();
}

void SelectScannerDlg::sltDownloadTimeout()
{
    dropDownloader();
    ui->m_lblStatus->setText(tr("Timeout error. Check your Internet connection."));
    becomeIdle();
}

void SelectScannerDlg::OnDownloadTimer()
{
    dropDownloader();
    if (m_currentIndex >= int(m_devices.size()))
        return;
    DeviceRecord &device = m_devices[size_t(m_currentIndex)];
    const QString pid = QString::fromStdWString(device.productIdText);
    switch (m_step) {
    case 0: {
        QString bundleType = QStringLiteral("1");
        QDomDocument selection;
        if (UpdateFiles::readRoot(
                    filePath(pid + QStringLiteral("_SN.xml")), QStringLiteral("sn"), selection)) {
            const QString defaultBundle = selection.documentElement().firstChildElement().attribute(
                    QStringLiteral("DefaultBundle"));
            // The type becomes part of a local file name: one that would lead out of the folder
            // is no type at all.
            if (!defaultBundle.isEmpty() && !defaultBundle.contains(QLatin1Char('/'))
                && !defaultBundle.contains(QLatin1Char('\\'))
                && !defaultBundle.contains(QLatin1String("..")))
                bundleType = defaultBundle;
        }
        device.bundleType = bundleType.toStdWString();
        const QString scannerFile = scannerFileName(device);
        QFile::remove(filePath(scannerFile));
        fetch(QStringLiteral("%1/%2/Windows/%2_%3.xml").arg(m_updateBaseUrl, pid, bundleType),
              scannerFile,
              1);
        break;
    }
    case 1: {
        QDomDocument scanner;
        QString bundleUrl;
        if (UpdateFiles::readRoot(
                    filePath(scannerFileName(device)), QStringLiteral("scanner"), scanner)) {
            const QDomElement root = scanner.documentElement();
            const QString longName = root.attribute(QStringLiteral("LongName"));
            if (!longName.isEmpty())
                device.model = longName.toStdWString();
            bundleUrl
                    = UpdateFiles::normaliseBundleUrl(root.attribute(QStringLiteral("BundleURL")));
        }
        updateItem(m_currentIndex);
        if (bundleUrl.isEmpty()) {
            nextDevice();
            break;
        }
        QFile::remove(filePath(bundleFileName(device)));
        fetch(bundleUrl, bundleFileName(device), 2);
        break;
    }
    default: {
        QDomDocument bundle;
        device.supported = UpdateFiles::readRoot(
                filePath(bundleFileName(device)), QStringLiteral("bundle"), bundle);
        updateItem(m_currentIndex);
        nextDevice();
        break;
    }
    }
}

void SelectScannerDlg::nextDevice()
{
    ++m_currentIndex;
    m_step = 0;
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
        ui->m_lblStatus->clear();
        return;
    }
    const QString model = QString::fromStdWString(device->model);
    if (device->supported)
        ui->m_lblStatus->setText(
                tr("%1 is supported. Click '%2' to continue.").arg(model, ui->m_btnCheck->text()));
    else
        ui->m_lblStatus->setText(
                tr("%1 is not presently supported by Tamberlin Update.").arg(model));
}

void SelectScannerDlg::onListScannersItemClicked(QListWidgetItem *)
{
    showItemStatus();
}

void SelectScannerDlg::on_m_btnCheck_clicked()
{
    const DeviceRecord *device = currentItemDevice();
    if (!device)
        return;
    const QString output = filePath(QStringLiteral("update.xml"));
    QFile::remove(output);
    if (!BundleMerge::mergeFiles(filePath(scannerFileName(*device)),
                                 filePath(bundleFileName(*device)),
                                 output,
                                 QString::fromStdWString(device->serialNumber),
                                 device->network))
        return;
    m_updated = true;
    close();
}

void SelectScannerDlg::on_m_btnRefresh_clicked()
{
    listDevices(UpdateSeams::scan(0));
}

void SelectScannerDlg::OnRefreshTimer()
{
    if (!isChecking()) {
        std::vector<DeviceRecord> scanners = UpdateSeams::scan(0);
        if (!sameScanners(scanners, m_devices))
            listDevices(std::move(scanners));
    }
    m_refreshTimer->start(UpdateSeams::interval(RefreshIntervalMs));
}

void SelectScannerDlg::on_m_btnCancel_clicked()
{
    close();
}

QString SelectScannerDlg::filePath(const QString &fileName) const
{
    return m_folder + QLatin1Char('/') + fileName;
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
