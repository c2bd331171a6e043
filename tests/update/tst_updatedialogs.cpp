// The update dialogs against a real HTTPS update server (nginx with a certificate authority of
// the test's own): device selection checking several scanners, the device-mode check merging a
// bundle or finding no connection, and the setup-only check from "nothing newer" to starting a
// newer setup that the demo's setup package unpacked. Waits are scaled down; the scanners come
// from a stand-in scanner list.

#include "checkupdatedlg.h"
#include "connectscannerdlg.h"
#include "messageseam.h"
#include "scannerinfo.h"
#include "scannerlist.h"
#include "selectscannerdlg.h"
#include "setupsettings.h"
#include "updateclient.h"
#include "updateseams.h"
#include "updateserver.h"
#include "usbinventory.h"

#include <QDomDocument>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

class TestUpdateDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void selectScannerChecksEachScanner();
    void selectionKeepsTheUsersChoice();
    void proceedMergesWhatTheCheckRead_data();
    void proceedMergesWhatTheCheckRead();
    void deviceTextIsPlain();
    void deviceListWithoutServer();
    void emptyListWaitsForAScanner();
    void deviceMode_data();
    void deviceMode();
    void setupOnly_data();
    void setupOnly();
    void translated_data();
    void translated();
    void closedMidSearch_data();
    void closedMidSearch();

private:
    QString updateFile(const QString &name) const;
    void loadProduct(ScannerInfo &product, const QString &updateUrl);

    UpdateServer m_server;
    QTemporaryDir m_root;
    QStringList m_messages;
    // What the stand-in scanner list finds. The dialogs search on a thread of their own, so the
    // test changes it under a lock.
    class Scanners
    {
    public:
        void set(std::vector<DeviceRecord> scanners)
        {
            std::lock_guard<std::mutex> guard(m_lock);
            m_list = std::move(scanners);
        }
        void push_back(const DeviceRecord &record)
        {
            std::lock_guard<std::mutex> guard(m_lock);
            m_list.push_back(record);
        }
        void pop_back()
        {
            std::lock_guard<std::mutex> guard(m_lock);
            m_list.pop_back();
        }
        std::vector<DeviceRecord> list() const
        {
            std::lock_guard<std::mutex> guard(m_lock);
            return m_list;
        }

    private:
        mutable std::mutex m_lock;
        std::vector<DeviceRecord> m_list;
    } m_scanners;
    int m_connectDialogs = 0;
    // How long the stand-in search takes.
    std::atomic<int> m_searchMs{0};
};

