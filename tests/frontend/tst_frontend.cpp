// The main window: languages, the skin's set-up and binding, pages, closing, and the
// single-instance guard. Runs offscreen; every message box is answered by a recorder.

#include "frontend.h"
#include "frontendtestsupport.h"
#include "registry.h"
#include "scannerinfo.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QSharedMemory>
#include <QTimer>
#include <QtTest>

class TestFrontEnd : public QObject
{
    Q_OBJECT

private slots:
    void normalizesSystemLocale_data();
    void normalizesSystemLocale();
    void takesLanguageCodeFromFileName_data();
    void takesLanguageCodeFromFileName();

    void oneLanguageBuildsMainMenuTranslated_data();
    void oneLanguageBuildsMainMenuTranslated();
    void pickerOffersCommonLanguages_data();
    void pickerOffersCommonLanguages();

    void reportsSkinFaults_data();
    void reportsSkinFaults();
    void brokenSkinAfterPickingEndsProgram();
    void compactsMenu_data();
    void compactsMenu();
    void framedSkinKeepsSystemFrame();

    void switchesPages_data();
    void switchesPages();
    void thankYouRestartsCountdown();
    void closeAsksWhileInstalling_data();
    void closeAsksWhileInstalling();
    void menuEntriesOpenWhatTheyName();
    void namesTrademarks_data();
    void namesTrademarks();
    void showsScannerNameAsText_data();
    void showsScannerNameAsText();
    void placesWaitImage();
    void dragsFramelessWindow();

    void secondCopyEndsSilently();
    void copyStartedByAnotherProgramLeavesItAlone();
    void copyStartedByOlderFrontEndTakesOver();

private:
    FrontEnd *buildMainMenu(TestEnvironment &environment,
                            MessageRecorder &recorder,
                            const ProductOptions &options,
                            bool updateOnly = false);
};

FrontEnd *TestFrontEnd::buildMainMenu(TestEnvironment &environment,
                                      MessageRecorder &recorder,
                                      const ProductOptions &options,
                                      bool updateOnly)
{
    Q_UNUSED(recorder)
    prepareDisc(environment.path(QStringLiteral("disc")), options, updateOnly);
    auto *window = new FrontEnd(0);
    window->prepareLanguages();
    return window;
}

void TestFrontEnd::normalizesSystemLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("code");
    QTest::newRow("German") << "de_DE"
                            << "de_de";
    QTest::newRow("Portuguese of Portugal reads as Brazilian") << "pt_PT"
                                                               << "pt_br";
    QTest::newRow("British English reads as US English") << "en_GB"
                                                         << "en_us";
    QTest::newRow("Hong Kong Chinese is traditional") << "zh_HK"
                                                      << "zh_tw";
    QTest::newRow("Singapore Chinese is simplified") << "zh_SG"
                                                     << "zh_cn";
    QTest::newRow("mainland Chinese is simplified") << "zh_CN"
                                                    << "zh_cn";
    QTest::newRow("Belgian Dutch doubles the language") << "nl_BE"
                                                        << "nl_nl";
    QTest::newRow("Canadian French doubles the language") << "fr_CA"
                                                          << "fr_fr";
}

void TestFrontEnd::normalizesSystemLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, code);
    QCOMPARE(FrontEnd::normalizeLanguageCode(locale), code);
}

void TestFrontEnd::takesLanguageCodeFromFileName_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("code");
    QTest::newRow("language only") << "frontend_de.qm"
                                   << "de";
    QTest::newRow("language and country") << "frontend_pt_br.qm"
                                          << "pt_br";
    QTest::newRow("traditional Chinese") << "frontend_zh_tw.qm"
                                         << "zh_tw";
    QTest::newRow("no code") << "frontend.qm"
                             << "";
}

void TestFrontEnd::takesLanguageCodeFromFileName()
{
    QFETCH(QString, file);
    QFETCH(QString, code);
    QCOMPARE(FrontEnd::languageCodeOfFile(file), code);
}

