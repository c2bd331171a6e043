// Product files come from discs and from the network: garbage, truncated, mutated, huge and
// deeply nested files must make load() return false or read what it can, never crash or hang.
// A sample on every build and platform; scripts/fuzz searches far wider (fuzz_productfile).

#include "application.h"
#include "catalogtestsupport.h"
#include "installer.h"
#include "scannerinfo.h"
#include "xmlguard.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

QByteArray readFixture(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// Loads content in every way the front end does and touches what was read.
void exercise(ScratchMachine &machine, const QByteArray &content)
{
    // A new file each time: rewriting one file in place makes some file systems flush it.
    static int serial = 0;
    const QString file = machine.writeFile(QStringLiteral("fuzz/%1.xml").arg(++serial), content);
    ScannerInfo info;
    info.setLanguage(QStringLiteral("de_de"));
    info.checkFile(file);
    info.loadLanguages(file);
    QVERIFY(!info.supportedLanguages().isEmpty());
    if (info.load(file, true, true) && info.load(file, false, true))
        info.merge();
    if (!info.load(file, false, false))
        return;
    info.refreshInstalledStates();
    for (Application *application : info.applications()) {
        QVERIFY(application->remainingWebDownload().bytes >= 0);
        for (Installer *installer : application->installers())
            QVERIFY(installer->order() == installer->order());
    }
}

QByteArray mutate(QByteArray content, QRandomGenerator &random)
{
    static const char pieces[] = "<>\"'=&;/![]?-\0\xff\xc3";
    const int edits = 1 + int(random.bounded(8));
    for (int e = 0; e < edits && !content.isEmpty(); ++e) {
        const int at = int(random.bounded(content.size()));
        switch (random.bounded(5)) {
        case 0: // flip a byte
            content[at] = char(random.bounded(256));
            break;
        case 1: // drop a stretch
            content.remove(at, int(random.bounded(64)));
            break;
        case 2: // repeat a stretch
            content.insert(at, content.mid(at, int(random.bounded(256))));
            break;
        case 3: // insert markup characters
            content.insert(at, pieces[random.bounded(int(sizeof(pieces) - 1))]);
            break;
        default: // swap two stretches
        {
            const int other = int(random.bounded(content.size()));
            const QByteArray a = content.mid(at, 16);
            content.replace(at, a.size(), content.mid(other, 16));
        }
        }
    }
    return content;
}

QByteArray nested(int depth, const QByteArray &inner = QByteArray())
{
    QByteArray text = "<Scanner ShortName=\"Deep\"><application ShortName=\"A\">";
    text.reserve(depth * 8 + 200);
    for (int i = 0; i < depth; ++i)
        text += "<a>";
    text += inner;
    for (int i = 0; i < depth; ++i)
        text += "</a>";
    text += "</application></Scanner>";
    return text;
}

} // namespace

class TestProductFileFuzz : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void truncated_data();
    void truncated();
    void mutated_data();
    void mutated();
    void hostile_data();
    void hostile();
    void manyEntriesAreReadInFull();

private:
    std::unique_ptr<ScratchMachine> m_machine;
    std::unique_ptr<MessageRecorder> m_recorder;
};

void TestProductFileFuzz::initTestCase()
{
    m_machine = std::make_unique<ScratchMachine>();
    m_recorder = std::make_unique<MessageRecorder>();
}

void TestProductFileFuzz::cleanupTestCase()
{
    m_recorder.reset();
    m_machine.reset();
}

static void addFixtureColumns()
{
    QTest::addColumn<QByteArray>("content");
    const QStringList files{QStringLiteral(TAM_FIXTURES_DIR "/catalogue/disc.xml"),
                            QStringLiteral(TAM_FIXTURES_DIR "/catalogue/update.xml"),
                            QStringLiteral(TAM_DEMO_DISC_DIR "/scanner_win.xml")};
    for (const QString &file : files) {
        const QByteArray content = readFixture(file);
        QVERIFY2(!content.isEmpty(), qPrintable(file));
        QTest::newRow(qPrintable(QFileInfo(file).fileName())) << content;
    }
}

void TestProductFileFuzz::truncated_data()
{
    addFixtureColumns();
}

void TestProductFileFuzz::truncated()
{
    QFETCH(QByteArray, content);
    const int step = qMax(1, content.size() / 60);
    for (int length = 0; length < content.size(); length += step)
        exercise(*m_machine, content.left(length));
}

void TestProductFileFuzz::mutated_data()
{
    addFixtureColumns();
}

void TestProductFileFuzz::mutated()
{
    QFETCH(QByteArray, content);
    QRandomGenerator random(0x7a3d + quint32(content.size()));
    for (int round = 0; round < 60; ++round)
        exercise(*m_machine, mutate(content, random));
}

