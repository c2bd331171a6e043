#pragma once

// Shared by the front end's tests: message boxes answered and recorded, a private temporary
// folder and simulated machine (so the single-instance segment and the registry are our own),
// and a disc folder with a product description and a skin.

#include "frontendhooks.h"
#include "machine.h"
#include "messageseam.h"
#include "scannerinfo.h"
#include "setupsettings.h"
#include "startupplan.h"
#include "urlopener.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <QVector>
#include <QtTest>

struct RecordedMessage
{
    MessageSeam::Icon icon;
    QString title;
    QString text;
};

class MessageRecorder
{
public:
    MessageRecorder()
    {
        MessageSeam::setHandler([this](QObject *,
                                       MessageSeam::Icon icon,
                                       const QString &title,
                                       const QString &text,
                                       int buttons,
                                       int) {
            messages.append({icon, title, text});
            if (onShow)
                onShow();
            return (buttons & answer) ? answer : MessageSeam::Ok;
        });
    }
    ~MessageRecorder() { MessageSeam::setHandler({}); }

    QStringList texts() const
    {
        QStringList result;
        for (const RecordedMessage &message : messages)
            result << message.text;
        return result;
    }
    // Messages other than the warnings every test skin gives (no skin translation, no .rcc).
    QStringList significantTexts() const
    {
        QStringList result;
        for (const QString &text : texts()) {
            if (!text.startsWith(QLatin1String("Unable to load translation file for qstrSkin"))
                && !text.startsWith(QLatin1String("Unable to load resource file for qstrSkin")))
                result << text;
        }
        return result;
    }

    QVector<RecordedMessage> messages;
    int answer = MessageSeam::Ok;
    std::function<void()> onShow;
};

// Everything a test run of the window may touch lies below one temporary folder. The folder is
// made in the temporary folder the process started with: an earlier environment's folder (which
// TMPDIR named) is gone by then, and a folder made relative to it would land elsewhere, shared
// with other test programs running at the same time.
class TestEnvironment
{
public:
    TestEnvironment()
        : m_previousTmpdir(qgetenv("TMPDIR"))
        , m_hadTmpdir(qEnvironmentVariableIsSet("TMPDIR"))
        , m_root(startTempPath() + QStringLiteral("/tam-frontend-test-XXXXXX"))
    {
        qputenv("TMPDIR", QFile::encodeName(m_root.path() + QStringLiteral("/tmp")));
        QDir().mkpath(m_root.path() + QStringLiteral("/tmp"));
        sys::setMachineRoot(
                QFile::encodeName(m_root.path() + QStringLiteral("/machine")).toStdString());
        FrontEndHooks::setOpenUrl([this](const QUrl &url) {
            openedUrls << url;
            return true;
        });
        // As setup's main does: what the catalogue's objects open goes through the hook too.
        UrlOpener::setHandler(&FrontEndHooks::openUrl);
        FrontEndHooks::setStartDetached([this](const QString &program, const QString &argument) {
            started << program + QLatin1Char(' ') + argument;
            return true;
        });
        FrontEndHooks::setEndProcess([this](int code) { endCodes << code; });
        FrontEndHooks::setTerminateParent([] { return true; });
        // Every product names an update server (a default one when it names none); the window's
        // tests run without it.
        FrontEndHooks::setUpdateCheck([](FrontEnd *) { return true; });
        FrontEndHooks::setDeviceSelection([](FrontEnd *) { return true; });
    }
    ~TestEnvironment()
    {
        UrlOpener::setHandler({});
        FrontEndHooks::setOpenUrl({});
        FrontEndHooks::setStartDetached({});
        FrontEndHooks::setEndProcess({});
        FrontEndHooks::setTerminateParent({});
        FrontEndHooks::setUpdateCheck({});
        FrontEndHooks::setDeviceSelection({});
        FrontEndHooks::setProgramDirectory(QString());
        if (m_hadTmpdir)
            qputenv("TMPDIR", m_previousTmpdir);
        else
            qunsetenv("TMPDIR");
    }

    QString path(const QString &relative = QString()) const
    {
        return relative.isEmpty() ? m_root.path() : m_root.path() + QLatin1Char('/') + relative;
    }

