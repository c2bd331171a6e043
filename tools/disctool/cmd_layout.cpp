// disctool layout PRODUCT.xml OUT_DIR [--iso FILE] [--label TEXT] [--with-downloads]: checks a
// disc before it is burnt (the product file as disctool validate does, then the disc) and lays
// it out. The disc is the folder that holds the product file.
// Every problem is printed; while there is one nothing is written. Otherwise the folder is
// copied to OUT_DIR and, with --iso, written as an ISO 9660 image with Joliet (and Rock Ridge)
// names by xorriso. --with-downloads also fetches every web payload that carries a sha256 into
// OUT_DIR/Downloads, verified, so that the laid-out folder installs with no internet access
// (setup takes a payload from there when its hash matches; engine/stagedpayload.h).

#include "application.h"
#include "disctoolcommand.h"

#include "downloadmanager.h"
#include "filevalidation.h"
#include "hostfiles.h"
#include "languagetable.h"
#include "pathvariables.h"
#include "payloadhash.h"
#include "setupsettings.h"
#include "skinverdict.h"
#include "stagedpayload.h"
#include "xmlguard.h"

#include <QDir>
#include <QDirIterator>
#include <QDomDocument>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPair>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTranslator>
#include <QUrl>

namespace {

constexpr char SetupPathVariable[] = "$SetupPath$";

struct Options
{
    QString product;
    QString output;
    QString iso;
    QString label;
    bool withDownloads = false;
};

// A web payload the catalogue names with its hash: where it comes from and the file name its
// download target gives it.
struct WebPayload
{
    QString url;
    QString sha256;
    QString target;
};

class DiscCheck
{
public:
    explicit DiscCheck(const QString &product)
        : m_product(QFileInfo(product).absoluteFilePath())
        , m_disc(QFileInfo(product).absolutePath())
    {}

    // The web payloads that carry a sha256 and are not on the disc already, one per hash.
    QList<WebPayload> webPayloads() const { return m_webPayloads; }

    QStringList run()
    {
        QFile file(m_product);
        QByteArray content;
        QString error;
        int line = 0;
        int column = 0;
        QDomDocument document;
        if (!file.open(QIODevice::ReadOnly)
            || !XmlGuard::readWithin(file, content, &error, &line, &column)
            || !XmlGuard::parse(XmlGuard::decode(content), document, &error, &line, &column)) {
            problem(QStringLiteral("%1: cannot read the product file (%2, line %3)")
                            .arg(m_product, error.isEmpty() ? file.errorString() : error)
                            .arg(line));
            return m_problems;
        }
        const QDomElement root = document.documentElement();
        readLanguages(root);
        checkSkin(root.attribute(QStringLiteral("Skin")));
        checkElements(root);
        return m_problems;
    }

private:
    // A path without $LangCode$ is the same file in every language: one line for it.
    void problem(const QString &text)
    {
        if (!m_problems.contains(text))
            m_problems << text;
    }

    void readLanguages(const QDomElement &root)
    {
        for (QDomElement group = root.firstChildElement(); !group.isNull();
             group = group.nextSiblingElement()) {
            if (group.tagName().toLower() != QLatin1String("supportedlanguages"))
                continue;
            for (QDomElement language = group.firstChildElement(); !language.isNull();
                 language = language.nextSiblingElement())
                m_languages << language.attribute(QStringLiteral("IsoCode")).toLower();
        }
        m_languages.removeAll(QString());
        if (m_languages.isEmpty())
            m_languages << QStringLiteral("en");
    }

    void checkSkin(const QString &skin)
    {
        if (skin.isEmpty()) {
            problem(QStringLiteral("the product file names no skin"));
            return;
        }
        const QString form = QDir(m_disc).filePath(skin);
        const SkinVerdict verdict = SkinVerdict::of(form);
        for (const QString &text : verdict.errors)
            problem(QStringLiteral("skin: %1").arg(text));
        const QString baseName = form.left(form.lastIndexOf(QLatin1Char('.')));
        if (!QFileInfo::exists(baseName + QStringLiteral(".rcc")))
            problem(QStringLiteral("the skin's resources %1.rcc are missing").arg(baseName));
        for (const QString &language : qAsConst(m_languages)) {
            QTranslator translator;
            if (!translator.load(QFileInfo(baseName).fileName() + QLatin1Char('_') + language,
                                 m_disc))
                problem(QStringLiteral("no translation of the skin for %1 (%2_%1.qm)")
                                .arg(language, QFileInfo(baseName).fileName()));
        }
    }

