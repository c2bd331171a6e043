// The translations read as the code, the skin and the glossaries say.
//
// What is translated: every text the code passes through tr(), QCoreApplication::translate() or
// QT_TRANSLATE_NOOP, and every text of the skin's form not marked notr. lupdate finds exactly
// those, so every one of them must be translated in every language of the program. What is
// shown untranslated on purpose (configuration faults in "Design Time Error" boxes, the skin
// loader's own errors and warnings) stays out of those calls and so out of this check.

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QString kSourceDir = QStringLiteral(TAM_SOURCE_DIR);

// One translated text and where it comes from.
struct Text
{
    QString file;
    QString context;
    QString source;
    QString translation;
    bool finished = true;

    QString where() const { return QStringLiteral("%1 [%2] \"%3\"").arg(file, context, source); }
};

QString relative(const QString &path)
{
    return QDir(kSourceDir).relativeFilePath(path);
}

QVector<Text> readTs(const QString &path)
{
    QVector<Text> texts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return texts;
    QXmlStreamReader xml(&file);
    QString context;
    Text text;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringRef name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            text = Text{relative(path), context, {}, {}, true};
        } else if (name == QLatin1String("source")) {
            text.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const QStringRef type = xml.attributes().value(QLatin1String("type"));
            text.finished = type.isEmpty();
            text.translation = xml.readElementText();
            texts.append(text);
        }
    }
    return texts;
}

// Texts shown in a catalogue, each with its "en" string as source: display names, descriptions
// and tooltips (file names, addresses and web sites are paths, not texts).
bool isCatalogueText(const QDomElement &element)
{
    static const QStringList tags = {QStringLiteral("displayname"),
                                     QStringLiteral("description"),
                                     QStringLiteral("tooltip")};
    return tags.contains(element.tagName().toLower());
}

QString catalogueContext(QDomElement element)
{
    QStringList path;
    for (; !element.isNull(); element = element.parentNode().toElement()) {
        const QString shortName = element.attribute(QStringLiteral("ShortName"));
        const QString tag = element.tagName().toLower();
        if (tag == QLatin1String("scanner"))
            break;
        if (tag != QLatin1String("installationplatform"))
            path.prepend(tag == QLatin1String("application") ? shortName : tag);
    }
    return path.join(QLatin1Char('/'));
}

QMap<QString, QString> stringsByLanguage(const QDomElement &element)
{
    QMap<QString, QString> strings;
    for (QDomElement string = element.firstChildElement(); !string.isNull();
         string = string.nextSiblingElement()) {
        if (string.tagName().toLower() == QLatin1String("string"))
            strings.insert(string.attribute(QStringLiteral("Language")).toLower(),
                           string.attribute(QStringLiteral("Value")));
    }
    return strings;
}

QDomDocument readXml(const QString &path)
{
    QDomDocument document;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        document.setContent(&file);
    return document;
}

void collectCatalogueTexts(const QDomElement &parent, QList<QDomElement> &texts)
{
    for (QDomElement child = parent.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (isCatalogueText(child))
            texts.append(child);
        else
            collectCatalogueTexts(child, texts);
    }
}

QList<QDomElement> catalogueTexts(const QDomDocument &document)
{
    QList<QDomElement> texts;
    collectCatalogueTexts(document.documentElement(), texts);
    return texts;
}

QVector<Text> readCatalogue(const QString &path, const QString &language)
{
    QVector<Text> texts;
    const QDomDocument document = readXml(path); // the elements need their document alive
    for (const QDomElement &element : catalogueTexts(document)) {
        const QMap<QString, QString> strings = stringsByLanguage(element);
        if (strings.contains(QStringLiteral("en")) && strings.contains(language))
            texts.append({relative(path),
                          catalogueContext(element),
                          strings.value(QStringLiteral("en")),
                          strings.value(language),
                          true});
    }
    return texts;
}

const QStringList kCatalogues
        = {QStringLiteral("demo/disc/scanner_win.xml"), QStringLiteral("demo/update/update.xml")};

// The translation files of one language: the front end's, the helper's, the demo skin's.
QStringList translationFiles(const QString &language)
{
    return {kSourceDir + QStringLiteral("/resources/translations/frontend_%1.ts").arg(language),
            kSourceDir + QStringLiteral("/resources/translations/setup_runner_%1.ts").arg(language),
            kSourceDir + QStringLiteral("/demo/skin/translations/TamSkin_%1.ts").arg(language)};
}

// Every text a person of that language reads: the translation files and the demo catalogues.
QVector<Text> everyText(const QString &language)
{
    QVector<Text> texts;
    for (const QString &file : translationFiles(language))
        texts += readTs(file);
    for (const QString &catalogue : kCatalogues)
        texts += readCatalogue(kSourceDir + QLatin1Char('/') + catalogue, language);
    return texts;
}

// The program's languages are those of the front end's translation files.
QStringList languages()
{
    QStringList codes;
    const QDir folder(kSourceDir + QStringLiteral("/resources/translations"));
    for (const QString &name : folder.entryList({QStringLiteral("frontend_*.ts")}, QDir::Files))
        codes << name.mid(9, name.size() - 12);
    return codes;
}

