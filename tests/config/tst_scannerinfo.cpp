// Loading product descriptions: attributes, filters, the three load modes with the disc/web
// merge, the language list and its error boxes, and the DVDPath.xml redirect.

#include "application.h"
#include "catalogtestsupport.h"
#include "dvdpath.h"
#include "installer.h"
#include "scannerinfo.h"
#include "scannerseriallookup.h"
#include "setupsettings.h"

#include <QtTest>

namespace {

QByteArray product(const QString &attributes, const QString &body)
{
    return QStringLiteral("<?xml version=\"1.0\"?>\n<Scanner %1>\n%2\n</Scanner>\n")
            .arg(attributes, body)
            .toUtf8();
}

// An entry with one installer whose checker decides the twin test.
QString entry(const QString &shortName,
              const QString &installerName,
              const QString &type,
              const QString &matchValue,
              const QString &matchMode,
              const QString &extraAttributes = QString())
{
    return QStringLiteral("<application ShortName=\"%1\" %6><displayname><string Language=\"en\" "
                          "Value=\"%1 app\"/></displayname>"
                          "<installationplatform Value=\"all\"><installer DisplayName=\"%2\" "
                          "Executable=\"setup.exe\"><checker Type=\"%3\" QueryValue=\"x\" "
                          "MatchValue=\"%4\" MatchMode=\"%5\"/></installer>"
                          "</installationplatform></application>")
            .arg(shortName, installerName, type, matchValue, matchMode, extraAttributes);
}

QStringList shortNames(const QList<Application *> &applications)
{
    QStringList names;
    for (const Application *application : applications)
        names << application->shortName();
    return names;
}

} // namespace

class TestScannerInfo : public QObject
{
    Q_OBJECT

private slots:
    void rootAttributes_data();
    void rootAttributes();
    void readmeAndLocalizedElements();
    void missingUpdateUrlKeepsTheUpdateServer();
    void failedLoadKeepsEarlierFields_data();
    void failedLoadKeepsEarlierFields();
    void languageFilter_data();
    void languageFilter();
    void connectionFilter_data();
    void connectionFilter();
    void merge_data();
    void merge();
    void mergeNeedsBothLists();
    void updateOnlyMarksEntriesFromWeb();
    void serialNumber();
    void loadLanguages_data();
    void loadLanguages();
    void checkFile_data();
    void checkFile();
    void dvdPath_data();
    void dvdPath();
};

void TestScannerInfo::rootAttributes_data()
{
    QTest::addColumn<QString>("brand");
    QTest::addColumn<QString>("network");
    QTest::addColumn<int>("expectedBrand");
    QTest::addColumn<bool>("expectedNetwork");
    QTest::newRow("corvex any case") << "CorVex"
                                     << "true" << 2 << true;
    QTest::newRow("tamberlin") << "TAMBERLIN"
                               << "false" << 1 << false;
    QTest::newRow("unknown brand") << "Acme"
                                   << "yes" << 0 << false;
    QTest::newRow("network True is not true") << ""
                                              << "True" << 0 << false;
}

void TestScannerInfo::rootAttributes()
{
    QFETCH(QString, brand);
    QFETCH(QString, network);
    QFETCH(int, expectedBrand);
    QFETCH(bool, expectedNetwork);
    ScratchMachine machine;
    const QString file = machine.writeFile(
            "p.xml",
            product(QStringLiteral("ShortName=\"DS\" PID=\"0a4f\" LongName=\"Long\" Skin=\"S\" "
                                   "Brand=\"%1\" NetworkScanner=\"%2\" BundleType=\"B\" "
                                   "BundleVersion=\"2\" SoftwareVersion=\"3\" "
                                   "MinSetupVersion=\"1.5\" ScannerSN=\"SN9\"")
                            .arg(brand, network),
                    QString()));
    ScannerInfo info;
    QVERIFY(info.load(file, true, false));
    QCOMPARE(int(info.brand()), expectedBrand);
    QCOMPARE(info.isNetworkScanner(), expectedNetwork);
    QCOMPARE(info.productId(), QStringLiteral("0A4F"));
    QCOMPARE(info.shortName(), QStringLiteral("DS"));
    QCOMPARE(SetupSettings::shortName(), QStringLiteral("DS"));
    QCOMPARE(info.scannerSerialNumber(), QStringLiteral("SN9"));
    QCOMPARE(SetupSettings::serialNumber(), QStringLiteral("SN9"));
    QCOMPARE(info.minSetupVersion(), QStringLiteral("1.5"));
    QCOMPARE(info.bundleType(), QStringLiteral("B"));
}

