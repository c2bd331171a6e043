// The install report: the query text built from the product and the ticked applications, the
// request for the configured update host, and what an HTTPS server really receives of it.

#include "application.h"
#include "catalogtestsupport.h"
#include "configurationenvironment.h"
#include "httpsrecorder.h"
#include "installreport.h"
#include "scannerinfo.h"
#include "setupsettings.h"
#include "testcertificates.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslSocket>
#include <QTcpServer>
#include <QtTest>

namespace {

using QueryItems = QList<QPair<QString, QString>>;

const QString apiKey = QStringLiteral("5A7E2C19-3B84-4D6F-A0C2-81E9F47B3D60");

QString entry(const QString &shortName, const QString &installers)
{
    return QStringLiteral("<application ShortName=\"%1\"><displayname><string Language=\"en\" "
                          "Value=\"%1\"/></displayname><installationplatform Value=\"all\">%2"
                          "</installationplatform></application>")
            .arg(shortName, installers);
}

QString discInstaller(int order)
{
    return QStringLiteral("<installer Order=\"%1\" DisplayName=\"disc\" "
                          "Executable=\"$SetupPath$\\Drivers\\setup.exe\"/>")
            .arg(order);
}

// A web installer; without a target path it is downloaded to its executable's path.
QString webInstaller(int order, const QString &executable, const QString &targetPath = QString())
{
    const QString target = targetPath.isEmpty()
                                   ? QString()
                                   : QStringLiteral(" TargetPath=\"%1\"").arg(targetPath);
    return QStringLiteral("<installer Order=\"%1\" DisplayName=\"web\" url=\"https://x.test/w\" "
                          "size=\"10\" Executable=\"%2\"%3/>")
            .arg(order)
            .arg(executable, target);
}

// The query of a request's URL, decoded as the server's form parser does.
QueryItems serverView(const QNetworkRequest &request)
{
    HttpsRecorder::Request seen;
    seen.target = request.url().toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority);
    return seen.queryItems();
}

quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort(); // closed again when probe goes
}

} // namespace

class TestInstallReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void queryText_data();
    void queryText();
    void installerName_data();
    void installerName();
    void requestGoesToTheUpdateHost();
    void serverReceivesTheReport_data();
    void serverReceivesTheReport();
    void unreachableServerIsIgnored();

private:
    QString m_tlsProblem;
    TestCertificates m_certificates;
};

void TestInstallReport::initTestCase()
{
    ConfigurationEnvironment::install();
    if (!QSslSocket::supportsSsl())
        m_tlsProblem = QStringLiteral("this Qt has no TLS backend");
    else if (!m_certificates.create())
        m_tlsProblem = QStringLiteral("no test certificates: ") + m_certificates.errorString();
    else
        qputenv("TAM_CA_BUNDLE", QFile::encodeName(m_certificates.caFile()));
}

void TestInstallReport::cleanup()
{
    qunsetenv("TAM_UPDATE_HOST");
    SetupSettings::setSerialNumber(QString());
}

void TestInstallReport::queryText_data()
{
    QTest::addColumn<QString>("rootAttributes");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("catalogue");
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<QString>("text");

    const QString usb = QStringLiteral("PID=\"1a2b\"");
    const QString driver = entry("Drv", discInstaller(1));
    QTest::newRow("disc installer adds the separator alone")
            << usb << "FX20-0001" << driver << QStringList{"Drv"} << "entry=1A2B__FX20-0001__USB__";
    QTest::newRow("network scanner")
            << "PID=\"1A2B\" NetworkScanner=\"true\""
            << "FX20-0001" << driver << QStringList{"Drv"} << "entry=1A2B__FX20-0001__Net__";
    QTest::newRow("unknown serial")
            << usb << "" << driver << QStringList{"Drv"} << "entry=1A2B____USB__";
    QTest::newRow("nothing ticked")
            << usb << "S" << driver << QStringList() << "entry=1A2B__S__USB";
    QTest::newRow("web installer by its target's name")
            << usb << "S"
            << entry("Web",
                     webInstaller(1, "$DownloadPath$\\x.exe", "$DownloadPath$\\pkg\\Driver.v2.exe"))
            << QStringList{"Web"} << "entry=1A2B__S__USB__Driver.v2";
    QTest::newRow("web installer without target path")
            << usb << "S" << entry("Web", webInstaller(1, "$DownloadPath$\\Tool.msi"))
            << QStringList{"Web"} << "entry=1A2B__S__USB__Tool";
    QTest::newRow("every installer in order")
            << usb << "S"
            << entry("Mix",
                     discInstaller(1) + webInstaller(2, "$DownloadPath$\\b.exe") + discInstaller(3))
            << QStringList{"Mix"} << "entry=1A2B__S__USB____b__";
    const QString three = entry("A", webInstaller(1, "$DownloadPath$\\a.exe"))
                          + entry("B", webInstaller(1, "$DownloadPath$\\b.exe"))
                          + entry("C", webInstaller(1, "$DownloadPath$\\c.exe"));
    QTest::newRow("unticked entries are skipped")
            << usb << "S" << three << QStringList{"B"} << "entry=1A2B__S__USB__b";
    QTest::newRow("catalogue order, not ticking order")
            << usb << "S" << three << QStringList{"C", "A"} << "entry=1A2B__S__USB__a__c";
}

