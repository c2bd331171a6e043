// The run list setup hands to setup_runner: every attribute survives the round trip, values
// with markup characters are escaped, numbering follows the catalogue, and the reader survives
// any input.

#include "application.h"
#include "catalogtestsupport.h"
#include "checker.h"
#include "executable.h"
#include "installer.h"
#include "runlistxml.h"
#include "setupsettings.h"

#include <QDomDocument>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>

namespace {

Application *readApplication(const QString &text, QObject *parent)
{
    QDomDocument document;
    if (!RunListXml::parse(text, document))
        return nullptr;
    return Application::fromRunList(document.documentElement(), parent);
}

QString runList(const QString &installers, const QString &extra = QString())
{
    return QStringLiteral("<Application Order=\"1\" ShortName=\"drv\" DisplayName=\"Driver\" "
                          "IsOnDisc2=\"false\"%1>%2</Application>")
            .arg(extra, installers);
}

QString installerElement(int order, const QString &checkerType, const QString &queryValue)
{
    return QStringLiteral(
                   "<Installer _nOrder=\"%1\" NeedsWaitScreen=\"false\" WaitScreenImg=\"\" "
                   "AvoidReinstallation=\"false\" ForceReboot=\"false\"><PreInstallSteps>"
                   "</PreInstallSteps><MainInstallStep><Executable FileName=\"/setup%1.exe\" "
                   "Path=\"C:/disc\" SetCwd=\"false\" IsJustFileName=\"false\" "
                   "Debug=\"false\" SrcPath=\"\" SrcCompression=\"\" wait_after_install=\"0\" "
                   "ForceUninstall=\"false\" AnotherInstalledProductCode=\"\" "
                   "PostProcess=\"\"></Executable></MainInstallStep><PostInstallSteps>"
                   "</PostInstallSteps><Checker Type=\"%2\" QueryRoot=\"\" QueryValue=\"%3\" "
                   "MatchValue=\"\" MatchMode=\"1\"></Checker></Installer>")
            .arg(order)
            .arg(checkerType, queryValue);
}

} // namespace

class TestRunList : public QObject
{
    Q_OBJECT

private slots:
    void executableRoundTrip_data();
    void executableRoundTrip();
    void installerRoundTrip_data();
    void installerRoundTrip();
    void carriesThePayloadCheck_data();
    void carriesThePayloadCheck();
    void argumentForms_data();
    void argumentForms();
    void applicationNumbering_data();
    void applicationNumbering();
    void checkerNumbers();
    void checksEachInstallerOnce();
    void readerDefaults();
    void fuzzReader_data();
    void fuzzReader();
    void mutatedRunLists();
};

void TestRunList::executableRoundTrip_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << QStringLiteral("C:/Program Files/Tam");
    QTest::newRow("double quote") << QStringLiteral("say \"hi\"");
    QTest::newRow("single quote") << QStringLiteral("it's");
    QTest::newRow("markup") << QStringLiteral("<a & b>");
    QTest::newRow("entity text") << QStringLiteral("&amp; stays &amp;");
    QTest::newRow("white space") << QStringLiteral("tab\there\nline\rend");
    QTest::newRow("non-Latin") << QStringLiteral("Scanner \u30c9\u30e9\u30a4\u30d0");
    QTest::newRow("empty") << QString();
    QTest::newRow("characters XML cannot carry")
            << QStringLiteral("nul") + QChar(0) + QStringLiteral(" bell") + QChar(7) + QChar(0xFFFE)
                       + QChar(0xFFFF) + QStringLiteral(" lone") + QChar(0xD800)
                       + QStringLiteral(" end") + QChar(0xDC00)
                       + QStringLiteral(" pair \U0001F600");
}

