// The Install Software page's state without its window: what the action hands on in each
// catalogue mode, what the recovery entry keeps of the ticks, and the ticks a resume brings
// back.

#include "application.h"
#include "frontendtestsupport.h"
#include "installpagecatalogue.h"
#include "installpagemodel.h"

#include <QtTest>

namespace {

// The page's rows for the product files prepareDisc() laid out, in the mode setup would choose,
// on a machine where the installers of installedKeys are installed.
struct Page
{
    Page(const ProductOptions &options, bool updateOnly, const QStringList &installedKeys = {})
    {
        for (const QString &key : installedKeys)
            markInstalled(key);
        prepareDisc(environment.path(QStringLiteral("disc")), options, updateOnly);
        info.setLanguage(QStringLiteral("en_us"));
        const QString disc = SetupSettings::setupPath() + QStringLiteral("\\scanner_win.xml");
        const QString update = SetupSettings::withBackslashes(
                environment.path(QStringLiteral("disc/update.xml")));
        if (updateOnly) {
            mode = SourceMode::UpdateOnly;
            info.load(update, false, false);
        } else if (options.updateApplications.isEmpty()) {
            mode = SourceMode::DiscOnly;
            info.load(disc, true, false);
        } else {
            mode = SourceMode::Merged;
            info.load(disc, true, true);
            info.load(update, false, true);
            info.merge();
        }
        model.reset(new InstallPageModel(info.applications(), mode, {}));
        model->refresh();
    }

    int rowNamed(const QString &shortName) const
    {
        for (int row = 0; row < model->rowCount(); ++row) {
            if (model->application(row)->shortName() == shortName)
                return row;
        }
        return -1;
    }
    QList<Application *> rowsNamed(const QStringList &shortNames) const
    {
        QList<Application *> applications;
        for (const QString &name : shortNames)
            applications << model->application(rowNamed(name));
        return applications;
    }

    TestEnvironment environment;
    MessageRecorder recorder;
    ScannerInfo info;
    SourceMode mode = SourceMode::None;
    QScopedPointer<InstallPageModel> model;
};

} // namespace

class TestInstallPageModel : public QObject
{
    Q_OBJECT

private slots:
    void handsOnWhatIsTicked_data();
    void handsOnWhatIsTicked();
    void bringsBackTheInterruptedSelection();
};

void TestInstallPageModel::handsOnWhatIsTicked_data()
{
    QTest::addColumn<QString>("discApplications");
    QTest::addColumn<QString>("updateApplications");
    // Rows the user ticks, unticks ("-Name") or switches to a source ("Name/web", "Name/dvd").
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("toInstall");
    QTest::addColumn<QStringList>("toDownload");
    QTest::addColumn<quint64>("total");
    QTest::addColumn<QStringList>("selection");
    // Whether the page may say that newer versions are on the web.
    QTest::addColumn<bool>("webOffered");

    const QString url = QStringLiteral("http://127.0.0.1:9/x");
    const QString ticked = QStringLiteral("IsSelectedByDefault=\"true\"");
    const QString driver = application("Driver", installer("Driver", "D"), ticked)
                           + application("Tool", installer("Tool", "T"));
    const QString cloud = application("Cloud", webInstaller("Cloud", "C", url, 1572864), ticked);
    const QString discCapture = application("Capture", installer("Capture", "Cap"), ticked);
    QString webCapture
            = application("Capture", webInstaller("Capture", "CapWeb", url, 1024), ticked);
    webCapture.replace(QStringLiteral("MatchValue=\"1.0\""), QStringLiteral("MatchValue=\"2.0\""));

    QTest::newRow("disc: every ticked row is installed")
            << driver << QString() << QStringList{"Tool"} << QStringList()
            << QStringList{"Driver", "Tool"} << QStringList() << quint64(0)
            << QStringList{"Driver", "Tool"} << false;
    QTest::newRow("disc: an unticked default is not")
            << driver << QString() << QStringList{"-Driver"} << QStringList() << QStringList()
            << QStringList() << quint64(0) << QStringList() << false;
    QTest::newRow("update: a ticked download comes first")
            << QString() << cloud << QStringList() << QStringList() << QStringList()
            << QStringList{"Cloud"} << quint64(1572864) << QStringList{"Cloud"} << true;
    QTest::newRow("update: a payload fetched earlier is installed at once")
            << QString() << cloud << QStringList() << QStringList{"Cloud"} << QStringList{"Cloud"}
            << QStringList() << quint64(0) << QStringList{"Cloud"} << true;
    QTest::newRow("merged: a pair chosen from the web is fetched with the rest")
            << discCapture << webCapture + cloud << QStringList() << QStringList() << QStringList()
            << QStringList{"Capture", "Cloud"} << quint64(1024 + 1572864)
            << QStringList{"Capture/web", "Cloud"} << true;
    QTest::newRow("merged: a pair chosen from the disc downloads nothing")
            << discCapture << webCapture + cloud << QStringList{"Capture/dvd"} << QStringList()
            << QStringList() << QStringList{"Cloud"} << quint64(1572864)
            << QStringList{"Capture/dvd", "Cloud"} << true;
}

