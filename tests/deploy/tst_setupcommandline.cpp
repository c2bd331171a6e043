// The real setup program started by a deployment tool: /? prints the switches, a bad command
// line names the switch on standard error, /quiet runs with no display at all and /passive
// with its one window, and a share laid out with its downloads installs after the update server
// has gone. Exit codes reach a Linux parent in their low 8 bits only (3010 arrives as 194); the
// log and the report carry them whole.

#include "nginxserver.h"
#include "testcertificates.h"

#include <QDirIterator>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct SetupRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

} // namespace

class TestSetupCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void printsUsage();
    void namesABadSwitch();
    void runsWithoutADisplay_data();
    void runsWithoutADisplay();
    void installsOfflineFromALaidOutShare();

private:
    SetupRun run(const QString &setup, const QStringList &arguments, bool display = false);
    bool freshMachine();

    QTemporaryDir m_root;
    QString m_machine;
    QString m_disc;
};

void TestSetupCommandLine::initTestCase()
{
    QVERIFY(m_root.isValid());
    m_machine = m_root.filePath(QStringLiteral("machine"));
    QVERIFY(QDir().mkpath(m_root.filePath(QStringLiteral("tmp"))));
    // A disc with the test helper, whose boxes are logged, in setup_runner's place.
    m_disc = m_root.filePath(QStringLiteral("disc"));
    QVERIFY(QProcess::execute(QStringLiteral("cp"),
                              {QStringLiteral("-a"), QStringLiteral(TAM_DEMO_DISC), m_disc})
            == 0);
    QVERIFY(QFile::remove(m_disc + QStringLiteral("/setup_runner")));
    QVERIFY(QFile::copy(QStringLiteral(TAM_TEST_HELPER), m_disc + QStringLiteral("/setup_runner")));
}

bool TestSetupCommandLine::freshMachine()
{
    QDir(m_machine).removeRecursively();
    return QDir().mkpath(m_machine + QStringLiteral("/drive_c/users/Public"))
           && QFile::copy(QStringLiteral(TAM_DEMO_MACHINE_SEED),
                          m_machine + QStringLiteral("/registry.reg"));
}

SetupRun TestSetupCommandLine::run(const QString &setup, const QStringList &arguments, bool display)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    if (display)
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("TAM_MACHINE"), m_machine);
    environment.insert(QStringLiteral("TMPDIR"), m_root.filePath(QStringLiteral("tmp")));
    environment.insert(QStringLiteral("HOME"), m_root.filePath(QStringLiteral("home")));
    environment.insert(QStringLiteral("TAM_MESSAGE_LOG"), m_root.filePath(QStringLiteral("boxes")));
    QProcess process;
    process.setProcessEnvironment(environment);
    // Where a deployment tool starts it: relative paths of the command line are taken from here.
    process.setWorkingDirectory(m_root.path());
    process.start(setup, arguments);
    SetupRun result;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

void TestSetupCommandLine::printsUsage()
{
    const SetupRun usage = run(m_disc + QStringLiteral("/setup"), {QStringLiteral("-?")});
    QCOMPARE(usage.exitCode, 0);
    for (const char *expected : {"/quiet", "/detect", "/device auto|PID[:SERIAL]", "3010"})
        QVERIFY2(usage.out.contains(QLatin1String(expected)), qPrintable(usage.out));
}

void TestSetupCommandLine::namesABadSwitch()
{
    const SetupRun bad = run(m_disc + QStringLiteral("/setup"),
                             {QStringLiteral("/quiet"),
                              QStringLiteral("/select"),
                              QStringLiteral("Driver,NoSuchTool")});
    QCOMPARE(bad.exitCode, 87);
    QVERIFY2(bad.err.contains(QStringLiteral("NoSuchTool")), qPrintable(bad.err));
}

void TestSetupCommandLine::runsWithoutADisplay_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("display");
    QTest::newRow("quiet, no display at all") << "/quiet" << false;
    QTest::newRow("passive, its window offscreen") << "/passive" << true;
}