void TestFrontEnd::oneLanguageBuildsMainMenuTranslated_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("qtCancel");
    QTest::addColumn<QString>("disc");
    QTest::addColumn<QString>("pleaseWait");
    QTest::newRow("German") << "de"
                            << "Abbrechen"
                            << "DVD"
                            << "Bitte warten...";
    QTest::newRow("Simplified Chinese") << "zh_cn"
                                        << "取消"
                                        << "光盘"
                                        << "请稍候...";
    QTest::newRow("French") << "fr"
                            << "Annuler"
                            << "DVD"
                            << "Veuillez patienter...";
}

void TestFrontEnd::oneLanguageBuildsMainMenuTranslated()
{
    QFETCH(QString, language);
    QFETCH(QString, qtCancel);
    QFETCH(QString, disc);
    TestEnvironment environment;
    MessageRecorder recorder;
    ProductOptions options;
    options.languages = QStringList{language};
    QScopedPointer<FrontEnd> window(buildMainMenu(environment, recorder, options));

    QCOMPARE(recorder.significantTexts(), QStringList());
    QCOMPARE(window->languageCode(), language);
    QVERIFY(window->findChild<QWidget *>(QStringLiteral("LanguagePicker"))->isHidden());
    QCOMPARE(window->windowTitle(), options.longName);
    QVERIFY(window->isVisible());
    // Qt's own buttons speak the chosen language.
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), qtCancel);
    auto *browse = window->findChild<QPushButton *>(QStringLiteral("MM_BrowseDiscContents"));
    QVERIFY(browse);
    QCOMPARE(browse->text(), QStringLiteral("Browse the %1 contents").arg(disc));
    // The fixed form's wait screen was built before the language was known.
    QFETCH(QString, pleaseWait);
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("WaitScreenText"))->text(), pleaseWait);
}

void TestFrontEnd::pickerOffersCommonLanguages_data()
{
    QTest::addColumn<QStringList>("productLanguages");
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<QString>("error");
    QTest::newRow("several, English among them")
            << QStringList{"de", "fr", "en", "nl"} << QStringList{"de", "en", "fr"} << "";
    QTest::newRow("several, with countries") << QStringList{"pt_br", "zh_tw", "ZH_CN"}
                                             << QStringList{"pt_br", "zh_cn", "zh_tw"} << "";
    QTest::newRow("none the front end speaks")
            << QStringList{"nl"} << QStringList{} << "There are no languages available!";
    QTest::newRow("only the fallback en_US matches no file code")
            << QStringList{} << QStringList{} << "There are no languages available!";
}

void TestFrontEnd::pickerOffersCommonLanguages()
{
    QFETCH(QStringList, productLanguages);
    QFETCH(QStringList, offered);
    QFETCH(QString, error);
    TestEnvironment environment;
    MessageRecorder recorder;
    ProductOptions options;
    options.languages = productLanguages;
    QScopedPointer<FrontEnd> window(buildMainMenu(environment, recorder, options));

    auto *languages = window->findChild<QComboBox *>(QStringLiteral("Languages"));
    QStringList codes;
    for (int i = 0; i < languages->count(); ++i)
        codes << languages->itemData(i).toString();
    codes.sort();
    QCOMPARE(codes, offered);
    if (!error.isEmpty()) {
        QCOMPARE(recorder.texts(), QStringList{error});
        QCOMPARE(recorder.messages.first().title, QStringLiteral("Design Time Error"));
        return;
    }
    QVERIFY(recorder.texts().isEmpty());
    // The picker waits for the user: the main menu is not built yet.
    QVERIFY(!window->findChild<QWidget *>(QStringLiteral("LanguagePicker"))->isHidden());
    QCOMPARE(window->minimumSize(), QSize(440, 113));
    QCOMPARE(window->maximumSize(), QSize(440, 113));
    // Each name is the language's own.
    if (offered.contains("de"))
        QCOMPARE(languages->itemText(languages->findData("de")), QStringLiteral("Deutsch"));

    // Another entry only changes the language; OK builds the menu in it.
    const int other = languages->findData(offered.last());
    languages->setCurrentIndex(
            other == languages->currentIndex() ? languages->findData(offered.first()) : other);
    const QString chosen = languages->currentData().toString();
    QCOMPARE(window->languageCode(), chosen);
    window->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(window->windowTitle(), options.longName);
    QCOMPARE(window->scannerInfo()->fullLanguageCode(), chosen);
}

