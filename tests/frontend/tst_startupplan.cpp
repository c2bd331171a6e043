// What main decides before the window exists: exit marker, process-wide paths, where the
// product description comes from, and whether device selection runs.

#include "frontendtestsupport.h"
#include "startupplan.h"

#include <QtTest>

class TestStartupPlan : public QObject
{
    Q_OBJECT

private slots:
    void decidesStart_data();
    void decidesStart();
    void exitMarkerEndsOnceOnly();
    void pathsUseBackslashesOnly();
};

void TestStartupPlan::decidesStart_data()
{
    QTest::addColumn<QStringList>("files"); // in the program's folder; "disc/..." elsewhere
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("deviceSelection");
    QTest::addColumn<bool>("updateFolderKept");
    QTest::addColumn<QString>("setupPath"); // relative to the test folder
    QTest::addColumn<bool>("fromDisc");

    QTest::newRow("from the disc clears the update folder")
            << QStringList{"scanner_win.xml"} << QStringList{} << false << false << "program"
            << true;
    QTest::newRow("resume from the disc keeps the update folder")
            << QStringList{"scanner_win.xml"} << QStringList{"de_de", "2"} << false << true
            << "program" << true;
    QTest::newRow("-check has no effect on the disc")
            << QStringList{"scanner_win.xml"} << QStringList{"-check"} << false << false
            << "program" << true;
    QTest::newRow("copy without anything selects a device")
            << QStringList{} << QStringList{} << true << true << "program" << false;
    QTest::newRow("copy with update.xml goes on")
            << QStringList{"update.xml"} << QStringList{} << false << true << "program" << false;
    QTest::newRow("-check forces device selection")
            << QStringList{"update.xml"} << QStringList{"-check"} << true << true << "program"
            << false;
    QTest::newRow("DVDPath.xml naming a folder without product stays here")
            << QStringList{"DVDPath.xml"} << QStringList{} << true << true << "program" << false;
    QTest::newRow("DVDPath.xml naming the disc moves SetupPath")
            << QStringList{"DVDPath.xml", "disc/scanner_win.xml"} << QStringList{} << false << true
            << "disc" << false;
}

void TestStartupPlan::decidesStart()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, arguments);
    QFETCH(bool, deviceSelection);
    QFETCH(bool, updateFolderKept);
    QFETCH(QString, setupPath);
    QFETCH(bool, fromDisc);
    TestEnvironment environment;
    const QString program = environment.path("program");
    QDir().mkpath(program);
    QDir().mkpath(environment.path("disc"));
    for (const QString &file : files) {
        if (file == QLatin1String("DVDPath.xml")) {
            writeFile(program + "/DVDPath.xml",
                      QStringLiteral("<DVDPath dvd_path=\"%1\"/>")
                              .arg(SetupSettings::withBackslashes(environment.path("disc")))
                              .toUtf8());
        } else if (file.startsWith("disc/")) {
            writeFile(environment.path(file), "<Scanner/>");
        } else {
            writeFile(program + '/' + file, "<Scanner/>");
        }
    }
    const QString leftOver = QDir::tempPath() + "/TamSetup/TamUpdate/old.exe";
    writeFile(leftOver, "old");

    const StartupPlan plan = StartupPlan::prepare(program, arguments);
    QVERIFY(!plan.exitAtOnce);
    QCOMPARE(plan.needsDeviceSelection, deviceSelection);
    QCOMPARE(plan.isResume, arguments.size() == 2);
    QCOMPARE(plan.resumeStep, arguments.size() == 2 ? 2 : 0);
    QCOMPARE(QFileInfo::exists(leftOver), updateFolderKept);
    QCOMPARE(SetupSettings::setupPath(),
             SetupSettings::withBackslashes(environment.path(setupPath)));
    QCOMPARE(StartupPlan::updateXmlDir(), fromDisc ? SetupSettings::updatePath() : QString());
}

void TestStartupPlan::exitMarkerEndsOnceOnly()
{
    TestEnvironment environment;
    const QString program = environment.path("program");
    writeFile(program + "/tam_setup_exit.txt", "");
    QVERIFY(StartupPlan::prepare(program, {}).exitAtOnce);
    QVERIFY(!QFileInfo::exists(program + "/tam_setup_exit.txt"));
    QVERIFY(!StartupPlan::prepare(program, {}).exitAtOnce);
}

void TestStartupPlan::pathsUseBackslashesOnly()
{
    TestEnvironment environment;
    StartupPlan::prepare(environment.path("program"), {});
    for (const QString &path :
         {SetupSettings::setupPath(), SetupSettings::downloadPath(), SetupSettings::updatePath()}) {
        QVERIFY2(!path.contains('/'), qPrintable(path));
        QVERIFY(!path.isEmpty());
    }
    QVERIFY(SetupSettings::downloadPath().endsWith("\\TamDownload"));
    QVERIFY(SetupSettings::updatePath().endsWith("\\TamSetup\\TamUpdate"));
}

QTEST_GUILESS_MAIN(TestStartupPlan)
#include "tst_startupplan.moc"
