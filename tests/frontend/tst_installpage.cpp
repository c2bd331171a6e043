// The Install Software page: rows built from the skin's templates, the refresh rules of the
// three catalogue modes, the action button, and downloads with pause and resume against a
// local server. Runs offscreen; message boxes are answered by a recorder.

#include "application.h"
#include "euladlg.h"
#include "frontend.h"
#include "frontendtestsupport.h"
#include "helperchannel.h"
#include "installer.h"
#include "installpagecatalogue.h"
#include "installpagemodel.h"
#include "installpagetexts.h"
#include "recoveryentry.h"
#include "registry.h"
#include "segmentprotocol.h"
#include "testhttpserver.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QDomDocument>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSharedMemory>
#include <QTextBrowser>
#include <QtTest>

namespace {

QString recoveryValue()
{
    sys::RegKey key = sys::RegKey::open(sys::RegRoot::CurrentUser,
                                        L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce",
                                        sys::RegAccess::QueryValue);
    std::wstring text;
    if (!key.isOpen() || !key.readString(L"TamRecoverInstall", text))
        return QString();
    return QString::fromStdWString(text);
}

template<typename T>
T *object(FrontEnd *window, const QString &name)
{
    return window->findChild<T *>(name);
}

QString statusText(const InstallRow &row)
{
    return row.status->isHidden() ? QStringLiteral("(hidden)") : row.status->text();
}

QString sources(const InstallRow &row)
{
    QString shown;
    if (!row.dvd->isHidden())
        shown += row.dvd->isChecked() ? QStringLiteral("[DVD]") : QStringLiteral("DVD");
    if (!row.web->isHidden())
        shown += row.web->isChecked() ? QStringLiteral("[WEB]") : QStringLiteral("WEB");
    return shown.isEmpty() ? QStringLiteral("-") : shown;
}

// FramedSkin.ui rearranged as skins may be: the row templates one container below "IS_Widget",
// and the busy animation in a container of its own beside the rows. Written as fileName.
bool writeRearrangedSkin(const QString &fileName)
{
    QFile source(QStringLiteral(TAM_FIXTURE_SKINS "/FramedSkin.ui"));
    QDomDocument form;
    if (!source.open(QIODevice::ReadOnly) || !form.setContent(&source))
        return false;
    QDomElement rowArea;
    QDomElement busy;
    const QDomNodeList widgets = form.elementsByTagName(QStringLiteral("widget"));
    for (int i = 0; i < widgets.size(); ++i) {
        const QDomElement widget = widgets.at(i).toElement();
        if (widget.attribute(QStringLiteral("name")) == QLatin1String("IS_Widget"))
            rowArea = widget;
        else if (widget.attribute(QStringLiteral("name")) == QLatin1String("IS_ANI"))
            busy = widget;
    }
    if (rowArea.isNull() || busy.isNull())
        return false;
    const auto container = [&form](const QString &name, int x, int y) {
        QDomElement widget = form.createElement(QStringLiteral("widget"));
        widget.setAttribute(QStringLiteral("class"), QStringLiteral("QWidget"));
        widget.setAttribute(QStringLiteral("name"), name);
        QDomDocument geometry;
        geometry.setContent(
                QStringLiteral("<property name=\"geometry\"><rect><x>%1</x><y>%2</y>"
                               "<width>400</width><height>300</height></rect></property>")
                        .arg(x)
                        .arg(y));
        widget.appendChild(form.importNode(geometry.documentElement(), true));
        return widget;
    };
    QDomElement rows = container(QStringLiteral("IS_Rows"), 0, 10);
    for (QDomElement child = rowArea.firstChildElement(QStringLiteral("widget")); !child.isNull();
         child = rowArea.firstChildElement(QStringLiteral("widget")))
        rows.appendChild(rowArea.removeChild(child));
    rowArea.appendChild(rows);
    QDomElement aside = container(QStringLiteral("IS_Aside"), 380, 40);
    QDomNode page = busy.parentNode();
    aside.appendChild(page.removeChild(busy));
    page.appendChild(aside);
    return writeFile(fileName, form.toByteArray());
}

bool writeImage(const QString &fileName, int side)
{
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    return image.save(fileName);
}

} // namespace

class TestInstallPage : public QObject
{
    Q_OBJECT

private slots:
    void formatsNumbers_data();
    void formatsNumbers();
    void listsPendingComponents();

    void buildsRowsFromTemplates_data();
    void buildsRowsFromTemplates();
    void refreshesRowsByMode_data();
    void refreshesRowsByMode();
    void enablesInstallWhileSomethingIsTicked();
    void offersDownloadOfTickedWebApplications();

    void pausesAtTheNextProgressSignal();
    void updatesLabelsAtMostOnceASecond();
    void downloadErrorEndsTheSession();
    void downloadsWhatTheChosenSourcesNeed_data();
    void downloadsWhatTheChosenSourcesNeed();
    void installsWhatItJustDownloaded_data();
    void installsWhatItJustDownloaded();

    void asksForLicencesBeforeInstalling_data();
    void asksForLicencesBeforeInstalling();
    void stopsOrRecoversWhenTheHelperCannotStart_data();
    void stopsOrRecoversWhenTheHelperCannotStart();
    void keepsRecoveryWhileExitIsBeingConfirmed();
    void resumesOnTheInstallPage();
    void refusesRunListTooLargeForTheSegment();
    void followsTheHelpersMessages_data();
    void followsTheHelpersMessages();

private:
    FrontEnd *
    openPage(TestEnvironment &environment, const ProductOptions &options, bool updateOnly = false);
};

FrontEnd *TestInstallPage::openPage(TestEnvironment &environment,
                                    const ProductOptions &options,
                                    bool updateOnly)
{
    prepareDisc(environment.path(QStringLiteral("disc")), options, updateOnly);
    auto *window = new FrontEnd(0);
    window->prepareLanguages();
    window->navigate_IS();
    return window;
}

void TestInstallPage::formatsNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("below a kilobyte") << InstallPageTexts::speed(1023) << "1023 B/s";
    QTest::newRow("one kilobyte") << InstallPageTexts::speed(1024) << "1.0 KB/s";
    QTest::newRow("just below a megabyte") << InstallPageTexts::speed(1048575) << "1024.0 KB/s";
    QTest::newRow("one megabyte") << InstallPageTexts::speed(1048576) << "1.0 MB/s";
    QTest::newRow("hours minutes seconds") << InstallPageTexts::duration(3725) << "01:02:05";
    QTest::newRow("a hundred hours") << InstallPageTexts::duration(360000) << "100:00:00";
    QTest::newRow("nothing left") << InstallPageTexts::duration(0) << "00:00:00";
    QTest::newRow("one and a half MB") << InstallPageTexts::megabytes(1572864) << "1.5 MB";
    QTest::newRow("zero MB") << InstallPageTexts::megabytes(0) << "0.0 MB";
}

