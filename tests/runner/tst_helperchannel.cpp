// The channel to the helper without a window: what the helper's messages become, what it does
// with messages that name nothing it handed over, what it refuses to hand over, and a whole
// run of the real helper.

#include "application.h"
#include "catalogtestsupport.h"
#include "helperchannel.h"
#include "segmentprotocol.h"

#include <QCoreApplication>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QSharedMemory>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// One: two installers with wait images, the first installed already (the helper is handed only
// the second). Two: one installer.
QList<Application *> catalogue(QObject *parent)
{
    ScratchMachine::addUninstallEntry(false, "{0NE1}", "One first", "1.0");
    const QString installer = QStringLiteral(
            "<installer DisplayName=\"%1\" Executable=\"%1.exe\" NeedsWaitScreen=\"true\" "
            "WaitScreenImage=\"%2\"><checker Type=\"installer\" QueryValue=\"%3\" "
            "MatchMode=\"exists\"/></installer>");
    const QString application = QStringLiteral(
            "<application ShortName=\"%1\"><displayname><string Language=\"en\" Value=\"%1\"/>"
            "</displayname><installationplatform Value=\"all\">%2</installationplatform>"
            "</application>");
    QList<Application *> applications;
    for (const QString &xml :
         {application.arg("One",
                          installer.arg("One1", "wait1.png", "{0NE1}")
                                  + installer.arg("One2", "wait2.png", "{0NE2}")),
          application.arg("Two", installer.arg("Two", "", "{TW0}"))}) {
        QDomDocument document;
        document.setContent(xml);
        applications << Application::fromCatalogue(
                document.documentElement(), "en", "us", false, nullptr, parent);
    }
    return applications;
}

QString nameOf(const Application *application)
{
    return application ? application->shortName() : QStringLiteral("-");
}

// What the channel tells, in order.
struct ChannelEvents
{
    explicit ChannelEvents(HelperChannel &channel)
    {
        QObject::connect(&channel, &HelperChannel::applicationStarted, [this](Application *a) {
            events << "started " + nameOf(a);
        });
        QObject::connect(&channel, &HelperChannel::applicationFinished, [this](Application *a) {
            events << "finished " + nameOf(a);
        });
        QObject::connect(
                &channel, &HelperChannel::applicationRefused, [this](Application *a, int reason) {
                    events << QStringLiteral("refused %1 %2").arg(nameOf(a)).arg(reason);
                });
        QObject::connect(&channel, &HelperChannel::waitScreenShown, [this](const QString &image) {
            events << "wait " + image;
        });
        QObject::connect(&channel, &HelperChannel::waitScreenHidden, [this] { events << "hide"; });
        QObject::connect(&channel, &HelperChannel::runFinished, [this] { events << "end"; });
        QObject::connect(
                &channel, &HelperChannel::runInterrupted, [this] { events << "interrupted"; });
    }
    QStringList events;
};

// Sets environment variables and the current folder for a scope, and puts them back after.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const QList<QPair<const char *, QString>> &variables, const QString &folder)
        : m_folder(QDir::currentPath())
    {
        for (const auto &variable : variables) {
            m_previous.append({variable.first, qgetenv(variable.first)});
            qputenv(variable.first, QFile::encodeName(variable.second));
        }
        QDir::setCurrent(folder);
    }
    ~ScopedEnvironment()
    {
        for (const auto &variable : m_previous) {
            if (variable.second.isEmpty())
                qunsetenv(variable.first);
            else
                qputenv(variable.first, variable.second);
        }
        QDir::setCurrent(m_folder);
    }

private:
    QString m_folder;
    QList<QPair<const char *, QByteArray>> m_previous;
};

struct Message
{
    int type;
    int value1;
    int value2;
};

} // namespace

Q_DECLARE_METATYPE(QList<Message>)
Q_DECLARE_METATYPE(HelperChannel::StartResult)

