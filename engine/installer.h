#pragma once

// One step of an application's installation: the programs to run, the check that tells
// whether it is installed, and, for installers offered from the web, what to download.

#include "checker.h"

#include <QList>
#include <QNetworkReply>
#include <QObject>
#include <QStringList>

class DownloadManager;
class Executable;

class Installer : public QObject
{
    Q_OBJECT

public:
    explicit Installer(QObject *parent = nullptr);

    Executable *mainInstallStep() const { return m_mainInstallStep; }
    QList<Executable *> preInstallSteps() const { return m_preInstallSteps; }
    QList<Executable *> postInstallSteps() const { return m_postInstallSteps; }
    // Takes ownership.
    void addPreInstallStep(Executable *step);
    void addPostInstallStep(Executable *step);

    Checker &checker() { return m_checker; }
    const Checker &checker() const { return m_checker; }
    void setChecker(const Checker &checker) { m_checker = checker; }

    bool needsWaitScreen() const { return m_needsWaitScreen; }
    void setNeedsWaitScreen(bool needs) { m_needsWaitScreen = needs; }
    QString waitScreenImage() const { return m_waitScreenImage; }
    void setWaitScreenImage(const QString &image) { m_waitScreenImage = image; }
    QString displayName() const { return m_displayName; }
    void setDisplayName(const QString &name) { m_displayName = name; }
    bool avoidReinstallation() const { return m_avoidReinstallation; }
    void setAvoidReinstallation(bool avoid) { m_avoidReinstallation = avoid; }
    bool forceReboot() const { return m_forceReboot; }
    void setForceReboot(bool force) { m_forceReboot = force; }
    QString url() const { return m_url; }
    void setUrl(const QString &url) { m_url = url; }
    qint64 size() const { return m_size; }
    void setSize(qint64 size) { m_size = size; }
    // The payload's SHA-256 (lower case), empty when the catalogue gives none.
    QString sha256() const { return m_sha256; }
    void setSha256(const QString &hash) { m_sha256 = hash.toLower(); }
    // The run list named a hash that is not one: nothing of this installer may run.
    bool hashRejected() const { return m_hashRejected; }
    void setHashRejected(bool rejected) { m_hashRejected = rejected; }
    // Why setup_runner refused to run this installer (PayloadCache::Refusal), 0 when it ran.
    int refusal() const { return m_refusal; }
    QString downloadPath() const { return m_downloadPath; }
    void setDownloadPath(const QString &path) { m_downloadPath = path; }
    QString compression() const { return m_compression; }
    void setCompression(const QString &compression) { m_compression = compression; }
    int order() const { return m_order; }
    void setOrder(int order) { m_order = order; }
    QStringList prerequisiteOf() const { return m_prerequisiteOf; }
    void setPrerequisiteOf(const QStringList &names) { m_prerequisiteOf = names; }
    bool primary() const { return m_primary; }
    void setPrimary(bool primary) { m_primary = primary; }
    int index() const { return m_index; }
    void setIndex(int index) { m_index = index; }

    // True without a URL; otherwise when the file at the download path has exactly size bytes,
    // when the catalogue gives no size, or when this run's downloader completed that file.
    bool isDownloaded() const;
    // The size the payload must have when it runs: what this run's downloader completed, else
    // the catalogue's size (0: unknown).
    qint64 payloadSize() const;

    // Runs pre-install, main and post-install programs one after another; installComplete()
    // follows the last.
    void install();
    int step() const { return m_step; }
    Executable *runningExecutable() const { return m_runningExecutable; }
    // Only setup_runner unpacks cabinet payloads; its main turns this on.
    static void setExtractsCabinets(bool extract);
    static bool extractsCabinets();

    // The payload download; the signals carry this installer's index.
    void download(int index);
    void pause();
    void resume();
    DownloadManager *downloader() const { return m_downloader; }

signals:
    void installComplete();
    void showPleaseWait(QString _qstrImage);
    void hidePleaseWait();
    void sigDownloadComplete(int iInstIndex);
    void sigDownloadProgress(
            int, qint64 nSpeed, qint64 iBytesAtPause, qint64 iBytesReceived, qint64 iBytesTotal);
    void sigDownloadError(int, QNetworkReply::NetworkError code);
    void sigDownloadTimeout(int);
    void sigDownloadCanBePaused(int, bool bCanBePaused);
    // The completed download did not match its SHA-256 and was deleted.
    void sigDownloadDamaged(int iInstIndex);
    // One of the installer's programs is about to run, and has ended (or could not start):
    // Executable::hasStarted(), exitCode() and startError() tell how it went.
    void programStarting(Executable *program);
    void programFinished(Executable *program);

public slots:
    void execution_complete();
    void sltDownloadComplete();
    void sltDownloadProgress(qint64, qint64, qint64, qint64);
    void sltDownloadError(QNetworkReply::NetworkError);
    void sltDownloadTimeout();
    void sltDownloadCanBePaused(bool);

private:
    QString hostDownloadPath() const;
    void noteDownloadCompleted();
    void finish();
    void disconnectDownloader();
    void extractPayload(Executable *executable);

    Executable *m_mainInstallStep;
    QList<Executable *> m_preInstallSteps;
    QList<Executable *> m_postInstallSteps;
    Checker m_checker;
    bool m_needsWaitScreen = false;
    QString m_waitScreenImage;
    int m_step = 0;
    int m_stepIndex = 0;
    Executable *m_runningExecutable = nullptr;
    QString m_displayName;
    bool m_avoidReinstallation = false;
    bool m_forceReboot = false;
    QString m_url;
    qint64 m_size = 0;
    QString m_sha256;
    bool m_hashRejected = false;
    int m_refusal = 0;
    QString m_downloadPath;
    QString m_compression;
    int m_order = 0;
    QStringList m_prerequisiteOf;
    bool m_primary = false;
    int m_index = 0;
    DownloadManager *m_downloader = nullptr;
};
