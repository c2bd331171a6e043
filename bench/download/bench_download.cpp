// Download benchmark: a 1 GiB file from nginx on loopback, fetched in turn by DownloadManager
// (in a child process, for its memory) and by "curl -o", several rounds. Prints the median
// throughput ratio ours / curl and our peak resident memory above the idle process.
#include "nginxserver.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

#include <sys/resource.h>
#include <unistd.h>

namespace {
QTextStream out(stdout);

struct Sample
{
    double seconds = 0;
    double cpuSeconds = 0;
    qint64 bytes = 0;
    qint64 extraKib = 0;
};

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const int n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// CPU time (user + system) of the children that have ended so far. Less sensitive than the
// wall clock to other work on a shared machine.
double childCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

bool run(const QString &program,
         const QStringList &arguments,
         QByteArray *output,
         double *cpuSeconds)
{
    const double cpuBefore = childCpuSeconds();
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForStarted() || !process.waitForFinished(600000)
        || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        out << program << " failed: " << process.errorString() << '\n';
        return false;
    }
    *output = process.readAllStandardOutput();
    *cpuSeconds = childCpuSeconds() - cpuBefore;
    return true;
}

bool makeFile(const QString &path, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray block(1 << 20, Qt::Uninitialized);
    quint64 seed = 88172645463325252ULL;
    for (qint64 written = 0; written < size; written += block.size()) {
        for (int i = 0; i < block.size(); i += 8) {
            seed ^= seed << 13;
            seed ^= seed >> 7;
            seed ^= seed << 17;
            memcpy(block.data() + i, &seed, 8);
        }
        if (file.write(block.constData(), qMin<qint64>(block.size(), size - written)) < 0)
            return false;
    }
    return true;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    int rounds = 5;
    qint64 sizeMib = 1024;
    bool http2 = false;
    QString mode = QStringLiteral("manager");
    QStringList fetchArgs;
    QString targetDir;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--rounds"))
            rounds = args.value(++i).toInt();
        else if (args[i] == QLatin1String("--size-mib"))
            sizeMib = args.value(++i).toLongLong();
        else if (args[i] == QLatin1String("--http2"))
            http2 = true;
        else if (args[i] == QLatin1String("--mode"))
            mode = args.value(++i);
        else if (args[i] == QLatin1String("--target-dir"))
            targetDir = args.value(++i);
        else if (args[i] == QLatin1String("--fetch-arg"))
            fetchArgs << args.value(++i);
        else {
            out << "usage: bench_download [--rounds N] [--size-mib N] [--http2]"
                   " [--mode manager|qnam] [--fetch-arg ARG]... [--target-dir DIR]\n";
            return 2;
        }
    }
    if (http2)
        fetchArgs << QStringLiteral("--http2");

    QTemporaryDir root;
    // The fetched file goes to a temporary folder (on disk) unless told otherwise, e.g.
    // /dev/shm to take the disk out of the comparison.
    QTemporaryDir work(targetDir.isEmpty() ? QDir::tempPath() + QStringLiteral("/bench_download")
                                           : targetDir + QStringLiteral("/bench_download"));
    const qint64 size = sizeMib << 20;
    out << "preparing a " << sizeMib << " MiB file..." << Qt::endl;
    if (!makeFile(root.filePath(QStringLiteral("big.bin")), size)) {
        out << "cannot write the test file\n";
        return 1;
    }
    NginxServer nginx;
    NginxServer::Options options;
    options.root = root.path();
    options.http2 = http2;
    if (!nginx.start(options)) {
        out << "nginx: " << nginx.errorString() << '\n';
        return 1;
    }
    const QString url = nginx.url(QStringLiteral("/big.bin")).toString();
    const QString target = work.filePath(QStringLiteral("big.bin"));
    out << "nginx on " << url << (http2 ? " (HTTP/2, prior knowledge)" : " (HTTP/1.1)") << ", "
        << rounds << " rounds, ours: " << mode << ' ' << fetchArgs.join(' ') << Qt::endl;

    QList<double> curlRates;
    QList<double> ourRates;
    QList<double> curlCpu;
    QList<double> ourCpu;
    qint64 peakExtraKib = 0;
    for (int round = 0; round < rounds; ++round) {
        Sample curl;
        Sample ours;
        for (int turn = 0; turn < 2; ++turn) {
            QFile::remove(target);
            QFile::remove(target + QStringLiteral(".part"));
            // Neither side inherits the other's writeback: with 1 GiB still dirty, writes
            // block and the next fetch measures the disk instead.
            ::sync();
            QByteArray output;
            // Alternate who goes first, so that neither always meets a warm or busy disk.
            if ((turn == 0) == (round % 2 == 0)) {
                QStringList curlArgs{QStringLiteral("-s"),
                                     QStringLiteral("-o"),
                                     target,
                                     QStringLiteral("-w"),
                                     QStringLiteral("%{time_total} %{size_download}")};
                if (http2)
                    curlArgs << QStringLiteral("--http2-prior-knowledge");
                if (!run(QStringLiteral("curl"), curlArgs << url, &output, &curl.cpuSeconds))
                    return 1;
                const QList<QByteArray> fields = output.trimmed().split(' ');
                curl.seconds = fields.value(0).toDouble();
                curl.bytes = fields.value(1).toLongLong();
            } else {
                if (!run(QStringLiteral(FETCH_PROGRAM),
                         QStringList{mode, url, target} + fetchArgs,
                         &output,
                         &ours.cpuSeconds))
                    return 1;
                const QList<QByteArray> f = output.trimmed().split(' ');
                ours.seconds = f.value(1).toDouble() / 1000.0;
                ours.bytes = f.value(3).toLongLong();
                ours.extraKib = f.value(7).toLongLong() - f.value(5).toLongLong();
            }
        }
        QFile::remove(target);
        if (curl.bytes != size || ours.bytes != size) {
            out << "round " << round + 1 << ": wrong size (curl " << curl.bytes << ", ours "
                << ours.bytes << ")\n";
            return 1;
        }
        const double curlRate = size / curl.seconds / (1 << 20);
        const double ourRate = size / ours.seconds / (1 << 20);
        curlRates << curlRate;
        ourRates << ourRate;
        curlCpu << curl.cpuSeconds;
        ourCpu << ours.cpuSeconds;
        peakExtraKib = qMax(peakExtraKib, ours.extraKib);
        out << QStringLiteral("round %1: curl %2 MiB/s (cpu %5 s), ours %3 MiB/s (cpu %6 s), "
                              "ours peak +%4 MiB")
                        .arg(round + 1)
                        .arg(curlRate, 0, 'f', 0)
                        .arg(ourRate, 0, 'f', 0)
                        .arg(ours.extraKib / 1024.0, 0, 'f', 1)
                        .arg(curl.cpuSeconds, 0, 'f', 2)
                        .arg(ours.cpuSeconds, 0, 'f', 2)
            << Qt::endl;
    }

    const double ratio = median(ourRates) / median(curlRates);
    out << QStringLiteral("median throughput: curl %1 MiB/s, DownloadManager %2 MiB/s\n")
                    .arg(median(curlRates), 0, 'f', 0)
                    .arg(median(ourRates), 0, 'f', 0);
    out << QStringLiteral("ratio DownloadManager / curl: %1 (goal >= 0.95)\n")
                    .arg(ratio, 0, 'f', 3);
    out << QStringLiteral("median cpu time: curl %1 s, DownloadManager %2 s\n")
                    .arg(median(curlCpu), 0, 'f', 2)
                    .arg(median(ourCpu), 0, 'f', 2);
    out << QStringLiteral("peak resident memory above idle: %1 MiB (goal <= 64 MiB)\n")
                    .arg(peakExtraKib / 1024.0, 0, 'f', 1);
    return 0;
}