void TestInstallPage::formatsNumbers()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

void TestInstallPage::listsPendingComponents()
{
    Installer driver;
    driver.setDisplayName(QStringLiteral("Driver"));
    driver.checker().setMatchValue(QStringLiteral("2.1"));
    Installer manual;
    manual.setDisplayName(QStringLiteral("Manual <i>&</i>"));
    QCOMPARE(InstallPageTexts::componentsToolTip(QList<Installer *>{&driver},
                                                 QList<Installer *>{&manual}),
             QStringLiteral("<table><tr><td colspan='1' style='white-space:pre'><b>Select to "
                            "install the following components:</b></td></tr>"
                            "<tr><td style='white-space:pre'>&nbsp;&nbsp;&nbsp;&nbsp;Driver"
                            "&nbsp;ver: 2.1</td></tr>"
                            "<tr><td style='white-space:pre'>&nbsp;&nbsp;&nbsp;&nbsp;Manual "
                            "&lt;i&gt;&amp;&lt;/i&gt;</td></tr></table>"));
    QCOMPARE(InstallPageTexts::componentsToolTip(QList<Installer *>(), QList<Installer *>()),
             QStringLiteral("Installed"));
    // A name from a server's catalogue is text in the tool tip, never an image to fetch.
    Installer remote;
    remote.setDisplayName(QStringLiteral("<img src=//10.9.9.9/s/p.png>"));
    remote.checker().setMatchValue(QStringLiteral("1&2"));
    const QString tip = InstallPageTexts::componentsToolTip({&remote}, {});
    QVERIFY2(tip.contains(QLatin1String("&lt;img src=//10.9.9.9/s/p.png&gt;&nbsp;ver: 1&amp;2")),
             qPrintable(tip));
}

void TestInstallPage::buildsRowsFromTemplates_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("one application") << 1;
    QTest::newRow("three applications") << 3;
}

void TestInstallPage::buildsRowsFromTemplates()
{
    QFETCH(int, count);
    TestEnvironment environment;
    MessageRecorder recorder;
    ProductOptions options;
    options.languages = QStringList{QStringLiteral("en")};
    for (int i = 1; i <= count; ++i)
        options.applications += application(
                QStringLiteral("App%1").arg(i),
                installer(QStringLiteral("A%1").arg(i), QStringLiteral("A%1").arg(i)));
    QScopedPointer<FrontEnd> window(openPage(environment, options));
    QCOMPARE(recorder.significantTexts(), QStringList());

    const QList<InstallRow> rows = window->installRows();
    QCOMPARE(rows.size(), count);
    const QRect firstRow = rows.first().checkBox->geometry();
    for (int n = 1; n <= count; ++n) {
        const InstallRow &row = rows.at(n - 1);
        QCOMPARE(row.checkBox->objectName(), QStringLiteral("IS_App%1").arg(n));
        QCOMPARE(row.status->objectName(), QStringLiteral("IS_Status%1").arg(n));
        QCOMPARE(row.dvd->objectName(), QStringLiteral("IS_DVD%1").arg(n));
        QCOMPARE(row.web->objectName(), QStringLiteral("IS_WEB%1").arg(n));
        QCOMPARE(row.description->objectName(), QStringLiteral("IS_Desc%1").arg(n));
        QCOMPARE(row.checkBox->text(), QStringLiteral("App%1 name").arg(n));
        QVERIFY(row.description->text().contains(QStringLiteral("About App%1").arg(n)));
        QVERIFY(row.description->isHidden());
        QVERIFY(row.checkBox->inherits("QCheckBoxEx"));
        if (n > 1) {
            QCOMPARE(row.checkBox->y(), 30 * (n - 1));
            QCOMPARE(row.checkBox->x(), firstRow.x());
            QCOMPARE(row.checkBox->size(), firstRow.size());
            QCOMPARE(row.status->y(), 30 * (n - 1));
        }
        // Each pair excludes only itself.
        QVERIFY(row.dvd->group());
        QCOMPARE(row.dvd->group(), row.web->group());
    }
    QCOMPARE(object<QWidget>(window.data(), QStringLiteral("IS_Widget"))->height(), 30 * count);
}

