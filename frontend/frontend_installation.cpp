// Handing the ticked applications to setup_runner and following its progress through the
// segment: the rows show which application is being installed and what is installed now.

#include "frontend.h"

#include "payloadcache.h"
#include "ui_frontend.h"

#include "application.h"
#include "euladlg.h"
#include "helperlauncher.h"
#include "installer.h"
#include "installreport.h"
#include "messageseam.h"
#include "recoveryentry.h"
#include "segmentprotocol.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QSharedMemory>
#include <QTimer>

namespace {

constexpr int PollIntervalMs = 100;

// An exclusive group never lets its checked button go by itself.
void uncheck(QRadioButton *button)
{
    QButtonGroup *group = button->group();
    if (group)
        group->setExclusive(false);
    button->setChecked(false);
    if (group)
        group->setExclusive(true);
}

// A ticked row as the recovery entry keeps it: the short name, and for a disc/web pair the
// source chosen after a "/".
QString selectionItem(const InstallRow &row)
{
    Application *application = row.application;
    if (!application->isCombined())
        return application->shortName();
    return application->shortName()
           + (application->useWebVersion() ? QStringLiteral("/web") : QStringLiteral("/dvd"));
}

} // namespace

bool FrontEnd::agreeToLicences()
{
    bool brand = false;
    bool maker = false;
    for (const InstallRow &row : qAsConst(m_rows)) {
        if (!row.checkBox->isChecked())
            continue;
        brand = brand || row.application->needsBrandLicence();
        maker = maker || row.application->needsMakerLicence();
    }
    if (brand && !EULADlg::agree(this, EULADlg::licencePath(EULADlg::BrandLicence, m_languageCode)))
        return false;
    return !maker
           || EULADlg::agree(this, EULADlg::licencePath(EULADlg::MakerLicence, m_languageCode));
}

void FrontEnd::writeRecoveryValue()
{
    QStringList selection;
    for (const InstallRow &row : qAsConst(m_rows)) {
        if (row.checkBox->isChecked())
            selection << selectionItem(row);
    }
    RecoveryEntry::write(QCoreApplication::applicationFilePath(), m_languageCode, selection);
}

void FrontEnd::offerInterruptedSelection()
{
    const QStringList selection = m_resumeSelection;
    m_resumeSelection.clear();
    if (selection.isEmpty())
        return;
    // The page shows the user's choice again, not the catalogue's defaults; rows that cannot
    // be ticked (installed meanwhile, nothing to install) stay as they are.
    QStringList missing;
    for (const InstallRow &row : qAsConst(m_rows)) {
        if (!row.checkBox->isEnabled())
            continue;
        Application *application = row.application;
        const QString name = application->shortName();
        const bool web = selection.contains(name + QStringLiteral("/web"));
        const bool chosen = web || selection.contains(name)
                            || selection.contains(name + QStringLiteral("/dvd"));
        if (chosen && application->isCombined() && !row.dvd->isHidden() && !row.web->isHidden()) {
            (web ? row.web : row.dvd)->setChecked(true);
            application->setUseWebVersion(web);
        }
        row.checkBox->setChecked(chosen);
        if (chosen)
            missing << application->displayName();
    }
    refreshRowsByMode();
    if (missing.isEmpty())
        return;
    // Once the window is up: this runs while the main window is still being set up.
    QMetaObject::invokeMethod(
            this,
            [this, missing] {
                auto *action = qobject_cast<QAbstractButton *>(
                        skinObject(QStringLiteral("IS_InstallNow")));
                MessageSeam::show(this,
                                  MessageSeam::Information,
                                  tr("Installation not finished"),
                                  tr("The installation was interrupted before everything you had "
                                     "chosen was installed. These applications are ticked again: "
                                     "%1. Press %2 to finish.")
                                          .arg(missing.join(QStringLiteral(", ")),
                                               action ? action->text() : tr("Install")));
            },
            Qt::QueuedConnection);
}

void FrontEnd::startInstallation()
{
    m_runIndex = -1;
    m_installing = true;

    QString elements;
    for (int i = 0; i < m_runList.size(); ++i)
        elements += m_runList.at(i)->toRunList(i + 1);
    switch (FrontEndSegment::writeRunList(m_segment, elements)) {
    case FrontEndSegment::WriteResult::Written:
        break;
    case FrontEndSegment::WriteResult::NoSegment:
        abandonInstallation(QStringLiteral("The shared memory object is unexpectedly NULL!"));
        return;
    case FrontEndSegment::WriteResult::NullData:
        abandonInstallation(QStringLiteral("The shared memory is unexpectedly NULL!"));
        return;
    case FrontEndSegment::WriteResult::TooLarge:
        abandonInstallation(tr("The selected applications are too many to be installed at once. "
                               "Please select fewer applications and try again."));
        return;
    case FrontEndSegment::WriteResult::LockFailed:
        abandonInstallation(tr("The installation could not be prepared. Please try again."));
        return;
    }

    if (!HelperLauncher::launch(
                reinterpret_cast<void *>(winId()), this, m_languageCode, m_errorTitle)) {
        complete_installation();
        return;
    }
    sendInstallReport();
    stopPolling();
    m_pollTimer = new QTimer(this);
    connect(m_pollTimer, &QTimer::timeout, this, &FrontEnd::handle_message);
    m_pollTimer->start(PollIntervalMs);
}