namespace {

DeviceRecord scanner(uint32_t productId, const wchar_t *serial, const wchar_t *model)
{
    UsbInventoryEntry entry;
    entry.vendorId = UsbInventory::MakerVendorId;
    entry.productId = productId;
    entry.serialNumber = serial;
    entry.model = model;
    DeviceRecord record;
    ScannerList::recordFromEntry(entry, record);
    return record;
}

QDomElement rootOf(const QString &file)
{
    QFile in(file);
    QDomDocument document;
    if (!in.open(QIODevice::ReadOnly) || !document.setContent(&in))
        return QDomElement();
    return document.documentElement();
}

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

void TestUpdateDialogs::initTestCase()
{
    qRegisterMetaType<QNetworkReply::NetworkError>();
    QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
    // The package unpacks into the temporary folder's TamSetup\TamUpdate: the update folder.
    QDir().mkpath(m_root.filePath(QStringLiteral("tmp")));
    qputenv("TMPDIR", QFile::encodeName(m_root.filePath(QStringLiteral("tmp"))));
    SetupSettings::setUpdatePath(SetupSettings::defaultUpdatePath());
    SetupSettings::setSetupPath(SetupSettings::withBackslashes(m_root.filePath("disc")));
    UpdateSeams::setTimeScale(0.02);
    UpdateSeams::setScan([this](uint32_t productId) {
        std::this_thread::sleep_for(std::chrono::milliseconds(m_searchMs.load()));
        std::vector<DeviceRecord> found;
        for (const DeviceRecord &record : m_scanners.list()) {
            if (productId == 0 || record.productId == productId)
                found.push_back(record);
        }
        return found;
    });
    // The connect dialog is left at once, as a person would who has no scanner at hand.
    UpdateSeams::setRunner([this](QDialog *dialog) {
        if (qobject_cast<ConnectScannerDlg *>(dialog)) {
            ++m_connectDialogs;
            return int(QDialog::Rejected);
        }
        return dialog->exec();
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

    // Model 0A41 names bundle B, 0B52 has no selection file (type 1), 0C63 one without a
    // default bundle (type 1) and a scanner file without a bundle, 0D74 a default bundle that
    // leads out of the folder (type 1, no scanner file).
    const QString base = QStringLiteral("http://%1/Downloads/updater").arg(m_server.host());
    m_server.putModelFile("0A41", "0A41_SN.xml", "<SN><Model DefaultBundle=\"B\"/></SN>");
    m_server.putModelFile("0A41",
                          "0A41_B.xml",
                          QStringLiteral("<Scanner LongName=\"DocuStream 410 Plus\" "
                                         "MinSetupVersion=\"1.0\" BundleURL=\"%1/0A41/Windows/"
                                         "bundle_b.xml\"/>")
                                  .arg(base)
                                  .toUtf8());
    m_server.putModelFile("0A41",
                          "bundle_b.xml",
                          "<Bundle SoftwareVersion=\"1.1\" MinSetupVersion=\"1.0\">"
                          "<Application ShortName=\"Cloud\"/></Bundle>");
    m_server.putModelFile(
            "0B52",
            "0B52_1.xml",
            QStringLiteral("<Scanner BundleURL=\"%1/0B52/Windows/b.xml\"/>").arg(base).toUtf8());
    m_server.putModelFile("0B52", "b.xml", "<bundle MinSetupVersion=\"1.0\"/>");
    m_server.putModelFile("0C63", "0C63_SN.xml", "<SN><Model/></SN>");
    m_server.putModelFile("0C63", "0C63_1.xml", "<Scanner LongName=\"Desk 63\"/>");
    m_server.putModelFile(
            "0D74", "0D74_SN.xml", "<SN><Model DefaultBundle=\"../../../TamSetup/x\"/></SN>");
}

void TestUpdateDialogs::init()
{
    m_messages.clear();
    m_connectDialogs = 0;
    QDir(updateFile(QString())).removeRecursively();
    QDir().mkpath(updateFile(QString()));
}

void TestUpdateDialogs::cleanup()
{
    UpdateServer::useHosts(m_server.host(), m_server.host());
}

QString TestUpdateDialogs::updateFile(const QString &name) const
{
    const QString folder = m_root.filePath(QStringLiteral("tmp/TamSetup/TamUpdate"));
    return name.isEmpty() ? folder : folder + QLatin1Char('/') + name;
}

void TestUpdateDialogs::loadProduct(ScannerInfo &product, const QString &updateUrl)
{
    const QString file = m_root.filePath(QStringLiteral("scanner_win.xml"));
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(QStringLiteral("<Scanner ShortName=\"DS\" LongName=\"DocuStream 410\" PID=\"0a41\" "
                             "BundleType=\"A\" MinSetupVersion=\"1.0\" update_url=\"%1\"/>")
                      .arg(updateUrl)
                      .toUtf8());
    out.close();
    QVERIFY(product.load(file, true, false));
}

void TestUpdateDialogs::selectScannerChecksEachScanner()
{
    m_scanners.set({scanner(0x0A41, L"S-ONE", L"DS 410"),
                    scanner(0x0A41, L"S-TWO", L"DS 410"),
                    scanner(0x0B52, L"N-1", L"Scanner 52")});
    QTemporaryDir program;
    SelectScannerDlg dialog(nullptr, program.path());
    dialog.show();
    auto *list = dialog.findChild<QListWidget *>(QStringLiteral("m_lstWidgetScanners"));
    auto *proceed = dialog.findChild<QPushButton *>(QStringLiteral("m_btnCheck"));
    auto *status = dialog.findChild<QLabel *>(QStringLiteral("m_lblStatus"));
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isChecking() && dialog.currentIndex() == 3, 10000);

    // Scanners plugged in later are listed within a rescan, and all are checked again.
    m_scanners.push_back(scanner(0x0C63, L"Z-9", L"PID_0c63"));
    m_scanners.push_back(scanner(0x0D74, L"T-1", L"Tricky 74"));
    QTRY_COMPARE_WITH_TIMEOUT(list->count(), 5, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isChecking() && dialog.currentIndex() == 5, 10000);

    const struct
    {
        const char *text;
        bool supported;
        const wchar_t *bundleType;
    } expected[] = {{"DocuStream 410 Plus (S-ONE)", true, L"B"},
                    {"DocuStream 410 Plus (S-TWO)", true, L"B"},
                    {"Scanner 52 (N-1)", true, L"1"},
                    {"Desk 63 (Z-9)", false, L"1"},
                    // A default bundle that would name a file outside the folder is none.
                    {"Tricky 74 (T-1)", false, L"1"}};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(list->item(i)->text(), QLatin1String(expected[i].text));
        QCOMPARE(dialog.devices()[size_t(i)].supported, expected[i].supported);
        QVERIFY(dialog.devices()[size_t(i)].bundleType == expected[i].bundleType);
    }
    const QStringList requests = m_server.requests();
    QVERIFY(requests.contains("GET /Downloads/updater/0B52/Windows/0B52_1.xml"));
    QVERIFY(requests.contains("GET /Downloads/updater/0C63/Windows/0C63_1.xml"));
    QVERIFY(requests.contains("HEAD /Downloads/updater/0D74/Windows/0D74_1.xml"));

    const auto click = [list](int row) {
        QTest::mouseClick(list->viewport(),
                          Qt::LeftButton,
                          {},
                          list->visualItemRect(list->item(row)).center());
    };
    click(3);
    QCOMPARE(status->text(),
             QStringLiteral("Desk 63 is not presently supported by Tamberlin Update."));
    QVERIFY(!proceed->isEnabled());
    click(1);
    QCOMPARE(status->text(),
             QStringLiteral("DocuStream 410 Plus is supported. Click 'Proceed' to continue."));
    QVERIFY(proceed->isEnabled());
    proceed->click();
    QVERIFY(dialog.updated());
    const QDomElement merged = rootOf(program.filePath(QStringLiteral("update.xml")));
    QCOMPARE(merged.attribute(QStringLiteral("ScannerSN")), QStringLiteral("S-TWO"));
    QCOMPARE(merged.attribute(QStringLiteral("LongName")), QStringLiteral("DocuStream 410 Plus"));
    QCOMPARE(merged.firstChildElement(QStringLiteral("Application")).attribute("ShortName"),
             QStringLiteral("Cloud"));
}

// A peer that comes and goes on the network never pulls the choice onto itself: the selection
// follows the scanner chosen (product id, serial number, network or USB) through every rescan.
void TestUpdateDialogs::selectionKeepsTheUsersChoice()
{
    DeviceRecord peer = scanner(0x0A41, L"S-ONE", L"Peer");
    peer.network = true;
    m_scanners.set({scanner(0x0A41, L"S-ONE", L"DS 410"), scanner(0x0B52, L"N-1", L"Scanner 52")});
    QTemporaryDir program;
    SelectScannerDlg dialog(nullptr, program.path());
    dialog.show();
    auto *list = dialog.findChild<QListWidget *>(QStringLiteral("m_lstWidgetScanners"));
    const auto chosen = [&dialog] {
        const DeviceRecord *device = dialog.currentItemDevice();
        return device ? QString::fromStdWString(device->model) + (device->network ? "@net" : "")
                      : QString();
    };
    // Nothing chosen yet: the first scanner, not the last one listed.
    QTRY_COMPARE(chosen(), QStringLiteral("DS 410"));
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isChecking() && dialog.currentIndex() == 2, 10000);
    QTest::mouseClick(
            list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    QCOMPARE(chosen(), QStringLiteral("Scanner 52"));
    // The same serial number over the network is another scanner, listed after the chosen one.
    for (int round = 0; round < 2; ++round) {
        m_scanners.push_back(peer);
        QTRY_COMPARE_WITH_TIMEOUT(list->count(), 3, 5000);
        QCOMPARE(chosen(), QStringLiteral("Scanner 52"));
        m_scanners.pop_back();
        QTRY_COMPARE_WITH_TIMEOUT(list->count(), 2, 5000);
        QCOMPARE(chosen(), QStringLiteral("Scanner 52"));
    }
}

void TestUpdateDialogs::proceedMergesWhatTheCheckRead_data()
{
    QTest::addColumn<bool>("bundleChangedOnDisk");
    QTest::addColumn<bool>("updated");
    QTest::newRow("another scanner of the model fails its check") << false << true;
    QTest::newRow("the checked bundle changed on disk: a message, nothing merged") << true << false;
}

// Two scanners of one model: the second one's check finds no bundle (the server lost it), yet
// the first one's files are its own, and "Proceed" merges exactly what its check read.
void TestUpdateDialogs::proceedMergesWhatTheCheckRead()
{
    QFETCH(bool, bundleChangedOnDisk);
    QFETCH(bool, updated);
    const QByteArray bundle = "<Bundle SoftwareVersion=\"1.1\" MinSetupVersion=\"1.0\">"
                              "<Application ShortName=\"Cloud\"/></Bundle>";
    m_server.putModelFile("0A41", "bundle_b.xml", bundle);
    m_scanners.set({scanner(0x0A41, L"S-ONE", L"DS 410"), scanner(0x0A41, L"S-TWO", L"DS 410")});
    // Slower steps, so that the bundle can go between the two checks.
    UpdateSeams::setTimeScale(0.2);
    QTemporaryDir program;
    SelectScannerDlg dialog(nullptr, program.path());
    dialog.show();
    QTRY_VERIFY_WITH_TIMEOUT(dialog.currentIndex() == 1, 10000);
    QVERIFY(dialog.step() == SelectScannerDlg::Step::BundleSelection);
    m_server.putModelFile("0A41", "bundle_b.xml", QByteArray());
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isChecking() && dialog.currentIndex() == 2, 10000);
    UpdateSeams::setTimeScale(0.02);
    m_server.putModelFile("0A41", "bundle_b.xml", bundle);
    QVERIFY(dialog.devices()[0].supported);
    QVERIFY(!dialog.devices()[1].supported);

