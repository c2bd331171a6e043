// Placeholders and the language table: the substitutions must replace exactly what they name,
// in their order, without touching what an earlier step put in.

#include "catalogtestsupport.h"
#include "configurationenvironment.h"
#include "languagetable.h"
#include "pathvariables.h"
#include "scannerinfo.h"
#include "setupsettings.h"

#include <QtTest>

class TestPathVariables : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void catalogueSubstitution_data();
    void catalogueSubstitution();
    void productFileSubstitution_data();
    void productFileSubstitution();
    void executablePath_data();
    void executablePath();
    void setLanguage_data();
    void setLanguage();

private:
    LanguageFields m_german{QStringLiteral("de"),
                            QStringLiteral("de"),
                            QStringLiteral("1031"),
                            QStringLiteral("0407")};
};

void TestPathVariables::initTestCase()
{
    ConfigurationEnvironment::install();
    qputenv("TAM_UPDATE_HOST", "updates.example.test");
    qputenv("TAM_WEB_HOST", "www.example.test");
    SetupSettings::setSetupPath(QStringLiteral("D:\\Disc"));
    SetupSettings::setDownloadPath(QStringLiteral("C:\\Users\\u\\Downloads\\TamDownload"));
}

void TestPathVariables::catalogueSubstitution_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("languageCode");
    QTest::addColumn<QString>("expected");

    QTest::newRow("setup path") << "$SetupPath$\\Drivers\\setup.exe"
                                << "de"
                                << "D:\\Disc\\Drivers\\setup.exe";
    QTest::newRow("download path") << "$DownloadPath$\\x.cab"
                                   << "de"
                                   << "C:\\Users\\u\\Downloads\\TamDownload\\x.cab";
    QTest::newRow("language fields") << "$LangCode$_$CountryCode$ $LCID$ $LCIDHex$"
                                     << "de"
                                     << "de_de 1031 0407";
    QTest::newRow("other case untouched") << "$setuppath$\\x $LANGCODE$"
                                          << "de"
                                          << "$setuppath$\\x $LANGCODE$";
    QTest::newRow("program files left to path resolution") << "\"$ProgramFiles$\\T\" /q"
                                                           << "de"
                                                           << "\"$ProgramFiles$\\T\" /q";
    QTest::newRow("inserted text is not scanned again") << "$LangCode$"
                                                        << "$LCID$"
                                                        << "$LCID$";
    QTest::newRow("web host over http moves to update host")
            << "http://www.example.test/Downloads/a.exe"
            << "de"
            << "https://updates.example.test/Downloads/a.exe";
    QTest::newRow("update host over http becomes https")
            << "http://updates.example.test/x http://updates.example.test/y"
            << "de"
            << "https://updates.example.test/x https://updates.example.test/y";
    QTest::newRow("https unchanged") << "https://www.example.test/a"
                                     << "de"
                                     << "https://www.example.test/a";
    QTest::newRow("scheme case matters") << "HTTP://www.example.test/a"
                                         << "de"
                                         << "HTTP://www.example.test/a";
    QTest::newRow("other hosts unchanged") << "http://mirror.example.org/a"
                                           << "de"
                                           << "http://mirror.example.org/a";
}

void TestPathVariables::catalogueSubstitution()
{
    QFETCH(QString, text);
    QFETCH(QString, languageCode);
    QFETCH(QString, expected);
    LanguageFields language = m_german;
    language.languageCode = languageCode;
    QCOMPARE(PathVariables::substituteCatalogue(text, language), expected);
}

void TestPathVariables::productFileSubstitution_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("download path stays") << "$DownloadPath$\\readme.txt"
                                         << "$DownloadPath$\\readme.txt";
    QTest::newRow("setup path and language") << "$SetupPath$\\Readme\\$LangCode$.txt?l=$LCIDHex$"
                                             << "D:\\Disc\\Readme\\de.txt?l=0407";
    QTest::newRow("web host rewritten") << "http://www.example.test/support"
                                        << "https://updates.example.test/support";
}

void TestPathVariables::productFileSubstitution()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(PathVariables::substituteProductFile(text, m_german), expected);
}

