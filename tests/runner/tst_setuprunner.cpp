// setup_runner end to end, with this test in the front end's part: it creates the segment,
// writes the run list for a selection from a catalogue on a scratch disc, starts the helper with
// key and language through the shell as setup does, and polls the segment every 100 ms.

#include "application.h"
#include "catalogtestsupport.h"
#include "demodiscfixture.h"
#include "executable.h"
#include "hostpath.h"
#include "process.h"
#include "protectedfolder.h"
#include "registry.h"
#include "runlistxml.h"
#include "scannerinfo.h"
#include "segmentprotocol.h"
#include "setupsettings.h"

#include <QProcess>
#include <QScopeGuard>
#include <QSharedMemory>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

namespace {

// The variant that logs its boxes; the shipped one is only looked at.
const QString helperProgram = QStringLiteral(TAM_SETUP_RUNNER);
const QString shippedHelperProgram = QStringLiteral(TAM_SHIPPED_SETUP_RUNNER);
// The demo disc's compressed cabinet, holding the demo installer as OcrSetup.exe.

// Slashes in the URL are written as references: moc takes a double slash in a raw string for
// the start of a comment.
const char catalogue[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<Scanner ShortName="T-1" LongName="Test Scanner" PID="0a42" Skin="None" Brand="Tamberlin">
  <supportedlanguages><language IsoCode="en"/><language IsoCode="de"/></supportedlanguages>
  <application ShortName="Driver">
    <displayname><string Language="*" Value="Test Driver"/></displayname>
    <installationplatform Value="all">
      <installer DisplayName="Test driver" NeedsWaitScreen="true" WaitScreenImage="wait.png"
                 Executable="$SetupPath$\Drivers\DriverSetup.exe"
                 CommandLine="/code={11111111-2222-3333-4444-555555555555} /name=&quot;Test Driver é Сканер&quot; /version=2.0">
        <checker Type="installer" QueryValue="{11111111-2222-3333-4444-555555555555}"
                 MatchValue="2.0" MatchMode="isequalornewer"/>
      </installer>
    </installationplatform>
  </application>
  <application ShortName="Utility">
    <displayname><string Language="*" Value="Test &amp; Utility &lt;2&gt;"/></displayname>
    <installationplatform Value="all">
      <installer Order="1" DisplayName="Runtime"
                 Executable="$SetupPath$\Software\RuntimeSetup.exe"
                 CommandLine="/code={AAAAAAAA-2222-3333-4444-555555555555} /name=Runtime">
        <checker Type="installer" QueryValue="{AAAAAAAA-2222-3333-4444-555555555555}" MatchMode="exists"/>
      </installer>
      <installer Order="2" DisplayName="Utility"
                 Executable="$SetupPath$\Software\UtilitySetup.exe"
                 CommandLine="/code={BBBBBBBB-2222-3333-4444-555555555555} /name=Utility">
        <checker Type="installer" QueryValue="{BBBBBBBB-2222-3333-4444-555555555555}" MatchMode="exists"/>
      </installer>
    </installationplatform>
  </application>
  <application ShortName="Ocr">
    <displayname><string Language="*" Value="Text Recognition"/></displayname>
    <installationplatform Value="all">
      <installer DisplayName="Text recognition" url="https:&#47;&#47;www.tamberlin.com/Downloads/Ocr.cab"
                 TargetPath="$SetupPath$\Payload\TextRecognition.cab" compression="cab"
                 Executable="$SetupPath$\Payload\OcrSetup.exe"
                 CommandLine="/S /code={3E4F5A6B-7C8D-4E9F-8A0B-1C2D3E4F5A6B} /name=&quot;Tamberlin Text Recognition&quot;">
        <checker Type="displayname" QueryValue="Tamberlin Text Recognition" MatchMode="exists"/>
      </installer>
    </installationplatform>
  </application>
  <application ShortName="Slow">
    <displayname><string Language="*" Value="Slow Utility"/></displayname>
    <installationplatform Value="all">
      <installer Executable="$SetupPath$\Software\UtilitySetup.exe" CommandLine="/code={DDDDDDDD-2222-3333-4444-555555555555} /name=Slow /delay=2000">
        <checker Type="installer" QueryValue="{DDDDDDDD-2222-3333-4444-555555555555}" MatchMode="exists"/>
      </installer>
    </installationplatform>
  </application>
  <application ShortName="Other">
    <displayname><string Language="*" Value="Not selected"/></displayname>
    <installationplatform Value="all">
      <installer Executable="$SetupPath$\Software\UtilitySetup.exe" CommandLine="/code={CCCCCCCC-2222-3333-4444-555555555555} /name=Other">
        <checker Type="installer" QueryValue="{CCCCCCCC-2222-3333-4444-555555555555}" MatchMode="exists"/>
      </installer>
    </installationplatform>
  </application>
</Scanner>
)";

struct Message
{
    int type;
    int value1;
    int value2;
    bool operator==(const Message &other) const
    {
        return type == other.type && value1 == other.value1 && value2 == other.value2;
    }
};

char *toString(const Message &m)
{
    return qstrdup(QByteArray("(" + QByteArray::number(m.type) + "," + QByteArray::number(m.value1)
                              + "," + QByteArray::number(m.value2) + ")")
                           .constData());
}

// The run's course without the programs each installer started and how they ended.
QList<Message> withoutPrograms(QList<Message> messages)
{
    messages.erase(std::remove_if(messages.begin(),
                                  messages.end(),
                                  [](const Message &m) {
                                      return m.type == ProgramStarted || m.type == ProgramEnded;
                                  }),
                   messages.end());
    return messages;
}

QString uninstallKeyOf(const QString &code)
{
    return QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\") + code;
}

sys::RegKey uninstallEntry(const QString &code)
{
    return sys::RegKey::open(sys::RegRoot::LocalMachine,
                             uninstallKeyOf(code).toStdWString(),
                             sys::RegAccess::Read | sys::RegAccess::Wow64_64Key);
}

bool isUninstallEntry(const QString &code)
{
    return uninstallEntry(code).isOpen();
}

QString uninstallDisplayName(const QString &code)
{
    std::wstring name;
    return uninstallEntry(code).readString(L"DisplayName", name) ? QString::fromStdWString(name)
                                                                 : QString();
}

// Where the helper keeps its copies of downloads, as a host path.
QString payloadCache()
{
    return QString::fromStdString(sys::toHostPath(sys::payloadCacheFolder()));
}

QStringList payloadCacheEntries()
{
    return QDir(payloadCache()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
}

// Wine keeps no ACL on files (it makes one from the Unix mode, which lets the user write), so
// there the helper finds no folder it may trust and runs no downloaded installer.
bool underWine()
{
    return qEnvironmentVariableIsSet("WINELOADER");
}
const char wineKeepsNoAcls[] = "Wine keeps no ACL on files: the helper refuses every download";

// setup_runner's main() returns -1 for a refused start: a Windows parent reads all 32 bits of
// that, a POSIX parent only the low eight.
int minusOneExitCode()
{
    return QSysInfo::kernelType() == QLatin1String("winnt") ? -1 : 255;
}

} // namespace

class TestSetupRunner : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void installsSelection();
    void asksInTheUsersLanguage();
    void emptyRunList();
    void unparsableRunListStaysUnread_data();
    void unparsableRunListStaysUnread();
    void wrongArgumentCount_data();
    void wrongArgumentCount();
    void closedWhileInstallingEndsCleanly();
    void runsOnlyItsOwnCheckedCopy_data();
    void runsOnlyItsOwnCheckedCopy();
    void untrustedCacheIsNeitherUsedNorEmptied_data();
    void untrustedCacheIsNeitherUsedNorEmptied();
    void everyStepRunsFromTheCopy_data();
    void everyStepRunsFromTheCopy();
    void helperReadsNoConfigurationFromItsEnvironment_data();
    void helperReadsNoConfigurationFromItsEnvironment();
    void helperTakesNoQtVariables();

private:
    QString runListFor(const QStringList &selection);
    // The catalogue with one more application, "Web", whose installer downloads
    // WebSetup.exe and has the given attributes; its run list.
    QString webRunList(const QString &installerAttributes, const QString &code);
    QList<Message> runHelper(const QString &elements, const QString &rootAttributes = QString());
    QList<Message> pollUntilEnd(int timeoutMs);
    QStringList loggedMessages() const;

