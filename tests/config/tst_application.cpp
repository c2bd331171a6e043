// Reading catalogue entries: installers and their order, platform groups, localized texts,
// user guides, download targets, the missing-executable box, the forced-uninstall probe, and
// the installed state with its pending lists.

#include "application.h"
#include "catalogtestsupport.h"
#include "executable.h"
#include "installedsoftware.h"
#include "installer.h"
#include "localizedtext.h"
#include "platforminfo.h"
#include "sysinfo.h"
#include "userguide.h"

#include <QDomDocument>
#include <QtTest>

namespace {

QDomElement parse(QDomDocument &document, const QString &xml)
{
    document.setContent(xml);
    return document.documentElement();
}

QStringList installerNames(const QList<Installer *> &installers)
{
    QStringList names;
    for (const Installer *installer : installers)
        names << installer->displayName();
    return names;
}

// An application element with one "all" group holding installers.
QString application(const QString &installers, const QString &attributes = QString())
{
    return QStringLiteral("<Application ShortName=\"App\" %2><displayname><string Language=\"en\" "
                          "Value=\"The App\"/></displayname><installationplatform Value=\"all\">%1"
                          "</installationplatform></Application>")
            .arg(installers, attributes);
}

const char upgradeCode[] = "{2F4E6A8C-1B3D-4F5A-8C7E-9D0B1A2C3E4F}";
const char oldProduct[] = "{A1B2C3D4-E5F6-4789-ABCD-EF0123456789}";

void registerOldProduct()
{
    ScratchMachine::addUninstallEntry(true, oldProduct, "Capture", "1.0");
    sys::RegKey key = sys::RegKey::create(
            sys::RegRoot::LocalMachine,
            std::wstring(engine::InstalledSoftware::upgradeCodesKey) + L"\\"
                    + engine::InstalledSoftware::packGuid(QString(upgradeCode).toStdWString()),
            sys::RegAccess::AllAccess | sys::RegAccess::Wow64_32Key);
    key.setString(engine::InstalledSoftware::packGuid(QString(oldProduct).toStdWString()), L"");
}

} // namespace

class TestApplication : public QObject
{
    Q_OBJECT

private slots:
    void entryAttributes();
    void installerOrder_data();
    void installerOrder();
    void platformGroups_data();
    void platformGroups();
    void localizedText_data();
    void localizedText();
    void installerAttributes();
    void downloadTarget_data();
    void downloadTarget();
    void missingExecutable_data();
    void missingExecutable();
    void forcedUninstall_data();
    void forcedUninstall();
    void userGuides();
    void installedStateAndDownloadSize();
    void combinedEntry();
};

void TestApplication::entryAttributes()
{
    ScratchMachine machine;
    QDomDocument document;
    const QDomElement element = parse(
            document,
            "<APPLICATION ShortName=\"Cap\" IsSelectedByDefault=\"TRUE\" IsReadOnly=\"yes\" "
            "IsOnDisc2=\"false\" IsDependentOn=\";Driver;;Runtime;\" Corvex=\"True\" "
            "Tamberlin=\"1\" USBOnly=\"true\" NetOnly=\"\"><Description><string Language=\"fr\" "
            "Value=\"Capture\\nrapide\"/></Description><tooltip><string Language=\"en\" "
            "Value=\"tip\"/></tooltip></APPLICATION>");
    QScopedPointer<Application> app(Application::fromCatalogue(element, "fr", "ca", true, nullptr));
    QCOMPARE(app->shortName(), QStringLiteral("Cap"));
    QVERIFY(app->isSelectedByDefault());
    QVERIFY(!app->isReadOnly());
    QVERIFY(!app->isOnDisc2());
    QCOMPARE(app->dependsOn(), (QStringList{"Driver", "Runtime"}));
    QVERIFY(app->needsBrandLicence());
    QVERIFY(!app->needsMakerLicence());
    QVERIFY(app->isUsbOnly());
    QVERIFY(!app->isNetOnly());
    QVERIFY(app->isFromWeb());
    QCOMPARE(app->description(), QStringLiteral("Capture\nrapide"));
    QCOMPARE(app->tooltip(), QStringLiteral("tip"));
    QCOMPARE(app->lcid(), QStringLiteral("1036"));
    QCOMPARE(app->lcidHex(), QStringLiteral("040c"));

    QScopedPointer<Application> other(Application::fromCatalogue(
            parse(document, "<app ShortName=\"X\"/>"), "en", "us", false, nullptr));
    QVERIFY(other->shortName().isEmpty());
}

