#pragma once

// setup_runner's driver: reads the run list that setup left in the shared segment, installs
// the applications one after another and posts every step back through the same segment.

#include <QList>
#include <QObject>
#include <QString>

class Application;
class QSharedMemory;

class FrontEndHelper : public QObject
{
    Q_OBJECT

public:
    FrontEndHelper();
    ~FrontEndHelper() override;

    // Reads and parses the run list and zero-fills the segment; false when there is no text or
    // it does not parse (the segment then keeps the run list).
    bool readRunList(const QString &key);
    // Posts AppStarted for the first application and starts it; false when there is nothing to
    // wait for (empty list, or everything finished inside this call).
    bool startRun();

    QList<Application *> applications() const { return m_applications; }
    int current() const { return m_current; }
    bool isRunning() const { return m_running; }
    bool quitRequested() const { return m_quitRequested; }

public slots:
    void continue_installation();
    void show_please_wait(QString _qstrImgName);
    void hide_please_wait();

private:
    void releaseRunningPrograms();
    void startApplication(int index);
    void post(int type, int value1 = -1, int value2 = -1);

    QSharedMemory *m_segment = nullptr;
    QList<Application *> m_applications;
    int m_current = -1;
    bool m_running = false;
    bool m_quitRequested = false;
};