void TestSetupCommandLine::runsWithoutADisplay()
{
    QFETCH(QString, mode);
    QFETCH(bool, display);
    QVERIFY(freshMachine());
    const QString report = m_root.filePath(QStringLiteral("report.json"));
    QFile::remove(report);
    const SetupRun installed = run(m_disc + QStringLiteral("/setup"),
                                   {mode,
                                    QStringLiteral("/select"),
                                    QStringLiteral("TextRecognition"),
                                    QStringLiteral("/report"),
                                    QStringLiteral("report.json")},
                                   display);
    QVERIFY2(installed.exitCode == 0, qPrintable(installed.err));
    QFile file(report);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(QJsonDocument::fromJson(file.readAll())
                    .object()
                    .value(QStringLiteral("applications"))
                    .toArray()
                    .first()[QStringLiteral("result")]
            == QStringLiteral("installed"));
}

void TestSetupCommandLine::installsOfflineFromALaidOutShare()
{
    // The maker's servers for the layout: the demo's web installers over HTTPS.
    TestCertificates certificates;
    QVERIFY2(certificates.create(), qPrintable(certificates.errorString()));
    qputenv("TAM_CA_BUNDLE", QFile::encodeName(certificates.caFile()));
    QTemporaryDir web;
    QVERIFY(QProcess::execute(QStringLiteral("cp"),
                              {QStringLiteral("-a"), QStringLiteral(TAM_DEMO_WEB "/."), web.path()})
            == 0);
    NginxServer server;
    NginxServer::Options options;
    options.root = web.path();
    options.certificate = certificates.certificateFile();
    options.key = certificates.keyFile();
    QVERIFY2(server.start(options), qPrintable(server.errorString()));
    const QByteArray host = QByteArrayLiteral("127.0.0.1:") + QByteArray::number(server.port());
    // The catalogue's addresses on the maker's web host go to the update server.
    qputenv("TAM_UPDATE_HOST", host);

    const QString share = m_root.filePath(QStringLiteral("share"));
    const auto layout = [this, &share] {
        QProcess disctool;
        disctool.setProcessChannelMode(QProcess::MergedChannels);
        disctool.start(QStringLiteral(TAM_DISCTOOL),
                       {QStringLiteral("layout"),
                        m_disc + QStringLiteral("/scanner_win.xml"),
                        share,
                        QStringLiteral("--with-downloads")});
        disctool.waitForFinished(60000);
        return qMakePair(disctool.exitCode(), QString::fromUtf8(disctool.readAll()));
    };
    // A server that hands out another file than the catalogue means: nothing is laid out.
    const QString served = web.filePath(QStringLiteral("Downloads/demo/CloudConnectSetup.exe"));
    QVERIFY(QFile::rename(served, served + QStringLiteral(".real")));
    QFile wrong(served);
    QVERIFY(wrong.open(QIODevice::WriteOnly));
    wrong.write("not the installer");
    wrong.close();
    const auto refused = layout();
    QCOMPARE(refused.first, 1);
    QVERIFY2(refused.second.contains(QStringLiteral("CloudConnectSetup.exe: it has SHA-256")),
             qPrintable(refused.second));
    QVERIFY(!QFileInfo::exists(share));

    QVERIFY(QFile::remove(served));
    QVERIFY(QFile::rename(served + QStringLiteral(".real"), served));
    const auto laidOut = layout();
    QVERIFY2(laidOut.first == 0, qPrintable(laidOut.second));
    QVERIFY(QFileInfo(share + QStringLiteral("/Downloads/CloudConnectSetup.exe")).isFile());
    // Only what is not on the disc already is fetched.
    QVERIFY(!QFileInfo::exists(share + QStringLiteral("/Downloads/TextRecognition.cab")));

    server.stop();
    QVERIFY(freshMachine());
    const QString log = m_root.filePath(QStringLiteral("share.log"));
    const SetupRun installed = run(share + QStringLiteral("/setup"),
                                   {QStringLiteral("/quiet"),
                                    QStringLiteral("/select"),
                                    QStringLiteral("CloudConnect"),
                                    QStringLiteral("/log"),
                                    log});
    QFile logFile(log);
    QVERIFY(logFile.open(QIODevice::ReadOnly));
    const QString logText = QString::fromUtf8(logFile.readAll());
    QVERIFY2(installed.exitCode == 0, qPrintable(logText));
    QVERIFY2(logText.contains(QStringLiteral("Cloud Connector is installed")), qPrintable(logText));
    QVERIFY(!logText.contains(QStringLiteral("downloading")));
}

QTEST_GUILESS_MAIN(TestSetupCommandLine)
#include "tst_setupcommandline.moc"