void TestFrontEnd::reportsSkinFaults_data()
{
    QTest::addColumn<QString>("skin");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("built");
    QTest::newRow("top widget named ROOT needs no Root child")
            << "TamSkin_TopRoot.ui" << QStringList{} << true;
    QTest::newRow("skin file missing")
            << "Missing.ui"
            << QStringList{"Unable to open qstrSkin \"Missing.ui\" specified in scanner.xml."}
            << false;
    QTest::newRow("not a form") << "TamSkin_NotAForm.ui"
                                << QStringList{"Unable to load qstrSkin \"TamSkin_NotAForm.ui\" "
                                               "specified in scanner.xml."}
                                << false;
    QTest::newRow("no root") << "TamSkin_NoRoot.ui"
                             << QStringList{"Skin \"TamSkin_NoRoot.ui\" does not have the "
                                            "\"Root\" element."}
                             << false;
    QTest::newRow("bound entries missing, optional one silent")
            << "TamSkin_MissingBound.ui"
            << QStringList{"Skin does not have the \"MM_Exit\" element.",
                           "Skin does not have the \"TY_Exit\" element."}
            << true;
    QTest::newRow("entry neither button nor label")
            << "TamSkin_Immutable.ui"
            << QStringList{"Skin has an immutable element (D2_Exit) which is not a button or "
                           "label."}
            << true;
    QTest::newRow("required marker missing stops")
            << "TamSkin_MissingFlag.ui"
            << QStringList{"Could not find the SD_InstallingFlag object in the skin."} << false;
    QTest::newRow("readme description missing stops")
            << "TamSkin_MissingReadmeDesc.ui"
            << QStringList{"Could not find the MM_ReadmeDesc object in the skin.",
                           "Could not find the MM_ReadmeDesc object in the skin."}
            << false;
    QTest::newRow("hover entry in a form layout")
            << "TamSkin_FormLayout.ui"
            << QStringList{"We cannot handle widget MM_ViewReadme being a child of a "
                           "QFormLayout."}
            << true;
}

void TestFrontEnd::reportsSkinFaults()
{
    QFETCH(QString, skin);
    QFETCH(QStringList, messages);
    QFETCH(bool, built);
    TestEnvironment environment;
    MessageRecorder recorder;
    ProductOptions options;
    options.skin = skin;
    prepareDisc(environment.path(QStringLiteral("disc")), options);
    QScopedPointer<FrontEnd> window(new FrontEnd(0));
    QSignalSpy failed(window.data(), &FrontEnd::mainMenuFailed);
    window->prepareLanguages();

    QCOMPARE(recorder.significantTexts(), messages);
    // A menu that stopped short leaves nothing to show: the program is told to end.
    QCOMPARE(failed.count(), built ? 0 : 1);
    for (const RecordedMessage &message : qAsConst(recorder.messages)) {
        if (!messages.contains(message.text))
            continue;
        QCOMPARE(message.icon, MessageSeam::Critical);
        QCOMPARE(message.title,
                 message.text.startsWith("We cannot") ? QStringLiteral("Front End Error")
                                                      : QStringLiteral("Design Time Error"));
    }
    QCOMPARE(window->windowTitle() == options.longName, built);
    QCOMPARE(window->isVisible(), built);
}

