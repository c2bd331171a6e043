// Download fault soak: downloads from a local server that misbehaves in a different way each
// time (dropped connection at a random byte, a stall past the inactivity timer, a 200 for a
// ranged request, a short body, a 5xx, a wrong Content-Range, a file that changes between pause
// and resume). Each must end complete and byte-identical to what the server serves, or as an
// error with neither the target nor the side file left. Prints the counts per fault and exits
// with 1 when any download broke that rule.
//
//   bench_download_soak [--downloads N] [--seed S]

#include "downloadmanager.h"
#include "testhttpserver.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QMap>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

namespace {

QTextStream out(stdout);

// The inactivity timer of the soak's downloaders: short, so a stall costs a second, not 15.
constexpr int soakTimeout = 600;

enum Fault { Clean, Drop, Stall, RangeIgnored, ShortBody, ServerError, WrongRange, Changed, Count };
const char *const faultNames[Count] = {"clean, paused and resumed",
                                       "connection dropped",
                                       "stall past the timer",
                                       "200 for a ranged request",
                                       "short body",
                                       "5xx",
                                       "wrong Content-Range",
                                       "file changed while paused"};

QByteArray makeBody(QRandomGenerator &random, int size)
{
    QByteArray body(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        body[i] = char(random.bounded(256));
    return body;
}

QByteArray entityTag(const QByteArray &body)
{
    return '"' + QCryptographicHash::hash(body, QCryptographicHash::Sha1).toHex() + '"';
}

struct Outcome
{
    bool complete = false;
    bool ruleKept = false;
    QString what;
};

Outcome runOne(TestHttpServer &server, Fault fault, QRandomGenerator &random, const QString &target)
{
    const int size = 100000 + int(random.bounded(300000));
    TestHttpServer::Behaviour &b = server.behaviour();
    b = TestHttpServer::Behaviour();
    b.body = makeBody(random, size);
    b.etag = random.bounded(2) ? entityTag(b.body) : QByteArray();
    b.bytesPerSecond = 1000000;
    const qint64 somewhere = 1 + random.bounded(size - 1);
    // Faults of the resumed request are set up while the download is paused.
    const bool pauses
            = fault == Clean || fault == RangeIgnored || fault == WrongRange || fault == Changed;
    switch (fault) {
    case Drop:
        b.dropAt = somewhere;
        break;
    case Stall:
        b.stallAt = somewhere;
        b.stallMs = soakTimeout + 400;
        break;
    case ShortBody:
        b.headLength = size + 1 + random.bounded(10000);
        break;
    case ServerError:
        b.getStatus = random.bounded(2) ? 500 : 503;
        break;
    default:
        break;
    }

    DownloadManager manager;
    manager.setInactivityTimeout(soakTimeout);
    QSignalSpy complete(&manager, &DownloadManager::downloadComplete);
    QSignalSpy error(&manager, &DownloadManager::sigDownloadError);
    QSignalSpy timeout(&manager, &DownloadManager::sigDownloadTimeout);
    QSignalSpy progress(&manager, &DownloadManager::sigDownloadProgress);
    auto ends = [&] { return complete.count() + error.count() + timeout.count(); };
    manager.download(server.url(), target);

    if (pauses && QTest::qWaitFor([&] { return !progress.isEmpty() || ends() > 0; }, 10000)
        && ends() == 0) {
        manager.pause();
        if (fault == RangeIgnored)
            b.honourRange = false;
        else if (fault == WrongRange)
            b.forcedRangeStart = random.bounded(size);
        else if (fault == Changed) {
            b.body = makeBody(random, size - 5000 + int(random.bounded(10000)));
            if (!b.etag.isEmpty())
                b.etag = entityTag(b.body);
        }
        manager.resume();
    }
    Outcome outcome;
    if (!QTest::qWaitFor([&] { return ends() > 0; }, 20000)) {
        outcome.what = QStringLiteral("never ended");
        return outcome;
    }
    QTest::qWait(20); // anything after the end would show now
    outcome.complete = complete.count() == 1;
    const bool targetExists = QFile::exists(target);
    const bool partExists = QFile::exists(target + QStringLiteral(".part"));
    if (ends() != 1) {
        outcome.what = QStringLiteral("%1 ends").arg(ends());
    } else if (outcome.complete) {
        QFile file(target);
        file.open(QIODevice::ReadOnly);
        outcome.ruleKept = file.readAll() == b.body && !partExists;
        if (!outcome.ruleKept)
            outcome.what = QStringLiteral("complete, but not the server's file");
    } else {
        outcome.ruleKept = !targetExists && !partExists;
        if (!outcome.ruleKept)
            outcome.what = QStringLiteral("failed, but left %1")
                                   .arg(targetExists ? "the target" : "the side file");
    }
    QFile::remove(target);
    QFile::remove(target + QStringLiteral(".part"));
    return outcome;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    int downloads = 100;
    quint32 seed = QRandomGenerator::global()->generate();
    const QStringList arguments = application.arguments();
    for (int i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments[i] == QLatin1String("--downloads"))
            downloads = arguments[i + 1].toInt();
        else if (arguments[i] == QLatin1String("--seed"))
            seed = arguments[i + 1].toUInt();
    }
    TestHttpServer server;
    if (!server.listen()) {
        out << "cannot listen on 127.0.0.1\n";
        return 1;
    }
    QTemporaryDir folder;
    QRandomGenerator random(seed);
    QMap<int, QPair<int, int>> counts; // fault -> (complete, error)
    int broken = 0;
    for (int i = 0; i < downloads; ++i) {
        const Fault fault = Fault(i % Count);
        const Outcome outcome
                = runOne(server, fault, random, folder.filePath(QStringLiteral("file.bin")));
        (outcome.complete ? counts[fault].first : counts[fault].second)++;
        if (!outcome.ruleKept) {
            ++broken;
            out << "download " << i << " (" << faultNames[fault] << "): " << outcome.what << '\n';
        }
    }
    out << "download soak: " << downloads << " downloads, seed " << seed << '\n';
    out << QStringLiteral("  %1 %2 %3\n")
                    .arg(QStringLiteral("fault"), -28)
                    .arg(QStringLiteral("complete"), 9)
                    .arg(QStringLiteral("error"), 6);
    int complete = 0, failed = 0;
    for (int f = 0; f < Count; ++f) {
        out << QStringLiteral("  %1 %2 %3\n")
                        .arg(QLatin1String(faultNames[f]), -28)
                        .arg(counts[f].first, 9)
                        .arg(counts[f].second, 6);
        complete += counts[f].first;
        failed += counts[f].second;
    }
    out << QStringLiteral("  complete and byte-identical: %1, reported as errors: %2, broken: %3\n")
                    .arg(complete)
                    .arg(failed)
                    .arg(broken);
    out.flush();
    return broken == 0 ? 0 : 1;
}
