#include "payloadcache.h"

#include "executable.h"
#include "hostpath.h"
#include "installer.h"
#include "payloadhash.h"
#include "process.h"
#include "protectedfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <atomic>

Q_LOGGING_CATEGORY(lcPayloadCache, "tam.engine.payloadcache")

namespace {

constexpr char RunPrefix[] = "run-";

std::atomic<bool> &enabledFlag()
{
    static std::atomic<bool> flag(false);
    return flag;
}

QString &rootOverride()
{
    static QString root;
    return root;
}

QString hostPath(const QString &windowsPath)
{
    return QString::fromStdString(sys::toHostPath(windowsPath.toStdWString()));
}

QString windowsPath(const QString &hostPath)
{
    return QString::fromStdWString(sys::fromHostPath(hostPath.toStdString()));
}

// The download folder and the catalogue write the same file in either separator.
QString withSlashes(QString path)
{
    return QDir::cleanPath(path.replace(QLatin1Char('\\'), QLatin1Char('/')));
}

bool samePath(const QString &a, const QString &b)
{
    return withSlashes(a).compare(withSlashes(b), Qt::CaseInsensitive) == 0;
}

QString fileNameOf(const QString &path)
{
    return QFileInfo(withSlashes(path)).fileName();
}

bool refuse(QString *detail, const QString &text)
{
    if (detail)
        *detail = text;
    qCWarning(lcPayloadCache, "%s", qPrintable(text));
    return false;
}

// Windows runs any file; the simulated machine needs the execute bits.
void makeRunnable(const QString &path)
{
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeUser);
}

} // namespace

void PayloadCache::setEnabled(bool enabled)
{
    enabledFlag() = enabled;
}

bool PayloadCache::isEnabled()
{
    return enabledFlag();
}

void PayloadCache::setRoot(const QString &windowsPath)
{
    rootOverride() = windowsPath;
}

QString PayloadCache::root()
{
    if (!rootOverride().isEmpty())
        return rootOverride();
    return QString::fromStdWString(sys::payloadCacheFolder());
}

QString PayloadCache::runFolder()
{
    return root() + QLatin1Char('\\') + QLatin1String(RunPrefix)
           + QString::number(QCoreApplication::applicationPid());
}

PayloadCache::Refusal PayloadCache::prepare(Installer &installer, QString *detail)
{
    // A run list whose hash could not be read names no file that may run.
    if (installer.hashRejected()) {
        refuse(detail, QStringLiteral("the run list gives a malformed SHA-256"));
        return PayloadMismatch;
    }
    const QString download = installer.downloadPath();
    if (download.isEmpty())
        return None;
    Executable *main = installer.mainInstallStep();
    const bool cabinet
            = main->srcCompression().compare(QLatin1String("cab"), Qt::CaseInsensitive) == 0
              && samePath(main->srcPath(), download);
    const bool program = !cabinet && samePath(main->program(), download);
    if (!cabinet && !program)
        return None;

    std::string folderError;
    const QString cacheRoot = root();
    const QString folder = runFolder();
    if (cacheRoot.isEmpty() || !sys::prepareProtectedFolder(cacheRoot.toStdWString(), &folderError)
        || !sys::prepareProtectedFolder(folder.toStdWString(), &folderError)) {
        refuse(detail, QString::fromStdString(folderError));
        return FolderUnsafe;
    }
    // A cabinet unpacks into the folder that holds it: each installer gets one of its own.
    QString target = folder + QLatin1Char('\\') + QString::number(installer.index())
                     + QLatin1Char('-') + QString::number(quintptr(&installer), 16);
    if (!QDir().mkpath(hostPath(target))) {
        refuse(detail, QStringLiteral("cannot create %1").arg(hostPath(target)));
        return FolderUnsafe;
    }
    const QString copy = target + QLatin1Char('\\') + fileNameOf(download);
    QString hash;
    qint64 size = 0;
    if (!PayloadHash::copyHashing(hostPath(download), hostPath(copy), &hash, &size)) {
        refuse(detail, QStringLiteral("cannot copy %1").arg(hostPath(download)));
        return PayloadMismatch;
    }
    const QString expected = installer.sha256();
    const bool good = expected.isEmpty() ? (installer.size() <= 0 || size == installer.size())
                                         : PayloadHash::matches(expected, hash);
    if (!good) {
        QFile::remove(hostPath(copy));
        refuse(detail,
               expected.isEmpty() ? QStringLiteral("%1 has %2 bytes, expected %3")
                                            .arg(hostPath(download))
                                            .arg(size)
                                            .arg(installer.size())
                                  : QStringLiteral("%1 has SHA-256 %2, expected %3")
                                            .arg(hostPath(download), hash, expected));
        return PayloadMismatch;
    }
    makeRunnable(hostPath(copy));
    const QString copyDirectory = withSlashes(target);
    if (cabinet)
        main->setSrcPath(copy);
    // The program runs from the copy; a cabinet's program is unpacked next to the copy.
    main->setDirectory(copyDirectory);
    return None;
}

void PayloadCache::removeRunFolder()
{
    QDir(hostPath(runFolder())).removeRecursively();
}

void PayloadCache::removeLeftovers()
{
    const QDir cache(hostPath(root()));
    const QString own = fileNameOf(runFolder());
    const QStringList folders
            = cache.entryList({QLatin1String(RunPrefix) + QLatin1Char('*')}, QDir::Dirs);
    for (const QString &name : folders) {
        bool numeric = false;
        const uint pid = name.mid(int(sizeof(RunPrefix)) - 1).toUInt(&numeric);
        // A helper that still runs keeps its folder; this process starts afresh.
        if (name != own && numeric && !sys::processImageName(pid).empty())
            continue;
        QDir(cache.filePath(name)).removeRecursively();
    }
}