void TestProductFileFuzz::hostile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("loads");

    QTest::newRow("binary garbage") << QByteArray("\x00\x01\xfe\xff<\x00S", 7) << false;
    QTest::newRow("nested far too deep") << nested(200000) << false;
    QTest::newRow("nested within reason") << nested(200) << true;
    QTest::newRow("entity expansion") << QByteArray(
            "<?xml version=\"1.0\"?><!DOCTYPE Scanner [<!ENTITY a \"aaaaaaaaaa\">"
            "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;\">"
            "]><Scanner ShortName=\"&c;\"/>")
                                      << false;
    QTest::newRow("larger than a product file can be")
            << QByteArray("<Scanner ShortName=\"") + QByteArray(XmlGuard::maxBytes, 'x')
                       + QByteArray("\"/>")
            << false;
    // The DOM reads on past faults the screen's stream reader stops at: the nesting behind any
    // of them is bounded all the same.
    const QByteArray deep = QByteArray("<a>").repeated(50000);
    const std::pair<const char *, QByteArray> firstFaults[] = {
            {"deep after an undeclared entity", "<scanner>&foo;"},
            {"deep after a character zero", "<scanner>&#0;"},
            {"deep after a duplicate attribute", "<scanner a=\"1\" a=\"2\">"},
            {"deep after an undeclared prefix", "<scanner><p:x/>"},
            {"deep in version 1.1", "<?xml version=\"1.1\"?><scanner>"},
            {"deep in an unknown encoding", "<?xml version=\"1.0\" encoding=\"x-none\"?><scanner>"},
            {"deep behind a UTF-8 mark declared UTF-16",
             "\xef\xbb\xbf<?xml version=\"1.0\" encoding=\"UTF-16\"?><scanner>"},
            {"entities declared after the first fault",
             "<scanner>&foo;</scanner><!DOCTYPE s [<!ENTITY a \"aaaa\">]>"},
    };
    for (const auto &row : firstFaults)
        QTest::newRow(row.first) << row.second + deep << false;
    QTest::newRow("undeclared entity, shallow")
            << QByteArray("<scanner ShortName=\"S\">&foo;<application ShortName=\"A\"/></scanner>")
            << true;
    QTest::newRow("extreme numbers") << QByteArray(
            "<Scanner><application ShortName=\"N\"><installationplatform "
            "Value=\"all\" Version=\"99999999999999999999.-5\" "
            "RunIfDestOsVersion=\"isless\"><installer Order=\"2147483647\" "
            "size=\"-99999999999999999999\" wait_after_install=\"-7\" "
            "url=\"https://x\" Executable=\"a.exe\"><checker Type=\"registrykeyvalue\" "
            "QueryValue=\"^^^\" MatchValue=\"1e999\" MatchMode=\"isless\"/></installer>"
            "<installer Order=\"-2147483648\" Executable=\"\"/></installationplatform>"
            "<userguide Order=\"1e9\"><displayname><string Language=\"*\" "
            "FixedPointSize=\"nan\" Value=\"x\"/></displayname></userguide>"
            "</application></Scanner>")
                                     << true;
    QTest::newRow("empty elements everywhere")
            << QByteArray("<scanner><application/><application><installationplatform/>"
                          "<installationplatform Value=\"all\"><installer/></installationplatform>"
                          "</application><scannerreadme/><website/><update_url/>"
                          "<supportedlanguages><language/></supportedlanguages></scanner>")
            << true;
}

void TestProductFileFuzz::hostile()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, loads);
    exercise(*m_machine, content);
    ScannerInfo info;
    const QString file = m_machine->path("fuzz/hostile.xml");
    QFile::remove(file);
    QCOMPARE(info.load(m_machine->writeFile("fuzz/hostile.xml", content), true, false), loads);
    for (Application *application : info.applications()) {
        for (Installer *installer : application->installers())
            QVERIFY(installer->size() >= 0);
    }
}

void TestProductFileFuzz::manyEntriesAreReadInFull()
{
    QByteArray content = "<Scanner ShortName=\"Many\">";
    for (int i = 0; i < 5000; ++i)
        content += QStringLiteral("<application ShortName=\"E%1\"><installationplatform "
                                  "Value=\"all\"><installer Executable=\"e%1.exe\"><checker "
                                  "Type=\"file\"/></installer></installationplatform>"
                                  "</application>")
                           .arg(i)
                           .toUtf8();
    content += "</Scanner>";
    ScannerInfo info;
    QVERIFY(info.load(m_machine->writeFile("many.xml", content), true, false));
    QCOMPARE(info.applications().size(), 5000);
}

QTEST_GUILESS_MAIN(TestProductFileFuzz)
#include "tst_productfilefuzz.moc"
