// The download session without a window: applications fetched one after another from a local
// server, what is there already passed over, failures that end the session, pause and resume,
// and the speed and time left it reports.

#include "application.h"
#include "catalogtestsupport.h"
#include "downloadsession.h"
#include "testhttpserver.h"

#include <QCryptographicHash>
#include <QDomDocument>
#include <QFileInfo>
#include <QSignalSpy>
#include <QtTest>

namespace {

// "A:A1,A2" is application A with the web installers A1 and A2, each served under its name.
Application *webApplication(const QString &spec,
                            const TestHttpServer &server,
                            qint64 size,
                            const QString &sha256,
                            QObject *parent)
{
    const QString name = spec.section(QLatin1Char(':'), 0, 0);
    QString installers;
    for (const QString &installer : spec.section(QLatin1Char(':'), 1).split(QLatin1Char(',')))
        installers += QStringLiteral("<installer DisplayName=\"%1\" url=\"%2\" size=\"%3\" %4 "
                                     "TargetPath=\"$DownloadPath$\\%1.exe\" "
                                     "Executable=\"$DownloadPath$\\%1.exe\"/>")
                              .arg(installer, server.url(QLatin1Char('/') + installer).toString())
                              .arg(size)
                              .arg(sha256.isEmpty() ? QString()
                                                    : QStringLiteral("sha256=\"%1\"").arg(sha256));
    QDomDocument document;
    document.setContent(QStringLiteral("<application ShortName=\"%1\"><displayname><string "
                                       "Language=\"en\" Value=\"%1 name\"/></displayname>"
                                       "<installationplatform Value=\"all\">%2"
                                       "</installationplatform></application>")
                                .arg(name, installers));
    return Application::fromCatalogue(
            document.documentElement(), "en", "us", true, nullptr, parent);
}

// What the session tells, in order, without its progress reports.
struct SessionEvents
{
    explicit SessionEvents(DownloadSession &session)
    {
        QObject::connect(&session, &DownloadSession::paused, [this] { events << "paused"; });
        QObject::connect(&session, &DownloadSession::finished, [this] { events << "finished"; });
        QObject::connect(&session,
                         &DownloadSession::failed,
                         [this](DownloadSession::Failure failure,
                                Application *application,
                                QNetworkReply::NetworkError code) {
                             events << DownloadSession::failureTitle(failure) + QLatin1Char('|')
                                               + DownloadSession::failureText(
                                                       failure, application, code);
                         });
    }
    QStringList events;
};

} // namespace

class TestDownloadSession : public QObject
{
    Q_OBJECT

private slots:
    void fetchesOneApplicationAfterAnother_data();
    void fetchesOneApplicationAfterAnother();
    void pausesAtTheNextReportAndResumes();
    void reportsSpeedAndTimeLeftAtMostOnceASecond();
};

void TestDownloadSession::fetchesOneApplicationAfterAnother_data()
{
    QTest::addColumn<QStringList>("applications");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("wrongHash");
    QTest::addColumn<QStringList>("fetched");
    QTest::addColumn<QString>("end");

    const QString done = QStringLiteral("finished");
    QTest::newRow("every missing payload, in order")
            << QStringList{"A:A1", "B:B1,B2"} << QStringList() << 200 << false
            << QStringList{"/A1", "/B1", "/B2"} << done;
    QTest::newRow("a payload that is there already is passed over")
            << QStringList{"A:A1", "B:B1"} << QStringList{"A1"} << 200 << false
            << QStringList{"/B1"} << done;
    QTest::newRow("nothing missing ends at once")
            << QStringList{"A:A1"} << QStringList{"A1"} << 200 << false << QStringList() << done;
    QTest::newRow("a server error ends the session")
            << QStringList{"A:A1", "B:B1"} << QStringList() << 404 << false << QStringList{"/A1"}
            << "Download error|The network error code 203 occurs during the download process.";
    QTest::newRow("a damaged payload is deleted and ends the session")
            << QStringList{"A:A1", "B:B1"} << QStringList() << 200 << true << QStringList{"/A1"}
            << "Download error|The download of A name was damaged and has been deleted. Please "
               "download it again.";
}

