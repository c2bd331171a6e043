// /device on a copy of setup without its disc: the scanner plugged into the simulated machine
// is found, its model's files come from a private HTTPS update server (the demo's), the bundle
// is merged and its application installed. With no scanner, or two, the run ends with 1603 and
// the log lists what was found.

#include "deploytestsupport.h"
#include "updateserver.h"

#include <QProcess>

class TestUnattendedDevice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void installsTheAttachedScannersSoftware();
    void needsExactlyOneScanner_data();
    void needsExactlyOneScanner();
    void refusesABundleOverPlainHttp();

private:
    void plug(const QString &productId, const QString &serial, const QString &model);

    DeployTestBench m_bench;
    UpdateServer m_server;
    QString m_copy;
};

void TestUnattendedDevice::initTestCase()
{
    QVERIFY(m_bench.prepare());
    QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
    // The demo server's model files name the maker's hosts, which are this server here.
    QDirIterator models(
            QStringLiteral(TAM_DEMO_UPDATE_SERVER), QDir::Files, QDirIterator::Subdirectories);
    while (models.hasNext()) {
        const QString file = models.next();
        const QString relative
                = QDir(QStringLiteral(TAM_DEMO_UPDATE_SERVER)).relativeFilePath(file);
        if (!relative.startsWith(QLatin1String("Downloads/")))
            continue; // the newer setup of the self-update demo
        QFile source(file);
        QVERIFY(source.open(QIODevice::ReadOnly));
        QByteArray content = source.readAll();
        content.replace("http://www.tamberlin.com", "http://" + m_server.host().toUtf8());
        m_server.put(relative, content);
    }
    QFile payload(QStringLiteral(TAM_DEMO_WEB "/Downloads/demo/CloudConnectSetup.exe"));
    QVERIFY(payload.open(QIODevice::ReadOnly));
    m_server.put(QStringLiteral("Downloads/demo/CloudConnectSetup.exe"), payload.readAll());

    // A copy of setup without its disc: the helper and nothing else.
    m_copy = m_bench.path(QStringLiteral("copy"));
    QVERIFY(QDir().mkpath(m_copy));
    const QString helper = QStringLiteral(TAM_TEST_HELPER);
    QVERIFY(QFile::copy(helper, m_copy + QLatin1Char('/') + QFileInfo(helper).fileName()));
}

void TestUnattendedDevice::init()
{
    m_bench.startMachine();
    SetupSettings::setUpdatePath(SetupSettings::defaultUpdatePath());
}

void TestUnattendedDevice::cleanup()
{
    m_bench.endMachine();
}

void TestUnattendedDevice::plug(const QString &productId,
                                const QString &serial,
                                const QString &model)
{
    QCOMPARE(QProcess::execute(QStringLiteral(TAM_DISCTOOL),
                               {QStringLiteral("device"),
                                QStringLiteral("plug"),
                                productId,
                                serial,
                                QStringLiteral("--model"),
                                model,
                                QStringLiteral("--machine"),
                                m_bench.machine().path(QStringLiteral("machine"))}),
             0);
}

void TestUnattendedDevice::installsTheAttachedScannersSoftware()
{
    plug(QStringLiteral("0A41"), QStringLiteral("TD410-0815"), QStringLiteral("DocuStream 410"));
    const DeployRunResult run = runUnattended(m_copy,
                                              {QStringLiteral("/quiet"),
                                               QStringLiteral("/device"),
                                               QStringLiteral("auto"),
                                               QStringLiteral("/select"),
                                               QStringLiteral("CloudConnect")},
                                              m_bench.runs());
    QVERIFY2(run.exitCode == 0, qPrintable(run.logText()));
    QCOMPARE(run.results().value(QStringLiteral("CloudConnect")), QStringLiteral("installed"));
    QVERIFY(run.logged(QStringLiteral("scanner: DocuStream 410 (USB, product id 0A41, serial "
                                      "TD410-0815)")));
    QVERIFY2(run.logged(QStringLiteral("SHA-256 verified")), qPrintable(run.logText()));
    // The merged catalogue lies where only administrators can write, not beside setup.
    QVERIFY2(run.logged(QStringLiteral("TamPayloadCache/Device/update.xml")),
             qPrintable(run.logText()));
    QVERIFY(!QFileInfo::exists(m_copy + QStringLiteral("/update.xml")));
}

void TestUnattendedDevice::needsExactlyOneScanner_data()
{
    QTest::addColumn<QStringList>("plugged"); // PID:SERIAL:MODEL
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("logged");
    QTest::newRow("none") << QStringList() << "auto"
                          << "no scanner of the maker is attached";
    QTest::newRow("two for auto") << QStringList{"0A41:TD410-0815:DocuStream 410",
                                                 "0B52:TD520-0042:DocuStream 520"}
                                  << "auto"
                                  << "2 scanners match /device";
    QTest::newRow("none of that product id")
            << QStringList{"0B52:TD520-0042:DocuStream 520"} << "0A41"
            << "found: DocuStream 520 (USB, product id 0B52, serial TD520-0042)";
}

void TestUnattendedDevice::needsExactlyOneScanner()
{
    QFETCH(QStringList, plugged);
    QFETCH(QString, device);
    QFETCH(QString, logged);
    for (const QString &scanner : plugged)
        plug(scanner.section(':', 0, 0), scanner.section(':', 1, 1), scanner.section(':', 2));
    const DeployRunResult run = runUnattended(
            m_copy, {QStringLiteral("/quiet"), QStringLiteral("/device"), device}, m_bench.runs());
    QCOMPARE(run.exitCode, 1603);
    QVERIFY2(run.logged(logged), qPrintable(run.logText()));
}

void TestUnattendedDevice::refusesABundleOverPlainHttp()
{
    m_server.putModelFile(
            QStringLiteral("0C63"), QStringLiteral("0C63_SN.xml"), "<SN><Model/></SN>");
    m_server.putModelFile(QStringLiteral("0C63"),
                          QStringLiteral("0C63_1.xml"),
                          "<Scanner LongName=\"Desk 63\" "
                          "BundleURL=\"http://198.51.100.7/Bundle.xml\"/>");
    plug(QStringLiteral("0C63"), QStringLiteral("DK63-0001"), QStringLiteral("Desk 63"));
    const DeployRunResult run = runUnattended(
            m_copy,
            {QStringLiteral("/quiet"), QStringLiteral("/device"), QStringLiteral("0C63")},
            m_bench.runs());
    QCOMPARE(run.exitCode, 1603);
    QVERIFY2(run.logged(QStringLiteral(
                     "http://198.51.100.7/Bundle.xml is not an https address: refused")),
             qPrintable(run.logText()));
}

QTEST_GUILESS_MAIN(TestUnattendedDevice)
#include "tst_unattendeddevice.moc"