void TestInstallPage::refreshesRowsByMode_data()
{
    QTest::addColumn<QString>("discApplications");
    QTest::addColumn<QString>("updateApplications");
    QTest::addColumn<QStringList>("installedKeys");
    // Per row: ticked/unticked/disabled, status text, source buttons ([X] = selected).
    QTest::addColumn<QStringList>("expectedRows");
    QTest::addColumn<bool>("updatesAvailable");

    const QString url = QStringLiteral("http://127.0.0.1:9/x.exe");
    QTest::newRow("disc: default tick, installed row, partly installed row")
            << application(QStringLiteral("Driver"),
                           installer(QStringLiteral("Driver"), QStringLiteral("D")),
                           QStringLiteral("IsSelectedByDefault=\"true\""))
                       + application(QStringLiteral("Done"),
                                     installer(QStringLiteral("Done"), QStringLiteral("Done")))
                       + application(
                               QStringLiteral("Half"),
                               installer(QStringLiteral("H1"), QStringLiteral("H1"))
                                       + installer(QStringLiteral("H2"), QStringLiteral("H2")))
            << QString() << QStringList{QStringLiteral("Done"), QStringLiteral("H1")}
            << QStringList{QStringLiteral("ticked|(hidden)|-"),
                           QStringLiteral("disabled|Installed!|-"),
                           QStringLiteral("unticked|Installed!|-")}
            << false;
    QTest::newRow("disc: an entry without installers cannot be ticked")
            << application(QStringLiteral("Empty"), QString()) << QString() << QStringList()
            << QStringList{QStringLiteral("disabled|(hidden)|-")} << false;
    QTest::newRow("disc: an entry only offered from the web cannot be ticked")
            << application(QStringLiteral("Cloud"),
                           webInstaller(QStringLiteral("Cloud"), QStringLiteral("C"), url, 4096),
                           QStringLiteral("IsSelectedByDefault=\"true\""))
            << QString() << QStringList() << QStringList{QStringLiteral("disabled|Web only|-")}
            << false;
    QTest::newRow("update: ticked web entry shows its size")
            << QString()
            << application(QStringLiteral("Cloud"),
                           webInstaller(QStringLiteral("Cloud"), QStringLiteral("C"), url, 1572864),
                           QStringLiteral("IsSelectedByDefault=\"true\""))
            << QStringList() << QStringList{QStringLiteral("ticked|1.5 MB|[WEB]")} << true;
    QTest::newRow("merged: newer web version offers both sources, web chosen")
            << application(QStringLiteral("Capture"),
                           installer(QStringLiteral("Capture"), QStringLiteral("Cap")))
            << application(
                       QStringLiteral("Capture"),
                       webInstaller(QStringLiteral("Capture"), QStringLiteral("CapWeb"), url, 2048)
                               .replace(QStringLiteral("MatchValue=\"1.0\""),
                                        QStringLiteral("MatchValue=\"2.0\"")))
            << QStringList() << QStringList{QStringLiteral("unticked|(hidden)|DVD[WEB]")} << true;
    QTest::newRow("merged: disc version installed leaves only the web")
            << application(QStringLiteral("Capture"),
                           installer(QStringLiteral("Capture"), QStringLiteral("Cap")))
            << application(
                       QStringLiteral("Capture"),
                       webInstaller(QStringLiteral("Capture"), QStringLiteral("CapWeb"), url, 2048)
                               .replace(QStringLiteral("MatchValue=\"1.0\""),
                                        QStringLiteral("MatchValue=\"2.0\"")))
            << QStringList{QStringLiteral("Cap")}
            << QStringList{QStringLiteral("unticked|(hidden)|[WEB]")} << true;
    QTest::newRow("merged: entries without a pair show no source")
            << application(QStringLiteral("Driver"),
                           installer(QStringLiteral("Driver"), QStringLiteral("D")),
                           QStringLiteral("IsSelectedByDefault=\"true\""))
            << application(QStringLiteral("Cloud"),
                           webInstaller(QStringLiteral("Cloud"), QStringLiteral("C"), url, 1048576),
                           QStringLiteral("IsSelectedByDefault=\"true\""))
            << QStringList()
            << QStringList{QStringLiteral("ticked|(hidden)|-"), QStringLiteral("ticked|1.0 MB|-")}
            << false;
    QTest::newRow("merged: a disc entry that downloads shows its size")
            << application(QStringLiteral("Cloud"),
                           webInstaller(QStringLiteral("Cloud"), QStringLiteral("C"), url, 1048576),
                           QStringLiteral("IsSelectedByDefault=\"true\""))
            << application(QStringLiteral("Gallery"),
                           webInstaller(QStringLiteral("Gallery"), QStringLiteral("G"), url, 2048))
            << QStringList()
            << QStringList{QStringLiteral("ticked|1.0 MB|-"), QStringLiteral("unticked|(hidden)|-")}
            << false;
}

void TestInstallPage::refreshesRowsByMode()
{
    QFETCH(QString, discApplications);
    QFETCH(QString, updateApplications);
    QFETCH(QStringList, installedKeys);
    QFETCH(QStringList, expectedRows);
    QFETCH(bool, updatesAvailable);

    TestEnvironment environment;
    MessageRecorder recorder;
    for (const QString &key : installedKeys)
        markInstalled(key);
    ProductOptions options;
    options.languages = QStringList{QStringLiteral("en")};
    // Without disc applications the update description stands alone.
    const bool updateOnly = discApplications.isEmpty();
    options.applications = updateOnly ? updateApplications : discApplications;
    options.updateApplications = updateOnly ? QString() : updateApplications;
    QScopedPointer<FrontEnd> window(openPage(environment, options, updateOnly));
    QCoreApplication::processEvents(); // the queued tick changes refresh once more

    QStringList rows;
    for (const InstallRow &row : window->installRows()) {
        const QString tick = !row.checkBox->isEnabled()
                                     ? QStringLiteral("disabled")
                                     : (row.checkBox->isChecked() ? QStringLiteral("ticked")
                                                                  : QStringLiteral("unticked"));
        rows << tick + QLatin1Char('|') + statusText(row) + QLatin1Char('|') + sources(row);
    }
    QCOMPARE(rows, expectedRows);
    QCOMPARE(!object<QWidget>(window.data(), QStringLiteral("IS_UPDATES_AVAILABLE"))->isHidden(),
             updatesAvailable);
    QCOMPARE(recorder.significantTexts(), QStringList());
}

void TestInstallPage::enablesInstallWhileSomethingIsTicked()
{
    TestEnvironment environment;
    MessageRecorder recorder;
    ProductOptions options;
    options.languages = QStringList{QStringLiteral("en")};
    options.applications = application(QStringLiteral("One"),
                                       installer(QStringLiteral("One"), QStringLiteral("One")))
                           + application(QStringLiteral("Two"),
                                         installer(QStringLiteral("Two"), QStringLiteral("Two")));
    QScopedPointer<FrontEnd> window(openPage(environment, options));
    auto *action = object<QPushButton>(window.data(), QStringLiteral("IS_InstallNow"));
    const QList<InstallRow> rows = window->installRows();

    QVERIFY(!action->isEnabled());
    rows.at(0).checkBox->setChecked(true);
    QTRY_VERIFY(action->isEnabled());
    QCOMPARE(action->text(), QStringLiteral("Install"));
    QCOMPARE(rows.at(0).checkBox->toolTip(),
             InstallPageTexts::componentsToolTip(rows.at(0).application->pendingLocalInstallers(),
                                                 {}));
    rows.at(1).checkBox->setChecked(true);
    rows.at(0).checkBox->setChecked(false);
    QTRY_VERIFY(action->isEnabled());
    rows.at(1).checkBox->setChecked(false);
    QTRY_VERIFY(!action->isEnabled());
}

void TestInstallPage::offersDownloadOfTickedWebApplications()
{
    TestEnvironment environment;
    MessageRecorder recorder;
    ProductOptions options;
    options.languages = QStringList{QStringLiteral("en")};
    options.applications = application(QStringLiteral("Cloud"),
                                       webInstaller(QStringLiteral("Cloud"),
                                                    QStringLiteral("C"),
                                                    QStringLiteral("http://127.0.0.1:9/c.exe"),
                                                    1572864));
    QScopedPointer<FrontEnd> owner(openPage(environment, options, true));
    FrontEnd *window = owner.data();
    auto *action = object<QPushButton>(window, QStringLiteral("IS_InstallNow"));
    auto *total = object<QLabel>(window, QStringLiteral("IS_Label_TS_MB"));

    QCOMPARE(action->text(), QStringLiteral("Install"));
    QVERIFY(total->isHidden());
    window->installRows().first().checkBox->setChecked(true);
    QTRY_COMPARE(action->text(), QStringLiteral("Download"));
    QVERIFY(action->isEnabled());
    QVERIFY(!total->isHidden());
    QCOMPARE(total->text(), QStringLiteral("1.5 MB"));
    QCOMPARE(window->installPage()->downloadTotal(), quint64(1572864));
}