// Every attribute the executable carries comes back the same, whatever characters it holds.
void TestRunList::executableRoundTrip()
{
    QFETCH(QString, value);
    Executable written;
    written.setExecutable(QStringLiteral("C:\\disc\\Drivers\\setup.exe"), false);
    written.setSetCwd(true);
    written.setDebug(true);
    written.setSrcPath(value);
    written.setSrcCompression(QStringLiteral("cab"));
    written.setWaitAfterInstall(10);
    written.setForceUninstall(true);
    written.setAnotherInstalledProductCode(value);
    written.setPostProcess(value);
    written.setArguments({value, QStringLiteral("/S"), value + QStringLiteral("\"'")});

    const QString text = RunListXml::writeExecutable(written, -1);
    QVERIFY(!text.contains(QLatin1Char('\n')));
    QDomDocument document;
    QVERIFY2(RunListXml::parse(text, document), qPrintable(text));
    Executable read;
    RunListXml::readExecutableInto(document.documentElement(), read);
    QCOMPARE(read.fileName(), QStringLiteral("/setup.exe"));
    QCOMPARE(read.program(), written.program());
    QCOMPARE(read.isJustFileName(), false);
    QCOMPARE(read.setCwd(), true);
    QCOMPARE(read.debug(), true);
    QCOMPARE(read.srcPath(), value);
    QCOMPARE(read.srcCompression(), QStringLiteral("cab"));
    QCOMPARE(read.waitAfterInstall(), 10);
    QCOMPARE(read.forceUninstall(), true);
    QCOMPARE(read.anotherInstalledProductCode(), value);
    QCOMPARE(read.postProcess(), value);
    QCOMPARE(read.arguments(), written.arguments());
    QCOMPARE(read.commandLine(), written.commandLine());
}

void TestRunList::installerRoundTrip_data()
{
    QTest::addColumn<bool>("waitScreen");
    QTest::addColumn<bool>("avoid");
    QTest::addColumn<bool>("reboot");
    QTest::addColumn<QString>("displayName");
    QTest::newRow("all set") << true << true << true << QStringLiteral("Driver <x64> & \"more\"");
    QTest::newRow("all clear, no name") << false << false << false << QString();
}

void TestRunList::installerRoundTrip()
{
    QFETCH(bool, waitScreen);
    QFETCH(bool, avoid);
    QFETCH(bool, reboot);
    QFETCH(QString, displayName);
    Installer written;
    written.setNeedsWaitScreen(waitScreen);
    written.setWaitScreenImage(QStringLiteral("wait.png"));
    written.setAvoidReinstallation(avoid);
    written.setForceReboot(reboot);
    written.setDisplayName(displayName);
    written.mainInstallStep()->setExecutable(QStringLiteral("setup.exe"), false);
    for (int i = 0; i < 2; ++i) {
        auto *pre = new Executable;
        pre->setExecutable(QStringLiteral("C:\\pre\\pre%1.exe").arg(i), false);
        written.addPreInstallStep(pre);
    }
    auto *post = new Executable;
    post->setExecutable(QStringLiteral("post.exe"), false);
    written.addPostInstallStep(post);
    Checker checker;
    checker.setType(Checker::Type::UpgradeCode);
    checker.setQueryRoot(QStringLiteral("HKLM"));
    checker.setQueryValue(QStringLiteral("{0000}"));
    checker.setMatchValue(QStringLiteral("1.2"));
    checker.setMatchMode(3);
    written.setChecker(checker);

    const QString text = RunListXml::writeInstaller(written, 4);
    QVERIFY(text.startsWith(QStringLiteral("<Installer _nOrder=\"4\" NeedsWaitScreen=")));
    QCOMPARE(text.contains(QStringLiteral(" DisplayName=")), !displayName.isEmpty());
    QDomDocument document;
    QVERIFY2(RunListXml::parse(text, document), qPrintable(text));
    QScopedPointer<Installer> read(RunListXml::readInstaller(document.documentElement(), nullptr));
    QCOMPARE(read->needsWaitScreen(), waitScreen);
    // The image travels only with the wait screen.
    QCOMPARE(read->waitScreenImage(), waitScreen ? QStringLiteral("wait.png") : QString());
    QCOMPARE(read->avoidReinstallation(), avoid);
    QCOMPARE(read->forceReboot(), reboot);
    QCOMPARE(read->displayName(), displayName);
    QCOMPARE(read->preInstallSteps().size(), 2);
    QCOMPARE(read->preInstallSteps().at(1)->program(), QStringLiteral("C:/pre/pre1.exe"));
    QCOMPARE(read->mainInstallStep()->isJustFileName(), true);
    QCOMPARE(read->mainInstallStep()->program(), QStringLiteral("setup.exe"));
    QCOMPARE(read->postInstallSteps().size(), 1);
    QCOMPARE(read->checker().type(), Checker::Type::UpgradeCode);
    QCOMPARE(read->checker().queryRoot(), QStringLiteral("HKLM"));
    QCOMPARE(read->checker().queryValue(), QStringLiteral("{0000}"));
    QCOMPARE(read->checker().matchValue(), QStringLiteral("1.2"));
    QCOMPARE(read->checker().matchMode(), 3);
    QVERIFY(read->checker().isConfigured());
}

