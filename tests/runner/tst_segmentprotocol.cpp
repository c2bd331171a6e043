#include "segmentprotocol.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSharedMemory>
#include <QtTest>

#include <vector>

// Both sides of the segment in one process: the front end's segment object and the helper's,
// attached to the same key, exactly as the two programs do.
class tst_SegmentProtocol : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void runListRoundTrips_data();
    void runListRoundTrips();
    void runListTooLargeIsRefusedUntouched();
    void pollLeavesUnreadRunListAlone();
    void pollAfterClearConsumesNothing();
    void messagesArriveOnceInPostingOrder();
    void consumedSlotsAreReusedFromTheFront();
    void unreadSlotsBehindFreeOnesMoveToTheFront();
    void fullQueueRefusesThePost();
    void secondRunListOverwritesFromByteZero();
    void staleSegmentOfKilledOwnerIsCleared();
    void liveOwnerIsNeverDisplaced();

private:
    std::vector<MessageSlot> poll();
    QString m_key;
    QSharedMemory *m_frontEnd = nullptr;
    QSharedMemory *m_helper = nullptr;
};

void tst_SegmentProtocol::init()
{
    m_key = QStringLiteral("TamTest-%1-%2")
                    .arg(QCoreApplication::applicationPid())
                    .arg(QTest::currentTestFunction());
    m_frontEnd = new QSharedMemory(m_key);
    QCOMPARE(FrontEndSegment::create(*m_frontEnd), FrontEndSegment::CreateResult::Created);
    QCOMPARE(m_frontEnd->size(), SegmentProtocol::SegmentSize);
    m_helper = new QSharedMemory(m_key);
}

void tst_SegmentProtocol::cleanup()
{
    delete m_helper;
    delete m_frontEnd;
    m_helper = m_frontEnd = nullptr;
}

static std::vector<MessageSlot> consumed(QSharedMemory *segment)
{
    std::vector<MessageSlot> seen;
    FrontEndSegment::consumeMessages(segment,
                                     [&seen](const MessageSlot &slot) { seen.push_back(slot); });
    return seen;
}

std::vector<MessageSlot> tst_SegmentProtocol::poll()
{
    return consumed(m_frontEnd);
}

void tst_SegmentProtocol::runListRoundTrips_data()
{
    QTest::addColumn<QString>("elements");
    QTest::newRow("empty list") << QString();
    QTest::newRow("one application")
            << QStringLiteral("<Application Order=\"1\" ShortName=\"Drv\"></Application>");
    QTest::newRow("non-Latin text") << QStringLiteral("<Application DisplayName=\"扫描 Ünï\"/>");
    QTest::newRow("exactly full") << QString(SegmentProtocol::MaxRunListUnits
                                                     - int(qstrlen("<RunnerInfo></RunnerInfo>")),
                                             QLatin1Char('x'));
}

void tst_SegmentProtocol::runListRoundTrips()
{
    QFETCH(QString, elements);
    QCOMPARE(FrontEndSegment::writeRunList(m_frontEnd, elements),
             FrontEndSegment::WriteResult::Written);
    QCOMPARE(HelperSegment::readRunList(*m_helper), FrontEndSegment::wrapRunList(elements));
}

void tst_SegmentProtocol::runListTooLargeIsRefusedUntouched()
{
    QVERIFY(FrontEndSegment::writeRunList(m_frontEnd, QStringLiteral("<A/>"))
            == FrontEndSegment::WriteResult::Written);
    const QString tooLarge(SegmentProtocol::MaxRunListUnits, QLatin1Char('y'));
    QCOMPARE(FrontEndSegment::writeRunList(m_frontEnd, tooLarge),
             FrontEndSegment::WriteResult::TooLarge);
    QCOMPARE(HelperSegment::readRunList(*m_helper),
             QStringLiteral("<RunnerInfo><A/></RunnerInfo>"));
    QCOMPARE(FrontEndSegment::writeRunList(nullptr, QString()),
             FrontEndSegment::WriteResult::NoSegment);
}