// The fault shows only after the user picked a language: the picker is gone, the menu never
// comes, and the program is told to end.
void TestFrontEnd::brokenSkinAfterPickingEndsProgram()
{
    TestEnvironment environment;
    MessageRecorder recorder;
    ProductOptions options;
    options.skin = QStringLiteral("TamSkin_NoRoot.ui");
    options.languages = QStringList{QStringLiteral("de"), QStringLiteral("en")};
    prepareDisc(environment.path(QStringLiteral("disc")), options);
    FrontEnd window(0);
    QSignalSpy failed(&window, &FrontEnd::mainMenuFailed);
    window.prepareLanguages();
    QCOMPARE(failed.count(), 0);
    window.findChild<QDialogButtonBox *>(QStringLiteral("LanguagePickerButtonBox"))
            ->button(QDialogButtonBox::Ok)
            ->click();
    QCOMPARE(failed.count(), 1);
    QVERIFY(!window.isVisible());
    QCOMPARE(recorder.significantTexts(),
             QStringList{"Skin \"TamSkin_NoRoot.ui\" does not have the \"Root\" element."});
}

void TestFrontEnd::compactsMenu_data()
{
    QTest::addColumn<bool>("hasReadme");
    QTest::addColumn<bool>("updateOnly");
    QTest::addColumn<int>("guidesY");
    QTest::addColumn<int>("browseY");
    QTest::addColumn<int>("websiteY");
    QTest::addColumn<bool>("browseShown");
    // The skin places readme, guides, disc, web site at 127, 172, 217, 262.
    QTest::newRow("readme, disc catalogue") << true << false << 172 << 217 << 262 << true;
    QTest::newRow("no readme moves entries up") << false << false << 127 << 172 << 217 << true;
    QTest::newRow("update only drops the disc entry") << true << true << 172 << 217 << 217 << false;
    QTest::newRow("no readme and update only") << false << true << 127 << 172 << 172 << false;
}

void TestFrontEnd::compactsMenu()
{
    QFETCH(bool, hasReadme);
    QFETCH(bool, updateOnly);
    QFETCH(int, guidesY);
    QFETCH(int, browseY);
    QFETCH(int, websiteY);
    QFETCH(bool, browseShown);
    TestEnvironment environment;
    MessageRecorder recorder;
    ProductOptions options;
    if (!hasReadme)
        options.readme.clear();
    // With a user guide the guides entry stays; a product without guides loses it as well.
    options.applications
            = QStringLiteral("<application ShortName=\"Tool\"><userguide Type=\"software\" "
                             "url=\"https://guide.example/tool\"/></application>");
    QScopedPointer<FrontEnd> window(buildMainMenu(environment, recorder, options, updateOnly));
    QCOMPARE(recorder.significantTexts(), QStringList());
    QCOMPARE(window->sourceMode(), updateOnly ? SourceMode::UpdateOnly : SourceMode::DiscOnly);

    auto y = [&](const char *name) { return window->findChild<QWidget *>(name)->y(); };
    auto shown = [&](const char *name) { return !window->findChild<QWidget *>(name)->isHidden(); };
    QCOMPARE(y("MM_UserGuides"), guidesY);
    QCOMPARE(y("MM_BrowseDiscContents"), browseY);
    QCOMPARE(y("MM_ViewWebsite"), websiteY);
    QCOMPARE(shown("MM_BrowseDiscContents"), browseShown);
    QCOMPARE(shown("MM_ViewReadme"), hasReadme);
    // The readme entry is the hover twin, which shows the description while hovered.
    QVERIFY(window->findChild<QWidget *>("MM_ViewReadme")->inherits("QPushButtonEx"));
    // The clear-cache entry is for downloaded catalogues only.
    QCOMPARE(shown("MM_ClearCache"), updateOnly);
    // A bundle-only catalogue opens on the Install page.
    QCOMPARE(shown("IS"), updateOnly);
    QCOMPARE(shown("MM"), !updateOnly);
}