void TestDownloadSession::fetchesOneApplicationAfterAnother()
{
    QFETCH(QStringList, applications);
    QFETCH(QStringList, present);
    QFETCH(int, status);
    QFETCH(bool, wrongHash);
    QFETCH(QStringList, fetched);
    QFETCH(QString, end);

    ScratchMachine machine;
    MessageRecorder recorder;
    TestHttpServer server;
    QVERIFY(server.listen());
    const QByteArray body(1024, 'x');
    server.behaviour().body = body;
    server.behaviour().getStatus = status;
    const QByteArray hash
            = QCryptographicHash::hash(wrongHash ? body + "!" : body, QCryptographicHash::Sha256)
                      .toHex();
    for (const QString &file : present)
        machine.writeFile(QStringLiteral("downloads/%1.exe").arg(file), body);

    QObject owner;
    QList<Application *> list;
    for (const QString &spec : applications)
        list << webApplication(spec, server, body.size(), QString::fromLatin1(hash), &owner);
    DownloadSession session;
    SessionEvents record(session);
    session.start(list, 2048);
    QTRY_VERIFY_WITH_TIMEOUT(!record.events.isEmpty(), 15000);
    QTest::qWait(100);

    QCOMPARE(record.events, QStringList{end});
    QVERIFY(!session.isActive());
    QStringList gets;
    for (const TestHttpServer::Request &request : server.requests()) {
        if (request.method == "GET")
            gets << QString::fromLatin1(request.path);
    }
    QCOMPARE(gets, fetched);
    for (const QString &get : fetched) {
        const QFileInfo file(machine.downloadPath() + get + QStringLiteral(".exe"));
        QCOMPARE(file.exists(), status == 200 && !wrongHash);
    }
}

void TestDownloadSession::pausesAtTheNextReportAndResumes()
{
    ScratchMachine machine;
    TestHttpServer server;
    QVERIFY(server.listen());
    server.behaviour().body = QByteArray(128 * 1024, 'x');
    server.behaviour().bytesPerSecond = 32 * 1024;
    QObject owner;
    DownloadSession session;
    SessionEvents record(session);
    QSignalSpy pausable(&session, &DownloadSession::pausable);
    session.start({webApplication("A:A1", server, 128 * 1024, QString(), &owner)}, 128 * 1024);
    QTRY_VERIFY(!pausable.isEmpty() && pausable.last().first().toBool());

    session.requestPause();
    QVERIFY(session.isPauseRequested());
    QTRY_COMPARE(record.events, QStringList{"paused"});
    QVERIFY(session.isPaused());
    QVERIFY(!session.isPauseRequested());
    // Nothing is pausable while paused.
    const int pausableBefore = pausable.size();
    session.sltDownloadCanBePaused(0, true);
    QCOMPARE(pausable.size(), pausableBefore);

    server.behaviour().bytesPerSecond = 0;
    session.resume();
    QVERIFY(!session.isPaused());
    QTRY_COMPARE_WITH_TIMEOUT(record.events, (QStringList{"paused", "finished"}), 15000);
    QCOMPARE(QFileInfo(machine.downloadPath() + QStringLiteral("/A1.exe")).size(),
             qint64(128 * 1024));
    // The resumed request asked only for what was missing.
    QVERIFY(!server.requests().last().range.isEmpty());
}

void TestDownloadSession::reportsSpeedAndTimeLeftAtMostOnceASecond()
{
    ScratchMachine machine;
    TestHttpServer server;
    QVERIFY(server.listen());
    server.behaviour().body = QByteArray(64, 'x');
    server.behaviour().stallAt = 0;
    server.behaviour().stallMs = 5000;
    QObject owner;
    DownloadSession session;
    QSignalSpy reports(&session, &DownloadSession::progressReport);
    const qint64 total = 3 * 1048576;
    session.start({webApplication("A:A1", server, total, QString(), &owner)}, total);

    session.sltDownloadProgress(0, 1024, 0, 1048576, total);
    QVERIFY(reports.isEmpty());
    QTest::qWait(1100);
    session.sltDownloadProgress(0, 1048576, 0, 1048576, total);
    QCOMPARE(reports.size(), 1);
    QCOMPARE(reports.last(), (QList<QVariant>{qint64(1048576), qint64(2)}));
    session.sltDownloadProgress(0, 1, 0, 2 * 1048576, total);
    QCOMPARE(reports.size(), 1);
    session.abandon();
}

QTEST_GUILESS_MAIN(TestDownloadSession)
#include "tst_downloadsession.moc"