void TestRunList::carriesThePayloadCheck_data()
{
    const QString hash = QStringLiteral("0123456789abcdef").repeated(4);
    QTest::addColumn<QString>("attributes"); // of the catalogue's installer
    QTest::addColumn<QString>("design");     // the Design Time Error shown, if any
    QTest::addColumn<QString>("sha256");     // what the helper reads
    QTest::addColumn<bool>("download");      // the helper learns where the download lies
    QTest::newRow("hash in capitals")
            << QStringLiteral("url=\"http://h/a.exe\" size=\"7\" sha256=\"%1\"").arg(hash.toUpper())
            << QString() << hash << true;
    QTest::newRow("web installer without hash")
            << QStringLiteral("url=\"http://h/a.exe\" size=\"7\"") << QString() << QString()
            << true;
    QTest::newRow("installer on the disc, as today")
            << QString() << QString() << QString() << false;
    QTest::newRow("63 digits")
            << QStringLiteral("url=\"http://h/a.exe\" sha256=\"%1\"").arg(hash.left(63))
            << QStringLiteral("The sha256 attribute of the installer http://h/a.exe is not 64 "
                              "hexadecimal digits: \"%1\".")
                       .arg(hash.left(63))
            << QString() << true;
    QTest::newRow("not hexadecimal")
            << QStringLiteral("url=\"http://h/a.exe\" sha256=\"%1\"").arg(QString(64, 'g'))
            << QStringLiteral("The sha256 attribute of the installer http://h/a.exe is not 64 "
                              "hexadecimal digits: \"%1\".")
                       .arg(QString(64, 'g'))
            << QString() << true;
}