void TestFrontEnd::framedSkinKeepsSystemFrame()
{
    TestEnvironment environment;
    MessageRecorder recorder;
    QScopedPointer<FrontEnd> framed(buildMainMenu(environment, recorder, ProductOptions()));
    QVERIFY(!(framed->windowFlags() & Qt::FramelessWindowHint));
    QVERIFY(framed->findChild<QWidget *>("ExitButton")->isHidden());
    QCOMPARE(framed->size(), QSize(800, 560));
    framed.reset();

    ProductOptions options;
    options.skin = QStringLiteral("TamSkin_TopRoot.ui");
    QScopedPointer<FrontEnd> frameless(buildMainMenu(environment, recorder, options));
    QVERIFY(frameless->windowFlags() & Qt::FramelessWindowHint);
    auto *exitButton = frameless->findChild<QWidget *>("ExitButton");
    auto *minimizeButton = frameless->findChild<QWidget *>("MinimizeButton");
    QCOMPARE(exitButton->pos(), QPoint(800 - 24 - 5, 5));
    QCOMPARE(minimizeButton->pos(), QPoint(800 - 24 - 5 - 14, 5));
    auto *waitScreen = frameless->findChild<QWidget *>("WaitScreen");
    QCOMPARE(waitScreen->pos(), QPoint((800 - 500) / 2, (560 - 100) / 2));
}

void TestFrontEnd::switchesPages_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QStringList>("visible");
    QTest::newRow("install page") << "IS" << true << QStringList{"IS"};
    QTest::newRow("second-level page") << "D2" << true << QStringList{"D2"};
    QTest::newRow("lower case matches the list but no page") << "mm" << true << QStringList{};
    QTest::newRow("unknown prefix changes nothing") << "XY" << false << QStringList{"MM"};
}

void TestFrontEnd::switchesPages()
{
    QFETCH(QString, prefix);
    QFETCH(bool, result);
    QFETCH(QStringList, visible);
    TestEnvironment environment;
    MessageRecorder recorder;
    QScopedPointer<FrontEnd> window(buildMainMenu(environment, recorder, ProductOptions()));
    QCOMPARE(window->showPage(prefix), result);
    QStringList shown;
    for (const char *page : {"MM", "TY", "IS", "UG", "SD", "SWD", "D2"}) {
        if (!window->findChild<QWidget *>(page)->isHidden())
            shown << QLatin1String(page);
    }
    QCOMPARE(shown, visible);
}

void TestFrontEnd::thankYouRestartsCountdown()
{
    TestEnvironment environment;
    MessageRecorder recorder;
    QScopedPointer<FrontEnd> window(buildMainMenu(environment, recorder, ProductOptions()));
    QVERIFY(!window->exitTimer());
    window->findChild<QPushButton *>("MM_Exit")->click();
    QPointer<QTimer> first = window->exitTimer();
    QVERIFY(first && first->isActive());
    QCOMPARE(first->interval(), 5000);
    QVERIFY(!window->findChild<QWidget *>("TY")->isHidden());

    // Wait long enough that a coarse timer's rounding cannot hide the restart.
    QTest::qWait(800);
    const int leftBefore = first->remainingTime();
    window->navigate_TY();
    QVERIFY(first.isNull());
    QVERIFY(window->exitTimer()->isActive());
    QCOMPARE(window->exitTimer()->interval(), 5000);
    // Counting starts again from five seconds.
    QVERIFY(window->exitTimer()->remainingTime() > leftBefore);

    // When the countdown ends the window closes as through the exit entry.
    window->exitTimer()->start(10);
    QTRY_VERIFY(!window->isVisible());
}

void TestFrontEnd::closeAsksWhileInstalling_data()
{
    QTest::addColumn<bool>("installing");
    QTest::addColumn<bool>("escape");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::newRow("idle closes without asking") << false << false << int(MessageSeam::No) << true;
    QTest::newRow("installing, No keeps the window")
            << true << false << int(MessageSeam::No) << false;
    QTest::newRow("installing, Yes closes") << true << false << int(MessageSeam::Yes) << true;
    QTest::newRow("Escape while installing asks too")
            << true << true << int(MessageSeam::No) << false;
    QTest::newRow("Escape when idle closes") << false << true << int(MessageSeam::No) << true;
}

