// What a SIGKILL at a random moment leaves behind: setup_runner killed while it installs, and
// the downloader killed while it fetches. Every iteration checks that nothing is lost or
// half-written and that the next start picks up what is left. A whole run is timed first; the
// rounds take its phases in turn, wait for the phase to begin and kill at a random moment of
// the time it took, so that short phases are hit as often as long ones; how many kills landed
// in each phase is printed. The moments come from a seeded generator; the seed is printed on
// failure (TAM_KILL_SEED replays one). TAM_KILL_ROUNDS caps the rounds of each test: the sanitizer
// run looks for memory faults, which a few rounds reach, and a sanitized helper is several times
// slower to start.

#include "application.h"
#include "catalogtestsupport.h"
#include "demodiscfixture.h"
#include "recoveryentry.h"
#include "regfile.h"
#include "registry.h"
#include "scannerinfo.h"
#include "segmentprotocol.h"
#include "testhttpserver.h"

#include <QRandomGenerator>
#include <QSharedMemory>
#include <QtTest>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <functional>
#include <sstream>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const int helperRounds = 18;  // three in each of the six phases
const int downloadRounds = 6; // two in each of the three phases

// Three applications of demo installers that finish at once; one ships in a cabinet.
const char catalogue[] = R"(<Scanner ShortName="K-1" LongName="Kill Test">
  <application ShortName="One">
    <displayname><string Language="*" Value="One"/></displayname>
    <installationplatform Value="all">
      <installer Executable="$SetupPath$\One.exe" CommandLine="/code={11111111-0000-0000-0000-000000000001} /name=First">
        <checker Type="installer" QueryValue="{11111111-0000-0000-0000-000000000001}" MatchMode="exists"/>
      </installer>
      <installer Order="2" Executable="$SetupPath$\One.exe" CommandLine="/code={11111111-0000-0000-0000-000000000002} /name=Second">
        <checker Type="installer" QueryValue="{11111111-0000-0000-0000-000000000002}" MatchMode="exists"/>
      </installer>
    </installationplatform>
  </application>
  <application ShortName="Two">
    <displayname><string Language="*" Value="Two"/></displayname>
    <installationplatform Value="all">
      <installer Executable="$SetupPath$\Two.exe" CommandLine="/code={11111111-0000-0000-0000-000000000003} /name=Third">
        <checker Type="installer" QueryValue="{11111111-0000-0000-0000-000000000003}" MatchMode="exists"/>
      </installer>
    </installationplatform>
  </application>
  <application ShortName="Ocr">
    <displayname><string Language="*" Value="Ocr"/></displayname>
    <installationplatform Value="all">
      <installer TargetPath="$SetupPath$\Payload\TextRecognition.cab" compression="cab"
                 url="https:&#47;&#47;www.tamberlin.com/Ocr.cab"
                 Executable="$SetupPath$\Payload\OcrSetup.exe"
                 CommandLine="/S /code={3E4F5A6B-7C8D-4E9F-8A0B-1C2D3E4F5A6B} /name=&quot;Tamberlin Text Recognition&quot;">
        <checker Type="displayname" QueryValue="Tamberlin Text Recognition" MatchMode="exists"/>
      </installer>
    </installationplatform>
  </application>
</Scanner>
)";

const char *const expectedNames[][2] = {
        {"{11111111-0000-0000-0000-000000000001}", "First"},
        {"{11111111-0000-0000-0000-000000000002}", "Second"},
        {"{11111111-0000-0000-0000-000000000003}", "Third"},
        {"{3E4F5A6B-7C8D-4E9F-8A0B-1C2D3E4F5A6B}", "Tamberlin Text Recognition"},
};

std::string readBytes(const QString &path)
{
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// Starts program in a process group of its own, so that what it started can be waited for.
pid_t startGroup(const QString &program, const QStringList &arguments)
{
    std::vector<std::string> storage{program.toStdString()};
    for (const QString &argument : arguments)
        storage.push_back(argument.toStdString());
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::setpgid(0, 0);
        std::vector<char *> argv;
        for (std::string &text : storage)
            argv.push_back(text.data());
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::setpgid(pid, pid);
    return pid;
}

// Kills the group's leader and waits until every process it started has ended too (they were
// not killed: an installer outlives the helper that started it, as on Windows). This process is
// their subreaper, so they come back here to be reaped.
bool killAndDrain(pid_t leader, int signal)
{
    ::kill(leader, signal);
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 30000) {
        int status = 0;
        const pid_t gone = ::waitpid(-leader, &status, WNOHANG);
        if (gone < 0 && errno == ECHILD)
            return true;
        if (gone == 0)
            QTest::qWait(5);
    }
    return false;
}