// From the catalogue through the run list to the helper: a hash is checked once, when the
// catalogue is read, and then travels with the installer; a malformed one is reported like
// any catalogue fault and the installer reads as one without hash.
void TestRunList::carriesThePayloadCheck()
{
    QFETCH(QString, attributes);
    QFETCH(QString, design);
    QFETCH(QString, sha256);
    QFETCH(bool, download);
    ScratchMachine machine;
    MessageRecorder recorder;
    QDomDocument catalogue;
    QVERIFY(catalogue.setContent(
            QStringLiteral("<application ShortName=\"a\"><installationplatform Value=\"all\">"
                           "<installer Executable=\"$SetupPath$\\a.exe\" %1><checker "
                           "Type=\"installer\" QueryValue=\"{none}\" MatchMode=\"exists\"/>"
                           "</installer></installationplatform></application>")
                    .arg(attributes)));
    machine.writeFile(QStringLiteral("disc/a.exe"), "x");
    QScopedPointer<Application> application(Application::fromCatalogue(
            catalogue.documentElement(), QStringLiteral("en"), QString(), false, nullptr));
    QCOMPARE(recorder.texts(), design.isEmpty() ? QStringList() : QStringList{design});

    const QString text = application->toRunList(1);
    QCOMPARE(text.contains(QStringLiteral("sha256=")), !sha256.isEmpty());
    QScopedPointer<Application> read(readApplication(text, nullptr));
    QCOMPARE(read->installers().size(), 1);
    const Installer *installer = read->installers().first();
    QCOMPARE(installer->sha256(), sha256);
    QVERIFY(!installer->hashRejected());
    QCOMPARE(installer->downloadPath(),
             download ? SetupSettings::setupPath() + QStringLiteral("\\a.exe") : QString());
    QCOMPARE(installer->size(), attributes.contains(QStringLiteral("size")) ? 7 : 0);

    // The helper's reader refuses what is not a hash, so that nothing of it runs.
    QString tampered = text;
    if (sha256.isEmpty())
        tampered.replace(QStringLiteral("<Installer "),
                         QStringLiteral("<Installer sha256=\"zz\" "));
    else
        tampered.replace(sha256, sha256 + QLatin1Char('0'));
    QScopedPointer<Application> refused(readApplication(tampered, nullptr));
    QVERIFY(refused->installers().first()->hashRejected());
}

void TestRunList::argumentForms_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("written");
    QTest::newRow("plain") << QStringLiteral("/S") << QStringLiteral("Value=\"/S\"");
    QTest::newRow("double quote uses single quotes")
            << QStringLiteral("/D=\"C:\\A B\"") << QStringLiteral("Value='/D=\"C:\\A B\"'");
    QTest::newRow("both quotes") << QStringLiteral("\"it's\"")
                                 << QStringLiteral("Value='\"it&apos;s\"'");
    QTest::newRow("ampersand") << QStringLiteral("a&b") << QStringLiteral("Value=\"a&amp;b\"");
}

void TestRunList::argumentForms()
{
    QFETCH(QString, argument);
    QFETCH(QString, written);
    Executable executable;
    executable.setExecutable(QStringLiteral("setup.exe"), false);
    executable.setArguments({argument});
    const QString text = RunListXml::writeExecutable(executable, -1);
    QVERIFY2(text.contains(QStringLiteral("<Argument Order=\"1\" ") + written
                           + QStringLiteral(" />")),
             qPrintable(text));
    QDomDocument document;
    QVERIFY(RunListXml::parse(text, document));
    Executable read;
    RunListXml::readExecutableInto(document.documentElement(), read);
    QCOMPARE(read.arguments(), QStringList{argument});
}

void TestRunList::applicationNumbering_data()
{
    QTest::addColumn<QList<bool>>("installed");
    QTest::addColumn<QList<int>>("written");
    QTest::newRow("first installed leaves a gap")
            << QList<bool>{true, false, false} << QList<int>{2, 3};
    QTest::newRow("middle installed") << QList<bool>{false, true, false} << QList<int>{1, 3};
    QTest::newRow("all installed writes all")
            << QList<bool>{true, true, true} << QList<int>{1, 2, 3};
    QTest::newRow("none installed") << QList<bool>{false, false, false} << QList<int>{1, 2, 3};
}

