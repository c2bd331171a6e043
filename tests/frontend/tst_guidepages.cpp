// The User Guides page and its document pages, built from the catalogue's user guides on the
// framed fixture skin (or a copy of it with one thing changed). Runs offscreen; message boxes
// and opened documents are recorded.

#include "application.h"
#include "frontend.h"
#include "frontendtestsupport.h"
#include "hostfiles.h"
#include "scannerinfo.h"
#include "userguide.h"

#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

namespace {

QString guide(const QString &type,
              const QString &name,
              const QString &fileName,
              const QString &url = QString(),
              double pointSize = 0)
{
    return QStringLiteral("<userguide Type=\"%1\" FileName=\"%3\" url=\"%4\"><displayname>"
                          "<string Language=\"*\" Value=\"%2\" FixedPointSize=\"%5\"/>"
                          "</displayname></userguide>")
            .arg(type, name, fileName, url)
            .arg(pointSize);
}

QString application(const QString &shortName, const QString &body)
{
    return QStringLiteral("<application ShortName=\"%1\">%2</application>").arg(shortName, body);
}

// A web entry whose installer the disc lacks: the merge joins the two into a combined entry.
QString webOnlyInstaller()
{
    return QStringLiteral("<installationplatform Value=\"all\"><installer DisplayName=\"Web\" "
                          "Executable=\"web.exe\"><checker Type=\"registrykey\" "
                          "QueryRoot=\"HKEY_LOCAL_MACHINE\" QueryValue=\"SOFTWARE\\Web\"/>"
                          "</installer></installationplatform>");
}

// Regular expressions and their replacements, applied to the framed fixture skin.
using SkinEdits = QList<QPair<QString, QString>>;

} // namespace

class TestGuidePages : public QObject
{
    Q_OBJECT

private slots:
    void oneScannerGuideThreeSoftwareGuides();
    void twoScannerGuidesGetRows();
    void onlySoftwareGuideTakesFirstPlace();
    void noGuidesDropsMenuEntry();
    void combinedEntryOffersChosenVariantsGuides();
    void fontsFollowFixedPointSizes_data();
    void fontsFollowFixedPointSizes();
    void labelRowsOpenOnLink();
    void emptyReadmeHidesReadmeRow();
    void reportsSkinFaults_data();
    void reportsSkinFaults();
    void demoDiscCarriesItsGuides_data();
    void demoDiscCarriesItsGuides();

private:
    FrontEnd *
    build(TestEnvironment &environment, ProductOptions options, const SkinEdits &edits = {});
    static QStringList rowNames(FrontEnd *window, const char *listWidget);
    static QUrl discFile(TestEnvironment &environment, const QString &relative)
    {
        return QUrl::fromLocalFile(environment.path(QStringLiteral("disc/") + relative));
    }
};

FrontEnd *
TestGuidePages::build(TestEnvironment &environment, ProductOptions options, const SkinEdits &edits)
{
    const QString disc = environment.path(QStringLiteral("disc"));
    if (!edits.isEmpty())
        options.skin = QStringLiteral("Edited.ui");
    prepareDisc(disc, options);
    if (!edits.isEmpty()) {
        QFile fixture(QStringLiteral(TAM_FIXTURE_SKINS "/FramedSkin.ui"));
        if (!fixture.open(QIODevice::ReadOnly))
            return nullptr;
        QString form = QString::fromUtf8(fixture.readAll());
        for (const auto &edit : edits) {
            const QRegularExpression pattern(edit.first,
                                             QRegularExpression::DotMatchesEverythingOption);
            if (!pattern.match(form).hasMatch())
                qWarning("skin edit %s does not apply", qPrintable(edit.first));
            form.replace(pattern, edit.second);
        }
        writeFile(disc + QStringLiteral("/Edited.ui"), form.toUtf8());
    }
    auto *window = new FrontEnd(0);
    window->prepareLanguages();
    return window;
}

QStringList TestGuidePages::rowNames(FrontEnd *window, const char *listWidget)
{
    // By the widget that holds the list, so a renamed layout is still found.
    QStringList names;
    QLayout *layout = window->findChild<QWidget *>(QLatin1String(listWidget))->layout();
    for (int i = 0; i < layout->count(); ++i) {
        if (QWidget *widget = layout->itemAt(i)->widget())
            names << widget->objectName();
    }
    return names;
}