int exitCodeOf(pid_t pid, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (timer.elapsed() > timeoutMs)
            return -1;
        QTest::qWait(10);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The DisplayName of each installer's Uninstall entry, in the order they install; empty where
// there is no entry. The demo installer writes its entry into the 64-bit view, as a 64-bit
// installer does.
QStringList installedNames()
{
    QStringList names;
    for (const auto &expected : expectedNames) {
        const sys::RegKey entry
                = sys::RegKey::open(sys::RegRoot::LocalMachine,
                                    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"
                                            + QString::fromLatin1(expected[0]).toStdWString(),
                                    sys::RegAccess::Read | sys::RegAccess::Wow64_64Key);
        std::wstring name;
        names << (entry.isOpen() && entry.readString(L"DisplayName", name)
                          ? QString::fromStdWString(name)
                          : QString());
    }
    return names;
}

int rounds(int full)
{
    bool given = false;
    const int cap = qEnvironmentVariableIntValue("TAM_KILL_ROUNDS", &given);
    return given && cap > 0 ? qMin(cap, full) : full;
}

// Watches a started program to its end and notes when each phase that observe() tells began,
// in milliseconds from the start, then when the program ended; empty when it did not end with
// exit code 0 within 30 seconds.
QVector<int> timePhases(pid_t program, int phases, const std::function<int()> &observe)
{
    QElapsedTimer clock;
    clock.start();
    QVector<int> starts{0};
    int status = 0;
    bool ended = false;
    while (!ended && clock.elapsed() < 30000) {
        for (const int phase = observe(); starts.size() <= phase;)
            starts << int(clock.elapsed());
        ended = ::waitpid(program, &status, WNOHANG) == program;
        if (!ended)
            QTest::qWait(2);
    }
    const int end = int(clock.elapsed());
    // Once reaped, the program's id may be another's: it gets no signal then.
    if (!killAndDrain(program, ended ? 0 : SIGKILL) || !ended || !WIFEXITED(status)
        || WEXITSTATUS(status) != 0)
        return {};
    while (starts.size() <= phases)
        starts << end;
    return starts;
}

// Waits until phase has begun, then for a random part of the time it took in the timed run.
void waitForKillMoment(QRandomGenerator &random,
                       const QVector<int> &timed,
                       int phase,
                       const std::function<int()> &observe)
{
    QElapsedTimer clock;
    clock.start();
    while (phase > 0 && observe() < phase && clock.elapsed() < 30000)
        QTest::qWait(1);
    const int length = timed.at(phase + 1) - timed.at(phase);
    QTest::qWait(int(random.bounded(quint32(qMax(length, 1)))));
}

QString tally(const QVector<int> &kills, const QStringList &phases)
{
    QStringList counts;
    for (int i = 0; i < phases.size(); ++i)
        counts << QStringLiteral("%1 %2").arg(kills.value(i)).arg(phases.at(i));
    return counts.join(QStringLiteral(", "));
}

quint32 seed()
{
    const QByteArray given = qgetenv("TAM_KILL_SEED");
    return given.isEmpty() ? QRandomGenerator::global()->generate() : given.toUInt();
}

} // namespace

class TestKillSafety : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void helperKilledWhileInstalling();
    void downloaderKilledWhileFetching();

private:
    QString runList(ScannerInfo &info);
    bool runHelperToTheEnd(const QString &elements);
    void prepareRound();
    int phaseReached();

    // Machines in memory where there is such a folder: the store's fsyncs cost nothing there.
    QScopedPointer<QTemporaryDir> m_memoryFolder;
    QByteArray m_temporary;

    QString m_key;
    QString m_disc;
    QScopedPointer<ScratchMachine> m_machine;
    QSharedMemory *m_segment = nullptr;
};

void TestKillSafety::initTestCase()
{
    ::prctl(PR_SET_CHILD_SUBREAPER, 1);
    m_key = QStringLiteral("TamKillTest-%1").arg(QCoreApplication::applicationPid());
    m_temporary = qgetenv("TMPDIR");
    if (QFileInfo(QStringLiteral("/dev/shm")).isWritable()) {
        m_memoryFolder.reset(new QTemporaryDir(QStringLiteral("/dev/shm/tam-kill-XXXXXX")));
        qputenv("TMPDIR", QFile::encodeName(m_memoryFolder->path()));
    }
}