void tst_SegmentProtocol::pollLeavesUnreadRunListAlone()
{
    FrontEndSegment::writeRunList(m_frontEnd, QString());
    int calls = 0;
    QCOMPARE(FrontEndSegment::consumeMessages(m_frontEnd,
                                              [&calls](const MessageSlot &) { ++calls; }),
             FrontEndSegment::PollResult::RunListUnread);
    QCOMPARE(calls, 0);
    QVERIFY(HelperSegment::readRunList(*m_helper).startsWith(QLatin1Char('<')));
}

void tst_SegmentProtocol::pollAfterClearConsumesNothing()
{
    FrontEndSegment::writeRunList(m_frontEnd, QStringLiteral("<Application/>"));
    HelperSegment::readRunList(*m_helper);
    QVERIFY(HelperSegment::clear(*m_helper));
    QVERIFY(poll().empty());
}

void tst_SegmentProtocol::messagesArriveOnceInPostingOrder()
{
    HelperSegment::readRunList(*m_helper);
    HelperSegment::clear(*m_helper);
    QVERIFY(HelperSegment::post(*m_helper, AppStarted, 0));
    QVERIFY(HelperSegment::post(*m_helper, ShowWait, 0, 2));
    QVERIFY(HelperSegment::post(*m_helper, HideWait));

    const std::vector<MessageSlot> seen = poll();
    QCOMPARE(int(seen.size()), 3);
    QCOMPARE(seen[0].type, qint32(AppStarted));
    QCOMPARE(seen[0].value1, 0);
    QCOMPARE(seen[0].value2, -1);
    QCOMPARE(seen[1].type, qint32(ShowWait));
    QCOMPARE(seen[1].value2, 2);
    QCOMPARE(seen[2].type, qint32(HideWait));
    QVERIFY(poll().empty());
}

void tst_SegmentProtocol::consumedSlotsAreReusedFromTheFront()
{
    HelperSegment::readRunList(*m_helper);
    HelperSegment::clear(*m_helper);
    for (int i = 0; i < 3; ++i)
        HelperSegment::post(*m_helper, AppStarted, i);
    QCOMPARE(int(poll().size()), 3);
    HelperSegment::post(*m_helper, RunFinished);
    const auto *queue = static_cast<const MessageSlot *>(m_frontEnd->constData());
    QCOMPARE(queue[0].inUse, quint8(1));
    QCOMPARE(queue[0].type, qint32(RunFinished));
    QCOMPARE(queue[1].inUse, quint8(0));
    const std::vector<MessageSlot> seen = poll();
    QCOMPARE(int(seen.size()), 1);
    QCOMPARE(seen[0].type, qint32(RunFinished));
}

void tst_SegmentProtocol::unreadSlotsBehindFreeOnesMoveToTheFront()
{
    HelperSegment::readRunList(*m_helper);
    HelperSegment::clear(*m_helper);
    auto *queue = static_cast<MessageSlot *>(m_frontEnd->data());
    // Unread messages at slots 2 and 5, free slots before and between them.
    queue[2] = MessageSlot{1, {0, 0, 0}, AppStarted, 7, -1};
    queue[5] = MessageSlot{1, {0, 0, 0}, AppFinished, 7, -1};
    QVERIFY(HelperSegment::post(*m_helper, RunFinished));

    // Moved to slots 0 and 1; the new message follows them; the old places are zeroed.
    QCOMPARE(queue[0].type, qint32(AppStarted));
    QCOMPARE(queue[2].type, qint32(RunFinished));
    QCOMPARE(queue[5].inUse, quint8(0));
    QCOMPARE(queue[5].type, 0);
    const std::vector<MessageSlot> seen = poll();
    QCOMPARE(int(seen.size()), 3);
    QCOMPARE(seen[0].type, qint32(AppStarted));
    QCOMPARE(seen[1].type, qint32(AppFinished));
    QCOMPARE(seen[2].type, qint32(RunFinished));
}

