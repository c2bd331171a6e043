// Hover twins: they take the skin widget's name and place in every kind of layout, copy its
// state and tell the target when the pointer comes and goes.

#include "frontend.h"
#include "frontendtestsupport.h"
#include "qcheckboxex.h"
#include "qlabelex.h"
#include "qpushbuttonex.h"
#include "qradiobuttonex.h"
#include "qtoolbuttonex.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QGridLayout>
#include <QStackedLayout>
#include <QtTest>

class TestHoverWidgets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void takesPlaceInLayout_data();
    void takesPlaceInLayout();
    void twinClassFollowsSkinWidget_data();
    void twinClassFollowsSkinWidget();
    void tellsTargetAboutThePointer_data();
    void tellsTargetAboutThePointer();
    void copiesState();
    void clonesRowsFromTemplate();
    void setsVariableText();

private:
    TestEnvironment *m_environment = nullptr;
    FrontEnd *m_window = nullptr;
};

void TestHoverWidgets::initTestCase()
{
    m_environment = new TestEnvironment;
    MessageRecorder recorder;
    prepareDisc(m_environment->path("disc"), ProductOptions());
    m_window = new FrontEnd(0);
}

void TestHoverWidgets::cleanupTestCase()
{
    delete m_window;
    delete m_environment;
}

void TestHoverWidgets::takesPlaceInLayout_data()
{
    QTest::addColumn<QString>("layoutKind");
    QTest::addColumn<QString>("message");
    QTest::newRow("grid") << "grid"
                          << "";
    QTest::newRow("box") << "box"
                         << "";
    QTest::newRow("nested box") << "nested"
                                << "";
    QTest::newRow("form") << "form"
                          << "We cannot handle widget Entry being a child of a QFormLayout.";
    QTest::newRow("stacked") << "stacked"
                             << "We cannot handle widget Entry being a child of a QStackedLayout.";
    QTest::newRow("no layout") << "none"
                               << "";
}

