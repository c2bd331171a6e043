// The download manager's progress, pause and resume against a local HTTP server: what reaches
// the side file between reports, what a pause keeps, and how a resume asks for the rest.

#include "downloadmanagerfixture.h"

class TestDownloadPause : public DownloadManagerFixture
{
    Q_OBJECT

private slots:
    void init() { startServer(); }
    void progressRestartsTimer();
    void pauseResume_data();
    void pauseResume();
    void fileChangesWhilePaused_data();
    void fileChangesWhilePaused();
    void pauseWhileProbingKeepsEarlierPart();
    void resumeWhileFetchingIsIgnored();
    void drainsBetweenProgressReports();
};

void TestDownloadPause::progressRestartsTimer()
{
    // The transfer outlasts the time-out but is never silent for one. A second, not the short
    // time-out: the server may pause for that on a busy machine.
    const int timeoutMs = 1000;
    m_server->behaviour().bytesPerSecond = m_body.size() * 1000 / (timeoutMs * 3 / 2);
    Run run(timeoutMs);
    QList<qint64> onDisk;
    QObject::connect(&run.manager,
                     &DownloadManager::sigDownloadProgress,
                     [&](qint64, qint64 atPause, qint64 received, qint64 total) {
                         onDisk << QFileInfo(part()).size() - atPause - received;
                         QCOMPARE(total, qint64(m_body.size()));
                     });
    run.manager.download(m_server->url(), target());
    QVERIFY(run.waitForEnd());

    QCOMPARE(run.timeout.count(), 0);
    QCOMPARE(run.complete.count(), 1);
    QVERIFY(run.progress.count() >= 3);
    // At each report the side file holds exactly what was reported.
    QCOMPARE(onDisk, QVector<qint64>(onDisk.size(), 0).toList());
    qint64 previous = -1;
    for (const QList<QVariant> &args : run.progress) {
        QVERIFY(args.at(2).toLongLong() >= previous);
        previous = args.at(2).toLongLong();
    }
    QCOMPARE(previous, qint64(m_body.size()));
    QCOMPARE(readFile(target()), m_body);
}

void TestDownloadPause::pauseResume_data()
{
    QTest::addColumn<QByteArray>("acceptRanges");
    QTest::newRow("server accepts ranges") << QByteArray("bytes");
    QTest::newRow("server without ranges") << QByteArray();
}

void TestDownloadPause::pauseResume()
{
    QFETCH(QByteArray, acceptRanges);
    const bool ranges = !acceptRanges.isEmpty();
    const QByteArray body = makeBody(200000);
    m_server->behaviour().body = body;
    m_server->behaviour().acceptRanges = acceptRanges;
    m_server->behaviour().bytesPerSecond = 400000;

    Run run(ShortTimeout);
    run.manager.download(m_server->url(), target());
    QVERIFY(QTest::qWaitFor([&] { return !run.progress.isEmpty(); }, 5000));
    run.manager.pause();

    const qint64 kept = QFileInfo(part()).size();
    QVERIFY(kept > 0);
    QVERIFY(kept < body.size());
    QCOMPARE(readFile(part()), body.left(kept));
    const int reports = run.progress.count();
    QTest::qWait(2 * ShortTimeout); // paused: no time-out, no data
    QCOMPARE(run.progress.count(), reports);
    QCOMPARE(run.ends(), 0);
    QCOMPARE(QFileInfo(part()).size(), kept);

    m_server->behaviour().bytesPerSecond = 0; // the rest at full speed
    run.manager.resume();
    QVERIFY(run.waitForEnd());
    QCOMPARE(run.complete.count(), 1);
    QCOMPARE(readFile(target()), body);
    QCOMPARE(m_server->methods(), (QList<QByteArray>{"HEAD", "GET", "GET"}));
    const QByteArray range = m_server->requests().at(2).range;
    QCOMPARE(range, ranges ? "bytes=" + QByteArray::number(kept) + "-200000" : QByteArray());
    QCOMPARE(run.progress.at(reports).at(1).toLongLong(), ranges ? kept : 0);
}

