// Keyboard-only and screen-reader use of the demo skin, as setup builds it from the demo disc:
// which control each page opens with, where Tab goes, what Enter, Space and Alt+letter press,
// what the focus mark looks like against the skin, and what assistive technology reads through
// QAccessible (what UI Automation and AT-SPI are served from).

#include "focusring.h"
#include "frontend.h"
#include "frontendtestsupport.h"
#include "installrow.h"
#include "skinaccessibility.h"
#include "skinkeyboard.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopWidget>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>

namespace {

// WCAG's contrast ratio of two colours.
double contrast(QRgb a, QRgb b)
{
    auto luminance = [](QRgb rgb) {
        auto channel = [](int value) {
            const double c = value / 255.0;
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb))
               + 0.0722 * channel(qBlue(rgb));
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QString focusName()
{
    QWidget *focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QStringLiteral("(none)");
}

} // namespace

class TestSkinKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tabFollowsReadingOrder_data();
    void tabFollowsReadingOrder();
    void keysPressTheFocusedControl_data();
    void keysPressTheFocusedControl();
    void actionKeepsAShortcut();
    void focusShowsWhatHoverShows();
    void focusMarkStandsOut();
    void menuEndsWithExitWithoutGaps();
    void readersGetNamesNotMarkup();
    void downloadIsAProgressBar();
    void pickerIsSortedAndTakesEnter();

private:
    void openDemo(const QString &language = QStringLiteral("en"));
    void showPage(const QString &page);

    std::unique_ptr<TestEnvironment> m_environment;
    std::unique_ptr<MessageRecorder> m_recorder;
    std::unique_ptr<FrontEnd> m_window;
};

void TestSkinKeyboard::init()
{
    m_environment = std::make_unique<TestEnvironment>();
    m_recorder = std::make_unique<MessageRecorder>();
    FrontEndHooks::setProgramDirectory(QStringLiteral(TAM_DEMO_DISC));
    QDir::setCurrent(QStringLiteral(TAM_DEMO_DISC));
}

void TestSkinKeyboard::cleanup()
{
    m_window.reset();
    m_recorder.reset();
    m_environment.reset();
}

void TestSkinKeyboard::openDemo(const QString &language)
{
    const QString disc = QStringLiteral(TAM_DEMO_DISC);
    const StartupPlan plan = StartupPlan::prepare(disc, {language, QStringLiteral("0")});
    QVERIFY(!plan.exitAtOnce);
    m_window = std::make_unique<FrontEnd>(0);
    m_window->prepareLanguages();
    m_window->resumeInLanguage(language, 0);
    QCOMPARE(m_recorder->texts(), QStringList());
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestSkinKeyboard::showPage(const QString &page)
{
    if (page == QLatin1String("IS"))
        m_window->navigate_IS();
    else
        QVERIFY(m_window->showPage(page));
}

void TestSkinKeyboard::tabFollowsReadingOrder_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("chain");
    // The demo disc: a readme, guides of both kinds, a web site, a disc-only catalogue (no
    // cache entry) and its applications, of which those that can be ticked take focus.
    QTest::newRow("main menu") << "MM"
                               << QStringList{"MM_InstallProducts",
                                              "MM_ViewReadme",
                                              "MM_UserGuides",
                                              "MM_BrowseDiscContents",
                                              "MM_ViewWebsite",
                                              "MM_Exit"};
    QTest::newRow("install page, rows before the buttons, the copies in row order")
            << "IS"
            << QStringList{"IS_App1",
                           "IS_App2",
                           "IS_App3",
                           "IS_App4",
                           "IS_DVD4",
                           "IS_App5",
                           "IS_MainMenu",
                           "IS_InstallNow"};
    QTest::newRow("user guides, the reader link reachable")
            << "UG"
            << QStringList{"UG_ScannerDocs", "UG_SoftwareDocs", "UG_MainMenu", "UG_Instructions"};
    QTest::newRow("thank-you page") << "TY" << QStringList{"TY_Exit"};
}

