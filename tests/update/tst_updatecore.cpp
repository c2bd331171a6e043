// What the online update decides without a window: which setup version is newer, the bundle
// merge (in memory, through disctool as a disc author runs it, and never a half-written file),
// how a file from the update server is read, the addresses it is asked for, and the DVDPath.xml
// a self-update leaves for the newer copy.

#include "bundlemerge.h"
#include "configurationenvironment.h"
#include "downloadmanager.h"
#include "dvdpath.h"
#include "setupversion.h"
#include "updateclient.h"
#include "xmlguard.h"

#include <QDomDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(BundleMerge::Result)
Q_DECLARE_METATYPE(UpdateClient::FileKind)

class TestUpdateCore : public QObject
{
    Q_OBJECT

private slots:
    void setupVersion_data();
    void setupVersion();
    void merge_data();
    void merge();
    void readRoot_data();
    void readRoot();
    void addresses_data();
    void addresses();
    void fetchIsBoundedAndFresh_data();
    void fetchIsBoundedAndFresh();
    void disctoolMergeBundle_data();
    void disctoolMergeBundle();
    void dvdPathKeepsAnyFolderName_data();
    void dvdPathKeepsAnyFolderName();
};

namespace {

const char Scanner[] = "<Scanner ShortName=\"DS\" PID=\"0a41\" ScannerSN=\"old\">"
                       "<Application ShortName=\"Driver\"><installer Name=\"disc\"/></Application>"
                       "<Application ShortName=\"Capture\"><installer Name=\"3.2\"/></Application>"
                       "</Scanner>";
const char Bundle[] = "<Bundle SoftwareVersion=\"1.1\" MinSetupVersion=\"1.0\">"
                      "<application ShortName=\"Capture\"><installer Name=\"3.4\"/>"
                      "<userguide Type=\"software\"/></application>"
                      "<Application ShortName=\"Cloud\"><installer Name=\"1.0\"/></Application>"
                      "<note>not an application</note>"
                      "</Bundle>";

// "Tag[ShortName]:child,child|..." for every element below the root, to compare structure.
QString outline(const QDomElement &root)
{
    QStringList entries;
    for (QDomElement entry = root.firstChildElement(); !entry.isNull();
         entry = entry.nextSiblingElement()) {
        QStringList children;
        for (QDomElement child = entry.firstChildElement(); !child.isNull();
             child = child.nextSiblingElement())
            children << child.tagName() + QLatin1Char('=')
                                + child.attribute(QStringLiteral("Name"));
        entries << entry.tagName() + QLatin1Char('[') + entry.attribute(QStringLiteral("ShortName"))
                           + QStringLiteral("]:") + children.join(QLatin1Char(','));
    }
    return entries.join(QLatin1Char('|'));
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// depth nested elements inside root, as UTF-8 text.
QByteArray nested(const char *root, int depth)
{
    return "<" + QByteArray(root) + ">" + QByteArray("<a>").repeated(depth)
           + QByteArray("</a>").repeated(depth) + "</" + root + ">";
}

QByteArray utf16(const QByteArray &utf8, bool bigEndian, bool byteOrderMark)
{
    const QString text = QString::fromUtf8(utf8);
    QByteArray bytes;
    if (byteOrderMark)
        bytes += bigEndian ? "\xfe\xff" : "\xff\xfe";
    for (const QChar c : text) {
        const char high = char(c.unicode() >> 8);
        const char low = char(c.unicode() & 0xff);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

} // namespace

void TestUpdateCore::setupVersion_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("atLeast");
    QTest::newRow("a missing third number counts as 0") << "2.1"
                                                        << "2.1.0" << true;
    QTest::newRow("and the other way round") << "2.1.0"
                                             << "2.1" << true;
    QTest::newRow("numbers, not text: 2.1 is below 2.10") << "2.1"
                                                          << "2.10" << false;
    QTest::newRow("2.10 is above 2.9") << "2.10"
                                       << "2.9" << true;
    QTest::newRow("a later position decides") << "2.1.3"
                                              << "2.1.4" << false;
    QTest::newRow("letters separate numbers") << "v2b1rc3"
                                              << "2.1.3" << true;
    QTest::newRow("separators do not add positions") << "1..2.10"
                                                     << "1.2.10" << true;
    QTest::newRow("resource style with commas") << "1, 0, 0, 7"
                                                << "1.0.0.8" << false;
    QTest::newRow("leading zeros") << "2.01"
                                   << "2.1" << true;
    QTest::newRow("runs beyond any integer") << "123456789012345678901234567890"
                                             << "9" << true;
    QTest::newRow("no digits on either side") << "X, X, X, X"
                                              << "beta" << false;
    QTest::newRow("an unreadable version is no newer") << "X, X, X, X"
                                                       << "1.0" << false;
    QTest::newRow("empty") << ""
                           << "0.0" << false;
    QTest::newRow("empty minimum") << "1.0"
                                   << "" << false;
}

void TestUpdateCore::setupVersion()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, atLeast);
    QCOMPARE(SetupVersion::isAtLeast(a, b), atLeast);
}

