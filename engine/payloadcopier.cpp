#include "payloadcopier.h"

#include "executable.h"
#include "hostfiles.h"
#include "installer.h"
#include "payloadhash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

// The catalogue, the run list and the steps write the same file with either separator.
QString withSlashes(QString path)
{
    return QDir::cleanPath(path.replace(QLatin1Char('\\'), QLatin1Char('/')));
}

QString withBackslashes(QString path)
{
    return path.replace(QLatin1Char('/'), QLatin1Char('\\'));
}

QString folderOf(const QString &path)
{
    return path.left(std::max(0, int(path.lastIndexOf(QLatin1Char('/')))));
}

QString fileNameOf(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

// Where a path inside a command-line argument ends: a quote, a list separator, or a character
// that no Windows path holds.
bool endsPath(QChar c)
{
    return c.unicode() < 0x20 || QStringLiteral("\"'<>|*?;").contains(c);
}

} // namespace

PayloadCopier::PayloadCopier(const Installer &installer,
                             const QString &downloadFolder,
                             FolderSource folderOfCopies)
    : m_downloadFolder(downloadFolder.isEmpty() ? QString() : withSlashes(downloadFolder))
    , m_download(installer.downloadPath().isEmpty() ? QString()
                                                    : withSlashes(installer.downloadPath()))
    , m_sha256(installer.sha256())
    , m_size(installer.size())
    , m_folderSource(std::move(folderOfCopies))
{}

bool PayloadCopier::refuse(Outcome outcome, const QString &detail)
{
    m_outcome = outcome;
    m_detail = detail;
    return false;
}

bool PayloadCopier::isTheDownload(const QString &path) const
{
    return !m_download.isEmpty() && withSlashes(path).compare(m_download, Qt::CaseInsensitive) == 0;
}

bool PayloadCopier::isBelowFolder(const QString &cleanPath) const
{
    // cleanPath has resolved "..": what starts with the folder lies below it.
    return !m_downloadFolder.isEmpty()
           && cleanPath.startsWith(m_downloadFolder + QLatin1Char('/'), Qt::CaseInsensitive);
}

QString PayloadCopier::placeOf(const QString &path) const
{
    const QString clean = withSlashes(path);
    if (isBelowFolder(clean))
        return clean.mid(m_downloadFolder.size() + 1);
    return isTheDownload(clean) ? fileNameOf(clean) : QString();
}

QList<PayloadCopier::Mention> PayloadCopier::mentionsIn(const QString &text) const
{
    // Same length as text, so positions carry over.
    const QString flat = QString(text).replace(QLatin1Char('\\'), QLatin1Char('/'));
    QList<Mention> mentions;
    const auto find = [&](const QString &start, bool wholePathOnly) {
        int at = 0;
        while ((at = flat.indexOf(start, at, Qt::CaseInsensitive)) >= 0) {
            int end = at + start.size();
            while (end < flat.size() && !endsPath(flat.at(end)))
                ++end;
            if (!wholePathOnly || end == at + start.size())
                mentions.append({at, end - at});
            at = end;
        }
    };
    if (!m_downloadFolder.isEmpty())
        find(m_downloadFolder + QLatin1Char('/'), false);
    if (!m_download.isEmpty() && !isBelowFolder(m_download))
        find(m_download, true);
    std::sort(mentions.begin(), mentions.end(), [](const Mention &a, const Mention &b) {
        return a.position < b.position;
    });
    return mentions;
}

bool PayloadCopier::checkDownload(const QString &source, const QString &hash, qint64 size)
{
    if (!m_sha256.isEmpty() && !PayloadHash::matches(m_sha256, hash))
        return refuse(NotTheDownload,
                      QStringLiteral("%1 has SHA-256 %2, expected %3").arg(source, hash, m_sha256));
    if (m_sha256.isEmpty() && m_size > 0 && size != m_size)
        return refuse(
                NotTheDownload,
                QStringLiteral("%1 has %2 bytes, expected %3").arg(source).arg(size).arg(m_size));
    return true;
}

