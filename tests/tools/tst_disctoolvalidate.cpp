// disctool validate and the authors' guide: every file the demo lays out and every example of
// docs/authoring.md passes the schemas (disctool's and xmllint's verdict alike) and setup's own
// reading; one broken file of each kind is refused once, at its line; the guide's XML comes from
// the example files, and the example disc lays out and installs on a fresh simulated machine.

#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString sourceDir = QStringLiteral(TAM_SOURCE_DIR);
const QString demoDir = QStringLiteral(TAM_DEMO_DIR);
const QString examplesDir = sourceDir + QStringLiteral("/docs/examples");

struct Run
{
    int exitCode = -1;
    QString output;
};

Run run(const QString &program,
        const QStringList &arguments,
        const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    Run result;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        result.output = program + QStringLiteral(" did not finish");
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromUtf8(process.readAll());
    return result;
}

Run disctool(const QStringList &arguments)
{
    return run(QStringLiteral(DISCTOOL_PATH), arguments);
}

// The lines of disctool's output that are its own (Qt may add a note about XDG_RUNTIME_DIR).
QStringList problemLines(const QString &output)
{
    QStringList lines = output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    lines.erase(std::remove_if(lines.begin(),
                               lines.end(),
                               [](const QString &line) {
                                   return line.startsWith(QLatin1String("QStandardPaths:"));
                               }),
                lines.end());
    return lines;
}

bool copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !QFile::copy(source, target))
            return false;
        QFile::setPermissions(target, QFileInfo(source).permissions());
    }
    return true;
}

QString schemaOf(const QString &file)
{
    QFile xml(file);
    if (!xml.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(xml.readAll());
    const QString root = QRegularExpression(QStringLiteral("<([A-Za-z]+)[\\s>/]"))
                                 .match(text, text.indexOf(QLatin1String("?>")))
                                 .captured(1);
    const QHash<QString, QString> schemas{{"Scanner", "scanner.xsd"},
                                          {"Bundle", "bundle.xsd"},
                                          {"SN", "bundleselection.xsd"},
                                          {"Setup", "setupupdate.xsd"},
                                          {"dvdpath", "dvdpath.xsd"}};
    return schemas.value(root);
}

// Runs of white space as one space, so that an excerpt indented differently still matches.
QString squeezed(QString text)
{
    return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" ")).trimmed();
}

} // namespace

class TestDiscToolValidate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void acceptsWhatAuthorsWrite_data();
    void acceptsWhatAuthorsWrite();
    void refusesABrokenFileAtItsLine_data();
    void refusesABrokenFileAtItsLine();
    void layoutRefusesAProductFileThatDoesNotValidate();
    void theGuideShowsExcerptsOfRealFiles();
    void theExampleDiscLaysOutAndInstalls();

private:
    QTemporaryDir m_dir;
    // The demo disc with the example's product file in place of its own.
    QString m_exampleDisc;
};

void TestDiscToolValidate::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_exampleDisc = m_dir.filePath(QStringLiteral("example-disc"));
    QVERIFY(copyTree(demoDir + QStringLiteral("/disc"), m_exampleDisc));
    QFile::remove(m_exampleDisc + QStringLiteral("/scanner_win.xml"));
    QVERIFY(QFile::copy(examplesDir + QStringLiteral("/disc/scanner_win.xml"),
                        m_exampleDisc + QStringLiteral("/scanner_win.xml")));
}

