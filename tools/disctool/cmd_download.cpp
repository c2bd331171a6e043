#include "disctoolcommand.h"

#include "downloadmanager.h"

#include <QEventLoop>
#include <QTextStream>
#include <QTimer>
#include <QUrl>

// disctool download: lets disc authors try their update server with the same downloader the
// programs use, one line per signal as it arrives.
namespace {
int runDownload(const QStringList &arguments)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList positional;
    qint64 pauseAt = -1;
    int resumeAfter = 0;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--pause-at")
            || argument == QLatin1String("--resume-after")) {
            bool ok = false;
            const qint64 value = arguments.value(i + 1).toLongLong(&ok);
            if (!ok || value < 0
                || (argument == QLatin1String("--resume-after") && value > INT_MAX)) {
                err << "download: " << argument << " needs a number\n";
                return 1;
            }
            ++i;
            if (argument == QLatin1String("--pause-at"))
                pauseAt = value;
            else
                resumeAfter = int(value);
        } else if (argument.startsWith(QLatin1String("--"))) {
            err << "download: unknown option " << argument << '\n';
            return 1;
        } else {
            positional << argument;
        }
    }
    const QUrl url = QUrl::fromUserInput(positional.value(0));
    if (positional.size() != 2 || !url.isValid()) {
        err << "usage: disctool download URL TARGET [--pause-at BYTES] [--resume-after MS]\n";
        return 1;
    }

    DownloadManager manager;
    QEventLoop loop;
    int status = 1;
    bool paused = false;

    QObject::connect(&manager, &DownloadManager::sigDownloadCanBePaused, [&](bool bCanBePaused) {
        out << "canBePaused " << (bCanBePaused ? "true" : "false") << Qt::endl;
    });
    QObject::connect(
            &manager,
            &DownloadManager::sigDownloadProgress,
            [&](qint64 nSpeed, qint64 iBytesAtPause, qint64 iBytesReceived, qint64 iBytesTotal) {
                out << "progress " << nSpeed << ' ' << iBytesAtPause << ' ' << iBytesReceived << ' '
                    << iBytesTotal << Qt::endl;
                if (!paused && pauseAt >= 0 && iBytesAtPause + iBytesReceived >= pauseAt) {
                    paused = true;
                    manager.pause();
                    QTimer::singleShot(resumeAfter, &manager, &DownloadManager::resume);
                }
            });
    QObject::connect(&manager, &DownloadManager::downloadComplete, [&] {
        out << "complete" << Qt::endl;
        status = 0;
        loop.quit();
    });
    QObject::connect(
            &manager, &DownloadManager::sigDownloadError, [&](QNetworkReply::NetworkError code) {
                out << "error " << int(code) << Qt::endl;
                loop.quit();
            });
    QObject::connect(&manager, &DownloadManager::sigDownloadTimeout, [&] {
        out << "timeout" << Qt::endl;
        loop.quit();
    });

    manager.download(url, positional.at(1));
    loop.exec();
    return status;
}

const DiscToolCommand
        command("download", "URL TARGET [--pause-at BYTES] [--resume-after MS]", runDownload);
} // namespace