void TestScannerInfo::readmeAndLocalizedElements()
{
    ScratchMachine machine;
    const QString file = machine.writeFile(
            "p.xml",
            product("Website=\"http://www.tamberlin.com/a\"",
                    "<scannerreadme FileName=\"$SetupPath$\\readme.txt\" "
                    "url=\"https://example.test/$LangCode$/readme\">"
                    "<displayname><string Language=\"de\" Value=\"Lies mich\" "
                    "FixedPointSize=\"11.5\"/>"
                    "<string Language=\"en\" Value=\"Read me\"/></displayname></scannerreadme>"
                    "<website><string Language=\"fr\" Value=\"https://fr.example.test\"/>"
                    "</website>"
                    "<update_url><string Language=\"*\" Value=\"https://u.example.test/$LCID$\"/>"
                    "</update_url>"));
    ScannerInfo info;
    info.setLanguage(QStringLiteral("de_de"));
    QVERIFY(info.load(file, true, false));
    QCOMPARE(info.readme(), QStringLiteral("https://example.test/de/readme"));
    QCOMPARE(info.readmeDisplayName(), QStringLiteral("Lies mich"));
    QCOMPARE(info.readmePointSize(), 11.5);
    // No German web site: the attribute stays, rewritten to the update host.
    QCOMPARE(info.website(), QStringLiteral("https://%1/a").arg(SetupSettings::updateHost()));
    QCOMPARE(info.updateUrl(), QStringLiteral("https://u.example.test/1031"));
}

void TestScannerInfo::missingUpdateUrlKeepsTheUpdateServer()
{
    ScratchMachine machine;
    ScannerInfo info;
    QVERIFY(info.load(
            machine.writeFile("p.xml", product("ShortName=\"A\"", QString())), true, false));
    QCOMPARE(info.updateUrl(), ScannerInfo::defaultUpdateUrl());
    QVERIFY(info.updateUrl().startsWith(QStringLiteral("https://")));
    QCOMPARE(info.minSetupVersion(), QStringLiteral("0.0"));
}

void TestScannerInfo::failedLoadKeepsEarlierFields_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("not xml") << QByteArray("this is not a product file");
    QTest::newRow("truncated") << QByteArray("<Scanner ShortName=\"B\"><application");
    QTest::newRow("other root") << QByteArray("<Printer ShortName=\"B\"/>");
    QTest::newRow("empty") << QByteArray();
}

void TestScannerInfo::failedLoadKeepsEarlierFields()
{
    QFETCH(QByteArray, content);
    ScratchMachine machine;
    ScannerInfo info;
    QVERIFY(info.load(
            machine.writeFile("good.xml",
                              product("ShortName=\"A\"", entry("E", "I", "file", "", ""))),
            true,
            false));
    QCOMPARE(info.applications().size(), 1);
    QVERIFY(!info.load(machine.writeFile("bad.xml", content), true, false));
    QVERIFY(!info.load(machine.path("absent.xml"), true, false));
    QCOMPARE(info.shortName(), QStringLiteral("A"));
    QCOMPARE(info.applications().size(), 1);
}

