#include "pathvariables.h"

#include "setupsettings.h"
#include "sysinfo.h"

#include <QStandardPaths>
#include <QStringList>

namespace {

// Replaces each placeholder in turn; a later placeholder is searched only in text that has
// not been put in by an earlier replacement.
QString replaceInOrder(const QString &text, const QList<QPair<QString, QString>> &pairs)
{
    // Pieces of original text (to scan) and of inserted text (left alone).
    struct Piece
    {
        QString text;
        bool inserted;
    };
    QList<Piece> pieces{{text, false}};
    for (const auto &pair : pairs) {
        if (pair.first.isEmpty())
            continue;
        QList<Piece> next;
        for (const Piece &piece : pieces) {
            if (piece.inserted) {
                next.append(piece);
                continue;
            }
            int from = 0;
            for (int at = piece.text.indexOf(pair.first, 0, Qt::CaseSensitive); at >= 0;
                 at = piece.text.indexOf(pair.first, from, Qt::CaseSensitive)) {
                next.append({piece.text.mid(from, at - from), false});
                next.append({pair.second, true});
                from = at + pair.first.size();
            }
            next.append({piece.text.mid(from), false});
        }
        pieces = next;
    }
    QString result;
    for (const Piece &piece : pieces)
        result += piece.text;
    return result;
}

} // namespace

QString PathVariables::substitute(const QString &text,
                                  const LanguageFields &language,
                                  bool withDownloadPath)
{
    QList<QPair<QString, QString>> pairs;
    pairs.append({QStringLiteral("$SetupPath$"), SetupSettings::setupPath()});
    if (withDownloadPath)
        pairs.append({QStringLiteral("$DownloadPath$"), SetupSettings::downloadPath()});
    pairs.append({QStringLiteral("$LangCode$"), language.languageCode});
    pairs.append({QStringLiteral("$CountryCode$"), language.countryCode});
    pairs.append({QStringLiteral("$LCID$"), language.lcid});
    pairs.append({QStringLiteral("$LCIDHex$"), language.lcidHex});
    return rewriteUpdateHost(replaceInOrder(text, pairs));
}

QString PathVariables::substituteCatalogue(const QString &text, const LanguageFields &language)
{
    return substitute(text, language, true);
}

QString PathVariables::substituteProductFile(const QString &text, const LanguageFields &language)
{
    return substitute(text, language, false);
}

QString PathVariables::rewriteUpdateHost(const QString &text)
{
    const QString updateHost = SetupSettings::updateHost();
    const QString secure = QStringLiteral("https://") + updateHost;
    QString result = text;
    result.replace(QStringLiteral("http://") + updateHost, secure, Qt::CaseSensitive);
    result.replace(QStringLiteral("http://") + SetupSettings::webHost(), secure, Qt::CaseSensitive);
    return result;
}

QString PathVariables::programFilesFolder()
{
    const QString folder = QString::fromStdWString(sys::programFilesFolder());
    if (!folder.isEmpty())
        return folder;
    return QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation).value(0);
}

QString PathVariables::resolveExecutablePath(const QString &path)
{
    QString resolved
            = replaceInOrder(path,
                             {{QStringLiteral("$ProgramFiles$"), programFilesFolder()},
                              {QStringLiteral("$SetupPath$"), SetupSettings::setupPath()},
                              {QStringLiteral("$DownloadPath$"), SetupSettings::downloadPath()}});
    return resolved.replace(QLatin1Char('\\'), QLatin1Char('/'));
}
