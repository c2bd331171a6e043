// The deployment command line: which command lines leave the interactive start alone, what
// each switch sets, and every way a command line is refused (exit code 87) with the switch
// named.

#include "deployswitches.h"

#include <QtTest>

class TestDeploySwitches : public QObject
{
    Q_OBJECT

private slots:
    void tellsDeploymentFromInteractive_data();
    void tellsDeploymentFromInteractive();
    void readsCommandLines_data();
    void readsCommandLines();
    void refusesBadCommandLines_data();
    void refusesBadCommandLines();
};

void TestDeploySwitches::tellsDeploymentFromInteractive_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("unattended");
    QTest::newRow("no argument") << QStringList() << false;
    QTest::newRow("-check") << QStringList{"-check"} << false;
    QTest::newRow("resume after a restart") << QStringList{"de_de", "2"} << false;
    QTest::newRow("/quiet") << QStringList{"/quiet"} << true;
    QTest::newRow("-PASSIVE") << QStringList{"-PASSIVE"} << true;
    QTest::newRow("an unknown switch still is one") << QStringList{"/frobnicate"} << true;
    QTest::newRow("-check among switches") << QStringList{"/quiet", "-check"} << true;
}

void TestDeploySwitches::tellsDeploymentFromInteractive()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, unattended);
    QCOMPARE(DeploySwitches::requestsUnattended(arguments), unattended);
}

void TestDeploySwitches::readsCommandLines_data()
{
    using Mode = DeploySwitches::Mode;
    using Source = DeploySwitches::Source;
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("selection");
    QTest::addColumn<bool>("all");
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("log");
    QTest::addColumn<QString>("device");

    const auto row = [](const char *name, const QStringList &arguments, Mode mode) -> QTestData & {
        return QTest::newRow(name) << arguments << int(mode);
    };
    row("quiet installs the defaults", {"/quiet"}, Mode::Quiet)
            << QStringList() << false << int(Source::Automatic) << QString() << QString()
            << QString();
    row("names in any case, blanks and empty parts dropped",
        {"-Quiet", "/SELECT", "Driver, scanutility,,"},
        Mode::Quiet)
            << QStringList{"Driver", "scanutility"} << false << int(Source::Automatic) << QString()
            << QString() << QString();
    row("passive with everything",
        {"/passive", "/all", "/source", "WEB", "/norestart"},
        Mode::Passive)
            << QStringList() << true << int(Source::Web) << QString() << QString() << QString();
    row("a language as Windows writes it", {"/quiet", "/language", "de-DE"}, Mode::Quiet)
            << QStringList() << false << int(Source::Automatic) << "de_de" << QString()
            << QString();
    row("a log path that begins with a slash",
        {"/quiet", "/log", "/var/log/setup.log"},
        Mode::Quiet)
            << QStringList() << false << int(Source::Automatic) << QString() << "/var/log/setup.log"
            << QString();
    row("detect alone", {"/detect", "/select", "Driver"}, Mode::Detect)
            << QStringList{"Driver"} << false << int(Source::Automatic) << QString() << QString()
            << QString();
    row("detect with quiet", {"/quiet", "/detect"}, Mode::Detect)
            << QStringList() << false << int(Source::Automatic) << QString() << QString()
            << QString();
    row("the only scanner", {"/quiet", "/device", "AUTO", "/all"}, Mode::Quiet)
            << QStringList() << true << int(Source::Automatic) << QString() << QString() << "auto";
    row("a product id and serial", {"/quiet", "/device", "a41:TD410-0815"}, Mode::Quiet)
            << QStringList() << false << int(Source::Automatic) << QString() << QString()
            << "0a41:TD410-0815";
    row("/? wins over everything else", {"/quiet", "/bogus", "/?"}, Mode::Usage)
            << QStringList() << false << int(Source::Automatic) << QString() << QString()
            << QString();
}

void TestDeploySwitches::readsCommandLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, mode);
    QFETCH(QStringList, selection);
    QFETCH(bool, all);
    QFETCH(int, source);
    QFETCH(QString, language);
    QFETCH(QString, log);
    QFETCH(QString, device);

    const DeploySwitches switches = DeploySwitches::parse(arguments);
    QVERIFY2(switches.isValid(), qPrintable(switches.error));
    QCOMPARE(int(switches.mode), mode);
    QCOMPARE(switches.selection, selection);
    QCOMPARE(switches.all, all);
    QCOMPARE(int(switches.source), source);
    QCOMPARE(switches.language, language);
    QCOMPARE(switches.logFile, log);
    QCOMPARE(switches.arguments, arguments);
    const QString readDevice
            = switches.deviceAuto ? QStringLiteral("auto")
              : switches.deviceProductId != 0
                      ? QStringLiteral("%1:%2")
                                .arg(switches.deviceProductId, 4, 16, QLatin1Char('0'))
                                .arg(switches.deviceSerial)
                      : QString();
    QCOMPARE(readDevice, device.endsWith(QLatin1Char(':')) ? device.chopped(1) : device);
}

void TestDeploySwitches::refusesBadCommandLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");
    QTest::newRow("no mode") << QStringList{"/all"} << "say how to run";
    QTest::newRow("quiet and passive") << QStringList{"/quiet", "/passive"} << "exclude";
    QTest::newRow("detect with a window") << QStringList{"/detect", "/passive"} << "/passive";
    QTest::newRow("all and select")
            << QStringList{"/quiet", "/all", "/select", "Driver"} << "/all and /select";
    QTest::newRow("unknown switch") << QStringList{"/quiet", "/reboot"} << "unknown switch /reboot";
    QTest::newRow("interactive -check")
            << QStringList{"/quiet", "-check"} << "unknown switch -check";
    QTest::newRow("stray argument") << QStringList{"/quiet", "Driver"} << "\"Driver\"";
    QTest::newRow("twice") << QStringList{"/quiet", "/log", "a", "/LOG", "b"}
                           << "/LOG is given twice";
    QTest::newRow("value missing at the end")
            << QStringList{"/quiet", "/report"} << "/report needs a value";
    QTest::newRow("a switch where the value belongs")
            << QStringList{"/select", "/quiet"} << "/select needs a value";
    QTest::newRow("only commas") << QStringList{"/quiet", "/select", ","} << "no application";
    QTest::newRow("source") << QStringList{"/quiet", "/source", "cloud"} << "\"cloud\"";
    QTest::newRow("language") << QStringList{"/quiet", "/language", "german"} << "\"german\"";
    QTest::newRow("device id not hex") << QStringList{"/quiet", "/device", "xyz"} << "\"xyz\"";
    QTest::newRow("device id 0") << QStringList{"/quiet", "/device", "0"} << "\"0\"";
    QTest::newRow("device serial empty")
            << QStringList{"/quiet", "/device", "0A41:"} << "\"0A41:\"";
    QTest::newRow("a log named after the fault is still written")
            << QStringList{"/quiet", "/bogus", "/log", "late.log"} << "unknown switch /bogus";
}

void TestDeploySwitches::refusesBadCommandLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    const DeploySwitches switches = DeploySwitches::parse(arguments);
    QVERIFY(!switches.isValid());
    QVERIFY2(switches.error.contains(error), qPrintable(switches.error));
    // The fault goes into the log wherever the command line names it.
    const int log = arguments.indexOf(QStringLiteral("/log"));
    if (log >= 0 && log + 1 < arguments.size())
        QCOMPARE(switches.logFile, arguments.at(log + 1));
}

QTEST_APPLESS_MAIN(TestDeploySwitches)
#include "tst_deployswitches.moc"