void TestApplication::installerOrder_data()
{
    QTest::addColumn<QStringList>("orders");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("2 then 1 ends 2, 1") << QStringList{"2", "1"} << QStringList{"2", "1"};
    QTest::newRow("1 then 2") << QStringList{"1", "2"} << QStringList{"1", "2"};
    QTest::newRow("no Order keeps document order")
            << QStringList{"", "", ""} << QStringList{"", "", ""};
    QTest::newRow("inserted at its index") << QStringList{"", "", "1"} << QStringList{"", "1", ""};
    QTest::newRow("beyond the end appends")
            << QStringList{"7", "", "5"} << QStringList{"7", "", "5"};
    QTest::newRow("negative and huge append")
            << QStringList{"", "-3", "99999999999"} << QStringList{"", "-3", "99999999999"};
}

void TestApplication::installerOrder()
{
    QFETCH(QStringList, orders);
    QFETCH(QStringList, expected);
    ScratchMachine machine;
    QString installers;
    for (int i = 0; i < orders.size(); ++i)
        installers
                += QStringLiteral("<installer %1 DisplayName=\"%2\" Executable=\"a.exe\"/>")
                           .arg(orders[i].isEmpty() ? QString()
                                                    : QStringLiteral("Order=\"%1\"").arg(orders[i]),
                                orders[i] + "#" + QString::number(i));
    QDomDocument document;
    QScopedPointer<Application> app(Application::fromCatalogue(
            parse(document, application(installers)), "en", "us", false, nullptr));
    QStringList got;
    for (const QString &name : installerNames(app->installers()))
        got << name.section('#', 0, 0);
    QCOMPARE(got, expected);
}

void TestApplication::platformGroups_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<int>("osVersion");
    QTest::addColumn<bool>("thirtyTwoBit");
    QTest::addColumn<bool>("applies");

    const int win7 = 0x0601, vista = 0x0600, win10 = 0x0A00, win81 = 0x0603;
    QTest::newRow("win64 on 64-bit") << "Value=\"win64\"" << win10 << false << true;
    QTest::newRow("win64 on 32-bit") << "Value=\"win64\"" << win10 << true << false;
    QTest::newRow("win32 on 32-bit") << "Value=\"win32\"" << win10 << true << true;
    QTest::newRow("win32 on 64-bit") << "Value=\"win32\"" << win10 << false << false;
    QTest::newRow("star") << "Value=\"*\"" << win10 << false << true;
    QTest::newRow("tags are case-sensitive") << "Value=\"Windows\"" << win10 << false << false;
    QTest::newRow("other platform") << "Value=\"mac\"" << win10 << false << false;
    QTest::newRow("6.1 or later on Windows 7")
            << "Value=\"windows\" RunIfDestOsVersion=\"isequalorgreater\" Version=\"6.1\"" << win7
            << false << true;
    QTest::newRow("6.1 or later on Vista")
            << "Value=\"windows\" RunIfDestOsVersion=\"isequalorgreater\" Version=\"6.1\"" << vista
            << false << false;
    QTest::newRow("10 means 10.0") << "Value=\"all\" RunIfDestOsVersion=\"isequal\" Version=\"10\""
                                   << win10 << false << true;
    QTest::newRow("build number ignored")
            << "Value=\"all\" RunIfDestOsVersion=\"IsExact\" Version=\"6.3.9600\"" << win81 << false
            << true;
    QTest::newRow("older than") << "Value=\"all\" RunIfDestOsVersion=\"isless\" Version=\"6.2\""
                                << win7 << false << true;
    QTest::newRow("newer than on equal")
            << "Value=\"all\" RunIfDestOsVersion=\"isnewer\" Version=\"6.1\"" << win7 << false
            << false;
    QTest::newRow("misspelt mode applies")
            << "Value=\"all\" RunIfDestOsVersion=\"atleast\" Version=\"99\"" << win7 << false
            << true;
    QTest::newRow("any version") << "Value=\"all\" RunIfDestOsVersion=\"isequal\" Version=\"*\""
                                 << win7 << false << true;
}

