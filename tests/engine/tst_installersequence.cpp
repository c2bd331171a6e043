// Running installers: the order of an installer's programs, the already-installed rule and its
// question, disc-2 entries, the restart question (its Yes path in a child process, since it ends
// the process and its parent), and the program runs themselves with the stand-in installer.

#include "application.h"
#include "catalogtestsupport.h"
#include "executable.h"
#include "installer.h"
#include "runlistxml.h"
#include "urlopener.h"

#include <QDomDocument>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QString demoInstaller = QStringLiteral(TAM_DEMOINSTALLER);
// A cabinet holding the stand-in installer as inner.exe, made by the build with gcab.
const QString payloadCabinet = QStringLiteral(TAM_PAYLOAD_CABINET);

QString code(int i)
{
    return QStringLiteral("{7A3C0000-0000-0000-0000-0000000000%1}").arg(i, 2, 10, QLatin1Char('0'));
}

// One run-list Installer element whose main step runs the stand-in installer for code(i).
struct Step
{
    int id = 0;
    bool avoid = false;
    bool reboot = false;
    bool waitScreen = false;
    QString name;
};

QString executableElement(const QString &recordFile, int id)
{
    const QFileInfo program(demoInstaller);
    return QStringLiteral("<Executable FileName=\"/%1\" Path=\"%2\" IsJustFileName=\"false\">"
                          "<Argument Value=\"/code=%3\"/><Argument Value=\"/name=Part%4\"/>"
                          "<Argument Value=\"/record=%5\"/></Executable>")
            .arg(program.fileName(), program.absolutePath(), code(id))
            .arg(id)
            .arg(recordFile);
}

QString installerElement(const Step &step, const QString &recordFile, int pre = 0, int post = 0)
{
    QString text
            = QStringLiteral("<Installer NeedsWaitScreen=\"%1\" WaitScreenImg=\"w%2.png\" "
                             "AvoidReinstallation=\"%3\" ForceReboot=\"%4\" DisplayName=\"%5\">")
                      .arg(step.waitScreen ? "true" : "false")
                      .arg(step.id)
                      .arg(step.avoid ? "true" : "false",
                           step.reboot ? "true" : "false",
                           step.name);
    text += QStringLiteral("<PreInstallSteps>");
    for (int i = 0; i < pre; ++i)
        text += executableElement(recordFile, 100 + step.id * 10 + i);
    text += QStringLiteral("</PreInstallSteps><MainInstallStep>")
            + executableElement(recordFile, step.id)
            + QStringLiteral("</MainInstallStep><PostInstallSteps>");
    for (int i = 0; i < post; ++i)
        text += executableElement(recordFile, 200 + step.id * 10 + i);
    text += QStringLiteral(
                    "</PostInstallSteps><Checker Type=\"1\" QueryValue=\"%1\" MatchMode=\"1\"/>"
                    "</Installer>")
                    .arg(code(step.id));
    return text;
}

Application *application(const QString &installers, QObject *parent, bool disc2 = false)
{
    QDomDocument document;
    const QString text = QStringLiteral("<Application ShortName=\"app\" DisplayName=\"Scan Kit\" "
                                        "IsOnDisc2=\"%1\">%2</Application>")
                                 .arg(disc2 ? "true" : "false", installers);
    if (!document.setContent(text))
        return nullptr;
    return Application::fromRunList(document.documentElement(), parent);
}

// The ids the stand-in installer recorded, in run order.
QList<int> recordedIds(const QString &recordFile)
{
    QList<int> ids;
    QFile file(recordFile);
    if (!file.open(QIODevice::ReadOnly))
        return ids;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith("/name=Part"))
            ids << line.mid(10).toInt();
    }
    return ids;
}

} // namespace

class TestInstallerSequence : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void stepOrder_data();
    void stepOrder();
    void nextInstallerRule_data();
    void nextInstallerRule();
    void discTwoRunsNothing();
    void rebootAnsweredNo();
    void rebootAnsweredYesInChild();
    void commandLine_data();
    void commandLine();
    void debugBox();
    void postProcessEvenWhenStartFails();
    void forcedUninstallRunsMsiexec();
    void workingDirectoryPath();
    void cabinetPayload_data();
    void cabinetPayload();