QString withoutMarkup(QString text)
{
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    return text.remove(tag);
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    QStringList found;
    for (auto match = placeholder.globalMatch(text); match.hasNext();)
        found << match.next().captured();
    found.sort();
    return found;
}

struct GlossaryEntry
{
    QString english;
    QString chosen;
    QStringList forbidden;
};

QVector<GlossaryEntry> readGlossary(const QString &path)
{
    QVector<GlossaryEntry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return entries;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList columns = line.split(QLatin1Char('\t'));
        QStringList forbidden;
        if (columns.size() > 2)
            for (const QString &variant : columns.at(2).split(QLatin1Char('|')))
                if (!variant.isEmpty())
                    forbidden << variant; // spaces count: " tuo " is a word, "tuo" is not
        entries.append({columns.at(0), columns.value(1), forbidden});
    }
    return entries;
}

bool mentions(const QString &source, const QString &english)
{
    if (english == QLatin1String("*"))
        return true;
    const QRegularExpression term(QStringLiteral("\\b") + QRegularExpression::escape(english),
                                  QRegularExpression::CaseInsensitiveOption);
    return term.match(source).hasMatch();
}

// French sets a no-break space (U+00A0) before : ; ? ! and inside « », and writes ’ and « ».
QStringList frenchSpacingFaults(const Text &text)
{
    const QChar noBreak(0x00A0);
    const QString plain = withoutMarkup(text.translation);
    QStringList faults;
    auto fault = [&](const QString &what) { faults << text.where() + QStringLiteral(": ") + what; };
    auto at = [&plain](int i) { return i >= 0 && i < plain.size() ? plain.at(i) : QChar(); };
    for (int i = 0; i < plain.size(); ++i) {
        const QChar c = plain.at(i);
        const bool address = c == QLatin1Char(':') && plain.midRef(i + 1, 2) == QLatin1String("//");
        if (QStringLiteral(":;?!").contains(c) && !address && at(i - 1) != noBreak)
            fault(QStringLiteral("no no-break space before \"%1\"").arg(c));
        if (c == QChar(0x00AB) && at(i + 1) != noBreak)
            fault(QStringLiteral("no no-break space after \u00AB"));
        if (c == QChar(0x00BB) && at(i - 1) != noBreak)
            fault(QStringLiteral("no no-break space before \u00BB"));
        if (c == QLatin1Char('\'') || c == QLatin1Char('"'))
            fault(QStringLiteral("straight quote %1").arg(c));
    }
    return faults;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyShownTextIsTranslated_data();
    void everyShownTextIsTranslated();
    void glossaryWordsAreUsed_data();
    void glossaryWordsAreUsed();
    void sharedTextsReadAlike_data();
    void sharedTextsReadAlike();
    void frenchSpacing();
    void catalogueSpeaksEveryLanguage_data();
    void catalogueSpeaksEveryLanguage();

private:
    QTemporaryDir m_extracted;
};

// What lupdate finds in each program's sources and in the demo skin's form.
void TestTranslations::initTestCase()
{
    QVERIFY(m_extracted.isValid());
    const QList<QPair<QString, QStringList>> programs = {
            {QStringLiteral("setup"), {QStringLiteral("@" TAM_SOURCE_LISTS "/setup_sources.lst")}},
            {QStringLiteral("setup_runner"),
             {QStringLiteral("@" TAM_SOURCE_LISTS "/setup_runner_sources.lst")}},
            {QStringLiteral("TamSkin"), {kSourceDir + QStringLiteral("/demo/skin/TamSkin.ui")}},
    };
    for (const auto &program : programs) {
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(TAM_LUPDATE),
                      program.second
                              + QStringList{QStringLiteral("-silent"),
                                            QStringLiteral("-locations"),
                                            QStringLiteral("none"),
                                            QStringLiteral("-ts"),
                                            m_extracted.filePath(program.first + ".ts")});
        QVERIFY(lupdate.waitForFinished(30000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());
        QVERIFY(!readTs(m_extracted.filePath(program.first + ".ts")).isEmpty());
    }
}

void TestTranslations::everyShownTextIsTranslated_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("file");
    const QStringList programs
            = {QStringLiteral("setup"), QStringLiteral("setup_runner"), QStringLiteral("TamSkin")};
    for (const QString &language : languages()) {
        const QStringList files = translationFiles(language);
        for (int i = 0; i < programs.size(); ++i)
            QTest::addRow("%s %s", qPrintable(programs.at(i)), qPrintable(language))
                    << programs.at(i) << files.at(i);
    }
}