void TestApplication::platformGroups()
{
    QFETCH(QString, group);
    QFETCH(int, osVersion);
    QFETCH(bool, thirtyTwoBit);
    QFETCH(bool, applies);
    ScratchMachine machine;
    if (!ScratchMachine::isSimulated() && thirtyTwoBit == sys::is64BitWindows())
        QSKIP("a real Windows is of the kind it is and no program can make it pose as the other "
              "(the Wine prefixes are 64-bit; the simulated machine covers this row on Linux)");
    ScratchMachine::setWindowsVersion(osVersion >> 8, osVersion & 0xFF);
    if (thirtyTwoBit)
        ScratchMachine::setThirtyTwoBit();
    QCOMPARE(PlatformInfo::is64BitWindows(nullptr), !thirtyTwoBit);
    QDomDocument document;
    const QString xml = QStringLiteral("<application><installationplatform %1>"
                                       "<installer Executable=\"a.exe\"/></installationplatform>"
                                       "</application>")
                                .arg(group);
    QScopedPointer<Application> app(
            Application::fromCatalogue(parse(document, xml), "en", "us", false, nullptr));
    QCOMPARE(app->osVersion(), quint16(osVersion));
    QCOMPARE(app->installers().size(), applies ? 1 : 0);
}

void TestApplication::localizedText_data()
{
    QTest::addColumn<QString>("strings");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("pointSize");

    QTest::newRow("pt_br only for Brazil") << "<string Language=\"pt_br\" Value=\"BR\"/>"
                                           << "pt"
                                           << "pt"
                                           << "" << 0.0;
    QTest::newRow("pt_br for Brazil") << "<string Language=\"PT_BR\" Value=\"BR\"/>"
                                      << "pt"
                                      << "br"
                                      << "BR" << 0.0;
    QTest::newRow("pt for every country") << "<string Language=\"pt\" Value=\"P\"/>"
                                          << "pt"
                                          << "xx"
                                          << "P" << 0.0;
    // A description that falls back to English breaks its lines as the German one would.
    QTest::newRow("last English fallback breaks lines too")
            << "<string Language=\"en\" Value=\"E1\"/><string Language=\"en\" Value=\"E2\\n\"/>"
               "<string Language=\"fr\" Value=\"F\"/>"
            << "de"
            << "de"
            << "E2\n"
            << 0.0;
    QTest::newRow("match turns backslash-n into line breaks")
            << "<string Language=\"de\" Value=\"a\\nb\\\\n\"/>"
            << "de"
            << "de"
            << "a\nb\\\n"
            << 0.0;
    QTest::newRow("star matches at once") << "<string Language=\"*\" Value=\"S\"/>"
                                             "<string Language=\"de\" Value=\"D\"/>"
                                          << "de"
                                          << "at"
                                          << "S" << 0.0;
    QTest::newRow("point size") << "<String Language=\"de\" Value=\"D\" FixedPointSize=\"9.5\"/>"
                                << "de"
                                << "de"
                                << "D" << 9.5;
    QTest::newRow("negative point size") << "<string Language=\"de\" Value=\"D\" "
                                            "FixedPointSize=\"-4\"/>"
                                         << "de"
                                         << "de"
                                         << "D" << 0.0;
    QTest::newRow("non-string children ignored") << "<text Language=\"de\" Value=\"T\"/>"
                                                 << "de"
                                                 << "de"
                                                 << "" << 0.0;
}

void TestApplication::localizedText()
{
    QFETCH(QString, strings);
    QFETCH(QString, language);
    QFETCH(QString, country);
    QFETCH(QString, text);
    QFETCH(double, pointSize);
    QDomDocument document;
    const LocalizedText result
            = LocalizedText::read(parse(document, "<t>" + strings + "</t>"), language, country);
    QCOMPARE(result.text(), text);
    QCOMPARE(result.pointSize(), pointSize);
}

