#pragma once

// setup_runner's part of an unattended installation: the run list goes into the segment, the
// helper is started as the install page starts it, and its messages are followed every 100 ms
// until it reports the end. Each message becomes a line of the log; the programs the helper
// runs are named with their exit codes. A helper that ends without reporting the end (it
// crashed or was ended) ends the run too, instead of leaving it waiting.

#include "deployoutcome.h"
#include "unattendedrunlist.h"

#include <QElapsedTimer>
#include <QObject>

class DeployLog;
class QSharedMemory;
class QTimer;

class DeployHelperRun : public QObject
{
    Q_OBJECT

public:
    DeployHelperRun(DeployLog &log, QObject *parent = nullptr);

    void start(const UnattendedRunList &list, const QString &language, QSharedMemory *segment);
    QList<Application *> applications() const { return m_list.applications; }
    // The installer that demands the restart, once it has run; null otherwise.
    Installer *restartInstaller() const;

signals:
    // What is done (in the front end's words) and to which application.
    void statusChanged(const QString &activity, const QString &application);
    void progressChanged(int percent);
    void refused(Application *application, const QString &reason);
    void programEnded(Application *application, const ProgramRun &run);
    // completed: the helper reported the end of the run; otherwise problem says what happened.
    void finished(bool completed, const QString &problem);

private:
    void poll();
    void handle(int type, int value1, int value2);
    QString programOf(int application, int installer);
    bool helperRuns() const;
    // Reports the end once the helper's process is gone too (or has had its time).
    void awaitHelperEnd();
    void end(bool completed, const QString &problem);

    DeployLog &m_log;
    UnattendedRunList m_list;
    QSharedMemory *m_segment = nullptr;
    QTimer *m_poll = nullptr;
    quint32 m_helperProcess = 0;
    // The installer of the last ProgramStarted and how many of its programs started so far.
    int m_programApplication = -1;
    int m_programInstaller = -1;
    int m_programCount = 0;
    QString m_program;
    bool m_restartInstallerRan = false;
    bool m_ended = false;
    bool m_completed = false;
    QString m_problem;
    QElapsedTimer m_endClock;
};