void TestGuidePages::oneScannerGuideThreeSoftwareGuides()
{
    TestEnvironment environment;
    MessageRecorder recorder;
    ProductOptions options;
    options.applications
            = application("Driver",
                          guide("scanner", "Scanner guide", "$SetupPath$\\Manuals\\scanner.pdf"))
              + application("Capture",
                            guide("software", "Capture help", "", "https://help.example/capture")
                                    + guide("software", "Capture tips", "Manuals\\tips.pdf"))
              + application("Desk", guide("Software", "Desk guide", "Manuals\\desk.pdf"));
    QScopedPointer<FrontEnd> window(build(environment, options));
    QCOMPARE(recorder.significantTexts(), QStringList());

    auto *scannerDocs = window->findChild<QPushButton *>("UG_ScannerDocs");
    auto *softwareDocs = window->findChild<QPushButton *>("UG_SoftwareDocs");
    QVERIFY(!scannerDocs->isHidden());
    QVERIFY(!softwareDocs->isHidden());
    // The single scanner guide opens at once instead of leading to its page.
    window->navigate_UG();
    scannerDocs->click();
    QCOMPARE(environment.openedUrls, QList<QUrl>{discFile(environment, "Manuals/scanner.pdf")});
    QVERIFY(window->findChild<QWidget *>("SD")->isHidden());
    QVERIFY(rowNames(window.data(), "SD_List") == QStringList{"SD_Readme"});

    // The software guides are rows 1 to 3 of their page, in catalogue order.
    QCOMPARE(rowNames(window.data(), "SWD_List"),
             (QStringList{"SWD_UserGuide1", "SWD_UserGuide2", "SWD_UserGuide3"}));
    softwareDocs->click();
    QVERIFY(!window->findChild<QWidget *>("SWD")->isHidden());
    environment.openedUrls.clear();
    QStringList texts;
    for (const char *name : {"SWD_UserGuide1", "SWD_UserGuide2", "SWD_UserGuide3"}) {
        auto *row = window->findChild<QPushButton *>(name);
        QVERIFY2(row, name);
        texts << row->text();
        row->click();
    }
    QCOMPARE(texts, (QStringList{"Capture help", "Capture tips", "Desk guide"}));
    QCOMPARE(environment.openedUrls,
             (QList<QUrl>{QUrl("https://help.example/capture"),
                          discFile(environment, "Manuals/tips.pdf"),
                          discFile(environment, "Manuals/desk.pdf")}));
    // The marker of the guides page speaks the product's language (German here).
    QCOMPARE(window->findChild<QLabel *>("UG_InstallingFlag")->text(),
             QStringLiteral("Wird installiert..."));
}

void TestGuidePages::twoScannerGuidesGetRows()
{
    TestEnvironment environment;
    MessageRecorder recorder;
    ProductOptions options;
    options.readmeDisplayName = QStringLiteral("Read me first");
    options.applications
            = application("Driver",
                          guide("scanner", "Quick start", "Manuals\\start.pdf")
                                  + guide("scanner", "Full guide", "", "https://guide.example/full")
                                  + guide("video", "Not a document", "Manuals\\film.mp4"));
    QScopedPointer<FrontEnd> window(build(environment, options));
    QCOMPARE(recorder.significantTexts(), QStringList());

    // The readme row comes first, the guides follow it as copies of it.
    QCOMPARE(rowNames(window.data(), "SD_List"),
             (QStringList{"SD_Readme", "SD_UserGuide1", "SD_UserGuide2"}));
    auto *readme = window->findChild<QPushButton *>("SD_Readme");
    QCOMPARE(readme->text(), QStringLiteral("Read me first"));
    auto *first = window->findChild<QPushButton *>("SD_UserGuide1");
    auto *second = window->findChild<QPushButton *>("SD_UserGuide2");
    QCOMPARE(first->text(), QStringLiteral("Quick start"));
    QCOMPARE(second->text(), QStringLiteral("Full guide"));
    QCOMPARE(first->size(), readme->size());

    // Scanner documents lead to their page; there is nothing for the software entry.
    window->navigate_UG();
    window->findChild<QPushButton *>("UG_ScannerDocs")->click();
    QVERIFY(!window->findChild<QWidget *>("SD")->isHidden());
    QVERIFY(window->findChild<QWidget *>("UG_SoftwareDocs")->isHidden());
    readme->click();
    first->click();
    second->click();
    QCOMPARE(environment.openedUrls,
             (QList<QUrl>{discFile(environment, "readme.txt"),
                          discFile(environment, "Manuals/start.pdf"),
                          QUrl("https://guide.example/full")}));
}