void TestUpdateCore::merge_data()
{
    QTest::addColumn<QByteArray>("scanner");
    QTest::addColumn<QByteArray>("bundle");
    QTest::addColumn<bool>("network");
    QTest::addColumn<BundleMerge::Result>("result");
    QTest::addColumn<QString>("outline");
    using R = BundleMerge::Result;

    const QString scannerOnly = QStringLiteral("Application[Driver]:installer=disc|"
                                               "Application[Capture]:installer=3.2");
    QTest::newRow("bundle entries join or are appended")
            << QByteArray(Scanner) << QByteArray(Bundle) << false << R::Merged
            << scannerOnly
                       + QStringLiteral(",installer=3.4,userguide=|Application[Cloud]:"
                                        "installer=1.0");
    QTest::newRow("UTF-16 files, as the DOM decodes them")
            << utf16(Scanner, false, true) << utf16(Bundle, true, true) << true << R::Merged
            << scannerOnly
                       + QStringLiteral(",installer=3.4,userguide=|Application[Cloud]:"
                                        "installer=1.0");
    QTest::newRow("no bundle file: nothing is merged")
            << QByteArray(Scanner) << QByteArray() << true << R::BundleUnreadable << "";
    QTest::newRow("a bundle that is no bundle")
            << QByteArray(Scanner)
            << QByteArray("<Scanner><Application ShortName=\"X\"/></Scanner>") << false
            << R::BundleUnreadable << "";
    QTest::newRow("a broken bundle") << QByteArray(Scanner) << QByteArray("<Bundle><application")
                                     << false << R::BundleUnreadable << "";
    // The guard once decoded these as UTF-8 and passed them; the DOM then recursed to the end
    // of its stack.
    QTest::newRow("a UTF-16 bundle 200,000 elements deep")
            << QByteArray(Scanner) << utf16(nested("Bundle", 200000), false, false) << false
            << R::BundleUnreadable << "";
    QTest::newRow("a UTF-16 scanner file deeper than the guard allows")
            << utf16(nested("Scanner", 300), true, true) << QByteArray(Bundle) << false
            << R::ScannerUnreadable << "";
    QTest::newRow("a scanner file that does not parse")
            << QByteArray("<Scanner><Application") << QByteArray(Bundle) << false
            << R::ScannerUnreadable << "";
    QTest::newRow("a scanner file with another root")
            << QByteArray("<Bundle/>") << QByteArray(Bundle) << false << R::ScannerUnreadable << "";
    QTest::newRow("a scanner file declaring entities")
            << QByteArray("<!DOCTYPE s [<!ENTITY a \"aaaa\">]><Scanner>&a;</Scanner>")
            << QByteArray(Bundle) << false << R::ScannerUnreadable << "";
}

