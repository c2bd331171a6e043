#include "disctoolcommand.h"

#include "downloadmanager.h"

#include <QEventLoop>
#include <QTextStream>
#include <QTimer>
#include <QUrl>

#include <climits>

// disctool download: lets disc authors try their update server with the same downloader the
// programs use, one line per signal as it arrives.
namespace {
const QCommandLineOption PauseAt(QStringLiteral("pause-at"),
                                 QStringLiteral("Pauses once this many bytes have arrived."),
                                 QStringLiteral("BYTES"));
const QCommandLineOption ResumeAfter(QStringLiteral("resume-after"),
                                     QStringLiteral("Resumes a pause after this many "
                                                    "milliseconds (default 0)."),
                                     QStringLiteral("MS"));

// The option's value as a number from 0 to limit; false when it is none.
bool numberOf(const QCommandLineParser &parser,
              const QCommandLineOption &option,
              qint64 limit,
              qint64 &value)
{
    if (!parser.isSet(option))
        return true;
    bool ok = false;
    value = parser.value(option).toLongLong(&ok);
    return ok && value >= 0 && value <= limit;
}

int runDownload(const QCommandLineParser &parser)
{
    QTextStream out(stdout);
    const QStringList positional = parser.positionalArguments();
    qint64 pauseAt = -1;
    qint64 resumeAfter = 0;
    if (!numberOf(parser, PauseAt, LLONG_MAX, pauseAt))
        return DiscToolCommand::refuse(QStringLiteral("--pause-at needs a number"));
    if (!numberOf(parser, ResumeAfter, INT_MAX, resumeAfter))
        return DiscToolCommand::refuse(QStringLiteral("--resume-after needs a number"));
    if (positional.size() != 2)
        return DiscToolCommand::refuse(QStringLiteral("an address and a target file are needed"));
    const QUrl url = QUrl::fromUserInput(positional.at(0));
    if (!url.isValid())
        return DiscToolCommand::refuse(
                QStringLiteral("\"%1\" is not an address").arg(positional.at(0)));

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
                    QTimer::singleShot(int(resumeAfter), &manager, &DownloadManager::resume);
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

const DiscToolCommand command("download",
                              {"URL TARGET [--pause-at BYTES] [--resume-after MS]",
                               {PauseAt, ResumeAfter}},
                              runDownload);
} // namespace
