#include "application.h"

#include "executable.h"
#include "installer.h"
#include "messageseam.h"
#include "reboot.h"

void Application::install()
{
    m_nextInstaller = 0;
    installNext();
}

QString Application::questionName(Installer *installer) const
{
    if (installers().size() == 1)
        return m_displayName;
    if (!installer->displayName().isEmpty())
        return installer->displayName();
    QString name = installer->mainInstallStep()->fileName();
    while (name.startsWith(QLatin1Char('/')))
        name.remove(0, 1);
    return name;
}

Installer *Application::takeNextInstaller()
{
    const QList<Installer *> candidates = installers();
    if (m_nextInstaller < 0)
        m_nextInstaller = 0;
    while (m_nextInstaller < candidates.size()) {
        Installer *installer = candidates.at(m_nextInstaller++);
        Checker &checker = installer->checker();
        if (!checker.check() || checker.isIgnored())
            return installer;
        if (installer->avoidReinstallation())
            continue;
        const QString name = questionName(installer);
        const int answer = MessageSeam::show(
                m_owner,
                MessageSeam::Question,
                tr("%1 Is Already Installed").arg(name),
                tr("%1 is already installed. Do you wish to run the installer again?").arg(name),
                MessageSeam::Yes | MessageSeam::No,
                MessageSeam::FixedSize);
        if (answer == MessageSeam::Yes)
            return installer;
    }
    return nullptr;
}

void Application::installNext()
{
    Installer *installer = takeNextInstaller();
    if (!installer) {
        emit installComplete();
        return;
    }
    if (m_onDisc2) {
        installNext();
        return;
    }
    connect(installer,
            &Installer::installComplete,
            this,
            &Application::installerDone,
            Qt::UniqueConnection);
    connect(installer,
            &Installer::showPleaseWait,
            this,
            &Application::showPleaseWait,
            Qt::UniqueConnection);
    connect(installer,
            &Installer::hidePleaseWait,
            this,
            &Application::hidePleaseWait,
            Qt::UniqueConnection);
    connect(installer,
            &Installer::programStarting,
            this,
            &Application::programStarting,
            Qt::UniqueConnection);
    connect(installer,
            &Installer::programFinished,
            this,
            &Application::programFinished,
            Qt::UniqueConnection);
    installer->install();
}

void Application::installerDone()
{
    auto *installer = qobject_cast<Installer *>(sender());
    if (installer)
        disconnect(installer, &Installer::installComplete, this, &Application::installerDone);
    // What follows may build on the refused installer: the application ends here.
    if (installer && installer->refusal() != 0) {
        emit installFailed(installer->refusal());
        emit installComplete();
        return;
    }
    if (installer && installer->forceReboot()) {
        const int answer = MessageSeam::show(
                m_owner,
                MessageSeam::Warning,
                tr("Reboot required"),
                tr("You must restart your system to complete the installation. Do you want to "
                   "restart now?"),
                MessageSeam::Yes | MessageSeam::No,
                MessageSeam::KeepOnTop | MessageSeam::FixedSize);
        if (answer == MessageSeam::Yes) {
            sys::killParentProcess();
            sys::rebootAndExit();
        }
    }
    installNext();
}

void Application::stateCheckBoxChanged(int)
{
    emit changedDownloadState();
}

void Application::clickedDVD(bool bChecked)
{
    m_useWebVersion = !bChecked;
    emit changedDownloadState();
}

void Application::clickedWEB(bool bChecked)
{
    m_useWebVersion = bChecked;
    emit changedDownloadState();
}

void Application::startDownloads(int applicationIndex)
{
    m_installersToDownload.clear();
    m_totalDownloadSize = 0;
    m_finishedDownloadBytes = 0;
    m_applicationIndex = applicationIndex;
    for (Installer *installer : installers()) {
        if (installer->url().isEmpty() || installer->checker().check() || installer->isDownloaded())
            continue;
        m_totalDownloadSize += installer->size();
        m_installersToDownload.append(installer);
    }
    m_downloadIndex = 0;
    downloadNext();
}

