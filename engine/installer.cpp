#include "installer.h"

#include "executable.h"
#include "hostfiles.h"

#include <QFileInfo>
#include <QHash>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcInstaller, "tam.engine.installer", QtInfoMsg)

namespace {

// Host path -> size of every payload the downloader completed in this run. The downloader
// renames its side file to the target only after a clean transfer, so such a file is whole
// even when the catalogue states another size.
QHash<QString, qint64> &completedDownloads()
{
    static QHash<QString, qint64> files;
    return files;
}

} // namespace

Installer::Installer(QObject *parent)
    : QObject(parent)
    , m_mainInstallStep(new Executable(this))
{}

void Installer::addPreInstallStep(Executable *step)
{
    step->setParent(this);
    m_preInstallSteps.append(step);
}

void Installer::addPostInstallStep(Executable *step)
{
    step->setParent(this);
    m_postInstallSteps.append(step);
}

QString Installer::hostDownloadPath() const
{
    return HostFiles::hostPath(m_downloadPath);
}

bool Installer::isDownloaded() const
{
    if (m_url.isEmpty())
        return true;
    const QFileInfo file(hostDownloadPath());
    if (!file.isFile() || !file.isReadable())
        return false;
    // Without a size in the catalogue there is nothing to compare with; only a finished
    // download leaves a file under the target's name.
    if (file.size() == m_size || m_size <= 0)
        return true;
    return completedDownloads().value(file.filePath(), -1) == file.size();
}

qint64 Installer::payloadSize() const
{
    return completedDownloads().value(QFileInfo(hostDownloadPath()).filePath(), m_size);
}

void Installer::noteDownloadCompleted()
{
    const QFileInfo file(hostDownloadPath());
    if (!file.isFile())
        return;
    completedDownloads().insert(file.filePath(), file.size());
    if (m_size > 0 && file.size() != m_size)
        qCWarning(lcInstaller,
                  "%s: the catalogue states %lld bytes, the download has %lld",
                  qPrintable(m_url),
                  static_cast<long long>(m_size),
                  static_cast<long long>(file.size()));
}
