// The licence dialog: its form, its texts in the user's language, the licence it shows, the
// answer it gives the Install page, and where the disc keeps the licences.

#include "euladlg.h"
#include "frontendtestsupport.h"
#include "hostfiles.h"
#include "scannerinfo.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpacerItem>
#include <QTextBrowser>
#include <QTextCodec>
#include <QTranslator>
#include <QtTest>

class TestEulaDlg : public QObject
{
    Q_OBJECT

private slots:
    void hasTheDesignedForm();
    void speaksTheUsersLanguage_data();
    void speaksTheUsersLanguage();
    void showsTheLicence_data();
    void showsTheLicence();
    void answersTheCaller_data();
    void answersTheCaller();
    void findsLicenceOnDisc_data();
    void findsLicenceOnDisc();
    void demoDiscHasLicences_data();
    void demoDiscHasLicences();

private:
    QTemporaryDir m_folder;
};

void TestEulaDlg::hasTheDesignedForm()
{
    EULADlg dialog(nullptr, Qt::WindowFlags(), QString());
    QCOMPARE(dialog.objectName(), QStringLiteral("EULA_dlg"));
    QCOMPARE(dialog.size(), QSize(632, 506));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("License agreement"));
    // No help button, and the title bar is the dialog's own choice, which on Windows leaves
    // out the system menu (elsewhere Qt keeps it for the close button).
    QCOMPARE(dialog.windowType(), Qt::Dialog);
    QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
    QVERIFY(dialog.windowFlags() & Qt::CustomizeWindowHint);
    QVERIFY(dialog.windowFlags() & Qt::WindowTitleHint);

    auto *grid = dialog.findChild<QGridLayout *>(QStringLiteral("gridLayout"));
    QVERIFY(grid);
    QCOMPARE(dialog.layout(), grid);
    auto *browser = dialog.findChild<QTextBrowser *>(QStringLiteral("textBrowser"));
    QVERIFY(browser);
    QVERIFY(browser->openExternalLinks());
    QVERIFY(browser->acceptRichText());
    QCOMPARE(grid->itemAtPosition(0, 0)->widget(), browser);
    auto *buttons = dialog.findChild<QHBoxLayout *>(QStringLiteral("horizontalLayout"));
    QVERIFY(buttons);
    QCOMPARE(grid->itemAtPosition(1, 0)->layout(), buttons);
    QCOMPARE(buttons->count(), 3);
    QSpacerItem *spacer = buttons->itemAt(0)->spacerItem();
    QVERIFY(spacer);
    QCOMPARE(spacer->sizeHint(), QSize(40, 20));
    QCOMPARE(spacer->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    auto *agree = dialog.findChild<QPushButton *>(QStringLiteral("m_btnAgree"));
    auto *reject = dialog.findChild<QPushButton *>(QStringLiteral("m_btnReject"));
    QVERIFY(agree && reject);
    QCOMPARE(buttons->itemAt(1)->widget(), agree);
    QCOMPARE(buttons->itemAt(2)->widget(), reject);
    QCOMPARE(agree->text(), QStringLiteral("I agree"));
    QCOMPARE(reject->text(), QStringLiteral("I do not agree"));
}

void TestEulaDlg::speaksTheUsersLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("agree");
    QTest::addColumn<QString>("reject");
    QTest::newRow("German") << "de"
                            << "Lizenzvereinbarung"
                            << "Ich stimme zu"
                            << "Ich stimme nicht zu";
    QTest::newRow("Brazilian Portuguese") << "pt_br"
                                          << "Contrato de licença"
                                          << "Concordo"
                                          << "Não concordo";
    QTest::newRow("Simplified Chinese") << "zh_cn"
                                        << "许可协议"
                                        << "我同意"
                                        << "我不同意";
    QTest::newRow("Traditional Chinese") << "zh_tw"
                                         << "授權合約"
                                         << "我同意"
                                         << "我不同意";
}

void TestEulaDlg::speaksTheUsersLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, title);
    QFETCH(QString, agree);
    QFETCH(QString, reject);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral("frontend_") + language,
                            QStringLiteral(":/FrontEndTranslations/Translations")));
    QCoreApplication::installTranslator(&translator);
    EULADlg dialog(nullptr, Qt::WindowFlags(), QString());
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(dialog.windowTitle(), title);
    QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("m_btnAgree"))->text(), agree);
    QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("m_btnReject"))->text(), reject);
}

void TestEulaDlg::showsTheLicence_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("windowsForm"); // the path written with backslashes, as setup builds it
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("bold");
    QTest::newRow("HTML shown as rich text")
            << QByteArray("<html><body><p>Terms of <b>use</b></p></body></html>") << false
            << "Terms of use" << true;
    QTest::newRow("path in Windows form")
            << QByteArray("<p>Licence</p>") << true << "Licence" << false;
    QTest::newRow("UTF-8 page with its charset reads alike under any code page")
            << QByteArray("<html><head><meta charset=\"utf-8\"></head><body>"
                          "\xc3\x9c"
                          "bersicht \xe8\xae\xb8\xe5\x8f\xaf</body></html>")
            << false << QString::fromUtf8("Übersicht 许可") << false;
    QTest::newRow("UTF-8 byte order mark")
            << QByteArray("\xef\xbb\xbf<p>\xd0\x9b\xd0\xb8\xd1\x86\xd0\xb5\xd0\xbd\xd0\xb7\xd0\xb8"
                          "\xd1\x8f</p>")
            << false << QString::fromUtf8("Лицензия") << false;
}

