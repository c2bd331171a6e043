#include "downloadsession.h"

#include "application.h"
#include "hostfiles.h"
#include "setupsettings.h"

#include <QCoreApplication>
#include <QDir>

DownloadSession::DownloadSession(QObject *parent)
    : QObject(parent)
{}

void DownloadSession::start(const QList<Application *> &applications, quint64 totalBytes)
{
    clear();
    m_applications = applications;
    m_totalBytes = totalBytes;
    QDir().mkpath(HostFiles::hostPath(SetupSettings::downloadPath()));
    restartReportClock();
    if (!startNext(0)) {
        clear();
        emit finished();
    }
}

void DownloadSession::requestPause()
{
    if (isActive() && !m_paused)
        m_pauseRequested = true;
}

void DownloadSession::resume()
{
    Application *application = current();
    if (!m_paused || !application)
        return;
    m_paused = false;
    restartReportClock();
    application->resumeDownload();
}

void DownloadSession::abandon()
{
    if (Application *application = current()) {
        disconnectCurrent();
        application->abandonDownload();
    }
    clear();
}

bool DownloadSession::startNext(int from)
{
    for (int index = from; index < m_applications.size(); ++index) {
        Application *application = m_applications.at(index);
        // Files that arrived in an earlier session are not fetched again, nor installers that
        // were installed meanwhile.
        application->refreshInstalledState();
        if (!application->remainingDownload().needed)
            continue;
        connectTo(application);
        m_index = index;
        // An application with nothing left to fetch reports its completion at once, inside
        // this call; this loop then goes on to the next one itself.
        m_starting = true;
        application->startDownloads(index);
        m_starting = false;
        if (application->hasCurrentDownload())
            return true;
        disconnectCurrent();
    }
    return false;
}

void DownloadSession::connectTo(Application *application)
{
    disconnectCurrent();
    m_connections << connect(application,
                             &Application::sigDownloadComplete,
                             this,
                             [this, application](int index) {
                                 sltDownloadComplete(index, application->totalDownloadSize());
                             })
                  << connect(application,
                             &Application::sigDownloadProgress,
                             this,
                             &DownloadSession::sltDownloadProgress)
                  << connect(application,
                             &Application::sigDownloadError,
                             this,
                             &DownloadSession::sltDownloadError)
                  << connect(application,
                             &Application::sigDownloadTimeout,
                             this,
                             &DownloadSession::sltDownloadTimeout)
                  << connect(application,
                             &Application::sigDownloadCanBePaused,
                             this,
                             &DownloadSession::sltDownloadCanBePaused)
                  << connect(application,
                             &Application::sigDownloadDamaged,
                             this,
                             [this](int index) {
                                 fail(index, Failure::Damaged, QNetworkReply::NoError);
                             });
}

void DownloadSession::disconnectCurrent()
{
    // Only one application downloads at a time, so its connections are all there are.
    for (const QMetaObject::Connection &connection : qAsConst(m_connections))
        disconnect(connection);
    m_connections.clear();
}

void DownloadSession::sltDownloadProgress(int, qint64 nSpeed, qint64, qint64 iBytesReceived, qint64)
{
    Application *application = current();
    if (m_pauseRequested && application) {
        application->pauseDownload();
        m_pauseRequested = false;
        m_paused = true;
        emit paused();
        return;
    }

    m_millisSinceReport += static_cast<int>(m_reportClock.restart());
    if (m_millisSinceReport <= ReportIntervalMs)
        return;
    m_millisSinceReport = 0;

    const quint64 fetched = m_doneBytes + static_cast<quint64>(qMax<qint64>(0, iBytesReceived));
    const quint64 remaining = m_totalBytes > fetched ? m_totalBytes - fetched : 0;
    const qint64 secondsLeft
            = nSpeed > 0 ? static_cast<qint64>(remaining / static_cast<quint64>(nSpeed)) : -1;
    emit progressReport(nSpeed, secondsLeft);
}

void DownloadSession::sltDownloadCanBePaused(int, bool bCanBePaused)
{
    if (!m_paused)
        emit pausable(bCanBePaused);
}

void DownloadSession::sltDownloadComplete(int iAppIndex, qint64 nReceivedBytes)
{
    disconnectCurrent();
    m_doneBytes += static_cast<quint64>(qMax<qint64>(0, nReceivedBytes));
    if (m_starting)
        return;
    if (!startNext(iAppIndex + 1)) {
        clear();
        emit finished();
    }
}

void DownloadSession::sltDownloadError(int iAppIndex, QNetworkReply::NetworkError code)
{
    fail(iAppIndex, Failure::NetworkError, code);
}

void DownloadSession::sltDownloadTimeout(int iAppIndex)
{
    fail(iAppIndex, Failure::Timeout, QNetworkReply::NoError);
}

void DownloadSession::fail(int index, Failure failure, QNetworkReply::NetworkError code)
{
    Application *application = m_applications.value(index);
    if (application)
        disconnectCurrent();
    clear();
    emit failed(failure, application, code);
}

void DownloadSession::clear()
{
    m_applications.clear();
    m_index = 0;
    m_doneBytes = 0;
    m_pauseRequested = false;
    m_paused = false;
}

void DownloadSession::restartReportClock()
{
    m_reportClock.start();
    m_millisSinceReport = 0;
}

QString DownloadSession::failureTitle(Failure failure)
{
    return failure == Failure::Timeout ? QCoreApplication::translate("FrontEnd", "Download timeout")
                                       : QCoreApplication::translate("FrontEnd", "Download error");
}

QString DownloadSession::failureText(Failure failure,
                                     const Application *application,
                                     QNetworkReply::NetworkError code)
{
    switch (failure) {
    case Failure::NetworkError:
        return QCoreApplication::translate(
                       "FrontEnd", "The network error code %1 occurs during the download process.")
                .arg(static_cast<int>(code));
    case Failure::Timeout:
        return QCoreApplication::translate(
                "FrontEnd", "The server site does not respond during the download process.");
    case Failure::Damaged:
        break;
    }
    return QCoreApplication::translate("FrontEnd",
                                       "The download of %1 was damaged and has been deleted. "
                                       "Please download it again.")
            .arg(application ? application->displayName() : QString());
}
