#include "unattendedsetup.h"

#include "application.h"
#include "cataloguelog.h"
#include "deploycatalogue.h"
#include "deploydevice.h"
#include "deploydownloads.h"
#include "deployexitcode.h"
#include "deployhelperrun.h"
#include "deployreport.h"
#include "deployselection.h"
#include "guiplatform.h"
#include "installer.h"
#include "messageseam.h"
#include "scannerinfo.h"
#include "segmentprotocol.h"
#include "unattendedrunlist.h"
#include "updateagent.h"

#include <QCoreApplication>
#include <QSharedMemory>
#include <QTextStream>
#include <QTimer>

namespace {

QString modeName(DeploySwitches::Mode mode)
{
    switch (mode) {
    case DeploySwitches::Mode::Quiet:
        return QStringLiteral("/quiet");
    case DeploySwitches::Mode::Passive:
        return QStringLiteral("/passive");
    case DeploySwitches::Mode::Detect:
        return QStringLiteral("/detect");
    case DeploySwitches::Mode::Usage:
        break;
    }
    return QStringLiteral("setup");
}

void printError(const QString &text)
{
    QTextStream(stderr) << "setup: " << text << Qt::endl;
}

} // namespace

UnattendedSetup::UnattendedSetup(const DeploySwitches &switches,
                                 const QString &programDir,
                                 QObject *parent)
    : QObject(parent)
    , m_switches(switches)
    , m_programDir(programDir)
{
    // Catalogue faults and the helper launch's failures would be boxes; here they are lines of
    // the log, and no question waits for an answer.
    MessageSeam::setHandler([this](QObject *,
                                   MessageSeam::Icon,
                                   const QString &title,
                                   const QString &text,
                                   int buttons,
                                   int) {
        m_log.write(QStringLiteral("message: %1: %2").arg(title, text));
        return int((buttons & MessageSeam::No) ? MessageSeam::No : MessageSeam::Ok);
    });
}

UnattendedSetup::~UnattendedSetup()
{
    MessageSeam::setHandler({});
    delete m_catalogue;
    if (m_segment)
        m_segment->detach();
    delete m_segment;
}

void UnattendedSetup::start()
{
    QTimer::singleShot(0, this, &UnattendedSetup::run);
}

void UnattendedSetup::cancel()
{
    if (!m_cancellable || m_finished || m_cancelled)
        return;
    m_cancelled = true;
    m_log.write(QStringLiteral("cancelled: the progress window was closed"));
    if (m_downloads)
        m_downloads->cancel();
    else if (m_device)
        m_device->cancel();
    else
        finish(DeployExitCode::Cancelled);
}

bool UnattendedSetup::openLog()
{
    if (m_switches.logFile.isEmpty())
        return true;
    QString error;
    if (m_log.open(m_switches.logFile, &error))
        return true;
    printError(QStringLiteral("cannot write the log %1: %2").arg(m_switches.logFile, error));
    return false;
}

void UnattendedSetup::run()
{
    if (!openLog()) {
        finish(DeployExitCode::LogUnwritable);
        return;
    }
    m_log.write(QStringLiteral("setup %1 started from %2: %3")
                        .arg(modeName(m_switches.mode),
                             m_programDir,
                             m_switches.arguments.join(QLatin1Char(' '))));
    if (!m_switches.isValid()) {
        m_log.write(QStringLiteral("bad command line: %1").arg(m_switches.error));
        printError(m_switches.error);
        finish(DeployExitCode::BadArguments);
        return;
    }
    if (m_switches.mode != DeploySwitches::Mode::Detect && !takeInstallationLock())
        return;
    if (!m_switches.usesDevice()) {
        continueWithCatalogue(QString());
        return;
    }
    emit statusChanged(QCoreApplication::translate("FrontEnd", "Please wait..."), QString());
    m_device = new DeployDevice(m_log, this);
    connect(m_device, &DeployDevice::finished, this, [this](const QString &catalogue) {
        m_device->deleteLater();
        m_device = nullptr;
        if (m_cancelled) {
            finish(DeployExitCode::Cancelled);
        } else if (catalogue.isEmpty()) {
            finish(DeployExitCode::Failure);
        } else {
            continueWithCatalogue(catalogue);
        }
    });
    m_device->start(m_switches);
}