void TestUpdateCore::merge()
{
    QFETCH(QByteArray, scanner);
    QFETCH(QByteArray, bundle);
    QFETCH(bool, network);
    QFETCH(BundleMerge::Result, result);
    QFETCH(QString, outline);

    QByteArray output = "untouched";
    // A serial number as a peer may send it: markup and a character XML cannot hold.
    QCOMPARE(BundleMerge::merge(scanner, bundle, QStringLiteral("SN <42>\x01"), network, output),
             result);
    if (result != BundleMerge::Result::Merged) {
        QCOMPARE(output, QByteArray("untouched"));
        return;
    }
    QDomDocument document;
    QVERIFY(document.setContent(output));
    const QDomElement root = document.documentElement();
    QCOMPARE(root.attribute(QStringLiteral("ScannerSN")), QStringLiteral("SN <42>"));
    QCOMPARE(root.attribute(QStringLiteral("NetworkScanner")),
             network ? QStringLiteral("true") : QStringLiteral("false"));
    QCOMPARE(::outline(root), outline);
    // One space of indentation, as setup has always written it.
    QVERIFY(output.contains("\n <Application ShortName=\"Driver\">"));
}

void TestUpdateCore::readRoot_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("rootName");
    QTest::addColumn<bool>("read");
    const QByteArray selection("<SN><Model DefaultBundle=\"A\"/></SN>");
    QTest::newRow("a bundle selection file") << selection << "sn" << true;
    QTest::newRow("UTF-16 without a byte-order mark")
            << utf16(selection, false, false) << "sn" << true;
    QTest::newRow("declared Latin-1")
            << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><Setup V=\"\xe4\"/>")
            << "setup" << true;
    QTest::newRow("another root") << selection << "scanner" << false;
    // About 15 KB that once crashed setup on a 1 MiB stack.
    QTest::newRow("5,000 elements deep") << nested("Scanner", 5000) << "scanner" << false;
    QTest::newRow("UTF-16 big-endian, deeper than the guard allows")
            << utf16(nested("Bundle", 300), true, true) << "bundle" << false;
    QTest::newRow("entity declarations")
            << QByteArray("<!DOCTYPE b [<!ENTITY a \"aaaa\">]><Bundle>&a;</Bundle>") << "bundle"
            << false;
}

void TestUpdateCore::readRoot()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, rootName);
    QFETCH(bool, read);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("update_scanner.xml"));
    QVERIFY(writeFile(file, content));
    QDomDocument document;
    QCOMPARE(UpdateClient::readRoot(file, rootName, document), read);
}

void TestUpdateCore::addresses_data()
{
    QTest::addColumn<QString>("bundleUrl");
    QTest::addColumn<QString>("fetched"); // empty: refused
    QTest::newRow("the update server over http") << "http://update.test:8443/b.xml"
                                                 << "https://update.test:8443/b.xml";
    QTest::newRow("the web host over http: the update server")
            << "http://www.web.test/Downloads/b.xml"
            << "https://update.test:8443/Downloads/b.xml";
    QTest::newRow("https anywhere") << "https://mirror.test/b.xml"
                                    << "https://mirror.test/b.xml";
    QTest::newRow("HTTPS in capitals") << "HTTPS://mirror.test/b.xml"
                                       << "https://mirror.test/b.xml";
    QTest::newRow("another host over http") << "http://mirror.test/b.xml"
                                            << "";
    QTest::newRow("the update server as HTTP in capitals") << "HTTP://update.test:8443/b.xml"
                                                           << "";
    QTest::newRow("ftp") << "ftp://update.test/b.xml"
                         << "";
    QTest::newRow("a local file") << "file:///etc/passwd"
                                  << "";
    QTest::newRow("a share") << "//10.9.9.9/s/b.xml"
                             << "";
    QTest::newRow("https without a host") << "https:///b.xml"
                                          << "";
    QTest::newRow("nothing") << ""
                             << "";
}

