#pragma once

// The online update check. In setup-only mode (at start-up) it asks nothing and only looks for a
// newer setup; in device mode it first asks, then fetches the connected scanner's software
// bundle and merges it into update.xml, then looks for a newer setup. Every network step is one
// download; one second after each, OnDownloadTimer() decides on the next. A newer setup is
// downloaded, unpacked and started; then continueSetup() is false and the caller ends.

#include "devicerecord.h"

#include <QDialog>
#include <QNetworkReply>
#include <QUrl>

class DownloadManager;
class QMovie;
class QTimer;
class ScannerInfo;
class ScannerSearch;

namespace Ui {
class check_update_dlg;
}

class CheckUpdateDlg : public QDialog
{
    Q_OBJECT
    friend class UpdateFiles;

public:
    // The steps, by the download each waits for.
    enum Step {
        BundleSelectionStep = 0,
        ScannerFileStep = 1,
        BundleStep = 2,
        SetupDescriptionStep = 3,
        SetupPackageStep = 4,
    };
    static constexpr int StepDelayMs = 1000;
    static constexpr int UnpackPollMs = 100;
    static constexpr int UnpackPolls = 3000;

    CheckUpdateDlg(QWidget *parent,
                   ScannerInfo *product,
                   Qt::WindowFlags flags,
                   bool setupOnly,
                   bool startAtOnce);
    ~CheckUpdateDlg() override;

    // A check that ended while the dialog was being built (start at once without a scanner)
    // returns at once instead of showing an idle dialog.
    int exec() override;
    // Escape ends the dialog without a close event; it stops the check all the same.
    void done(int result) override;
    bool isFinished() const { return m_closed; }

    // True unless a newer setup was started and this one is to end.
    bool continueSetup() const { return m_continue; }
    bool isRunning() const { return m_running; }
    int step() const { return m_step; }
    const DeviceRecord &device() const { return m_device; }

    // The running program's version, as its version resource says.
    static QString runningVersion();

private slots:
    // (UpdateFiles::newDownloader connects a downloader to these.)
    void on_m_btnYes_clicked();
    void on_m_btnNo_clicked();
    void sltDownloadComplete();
    void sltDownloadProgress(qint64 nSpeed,
                             qint64 iBytesAtPause,
                             qint64 iBytesReceived,
                             qint64 iBytesTotal);
    void sltDownloadError(QNetworkReply::NetworkError code);
    void sltDownloadTimeout();
    void sltDownloadCanBePaused(bool bCanBePaused);
    void OnDownloadTimer();
    void scannerSearchFinished();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showStatus(const QString &text);
    void beginStep(int step, const QUrl &url, const QString &windowsTarget);
    void beginScannerFile();
    void beginSetupCheck();
    void finishScannerFile();
    void finishBundle();
    void finishSetupDescription();
    void finishSetupPackage();
    void dropDownloader();
    void stopCheck();
    // A download failed; serverAnswered: the server was reached but has no such file.
    void failStep(bool serverAnswered);
    bool unpackPackage();
    bool startNewSetup();
    void clearUpdateFolder();
    QString updateFile(const char *name) const;
    bool packageTrusted() const;

    Ui::check_update_dlg *ui;
    bool m_setupOnly;
    ScannerInfo *m_product;
    // "Yes" looks for the product's scanner off the window's thread (0: any model).
    ScannerSearch *m_search;
    uint32_t m_productId = 0;
    DeviceRecord m_device;
    bool m_continue = true;
    int m_step = BundleSelectionStep;
    QString m_updateScannerFile;
    QString m_mergedCatalogueFile;
    QString m_bundleFile;
    QString m_setupDescriptionFile;
    QString m_setupPackageFile;
    DownloadManager *m_downloader = nullptr;
    QTimer *m_stepTimer = nullptr;
    QString m_scannerSoftwareVersion;
    QString m_scannerMinSetupVersion;
    QUrl m_bundleUrl;
    QString m_bundleSoftwareVersion;
    QString m_bundleMinSetupVersion;
    QString m_updateVersion;
    QString m_compression;
    // The package's SHA-256 as the setup description names it; empty: not named.
    QString m_packageSha256;
    bool m_running = false;
    bool m_closed = false;
    QMovie *m_movie = nullptr;
};
