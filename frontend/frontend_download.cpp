// The Install Software page's action button and how the page shows its download session:
// speed, time remaining, pause and resume.

#include "frontend.h"
#include "recoveryentry.h"

#include "application.h"
#include "installpagemodel.h"
#include "installpagetexts.h"
#include "installpreconditions.h"
#include "messageseam.h"
#include "skinkeyboard.h"

#include <QApplication>

void FrontEnd::install_selected_apps()
{
    if (m_downloads->isActive()) {
        if (!m_downloads->isPaused()) {
            // Acted on at the next progress signal, when the downloader is between two reads.
            m_downloads->requestPause();
            return;
        }
        showDownloadLabels();
        m_downloads->resume();
        setActionText(tr("Pause"));
        QWidget *clearCache = skinObject(QStringLiteral("IS_ClearCache"));
        if (clearCache && clearCache->isVisible())
            clearCache->setEnabled(false);
        writeRecoveryValue();
        return;
    }

    const bool downloadsFirst = m_installPage->downloadsFirst();
    if (!downloadsFirst) {
        if (!agreeToLicences() || !InstallPreconditions::check(this, m_errorTitle))
            return;
    }
    writeRecoveryValue();
    lockPage();
    if (downloadsFirst)
        startDownloadSession(m_installPage->applicationsToDownload());
    else
        startInstallation(m_installPage->applicationsToInstall());
}

void FrontEnd::lockPage()
{
    // Disabled under the focus, the action button would hand it on to the next control that
    // takes it, anywhere in the window: a keyboard user's next Space would act there. The page
    // holds it until its controls take input again.
    QWidget *page = skinObject(QStringLiteral("IS"));
    if (page && page->isAncestorOf(QApplication::focusWidget()))
        page->setFocus();
    for (const char *name : {"IS_InstallNow", "IS_MainMenu"}) {
        if (QWidget *widget = requireObject(QLatin1String(name)))
            widget->setEnabled(false);
    }
    QWidget *clearCache = requireObject(QStringLiteral("IS_ClearCache"));
    if (clearCache && clearCache->isVisible())
        clearCache->setEnabled(false);
    m_pageLocked = true;
    for (const InstallRow &row : qAsConst(m_rows)) {
        row.checkBox->setEnabled(false);
        row.checkBox->blockSignals(true);
        for (QRadioButton *source : {row.dvd.data(), row.web.data()}) {
            if (!source->isHidden())
                source->setEnabled(false);
        }
    }
}

void FrontEnd::unlockRows()
{
    m_pageLocked = false;
    for (const InstallRow &row : qAsConst(m_rows)) {
        // A row with nothing to install was never enabled.
        row.checkBox->setEnabled(!row.application->installers().isEmpty());
        row.checkBox->blockSignals(false);
        for (QRadioButton *source : {row.dvd.data(), row.web.data()}) {
            if (!source->isHidden())
                source->setEnabled(true);
        }
    }
}

void FrontEnd::enablePageActions()
{
    for (const char *name : {"IS_InstallNow", "IS_MainMenu"}) {
        if (QWidget *widget = requireObject(QLatin1String(name)))
            widget->setEnabled(true);
    }
    returnParkedFocus();
}

void FrontEnd::returnParkedFocus()
{
    QWidget *page = skinObject(QStringLiteral("IS"));
    if (!page || QApplication::focusWidget() != page)
        return;
    QWidget *action = skinObject(QStringLiteral("IS_InstallNow"));
    if (action && action->isEnabled() && action->isVisible())
        action->setFocus(Qt::OtherFocusReason);
    else
        SkinKeyboard::focusFirstControl(page);
}

void FrontEnd::wireDownloadSession()
{
    connect(m_downloads, &DownloadSession::progressReport, this, &FrontEnd::showDownloadProgress);
    connect(m_downloads, &DownloadSession::pausable, this, &FrontEnd::showPausable);
    connect(m_downloads, &DownloadSession::paused, this, &FrontEnd::showPaused);
    connect(m_downloads, &DownloadSession::finished, this, &FrontEnd::finishDownloads);
    connect(m_downloads, &DownloadSession::failed, this, &FrontEnd::failDownloads);
}

void FrontEnd::startDownloadSession(const QList<Application *> &applications)
{
    if (applications.isEmpty()) {
        endDownloadSession();
        return;
    }
    showDownloadLabels();
    m_downloads->start(applications, m_installPage->downloadTotal());
}

void FrontEnd::showDownloadLabels()
{
    if (auto *speed = qobject_cast<QLabel *>(requireObject(QStringLiteral("IS_SPEED")))) {
        speed->setText(tr("Speed: calculating"));
        speed->show();
    }
    if (auto *time = qobject_cast<QLabel *>(requireObject(QStringLiteral("IS_TIME")))) {
        time->setText(tr("Time remaining: calculating"));
        time->show();
    }
}

void FrontEnd::hideDownloadLabels()
{
    for (const char *name : {"IS_SPEED", "IS_TIME"}) {
        if (QWidget *label = requireObject(QLatin1String(name)))
            label->hide();
    }
}

void FrontEnd::showDownloadProgress(qint64 bytesPerSecond, qint64 secondsLeft)
{
    if (auto *speed = qobject_cast<QLabel *>(skinObject(QStringLiteral("IS_SPEED"))))
        speed->setText(tr("Speed: ") + InstallPageTexts::speed(bytesPerSecond));
    if (secondsLeft < 0)
        return;
    if (auto *time = qobject_cast<QLabel *>(skinObject(QStringLiteral("IS_TIME"))))
        time->setText(tr("Time remaining: ") + InstallPageTexts::duration(secondsLeft));
}

void FrontEnd::showPausable(bool canBePaused)
{
    auto *action = qobject_cast<QAbstractButton *>(skinObject(QStringLiteral("IS_InstallNow")));
    if (!action)
        return;
    action->setEnabled(canBePaused);
    setActionText(canBePaused ? tr("Pause") : tr("Download"));
    returnParkedFocus();
}

void FrontEnd::showPaused()
{
    RecoveryEntry::remove();
    setActionText(tr("Resume"));
    updateInstallClearCacheButton();
    // Nothing moves while paused: no speed or time left to show.
    for (const char *name : {"IS_SPEED", "IS_TIME"}) {
        if (QWidget *label = skinObject(QLatin1String(name)))
            label->hide();
    }
}

void FrontEnd::finishDownloads()
{
    endDownloadSession();
    QApplication::alert(this);
    MessageSeam::show(this,
                      MessageSeam::Information,
                      tr("Download completed."),
                      tr("To install a program, select it from the list and then click Install."));
}

void FrontEnd::failDownloads(DownloadSession::Failure failure,
                             Application *application,
                             QNetworkReply::NetworkError code)
{
    QApplication::alert(this);
    MessageSeam::show(this,
                      MessageSeam::Critical,
                      DownloadSession::failureTitle(failure),
                      DownloadSession::failureText(failure, application, code));
    endDownloadSession();
}

void FrontEnd::endDownloadSession()
{
    hideDownloadLabels();
    updateInstallClearCacheButton();
    unlockRows();
    RecoveryEntry::remove();
    enablePageActions();
    m_installPage->refresh();
}

void FrontEnd::clear_cache()
{
    if (m_downloads->isPaused())
        m_downloads->abandon();
    removeDownloadFolder();
    // Enables the main menu entry again and refreshes this button's state.
    endDownloadSession();
}