    // Every file the disc itself must hold, in every language of the product. Paths outside
    // the disc (Program Files, the download folder, a bare program name) are not the disc's.
    void checkElements(const QDomElement &root)
    {
        for (QDomElement element = root.firstChildElement(); !element.isNull();
             element = element.nextSiblingElement()) {
            const QString tag = element.tagName().toLower();
            if (tag == QLatin1String("application")) {
                if (element.attribute(QStringLiteral("IsOnDisc2")).toLower()
                    != QLatin1String("true"))
                    checkApplication(element);
            } else if (tag == QLatin1String("scannerreadme")) {
                checkDocument(element);
            }
        }
    }

    // An author knows an application by the name the Install page shows; the short name
    // tells two of the same name apart.
    static QString applicationLabel(const QDomElement &application)
    {
        const QString shortName = application.attribute(QStringLiteral("ShortName"));
        QString shown;
        for (QDomElement names = application.firstChildElement(); !names.isNull();
             names = names.nextSiblingElement()) {
            if (names.tagName().toLower() != QLatin1String("displayname"))
                continue;
            for (QDomElement text = names.firstChildElement(); !text.isNull();
                 text = text.nextSiblingElement()) {
                const QString language = text.attribute(QStringLiteral("Language")).toLower();
                if (shown.isEmpty() || language == QLatin1String("*")
                    || language.startsWith(QLatin1String("en")))
                    shown = text.attribute(QStringLiteral("Value"));
                if (language == QLatin1String("*") || language.startsWith(QLatin1String("en")))
                    break;
            }
            break;
        }
        if (shown.isEmpty() || shown == shortName)
            return shortName;
        return QStringLiteral("%1 (%2)").arg(shown, shortName);
    }

    void checkApplication(const QDomElement &application)
    {
        const QString name = applicationLabel(application);
        // The licences the user is asked to agree to before this application installs: a
        // missing one would show an empty page to agree to.
        for (const bool brand : {true, false}) {
            if (!Application::asksForLicence(application, brand))
                continue;
            for (const QString &language : qAsConst(m_languages)) {
                const QString licence
                        = m_disc + QLatin1Char('/') + LanguageTable::licenceFile(language, brand);
                if (m_checkedFiles.contains(licence))
                    continue;
                m_checkedFiles << licence;
                if (!QFileInfo(licence).isFile())
                    problem(QStringLiteral("%1: the licence %2 is missing").arg(name, licence));
            }
        }
        for (QDomElement child = application.firstChildElement(); !child.isNull();
             child = child.nextSiblingElement()) {
            const QString tag = child.tagName().toLower();
            if (tag == QLatin1String("userguide")) {
                checkDocument(child);
            } else if (tag == QLatin1String("installationplatform")) {
                for (QDomElement installer = child.firstChildElement(); !installer.isNull();
                     installer = installer.nextSiblingElement()) {
                    if (installer.tagName().toLower() == QLatin1String("installer"))
                        checkInstaller(name, installer);
                }
            }
        }
    }

    void checkInstaller(const QString &application, const QDomElement &installer)
    {
        const bool web = !installer.attribute(QStringLiteral("url")).isEmpty();
        const QString executable = installer.attribute(QStringLiteral("Executable"));
        const QString hash = installer.attribute(QStringLiteral("sha256"));
        if (!hash.isEmpty() && !PayloadHash::isWellFormed(hash))
            problem(QStringLiteral("%1: the sha256 attribute \"%2\" is not 64 hexadecimal digits")
                            .arg(application, hash));
        // A web installer's file may be laid on the disc as well (its download target there).
        QString payload = executable;
        if (web && !installer.attribute(QStringLiteral("TargetPath")).isEmpty())
            payload = installer.attribute(QStringLiteral("TargetPath"));
        for (const QString &language : qAsConst(m_languages)) {
            const QString file = discFile(payload, language);
            if (web && PayloadHash::isWellFormed(hash) && !QFileInfo(file).isFile())
                addWebPayload(installer.attribute(QStringLiteral("url")),
                              hash,
                              substituted(payload, language));
            if (file.isEmpty() || m_checkedFiles.contains(file))
                continue;
            m_checkedFiles << file;
            const bool exists = QFileInfo(file).isFile();
            if (!web && !exists) {
                problem(QStringLiteral("%1: the installer %2 is missing").arg(application, file));
                continue;
            }
            if (exists && PayloadHash::isWellFormed(hash)) {
                const QString actual = PayloadHash::ofFile(file);
                if (!PayloadHash::matches(hash, actual))
                    problem(QStringLiteral("%1: %2 has SHA-256 %3, the catalogue says %4")
                                    .arg(application, file, actual, hash.toLower()));
            }
        }
    }

