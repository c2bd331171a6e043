// What an elevated step takes from the download folder: every file there that its program,
// cabinet, arguments or document name is copied, and the step names the copy instead; the
// installer's download is checked on its copy. Paths elsewhere, and files not there, stay.

#include "executable.h"
#include "hostfiles.h"
#include "installer.h"
#include "payloadcopier.h"

#include <QCryptographicHash>
#include <QTemporaryDir>
#include <QtTest>

class TestPayloadCopier : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void argumentsNameCopies_data();
    void argumentsNameCopies();
    void cabinetProgramComesOutOfTheCopy();
    void refusals_data();
    void refusals();

private:
    // %D the download folder, %C the folder of copies, %O a folder beside the download folder.
    QString expand(QString text) const;
    void write(const QString &relative, const QByteArray &content) const;
    QByteArray read(const QString &relative) const;

    QScopedPointer<QTemporaryDir> m_scratch;
    QScopedPointer<Installer> m_installer;
};

QString TestPayloadCopier::expand(QString text) const
{
    const QString root = HostFiles::windowsPath(m_scratch->path());
    return text.replace(QStringLiteral("%D"), root + QStringLiteral("\\TamDownload"))
            .replace(QStringLiteral("%C"), root + QStringLiteral("\\copies"))
            .replace(QStringLiteral("%O"), root + QStringLiteral("\\elsewhere"));
}

