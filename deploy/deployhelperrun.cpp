#include "deployhelperrun.h"

#include "application.h"
#include "deploylog.h"
#include "executable.h"
#include "helperlauncher.h"
#include "installer.h"
#include "payloadcache.h"
#include "process.h"
#include "runlistxml.h"
#include "segmentprotocol.h"
#include "setupsettings.h"

#include <QCoreApplication>
#include <QSharedMemory>
#include <QTimer>

namespace {

constexpr int PollIntervalMs = 100;
// How long the end of a run waits for the helper's process to go.
constexpr qint64 HelperEndWaitMs = 30000;

QString refusalText(int reason)
{
    return reason == PayloadCache::FolderUnsafe
                   ? QStringLiteral("setup_runner could not prepare the protected folder for its "
                                    "installer")
                   : QStringLiteral("its installer does not match the one that was downloaded "
                                    "and may have been altered");
}

} // namespace

DeployHelperRun::DeployHelperRun(DeployLog &log, QObject *parent)
    : QObject(parent)
    , m_log(log)
{}

Installer *DeployHelperRun::restartInstaller() const
{
    return m_restartInstallerRan ? m_list.restartInstaller : nullptr;
}

void DeployHelperRun::start(const UnattendedRunList &list,
                            const QString &language,
                            QSharedMemory *segment)
{
    m_list = list;
    m_segment = segment;
    // As the install page does: the helper learns the download folder from the run list alone.
    switch (FrontEndSegment::writeRunList(
            segment, list.elements, RunListXml::writeRunSettings(SetupSettings::downloadPath()))) {
    case FrontEndSegment::WriteResult::Written:
        break;
    case FrontEndSegment::WriteResult::TooLarge:
        end(false, QStringLiteral("the run list is too large for the segment"));
        return;
    default:
        end(false, QStringLiteral("the run list cannot be written into the segment"));
        return;
    }
    const QString parameters = HelperLauncher::parameters(language);
    const intptr_t result
            = sys::shellExecute(nullptr,
                                std::wstring(),
                                QString::fromLatin1(HelperLauncher::ProgramName).toStdWString(),
                                parameters.toStdWString(),
                                L".",
                                sys::ShowCommand::Hidden,
                                &m_helperProcess);
    if (result < 32) {
        end(false,
            QStringLiteral("%1 could not be started (%2): %3")
                    .arg(QLatin1String(HelperLauncher::ProgramName))
                    .arg(result)
                    .arg(HelperLauncher::failureMessage(result,
                                                        HelperLauncher::currentDirectory())));
        return;
    }
    QStringList names;
    for (const Application *application : qAsConst(m_list.applications))
        names << application->displayName();
    m_log.write(QStringLiteral("started %1 %2 (process %3) for %4")
                        .arg(QLatin1String(HelperLauncher::ProgramName), parameters)
                        .arg(m_helperProcess)
                        .arg(names.join(QStringLiteral(", "))));
    m_poll = new QTimer(this);
    connect(m_poll, &QTimer::timeout, this, &DeployHelperRun::poll);
    m_poll->start(PollIntervalMs);
}

void DeployHelperRun::poll()
{
    if (m_ended) {
        awaitHelperEnd();
        return;
    }
    const auto consume = [this] {
        QList<MessageSlot> messages;
        const FrontEndSegment::PollResult result = FrontEndSegment::consumeMessages(
                m_segment, [&messages](const MessageSlot &slot) { messages.append(slot); });
        for (const MessageSlot &message : qAsConst(messages)) {
            if (!m_ended)
                handle(message.type, message.value1, message.value2);
        }
        return result;
    };
    if (consume() == FrontEndSegment::PollResult::NullData) {
        end(false, QStringLiteral("the shared memory is unexpectedly NULL"));
        return;
    }
    if (m_ended || m_helperProcess == 0 || helperRuns())
        return;
    // Gone: what it posted before it went still counts.
    consume();
    if (!m_ended)
        end(false,
            QStringLiteral("%1 ended before it reported the end of the run")
                    .arg(QLatin1String(HelperLauncher::ProgramName)));
}

