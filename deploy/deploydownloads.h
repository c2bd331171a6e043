#pragma once

// The downloads of an unattended installation, before anything is installed: the web
// installers of each application one after another, as the install page fetches them (resumed
// where an earlier run stopped, each checked against its SHA-256), with every file in the log.
// An application whose download fails is dropped from the installation; the others go on.

#include <QList>
#include <QObject>
#include <QString>

class Application;
class DeployLog;
class Installer;

class DeployDownloads : public QObject
{
    Q_OBJECT

public:
    DeployDownloads(DeployLog &log, QObject *parent = nullptr);

    void start(const QList<Application *> &applications);
    // Stops the download in flight (its part stays for the next run); finished() follows.
    void cancel();

signals:
    // What is done (in the front end's words) and to which application.
    void statusChanged(const QString &activity, const QString &application);
    void progressChanged(int percent);
    void failed(Application *application, const QString &reason);
    void finished();

private:
    void startNext();
    void watch(Application *application);
    // Drops the connections to the application in flight.
    void release();
    // failure is taken by value: it may name a member that release() clears.
    void endApplication(Application *application, QString failure);

    DeployLog &m_log;
    QList<Application *> m_queue;
    Application *m_current = nullptr;
    QList<QMetaObject::Connection> m_connections;
    // Which file of the application in flight failed its hash.
    QString m_damaged;
    qint64 m_totalBytes = 0;
    qint64 m_doneBytes = 0;
    bool m_cancelled = false;
};
