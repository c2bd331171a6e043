// From the demo disc to installed applications: setup runs offscreen on a copy of the demo disc
// and a fresh simulated machine, hands two applications to the real setup_runner and follows it
// to the end. The helper's boxes go to a log file instead of the screen.

#include "application.h"
#include "euladlg.h"
#include "frontend.h"
#include "frontendhooks.h"
#include "hostfiles.h"
#include "machine.h"
#include "messageseam.h"
#include "registry.h"
#include "setupsettings.h"
#include "startupplan.h"
#include "testhttpserver.h"

#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString RunOnceKey = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce");

bool copyTree(const QString &from, const QString &to)
{
    return QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-a"), from, to}) == 0;
}

QString recoveryValue()
{
    sys::RegKey key = sys::RegKey::open(
            sys::RegRoot::CurrentUser, RunOnceKey.toStdWString(), sys::RegAccess::QueryValue);
    std::wstring text;
    if (!key.isOpen() || !key.readString(L"TamRecoverInstall", text))
        return QString();
    return QString::fromStdWString(text);
}

bool isUninstallEntry(const QString &productCode)
{
    const std::wstring path
            = (QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\")
               + productCode)
                      .toStdWString();
    for (uint32_t view : {sys::RegAccess::Wow64_64Key, sys::RegAccess::Wow64_32Key}) {
        if (sys::RegKey::open(sys::RegRoot::LocalMachine, path, sys::RegAccess::Read | view)
                    .isOpen())
            return true;
    }
    return false;
}

} // namespace

class TestInstallDemo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void installsTwoApplicationsFromTheDisc();
    void downloadsPausesResumesAndInstallsFromTheWeb();

private:
    QTemporaryDir m_root;
    QString m_disc;
    QString m_helperLog;
    int m_licencesShown = 0;
};

void TestInstallDemo::initTestCase()
{
    QVERIFY(m_root.isValid());
    m_disc = m_root.path() + QStringLiteral("/disc");
    QVERIFY(copyTree(QStringLiteral(TAM_DEMO_DISC), m_disc));
    // The helper that answers its boxes from the environment stands in for the shipped one.
    const QString helper = m_disc + QStringLiteral("/setup_runner");
    QVERIFY(QFile::remove(helper));
    QVERIFY(QFile::copy(QStringLiteral(TAM_UNATTENDED_HELPER), helper));
    // A fresh machine from the demo's seed: the build's own demo machine may carry earlier runs.
    const QString machine = m_root.path() + QStringLiteral("/machine");
    for (const char *folder : {"drive_c/Program Files",
                               "drive_c/Program Files (x86)",
                               "drive_c/Windows/System32",
                               "drive_c/users/Public"})
        QVERIFY(QDir().mkpath(machine + QLatin1Char('/') + QLatin1String(folder)));
    QVERIFY(QFile::copy(QStringLiteral(TAM_DEMO_MACHINE_SEED),
                        machine + QStringLiteral("/registry.reg")));
    // The helper is a process of its own: it finds the machine and the segment through the
    // environment, and its boxes are logged and answered there.
    qputenv("TAM_MACHINE", QFile::encodeName(machine));
    sys::setMachineRoot(QFile::encodeName(machine).toStdString());
    QDir().mkpath(m_root.path() + QStringLiteral("/tmp"));
    qputenv("TMPDIR", QFile::encodeName(m_root.path() + QStringLiteral("/tmp")));
    m_helperLog = m_root.path() + QStringLiteral("/helper-messages.log");
    qputenv("TAM_MESSAGE_LOG", QFile::encodeName(m_helperLog));
    qputenv("TAM_MESSAGE_ANSWER", "No");
    MessageSeam::setHandler(
            [](QObject *, MessageSeam::Icon, const QString &title, const QString &text, int, int) {
                qWarning("unexpected box: %s: %s", qPrintable(title), qPrintable(text));
                return int(MessageSeam::Ok);
            });
    FrontEndHooks::setOpenUrl([](const QUrl &) { return true; });
    FrontEndHooks::setStartDetached([](const QString &, const QString &) { return true; });
    FrontEndHooks::setProgramDirectory(m_disc);
    // The disc names an update server; this test installs from the disc without it.
    FrontEndHooks::setUpdateCheck([](FrontEnd *) { return true; });
    FrontEndHooks::setLicenceDialog([this](EULADlg *) {
        ++m_licencesShown;
        return int(QDialog::Accepted);
    });
}

