#include "frontendhelper.h"

#include "application.h"
#include "executable.h"
#include "payloadcache.h"
#include "runlistxml.h"
#include "segmentprotocol.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QSharedMemory>
#include <QTextStream>

namespace {

// How long the end of the helper waits for an abandoned program's thread to let go.
constexpr unsigned long ReleaseWaitMs = 2000;

} // namespace

FrontEndHelper::FrontEndHelper() = default;

FrontEndHelper::~FrontEndHelper()
{
    if (m_running)
        post(RunInterrupted);
    releaseRunningPrograms();
    if (PayloadCache::isEnabled())
        PayloadCache::removeRunFolder();
    if (m_segment) {
        m_segment->detach();
        delete m_segment;
    }
    qDeleteAll(m_applications);
    m_applications.clear();
}

void FrontEndHelper::releaseRunningPrograms()
{
    // Ended mid-installation (a close request, the end of the session): the installer that
    // runs completes by itself, nobody waits for it any more. A thread that does not let go in
    // time (it waits for a box the ended event loop will never show) is left to end with the
    // process instead of being destroyed while it runs.
    for (Application *application : qAsConst(m_applications)) {
        for (Executable *executable : application->findChildren<Executable *>()) {
            if (!executable->isRunning())
                continue;
            executable->abandon();
            if (!executable->wait(ReleaseWaitMs))
                executable->setParent(nullptr);
        }
    }
}

void FrontEndHelper::post(int type, int value1, int value2)
{
    // A lost message (lock failure, full queue) is not fatal: setup polls on regardless.
    if (m_segment)
        HelperSegment::post(*m_segment, static_cast<HelperMessage>(type), value1, value2);
}

bool FrontEndHelper::readRunList(const QString &key)
{
    delete m_segment;
    m_segment = new QSharedMemory(key);
    const QString text = HelperSegment::readRunList(*m_segment);
    if (text.isEmpty())
        return false;
    QDomDocument document;
    if (!RunListXml::parse(text, document))
        return false;
    PayloadCache::setDownloadFolder(RunListXml::readDownloadFolder(document));
    for (QDomElement element
         = document.documentElement().firstChildElement(QStringLiteral("Application"));
         !element.isNull();
         element = element.nextSiblingElement(QStringLiteral("Application"))) {
        auto *application = Application::fromRunList(element);
        m_applications.append(application);
        connect(application, &Application::showPleaseWait, this, &FrontEndHelper::show_please_wait);
        connect(application, &Application::hidePleaseWait, this, &FrontEndHelper::hide_please_wait);
        connect(application, &Application::installFailed, this, [this](int reason) {
            post(AppFailed, m_current, reason);
        });
    }
    HelperSegment::clear(*m_segment);
    return true;
}

void FrontEndHelper::startApplication(int index)
{
    Application *application = m_applications.at(index);
    connect(application,
            &Application::installComplete,
            this,
            &FrontEndHelper::continue_installation,
            Qt::UniqueConnection);
    post(AppStarted, index);
    m_running = true;
    application->install();
}

bool FrontEndHelper::startRun()
{
    // Copies left by a helper that was killed before it could clean up.
    if (PayloadCache::isEnabled())
        PayloadCache::removeLeftovers();
    if (m_applications.isEmpty()) {
        post(RunFinished);
        return false;
    }
    m_current = 0;
    startApplication(0);
    return !m_quitRequested;
}

void FrontEndHelper::continue_installation()
{
    if (m_current < 0 || m_current >= m_applications.size())
        return;
    disconnect(m_applications.at(m_current),
               &Application::installComplete,
               this,
               &FrontEndHelper::continue_installation);
    post(AppFinished, m_current);
    ++m_current;
    if (m_current < m_applications.size()) {
        startApplication(m_current);
        return;
    }
    m_running = false;
    // Deleted later: this slot may run inside a signal of the last application.
    for (Application *application : qAsConst(m_applications))
        application->deleteLater();
    m_applications.clear();
    m_current = -1;
    post(RunFinished);
    QCoreApplication::quit();
    m_quitRequested = true;
}

void FrontEndHelper::show_please_wait(QString)
{
    if (m_current < 0 || m_current >= m_applications.size())
        return;
    post(ShowWait, m_current, m_applications.at(m_current)->nextInstallerIndex() - 1);
}

void FrontEndHelper::hide_please_wait()
{
    post(HideWait);
}