bool DeployHelperRun::helperRuns() const
{
    return m_helperProcess != 0 && !sys::processImageName(m_helperProcess).empty();
}

void DeployHelperRun::awaitHelperEnd()
{
    // The helper still holds the segment (and cleans its copies up) for a moment after the
    // end of the run: a setup started right after this one would take it for a running one.
    if (helperRuns() && m_endClock.elapsed() < HelperEndWaitMs)
        return;
    if (m_poll)
        m_poll->stop();
    emit finished(m_completed, m_problem);
}

QString DeployHelperRun::programOf(int application, int installer)
{
    if (application != m_programApplication || installer != m_programInstaller) {
        m_programApplication = application;
        m_programInstaller = installer;
        m_programCount = 0;
    }
    const Installer *held = m_list.installers.value(application).value(installer);
    if (!held)
        return QStringLiteral("a program");
    const QList<Executable *> steps = held->preInstallSteps()
                                      + QList<Executable *>{held->mainInstallStep()}
                                      + held->postInstallSteps();
    const Executable *step = steps.value(m_programCount++);
    return step ? step->program() : QStringLiteral("a program");
}

void DeployHelperRun::handle(int type, int value1, int value2)
{
    Application *application = m_list.applications.value(value1);
    const QString name = application ? application->displayName() : QString::number(value1);
    switch (type) {
    case AppStarted:
        m_log.write(QStringLiteral("setup_runner installs %1").arg(name));
        emit statusChanged(QCoreApplication::translate("FrontEnd", "Installing..."), name);
        emit progressChanged(value1 * 100 / qMax(1, m_list.applications.size()));
        break;
    case AppFinished:
        m_log.write(QStringLiteral("setup_runner is done with %1").arg(name));
        emit progressChanged((value1 + 1) * 100 / qMax(1, m_list.applications.size()));
        break;
    case ShowWait:
        m_log.write(QStringLiteral("setup_runner shows the wait screen of %1").arg(name));
        break;
    case HideWait:
        m_log.write(QStringLiteral("setup_runner hides the wait screen"));
        break;
    case AppFailed:
        m_log.write(QStringLiteral("setup_runner refused %1").arg(name));
        if (application)
            emit refused(application, refusalText(value2));
        break;
    case ProgramStarted: {
        m_program = programOf(value1, value2);
        const Installer *installer = m_list.installers.value(value1).value(value2);
        m_restartInstallerRan
                = m_restartInstallerRan || (installer && installer == m_list.restartInstaller);
        m_log.write(QStringLiteral("setup_runner starts %1 for %2").arg(m_program, name));
        break;
    }
    case ProgramEnded:
    case ProgramNotStarted: {
        ProgramRun run;
        run.program = m_program;
        run.started = type == ProgramEnded;
        run.exitCode = run.started ? qint64(quint32(value2)) : 0;
        run.startError = run.started ? 0 : qint64(quint32(value2));
        m_log.write(run.started ? QStringLiteral("%1 ended with exit code %2")
                                          .arg(m_program)
                                          .arg(run.exitCode)
                                : QStringLiteral("%1 could not be started (Windows error %2)")
                                          .arg(m_program)
                                          .arg(run.startError));
        if (application)
            emit programEnded(application, run);
        break;
    }
    case RunFinished:
        m_log.write(QStringLiteral("setup_runner finished the run"));
        end(true, QString());
        break;
    case RunInterrupted:
        end(false, QStringLiteral("setup_runner was ended in the middle of the run"));
        break;
    default:
        break;
    }
}

void DeployHelperRun::end(bool completed, const QString &problem)
{
    if (m_ended)
        return;
    m_ended = true;
    m_completed = completed;
    m_problem = problem;
    m_endClock.start();
    if (!m_poll) {
        // Never started: from the event loop, as the caller may delete this object then.
        QTimer::singleShot(0, this, [this] { emit finished(m_completed, m_problem); });
        return;
    }
    awaitHelperEnd();
}
