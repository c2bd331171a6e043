// The unattended path end to end on a copy of the demo disc: the catalogue is read, the
// checks answer, the staged payload counts as downloaded, the real helper (its test variant)
// installs, and the exit code, log and report say what happened. The demo's Scan Button Manager
// asks for a restart: the run stops there with 3010 and the same command finishes afterwards.

#include "deploytestsupport.h"
#include "registry.h"

namespace {

bool hasRecoveryEntry()
{
    const sys::RegKey key
            = sys::RegKey::open(sys::RegRoot::CurrentUser,
                                L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce",
                                sys::RegAccess::QueryValue);
    std::wstring value;
    return key.isOpen() && key.readString(L"TamRecoverInstall", value);
}

} // namespace

class TestUnattendedInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void installsTheSelectionOnce();
    void stopsForTheRestartAndFinishesAfterIt();

private:
    DeployTestBench m_bench;
    DeployTestDisc m_disc;
};

void TestUnattendedInstall::initTestCase()
{
    QVERIFY(m_bench.prepare());
    QVERIFY(m_disc.create(m_bench.path(QStringLiteral("disc"))));
    // The share's verified copy of the one web-only application: nothing is fetched.
    QVERIFY(QDir().mkpath(m_disc.file(QStringLiteral("Downloads"))));
    QVERIFY(QFile::copy(QStringLiteral(TAM_DEMO_WEB "/Downloads/demo/CloudConnectSetup.exe"),
                        m_disc.file(QStringLiteral("Downloads/CloudConnectSetup.exe"))));
}

void TestUnattendedInstall::init()
{
    m_bench.startMachine();
}

void TestUnattendedInstall::cleanup()
{
    m_bench.endMachine();
}

void TestUnattendedInstall::installsTheSelectionOnce()
{
    const QStringList command{QStringLiteral("/quiet"),
                              QStringLiteral("/select"),
                              QStringLiteral("scanutility,TextRecognition")};
    const DeployRunResult first = runUnattended(m_disc.folder(), command, m_bench.runs());
    const QMap<QString, QString> results = first.results();
    QCOMPARE(results.value(QStringLiteral("ScanUtility")), QStringLiteral("installed"));
    // The pack's cabinet is a payload, which the helper copies before it runs it.
    if (underWine()) {
        QCOMPARE(results.value(QStringLiteral("TextRecognition")), QStringLiteral("failed"));
        QVERIFY(first.logged(QStringLiteral("could not prepare the protected folder")));
        QCOMPARE(first.exitCode, 1603);
    } else {
        QCOMPARE(results.value(QStringLiteral("TextRecognition")), QStringLiteral("installed"));
        QVERIFY2(first.exitCode == 0, qPrintable(first.logText()));
    }
    QCOMPARE(first.report.value(QStringLiteral("exitCode")).toInt(), first.exitCode);
    // The program the helper ran, with its exit code, in the report and the log.
    const QJsonArray programs = first.report.value(QStringLiteral("applications"))
                                        .toArray()
                                        .first()[QStringLiteral("programs")]
                                        .toArray();
    QCOMPARE(programs.size(), 1);
    QVERIFY(programs.first()[QStringLiteral("program")].toString().endsWith(
            QStringLiteral("Software/Capture/CaptureSetup.exe")));
    QCOMPARE(programs.first()[QStringLiteral("exitCode")].toInt(), 0);
    for (const QString &expected :
         {QStringLiteral("check of DocuStream Capture, installer \"DocuStream Capture\": upgrade "
                         "code {2F4E6A8C-1B3D-4F5A-8C7E-9D0B1A2C3E4F} at version 3.2 or newer: not "
                         "installed"),
          QStringLiteral("takes as accepted"),
          QStringLiteral("CaptureSetup.exe ended with exit code 0"),
          QStringLiteral("setup_runner finished the run")})
        QVERIFY2(first.logged(expected),
                 qPrintable(expected + QStringLiteral("\n") + first.logText()));
    if (underWine())
        QSKIP("Wine keeps no ACL on files: the helper refuses the pack every time");

    // The same command again: the checks find everything, the helper is not started.
    const DeployRunResult again = runUnattended(m_disc.folder(), command, m_bench.runs());
    QCOMPARE(again.exitCode, 0);
    QCOMPARE(again.results().values(),
             QStringList({QStringLiteral("alreadyInstalled"), QStringLiteral("alreadyInstalled")}));
    QVERIFY2(!again.logged(QStringLiteral("setup_runner")), qPrintable(again.logText()));
}

void TestUnattendedInstall::stopsForTheRestartAndFinishesAfterIt()
{
    // Under Wine only what needs no downloaded payload: its helper refuses every one.
    const QStringList command
            = underWine() ? QStringList{QStringLiteral("/quiet"),
                                        QStringLiteral("/select"),
                                        QStringLiteral("ScanUtility,ButtonManager")}
                          : QStringList{QStringLiteral("-QUIET"), QStringLiteral("-all")};
    const QString log = QStringLiteral("restart.log");
    const DeployRunResult first = runUnattended(m_disc.folder(), command, m_bench.runs(), log);
    QVERIFY2(first.exitCode == 3010, qPrintable(first.logText()));
    QCOMPARE(first.report.value(QStringLiteral("restartRequired")).toBool(), true);
    const QMap<QString, QString> results = first.results();
    QCOMPARE(results.value(QStringLiteral("ButtonManager")), QStringLiteral("installed"));
    if (!underWine()) {
        QCOMPARE(results.value(QStringLiteral("Driver")), QStringLiteral("alreadyInstalled"));
        QCOMPARE(results.value(QStringLiteral("PaperDesk")), QStringLiteral("alreadyInstalled"));
        QCOMPARE(results.value(QStringLiteral("CloudConnect")), QStringLiteral("postponed"));
    }
    QVERIFY(first.logged(QStringLiteral("\"Scan Button Manager\" asks for a restart")));
    // Nothing restarted, nothing asked, nothing left to run at the next logon: the deployment
    // tool drives the restart.
    QVERIFY(!QFileInfo::exists(m_bench.machine().path(QStringLiteral("machine/reboot-requested"))));
    QVERIFY(!hasRecoveryEntry());

    const DeployRunResult second = runUnattended(m_disc.folder(), command, m_bench.runs(), log);
    QVERIFY2(second.exitCode == 0, qPrintable(second.logText()));
    QCOMPARE(second.results().value(QStringLiteral("ButtonManager")),
             QStringLiteral("alreadyInstalled"));
    if (!underWine()) {
        QCOMPARE(second.results().value(QStringLiteral("CloudConnect")),
                 QStringLiteral("installed"));
        QVERIFY2(second.logged(QStringLiteral("counts as downloaded")),
                 qPrintable(second.logText()));
        QVERIFY(!second.logged(QStringLiteral("downloading")));
    }
    // Both runs in the one log, one after the other.
    const QString both = second.logText();
    QVERIFY(both.indexOf(QStringLiteral("setup ends with exit code 3010")) >= 0);
    QVERIFY(both.indexOf(QStringLiteral("setup ends with exit code 3010"))
            < both.lastIndexOf(QStringLiteral("setup ends with exit code 0")));
}

QTEST_GUILESS_MAIN(TestUnattendedInstall)
#include "tst_unattendedinstall.moc"
