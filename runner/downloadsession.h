#pragma once

// setup's downloads before an installation: the web installers that the chosen applications
// still lack are fetched one application after another (each application fetches its own
// installers in turn), resumably, with pause and resume, speed and time left, and each file
// checked against its SHA-256 where the catalogue gives one. No widget is involved, so the
// Install page and the unattended path fetch alike.

#include <QElapsedTimer>
#include <QList>
#include <QMetaObject>
#include <QNetworkReply>
#include <QObject>

class Application;

class DownloadSession : public QObject
{
    Q_OBJECT

public:
    // Speed and time left are reported at most this often.
    static constexpr int ReportIntervalMs = 1000;

    enum class Failure { NetworkError, Timeout, Damaged };

    explicit DownloadSession(QObject *parent = nullptr);

    // Fetches what each of applications still lacks, in order; totalBytes is what they lack
    // together, for the time left. Applications with nothing left are passed over; when none
    // has anything left, finished() comes at once.
    void start(const QList<Application *> &applications, quint64 totalBytes);
    // Pauses at the next progress report, when the downloader is between two reads.
    void requestPause();
    void resume();
    // Gives a paused session up: what was fetched stays where it is.
    void abandon();

    bool isActive() const { return !m_applications.isEmpty(); }
    bool isPauseRequested() const { return m_pauseRequested; }
    bool isPaused() const { return m_paused; }
    QList<Application *> applications() const { return m_applications; }
    // The application whose download is in flight (or paused).
    Application *current() const { return m_applications.value(m_index); }

    // The box's title and text for a failure (the front end's translations).
    static QString failureTitle(Failure failure);
    static QString
    failureText(Failure failure, const Application *application, QNetworkReply::NetworkError code);

signals:
    // bytesPerSecond as measured; secondsLeft -1 while the speed is 0.
    void progressReport(qint64 bytesPerSecond, qint64 secondsLeft);
    void pausable(bool canBePaused);
    void paused();
    // Everything is fetched; the session is over.
    void finished();
    // The session is over; what was fetched before stays (a damaged file is deleted).
    void failed(DownloadSession::Failure failure,
                Application *application,
                QNetworkReply::NetworkError code);

public slots:
    void sltDownloadComplete(int iAppIndex, qint64 nReceivedBytes);
    void sltDownloadProgress(int iAppIndex,
                             qint64 nSpeed,
                             qint64 iBytesAtPause,
                             qint64 iBytesReceived,
                             qint64 iBytesTotal);
    void sltDownloadError(int iAppIndex, QNetworkReply::NetworkError code);
    void sltDownloadTimeout(int iAppIndex);
    void sltDownloadCanBePaused(int iAppIndex, bool bCanBePaused);

private:
    bool startNext(int from);
    void connectTo(Application *application);
    void disconnectCurrent();
    void fail(int index, Failure failure, QNetworkReply::NetworkError code);
    void clear();
    void restartReportClock();

    QList<Application *> m_applications;
    int m_index = 0;
    quint64 m_totalBytes = 0;
    quint64 m_doneBytes = 0;
    // Set while an application's download is being started (see startNext).
    bool m_starting = false;
    bool m_pauseRequested = false;
    bool m_paused = false;
    int m_millisSinceReport = 0;
    QElapsedTimer m_reportClock;
    QList<QMetaObject::Connection> m_connections;
};

Q_DECLARE_METATYPE(DownloadSession::Failure)
