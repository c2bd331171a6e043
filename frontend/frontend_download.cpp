// The Install Software page's action button and its download session: web installers are
// fetched one application after another, with pause, resume, speed and time remaining.

#include "frontend.h"
#include "recoveryentry.h"

#include "application.h"
#include "installpagetexts.h"
#include "installpreconditions.h"
#include "messageseam.h"

#include <QApplication>
#include <QDir>

namespace {

constexpr int LabelIntervalMs = 1000;

} // namespace

void FrontEnd::install_selected_apps()
{
    if (actionTextIs(tr("Pause"))) {
        // Acted on at the next progress signal, when the downloader is between two reads.
        m_pauseRequested = true;
        return;
    }
    if (actionTextIs(tr("Resume"))) {
        if (Application *current = currentDownload()) {
            showDownloadLabels();
            current->resumeDownload();
            setActionText(tr("Pause"));
            QWidget *clearCache = skinObject(QStringLiteral("IS_ClearCache"));
            if (clearCache && clearCache->isVisible())
                clearCache->setEnabled(false);
            writeRecoveryValue();
        }
        return;
    }

    if (actionTextIs(tr("Install"))) {
        if (!agreeToLicences() || !InstallPreconditions::check(this, m_errorTitle))
            return;
    }
    writeRecoveryValue();
    lockPage();

    const bool fetchFirst = m_sourceMode != SourceMode::DiscOnly && m_downloadPending;
    m_runList.clear();
    m_downloadList.clear();
    for (const InstallRow &row : qAsConst(m_rows)) {
        if (!row.checkBox->isChecked())
            continue;
        if (!fetchFirst)
            m_runList.append(row.application);
        else if (row.application->remainingDownload().needed)
            m_downloadList.append(row.application);
    }

    if (fetchFirst)
        startDownloadSession();
    else
        startInstallation();
}

void FrontEnd::lockPage()
{
    for (const char *name : {"IS_InstallNow", "IS_MainMenu"}) {
        if (QWidget *widget = requireObject(QLatin1String(name)))
            widget->setEnabled(false);
    }
    QWidget *clearCache = requireObject(QStringLiteral("IS_ClearCache"));
    if (clearCache && clearCache->isVisible())
        clearCache->setEnabled(false);
    m_downloadDone = 0;
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
}

void FrontEnd::startDownloadSession()
{
    if (m_downloadList.isEmpty()) {
        endDownloadSession();
        return;
    }
    showDownloadLabels();
    QDir().mkpath(downloadFolder());
    if (!startNextDownload(0))
        finishDownloads();
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
    m_progressClock.start();
    m_progressMillis = 0;
}

bool FrontEnd::startNextDownload(int from)
{
    for (int index = from; index < m_downloadList.size(); ++index) {
        Application *application = m_downloadList.at(index);
        // Files that arrived in an earlier session are not fetched again, nor installers that
        // were installed meanwhile.
        application->refreshInstalledState();
        if (!application->remainingDownload().needed)
            continue;
        connectDownload(application);
        m_downloadIndex = index;
        // An application with nothing left to fetch reports its completion at once, inside
        // this call; this loop then goes on to the next one itself.
        m_startingDownload = true;
        application->startDownloads(index);
        m_startingDownload = false;
        if (application->hasCurrentDownload())
            return true;
        disconnectDownload();
    }
    return false;
}

void FrontEnd::connectDownload(Application *application)
{
    disconnectDownload();
    m_downloadConnections << connect(application,
                                     &Application::sigDownloadComplete,
                                     this,
                                     [this, application](int index) {
                                         sltDownloadComplete(index,
                                                             application->totalDownloadSize());
                                     })
                          << connect(application,
                                     &Application::sigDownloadProgress,
                                     this,
                                     &FrontEnd::sltDownloadProgress)
                          << connect(application,
                                     &Application::sigDownloadError,
                                     this,
                                     &FrontEnd::sltDownloadError)
                          << connect(application,
                                     &Application::sigDownloadTimeout,
                                     this,
                                     &FrontEnd::sltDownloadTimeout)
                          << connect(application,
                                     &Application::sigDownloadCanBePaused,
                                     this,
                                     &FrontEnd::sltDownloadCanBePaused)
                          << connect(application,
                                     &Application::sigDownloadDamaged,
                                     this,
                                     [this, application](int index) {
                                         failDownloads(index,
                                                       tr("Download error"),
                                                       tr("The download of %1 was damaged and "
                                                          "has been deleted. Please download it "
                                                          "again.")
                                                               .arg(application->displayName()));
                                     });
}