void TestFrontEnd::closeAsksWhileInstalling()
{
    QFETCH(bool, installing);
    QFETCH(bool, escape);
    QFETCH(int, answer);
    QFETCH(bool, closed);
    TestEnvironment environment;
    MessageRecorder recorder;
    QScopedPointer<FrontEnd> window(buildMainMenu(environment, recorder, ProductOptions()));
    recorder.messages.clear();
    recorder.answer = answer;
    bool confirmOpenWhileAsking = false;
    recorder.onShow = [&] { confirmOpenWhileAsking = window->isCloseConfirmOpen(); };
    window->setInstalling(installing);

    // A recovery entry from an interrupted installation.
    const wchar_t runOnce[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
    sys::RegKey::create(sys::RegRoot::CurrentUser, runOnce, sys::RegAccess::AllAccess)
            .setString(L"TamRecoverInstall", L"setup de 2");

    if (escape)
        QTest::keyClick(window.data(), Qt::Key_Escape);
    else
        window->close();

    QCOMPARE(!window->isVisible(), closed);
    QCOMPARE(recorder.messages.size(), installing ? 1 : 0);
    if (installing) {
        // The product speaks German only, so the box does too.
        QCOMPARE(recorder.messages.first().title, QStringLiteral("Beenden bestätigen"));
        QCOMPARE(recorder.messages.first().icon, MessageSeam::Warning);
        QVERIFY(confirmOpenWhileAsking);
    }
    QVERIFY(!window->isCloseConfirmOpen());
    // Escape leaves through the exit path, which drops the recovery entry; when the user stays,
    // the installation goes on and keeps it.
    std::wstring value;
    const bool stillThere
            = sys::RegKey::open(sys::RegRoot::CurrentUser, runOnce, sys::RegAccess::Read)
                      .readString(L"TamRecoverInstall", value);
    QCOMPARE(stillThere, !(escape && closed));
    if (stillThere)
        QCOMPARE(value, std::wstring(L"setup de 2"));
}

void TestFrontEnd::menuEntriesOpenWhatTheyName()
{
    TestEnvironment environment;
    MessageRecorder recorder;
    qputenv("TAM_PDF_READER_URL", "https://reader.example/get");
    QScopedPointer<FrontEnd> window(buildMainMenu(environment, recorder, ProductOptions()));
    window->launch_scanner_readme();
    window->launch_website();
    window->launch_reader_installer();
    qunsetenv("TAM_PDF_READER_URL");
    QCOMPARE(environment.openedUrls,
             (QList<QUrl>{QUrl::fromLocalFile(environment.path("disc/readme.txt")),
                          QUrl("https://support.example/scanner"),
                          QUrl("https://reader.example/get")}));

    window->findChild<QPushButton *>("MM_BrowseDiscContents")->click();
    QCOMPARE(environment.started,
             QStringList{"explorer.exe "
                         + SetupSettings::withBackslashes(environment.path("disc"))});

    // Clearing the cache removes the download folder and disables nothing visible here (the
    // entry is hidden for a disc catalogue), but the folder must go.
    QDir().mkpath(environment.path("disc/TamDownload/sub"));
    window->clear_cache_from_main();
    QVERIFY(!QFileInfo::exists(environment.path("disc/TamDownload")));
}

void TestFrontEnd::namesTrademarks_data()
{
    QTest::addColumn<QString>("longName");
    QTest::addColumn<QString>("marks");
    QTest::newRow("two marks") << "Test Scanner 100"
                               << "Corvex<sup>®</sup> und Corvex and Design<sup>®</sup>";
    QTest::newRow("three marks with PageWing")
            << "Test PageWing 7"
            << "Corvex<sup>®</sup>, Corvex and Design<sup>®</sup> und PageWing<sup>®</sup>";
}

void TestFrontEnd::namesTrademarks()
{
    QFETCH(QString, longName);
    QFETCH(QString, marks);
    TestEnvironment environment;
    MessageRecorder recorder;
    ProductOptions options;
    options.longName = longName;
    QScopedPointer<FrontEnd> window(buildMainMenu(environment, recorder, options));
    auto *notice = window->findChild<QLabel *>("MM_TrademarkNotice");
    QCOMPARE(notice->text(),
             marks + " are registered trademarks. All other names belong to their owners.");
}

void TestFrontEnd::showsScannerNameAsText_data()
{
    QTest::addColumn<bool>("skinStylesName");
    QTest::addColumn<QString>("text");
    const QString name = QStringLiteral("Scan<b>ner</b> &amp; Co\u00AE");
    QTest::newRow("a skin that styles the name itself") << true << name;
    QTest::newRow("a skin made before: setup styles it") << false << "  " + name;
}

// The long name may come from the update server: it is text, whatever it looks like.
void TestFrontEnd::showsScannerNameAsText()
{
    QFETCH(bool, skinStylesName);
    QFETCH(QString, text);
    TestEnvironment environment;
    MessageRecorder recorder;
    ProductOptions options;
    options.longName = QStringLiteral("Scan&lt;b&gt;ner&lt;/b&gt; &amp;amp; Co\u00AE");
    if (skinStylesName) {
        QFile framed(QStringLiteral(TAM_FIXTURE_SKINS "/FramedSkin.ui"));
        QVERIFY(framed.open(QIODevice::ReadOnly));
        QString form = QString::fromUtf8(framed.readAll());
        const int label = form.indexOf(QLatin1String("name=\"ScannerName\""));
        const int format = form.indexOf(QLatin1String("Qt::RichText"), label);
        QVERIFY(label > 0 && format > label);
        form.replace(format, 12, QStringLiteral("Qt::PlainText"));
        QVERIFY(writeFile(environment.path("disc/NamedSkin.ui"), form.toUtf8()));
        options.skin = QStringLiteral("NamedSkin.ui");
    }
    QScopedPointer<FrontEnd> window(buildMainMenu(environment, recorder, options));
    QCOMPARE(recorder.significantTexts(), QStringList());
    auto *label = window->findChild<QLabel *>("ScannerName");
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->styleSheet().contains(QLatin1String("29px")), !skinStylesName);
}