void FrontEnd::abandonInstallation(const QString &text)
{
    // Nothing was handed over, so nothing is left to recover at the next logon either.
    RecoveryEntry::remove();
    MessageSeam::show(this, MessageSeam::Critical, windowTitle(), text);
    m_runList.clear();
    m_installing = false;
    unlockRows();
    enablePageActions();
    updateInstallClearCacheButton();
    refreshRowsByMode();
}

void FrontEnd::sendInstallReport()
{
    QList<Application *> ticked;
    for (const InstallRow &row : qAsConst(m_rows)) {
        if (row.checkBox->isChecked())
            ticked << row.application;
    }
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    InstallReport::send(m_network, InstallReport::queryText(*m_scannerInfo, ticked));
}

void FrontEnd::stopPolling()
{
    if (!m_pollTimer)
        return;
    m_pollTimer->stop();
    // The timer may be the sender of the slot that stops it.
    m_pollTimer->deleteLater();
    m_pollTimer = nullptr;
}

void FrontEnd::handle_message()
{
    if (!m_segment)
        return;
    QList<MessageSlot> messages;
    const FrontEndSegment::PollResult result = FrontEndSegment::consumeMessages(
            m_segment, [&messages](const MessageSlot &slot) { messages.append(slot); });
    if (result == FrontEndSegment::PollResult::NullData) {
        MessageSeam::show(this,
                          MessageSeam::Critical,
                          windowTitle(),
                          QStringLiteral("The shared memory is unexpectedly NULL!"));
        stopPolling();
        return;
    }
    // Acting after the lock is released keeps the helper's posts from waiting on the page.
    for (const MessageSlot &message : qAsConst(messages))
        handleHelperMessage(message.type, message.value1, message.value2);
}

void FrontEnd::handleHelperMessage(int type, int value1, int value2)
{
    switch (type) {
    case AppStarted:
        markRowInstalling(value1);
        break;
    case AppFinished:
        updateRowAfterInstall(value1);
        break;
    case ShowWait:
        showWaitOf(value1, value2);
        break;
    case HideWait:
        hide_please_wait();
        break;
    case RunFinished:
        if (!m_closeConfirmOpen)
            RecoveryEntry::remove();
        complete_installation();
        stopPolling();
        break;
    case RunInterrupted:
        complete_installation();
        stopPolling();
        break;
    case AppFailed:
        reportRefusedApplication(value1, value2);
        break;
    default:
        break;
    }
}

void FrontEnd::reportRefusedApplication(int runIndex, int reason)
{
    const Application *application = m_runList.value(runIndex);
    const QString name = application ? application->displayName() : QString();
    const QString text
            = reason == PayloadCache::FolderUnsafe
                      ? tr("%1 was not installed: the protected folder for its installer could "
                           "not be prepared.")
                      : tr("%1 was not installed: its installer does not match the one that was "
                           "downloaded and may have been altered.");
    QApplication::alert(this);
    MessageSeam::show(this, MessageSeam::Critical, tr("Installation error"), text.arg(name));
}

void FrontEnd::markRowInstalling(int runIndex)
{
    InstallRow *row = rowOf(m_runList.value(runIndex));
    if (!row)
        return;
    m_runIndex = runIndex;
    row->status->hide();
    if (QWidget *busy = requireObject(QStringLiteral("IS_ANI"))) {
        // The animation may sit in any container of the skin, not only in one that holds the
        // rows.
        const QPoint statusTop
                = busy->parentWidget()->mapFromGlobal(row->status->mapToGlobal(QPoint(0, 0)));
        busy->move(busy->x(), statusTop.y());
        busy->show();
        busy->raise();
    }
}

void FrontEnd::updateRowAfterInstall(int runIndex)
{
    if (QWidget *busy = requireObject(QStringLiteral("IS_ANI")))
        busy->hide();
    Application *application = m_runList.value(runIndex);
    InstallRow *row = rowOf(application);
    if (!row)
        return;
    application->refreshInstalledState();
    if (application->isInstalled()) {
        refreshInstalledRow(*row);
        return;
    }
    if (!application->isCombined() || application->useWebVersion())
        return;
    if (application->isDiscVersionInstalled()) {
        uncheck(row->web);
        row->dvd->hide();
        row->web->hide();
    } else if (application->isWebVersionInstalled()) {
        uncheck(row->dvd);
        row->dvd->hide();
        row->web->hide();
    }
}

void FrontEnd::showWaitOf(int runIndex, int installerIndex)
{
    Application *application = m_runList.value(runIndex);
    if (!application || installerIndex < 0)
        return;
    // The helper counts only the installers it was handed.
    const QList<Installer *> installers = application->runListInstallers();
    if (installerIndex >= installers.size())
        return;
    show_please_wait(installers.at(installerIndex)->waitScreenImage());
    ui->WaitScreen->show();
    ui->WaitScreen->raise();
}

void FrontEnd::complete_installation()
{
    m_runList.clear();
    m_runIndex = -1;
    hide_please_wait();
    unlockRows();
    enablePageActions();
    updateInstallClearCacheButton();
    navigate_MM();
    m_installing = false;
}
