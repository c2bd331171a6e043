#include "payloadhash.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace {

constexpr qint64 BlockSize = 256 * 1024;

} // namespace

bool PayloadHash::isWellFormed(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9A-Fa-f]{64}$"));
    return pattern.match(text).hasMatch();
}

QString PayloadHash::ofFile(const QString &hostPath)
{
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return QString();
    return QString::fromLatin1(hash.result().toHex());
}

bool PayloadHash::matches(const QString &expected, const QString &actual)
{
    return isWellFormed(expected) && expected.compare(actual, Qt::CaseInsensitive) == 0;
}

bool PayloadHash::copyHashing(
        const QString &source, const QString &target, QString *hash, qint64 *size, qint64 limit)
{
    QFile in(source);
    QFile out(target);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    QCryptographicHash digest(QCryptographicHash::Sha256);
    qint64 total = 0;
    QByteArray block;
    const auto nextBlockSize
            = [&] { return limit < 0 ? BlockSize : std::min(BlockSize, limit + 1 - total); };
    while (nextBlockSize() > 0 && !(block = in.read(nextBlockSize())).isEmpty()) {
        if (out.write(block) != block.size()) {
            out.remove();
            return false;
        }
        digest.addData(block);
        total += block.size();
    }
    if (in.error() != QFile::NoError || !out.flush()) {
        out.remove();
        return false;
    }
    out.close();
    if (hash)
        *hash = QString::fromLatin1(digest.result().toHex());
    if (size)
        *size = total;
    return true;
}