void TestHoverWidgets::takesPlaceInLayout()
{
    QFETCH(QString, layoutKind);
    QFETCH(QString, message);
    MessageRecorder recorder;
    QWidget page(m_window);
    auto *before = new QLabel("before");
    auto *entry = new QLabel("entry");
    entry->setObjectName("Entry");
    auto *after = new QLabel("after");
    QLayout *holder = nullptr;
    if (layoutKind == "grid") {
        auto *grid = new QGridLayout(&page);
        grid->addWidget(before, 0, 0);
        grid->addWidget(entry, 1, 0, 1, 2);
        grid->addWidget(after, 2, 1);
        holder = grid;
    } else if (layoutKind == "box" || layoutKind == "nested") {
        auto *outer = new QVBoxLayout(&page);
        QBoxLayout *box = outer;
        if (layoutKind == "nested")
            box = new QHBoxLayout;
        if (box != outer)
            outer->addLayout(box);
        box->addWidget(before);
        box->addWidget(entry);
        box->addWidget(after);
        holder = box;
    } else if (layoutKind == "form") {
        auto *form = new QFormLayout(&page);
        form->addRow(before, entry);
        holder = form;
    } else if (layoutKind == "stacked") {
        auto *stacked = new QStackedLayout(&page);
        stacked->addWidget(before);
        stacked->addWidget(entry);
        holder = stacked;
    } else {
        before->setParent(&page);
        entry->setParent(&page);
        entry->setGeometry(10, 20, 100, 30);
    }
    auto *child = new QLabel("child", entry);
    page.show();

    QWidget *twin = m_window->replaceWithHoverWidget(entry, nullptr, true);
    QVERIFY(qobject_cast<QLabelEx *>(twin));
    QCOMPARE(twin->objectName(), QStringLiteral("Entry"));
    QCOMPARE(entry->objectName(), QStringLiteral("EntryOld"));
    QVERIFY(entry->isHidden());
    QVERIFY(!twin->isHidden());
    QCOMPARE(child->parent(), twin);
    QCOMPARE(twin->parentWidget(), &page);
    QCOMPARE(recorder.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    if (!message.isEmpty())
        QCOMPARE(recorder.messages.first().title, m_window->errorTitle());

    if (layoutKind == "grid") {
        auto *grid = static_cast<QGridLayout *>(holder);
        int row, column, rowSpan, columnSpan;
        grid->getItemPosition(grid->indexOf(twin), &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(QList<int>({row, column, rowSpan, columnSpan}), QList<int>({1, 0, 1, 2}));
        QCOMPARE(grid->indexOf(entry), -1);
    } else if (layoutKind == "box" || layoutKind == "nested") {
        QCOMPARE(holder->indexOf(twin), 1);
        QCOMPARE(holder->indexOf(entry), -1);
    } else if (holder) {
        // The layout is left alone; the twin only lies where the skin widget was.
        QCOMPARE(holder->indexOf(twin), -1);
        QVERIFY(holder->indexOf(entry) != -1);
    } else {
        QCOMPARE(twin->geometry(), QRect(10, 20, 100, 30));
        QVERIFY(!entry->parent());
    }
}

void TestHoverWidgets::twinClassFollowsSkinWidget_data()
{
    QTest::addColumn<QString>("skinClass");
    QTest::addColumn<QString>("twinClass");
    QTest::newRow("label") << "QLabel"
                           << "QLabelEx";
    QTest::newRow("check box") << "QCheckBox"
                               << "QCheckBoxEx";
    QTest::newRow("push button") << "QPushButton"
                                 << "QPushButtonEx";
    QTest::newRow("radio button") << "QRadioButton"
                                  << "QRadioButtonEx";
    QTest::newRow("tool button") << "QToolButton"
                                 << "QToolButtonEx";
    QTest::newRow("anything else") << "QFrame"
                                   << "";
}

void TestHoverWidgets::twinClassFollowsSkinWidget()
{
    QFETCH(QString, skinClass);
    QFETCH(QString, twinClass);
    QWidget page(m_window);
    QWidget *widget = nullptr;
    if (skinClass == "QLabel")
        widget = new QLabel(&page);
    else if (skinClass == "QCheckBox")
        widget = new QCheckBox(&page);
    else if (skinClass == "QPushButton")
        widget = new QPushButton(&page);
    else if (skinClass == "QRadioButton")
        widget = new QRadioButton(&page);
    else if (skinClass == "QToolButton")
        widget = new QToolButton(&page);
    else
        widget = new QFrame(&page);
    widget->setObjectName("Entry");
    QWidget *twin = m_window->replaceWithHoverWidget(widget, nullptr, true);
    if (twinClass.isEmpty()) {
        QVERIFY(!twin);
        QCOMPARE(widget->objectName(), QStringLiteral("Entry"));
        return;
    }
    QCOMPARE(QString::fromLatin1(twin->metaObject()->className()), twinClass);
}

void TestHoverWidgets::tellsTargetAboutThePointer_data()
{
    QTest::addColumn<bool>("showOnHover");
    QTest::newRow("shown while hovering") << true;
    QTest::newRow("hidden while hovering") << false;
}

void TestHoverWidgets::tellsTargetAboutThePointer()
{
    QFETCH(bool, showOnHover);
    QWidget page(m_window);
    auto *button = new QPushButton("entry", &page);
    auto *target = new QLabel("description", &page);
    target->setVisible(!showOnHover);
    page.show();
    QWidget *twin = m_window->replaceWithHoverWidget(button, target, showOnHover);
    QSignalSpy entered(twin, SIGNAL(cursorHasEntered()));
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(twin, &enter);
    QCOMPARE(entered.count(), 1);
    QCOMPARE(!target->isHidden(), showOnHover);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(twin, &leave);
    QCOMPARE(!target->isHidden(), !showOnHover);
}

void TestHoverWidgets::copiesState()
{
    QCheckBox box("Scanner driver");
    box.setTristate(true);
    box.setCheckState(Qt::PartiallyChecked);
    box.setEnabled(false);
    box.setToolTip("tip");
    box.setStyleSheet("color: red;");
    box.setGeometry(5, 6, 70, 20);
    QCheckBoxEx twin(&box);
    QCOMPARE(twin.text(), box.text());
    QVERIFY(twin.isTristate());
    QCOMPARE(twin.checkState(), Qt::PartiallyChecked);
    QVERIFY(!twin.isEnabled());
    QCOMPARE(twin.toolTip(), QStringLiteral("tip"));
    QCOMPARE(twin.styleSheet(), box.styleSheet());
    QCOMPARE(twin.geometry(), box.geometry());
    QVERIFY(!twin.parent());

    QLabel label;
    label.setText("<a href='x'>read</a>");
    label.setWordWrap(true);
    label.setAlignment(Qt::AlignRight);
    label.setOpenExternalLinks(true);
    QLabelEx labelTwin(&label);
    QCOMPARE(labelTwin.text(), label.text());
    QVERIFY(labelTwin.wordWrap());
    QCOMPARE(labelTwin.alignment(), Qt::AlignRight);
    QVERIFY(labelTwin.openExternalLinks());

    QToolButton tool;
    tool.setAutoRaise(true);
    tool.setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    QToolButtonEx toolTwin(&tool);
    QVERIFY(toolTwin.autoRaise());
    QCOMPARE(toolTwin.toolButtonStyle(), Qt::ToolButtonTextUnderIcon);

    QPushButton push("go");
    push.setFlat(true);
    QPushButtonEx pushTwin(&push);
    QVERIFY(pushTwin.isFlat());
}

void TestHoverWidgets::clonesRowsFromTemplate()
{
    QWidget page;
    auto *grid = new QGridLayout(&page);
    auto *row = new QLabel("Guide: $VARIABLE$");
    row->setWordWrap(true);
    row->setStyleSheet("color: blue;");
    grid->addWidget(row, 0, 0);
    QWidget *copy = FrontEnd::cloneWidget(row, "SD_UserGuide2", "Manual", "Guide: %1", grid, 1, 0);
    auto *label = qobject_cast<QLabel *>(copy);
    QVERIFY(label);
    QCOMPARE(label->objectName(), QStringLiteral("SD_UserGuide2"));
    QCOMPARE(label->text(), QStringLiteral("Guide: Manual"));
    QVERIFY(label->wordWrap());
    QCOMPARE(label->styleSheet(), row->styleSheet());
    int r, c, rs, cs;
    grid->getItemPosition(grid->indexOf(copy), &r, &c, &rs, &cs);
    QCOMPARE(QPoint(r, c), QPoint(1, 0));

    auto *frame = new QFrame(&page);
    QWidget *plain = FrontEnd::cloneWidget(frame, "Other", "x", "%1", nullptr, 0, 0);
    QCOMPARE(QString::fromLatin1(plain->metaObject()->className()), QStringLiteral("QWidget"));
    QCOMPARE(plain->parentWidget(), &page);
}

void TestHoverWidgets::setsVariableText()
{
    QPushButton button("Read $VARIABLE$ now");
    QString templateText;
    FrontEnd::setVariableText(&button, true, templateText, "me");
    QCOMPARE(templateText, QStringLiteral("Read %1 now"));
    QCOMPARE(button.text(), QStringLiteral("Read me now"));
    FrontEnd::setVariableText(&button, false, templateText, "this");
    QCOMPARE(button.text(), QStringLiteral("Read this now"));
    QFrame frame;
    FrontEnd::setVariableText(&frame, true, templateText, "x");
    QCOMPARE(templateText, QStringLiteral("Read %1 now"));
}

QTEST_MAIN(TestHoverWidgets)
#include "tst_hoverwidgets.moc"