void TestSkinKeyboard::tabFollowsReadingOrder()
{
    QFETCH(QString, page);
    QFETCH(QStringList, chain);
    openDemo();
    showPage(page);
    QStringList visited{focusName()};
    for (int i = 0; i < chain.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCoreApplication::processEvents();
        visited << focusName();
    }
    // Round the page and back to its first control: nothing outside the page (the window's
    // own close and minimise buttons, other pages) lies in between.
    QCOMPARE(visited, chain + QStringList{chain.first()});
}

void TestSkinKeyboard::keysPressTheFocusedControl_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("pageAfter");

    QTest::newRow("Enter on a menu entry")
            << "MM"
            << "MM_InstallProducts" << int(Qt::Key_Enter) << int(Qt::NoModifier) << "IS";
    QTest::newRow("Return on a menu entry")
            << "MM"
            << "MM_UserGuides" << int(Qt::Key_Return) << int(Qt::NoModifier) << "UG";
    QTest::newRow("Space as before")
            << "MM"
            << "MM_InstallProducts" << int(Qt::Key_Space) << int(Qt::NoModifier) << "IS";
    QTest::newRow("Return on Main menu")
            << "IS"
            << "IS_MainMenu" << int(Qt::Key_Return) << int(Qt::NoModifier) << "MM";
    QTest::newRow("Enter on a guides entry")
            << "UG"
            << "UG_ScannerDocs" << int(Qt::Key_Enter) << int(Qt::NoModifier) << "SD";
    QTest::newRow("Alt and the first letter")
            << "MM" << QString() << int(Qt::Key_U) << int(Qt::AltModifier) << "UG";
    QTest::newRow("Alt and a letter an earlier entry did not take")
            << "UG" << QString() << int(Qt::Key_O) << int(Qt::AltModifier) << "SWD";
}

void TestSkinKeyboard::keysPressTheFocusedControl()
{
    QFETCH(QString, page);
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, pageAfter);
    openDemo();
    showPage(page);
    if (!control.isEmpty()) {
        auto *widget = m_window->findChild<QWidget *>(control);
        QVERIFY(widget);
        widget->setFocus(Qt::TabFocusReason);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    auto *after = m_window->findChild<QWidget *>(pageAfter);
    QTRY_VERIFY(after->isVisible());
    QVERIFY(after->isAncestorOf(QApplication::focusWidget()));
}

// The install page's action button changes its text (Install, Download, Pause, Resume), and
// Qt drops a button's shortcut with its old text: assigned again, the new text takes a letter of
// its own and the other buttons keep theirs.
void TestSkinKeyboard::actionKeepsAShortcut()
{
    QWidget page;
    auto *mainMenu = new QPushButton(QStringLiteral("Main menu"), &page);
    auto *action = new QPushButton(QStringLiteral("Install"), &page);
    action->move(200, 0);
    SkinKeyboard::assignShortcuts(&page);
    QCOMPARE(action->shortcut(), QKeySequence(Qt::ALT | Qt::Key_I));
    action->setText(QStringLiteral("Download"));
    QVERIFY(action->shortcut().isEmpty());
    SkinKeyboard::assignShortcuts(&page);
    QCOMPARE(action->shortcut(), QKeySequence(Qt::ALT | Qt::Key_D));
    QCOMPARE(mainMenu->shortcut(), QKeySequence(Qt::ALT | Qt::Key_M));
    action->setText(QStringLiteral("Main"));
    SkinKeyboard::assignShortcuts(&page);
    QCOMPARE(action->shortcut(), QKeySequence(Qt::ALT | Qt::Key_A));
}

