// How long the window's thread goes without running its event loop while the update dialogs look
// for scanners that are not there: no scanner on USB (an empty simulated machine), no DNS-SD
// daemon (the system bus points nowhere), no update server (a closed port). It drives the update
// question into the connect dialog, then the device list, each for a while, with a 10 ms heartbeat
// timer on the window's thread; the longest gap between two beats beyond the beat's own 10 ms is
// the longest stall a person would see as a frozen window.
// Usage: bench_responsiveness [SECONDS_PER_DIALOG]

#include "checkupdatedlg.h"
#include "connectscannerdlg.h"
#include "messageseam.h"
#include "scannerinfo.h"
#include "selectscannerdlg.h"
#include "updateseams.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int BeatMs = 10;

class Heartbeat : public QObject
{
public:
    Heartbeat()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(BeatMs);
        connect(&m_timer, &QTimer::timeout, this, &Heartbeat::beat);
    }

    void restart()
    {
        m_longest = 0;
        m_clock.start();
        m_timer.start();
    }
    qint64 longestStall() const { return std::max<qint64>(0, m_longest - BeatMs); }

private:
    void beat() { m_longest = std::max(m_longest, m_clock.restart()); }

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_longest = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The DNS-SD library talks to its daemon over the system bus: here there is none.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/bench-responsiveness");
    QTemporaryDir work;
    qputenv("TMPDIR", QFile::encodeName(work.path()));
    qputenv("TAM_MACHINE", QFile::encodeName(work.path() + "/machine"));
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList arguments = app.arguments();
    const double seconds = arguments.size() > 1 ? arguments.at(1).toDouble() : 8.0;
    const int dialogMs = int(seconds * 1000);
    if (dialogMs <= 0) {
        out << "bench_responsiveness: SECONDS_PER_DIALOG must be a positive number\n";
        return 2;
    }

    MessageSeam::setHandler(
            [](QObject *, MessageSeam::Icon, const QString &, const QString &, int, int) {
                return int(MessageSeam::Ok);
            });
    // Each dialog is left after its time, as a person would who has no scanner at hand.
    UpdateSeams::setRunner([dialogMs](QDialog *dialog) {
        QTimer::singleShot(dialogMs, dialog, &QDialog::reject);
        return dialog->exec();
    });

    const QString productFile = work.filePath("scanner_win.xml");
    QFile product(productFile);
    if (!product.open(QIODevice::WriteOnly)) {
        out << "bench_responsiveness: cannot write " << productFile << '\n';
        return 1;
    }
    product.write("<Scanner ShortName=\"DS\" LongName=\"Bench Scanner\" PID=\"0a41\" "
                  "BundleType=\"A\" MinSetupVersion=\"1.0\" "
                  "update_url=\"https://127.0.0.1:1/Downloads/updater\"/>");
    product.close();
    ScannerInfo info;
    if (!info.load(productFile, true, false)) {
        out << "bench_responsiveness: cannot read " << productFile << '\n';
        return 1;
    }

    Heartbeat heartbeat;
    heartbeat.restart();
    {
        // "Yes" at once: the search, then the connect dialog.
        CheckUpdateDlg check(nullptr, &info, Qt::WindowFlags(), false, true);
        QTimer::singleShot(2 * dialogMs, &check, &QDialog::reject);
        check.exec();
    }
    const qint64 connectStall = heartbeat.longestStall();

    heartbeat.restart();
    {
        SelectScannerDlg select(nullptr, work.path());
        select.show();
        UpdateSeams::run(&select);
    }
    const qint64 listStall = heartbeat.longestStall();

    out << "update question and connect dialog: longest stall " << connectStall << " ms\n"
        << "device list: longest stall " << listStall << " ms\n"
        << "longest event-loop stall: " << std::max(connectStall, listStall)
        << " ms (goal <= 100 ms)\n";
    return 0;
}