    QScopedPointer<ScratchMachine> m_machine;
    QSharedMemory *m_segment = nullptr;
    QString m_key;
    QString m_log;
};

void TestSetupRunner::init()
{
    m_machine.reset(new ScratchMachine);
    qputenv("TAM_MACHINE", m_machine->path(QStringLiteral("machine")).toLocal8Bit());
    m_log = m_machine->path(QStringLiteral("messages.txt"));
    qputenv("TAM_MESSAGE_LOG", m_log.toLocal8Bit());
    const QString disc = m_machine->discPath();
    QVERIFY(DemoDiscFixture::layOut(disc,
                                    {QStringLiteral("Drivers/DriverSetup.exe"),
                                     QStringLiteral("Software/RuntimeSetup.exe"),
                                     QStringLiteral("Software/UtilitySetup.exe")}));
    m_machine->writeFile(QStringLiteral("disc/scanner_win.xml"), catalogue);
    m_key = QStringLiteral("TamRunnerTest-%1").arg(QCoreApplication::applicationPid());
    m_segment = new QSharedMemory(m_key);
    QCOMPARE(FrontEndSegment::create(*m_segment), FrontEndSegment::CreateResult::Created);
}

void TestSetupRunner::cleanup()
{
    delete m_segment;
    m_segment = nullptr;
    qunsetenv("TAM_MESSAGE_LOG");
    m_machine.reset();
}