void Application::connectDownload(Installer *installer)
{
    connect(installer, &Installer::sigDownloadComplete, this, &Application::sltDownloadComplete);
    connect(installer, &Installer::sigDownloadProgress, this, &Application::sltDownloadProgress);
    connect(installer, &Installer::sigDownloadError, this, &Application::sltDownloadError);
    connect(installer, &Installer::sigDownloadTimeout, this, &Application::sltDownloadTimeout);
    connect(installer,
            &Installer::sigDownloadCanBePaused,
            this,
            &Application::sltDownloadCanBePaused);
    connect(installer, &Installer::sigDownloadDamaged, this, &Application::sltDownloadDamaged);
}

void Application::disconnectDownload(Installer *installer)
{
    disconnect(installer, &Installer::sigDownloadComplete, this, nullptr);
    disconnect(installer, &Installer::sigDownloadProgress, this, nullptr);
    disconnect(installer, &Installer::sigDownloadError, this, nullptr);
    disconnect(installer, &Installer::sigDownloadTimeout, this, nullptr);
    disconnect(installer, &Installer::sigDownloadCanBePaused, this, nullptr);
    disconnect(installer, &Installer::sigDownloadDamaged, this, nullptr);
}

void Application::downloadNext()
{
    if (m_downloadIndex >= 0 && m_downloadIndex < m_installersToDownload.size()) {
        Installer *installer = m_installersToDownload.at(m_downloadIndex);
        connectDownload(installer);
        m_downloadingInstaller = installer;
        installer->download(m_downloadIndex);
        return;
    }
    m_downloadingInstaller = nullptr;
    emit sigDownloadComplete(m_applicationIndex);
}

void Application::sltDownloadComplete(int iInstIndex)
{
    if (iInstIndex >= 0 && iInstIndex < m_installersToDownload.size()) {
        Installer *installer = m_installersToDownload.at(iInstIndex);
        m_finishedDownloadBytes += installer->size();
        disconnectDownload(installer);
    }
    m_downloadIndex = iInstIndex + 1;
    downloadNext();
}

void Application::sltDownloadProgress(
        int, qint64 nSpeed, qint64 iBytesAtPause, qint64 iBytesReceived, qint64)
{
    // A resumed request reports only its own bytes; those fetched before the pause are on disk.
    const qint64 overall
            = m_finishedDownloadBytes + qMax<qint64>(0, iBytesAtPause) + iBytesReceived;
    // A catalogue without sizes would divide by zero.
    const qint64 percent = m_totalDownloadSize > 0 ? overall * 100 / m_totalDownloadSize : 0;
    m_downloadStatusText = QStringLiteral("%1 %").arg(percent);
    emit downloadStatusTextChanged(m_downloadStatusText);
    emit sigDownloadProgress(
            m_applicationIndex, nSpeed, iBytesAtPause, overall, m_totalDownloadSize);
}

void Application::sltDownloadError(int, QNetworkReply::NetworkError code)
{
    emit sigDownloadError(m_applicationIndex, code);
}

void Application::sltDownloadTimeout(int)
{
    emit sigDownloadTimeout(m_applicationIndex);
}

void Application::sltDownloadCanBePaused(int, bool bCanBePaused)
{
    emit sigDownloadCanBePaused(m_applicationIndex, bCanBePaused);
}

void Application::sltDownloadDamaged(int iInstIndex)
{
    if (iInstIndex >= 0 && iInstIndex < m_installersToDownload.size())
        disconnectDownload(m_installersToDownload.at(iInstIndex));
    m_downloadingInstaller = nullptr;
    emit sigDownloadDamaged(m_applicationIndex);
}

void Application::pauseDownload()
{
    if (m_downloadingInstaller)
        m_downloadingInstaller->pause();
}

void Application::resumeDownload()
{
    if (m_downloadingInstaller)
        m_downloadingInstaller->resume();
}

void Application::abandonDownload()
{
    if (!m_downloadingInstaller)
        return;
    m_downloadingInstaller->pause();
    disconnectDownload(m_downloadingInstaller);
    m_downloadingInstaller = nullptr;
}
