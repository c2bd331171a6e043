// disctool registry as authors and scripts use it: reg.exe's verbs on the machine's registry.
// Off Windows that is one simulated machine in a folder of the test's own, shared by every
// case; on Windows (under Wine, the prefix's) it is the real registry. Either way the keys carry
// this run's process id and are removed after each case, so the cases do not see each other's.

#include "machine.h"
#include "registry.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestDiscToolRegistry : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void addThenQueryPrintsLikeRegExe_data();
    void addThenQueryPrintsLikeRegExe();
    void exportThenImportRoundTrips();
    void badInputFailsClearly_data();
    void badInputFailsClearly();
    void overwriteNeedsForceOrYes();
    void malformedStoreIsNamedAndKept();

private:
    struct Result
    {
        int exitCode = -1;
        QString out;
        QString err;
    };
    Result run(const QStringList &arguments, const QByteArray &input = QByteArray());
    Result runOn(const QString &machine,
                 const QStringList &arguments,
                 const QByteArray &input = QByteArray());
    QString machine() const { return m_dir.path() + QStringLiteral("/machine"); }
    // Whether disctool works on a simulated machine (in the test's folder) or the real registry.
    static bool isSimulated() { return !sys::machineFolder().empty(); }

    QTemporaryDir m_dir;
};

