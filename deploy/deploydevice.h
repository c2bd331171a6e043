#pragma once

// /device: the software of the scanner that is attached. The scanner list (USB first, then the
// network) gives the scanner; the update server gives its model's bundle selection, scanner
// file and bundle, which the bundle merge turns into the catalogue that is then installed: the
// device selection's road, with no window. auto needs exactly one scanner; a product id (and
// serial number) picks one among several. The files go to a folder only administrators can
// write (beside the helper's copies of downloads), never beside setup, which may lie on a
// read-only share.

#include "devicerecord.h"

#include <QNetworkReply>
#include <QObject>
#include <QString>
#include <QUrl>

#include <vector>

class DeployLog;
class DeploySwitches;
class DownloadManager;

class DeployDevice : public QObject
{
    Q_OBJECT

public:
    DeployDevice(DeployLog &log, QObject *parent = nullptr);

    void start(const DeploySwitches &switches);
    void cancel();

    // The scanner the switches mean among those found; false with the reason when there is
    // none or more than one.
    static bool choose(const std::vector<DeviceRecord> &found,
                       const DeploySwitches &switches,
                       DeviceRecord *chosen,
                       QString *reason);
    // "DocuStream 410 (USB, product id 0A41, serial TD410-0815)"
    static QString describe(const DeviceRecord &device);

signals:
    // The merged catalogue (Windows form), or empty when there is none (the log says why).
    void finished(const QString &catalogue);

private:
    enum class Step { BundleSelection, ScannerFile, Bundle };

    void fetch(Step step, const QUrl &url, const QString &fileName);
    void fetched();
    void failedToFetch(QNetworkReply::NetworkError code);
    void readBundleSelection();
    void readScannerFile();
    void mergeBundle();
    QString file(const QString &fileName) const;
    void fail(const QString &reason);
    void end(const QString &catalogue);

    DeployLog &m_log;
    DeviceRecord m_device;
    QString m_productId;
    QString m_folder;
    QString m_url;
    QString m_bundleType;
    Step m_step = Step::BundleSelection;
    DownloadManager *m_downloader = nullptr;
    bool m_ended = false;
};
