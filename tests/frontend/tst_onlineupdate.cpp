// The online update as setup runs it, against a private HTTPS update server: device selection of
// a copy without its disc, the device-mode check of the demo disc whose merged bundle the
// Install page then offers, and the real setup replacing itself with the newer one a setup
// package brings.

#include "application.h"
#include "checkupdatedlg.h"
#include "connectscannerdlg.h"
#include "fileversionrecord.h"
#include "frontend.h"
#include "frontendhooks.h"
#include "hostfiles.h"
#include "machine.h"
#include "messageseam.h"
#include "scannerinfo.h"
#include "selectscannerdlg.h"
#include "setupsettings.h"
#include "startupplan.h"
#include "updateseams.h"
#include "updateserver.h"

#include <QDomDocument>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <unistd.h>

class TestOnlineUpdate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void deviceSelection_data();
    void deviceSelection();
    void deviceModeOffersTheBundle();
    void resumeDoesNotAskAgain();
    void onlyACatalogueIsUsed_data();
    void onlyACatalogueIsUsed();
    void newerSetupReplacesTheRunningCopy();

private:
    bool copyDisc(const QString &to);

    UpdateServer m_server;
    QTemporaryDir m_root;
    QStringList m_dialogs;
    QStringList m_messages;
};

namespace {

DeviceRecord demoScanner()
{
    DeviceRecord record;
    record.vendorId = 0x04A7;
    record.productId = 0x0A41;
    record.serialNumber = L"TD410-0815";
    record.model = L"DocuStream 410";
    record.productIdText = L"0A41";
    return record;
}

// The pid of a running process whose program is file, or 0.
pid_t processRunning(const QString &file)
{
    const QString wanted = QFileInfo(file).canonicalFilePath();
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool isPid = false;
        const pid_t pid = entry.toInt(&isPid);
        if (isPid
            && QFileInfo(QStringLiteral("/proc/%1/exe").arg(entry)).canonicalFilePath() == wanted)
            return pid;
    }
    return 0;
}

} // namespace

void TestOnlineUpdate::initTestCase()
{
    qRegisterMetaType<QNetworkReply::NetworkError>();
    QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
    QDir().mkpath(m_root.filePath(QStringLiteral("tmp")));
    qputenv("TMPDIR", QFile::encodeName(m_root.filePath(QStringLiteral("tmp"))));
    const QString machine = m_root.filePath(QStringLiteral("machine"));
    QDir().mkpath(machine + QStringLiteral("/drive_c/Program Files"));
    qputenv("TAM_MACHINE", QFile::encodeName(machine));
    sys::setMachineRoot(QFile::encodeName(machine).toStdString());
    UpdateSeams::setTimeScale(0.02);
    UpdateSeams::setScan([](uint32_t) { return std::vector<DeviceRecord>{demoScanner()}; });
    // Each dialog is noted; the device-mode check is answered "Yes" and followed to its end,
    // the others are left as a person would who does not go on.
    UpdateSeams::setRunner([this](QDialog *dialog) {
        m_dialogs << QString::fromLatin1(dialog->metaObject()->className());
        if (auto *check = qobject_cast<CheckUpdateDlg *>(dialog)) {
            if (!check->isRunning())
                check->findChild<QPushButton *>(QStringLiteral("m_btnYes"))->click();
            // A check that never ends shows in the test's own comparisons of what followed.
            if (!QTest::qWaitFor([check] { return check->isFinished(); }, 20000))
                qWarning("the device-mode check did not end within 20 s");
        }
        return int(QDialog::Rejected);
    });
    MessageSeam::setHandler([this](QObject *,
                                   MessageSeam::Icon,
                                   const QString &title,
                                   const QString &text,
                                   int,
                                   int) {
        m_messages << title + QStringLiteral(": ") + text;
        return int(MessageSeam::Ok);
    });
    FrontEndHooks::setOpenUrl([](const QUrl &) { return true; });
    FrontEndHooks::setStartDetached([](const QString &, const QString &) { return true; });
}

void TestOnlineUpdate::cleanupTestCase()
{
    MessageSeam::setHandler({});
    FrontEndHooks::setProgramDirectory(QString());
}

void TestOnlineUpdate::deviceSelection_data()
{
    QTest::addColumn<bool>("inUpdateFolder");
    QTest::addColumn<QStringList>("dialogs");
    QTest::newRow("offline: the setup check closes silently and selection goes on")
            << false << QStringList{"CheckUpdateDlg", "ConnectScannerDlg", "SelectScannerDlg"};
    QTest::newRow("a copy in the update folder looks for no newer setup")
            << true << QStringList{"ConnectScannerDlg", "SelectScannerDlg"};
}

