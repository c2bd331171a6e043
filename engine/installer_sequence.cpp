#include "installer.h"

#include "cextract.h"
#include "downloadmanager.h"
#include "executable.h"
#include "hostfiles.h"
#include "payloadcache.h"
#include "payloadhash.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <atomic>

namespace {

std::atomic<bool> &extractFlag()
{
    static std::atomic<bool> flag(false);
    return flag;
}

} // namespace

void Installer::setExtractsCabinets(bool extract)
{
    extractFlag() = extract;
}

bool Installer::extractsCabinets()
{
    return extractFlag();
}

void Installer::install()
{
    m_step = 1;
    m_stepIndex = -1;
    m_runningExecutable = nullptr;
    m_refusal = PayloadCache::None;
    if (PayloadCache::isEnabled()) {
        QString detail;
        m_refusal = PayloadCache::prepare(*this, &detail);
        // Not even the pre-install programs run for a payload that is not the one meant.
        if (m_refusal != PayloadCache::None) {
            m_step = 0;
            emit installComplete();
            return;
        }
    }
    if (m_needsWaitScreen)
        emit showPleaseWait(m_waitScreenImage);
    execution_complete();
}

void Installer::execution_complete()
{
    if (m_runningExecutable) {
        disconnect(m_runningExecutable, &QThread::finished, this, &Installer::execution_complete);
        emit programFinished(m_runningExecutable);
    }
    ++m_stepIndex;
    Executable *next = nullptr;
    switch (m_step) {
    case 1:
        if (m_stepIndex >= m_preInstallSteps.size()) {
            m_step = 2;
            m_stepIndex = 0;
            next = m_mainInstallStep;
        } else {
            next = m_preInstallSteps.at(m_stepIndex);
        }
        break;
    case 2:
        if (!m_postInstallSteps.isEmpty()) {
            m_step = 3;
            m_stepIndex = 0;
            next = m_postInstallSteps.at(0);
        }
        break;
    case 3:
        if (m_stepIndex < m_postInstallSteps.size())
            next = m_postInstallSteps.at(m_stepIndex);
        break;
    default:
        break;
    }
    if (!next) {
        finish();
        return;
    }
    m_runningExecutable = next;
    if (next->srcCompression().toLower() == QLatin1String("cab") && extractsCabinets())
        extractPayload(next);
    // The executable lives in this thread, so finished() from its own thread arrives queued and
    // the next program starts only after this one has ended.
    connect(next, &QThread::finished, this, &Installer::execution_complete, Qt::UniqueConnection);
    emit programStarting(next);
    next->start(QThread::InheritPriority);
}

void Installer::extractPayload(Executable *executable)
{
    const QFileInfo programFile(HostFiles::hostPath(executable->program()));
    if (programFile.exists() || executable->srcPath().isEmpty())
        return;
    // A failed extraction is not fatal here: the program then fails to start, which the
    // sequence treats like any program that could not be started.
    // The extraction splits the folder off at the last backslash; a path written with "/"
    // (accepted everywhere else) would otherwise have no folder.
    QString cabinet = executable->srcPath();
    cabinet.replace(QLatin1Char('/'), QLatin1Char('\\'));
    Cabinet::CExtract extract;
    extract.setFileWritten([](const std::wstring &path) {
        HostFiles::makeRunnable(HostFiles::hostPath(QString::fromStdWString(path)));
    });
    extract.Extract(cabinet.toStdWString());
}

void Installer::finish()
{
    m_step = 0;
    m_runningExecutable = nullptr;
    if (m_needsWaitScreen)
        emit hidePleaseWait();
    emit installComplete();
}

void Installer::download(int index)
{
    m_index = index;
    delete m_downloader;
    m_downloader = new DownloadManager(this);
    connect(m_downloader,
            &DownloadManager::downloadComplete,
            this,
            &Installer::sltDownloadComplete);
    connect(m_downloader,
            &DownloadManager::sigDownloadProgress,
            this,
            &Installer::sltDownloadProgress);
    connect(m_downloader, &DownloadManager::sigDownloadError, this, &Installer::sltDownloadError);
    connect(m_downloader,
            &DownloadManager::sigDownloadTimeout,
            this,
            &Installer::sltDownloadTimeout);
    connect(m_downloader,
            &DownloadManager::sigDownloadCanBePaused,
            this,
            &Installer::sltDownloadCanBePaused);
    // A server that never stops sending must not fill the disk. The catalogue's size, when it
    // gives one, bounds the file; twice that, as a catalogue may lag a rebuilt installer by a
    // little (the file this run downloads counts, whatever its size).
    m_downloader->setSizeLimit(m_size > 0 ? 2 * m_size : 0);
    m_downloader->download(QUrl(m_url), hostDownloadPath());
}

void Installer::pause()
{
    if (m_downloader)
        m_downloader->pause();
}

void Installer::resume()
{
    if (m_downloader)
        m_downloader->resume();
}

void Installer::disconnectDownloader()
{
    if (m_downloader)
        disconnect(m_downloader, nullptr, this, nullptr);
}

void Installer::sltDownloadComplete()
{
    disconnectDownloader();
    if (!m_sha256.isEmpty()
        && !PayloadHash::matches(m_sha256, PayloadHash::ofFile(hostDownloadPath()))) {
        // A damaged or substituted file must neither run nor count as downloaded.
        QFile::remove(hostDownloadPath());
        emit sigDownloadDamaged(m_index);
        return;
    }
    // setup_runner starts the downloaded program itself.
    HostFiles::makeRunnable(hostDownloadPath());
    noteDownloadCompleted();
    emit sigDownloadComplete(m_index);
}

void Installer::sltDownloadProgress(qint64 nSpeed,
                                    qint64 iBytesAtPause,
                                    qint64 iBytesReceived,
                                    qint64 iBytesTotal)
{
    emit sigDownloadProgress(m_index, nSpeed, iBytesAtPause, iBytesReceived, iBytesTotal);
}

void Installer::sltDownloadError(QNetworkReply::NetworkError code)
{
    disconnectDownloader();
    emit sigDownloadError(m_index, code);
}

void Installer::sltDownloadTimeout()
{
    disconnectDownloader();
    emit sigDownloadTimeout(m_index);
}

void Installer::sltDownloadCanBePaused(bool bCanBePaused)
{
    emit sigDownloadCanBePaused(m_index, bCanBePaused);
}
