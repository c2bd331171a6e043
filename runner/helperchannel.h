#pragma once

// setup's side of one installation by setup_runner: the run list goes into the segment, the
// helper is started, and from then on the segment is polled every 100 ms; each message the
// helper posts becomes a signal, until the helper says that the run is over. No widget is
// involved, so the window and the unattended path drive installations alike.

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class Application;
class QSharedMemory;
class QTimer;

class HelperChannel : public QObject
{
    Q_OBJECT

public:
    static constexpr int PollIntervalMs = 100;

    // segment is the one setup created at start-up; it stays the caller's.
    explicit HelperChannel(QSharedMemory *segment, QObject *parent = nullptr);

    enum class StartResult {
        Started,
        NoSegment,
        NullData,
        TooLarge,
        LockFailed,
        // The shell could not start the helper; its box has been shown.
        LaunchFailed,
    };
    // Hands runList to the helper and starts it (the consent prompt belongs to ownerWindow; a
    // failed start is reported in a box with messageOwner as parent and errorTitle as title).
    // Anything but Started leaves the channel idle with an empty run list; nothing was
    // written to the segment unless the launch itself failed.
    StartResult start(const QList<Application *> &runList,
                      const QString &languageCode,
                      void *ownerWindow,
                      QObject *messageOwner,
                      const QString &errorTitle);
    // The box text for a run list that could not be handed over (not for LaunchFailed).
    static QString failureText(StartResult result);

    // In place of the shell's start of the helper (tests): true when it started.
    using Launch = std::function<bool()>;
    void setLaunch(Launch launch) { m_launch = std::move(launch); }

    // The applications handed over, in run-list order, until the run is over.
    QList<Application *> runList() const { return m_runList; }
    // The 100 ms poll; null while no helper is being followed.
    QTimer *pollTimer() const { return m_pollTimer; }
    bool isFollowing() const { return m_pollTimer != nullptr; }

public slots:
    // One poll: acts on every message the helper posted since the last one, in posting order.
    void handle_message();

signals:
    // The application is a member of runList(); a message naming an index outside it gives
    // nullptr where the receiver still has something to do, and no signal otherwise.
    void applicationStarted(Application *application);
    void applicationFinished(Application *application);
    // The helper refused to run an installer of the application (PayloadCache::Refusal).
    void applicationRefused(Application *application, int reason);
    void waitScreenShown(const QString &image);
    void waitScreenHidden();
    // The run is over: polling has stopped and the run list is empty again.
    void runFinished();
    void runInterrupted();
    // The segment's memory is gone: polling has stopped, the run cannot be followed.
    void segmentLost();

private:
    void handleMessage(int type, int value1, int value2);
    void showWaitOf(int runIndex, int installerIndex);
    void stopPolling();
    void endRun();

    QSharedMemory *m_segment = nullptr;
    QList<Application *> m_runList;
    QTimer *m_pollTimer = nullptr;
    Launch m_launch;
};
