#include "deploydevice.h"

#include "bundlemerge.h"
#include "deploylog.h"
#include "deployswitches.h"
#include "downloadmanager.h"
#include "hostpath.h"
#include "protectedfolder.h"
#include "scannerlist.h"
#include "updateclient.h"

#include <QDomDocument>
#include <QStringList>
#include <QTimer>
#include <QUrl>

DeployDevice::DeployDevice(DeployLog &log, QObject *parent)
    : QObject(parent)
    , m_log(log)
{}

QString DeployDevice::describe(const DeviceRecord &device)
{
    return QStringLiteral("%1 (%2, product id %3, serial %4)")
            .arg(QString::fromStdWString(device.model),
                 device.network ? QStringLiteral("network") : QStringLiteral("USB"),
                 QString::fromStdWString(device.productIdText),
                 QString::fromStdWString(device.serialNumber));
}

bool DeployDevice::choose(const std::vector<DeviceRecord> &found,
                          const DeploySwitches &switches,
                          DeviceRecord *chosen,
                          QString *reason)
{
    std::vector<DeviceRecord> matching;
    for (const DeviceRecord &device : found) {
        const bool serialMatches
                = switches.deviceSerial.isEmpty()
                  || QString::fromStdWString(device.serialNumber)
                                     .compare(switches.deviceSerial, Qt::CaseInsensitive)
                             == 0;
        if (switches.deviceAuto || (device.productId == switches.deviceProductId && serialMatches))
            matching.push_back(device);
    }
    if (matching.size() == 1) {
        *chosen = matching.front();
        return true;
    }
    QStringList names;
    for (const DeviceRecord &device : found)
        names << describe(device);
    const QString seen
            = names.isEmpty() ? QStringLiteral("no scanner of the maker is attached")
                              : QStringLiteral("found: %1").arg(names.join(QStringLiteral("; ")));
    if (matching.empty())
        *reason = QStringLiteral("no scanner matches /device: %1").arg(seen);
    else
        *reason = QStringLiteral("%1 scanners match /device, name one with PID:SERIAL: %2")
                          .arg(matching.size())
                          .arg(seen);
    return false;
}

void DeployDevice::start(const DeploySwitches &switches)
{
    // Every scanner, so that the log can say what was there when the one asked for is not.
    const std::vector<DeviceRecord> found = ScannerList::find(0);
    QString reason;
    if (!choose(found, switches, &m_device, &reason)) {
        fail(reason);
        return;
    }
    m_log.write(QStringLiteral("scanner: %1").arg(describe(m_device)));
    m_productId = QString::fromStdWString(m_device.productIdText);
    // What comes from the server becomes the catalogue whose installers run elevated: run by a
    // deployment tool, setup must not read it from a folder another user could write into
    // between the download and the read (the temporary folder of SYSTEM is such a folder).
    const std::wstring root = sys::payloadCacheFolder();
    const std::wstring folder = root + L"\\Device";
    std::string error;
    if (!sys::prepareProtectedFolder(root, &error)
        || !sys::prepareProtectedFolder(folder, &error)) {
        fail(QStringLiteral("cannot prepare %1, a folder only administrators can write (run setup "
                            "elevated): %2")
                     .arg(QString::fromStdWString(folder), QString::fromStdString(error)));
        return;
    }
    m_folder = QString::fromStdString(sys::toHostPath(folder));
    m_url = UpdateClient::updateBaseUrl();
    fetch(Step::BundleSelection,
          UpdateClient::bundleSelectionUrl(m_url, m_productId),
          m_productId + QStringLiteral("_SN.xml"));
}

void DeployDevice::cancel()
{
    fail(QStringLiteral("cancelled"));
}

QString DeployDevice::file(const QString &fileName) const
{
    return m_folder + QLatin1Char('/') + fileName;
}

void DeployDevice::fetch(Step step, const QUrl &url, const QString &fileName)
{
    m_step = step;
    delete m_downloader;
    m_downloader = new DownloadManager(this);
    connect(m_downloader, &DownloadManager::downloadComplete, this, &DeployDevice::fetched);
    connect(m_downloader, &DownloadManager::sigDownloadError, this, &DeployDevice::failedToFetch);
    connect(m_downloader, &DownloadManager::sigDownloadTimeout, this, [this] {
        fail(QStringLiteral("the update server did not answer for 15 seconds"));
    });
    m_log.write(QStringLiteral("fetching %1").arg(url.toString()));
    // Whoever sits on the way of a plain address would choose what is installed elevated.
    if (!UpdateClient::fetch(
                *m_downloader, url, file(fileName), UpdateClient::FileKind::Description))
        fail(QStringLiteral("%1 is not an https address: refused").arg(url.toString()));
}

