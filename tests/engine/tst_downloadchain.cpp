// An application's web installers are fetched one after another, with progress over the whole
// set; payloads already on disk with the right size are not fetched again.

#include "application.h"
#include "catalogtestsupport.h"
#include "installer.h"
#include "testhttpserver.h"

#include <QDomDocument>
#include <QSignalSpy>
#include <QtTest>

namespace {

Application *webApplication(int installers, QObject *parent)
{
    QString text = QStringLiteral("<Application ShortName=\"web\" DisplayName=\"Web\">");
    for (int i = 0; i < installers; ++i)
        text += QStringLiteral("<Installer><MainInstallStep><Executable FileName=\"x.exe\" "
                               "IsJustFileName=\"true\"/></MainInstallStep><Checker Type=\"1\" "
                               "QueryValue=\"{none-%1}\"/></Installer>")
                        .arg(i);
    text += QStringLiteral("</Application>");
    QDomDocument document;
    document.setContent(text);
    return Application::fromRunList(document.documentElement(), parent);
}

} // namespace

class TestDownloadChain : public QObject
{
    Q_OBJECT

private slots:
    void alreadyDownloaded_data();
    void alreadyDownloaded();
    void chainsDownloads();
    void countsWhatCameBeforeAPause();
    void stopsAtTheCatalogueSize();
};

void TestDownloadChain::alreadyDownloaded_data()
{
    QTest::addColumn<bool>("withUrl");
    QTest::addColumn<int>("fileSize"); // -1: no file
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("downloaded");
    QTest::newRow("no URL counts as downloaded") << false << -1 << 100 << true;
    QTest::newRow("missing file") << true << -1 << 100 << false;
    QTest::newRow("right size") << true << 100 << 100 << true;
    QTest::newRow("other size is fetched again") << true << 99 << 100 << false;
    QTest::newRow("no size and an empty file") << true << 0 << 0 << true;
    QTest::newRow("no size and a file") << true << 100 << 0 << true;
}

void TestDownloadChain::alreadyDownloaded()
{
    QFETCH(bool, withUrl);
    QFETCH(int, fileSize);
    QFETCH(int, size);
    QFETCH(bool, downloaded);
    ScratchMachine machine;
    QObject owner;
    Application *app = webApplication(1, &owner);
    Installer *installer = app->installers().at(0);
    if (withUrl)
        installer->setUrl(QStringLiteral("http://127.0.0.1:1/file"));
    installer->setSize(size);
    const QString path = machine.path(QStringLiteral("downloads/payload.exe"));
    installer->setDownloadPath(path);
    if (fileSize >= 0)
        machine.writeFile(QStringLiteral("downloads/payload.exe"), QByteArray(fileSize, 'x'));
    QCOMPARE(installer->isDownloaded(), downloaded);

    // startDownloads leaves out what is there already and completes at once when nothing is left.
    QSignalSpy complete(app, &Application::sigDownloadComplete);
    if (downloaded) {
        app->startDownloads(4);
        QCOMPARE(app->installersToDownload().size(), 0);
        QCOMPARE(app->totalDownloadSize(), 0);
        QCOMPARE(complete.count(), 1);
        QCOMPARE(complete.at(0).at(0).toInt(), 4);
    }
}