void TestInstallDemo::cleanupTestCase()
{
    MessageSeam::setHandler({});
    FrontEndHooks::setLicenceDialog({});
    FrontEndHooks::setUpdateCheck({});
    qunsetenv("TAM_MESSAGE_LOG");
    qunsetenv("TAM_MESSAGE_ANSWER");
}

void TestInstallDemo::installsTwoApplicationsFromTheDisc()
{
    const StartupPlan plan
            = StartupPlan::prepare(m_disc, {QStringLiteral("en"), QStringLiteral("0")});
    QVERIFY(!plan.exitAtOnce);
    QDir::setCurrent(m_disc);
    FrontEnd window(0);
    window.prepareLanguages();
    window.resumeInLanguage(QStringLiteral("en"), 0);
    window.navigate_IS();
    QCoreApplication::processEvents();

    const QStringList wanted = {QStringLiteral("ScanUtility"), QStringLiteral("TextRecognition")};
    QList<InstallRow> chosen;
    for (const InstallRow &row : window.installRows()) {
        const bool pick = wanted.contains(row.application->shortName());
        QVERIFY2(!pick || row.checkBox->isEnabled(), qPrintable(row.application->shortName()));
        row.checkBox->setChecked(pick);
        if (pick)
            chosen << row;
    }
    QCOMPARE(chosen.size(), 2);
    QCoreApplication::processEvents();
    auto *action = window.findChild<QPushButton *>(QStringLiteral("IS_InstallNow"));
    QVERIFY(action->isEnabled());

    action->click();
    // The scan utility comes under the maker's licence.
    QCOMPARE(m_licencesShown, 1);
    QVERIFY(window.isInstalling());
    // Until the helper reports the end, a restart would bring the user back to this page.
    QCOMPARE(recoveryValue(),
             QDir::toNativeSeparators(QCoreApplication::applicationFilePath())
                             .replace(QLatin1Char('/'), QLatin1Char('\\'))
                     + QStringLiteral(" en 2"));

    QTRY_VERIFY_WITH_TIMEOUT(!window.isInstalling(), 60000);
    for (const InstallRow &row : qAsConst(chosen)) {
        QCOMPARE(row.status->text(), QStringLiteral("Installed!"));
        QVERIFY(!row.checkBox->isChecked());
    }
    QVERIFY(isUninstallEntry(QStringLiteral("{9A1B2C3D-5E6F-4A7B-8C9D-0E1F2A3B4C5D}")));
    // The second one came out of the disc's cabinet first.
    QVERIFY(isUninstallEntry(QStringLiteral("{3E4F5A6B-7C8D-4E9F-8A0B-1C2D3E4F5A6B}")));
    QVERIFY(recoveryValue().isEmpty());
    // The helper showed no box; the scan utility's welcome page is the only thing it opened.
    QFile helperLog(m_helperLog);
    QVERIFY(helperLog.open(QIODevice::ReadOnly));
    QCOMPARE(helperLog.readAll().trimmed(),
             QByteArray("open|https://www.tamberlin.com/welcome/capture"));
    QVERIFY(window.findChild<QWidget *>(QStringLiteral("MM"))->isVisibleTo(&window));
}

