#pragma once

// Small file chores shared by the update dialogs: Windows-form paths as the host knows them,
// making a downloaded program runnable, and their downloaders. What the update server is asked
// for, and how its files are read, is UpdateClient's.

#include "downloadmanager.h"

#include <QString>

class UpdateFiles
{
public:
    // A downloader owned by dialog, its signals connected to the dialog's slots of the same
    // names, as every update dialog follows its downloads.
    template<class Dialog>
    static DownloadManager *newDownloader(Dialog *dialog)
    {
        auto *downloader = new DownloadManager(dialog);
        QObject::connect(downloader,
                         &DownloadManager::downloadComplete,
                         dialog,
                         &Dialog::sltDownloadComplete);
        QObject::connect(downloader,
                         &DownloadManager::sigDownloadProgress,
                         dialog,
                         &Dialog::sltDownloadProgress);
        QObject::connect(
                downloader, &DownloadManager::sigDownloadError, dialog, &Dialog::sltDownloadError);
        QObject::connect(downloader,
                         &DownloadManager::sigDownloadTimeout,
                         dialog,
                         &Dialog::sltDownloadTimeout);
        QObject::connect(downloader,
                         &DownloadManager::sigDownloadCanBePaused,
                         dialog,
                         &Dialog::sltDownloadCanBePaused);
        return downloader;
    }
    // Pauses the downloader (its side file stays) and lets it go: it may be the one emitting
    // right now, so it is deleted once its signal has returned. downloader becomes null.
    static void dropDownloader(DownloadManager *&downloader, QObject *receiver);
};