void TestInstallReport::queryText()
{
    QFETCH(QString, rootAttributes);
    QFETCH(QString, serial);
    QFETCH(QString, catalogue);
    QFETCH(QStringList, ticked);
    QFETCH(QString, text);
    ScratchMachine machine;
    machine.writeFile(QStringLiteral("disc/Drivers/setup.exe"), "MZ");
    const QString product = machine.writeFile(
            QStringLiteral("disc/scanner_win.xml"),
            QStringLiteral("<?xml version=\"1.0\"?>\n<Scanner %1>%2</Scanner>\n")
                    .arg(rootAttributes, catalogue)
                    .toUtf8());
    MessageRecorder recorder;
    ScannerInfo info;
    info.setLanguage(QStringLiteral("en_us"));
    QVERIFY(info.load(product, true, false));
    QVERIFY2(recorder.boxes().isEmpty(), qPrintable(recorder.texts().join('\n')));
    SetupSettings::setSerialNumber(serial);

    QList<Application *> tickedApplications;
    for (const QString &name : ticked) {
        for (Application *application : info.applications()) {
            if (application->shortName() == name)
                tickedApplications << application;
        }
    }
    QCOMPARE(tickedApplications.size(), ticked.size());
    QCOMPARE(InstallReport::queryText(info, tickedApplications), text);
}

void TestInstallReport::installerName_data()
{
    QTest::addColumn<QString>("downloadPath");
    QTest::addColumn<QString>("name");
    QTest::newRow("extension removed") << "C:\\Dl\\Driver.exe"
                                       << "Driver";
    QTest::newRow("only the last extension") << "C:\\Dl\\Driver.v2.1.tar.gz"
                                             << "Driver.v2.1.tar";
    QTest::newRow("dot only in a folder") << "C:\\Dl.v1\\README"
                                          << "README";
    QTest::newRow("no folder") << "setup.msi"
                               << "setup";
    QTest::newRow("name is all extension") << "C:\\Dl\\.cab"
                                           << "";
    QTest::newRow("blanks kept") << "C:\\My Downloads\\Scan Tool 2.exe"
                                 << "Scan Tool 2";
    QTest::newRow("no download") << ""
                                 << "";
}

void TestInstallReport::installerName()
{
    QFETCH(QString, downloadPath);
    QFETCH(QString, name);
    QCOMPARE(InstallReport::installerName(downloadPath), name);
}

void TestInstallReport::requestGoesToTheUpdateHost()
{
    qputenv("TAM_UPDATE_HOST", "updates.example.test:8443");
    const QString value = QStringLiteral("1A2B__S__USB__Scan + Go & more #2 100% é扫描");
    const QNetworkRequest request = InstallReport::request(QStringLiteral("entry=") + value);
    QCOMPARE(request.url().scheme(), QStringLiteral("https"));
    QCOMPARE(request.url().host(), QStringLiteral("updates.example.test"));
    QCOMPARE(request.url().port(), 8443);
    QCOMPARE(request.url().path(), QStringLiteral("/Downloads/updater/LogInstalled.php"));
    QCOMPARE(serverView(request), (QueryItems{{QStringLiteral("entry"), value}}));
    QCOMPARE(request.rawHeader("api-key"), apiKey.toLatin1());
    QCOMPARE(request.rawHeaderList(), QList<QByteArray>{"api-key"});
}

void TestInstallReport::serverReceivesTheReport_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << "1A2B__FX20-0001__USB__Driver__";
    QTest::newRow("blank, plus and ampersand") << "1A2B____USB__Scan + Go & more";
    QTest::newRow("hash, equals and percent") << "1A2B____Net__a#b=c%41d";
    QTest::newRow("non-ASCII") << QStringLiteral("1A2B____USB__Pilote_é_扫描");
}

void TestInstallReport::serverReceivesTheReport()
{
    QFETCH(QString, value);
    if (!m_tlsProblem.isEmpty())
        QSKIP(qPrintable(m_tlsProblem));
    HttpsRecorder server;
    QVERIFY(server.start(m_certificates.certificateFile(), m_certificates.keyFile()));
    const QByteArray host = "127.0.0.1:" + QByteArray::number(server.serverPort());
    qputenv("TAM_UPDATE_HOST", host);

    MessageRecorder recorder;
    QNetworkAccessManager manager;
    QList<QNetworkReply::NetworkError> errors;
    connect(&manager, &QNetworkAccessManager::finished, this, [&errors](QNetworkReply *reply) {
        errors << reply->error();
    });
    InstallReport::send(&manager, QStringLiteral("entry=") + value);
    QTRY_COMPARE_WITH_TIMEOUT(errors.size(), 1, 20000);
    QCOMPARE(errors.at(0), QNetworkReply::NoError);

    QCOMPARE(server.requests().size(), 1);
    const HttpsRecorder::Request &request = server.requests().at(0);
    QCOMPARE(request.method, QByteArray("GET"));
    QCOMPARE(request.path(), QByteArray("/Downloads/updater/LogInstalled.php"));
    QCOMPARE(request.queryItems(), (QueryItems{{QStringLiteral("entry"), value}}));
    QCOMPARE(request.header("api-key"), apiKey.toLatin1());
    QCOMPARE(request.header("Host"), host);
    QVERIFY(recorder.boxes().isEmpty());
}

void TestInstallReport::unreachableServerIsIgnored()
{
    qputenv("TAM_UPDATE_HOST", "127.0.0.1:" + QByteArray::number(closedPort()));
    MessageRecorder recorder;
    QNetworkAccessManager manager;
    QList<QNetworkReply::NetworkError> errors;
    connect(&manager, &QNetworkAccessManager::finished, this, [&errors](QNetworkReply *reply) {
        errors << reply->error();
    });
    InstallReport::send(&manager, QStringLiteral("entry=1A2B____USB"));
    QTRY_COMPARE_WITH_TIMEOUT(errors.size(), 1, 20000);
    QVERIFY(errors.at(0) != QNetworkReply::NoError);
    QVERIFY(recorder.boxes().isEmpty());
}

QTEST_GUILESS_MAIN(TestInstallReport)
#include "tst_installreport.moc"
