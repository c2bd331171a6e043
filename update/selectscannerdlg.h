#pragma once

// Device selection of a copy of setup that runs without its disc: every scanner of the maker
// that is connected or on the network, each checked on the update server for a software bundle
// (bundle selection file, scanner file, bundle; one second after each download the next). The
// user picks a supported one and presses "Proceed": its scanner file and bundle become
// update.xml beside setup. The list follows scanners coming and going every five seconds; the
// searches run off the window's thread, so the dialog shows at once and stays responsive.
//
// Each scanner's check keeps its files in a folder of its own, and "Proceed" merges only a
// scanner whose check completed, from exactly the files that check read: two scanners of one
// model never share or delete each other's files. The user's choice is kept by the scanner's
// identity (product id, serial number, network or USB) while the list is rebuilt.

#include "devicerecord.h"

#include <QDialog>
#include <QNetworkReply>

#include <vector>

class DownloadManager;
class QListWidgetItem;
class QMovie;
class QTimer;
class QUrl;
class ScannerSearch;

namespace Ui {
class select_scanner_dlg;
}

class SelectScannerDlg : public QDialog
{
    Q_OBJECT
    friend class UpdateFiles;

public:
    // The steps of one device's check, by the download each waits for.
    enum class Step { BundleSelection, ScannerFile, Bundle };
    static constexpr int StepDelayMs = 1000;
    static constexpr int RefreshIntervalMs = 5000;

    // folder: where the downloads and update.xml go (host path); empty: the running program's.
    explicit SelectScannerDlg(QWidget *parent, const QString &folder = QString());
    ~SelectScannerDlg() override;

    // True once update.xml was written for the chosen scanner.
    bool updated() const { return m_updated; }
    const std::vector<DeviceRecord> &devices() const { return m_devices; }
    int currentIndex() const { return m_currentIndex; }
    Step step() const { return m_step; }
    // The device whose row is selected; null when there is none.
    const DeviceRecord *currentItemDevice() const;
    // Where a device's check keeps its files (host path).
    QString deviceFolder(const DeviceRecord &device) const;
    // True while the devices are being checked.
    bool isChecking() const;
    void done(int result) override;

private slots:
    // (UpdateFiles::newDownloader connects a downloader to these.)
    void on_m_btnCancel_clicked();
    void on_m_btnRefresh_clicked();
    void on_m_btnCheck_clicked();
    void sltDownloadComplete();
    void sltDownloadProgress(qint64 nSpeed,
                             qint64 iBytesAtPause,
                             qint64 iBytesReceived,
                             qint64 iBytesTotal);
    void sltDownloadError(QNetworkReply::NetworkError code);
    void sltDownloadTimeout();
    void sltDownloadCanBePaused(bool bCanBePaused);
    void OnDownloadTimer();
    void OnRefreshTimer();
    void onListScannersItemClicked(QListWidgetItem *pCurItem);
    void searchFinished();

private:
    // Searches every scanner and lists what it finds (at construction and by "Refresh").
    void searchAll();
    static QString connectHint();
    void listDevices(std::vector<DeviceRecord> devices);
    void checkCurrentDevice();
    void nextDevice();
    void fetch(const QUrl &url, const QString &hostFile, Step step);
    void finishBundleSelection(DeviceRecord &device);
    void finishScannerFile(DeviceRecord &device);
    void finishBundle(DeviceRecord &device);
    void stopChecks(const QString &status);
    void dropDownloader();
    void updateItem(int index);
    void showItemStatus();
    void becomeIdle();
    void selectDevice(const DeviceRecord *chosen);
    QString filePath(const QString &fileName) const;
    QString devicePath(const DeviceRecord &device, const QString &fileName) const;
    QString scannerFileName(const DeviceRecord &device) const;
    QString bundleFileName(const DeviceRecord &device) const;

    Ui::select_scanner_dlg *ui;
    QString m_folder;
    std::vector<DeviceRecord> m_devices;
    // What each device's completed check read (SHA-256 of its scanner file and bundle), in the
    // order of m_devices; empty until its check completed with a bundle.
    struct CheckedFiles
    {
        QByteArray scanner;
        QByteArray bundle;
    };
    std::vector<CheckedFiles> m_checked;
    int m_currentIndex = 0;
    Step m_step = Step::BundleSelection;
    QString m_updateBaseUrl;
    bool m_updated = false;
    DownloadManager *m_downloader = nullptr;
    QTimer *m_stepTimer;
    QTimer *m_refreshTimer;
    // The scanner list, searched off the window's thread.
    ScannerSearch *m_search;
    // The running search was asked for a new list (not the watch's look for changes).
    bool m_listWhatIsFound = false;
    QMovie *m_movie = nullptr;
};