void TestUpdateCore::addresses()
{
    QFETCH(QString, bundleUrl);
    QFETCH(QString, fetched);
    ConfigurationEnvironment::install();
    qputenv("TAM_UPDATE_HOST", "update.test:8443");
    qputenv("TAM_WEB_HOST", "www.web.test");
    const QUrl url = UpdateClient::bundleUrl(bundleUrl);
    QCOMPARE(UpdateClient::isSecure(url), !fetched.isEmpty());
    if (!fetched.isEmpty())
        QCOMPARE(url.toString(), fetched);
    // Every address setup builds itself is https.
    for (const QUrl &own :
         {UpdateClient::setupDescriptionUrl(),
          UpdateClient::setupPackageUrl(),
          UpdateClient::scannerFileUrl(UpdateClient::updateBaseUrl(), "0A41", "B")})
        QVERIFY2(UpdateClient::isSecure(own), qPrintable(own.toString()));
}

void TestUpdateCore::fetchIsBoundedAndFresh_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<UpdateClient::FileKind>("kind");
    QTest::addColumn<qint64>("limit"); // 0: refused, nothing started
    QTest::newRow("a description file: the guard's size")
            << "https://127.0.0.1:1/a.xml" << UpdateClient::FileKind::Description
            << qint64(XmlGuard::maxBytes);
    QTest::newRow("the setup package: its fixed bound")
            << "https://127.0.0.1:1/TamberlinUpdate.exe" << UpdateClient::FileKind::SetupPackage
            << UpdateClient::SetupPackageLimit;
    QTest::newRow("plain http is refused")
            << "http://127.0.0.1:1/a.xml" << UpdateClient::FileKind::Description << qint64(0);
}

// Each download is bounded by its kind and starts from nothing: a side file an earlier run left
// could otherwise be resumed into a file that joins two versions.
void TestUpdateCore::fetchIsBoundedAndFresh()
{
    QFETCH(QString, url);
    QFETCH(UpdateClient::FileKind, kind);
    QFETCH(qint64, limit);
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("file"));
    QVERIFY(writeFile(target, "old"));
    QVERIFY(writeFile(target + QStringLiteral(".part"), "earlier run"));
    DownloadManager downloader;
    QCOMPARE(UpdateClient::fetch(downloader, QUrl(url), target, kind), limit > 0);
    QCOMPARE(downloader.sizeLimit(), limit);
    QCOMPARE(QFile::exists(target + QStringLiteral(".part")), limit == 0);
}

void TestUpdateCore::disctoolMergeBundle_data()
{
    QTest::addColumn<QByteArray>("scanner");
    QTest::addColumn<QByteArray>("bundle"); // null: no such file
    QTest::addColumn<bool>("outputWritable");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("complaint");
    // A declared Latin-1 file comes out as UTF-8 that says so, with its letters intact.
    QTest::newRow("merged") << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>"
                                          "<Scanner LongName=\"Sch\xe4rfe\"/>")
                            << QByteArray(Bundle) << true << 0 << "";
    QTest::newRow("not a scanner file: the old output stays")
            << QByteArray("<html/>") << QByteArray(Bundle) << true << 1 << "scanner.xml";
    QTest::newRow("no bundle file: the old output stays")
            << QByteArray(Scanner) << QByteArray() << true << 1 << "bundle.xml is not a bundle";
    QTest::newRow("not a bundle: the old output stays")
            << QByteArray(Scanner) << QByteArray(Scanner) << true << 1
            << "bundle.xml is not a bundle";
    QTest::newRow("an output that cannot be written is named")
            << QByteArray(Scanner) << QByteArray(Bundle) << false << 1 << "cannot write";
}

