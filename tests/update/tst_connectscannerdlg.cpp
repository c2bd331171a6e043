// The connect dialog as the user meets it: its two forms, dragging, cancelling, its texts in
// every language, and closing by itself once a scanner is plugged in by another process.

#include "connectscannerdlg.h"
#include "machine.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QMovie>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QWindow>
#include <QtTest>

#include <memory>

class TestConnectScannerDlg : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void formFollowsProductId_data();
    void formFollowsProductId();
    void dragsFromAnywhere();
    void cancelLeavesNothingFound();
    void translated_data();
    void translated();
    void closesOncePluggedIn();
};

namespace {

DeviceRecord scanner(const wchar_t *serial)
{
    DeviceRecord record;
    record.vendorId = 0x04A7;
    record.productId = 0x0465;
    record.serialNumber = serial;
    record.productIdText = L"0465";
    return record;
}

const char englishMessage[] = "Make sure your device is connected and powered on.";

} // namespace

void TestConnectScannerDlg::cleanup()
{
    ConnectScannerDlg::setScan(nullptr);
}

void TestConnectScannerDlg::formFollowsProductId_data()
{
    QTest::addColumn<uint>("productId");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("searching");
    QTest::newRow("a model to wait for") << 0x0465u << "Cancel" << true;
    QTest::newRow("only a message") << 0u << "OK" << false;
}

void TestConnectScannerDlg::formFollowsProductId()
{
    QFETCH(uint, productId);
    QFETCH(QString, button);
    QFETCH(bool, searching);
    ConnectScannerDlg::setScan([](uint32_t) { return std::vector<DeviceRecord>(); });
    ConnectScannerDlg dialog(nullptr, Qt::WindowFlags(), productId);
    dialog.show();
    QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(dialog.windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Tamberlin Update"));
    QCOMPARE(dialog.findChild<QPushButton *>("m_btnOK")->text(), button);
    auto *animation = dialog.findChild<QLabel *>("m_lblANI");
    QCOMPARE(animation->isVisible(), searching);
    QCOMPARE(dialog.findChild<QLabel *>("m_lblStatus")->isVisible(), searching);
    QCOMPARE(dialog.findChild<QTimer *>()->isActive(), searching);
    if (searching) {
        QVERIFY(animation->movie()->isValid());
        QCOMPARE(animation->movie()->state(), QMovie::Running);
        QCOMPARE(dialog.findChild<QTimer *>()->interval(), 5000);
    }
    QVERIFY(!dialog.findChild<QLabel *>("m_lblGraphic")->pixmap(Qt::ReturnByValue).isNull());
    QVERIFY(dialog.findChild<QLabel *>("m_lblTxt")->text().contains(englishMessage));
}

// The message covers most of the window: a press on it must drag the window too.
void TestConnectScannerDlg::dragsFromAnywhere()
{
    ConnectScannerDlg dialog(nullptr, Qt::WindowFlags(), 0);
    dialog.move(100, 100);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QWindow *window = dialog.windowHandle();
    const QPoint start = dialog.findChild<QLabel *>("m_lblTxt")->geometry().center();
    const QPoint before = dialog.pos();
    // The pointer moves on the screen; the window follows it.
    const QPoint target = window->mapToGlobal(start) + QPoint(40, 30);
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(window, window->mapFromGlobal(target));
    QCOMPARE(dialog.pos(), before + QPoint(40, 30));
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, window->mapFromGlobal(target));
    QCOMPARE(dialog.pos(), before + QPoint(40, 30));
}

void TestConnectScannerDlg::cancelLeavesNothingFound()
{
    int scans = 0;
    ConnectScannerDlg::setScan([&scans](uint32_t) {
        ++scans;
        return std::vector<DeviceRecord>{scanner(L"SN1")};
    });
    ConnectScannerDlg dialog(nullptr, Qt::WindowFlags(), 0x0465);
    QTimer::singleShot(0, dialog.findChild<QPushButton *>("m_btnOK"), &QPushButton::click);
    dialog.exec();
    QVERIFY(!dialog.found());
    // No search may run after the dialog ended and report a scanner to the caller.
    QVERIFY(!dialog.findChild<QTimer *>()->isActive());
    QCOMPARE(scans, 0);
}

void TestConnectScannerDlg::translated_data()
{
    QTest::addColumn<QString>("language");
    for (const char *code : {"de", "fr", "it", "es", "pt_br", "ru", "tr", "ko", "zh_cn", "zh_tw"})
        QTest::newRow(code) << QString::fromLatin1(code);
}

// The form's rich texts are looked up whole: a catalogue whose source differs by one character
// leaves the dialog in English.
void TestConnectScannerDlg::translated()
{
    QFETCH(QString, language);
    QTranslator translator;
    QVERIFY(translator.load("frontend_" + language, ":/FrontEndTranslations/Translations"));
    QCoreApplication::installTranslator(&translator);
    ConnectScannerDlg::setScan([](uint32_t) { return std::vector<DeviceRecord>(); });
    ConnectScannerDlg dialog(nullptr, Qt::WindowFlags(), 0x0465);
    QCoreApplication::removeTranslator(&translator);
    const QString message = dialog.findChild<QLabel *>("m_lblTxt")->text();
    const QString status = dialog.findChild<QLabel *>("m_lblStatus")->text();
    QVERIFY2(!message.contains(englishMessage) && message.contains("font-size:20pt"),
             qPrintable(message));
    QVERIFY2(!status.contains("Searching...") && status.contains("font-size:12pt"),
             qPrintable(status));
    QVERIFY(dialog.findChild<QPushButton *>("m_btnOK")->text() != QLatin1String("Cancel"));
}

// disctool plugs a scanner into the simulated machine while the dialog waits; the next search
// finds it.
void TestConnectScannerDlg::closesOncePluggedIn()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString machine = dir.filePath("machine");
    sys::setMachineRoot(QFile::encodeName(machine).toStdString());
    if (sys::machineFolder().empty())
        QSKIP("disctool plugs scanners into a simulated machine; this one is real");

    ConnectScannerDlg dialog(nullptr, Qt::WindowFlags(), 0x0465);
    QElapsedTimer sincePlugged;
    QString plugOutput;
    int plugExit = -1;
    QTimer::singleShot(200, &dialog, [&] {
        QProcess disctool;
        disctool.setProcessChannelMode(QProcess::MergedChannels);
        disctool.start(DISCTOOL_PATH,
                       {"device",
                        "plug",
                        "465",
                        "SN_E2E",
                        "--model",
                        "DocuMate 465",
                        "--new-machine",
                        machine});
        disctool.waitForFinished(10000);
        plugExit = disctool.exitCode();
        plugOutput = QString::fromUtf8(disctool.readAll());
        sincePlugged.start();
    });
    QTimer::singleShot(8000, &dialog, &QDialog::reject);
    dialog.exec();
    sys::setMachineRoot(std::string());

    QVERIFY2(plugExit == 0, qPrintable(plugOutput));
    QVERIFY(dialog.found());
    QVERIFY2(sincePlugged.elapsed() < 5500, qPrintable(QString::number(sincePlugged.elapsed())));
    QCOMPARE(QString::fromStdWString(dialog.device().serialNumber), QStringLiteral("SNE2E"));
    QCOMPARE(QString::fromStdWString(dialog.device().model), QStringLiteral("DocuMate 465"));
    QCOMPARE(QString::fromStdWString(dialog.device().productIdText), QStringLiteral("0465"));
}

QTEST_MAIN(TestConnectScannerDlg)
#include "tst_connectscannerdlg.moc"