bool PayloadCopier::copyOf(const QString &path, QString *copy)
{
    const QString key = withSlashes(path).toLower();
    if (m_copies.contains(key)) {
        *copy = m_copies.value(key);
        return true;
    }
    const bool download = isTheDownload(path);
    const QString source = HostFiles::hostPath(path);
    // A link counts as the file it points to: its bytes are what gets copied and checked.
    if (!QFileInfo(source).isFile()) {
        if (download)
            return refuse(NotTheDownload,
                          QStringLiteral("%1 is not there to be copied").arg(source));
        // Nothing to run from there: an output the step writes, or a file it may do without.
        *copy = path;
        m_copies.insert(key, path);
        return true;
    }
    const QString place = placeOf(path);
    const QString owner = m_placeOwners.value(place.toLower(), key);
    if (owner != key)
        return refuse(NotTheDownload,
                      QStringLiteral("%1 and %2 would share one copy").arg(owner, key));
    if (m_folder.isEmpty()) {
        QString why;
        m_folder = m_folderSource(&why);
        if (m_folder.isEmpty())
            return refuse(FolderUnavailable, why);
    }
    const QString target = m_folder + QLatin1Char('\\') + withBackslashes(place);
    if (!QDir().mkpath(QFileInfo(HostFiles::hostPath(target)).absolutePath()))
        return refuse(
                FolderUnavailable,
                QStringLiteral("cannot create the folder for %1").arg(HostFiles::hostPath(target)));
    QString hash;
    qint64 size = 0;
    // The download has a known size: a file far larger cannot be it, and is not copied whole.
    const qint64 limit = download && m_size > 0 ? m_size : -1;
    if (!PayloadHash::copyHashing(source, HostFiles::hostPath(target), &hash, &size, limit))
        return refuse(NotTheDownload, QStringLiteral("cannot copy %1").arg(source));
    if (download && !checkDownload(source, hash, size)) {
        QFile::remove(HostFiles::hostPath(target));
        return false;
    }
    HostFiles::makeRunnable(HostFiles::hostPath(target));
    m_placeOwners.insert(place.toLower(), key);
    m_copies.insert(key, target);
    *copy = target;
    return true;
}

bool PayloadCopier::redirectText(QString *text)
{
    const QList<Mention> mentions = mentionsIn(*text);
    // From the back, so that the positions before each replacement stay valid.
    for (auto mention = mentions.crbegin(); mention != mentions.crend(); ++mention) {
        const QString path = text->mid(mention->position, mention->length);
        if (placeOf(path).isEmpty())
            continue;
        QString copy;
        if (!copyOf(path, &copy))
            return false;
        text->replace(mention->position, mention->length, copy);
    }
    return true;
}

bool PayloadCopier::redirectCabinet(Executable &step)
{
    const QString cabinet = step.srcPath();
    QString copy;
    if (!copyOf(cabinet, &copy))
        return false;
    if (copy == cabinet)
        return true;
    step.setSrcPath(copy);
    if (step.isJustFileName())
        return true;
    // The program comes out of the copy, never from beside the download: it lies where it
    // would lie relative to the original cabinet, else beside the copy.
    const QString program = withSlashes(step.program());
    const QString cabinetFolder = withSlashes(folderOf(withSlashes(cabinet)));
    const QString below = program.startsWith(cabinetFolder + QLatin1Char('/'), Qt::CaseInsensitive)
                                  ? program.mid(cabinetFolder.size() + 1)
                                  : fileNameOf(program);
    const QString extracted = withSlashes(folderOf(withSlashes(copy)) + QLatin1Char('/') + below);
    step.setDirectory(folderOf(extracted));
    step.setFileName(QLatin1Char('/') + fileNameOf(extracted));
    return true;
}

bool PayloadCopier::redirectProgram(Executable &step)
{
    if (step.isJustFileName() || placeOf(step.program()).isEmpty())
        return true;
    QString copy;
    if (!copyOf(step.program(), &copy))
        return false;
    if (copy != step.program()) {
        const QString copied = withSlashes(copy);
        step.setDirectory(folderOf(copied));
        step.setFileName(QLatin1Char('/') + fileNameOf(copied));
    }
    return true;
}

PayloadCopier::Outcome PayloadCopier::redirect(Executable &step)
{
    const bool cabinet
            = step.srcCompression().compare(QLatin1String("cab"), Qt::CaseInsensitive) == 0
              && !placeOf(step.srcPath()).isEmpty();
    if (!(cabinet ? redirectCabinet(step) : redirectProgram(step)))
        return m_outcome;
    QStringList arguments = step.arguments();
    for (QString &argument : arguments) {
        if (!redirectText(&argument))
            return m_outcome;
    }
    step.setArguments(arguments);
    QString postProcess = step.postProcess();
    if (!redirectText(&postProcess))
        return m_outcome;
    step.setPostProcess(postProcess);
    return Copied;
}
