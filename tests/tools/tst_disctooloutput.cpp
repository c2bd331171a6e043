// disctool's output is UTF-8 on every platform and keeps every character of the product's
// texts, for the scripts and tests that read it: a run list, a catalogue, a message.

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Latin-1, Cyrillic and CJK: Windows' ANSI code page holds at most the first.
const QString name
        = QStringLiteral(u"Scan \u00e9 \u0421\u043a\u0430\u043d\u0435\u0440 \u626b\u63cf");

// A product whose application's program is named program.
QByteArray product(const QString &program)
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<Scanner ShortName=\"T-1\" LongName=\"")
           + name.toUtf8()
           + "\" PID=\"0a42\" Skin=\"None\" Brand=\"Tamberlin\">"
             "<supportedlanguages><language IsoCode=\"en\"/></supportedlanguages>"
             "<application ShortName=\"App\"><displayname><string Language=\"*\" Value=\""
           + name.toUtf8()
           + "\"/></displayname><installationplatform Value=\"all\">"
             "<installer Executable=\"$SetupPath$\\"
           + program.toUtf8() + "\"/></installationplatform></application></Scanner>\n";
}

} // namespace

class TestDiscToolOutput : public QObject
{
    Q_OBJECT

private slots:
    void keepsEveryCharacter_data();
    void keepsEveryCharacter();
};

void TestDiscToolOutput::keepsEveryCharacter_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("program");
    QTest::addColumn<bool>("toStandardError");
    QTest::addColumn<QString>("expected");
    const QStringList runList{
            "runlist", "@/scanner_win.xml", "--select", "App", "--new-machine", "@/m"};
    QTest::newRow("run list") << runList << QStringLiteral("app.exe") << false
                              << QStringLiteral("DisplayName=\"%1\"").arg(name);
    QTest::newRow("catalogue") << QStringList{"catalogue",
                                              "@/scanner_win.xml",
                                              "--new-machine",
                                              "@/m"}
                               << QStringLiteral("app.exe") << false
                               << QStringLiteral("\"displayName\": \"%1\"").arg(name);
    QTest::newRow("message") << runList << name + QStringLiteral(".exe") << true
                             << QStringLiteral("Unable to find executable");
}

void TestDiscToolOutput::keepsEveryCharacter()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, program);
    QFETCH(bool, toStandardError);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath(QStringLiteral("scanner_win.xml")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(product(program));
    file.close();
    QFile installer(dir.filePath(QStringLiteral("app.exe")));
    QVERIFY(installer.open(QIODevice::WriteOnly));
    installer.close();
    arguments.replaceInStrings(QStringLiteral("@"), dir.path());

    QProcess disctool;
    disctool.start(QStringLiteral(DISCTOOL_PATH), arguments);
    QVERIFY(disctool.waitForFinished(30000));
    const QString text = QString::fromUtf8(toStandardError ? disctool.readAllStandardError()
                                                           : disctool.readAllStandardOutput());
    QVERIFY2(text.contains(expected), qPrintable(text));
    QVERIFY2(text.contains(name), qPrintable(text));
}

QTEST_GUILESS_MAIN(TestDiscToolOutput)
#include "tst_disctooloutput.moc"
