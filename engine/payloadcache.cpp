#include "payloadcache.h"

#include "executable.h"
#include "foldertree.h"
#include "installer.h"
#include "payloadcopier.h"
#include "process.h"
#include "protectedfolder.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QRandomGenerator>

#include <atomic>

Q_LOGGING_CATEGORY(lcPayloadCache, "tam.engine.payloadcache", QtInfoMsg)

namespace {

constexpr char RunPrefix[] = "run-";
// A fresh folder's name is unguessable; if one is taken nonetheless, another is tried.
constexpr int FreshFolderAttempts = 16;

struct State
{
    std::atomic<bool> enabled{false};
    QString root;
    QString downloadFolder;
    QString runFolder;
};

State &state()
{
    static State instance;
    return instance;
}

void warn(const QString &text)
{
    qCWarning(lcPayloadCache, "%s", qPrintable(text));
}

QString fromStd(const std::string &text)
{
    return QString::fromStdString(text);
}

QString pidText()
{
    return QString::number(QCoreApplication::applicationPid());
}

QString parentOf(const QString &windowsPath)
{
    return windowsPath.left(windowsPath.lastIndexOf(QLatin1Char('\\')));
}

QString nameOf(const QString &windowsPath)
{
    return windowsPath.mid(windowsPath.lastIndexOf(QLatin1Char('\\')) + 1);
}

bool exists(const QString &windowsPath)
{
    sys::EntryKind kind;
    return sys::entryKind(windowsPath.toStdWString(), &kind);
}

void removeTree(const QString &windowsPath)
{
    std::string error;
    if (!sys::removeTree(windowsPath.toStdWString(), &error))
        warn(fromStd(error));
}

// The folder below a root that passes the check. One of this name left by an earlier helper
// whose process id came round again is that helper's, and goes.
QString folderBelowRoot(const QString &cacheRoot, std::string *error)
{
    if (!sys::prepareProtectedFolder(cacheRoot.toStdWString(), error))
        return QString();
    const QString folder = cacheRoot + QLatin1Char('\\') + QLatin1String(RunPrefix) + pidText();
    if (exists(folder))
        removeTree(folder);
    bool existed = false;
    return sys::createProtectedFolder(folder.toStdWString(), &existed, error) ? folder : QString();
}

QString freshFolderBeside(const QString &cacheRoot, std::string *error)
{
    for (int attempt = 0; attempt < FreshFolderAttempts; ++attempt) {
        const QString folder = cacheRoot + QLatin1Char('-') + pidText() + QLatin1Char('-')
                               + QString::number(QRandomGenerator::system()->generate64(), 16);
        bool existed = false;
        if (sys::createProtectedFolder(folder.toStdWString(), &existed, error))
            return folder;
        if (!existed)
            break;
    }
    return QString();
}

QString openRunFolder(QString *why)
{
    State &s = state();
    if (!s.runFolder.isEmpty())
        return s.runFolder;
    const QString cacheRoot = PayloadCache::root();
    if (cacheRoot.isEmpty()) {
        *why = QStringLiteral("there is no folder for the copies");
        return QString();
    }
    std::string error;
    s.runFolder = folderBelowRoot(cacheRoot, &error);
    if (s.runFolder.isEmpty()) {
        // Made or changed by someone else: it may neither decide what runs nor stop the run.
        warn(fromStd(error) + QStringLiteral(": working in a fresh folder instead"));
        s.runFolder = freshFolderBeside(cacheRoot, &error);
    }
    if (s.runFolder.isEmpty())
        *why = fromStd(error);
    return s.runFolder;
}

// Removes the entries of folder named prefix + process id (+ "-" + anything) whose helper no
// longer runs. A protected root holds only what administrators put there; beside it, only
// folders that pass the check themselves are ours.
void removeDeadHelpersFolders(const QString &folder, const QString &prefix, bool eachChecked)
{
    std::vector<sys::FolderEntry> entries;
    if (!sys::listFolder(folder.toStdWString(), &entries))
        return;
    for (const sys::FolderEntry &entry : entries) {
        const QString name = QString::fromStdWString(entry.name);
        if (!name.startsWith(prefix, Qt::CaseInsensitive))
            continue;
        const QString rest = name.mid(prefix.size());
        bool numeric = false;
        const uint pid = rest.left(rest.indexOf(QLatin1Char('-'))).toUInt(&numeric);
        const QString path = folder + QLatin1Char('\\') + name;
        if (!numeric || path.compare(state().runFolder, Qt::CaseInsensitive) == 0)
            continue;
        // A helper that still runs keeps its folder; this process's pid names a dead one's.
        if (pid != QCoreApplication::applicationPid() && !sys::processImageName(pid).empty())
            continue;
        if (eachChecked
            && (entry.kind != sys::EntryKind::Folder
                || !sys::isProtectedFolder(path.toStdWString(), nullptr)))
            continue;
        removeTree(path);
    }
}

} // namespace