void TestApplication::installerAttributes()
{
    ScratchMachine machine;
    machine.writeFile("disc/Drivers/setup.exe", "x");
    QDomDocument document;
    const QString installer
            = "<installer Order=\"1\" NeedsWaitScreen=\"true\" WaitScreenImage=\"w.png\" "
              "DisplayName=\"Driver\" AvoidReinstallation=\"true\" ForceReboot=\"TRUE\" "
              "PreserveArgQuotes=\"true\" Primary=\"true\" PrerequisiteOf=\"A,,B\" "
              "Executable=\"$SetupPath$\\Drivers\\setup.exe\" CommandLine=\"/S &quot;/D=a b&quot; "
              "/l=$LCIDHex$\" SetCwd=\"true\" Debug=\"true\" wait_after_install=\"10\" "
              "PostProcess=\"https://example.test/thanks\"><checker Type=\"Installer\" "
              "QueryRoot=\"HKEY_CURRENT_USER\" QueryValue=\"{X}\" MatchValue=\"1.0\" "
              "MatchMode=\"IsEqualOrNewer\" CheckForAnotherVersion=\"TRUE\"/><displayname>"
              "<string Language=\"de\" Value=\"Treiber\"/></displayname></installer>"
              "<installer WaitScreenImage=\"ignored.png\" Executable=\"b.exe\"/>";
    QScopedPointer<Application> app(Application::fromCatalogue(
            parse(document, application(installer)), "de", "de", false, nullptr));
    QCOMPARE(app->installers().size(), 2);
    const Installer *first = app->installers().at(0);
    QVERIFY(first->needsWaitScreen());
    QCOMPARE(first->waitScreenImage(), QStringLiteral("w.png"));
    QCOMPARE(first->displayName(), QStringLiteral("Treiber"));
    QVERIFY(first->avoidReinstallation());
    QVERIFY(first->forceReboot());
    QVERIFY(first->primary());
    QCOMPARE(first->prerequisiteOf(), (QStringList{"A", "", "B"}));
    const Executable *main = first->mainInstallStep();
    QCOMPARE(main->fileName(), QStringLiteral("/setup.exe"));
    QCOMPARE(main->directoryPath(), machine.discPath() + "/Drivers");
    QCOMPARE(main->arguments(), (QStringList{"/S", "\"/D=a b\"", "/l=0407"}));
    QVERIFY(main->setCwd());
    QVERIFY(main->debug());
    QCOMPARE(main->waitAfterInstall(), 10);
    QCOMPARE(main->postProcess(), QStringLiteral("https://example.test/thanks"));
    const Checker &checker = first->checker();
    QCOMPARE(checker.type(), Checker::Type::InstallerCode);
    QCOMPARE(checker.matchMode(), 5);
    QCOMPARE(checker.queryRoot(), QStringLiteral("HKEY_CURRENT_USER"));
    QVERIFY(!checker.checkForAnotherVersion());
    QVERIFY(checker.isConfigured());

    const Installer *second = app->installers().at(1);
    QVERIFY(!second->needsWaitScreen());
    QVERIFY(second->waitScreenImage().isEmpty());
    QVERIFY(second->mainInstallStep()->isJustFileName());
    QVERIFY(!second->checker().isConfigured());
}

void TestApplication::downloadTarget_data()
{
    QTest::addColumn<QString>("attributes");
    QTest::addColumn<QString>("downloadPath");
    QTest::addColumn<QString>("compression");
    QTest::addColumn<bool>("unpacks");
    QTest::newRow("disc installer") << ""
                                    << ""
                                    << "" << false;
    QTest::newRow("url without target") << "url=\"http://www.tamberlin.com/a.exe\""
                                        << "$DownloadPath$\\a.exe"
                                        << "" << false;
    QTest::newRow("url with target")
            << "url=\"https://x.test/a\" TargetPath=\"$DownloadPath$\\pkg\\a.cab\""
            << "$DownloadPath$\\pkg\\a.cab"
            << "" << false;
    QTest::newRow("cabinet") << "url=\"https://x.test/a\" TargetPath=\"$DownloadPath$\\a.cab\" "
                                "compression=\"cab\""
                             << "$DownloadPath$\\a.cab"
                             << "cab" << true;
    QTest::newRow("compression needs a target") << "url=\"https://x.test/a\" compression=\"cab\""
                                                << "$DownloadPath$\\a.exe"
                                                << "" << false;
}