void TestSkinKeyboard::focusShowsWhatHoverShows()
{
    openDemo();
    auto *description = m_window->findChild<QWidget *>(QStringLiteral("MM_ReadmeDesc"));
    QVERIFY(!description->isVisible());
    m_window->findChild<QWidget *>(QStringLiteral("MM_ViewReadme"))->setFocus(Qt::TabFocusReason);
    QVERIFY(description->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(!description->isVisible());

    showPage(QStringLiteral("IS"));
    const QList<InstallRow> rows = m_window->installRows();
    QVERIFY(rows.size() > 2);
    for (const InstallRow &row : rows) {
        if (!row.checkBox->isEnabled())
            continue;
        row.checkBox->setFocus(Qt::TabFocusReason);
        QVERIFY(row.description->isVisible());
        // Clear of the row's own choices, and inside the row area (not cut off).
        for (QRadioButton *source : {row.dvd.data(), row.web.data()})
            QVERIFY(!row.description->geometry().intersects(source->geometry()));
        QVERIFY(row.description->parentWidget()->rect().contains(row.description->geometry()));
    }
    QWidget *lastFocused = QApplication::focusWidget();
    QTest::keyClick(lastFocused, Qt::Key_Tab);
    for (const InstallRow &row : rows)
        QVERIFY(!row.description->isVisible());
}

void TestSkinKeyboard::focusMarkStandsOut()
{
    openDemo();
    for (const char *name : {"MM_UserGuides", "MM_Exit"}) {
        auto *control = m_window->findChild<QWidget *>(QLatin1String(name));
        m_window->findChild<QWidget *>(QStringLiteral("MM_InstallProducts"))->setFocus();
        // Unfocused, the control looks as the skin draws it.
        auto *ring = m_window->findChild<FocusRing *>();
        QVERIFY(ring);
        const QImage before = m_window->grab().toImage();
        control->setFocus(Qt::TabFocusReason);
        QCOMPARE(ring->target(), control);
        const QImage after = m_window->grab().toImage();
        // Every pixel of the ring around the control differs from what was there by 3:1 or
        // more, in at least one of its two lines.
        const QRect around = QRect(control->mapTo(m_window.get(), QPoint(0, 0)), control->size());
        for (int x = around.left(); x <= around.right(); x += 7) {
            const QPoint outer(x, around.top() - FocusRing::Width);
            const QPoint inner(x, around.top() - 1);
            const double best = qMax(contrast(before.pixel(outer), after.pixel(outer)),
                                     contrast(before.pixel(inner), after.pixel(inner)));
            QVERIFY2(best >= 3.0,
                     qPrintable(QStringLiteral("%1 at x %2: %3").arg(name).arg(x).arg(best)));
        }
        // Inside, the control is drawn as without the ring but for its own focus state.
        QCOMPARE(after.pixel(around.center()), before.pixel(around.center()));
    }
}

void TestSkinKeyboard::menuEndsWithExitWithoutGaps()
{
    openDemo();
    QList<QWidget *> shown;
    for (QWidget *entry : m_window->findChildren<QPushButton *>(QRegularExpression("^MM_"))) {
        if (entry->isVisible())
            shown << entry;
    }
    std::sort(shown.begin(), shown.end(), [](QWidget *a, QWidget *b) { return a->y() < b->y(); });
    QCOMPARE(shown.last()->objectName(), QStringLiteral("MM_Exit"));
    for (int i = 1; i < shown.size(); ++i)
        QCOMPARE(shown.at(i)->y() - shown.at(i - 1)->y(), 45);
}

void TestSkinKeyboard::readersGetNamesNotMarkup()
{
    openDemo(QStringLiteral("de"));
    auto interfaceOf = [this](const QString &name) {
        QWidget *widget = m_window->findChild<QWidget *>(name);
        return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
    };
    QCOMPARE(interfaceOf("ExitButton")->text(QAccessible::Name), QStringLiteral("Schließen"));
    QCOMPARE(interfaceOf("MinimizeButton")->text(QAccessible::Name), QStringLiteral("Minimieren"));
    QCOMPARE(interfaceOf("IS_ANI")->text(QAccessible::Name), QStringLiteral("Wird installiert..."));
    // A page reads as its heading.
    QCOMPARE(interfaceOf("IS")->text(QAccessible::Name),
             m_window->findChild<QLabel *>(QStringLiteral("IS_Title"))->text());

    // Decorations and the picker are not in the tree at all; what is, is reachable from the
    // window through its parents' children.
    QStringList reachable;
    QList<QAccessibleInterface *> open{QAccessible::queryAccessibleInterface(m_window.get())};
    while (!open.isEmpty()) {
        QAccessibleInterface *node = open.takeFirst();
        if (node->object())
            reachable << node->object()->objectName();
        for (int i = 0; i < node->childCount(); ++i)
            open << node->child(i);
    }
    for (const char *hidden : {"Background", "Logo", "LanguagePicker", "Languages", "FocusRing"})
        QVERIFY2(!reachable.contains(QLatin1String(hidden)), hidden);
    for (const char *shown :
         {"MM_InstallProducts", "IS_App6", "IS_Status6", "ExitButton", "IS_ANI"})
        QVERIFY2(reachable.contains(QLatin1String(shown)), shown);

    showPage(QStringLiteral("IS"));
    for (const InstallRow &row : m_window->installRows()) {
        for (QWidget *control : {static_cast<QWidget *>(row.checkBox.data()),
                                 static_cast<QWidget *>(row.dvd.data()),
                                 static_cast<QWidget *>(row.web.data())}) {
            const QString description = QAccessible::queryAccessibleInterface(control)->text(
                    QAccessible::Description);
            QVERIFY2(!description.contains(QLatin1Char('<')), qPrintable(description));
        }
        // The status reads with its row's name.
        row.status->setText(QStringLiteral("Installiert!"));
        QCOMPARE(QAccessible::queryAccessibleInterface(row.status)->text(QAccessible::Name),
                 row.checkBox->text() + QStringLiteral(": Installiert!"));
    }
    const QString components
            = QAccessible::queryAccessibleInterface(m_window->installRows().first().checkBox)
                      ->text(QAccessible::Description);
    QVERIFY2(components.startsWith(
                     QStringLiteral("Zum Installieren der folgenden Komponenten auswählen:\n")),
             qPrintable(components));
}

void TestSkinKeyboard::downloadIsAProgressBar()
{
    openDemo();
    QLabel *status = m_window->installRows().first().status;
    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(status);
    QCOMPARE(reader->role(), QAccessible::StaticText);
    QVERIFY(!reader->valueInterface());

    SkinAccessibility::setProgress(status, 40);
    QCOMPARE(reader->role(), QAccessible::ProgressBar);
    QVERIFY(reader->valueInterface());
    QCOMPARE(reader->valueInterface()->currentValue().toInt(), 40);
    QCOMPARE(reader->valueInterface()->maximumValue().toInt(), 100);

    // The page refreshed after the download: text again.
    m_window->navigate_IS();
    QCOMPARE(reader->role(), QAccessible::StaticText);
}

void TestSkinKeyboard::pickerIsSortedAndTakesEnter()
{
    const QString disc = QStringLiteral(TAM_DEMO_DISC);
    const StartupPlan plan = StartupPlan::prepare(disc, {});
    QVERIFY(!plan.exitAtOnce);
    m_window = std::make_unique<FrontEnd>(0);
    m_window->prepareLanguages();
    auto *languages = m_window->findChild<QComboBox *>(QStringLiteral("Languages"));
    QVERIFY(languages->count() > 2);
    for (int i = 1; i < languages->count(); ++i)
        QVERIFY(QString::localeAwareCompare(languages->itemText(i - 1), languages->itemText(i))
                < 0);
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    // Centred where no window manager places it.
    const QRect available = QApplication::desktop()->availableGeometry(m_window.get());
    QVERIFY(qAbs(m_window->geometry().center().x() - available.center().x()) <= 2);
    QVERIFY(qAbs(m_window->geometry().center().y() - available.center().y()) <= 2);

    languages->setFocus();
    QTest::keyClick(languages, Qt::Key_Return);
    QTRY_VERIFY(m_window->findChild<QWidget *>(QStringLiteral("MM")));
    QTRY_VERIFY(m_window->findChild<QWidget *>(QStringLiteral("MM"))->isVisible());
}

QTEST_MAIN(TestSkinKeyboard)
#include "tst_skinkeyboard.moc"