    auto *proceed = dialog.findChild<QPushButton *>(QStringLiteral("m_btnCheck"));
    QCOMPARE(QString::fromStdWString(dialog.currentItemDevice()->serialNumber),
             QStringLiteral("S-ONE"));
    QVERIFY(proceed->isEnabled());
    if (bundleChangedOnDisk) {
        QFile file(dialog.deviceFolder(dialog.devices()[0]) + QStringLiteral("/0A41_Bundle.xml"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("<Bundle MinSetupVersion=\"1.0\"/>");
    }
    proceed->click();
    QCOMPARE(dialog.updated(), updated);
    QCOMPARE(dialog.isVisible(), !updated);
    const QDomElement merged = rootOf(program.filePath(QStringLiteral("update.xml")));
    if (!updated) {
        QVERIFY(merged.isNull());
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages.first().contains(QLatin1String("could not be merged")),
                 qPrintable(m_messages.first()));
        return;
    }
    QCOMPARE(m_messages, QStringList());
    QCOMPARE(merged.attribute(QStringLiteral("ScannerSN")), QStringLiteral("S-ONE"));
    QCOMPARE(merged.firstChildElement(QStringLiteral("Application")).attribute("ShortName"),
             QStringLiteral("Cloud"));
}

// What a device or a network peer calls itself is shown as text: markup in it is never read, so
// no image is fetched from wherever it points.
void TestUpdateDialogs::deviceTextIsPlain()
{
    const QString model = QStringLiteral("<img src=//10.9.9.9/s/p.png>:VID_04A7&PID_0F00");
    m_scanners.set({scanner(0x0F00, L"SN1", model.toStdWString().c_str())});
    QTemporaryDir program;
    SelectScannerDlg dialog(nullptr, program.path());
    dialog.show();
    auto *status = dialog.findChild<QLabel *>(QStringLiteral("m_lblStatus"));
    QTRY_COMPARE(status->text(), QStringLiteral("Checking for %1 updates ...").arg(model));
    QCOMPARE(status->textFormat(), Qt::PlainText);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isChecking(), 10000);
    QCOMPARE(status->text(),
             QStringLiteral("%1 is not presently supported by Tamberlin Update.").arg(model));
    auto *list = dialog.findChild<QListWidget *>(QStringLiteral("m_lstWidgetScanners"));
    QCOMPARE(list->item(0)->text(), model + QStringLiteral(" (SN1)"));
}