void TestScannerInfo::languageFilter_data()
{
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("listed");
    QTest::newRow("no attribute") << ""
                                  << "ko_kr" << true;
    QTest::newRow("de of de,fr_ch") << "de,fr_ch"
                                    << "de_de" << true;
    QTest::newRow("fr_ch of de,fr_ch") << "de,fr_ch"
                                       << "fr_ch" << true;
    QTest::newRow("fr_fr not in de,fr_ch") << "de,fr_ch"
                                           << "fr_fr" << false;
    QTest::newRow("upper case attribute") << "DE"
                                          << "de_at" << true;
    QTest::newRow("pt matches Brazil") << "pt"
                                       << "pt_br" << true;
    QTest::newRow("zh_tw only") << "zh_tw"
                                << "zh_cn" << false;
    QTest::newRow("space is not trimmed") << "en, de"
                                          << "de_de" << false;
}

void TestScannerInfo::languageFilter()
{
    QFETCH(QString, attribute);
    QFETCH(QString, code);
    QFETCH(bool, listed);
    ScratchMachine machine;
    const QString extra
            = attribute.isEmpty() ? QString() : QStringLiteral("Language=\"%1\"").arg(attribute);
    ScannerInfo info;
    info.setLanguage(code);
    QVERIFY(info.load(
            machine.writeFile("p.xml", product("", entry("E", "I", "file", "", "", extra))),
            true,
            false));
    QCOMPARE(info.applications().size(), listed ? 1 : 0);
}

void TestScannerInfo::connectionFilter_data()
{
    QTest::addColumn<bool>("network");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("USB scanner") << false << QStringList{"Plain", "UsbOnly"};
    QTest::newRow("network scanner") << true << QStringList{"Plain", "NetOnly"};
}

void TestScannerInfo::connectionFilter()
{
    QFETCH(bool, network);
    QFETCH(QStringList, listed);
    ScratchMachine machine;
    const QString body = entry("Plain", "I", "file", "", "")
                         + entry("UsbOnly", "I", "file", "", "", "USBOnly=\"true\"")
                         + entry("NetOnly", "I", "file", "", "", "NetOnly=\"TRUE\"");
    ScannerInfo info;
    QVERIFY(info.load(
            machine.writeFile("p.xml", product(network ? "NetworkScanner=\"true\"" : "", body)),
            true,
            false));
    QCOMPARE(shortNames(info.applications()), listed);
}

void TestScannerInfo::merge_data()
{
    QTest::addColumn<QString>("discEntry");
    QTest::addColumn<QString>("webEntry");
    QTest::addColumn<bool>("combined");

    QTest::newRow("same version") << entry("A", "Driver", "installer", "2.0", "isequalornewer")
                                  << entry("A", "Driver", "installer", "2.0", "IsEqualOrNewer")
                                  << false;
    QTest::newRow("web newer") << entry("A", "Driver", "installer", "2.0", "isequalornewer")
                               << entry("A", "Driver", "installer", "2.1", "isequalornewer")
                               << true;
    QTest::newRow("disc newer") << entry("A", "Driver", "installer", "2.2", "isequalornewer")
                                << entry("A", "Driver", "installer", "2.1", "isequalornewer")
                                << false;
    QTest::newRow("registry keys always twin")
            << entry("A", "Driver", "registrykey", "1", "exists")
            << entry("A", "Driver", "registrykey", "9", "isequal") << false;
    QTest::newRow("no match values") << entry("A", "Driver", "installer", "", "exists")
                                     << entry("A", "Driver", "installer", "", "exists") << true;
    QTest::newRow("modes differ") << entry("A", "Driver", "installer", "2.0", "isequal")
                                  << entry("A", "Driver", "installer", "2.0", "isequalornewer")
                                  << true;
    QTest::newRow("installer names differ")
            << entry("A", "Driver", "installer", "2.0", "isequal")
            << entry("A", "Driver 64", "installer", "2.0", "isequal") << true;
    QTest::newRow("kinds differ") << entry("A", "Driver", "installer", "2.0", "isequal")
                                  << entry("A", "Driver", "upgrcode", "2.0", "isequal") << true;
}