namespace {

// A window in download mode whose one ticked web application is served by server.
FrontEnd *openDownloadPage(TestEnvironment &environment,
                           TestHttpServer &server,
                           qint64 size,
                           const QString &extra = QString())
{
    ProductOptions options;
    options.languages = QStringList{QStringLiteral("en")};
    options.applications = application(QStringLiteral("Cloud"),
                                       webInstaller(QStringLiteral("Cloud"),
                                                    QStringLiteral("C"),
                                                    server.url().toString(),
                                                    size,
                                                    extra),
                                       QStringLiteral("IsSelectedByDefault=\"true\""));
    prepareDisc(environment.path(QStringLiteral("disc")), options, true);
    auto *window = new FrontEnd(0);
    window->prepareLanguages();
    window->navigate_IS();
    QCoreApplication::processEvents();
    return window;
}

} // namespace

void TestInstallPage::pausesAtTheNextProgressSignal()
{
    TestEnvironment environment;
    MessageRecorder recorder;
    TestHttpServer server;
    QVERIFY(server.listen());
    server.behaviour().body = QByteArray(256 * 1024, 'x');
    server.behaviour().bytesPerSecond = 64 * 1024;
    QScopedPointer<FrontEnd> window(openDownloadPage(environment, server, 256 * 1024));
    auto *action = object<QPushButton>(window.data(), QStringLiteral("IS_InstallNow"));
    QCOMPARE(action->text(), QStringLiteral("Download"));

    QStringList percentages;
    connect(window->installRows().first().application,
            &Application::downloadStatusTextChanged,
            window.data(),
            [&percentages](const QString &text) { percentages << text; });
    auto *speed = object<QLabel>(window.data(), QStringLiteral("IS_SPEED"));
    auto *time = object<QLabel>(window.data(), QStringLiteral("IS_TIME"));
    window->show();
    QApplication::setActiveWindow(window.data());
    QVERIFY(QTest::qWaitForWindowActive(window.data()));
    action->setFocus();
    // The locked page holds the focus (a Space must not reach the window's close button), and
    // hands it back to the button once it can pause.
    QWidget *page = object<QWidget>(window.data(), QStringLiteral("IS"));
    QStringList focusedOutside;
    connect(qApp, &QApplication::focusChanged, window.data(), [&](QWidget *, QWidget *now) {
        if (now && now != page && !page->isAncestorOf(now))
            focusedOutside << now->objectName();
    });
    QTest::keyClick(action, Qt::Key_Return);
    QTRY_COMPARE(window->downloadSession()->applications().size(), 1);
    QVERIFY(!recoveryValue().isEmpty());
    QTRY_COMPARE(action->text(), QStringLiteral("Pause"));
    QVERIFY(action->isEnabled());
    QVERIFY(action->hasFocus());
    QCOMPARE(focusedOutside, QStringList());

    // A reader hears the row's download as a progress bar.
    QAccessibleInterface *status
            = QAccessible::queryAccessibleInterface(window->installRows().first().status);
    QTRY_COMPARE(status->role(), QAccessible::ProgressBar);
    QVERIFY(status->valueInterface()->currentValue().toInt() >= 0);

    // Escape would lose the download: it asks first, and No goes on.
    recorder.messages.clear();
    recorder.answer = MessageSeam::No;
    QTest::keyClick(action, Qt::Key_Escape);
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.messages.first().title, QStringLiteral("Confirm Exit"));
    QVERIFY(window->isVisible());
    QVERIFY(window->downloadSession()->isActive());
    QVERIFY(!recoveryValue().isEmpty());

    action->click();
    // Nothing happens until the downloader reports again.
    QVERIFY(window->downloadSession()->isPauseRequested());
    QCOMPARE(action->text(), QStringLiteral("Pause"));
    QTRY_COMPARE(action->text(), QStringLiteral("Resume"));
    QVERIFY(!window->downloadSession()->isPauseRequested());
    QVERIFY(object<QWidget>(window.data(), QStringLiteral("IS_ClearCache"))->isEnabled());
    QVERIFY(recoveryValue().isEmpty());
    // Nothing moves while paused.
    QVERIFY(speed->isHidden());
    QVERIFY(time->isHidden());

    server.behaviour().bytesPerSecond = 0;
    action->click();
    QCOMPARE(action->text(), QStringLiteral("Pause"));
    QVERIFY(!recoveryValue().isEmpty());
    QVERIFY(!speed->isHidden());
    QCOMPARE(speed->text(), QStringLiteral("Speed: calculating"));
    QTRY_VERIFY_WITH_TIMEOUT(recorder.texts().contains(QStringLiteral(
                                     "To install a program, select it from the list and then "
                                     "click Install.")),
                             15000);
    QVERIFY(window->downloadSession()->applications().isEmpty());
    QCOMPARE(action->text(), QStringLiteral("Install"));
    QVERIFY(action->isEnabled());
    QVERIFY(recoveryValue().isEmpty());
    // The resumed request asked only for what was missing.
    bool ranged = false;
    for (const TestHttpServer::Request &request : server.requests())
        ranged = ranged || !request.range.isEmpty();
    QVERIFY(ranged);
    QCOMPARE(QFileInfo(environment.path(QStringLiteral("disc/TamDownload/Cloud.exe"))).size(),
             qint64(256 * 1024));
    // The row counted the whole file, also after the resume.
    QCOMPARE(percentages.last(), QStringLiteral("100 %"));
    for (int i = 1; i < percentages.size(); ++i)
        QVERIFY(percentages.at(i).split(' ').first().toInt()
                >= percentages.at(i - 1).split(' ').first().toInt());
}

