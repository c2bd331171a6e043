// The update checks against the update server: the device-mode check merging a bundle or
// finding no connection, and the setup-only check from "nothing newer" to starting a newer setup
// that the demo's setup package unpacked.

#include "checkupdatedlg.h"
#include "selectscannerdlg.h"
#include "updateclient.h"
#include "updatedialogfixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTranslator>

class TestUpdateDialogs : public UpdateDialogFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { startServer(); }
    void init() { clearUpdateFolder(); }
    void cleanup() { restoreHosts(); }
    void deviceMode_data();
    void deviceMode();
    void setupOnly_data();
    void setupOnly();
    void translated_data();
    void translated();
    void closedMidSearch_data();
    void closedMidSearch();
};

namespace {

// What the setup package lays out as the newer setup: a script that, like setup, removes the
// exit marker it finds beside itself and ends; started again it notes that it runs ("started"),
// or ("vanishing") it takes itself away the first time so that it cannot be started again.
QString setupScript(const QString &folder, const QString &kind)
{
    const QString path = folder + QStringLiteral("/Setup-") + kind;
    QFile script(path);
    script.open(QIODevice::WriteOnly);
    script.write("#!/bin/sh\nd=\"$(dirname \"$0\")\"\n");
    if (kind == QLatin1String("vanishing"))
        script.write("rm -f \"$d/tam_setup_exit.txt\" \"$0\"\n");
    else
        script.write("if [ -e \"$d/tam_setup_exit.txt\" ]; then rm -f \"$d/tam_setup_exit.txt\"; "
                     "else : > \"$d/started\"; fi\n");
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    return path;
}

} // namespace

void TestUpdateDialogs::deviceMode_data()
{
    // "online", "offline", or "empty": the server answers but has nothing for the model.
    QTest::addColumn<QString>("server");
    QTest::addColumn<bool>("scannerConnected");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("merged");
    QTest::addColumn<QString>("bundleUrl"); // %1: the server; empty: the model's own
    QTest::newRow("merges the bundle of the scanner found")
            << "online" << true << QStringList() << true << "";
    QTest::newRow("offline: the connection message, once")
            << "offline" << true
            << QStringList{"Error: No connection is currently available to process the requested "
                           "operation."}
            << false << "";
    QTest::newRow("nothing for the model: says so, not that there is no connection")
            << "empty" << true
            << QStringList{"DocuStream 410 Setup: DocuStream 410 is not presently supported by "
                           "Tamberlin Update."}
            << false << "";
    QTest::newRow("no scanner: asks for one, then goes on")
            << "online" << false << QStringList() << false << "";
    const QStringList refused{
            "Error: An update address that is not secure was refused: only https is accepted."};
    QTest::newRow("a bundle over http elsewhere is refused")
            << "online" << true << refused << false << "http://localhost:1/b.xml";
    QTest::newRow("a bundle at HTTP:// (not rewritten) is refused")
            << "online" << true << refused << false
            << "HTTP://%1/Downloads/updater/0A41/Windows/bundle_b.xml";
    QTest::newRow("a bundle over https anywhere is fetched")
            << "online" << true << QStringList() << true
            << "https://%1/Downloads/updater/0A41/Windows/bundle_b.xml";
}