void TestDownloadPause::fileChangesWhilePaused_data()
{
    QTest::addColumn<QByteArray>("etag");
    QTest::addColumn<bool>("completes");
    // With an entity tag the server knows the tail asked for is of another version and sends
    // the new file whole; without one, only the changed length gives the change away.
    QTest::newRow("entity tag") << QByteArray("\"v1\"") << true;
    QTest::newRow("no entity tag, new length") << QByteArray() << false;
}

void TestDownloadPause::fileChangesWhilePaused()
{
    QFETCH(QByteArray, etag);
    QFETCH(bool, completes);
    const QByteArray body = makeBody(200000);
    m_server->behaviour().body = body;
    m_server->behaviour().etag = etag;
    m_server->behaviour().bytesPerSecond = 400000;

    Run run;
    run.manager.download(m_server->url(), target());
    QVERIFY(QTest::qWaitFor([&] { return !run.progress.isEmpty(); }, 5000));
    run.manager.pause();
    const QByteArray changed = body.right(150000) + "changed";
    m_server->behaviour().body = changed;
    m_server->behaviour().bytesPerSecond = 0;
    if (!etag.isEmpty())
        m_server->behaviour().etag = "\"v2\"";
    run.manager.resume();
    QVERIFY(run.waitForEnd());

    QCOMPARE(m_server->requests().at(2).ifRange, etag);
    QCOMPARE(run.complete.count(), completes ? 1 : 0);
    QCOMPARE(run.errorCode(), completes ? QNetworkReply::NoError : QNetworkReply::ProtocolFailure);
    QCOMPARE(readFile(target()), completes ? changed : QByteArray());
    QVERIFY(!QFile::exists(part()));
}

void TestDownloadPause::pauseWhileProbingKeepsEarlierPart()
{
    m_server->behaviour().headDelayMs = 100;
    writeFile(part(), m_body.left(1200));

    Run run;
    run.manager.download(m_server->url(), target());
    run.manager.pause();
    QTest::qWait(200);
    QCOMPARE(readFile(part()), m_body.left(1200));
    run.manager.resume();
    QVERIFY(run.waitForEnd());

    QCOMPARE(run.complete.count(), 1);
    QCOMPARE(m_server->requests().last().range, QByteArray("bytes=1200-50000"));
    QCOMPARE(readFile(target()), m_body);
}

void TestDownloadPause::resumeWhileFetchingIsIgnored()
{
    m_server->behaviour().bytesPerSecond = 100000;
    Run run;
    run.manager.download(m_server->url(), target());
    QVERIFY(QTest::qWaitFor([&] { return !run.progress.isEmpty(); }, 5000));
    run.manager.resume();
    QVERIFY(run.waitForEnd());

    QCOMPARE(m_server->methods(), (QList<QByteArray>{"HEAD", "GET"}));
    QCOMPARE(run.complete.count(), 1);
    QCOMPARE(readFile(target()), m_body);
}

void TestDownloadPause::drainsBetweenProgressReports()
{
    // Progress reports come at most every 100 ms; the data must reach the disk as it arrives,
    // or a fast link piles it up in memory in between.
    const QByteArray body = makeBody(400000);
    m_server->behaviour().body = body;
    m_server->behaviour().bytesPerSecond = 800000;

    Run run;
    qint64 reported = 0;
    qint64 ahead = 0;
    QObject::connect(&run.manager,
                     &DownloadManager::sigDownloadProgress,
                     [&](qint64, qint64 atPause, qint64 received, qint64) {
                         reported = atPause + received;
                     });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        ahead = qMax(ahead, QFileInfo(part()).size() - reported);
    });
    poll.start(2);
    run.manager.download(m_server->url(), target());
    QVERIFY(run.waitForEnd());
    QCOMPARE(run.complete.count(), 1);
    QVERIFY2(ahead > 0, "the side file only grew at progress reports");
}

QTEST_GUILESS_MAIN(TestDownloadPause)
#include "tst_downloadpause.moc"