void TestDiscToolValidate::acceptsWhatAuthorsWrite_data()
{
    QTest::addColumn<QString>("file");
    const QString server = demoDir + QStringLiteral("/updateserver");
    for (const QString &file :
         {demoDir + QStringLiteral("/disc/scanner_win.xml"),
          demoDir + QStringLiteral("/update/update.xml"),
          server + QStringLiteral("/Downloads/updater/0A41/Windows/0A41_SN.xml"),
          server + QStringLiteral("/Downloads/updater/0A41/Windows/0A41_A.xml"),
          server + QStringLiteral("/Downloads/updater/0A41/Windows/0A41_Bundle_A.xml"),
          server + QStringLiteral("/Downloads/updater/0B52/Windows/0B52_1.xml"),
          server + QStringLiteral("/setupupdate/TamberlinUpdate.xml")}) {
        QTest::newRow(qPrintable(QStringLiteral("demo ") + QDir(demoDir).relativeFilePath(file)))
                << file;
    }
    QDirIterator it(
            examplesDir, {QStringLiteral("*.xml")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString name = QDir(examplesDir).relativeFilePath(file);
        // The example disc's installers are those of the demo disc.
        const QString checked = name == QLatin1String("disc/scanner_win.xml")
                                        ? m_exampleDisc + QStringLiteral("/scanner_win.xml")
                                        : file;
        QTest::newRow(qPrintable(QStringLiteral("example ") + name)) << checked;
    }
}

void TestDiscToolValidate::acceptsWhatAuthorsWrite()
{
    QFETCH(QString, file);
    const Run validate = disctool({QStringLiteral("validate"), file});
    QVERIFY2(validate.exitCode == 0 && problemLines(validate.output).isEmpty(),
             qPrintable(validate.output));

    const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    if (xmllint.isEmpty())
        QSKIP("xmllint is not installed (scripts/install-deps brings libxml2-utils)");
    const QString schema = schemaOf(file);
    QVERIFY2(!schema.isEmpty(), qPrintable(file));
    const Run lint = run(xmllint,
                         {QStringLiteral("--noout"),
                          QStringLiteral("--nonet"),
                          QStringLiteral("--schema"),
                          sourceDir + QStringLiteral("/schemas/") + schema,
                          file});
    QVERIFY2(lint.exitCode == 0, qPrintable(lint.output));
}

void TestDiscToolValidate::refusesABrokenFileAtItsLine_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("problem");

    const QByteArray product = R"(<?xml version="1.0" encoding="UTF-8"?>
<Scanner ShortName="X-1" LongName="Tamberlin X 1" PID="0A99">
  <application ShortName="Tool">
    <installationplatform Value="all">
      <installer Executable="$SetupPath$\Tool\ToolSetup.exe" url="https://example.com/t.exe">
        <checker Type="installer" QueryValue="{0}" MatchMode="%MODE%"/>
      </installer>
    </installationplatform>
  </application>
</Scanner>
)";
    QTest::newRow("product file: a misspelt match mode")
            << QByteArray(product).replace("%MODE%", "isequalornewr") << 6
            << "attribute 'MatchMode'";
    QTest::newRow("product file: a local installer that is not there")
            << QByteArray(product)
                       .replace("%MODE%", "exists")
                       .replace(R"( url="https://example.com/t.exe")", "")
            << 3 << "Unable to find executable";
    QTest::newRow("product file: a hash of 63 digits")
            << QByteArray(product)
                       .replace("%MODE%", "exists")
                       .replace(R"(url=)", "sha256=\"" + QByteArray(63, 'a') + "\" url=")
            << 5 << "attribute 'sha256'";
    QTest::newRow("bundle: an application without ShortName") << QByteArray(R"(<?xml version="1.0"?>
<Bundle MinSetupVersion="1.0">

  <application IsSelectedByDefault="true"/>
</Bundle>
)") << 4 << "ShortName";
    QTest::newRow("bundle selection: no DefaultBundle")
            << QByteArray("<SN>\n<Model/>\n</SN>\n") << 2 << "DefaultBundle";
    QTest::newRow("setup description: an unknown compression")
            << QByteArray("<?xml version=\"1.0\"?>\n<Setup Version=\"2.0\" compression=\"zip\" "
                          "sha256=\""
                          + QByteArray(64, '0') + "\"/>\n")
            << 2 << "compression";
    QTest::newRow("DVDPath.xml: no dvd_path") << QByteArray("\n\n<dvdpath/>\n") << 3 << "dvd_path";
    QTest::newRow("a root no author writes")
            << QByteArray("<?xml version=\"1.0\"?>\n<Catalog/>\n") << 2 << "no schema";
    QTest::newRow("an entity declaration")
            << QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE SN [\n<!ENTITY a \"b\">\n]>\n"
                          "<SN><Model DefaultBundle=\"&a;\"/></SN>\n")
            << 3 << "entity declarations are not accepted";
    QTest::newRow("not well-formed")
            << QByteArray("<SN>\n<Model DefaultBundle=\"A\">\n</SN>\n") << 3 << "column";
}