void TestFrontEnd::placesWaitImage()
{
    TestEnvironment environment;
    MessageRecorder recorder;
    QScopedPointer<FrontEnd> window(buildMainMenu(environment, recorder, ProductOptions()));
    QImage wide(300, 50, QImage::Format_RGB32);
    wide.fill(Qt::white);
    const QString file = environment.path("disc/wait.png");
    QVERIFY(wide.save(file));
    window->show_please_wait(file);
    // Centred in the left half of the 500 x 100 wait screen, even when wider than that half.
    QCOMPARE(window->findChild<QLabel *>("WaitScreenImage")->geometry(),
             QRect((500 / 2 - 300) / 2, (100 - 50) / 2, 300, 50));
    QVERIFY(recorder.significantTexts().isEmpty());
}

void TestFrontEnd::dragsFramelessWindow()
{
    TestEnvironment environment;
    MessageRecorder recorder;
    ProductOptions options;
    options.skin = QStringLiteral("TamSkin_TopRoot.ui");
    QScopedPointer<FrontEnd> window(buildMainMenu(environment, recorder, options));
    const QPoint start = window->pos();
    const QPoint origin = window->frameGeometry().topLeft();
    QMouseEvent press(QEvent::MouseButtonPress,
                      QPointF(300, 300),
                      QPointF(origin + QPoint(300, 300)),
                      Qt::LeftButton,
                      Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(window.data(), &press);
    QMouseEvent move(QEvent::MouseMove,
                     QPointF(350, 320),
                     QPointF(origin + QPoint(350, 320)),
                     Qt::NoButton,
                     Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(window.data(), &move);
    QMouseEvent release(QEvent::MouseButtonRelease,
                        QPointF(350, 320),
                        QPointF(origin + QPoint(350, 320)),
                        Qt::LeftButton,
                        Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(window.data(), &release);
    QCOMPARE(window->pos(), start + QPoint(50, 20));
    // Without the button held nothing moves.
    QMouseEvent hover(QEvent::MouseMove,
                      QPointF(10, 10),
                      QPointF(origin + QPoint(10, 10)),
                      Qt::NoButton,
                      Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(window.data(), &hover);
    QCOMPARE(window->pos(), start + QPoint(50, 20));
}

void TestFrontEnd::secondCopyEndsSilently()
{
    TestEnvironment environment;
    MessageRecorder recorder;
    prepareDisc(environment.path("disc"), ProductOptions());
    QSharedMemory running(QStringLiteral("TamFrontEnd"));
    QVERIFY(running.create(0x100000));

    FrontEnd second(0);
    QVERIFY(second.endedAtStart());
    QCOMPARE(environment.endCodes, QList<int>{0});
    QVERIFY(recorder.messages.isEmpty());
}

// The real program, started by a shell beside a DVDPath.xml while another setup holds the
// segment: only an older front end is ended, so the shell lives on and setup leaves as a
// second copy.
void TestFrontEnd::copyStartedByAnotherProgramLeavesItAlone()
{
    TestEnvironment environment;
    QSharedMemory running(QStringLiteral("TamFrontEnd"));
    QVERIFY(running.create(0x100000));
    const QString folder = environment.path("copy");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile::copy(QStringLiteral(TAM_SETUP), folder + "/setup"));
    writeFile(folder + "/DVDPath.xml", "<DVDPath dvd_path=\"\"/>");
    const QString exitFile = environment.path("setup-exit-code");
    const QString errorFile = environment.path("setup-stderr");

    QProcess shell;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    variables.insert("TAM_MACHINE", environment.path("machine"));
    shell.setProcessEnvironment(variables);
    shell.start(
            "/bin/sh",
            {"-c", "\"$0\" 2> \"$2\"; echo $? > \"$1\"", folder + "/setup", exitFile, errorFile});
    QVERIFY(shell.waitForFinished(30000));
    QCOMPARE(shell.exitStatus(), QProcess::NormalExit);
    QFile code(exitFile);
    QVERIFY(code.open(QIODevice::ReadOnly));
    QCOMPARE(code.readAll().trimmed(), QByteArray("0"));
    // Staying unaware of the display's scale takes no deprecated variable that Qt warns about.
    QFile errors(errorFile);
    QVERIFY(errors.open(QIODevice::ReadOnly));
    QVERIFY2(!errors.readAll().contains("deprecated"), qPrintable(errorFile));
}

void TestFrontEnd::copyStartedByOlderFrontEndTakesOver()
{
    TestEnvironment environment;
    MessageRecorder recorder;
    const QString folder = environment.path("copy");
    prepareDisc(folder, ProductOptions());
    writeFile(folder + "/DVDPath.xml", "<DVDPath dvd_path=\"\"/>");
    writeFile(folder + "/update.xml", "stale");
    auto *older = new QSharedMemory(QStringLiteral("TamFrontEnd"));
    QVERIFY(older->create(0x100000));
    // Ending the older front end releases its segment.
    FrontEndHooks::setTerminateParent([&older] {
        delete older;
        older = nullptr;
        return true;
    });

    FrontEnd copy(0);
    QVERIFY(!copy.endedAtStart());
    QVERIFY(!older);
    QVERIFY(copy.segment()->isAttached());
    QVERIFY(environment.endCodes.isEmpty());
    QVERIFY(!QFileInfo::exists(folder + "/update.xml"));
}

QTEST_MAIN(TestFrontEnd)
#include "tst_frontend.moc"
