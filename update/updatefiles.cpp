#include "updatefiles.h"

#include "hostpath.h"

#include <QFile>

QString UpdateFiles::hostPath(const QString &windowsPath)
{
    return QString::fromStdString(sys::toHostPath(windowsPath.toStdWString()));
}

void UpdateFiles::makeRunnable(const QString &hostFile)
{
    QFile::setPermissions(hostFile,
                          QFile::permissions(hostFile) | QFile::ExeOwner | QFile::ExeUser
                                  | QFile::ExeGroup | QFile::ExeOther);
}

void UpdateFiles::dropDownloader(DownloadManager *&downloader, QObject *receiver)
{
    if (!downloader)
        return;
    downloader->disconnect(receiver);
    downloader->pause();
    downloader->deleteLater();
    downloader = nullptr;
}
