// Opening a user guide: the file when there is one (a catalogue path in Windows form, resolved
// against the current directory), else the web address, else nothing.

#include "setupsettings.h"
#include "urlopener.h"
#include "userguide.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestUserGuide : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensFileElseUrl_data();
    void opensFileElseUrl();

private:
    QTemporaryDir m_folder;
    QString m_previousDirectory;
    QList<QUrl> m_opened;
};

void TestUserGuide::init()
{
    m_opened.clear();
    UrlOpener::setHandler([this](const QUrl &url) {
        m_opened << url;
        return false; // what the desktop answers does not matter
    });
    m_previousDirectory = QDir::currentPath();
    QDir::setCurrent(m_folder.path());
}

void TestUserGuide::cleanup()
{
    UrlOpener::setHandler({});
    QDir::setCurrent(m_previousDirectory);
}

void TestUserGuide::opensFileElseUrl_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("expectedFile"); // below the current directory
    QTest::addColumn<QUrl>("expectedUrl");
    const QString absolute = SetupSettings::withBackslashes(m_folder.path())
                             + QStringLiteral("\\Manuals\\en\\guide.pdf");
    QTest::newRow("file and url open the file") << absolute << "https://guides.example/en"
                                                << "Manuals/en/guide.pdf" << QUrl();
    QTest::newRow("relative file resolves against the current directory")
            << "Manuals\\de\\Handbuch.pdf"
            << ""
            << "Manuals/de/Handbuch.pdf" << QUrl();
    QTest::newRow("url only opens the web address")
            << ""
            << "https://guides.example/capture/index.html"
            << "" << QUrl("https://guides.example/capture/index.html");
    QTest::newRow("url is read tolerantly")
            << ""
            << "http://guides.example/user guide.html"
            << "" << QUrl("http://guides.example/user%20guide.html");
    QTest::newRow("neither opens nothing") << ""
                                           << ""
                                           << "" << QUrl();
}

void TestUserGuide::opensFileElseUrl()
{
    QFETCH(QString, fileName);
    QFETCH(QString, url);
    QFETCH(QString, expectedFile);
    QFETCH(QUrl, expectedUrl);
    UserGuide guide;
    guide.setFileName(fileName);
    guide.setUrl(url);
    // The skin's entries reach it by slot name.
    QVERIFY(QMetaObject::invokeMethod(&guide, "view_document"));

    QList<QUrl> expected;
    if (!expectedFile.isEmpty())
        expected << QUrl::fromLocalFile(QDir(m_folder.path()).filePath(expectedFile));
    else if (!expectedUrl.isEmpty())
        expected << expectedUrl;
    QCOMPARE(m_opened, expected);
}

QTEST_MAIN(TestUserGuide)
#include "tst_userguide.moc"