void TestRunList::applicationNumbering()
{
    QFETCH(QList<bool>, installed);
    QFETCH(QList<int>, written);
    ScratchMachine machine;
    QString installers;
    for (int i = 0; i < installed.size(); ++i) {
        const QString code = QStringLiteral("{00000000-0000-0000-0000-00000000000%1}").arg(i);
        if (installed.at(i))
            ScratchMachine::addUninstallEntry(false, code, QStringLiteral("Part %1").arg(i), "1.0");
        installers += installerElement(i + 1, QStringLiteral("1"), code);
    }
    QObject owner;
    Application *application = readApplication(runList(installers), &owner);
    QVERIFY(application);
    QCOMPARE(application->installers().size(), installed.size());

    const QString text = application->toRunList(2);
    QVERIFY(text.startsWith(QStringLiteral("<Application Order=\"2\" ShortName=\"drv\" "
                                           "DisplayName=\"Driver\" IsOnDisc2=\"false\">")));
    QDomDocument document;
    QVERIFY(RunListXml::parse(text, document));
    QList<int> orders;
    for (QDomElement e = document.documentElement().firstChildElement(QStringLiteral("Installer"));
         !e.isNull();
         e = e.nextSiblingElement(QStringLiteral("Installer")))
        orders << e.attribute(QStringLiteral("_nOrder")).toInt();
    QCOMPARE(orders, written);
    QVERIFY(application->toRunList(-1).startsWith(QStringLiteral("<Application ShortName=")));
}

// Kinds and modes travel as numbers; an ignored checker counts as installed and ignored.
void TestRunList::checkerNumbers()
{
    ScratchMachine machine;
    QObject owner;
    Application *application
            = readApplication(runList(installerElement(1, QStringLiteral("5"), QString())), &owner);
    QVERIFY(application);
    Checker &checker = application->installers().at(0)->checker();
    QCOMPARE(checker.type(), Checker::Type::Ignored);
    QVERIFY(checker.check());
    QVERIFY(checker.isIgnored());
    QVERIFY(application->toRunList(1).contains(QStringLiteral("<Checker Type=\"5\"")));
}

// A checker of a kind nobody knows reports that once per installer, not again for the writing.
void TestRunList::checksEachInstallerOnce()
{
    ScratchMachine machine;
    MessageRecorder recorder;
    QObject owner;
    Application *application
            = readApplication(runList(installerElement(1, QStringLiteral("99"), QString())
                                      + installerElement(2, QStringLiteral("99"), QString())),
                              &owner);
    QVERIFY(application);
    const QString text = application->toRunList(1);
    QCOMPARE(text.count(QStringLiteral("<Installer ")), 2);
    const QString unknown
            = QStringLiteral("An installer checker specified an unknown type of checking.");
    QCOMPARE(recorder.texts(), (QStringList{unknown, unknown}));
}

void TestRunList::readerDefaults()
{
    QObject owner;
    Application *application = readApplication(
            QStringLiteral(
                    "<Application><Installer><MainInstallStep><Executable/></MainInstallStep>"
                    "</Installer></Application>"),
            &owner);
    QVERIFY(application);
    QCOMPARE(application->displayName(), QString());
    QCOMPARE(application->isOnDisc2(), false);
    QCOMPARE(application->installers().size(), 1);
    Installer *installer = application->installers().at(0);
    QCOMPARE(installer->needsWaitScreen(), false);
    QCOMPARE(installer->mainInstallStep()->waitAfterInstall(), 0);
    QCOMPARE(installer->mainInstallStep()->arguments(), QStringList());
    QCOMPARE(installer->checker().type(), Checker::Type::Unknown);
    // Run-list booleans are compared exactly.
    application = readApplication(QStringLiteral("<Application IsOnDisc2=\"TRUE\"/>"), &owner);
    QCOMPARE(application->isOnDisc2(), false);
}