void TestInstallPage::updatesLabelsAtMostOnceASecond()
{
    TestEnvironment environment;
    MessageRecorder recorder;
    TestHttpServer server;
    QVERIFY(server.listen());
    server.behaviour().body = QByteArray(64, 'x');
    server.behaviour().stallAt = 0;
    server.behaviour().stallMs = 5000;
    QScopedPointer<FrontEnd> window(openDownloadPage(environment, server, 3 * 1048576));
    object<QPushButton>(window.data(), QStringLiteral("IS_InstallNow"))->click();
    auto *speed = object<QLabel>(window.data(), QStringLiteral("IS_SPEED"));
    auto *time = object<QLabel>(window.data(), QStringLiteral("IS_TIME"));
    QCOMPARE(speed->text(), QStringLiteral("Speed: calculating"));
    QCOMPARE(time->text(), QStringLiteral("Time remaining: calculating"));

    window->downloadSession()->sltDownloadProgress(0, 1024, 0, 1048576, 3 * 1048576);
    QCOMPARE(speed->text(), QStringLiteral("Speed: calculating"));
    QTest::qWait(1100);
    window->downloadSession()->sltDownloadProgress(0, 1048576, 0, 1048576, 3 * 1048576);
    QCOMPARE(speed->text(), QStringLiteral("Speed: 1.0 MB/s"));
    QCOMPARE(time->text(), QStringLiteral("Time remaining: 00:00:02"));
    window->downloadSession()->sltDownloadProgress(0, 1, 0, 2 * 1048576, 3 * 1048576);
    QCOMPARE(speed->text(), QStringLiteral("Speed: 1.0 MB/s"));
}

void TestInstallPage::downloadErrorEndsTheSession()
{
    TestEnvironment environment;
    MessageRecorder recorder;
    TestHttpServer server;
    QVERIFY(server.listen());
    server.behaviour().body = QByteArray(1024, 'x');
    server.behaviour().getStatus = 404;
    QScopedPointer<FrontEnd> window(openDownloadPage(environment, server, 1024));
    auto *action = object<QPushButton>(window.data(), QStringLiteral("IS_InstallNow"));
    action->click();
    QTRY_VERIFY(window->downloadSession()->applications().isEmpty());
    QCOMPARE(recorder.messages.last().title, QStringLiteral("Download error"));
    QVERIFY(recorder.messages.last().text.startsWith(QStringLiteral("The network error code ")));
    // The page is usable again and still offers the download.
    QCOMPARE(action->text(), QStringLiteral("Download"));
    QVERIFY(action->isEnabled());
    QVERIFY(window->installRows().first().checkBox->isEnabled());
    QVERIFY(object<QWidget>(window.data(), QStringLiteral("IS_SPEED"))->isHidden());
}

void TestInstallPage::downloadsWhatTheChosenSourcesNeed_data()
{
    // Disc entries, then the update description's; "Capture" exists in both (the disc/web pair,
    // on which the test chooses the disc).
    QTest::addColumn<QString>("discApplications");
    QTest::addColumn<QString>("updateApplications");
    QTest::addColumn<QList<QByteArray>>("fetched");

    const QString ticked = QStringLiteral("IsSelectedByDefault=\"true\"");
    const auto download = [&](const char *name) {
        const QString url = QStringLiteral("http://127.0.0.1:%1/%2").arg(0).arg(name);
        return application(QLatin1String(name),
                           webInstaller(QLatin1String(name), QLatin1String(name), url, 1024),
                           ticked);
    };
    const QString discCapture = application(
            QStringLiteral("Capture"), installer(QStringLiteral("Capture"), QStringLiteral("Cap")));
    QString webCapture = download("Capture");
    webCapture.replace(QStringLiteral("MatchValue=\"1.0\""), QStringLiteral("MatchValue=\"2.0\""));
    QTest::newRow("pair from the disc between two downloads")
            << download("Cloud") + discCapture << webCapture + download("Gallery")
            << QList<QByteArray>{"/Cloud", "/Gallery"};
    QTest::newRow("pair from the disc after the last download")
            << download("Cloud") + discCapture << webCapture << QList<QByteArray>{"/Cloud"};
}

// A pair installed from the disc is no download, whatever the web entry still lacks; every
// other ticked download counts in the total, is fetched once, and one box ends the session.
void TestInstallPage::downloadsWhatTheChosenSourcesNeed()
{
    QFETCH(QString, discApplications);
    QFETCH(QString, updateApplications);
    QFETCH(QList<QByteArray>, fetched);
    TestEnvironment environment;
    MessageRecorder recorder;
    TestHttpServer server;
    QVERIFY(server.listen());
    server.behaviour().body = QByteArray(1024, 'x');
    const QString port = QString::number(server.url().port());
    ProductOptions options;
    options.languages = QStringList{QStringLiteral("en")};
    options.applications = discApplications.replace(QStringLiteral(":0/"), ':' + port + '/');
    options.updateApplications
            = updateApplications.replace(QStringLiteral(":0/"), ':' + port + '/');
    QScopedPointer<FrontEnd> window(openPage(environment, options));
    QCoreApplication::processEvents();
    QCOMPARE(window->sourceMode(), SourceMode::Merged);
    for (const InstallRow &row : window->installRows()) {
        if (row.application->isCombined())
            row.dvd->click();
    }
    QCoreApplication::processEvents();
    QCOMPARE(window->installPage()->downloadTotal(), quint64(1024 * fetched.size()));
    auto *action = object<QPushButton>(window.data(), QStringLiteral("IS_InstallNow"));
    QCOMPARE(action->text(), QStringLiteral("Download"));

    recorder.messages.clear();
    action->click();
    QTRY_VERIFY_WITH_TIMEOUT(!recorder.messages.isEmpty(), 15000);
    QTest::qWait(300);
    QCOMPARE(recorder.texts(),
             QStringList{QStringLiteral(
                     "To install a program, select it from the list and then click Install.")});
    QList<QByteArray> gets;
    for (const TestHttpServer::Request &request : server.requests()) {
        if (request.method == "GET")
            gets << request.path;
    }
    QCOMPARE(gets, fetched);
    QVERIFY(window->downloadSession()->applications().isEmpty());
    QCOMPARE(action->text(), QStringLiteral("Install"));
}

void TestInstallPage::installsWhatItJustDownloaded_data()
{
    const QByteArray body(1024, 'x');
    const QString good = QString::fromLatin1(
            QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex());
    QTest::addColumn<qint64>("catalogueSize");
    QTest::addColumn<QString>("hash");
    QTest::addColumn<bool>("damaged");
    QTest::newRow("the catalogue states another size") << qint64(1000) << QString() << false;
    QTest::newRow("the catalogue states no size") << qint64(0) << QString() << false;
    QTest::newRow("the hash matches, in capitals") << qint64(1024) << good.toUpper() << false;
    QTest::newRow("the hash does not match")
            << qint64(1024) << QString(good).replace(0, 1, good.at(0) == '0' ? "1" : "0") << true;
}