private:
    QScopedPointer<ScratchMachine> m_machine;
    QString m_record;
};

void TestInstallerSequence::init()
{
    m_machine.reset(new ScratchMachine);
    // The stand-in installers are other processes: they find the machine through the environment.
    qputenv("TAM_MACHINE", m_machine->path(QStringLiteral("machine")).toLocal8Bit());
    m_record = m_machine->path(QStringLiteral("record.txt"));
}

// Before the next init(): on a real machine the next ScratchMachine must start from the
// machine this one put back.
void TestInstallerSequence::cleanup()
{
    m_machine.reset();
}

void TestInstallerSequence::stepOrder_data()
{
    QTest::addColumn<int>("pre");
    QTest::addColumn<int>("post");
    QTest::addColumn<bool>("waitScreen");
    QTest::addColumn<QList<int>>("order");
    QTest::newRow("main only") << 0 << 0 << false << QList<int>{1};
    QTest::newRow("pre, main, post") << 2 << 1 << true << QList<int>{110, 111, 1, 210};
    QTest::newRow("main and two posts") << 0 << 2 << true << QList<int>{1, 210, 211};
}

// Programs run one after another, pre-install, main, post-install, each after the previous
// one ended; installComplete() comes once, framed by the wait-screen signals.
void TestInstallerSequence::stepOrder()
{
    QFETCH(int, pre);
    QFETCH(int, post);
    QFETCH(bool, waitScreen);
    QFETCH(QList<int>, order);
    QObject owner;
    Step step;
    step.id = 1;
    step.waitScreen = waitScreen;
    Application *app = application(installerElement(step, m_record, pre, post), &owner);
    QVERIFY(app);
    Installer *installer = app->installers().at(0);
    QSignalSpy complete(installer, &Installer::installComplete);
    QSignalSpy show(installer, &Installer::showPleaseWait);
    QSignalSpy hide(installer, &Installer::hidePleaseWait);
    installer->install();
    QCOMPARE(installer->step(), pre > 0 ? 1 : 2);
    QVERIFY(complete.wait(20000));
    QTest::qWait(50);
    QCOMPARE(complete.count(), 1);
    QCOMPARE(installer->step(), 0);
    QCOMPARE(recordedIds(m_record), order);
    QCOMPARE(show.count(), waitScreen ? 1 : 0);
    if (waitScreen)
        QCOMPARE(show.at(0).at(0).toString(), QStringLiteral("w1.png"));
    QCOMPARE(hide.count(), waitScreen ? 1 : 0);
}

void TestInstallerSequence::nextInstallerRule_data()
{
    QTest::addColumn<QList<bool>>("installed");
    QTest::addColumn<QList<bool>>("avoid");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QList<int>>("ran");
    QTest::addColumn<QStringList>("questions");
    const int yes = MessageSeam::Yes;
    const int no = MessageSeam::No;
    QTest::newRow("nothing installed runs all")
            << QList<bool>{false, false} << QList<bool>{false, false} << no << QList<int>{1, 2}
            << QStringList();
    QTest::newRow("installed and avoided is skipped silently")
            << QList<bool>{true, false} << QList<bool>{true, false} << yes << QList<int>{2}
            << QStringList();
    QTest::newRow("installed, answer No skips it")
            << QList<bool>{true, false} << QList<bool>{false, false} << no << QList<int>{2}
            << QStringList{QStringLiteral("First Part Is Already Installed")};
    QTest::newRow("installed, answer Yes runs it")
            << QList<bool>{false, true} << QList<bool>{false, false} << yes << QList<int>{1, 2}
            << QStringList{QStringLiteral("part2.exe Is Already Installed")};
    QTest::newRow("single installer asks with the application's name")
            << QList<bool>{true} << QList<bool>{false} << no << QList<int>{}
            << QStringList{QStringLiteral("Scan Kit Is Already Installed")};
}