    void checkDocument(const QDomElement &element)
    {
        QStringList names{element.attribute(QStringLiteral("FileName"))};
        for (QDomElement child = element.firstChildElement(); !child.isNull();
             child = child.nextSiblingElement()) {
            if (child.tagName().toLower() != QLatin1String("filename"))
                continue;
            for (QDomElement text = child.firstChildElement(); !text.isNull();
                 text = text.nextSiblingElement())
                names << text.attribute(QStringLiteral("Value"));
        }
        for (const QString &name : qAsConst(names)) {
            for (const QString &language : qAsConst(m_languages)) {
                const QString file = discFile(name, language);
                if (!file.isEmpty() && !QFileInfo(file).isFile())
                    problem(QStringLiteral("the document %1 is missing").arg(file));
            }
        }
    }

    void addWebPayload(const QString &url, const QString &hash, const QString &target)
    {
        for (const WebPayload &known : qAsConst(m_webPayloads)) {
            if (PayloadHash::matches(known.sha256, hash))
                return;
        }
        m_webPayloads.append({PathVariables::rewriteUpdateHost(url), hash.toLower(), target});
    }

    // A catalogue path as setup reads it in language.
    static QString substituted(const QString &path, const QString &language)
    {
        LanguageFields fields;
        fields.languageCode = LanguageTable::languageOf(language);
        fields.countryCode = LanguageTable::countryOf(language);
        const int lcid = LanguageTable::lcid(fields.languageCode, fields.countryCode);
        fields.lcid = QString::number(lcid);
        fields.lcidHex = LanguageTable::paddedHex(lcid);
        return PathVariables::substituteCatalogue(path, fields);
    }

    // The host path of a catalogue path that lies on the disc; empty for any other.
    QString discFile(const QString &path, const QString &language) const
    {
        if (!path.startsWith(QLatin1String(SetupPathVariable)))
            return QString();
        QString relative = substituted(path, language).mid(SetupSettings::setupPath().size());
        relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
        return QDir::cleanPath(m_disc + QLatin1Char('/') + relative);
    }

    QString m_product;
    QString m_disc;
    QStringList m_languages;
    QStringList m_problems;
    QSet<QString> m_checkedFiles;
    QList<WebPayload> m_webPayloads;
};

// Fetches one payload into folder with the downloader setup uses; false with a problem.
bool fetch(const WebPayload &payload, const QString &file, QString *problem)
{
    DownloadManager manager;
    QEventLoop loop;
    QString failure;
    QObject::connect(&manager, &DownloadManager::downloadComplete, &loop, &QEventLoop::quit);
    QObject::connect(&manager,
                     &DownloadManager::sigDownloadError,
                     &loop,
                     [&](QNetworkReply::NetworkError code) {
                         failure = QStringLiteral("network error %1").arg(int(code));
                         loop.quit();
                     });
    QObject::connect(&manager, &DownloadManager::sigDownloadTimeout, &loop, [&] {
        failure = QStringLiteral("the server did not answer for 15 seconds");
        loop.quit();
    });
    manager.download(QUrl(payload.url), file);
    loop.exec();
    const QString actual = failure.isEmpty() ? PayloadHash::ofFile(file) : QString();
    if (failure.isEmpty() && !PayloadHash::matches(payload.sha256, actual))
        failure = QStringLiteral("it has SHA-256 %1, the catalogue says %2")
                          .arg(actual.isEmpty() ? QStringLiteral("(unreadable)") : actual,
                               payload.sha256);
    if (failure.isEmpty())
        return true;
    QFile::remove(file);
    *problem = QStringLiteral("cannot download %1: %2").arg(payload.url, failure);
    return false;
}

// The payloads in the disc's own Downloads folder or fetched into staging, placed where setup
// looks for them (by name, or by hash and name when another payload took the name).
class DownloadsLayout
{
public:
    explicit DownloadsLayout(const QString &disc)
        : m_disc(disc)
    {}

