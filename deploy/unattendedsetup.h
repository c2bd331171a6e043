#pragma once

// setup /quiet, /passive and /detect: the install page's road from the catalogue to installed
// applications, driven from the command line instead of a window. It reads the catalogue, finds
// what is installed, fetches what must be downloaded (first), hands the rest to setup_runner
// through the segment as the install page does, follows the helper's messages and ends with an
// exit code of the Windows Installer convention, a log and a report. It shows nothing and asks
// nothing; /passive's progress window listens to its signals.

#include "deploylog.h"
#include "deployoutcome.h"
#include "deployswitches.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

class Application;
class DeployCatalogue;
class DeployDevice;
class DeployDownloads;
class DeployHelperRun;
class QSharedMemory;
struct UnattendedRunList;

class UnattendedSetup : public QObject
{
    Q_OBJECT

public:
    // programDir: the folder setup runs from (its helper lies beside it). The process-wide
    // paths are prepared already (DeployCatalogue::preparePaths).
    UnattendedSetup(const DeploySwitches &switches,
                    const QString &programDir,
                    QObject *parent = nullptr);
    ~UnattendedSetup() override;

    // Begins the run from the event loop; finished() follows.
    void start();
    int exitCode() const { return m_exitCode; }
    QList<ApplicationOutcome> outcomes() const { return m_outcomes; }

public slots:
    // /passive's window was closed: stops before anything is handed to the helper (exit code
    // 1602). Once the helper installs, the run goes on to its end.
    void cancel();

signals:
    // What is being done, in the front end's words (translated), and to which application.
    void statusChanged(const QString &activity, const QString &application);
    // The product's long name, once the catalogue is read.
    void productNamed(const QString &longName);
    // Of everything to do, in percent; -1 while that cannot be said.
    void progressChanged(int percent);
    void cancellableChanged(bool cancellable);
    void finished(int exitCode);

private:
    void run();
    bool openLog();
    bool takeInstallationLock();
    void continueWithCatalogue(const QString &deviceCatalogue);
    void detect();
    void beginInstallation();
    // Already installed, not applicable, or still to install (m_pending).
    void sortOutSelection();
    // Drops what the helper could not install unattended.
    void vetPending();
    // Windows Update idle, no restart pending; otherwise the run has ended.
    bool machineIsReady();
    void startDownloads();
    void downloadsDone();
    void startHelper();
    void helperDone(bool completed, const QString &problem);
    void conclude();
    void finish(int exitCode);
    ApplicationOutcome &outcomeOf(const Application *application);
    void fail(const Application *application, const QString &reason);

    DeploySwitches m_switches;
    QString m_programDir;
    DeployLog m_log;
    DeployCatalogue *m_catalogue = nullptr;
    QSharedMemory *m_segment = nullptr;
    DeployDevice *m_device = nullptr;
    DeployDownloads *m_downloads = nullptr;
    DeployHelperRun *m_helper = nullptr;
    QList<Application *> m_pending;
    QList<const Application *> m_outcomeOwners;
    QList<ApplicationOutcome> m_outcomes;
    bool m_restartRequired = false;
    bool m_cancelled = false;
    bool m_cancellable = true;
    bool m_finished = false;
    int m_exitCode = 0;
};
