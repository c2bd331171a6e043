// The front end's side of starting the helper: the checks before an installation, the recovery
// entry in RunOnce, the launch through the shell and the box for every failed start. The same
// tests run against the simulated machine and, under Wine, against the Win32 side.

#include "catalogtestsupport.h"
#include "helperlauncher.h"
#include "installpreconditions.h"
#include "machine.h"
#include "process.h"
#include "recoveryentry.h"
#include "registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopedPointer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString helperProgram = QStringLiteral(TAM_SETUP_RUNNER);
const QString errorTitle = QStringLiteral("Front End Error");
const wchar_t rebootRequiredKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\WindowsUpdate\\"
                                    L"Auto Update\\RebootRequired";
const char simulatedResult[] = "TAM_SIMULATE_SHELLEXECUTE_RESULT";
const QString seriouslyWrong
        = QStringLiteral("\n\nIf you see this message, something is seriously wrong.");

bool isSimulatedMachine()
{
    return !sys::machineRoot().empty();
}

// The shell's results that only the simulated machine can produce on demand.
bool canSimulateShellResults()
{
    qputenv(simulatedResult, "42");
    const intptr_t result = sys::shellExecute(
            nullptr, {}, L"tam-no-such-program.exe", {}, L".", sys::ShowCommand::Hidden);
    qunsetenv(simulatedResult);
    return result == 42;
}

sys::RegKey runOnce(uint32_t access = sys::RegAccess::Read)
{
    return sys::RegKey::open(sys::RegRoot::CurrentUser, RecoveryEntry::KeyPath, access);
}

bool recoveryValueExists()
{
    sys::RegValue value;
    return runOnce().queryValue(RecoveryEntry::ValueName, value) == sys::RegError::Success;
}

QString recoveryText()
{
    std::wstring text;
    runOnce().readString(RecoveryEntry::ValueName, text);
    return QString::fromStdWString(text);
}

QString currentDirectoryAsShown()
{
    return QDir::currentPath().replace(QLatin1Char('/'), QLatin1Char('\\'));
}

} // namespace

class TestHelperLaunch : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void failureMessage_data();
    void failureMessage();
    void failedLaunchShowsItsBox_data();
    void failedLaunchShowsItsBox();
    void missingHelperNamesTheDirectory();
    void reportedStartIsSuccess();
    void launchStartsTheHelperWithKeyAndLanguage();

    void recoveryEntryData_data();
    void recoveryEntryData();
    void recoveryEntryIsReplacedAndRemoved();
    void removingLeavesOtherRunOnceValuesAlone();
    void missingRunOnceKeyIsLeftMissing();

    void preconditions_data();
    void preconditions();

private:
    void setRebootRequired(bool keyPresent, const std::wstring &valueName, uint32_t view);
    void setWindowsUpdateBusy(bool busy);

    QScopedPointer<ScratchMachine> m_machine;
    QScopedPointer<QTemporaryDir> m_directory;
    QString m_originalDirectory;
};

void TestHelperLaunch::init()
{
    m_machine.reset(new ScratchMachine);
    // The helper is looked for in the current directory: an empty one of our own.
    m_directory.reset(new QTemporaryDir);
    QVERIFY(m_directory->isValid());
    m_originalDirectory = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_directory->path()));
}

void TestHelperLaunch::cleanup()
{
    qunsetenv(simulatedResult);
    RecoveryEntry::remove();
    sys::RegKey::create(sys::RegRoot::CurrentUser, RecoveryEntry::KeyPath, sys::RegAccess::Write);
    for (uint32_t view : {sys::RegAccess::Wow64_64Key, sys::RegAccess::Wow64_32Key})
        sys::RegKey::deleteTree(
                sys::RegRoot::LocalMachine, rebootRequiredKey, sys::RegAccess::AllAccess | view);
    if (isSimulatedMachine())
        setWindowsUpdateBusy(false);
    QDir::setCurrent(m_originalDirectory);
    m_directory.reset();
    m_machine.reset();
}

void TestHelperLaunch::setRebootRequired(bool keyPresent,
                                         const std::wstring &valueName,
                                         uint32_t view)
{
    if (!keyPresent)
        return;
    sys::RegKey key = sys::RegKey::create(
            sys::RegRoot::LocalMachine, rebootRequiredKey, sys::RegAccess::AllAccess | view);
    QVERIFY(key.isOpen());
    if (!valueName.empty())
        QCOMPARE(key.setDword(valueName, 1), sys::RegError::Success);
}