class TestHelperChannel : public QObject
{
    Q_OBJECT

private slots:
    void turnsMessagesIntoSignals_data();
    void turnsMessagesIntoSignals();
    void refusesWhatItCannotHandOver_data();
    void refusesWhatItCannotHandOver();
    void followsTheRealHelperToTheEnd();
};

void TestHelperChannel::turnsMessagesIntoSignals_data()
{
    QTest::addColumn<QList<Message>>("messages");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("a run as the helper posts it") << QList<Message>{{AppStarted, 0, -1},
                                                                    {ShowWait, 0, 0},
                                                                    {HideWait, -1, -1},
                                                                    {AppFinished, 0, -1},
                                                                    {AppStarted, 1, -1},
                                                                    {AppFailed, 1, 2},
                                                                    {AppFinished, 1, -1},
                                                                    {RunFinished, -1, -1}}
                                                  << QStringList{"started One",
                                                                 "wait wait2.png",
                                                                 "hide",
                                                                 "finished One",
                                                                 "started Two",
                                                                 "refused Two 2",
                                                                 "finished Two",
                                                                 "end"};
    QTest::newRow("indices that name nothing handed over")
            << QList<Message>{{AppStarted, 5, -1},
                              {ShowWait, 0, 1},
                              {ShowWait, -1, 0},
                              {ShowWait, 1, -1},
                              {AppFailed, 9, 1},
                              {AppFinished, -3, -1},
                              {RunInterrupted, -1, -1}}
            << QStringList{"refused - 1", "finished -", "interrupted"};
    QTest::newRow("unknown types are passed over")
            << QList<Message>{{6, 0, 0}, {0, 1, 1}, {99, -1, -1}, {RunFinished, -1, -1}}
            << QStringList{"end"};
    QTest::newRow("nothing is left to name after the end")
            << QList<Message>{{RunFinished, -1, -1}, {AppStarted, 0, -1}, {AppFinished, 0, -1}}
            << QStringList{"end", "finished -"};
}

void TestHelperChannel::turnsMessagesIntoSignals()
{
    QFETCH(QList<Message>, messages);
    QFETCH(QStringList, expected);
    ScratchMachine machine;
    MessageRecorder recorder;
    const QString key = QStringLiteral("TamChannelTest-%1").arg(QCoreApplication::applicationPid());
    QSharedMemory segment(key);
    QCOMPARE(FrontEndSegment::create(segment), FrontEndSegment::CreateResult::Created);
    QObject owner;
    HelperChannel channel(&segment);
    channel.setLaunch([] { return true; });
    ChannelEvents record(channel);

    QCOMPARE(channel.start(catalogue(&owner), "en", nullptr, nullptr, QString()),
             HelperChannel::StartResult::Started);
    QVERIFY(channel.isFollowing());
    QCOMPARE(channel.pollTimer()->interval(), HelperChannel::PollIntervalMs);
    // Until the helper has read the run list, its text is no message.
    channel.handle_message();
    QVERIFY(record.events.isEmpty());

    QSharedMemory helper(key);
    QVERIFY(HelperSegment::readRunList(helper).startsWith(QStringLiteral("<RunnerInfo")));
    QVERIFY(HelperSegment::clear(helper));
    for (const Message &message : messages)
        QVERIFY(HelperSegment::post(
                helper, HelperMessage(message.type), message.value1, message.value2));
    channel.handle_message();

    QCOMPARE(record.events, expected);
    QVERIFY(!channel.isFollowing());
    QVERIFY(channel.runList().isEmpty());
    QCOMPARE(recorder.texts(), QStringList());
}

void TestHelperChannel::refusesWhatItCannotHandOver_data()
{
    QTest::addColumn<bool>("withSegment");
    QTest::addColumn<int>("nameLength");
    QTest::addColumn<bool>("launches");
    QTest::addColumn<HelperChannel::StartResult>("result");
    QTest::addColumn<bool>("handedOver");
    QTest::newRow("no segment") << false << 3 << true << HelperChannel::StartResult::NoSegment
                                << false;
    QTest::newRow("a run list larger than the segment")
            << true << 600000 << true << HelperChannel::StartResult::TooLarge << false;
    QTest::newRow("the helper does not start")
            << true << 3 << false << HelperChannel::StartResult::LaunchFailed << true;
}

