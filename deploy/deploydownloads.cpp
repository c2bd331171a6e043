#include "deploydownloads.h"

#include "application.h"
#include "deploylog.h"
#include "hostpath.h"
#include "installer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

DeployDownloads::DeployDownloads(DeployLog &log, QObject *parent)
    : QObject(parent)
    , m_log(log)
{}

void DeployDownloads::start(const QList<Application *> &applications)
{
    m_queue = applications;
    for (Application *application : applications)
        m_totalBytes += application->remainingDownload().bytes;
    m_log.write(QStringLiteral("%1 applications need downloads, %2 in all")
                        .arg(applications.size())
                        .arg(DeployLog::bytes(m_totalBytes)));
    startNext();
}

void DeployDownloads::cancel()
{
    m_cancelled = true;
    if (!m_current)
        return;
    m_current->pauseDownload();
    release();
    startNext();
}

void DeployDownloads::startNext()
{
    if (m_cancelled || m_queue.isEmpty()) {
        // From the event loop: the caller may delete this object when it hears the end.
        QTimer::singleShot(0, this, &DeployDownloads::finished);
        return;
    }
    Application *application = m_queue.takeFirst();
    m_current = application;
    emit statusChanged(QCoreApplication::translate("FrontEnd", "Please wait..."),
                       application->displayName());
    watch(application);
    application->startDownloads(0);
    // Everything already there: the application reported its end inside that call.
}

void DeployDownloads::watch(Application *application)
{
    for (Installer *installer : application->installers()) {
        if (installer->url().isEmpty())
            continue;
        if (!installer->isDownloaded()) {
            m_log.write(QStringLiteral("downloading %1 (%2) to %3")
                                .arg(installer->url(),
                                     DeployLog::bytes(installer->size()),
                                     installer->downloadPath()));
            // The download folder is made where the install page makes it: when it is needed.
            QDir().mkpath(QFileInfo(QString::fromStdString(sys::toHostPath(
                                            installer->downloadPath().toStdWString())))
                                  .absolutePath());
        }
        m_connections << connect(
                installer, &Installer::sigDownloadComplete, this, [this, installer] {
                    m_log.write(
                            QStringLiteral("downloaded %1: %2, %3")
                                    .arg(installer->downloadPath(),
                                         DeployLog::bytes(installer->payloadSize()),
                                         installer->sha256().isEmpty()
                                                 ? QStringLiteral("the catalogue gives no SHA-256")
                                                 : QStringLiteral("SHA-256 verified")));
                });
        m_connections << connect(
                installer, &Installer::sigDownloadDamaged, this, [this, installer] {
                    m_damaged = QStringLiteral(
                                        "the download of %1 does not match the SHA-256 %2 of the "
                                        "catalogue and was deleted")
                                        .arg(installer->url(), installer->sha256());
                });
    }
    m_connections << connect(
            application,
            &Application::sigDownloadProgress,
            this,
            [this](int, qint64, qint64, qint64 received, qint64) {
                if (m_totalBytes > 0)
                    emit progressChanged(int(
                            qBound<qint64>(0, (m_doneBytes + received) * 100 / m_totalBytes, 100)));
            });
    m_connections << connect(application,
                             &Application::sigDownloadComplete,
                             this,
                             [this, application] { endApplication(application, QString()); });
    m_connections << connect(application,
                             &Application::sigDownloadError,
                             this,
                             [this, application](int, QNetworkReply::NetworkError code) {
                                 endApplication(application,
                                                QStringLiteral("the download failed with network "
                                                               "error %1")
                                                        .arg(int(code)));
                             });
    m_connections << connect(
            application, &Application::sigDownloadTimeout, this, [this, application] {
                endApplication(application,
                               QStringLiteral("the server did not answer for 15 "
                                              "seconds"));
            });
    m_connections << connect(
            application, &Application::sigDownloadDamaged, this, [this, application] {
                endApplication(application,
                               m_damaged.isEmpty() ? QStringLiteral("a download does not "
                                                                    "match its SHA-256")
                                                   : m_damaged);
            });
}

void DeployDownloads::release()
{
    for (const QMetaObject::Connection &connection : qAsConst(m_connections))
        disconnect(connection);
    m_connections.clear();
    m_current = nullptr;
    m_damaged.clear();
}

void DeployDownloads::endApplication(Application *application, QString failure)
{
    if (application != m_current)
        return;
    release();
    m_doneBytes += application->totalDownloadSize();
    if (!failure.isEmpty()) {
        application->abandonDownload();
        emit failed(application, failure);
    }
    startNext();
}