    // Fetches what the disc does not hold yet; every failure is a problem.
    QStringList fetchAll(const QList<WebPayload> &payloads, QTextStream &out)
    {
        QStringList problems;
        if (!m_staging.isValid())
            return {QStringLiteral("cannot create a folder for the downloads")};
        for (const WebPayload &payload : payloads) {
            const QString name = placeOf(payload);
            if (PayloadHash::matches(
                        payload.sha256,
                        PayloadHash::ofFile(m_disc + QStringLiteral("/Downloads/") + name)))
                continue; // laid out before; the copy brings it along
            const QString file = m_staging.filePath(payload.sha256);
            QString problem;
            if (!fetch(payload, file, &problem)) {
                problems << problem;
                continue;
            }
            m_fetched.append({file, name});
            out << "downloaded " << payload.url << " as Downloads/" << name
                << " (SHA-256 verified)\n";
        }
        return problems;
    }

    bool place(const QString &output, QTextStream &err) const
    {
        for (const auto &fetched : m_fetched) {
            const QString target = output + QStringLiteral("/Downloads/") + fetched.second;
            QDir().mkpath(QFileInfo(target).absolutePath());
            if (!QFile::copy(fetched.first, target)) {
                err << "disctool layout: cannot copy " << fetched.first << " to " << target << '\n';
                return false;
            }
        }
        return true;
    }

private:
    // Downloads/NAME, unless another payload came first under that name.
    QString placeOf(const WebPayload &payload)
    {
        const QString name = StagedPayload::primaryName(payload.target);
        const QString owner = m_names.value(name.toLower());
        if (owner.isEmpty() || owner == payload.sha256) {
            m_names.insert(name.toLower(), payload.sha256);
            return name;
        }
        return StagedPayload::alternativeName(payload.target, payload.sha256);
    }

    QString m_disc;
    QTemporaryDir m_staging;
    QHash<QString, QString> m_names;
    QList<QPair<QString, QString>> m_fetched;
};

bool copyTree(const QString &from, const QString &to, QTextStream &err)
{
    QDirIterator it(from,
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    if (!QDir().mkpath(to)) {
        err << "disctool layout: cannot create " << to << '\n';
        return false;
    }
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        const QFileInfo info = it.fileInfo();
        const bool done = info.isDir() && !info.isSymLink() ? QDir().mkpath(target)
                                                            : QFile::copy(source, target);
        if (!done) {
            err << "disctool layout: cannot copy " << source << " to " << target << '\n';
            return false;
        }
    }
    return true;
}

// ISO 9660 volume identifiers: upper-case letters, digits and "_", at most 32.
QString volumeLabel(const QString &text)
{
    QString label = text.toUpper();
    label.replace(QRegularExpression(QStringLiteral("[^A-Z0-9_]")), QStringLiteral("_"));
    return label.left(32);
}

bool writeImage(const Options &options, QTextStream &err)
{
    const QString xorriso = QStandardPaths::findExecutable(QStringLiteral("xorriso"));
    if (xorriso.isEmpty()) {
        err << "disctool layout: xorriso is not installed (scripts/install-deps installs it)\n";
        return false;
    }
    QFile::remove(options.iso);
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(xorriso,
                  {QStringLiteral("-as"),
                   QStringLiteral("mkisofs"),
                   QStringLiteral("-J"),
                   QStringLiteral("-joliet-long"),
                   QStringLiteral("-R"),
                   QStringLiteral("-V"),
                   options.label,
                   QStringLiteral("-o"),
                   options.iso,
                   options.output});
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        err << "disctool layout: xorriso failed:\n" << process.readAll() << '\n';
        QFile::remove(options.iso);
        return false;
    }
    return true;
}