void TestUpdateDialogs::deviceMode()
{
    QFETCH(QString, server);
    QFETCH(bool, scannerConnected);
    QFETCH(QStringList, messages);
    QFETCH(bool, merged);
    QFETCH(QString, bundleUrl);
    if (bundleUrl.isEmpty())
        bundleUrl = QStringLiteral("http://%1/Downloads/updater/0A41/Windows/bundle_b.xml");
    m_server.putModelFile("0A41",
                          "0A41_A.xml",
                          QStringLiteral("<Scanner PID=\"0a41\" MinSetupVersion=\"1.0\" "
                                         "BundleURL=\"%1\"><Application ShortName=\"Driver\"/>"
                                         "</Scanner>")
                                  .arg(bundleUrl.arg(m_server.host()))
                                  .toUtf8());
    m_scanners.set({});
    if (scannerConnected) {
        // Only the product's own model counts; this one was found on the network.
        DeviceRecord networkScanner = scanner(0x0A41, L"S-ONE", L"DS 410");
        networkScanner.network = true;
        m_scanners.set({scanner(0x0B52, L"OTHER", L"x"), networkScanner});
    }
    // Nothing newer than this setup is on offer.
    m_server.putSetupUpdate(QStringLiteral("0.5"), QStringLiteral("self_extr_zip"));
    ScannerInfo product;
    const QString updateUrl
            = server == QLatin1String("offline")
                      ? QStringLiteral("https://127.0.0.1:1/Downloads/updater")
                      : QStringLiteral("https://%1/Downloads/%2")
                                .arg(m_server.host(),
                                     server == QLatin1String("empty") ? QStringLiteral("nothing")
                                                                      : QStringLiteral("updater"));
    loadProduct(product, updateUrl);

    CheckUpdateDlg dialog(nullptr, &product, Qt::WindowFlags(), false, true);
    dialog.exec();
    QVERIFY(dialog.isFinished());
    QVERIFY(dialog.continueSetup());
    QCOMPARE(m_messages, messages);
    QCOMPARE(m_connectDialogs, scannerConnected ? 0 : 1);
    QCOMPARE(QFileInfo::exists(updateFile("update.xml")), merged);
    if (merged) {
        const QDomElement root = rootOf(updateFile("update.xml"));
        QCOMPARE(root.attribute(QStringLiteral("ScannerSN")), QStringLiteral("S-ONE"));
        QCOMPARE(root.attribute(QStringLiteral("NetworkScanner")), QStringLiteral("true"));
        QCOMPARE(dialog.step(), int(CheckUpdateDlg::SetupDescriptionStep));
    }
}

void TestUpdateDialogs::setupOnly_data()
{
    QTest::addColumn<bool>("online");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("compression");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<bool>("packageFetched");
    QTest::addColumn<bool>("goOn");
    QTest::addColumn<QString>("sha256"); // the description's; "package": the package's own
    QTest::newRow("offline: closes without a word") << false << "9.0"
                                                    << "self_extr_zip"
                                                    << "started" << false << true << "";
    QTest::newRow("nothing newer") << true << "0.9.9"
                                   << "self_extr_zip"
                                   << "started" << false << true << "";
    QTest::newRow("zip: the package is never started") << true << "9.0"
                                                       << "zip"
                                                       << "started" << true << true << "";
    QTest::newRow("a newer setup that cannot be started keeps this one")
            << true << "9.0"
            << "DMG"
            << "vanishing" << true << true << "";
    QTest::newRow("a newer setup is started") << true << "9.0"
                                              << "self_extr_zip"
                                              << "started" << true << false << "";
    QTest::newRow("a package of the named hash is started")
            << true << "9.0"
            << "self_extr_zip"
            << "started" << true << false << "package";
    QTest::newRow("a package of another hash is deleted, never started")
            << true << "9.0"
            << "self_extr_zip"
            << "started" << true << true << QString(64, QLatin1Char('0'));
    QTest::newRow("a hash that is none matches no package")
            << true << "9.0"
            << "self_extr_zip"
            << "started" << true << true << "not-a-hash";
}

void TestUpdateDialogs::setupOnly()
{
    QFETCH(bool, online);
    QFETCH(QString, version);
    QFETCH(QString, compression);
    QFETCH(QString, setup);
    QFETCH(bool, packageFetched);
    QFETCH(bool, goOn);
    QFETCH(QString, sha256);
    QTemporaryDir scripts;
    QVERIFY(m_server.putSetupUpdate(version,
                                    compression,
                                    {QStringLiteral("Setup=") + setupScript(scripts.path(), setup)},
                                    sha256));
    if (!online)
        UpdateServer::useHosts(m_server.host(), QStringLiteral("127.0.0.1:1"));
    // Whatever an earlier run left in the update folder goes first.
    QFile(updateFile("stale.txt")).open(QIODevice::WriteOnly);
    const int before = m_server.requests().size();

    ScannerInfo product;
    CheckUpdateDlg dialog(nullptr, &product, Qt::WindowFlags(), true, false);
    QVERIFY(!QFileInfo::exists(updateFile("stale.txt")));
    // It asks nothing; it says what it does.
    QVERIFY(dialog.findChild<QLabel *>(QStringLiteral("m_lblQuestion"))->isHidden());
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("m_lblStatus"))->text(),
             QStringLiteral("Check for setup update ..."));
    dialog.exec();
    QVERIFY(dialog.isFinished());
    QCOMPARE(m_messages, QStringList());
    QCOMPARE(dialog.continueSetup(), goOn);
    const QStringList requests = m_server.requests().mid(before);
    QCOMPARE(requests.contains("GET /Downloads/updater/Windows/TamberlinUpdate.exe"),
             packageFetched);
    const bool refused = !sha256.isEmpty() && sha256 != QLatin1String("package");
    const bool unpacked = packageFetched && compression != QLatin1String("zip") && !refused;
    QCOMPARE(QFileInfo::exists(updateFile("tam_setup_exit.txt")),
             packageFetched && !unpacked && !refused);
    // A package that is not the one described is gone.
    QCOMPARE(QFileInfo::exists(updateFile("setup_update.exe")), packageFetched && !refused);
    if (!goOn)
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(updateFile("started")), 5000);
    else
        QVERIFY(!QFileInfo::exists(updateFile("started")));
}

