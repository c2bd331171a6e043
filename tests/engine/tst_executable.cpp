// Executables as the catalogue fills them: command-line splitting and path resolution.

#include "catalogtestsupport.h"
#include "executable.h"
#include "hostpath.h"
#include "pathvariables.h"

#include <QtTest>

class TestExecutable : public QObject
{
    Q_OBJECT

private slots:
    void commandLine_data();
    void commandLine();
    void executablePath_data();
    void executablePath();
};

void TestExecutable::commandLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("preserve");
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("quotes inside an argument stay")
            << "/S /D=\"C:\\Program Files\\Tamberlin\"" << false
            << QStringList{"/S", "/D=\"C:\\Program Files\\Tamberlin\""};
    QTest::newRow("quoted path loses its quotes") << "\"C:\\My Files\\setup.exe\" /q" << false
                                                  << QStringList{"C:\\My Files\\setup.exe", "/q"};
    QTest::newRow("quoted path keeps its quotes when asked")
            << "\"C:\\My Files\\setup.exe\" /q" << true
            << QStringList{"\"C:\\My Files\\setup.exe\"", "/q"};
    QTest::newRow("single quotes") << "'a b'  c" << false << QStringList{"a b", "c"};
    QTest::newRow("either quote closes either kind")
            << "'it\"s x" << false << QStringList{"'it\"s", "x"};
    QTest::newRow("tabs and line breaks separate")
            << "/a\t/b\r\n/c" << false << QStringList{"/a", "/b", "/c"};
    QTest::newRow("white space inside quotes becomes spaces")
            << "\"a\tb\"" << false << QStringList{"a b"};
    QTest::newRow("lone quote") << "\"" << false << QStringList{"\""};
    QTest::newRow("empty quotes") << "\"\" x" << false << QStringList{"", "x"};
    QTest::newRow("empty") << "" << false << QStringList{};
    QTest::newRow("unclosed quote swallows the rest")
            << "/a \"b c" << false << QStringList{"/a", "\"b c"};
}

void TestExecutable::commandLine()
{
    QFETCH(QString, text);
    QFETCH(bool, preserve);
    QFETCH(QStringList, arguments);
    Executable executable;
    executable.setPreserveArgQuotes(preserve);
    executable.setCommandLine(text);
    QCOMPARE(executable.arguments(), arguments);
}

void TestExecutable::executablePath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("mustExist");
    QTest::addColumn<bool>("result");
    QTest::addColumn<bool>("justFileName");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("directory");

    QTest::newRow("bare file name is never checked")
            << "setup.exe" << true << true << true << "setup.exe"
            << "";
    QTest::newRow("present on the disc")
            << "$SetupPath$\\Drivers\\setup.exe" << true << true << false << "/setup.exe"
            << "%disc%/Drivers";
    QTest::newRow("missing on the disc")
            << "$SetupPath$\\Drivers\\other.exe" << true << false << false << "/other.exe"
            << "%disc%/Drivers";
    QTest::newRow("missing but downloaded later")
            << "$DownloadPath$\\x\\a.exe" << false << true << false << "/a.exe"
            << "%downloads%/x";
    QTest::newRow("program files in the machine")
            << "$ProgramFiles$\\Tamberlin\\tool.exe" << true << true << false << "/tool.exe"
            << "%programfiles%/Tamberlin";
}

void TestExecutable::executablePath()
{
    QFETCH(QString, path);
    QFETCH(bool, mustExist);
    QFETCH(bool, result);
    QFETCH(bool, justFileName);
    QFETCH(QString, fileName);
    QFETCH(QString, directory);
    ScratchMachine machine;
    machine.writeFile("disc/Drivers/setup.exe", "x");
    const QString programFiles = PathVariables::programFilesFolder().replace('\\', '/');
    const QString hostProgramFiles
            = QString::fromStdString(sys::toHostPath(programFiles.toStdWString()));
    QDir().mkpath(hostProgramFiles + "/Tamberlin");
    QFile(hostProgramFiles + "/Tamberlin/tool.exe").open(QIODevice::WriteOnly);

    Executable executable;
    QCOMPARE(executable.setExecutable(path, mustExist), result);
    QCOMPARE(executable.isJustFileName(), justFileName);
    QCOMPARE(executable.fileName(), fileName);
    QCOMPARE(executable.directoryPath(),
             QString(directory)
                     .replace("%disc%", machine.discPath())
                     .replace("%downloads%", machine.downloadPath())
                     .replace("%programfiles%", programFiles));
}

QTEST_GUILESS_MAIN(TestExecutable)
#include "tst_executable.moc"
