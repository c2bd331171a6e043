#include "cabundle.h"
#include "downloadmanager.h"
#include "nginxserver.h"
#include "testcertificates.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The downloader against a real server: nginx on 127.0.0.1, over HTTP and over HTTPS with a
// certificate authority of the test's own, trusted through TAM_CA_BUNDLE.
class TestDownloadNginx : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void fullDownload_data();
    void fullDownload();
    void pauseResume_data();
    void pauseResume();
    void untrustedCertificate();

private:
    void addSchemes();
    NginxServer &server(const QString &scheme);
    QStringList getLines(NginxServer &nginx) const;

    TestCertificates m_trusted;
    TestCertificates m_untrusted;
    QTemporaryDir m_root;
    QByteArray m_body;
    NginxServer m_http;
    NginxServer m_https;
    NginxServer m_stranger;
    std::unique_ptr<QTemporaryDir> m_out;
};

void TestDownloadNginx::initTestCase()
{
    qRegisterMetaType<QNetworkReply::NetworkError>();
    QVERIFY2(m_trusted.create(), qPrintable(m_trusted.errorString()));
    QVERIFY2(m_untrusted.create(), qPrintable(m_untrusted.errorString()));
    // Read once per process, by the first downloader.
    CaBundle::setSource([file = m_trusted.caFile()] { return file; });

    m_body.resize(4 * 1024 * 1024);
    quint32 seed = 12345;
    for (char &c : m_body) {
        seed = seed * 1103515245 + 12345;
        c = char(seed >> 24);
    }
    QFile file(m_root.filePath(QStringLiteral("big.bin")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(m_body), qint64(m_body.size()));
    file.close();

    // A missing nginx is a failure: CI installs it through scripts/install-deps.
    NginxServer::Options options;
    options.root = m_root.path();
    options.slowRate = QStringLiteral("8m");
    QVERIFY2(m_http.start(options), qPrintable(m_http.errorString()));
    options.certificate = m_trusted.certificateFile();
    options.key = m_trusted.keyFile();
    QVERIFY2(m_https.start(options), qPrintable(m_https.errorString()));
    options.certificate = m_untrusted.certificateFile();
    options.key = m_untrusted.keyFile();
    QVERIFY2(m_stranger.start(options), qPrintable(m_stranger.errorString()));
}

void TestDownloadNginx::init()
{
    m_out.reset(new QTemporaryDir);
    QVERIFY(m_out->isValid());
}

void TestDownloadNginx::addSchemes()
{
    QTest::addColumn<QString>("scheme");
    QTest::newRow("http") << QStringLiteral("http");
    QTest::newRow("https") << QStringLiteral("https");
}

NginxServer &TestDownloadNginx::server(const QString &scheme)
{
    return scheme == QLatin1String("https") ? m_https : m_http;
}

// The GET lines of the access log: "GET URI "RANGE" STATUS BYTES".
QStringList TestDownloadNginx::getLines(NginxServer &nginx) const
{
    return nginx.accessLog().filter(QRegularExpression(QStringLiteral("^GET ")));
}

void TestDownloadNginx::fullDownload_data()
{
    addSchemes();
}

void TestDownloadNginx::fullDownload()
{
    QFETCH(QString, scheme);
    NginxServer &nginx = server(scheme);
    const int before = getLines(nginx).size();

    DownloadManager manager;
    QSignalSpy complete(&manager, &DownloadManager::downloadComplete);
    QSignalSpy error(&manager, &DownloadManager::sigDownloadError);
    QSignalSpy canBePaused(&manager, &DownloadManager::sigDownloadCanBePaused);
    const QString target = m_out->filePath(QStringLiteral("big.bin"));
    manager.download(nginx.url(QStringLiteral("/big.bin")), target);
    QVERIFY(QTest::qWaitFor([&] { return complete.count() + error.count() > 0; }, 20000));

    QCOMPARE(error.count(), 0);
    QCOMPARE(canBePaused.first().first().toBool(), true);
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll() == m_body);
    QCOMPARE(getLines(nginx).mid(before),
             QStringList{QStringLiteral("GET /big.bin \"bytes=0-%1\" 206 %1").arg(m_body.size())});
}

void TestDownloadNginx::pauseResume_data()
{
    addSchemes();
}

void TestDownloadNginx::pauseResume()
{
    QFETCH(QString, scheme);
    NginxServer &nginx = server(scheme);
    const int before = getLines(nginx).size();

    DownloadManager manager;
    QSignalSpy complete(&manager, &DownloadManager::downloadComplete);
    QSignalSpy error(&manager, &DownloadManager::sigDownloadError);
    QSignalSpy progress(&manager, &DownloadManager::sigDownloadProgress);
    const QString target = m_out->filePath(QStringLiteral("big.bin"));
    manager.download(nginx.url(QStringLiteral("/slow/big.bin")), target);
    QVERIFY(QTest::qWaitFor([&] { return !progress.isEmpty(); }, 20000));
    manager.pause();

    const qint64 kept = QFileInfo(target + QStringLiteral(".part")).size();
    QVERIFY(kept > 0);
    QVERIFY(kept < m_body.size());
    QTest::qWait(200);
    const int reports = progress.count();
    manager.resume();
    QVERIFY(QTest::qWaitFor([&] { return complete.count() + error.count() > 0; }, 20000));

    QCOMPARE(error.count(), 0);
    QCOMPARE(progress.at(reports).at(1).toLongLong(), kept);
    QCOMPARE(progress.last().at(2).toLongLong(), m_body.size() - kept);
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll() == m_body);
    QVERIFY(!QFile::exists(target + QStringLiteral(".part")));

    // The tail was asked for with Range and served as such.
    QTRY_COMPARE(getLines(nginx).size(), before + 2);
    QCOMPARE(getLines(nginx).last(),
             QStringLiteral("GET /slow/big.bin \"bytes=%1-%2\" 206 %3")
                     .arg(kept)
                     .arg(m_body.size())
                     .arg(m_body.size() - kept));
}

void TestDownloadNginx::untrustedCertificate()
{
    DownloadManager manager;
    QSignalSpy complete(&manager, &DownloadManager::downloadComplete);
    QSignalSpy error(&manager, &DownloadManager::sigDownloadError);
    const QString target = m_out->filePath(QStringLiteral("big.bin"));
    manager.download(m_stranger.url(QStringLiteral("/big.bin")), target);
    QVERIFY(QTest::qWaitFor([&] { return complete.count() + error.count() > 0; }, 20000));

    QCOMPARE(complete.count(), 0);
    QCOMPARE(error.first().first().value<QNetworkReply::NetworkError>(),
             QNetworkReply::SslHandshakeFailedError);
    QVERIFY(!QFile::exists(target));
}

QTEST_GUILESS_MAIN(TestDownloadNginx)
#include "tst_downloadnginx.moc"
