// Checkers against a simulated machine: every kind, the spellings of kinds and modes, roots,
// and the unknown-kind box.

#include "catalogtestsupport.h"
#include "checker.h"
#include "installedsoftware.h"
#include "sysinfo.h"

#include <QtTest>

Q_DECLARE_METATYPE(Checker::Type)

namespace {

const char driverCode[] = "{11111111-2222-3333-4444-555555555555}";
const char upgradeCode[] = "{2F4E6A8C-1B3D-4F5A-8C7E-9D0B1A2C3E4F}";
const char oldCapture[] = "{A1B2C3D4-E5F6-4789-ABCD-EF0123456789}";
const char newCapture[] = "{B1B2C3D4-E5F6-4789-ABCD-EF0123456789}";

void seedMachine()
{
    ScratchMachine::addUninstallEntry(false, driverCode, "DocuStream Driver", "5.10");
    ScratchMachine::addUninstallEntry(true, oldCapture, "Capture", "1.0");
    ScratchMachine::addUninstallEntry(false, newCapture, "Capture", "3.0");
    ScratchMachine::addUninstallEntry(true, "Pro", "Scan Utility Pro", "2.5");
    ScratchMachine::addUninstallEntry(true, "Mine", "My Scan Utility", "9.0");
    for (auto view : {sys::RegAccess::Wow64_32Key, sys::RegAccess::Wow64_64Key}) {
        sys::RegKey codes = sys::RegKey::create(
                sys::RegRoot::LocalMachine,
                std::wstring(engine::InstalledSoftware::upgradeCodesKey) + L"\\"
                        + engine::InstalledSoftware::packGuid(QString(upgradeCode).toStdWString()),
                sys::RegAccess::AllAccess | view);
        const char *product = view == sys::RegAccess::Wow64_32Key ? oldCapture : newCapture;
        codes.setString(engine::InstalledSoftware::packGuid(QString(product).toStdWString()), L"");
    }
    // In the 64-bit view only: a 32-bit process finds it by the checks' second try.
    sys::RegKey settings
            = sys::RegKey::create(sys::RegRoot::LocalMachine,
                                  L"SOFTWARE\\Tamberlin\\Capture",
                                  sys::RegAccess::AllAccess | sys::RegAccess::Wow64_64Key);
    settings.setString(L"Version", L"3.2.1");
    settings.setDword(L"Build", 1500);
    // Products that registered their key in one view only.
    sys::RegKey::create(sys::RegRoot::LocalMachine,
                        L"SOFTWARE\\Tamberlin\\Only32",
                        sys::RegAccess::AllAccess | sys::RegAccess::Wow64_32Key);
    sys::RegKey::create(sys::RegRoot::LocalMachine,
                        L"SOFTWARE\\Tamberlin\\Only64",
                        sys::RegAccess::AllAccess | sys::RegAccess::Wow64_64Key);
    sys::RegKey user = sys::RegKey::create(
            sys::RegRoot::CurrentUser, L"Software\\Tamberlin\\Viewer", sys::RegAccess::AllAccess);
    user.setString(L"Version", L"1.1");
    sys::RegKey perUser = sys::RegKey::create(sys::RegRoot::CurrentUser,
                                              std::wstring(engine::InstalledSoftware::uninstallKey)
                                                      + L"\\CloudConnect",
                                              sys::RegAccess::AllAccess);
    perUser.setString(L"DisplayName", L"Cloud Connector");
    perUser.setString(L"DisplayVersion", L"4.0");
}

} // namespace

class TestChecker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void spellings_data();
    void spellings();
    void check_data();
    void check();
    void unconfiguredIsNotInstalled();
    void unknownKindIsReportedEachTime();
    void ignoredKind();

private:
    std::unique_ptr<ScratchMachine> m_machine;
};

void TestChecker::initTestCase()
{
    m_machine = std::make_unique<ScratchMachine>();
    seedMachine();
}

void TestChecker::cleanupTestCase()
{
    m_machine.reset();
}