bool UnattendedSetup::takeInstallationLock()
{
    // The segment is also the lock that keeps two setups from installing at once.
    m_segment = new QSharedMemory(QString::fromLatin1(SegmentProtocol::DefaultKey));
    switch (FrontEndSegment::create(*m_segment)) {
    case FrontEndSegment::CreateResult::Created:
        return true;
    case FrontEndSegment::CreateResult::AlreadyRunning:
        m_log.write(QStringLiteral("another setup is running (its segment \"%1\" exists)")
                            .arg(QLatin1String(SegmentProtocol::DefaultKey)));
        finish(DeployExitCode::AnotherInstallRunning);
        return false;
    case FrontEndSegment::CreateResult::Failed:
        break;
    }
    m_log.write(QStringLiteral("cannot create the segment \"%1\": %2")
                        .arg(QLatin1String(SegmentProtocol::DefaultKey), m_segment->errorString()));
    finish(DeployExitCode::Failure);
    return false;
}

void UnattendedSetup::continueWithCatalogue(const QString &deviceCatalogue)
{
    emit statusChanged(QCoreApplication::translate("FrontEnd", "Please wait..."), QString());
    m_catalogue = new DeployCatalogue(this);
    QString error;
    bool languageError = false;
    if (!m_catalogue->load(
                m_programDir, m_switches.language, deviceCatalogue, &error, &languageError)) {
        m_log.write(QStringLiteral("catalogue: %1").arg(error));
        if (languageError)
            printError(error);
        finish(languageError ? DeployExitCode::BadArguments : DeployExitCode::ProductUnreadable);
        return;
    }
    ScannerInfo *product = m_catalogue->scannerInfo();
    emit productNamed(product->longName());
    m_log.write(QStringLiteral("catalogue: %1 read in language %2: %3 applications for %4")
                        .arg(m_catalogue->files().join(QStringLiteral(" and ")),
                             m_catalogue->language())
                        .arg(product->applications().size())
                        .arg(product->longName()));
    CatalogueLog::writeStagedPayloads(m_log, product->applications());

    QStringList unknown;
    const QList<Application *> chosen
            = DeploySelection::choose(product->applications(), m_switches, &unknown);
    if (!unknown.isEmpty()) {
        const QString text = QStringLiteral("the catalogue has no application %1 (it has %2)")
                                     .arg(unknown.join(QStringLiteral(", ")), [product] {
                                         QStringList names;
                                         for (Application *application : product->applications())
                                             names << application->shortName();
                                         return names.join(QStringLiteral(", "));
                                     }());
        m_log.write(text);
        printError(text);
        finish(DeployExitCode::BadArguments);
        return;
    }
    for (Application *application : chosen) {
        DeploySelection::applySource(application, m_switches.source);
        ApplicationOutcome outcome;
        outcome.shortName = application->shortName();
        outcome.displayName = application->displayName();
        m_outcomes << outcome;
        m_outcomeOwners << application;
        CatalogueLog::writeChecks(m_log, application);
    }
    if (m_switches.mode == DeploySwitches::Mode::Detect)
        detect();
    else
        beginInstallation();
}

void UnattendedSetup::detect()
{
    bool missing = false;
    for (int i = 0; i < m_outcomes.size(); ++i) {
        const Application *application = m_outcomeOwners.at(i);
        ApplicationOutcome &outcome = m_outcomes[i];
        if (!DeploySelection::isApplicable(application)) {
            outcome.result = ApplicationOutcome::Result::NotApplicable;
            outcome.reason = QStringLiteral("nothing to install on this machine in this language");
        } else if (application->chosenVariant()->isInstalled()) {
            outcome.result = ApplicationOutcome::Result::AlreadyInstalled;
        } else {
            outcome.result = ApplicationOutcome::Result::NotInstalled;
            missing = true;
        }
        m_log.write(
                QStringLiteral("detected %1: %2")
                        .arg(outcome.displayName, ApplicationOutcome::resultName(outcome.result)));
    }
    finish(missing ? DeployExitCode::NotInstalled : DeployExitCode::Success);
}