const QList<QCommandLineOption> LayoutOptions = {
        {QStringLiteral("iso"),
         QStringLiteral("Also writes the disc as an ISO 9660 image."),
         QStringLiteral("FILE")},
        {QStringLiteral("label"),
         QStringLiteral("The image's volume label."),
         QStringLiteral("TEXT")},
        {QStringLiteral("with-downloads"),
         QStringLiteral("Also fetches every web payload with a sha256 into OUT_DIR/Downloads, "
                        "verified, so that a share installs without internet access.")},
};

int runLayout(const QCommandLineParser &parser)
{
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2)
        return DiscToolCommand::refuse(
                QStringLiteral("a product file and an output folder are needed"));
    Options options;
    options.product = positional.at(0);
    options.output = QFileInfo(positional.at(1)).absoluteFilePath();
    if (parser.isSet(QStringLiteral("iso")))
        options.iso = QFileInfo(parser.value(QStringLiteral("iso"))).absoluteFilePath();
    if (parser.isSet(QStringLiteral("label")))
        options.label = volumeLabel(parser.value(QStringLiteral("label")));
    options.withDownloads = parser.isSet(QStringLiteral("with-downloads"));

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString disc = QFileInfo(options.product).absolutePath();
    SetupSettings::setSetupPath(HostFiles::windowsPath(disc));
    SetupSettings::setDownloadPath(SetupSettings::defaultDownloadPath());

    // The product file itself first: what is wrong in it would show below as its consequences.
    QStringList problems;
    for (const FileProblem &problem : FileValidation::of(options.product))
        problems << FileValidation::format(options.product, problem);
    DiscCheck check(options.product);
    if (problems.isEmpty())
        problems = check.run();
    DownloadsLayout downloads(disc);
    if (problems.isEmpty() && options.withDownloads)
        problems = downloads.fetchAll(check.webPayloads(), out);
    for (const QString &text : problems)
        out << "problem: " << text << '\n';
    if (!problems.isEmpty()) {
        out << options.product << ": " << problems.size() << " problem(s); nothing was written\n";
        return 1;
    }
    const QString cleanDisc = QDir::cleanPath(disc) + QLatin1Char('/');
    if ((QDir::cleanPath(options.output) + QLatin1Char('/')).startsWith(cleanDisc)) {
        err << "disctool layout: OUT_DIR must lie outside the disc folder\n";
        return 2;
    }
    if (QDir(options.output).exists() && !QDir(options.output).isEmpty()) {
        err << "disctool layout: " << options.output << " exists and is not empty\n";
        return 2;
    }
    // Laid out in a sibling folder that becomes OUT_DIR only when everything, the image too,
    // has been written: a failure leaves no half-filled OUT_DIR behind.
    QDir().mkpath(QFileInfo(options.output).absolutePath());
    QTemporaryDir staging(options.output + QStringLiteral(".partial-XXXXXX"));
    if (!staging.isValid()) {
        err << "disctool layout: cannot create a folder beside " << options.output << '\n';
        return 1;
    }
    Options staged = options;
    staged.output = staging.path();
    if (!copyTree(disc, staged.output, err) || !downloads.place(staged.output, err))
        return 1;
    if (!options.iso.isEmpty()) {
        if (staged.label.isEmpty())
            staged.label = volumeLabel(QFileInfo(disc).fileName());
        if (!writeImage(staged, err))
            return 1;
    }
    QDir().rmdir(options.output); // an empty OUT_DIR, if any, makes way
    if (!QDir().rename(staged.output, options.output)) {
        err << "disctool layout: cannot rename " << staged.output << " to " << options.output
            << '\n';
        if (!options.iso.isEmpty())
            QFile::remove(options.iso);
        return 1;
    }
    staging.setAutoRemove(false);
    // The staging folder is private to its maker; the disc is as readable as its source.
    QFile::setPermissions(options.output, QFileInfo(disc).permissions());
    out << "laid out " << disc << " in " << options.output << '\n';
    if (!options.iso.isEmpty())
        out << "wrote " << options.iso << '\n';
    return 0;
}

const DiscToolCommand command("layout",
                              {"PRODUCT.xml OUT_DIR [--iso FILE] [--label TEXT] [--with-downloads]",
                               LayoutOptions},
                              runLayout,
                              SkinVerdict::createApplication);

} // namespace
