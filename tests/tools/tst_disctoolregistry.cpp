// disctool registry as authors and scripts use it: reg.exe's verbs on a simulated machine.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestDiscToolRegistry : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void addThenQueryPrintsLikeRegExe_data();
    void addThenQueryPrintsLikeRegExe();
    void exportThenImportRoundTrips();
    void badInputFailsClearly_data();
    void badInputFailsClearly();
    void overwriteNeedsForceOrYes();

private:
    struct Result
    {
        int exitCode = -1;
        QString out;
        QString err;
    };
    Result run(const QStringList &arguments, const QByteArray &input = QByteArray());

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestDiscToolRegistry::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

TestDiscToolRegistry::Result TestDiscToolRegistry::run(const QStringList &arguments,
                                                       const QByteArray &input)
{
    QProcess process;
    process.start(QStringLiteral(DISCTOOL_PATH),
                  QStringList{QStringLiteral("registry"),
                              QStringLiteral("--machine"),
                              m_dir->path() + QStringLiteral("/machine")}
                          + arguments);
    process.write(input);
    process.closeWriteChannel();
    Result result;
    if (!process.waitForFinished(30000))
        return result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    // A Windows console program ends its lines with CR LF; the expectations use LF.
    result.out = QString::fromUtf8(process.readAllStandardOutput()).replace("\r\n", "\n");
    result.err = QString::fromUtf8(process.readAllStandardError()).replace("\r\n", "\n");
    return result;
}

void TestDiscToolRegistry::addThenQueryPrintsLikeRegExe_data()
{
    QTest::addColumn<QStringList>("add");
    QTest::addColumn<QStringList>("query");
    QTest::addColumn<QString>("line");

    const QString key = QStringLiteral("HKLM\\SOFTWARE\\Tam");
    QTest::newRow("string, short root")
            << QStringList{key, "/v", "Name", "/d", "Scan \u00e9"} << QStringList{key, "/v", "name"}
            << "    Name    REG_SZ    Scan \u00e9";
    QTest::newRow("dword in hex") << QStringList{key, "/v", "N", "/t", "REG_DWORD", "/d", "0x1F"}
                                  << QStringList{"HKEY_LOCAL_MACHINE\\SOFTWARE\\Tam", "/v", "N"}
                                  << "    N    REG_DWORD    0x1f";
    QTest::newRow("expand string")
            << QStringList{key, "/v", "P", "/t", "REG_EXPAND_SZ", "/d", "%TEMP%\\x"}
            << QStringList{key} << "    P    REG_EXPAND_SZ    %TEMP%\\x";
    QTest::newRow("default value") << QStringList{key, "/ve", "/d", "d"} << QStringList{key, "/ve"}
                                   << "    (Default)    REG_SZ    d";
    QTest::newRow("32-bit view") << QStringList{key, "/v", "W", "/d", "32", "/reg:32"}
                                 << QStringList{"HKLM\\SOFTWARE\\WOW6432Node\\Tam", "/v", "W"}
                                 << "    W    REG_SZ    32";
    QTest::newRow("recursive query finds subkeys")
            << QStringList{key + "\\Sub\\Deep", "/v", "D", "/d", "deep"} << QStringList{key, "/s"}
            << "    D    REG_SZ    deep";
}

void TestDiscToolRegistry::addThenQueryPrintsLikeRegExe()
{
    QFETCH(QStringList, add);
    QFETCH(QStringList, query);
    QFETCH(QString, line);
    const Result added = run(QStringList{"add"} + add);
    QCOMPARE(added.exitCode, 0);
    QVERIFY(added.out.contains("The operation completed successfully."));
    const Result queried = run(QStringList{"query"} + query);
    QCOMPARE(queried.exitCode, 0);
    QVERIFY2(queried.out.split('\n').contains(line), qPrintable(queried.out));
    QVERIFY(queried.out.contains("\nHKEY_LOCAL_MACHINE\\SOFTWARE\\"));
}