void TestOnlineUpdate::deviceSelection()
{
    QFETCH(bool, inUpdateFolder);
    QFETCH(QStringList, dialogs);
    m_dialogs.clear();
    m_messages.clear();
    UpdateServer::useHosts(m_server.host(), QStringLiteral("127.0.0.1:1"));
    const QString copy = m_root.filePath(QStringLiteral("copy"));
    QDir().mkpath(copy);
    FrontEndHooks::setProgramDirectory(copy);
    QVERIFY(!StartupPlan::prepare(copy, {}).exitAtOnce);
    if (inUpdateFolder)
        SetupSettings::setSetupPath(SetupSettings::updatePath());
    FrontEnd window(0);
    // No scanner was chosen, so setup ends.
    QVERIFY(!window.runDeviceSelection());
    QVERIFY(!window.newerSetupStarted());
    QCOMPARE(m_dialogs, dialogs);
    QCOMPARE(m_messages, QStringList());
    UpdateServer::useHosts(m_server.host(), m_server.host());
}

bool TestOnlineUpdate::copyDisc(const QString &to)
{
    if (QProcess::execute(QStringLiteral("cp"),
                          {QStringLiteral("-a"), QStringLiteral(TAM_DEMO_DISC), to})
        != 0)
        return false;
    QFile product(to + QStringLiteral("/scanner_win.xml"));
    if (!product.open(QIODevice::ReadWrite))
        return false;
    QByteArray text = product.readAll();
    text.replace("http://www.tamberlin.com/Downloads/updater",
                 QStringLiteral("https://%1/Downloads/updater").arg(m_server.host()).toUtf8());
    product.resize(0);
    product.write(text);
    return true;
}

void TestOnlineUpdate::deviceModeOffersTheBundle()
{
    // The demo's update description split as the server keeps it: the model's scanner file,
    // and a bundle with the template gallery that only the web offers.
    QFile demo(QStringLiteral(TAM_DEMO_UPDATE_XML));
    QVERIFY(demo.open(QIODevice::ReadOnly));
    QDomDocument scanner;
    QVERIFY(scanner.setContent(&demo));
    QDomElement root = scanner.documentElement();
    root.setAttribute(QStringLiteral("BundleURL"),
                      QStringLiteral("https://%1/Downloads/updater/0A41/Windows/0A41_Bundle_A.xml")
                              .arg(m_server.host()));
    QDomDocument bundle;
    QDomElement bundleRoot = bundle.createElement(QStringLiteral("Bundle"));
    bundleRoot.setAttribute(QStringLiteral("MinSetupVersion"), QStringLiteral("1.0"));
    bundle.appendChild(bundleRoot);
    for (QDomElement entry = root.firstChildElement(QStringLiteral("application")); !entry.isNull();
         entry = entry.nextSiblingElement(QStringLiteral("application"))) {
        if (entry.attribute(QStringLiteral("ShortName")) == QLatin1String("TemplateGallery")) {
            bundleRoot.appendChild(bundle.importNode(entry, true));
            root.removeChild(entry);
            break;
        }
    }
    m_server.putModelFile("0A41", "0A41_SN.xml", "<SN><Model DefaultBundle=\"A\"/></SN>");
    m_server.putModelFile("0A41", "0A41_A.xml", scanner.toByteArray());
    m_server.putModelFile("0A41", "0A41_Bundle_A.xml", bundle.toByteArray());
    m_server.removeSetupUpdate();

    const QString disc = m_root.filePath(QStringLiteral("disc"));
    QVERIFY(copyDisc(disc));
    FrontEndHooks::setProgramDirectory(disc);
    QVERIFY(!StartupPlan::prepare(disc, {}).exitAtOnce);
    QDir::setCurrent(disc);
    m_dialogs.clear();
    m_messages.clear();
    FrontEnd window(0);
    window.prepareLanguages();
    window.resumeInLanguage(QStringLiteral("en"), 0);
    QCOMPARE(m_dialogs, QStringList{"CheckUpdateDlg"});
    QCOMPARE(m_messages, QStringList());
    QCOMPARE(window.sourceMode(), SourceMode::Merged);
    QCOMPARE(window.scannerInfo()->scannerSerialNumber(), QStringLiteral("TD410-0815"));
    window.navigate_IS();
    QStringList webRows;
    for (const InstallRow &row : window.installRows()) {
        if (row.application->isFromWeb())
            webRows << row.application->shortName();
    }
    QVERIFY2(webRows.contains(QStringLiteral("TemplateGallery")), qPrintable(webRows.join(' ')));
}