void TestInstallPageModel::handsOnWhatIsTicked()
{
    QFETCH(QString, discApplications);
    QFETCH(QString, updateApplications);
    QFETCH(QStringList, changes);
    QFETCH(QStringList, present);
    QFETCH(QStringList, toInstall);
    QFETCH(QStringList, toDownload);
    QFETCH(quint64, total);
    QFETCH(QStringList, selection);
    QFETCH(bool, webOffered);

    ProductOptions options;
    options.languages = QStringList{QStringLiteral("en")};
    const bool updateOnly = discApplications.isEmpty();
    options.applications = updateOnly ? updateApplications : discApplications;
    options.updateApplications = updateOnly ? QString() : updateApplications;
    Page page(options, updateOnly);
    for (const QString &file : present)
        QVERIFY(writeFile(
                page.environment.path(QStringLiteral("disc/TamDownload/%1.exe").arg(file)),
                QByteArray(1572864, 'x')));
    for (const QString &change : changes) {
        const QString name = change.section(QLatin1Char('/'), 0, 0).remove(QLatin1Char('-'));
        const int row = page.rowNamed(name);
        QVERIFY2(row >= 0, qPrintable(name));
        if (change.contains(QLatin1Char('/')))
            page.model->application(row)->setUseWebVersion(change.endsWith(QLatin1String("web")));
        else
            page.model->setTicked(row, !change.startsWith(QLatin1Char('-')));
    }
    page.model->refresh();

    QCOMPARE(page.model->downloadsFirst(), !toDownload.isEmpty());
    QCOMPARE(page.model->applicationsToInstall(), page.rowsNamed(toInstall));
    QCOMPARE(page.model->applicationsToDownload(), page.rowsNamed(toDownload));
    QCOMPARE(page.model->downloadTotal(), total);
    QCOMPARE(page.model->selection(), selection);
    QCOMPARE(page.model->anyWebSourceOffered(), webOffered);
    QCOMPARE(page.recorder.significantTexts(), QStringList());
}

// What the recovery entry kept is ticked again where a row still can be: an application
// installed meanwhile stays as it is, and a pair gets its source back.
void TestInstallPageModel::bringsBackTheInterruptedSelection()
{
    const QString url = QStringLiteral("http://127.0.0.1:9/x");
    ProductOptions options;
    options.languages = QStringList{QStringLiteral("en")};
    options.applications = application("One", installer("One", "One"))
                           + application("Two", installer("Two", "Two"))
                           + application("Capture", installer("Capture", "Cap"));
    QString webCapture = application("Capture", webInstaller("Capture", "CapWeb", url, 1024));
    webCapture.replace(QStringLiteral("MatchValue=\"1.0\""), QStringLiteral("MatchValue=\"2.0\""));
    options.updateApplications = webCapture;
    Page page(options, false, {QStringLiteral("Two")});
    page.model->application(page.rowNamed("Capture"))->setUseWebVersion(false);

    const QStringList ticked
            = page.model->applySelection({"Two", "Capture/web", "Gone", "One/dvd"});
    QCOMPARE(ticked, (QStringList{"One name", "Capture name"}));
    QCOMPARE(page.model->selection(), (QStringList{"One", "Capture/web"}));
    QVERIFY(!page.model->row(page.rowNamed("Two")).ticked);
    QCOMPARE(page.model->row(page.rowNamed("Two")).status, InstallPageModel::Status::Installed);
    QCOMPARE(page.model->row(page.rowNamed("Capture")).choice, InstallPageModel::Choice::Web);
    QCOMPARE(page.model->downloadTotal(), quint64(1024));
}

QTEST_GUILESS_MAIN(TestInstallPageModel)
#include "tst_installpagemodel.moc"