void TestScannerInfo::merge()
{
    QFETCH(QString, discEntry);
    QFETCH(QString, webEntry);
    QFETCH(bool, combined);
    ScratchMachine machine;
    const QString disc = machine.writeFile(
            "disc.xml", product("", entry("DiscOnly", "X", "file", "", "") + discEntry));
    const QString web = machine.writeFile(
            "web.xml", product("", webEntry + entry("WebOnly", "Y", "file", "", "")));
    ScannerInfo info;
    QVERIFY(info.load(disc, true, true));
    QVERIFY(info.load(web, false, true));
    QVERIFY(info.applications().isEmpty());
    info.merge();

    QCOMPARE(shortNames(info.applications()), (QStringList{"DiscOnly", "A", "WebOnly"}));
    Application *merged = info.applications().at(1);
    QCOMPARE(merged->isCombined(), combined);
    QCOMPARE(info.combinedApplications().size(), combined ? 1 : 0);
    if (combined) {
        QCOMPARE(merged->discEntry(), info.discApplications().at(1));
        QCOMPARE(merged->webEntry(), info.webApplications().at(0));
        QVERIFY(!merged->isFromWeb());
        // The DVD variant until the user picks the web.
        QCOMPARE(merged->installers(), merged->discEntry()->installers());
        merged->setUseWebVersion(true);
        QCOMPARE(merged->installers(), merged->webEntry()->installers());
    } else {
        QCOMPARE(merged, info.discApplications().at(1));
        QCOMPARE(info.webApplications().at(0)->twinWebInstallers().size(), 1);
    }
    QVERIFY(info.applications().at(2)->isFromWeb());
}

void TestScannerInfo::mergeNeedsBothLists()
{
    ScratchMachine machine;
    ScannerInfo info;
    QVERIFY(info.load(machine.writeFile("disc.xml", product("", entry("A", "I", "file", "", ""))),
                      true,
                      true));
    QVERIFY(info.load(machine.writeFile("web.xml", product("", QString())), false, true));
    info.merge();
    QVERIFY(info.applications().isEmpty());
}

void TestScannerInfo::updateOnlyMarksEntriesFromWeb()
{
    ScratchMachine machine;
    ScannerInfo info;
    QVERIFY(info.load(machine.writeFile("update.xml", product("", entry("A", "I", "file", "", ""))),
                      false,
                      false));
    QCOMPARE(info.applications().size(), 1);
    QVERIFY(info.applications().first()->isFromWeb());
}

void TestScannerInfo::serialNumber()
{
    ScratchMachine machine;
    SetupSettings::setSerialNumber(QString());
    QList<quint16> asked;
    ScannerSerialLookup::setFinder([&asked](quint16 productId) {
        asked << productId;
        return QStringLiteral("USB-SN-7");
    });
    ScannerInfo info;
    const QString file = machine.writeFile("p.xml", product("PID=\"0a41\"", QString()));
    QVERIFY(info.load(file, true, false));
    QVERIFY2(asked.isEmpty(), "the disc's own file does not look for a scanner");
    QVERIFY(info.load(file, false, false));
    QCOMPARE(asked, QList<quint16>{0x0A41});
    QCOMPARE(SetupSettings::serialNumber(), QStringLiteral("USB-SN-7"));
    QVERIFY(info.load(file, false, false));
    // A known serial number is not looked up again.
    QCOMPARE(asked.size(), 1);
    ScannerSerialLookup::setFinder(nullptr);
    SetupSettings::setSerialNumber(QString());
    QVERIFY(info.load(file, false, false));
    QVERIFY2(SetupSettings::serialNumber().isEmpty(), "no detection yet: no scanner");
}

