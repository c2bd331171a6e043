// Device selection against the update server: several scanners checked one after the other,
// the user's choice kept through rescans, "Proceed" merging exactly what the chosen scanner's
// check read, and what the list says without a server or a scanner.

#include "selectscannerdlg.h"
#include "updateclient.h"
#include "updatedialogfixture.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

class TestSelectScannerDlg : public UpdateDialogFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { startServer(); }
    void init() { clearUpdateFolder(); }
    void cleanup() { restoreHosts(); }
    void selectScannerChecksEachScanner();
    void selectionKeepsTheUsersChoice();
    void proceedMergesWhatTheCheckRead_data();
    void proceedMergesWhatTheCheckRead();
    void deviceTextIsPlain();
    void deviceListWithoutServer();
    void emptyListWaitsForAScanner();
};

void TestSelectScannerDlg::selectScannerChecksEachScanner()
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
void TestSelectScannerDlg::selectionKeepsTheUsersChoice()
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
    // The same serial number over the network is another scanner, listed after the chosen one;
    // the choice stays when it comes and when it goes.
    m_scanners.push_back(peer);
    QTRY_COMPARE_WITH_TIMEOUT(list->count(), 3, 5000);
    QCOMPARE(chosen(), QStringLiteral("Scanner 52"));
    m_scanners.pop_back();
    QTRY_COMPARE_WITH_TIMEOUT(list->count(), 2, 5000);
    QCOMPARE(chosen(), QStringLiteral("Scanner 52"));
}

void TestSelectScannerDlg::proceedMergesWhatTheCheckRead_data()
{
    QTest::addColumn<bool>("bundleChangedOnDisk");
    QTest::addColumn<bool>("updated");
    QTest::newRow("another scanner of the model fails its check") << false << true;
    QTest::newRow("the checked bundle changed on disk: a message, nothing merged") << true << false;
}

// Two scanners of one model: the second one's check finds no bundle (the server lost it), yet
// the first one's files are its own, and "Proceed" merges exactly what its check read.
void TestSelectScannerDlg::proceedMergesWhatTheCheckRead()
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
void TestSelectScannerDlg::deviceTextIsPlain()
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
void TestSelectScannerDlg::deviceListWithoutServer()
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
void TestSelectScannerDlg::emptyListWaitsForAScanner()
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

QTEST_MAIN(TestSelectScannerDlg)
#include "tst_selectscannerdlg.moc"