void TestApplication::downloadTarget()
{
    QFETCH(QString, attributes);
    QFETCH(QString, downloadPath);
    QFETCH(QString, compression);
    QFETCH(bool, unpacks);
    ScratchMachine machine;
    MessageRecorder recorder;
    QDomDocument document;
    const QString xml
            = application(QStringLiteral("<installer %1 Executable=\"$DownloadPath$\\a.exe\" "
                                         "size=\"1234\"/>")
                                  .arg(attributes));
    QScopedPointer<Application> app(
            Application::fromCatalogue(parse(document, xml), "en", "us", false, nullptr));
    const Installer *installer = app->installers().at(0);
    const QString expected
            = QString(downloadPath).replace("$DownloadPath$", SetupSettings::downloadPath());
    QCOMPARE(installer->downloadPath(), expected);
    QCOMPARE(installer->compression(), compression);
    QCOMPARE(installer->mainInstallStep()->srcPath(), unpacks ? expected : QString());
    QCOMPARE(installer->mainInstallStep()->srcCompression(), compression);
    if (attributes.contains("tamberlin.com"))
        QCOMPARE(installer->url(), "https://" + SetupSettings::updateHost() + "/a.exe");
    QCOMPARE(recorder.boxes().size(), attributes.isEmpty() ? 1 : 0);
}

void TestApplication::missingExecutable_data()
{
    QTest::addColumn<QString>("installer");
    QTest::addColumn<QString>("applicationAttributes");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing on the disc") << "Executable=\"$SetupPath$\\Drivers\\none.exe\""
                                         << ""
                                         << "Unable to find executable %disc%/Drivers/none.exe.";
    QTest::newRow("missing folder") << "Executable=\"$SetupPath$\\Nowhere\\setup.exe\""
                                    << ""
                                    << "Unable to find executable %disc%/Nowhere/setup.exe.";
    QTest::newRow("present") << "Executable=\"$SetupPath$\\Drivers\\setup.exe\""
                             << ""
                             << "";
    QTest::newRow("folder of that name") << "Executable=\"$SetupPath$\\Drivers\""
                                         << ""
                                         << "Unable to find executable %disc%/Drivers.";
    QTest::newRow("downloaded later") << "Executable=\"$SetupPath$\\none.exe\" url=\"https://x\""
                                      << ""
                                      << "";
    QTest::newRow("bare file name") << "Executable=\"setup.exe\""
                                    << ""
                                    << "";
    QTest::newRow("second disc reads checks only") << "Executable=\"$SetupPath$\\none.exe\""
                                                   << "IsOnDisc2=\"true\""
                                                   << "";
}

void TestApplication::missingExecutable()
{
    QFETCH(QString, installer);
    QFETCH(QString, applicationAttributes);
    QFETCH(QString, message);
    ScratchMachine machine;
    machine.writeFile("disc/Drivers/setup.exe", "x");
    MessageRecorder recorder;
    QDomDocument document;
    const QString xml = application("<installer DisplayName=\"I\" " + installer
                                            + "><checker Type=\"file\"/></installer>",
                                    applicationAttributes);
    QScopedPointer<Application> app(
            Application::fromCatalogue(parse(document, xml), "en", "us", false, nullptr));
    QCOMPARE(app->installers().size(), 1);
    QVERIFY(app->installers().at(0)->checker().isConfigured());
    if (message.isEmpty()) {
        QVERIFY2(recorder.boxes().isEmpty(), qPrintable(recorder.texts().join('|')));
    } else {
        QCOMPARE(recorder.boxes().size(), 1);
        QCOMPARE(recorder.boxes().at(0).title, QStringLiteral("Design Time Error"));
        QCOMPARE(recorder.boxes().at(0).icon, MessageSeam::Critical);
        QCOMPARE(recorder.boxes().at(0).text,
                 QDir::toNativeSeparators(QString(message).replace("%disc%", machine.discPath())));
    }
    if (!applicationAttributes.isEmpty()) {
        QVERIFY(app->installers().at(0)->displayName().isEmpty());
        QVERIFY(app->installers().at(0)->mainInstallStep()->fileName().isEmpty());
    }
}