// Every text the program shows has a finished translation that keeps its placeholders.
void TestTranslations::everyShownTextIsTranslated()
{
    QFETCH(QString, program);
    QFETCH(QString, file);
    QVERIFY2(QFile::exists(file), qPrintable(relative(file) + " is missing"));
    QHash<QPair<QString, QString>, Text> translated;
    for (const Text &text : readTs(file))
        translated.insert({text.context, text.source}, text);

    QStringList faults;
    for (const Text &shown : readTs(m_extracted.filePath(program + ".ts"))) {
        const auto found = translated.constFind({shown.context, shown.source});
        const QString where
                = QStringLiteral("%1 [%2] \"%3\"").arg(relative(file), shown.context, shown.source);
        if (found == translated.constEnd())
            faults << where + QStringLiteral(": missing");
        else if (!found->finished || found->translation.trimmed().isEmpty())
            faults << where + QStringLiteral(": not translated");
        else if (placeholders(found->translation) != placeholders(shown.source))
            faults << where + QStringLiteral(": placeholders differ");
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestTranslations::glossaryWordsAreUsed_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : languages())
        if (language != QLatin1String("en"))
            QTest::newRow(qPrintable(language)) << language;
}

// No text whose English holds a glossary term uses one of the words the glossary rules out.
void TestTranslations::glossaryWordsAreUsed()
{
    QFETCH(QString, language);
    const QString path
            = kSourceDir + QStringLiteral("/resources/translations/glossary_%1.tsv").arg(language);
    const QVector<GlossaryEntry> glossary = readGlossary(path);
    QVERIFY2(!glossary.isEmpty(), qPrintable(relative(path) + " is missing or empty"));

    QStringList faults;
    for (const Text &text : everyText(language)) {
        const QString translation = withoutMarkup(text.translation);
        for (const GlossaryEntry &entry : glossary) {
            if (!mentions(text.source, entry.english))
                continue;
            for (const QString &variant : entry.forbidden)
                if (translation.contains(variant, Qt::CaseInsensitive))
                    faults << QStringLiteral("%1: \"%2\" where the glossary says \"%3\"")
                                      .arg(text.where(), variant, entry.chosen);
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestTranslations::sharedTextsReadAlike_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : languages())
        QTest::newRow(qPrintable(language)) << language;
}

// A label the skin fills first and the front end later reads the same both times, and a text
// that names the Install button names it as the button reads.
void TestTranslations::sharedTextsReadAlike()
{
    QFETCH(QString, language);
    const QStringList files = translationFiles(language);
    QHash<QString, QString> frontEnd;
    for (const Text &text : readTs(files.at(0)))
        if (text.context == QLatin1String("FrontEnd"))
            frontEnd.insert(text.source, text.translation);
    QHash<QString, QString> skin;
    for (const Text &text : readTs(files.at(2)))
        skin.insert(text.source, text.translation);

    QStringList faults;
    const QList<QPair<QString, QString>> sameLabel = {{"Speed:", "Speed: "},
                                                      {"Time remaining:", "Time remaining: "},
                                                      {"Installing...", "Installing..."}};
    for (const auto &pair : sameLabel) {
        if (skin.value(pair.first).trimmed() != frontEnd.value(pair.second).trimmed())
            faults << QStringLiteral("skin \"%1\" reads \"%2\", the front end \"%3\"")
                              .arg(pair.first, skin.value(pair.first), frontEnd.value(pair.second));
    }
    const QString install = frontEnd.value(QStringLiteral("Install"));
    for (const QString &sentence :
         {skin.value(
                  QStringLiteral("Tick what you want to install, then press Install or Download.")),
          frontEnd.value(QStringLiteral(
                  "To install a program, select it from the list and then click Install."))}) {
        if (!sentence.contains(install))
            faults << QStringLiteral("\"%1\" does not name the button \"%2\"")
                              .arg(sentence, install);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestTranslations::frenchSpacing()
{
    QStringList faults;
    for (const Text &text : everyText(QStringLiteral("fr")))
        faults << frenchSpacingFaults(text);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestTranslations::catalogueSpeaksEveryLanguage_data()
{
    QTest::addColumn<QString>("catalogue");
    for (const QString &catalogue : kCatalogues)
        QTest::newRow(qPrintable(catalogue)) << catalogue;
}

// Every text of the demo catalogues that has an English string has one for each language the
// product offers; a name that reads the same everywhere stands alone under Language="*".
void TestTranslations::catalogueSpeaksEveryLanguage()
{
    QFETCH(QString, catalogue);
    const QDomDocument document = readXml(kSourceDir + QLatin1Char('/') + catalogue);
    QVERIFY2(!document.isNull(), qPrintable(catalogue));
    QStringList offered;
    const QDomNodeList languageElements = document.elementsByTagName(QStringLiteral("language"));
    for (int i = 0; i < languageElements.size(); ++i)
        offered << languageElements.at(i)
                           .toElement()
                           .attribute(QStringLiteral("IsoCode"))
                           .toLower();
    QVERIFY(offered.size() > 1);

    QStringList faults;
    for (const QDomElement &element : catalogueTexts(document)) {
        const QMap<QString, QString> strings = stringsByLanguage(element);
        const bool neutral = strings.keys() == QStringList{QStringLiteral("*")};
        if (!neutral && !strings.contains(QStringLiteral("en")))
            faults << catalogueContext(element) + QStringLiteral(": no English string");
        for (const QString &language : offered)
            if (!neutral && !strings.contains(language))
                faults << QStringLiteral("%1: no %2 string")
                                  .arg(catalogueContext(element), language);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
