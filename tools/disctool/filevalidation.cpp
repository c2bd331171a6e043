#include "filevalidation.h"

#include "application.h"
#include "hostfiles.h"
#include "messageseam.h"
#include "scannerinfo.h"
#include "schemavalidator.h"
#include "setupsettings.h"
#include "xmlguard.h"

#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace {

// The catalogue's messages while reading runs, each at the line of what was being read.
class MessageCapture
{
public:
    MessageCapture()
    {
        MessageSeam::setHandler([this](QObject *,
                                       MessageSeam::Icon,
                                       const QString &,
                                       const QString &text,
                                       int buttons,
                                       int) {
            m_problems.append({m_line, text});
            return (buttons & MessageSeam::Ok) ? int(MessageSeam::Ok) : int(MessageSeam::Yes);
        });
    }
    ~MessageCapture() { MessageSeam::setHandler(nullptr); }
    void setLine(int line) { m_line = line; }
    FileProblems problems() const { return m_problems; }

private:
    int m_line = 0;
    FileProblems m_problems;
};

QList<QDomElement> applicationsOf(const QDomElement &root)
{
    QList<QDomElement> applications;
    for (QDomElement child = root.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (child.tagName().toLower() == QLatin1String("application"))
            applications.append(child);
    }
    return applications;
}

int lineOfChild(const QDomElement &root, const QString &lowerName)
{
    for (QDomElement child = root.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (child.tagName().toLower() == lowerName)
            return child.lineNumber();
    }
    return root.lineNumber();
}

// Reads the file's applications as setup does, in every language the product offers (a path
// with $LangCode$ may exist in one language only).
FileProblems catalogueReading(const QString &path, const QDomElement &root)
{
    MessageCapture capture;
    SetupSettings::setSetupPath(HostFiles::windowsPath(QFileInfo(path).absolutePath()));
    SetupSettings::setDownloadPath(SetupSettings::defaultDownloadPath());

    QStringList languages{QStringLiteral("en")};
    const bool isProductFile = root.tagName().toLower() == QLatin1String("scanner");
    if (isProductFile) {
        ScannerInfo info;
        capture.setLine(lineOfChild(root, QStringLiteral("supportedlanguages")));
        info.loadLanguages(path);
        languages = info.supportedLanguages();
    }
    for (const QString &code : languages) {
        ScannerInfo language;
        language.setLanguage(code.toLower());
        for (const QDomElement &element : applicationsOf(root)) {
            capture.setLine(element.lineNumber());
            delete Application::fromCatalogue(element,
                                              language.languageCode(),
                                              language.countryCode(),
                                              !isProductFile,
                                              nullptr);
        }
    }
    return capture.problems();
}

// libxml2 follows a value's facet complaint ("[facet 'pattern'] ...") with a second one about
// the same attribute ("... is not a valid value of the atomic type"): one fault, told once.
FileProblems withoutRepeats(const FileProblems &problems)
{
    static const QRegularExpression subject(
            QStringLiteral("^Element '[^']*'(, attribute '[^']*')?"));
    FileProblems kept;
    QHash<QString, bool> told;
    for (const FileProblem &problem : problems) {
        const QString key = QString::number(problem.line) + QLatin1Char(' ')
                            + subject.match(problem.message).captured(0);
        const bool aboutAValue = !subject.match(problem.message).captured(1).isEmpty();
        if (kept.contains(problem) || (aboutAValue && told.contains(key)))
            continue;
        told.insert(key, true);
        kept.append(problem);
    }
    std::stable_sort(kept.begin(), kept.end(), [](const FileProblem &a, const FileProblem &b) {
        return a.line < b.line;
    });
    return kept;
}

// Setup's reading complains about some values the schema refuses too (a malformed sha256): the
// schema's words, with the line of the attribute, are kept.
FileProblems notToldBy(const FileProblems &schemaProblems, const FileProblems &readingProblems)
{
    static const QRegularExpression refusedValue(QStringLiteral("The value '([^']*)'"));
    QStringList refused;
    for (const FileProblem &problem : schemaProblems) {
        const QString value = refusedValue.match(problem.message).captured(1);
        if (!value.isEmpty())
            refused << QLatin1Char('"') + value + QLatin1Char('"');
    }
    FileProblems kept;
    for (const FileProblem &problem : readingProblems) {
        const bool told = std::any_of(refused.cbegin(), refused.cend(), [&](const QString &v) {
            return problem.message.contains(v);
        });
        if (!told)
            kept.append(problem);
    }
    return kept;
}

} // namespace

QString FileValidation::schemaFor(const QString &rootName)
{
    static const QHash<QString, QString> schemas{
            {QStringLiteral("Scanner"), QStringLiteral("scanner.xsd")},
            {QStringLiteral("Bundle"), QStringLiteral("bundle.xsd")},
            {QStringLiteral("SN"), QStringLiteral("bundleselection.xsd")},
            {QStringLiteral("Setup"), QStringLiteral("setupupdate.xsd")},
            {QStringLiteral("dvdpath"), QStringLiteral("dvdpath.xsd")},
    };
    for (auto it = schemas.cbegin(); it != schemas.cend(); ++it) {
        if (it.key().compare(rootName, Qt::CaseInsensitive) == 0)
            return it.value();
    }
    return {};
}

FileProblems FileValidation::of(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{0, QStringLiteral("cannot be opened: %1").arg(file.errorString())}};
    QByteArray content;
    QString error;
    int line = 0;
    int column = 0;
    if (!XmlGuard::readWithin(file, content, &error, &line, &column))
        return {{line, error}};
    const QString text = XmlGuard::decode(content);
    QDomDocument document;
    if (!XmlGuard::parse(text, document, &error, &line, &column))
        return {{line, QStringLiteral("column %1: %2").arg(column).arg(error)}};

    const QDomElement root = document.documentElement();
    const QString schema = schemaFor(root.tagName());
    if (schema.isEmpty()) {
        return {{root.lineNumber(),
                 QStringLiteral("no schema for a root element \"%1\" (Scanner, Bundle, SN, "
                                "Setup or dvdpath)")
                         .arg(root.tagName())}};
    }
    FileProblems problems = SchemaValidator::validate(schema, text);
    problems += notToldBy(problems, catalogueReading(path, root));
    return withoutRepeats(problems);
}

QString FileValidation::format(const QString &path, const FileProblem &problem)
{
    if (problem.line <= 0)
        return QStringLiteral("%1: %2").arg(path, problem.message);
    return QStringLiteral("%1:%2: %3").arg(path).arg(problem.line).arg(problem.message);
}