void TestInstallerSequence::nextInstallerRule()
{
    QFETCH(QList<bool>, installed);
    QFETCH(QList<bool>, avoid);
    QFETCH(int, answer);
    QFETCH(QList<int>, ran);
    QFETCH(QStringList, questions);
    MessageRecorder recorder;
    recorder.setAnswer(answer);
    QString installers;
    for (int i = 0; i < installed.size(); ++i) {
        Step step;
        step.id = i + 1;
        step.avoid = avoid.at(i);
        step.name = i == 0 ? QStringLiteral("First Part") : QString();
        if (installed.at(i))
            ScratchMachine::addUninstallEntry(false, code(step.id), QStringLiteral("old"), "1.0");
        installers += installerElement(step, m_record);
    }
    // Without a display name the question names the program's file; make it recognisable.
    installers.replace(QStringLiteral("DisplayName=\"\""), QString());
    QObject owner;
    Application *app = application(installers, &owner);
    QVERIFY(app);
    if (installed.size() > 1) {
        // The second installer's program is the stand-in under another name.
        app->installers().at(1)->mainInstallStep()->setFileName(QStringLiteral("/part2.exe"));
        const QString bin = m_machine->path(QStringLiteral("bin"));
        QDir().mkpath(bin);
        QVERIFY(QFile::copy(demoInstaller, bin + QStringLiteral("/part2.exe")));
        app->installers().at(1)->mainInstallStep()->setDirectory(bin);
    }
    QSignalSpy complete(app, &Application::installComplete);
    app->install();
    QVERIFY(complete.count() == 1 || complete.wait(30000));
    QCOMPARE(recordedIds(m_record), ran);
    QStringList titles;
    for (const MessageRecorder::Box &box : recorder.boxes())
        titles << box.title;
    QCOMPARE(titles, questions);
    for (const MessageRecorder::Box &box : recorder.boxes())
        QVERIFY(box.text.endsWith(QStringLiteral(" is already installed. Do you wish to run the "
                                                 "installer again?")));
}

void TestInstallerSequence::discTwoRunsNothing()
{
    QObject owner;
    Step step;
    step.id = 3;
    Application *app = application(installerElement(step, m_record), &owner, true);
    QSignalSpy complete(app, &Application::installComplete);
    app->install();
    QCOMPARE(complete.count(), 1);
    QVERIFY(recordedIds(m_record).isEmpty());
}

void TestInstallerSequence::rebootAnsweredNo()
{
    MessageRecorder recorder;
    recorder.setAnswer(MessageSeam::No);
    QObject owner;
    Step first;
    first.id = 1;
    first.reboot = true;
    Step second;
    second.id = 2;
    Application *app = application(
            installerElement(first, m_record) + installerElement(second, m_record), &owner);
    QSignalSpy complete(app, &Application::installComplete);
    app->install();
    QVERIFY(complete.wait(20000));
    QCOMPARE(recordedIds(m_record), (QList<int>{1, 2}));
    QCOMPARE(recorder.boxes().size(), 1);
    QCOMPARE(recorder.boxes().at(0).title, QStringLiteral("Reboot required"));
    QCOMPARE(recorder.boxes().at(0).icon, MessageSeam::Warning);
    QVERIFY(!QFile::exists(m_machine->path(QStringLiteral("machine/reboot-requested"))));
}

