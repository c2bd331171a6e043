// Handing the ticked applications to setup_runner and showing its progress: the rows show
// which application is being installed and what is installed now.

#include "frontend.h"

#include "payloadcache.h"
#include "ui_frontend.h"

#include "application.h"
#include "euladlg.h"
#include "helperchannel.h"
#include "installpagemodel.h"
#include "installreport.h"
#include "messageseam.h"
#include "recoveryentry.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>

bool FrontEnd::agreeToLicences()
{
    bool brand = false;
    bool maker = false;
    for (const Application *application : m_installPage->tickedApplications()) {
        brand = brand || application->needsBrandLicence();
        maker = maker || application->needsMakerLicence();
    }
    if (brand && !EULADlg::agree(this, EULADlg::licencePath(EULADlg::BrandLicence, m_languageCode)))
        return false;
    return !maker
           || EULADlg::agree(this, EULADlg::licencePath(EULADlg::MakerLicence, m_languageCode));
}

void FrontEnd::writeRecoveryValue()
{
    RecoveryEntry::write(
            QCoreApplication::applicationFilePath(), m_languageCode, m_installPage->selection());
}

void FrontEnd::offerInterruptedSelection()
{
    const QStringList selection = m_resumeSelection;
    m_resumeSelection.clear();
    if (selection.isEmpty())
        return;
    // The page shows the user's choice again, not the catalogue's defaults; rows that cannot
    // be ticked (installed meanwhile, nothing to install) stay as they are.
    const QStringList missing = m_installPage->applySelection(selection);
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

void FrontEnd::wireHelperChannel()
{
    connect(m_helper, &HelperChannel::applicationStarted, this, &FrontEnd::markRowInstalling);
    connect(m_helper, &HelperChannel::applicationFinished, this, &FrontEnd::updateRowAfterInstall);
    connect(m_helper,
            &HelperChannel::applicationRefused,
            this,
            &FrontEnd::reportRefusedApplication);
    connect(m_helper, &HelperChannel::waitScreenShown, this, &FrontEnd::showWaitScreen);
    connect(m_helper, &HelperChannel::waitScreenHidden, this, &FrontEnd::hide_please_wait);
    connect(m_helper, &HelperChannel::runFinished, this, &FrontEnd::finishInstallation);
    connect(m_helper, &HelperChannel::runInterrupted, this, &FrontEnd::complete_installation);
    connect(m_helper, &HelperChannel::segmentLost, this, [this] {
        MessageSeam::show(this,
                          MessageSeam::Critical,
                          windowTitle(),
                          HelperChannel::failureText(HelperChannel::StartResult::NullData));
    });
}

void FrontEnd::startInstallation(const QList<Application *> &applications)
{
    m_installing = true;
    const HelperChannel::StartResult result = m_helper->start(
            applications, m_languageCode, reinterpret_cast<void *>(winId()), this, m_errorTitle);
    switch (result) {
    case HelperChannel::StartResult::Started:
        sendInstallReport();
        break;
    case HelperChannel::StartResult::LaunchFailed:
        complete_installation();
        break;
    default:
        abandonInstallation(HelperChannel::failureText(result));
        break;
    }
}

void FrontEnd::abandonInstallation(const QString &text)
{
    // Nothing was handed over, so nothing is left to recover at the next logon either.
    RecoveryEntry::remove();
    MessageSeam::show(this, MessageSeam::Critical, windowTitle(), text);
    m_installing = false;
    unlockRows();
    enablePageActions();
    updateInstallClearCacheButton();
    m_installPage->refresh();
}

void FrontEnd::sendInstallReport()
{
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    InstallReport::send(
            m_network,
            InstallReport::queryText(*m_scannerInfo, m_installPage->tickedApplications()));
}

void FrontEnd::finishInstallation()
{
    if (!m_closeConfirmOpen)
        RecoveryEntry::remove();
    complete_installation();
}

void FrontEnd::reportRefusedApplication(Application *application, int reason)
{
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

void FrontEnd::markRowInstalling(Application *application)
{
    InstallRow *row = rowOf(application);
    if (!row)
        return;
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

void FrontEnd::updateRowAfterInstall(Application *application)
{
    if (QWidget *busy = requireObject(QStringLiteral("IS_ANI")))
        busy->hide();
    if (application)
        m_installPage->refreshAfterInstallation(application);
}

void FrontEnd::showWaitScreen(const QString &image)
{
    show_please_wait(image);
    ui->WaitScreen->show();
    ui->WaitScreen->raise();
}

void FrontEnd::complete_installation()
{
    hide_please_wait();
    unlockRows();
    enablePageActions();
    updateInstallClearCacheButton();
    navigate_MM();
    m_installing = false;
}