void TestDownloadChain::chainsDownloads()
{
    ScratchMachine machine;
    TestHttpServer server;
    QVERIFY(server.listen());
    const QByteArray body(300 * 1024, 'p');
    server.behaviour().body = body;

    QObject owner;
    Application *app = webApplication(3, &owner);
    const QList<Installer *> installers = app->installers();
    for (int i = 0; i < installers.size(); ++i) {
        installers.at(i)->setUrl(server.url(QStringLiteral("/payload%1").arg(i)).toString());
        installers.at(i)->setSize(body.size());
        installers.at(i)->setDownloadPath(machine.path(QStringLiteral("downloads/p%1.exe").arg(i)));
    }
    // The second payload is there already: it is left out, and the indices follow the list.
    machine.writeFile(QStringLiteral("downloads/p1.exe"), body);

    QSignalSpy complete(app, &Application::sigDownloadComplete);
    QSignalSpy progress(app, &Application::sigDownloadProgress);
    QSignalSpy second(installers.at(2), &Installer::sigDownloadComplete);
    app->startDownloads(7);
    QCOMPARE(app->installersToDownload(), (QList<Installer *>{installers.at(0), installers.at(2)}));
    QCOMPARE(app->totalDownloadSize(), 2 * body.size());
    QVERIFY(complete.wait(30000));
    QCOMPARE(complete.count(), 1);
    QCOMPARE(complete.at(0).at(0).toInt(), 7);
    QCOMPARE(second.count(), 1);
    QCOMPARE(second.at(0).at(0).toInt(), 1); // its position among the pending downloads
    for (int i : {0, 2}) {
        QFile file(machine.path(QStringLiteral("downloads/p%1.exe").arg(i)));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.size(), body.size());
        // setup_runner starts it next, also on the simulated machine.
        QVERIFY(QFileInfo(file).isExecutable());
    }
    QVERIFY(!progress.isEmpty());
    qint64 last = -1;
    for (const QList<QVariant> &arguments : qAsConst(progress)) {
        QCOMPARE(arguments.at(0).toInt(), 7);
        QCOMPARE(arguments.at(4).toLongLong(), 2 * body.size());
        QVERIFY(arguments.at(3).toLongLong() >= last);
        last = arguments.at(3).toLongLong();
    }
    QVERIFY(last > body.size() && last <= 2 * body.size());
    QCOMPARE(app->finishedDownloadBytes(), 2 * body.size());
    QCOMPARE(app->downloadStatusText(), QStringLiteral("%1 %").arg(last * 100 / (2 * body.size())));
    QCOMPARE(server.requests().last().path, QByteArray("/payload2"));
}

// A server that never stops sending fills no disk: the catalogue's size is all the file may be.
void TestDownloadChain::stopsAtTheCatalogueSize()
{
    ScratchMachine machine;
    TestHttpServer server;
    QVERIFY(server.listen());
    server.behaviour().body = QByteArray(64 * 1024, 'p');
    server.behaviour().endless = true;
    QObject owner;
    Application *app = webApplication(1, &owner);
    Installer *installer = app->installers().first();
    installer->setUrl(server.url().toString());
    installer->setSize(100 * 1024);
    installer->setDownloadPath(machine.path(QStringLiteral("downloads/p.exe")));

    QSignalSpy error(app, &Application::sigDownloadError);
    app->startDownloads(0);
    QVERIFY(error.wait(10000));
    QCOMPARE(error.at(0).at(1).value<QNetworkReply::NetworkError>(),
             QNetworkReply::UnknownContentError);
    QVERIFY(!QFile::exists(machine.path(QStringLiteral("downloads/p.exe"))));
    QVERIFY(!QFile::exists(machine.path(QStringLiteral("downloads/p.exe.part"))));
}

// The progress of a resumed download covers the whole file, and a file this run downloaded
// counts as downloaded although the catalogue states another size.
void TestDownloadChain::countsWhatCameBeforeAPause()
{
    ScratchMachine machine;
    TestHttpServer server;
    QVERIFY(server.listen());
    const QByteArray body(256 * 1024, 'p');
    server.behaviour().body = body;
    server.behaviour().bytesPerSecond = 64 * 1024;
    QObject owner;
    Application *app = webApplication(1, &owner);
    Installer *installer = app->installers().at(0);
    installer->setUrl(server.url().toString());
    installer->setSize(body.size() + 100);
    installer->setDownloadPath(machine.path(QStringLiteral("downloads/p.exe")));
    QVERIFY(QDir().mkpath(machine.path(QStringLiteral("downloads"))));

    QList<qint64> overall;
    connect(app, &Application::sigDownloadProgress, app, [&](int, qint64, qint64, qint64 bytes) {
        overall << bytes;
    });
    QSignalSpy complete(app, &Application::sigDownloadComplete);
    app->startDownloads(0);
    QTRY_VERIFY(!overall.isEmpty());
    app->pauseDownload();
    const qint64 beforePause = overall.last();
    server.behaviour().bytesPerSecond = 0;
    app->resumeDownload();
    QVERIFY(complete.wait(30000));

    QVERIFY(server.requests().last().range.startsWith("bytes="));
    for (int i = 1; i < overall.size(); ++i)
        QVERIFY2(overall.at(i) >= overall.at(i - 1), qPrintable(QString::number(i)));
    QVERIFY(overall.last() > beforePause);
    QCOMPARE(overall.last(), qint64(body.size()));
    QVERIFY(installer->isDownloaded());
}

QTEST_GUILESS_MAIN(TestDownloadChain)
#include "tst_downloadchain.moc"