void TestGuidePages::onlySoftwareGuideTakesFirstPlace()
{
    TestEnvironment environment;
    MessageRecorder recorder;
    ProductOptions options;
    options.applications
            = application("Capture", guide("software", "Capture help", "Manuals\\capture.pdf"));
    QScopedPointer<FrontEnd> window(build(environment, options));
    QCOMPARE(recorder.significantTexts(), QStringList());

    auto *scannerDocs = window->findChild<QWidget *>("UG_ScannerDocs");
    auto *softwareDocs = window->findChild<QPushButton *>("UG_SoftwareDocs");
    QVERIFY(scannerDocs->isHidden());
    QVERIFY(!softwareDocs->isHidden());
    QCOMPARE(softwareDocs->pos(), scannerDocs->pos());
    QCOMPARE(window->findChild<QWidget *>("UG_SoftwareDocs_disabled")->pos(), scannerDocs->pos());
    window->navigate_UG();
    softwareDocs->click();
    QVERIFY(window->findChild<QWidget *>("SWD")->isHidden());
    QCOMPARE(environment.openedUrls, QList<QUrl>{discFile(environment, "Manuals/capture.pdf")});
    // The template row stays as designed.
    QCOMPARE(window->findChild<QPushButton *>("SWD_UserGuide1")->text(),
             QStringLiteral("$VARIABLE$"));
}

void TestGuidePages::noGuidesDropsMenuEntry()
{
    TestEnvironment environment;
    MessageRecorder recorder;
    ProductOptions options;
    options.applications = application("Driver", QString());
    QScopedPointer<FrontEnd> window(build(environment, options));
    QCOMPARE(recorder.significantTexts(), QStringList());

    auto widget = [&](const char *name) { return window->findChild<QWidget *>(name); };
    // The skin places readme, guides, disc, web site at 127, 172, 217, 262.
    QVERIFY(widget("MM_UserGuides")->isHidden());
    QCOMPARE(widget("MM_BrowseDiscContents")->y(), 172);
    QCOMPARE(widget("MM_ViewWebsite")->y(), 217);
    QVERIFY(!widget("MM_BrowseDiscContents")->isHidden());
    QVERIFY(!widget("MM_ViewWebsite")->isHidden());
    QVERIFY(widget("UG_ScannerDocs")->isHidden());
    QVERIFY(widget("UG_SoftwareDocs")->isHidden());
    // The pages are left as designed.
    QCOMPARE(rowNames(window.data(), "SWD_List"), QStringList{"SWD_UserGuide1"});
}

void TestGuidePages::combinedEntryOffersChosenVariantsGuides()
{
    TestEnvironment environment;
    MessageRecorder recorder;
    ProductOptions options;
    options.applications
            = application("Capture", guide("software", "Disc help", "Manuals\\disc.pdf"));
    options.updateApplications = application(
            "Capture",
            webOnlyInstaller() + guide("software", "Web help", "", "https://help.example/web"));
    QScopedPointer<FrontEnd> window(build(environment, options));
    QCOMPARE(window->sourceMode(), SourceMode::Merged);
    const QList<Application *> applications = window->scannerInfo()->applications();
    QCOMPARE(applications.size(), 1);
    QVERIFY(applications.first()->isCombined());

    window->findChild<QPushButton *>("UG_SoftwareDocs")->click();
    QCOMPARE(environment.openedUrls,
             QList<QUrl>{applications.first()->useWebVersion()
                                 ? QUrl("https://help.example/web")
                                 : discFile(environment, "Manuals/disc.pdf")});
}

void TestGuidePages::fontsFollowFixedPointSizes_data()
{
    QTest::addColumn<double>("readmeSize");
    QTest::addColumn<double>("guideSize");
    QTest::newRow("sizes 0 keep the skin's font") << 0.0 << 0.0;
    QTest::newRow("guide size set") << 0.0 << 14.0;
    QTest::newRow("readme size only") << 11.0 << 0.0;
    QTest::newRow("both sizes set") << 11.0 << 7.5;
}