void UnattendedSetup::beginInstallation()
{
    sortOutSelection();
    if (m_pending.isEmpty()) {
        m_log.write(QStringLiteral("nothing to install"));
        conclude();
        return;
    }
    vetPending();
    if (machineIsReady())
        startDownloads();
}

void UnattendedSetup::sortOutSelection()
{
    for (int i = 0; i < m_outcomes.size(); ++i) {
        Application *application = const_cast<Application *>(m_outcomeOwners.at(i));
        ApplicationOutcome &outcome = m_outcomes[i];
        if (application->chosenVariant()->isInstalled() && !application->installers().isEmpty()) {
            outcome.result = ApplicationOutcome::Result::AlreadyInstalled;
            m_log.write(QStringLiteral("%1 is already installed").arg(outcome.displayName));
        } else if (!DeploySelection::isApplicable(application)) {
            outcome.result = ApplicationOutcome::Result::NotApplicable;
            outcome.reason = application->isOnDisc2()
                                     ? QStringLiteral("it is installed from the second disc")
                                     : QStringLiteral("nothing of it is for this machine and "
                                                      "language");
            m_log.write(QStringLiteral("%1 does not apply: %2")
                                .arg(outcome.displayName, outcome.reason));
        } else {
            m_pending << application;
        }
    }
}

void UnattendedSetup::vetPending()
{
    for (Application *application : QList<Application *>(m_pending)) {
        // Nobody is there to read them: running setup unattended is the administrator's consent.
        if (application->needsBrandLicence() || application->needsMakerLicence())
            m_log.write(QStringLiteral("%1 comes under a licence agreement that the run takes as "
                                       "accepted")
                                .arg(application->displayName()));
        // setup_runner checks again and would stop at the catalogue fault's box for good.
        for (const Installer *installer : application->installers()) {
            if (installer->checker().isConfigured()
                && installer->checker().type() == Checker::Type::Unknown)
                fail(application,
                     QStringLiteral("the check of \"%1\" is of an unknown type (a fault of the "
                                    "catalogue)")
                             .arg(installer->displayName()));
        }
    }
}

bool UnattendedSetup::machineIsReady()
{
    // What the install page checks before it hands anything to the helper.
    if (sys::isWindowsUpdateBusy()) {
        m_log.write(QStringLiteral("Windows Update is installing updates: try again later"));
        finish(DeployExitCode::AnotherInstallRunning);
        return false;
    }
    if (sys::isRestartPending()) {
        m_log.write(QStringLiteral("a restart is pending: restart the machine, then run setup "
                                   "again"));
        finish(DeployExitCode::Failure);
        return false;
    }
    return true;
}

void UnattendedSetup::startDownloads()
{
    QList<Application *> fetch;
    for (Application *application : qAsConst(m_pending)) {
        if (application->remainingDownload().needed)
            fetch << application;
    }
    if (fetch.isEmpty()) {
        startHelper();
        return;
    }
    m_downloads = new DeployDownloads(m_log, this);
    connect(m_downloads, &DeployDownloads::statusChanged, this, &UnattendedSetup::statusChanged);
    connect(m_downloads,
            &DeployDownloads::progressChanged,
            this,
            &UnattendedSetup::progressChanged);
    connect(m_downloads,
            &DeployDownloads::failed,
            this,
            [this](Application *application, const QString &reason) { fail(application, reason); });
    connect(m_downloads, &DeployDownloads::finished, this, &UnattendedSetup::downloadsDone);
    m_downloads->start(fetch);
}

void UnattendedSetup::downloadsDone()
{
    m_downloads->deleteLater();
    m_downloads = nullptr;
    if (m_cancelled) {
        finish(DeployExitCode::Cancelled);
        return;
    }
    startHelper();
}

void UnattendedSetup::fail(const Application *application, const QString &reason)
{
    ApplicationOutcome &outcome = outcomeOf(application);
    if (outcome.result == ApplicationOutcome::Result::Failed)
        return;
    outcome.result = ApplicationOutcome::Result::Failed;
    outcome.reason = reason;
    m_pending.removeAll(const_cast<Application *>(application));
    m_log.write(QStringLiteral("%1 failed: %2").arg(outcome.displayName, reason));
}