void TestDiscToolValidate::refusesABrokenFileAtItsLine()
{
    QFETCH(QByteArray, content);
    QFETCH(int, line);
    QFETCH(QString, problem);
    const QString path = m_dir.filePath(QStringLiteral("broken.xml"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    file.close();

    const Run validate = disctool({QStringLiteral("validate"), path});
    QCOMPARE(validate.exitCode, 1);
    const QStringList lines = problemLines(validate.output);
    QVERIFY2(lines.size() == 1, qPrintable(validate.output));
    QVERIFY2(lines.first().startsWith(QStringLiteral("%1:%2: ").arg(path).arg(line)),
             qPrintable(validate.output));
    QVERIFY2(lines.first().contains(problem), qPrintable(validate.output));
}

void TestDiscToolValidate::layoutRefusesAProductFileThatDoesNotValidate()
{
    const QString disc = m_dir.filePath(QStringLiteral("invalid-disc"));
    QVERIFY(copyTree(m_exampleDisc, disc));
    const QString product = disc + QStringLiteral("/scanner_win.xml");
    QFile file(product);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QByteArray text = file.readAll();
    QVERIFY(text.contains("MatchMode=\"exists\""));
    text.replace("MatchMode=\"exists\"", "MatchMode=\"present\"");
    QVERIFY(file.resize(0));
    file.write(text);
    file.close();

    const QString out = m_dir.filePath(QStringLiteral("invalid-out"));
    const Run layout = disctool({QStringLiteral("layout"), product, out});
    QCOMPARE(layout.exitCode, 1);
    QVERIFY2(layout.output.contains(QStringLiteral("problem: %1:").arg(product))
                     && layout.output.contains(QLatin1String("'present'")),
             qPrintable(layout.output));
    QVERIFY(!QFileInfo::exists(out));
}

void TestDiscToolValidate::theGuideShowsExcerptsOfRealFiles()
{
    QFile guide(sourceDir + QStringLiteral("/docs/authoring.md"));
    QVERIFY(guide.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(guide.readAll());
    QStringList files;
    QDirIterator it(
            examplesDir, {QStringLiteral("*.xml")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile example(it.next());
        QVERIFY(example.open(QIODevice::ReadOnly));
        files << squeezed(QString::fromUtf8(example.readAll()));
    }
    const QRegularExpression block(QStringLiteral("```xml\\n(.*?)```"),
                                   QRegularExpression::DotMatchesEverythingOption);
    int blocks = 0;
    for (auto match = block.globalMatch(text); match.hasNext(); ++blocks) {
        // "..." stands for what the excerpt leaves out.
        const QStringList pieces = squeezed(match.next().captured(1))
                                           .split(QStringLiteral("..."), Qt::SkipEmptyParts);
        for (const QString &piece : pieces) {
            const bool found = std::any_of(files.cbegin(), files.cend(), [&](const QString &f) {
                return f.contains(piece.trimmed());
            });
            QVERIFY2(found, qPrintable(QStringLiteral("not in docs/examples: ") + piece));
        }
    }
    QVERIFY(blocks > 5);
}

void TestDiscToolValidate::theExampleDiscLaysOutAndInstalls()
{
    const QString out = m_dir.filePath(QStringLiteral("example-out"));
    const Run layout = disctool(
            {QStringLiteral("layout"), m_exampleDisc + QStringLiteral("/scanner_win.xml"), out});
    QVERIFY2(layout.exitCode == 0, qPrintable(layout.output));

    const QString machine = m_dir.filePath(QStringLiteral("machine"));
    const QString product = out + QStringLiteral("/scanner_win.xml");
    auto installed = [&](const QString &machineOption) {
        const Run catalogue
                = disctool({QStringLiteral("catalogue"), product, machineOption, machine});
        return catalogue.output.count(QStringLiteral("\"installed\": true"));
    };
    QCOMPARE(installed(QStringLiteral("--new-machine")), 0);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TAM_MACHINE"), machine);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString log = m_dir.filePath(QStringLiteral("install.log"));
    const Run setup
            = run(out + QStringLiteral("/setup"),
                  {QStringLiteral("/quiet"), QStringLiteral("/all"), QStringLiteral("/log"), log},
                  environment);
    QFile logFile(log);
    logFile.open(QIODevice::ReadOnly);
    QVERIFY2(setup.exitCode == 0, logFile.readAll().constData());
    // Every application, and every installer's check, now finds what was installed.
    const Run after = disctool(
            {QStringLiteral("catalogue"), product, QStringLiteral("--machine"), machine});
    QCOMPARE(after.output.count(QStringLiteral("\"installed\": false")), 0);
    QVERIFY(after.output.count(QStringLiteral("\"installed\": true")) >= 4);
}

QTEST_GUILESS_MAIN(TestDiscToolValidate)
#include "tst_disctoolvalidate.moc"
