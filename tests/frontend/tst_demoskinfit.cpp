// Every text of the demo skin fits its label or button, in every language the demo disc offers:
// the skin is built on the demo disc as setup builds it, each page is laid out in turn, and the
// texts setup puts in later (download speed and time, the action button, row states) are tried
// in their longest forms.

#include "frontend.h"
#include "frontendtestsupport.h"
#include "installrow.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QtTest>

namespace {

QString describe(const QWidget *widget, const QString &text, QSize needed)
{
    return QStringLiteral("%1 \"%2\" needs %3x%4, has %5x%6")
            .arg(widget->objectName(), text)
            .arg(needed.width())
            .arg(needed.height())
            .arg(widget->width())
            .arg(widget->height());
}

// The room a button's style leaves for its text, and the text's size in the button's font.
QString buttonFault(QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<QCheckBox *>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<QRadioButton *>(button))
        contents = QStyle::SE_RadioButtonContents;
    else if (!qobject_cast<QPushButton *>(button))
        contents = QStyle::SE_FrameContents;
    QRect room = button->style()->subElementRect(contents, &option, button);
    if (!room.isValid())
        room = button->contentsRect();
    const QSize needed = button->fontMetrics()
                                 .boundingRect(QRect(), Qt::TextShowMnemonic, button->text())
                                 .size();
    if (needed.width() <= room.width() && needed.height() <= button->height())
        return QString();
    return describe(button, button->text(), needed);
}

QString labelFault(QLabel *label)
{
    if (label->text().isEmpty() || !label->pixmap(Qt::ReturnByValue).isNull() || label->movie())
        return QString();
    QSize needed = label->sizeHint();
    if (label->wordWrap())
        needed = QSize(qMin(needed.width(), label->width()), label->heightForWidth(label->width()));
    if (needed.width() <= label->width() && needed.height() <= label->height())
        return QString();
    return describe(label, label->text(), needed);
}

QString fault(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget))
        return labelFault(label);
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text().isEmpty() ? QString() : buttonFault(button);
    return QString();
}

// The texts of the window's labels and buttons that do not fit, hidden ones too: a row's web
// choice or the download labels show only in some states. The language picker is left out: it
// is laid out by its own layout, in the language setup started in.
QStringList clippedTexts(QWidget *window)
{
    const QWidget *picker = window->findChild<QWidget *>(QStringLiteral("LanguagePicker"));
    const QList<QWidget *> widgets = window->findChildren<QWidget *>();
    // A page that was not shown yet is not laid out: measured as it stands, a row in a layout
    // has its template's width, not the width the page gives it. Polished, every widget carries
    // the skin's font whether it was shown or not.
    for (QWidget *widget : widgets) {
        widget->ensurePolished();
        if (widget->layout())
            widget->layout()->activate();
    }
    QStringList faults;
    for (QWidget *widget : widgets) {
        if (picker && picker->isAncestorOf(widget))
            continue;
        const QString found = fault(widget);
        if (!found.isEmpty())
            faults << found;
    }
    return faults;
}

QString frontEndText(const char *source)
{
    return QCoreApplication::translate("FrontEnd", source);
}

} // namespace

class TestDemoSkinFit : public QObject
{
    Q_OBJECT

private slots:
    void everyTextFits_data();
    void everyTextFits();
};

void TestDemoSkinFit::everyTextFits_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language :
         {"en", "de", "fr", "it", "es", "pt_br", "ru", "tr", "ko", "zh_cn", "zh_tw"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

void TestDemoSkinFit::everyTextFits()
{
    QFETCH(QString, language);
    TestEnvironment environment;
    MessageRecorder recorder;
    const QString disc = QStringLiteral(TAM_DEMO_DISC);
    FrontEndHooks::setProgramDirectory(disc);
    const StartupPlan plan = StartupPlan::prepare(disc, {language, QStringLiteral("0")});
    QVERIFY(!plan.exitAtOnce);
    QDir::setCurrent(disc);
    FrontEnd window(0);
    window.prepareLanguages();
    window.resumeInLanguage(language, 0);
    QCOMPARE(recorder.texts(), QStringList());
    QCOMPARE(window.languageCode(), language);

    QStringList faults;
    for (const char *page : {"MM", "UG", "SD", "SWD", "D2", "TY", "IS"}) {
        if (qstrcmp(page, "IS") == 0)
            window.navigate_IS();
        else
            window.showPage(QLatin1String(page));
        QCoreApplication::processEvents();
        faults << clippedTexts(&window);
    }

    // What the install page shows later, each in its longest form.
    const QString speed = frontEndText("Speed: ");
    const QString remaining = frontEndText("Time remaining: ");
    const QList<QPair<QString, QStringList>> later = {
            {"IS_SPEED", {frontEndText("Speed: calculating"), speed + "1023.9 KB/s"}},
            {"IS_TIME", {frontEndText("Time remaining: calculating"), remaining + "99:59:59"}},
            {"IS_Label_TS_MB", {"9999.9 MB"}},
            {"IS_InstallNow",
             {frontEndText("Install"),
              frontEndText("Download"),
              frontEndText("Pause"),
              frontEndText("Resume")}},
    };
    for (const auto &entry : later) {
        QWidget *widget = window.findChild<QWidget *>(entry.first);
        QVERIFY2(widget, qPrintable(entry.first));
        for (const QString &text : entry.second) {
            widget->setProperty("text", text);
            faults << fault(widget);
        }
    }
    for (const InstallRow &row : window.installRows()) {
        for (const char *state : {"Installed!", "Web only"}) {
            row.status->setText(frontEndText(state));
            faults << fault(row.status);
        }
    }
    faults.removeAll(QString());
    faults.removeDuplicates();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestDemoSkinFit)
#include "tst_demoskinfit.moc"
