// Installed-state refresh of a large catalogue against a machine with many installed
// products, as a ratio to one plain walk of the Uninstall key in both registry views.
//
// 100 applications x 3 installers (installer, upgrcode and displayname checkers) against
// 5,000 Uninstall entries in each view. The refresh must also give exactly the answers that
// checks with fresh walks of their own give; the benchmark verifies that before timing.

#include "application.h"
#include "installedsoftware.h"
#include "installer.h"
#include "machine.h"
#include "messageseam.h"
#include "registry.h"
#include "scannerinfo.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace {

// --entries N sets another count (the test suite's smoke run takes a small one).
int entriesPerView = 5000;
const int applications = 100;
const int rounds = 5;

QString guid(int view, int index)
{
    return QStringLiteral("{%1-0000-4000-8000-%2}")
            .arg(0xB0000000u + uint(view), 8, 16, QLatin1Char('0'))
            .arg(index, 12, 10, QLatin1Char('0'))
            .toUpper();
}

QString upgradeGuid(int index)
{
    return QStringLiteral("{C0DE0000-0000-4000-8000-%1}").arg(index, 12, 10, QLatin1Char('0'));
}

QString pack(const QString &code)
{
    return QString::fromStdWString(engine::InstalledSoftware::packGuid(code.toStdWString()));
}

// The machine's registry as one .reg import: Uninstall entries in both views and an upgrade
// code for every application, registering two of the products.
std::string machineRegistry()
{
    QString text = QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n");
    const QString uninstall[2]
            = {QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\"
                              "CurrentVersion\\Uninstall"),
               QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\"
                              "Uninstall")};
    for (int view = 0; view < 2; ++view) {
        for (int i = 0; i < entriesPerView; ++i) {
            text += QStringLiteral("[%1\\%2]\r\n\"DisplayName\"=\"Product %3-%4\"\r\n"
                                   "\"DisplayVersion\"=\"%5.%6\"\r\n\"Publisher\"=\"%7\"\r\n\r\n")
                            .arg(uninstall[view], guid(view, i))
                            .arg(view)
                            .arg(i)
                            .arg(i % 7)
                            .arg(i % 13)
                            .arg(i % 10 ? QStringLiteral("Other Corp")
                                        : QStringLiteral("Tamberlin"));
        }
    }
    for (int app = 0; app < applications; ++app) {
        text += QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\"
                               "CurrentVersion\\Installer\\UpgradeCodes\\%1]\r\n\"%2\"=\"\"\r\n"
                               "\"%3\"=\"\"\r\n\r\n")
                        .arg(pack(upgradeGuid(app)),
                             pack(guid(0, app * 37)),
                             pack(guid(0, app * 41 + 1)));
    }
    return text.toStdString();
}

QByteArray catalogue(int count)
{
    QString text = QStringLiteral("<Scanner ShortName=\"Bench\">");
    for (int app = 0; app < count; ++app) {
        // Every fourth application is installed whatever the versions are.
        const bool present = app % 4 == 1;
        // Half of the product codes exist; display names and versions vary so that every
        // match mode decides some checks each way.
        const QString code = app % 2 ? guid(1, app * 43) : guid(1, entriesPerView + app);
        text += QStringLiteral("<application ShortName=\"A%1\"><installationplatform Value=\"all\">"
                               "<installer DisplayName=\"code\" Executable=\"a.exe\"><checker "
                               "Type=\"installer\" QueryValue=\"%2\" MatchValue=\"3.1\" "
                               "MatchMode=\"%6\"/></installer>"
                               "<installer DisplayName=\"upgrade\" Executable=\"b.exe\"><checker "
                               "Type=\"upgrcode\" QueryValue=\"%3\" MatchValue=\"4\" "
                               "MatchMode=\"%7\"/></installer>"
                               "<installer DisplayName=\"name\" Executable=\"c.exe\"><checker "
                               "Type=\"displayname\" QueryValue=\"Product %4-%5\" MatchValue=\"2\" "
                               "MatchMode=\"%8\"/></installer>"
                               "</installationplatform></application>")
                        .arg(app)
                        .arg(code, upgradeGuid(app))
                        .arg(app % 2)
                        .arg(app * 50 + 7)
                        .arg(present ? "exists" : "isequalornewer",
                             present ? "exists" : "isnewer",
                             present ? "exists" : "isequalorolder");
    }
    text += QStringLiteral("</Scanner>");
    return text.toUtf8();
}