void TestScannerInfo::loadLanguages_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("absent file") << QByteArray() << QStringList{"en_US"}
                                 << QStringList{"Unable to load l.xml from directory %dir%."};
    QTest::newRow("parse error") << QByteArray("<Scanner><supportedlanguages>")
                                 << QStringList{"en_US"}
                                 << QStringList{"Parse error in l.xml at line 1, column 30 ("};
    QTest::newRow("other root") << QByteArray("<Printer/>") << QStringList{"en_US"}
                                << QStringList{"Parse error in l.xml"};
    QTest::newRow("codes lower-cased, duplicates dropped")
            << QByteArray("<Scanner><SupportedLanguages><language IsoCode=\"de\"/>"
                          "<language IsoCode=\"pt_BR\"/><language IsoCode=\"de\"/>"
                          "<Language IsoCode=\"fr\"/></SupportedLanguages></Scanner>")
            << QStringList{"de", "pt_br"} << QStringList{};
    QTest::newRow("unknown codes only") << QByteArray("<Scanner><supportedlanguages>"
                                                      "<language IsoCode=\"xx\"/>"
                                                      "<language IsoCode=\"\"/>"
                                                      "</supportedlanguages></Scanner>")
                                        << QStringList{"en_US"}
                                        << QStringList{"Unknown language \"xx\" specified in l.xml",
                                                       "Unknown language \"\" specified in l.xml"};
    QTest::newRow("no list") << QByteArray("<Scanner/>") << QStringList{"en_US"} << QStringList{};
}

void TestScannerInfo::loadLanguages()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, languages);
    QFETCH(QStringList, messages);
    ScratchMachine machine;
    MessageRecorder recorder;
    const QString file
            = content.isEmpty() ? machine.path("l.xml") : machine.writeFile("l.xml", content);
    ScannerInfo info;
    info.loadLanguages(file);
    QCOMPARE(info.supportedLanguages(), languages);
    QCOMPARE(recorder.boxes().size(), messages.size());
    for (int i = 0; i < messages.size(); ++i) {
        const QString expected
                = QString(messages.at(i)).replace("%dir%", QFileInfo(file).absolutePath());
        QVERIFY2(recorder.boxes().at(i).text.startsWith(expected),
                 qPrintable(recorder.boxes().at(i).text));
        QCOMPARE(recorder.boxes().at(i).title, QStringLiteral("Design Time Error"));
        QCOMPARE(recorder.boxes().at(i).icon, MessageSeam::Critical);
    }
}

void TestScannerInfo::checkFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("scanner root any case") << QByteArray("<SCANNER/>") << true;
    QTest::newRow("other root") << QByteArray("<html/>") << false;
    QTest::newRow("garbage") << QByteArray("\x01\x02\x03") << false;
    QTest::newRow("absent") << QByteArray() << false;
}

void TestScannerInfo::checkFile()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, accepted);
    ScratchMachine machine;
    const QString file
            = content.isEmpty() ? machine.path("u.xml") : machine.writeFile("u.xml", content);
    QCOMPARE(ScannerInfo().checkFile(file), accepted);
}

void TestScannerInfo::dvdPath_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("withProductFile");
    QTest::addColumn<bool>("redirected");
    QTest::newRow("points at a disc")
            << QByteArray("<DVDPath dvd_path=\"%disc%\"/>") << true << true;
    QTest::newRow("folder without product file")
            << QByteArray("<dvdpath dvd_path=\"%disc%\"/>") << false << false;
    QTest::newRow("empty attribute") << QByteArray("<dvdpath dvd_path=\"\"/>") << true << false;
    QTest::newRow("other root") << QByteArray("<disc dvd_path=\"%disc%\"/>") << true << false;
    QTest::newRow("no file") << QByteArray() << true << false;
}

void TestScannerInfo::dvdPath()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, withProductFile);
    QFETCH(bool, redirected);
    ScratchMachine machine;
    const QString disc = SetupSettings::withBackslashes(machine.path("realdisc"));
    QDir().mkpath(machine.path("realdisc"));
    if (withProductFile)
        machine.writeFile("realdisc/scanner_win.xml", "<Scanner/>");
    if (!content.isEmpty())
        machine.writeFile("program/DVDPath.xml",
                          QByteArray(content).replace("%disc%", disc.toUtf8()));
    QDir().mkpath(machine.path("program"));
    QString path = QStringLiteral("unchanged");
    QCOMPARE(readDvdPath(path, machine.path("program")), redirected);
    QCOMPARE(path, redirected ? disc : QStringLiteral("unchanged"));
}

QTEST_GUILESS_MAIN(TestScannerInfo)
#include "tst_scannerinfo.moc"