void TestInstallDemo::downloadsPausesResumesAndInstallsFromTheWeb()
{
    // The update server: the demo installer as a web installer, slow enough to be paused.
    QFile program(QStringLiteral(TAM_DEMOINSTALLER));
    QVERIFY(program.open(QIODevice::ReadOnly));
    const QByteArray payload = program.readAll();
    TestHttpServer server;
    QVERIFY(server.listen());
    server.behaviour().body = payload;
    server.behaviour().bytesPerSecond = qMax<qint64>(payload.size() / 4, 64 * 1024);

    const QString code = QStringLiteral("{7A7A7A7A-1111-4222-8333-944455556666}");
    const QString update
            = QStringLiteral(
                      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<Scanner ShortName=\"DS-410\" LongName=\"Tamberlin DocuStream 410\" "
                      "PID=\"0a41\" Skin=\"TamSkin.ui\" Brand=\"Tamberlin\">"
                      "<supportedlanguages><language IsoCode=\"en\"/></supportedlanguages>"
                      "<application ShortName=\"WebTool\"><displayname><string Language=\"en\" "
                      "Value=\"Web Tool\"/></displayname><installationplatform Value=\"all\">"
                      "<installer DisplayName=\"Web Tool\" url=\"%1\" size=\"%2\" "
                      "TargetPath=\"$DownloadPath$\\WebToolSetup.exe\" "
                      "Executable=\"$DownloadPath$\\WebToolSetup.exe\" "
                      "CommandLine=\"/S /code=%3 /name=&quot;Web Tool&quot; /version=1.0\">"
                      "<checker Type=\"installer\" QueryValue=\"%3\" MatchMode=\"exists\"/>"
                      "</installer></installationplatform></application></Scanner>\n")
                      .arg(server.url(QStringLiteral("/WebToolSetup.exe")).toString())
                      .arg(payload.size())
                      .arg(code);

    QStringList boxes;
    MessageSeam::setHandler(
            [&boxes](QObject *, MessageSeam::Icon, const QString &, const QString &text, int, int) {
                boxes << text;
                return int(MessageSeam::Ok);
            });
    const StartupPlan plan
            = StartupPlan::prepare(m_disc, {QStringLiteral("en"), QStringLiteral("0")});
    QVERIFY(!plan.exitAtOnce);
    QDir::setCurrent(m_disc);
    // Where the online check leaves the update description of a disc.
    const QString updateFolder = HostFiles::hostPath(SetupSettings::updatePath());
    QVERIFY(QDir().mkpath(updateFolder));
    QFile updateFile(updateFolder + QStringLiteral("/update.xml"));
    QVERIFY(updateFile.open(QIODevice::WriteOnly));
    updateFile.write(update.toUtf8());
    updateFile.close();
    // Downloads go below the test's folder, not into the user's own.
    SetupSettings::setDownloadPath(
            SetupSettings::withBackslashes(m_root.path() + QStringLiteral("/TamDownload")));
    FrontEnd window(0);
    window.prepareLanguages();
    window.resumeInLanguage(QStringLiteral("en"), 0);
    QCOMPARE(window.sourceMode(), SourceMode::Merged);
    window.navigate_IS();
    QCoreApplication::processEvents();
    for (const InstallRow &row : window.installRows())
        row.checkBox->setChecked(row.application->shortName() == QLatin1String("WebTool"));
    auto *action = window.findChild<QPushButton *>(QStringLiteral("IS_InstallNow"));
    QTRY_COMPARE(action->text(), QStringLiteral("Download"));

    action->click();
    QTRY_COMPARE(action->text(), QStringLiteral("Pause"));
    action->click();
    QTRY_COMPARE(action->text(), QStringLiteral("Resume"));
    server.behaviour().bytesPerSecond = 0;
    action->click();
    QTRY_VERIFY_WITH_TIMEOUT(
            boxes.contains(QStringLiteral("To install a program, select it from the list and then "
                                          "click Install.")),
            30000);
    QCOMPARE(QFileInfo(m_root.path() + QStringLiteral("/TamDownload/WebToolSetup.exe")).size(),
             qint64(payload.size()));

    // Downloaded, the entry is installed with Install like one from the disc.
    QTRY_COMPARE(action->text(), QStringLiteral("Install"));
    QVERIFY(action->isEnabled());
    action->click();
    QVERIFY(window.isInstalling());
    QTRY_VERIFY_WITH_TIMEOUT(!window.isInstalling(), 60000);
    QVERIFY(isUninstallEntry(code));
    QVERIFY(recoveryValue().isEmpty());
    for (const InstallRow &row : window.installRows()) {
        if (row.application->shortName() == QLatin1String("WebTool"))
            QCOMPARE(row.status->text(), QStringLiteral("Installed!"));
    }
}

QTEST_MAIN(TestInstallDemo)
#include "tst_installdemo.moc"