// What the catalogue says about a size never keeps the user from the file just downloaded; a
// file that does not match its hash is deleted, reported, and nothing is installed.
void TestInstallPage::installsWhatItJustDownloaded()
{
    QFETCH(qint64, catalogueSize);
    QFETCH(QString, hash);
    QFETCH(bool, damaged);
    TestEnvironment environment;
    MessageRecorder recorder;
    TestHttpServer server;
    QVERIFY(server.listen());
    server.behaviour().body = QByteArray(1024, 'x');
    QScopedPointer<FrontEnd> window(openDownloadPage(
            environment,
            server,
            catalogueSize,
            hash.isEmpty() ? QString() : QStringLiteral("sha256=\"%1\"").arg(hash)));
    auto *action = object<QPushButton>(window.data(), QStringLiteral("IS_InstallNow"));
    QCOMPARE(action->text(), QStringLiteral("Download"));
    QVERIFY(action->isEnabled());

    action->click();
    QTRY_VERIFY(window->downloadSession()->applications().isEmpty());
    const QString file = environment.path(QStringLiteral("disc/TamDownload/Cloud.exe"));
    if (damaged) {
        QCOMPARE(recorder.messages.last().title, QStringLiteral("Download error"));
        QCOMPARE(recorder.messages.last().text,
                 QStringLiteral("The download of Cloud name was damaged and has been deleted. "
                                "Please download it again."));
        QVERIFY(!QFileInfo::exists(file));
        QVERIFY(!window->isInstalling());
        QCOMPARE(action->text(), QStringLiteral("Download"));
    } else {
        QCOMPARE(recorder.messages.last().title, QStringLiteral("Download completed."));
        QVERIFY(QFileInfo::exists(file));
        // The helper checks its copy against the file downloaded, whatever the catalogue said.
        QCOMPARE(window->installRows().first().application->installers().first()->payloadSize(),
                 qint64(1024));
        QCOMPARE(action->text(), QStringLiteral("Install"));
    }
    QVERIFY(action->isEnabled());
    QVERIFY(window->installRows().first().checkBox->isChecked());
}

void TestInstallPage::asksForLicencesBeforeInstalling_data()
{
    QTest::addColumn<QString>("licenceAttributes");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<bool>("installs");
    QTest::newRow("brand licence rejected") << "Corvex=\"true\"" << QList<int>{QDialog::Rejected}
                                            << QStringList{QStringLiteral("brand")} << false;
    QTest::newRow("maker licence rejected after the brand's was accepted")
            << "Corvex=\"true\" Tamberlin=\"true\""
            << QList<int>{QDialog::Accepted, QDialog::Rejected}
            << QStringList{QStringLiteral("brand"), QStringLiteral("maker")} << false;
    QTest::newRow("both accepted")
            << "Corvex=\"true\" Tamberlin=\"true\""
            << QList<int>{QDialog::Accepted, QDialog::Accepted}
            << QStringList{QStringLiteral("brand"), QStringLiteral("maker")} << true;
    QTest::newRow("no licence asked") << QString() << QList<int>() << QStringList() << true;
}

void TestInstallPage::asksForLicencesBeforeInstalling()
{
    QFETCH(QString, licenceAttributes);
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, shown);
    QFETCH(bool, installs);

    TestEnvironment environment;
    MessageRecorder recorder;
    ProductOptions options;
    options.languages = QStringList{QStringLiteral("en")};
    options.applications
            = application(QStringLiteral("Desk"),
                          installer(QStringLiteral("Desk"), QStringLiteral("Desk")),
                          QStringLiteral("IsSelectedByDefault=\"true\" ") + licenceAttributes);
    const QString eula = environment.path(QStringLiteral("disc/EULA/"));
    QVERIFY(writeFile(eula + QStringLiteral("en_COR_EULA.htm"), "<p>brand</p>"));
    QVERIFY(writeFile(eula + QStringLiteral("en_TAM_EULA.htm"), "<p>maker</p>"));
    QStringList seen;
    FrontEndHooks::setLicenceDialog([&](EULADlg *dialog) {
        seen << dialog->findChild<QTextBrowser *>(QStringLiteral("textBrowser"))->toPlainText();
        return answers.value(seen.size() - 1, QDialog::Rejected);
    });
    qputenv("TAM_SIMULATE_SHELLEXECUTE_RESULT", "42");
    QScopedPointer<FrontEnd> window(openPage(environment, options));
    QCoreApplication::processEvents();
    object<QPushButton>(window.data(), QStringLiteral("IS_InstallNow"))->click();
    qunsetenv("TAM_SIMULATE_SHELLEXECUTE_RESULT");
    FrontEndHooks::setLicenceDialog({});

    QCOMPARE(seen, shown);
    QCOMPARE(window->isInstalling(), installs);
    // A refusal leaves the page as it was: usable, and nothing handed over or recorded.
    QCOMPARE(object<QWidget>(window.data(), QStringLiteral("IS_InstallNow"))->isEnabled(),
             !installs);
    QCOMPARE(window->installRows().first().checkBox->isEnabled(), !installs);
    if (!installs)
        QCOMPARE(recoveryValue(), QString());
    QCOMPARE(recorder.significantTexts(), QStringList());
}

void TestInstallPage::stopsOrRecoversWhenTheHelperCannotStart_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QByteArray>("shellResult");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("handedOver");
    QTest::newRow("Windows Update busy") << "busy" << QByteArray()
                                         << "Windows Update is currently installing other updates. "
                                            "Please try again in a few minutes."
                                         << false;
    QTest::newRow("restart pending")
            << "restart" << QByteArray()
            << "Pending restart. Please reboot your computer and try again." << false;
    QTest::newRow("helper missing") << QString() << QByteArray("2")
                                    << "Unable to locate setup_runner.exe in directory \"" << true;
    QTest::newRow("consent refused")
            << QString() << QByteArray("5")
            << "You do not currently have permission to install software" << true;
}

