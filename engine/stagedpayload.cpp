#include "stagedpayload.h"

#include "executable.h"
#include "hostpath.h"
#include "installer.h"
#include "payloadhash.h"
#include "setupsettings.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace {

struct KnownHash
{
    qint64 size = -1;
    QDateTime modified;
    QString sha256;
};

QHash<QString, KnownHash> &knownHashes()
{
    static QHash<QString, KnownHash> hashes;
    return hashes;
}

QString hashOf(const QFileInfo &file)
{
    KnownHash &known = knownHashes()[file.absoluteFilePath()];
    if (known.size != file.size() || known.modified != file.lastModified()) {
        known.size = file.size();
        known.modified = file.lastModified();
        known.sha256 = PayloadHash::ofFile(file.absoluteFilePath());
    }
    return known.sha256;
}

QString withSlashes(QString path)
{
    return QDir::cleanPath(path.replace(QLatin1Char('\\'), QLatin1Char('/')));
}

QString hostPath(const QString &windowsPath)
{
    return QString::fromStdString(sys::toHostPath(windowsPath.toStdWString()));
}

} // namespace

QString StagedPayload::folder()
{
    return SetupSettings::setupPath() + QStringLiteral("\\Downloads");
}

QString StagedPayload::primaryName(const QString &downloadPath)
{
    return QFileInfo(withSlashes(downloadPath)).fileName();
}

QString StagedPayload::alternativeName(const QString &downloadPath, const QString &sha256)
{
    return sha256.toLower() + QLatin1Char('/') + primaryName(downloadPath);
}

QString StagedPayload::find(const QString &downloadPath, const QString &sha256)
{
    if (!PayloadHash::isWellFormed(sha256) || primaryName(downloadPath).isEmpty())
        return QString();
    const QDir staged(hostPath(folder()));
    for (const QString &name : {primaryName(downloadPath), alternativeName(downloadPath, sha256)}) {
        const QFileInfo file(staged.filePath(name));
        if (file.isFile() && PayloadHash::matches(sha256, hashOf(file)))
            return file.absoluteFilePath();
    }
    return QString();
}

bool StagedPayload::adopt(Installer &installer)
{
    if (installer.url().isEmpty() || installer.sha256().isEmpty())
        return false;
    const QString download = installer.downloadPath();
    const QString found = find(download, installer.sha256());
    if (found.isEmpty())
        return false;
    const QString staged = SetupSettings::withBackslashes(
            QString::fromStdWString(sys::fromHostPath(found.toStdString())));
    Executable *main = installer.mainInstallStep();
    const auto same = [](const QString &a, const QString &b) {
        return withSlashes(a).compare(withSlashes(b), Qt::CaseInsensitive) == 0;
    };
    if (!main->srcPath().isEmpty() && same(main->srcPath(), download))
        main->setSrcPath(staged);
    else if (same(main->program(), download))
        main->setExecutable(staged, false);
    else
        return false; // what runs is not this payload: nothing to point elsewhere
    installer.setDownloadPath(staged);
    installer.setSize(QFileInfo(found).size());
    return true;
}