void TestGuidePages::fontsFollowFixedPointSizes()
{
    QFETCH(double, readmeSize);
    QFETCH(double, guideSize);
    TestEnvironment environment;
    MessageRecorder recorder;
    ProductOptions options;
    options.readmeDisplayName = QStringLiteral("Read me");
    options.readmePointSize = readmeSize;
    options.applications
            = application("Driver",
                          guide("scanner", "One", "a.pdf", QString(), guideSize)
                                  + guide("scanner", "Two", "b.pdf", QString(), guideSize)
                                  + guide("software", "Three", "c.pdf", QString(), guideSize)
                                  + guide("software", "Four", "d.pdf", QString(), guideSize));
    // The skin's style sheet would decide the entries' size; without it their fonts show.
    QScopedPointer<FrontEnd> window(build(
            environment, options, {{R"(font-family: "DejaVu Sans"; font-size: 17px; )", ""}}));
    // An entry of the same kind that nothing resizes.
    const double skinSize = window->findChild<QWidget *>("SD_UserGuidesMenu")->font().pointSizeF();
    QVERIFY(skinSize > 0);
    auto size = [&](const char *name) {
        return window->findChild<QWidget *>(name)->font().pointSizeF();
    };
    const double readme = readmeSize > 0 ? readmeSize : skinSize;
    QCOMPARE(size("SD_Readme"), readme);
    // Scanner rows are copies of the readme row: without a size of their own they keep its font.
    QCOMPARE(size("SD_UserGuide1"), guideSize > 0 ? guideSize : readme);
    QCOMPARE(size("SD_UserGuide2"), guideSize > 0 ? guideSize : readme);
    QCOMPARE(size("SWD_UserGuide1"), guideSize > 0 ? guideSize : skinSize);
    QCOMPARE(size("SWD_UserGuide2"), guideSize > 0 ? guideSize : skinSize);
}

void TestGuidePages::labelRowsOpenOnLink()
{
    TestEnvironment environment;
    MessageRecorder recorder;
    ProductOptions options;
    options.applications = application("Capture",
                                       guide("software", "First", "first.pdf")
                                               + guide("software", "Second", "second.pdf"));
    // The software rows as link labels.
    const SkinEdits edits{{R"(<widget class="QPushButton" name="SWD_UserGuide1">(.*?))"
                           R"(<string notr="true">\$VARIABLE\$</string>(.*?)<property name="flat">)"
                           R"(\s*<bool>true</bool>\s*</property>)",
                           R"(<widget class="QLabel" name="SWD_UserGuide1">\1<string notr="true">)"
                           R"(&lt;a href="guide"&gt;$VARIABLE$&lt;/a&gt;</string>\2)"}};
    QScopedPointer<FrontEnd> window(build(environment, options, edits));
    QCOMPARE(recorder.significantTexts(), QStringList());
    auto *first = window->findChild<QLabel *>("SWD_UserGuide1");
    auto *second = window->findChild<QLabel *>("SWD_UserGuide2");
    QVERIFY(first && second);
    QCOMPARE(second->text(), QStringLiteral("<a href=\"guide\">Second</a>"));
    emit first->linkActivated(QStringLiteral("guide"));
    emit second->linkActivated(QStringLiteral("guide"));
    QCOMPARE(
            environment.openedUrls,
            (QList<QUrl>{discFile(environment, "first.pdf"), discFile(environment, "second.pdf")}));
}

void TestGuidePages::emptyReadmeHidesReadmeRow()
{
    TestEnvironment environment;
    MessageRecorder recorder;
    ProductOptions options;
    options.readme.clear();
    options.applications = application(
            "Driver", guide("scanner", "One", "a.pdf") + guide("scanner", "Two", "b.pdf"));
    QScopedPointer<FrontEnd> window(build(environment, options));
    QCOMPARE(recorder.significantTexts(), QStringList());
    QVERIFY(window->findChild<QWidget *>("SD_Readme")->isHidden());
    QVERIFY(!window->findChild<QWidget *>("SD_UserGuide1")->isHidden());
}