namespace {

// Names no other run uses, below the roots the cases write to.
QString machineKey()
{
    return QStringLiteral("HKLM\\SOFTWARE\\TamTest-%1").arg(QCoreApplication::applicationPid());
}

QString userKey()
{
    return QStringLiteral("HKCU\\Software\\TamTest-%1").arg(QCoreApplication::applicationPid());
}

// The lines of one key's section in reg export text, without the header.
QStringList section(const QString &text, const QString &key)
{
    const QString header = QLatin1Char('[') + key + QStringLiteral("]\r\n");
    const int start = text.indexOf(header);
    if (start < 0)
        return {};
    const int end = text.indexOf(QStringLiteral("\r\n\r\n"), start);
    return text.mid(start + header.size(), end < 0 ? -1 : end - start - header.size())
            .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

} // namespace

// This process reads and cleans the machine that disctool works on.
void TestDiscToolRegistry::initTestCase()
{
    QVERIFY(m_dir.isValid());
    sys::setMachineRoot(QFile::encodeName(machine()).toStdString());
}

void TestDiscToolRegistry::cleanup()
{
    const std::wstring name = machineKey().section(QLatin1Char('\\'), -1).toStdWString();
    for (uint32_t view : {sys::RegAccess::Wow64_32Key, sys::RegAccess::Wow64_64Key})
        sys::RegKey::deleteTree(sys::RegRoot::LocalMachine, L"SOFTWARE\\" + name, view);
    sys::RegKey::deleteTree(sys::RegRoot::CurrentUser, L"Software\\" + name, 0);
    QVERIFY(!sys::RegKey::open(
                     sys::RegRoot::LocalMachine, L"SOFTWARE\\" + name, sys::RegAccess::Read)
                     .isOpen());
    QVERIFY(!sys::RegKey::open(
                     sys::RegRoot::CurrentUser, L"Software\\" + name, sys::RegAccess::Read)
                     .isOpen());
}

TestDiscToolRegistry::Result TestDiscToolRegistry::run(const QStringList &arguments,
                                                       const QByteArray &input)
{
    return runOn(machine(), arguments, input);
}

TestDiscToolRegistry::Result TestDiscToolRegistry::runOn(const QString &machine,
                                                         const QStringList &arguments,
                                                         const QByteArray &input)
{
    QProcess process;
    process.start(QStringLiteral(DISCTOOL_PATH),
                  QStringList{QStringLiteral("registry"), QStringLiteral("--new-machine"), machine}
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

    const QString key = machineKey();
    const QString name = key.section(QLatin1Char('\\'), -1);
    QTest::newRow("string, short root")
            << QStringList{key,
                           "/v",
                           "Name",
                           "/d",
                           "Scan \u00e9 \u0421\u043a\u0430\u043d\u0435\u0440 \u626b\u63cf"}
            << QStringList{key, "/v", "name"}
            << "    Name    REG_SZ    Scan \u00e9 \u0421\u043a\u0430\u043d\u0435\u0440 "
               "\u626b\u63cf";
    QTest::newRow("dword in hex") << QStringList{key, "/v", "N", "/t", "REG_DWORD", "/d", "0x1F"}
                                  << QStringList{"HKEY_LOCAL_MACHINE\\SOFTWARE\\" + name, "/v", "N"}
                                  << "    N    REG_DWORD    0x1f";
    QTest::newRow("expand string")
            << QStringList{key, "/v", "P", "/t", "REG_EXPAND_SZ", "/d", "%TEMP%\\x"}
            << QStringList{key} << "    P    REG_EXPAND_SZ    %TEMP%\\x";
    QTest::newRow("default value") << QStringList{key, "/ve", "/d", "d"} << QStringList{key, "/ve"}
                                   << "    (Default)    REG_SZ    d";
    QTest::newRow("32-bit view") << QStringList{key, "/v", "W", "/d", "32", "/reg:32"}
                                 << QStringList{"HKLM\\SOFTWARE\\WOW6432Node\\" + name, "/v", "W"}
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
    const QString key = userKey();
    const QString fullKey = QStringLiteral("HKEY_CURRENT_USER") + key.mid(4);
    // A value that needs escaping in the export text and one in a subkey are written here
    // (adding them is tested above); the binary one goes through disctool: only this case adds
    // REG_BINARY.
    const std::wstring path = key.mid(5).toStdWString();
    QCOMPARE(sys::RegKey::create(sys::RegRoot::CurrentUser, path, sys::RegAccess::Write)
                     .setString(L"Quote", L"say \"hi\" \\o/"),
             0L);
    QCOMPARE(sys::RegKey::create(sys::RegRoot::CurrentUser, path + L"\\Sub", sys::RegAccess::Write)
                     .setDword(L"Count", 42),
             0L);
    QCOMPARE(run({"add", key, "/v", "Bytes", "/t", "REG_BINARY", "/d", "00ff10"}).exitCode, 0);
    const QString file = m_dir.path() + QStringLiteral("/tam.reg");
    QCOMPARE(run({"export", key, file}).exitCode, 0);

    QFile exported(file);
    QVERIFY(exported.open(QIODevice::ReadOnly));
    const QByteArray bytes = exported.readAll();
    QVERIFY(bytes.startsWith("\xFF\xFE"));
    const QString text = QString::fromUtf16(
            reinterpret_cast<const char16_t *>(bytes.constData() + 2), (bytes.size() - 2) / 2);
    QVERIFY(text.startsWith("Windows Registry Editor Version 5.00\r\n\r\n"));
    // The order of a key's values is the registry's own (Wine keeps them sorted by name).
    const QStringList values = section(text, fullKey);
    QVERIFY2(values.contains("\"Quote\"=\"say \\\"hi\\\" \\\\o/\""), qPrintable(text));
    QVERIFY2(values.contains("\"Bytes\"=hex:00,ff,10"), qPrintable(text));
    QCOMPARE(values.size(), 2);
    QCOMPARE(section(text, fullKey + "\\Sub"), QStringList{"\"Count\"=dword:0000002a"});

    QCOMPARE(run({"delete", key, "/f"}).exitCode, 0);
    QVERIFY(!sys::RegKey::open(sys::RegRoot::CurrentUser, path, sys::RegAccess::Read).isOpen());
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
    QTest::newRow("missing key") << QStringList{"query", machineKey() + "\\Nope"}
                                 << "unable to find the specified registry key or value";
    QTest::newRow("dword that is not a number")
            << QStringList{"add", machineKey(), "/v", "n", "/t", "REG_DWORD", "/d", "ten"}
            << "Invalid data";
    QTest::newRow("unknown type") << QStringList{"add", machineKey(), "/v", "n", "/t", "REG_FOO"}
                                  << "Invalid type";
    QTest::newRow("unknown verb") << QStringList{"frobnicate"} << "unknown verb";
    QTest::newRow("missing import file")
            << QStringList{"import", "/nonexistent/x.reg"} << "Cannot read";
    QTest::newRow("delete a missing value")
            << QStringList{"delete", "HKCU\\Software", "/v", "TamTest-nope", "/f"}
            << "unable to find";
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
    const QString key = userKey();
    const auto value = [&key] {
        std::wstring text;
        sys::RegKey::open(
                sys::RegRoot::CurrentUser, key.mid(5).toStdWString(), sys::RegAccess::Read)
                .readString(L"v", text);
        return QString::fromStdWString(text);
    };
    QCOMPARE(run({"add", key, "/v", "v", "/d", "1"}).exitCode, 0);
    QCOMPARE(run({"add", key, "/v", "v", "/d", "2"}, "no\n").exitCode, 1);
    QCOMPARE(value(), QStringLiteral("1"));
    QCOMPARE(run({"add", key, "/v", "v", "/d", "3"}, "yes\n").exitCode, 0);
    QCOMPARE(value(), QStringLiteral("3"));
}

// A malformed store names its file and line and stays as it was (on a machine of its own).
void TestDiscToolRegistry::malformedStoreIsNamedAndKept()
{
    if (!isSimulated())
        QSKIP("the real registry has no store file of ours to break");
    const QString broken = m_dir.path() + QStringLiteral("/broken");
    QVERIFY(QDir().mkpath(broken));
    QFile store(broken + QStringLiteral("/registry.reg"));
    QVERIFY(store.open(QIODevice::WriteOnly | QIODevice::Truncate));
    store.write("Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\X]\n\"a\"=oops\n");
    store.close();
    const Result result = runOn(broken, {"add", userKey(), "/v", "v", "/d", "4", "/f"});
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.err.contains("registry.reg:4:"), qPrintable(result.err));
    QVERIFY(store.open(QIODevice::ReadOnly));
    QVERIFY(store.readAll().endsWith("\"a\"=oops\n"));
}

QTEST_GUILESS_MAIN(TestDiscToolRegistry)
#include "tst_disctoolregistry.moc"
