#include "testhttpserver.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// disctool download, run as disc authors run it, against our own test server.
class TestDiscToolDownload : public QObject
{
    Q_OBJECT

private slots:
    void run_data();
    void run();
};

void TestDiscToolDownload::run_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("getStatus");
    QTest::addColumn<QString>("lastLine");
    QTest::addColumn<int>("exitCode");

    QTest::newRow("complete") << QStringList() << 200 << QStringLiteral("complete") << 0;
    QTest::newRow("pause and resume") << QStringList{QStringLiteral("--pause-at"),
                                                     QStringLiteral("20000"),
                                                     QStringLiteral("--resume-after"),
                                                     QStringLiteral("200")}
                                      << 200 << QStringLiteral("complete") << 0;
    QTest::newRow("server error") << QStringList() << 404 << QStringLiteral("error 203") << 1;
    QTest::newRow("bad option") << QStringList{QStringLiteral("--pause-at"), QStringLiteral("x")}
                                << 200 << QString() << 2;
}

void TestDiscToolDownload::run()
{
    QFETCH(QStringList, options);
    QFETCH(int, getStatus);
    QFETCH(QString, lastLine);
    QFETCH(int, exitCode);

    QByteArray body(100000, Qt::Uninitialized);
    for (int i = 0; i < body.size(); ++i)
        body[i] = char(i % 253);
    TestHttpServer server;
    QVERIFY(server.listen());
    server.behaviour().body = body;
    server.behaviour().getStatus = getStatus;
    server.behaviour().bytesPerSecond = 200000;
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("out.bin"));

    QProcess disctool;
    disctool.start(QStringLiteral(DISCTOOL),
                   QStringList{QStringLiteral("download"), server.url().toString(), target}
                           + options);
    QVERIFY(disctool.waitForStarted());
    // The server lives in this process's event loop: wait without blocking it.
    QVERIFY(QTest::qWaitFor([&] { return disctool.state() == QProcess::NotRunning; }, 20000));
    QCOMPARE(disctool.exitCode(), exitCode);

    // A Windows console program ends its lines with CR LF.
    const QStringList lines
            = QString::fromUtf8(disctool.readAllStandardOutput())
                      .split(QRegularExpression(QStringLiteral("\r?\n")), Qt::SkipEmptyParts);
    if (lastLine.isEmpty()) {
        QVERIFY(lines.isEmpty());
        return;
    }
    QCOMPARE(lines.first(), QStringLiteral("canBePaused true"));
    QCOMPARE(lines.last(), lastLine);
    if (exitCode != 0)
        return;

    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), body);
    QRegularExpression progress(QStringLiteral("^progress (\\d+) (\\d+) (\\d+) (-?\\d+)$"));
    qint64 resumedAt = 0;
    for (const QString &line : lines.mid(1, lines.size() - 2)) {
        const QRegularExpressionMatch match = progress.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line));
        resumedAt = qMax(resumedAt, match.captured(2).toLongLong());
        QCOMPARE(match.captured(2).toLongLong() + match.captured(4).toLongLong(),
                 qint64(body.size()));
    }
    if (options.isEmpty()) {
        QCOMPARE(server.methods(), (QList<QByteArray>{"HEAD", "GET"}));
    } else {
        QCOMPARE(server.methods(), (QList<QByteArray>{"HEAD", "GET", "GET"}));
        QVERIFY(resumedAt >= 20000);
        QCOMPARE(server.requests().last().range,
                 "bytes=" + QByteArray::number(resumedAt) + "-100000");
    }
}

QTEST_GUILESS_MAIN(TestDiscToolDownload)
#include "tst_disctooldownload.moc"