// The restart came in the middle of an installation the user started after answering; the
// resumed setup opens the install page without asking again.
void TestOnlineUpdate::resumeDoesNotAskAgain()
{
    const QString disc = m_root.filePath(QStringLiteral("resume-disc"));
    QVERIFY(copyDisc(disc));
    FrontEndHooks::setProgramDirectory(disc);
    QVERIFY(!StartupPlan::prepare(disc, {QStringLiteral("en"), QStringLiteral("2")}).exitAtOnce);
    // "No" before the restart: nothing was fetched.
    QVERIFY(QDir(HostFiles::hostPath(SetupSettings::updatePath())).removeRecursively());
    QDir::setCurrent(disc);
    m_dialogs.clear();
    FrontEnd window(2);
    window.prepareLanguages();
    window.resumeInLanguage(QStringLiteral("en"), 2);
    QCOMPARE(m_dialogs, QStringList());
    QCOMPARE(window.sourceMode(), SourceMode::DiscOnly);
    QVERIFY(!window.installRows().isEmpty());
}

void TestOnlineUpdate::onlyACatalogueIsUsed_data()
{
    QTest::addColumn<QByteArray>("updateXml");
    QTest::addColumn<SourceMode>("sourceMode");
    QTest::newRow("a catalogue joins the disc's")
            << QByteArray("<Scanner PID=\"0a41\"/>") << SourceMode::Merged;
    QTest::newRow("anything else is left alone")
            << QByteArray("<html>offline</html>") << SourceMode::DiscOnly;
}

// Whatever lies in the update folder as update.xml (left by an earlier run, written by a merge
// or a download) is used only when it reads as a catalogue.
void TestOnlineUpdate::onlyACatalogueIsUsed()
{
    QFETCH(QByteArray, updateXml);
    QFETCH(SourceMode, sourceMode);
    const QString disc = m_root.filePath(QStringLiteral("catalogue-disc"));
    if (!QFileInfo::exists(disc))
        QVERIFY(copyDisc(disc));
    FrontEndHooks::setProgramDirectory(disc);
    // A resume keeps the update folder as it is.
    QVERIFY(!StartupPlan::prepare(disc, {QStringLiteral("en"), QStringLiteral("0")}).exitAtOnce);
    const QString folder = HostFiles::hostPath(SetupSettings::updatePath());
    QDir().mkpath(folder);
    QFile file(folder + QStringLiteral("/update.xml"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(updateXml);
    file.close();
    FrontEnd window(0);
    window.prepareLanguages();
    QCOMPARE(window.sourceMode(), sourceMode);
}

void TestOnlineUpdate::newerSetupReplacesTheRunningCopy()
{
    // A copy of setup away from its disc; the server offers a newer build of it.
    const QString copy = m_root.filePath(QStringLiteral("away"));
    QDir().mkpath(copy);
    QVERIFY(QFile::copy(QStringLiteral(SETUP_PATH), copy + QStringLiteral("/setup")));
    QVERIFY(QFile::copy(QStringLiteral(SETUP_RUNNER_PATH), copy + QStringLiteral("/setup_runner")));
    QVERIFY(m_server.putSetupUpdate(
            QStringLiteral("9.9.9"),
            QStringLiteral("self_extr_zip"),
            {QStringLiteral("Setup=") + QStringLiteral(SETUP_PATH),
             QStringLiteral("setup_runner=") + QStringLiteral(SETUP_RUNNER_PATH)}));
    const QString updateFolder = m_root.filePath(QStringLiteral("tmp/TamSetup/TamUpdate"));

    QProcess setup;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    setup.setProcessEnvironment(environment);
    setup.setProcessChannelMode(QProcess::ForwardedChannels);
    setup.start(copy + QStringLiteral("/setup"), QStringList());
    QVERIFY(setup.waitForFinished(30000));
    QCOMPARE(setup.exitStatus(), QProcess::NormalExit);
    QCOMPARE(setup.exitCode(), 0);

    // Unpacked, started once to remove the marker, then started for good.
    const QString newer = updateFolder + QStringLiteral("/Setup");
    std::string version;
    QVERIFY(sys::readFileVersionRecord(QFile::encodeName(newer).toStdString(), version));
    QCOMPARE(QString::fromStdString(version), QStringLiteral("9.9.9"));
    QVERIFY(!QFileInfo::exists(updateFolder + QStringLiteral("/tam_setup_exit.txt")));
    pid_t running = 0;
    QTRY_VERIFY_WITH_TIMEOUT((running = processRunning(newer)) != 0, 10000);
    // It waits for the user in device selection; this test started it and ends it.
    ::kill(running, SIGTERM);
    QTRY_VERIFY_WITH_TIMEOUT(processRunning(newer) == 0, 10000);
}

QTEST_MAIN(TestOnlineUpdate)
#include "tst_onlineupdate.moc"
