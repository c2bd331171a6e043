// setup /passive's window on the unattended path: closed while a download runs, the run ends
// with 1602 and keeps what it fetched for the next run; closed once the helper installs, it
// stays until the run has ended.

#include "deploytestsupport.h"
#include "passivewindow.h"
#include "testhttpserver.h"

namespace {

// setup /passive /select NAME with its window shown, started.
struct PassiveRun
{
    PassiveRun(const QString &selection, const QString &disc)
        : setup(DeploySwitches::parse(
                        {QStringLiteral("/passive"), QStringLiteral("/select"), selection}),
                disc)
        , finished(&setup, &UnattendedSetup::finished)
    {
        window.follow(&setup);
        window.show();
        setup.start();
    }

    UnattendedSetup setup;
    // Declared after the run it follows, so that it goes first.
    PassiveWindow window;
    QSignalSpy finished;
};

} // namespace

class TestPassiveWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void closingCancelsTheDownloads();
    void closingWaitsForTheHelper();

private:
    DeployTestBench m_bench;
    DeployTestDisc m_disc;
    TestHttpServer m_server;
};

void TestPassiveWindow::initTestCase()
{
    QVERIFY(m_bench.prepare());
    QVERIFY(m_disc.create(m_bench.path(QStringLiteral("disc"))));
    // The web installer comes slowly from a server of the test's own.
    QFile payload(QStringLiteral(TAM_DEMO_WEB "/Downloads/demo/CloudConnectSetup.exe"));
    QVERIFY(payload.open(QIODevice::ReadOnly));
    QVERIFY(m_server.listen());
    m_server.behaviour().body = payload.readAll();
    m_server.behaviour().bytesPerSecond = 64 * 1024;
    QFile product(m_disc.file(QStringLiteral("scanner_win.xml")));
    QVERIFY(product.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(product.readAll());
    product.close();
    text.replace(QStringLiteral("http://www.tamberlin.com/Downloads/demo/CloudConnectSetup.exe"),
                 m_server.url(QStringLiteral("/CloudConnectSetup.exe")).toString());
    QVERIFY(product.open(QIODevice::WriteOnly | QIODevice::Truncate));
    product.write(text.toUtf8());
}

void TestPassiveWindow::init()
{
    m_bench.startMachine();
}

void TestPassiveWindow::cleanup()
{
    m_bench.endMachine();
}

void TestPassiveWindow::closingCancelsTheDownloads()
{
    DeployCatalogue::preparePaths(m_disc.folder());
    SetupSettings::setDownloadPath(
            SetupSettings::withBackslashes(m_bench.machine().downloadPath()));
    PassiveRun run(QStringLiteral("CloudConnect"), m_disc.folder());
    PassiveWindow &window = run.window;
    QSignalSpy &finished = run.finished;
    QTRY_COMPARE(window.applicationText(), QStringLiteral("Cloud Connector"));
    QCOMPARE(window.activityText(), QStringLiteral("Please wait..."));
    QCOMPARE(window.windowTitle(), QStringLiteral("Tamberlin DocuStream 410 Setup"));
    QTRY_VERIFY(window.progress() > 0);
    QVERIFY(window.close());
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.first().first().toInt(), 1602);
    // What was fetched stays for the next run to resume.
    QVERIFY(QFileInfo(m_bench.machine().downloadPath()
                      + QStringLiteral("/CloudConnectSetup.exe.part"))
                    .size()
            > 0);
}

void TestPassiveWindow::closingWaitsForTheHelper()
{
    DeployCatalogue::preparePaths(m_disc.folder());
    QDir::setCurrent(m_disc.folder());
    PassiveRun run(QStringLiteral("ButtonManager"), m_disc.folder());
    PassiveWindow &window = run.window;
    QSignalSpy &finished = run.finished;
    QTRY_VERIFY(!window.isCancellable());
    QVERIFY(!window.close());
    QVERIFY(window.isVisible());
    QVERIFY(finished.wait(30000));
    QCOMPARE(finished.first().first().toInt(), 3010);
}

QTEST_MAIN(TestPassiveWindow)
#include "tst_passivewindow.moc"
