// What the unattended path answers without installing, or when it cannot: /detect as a
// detection rule, an unknown application or language (87), a second setup (1618), a folder
// without a product file (1620), and a download whose SHA-256 does not match (1603, named).

#include "deploytestsupport.h"
#include "testhttpserver.h"

#include <QSharedMemory>

class TestUnattendedRefusals : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void detects_data();
    void detects();
    void refuses_data();
    void refuses();
    void refusesWhileAnotherSetupRuns();
    void failsOnADamagedDownload();

private:
    DeployTestBench m_bench;
    DeployTestDisc m_disc;
};

void TestUnattendedRefusals::initTestCase()
{
    QVERIFY(m_bench.prepare());
    QVERIFY(m_disc.create(m_bench.path(QStringLiteral("disc"))));
}

void TestUnattendedRefusals::init()
{
    m_bench.startMachine();
}

void TestUnattendedRefusals::cleanup()
{
    m_bench.endMachine();
}

void TestUnattendedRefusals::detects_data()
{
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("result");
    QTest::newRow("installed") << QStringList{"/detect", "/select", "Driver"} << 0
                               << "alreadyInstalled";
    QTest::newRow("missing") << QStringList{"/detect", "/select", "ScanUtility"} << 1
                             << "notInstalled";
    QTest::newRow("the defaults, one missing")
            << QStringList{"/quiet", "/detect"} << 1 << "notInstalled";
}

void TestUnattendedRefusals::detects()
{
    QFETCH(QStringList, command);
    QFETCH(int, exitCode);
    QFETCH(QString, result);
    const DeployRunResult run = runUnattended(m_disc.folder(), command, m_bench.runs());
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.results().values().contains(result), qPrintable(run.logText()));
    QCOMPARE(run.report.value(QStringLiteral("exitCode")).toInt(), exitCode);
    // Detection installs nothing and takes no lock: an installation may run meanwhile.
    QVERIFY(!run.logged(QStringLiteral("setup_runner")));
}

void TestUnattendedRefusals::refuses_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("logged");
    QTest::newRow("unknown application")
            << "disc" << QStringList{"/quiet", "/select", "Driver,Scanutil"} << 87
            << "the catalogue has no application Scanutil";
    QTest::newRow("language the product lacks")
            << "disc" << QStringList{"/quiet", "/language", "nl"} << 87 << ", not nl";
    QTest::newRow("bad switch") << "disc" << QStringList{"/quiet", "/restart"} << 87
                                << "unknown switch /restart";
    QTest::newRow("no product file")
            << "empty" << QStringList{"/quiet"} << 1620 << "no product file";
}

void TestUnattendedRefusals::refuses()
{
    QFETCH(QString, folder);
    QFETCH(QStringList, command);
    QFETCH(int, exitCode);
    QFETCH(QString, logged);
    const QString programDir = m_bench.path(folder);
    QVERIFY(QDir().mkpath(programDir));
    const DeployRunResult run = runUnattended(programDir, command, m_bench.runs());
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.logged(logged), qPrintable(run.logText()));
    QCOMPARE(run.report.value(QStringLiteral("exitCode")).toInt(), exitCode);
}

void TestUnattendedRefusals::refusesWhileAnotherSetupRuns()
{
    QSharedMemory running(QString::fromLatin1(SegmentProtocol::DefaultKey));
    QCOMPARE(FrontEndSegment::create(running), FrontEndSegment::CreateResult::Created);
    const DeployRunResult run
            = runUnattended(m_disc.folder(), {QStringLiteral("/quiet")}, m_bench.runs());
    QCOMPARE(run.exitCode, 1618);
    QVERIFY(run.logged(QStringLiteral("another setup is running")));
}

void TestUnattendedRefusals::failsOnADamagedDownload()
{
    // A disc whose web installer comes from a server that hands out something else.
    TestHttpServer server;
    QVERIFY(server.listen());
    server.behaviour().body = QByteArray(4096, 'x');
    const QString disc = m_bench.path(QStringLiteral("damaged"));
    QVERIFY(QDir(disc).removeRecursively() || !QFileInfo::exists(disc));
    DeployTestDisc damaged;
    QVERIFY(damaged.create(disc));
    QFile product(damaged.file(QStringLiteral("scanner_win.xml")));
    QVERIFY(product.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(product.readAll());
    product.close();
    const QString url = server.url(QStringLiteral("/CloudConnectSetup.exe")).toString();
    text.replace(QStringLiteral("http://www.tamberlin.com/Downloads/demo/CloudConnectSetup.exe"),
                 url);
    QVERIFY(product.open(QIODevice::WriteOnly | QIODevice::Truncate));
    product.write(text.toUtf8());
    product.close();

    const DeployRunResult run = runUnattended(disc,
                                              {QStringLiteral("/quiet"),
                                               QStringLiteral("/select"),
                                               QStringLiteral("CloudConnect,TextRecognition")},
                                              m_bench.runs());
    QCOMPARE(run.exitCode, 1603);
    const QMap<QString, QString> results = run.results();
    QCOMPARE(results.value(QStringLiteral("CloudConnect")), QStringLiteral("failed"));
    // The others are installed all the same (Wine's helper refuses the pack's payload, too).
    QCOMPARE(results.value(QStringLiteral("TextRecognition")),
             underWine() ? QStringLiteral("failed") : QStringLiteral("installed"));
    const QString reason = run.report.value(QStringLiteral("applications"))
                                   .toArray()
                                   .at(1)[QStringLiteral("reason")]
                                   .toString();
    QVERIFY2(reason.contains(url) && reason.contains(QStringLiteral("SHA-256")),
             qPrintable(reason));
    QVERIFY(run.logged(QStringLiteral("Cloud Connector failed: the download of ") + url));
    QVERIFY(!QFileInfo::exists(m_bench.machine().downloadPath()
                               + QStringLiteral("/CloudConnectSetup.exe")));
}

QTEST_GUILESS_MAIN(TestUnattendedRefusals)
#include "tst_unattendedrefusals.moc"