// No host answered, so the list says that there is no connection, not that a host reported an
// error.
void TestUpdateDialogs::deviceListWithoutServer()
{
    UpdateServer::useHosts(QStringLiteral("127.0.0.1:1"), m_server.host());
    m_scanners.set({scanner(0x0A41, L"S-ONE", L"DS 410")});
    QTemporaryDir program;
    SelectScannerDlg dialog(nullptr, program.path());
    dialog.show();
    auto *status = dialog.findChild<QLabel *>(QStringLiteral("m_lblStatus"));
    QTRY_COMPARE_WITH_TIMEOUT(status->text(), UpdateClient::noConnectionText(), 10000);
}

// With nothing connected the list says what to do, and lists a scanner plugged in meanwhile
// without a Refresh.
void TestUpdateDialogs::emptyListWaitsForAScanner()
{
    m_scanners.set({});
    QTemporaryDir program;
    SelectScannerDlg dialog(nullptr, program.path());
    dialog.show();
    auto *list = dialog.findChild<QListWidget *>(QStringLiteral("m_lstWidgetScanners"));
    auto *status = dialog.findChild<QLabel *>(QStringLiteral("m_lblStatus"));
    const QString hint = QStringLiteral("Connect your scanner; it appears here.");
    QCOMPARE(status->text(), hint);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isChecking(), 10000);
    QCOMPARE(status->text(), hint);
    m_scanners.push_back(scanner(0x0A41, L"S-ONE", L"DS 410"));
    QTRY_COMPARE_WITH_TIMEOUT(list->count(), 1, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isChecking(), 10000);
    QCOMPARE(status->text(),
             QStringLiteral("DocuStream 410 Plus is supported. Click 'Proceed' to continue."));
}

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