// Yes ends the parent and the process itself: a second copy of this program stands between
// this test and the child, and that copy is what gets killed. On a real machine the restart
// would be real.
void TestInstallerSequence::rebootAnsweredYesInChild()
{
    if (qEnvironmentVariableIsSet("TAM_REBOOT_CHILD"))
        QSKIP("runs in the child only");
    if (!ScratchMachine::isSimulated())
        QSKIP("restarts the machine: under Wine that ends every process of the prefix, the "
              "other tests' included (the simulated machine covers this case on Linux)");
    QProcess parent;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TAM_REBOOT_CHILD"), m_record);
    parent.setProcessEnvironment(environment);
    parent.setProcessChannelMode(QProcess::ForwardedChannels);
    parent.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--reboot-parent")});
    QVERIFY(parent.waitForFinished(30000));
    QCOMPARE(parent.exitStatus(), QProcess::CrashExit); // killed as the helper's parent
    const QString marker = m_machine->path(QStringLiteral("machine/reboot-requested"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 20000);
    QCOMPARE(recordedIds(m_record), QList<int>{1}); // the second installer never ran
}

void TestInstallerSequence::commandLine_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<bool>("preserve");
    QTest::addColumn<QString>("expected");
    QTest::newRow("just a file name")
            << QStringLiteral("setup.exe") << QStringLiteral("/S /D=\"C:\\A B\"") << false
            << QStringLiteral("\"setup.exe\" /S /D=\"C:\\A B\"");
    QTest::newRow("quoted path loses its quotes")
            << QStringLiteral("C:\\disc\\setup.exe") << QStringLiteral("\"C:\\A B\" /q") << false
            << QStringLiteral("\"C:/disc/setup.exe\" C:\\A B /q");
    QTest::newRow("preserved quotes are passed")
            << QStringLiteral("C:\\disc\\setup.exe") << QStringLiteral("\"C:\\A B\" /q") << true
            << QStringLiteral("\"C:/disc/setup.exe\" \"C:\\A B\" /q");
    QTest::newRow("no arguments") << QStringLiteral("C:\\disc\\sub\\x.msi") << QString() << false
                                  << QStringLiteral("\"C:/disc/sub/x.msi\"");
}

void TestInstallerSequence::commandLine()
{
    QFETCH(QString, path);
    QFETCH(QString, commandLine);
    QFETCH(bool, preserve);
    QFETCH(QString, expected);
    Executable executable;
    executable.setPreserveArgQuotes(preserve);
    executable.setExecutable(path, false);
    executable.setCommandLine(commandLine);
    QCOMPARE(executable.commandLine(), expected);
}

void TestInstallerSequence::debugBox()
{
    MessageRecorder recorder;
    Executable executable;
    executable.setExecutable(QStringLiteral("C:\\no\\such.exe"), false);
    executable.setArguments({QStringLiteral("/S"), QStringLiteral("/D=\"x\"")});
    executable.setSetCwd(true);
    executable.setDebug(true);
    executable.start();
    QVERIFY(executable.wait(20000));
    QCOMPARE(recorder.boxes().size(), 1);
    QCOMPARE(recorder.boxes().at(0).title, QStringLiteral("DEBUG"));
    QCOMPARE(recorder.boxes().at(0).text,
             QStringLiteral(
                     "The executable name is \"C:/no/such.exe\".\nArgument 1 is \"/S\".\n"
                     "Argument 2 is '/D=\"x\"'.\n\nThe current working directory is set, "
                     "and is \"C:/no\".\n\nThe command line:\n\"C:/no/such.exe\" /S /D=\"x\""));
}

void TestInstallerSequence::postProcessEvenWhenStartFails()
{
    QList<QUrl> opened;
    UrlOpener::setHandler([&](const QUrl &url) {
        opened << url;
        return true;
    });
    Executable executable;
    executable.setExecutable(QStringLiteral("C:\\missing\\setup.exe"), false);
    executable.setPostProcess(QStringLiteral("https://example.invalid/read me.html"));
    executable.start();
    QVERIFY(executable.wait(20000));
    UrlOpener::setHandler(nullptr);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened.at(0).host(), QStringLiteral("example.invalid"));
}