void TestHelperLaunch::setWindowsUpdateBusy(bool busy)
{
    const QString marker
            = QString::fromStdString(sys::machineRoot()) + QStringLiteral("/windows-update-busy");
    if (busy) {
        QFile file(marker);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else {
        QFile::remove(marker);
    }
}

// ---- Launch -------------------------------------------------------------------------------

void TestHelperLaunch::failureMessage_data()
{
    QTest::addColumn<qint64>("result");
    QTest::addColumn<QString>("text");
    const QString memory
            = QStringLiteral("Low on memory. Please reboot your computer and try again.");
    QTest::newRow("0 out of memory") << qint64(0) << memory;
    QTest::newRow("8 not enough memory") << qint64(8) << memory;
    QTest::newRow("2 file not found")
            << qint64(2)
            << QStringLiteral("Unable to locate setup_runner.exe in directory \"C:\\My Disc\\x\".");
    QTest::newRow("3 path not found")
            << qint64(3)
            << QStringLiteral("Unable to locate path \".\", which should be \"C:\\My Disc\\x\" "
                              "but isn't.")
                       + seriouslyWrong;
    QTest::newRow("5 access denied or consent refused")
            << qint64(5)
            << QStringLiteral(
                       "You do not currently have permission to install software and/or "
                       "drivers. If you are being prompted by Windows User Account Control, "
                       "please allow setup_runner.exe to access or make changes to your "
                       "computer. Alternatively, contact your system administrator or IT group "
                       "for installation help.");
    QTest::newRow("11 bad format")
            << qint64(11)
            << QStringLiteral("Program setup_runner.exe is invalid (i.e. non-Microsoft Win32 .exe "
                              "or error in .exe image).")
                       + seriouslyWrong;
    const QString unknown = QStringLiteral("Some unknown error occurred.") + seriouslyWrong;
    QTest::newRow("1 unknown") << qint64(1) << unknown;
    QTest::newRow("26 sharing violation") << qint64(26) << unknown;
    QTest::newRow("31 no association") << qint64(31) << unknown;
}

void TestHelperLaunch::failureMessage()
{
    QFETCH(qint64, result);
    QFETCH(QString, text);
    QCOMPARE(HelperLauncher::failureMessage(intptr_t(result), QStringLiteral("C:\\My Disc\\x")),
             text);
}

void TestHelperLaunch::failedLaunchShowsItsBox_data()
{
    QTest::addColumn<QByteArray>("result");
    for (const char *code : {"0", "2", "3", "5", "8", "11", "31"})
        QTest::newRow(code) << QByteArray(code);
}

void TestHelperLaunch::failedLaunchShowsItsBox()
{
    QFETCH(QByteArray, result);
    if (!canSimulateShellResults())
        QSKIP("the shell's results can only be provoked on the simulated machine");
    qputenv(simulatedResult, result);
    MessageRecorder recorder;
    QObject owner;
    QVERIFY(!HelperLauncher::launch(nullptr, &owner, QStringLiteral("de_de"), errorTitle));
    QCOMPARE(recorder.boxes().size(), 1);
    QCOMPARE(recorder.boxes().at(0).icon, MessageSeam::Critical);
    QCOMPARE(recorder.boxes().at(0).title, errorTitle);
    QCOMPARE(recorder.boxes().at(0).text,
             HelperLauncher::failureMessage(intptr_t(result.toLongLong()),
                                            currentDirectoryAsShown()));
}

void TestHelperLaunch::missingHelperNamesTheDirectory()
{
    MessageRecorder recorder;
    QVERIFY(!HelperLauncher::launch(nullptr, nullptr, QStringLiteral("en_us"), errorTitle));
    QCOMPARE(recorder.texts(),
             QStringList{QStringLiteral("Unable to locate setup_runner.exe in directory \"%1\".")
                                 .arg(currentDirectoryAsShown())});
    QCOMPARE(HelperLauncher::currentDirectory(), currentDirectoryAsShown());
}

void TestHelperLaunch::reportedStartIsSuccess()
{
    if (!canSimulateShellResults())
        QSKIP("the shell's results can only be provoked on the simulated machine");
    MessageRecorder recorder;
    for (const char *code : {"32", "33", "42"}) {
        qputenv(simulatedResult, code);
        QVERIFY2(HelperLauncher::launch(nullptr, nullptr, QStringLiteral("de_de"), errorTitle),
                 code);
    }
    QVERIFY(recorder.boxes().isEmpty());
}

// The real helper, started without a segment to read, reports exactly that in the language it
// was given; it only gets that far when its command line held two arguments.
void TestHelperLaunch::launchStartsTheHelperWithKeyAndLanguage()
{
    const QString copy = QDir::current().filePath(QFileInfo(helperProgram).fileName());
    QVERIFY(QFile::copy(helperProgram, copy));
    const QString log = QDir::current().filePath(QStringLiteral("helper-messages.txt"));
    qputenv("TAM_MESSAGE_LOG", QFile::encodeName(log));
    qputenv("TAM_MACHINE", QFile::encodeName(QString::fromStdString(sys::machineRoot())));
    // Shared memory keys depend on the temporary folder here: the helper must not find a
    // segment of some other test's front end.
    const QByteArray originalTemp = qgetenv("TMPDIR");
    QDir::current().mkdir(QStringLiteral("tmp"));
    qputenv("TMPDIR", QFile::encodeName(QDir::current().filePath(QStringLiteral("tmp"))));

    MessageRecorder recorder;
    const bool started
            = HelperLauncher::launch(nullptr, nullptr, QStringLiteral("de_de"), errorTitle);
    if (originalTemp.isEmpty())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", originalTemp);
    qunsetenv("TAM_MESSAGE_LOG");
    qunsetenv("TAM_MACHINE");

    QVERIFY(started);
    QVERIFY(recorder.boxes().isEmpty());
    auto logged = [&log] {
        QFile file(log);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    QTRY_VERIFY_WITH_TIMEOUT(logged().contains(QLatin1Char('\n')), 60000);
    QCOMPARE(logged(),
             QStringLiteral("Fehler|Beim Initialisieren der Installationsprogramme ist ein Fehler "
                            "aufgetreten.\n"));
}

// ---- Recovery entry ---------------------------------------------------------------------

void TestHelperLaunch::recoveryEntryData_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("data");
    QTest::newRow("Qt path") << "C:/Disc/setup.exe"
                             << "de_de"
                             << "C:\\Disc\\setup.exe de_de 2";
    QTest::newRow("native path") << "D:\\setup.exe"
                                 << "zh_tw"
                                 << "D:\\setup.exe zh_tw 2";
    QTest::newRow("mixed separators") << "E:/Tam\\Disc/setup.exe"
                                      << "pt_br"
                                      << "E:\\Tam\\Disc\\setup.exe pt_br 2";
    QTest::newRow("blank in the path")
            << "C:/Users/Jo Doe/AppData/Local/Temp/TamSetup/setup.exe"
            << "fr_fr"
            << "\"C:\\Users\\Jo Doe\\AppData\\Local\\Temp\\TamSetup\\setup.exe\" fr_fr 2";
}

void TestHelperLaunch::recoveryEntryData()
{
    QFETCH(QString, program);
    QFETCH(QString, language);
    QFETCH(QString, data);
    RecoveryEntry::write(program, language);

    sys::RegValue value;
    QCOMPARE(runOnce().queryValue(RecoveryEntry::ValueName, value), sys::RegError::Success);
    QCOMPARE(value.type, sys::RegType::String);
    QCOMPARE(int(value.data.size()), 2 * (data.size() + 1));
    QCOMPARE(value.data.at(value.data.size() - 1), uint8_t(0));
    QCOMPARE(value.data.at(value.data.size() - 2), uint8_t(0));
    QCOMPARE(QString::fromStdWString(sys::stringFromValue(value)), data);

    // What setup will be started with at the next logon.
    std::vector<std::wstring> arguments = sys::splitCommandLine(data.toStdWString());
    QCOMPARE(int(arguments.size()), 3);
    QCOMPARE(QString::fromStdWString(arguments[1]), language);
    QCOMPARE(QString::fromStdWString(arguments[2]), QStringLiteral("2"));
}

void TestHelperLaunch::recoveryEntryIsReplacedAndRemoved()
{
    RecoveryEntry::write(QStringLiteral("D:/setup.exe"), QStringLiteral("en_us"));
    RecoveryEntry::write(QStringLiteral("D:/setup.exe"), QStringLiteral("ko_kr"));
    QCOMPARE(recoveryText(), QStringLiteral("D:\\setup.exe ko_kr 2"));
    RecoveryEntry::remove();
    QVERIFY(!recoveryValueExists());
    RecoveryEntry::remove(); // nothing left to delete
    QVERIFY(!recoveryValueExists());
    QVERIFY(runOnce().isOpen());
}

void TestHelperLaunch::removingLeavesOtherRunOnceValuesAlone()
{
    const std::wstring other = L"TamTestOther";
    QCOMPARE(runOnce(sys::RegAccess::Write).setString(other, L"C:\\other.exe"),
             sys::RegError::Success);
    RecoveryEntry::write(QStringLiteral("D:/setup.exe"), QStringLiteral("en_us"));
    RecoveryEntry::remove();
    std::wstring kept;
    QVERIFY(runOnce().readString(other, kept));
    QCOMPARE(kept, std::wstring(L"C:\\other.exe"));
    runOnce(sys::RegAccess::Write).deleteValue(other);
}

void TestHelperLaunch::missingRunOnceKeyIsLeftMissing()
{
    sys::RegKey::deleteTree(
            sys::RegRoot::CurrentUser, RecoveryEntry::KeyPath, sys::RegAccess::AllAccess);
    QVERIFY(!runOnce().isOpen());
    RecoveryEntry::write(QStringLiteral("D:/setup.exe"), QStringLiteral("en_us"));
    RecoveryEntry::remove();
    QVERIFY(!runOnce().isOpen()); // cleanup() puts the key back
}

// ---- Checks before installing ----------------------------------------------------------

void TestHelperLaunch::preconditions_data()
{
    QTest::addColumn<bool>("updateBusy");
    QTest::addColumn<bool>("rebootKey");
    QTest::addColumn<QString>("rebootValue");
    QTest::addColumn<bool>("in32BitView");
    QTest::addColumn<QString>("box");
    const QString busy = QStringLiteral(
            "Windows Update is currently installing other updates. Please try again in a few "
            "minutes.");
    const QString restart
            = QStringLiteral("Pending restart. Please reboot your computer and try again.");
    QTest::newRow("nothing pending") << false << false << "" << false << "";
    QTest::newRow("restart pending") << false << true << "Tam-KB123" << false << restart;
    QTest::newRow("restart key present but empty") << false << true << "" << false << "";
    QTest::newRow("restart noted only in the 32-bit view")
            << false << true << "Tam-KB123" << true << "";
    QTest::newRow("Windows Update busy") << true << false << "" << false << busy;
    QTest::newRow("busy is reported before the restart")
            << true << true << "Tam-KB123" << false << busy;
}

void TestHelperLaunch::preconditions()
{
    QFETCH(bool, updateBusy);
    QFETCH(bool, rebootKey);
    QFETCH(QString, rebootValue);
    QFETCH(bool, in32BitView);
    QFETCH(QString, box);
    if (updateBusy) {
        if (!isSimulatedMachine())
            QSKIP("the update agent's busy answer can only be provoked on the simulated machine");
        setWindowsUpdateBusy(true);
    }
    setRebootRequired(rebootKey,
                      rebootValue.toStdWString(),
                      in32BitView ? sys::RegAccess::Wow64_32Key : sys::RegAccess::Wow64_64Key);

    MessageRecorder recorder;
    QObject owner;
    // The install page's order: nothing is written unless the checks pass.
    const bool go = InstallPreconditions::check(&owner, errorTitle);
    if (go)
        RecoveryEntry::write(QStringLiteral("D:/setup.exe"), QStringLiteral("en_us"));

    QCOMPARE(go, box.isEmpty());
    QCOMPARE(recoveryValueExists(), go);
    QCOMPARE(recorder.texts(), box.isEmpty() ? QStringList() : QStringList{box});
    if (!box.isEmpty()) {
        QCOMPARE(recorder.boxes().at(0).icon, MessageSeam::Critical);
        QCOMPARE(recorder.boxes().at(0).title, errorTitle);
    }
}

QTEST_GUILESS_MAIN(TestHelperLaunch)
#include "tst_helperlaunch.moc"