void DeployDevice::failedToFetch(QNetworkReply::NetworkError code)
{
    // A model without a bundle selection gets bundle "1", as in the device selection.
    if (m_step == Step::BundleSelection && UpdateClient::isNotFound(code)) {
        m_log.write(QStringLiteral("the update server has no bundle selection for %1")
                            .arg(m_productId));
        fetched();
        return;
    }
    fail(QStringLiteral("the update server answered with network error %1").arg(int(code)));
}

void DeployDevice::fetched()
{
    switch (m_step) {
    case Step::BundleSelection:
        readBundleSelection();
        break;
    case Step::ScannerFile:
        readScannerFile();
        break;
    case Step::Bundle:
        mergeBundle();
        break;
    }
}

void DeployDevice::readBundleSelection()
{
    m_bundleType = QStringLiteral("1");
    QDomDocument selection;
    if (UpdateClient::readRoot(
                file(m_productId + QStringLiteral("_SN.xml")), QStringLiteral("sn"), selection)) {
        const QString chosen = selection.documentElement().firstChildElement().attribute(
                QStringLiteral("DefaultBundle"));
        if (!chosen.isEmpty())
            m_bundleType = chosen;
    }
    m_log.write(QStringLiteral("bundle type %1").arg(m_bundleType));
    fetch(Step::ScannerFile,
          UpdateClient::scannerFileUrl(m_url, m_productId, m_bundleType),
          m_productId + QStringLiteral("_scanner.xml"));
}

void DeployDevice::readScannerFile()
{
    QDomDocument scanner;
    if (!UpdateClient::readRoot(file(m_productId + QStringLiteral("_scanner.xml")),
                                QStringLiteral("scanner"),
                                scanner)) {
        fail(QStringLiteral("the update server's scanner file for %1 is not one").arg(m_productId));
        return;
    }
    const QString address = scanner.documentElement().attribute(QStringLiteral("BundleURL"));
    if (address.isEmpty()) {
        fail(QStringLiteral("the update server has no bundle for %1").arg(describe(m_device)));
        return;
    }
    const QUrl bundle = UpdateClient::bundleUrl(address);
    fetch(Step::Bundle, bundle, m_productId + QStringLiteral("_Bundle.xml"));
}

void DeployDevice::mergeBundle()
{
    const QString catalogue = file(QStringLiteral("update.xml"));
    switch (BundleMerge::mergeFiles(file(m_productId + QStringLiteral("_scanner.xml")),
                                    file(m_productId + QStringLiteral("_Bundle.xml")),
                                    catalogue,
                                    QString::fromStdWString(m_device.serialNumber),
                                    m_device.network)) {
    case BundleMerge::Result::Merged:
        break;
    case BundleMerge::Result::ScannerUnreadable:
        fail(QStringLiteral("the update server's scanner file for %1 is not one").arg(m_productId));
        return;
    case BundleMerge::Result::BundleUnreadable:
        fail(QStringLiteral("the update server's bundle for %1 is not one").arg(m_productId));
        return;
    case BundleMerge::Result::OutputUnwritable:
        fail(QStringLiteral("cannot write %1").arg(catalogue));
        return;
    }
    m_log.write(QStringLiteral("the bundle for %1 is merged into %2")
                        .arg(describe(m_device), catalogue));
    end(QString::fromStdWString(sys::fromHostPath(catalogue.toStdString())));
}

void DeployDevice::fail(const QString &reason)
{
    m_log.write(QStringLiteral("device: %1").arg(reason));
    end(QString());
}

void DeployDevice::end(const QString &catalogue)
{
    if (m_ended)
        return;
    m_ended = true;
    if (m_downloader)
        m_downloader->pause();
    // From the event loop: the caller may delete this object when it hears the end.
    QTimer::singleShot(0, this, [this, catalogue] { emit finished(catalogue); });
}
