#pragma once

#include <QElapsedTimer>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QObject>
#include <QPointer>
#include <QUrl>

#include "speedmeter.h"

class QFile;
class QNetworkAccessManager;
class QTimer;

// Fetches one file over HTTP or HTTPS into a local path through a ".part" side file that
// survives pauses and earlier runs; a resumed GET asks only for the missing tail when the
// server accepts byte ranges. One instance serves one download at a time.
//
// Local faults (the side file cannot be opened or written, the body ends short of the announced
// length, the side file cannot be renamed) are reported as sigDownloadError(UnknownContentError);
// a ranged answer that starts at neither the requested offset nor zero, or that belongs to a file
// of another length, as ProtocolFailure. A resumed GET carries If-Range with the file's ETag (or
// Last-Modified), so a file that changed meanwhile comes whole and replaces the side file.
// With a size limit, a file announced or grown beyond it is refused as UnknownContentError and its
// side file deleted, so a server that never stops sending cannot fill the disk.
class DownloadManager : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultTimeout = 15000;
    static constexpr qint64 ReadBufferSize = 256 * 1024;

    explicit DownloadManager(QObject *parent = nullptr);
    ~DownloadManager() override;

    int inactivityTimeout() const { return m_timeout; }
    // Tests shorten the silence that counts as a time-out; everyone else keeps the default.
    void setInactivityTimeout(int milliseconds) { m_timeout = milliseconds; }
    // The most bytes the file may have; 0 (the default): no limit. Set before download().
    void setSizeLimit(qint64 bytes) { m_sizeLimit = bytes; }
    qint64 sizeLimit() const { return m_sizeLimit; }

signals:
    void addLine(QString qsLine);
    void downloadComplete();
    void sigDownloadProgress(qint64 nSpeed,
                             qint64 iBytesAtPause,
                             qint64 iBytesReceived,
                             qint64 iBytesTotal);
    void sigDownloadError(QNetworkReply::NetworkError code);
    void sigDownloadTimeout();
    void sigDownloadCanBePaused(bool bCanBePaused);

public slots:
    void download(const QUrl &url, const QString &qstrTargetFileName);
    void pause();
    void resume();

private slots:
    void download();
    void finishedHead();
    void finished();
    void downloadProgress(qint64 bytesReceived, qint64 bytesTotal);
    void error(QNetworkReply::NetworkError code);
    void timeout();
    void readyRead();

private:
    enum class State { Idle, Probing, Fetching, Paused, PausedProbing, Over };

    void probe();
    QString partFileName() const;
    bool openPartFile(bool keepExisting);
    void closePartFile(bool keep);
    void removePartFile();
    void armTimer();
    void abandonReply();
    bool drain();
    bool checkRange();
    bool withinLimit(qint64 bytes);
    void fail(QNetworkReply::NetworkError code);

    QUrl m_url;
    QString m_targetFileName;
    QNetworkAccessManager *m_manager = nullptr;
    QNetworkRequest m_request;
    QPointer<QNetworkReply> m_reply;
    QFile *m_partFile = nullptr;
    qint64 m_totalSize = 0;
    bool m_acceptsRanges = false;
    qint64 m_downloaded = 0;
    qint64 m_resumeOffset = 0;
    // What identifies the file's version (a strong ETag, else Last-Modified): a resumed GET
    // asks for the tail only while the file is still this one.
    QByteArray m_validator;
    QTimer *m_timer = nullptr;
    QElapsedTimer m_intervalClock;
    SpeedMeter m_speed;
    int m_timeout = DefaultTimeout;
    qint64 m_sizeLimit = 0;

    State m_state = State::Idle;
    // Whether the current GET's answer was checked against the range it asked for.
    bool m_rangeChecked = false;
};