void TestApplication::forcedUninstall_data()
{
    QTest::addColumn<bool>("forceUninstall");
    QTest::addColumn<QString>("matchValue");
    QTest::addColumn<QString>("anotherCode");
    QTest::newRow("older version found") << true << "2.0" << oldProduct;
    QTest::newRow("not asked for") << false << "2.0"
                                   << "";
    QTest::newRow("installed version suffices") << true << "1.0"
                                                << "";
}

void TestApplication::forcedUninstall()
{
    QFETCH(bool, forceUninstall);
    QFETCH(QString, matchValue);
    QFETCH(QString, anotherCode);
    ScratchMachine machine;
    registerOldProduct();
    QDomDocument document;
    const QString xml
            = application(QStringLiteral("<installer ForceUninstall=\"%1\" "
                                         "Executable=\"a.exe\"><checker Type=\"upgrcode\" "
                                         "QueryValue=\"%2\" MatchValue=\"%3\" "
                                         "MatchMode=\"isequalornewer\"/></installer>")
                                  .arg(forceUninstall ? "true" : "false", upgradeCode, matchValue));
    QScopedPointer<Application> app(
            Application::fromCatalogue(parse(document, xml), "en", "us", false, nullptr));
    QCOMPARE(app->installers().at(0)->mainInstallStep()->anotherInstalledProductCode(),
             anotherCode);
}

void TestApplication::userGuides()
{
    ScratchMachine machine;
    QDomDocument document;
    const QString xml
            = "<application><userguide Type=\"Scanner\" Order=\"2\" "
              "FileName=\"$SetupPath$\\Manuals\\guide_$LangCode$.pdf\" "
              "url=\"http://www.tamberlin.com/m/$LCID$\"><displayname><string Language=\"en\" "
              "Value=\"Guide\" FixedPointSize=\"8\"/></displayname><filename><string "
              "Language=\"fr\" Value=\"$SetupPath$\\fr.pdf\"/></filename></userguide>"
              "<userguide Type=\"video\"><url><string Language=\"*\" Value=\"https://v.test/"
              "$CountryCode$\"/></url><filename><string Language=\"de\" "
              "Value=\"$SetupPath$\\neu\\network.pdf\"/></filename></userguide></application>";
    QScopedPointer<Application> app(
            Application::fromCatalogue(parse(document, xml), "de", "at", false, nullptr));
    QCOMPARE(app->userGuides().size(), 2);
    const UserGuide *first = app->userGuides().at(0);
    QCOMPARE(first->type(), 1);
    QCOMPARE(first->order(), 2);
    QCOMPARE(first->displayName(), QStringLiteral("Guide"));
    QCOMPARE(first->pointSize(), 8.0);
    QCOMPARE(first->fileName(), SetupSettings::setupPath() + "\\Manuals\\guide_de.pdf");
    QCOMPARE(first->url(), "https://" + SetupSettings::updateHost() + "/m/1031");
    const UserGuide *second = app->userGuides().at(1);
    QCOMPARE(second->type(), 0);
    QCOMPARE(second->url(), QStringLiteral("https://v.test/at"));
    // A backslash before an "n" in a path separates folders; it is no line break.
    QCOMPARE(second->fileName(), SetupSettings::setupPath() + "\\neu\\network.pdf");
}