void TestPayloadCopier::write(const QString &relative, const QByteArray &content) const
{
    const QString path = m_scratch->filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray TestPayloadCopier::read(const QString &relative) const
{
    QFile file(m_scratch->filePath(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestPayloadCopier::init()
{
    m_scratch.reset(new QTemporaryDir);
    QVERIFY(m_scratch->isValid());
    for (const char *name : {"TamDownload/x.msi",
                             "TamDownload/a.mst",
                             "TamDownload/b.mst",
                             "TamDownload/sub dir/y.exe",
                             "elsewhere/z.exe"})
        write(QString::fromLatin1(name), QByteArray("bytes of ") + name);
    m_installer.reset(new Installer);
    m_installer->setDownloadPath(expand(QStringLiteral("%D\\x.msi")));
    m_installer->setSha256(
            QString::fromLatin1(QCryptographicHash::hash(read(QStringLiteral("TamDownload/x.msi")),
                                                         QCryptographicHash::Sha256)
                                        .toHex()));
}

void TestPayloadCopier::argumentsNameCopies_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("expected");
    QTest::newRow("the package after a switch") << "%D\\x.msi"
                                                << "%C\\x.msi";
    QTest::newRow("quoted in a property, in a folder with a space")
            << "PACKAGE=\"%D\\sub dir\\y.exe\""
            << "PACKAGE=\"%C\\sub dir\\y.exe\"";
    QTest::newRow("a list of two") << "TRANSFORMS=%D\\a.mst;%D\\b.mst"
                                   << "TRANSFORMS=%C\\a.mst;%C\\b.mst";
    QTest::newRow("written with slashes") << "%D/sub dir/y.exe"
                                          << "%C\\sub dir\\y.exe";
    QTest::newRow("an output not there yet") << "/log=%D\\setup.log"
                                             << "/log=%D\\setup.log";
    QTest::newRow("out again through ..") << "%D\\..\\elsewhere\\z.exe"
                                          << "%D\\..\\elsewhere\\z.exe";
    QTest::newRow("a folder whose name goes on") << "%D2\\x.msi"
                                                 << "%D2\\x.msi";
    QTest::newRow("elsewhere") << "%O\\z.exe"
                               << "%O\\z.exe";
}

void TestPayloadCopier::argumentsNameCopies()
{
    QFETCH(QString, argument);
    QFETCH(QString, expected);
    int foldersAsked = 0;
    PayloadCopier copier(*m_installer, expand(QStringLiteral("%D")), [&](QString *) {
        ++foldersAsked;
        return expand(QStringLiteral("%C"));
    });
    Executable step;
    step.setIsJustFileName(true);
    step.setFileName(QStringLiteral("msiexec.exe"));
    step.setArguments({QStringLiteral("/i"), expand(argument)});
    QCOMPARE(copier.redirect(step), PayloadCopier::Copied);
    QCOMPARE(step.arguments(), (QStringList{QStringLiteral("/i"), expand(expected)}));
    QCOMPARE(foldersAsked, expected.contains(QLatin1String("%C")) ? 1 : 0);
    // Each copy holds what the download folder held.
    const QString copies = m_scratch->filePath(QStringLiteral("copies"));
    for (QDirIterator it(copies, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString copy = it.next();
        QFile file(copy);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(file.readAll().startsWith("bytes of TamDownload/"), qPrintable(copy));
    }
}

// A program unpacked from a cabinet comes out of the cabinet's copy, where it lies relative to
// the cabinet; a file of its name beside the download is never run.
void TestPayloadCopier::cabinetProgramComesOutOfTheCopy()
{
    write(QStringLiteral("TamDownload/ocr/setup.exe"), "planted");
    m_installer->setDownloadPath(expand(QStringLiteral("%D\\x.msi")));
    Executable step;
    step.setExecutable(expand(QStringLiteral("%D\\ocr\\setup.exe")), false);
    step.setSrcCompression(QStringLiteral("cab"));
    step.setSrcPath(expand(QStringLiteral("%D\\x.msi")));
    step.setPostProcess(expand(QStringLiteral("%D\\a.mst")));
    PayloadCopier copier(*m_installer, expand(QStringLiteral("%D")), [this](QString *) {
        return expand(QStringLiteral("%C"));
    });
    QCOMPARE(copier.redirect(step), PayloadCopier::Copied);
    QCOMPARE(step.srcPath(), expand(QStringLiteral("%C\\x.msi")));
    QCOMPARE(step.program(),
             expand(QStringLiteral("%C\\ocr\\setup.exe"))
                     .replace(QLatin1Char('\\'), QLatin1Char('/')));
    QCOMPARE(step.postProcess(), expand(QStringLiteral("%C\\a.mst")));
    QVERIFY(!QFileInfo::exists(m_scratch->filePath(QStringLiteral("copies/ocr/setup.exe"))));
}

void TestPayloadCopier::refusals_data()
{
    QTest::addColumn<QString>("change"); // what happened before the helper copied
    QTest::addColumn<int>("outcome");
    QTest::newRow("download swapped") << "swap" << int(PayloadCopier::NotTheDownload);
    QTest::newRow("download gone") << "remove" << int(PayloadCopier::NotTheDownload);
    QTest::newRow("no folder for copies") << "no folder" << int(PayloadCopier::FolderUnavailable);
}

void TestPayloadCopier::refusals()
{
    QFETCH(QString, change);
    QFETCH(int, outcome);
    const QString download = m_scratch->filePath(QStringLiteral("TamDownload/x.msi"));
    if (change == QLatin1String("swap"))
        write(QStringLiteral("TamDownload/x.msi"), "another package");
    if (change == QLatin1String("remove"))
        QVERIFY(QFile::remove(download));
    PayloadCopier copier(*m_installer, expand(QStringLiteral("%D")), [&](QString *why) {
        *why = QStringLiteral("no folder");
        return change == QLatin1String("no folder") ? QString() : expand(QStringLiteral("%C"));
    });
    Executable step;
    step.setExecutable(expand(QStringLiteral("%O\\z.exe")), false);
    step.setArguments({QStringLiteral("/i"), expand(QStringLiteral("%D\\x.msi"))});
    QCOMPARE(int(copier.redirect(step)), outcome);
    QVERIFY(!copier.detail().isEmpty());
    // A refused copy is not left behind for anyone to run.
    QVERIFY(!QFileInfo::exists(m_scratch->filePath(QStringLiteral("copies/x.msi"))));
}

QTEST_MAIN(TestPayloadCopier)
#include "tst_payloadcopier.moc"
