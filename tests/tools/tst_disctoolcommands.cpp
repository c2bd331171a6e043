// What disctool answers to a mistyped command, a machine folder that is not there and a cabinet
// that unpacks or does not: each says what happened, and only failures print their error.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestDiscToolCommands : public QObject
{
    Q_OBJECT

private slots:
    void answersWhatHappened_data();
    void answersWhatHappened();
};

void TestDiscToolCommands::answersWhatHappened_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");       // part of standard output
    QTest::addColumn<QString>("err");       // part of standard error
    QTest::addColumn<QString>("forbidden"); // in neither
    QTest::addColumn<QString>("machine");   // folder that exists afterwards ("" for none)

    QTest::newRow("unknown command") << QStringList{"frobnicate", "--machine", "@/m"} << 2 << ""
                                     << "unknown command \"frobnicate\""
                                     << ""
                                     << "";
    QTest::newRow("help of the tool") << QStringList{"--help"} << 0 << "disctool layout PRODUCT.xml"
                                      << ""
                                      << "unknown command"
                                      << "";
    QTest::newRow("help of a command")
            << QStringList{"catalogue", "--help"} << 0 << "--language CODE"
            << ""
            << "usage:\n  disctool"
            << "";
    QTest::newRow("unknown option named, not taken for a file") << QStringList{"merge-bundle",
                                                                               "@/a.xml",
                                                                               "@/b.xml",
                                                                               "@/out.xml",
                                                                               "--serial",
                                                                               "S1",
                                                                               "--x"}
                                                                << 2 << ""
                                                                << "Unknown option 'x'"
                                                                << "is not a scanner file"
                                                                << "";
    QTest::newRow("option value missing") << QStringList{"devices", "--product-id"} << 2 << ""
                                          << "Missing value after '--product-id'"
                                          << ""
                                          << "";
#ifdef TAM_SKIN_CHECK
    QTest::newRow("skin form that is not there")
            << QStringList{"skin-check", "@/nosuch.ui"} << 1 << "cannot open the skin form"
            << ""
            << "qstrSkin"
            << "";
    QTest::newRow("skin without an exit")
            << QStringList{"skin-check", TAM_FIXTURES_DIR "/skins/TamSkin_MissingBound.ui"} << 1
            << "error: Skin does not have the \"MM_Exit\" element. (without it the user cannot "
               "close setup)"
            << ""
            << ""
            << "";
#endif
    QTest::newRow("machine folder that does not exist")
            << QStringList{"registry", "--machine", "@/absent", "add", "HKCU\\Software\\T", "/f"}
            << 2 << ""
            << "@/absent does not exist"
            << "completed successfully"
            << "";
    QTest::newRow("same, given with an equals sign")
            << QStringList{"devices", "--machine=@/absent"} << 2 << ""
            << "@/absent does not exist"
            << ""
            << "";
    QTest::newRow("new machine asked for")
            << QStringList{"registry", "--new-machine", "@/fresh", "add", "HKCU\\Software\\T", "/f"}
            << 0 << "completed successfully"
            << ""
            << ""
            << "@/fresh/drive_c";
    QTest::newRow("cabinet set unpacked")
            << QStringList{"cab-extract", "@/set/chain1.cab"} << 0 << "3 files extracted into"
            << ""
            << "error record"
            << "@/set/payload/deep/last.txt";
    QTest::newRow("cabinet whose next part is missing")
            << QStringList{"cab-extract", "@/alone/chain1.cab"} << 1 << "chain-readme.txt"
            << "error record: library "
            << "extracted into"
            << "";
}

void TestDiscToolCommands::answersWhatHappened()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(QString, forbidden);
    QFETCH(QString, machine);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString fixtures = QStringLiteral(TAM_FIXTURES_DIR "/cabinet/");
    QVERIFY(QDir().mkpath(dir.filePath("set")) && QDir().mkpath(dir.filePath("alone")));
    for (const char *part : {"chain1.cab", "chain2.cab", "chain3.cab"})
        QVERIFY(QFile::copy(fixtures + part, dir.filePath(QStringLiteral("set/") + part)));
    QVERIFY(QFile::copy(fixtures + "chain1.cab", dir.filePath("alone/chain1.cab")));
    const auto expand = [&dir](QString text) { return text.replace('@', dir.path()); };
    for (QString &argument : arguments)
        argument = expand(argument);

    QProcess disctool;
    disctool.start(QStringLiteral(DISCTOOL_PATH), arguments);
    QVERIFY(disctool.waitForFinished(30000));
    const QString stdOut = QString::fromUtf8(disctool.readAllStandardOutput());
    const QString stdErr = QString::fromUtf8(disctool.readAllStandardError());
    const QByteArray both = (stdOut + "\n---\n" + stdErr).toUtf8();
    QCOMPARE(disctool.exitCode(), exitCode);
    QVERIFY2(stdOut.contains(expand(out)), both.constData());
    QVERIFY2(stdErr.contains(expand(err)), both.constData());
    if (!forbidden.isEmpty())
        QVERIFY2(!stdOut.contains(forbidden) && !stdErr.contains(forbidden), both.constData());
    QVERIFY2(!QFileInfo::exists(dir.filePath("absent")), "a refused folder was made");
    if (!machine.isEmpty())
        QVERIFY(QFileInfo::exists(expand(machine)));
}

QTEST_GUILESS_MAIN(TestDiscToolCommands)
#include "tst_disctoolcommands.moc"