    QList<QUrl> openedUrls;
    QStringList started;
    QList<int> endCodes;

private:
    static QString startTempPath()
    {
        static const QString path = QDir::tempPath();
        return path;
    }

    QByteArray m_previousTmpdir;
    bool m_hadTmpdir;
    QTemporaryDir m_root;
};

struct ProductOptions
{
    QString skin = QStringLiteral("FramedSkin.ui");
    QStringList languages = {QStringLiteral("de")};
    QString longName = QStringLiteral("Test Scanner 100");
    QString readme = QStringLiteral("readme.txt");
    QString website = QStringLiteral("https://support.example/scanner");
    // The readme's display name ("*" string) and its FixedPointSize; empty: no displayname.
    QString readmeDisplayName;
    double readmePointSize = 0;
    // "application" elements of the disc's product description and of an update description
    // beside it (written only when not empty).
    QString applications;
    QString updateApplications;
};

inline QString productXml(const ProductOptions &options)
{
    QString languages;
    for (const QString &code : options.languages)
        languages += QStringLiteral("<language IsoCode=\"%1\"/>").arg(code);
    const QString displayName
            = options.readmeDisplayName.isEmpty()
                      ? QString()
                      : QStringLiteral("<displayname><string Language=\"*\" Value=\"%1\" "
                                       "FixedPointSize=\"%2\"/></displayname>")
                                .arg(options.readmeDisplayName)
                                .arg(options.readmePointSize);
    const QString readme
            = options.readme.isEmpty() && displayName.isEmpty()
                      ? QString()
                      : QStringLiteral("<scannerreadme FileName=\"%1\">%2</scannerreadme>")
                                .arg(options.readme, displayName);
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<Scanner ShortName=\"T100\" LongName=\"%1\" PID=\"0a99\" Skin=\"%2\" "
                          "Brand=\"Tamberlin\" Website=\"%3\">\n"
                          "<supportedlanguages>%4</supportedlanguages>\n%5\n%6\n</Scanner>\n")
            .arg(options.longName,
                 options.skin,
                 options.website,
                 languages,
                 readme,
                 options.applications);
}

inline bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// Lays out a disc in folder: the product description (as scanner_win.xml, or as update.xml
// when updateOnly) and every fixture skin, and points the process-wide paths at it.
inline void
prepareDisc(const QString &folder, const ProductOptions &options, bool updateOnly = false)
{
    QDir().mkpath(folder);
    const QDir skins(QStringLiteral(TAM_FIXTURE_SKINS));
    for (const QString &file : skins.entryList({QStringLiteral("*.ui")}, QDir::Files)) {
        QFile::remove(folder + QLatin1Char('/') + file);
        QFile::copy(skins.filePath(file), folder + QLatin1Char('/') + file);
    }
    writeFile(folder
                      + (updateOnly ? QStringLiteral("/update.xml")
                                    : QStringLiteral("/scanner_win.xml")),
              productXml(options).toUtf8());
    if (!options.updateApplications.isEmpty()) {
        ProductOptions update = options;
        update.applications = options.updateApplications;
        writeFile(folder + QStringLiteral("/update.xml"), productXml(update).toUtf8());
    }
    FrontEndHooks::setProgramDirectory(folder);
    QDir::setCurrent(folder);
    const QString setupPath = updateOnly ? folder + QStringLiteral("/elsewhere") : folder;
    SetupSettings::setSetupPath(SetupSettings::withBackslashes(setupPath));
    SetupSettings::setDownloadPath(
            SetupSettings::withBackslashes(folder + QStringLiteral("/TamDownload")));
    SetupSettings::setUpdatePath(
            SetupSettings::withBackslashes(folder + QStringLiteral("/TamUpdate")));
    StartupPlan::setUpdateXmlDir(QString());
}

#ifdef TAM_DEMO_DISC_DIR
// One data row per language the demo disc supports, in its lower-case code ("language").
inline void addDemoLanguageRows()
{
    QTest::addColumn<QString>("language");
    MessageRecorder recorder;
    ScannerInfo demo;
    QVERIFY(demo.loadLanguages(
            SetupSettings::withBackslashes(QStringLiteral(TAM_DEMO_DISC_DIR "/scanner_win.xml"))));
    for (const QString &language : demo.supportedLanguages())
        QTest::newRow(qPrintable(language)) << language.toLower();
}
#endif