void TestInstallPage::stopsOrRecoversWhenTheHelperCannotStart()
{
    QFETCH(QString, situation);
    QFETCH(QByteArray, shellResult);
    QFETCH(QString, message);
    QFETCH(bool, handedOver);

    TestEnvironment environment;
    MessageRecorder recorder;
    if (situation == QLatin1String("busy"))
        QVERIFY(writeFile(environment.path(QStringLiteral("machine/windows-update-busy")), ""));
    if (situation == QLatin1String("restart")) {
        sys::RegKey::create(sys::RegRoot::LocalMachine,
                            L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\WindowsUpdate\\Auto "
                            L"Update\\RebootRequired",
                            sys::RegAccess::AllAccess | sys::RegAccess::Wow64_64Key)
                .setDword(L"{0D1A2B3C-0000-0000-0000-000000000001}", 1);
    }
    ProductOptions options;
    options.languages = QStringList{QStringLiteral("en")};
    options.applications = application(QStringLiteral("One"),
                                       installer(QStringLiteral("One"), QStringLiteral("One")),
                                       QStringLiteral("IsSelectedByDefault=\"true\""));
    if (!shellResult.isEmpty())
        qputenv("TAM_SIMULATE_SHELLEXECUTE_RESULT", shellResult);
    QScopedPointer<FrontEnd> window(openPage(environment, options));
    QCoreApplication::processEvents();
    recorder.messages.clear();
    object<QPushButton>(window.data(), QStringLiteral("IS_InstallNow"))->click();
    qunsetenv("TAM_SIMULATE_SHELLEXECUTE_RESULT");

    QCOMPARE(recorder.messages.size(), 1);
    QVERIFY2(recorder.messages.first().text.startsWith(message),
             qPrintable(recorder.messages.first().text));
    QCOMPARE(recorder.messages.first().icon, MessageSeam::Critical);
    QCOMPARE(recorder.messages.first().title, QStringLiteral("Front End Error"));
    // Either way the page is usable again and no poll is left running.
    QVERIFY(!window->isInstalling());
    QVERIFY(!window->helperChannel()->pollTimer());
    QVERIFY(object<QWidget>(window.data(), QStringLiteral("IS_InstallNow"))->isEnabled());
    QVERIFY(object<QWidget>(window.data(), QStringLiteral("IS_MainMenu"))->isEnabled());
    QVERIFY(window->installRows().first().checkBox->isEnabled());
    // A failed start keeps the way back after a restart; a refused check wrote nothing at all.
    QCOMPARE(!recoveryValue().isEmpty(), handedOver);
    QSharedMemory *segment = window->segment();
    segment->lock();
    const char16_t first = static_cast<const char16_t *>(segment->constData())[0];
    segment->unlock();
    QCOMPARE(first == u'<', handedOver);
}

void TestInstallPage::keepsRecoveryWhileExitIsBeingConfirmed()
{
    TestEnvironment environment;
    MessageRecorder recorder;
    ProductOptions options;
    options.languages = QStringList{QStringLiteral("en")};
    options.applications = application(QStringLiteral("One"),
                                       installer(QStringLiteral("One"), QStringLiteral("One")),
                                       QStringLiteral("IsSelectedByDefault=\"true\""));
    qputenv("TAM_SIMULATE_SHELLEXECUTE_RESULT", "42");
    QScopedPointer<FrontEnd> window(openPage(environment, options));
    QCoreApplication::processEvents();
    object<QPushButton>(window.data(), QStringLiteral("IS_InstallNow"))->click();
    qunsetenv("TAM_SIMULATE_SHELLEXECUTE_RESULT");
    QVERIFY(!recoveryValue().isEmpty());

    QSharedMemory helperSide(QString::fromLatin1(SegmentProtocol::DefaultKey));
    QVERIFY(!HelperSegment::readRunList(helperSide).isEmpty());
    QVERIFY(HelperSegment::clear(helperSide));
    // The helper ends while the user is asked whether to leave; the user stays.
    recorder.answer = MessageSeam::No;
    recorder.onShow = [&] {
        HelperSegment::post(helperSide, RunFinished);
        window->helperChannel()->handle_message();
    };
    window->close();
    QVERIFY(!window->isInstalling());
    QVERIFY(!recoveryValue().isEmpty());
}

// Setup comes back after a restart that interrupted an installation: on the install page, in
// the same language, with what the user had chosen and is still missing ticked again.
void TestInstallPage::resumesOnTheInstallPage()
{
    TestEnvironment environment;
    MessageRecorder recorder;
    ProductOptions options;
    options.languages = QStringList{QStringLiteral("en"), QStringLiteral("de")};
    for (const char *name : {"One", "Two", "Three"})
        options.applications += application(
                QLatin1String(name),
                installer(QLatin1String(name), QLatin1String(name)),
                QLatin1String(qstrcmp(name, "One") == 0 ? "IsSelectedByDefault=\"true\"" : ""));
    prepareDisc(environment.path(QStringLiteral("disc")), options);
    {
        QScopedPointer<FrontEnd> before(new FrontEnd(0));
        before->prepareLanguages();
        before->resumeInLanguage(QStringLiteral("en"), 0);
        before->navigate_IS();
        QCoreApplication::processEvents();
        const QList<InstallRow> rows = before->installRows();
        QCOMPARE(rows.size(), 3);
        rows.at(0).checkBox->setChecked(false);
        rows.at(1).checkBox->setChecked(true);
        rows.at(2).checkBox->setChecked(true);
        QCoreApplication::processEvents();
        qputenv("TAM_SIMULATE_SHELLEXECUTE_RESULT", "42");
        object<QPushButton>(before.data(), QStringLiteral("IS_InstallNow"))->click();
        qunsetenv("TAM_SIMULATE_SHELLEXECUTE_RESULT");
        QVERIFY(before->isInstalling());
    }
    // Two was installed, then an installer restarted Windows.
    markInstalled(QStringLiteral("Two"));
    QVERIFY(recoveryValue().endsWith(QStringLiteral(" en 2")));
    recorder.messages.clear();

    // What Windows runs at the next logon: setup with the language and step 2.
    FrontEnd window(2);
    window.prepareLanguages();
    window.resumeInLanguage(QStringLiteral("de"), 2);
    QVERIFY(object<QWidget>(&window, QStringLiteral("IS"))->isVisibleTo(&window));
    QVERIFY(!object<QWidget>(&window, QStringLiteral("MM"))->isVisibleTo(&window));
    QCOMPARE(window.languageCode(), QStringLiteral("de"));
    QTRY_COMPARE(recorder.significantTexts().size(), 1);
    QCOMPARE(recorder.messages.last().icon, MessageSeam::Information);
    const QString notice = recorder.significantTexts().first();
    QVERIFY2(notice.contains(QStringLiteral("Three name")), qPrintable(notice));
    QVERIFY(!notice.contains(QStringLiteral("Two name")));
    const QList<InstallRow> rows = window.installRows();
    QVERIFY(!rows.at(0).checkBox->isChecked());
    QVERIFY(!rows.at(1).checkBox->isEnabled());
    QVERIFY(rows.at(2).checkBox->isChecked());
    QVERIFY(object<QWidget>(&window, QStringLiteral("IS_InstallNow"))->isEnabled());
    QVERIFY(recoveryValue().isEmpty());
    QVERIFY(RecoveryEntry::selection().isEmpty());
}