Application *FrontEnd::currentDownload() const
{
    return m_downloadList.value(m_downloadIndex);
}

void FrontEnd::disconnectDownload()
{
    // Only one application downloads at a time, so its connections are all there are.
    for (const QMetaObject::Connection &connection : qAsConst(m_downloadConnections))
        disconnect(connection);
    m_downloadConnections.clear();
}

void FrontEnd::sltDownloadProgress(int, qint64 nSpeed, qint64, qint64 iBytesReceived, qint64)
{
    Application *current = currentDownload();
    if (m_pauseRequested && current) {
        current->pauseDownload();
        m_pauseRequested = false;
        RecoveryEntry::remove();
        setActionText(tr("Resume"));
        updateInstallClearCacheButton();
        // Nothing moves while paused: no speed or time left to show.
        for (const char *name : {"IS_SPEED", "IS_TIME"}) {
            if (QWidget *label = skinObject(QLatin1String(name)))
                label->hide();
        }
        return;
    }

    m_progressMillis += static_cast<int>(m_progressClock.restart());
    if (m_progressMillis <= LabelIntervalMs)
        return;
    m_progressMillis = 0;

    if (auto *speed = qobject_cast<QLabel *>(skinObject(QStringLiteral("IS_SPEED"))))
        speed->setText(tr("Speed: ") + InstallPageTexts::speed(nSpeed));
    const quint64 fetched = m_downloadDone + static_cast<quint64>(qMax<qint64>(0, iBytesReceived));
    const quint64 remaining = m_downloadTotal > fetched ? m_downloadTotal - fetched : 0;
    if (nSpeed > 0) {
        if (auto *time = qobject_cast<QLabel *>(skinObject(QStringLiteral("IS_TIME"))))
            time->setText(tr("Time remaining: ")
                          + InstallPageTexts::duration(
                                  static_cast<qint64>(remaining / static_cast<quint64>(nSpeed))));
    }
}

void FrontEnd::sltDownloadCanBePaused(int, bool bCanBePaused)
{
    if (actionTextIs(tr("Resume")))
        return;
    auto *action = qobject_cast<QAbstractButton *>(skinObject(QStringLiteral("IS_InstallNow")));
    if (!action)
        return;
    action->setEnabled(bCanBePaused);
    action->setText(bCanBePaused ? tr("Pause") : tr("Download"));
}

void FrontEnd::sltDownloadComplete(int iAppIndex, qint64 nReceivedBytes)
{
    disconnectDownload();
    m_downloadDone += static_cast<quint64>(qMax<qint64>(0, nReceivedBytes));
    if (m_startingDownload)
        return;
    if (!startNextDownload(iAppIndex + 1))
        finishDownloads();
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

void FrontEnd::sltDownloadError(int iAppIndex, QNetworkReply::NetworkError code)
{
    failDownloads(iAppIndex,
                  tr("Download error"),
                  tr("The network error code %1 occurs during the download process.")
                          .arg(static_cast<int>(code)));
}

void FrontEnd::sltDownloadTimeout(int iAppIndex)
{
    failDownloads(iAppIndex,
                  tr("Download timeout"),
                  tr("The server site does not respond during the download process."));
}

void FrontEnd::failDownloads(int index, const QString &title, const QString &text)
{
    if (index >= 0 && index < m_downloadList.size())
        disconnectDownload();
    QApplication::alert(this);
    MessageSeam::show(this, MessageSeam::Critical, title, text);
    endDownloadSession();
}

void FrontEnd::endDownloadSession()
{
    m_downloadList.clear();
    m_pauseRequested = false;
    for (const char *name : {"IS_SPEED", "IS_TIME"}) {
        if (QWidget *label = requireObject(QLatin1String(name)))
            label->hide();
    }
    updateInstallClearCacheButton();
    unlockRows();
    RecoveryEntry::remove();
    enablePageActions();
    refreshRowsByMode();
}

void FrontEnd::clear_cache()
{
    Application *current = currentDownload();
    if (actionTextIs(tr("Resume")) && current) {
        disconnectDownload();
        current->abandonDownload();
    }
    removeDownloadFolder();
    // Enables the main menu entry again and refreshes this button's state.
    endDownloadSession();
}