void TestUpdateCore::disctoolMergeBundle()
{
    QFETCH(QByteArray, scanner);
    QFETCH(QByteArray, bundle);
    QFETCH(bool, outputWritable);
    QFETCH(int, exitCode);
    QFETCH(QString, complaint);
    QTemporaryDir dir;
    // Below a file, no output can be written, not even by root.
    const QString out = dir.filePath(outputWritable ? QStringLiteral("update.xml")
                                                    : QStringLiteral("scanner.xml/update.xml"));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("scanner.xml")), scanner));
    if (!bundle.isNull())
        QVERIFY(writeFile(dir.filePath(QStringLiteral("bundle.xml")), bundle));
    if (outputWritable)
        QVERIFY(writeFile(out, "earlier"));
    const auto run = [&](QByteArray &errors) {
        QProcess disctool;
        disctool.start(QStringLiteral(DISCTOOL_PATH),
                       {QStringLiteral("merge-bundle"),
                        dir.filePath(QStringLiteral("scanner.xml")),
                        dir.filePath(QStringLiteral("bundle.xml")),
                        out,
                        QStringLiteral("--serial"),
                        QStringLiteral("A1"),
                        QStringLiteral("--network")});
        disctool.waitForFinished(10000);
        errors = disctool.readAllStandardError();
        QFile file(out);
        file.open(QIODevice::ReadOnly);
        return std::make_pair(disctool.exitCode(), file.readAll());
    };
    QByteArray errors;
    const auto [code, written] = run(errors);
    QCOMPARE(code, exitCode);
    QVERIFY2(errors.contains(complaint.toUtf8()), errors.constData());
    if (exitCode != 0) {
        QCOMPARE(written, outputWritable ? QByteArray("earlier") : QByteArray());
        return;
    }
    QVERIFY(written.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    QDomDocument document;
    QVERIFY(document.setContent(written));
    const QDomElement root = document.documentElement();
    QCOMPARE(root.attribute(QStringLiteral("LongName")), QStringLiteral("Sch\u00e4rfe"));
    QCOMPARE(root.attribute(QStringLiteral("ScannerSN")), QStringLiteral("A1"));
    QCOMPARE(root.attribute(QStringLiteral("NetworkScanner")), QStringLiteral("true"));
    QCOMPARE(::outline(root).count(QStringLiteral("application["), Qt::CaseInsensitive), 2);
    // Another process hashes attribute names with another seed: the bytes stay the same.
    for (int again = 0; again < 3; ++again)
        QCOMPARE(run(errors).second, written);
}

void TestUpdateCore::dvdPathKeepsAnyFolderName_data()
{
    QTest::addColumn<QString>("setupPath");
    QTest::addColumn<bool>("folderExists");
    QTest::newRow("a folder of the disc") << "R&D 'copy' Sch\u00e4rfe \u626b\u63cf" << true;
    // Characters no Windows folder has, but a path string may carry all the same.
    QTest::newRow("markup characters") << "C:\\<disc> \"copy\"" << false;
}

void TestUpdateCore::dvdPathKeepsAnyFolderName()
{
    QFETCH(QString, setupPath);
    QFETCH(bool, folderExists);
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("copy"));
    QVERIFY(QDir().mkpath(program));
    const QString file = program + QStringLiteral("/DVDPath.xml");
    QString disc = setupPath;
    if (folderExists) {
        disc = dir.filePath(setupPath);
        QVERIFY(QDir().mkpath(disc));
        QVERIFY(writeFile(disc + QStringLiteral("/scanner_win.xml"), "<Scanner/>"));
    }
    QVERIFY(writeDvdPath(file, disc));
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QDomDocument document;
    QVERIFY(document.setContent(&written));
    QCOMPARE(document.documentElement().tagName(), QStringLiteral("dvdpath"));
    QCOMPARE(document.documentElement().attribute(QStringLiteral("dvd_path")), disc);
    QString read = QStringLiteral("unchanged");
    QCOMPARE(readDvdPath(read, program), folderExists);
    QCOMPARE(read, folderExists ? disc : QStringLiteral("unchanged"));
}

QTEST_GUILESS_MAIN(TestUpdateCore)
#include "tst_updatecore.moc"
