// disctool layout on the demo disc: a sound disc becomes an image with the disc's files under
// their own names; a disc with a missing installer or a wrong hash is refused and nothing is
// written.

#include <QCryptographicHash>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString demoDisc = QStringLiteral(TAM_DEMO_DISC);

// The demo disc without its programs, which the catalogue does not name.
bool copyDisc(const QString &to)
{
    QDirIterator it(demoDisc, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = QDir(demoDisc).relativeFilePath(source);
        if (!relative.contains(QLatin1Char('/')) && QFileInfo(source).isExecutable())
            continue;
        const QString target = to + QLatin1Char('/') + relative;
        if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !QFile::copy(source, target))
            return false;
    }
    return true;
}

QString run(const QStringList &arguments, int *exitCode)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(DISCTOOL_PATH), arguments);
    if (!process.waitForFinished(60000))
        return QStringLiteral("disctool did not finish");
    *exitCode = process.exitCode();
    return QString::fromUtf8(process.readAll());
}

} // namespace

class TestDiscToolLayout : public QObject
{
    Q_OBJECT

private slots:
    void refusesABrokenDisc_data();
    void refusesABrokenDisc();
    void writesAnImageOfTheDemoDisc();
    void leavesNothingWhenTheImageFails();
};

void TestDiscToolLayout::refusesABrokenDisc_data()
{
    QTest::addColumn<QString>("breakage");
    QTest::addColumn<QString>("problem");
    // The product file is read as disctool validate reads it before the disc is checked.
    QTest::newRow("missing executable")
            << "remove"
            << "Unable to find executable %1/Software/Capture/CaptureSetup.exe.";
    QTest::newRow("wrong hash") << "hash"
                                << "DocuStream Capture (ScanUtility): "
                                   "%1/Software/Capture/CaptureSetup.exe has SHA-256 ";
    QTest::newRow("licence missing in one language")
            << "licence"
            << "DocuStream Scanner Driver (Driver): the licence %1/EULA/ko_TAM_EULA.htm is missing";
}

void TestDiscToolLayout::refusesABrokenDisc()
{
    QFETCH(QString, breakage);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    const QString disc = dir.filePath(QStringLiteral("disc"));
    QVERIFY(copyDisc(disc));
    const QString installer = disc + QStringLiteral("/Software/Capture/CaptureSetup.exe");
    QFile product(disc + QStringLiteral("/scanner_win.xml"));
    QVERIFY(product.open(QIODevice::ReadOnly));
    QByteArray text = product.readAll();
    product.close();
    if (breakage == QLatin1String("remove")) {
        QVERIFY(QFile::remove(installer));
    } else if (breakage == QLatin1String("licence")) {
        QVERIFY(QFile::remove(disc + QStringLiteral("/EULA/ko_TAM_EULA.htm")));
    } else {
        // Right for another file: a hash in capitals that the installer does not have.
        const QByteArray other = QCryptographicHash::hash("other", QCryptographicHash::Sha256);
        const QByteArray attribute
                = R"(Executable="$SetupPath$\Software\Capture\CaptureSetup.exe")";
        QVERIFY(text.contains(attribute));
        text.replace(attribute, "sha256=\"" + other.toHex().toUpper() + "\" " + attribute);
        QVERIFY(product.open(QIODevice::WriteOnly | QIODevice::Truncate));
        product.write(text);
        product.close();
    }
    const QString out = dir.filePath(QStringLiteral("out"));
    const QString image = dir.filePath(QStringLiteral("disc.iso"));
    int exitCode = -1;
    const QString output = run({QStringLiteral("layout"),
                                disc + QStringLiteral("/scanner_win.xml"),
                                out,
                                QStringLiteral("--iso"),
                                image},
                               &exitCode);
    QCOMPARE(exitCode, 1);
    QVERIFY2(output.contains(problem.arg(disc)), qPrintable(output));
    // Only that one problem: the rest of the disc is sound.
    QVERIFY2(output.count(QStringLiteral("problem: ")) == 1, qPrintable(output));
    QVERIFY(!QFileInfo::exists(out));
    QVERIFY(!QFileInfo::exists(image));
}

void TestDiscToolLayout::writesAnImageOfTheDemoDisc()
{
    if (QStandardPaths::findExecutable(QStringLiteral("xorriso")).isEmpty())
        QSKIP("xorriso is not installed (scripts/install-deps)");
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out"));
    const QString image = dir.filePath(QStringLiteral("demo.iso"));
    int exitCode = -1;
    const QString output = run({QStringLiteral("layout"),
                                demoDisc + QStringLiteral("/scanner_win.xml"),
                                out,
                                QStringLiteral("--iso"),
                                image,
                                QStringLiteral("--label"),
                                QStringLiteral("Tam Demo")},
                               &exitCode);
    QVERIFY2(exitCode == 0, qPrintable(output));
    QVERIFY(QFileInfo(out + QStringLiteral("/setup")).isExecutable());
    QVERIFY2(!QDir(dir.path()).entryList().join(' ').contains(QStringLiteral(".partial")),
             "the staging folder was left behind");
    QDirIterator files(out, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext())
        QVERIFY2(!files.next().endsWith(QLatin1String(".stamp")), "a build file is on the disc");

    QProcess xorriso;
    xorriso.start(QStringLiteral("xorriso"),
                  {QStringLiteral("-indev"),
                   image,
                   QStringLiteral("-toc"),
                   QStringLiteral("-find"),
                   QStringLiteral("/"),
                   QStringLiteral("-type"),
                   QStringLiteral("f")});
    QVERIFY(xorriso.waitForFinished(30000));
    const QString listing = QString::fromUtf8(xorriso.readAllStandardOutput());
    for (const char *file : {"/scanner_win.xml",
                             "/setup",
                             "/setup_runner",
                             "/TamSkin.ui",
                             "/TamSkin.rcc",
                             "/TamSkin_zh_tw.qm",
                             "/Software/Capture/CaptureSetup.exe",
                             "/Payload/TextRecognition.cab"})
        QVERIFY2(listing.contains(QStringLiteral("'%1'").arg(QLatin1String(file))),
                 qPrintable(listing));
    // Windows reads the Joliet names; the label is the one asked for, in ISO 9660's alphabet.
    QVERIFY2(listing.contains(QRegularExpression(QStringLiteral("ISO offers +:.*Joliet"))),
             qPrintable(listing));
    QVERIFY(QString::fromUtf8(xorriso.readAllStandardError()).contains(QStringLiteral("TAM_DEMO")));
}

// An image that cannot be written leaves neither OUT_DIR nor the folder it was laid out in.
void TestDiscToolLayout::leavesNothingWhenTheImageFails()
{
    if (QStandardPaths::findExecutable(QStringLiteral("xorriso")).isEmpty())
        QSKIP("xorriso is not installed (scripts/install-deps)");
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out"));
    int exitCode = -1;
    const QString output = run({QStringLiteral("layout"),
                                demoDisc + QStringLiteral("/scanner_win.xml"),
                                out,
                                QStringLiteral("--iso"),
                                dir.filePath(QStringLiteral("no/such/folder/demo.iso"))},
                               &exitCode);
    QCOMPARE(exitCode, 1);
    QVERIFY2(output.contains(QStringLiteral("xorriso failed")), qPrintable(output));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

QTEST_GUILESS_MAIN(TestDiscToolLayout)
#include "tst_disctoollayout.moc"
