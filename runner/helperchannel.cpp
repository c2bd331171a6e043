#include "helperchannel.h"

#include "application.h"
#include "helperlauncher.h"
#include "installer.h"
#include "runlistxml.h"
#include "segmentprotocol.h"
#include "setupsettings.h"

#include <QCoreApplication>
#include <QTimer>

HelperChannel::HelperChannel(QSharedMemory *segment, QObject *parent)
    : QObject(parent)
    , m_segment(segment)
{}

HelperChannel::StartResult HelperChannel::start(const QList<Application *> &runList,
                                                const QString &languageCode,
                                                void *ownerWindow,
                                                QObject *messageOwner,
                                                const QString &errorTitle)
{
    QString elements;
    for (int i = 0; i < runList.size(); ++i)
        elements += runList.at(i)->toRunList(i + 1);
    // The helper learns the download folder from the run list alone: it reads no setting or
    // environment of the user who started it.
    switch (FrontEndSegment::writeRunList(
            m_segment, elements, RunListXml::writeRunSettings(SetupSettings::downloadPath()))) {
    case FrontEndSegment::WriteResult::Written:
        break;
    case FrontEndSegment::WriteResult::NoSegment:
        return StartResult::NoSegment;
    case FrontEndSegment::WriteResult::NullData:
        return StartResult::NullData;
    case FrontEndSegment::WriteResult::TooLarge:
        return StartResult::TooLarge;
    case FrontEndSegment::WriteResult::LockFailed:
        return StartResult::LockFailed;
    }

    const bool started
            = m_launch
                      ? m_launch()
                      : HelperLauncher::launch(ownerWindow, messageOwner, languageCode, errorTitle);
    if (!started)
        return StartResult::LaunchFailed;
    m_runList = runList;
    stopPolling();
    m_pollTimer = new QTimer(this);
    connect(m_pollTimer, &QTimer::timeout, this, &HelperChannel::handle_message);
    m_pollTimer->start(PollIntervalMs);
    return StartResult::Started;
}

QString HelperChannel::failureText(StartResult result)
{
    switch (result) {
    case StartResult::NoSegment:
        return QStringLiteral("The shared memory object is unexpectedly NULL!");
    case StartResult::NullData:
        return QStringLiteral("The shared memory is unexpectedly NULL!");
    case StartResult::TooLarge:
        return QCoreApplication::translate("FrontEnd",
                                           "The selected applications are too many to be "
                                           "installed at once. Please select fewer applications "
                                           "and try again.");
    case StartResult::LockFailed:
        return QCoreApplication::translate(
                "FrontEnd", "The installation could not be prepared. Please try again.");
    case StartResult::Started:
    case StartResult::LaunchFailed:
        break;
    }
    return QString();
}

void HelperChannel::handle_message()
{
    if (!m_segment)
        return;
    QList<MessageSlot> messages;
    const FrontEndSegment::PollResult result = FrontEndSegment::consumeMessages(
            m_segment, [&messages](const MessageSlot &slot) { messages.append(slot); });
    if (result == FrontEndSegment::PollResult::NullData) {
        stopPolling();
        emit segmentLost();
        return;
    }
    // Acting after the lock is released keeps the helper's posts from waiting on the receivers.
    for (const MessageSlot &message : qAsConst(messages))
        handleMessage(message.type, message.value1, message.value2);
}

void HelperChannel::handleMessage(int type, int value1, int value2)
{
    switch (type) {
    case AppStarted:
        if (Application *application = m_runList.value(value1))
            emit applicationStarted(application);
        break;
    case AppFinished:
        emit applicationFinished(m_runList.value(value1));
        break;
    case ShowWait:
        showWaitOf(value1, value2);
        break;
    case HideWait:
        emit waitScreenHidden();
        break;
    case RunFinished:
        endRun();
        emit runFinished();
        break;
    case RunInterrupted:
        endRun();
        emit runInterrupted();
        break;
    case AppFailed:
        emit applicationRefused(m_runList.value(value1), value2);
        break;
    default:
        break;
    }
}

void HelperChannel::showWaitOf(int runIndex, int installerIndex)
{
    Application *application = m_runList.value(runIndex);
    if (!application || installerIndex < 0)
        return;
    // The helper counts only the installers it was handed.
    const QList<Installer *> installers = application->runListInstallers();
    if (installerIndex >= installers.size())
        return;
    emit waitScreenShown(installers.at(installerIndex)->waitScreenImage());
}

void HelperChannel::endRun()
{
    m_runList.clear();
    stopPolling();
}

void HelperChannel::stopPolling()
{
    if (!m_pollTimer)
        return;
    m_pollTimer->stop();
    // The timer may be the sender of the slot that stops it.
    m_pollTimer->deleteLater();
    m_pollTimer = nullptr;
}