void TestUpdateDialogs::translated_data()
{
    QTest::addColumn<QString>("language");
    for (const char *code : {"de", "fr", "it", "es", "pt_br", "ru", "tr", "ko", "zh_cn", "zh_tw"})
        QTest::newRow(code) << QString::fromLatin1(code);
}

// Every text the two dialogs show when they open, in each language the front end speaks.
void TestUpdateDialogs::translated()
{
    QFETCH(QString, language);
    QTranslator translator;
    QVERIFY(translator.load("frontend_" + language, ":/FrontEndTranslations/Translations"));
    QCoreApplication::installTranslator(&translator);
    m_scanners.set({});
    ScannerInfo product;
    loadProduct(product, QStringLiteral("https://127.0.0.1:1/Downloads/updater"));
    CheckUpdateDlg check(nullptr, &product, Qt::WindowFlags(), false, false);
    SelectScannerDlg select(nullptr, m_root.path());
    const QString refusal = UpdateClient::insecureAddressText();
    QCoreApplication::removeTranslator(&translator);
    QVERIFY2(!refusal.startsWith(QLatin1String("An update address")), qPrintable(refusal));

    // The sentences; single words may well be spelt alike in some languages ("No", "Status").
    const QString question = check.findChild<QLabel *>("m_lblQuestion")->text();
    const QString caption = select.findChild<QLabel *>("m_lblTxt")->text();
    QVERIFY2(!question.startsWith(QLatin1String("Some of your bundled")) && question.contains('\n'),
             qPrintable(question));
    QVERIFY2(!caption.startsWith(QLatin1String("Select a connected")), qPrintable(caption));
    QVERIFY(check.windowTitle().contains(QLatin1String("DocuStream 410")));
    QVERIFY(check.findChild<QPushButton *>("m_btnYes")->text() != QLatin1String("Yes"));
    QVERIFY(select.findChild<QPushButton *>("m_btnRefresh")->text() != QLatin1String("Refresh"));
}

void TestUpdateDialogs::closedMidSearch_data()
{
    QTest::addColumn<bool>("selectDialog");
    QTest::newRow("the update question, closed after Yes") << false;
    QTest::newRow("the device list, gone while it searches") << true;
}

// The search outlives its dialog: its result must reach nobody, and nothing may crash.
void TestUpdateDialogs::closedMidSearch()
{
    QFETCH(bool, selectDialog);
    m_scanners.set({});
    m_searchMs = 300;
    ScannerInfo product;
    loadProduct(product, QStringLiteral("https://127.0.0.1:1/Downloads/updater"));
    if (selectDialog) {
        delete new SelectScannerDlg(nullptr, m_root.path());
    } else {
        CheckUpdateDlg dialog(nullptr, &product, Qt::WindowFlags(), false, true);
        dialog.reject();
        QVERIFY(dialog.continueSetup());
    }
    QTest::qWait(500);
    m_searchMs = 0;
    QCOMPARE(m_connectDialogs, 0);
    QCOMPARE(m_messages, QStringList());
}

QTEST_MAIN(TestUpdateDialogs)
#include "tst_updatedialogs.moc"