void tst_SegmentProtocol::fullQueueRefusesThePost()
{
    // Both sides read the queue's length from the segment's size: a small segment fills the
    // same way as the real one, without 65,536 posts that each walk the queue.
    constexpr int queueLength = 256;
    QSharedMemory frontEnd(m_key + QStringLiteral("-small"));
    QVERIFY(frontEnd.create(queueLength * SegmentProtocol::SlotSize, QSharedMemory::ReadWrite));
    QSharedMemory helper(frontEnd.key());
    QVERIFY(helper.attach(QSharedMemory::ReadWrite));
    QVERIFY(HelperSegment::clear(helper));
    for (int i = 0; i < queueLength; ++i)
        QVERIFY(HelperSegment::post(helper, AppStarted, i));
    QVERIFY(!HelperSegment::post(helper, RunFinished));
    const std::vector<MessageSlot> seen = consumed(&frontEnd);
    QCOMPARE(int(seen.size()), queueLength);
    QCOMPARE(seen.back().value1, queueLength - 1);
    QCOMPARE(seen.back().type, qint32(AppStarted));
    // Consumed, the queue takes posts again from its front.
    QVERIFY(HelperSegment::post(helper, RunFinished));
}

void tst_SegmentProtocol::secondRunListOverwritesFromByteZero()
{
    FrontEndSegment::writeRunList(m_frontEnd, QString(1000, QLatin1Char('a')));
    FrontEndSegment::writeRunList(m_frontEnd, QStringLiteral("<B/>"));
    QCOMPARE(HelperSegment::readRunList(*m_helper),
             QStringLiteral("<RunnerInfo><B/></RunnerInfo>"));
}

namespace {
// A child process that holds the segment, as a running setup does.
QProcess *startHolder(const QString &key)
{
    auto *holder = new QProcess;
    holder->setProgram(QCoreApplication::applicationFilePath());
    holder->setArguments({QStringLiteral("--hold-segment"), key});
    holder->start();
    if (!holder->waitForReadyRead(10000)) {
        delete holder;
        return nullptr;
    }
    return holder;
}
} // namespace

void tst_SegmentProtocol::staleSegmentOfKilledOwnerIsCleared()
{
    const QString key = m_key + QStringLiteral("-stale");
    QProcess *holder = startHolder(key);
    QVERIFY(holder);
    // Killed without a chance to detach. Where segments outlive their processes the segment
    // stays behind and create() must clear it; where the last handle takes it along (Windows)
    // there is nothing left to clear and create() simply succeeds.
    holder->kill();
    QVERIFY(holder->waitForFinished(5000));
    delete holder;

    QSharedMemory next(key);
    QCOMPARE(FrontEndSegment::create(next), FrontEndSegment::CreateResult::Created);
}

void tst_SegmentProtocol::liveOwnerIsNeverDisplaced()
{
    const QString key = m_key + QStringLiteral("-live");
    QProcess *holder = startHolder(key);
    QVERIFY(holder);
    {
        QSharedMemory second(key);
        QCOMPARE(FrontEndSegment::create(second), FrontEndSegment::CreateResult::AlreadyRunning);
    }
    // The owner's segment survived the attempt: a helper can still attach to it.
    QSharedMemory helper(key);
    QVERIFY(helper.attach());
    helper.detach();
    holder->kill();
    holder->waitForFinished(5000);
    delete holder;
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--hold-segment") == 0) {
        QSharedMemory segment(QString::fromLatin1(argv[2]));
        if (FrontEndSegment::create(segment) != FrontEndSegment::CreateResult::Created)
            return 1;
        QTextStream(stdout) << "holding" << Qt::endl;
        return app.exec();
    }
    tst_SegmentProtocol test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_segmentprotocol.moc"