void TestKillSafety::cleanupTestCase()
{
    if (m_temporary.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", m_temporary);
    m_memoryFolder.reset();
}

// A fresh machine and disc, and a segment as setup creates it.
void TestKillSafety::prepareRound()
{
    m_machine.reset(new ScratchMachine);
    qputenv("TAM_MACHINE", m_machine->path(QStringLiteral("machine")).toLocal8Bit());
    qputenv("TAM_MESSAGE_LOG", m_machine->path(QStringLiteral("messages.txt")).toLocal8Bit());
    m_disc = m_machine->discPath();
    QVERIFY(DemoDiscFixture::layOut(m_disc,
                                    {QStringLiteral("One.exe"), QStringLiteral("Two.exe")}));
    m_machine->writeFile(QStringLiteral("disc/scanner_win.xml"), catalogue);
    delete m_segment;
    m_segment = new QSharedMemory(m_key);
    QCOMPARE(FrontEndSegment::create(*m_segment), FrontEndSegment::CreateResult::Created);
}

QString TestKillSafety::runList(ScannerInfo &info)
{
    info.setLanguage(QStringLiteral("en_us"));
    if (!info.load(m_disc + QStringLiteral("/scanner_win.xml"), true, false))
        return QString();
    info.refreshInstalledStates();
    QString elements;
    int order = 0;
    for (Application *application : info.applications()) {
        if (!application->isInstalled())
            elements += application->toRunList(++order);
    }
    return elements;
}

bool TestKillSafety::runHelperToTheEnd(const QString &elements)
{
    if (FrontEndSegment::writeRunList(m_segment, elements) != FrontEndSegment::WriteResult::Written)
        return false;
    const pid_t helper
            = startGroup(QStringLiteral(TAM_SETUP_RUNNER), {m_key, QStringLiteral("en_us")});
    return exitCodeOf(helper, 30000) == 0 && killAndDrain(helper, 0);
}

// How far an installation got: 0 while the run list is unread, then 1 + the number of
// installers whose entry is there.
int TestKillSafety::phaseReached()
{
    if (FrontEndSegment::consumeMessages(m_segment, [](const MessageSlot &) {})
        == FrontEndSegment::PollResult::RunListUnread)
        return 0;
    const QStringList names = installedNames();
    return 1 + int(std::count_if(names.begin(), names.end(), [](const QString &name) {
               return !name.isEmpty();
           }));
}

// setup_runner killed at a random moment of an installation, again and again: the store still
// parses and holds only whole values, the recovery entry is still there, the next setup finds
// neither a stale segment nor a held lock, and installing again completes what is left.
void TestKillSafety::helperKilledWhileInstalling()
{
    const quint32 start = seed();
    QRandomGenerator random(start);
    auto onFailure = qScopeGuard([start] { qWarning("kill moments from seed %u", start); });

    MessageRecorder recorder;
    const QStringList phases{QStringLiteral("with the run list unread"),
                             QStringLiteral("before the first installer"),
                             QStringLiteral("after one installer started"),
                             QStringLiteral("after two"),
                             QStringLiteral("after three (the cabinet's unpacking follows)"),
                             QStringLiteral("after all four")};
    const auto observe = [this] { return phaseReached(); };
    prepareRound();
    ScannerInfo timed;
    QCOMPARE(FrontEndSegment::writeRunList(m_segment, runList(timed)),
             FrontEndSegment::WriteResult::Written);
    const QVector<int> starts = timePhases(
            startGroup(QStringLiteral(TAM_SETUP_RUNNER), {m_key, QStringLiteral("en_us")}),
            phases.size(),
            observe);
    QVERIFY(!starts.isEmpty());
    QStringList began;
    for (int i = 0; i < phases.size(); ++i)
        began << QString::number(starts.at(i));
    qInfo("phases began at %s ms; the helper ended at %d ms",
          qPrintable(began.join(QStringLiteral(", "))),
          starts.last());

    QVector<int> kills(phases.size());
    const int count = rounds(helperRounds);
    for (int round = 0; round < count; ++round) {
        prepareRound();

        // setup's part up to the launch, then the kill.
        ScannerInfo first;
        const QString elements = runList(first);
        QVERIFY(!elements.isEmpty());
        RecoveryEntry::write(m_disc + QStringLiteral("/setup.exe"), QStringLiteral("en_us"));
        QCOMPARE(FrontEndSegment::writeRunList(m_segment, elements),
                 FrontEndSegment::WriteResult::Written);
        const pid_t helper
                = startGroup(QStringLiteral(TAM_SETUP_RUNNER), {m_key, QStringLiteral("en_us")});
        waitForKillMoment(random, starts, round % phases.size(), observe);
        QVERIFY(killAndDrain(helper, SIGKILL));

        // The store parses, and every value of an installer's entry is whole (an installer the
        // helper started has finished: it outlives the helper).
        size_t line = 0;
        std::wstring problem;
        std::vector<sys::RegFileEntry> entries;
        const std::string store
                = readBytes(m_machine->path(QStringLiteral("machine/registry.reg")));
        QVERIFY2(store.empty()
                         || sys::parseRegText(sys::decodeRegText(store), entries, line, problem),
                 qPrintable(QString::fromStdWString(problem)));
        const QStringList names = installedNames();
        for (int i = 0; i < names.size(); ++i) {
            if (!names.at(i).isEmpty())
                QCOMPARE(names.at(i), QString::fromLatin1(expectedNames[i][1]));
        }
        std::wstring recovery;
        QVERIFY(sys::RegKey::open(
                        sys::RegRoot::CurrentUser, RecoveryEntry::KeyPath, sys::RegAccess::Read)
                        .readString(RecoveryEntry::ValueName, recovery));

        // The lock the helper may have held is free, and the next setup owns the segment.
        QVERIFY(m_segment->lock());
        m_segment->unlock();
        ++kills[phaseReached()];
        delete m_segment;
        m_segment = new QSharedMemory(m_key);
        QCOMPARE(FrontEndSegment::create(*m_segment), FrontEndSegment::CreateResult::Created);

        // The resume installs what is left.
        ScannerInfo resumed;
        const QString rest = runList(resumed);
        if (!rest.isEmpty())
            QVERIFY(runHelperToTheEnd(rest));
        ScannerInfo after;
        const QString left = runList(after);
        QVERIFY2(left.isEmpty(), qPrintable(left));
        QCOMPARE(after.applications().size(), 3);

        delete m_segment;
        m_segment = nullptr;
        m_machine.reset();
    }
    qInfo("helper kills: %s", qPrintable(tally(kills, phases)));
    onFailure.dismiss();
}

// disctool's downloader killed at a random moment of a download: the target is either absent
// or the whole file, and the side file is a prefix of it, from which the next run completes.
void TestKillSafety::downloaderKilledWhileFetching()
{
    const quint32 start = seed();
    QRandomGenerator random(start);
    auto onFailure = qScopeGuard([start] { qWarning("kill moments from seed %u", start); });

    QByteArray body(200000, Qt::Uninitialized);
    for (int i = 0; i < body.size(); ++i)
        body[i] = char((i * 7) % 251);
    TestHttpServer server;
    QVERIFY(server.listen());
    server.behaviour().body = body;
    server.behaviour().bytesPerSecond = 2000000;
    QTemporaryDir dir;
    const auto arguments = [&](int round) {
        return QStringList{QStringLiteral("download"),
                           server.url().toString(),
                           dir.filePath(QStringLiteral("file%1.bin").arg(round))};
    };
    // Nothing on disk yet, the side file only, the target.
    const auto phaseOf = [](const QString &target) {
        return QFileInfo::exists(target)                                ? 2
               : QFileInfo(target + QStringLiteral(".part")).size() > 0 ? 1
                                                                        : 0;
    };
    const QStringList phases{QStringLiteral("before any data"),
                             QStringLiteral("in the middle"),
                             QStringLiteral("after the end")};
    const QString timedTarget = arguments(-1).last();
    const QVector<int> starts = timePhases(startGroup(QStringLiteral(TAM_DISCTOOL), arguments(-1)),
                                           phases.size(),
                                           [&] { return phaseOf(timedTarget); });
    QVERIFY(!starts.isEmpty());

    QVector<int> kills(phases.size());
    const int count = rounds(downloadRounds);
    for (int round = 0; round < count; ++round) {
        const QString target = arguments(round).last();
        const QString part = target + QStringLiteral(".part");
        const pid_t downloader = startGroup(QStringLiteral(TAM_DISCTOOL), arguments(round));
        waitForKillMoment(random, starts, round % phases.size(), [&] { return phaseOf(target); });
        QVERIFY(killAndDrain(downloader, SIGKILL));
        ++kills[phaseOf(target)];
        if (QFileInfo::exists(target)) {
            QCOMPARE(QByteArray::fromStdString(readBytes(target)), body);
            QVERIFY(!QFileInfo::exists(part));
            continue;
        }
        const QByteArray kept = QByteArray::fromStdString(readBytes(part));
        QVERIFY(body.startsWith(kept));
        // The next run takes up where the killed one stopped.
        const pid_t again = startGroup(QStringLiteral(TAM_DISCTOOL), arguments(round));
        QVERIFY(QTest::qWaitFor([&] { return ::waitpid(again, nullptr, WNOHANG) == again; },
                                20000));
        QCOMPARE(QByteArray::fromStdString(readBytes(target)), body);
        QVERIFY(!QFileInfo::exists(part));
        if (!kept.isEmpty()) {
            const QByteArray range = server.requests().constLast().range;
            QCOMPARE(range,
                     "bytes=" + QByteArray::number(kept.size()) + '-'
                             + QByteArray::number(body.size()));
        }
    }
    qInfo("downloader kills: %s", qPrintable(tally(kills, phases)));
    onFailure.dismiss();
}

QTEST_MAIN(TestKillSafety)
#include "tst_killsafety.moc"