void PayloadCache::setEnabled(bool enabled)
{
    state().enabled = enabled;
}

bool PayloadCache::isEnabled()
{
    return state().enabled;
}

void PayloadCache::setRoot(const QString &windowsPath)
{
    state().root = windowsPath;
}

QString PayloadCache::root()
{
    if (!state().root.isEmpty())
        return state().root;
    return QString::fromStdWString(sys::payloadCacheFolder());
}

void PayloadCache::setDownloadFolder(const QString &windowsPath)
{
    state().downloadFolder = windowsPath;
}

QString PayloadCache::downloadFolder()
{
    return state().downloadFolder;
}

QString PayloadCache::runFolder()
{
    return state().runFolder;
}

PayloadCache::Refusal PayloadCache::prepare(Installer &installer, QString *detail)
{
    const auto refuse = [detail](Refusal refusal, const QString &why) {
        if (detail)
            *detail = why;
        warn(why);
        return refusal;
    };
    // A run list whose hash could not be read names no file that may run.
    if (installer.hashRejected())
        return refuse(PayloadMismatch, QStringLiteral("the run list gives a malformed SHA-256"));
    // Each installer's copies in a folder of their own: a cabinet unpacks beside its copy.
    const QString installerFolder = QString::number(installer.index()) + QLatin1Char('-')
                                    + QString::number(quintptr(&installer), 16);
    PayloadCopier copier(installer, downloadFolder(), [&installerFolder](QString *why) {
        const QString folder = openRunFolder(why);
        return folder.isEmpty() ? folder : folder + QLatin1Char('\\') + installerFolder;
    });
    QList<Executable *> steps = installer.preInstallSteps();
    steps << installer.mainInstallStep() << installer.postInstallSteps();
    for (Executable *step : qAsConst(steps)) {
        switch (copier.redirect(*step)) {
        case PayloadCopier::Copied:
            continue;
        case PayloadCopier::FolderUnavailable:
            return refuse(FolderUnsafe, copier.detail());
        case PayloadCopier::NotTheDownload:
            return refuse(PayloadMismatch, copier.detail());
        }
    }
    return None;
}

void PayloadCache::removeRunFolder()
{
    QString &folder = state().runFolder;
    if (folder.isEmpty())
        return;
    removeTree(folder);
    folder.clear();
}

void PayloadCache::removeLeftovers()
{
    const QString cacheRoot = root();
    if (cacheRoot.isEmpty())
        return;
    // Only a root that passes the check is looked into: one that a standard user made may hold
    // links that lead wherever that user wants the helper to delete.
    if (sys::isProtectedFolder(cacheRoot.toStdWString(), nullptr))
        removeDeadHelpersFolders(cacheRoot, QLatin1String(RunPrefix), false);
    removeDeadHelpersFolders(parentOf(cacheRoot), nameOf(cacheRoot) + QLatin1Char('-'), true);
}