void TestEulaDlg::showsTheLicence()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, windowsForm);
    QFETCH(QString, shown);
    QFETCH(bool, bold);
    const QString file = m_folder.filePath(QStringLiteral("EULA/en_TAM_EULA.htm"));
    QVERIFY(writeFile(file, content));
    // A Windows machine with a western code page.
    QTextCodec *previous = QTextCodec::codecForLocale();
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
    EULADlg dialog(
            nullptr, Qt::WindowFlags(), windowsForm ? SetupSettings::withBackslashes(file) : file);
    QTextCodec::setCodecForLocale(previous);
    auto *browser = dialog.findChild<QTextBrowser *>(QStringLiteral("textBrowser"));
    QCOMPARE(browser->toPlainText(), shown);
    QCOMPARE(browser->toHtml().contains(QLatin1String("font-weight:600")), bold);
}

void TestEulaDlg::answersTheCaller_data()
{
    QTest::addColumn<QString>("licence"); // below the test folder; missing files allowed
    QTest::addColumn<QString>("press");   // button object name, or "escape"
    QTest::addColumn<bool>("agreed");
    QTest::newRow("agreeing accepts") << "EULA/de_COR_EULA.htm"
                                      << "m_btnAgree" << true;
    QTest::newRow("not agreeing rejects") << "EULA/de_COR_EULA.htm"
                                          << "m_btnReject" << false;
    QTest::newRow("Escape rejects") << "EULA/de_COR_EULA.htm"
                                    << "escape" << false;
    QTest::newRow("missing licence: empty, agreeing still possible") << "EULA/xx_COR_EULA.htm"
                                                                     << "m_btnAgree" << true;
}

void TestEulaDlg::answersTheCaller()
{
    QFETCH(QString, licence);
    QFETCH(QString, press);
    QFETCH(bool, agreed);
    QVERIFY(writeFile(m_folder.filePath(QStringLiteral("EULA/de_COR_EULA.htm")), "<p>Corvex</p>"));
    const QString path = m_folder.filePath(licence);
    QWidget parent;
    QString seenText;
    QWidget *seenParent = nullptr;
    FrontEndHooks::setLicenceDialog([&](EULADlg *dialog) {
        seenText = dialog->findChild<QTextBrowser *>(QStringLiteral("textBrowser"))->toPlainText();
        seenParent = dialog->parentWidget();
        if (press == QLatin1String("escape")) {
            dialog->show();
            QTest::keyClick(dialog, Qt::Key_Escape);
        } else {
            dialog->findChild<QPushButton *>(press)->click();
        }
        return dialog->result();
    });
    const bool result = EULADlg::agree(&parent, path);
    FrontEndHooks::setLicenceDialog({});
    QCOMPARE(result, agreed);
    QCOMPARE(seenParent, &parent);
    QCOMPARE(seenText, QFileInfo::exists(path) ? QStringLiteral("Corvex") : QString());
}

void TestEulaDlg::findsLicenceOnDisc_data()
{
    QTest::addColumn<int>("licence");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("file");
    QTest::newRow("brand, plain language") << int(EULADlg::BrandLicence) << "de"
                                           << "\\EULA\\de_COR_EULA.htm";
    QTest::newRow("maker, language with country cut to two letters")
            << int(EULADlg::MakerLicence) << "pt_br"
            << "\\EULA\\pt_TAM_EULA.htm";
    QTest::newRow("US English") << int(EULADlg::BrandLicence) << "en_us"
                                << "\\EULA\\en_COR_EULA.htm";
    QTest::newRow("simplified Chinese stays whole") << int(EULADlg::BrandLicence) << "zh_cn"
                                                    << "\\EULA\\zh_cn_COR_EULA.htm";
    QTest::newRow("traditional Chinese stays whole") << int(EULADlg::MakerLicence) << "zh_tw"
                                                     << "\\EULA\\zh_tw_TAM_EULA.htm";
}

void TestEulaDlg::findsLicenceOnDisc()
{
    QFETCH(int, licence);
    QFETCH(QString, language);
    QFETCH(QString, file);
    FrontEndHooks::setProgramDirectory(QStringLiteral("/media/disc"));
    const QString path = EULADlg::licencePath(EULADlg::Licence(licence), language);
    FrontEndHooks::setProgramDirectory(QString());
    QCOMPARE(path, QStringLiteral("/media/disc") + file);
}

void TestEulaDlg::demoDiscHasLicences_data()
{
    addDemoLanguageRows();
}

void TestEulaDlg::demoDiscHasLicences()
{
    QFETCH(QString, language);
    FrontEndHooks::setProgramDirectory(QStringLiteral(TAM_DEMO_DISC_DIR));
    for (EULADlg::Licence licence : {EULADlg::BrandLicence, EULADlg::MakerLicence}) {
        const QString path = HostFiles::hostPath(EULADlg::licencePath(licence, language));
        QVERIFY2(QFileInfo::exists(path), qPrintable(path));
        // Every licence names its charset, so it reads alike under any code page.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QTextCodec::codecForHtml(file.readAll(), nullptr)->name(), QByteArray("UTF-8"));
    }
    FrontEndHooks::setProgramDirectory(QString());
}

QTEST_MAIN(TestEulaDlg)
#include "tst_euladlg.moc"