void TestApplication::installedStateAndDownloadSize()
{
    ScratchMachine machine;
    ScratchMachine::addUninstallEntry(
            false, "{11111111-2222-3333-4444-555555555555}", "Driver", "3.0");
    QDomDocument document;
    const QString xml = application(
            "<installer DisplayName=\"present\" Executable=\"a.exe\"><checker Type=\"installer\" "
            "QueryValue=\"{11111111-2222-3333-4444-555555555555}\" MatchMode=\"exists\"/>"
            "</installer>"
            "<installer DisplayName=\"local\" Executable=\"b.exe\"><checker Type=\"file\"/>"
            "</installer>"
            "<installer DisplayName=\"web\" url=\"https://x.test/c\" size=\"100\" "
            "Executable=\"$DownloadPath$\\c.exe\"/>"
            "<installer DisplayName=\"empty web\" url=\"https://x.test/d\" "
            "Executable=\"$DownloadPath$\\d.exe\"/>");
    QScopedPointer<Application> app(
            Application::fromCatalogue(parse(document, xml), "en", "us", false, nullptr));
    // Nothing is known before the first refresh; afterwards the questions answer from it.
    QVERIFY(!app->isInstalled());
    app->refreshInstalledState();
    QVERIFY(!app->isInstalled());
    QCOMPARE(installerNames(app->pendingLocalInstallers()), QStringList{"local"});
    QCOMPARE(installerNames(app->pendingWebInstallers()), (QStringList{"web", "empty web"}));
    QVERIFY(app->needsWeb());
    QVERIFY(!app->isDiscVersionInstalled());

    // The payloads are looked at each time: one of another size is fetched again, an empty
    // file satisfies a size of 0.
    QCOMPARE(app->remainingDownload().bytes, qint64(100));
    QVERIFY(app->remainingDownload().needed);
    machine.writeFile("downloads/c.exe", QByteArray(99, 'x'));
    machine.writeFile("downloads/d.exe", QByteArray());
    QCOMPARE(app->remainingDownload().bytes, qint64(100));
    machine.writeFile("downloads/c.exe", QByteArray(100, 'x'));
    QVERIFY(!app->remainingDownload().needed);
    QCOMPARE(app->remainingDownload().bytes, qint64(0));
}

void TestApplication::combinedEntry()
{
    ScratchMachine machine;
    ScratchMachine::addUninstallEntry(
            true, "{11111111-2222-3333-4444-555555555555}", "Tool", "1.0");
    QDomDocument document;
    // Each variant asks for one of the two licences.
    auto entry = [&](const QString &version, bool web) {
        const QString xml = application(
                QStringLiteral("<installer DisplayName=\"Tool\" Executable=\"a.exe\" %1>"
                               "<checker Type=\"installer\" "
                               "QueryValue=\"{11111111-2222-3333-4444-555555555555}\" "
                               "MatchValue=\"%2\" MatchMode=\"isequalornewer\"/></installer>")
                        .arg(web ? "url=\"https://x.test/t\" size=\"5\"" : "", version),
                QStringLiteral("IsSelectedByDefault=\"true\" IsReadOnly=\"true\" USBOnly=\"true\" ")
                        + (web ? "Corvex=\"true\"" : "Tamberlin=\"true\""));
        return Application::fromCatalogue(parse(document, xml), "de", "de", web, nullptr);
    };
    std::unique_ptr<Application> disc(entry("1.0", false));
    std::unique_ptr<Application> web(entry("2.0", true));
    QScopedPointer<Application> combined(Application::combining(web.get(), disc.get()));
    QVERIFY(combined->isCombined());
    QCOMPARE(combined->shortName(), QStringLiteral("App"));
    QVERIFY(combined->isSelectedByDefault());
    QVERIFY(!combined->isReadOnly());
    QVERIFY(combined->isUsbOnly());
    QCOMPARE(combined->lcid(), QStringLiteral("1031"));
    QVERIFY(combined->needsBrandLicence());
    QVERIFY(combined->needsMakerLicence());

    combined->refreshInstalledState();
    QVERIFY2(!combined->isInstalled(), "the web version is newer than the installed one");
    QVERIFY(combined->isDiscVersionInstalled());
    QVERIFY(!combined->isWebVersionInstalled());
    QCOMPARE(combined->remainingWebDownload().bytes, qint64(5));
    // Installing from the disc downloads nothing; from the web, the web entry's payload.
    QVERIFY(!combined->remainingDownload().needed);
    QVERIFY(!combined->needsWeb());
    combined->setUseWebVersion(true);
    QVERIFY(combined->remainingDownload().needed);
    QCOMPARE(combined->remainingDownload().bytes, qint64(5));
    QVERIFY(combined->needsWeb());
}

QTEST_GUILESS_MAIN(TestApplication)
#include "tst_application.moc"
