// What the online update decides without a window: which setup version is newer, the bundle
// merge (in memory, through disctool as a disc author runs it, and never a half-written file),
// and the DVDPath.xml a self-update leaves for the newer copy.

#include "bundlemerge.h"
#include "dvdpath.h"
#include "setupversion.h"

#include <QDomDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestUpdateCore : public QObject
{
    Q_OBJECT

private slots:
    void setupVersion_data();
    void setupVersion();
    void merge_data();
    void merge();
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
    QTest::addColumn<QByteArray>("bundle"); // null: no bundle file
    QTest::addColumn<bool>("network");
    QTest::addColumn<bool>("merged");
    QTest::addColumn<QString>("outline");

    const QString scannerOnly = QStringLiteral("Application[Driver]:installer=disc|"
                                               "Application[Capture]:installer=3.2");
    QTest::newRow("bundle entries join or are appended")
            << QByteArray(Scanner) << QByteArray(Bundle) << false << true
            << scannerOnly
                       + QStringLiteral(",installer=3.4,userguide=|Application[Cloud]:"
                                        "installer=1.0");
    QTest::newRow("network scanner, no bundle file")
            << QByteArray(Scanner) << QByteArray() << true << true << scannerOnly;
    QTest::newRow("a bundle that is no bundle adds nothing")
            << QByteArray(Scanner)
            << QByteArray("<Scanner><Application ShortName=\"X\"/></Scanner>") << false << true
            << scannerOnly;
    QTest::newRow("a broken bundle adds nothing")
            << QByteArray(Scanner) << QByteArray("<Bundle><application") << false << true
            << scannerOnly;
    QTest::newRow("a scanner file that does not parse")
            << QByteArray("<Scanner><Application") << QByteArray(Bundle) << false << false << "";
    QTest::newRow("a scanner file with another root")
            << QByteArray("<Bundle/>") << QByteArray(Bundle) << false << false << "";
    QTest::newRow("a scanner file declaring entities")
            << QByteArray("<!DOCTYPE s [<!ENTITY a \"aaaa\">]><Scanner>&a;</Scanner>")
            << QByteArray(Bundle) << false << false << "";
}

void TestUpdateCore::merge()
{
    QFETCH(QByteArray, scanner);
    QFETCH(QByteArray, bundle);
    QFETCH(bool, network);
    QFETCH(bool, merged);
    QFETCH(QString, outline);

    QByteArray output = "untouched";
    QCOMPARE(BundleMerge::merge(scanner,
                                bundle.isNull() ? nullptr : &bundle,
                                QStringLiteral("SN 42"),
                                network,
                                output),
             merged);
    if (!merged) {
        QCOMPARE(output, QByteArray("untouched"));
        return;
    }
    QDomDocument document;
    QVERIFY(document.setContent(output));
    const QDomElement root = document.documentElement();
    QCOMPARE(root.attribute(QStringLiteral("ScannerSN")), QStringLiteral("SN 42"));
    QCOMPARE(root.attribute(QStringLiteral("NetworkScanner")),
             network ? QStringLiteral("true") : QStringLiteral("false"));
    QCOMPARE(::outline(root), outline);
    // One space of indentation, as setup has always written it.
    QVERIFY(output.contains("\n <Application ShortName=\"Driver\">"));
}

void TestUpdateCore::disctoolMergeBundle_data()
{
    QTest::addColumn<QByteArray>("scanner");
    QTest::addColumn<int>("exitCode");
    // A declared Latin-1 file comes out as UTF-8 that says so, with its letters intact.
    QTest::newRow("merged") << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>"
                                          "<Scanner LongName=\"Sch\xe4rfe\"/>")
                            << 0;
    QTest::newRow("not a scanner file: the old output stays") << QByteArray("<html/>") << 1;
}

void TestUpdateCore::disctoolMergeBundle()
{
    QFETCH(QByteArray, scanner);
    QFETCH(int, exitCode);
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("update.xml"));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("scanner.xml")), scanner));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("bundle.xml")), Bundle));
    QVERIFY(writeFile(out, "earlier"));
    QProcess disctool;
    disctool.start(QStringLiteral(DISCTOOL_PATH),
                   {QStringLiteral("merge-bundle"),
                    dir.filePath(QStringLiteral("scanner.xml")),
                    dir.filePath(QStringLiteral("bundle.xml")),
                    out,
                    QStringLiteral("--serial"),
                    QStringLiteral("A1"),
                    QStringLiteral("--network")});
    QVERIFY(disctool.waitForFinished(10000));
    QCOMPARE(disctool.exitCode(), exitCode);
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    if (exitCode != 0) {
        QCOMPARE(written, QByteArray("earlier"));
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