void TestChecker::spellings_data()
{
    using Type = Checker::Type;
    QTest::addColumn<QString>("text");
    QTest::addColumn<Checker::Type>("type");
    QTest::addColumn<int>("mode");
    QTest::newRow("Installer capitalised") << "Installer" << Type::InstallerCode << 0;
    QTest::newRow("IsEqualOrNewer") << "IsEqualOrNewer" << Type::Unknown << 5;
    QTest::newRow("upgrcode") << "UPGRCODE" << Type::UpgradeCode << 0;
    QTest::newRow("uninstall_all") << "uninstall_all" << Type::UninstallAll << 0;
    QTest::newRow("registrykeyvalue") << "RegistryKeyValue" << Type::RegistryKeyValue << 0;
    QTest::newRow("isgreaterthan") << "isGreaterThan" << Type::Unknown << 4;
    QTest::newRow("isequalorlessthan") << "isequalorlessthan" << Type::Unknown << 7;
    QTest::newRow("isless") << "isless" << Type::Unknown << 6;
    QTest::newRow("exists") << "Exists" << Type::Unknown << 1;
    QTest::newRow("misspelt") << "isequalnewer" << Type::Unknown << 0;
    QTest::newRow("number is not a spelling") << "5" << Type::Unknown << 0;
    QTest::newRow("empty") << "" << Type::Unknown << 0;
}

void TestChecker::spellings()
{
    QFETCH(QString, text);
    QFETCH(Checker::Type, type);
    QFETCH(int, mode);
    QCOMPARE(Checker::typeFromString(text), type);
    QCOMPARE(Checker::matchModeFromString(text), mode);
}

void TestChecker::check_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("root");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("matchValue");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("foundVersion");
    QTest::addColumn<QString>("foundCode");

    QTest::newRow("installer exists") << "installer"
                                      << "" << driverCode << ""
                                      << "exists" << true << "5.10" << driverCode;
    QTest::newRow("installer 5.10 at least 5.2")
            << "installer"
            << "" << driverCode << "5.2"
            << "isequalornewer" << true << "5.10" << driverCode;
    QTest::newRow("installer 5.10 not newer than 5.10")
            << "installer"
            << "" << driverCode << "5.10"
            << "isnewer" << false << "5.10" << driverCode;
    QTest::newRow("misspelt mode never installed")
            << "installer"
            << "" << driverCode << "1.0"
            << "isequalnewer" << false << "5.10" << driverCode;
    QTest::newRow("installer absent") << "installer"
                                      << ""
                                      << "{00000000-0000-0000-0000-000000000000}"
                                      << ""
                                      << "exists" << false << ""
                                      << "";
    QTest::newRow("upgrade code: second product satisfies")
            << "upgrcode"
            << "" << upgradeCode << "2.0"
            << "isequalornewer" << true << "3.0" << newCapture;
    QTest::newRow("upgrade code: none satisfies, last one kept")
            << "upgrcode"
            << "" << upgradeCode << "4.0"
            << "isequalornewer" << false << "3.0" << newCapture;
    QTest::newRow("upgrade code: first satisfies") << "upgrcode"
                                                   << "" << upgradeCode << "1.0"
                                                   << "isequal" << true << "1.0" << oldCapture;
    QTest::newRow("display name prefix") << "displayname"
                                         << ""
                                         << "Scan Utility"
                                         << "2.0"
                                         << "isnewer" << true << "2.5"
                                         << "Pro";
    QTest::newRow("display name is case-sensitive") << "displayname"
                                                    << ""
                                                    << "scan utility"
                                                    << ""
                                                    << "exists" << false << ""
                                                    << "";
    QTest::newRow("user hive entry") << "uninstall_all"
                                     << ""
                                     << "CloudConnect"
                                     << "4.0"
                                     << "isequal" << true << "4.0"
                                     << "CloudConnect";
    QTest::newRow("registry key") << "registrykey"
                                  << "HKEY_LOCAL_MACHINE"
                                  << "SOFTWARE\\Tamberlin\\Capture"
                                  << "99"
                                  << "isequal" << true << ""
                                  << "";
    // The shipped 32-bit program reads the 32-bit view first, then the 64-bit one; a 64-bit
    // build of the tests never sees a key that lives in the 32-bit view only.
    QTest::newRow("registry key in the 32-bit view only") << "registrykey"
                                                          << ""
                                                          << "SOFTWARE\\Tamberlin\\Only32"
                                                          << ""
                                                          << "" << !sys::isProcess64Bit() << ""
                                                          << "";
    QTest::newRow("registry key in the 64-bit view only") << "registrykey"
                                                          << ""
                                                          << "SOFTWARE\\Tamberlin\\Only64"
                                                          << ""
                                                          << "" << true << ""
                                                          << "";
    QTest::newRow("registry key, empty root is HKLM") << "registrykey"
                                                      << ""
                                                      << "SOFTWARE\\Tamberlin\\Capture"
                                                      << ""
                                                      << "" << true << ""
                                                      << "";
    QTest::newRow("lower-case root name") << "registrykey"
                                          << "hkey_current_user"
                                          << "Software\\Tamberlin\\Viewer"
                                          << ""
                                          << "" << true << ""
                                          << "";
    QTest::newRow("abbreviated root means HKLM") << "registrykey"
                                                 << "HKCU"
                                                 << "Software\\Tamberlin\\Viewer"
                                                 << ""
                                                 << "" << false << ""
                                                 << "";
    QTest::newRow("registry value string") << "registrykeyvalue"
                                           << ""
                                           << "SOFTWARE\\Tamberlin\\Capture^Version"
                                           << "3.2"
                                           << "isequalornewer" << true << "3.2.1"
                                           << "";
    QTest::newRow("registry value number") << "registrykeyvalue"
                                           << ""
                                           << "SOFTWARE\\Tamberlin\\Capture^Build"
                                           << "1500"
                                           << "isequal" << true << "1500"
                                           << "";
    QTest::newRow("registry value missing") << "registrykeyvalue"
                                            << ""
                                            << "SOFTWARE\\Tamberlin\\Capture^Nothing"
                                            << ""
                                            << "exists" << false << ""
                                            << "";
    QTest::newRow("registry value without name") << "registrykeyvalue"
                                                 << ""
                                                 << "SOFTWARE\\Tamberlin\\Capture"
                                                 << ""
                                                 << "exists" << false << ""
                                                 << "";
    QTest::newRow("file is never installed") << "file"
                                             << ""
                                             << "C:\\x"
                                             << ""
                                             << "exists" << false << ""
                                             << "";
    QTest::newRow("settings is never installed") << "settings"
                                                 << ""
                                                 << "x"
                                                 << ""
                                                 << "exists" << false << ""
                                                 << "";
}

