// One fetch for the download benchmark, in a process of its own so that its memory can be
// measured: with the programs' DownloadManager, or with a bare QNetworkAccessManager loop to
// see where the time goes. Prints "elapsed_ms N bytes N idle_rss_kib N peak_rss_kib N".
#include "downloadmanager.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTextStream>
#include <QThread>

#include <atomic>
#include <thread>

namespace {
qint64 statusKib(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Resets VmHWM to the current resident size, so that the peak counts from here.
void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() < 3) {
        QTextStream(stderr) << "usage: fetch manager|qnam URL TARGET [--buffer BYTES] [--http2]"
                               " [--buffered-file] [--progress-only] [--slow-drain] [--head-first "
                               "[--head-close]]"
                               " [--sample-peak]\n";
        return 2;
    }
    const QString mode = args.at(0);
    const QUrl url(args.at(1));
    const QString target = args.at(2);
    const bool http2 = args.contains(QStringLiteral("--http2"));
    const bool bufferedFile = args.contains(QStringLiteral("--buffered-file"));
    const bool progressOnly = args.contains(QStringLiteral("--progress-only"));
    // Stands for a busy user-interface thread: each drain is held up for a millisecond.
    const bool slowDrain = args.contains(QStringLiteral("--slow-drain"));
    const int bufferAt = args.indexOf(QStringLiteral("--buffer"));
    const qint64 readBuffer = bufferAt >= 0 ? args.value(bufferAt + 1).toLongLong() : 0;
    QLoggingCategory::setFilterRules(QStringLiteral("tam.download.debug=false"));

    QElapsedTimer clock;
    qint64 idle = 0;
    int status = 1;

    DownloadManager manager;
    QNetworkAccessManager network;
    QFile file(target);
    QObject::connect(&manager, &DownloadManager::downloadComplete, [&] {
        status = 0;
        app.quit();
    });
    QObject::connect(&manager, &DownloadManager::sigDownloadError, [&] { app.quit(); });
    QObject::connect(&manager, &DownloadManager::sigDownloadTimeout, [&] { app.quit(); });

    idle = statusKib("VmRSS:");
    resetPeak();
    clock.start();
    // When the peak happens tells which buffer grew: at the start or under way.
    // Off by default: the sampling costs CPU time of its own.
    std::atomic<bool> sampling{args.contains(QStringLiteral("--sample-peak"))};
    qint64 peakAtMs = 0;
    qint64 peakAnon = 0;
    qint64 peakFile = 0;
    std::thread sampler([&] {
        qint64 peak = 0;
        while (sampling) {
            const qint64 rss = statusKib("VmRSS:");
            if (rss > peak) {
                peak = rss;
                peakAtMs = clock.elapsed();
                peakAnon = statusKib("RssAnon:");
                peakFile = statusKib("RssFile:");
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });
    if (mode == QLatin1String("manager")) {
        manager.download(url, target);
    } else {
        QIODevice::OpenMode openMode = QIODevice::WriteOnly | QIODevice::Truncate;
        if (!bufferedFile)
            openMode |= QIODevice::Unbuffered;
        if (!file.open(openMode))
            return 1;
        QNetworkRequest request(url);
        if (http2) {
            request.setAttribute(QNetworkRequest::Http2AllowedAttribute, true);
            request.setAttribute(QNetworkRequest::Http2DirectAttribute, true);
        }
        if (args.contains(QStringLiteral("--head-first"))) {
            // As the downloader does: the GET then reuses the HEAD's connection.
            QNetworkRequest headRequest(request);
            if (args.contains(QStringLiteral("--head-close")))
                headRequest.setRawHeader("Connection", "close");
            QNetworkReply *head = network.head(headRequest);
            QEventLoop wait;
            QObject::connect(head, &QNetworkReply::finished, &wait, &QEventLoop::quit);
            wait.exec();
            head->deleteLater();
        }
        QNetworkReply *reply = network.get(request);
        reply->setReadBufferSize(readBuffer);
        auto drain = [&file, reply, slowDrain] {
            if (slowDrain)
                QThread::msleep(1);
            while (reply->bytesAvailable() > 0)
                file.write(reply->readAll());
        };
        if (progressOnly)
            QObject::connect(reply, &QNetworkReply::downloadProgress, drain);
        else
            QObject::connect(reply, &QNetworkReply::readyRead, drain);
        QObject::connect(reply, &QNetworkReply::finished, [&] {
            drain();
            file.close();
            status = reply->error() == QNetworkReply::NoError ? 0 : 1;
            app.quit();
        });
    }
    app.exec();
    const qint64 elapsed = clock.elapsed();
    sampling = false;
    sampler.join();
    if (args.contains(QStringLiteral("--sample-peak")))
        QTextStream(stderr) << "peak_at_ms " << peakAtMs << " of " << elapsed << " anon_kib "
                            << peakAnon << " file_kib " << peakFile << '\n';

    QTextStream(stdout) << "elapsed_ms " << elapsed << " bytes " << QFileInfo(target).size()
                        << " idle_rss_kib " << idle << " peak_rss_kib " << statusKib("VmHWM:")
                        << '\n';
    return status;
}