void TestRunList::fuzzReader_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("unclosed") << QStringLiteral("<RunnerInfo><Application") << false;
    QTest::newRow("unescaped quote")
            << QStringLiteral("<RunnerInfo><Application DisplayName=\"a\"b\"/></RunnerInfo>")
            << false;
    // Deep enough to exhaust a 1 MB stack while the DOM is built or freed: refused before the
    // DOM sees it, whether the elements are closed or not.
    const QString open = QStringLiteral("<Installer>").repeated(20000);
    const QString close = QStringLiteral("</Installer>").repeated(20000);
    QTest::newRow("deeply nested, unclosed") << QStringLiteral("<Application>") + open << false;
    QTest::newRow("deeply nested, well formed")
            << QStringLiteral("<Application>") + open + close + QStringLiteral("</Application>")
            << false;
    QTest::newRow("nested just past the limit")
            << QStringLiteral("<Application>") + QStringLiteral("<Installer>").repeated(256)
                       + QStringLiteral("</Installer>").repeated(256)
                       + QStringLiteral("</Application>")
            << false;
    QTest::newRow("nested to the limit")
            << QStringLiteral("<Application>") + QStringLiteral("<Installer>").repeated(255)
                       + QStringLiteral("</Installer>").repeated(255)
                       + QStringLiteral("</Application>")
            << true;
    QTest::newRow("entity expansion")
            << QStringLiteral("<!DOCTYPE a [<!ENTITY x \"xxxxxxxxxx\"><!ENTITY y \"&x;&x;&x;\">]>"
                              "<Application DisplayName=\"&y;\"/>")
            << false;
    QString wide = QStringLiteral("<Application>");
    for (int i = 0; i < 20000; ++i)
        wide += QStringLiteral("<Installer><Checker Type=\"9999999999999\"/></Installer>");
    QTest::newRow("many installers") << wide + QStringLiteral("</Application>") << true;
    QTest::newRow("huge attribute") << QStringLiteral("<Application DisplayName=\"%1\"/>")
                                               .arg(QString(2000000, QLatin1Char('x')))
                                    << true;
    QTest::newRow("wait overflow")
            << runList(QStringLiteral("<Installer><MainInstallStep><Executable wait_after_install="
                                      "\"-99999999999\"/></MainInstallStep></Installer>"))
            << true;
}

void TestRunList::fuzzReader()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QElapsedTimer timer;
    timer.start();
    QObject owner;
    QDomDocument document;
    QString error;
    QCOMPARE(RunListXml::parse(text, document, &error), accepted);
    QCOMPARE(error.isEmpty(), accepted);
    if (accepted) {
        auto *application = Application::fromRunList(document.documentElement(), &owner);
        for (Installer *installer : application->installers())
            QVERIFY(installer->mainInstallStep()->waitAfterInstall() >= 0);
    }
    QVERIFY(timer.elapsed() < 30000);
}

// Random mutations of a valid run list never crash the reader or the writer after it.
void TestRunList::mutatedRunLists()
{
    const QString valid = runList(installerElement(1, QStringLiteral("1"), QStringLiteral("{X}"))
                                  + installerElement(2, QStringLiteral("5"), QString()));
    QRandomGenerator random(20261207);
    MessageRecorder recorder;
    static const QString alphabet = QStringLiteral("<>/\"'=& \tAaIE!-?[]");
    ScratchMachine machine;
    int parsed = 0;
    for (int round = 0; round < 3000; ++round) {
        QString text = valid;
        const int edits = 1 + int(random.bounded(6));
        for (int e = 0; e < edits; ++e) {
            const int at = int(random.bounded(text.size()));
            switch (random.bounded(3)) {
            case 0:
                text.remove(at, 1 + int(random.bounded(8)));
                break;
            case 1:
                text.insert(at, alphabet.at(int(random.bounded(alphabet.size()))));
                break;
            default:
                text.insert(at,
                            text.mid(int(random.bounded(text.size())), int(random.bounded(40))));
            }
        }
        QObject owner;
        QDomDocument document;
        if (!RunListXml::parse(text, document))
            continue;
        ++parsed;
        auto *application = Application::fromRunList(document.documentElement(), &owner);
        const QString again = application->toRunList(1);
        QDomDocument reparsed;
        QVERIFY2(RunListXml::parse(again, reparsed), qPrintable(again));
    }
    QVERIFY(parsed > 0);
}

QTEST_GUILESS_MAIN(TestRunList)
#include "tst_runlist.moc"