QString TestSetupRunner::runListFor(const QStringList &selection)
{
    MessageRecorder recorder;
    ScannerInfo info;
    info.setLanguage(QStringLiteral("en_us"));
    const QString product = m_machine->path(QStringLiteral("disc/scanner_win.xml"));
    info.loadLanguages(product);
    if (!info.load(product, true, false))
        return QString();
    QString elements;
    int order = 0;
    for (Application *application : info.applications()) {
        if (selection.contains(application->shortName()))
            elements += application->toRunList(++order);
    }
    return elements;
}

QList<Message> TestSetupRunner::pollUntilEnd(int timeoutMs)
{
    QList<Message> messages;
    QElapsedTimer timer;
    timer.start();
    bool ended = false;
    while (!ended && timer.elapsed() < timeoutMs) {
        QTest::qWait(100);
        FrontEndSegment::consumeMessages(m_segment, [&](const MessageSlot &slot) {
            messages.append({slot.type, slot.value1, slot.value2});
            ended = ended || slot.type == RunFinished || slot.type == RunInterrupted;
        });
    }
    return messages;
}

QStringList TestSetupRunner::loggedMessages() const
{
    QFile file(m_log);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString TestSetupRunner::webRunList(const QString &installerAttributes, const QString &code)
{
    QByteArray product(catalogue);
    product.replace("</Scanner>",
                    QStringLiteral("<application ShortName=\"Web\"><installationplatform "
                                   "Value=\"all\"><installer url=\"https:&#47;&#47;"
                                   "www.tamberlin.com/WebSetup.exe\" %1><checker "
                                   "Type=\"installer\" QueryValue=\"%2\" MatchMode=\"exists\"/>"
                                   "</installer></installationplatform></application></Scanner>")
                            .arg(installerAttributes, code)
                            .toUtf8());
    m_machine->writeFile(QStringLiteral("disc/scanner_win.xml"), product);
    return runListFor({QStringLiteral("Web")});
}

// Starts the helper on the run list as setup does and returns what it reported.
QList<Message> TestSetupRunner::runHelper(const QString &elements, const QString &rootAttributes)
{
    if (FrontEndSegment::writeRunList(m_segment, elements, rootAttributes)
        != FrontEndSegment::WriteResult::Written)
        return {};
    QProcess helper;
    helper.start(helperProgram, {m_key, QStringLiteral("en_us")});
    if (!helper.waitForFinished(30000) || helper.exitCode() != 0)
        return {};
    return pollUntilEnd(1000);
}

// The front end's part as setup plays it: the segment under its own name, the run list of a
// selection (a driver behind a wait screen, an application of two installers, one whose
// program ships in a compressed cabinet that the helper unpacks), the helper started through
// the shell as administrator with key and language, the segment polled every 100 ms.
void TestSetupRunner::installsSelection()
{
    // Where segments are keyed by a file in the temporary folder, a folder of this test's own
    // keeps the front end's name from meeting a setup that runs meanwhile.
    const QByteArray temporary = qgetenv("TMPDIR");
    const auto restoreTemporary = qScopeGuard([&temporary] {
        if (temporary.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", temporary);
    });
    QVERIFY(QDir().mkpath(m_machine->path(QStringLiteral("tmp"))));
    qputenv("TMPDIR", QFile::encodeName(m_machine->path(QStringLiteral("tmp"))));
    delete m_segment;
    m_segment = new QSharedMemory(QString::fromLatin1(SegmentProtocol::DefaultKey));
    QCOMPARE(FrontEndSegment::create(*m_segment), FrontEndSegment::CreateResult::Created);

    const QString elements = runListFor(
            {QStringLiteral("Driver"), QStringLiteral("Utility"), QStringLiteral("Ocr")});
    QVERIFY(elements.contains(QStringLiteral("DisplayName=\"Test &amp; Utility &lt;2&gt;\"")));
    QVERIFY(elements.contains(QStringLiteral("SrcCompression=\"cab\"")));
    QCOMPARE(FrontEndSegment::writeRunList(m_segment, elements),
             FrontEndSegment::WriteResult::Written);
    const intptr_t started = sys::shellExecute(
            nullptr,
            L"runas",
            helperProgram.toStdWString(),
            (QString::fromLatin1(SegmentProtocol::DefaultKey) + QStringLiteral(" en_us"))
                    .toStdWString(),
            {},
            sys::ShowCommand::Hidden);
    QVERIFY(started > 32);
    const QList<Message> messages = pollUntilEnd(60000);
    // Each program is announced with its installer and reported with its exit code (0).
    QList<Message> expected{{AppStarted, 0, -1},
                            {ShowWait, 0, 0},
                            {ProgramStarted, 0, 0},
                            {ProgramEnded, 0, 0},
                            {HideWait, -1, -1},
                            {AppFinished, 0, -1},
                            {AppStarted, 1, -1},
                            {ProgramStarted, 1, 0},
                            {ProgramEnded, 1, 0},
                            {ProgramStarted, 1, 1},
                            {ProgramEnded, 1, 0},
                            {AppFinished, 1, -1},
                            {AppStarted, 2, -1},
                            {ProgramStarted, 2, 0},
                            {ProgramEnded, 2, 0},
                            {AppFinished, 2, -1},
                            {RunFinished, -1, -1}};
    if (underWine()) {
        expected.removeAt(14);
        expected[13] = {AppFailed, 2, 1};
    }
    QCOMPARE(messages, expected);
    // Every character of the command line reached the installer.
    QCOMPARE(uninstallDisplayName(QStringLiteral("{11111111-2222-3333-4444-555555555555}")),
             QStringLiteral(u"Test Driver \u00e9 \u0421\u043a\u0430\u043d\u0435\u0440"));
    QVERIFY(isUninstallEntry(QStringLiteral("{AAAAAAAA-2222-3333-4444-555555555555}")));
    QVERIFY(isUninstallEntry(QStringLiteral("{BBBBBBBB-2222-3333-4444-555555555555}")));
    QCOMPARE(isUninstallEntry(QStringLiteral("{3E4F5A6B-7C8D-4E9F-8A0B-1C2D3E4F5A6B}")),
             !underWine());
    QVERIFY(!isUninstallEntry(QStringLiteral("{CCCCCCCC-2222-3333-4444-555555555555}")));
    // The downloaded cabinet was unpacked from the helper's protected copy, not beside the
    // download, and the copy went with the run.
    QVERIFY(!QFileInfo::exists(m_machine->discPath() + QStringLiteral("/Payload/OcrSetup.exe")));
    QCOMPARE(payloadCacheEntries(), QStringList());
    // No box at all: en_us found setup_runner_en and the helper's own English Qt catalogue
    // (an unattended run has nobody to close a warning).
    QVERIFY2(loggedMessages().isEmpty(), qPrintable(loggedMessages().join(QLatin1Char('\n'))));
}

// An installed driver makes the helper ask, in German, whether to run it again; the unattended
// answer No skips it and the run goes on.
void TestSetupRunner::asksInTheUsersLanguage()
{
    ScratchMachine::addUninstallEntry(false,
                                      QStringLiteral("{11111111-2222-3333-4444-555555555555}"),
                                      QStringLiteral("Test Driver"),
                                      QStringLiteral("2.0"));
    const QString elements = runListFor({QStringLiteral("Driver")});
    QCOMPARE(FrontEndSegment::writeRunList(m_segment, elements),
             FrontEndSegment::WriteResult::Written);
    QProcess helper;
    helper.start(helperProgram, {m_key, QStringLiteral("de")});
    QVERIFY(helper.waitForFinished(30000));
    QCOMPARE(helper.exitCode(), 0);
    QCOMPARE(pollUntilEnd(1000),
             (QList<Message>{{AppStarted, 0, -1}, {AppFinished, 0, -1}, {RunFinished, -1, -1}}));
    QVERIFY2(loggedMessages().contains(QStringLiteral(
                     "Test Driver ist bereits installiert|Test Driver ist bereits installiert. "
                     "Möchten Sie das Installationsprogramm erneut ausführen?")),
             qPrintable(loggedMessages().join(QLatin1Char('\n'))));
}

void TestSetupRunner::emptyRunList()
{
    QCOMPARE(FrontEndSegment::writeRunList(m_segment, QString()),
             FrontEndSegment::WriteResult::Written);
    QProcess helper;
    helper.start(helperProgram, {m_key, QStringLiteral("de")});
    QVERIFY(helper.waitForFinished(30000));
    QCOMPARE(helper.exitCode(), 0);
    QCOMPARE(pollUntilEnd(1000), (QList<Message>{{RunFinished, -1, -1}}));
}

void TestSetupRunner::unparsableRunListStaysUnread_data()
{
    QTest::addColumn<QString>("elements");
    QTest::newRow("unclosed element") << QStringLiteral("<Application");
    // Nesting that would exhaust the helper's stack while the DOM is built or freed.
    QTest::newRow("nested too deeply") << QStringLiteral("<Application>")
                                                  + QStringLiteral("<Installer>").repeated(20000)
                                                  + QStringLiteral("</Installer>").repeated(20000)
                                                  + QStringLiteral("</Application>");
}

void TestSetupRunner::unparsableRunListStaysUnread()
{
    QFETCH(QString, elements);
    QCOMPARE(FrontEndSegment::writeRunList(m_segment, elements),
             FrontEndSegment::WriteResult::Written);
    QProcess helper;
    helper.start(helperProgram, {m_key, QStringLiteral("en_us")});
    QVERIFY(helper.waitForFinished(30000));
    QCOMPARE(helper.exitCode(), minusOneExitCode());
    QVERIFY(m_segment->lock());
    const char16_t first = *static_cast<const char16_t *>(m_segment->constData());
    m_segment->unlock();
    QCOMPARE(first, SegmentProtocol::RunListMarker);
    QVERIFY(loggedMessages().contains(
            QStringLiteral("Error|Error occurred while attempting to initialize the installers.")));
}

void TestSetupRunner::wrongArgumentCount_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("one argument") << QStringList{QStringLiteral("TamFrontEnd")};
    QTest::newRow("three arguments") << QStringList{
            QStringLiteral("TamFrontEnd"), QStringLiteral("en"), QStringLiteral("x")};
}

void TestSetupRunner::wrongArgumentCount()
{
    QFETCH(QStringList, arguments);
    QProcess helper;
    helper.start(helperProgram, arguments);
    QVERIFY(helper.waitForFinished(30000));
    QCOMPARE(helper.exitCode(), minusOneExitCode());
    QVERIFY(loggedMessages().isEmpty());
}

// Told to close while an installer runs (taskkill without /F; SIGTERM on the simulated
// machine): the helper reports the interrupted run and ends at once, without waiting for the
// installer, which completes on its own.
void TestSetupRunner::closedWhileInstallingEndsCleanly()
{
    const QString slow = QStringLiteral("{DDDDDDDD-2222-3333-4444-555555555555}");
    // Left by an earlier run whose installer ended after it (Windows: one machine for all).
    sys::RegKey::deleteTree(sys::RegRoot::LocalMachine,
                            uninstallKeyOf(slow).toStdWString(),
                            sys::RegAccess::Wow64_64Key);
    QCOMPARE(FrontEndSegment::writeRunList(m_segment, runListFor({QStringLiteral("Slow")})),
             FrontEndSegment::WriteResult::Written);
    QProcess helper;
    if (QSysInfo::kernelType() == QLatin1String("winnt")) {
        // The close message goes to the placeholder window, which only the windows platform
        // makes a real one; under Wine that needs an X display.
        if (qEnvironmentVariableIsSet("WINELOADER") && qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("Wine without a display has no window for the close message");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("windows"));
        helper.setProcessEnvironment(environment);
    }
    helper.start(helperProgram, {m_key, QStringLiteral("en_us")});
    QList<Message> messages;
    QVERIFY(QTest::qWaitFor(
            [&] {
                FrontEndSegment::consumeMessages(m_segment, [&](const MessageSlot &slot) {
                    messages.append({slot.type, slot.value1, slot.value2});
                });
                return messages.size() >= 2;
            },
            10000));
    QCOMPARE(messages, (QList<Message>{{AppStarted, 0, -1}, {ProgramStarted, 0, 0}}));

    helper.terminate();
    QVERIFY(helper.waitForFinished(10000));
    QCOMPARE(helper.exitStatus(), QProcess::NormalExit);
    QCOMPARE(helper.exitCode(), 0);
    QVERIFY2(!isUninstallEntry(slow), "the helper waited for the installer");
    QCOMPARE(pollUntilEnd(1000), (QList<Message>{{RunInterrupted, -1, -1}}));
    QTRY_VERIFY_WITH_TIMEOUT(isUninstallEntry(slow), 15000);
}

void TestSetupRunner::runsOnlyItsOwnCheckedCopy_data()
{
    QTest::addColumn<QString>("check"); // "sha256", "size" or "malformed"
    QTest::addColumn<bool>("swapped");
    QTest::newRow("hash matches") << "sha256" << false;
    QTest::newRow("hash, file swapped after the download") << "sha256" << true;
    QTest::newRow("no hash: size matches") << "size" << false;
    QTest::newRow("no hash: file swapped after the download") << "size" << true;
    QTest::newRow("malformed hash in the run list") << "malformed" << false;
}

// A downloaded installer runs only from the helper's own copy, and only when the copy is the
// file the catalogue means; a run list without a hash is checked by size and still installs.
// Copies left by a killed helper are gone after the next run, and so are this run's.
void TestSetupRunner::runsOnlyItsOwnCheckedCopy()
{
    QFETCH(QString, check);
    QFETCH(bool, swapped);
    if (underWine())
        QSKIP(wineKeepsNoAcls);
    const QString code = QStringLiteral("{EEEEEEEE-2222-3333-4444-555555555555}");
    const QString payload = m_machine->discPath() + QStringLiteral("/Download/WebSetup.exe");
    QVERIFY(QDir().mkpath(QFileInfo(payload).absolutePath()));
    QVERIFY(QFile::copy(DemoDiscFixture::Installer, payload));
    QFile original(payload);
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = original.readAll();
    original.close();
    const QString hash = QString::fromLatin1(
            QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
    const QString attributes = QStringLiteral("size=\"%1\" %2")
                                       .arg(bytes.size())
                                       .arg(check == QLatin1String("sha256")
                                                    ? QStringLiteral("sha256=\"%1\"").arg(hash)
                                                    : QString());
    QString elements = webRunList(
            attributes
                    + QStringLiteral(" Executable=\"$SetupPath$\\Download\\WebSetup.exe\" "
                                     "CommandLine=\"/code=%1 /name=Web\"")
                              .arg(code),
            code);
    QVERIFY(elements.contains(QStringLiteral("DownloadPath=")));
    if (check == QLatin1String("malformed"))
        elements.replace(QStringLiteral("size="), QStringLiteral("sha256=\"12ab\" size="));
    QCOMPARE(FrontEndSegment::writeRunList(m_segment, elements),
             FrontEndSegment::WriteResult::Written);
    // Between the download and the helper's start another program of the user swaps the file:
    // the same program with other bytes appended, which would run as well as the original.
    if (swapped) {
        QFile file(payload);
        QVERIFY(file.open(QIODevice::Append));
        file.write("swapped");
    }
    std::string error;
    QVERIFY2(sys::prepareProtectedFolder(sys::payloadCacheFolder(), &error), error.c_str());
    QVERIFY(QDir().mkpath(payloadCache() + QStringLiteral("/run-999999999")));

    QProcess helper;
    helper.start(helperProgram, {m_key, QStringLiteral("en_us")});
    QVERIFY(helper.waitForFinished(30000));
    QCOMPARE(helper.exitCode(), 0);
    const bool runs = !swapped && check != QLatin1String("malformed");
    QList<Message> expected{{AppStarted, 0, -1}};
    if (runs)
        expected << Message{ProgramStarted, 0, 0} << Message{ProgramEnded, 0, 0};
    else
        expected << Message{AppFailed, 0, 2};
    expected << Message{AppFinished, 0, -1} << Message{RunFinished, -1, -1};
    QCOMPARE(pollUntilEnd(1000), expected);
    QCOMPARE(isUninstallEntry(code), runs);
    QCOMPARE(payloadCacheEntries(), QStringList());
}

void TestSetupRunner::untrustedCacheIsNeitherUsedNorEmptied_data()
{
    QTest::addColumn<QString>("root"); // how the helper finds its cache root
    QTest::newRow("made by another user, holding a link") << "other user";
    QTest::newRow("open to all, holding a link") << "open";
    QTest::newRow("a link to another user's folder") << "link";
    QTest::newRow("ours, holding a link and helpers' folders") << "ours";
}

// Another user made the cache root before the first installation (users may create folders
// where it lies) and put a link in it, named like the folder of a helper that was killed, to a
// folder the helper must not empty. The helper looks into no root it cannot trust, installs
// from a fresh folder of its own beside it and leaves nothing there; in its own root it removes
// the link itself and a dead helper's folder, and keeps a running one's.
void TestSetupRunner::untrustedCacheIsNeitherUsedNorEmptied()
{
    QFETCH(QString, root);
    if (underWine())
        QSKIP(wineKeepsNoAcls);
    const QString theirs = m_machine->path(QStringLiteral("theirs"));
    for (const QString &file :
         {QStringLiteral("keep.txt"), QStringLiteral("run-999999997/keep.txt")})
        m_machine->writeFile(QStringLiteral("theirs/") + file, "mine");
    const QString cache = payloadCache();
    const QString link = cache + QStringLiteral("/run-999999998");
    const QString dead = cache + QStringLiteral("/run-999999999");
    const QString live = cache + QStringLiteral("/run-%1").arg(QCoreApplication::applicationPid());
    if (root == QLatin1String("link")) {
        QVERIFY(QDir().mkpath(QFileInfo(cache).absolutePath()));
        QVERIFY(QFile::link(theirs, cache));
    } else {
        std::string error;
        if (root == QLatin1String("ours"))
            QVERIFY2(sys::prepareProtectedFolder(sys::payloadCacheFolder(), &error), error.c_str());
        QVERIFY(QDir().mkpath(dead) && QDir().mkpath(live));
        QVERIFY(QFile::link(theirs, link));
        if (root == QLatin1String("open"))
            QVERIFY(QFile::setPermissions(cache, QFileDevice::Permissions(0x7777)));
        if (root == QLatin1String("other user")
            && QProcess::execute(QStringLiteral("chown"), {QStringLiteral("65534"), cache}) != 0)
            QSKIP("only root gives a folder to another user");
    }
    const QString code = QStringLiteral("{EEEEEEEE-2222-3333-4444-555555555555}");
    const QString payload = m_machine->downloadPath() + QStringLiteral("/WebSetup.exe");
    QVERIFY(QDir().mkpath(m_machine->downloadPath())
            && QFile::copy(DemoDiscFixture::Installer, payload));
    const QString elements
            = webRunList(QStringLiteral("Executable=\"$DownloadPath$\\WebSetup.exe\" "
                                        "CommandLine=\"/code=%1 /name=Web\"")
                                 .arg(code),
                         code);

    QCOMPARE(withoutPrograms(runHelper(elements)),
             (QList<Message>{{AppStarted, 0, -1}, {AppFinished, 0, -1}, {RunFinished, -1, -1}}));
    QVERIFY(isUninstallEntry(code));
    QVERIFY(QFileInfo::exists(theirs + QStringLiteral("/keep.txt")));
    QVERIFY(QFileInfo::exists(theirs + QStringLiteral("/run-999999997/keep.txt")));
    QCOMPARE(QDir(QFileInfo(cache).absolutePath())
                     .entryList({QStringLiteral("TamPayloadCache*")},
                                QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("TamPayloadCache")});
    if (root == QLatin1String("link"))
        return;
    const bool ours = root == QLatin1String("ours");
    QCOMPARE(QFileInfo(link).isSymLink(), !ours);
    QCOMPARE(QFileInfo::exists(dead), !ours);
    QVERIFY(QFileInfo::exists(live));
}

void TestSetupRunner::everyStepRunsFromTheCopy_data()
{
    QTest::addColumn<QString>("namedBy"); // the step that names the download
    QTest::addColumn<bool>("swapped");
    for (const char *step :
         {"pre-install program", "post-install program", "main step's argument"}) {
        QTest::addRow("%s, download as it came", step) << QString::fromLatin1(step) << false;
        QTest::addRow("%s, download swapped", step) << QString::fromLatin1(step) << true;
    }
}

// The download is named by a step other than the main program: a pre- or post-install step
// that runs it, or the main step's argument (msiexec /i with the package). Each step gets the
// checked copy: a swapped download runs nowhere, and nothing a step does reaches the user's
// file (the stand-in writes its record to the file its argument names).
void TestSetupRunner::everyStepRunsFromTheCopy()
{
    QFETCH(QString, namedBy);
    QFETCH(bool, swapped);
    if (underWine())
        QSKIP(wineKeepsNoAcls);
    const QString payload = m_machine->downloadPath() + QStringLiteral("/WebSetup.exe");
    QVERIFY(QDir().mkpath(m_machine->downloadPath())
            && QFile::copy(DemoDiscFixture::Installer, payload));
    const auto contents = [&payload] {
        QFile file(payload);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray original = contents();
    const QString main = QStringLiteral("{ABABABAB-2222-3333-4444-555555555555}");
    const QString other = QStringLiteral("{CDCDCDCD-2222-3333-4444-555555555555}");
    const bool byArgument = namedBy.contains(QLatin1String("argument"));
    QString elements = webRunList(
            QStringLiteral("size=\"%1\" sha256=\"%2\" TargetPath=\"$DownloadPath$\\WebSetup.exe\" "
                           "Executable=\"$SetupPath$\\Software\\UtilitySetup.exe\" "
                           "CommandLine=\"/code=%3 /name=Main%4\"")
                    .arg(original.size())
                    .arg(QString::fromLatin1(
                            QCryptographicHash::hash(original, QCryptographicHash::Sha256).toHex()))
                    .arg(main,
                         byArgument ? QStringLiteral(" /record=$DownloadPath$\\WebSetup.exe")
                                    : QString()),
            main);
    if (!byArgument) {
        Executable step;
        step.setExecutable(QStringLiteral("$DownloadPath$\\WebSetup.exe"), false);
        step.setCommandLine(QStringLiteral("/code=%1 /name=Other").arg(other));
        const QString list = namedBy.startsWith(QLatin1String("pre"))
                                     ? QStringLiteral("PreInstallSteps")
                                     : QStringLiteral("PostInstallSteps");
        const QString empty = QStringLiteral("<%1></%1>").arg(list);
        QVERIFY(elements.contains(empty));
        elements.replace(
                empty,
                QStringLiteral("<%1>%2</%1>").arg(list, RunListXml::writeExecutable(step, -1)));
    }
    if (swapped) {
        QFile file(payload);
        QVERIFY(file.open(QIODevice::Append));
        file.write("swapped");
    }
    const QByteArray downloaded = contents();

    QList<Message> expected{{AppStarted, 0, -1}};
    if (swapped)
        expected << Message{AppFailed, 0, 2};
    expected << Message{AppFinished, 0, -1} << Message{RunFinished, -1, -1};
    QCOMPARE(withoutPrograms(runHelper(
                     elements, RunListXml::writeRunSettings(SetupSettings::downloadPath()))),
             expected);
    QCOMPARE(isUninstallEntry(main), !swapped);
    QCOMPARE(isUninstallEntry(other), !swapped && !byArgument);
    QVERIFY(contents() == downloaded);
    QCOMPARE(payloadCacheEntries(), QStringList());
}

// The shipped helper runs as administrator: no variable of its environment may answer its
// questions, make it write files, or say where anything comes from and whom to trust. Only
// the tests' variant knows the names of its switches; neither knows the configuration's.
void TestSetupRunner::helperReadsNoConfigurationFromItsEnvironment_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("testVariantReadsIt");
    QTest::newRow("message log") << QByteArray("TAM_MESSAGE_LOG") << true;
    QTest::newRow("message answer") << QByteArray("TAM_MESSAGE_ANSWER") << true;
    QTest::newRow("update host") << QByteArray("TAM_UPDATE_HOST") << false;
    QTest::newRow("web host") << QByteArray("TAM_WEB_HOST") << false;
    QTest::newRow("trusted certificates") << QByteArray("TAM_CA_BUNDLE") << false;
}

void TestSetupRunner::helperReadsNoConfigurationFromItsEnvironment()
{
    QFETCH(QByteArray, name);
    QFETCH(bool, testVariantReadsIt);
    const auto contents = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray shipped = contents(shippedHelperProgram);
    QVERIFY(!shipped.isEmpty());
    QVERIFY(!shipped.contains(name));
    QCOMPARE(contents(helperProgram).contains(name), testVariantReadsIt);
}

// Qt loads plugins from the folders QT_PLUGIN_PATH names: code that would run as
// administrator. The helper does not even look there.
void TestSetupRunner::helperTakesNoQtVariables()
{
    QTemporaryDir plugins;
    QVERIFY(plugins.isValid());
    QCOMPARE(FrontEndSegment::writeRunList(m_segment, QString()),
             FrontEndSegment::WriteResult::Written);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_PLUGIN_PATH"), plugins.path());
    environment.insert(QStringLiteral("QT_DEBUG_PLUGINS"), QStringLiteral("1"));
    QProcess helper;
    helper.setProcessEnvironment(environment);
    helper.start(helperProgram, {m_key, QStringLiteral("en_us")});
    QVERIFY(helper.waitForFinished(30000));
    QCOMPARE(helper.exitCode(), 0);
    const QByteArray errors = helper.readAllStandardError();
    QVERIFY2(!errors.contains(QFile::encodeName(plugins.path())), errors.constData());
}

QTEST_MAIN(TestSetupRunner)
#include "tst_setuprunner.moc"