void TestChecker::check()
{
    QFETCH(QString, type);
    QFETCH(QString, root);
    QFETCH(QString, query);
    QFETCH(QString, matchValue);
    QFETCH(QString, mode);
    QFETCH(bool, installed);
    QFETCH(QString, foundVersion);
    QFETCH(QString, foundCode);
    MessageRecorder recorder;

    Checker checker;
    checker.setType(type);
    checker.setQueryRoot(root);
    checker.setQueryValue(query);
    checker.setMatchValue(matchValue);
    checker.setMatchMode(mode);
    QCOMPARE(checker.check(), installed);
    QCOMPARE(checker.foundVersion(), foundVersion);
    QCOMPARE(checker.foundProductCode(), foundCode);
    QVERIFY(!checker.isIgnored());
    QVERIFY(recorder.boxes().isEmpty());

    // A refresh that shares one walk answers the same.
    engine::InstalledSoftware::Snapshot snapshot;
    Checker again = checker;
    QCOMPARE(again.check(), installed);
}

void TestChecker::unconfiguredIsNotInstalled()
{
    Checker checker;
    checker.setCheckForAnotherVersion(true);
    QVERIFY(!checker.isConfigured());
    QVERIFY(!checker.check());
    checker.setMatchValue(QString());
    QVERIFY(checker.isConfigured());
}

void TestChecker::unknownKindIsReportedEachTime()
{
    MessageRecorder recorder;
    Checker checker;
    checker.setType(QStringLiteral("msi"));
    QCOMPARE(checker.type(), Checker::Type::Unknown);
    QVERIFY(!checker.check());
    QVERIFY(!checker.check());
    QCOMPARE(recorder.boxes().size(), 2);
    QCOMPARE(recorder.boxes().at(0).title, QStringLiteral("Design Time Error"));
    QCOMPARE(recorder.boxes().at(0).text,
             QStringLiteral("An installer checker specified an unknown type of checking."));
    QCOMPARE(recorder.boxes().at(0).icon, MessageSeam::Critical);
}

void TestChecker::ignoredKind()
{
    Checker checker;
    checker.setType(QStringLiteral("Ignored"));
    QVERIFY(!checker.isIgnored());
    QVERIFY(checker.check());
    QVERIFY(checker.isIgnored());
}

QTEST_GUILESS_MAIN(TestChecker)
#include "tst_checker.moc"