void TestHelperChannel::refusesWhatItCannotHandOver()
{
    QFETCH(bool, withSegment);
    QFETCH(int, nameLength);
    QFETCH(bool, launches);
    QFETCH(HelperChannel::StartResult, result);
    QFETCH(bool, handedOver);
    ScratchMachine machine;
    MessageRecorder recorder;
    QSharedMemory segment(
            QStringLiteral("TamChannelTest-%1").arg(QCoreApplication::applicationPid()));
    QCOMPARE(FrontEndSegment::create(segment), FrontEndSegment::CreateResult::Created);
    QDomDocument document;
    document.setContent(QStringLiteral("<application ShortName=\"%1\"/>")
                                .arg(QString(nameLength, QLatin1Char('n'))));
    QObject owner;
    HelperChannel channel(withSegment ? &segment : nullptr);
    channel.setLaunch([launches] { return launches; });

    QCOMPARE(channel.start({Application::fromCatalogue(
                                   document.documentElement(), "en", "us", false, nullptr, &owner)},
                           "en",
                           nullptr,
                           nullptr,
                           QString()),
             result);
    QVERIFY(!channel.isFollowing());
    QVERIFY(channel.runList().isEmpty());
    segment.lock();
    const char16_t first = static_cast<const char16_t *>(segment.constData())[0];
    segment.unlock();
    QCOMPARE(first == SegmentProtocol::RunListMarker, handedOver);
    if (result != HelperChannel::StartResult::LaunchFailed)
        QVERIFY(!HelperChannel::failureText(result).isEmpty());
}

// The shipped helper's variant is started as setup starts it, through the shell, and handed a
// run list whose applications have nothing to run; the channel follows it to its end.
void TestHelperChannel::followsTheRealHelperToTheEnd()
{
    ScratchMachine machine;
    MessageRecorder recorder;
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString helperProgram = QStringLiteral(TAM_SETUP_RUNNER);
    QVERIFY(QFile::copy(helperProgram, folder.filePath(QFileInfo(helperProgram).fileName())));
    // The helper is looked for in the current folder. The segment's key depends on the
    // temporary folder where segments are files: ours alone, and the helper's.
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("tmp")));
    const ScopedEnvironment environment(
            {{"TMPDIR", folder.filePath(QStringLiteral("tmp"))},
             {"TAM_MACHINE", QString::fromStdString(sys::machineRoot())},
             {"TAM_MESSAGE_LOG", folder.filePath(QStringLiteral("boxes.txt"))}},
            folder.path());

    QSharedMemory segment(QString::fromLatin1(SegmentProtocol::DefaultKey));
    QCOMPARE(FrontEndSegment::create(segment), FrontEndSegment::CreateResult::Created);
    QObject owner;
    QList<Application *> applications;
    for (const char *name : {"First", "Second"}) {
        QDomDocument document;
        document.setContent(QStringLiteral("<application ShortName=\"%1\"/>").arg(name));
        applications << Application::fromCatalogue(
                document.documentElement(), "en", "us", false, nullptr, &owner);
    }
    HelperChannel channel(&segment);
    ChannelEvents record(channel);
    QCOMPARE(channel.start(applications, "en", nullptr, nullptr, "Front End Error"),
             HelperChannel::StartResult::Started);
    QTRY_VERIFY_WITH_TIMEOUT(!channel.isFollowing(), 60000);
    QCOMPARE(record.events,
             (QStringList{"started First",
                          "finished First",
                          "started Second",
                          "finished Second",
                          "end"}));
    QCOMPARE(recorder.texts(), QStringList());
}

QTEST_GUILESS_MAIN(TestHelperChannel)
#include "tst_helperchannel.moc"