void TestInstallPage::refusesRunListTooLargeForTheSegment()
{
    TestEnvironment environment;
    MessageRecorder recorder;
    ProductOptions options;
    options.languages = QStringList{QStringLiteral("en")};
    // Long enough that the run list outgrows the 1 MiB segment.
    const QString longName = QString(300000, QLatin1Char('n'));
    options.applications = application(QStringLiteral("Big"),
                                       installer(longName, QStringLiteral("Big")),
                                       QStringLiteral("IsSelectedByDefault=\"true\""));
    QScopedPointer<FrontEnd> window(openPage(environment, options));
    QCoreApplication::processEvents();
    auto *action = object<QPushButton>(window.data(), QStringLiteral("IS_InstallNow"));
    QVERIFY(action->isEnabled());
    action->click();

    QVERIFY(!window->isInstalling());
    QVERIFY(!window->helperChannel()->pollTimer());
    QVERIFY(recorder.messages.last().text.contains(QStringLiteral("too many")));
    QVERIFY(action->isEnabled());
    QVERIFY(window->installRows().first().checkBox->isEnabled());
    QVERIFY(object<QWidget>(window.data(), QStringLiteral("IS_MainMenu"))->isEnabled());
    // Nothing was handed over: the segment still holds no run list.
    QSharedMemory *segment = window->segment();
    segment->lock();
    const auto *units = static_cast<const char16_t *>(segment->constData());
    const bool untouched = units[0] == 0;
    segment->unlock();
    QVERIFY(untouched);
}

void TestInstallPage::followsTheHelpersMessages_data()
{
    QTest::addColumn<bool>("rearranged");
    QTest::newRow("rows and animation in the page") << false;
    QTest::newRow("rows nested, animation beside them") << true;
}

void TestInstallPage::followsTheHelpersMessages()
{
    QFETCH(bool, rearranged);
    TestEnvironment environment;
    MessageRecorder recorder;
    ProductOptions options;
    options.languages = QStringList{QStringLiteral("en")};
    if (rearranged) {
        options.skin = QStringLiteral("RearrangedSkin.ui");
        QVERIFY(writeRearrangedSkin(environment.path(QStringLiteral("disc/RearrangedSkin.ui"))));
    }
    // One's first installer is there already: the helper is handed only the second.
    QVERIFY(writeImage(environment.path(QStringLiteral("disc/wait1.png")), 10));
    QVERIFY(writeImage(environment.path(QStringLiteral("disc/wait2.png")), 20));
    const QString waits = QStringLiteral("NeedsWaitScreen=\"true\" WaitScreenImage=\"wait%1.png\"");
    markInstalled(QStringLiteral("One1"));
    options.applications
            = application(QStringLiteral("One"),
                          installer(QStringLiteral("One1"), QStringLiteral("One1"), waits.arg(1))
                                  + installer(QStringLiteral("One2"),
                                              QStringLiteral("One2"),
                                              waits.arg(2)),
                          QStringLiteral("IsSelectedByDefault=\"true\""))
              + application(QStringLiteral("Two"),
                            installer(QStringLiteral("Two"), QStringLiteral("Two")),
                            QStringLiteral("IsSelectedByDefault=\"true\""));
    // The helper is not found, so the messages are posted by the test instead.
    qputenv("TAM_SIMULATE_SHELLEXECUTE_RESULT", "42");
    QScopedPointer<FrontEnd> window(openPage(environment, options));
    QCoreApplication::processEvents();
    QCOMPARE(recorder.significantTexts(), QStringList());
    object<QPushButton>(window.data(), QStringLiteral("IS_InstallNow"))->click();
    qunsetenv("TAM_SIMULATE_SHELLEXECUTE_RESULT");
    QVERIFY(window->isInstalling());
    QCOMPARE(window->helperChannel()->runList().size(), 2);
    QVERIFY(window->helperChannel()->pollTimer());

    QSharedMemory helperSide(QString::fromLatin1(SegmentProtocol::DefaultKey));
    QVERIFY(!HelperSegment::readRunList(helperSide).isEmpty());
    QVERIFY(HelperSegment::clear(helperSide));
    const QList<InstallRow> rows = window->installRows();
    auto *busy = object<QLabel>(window.data(), QStringLiteral("IS_ANI"));

    QVERIFY(HelperSegment::post(helperSide, ShowWait, 0, 0));
    QTRY_VERIFY(!object<QWidget>(window.data(), QStringLiteral("WaitScreen"))->isHidden());
    QCOMPARE(object<QLabel>(window.data(), QStringLiteral("WaitScreenImage"))
                     ->pixmap(Qt::ReturnByValue)
                     .width(),
             20);
    QVERIFY(HelperSegment::post(helperSide, HideWait));

    QVERIFY(HelperSegment::post(helperSide, AppStarted, 1));
    QTRY_VERIFY(!busy->isHidden());
    QVERIFY(rows.at(1).status->isHidden());
    QCOMPARE(busy->mapTo(window.data(), QPoint(0, 0)).y(),
             rows.at(1).status->mapTo(window.data(), QPoint(0, 0)).y());

    markInstalled(QStringLiteral("Two"));
    QVERIFY(HelperSegment::post(helperSide, AppFinished, 1));
    QTRY_VERIFY(busy->isHidden());
    QCOMPARE(rows.at(1).status->text(), QStringLiteral("Installed!"));
    QVERIFY(!rows.at(1).checkBox->isChecked());
    QCOMPARE(rows.at(1).checkBox->toolTip(), QStringLiteral("Installed"));

    // The helper refused a payload that was not the one downloaded: the user hears of it.
    recorder.messages.clear();
    QVERIFY(HelperSegment::post(helperSide, AppFailed, 0, 2));
    QTRY_VERIFY(!recorder.messages.isEmpty());
    QCOMPARE(recorder.messages.last().title, QStringLiteral("Installation error"));
    QCOMPARE(recorder.messages.last().text,
             QStringLiteral("One name was not installed: its installer does not match the one "
                            "that was downloaded and may have been altered."));

    QVERIFY(HelperSegment::post(helperSide, RunFinished));
    QTRY_VERIFY(!window->isInstalling());
    QVERIFY(!window->helperChannel()->pollTimer());
    QVERIFY(object<QWidget>(window.data(), QStringLiteral("MM"))->isVisibleTo(window.data()));
    QVERIFY(object<QWidget>(window.data(), QStringLiteral("IS_InstallNow"))->isEnabled());
    QCOMPARE(object<QWidget>(window.data(), QStringLiteral("IS_Widget"))->height(), 60);
}

QTEST_MAIN(TestInstallPage)
#include "tst_installpage.moc"