void TestPathVariables::executablePath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    const QString programFiles = PathVariables::programFilesFolder().replace('\\', '/');
    QTest::newRow("program files")
            << "$ProgramFiles$\\Tamberlin\\tool.exe" << programFiles + "/Tamberlin/tool.exe";
    QTest::newRow("setup path") << "$SetupPath$\\Drivers\\setup.exe"
                                << "D:/Disc/Drivers/setup.exe";
    QTest::newRow("download path") << "$DownloadPath$\\a.exe"
                                   << "C:/Users/u/Downloads/TamDownload/a.exe";
    QTest::newRow("language placeholders are not known here") << "$SetupPath$\\$LangCode$\\a.exe"
                                                              << "D:/Disc/$LangCode$/a.exe";
    QTest::newRow("bare file name") << "setup.exe"
                                    << "setup.exe";
}

void TestPathVariables::executablePath()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QVERIFY(!PathVariables::programFilesFolder().isEmpty());
    QCOMPARE(PathVariables::resolveExecutablePath(path), expected);
}

void TestPathVariables::setLanguage_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("lcid");
    QTest::addColumn<QString>("lcidHex");
    QTest::addColumn<QString>("catalogueHex");

    QTest::newRow("zh_tw") << "zh_tw"
                           << "zh"
                           << "tw"
                           << "1028"
                           << "404"
                           << "0404";
    QTest::newRow("zh_cn") << "zh_cn"
                           << "zh"
                           << "cn"
                           << "2052"
                           << "804"
                           << "0804";
    QTest::newRow("zh_sg") << "zh_sg"
                           << "zh"
                           << "sg"
                           << "2052"
                           << "804"
                           << "0804";
    QTest::newRow("zh_hk") << "zh_hk"
                           << "zh"
                           << "hk"
                           << "1028"
                           << "404"
                           << "0404";
    QTest::newRow("pt_br") << "pt_br"
                           << "pt"
                           << "br"
                           << "1046"
                           << "416"
                           << "0416";
    QTest::newRow("pt_pt is Brazilian") << "pt_pt"
                                        << "pt"
                                        << "br"
                                        << "1046"
                                        << "416"
                                        << "0416";
    QTest::newRow("en_us") << "en_us"
                           << "en"
                           << "us"
                           << "1033"
                           << "409"
                           << "0409";
    QTest::newRow("de_de") << "de_de"
                           << "de"
                           << "de"
                           << "1031"
                           << "407"
                           << "0407";
    QTest::newRow("fr_fr") << "fr_fr"
                           << "fr"
                           << "fr"
                           << "1036"
                           << "40c"
                           << "040c";
    QTest::newRow("tr_tr") << "tr_tr"
                           << "tr"
                           << "tr"
                           << "1055"
                           << "41f"
                           << "041f";
    QTest::newRow("unknown nl_nl") << "nl_nl"
                                   << "nl"
                                   << "nl"
                                   << "1033"
                                   << "409"
                                   << "0409";
    // The picker hands on bare languages; their country is the one their translation is for.
    QTest::newRow("two letters") << "ko"
                                 << "ko"
                                 << "kr"
                                 << "1042"
                                 << "412"
                                 << "0412";
    QTest::newRow("English as picked") << "en"
                                       << "en"
                                       << "us"
                                       << "1033"
                                       << "409"
                                       << "0409";
    QTest::newRow("German as picked") << "de"
                                      << "de"
                                      << "de"
                                      << "1031"
                                      << "407"
                                      << "0407";
}

void TestPathVariables::setLanguage()
{
    QFETCH(QString, code);
    QFETCH(QString, language);
    QFETCH(QString, country);
    QFETCH(QString, lcid);
    QFETCH(QString, lcidHex);
    QFETCH(QString, catalogueHex);

    ScannerInfo info;
    QCOMPARE(info.lcid(), QStringLiteral("1033"));
    QCOMPARE(info.lcidHex(), QStringLiteral("0x409"));
    info.setLanguage(code);
    QCOMPARE(info.languageCode(), language);
    QCOMPARE(info.countryCode(), country);
    QCOMPARE(info.lcid(), lcid);
    QCOMPARE(info.lcidHex(), lcidHex);
    QCOMPARE(LanguageTable::paddedHex(LanguageTable::lcid(language, country)), catalogueHex);
}

QTEST_GUILESS_MAIN(TestPathVariables)
#include "tst_pathvariables.moc"