void TestGuidePages::reportsSkinFaults_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("softwareRows"); // what was built before the stop stays
    QTest::addColumn<bool>("flagSet");
    const QStringList untouched{"SWD_UserGuide1"};
    const QStringList built{"SWD_UserGuide1", "SWD_UserGuide2"};
    QTest::newRow("scanner list layout missing")
            << "name=\"SD_Layout\""
            << "name=\"SD_Renamed\""
            << "Could not find the SD_Layout object in the skin." << untouched << false;
    QTest::newRow("readme row missing")
            << "name=\"SD_Readme\""
            << "name=\"SD_Renamed\""
            << "Could not find the SD_Readme object in the skin." << untouched << false;
    QTest::newRow("software list layout missing")
            << "name=\"SWD_Layout\""
            << "name=\"SWD_Renamed\""
            << "Could not find the SWD_Layout object in the skin." << untouched << false;
    QTest::newRow("first software row missing")
            << "name=\"SWD_UserGuide1\""
            << "name=\"SWD_Renamed\""
            << "Could not find the SWD_UserGuide1 object in the skin." << QStringList{"SWD_Renamed"}
            << false;
    QTest::newRow("installing marker neither label nor button")
            << "<widget class=\"QLabel\" name=\"UG_InstallingFlag\">"
            << "<widget class=\"QFrame\" name=\"UG_InstallingFlag\">"
            << "UG_InstallingFlag is not a label or abstract button!" << built << false;
    QTest::newRow("sound skin") << ""
                                << ""
                                << "" << built << true;
}

void TestGuidePages::reportsSkinFaults()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, message);
    QFETCH(QStringList, softwareRows);
    QFETCH(bool, flagSet);
    TestEnvironment environment;
    MessageRecorder recorder;
    ProductOptions options;
    options.applications = application(
            "Driver",
            guide("scanner", "One", "a.pdf") + guide("scanner", "Two", "b.pdf")
                    + guide("software", "Three", "c.pdf") + guide("software", "Four", "d.pdf"));
    SkinEdits edits;
    if (!from.isEmpty())
        edits << qMakePair(from, to);
    QScopedPointer<FrontEnd> window(build(environment, options, edits));

    QCOMPARE(recorder.significantTexts(), message.isEmpty() ? QStringList() : QStringList{message});
    for (const RecordedMessage &recorded : qAsConst(recorder.messages)) {
        if (recorded.text == message) {
            QCOMPARE(recorded.title, QStringLiteral("Design Time Error"));
            QCOMPARE(recorded.icon, MessageSeam::Critical);
        }
    }
    // The set-up goes on after the guide pages: the window is shown.
    QVERIFY(window->isVisible());
    QCOMPARE(rowNames(window.data(), "SWD_List"), softwareRows);
    auto *flag = window->findChild<QLabel *>("UG_InstallingFlag");
    QCOMPARE(flag && flag->text() == QStringLiteral("Wird installiert..."), flagSet);
}

void TestGuidePages::demoDiscCarriesItsGuides_data()
{
    addDemoLanguageRows();
}

void TestGuidePages::demoDiscCarriesItsGuides()
{
    QFETCH(QString, language);
    MessageRecorder recorder;
    const QString disc = SetupSettings::withBackslashes(QStringLiteral(TAM_DEMO_DISC_DIR));
    SetupSettings::setSetupPath(disc);
    ScannerInfo demo;
    demo.setLanguage(language);
    QVERIFY(demo.load(disc + QStringLiteral("\\scanner_win.xml"), true, false));
    QCOMPARE(recorder.texts(), QStringList());
    int scanner = 0;
    int software = 0;
    for (Application *application : demo.applications()) {
        for (UserGuide *guide : application->userGuides()) {
            QVERIFY(!guide->displayName().isEmpty());
            (guide->type() == UserGuide::Scanner ? scanner : software)++;
            if (guide->fileName().isEmpty())
                continue;
            const QString file = HostFiles::hostPath(guide->fileName());
            QVERIFY2(QFileInfo(file).isFile(), qPrintable(file));
        }
    }
    // Enough of each kind that the demo shows both document pages rather than a shortcut.
    QVERIFY(scanner >= 2);
    QVERIFY(software >= 2);
    QVERIFY(QFileInfo(HostFiles::hostPath(demo.readme())).isFile());
}

QTEST_MAIN(TestGuidePages)
#include "tst_guidepages.moc"