void UnattendedSetup::startHelper()
{
    if (m_pending.isEmpty()) {
        conclude();
        return;
    }
    m_cancellable = false;
    emit cancellableChanged(false);
    const UnattendedRunList list = UnattendedRunList::build(m_pending);
    for (Application *application : list.postponed) {
        ApplicationOutcome &outcome = outcomeOf(application);
        outcome.result = ApplicationOutcome::Result::Postponed;
        outcome.reason = QStringLiteral("%1 asks for a restart first")
                                 .arg(list.restartApplication->displayName());
        m_log.write(QStringLiteral("%1 waits for the restart that %2 asks for")
                            .arg(outcome.displayName, list.restartApplication->displayName()));
    }
    // Not even the helper's placeholder window: the session may have no display.
    if (m_switches.mode == DeploySwitches::Mode::Quiet)
        sys::startWindowedChildrenOffscreen();
    m_helper = new DeployHelperRun(m_log, this);
    connect(m_helper, &DeployHelperRun::statusChanged, this, &UnattendedSetup::statusChanged);
    connect(m_helper, &DeployHelperRun::progressChanged, this, &UnattendedSetup::progressChanged);
    connect(m_helper,
            &DeployHelperRun::refused,
            this,
            [this](Application *application, const QString &reason) { fail(application, reason); });
    connect(m_helper,
            &DeployHelperRun::programEnded,
            this,
            [this](Application *application, const ProgramRun &run) {
                outcomeOf(application).programs << run;
                if (run.started
                    && (run.exitCode == DeployExitCode::RestartRequired
                        || run.exitCode == DeployExitCode::RestartInitiated))
                    m_restartRequired = true;
            });
    connect(m_helper, &DeployHelperRun::finished, this, &UnattendedSetup::helperDone);
    m_helper->start(list, m_catalogue->language(), m_segment);
}

void UnattendedSetup::helperDone(bool completed, const QString &problem)
{
    const QList<Application *> handedOver = m_helper->applications();
    Installer *restartInstaller = m_helper->restartInstaller();
    m_helper->deleteLater();
    m_helper = nullptr;
    if (!completed)
        m_log.write(QStringLiteral("the helper did not finish: %1").arg(problem));
    // What the helper did is read back from the machine, as the install page does.
    m_catalogue->scannerInfo()->refreshInstalledStates();
    for (Application *application : handedOver) {
        ApplicationOutcome &outcome = outcomeOf(application);
        if (outcome.result == ApplicationOutcome::Result::Failed)
            continue;
        if (application->chosenVariant()->isInstalled()) {
            outcome.result = ApplicationOutcome::Result::Installed;
            m_log.write(QStringLiteral("%1 is installed").arg(outcome.displayName));
            continue;
        }
        fail(application,
             completed ? QStringLiteral("its check still finds it missing after its installers "
                                        "ran")
                       : problem);
    }
    if (restartInstaller) {
        m_restartRequired = true;
        m_log.write(
                QStringLiteral("\"%1\" asks for a restart").arg(restartInstaller->displayName()));
    }
    conclude();
}

void UnattendedSetup::conclude()
{
    bool failed = false;
    for (const ApplicationOutcome &outcome : qAsConst(m_outcomes))
        failed = failed || outcome.result == ApplicationOutcome::Result::Failed;
    if (failed)
        finish(DeployExitCode::Failure);
    else
        finish(m_restartRequired ? DeployExitCode::RestartRequired : DeployExitCode::Success);
}

void UnattendedSetup::finish(int exitCode)
{
    if (m_finished)
        return;
    m_finished = true;
    m_exitCode = exitCode;
    if (!m_switches.reportFile.isEmpty()) {
        QString error;
        if (!DeployReport::write(
                    m_switches.reportFile, exitCode, m_restartRequired, m_outcomes, &error)) {
            m_log.write(QStringLiteral("cannot write the report %1: %2")
                                .arg(m_switches.reportFile, error));
            printError(QStringLiteral("cannot write the report %1: %2")
                               .arg(m_switches.reportFile, error));
        }
    }
    m_log.write(QStringLiteral("setup ends with exit code %1").arg(exitCode));
    emit finished(exitCode);
}

ApplicationOutcome &UnattendedSetup::outcomeOf(const Application *application)
{
    return m_outcomes[m_outcomeOwners.indexOf(application)];
}
