#include "updatefiles.h"

#include "hostpath.h"

#include <QFile>

void UpdateFiles::dropDownloader(DownloadManager *&downloader, QObject *receiver)
{
    if (!downloader)
        return;
    downloader->disconnect(receiver);
    downloader->pause();
    downloader->deleteLater();
    downloader = nullptr;
}