void TestDiscToolRegistry::exportThenImportRoundTrips()
{
    const QString key = QStringLiteral("HKCU\\Software\\Tam");
    QCOMPARE(run({"add", key, "/v", "Quote", "/d", "say \"hi\" \\o/", "/f"}).exitCode, 0);
    QCOMPARE(run({"add", key + "\\Sub", "/v", "Count", "/t", "REG_DWORD", "/d", "42"}).exitCode, 0);
    QCOMPARE(run({"add", key, "/v", "Bytes", "/t", "REG_BINARY", "/d", "00ff10"}).exitCode, 0);
    const QString file = m_dir->path() + QStringLiteral("/tam.reg");
    QCOMPARE(run({"export", key, file}).exitCode, 0);

    QFile exported(file);
    QVERIFY(exported.open(QIODevice::ReadOnly));
    const QByteArray bytes = exported.readAll();
    QVERIFY(bytes.startsWith("\xFF\xFE"));
    const QString text = QString::fromUtf16(
            reinterpret_cast<const char16_t *>(bytes.constData() + 2), (bytes.size() - 2) / 2);
    QVERIFY(text.startsWith("Windows Registry Editor Version 5.00\r\n"));
    QVERIFY2(text.contains(
                     "[HKEY_CURRENT_USER\\Software\\Tam]\r\n\"Quote\"=\"say \\\"hi\\\" \\\\o/\""),
             qPrintable(text));

    QCOMPARE(run({"delete", key, "/f"}).exitCode, 0);
    QCOMPARE(run({"query", key}).exitCode, 1);
    QCOMPARE(run({"import", file}).exitCode, 0);
    const Result all = run({"query", key, "/s"});
    QCOMPARE(all.exitCode, 0);
    QVERIFY(all.out.contains("    Quote    REG_SZ    say \"hi\" \\o/\n"));
    QVERIFY(all.out.contains("    Bytes    REG_BINARY    00FF10\n"));
    QVERIFY(all.out.contains("    Count    REG_DWORD    0x2a\n"));
}

void TestDiscToolRegistry::badInputFailsClearly_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown root") << QStringList{"query", "HKXX\\Software"} << "Invalid key name";
    QTest::newRow("missing key") << QStringList{"query", "HKLM\\SOFTWARE\\Nope"}
                                 << "unable to find the specified registry key or value";
    QTest::newRow("dword that is not a number")
            << QStringList{"add", "HKLM\\SOFTWARE\\T", "/v", "n", "/t", "REG_DWORD", "/d", "ten"}
            << "Invalid data";
    QTest::newRow("unknown type")
            << QStringList{"add", "HKLM\\SOFTWARE\\T", "/v", "n", "/t", "REG_FOO"}
            << "Invalid type";
    QTest::newRow("unknown verb") << QStringList{"frobnicate"} << "unknown verb";
    QTest::newRow("missing import file")
            << QStringList{"import", "/nonexistent/x.reg"} << "Cannot read";
    QTest::newRow("delete a missing value")
            << QStringList{"delete", "HKCU\\Software", "/v", "nope", "/f"} << "unable to find";
}

void TestDiscToolRegistry::badInputFailsClearly()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const Result result = run(arguments);
    QVERIFY(result.exitCode != 0);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
}

void TestDiscToolRegistry::overwriteNeedsForceOrYes()
{
    const QString key = QStringLiteral("HKCU\\Software\\Tam");
    QCOMPARE(run({"add", key, "/v", "v", "/d", "1"}).exitCode, 0);
    QCOMPARE(run({"add", key, "/v", "v", "/d", "2"}, "no\n").exitCode, 1);
    QVERIFY(run({"query", key, "/v", "v"}).out.contains("REG_SZ    1\n"));
    QCOMPARE(run({"add", key, "/v", "v", "/d", "3"}, "yes\n").exitCode, 0);
    QVERIFY(run({"query", key, "/v", "v"}).out.contains("REG_SZ    3\n"));

    // A malformed store names its file and line and stays as it was.
    QFile store(m_dir->path() + QStringLiteral("/machine/registry.reg"));
    QVERIFY(store.open(QIODevice::WriteOnly | QIODevice::Truncate));
    store.write("Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\X]\n\"a\"=oops\n");
    store.close();
    const Result broken = run({"add", key, "/v", "v", "/d", "4", "/f"});
    QCOMPARE(broken.exitCode, 1);
    QVERIFY2(broken.err.contains("registry.reg:4:"), qPrintable(broken.err));
    QVERIFY(store.open(QIODevice::ReadOnly));
    QVERIFY(store.readAll().endsWith("\"a\"=oops\n"));
}

QTEST_GUILESS_MAIN(TestDiscToolRegistry)
#include "tst_disctoolregistry.moc"