// Every answer of one refresh (installed state, pending installers, what each check found),
// for comparing a shared walk with per-check walks; the time the refresh took goes to ms.
QStringList answers(ScannerInfo &info, double &ms)
{
    QElapsedTimer timer;
    timer.start();
    info.refreshInstalledStates();
    ms = double(timer.nsecsElapsed()) / 1e6;
    QStringList lines;
    for (Application *application : info.applications()) {
        QString line = application->shortName() + ':';
        for (Installer *installer : application->pendingLocalInstallers())
            line += ' ' + installer->displayName();
        for (Installer *installer : application->installers()) {
            const Checker &checker = installer->checker();
            line += QStringLiteral(" [%1 %2]")
                            .arg(checker.foundVersion(), checker.foundProductCode());
        }
        lines << line;
    }
    return lines;
}

template<typename Work>
double medianMs(Work work)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const int entriesAt = app.arguments().indexOf(QStringLiteral("--entries"));
    if (entriesAt > 0) {
        entriesPerView = app.arguments().value(entriesAt + 1).toInt();
        if (entriesPerView <= 0) {
            QTextStream(stderr) << "usage: bench_catalogue [--verify-all] [--entries N]\n";
            return 2;
        }
    }
    QTemporaryDir folder;
    sys::setMachineRoot((folder.path() + QStringLiteral("/machine")).toStdString());
    MessageSeam::setHandler(
            [](QObject *, MessageSeam::Icon, const QString &, const QString &text, int, int) {
                QTextStream(stderr) << "unexpected box: " << text << '\n';
                return int(MessageSeam::Ok);
            });

    if (sys::importRegistryFile(machineRegistry(), L"bench.reg", sys::RegAccess::Wow64_64Key)
        != sys::RegError::Success) {
        QTextStream(stderr) << "could not set up the machine: "
                            << QString::fromStdWString(sys::registryErrorMessage()) << '\n';
        return 1;
    }
    // Checks with a walk each are slow: by default the answers are compared on the first ten
    // applications; --verify-all compares all of them.
    const int verified
            = app.arguments().contains(QStringLiteral("--verify-all")) ? applications : 10;
    ScannerInfo info;
    ScannerInfo sample;
    for (ScannerInfo *catalogueInfo : {&info, &sample}) {
        const int count = catalogueInfo == &info ? applications : verified;
        QFile file(folder.path() + QStringLiteral("/scanner_%1.xml").arg(count));
        file.open(QIODevice::WriteOnly);
        file.write(catalogue(count));
        file.close();
        catalogueInfo->setLanguage(QStringLiteral("en_us"));
        if (!catalogueInfo->load(file.fileName(), true, false)
            || catalogueInfo->applications().size() != count) {
            QTextStream(stderr) << "could not load the catalogue\n";
            return 1;
        }
    }

    const size_t walked
            = engine::InstalledSoftware::walkUninstall(engine::RegistryView::Bits32).size()
              + engine::InstalledSoftware::walkUninstall(engine::RegistryView::Bits64).size();
    double uncached = 0;
    double first = 0;
    engine::InstalledSoftware::setSnapshotsEnabled(false);
    const QStringList perCheck = answers(sample, uncached);
    engine::InstalledSoftware::setSnapshotsEnabled(true);
    const QStringList shared = answers(sample, first);
    if (shared != perCheck) {
        QTextStream(stderr) << "a shared walk answered differently from per-check walks\n";
        return 1;
    }
    answers(info, first);
    int installed = 0;
    for (Application *application : info.applications())
        installed += application->pendingLocalInstallers().isEmpty() ? 1 : 0;

    const double baseline = medianMs([] {
        engine::InstalledSoftware::walkUninstall(engine::RegistryView::Bits32);
        engine::InstalledSoftware::walkUninstall(engine::RegistryView::Bits64);
    });
    const double refresh = medianMs([&] { info.refreshInstalledStates(); });

    out << "catalogue refresh: " << applications << " applications x 3 installers, " << walked
        << " Uninstall entries, " << installed << " applications installed; answers of " << verified
        << " applications identical to per-check walks\n";
    out << QStringLiteral("baseline (one walk of the Uninstall key in both views): %1 ms\n")
                    .arg(baseline, 0, 'f', 2);
    out << QStringLiteral("refresh of every entry: %1 ms (with a walk per check: %2 ms for %3 "
                          "applications)\n")
                    .arg(refresh, 0, 'f', 2)
                    .arg(uncached, 0, 'f', 2)
                    .arg(verified);
    out << QStringLiteral("ratio refresh / baseline: %1 (goal <= 3)\n")
                    .arg(refresh / baseline, 0, 'f', 2);
    return 0;
}