// "msiexec.exe" is whatever program of that name is found first: here the stand-in in the
// current directory, which comes before the system's folders, and which removes the entry.
void TestInstallerSequence::forcedUninstallRunsMsiexec()
{
    const QString bin = m_machine->path(QStringLiteral("bin"));
    QDir().mkpath(bin);
    QVERIFY(QFile::copy(demoInstaller, bin + QStringLiteral("/msiexec.exe")));
    const QString oldCurrent = QDir::currentPath();
    QVERIFY(QDir::setCurrent(bin));
    qputenv("TAM_DEMO_RECORD", m_record.toLocal8Bit());
    ScratchMachine::addUninstallEntry(false, code(9), QStringLiteral("Old Driver"), "0.9");

    Executable executable;
    executable.setExecutable(QStringLiteral("C:\\missing\\setup.exe"), false);
    executable.setForceUninstall(true);
    executable.setAnotherInstalledProductCode(code(9));
    executable.start();
    const bool done = executable.wait(20000);
    QDir::setCurrent(oldCurrent);
    qunsetenv("TAM_DEMO_RECORD");
    QVERIFY(done);
    QFile record(m_record);
    QVERIFY(record.open(QIODevice::ReadOnly));
    QCOMPARE(record.readAll(), QByteArray("/qn\n/X") + code(9).toLatin1() + "\n--\n");
    const sys::RegKey entry = sys::RegKey::open(
            sys::RegRoot::LocalMachine,
            (QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\") + code(9))
                    .toStdWString(),
            sys::RegAccess::Read | sys::RegAccess::Wow64_64Key);
    QVERIFY(!entry.isOpen());
}

void TestInstallerSequence::workingDirectoryPath()
{
    QObject owner;
    Step step;
    step.id = 4;
    Application *app = application(installerElement(step, m_record), &owner);
    Executable *main = app->installers().at(0)->mainInstallStep();
    main->setSetCwd(true);
    main->setWaitAfterInstall(1);
    QElapsedTimer timer;
    timer.start();
    main->start();
    QVERIFY(main->wait(20000));
    QVERIFY(timer.elapsed() >= 1000);
    QCOMPARE(recordedIds(m_record), QList<int>{4});
}

void TestInstallerSequence::cabinetPayload_data()
{
    QTest::addColumn<bool>("extracts");
    QTest::addColumn<QString>("compression");
    QTest::addColumn<bool>("ran");
    QTest::newRow("helper unpacks before the step") << true << QStringLiteral("CAB") << true;
    QTest::newRow("front end never unpacks") << false << QStringLiteral("cab") << false;
    QTest::newRow("no compression, nothing unpacked") << true << QString() << false;
}

// A step whose program is still inside its cabinet runs after the cabinet was unpacked into
// its own folder, but only in the helper.
void TestInstallerSequence::cabinetPayload()
{
    QFETCH(bool, extracts);
    QFETCH(QString, compression);
    QFETCH(bool, ran);
    const QString payload = m_machine->path(QStringLiteral("payload"));
    QDir().mkpath(payload);
    QVERIFY(QFile::copy(payloadCabinet, payload + QStringLiteral("/pack.cab")));

    QObject owner;
    Step step;
    step.id = 5;
    Application *app = application(installerElement(step, m_record), &owner);
    Executable *main = app->installers().at(0)->mainInstallStep();
    main->setFileName(QStringLiteral("/inner.exe"));
    main->setDirectory(payload);
    main->setSrcPath(payload + QStringLiteral("/pack.cab"));
    main->setSrcCompression(compression);
    Installer::setExtractsCabinets(extracts);
    QSignalSpy complete(app, &Application::installComplete);
    app->install();
    const bool completed = complete.wait(20000);
    Installer::setExtractsCabinets(false);
    QVERIFY(completed);
    QCOMPARE(QFile::exists(payload + QStringLiteral("/inner.exe")), ran);
    QCOMPARE(recordedIds(m_record), ran ? QList<int>{5} : QList<int>{});
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--reboot-parent") == 0) {
        // The parent the restart path kills: it would end normally once its child ended.
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--reboot-child")});
        child.waitForFinished(30000);
        return 0;
    }
    if (argc > 1 && qstrcmp(argv[1], "--reboot-child") == 0) {
        // The child: a forced-reboot installer followed by one that must never run.
        const QString record = qEnvironmentVariable("TAM_REBOOT_CHILD");
        MessageSeam::setHandler(
                [](QObject *, MessageSeam::Icon, const QString &, const QString &, int, int) {
                    return int(MessageSeam::Yes);
                });
        Step first;
        first.id = 1;
        first.reboot = true;
        Step second;
        second.id = 2;
        Application *application_ = application(
                installerElement(first, record) + installerElement(second, record), &app);
        QObject::connect(application_, &Application::installComplete, &app, [] {
            QCoreApplication::exit(3);
        });
        application_->install();
        return app.exec();
    }
    TestInstallerSequence test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_installersequence.moc"
