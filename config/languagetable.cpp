#include "languagetable.h"

#include <QRegularExpression>

int LanguageTable::lcid(const QString &languageCode, const QString &countryCode)
{
    struct Entry
    {
        const char *language;
        int lcid;
    };
    static const Entry table[] = {
            {"pt", 0x416},
            {"ru", 0x419},
            {"en", 0x409},
            {"fr", 0x40c},
            {"it", 0x410},
            {"de", 0x407},
            {"es", 0x40a},
            {"tr", 0x41f},
            {"ko", 0x412},
    };
    for (const Entry &entry : table) {
        if (languageCode == QLatin1String(entry.language))
            return entry.lcid;
    }
    if (languageCode == QLatin1String("zh"))
        return countryCode == QLatin1String("cn") || countryCode == QLatin1String("sg") ? 0x804
                                                                                        : 0x404;
    return 0x409;
}

QString LanguageTable::paddedHex(int lcid)
{
    return QStringLiteral("%1").arg(lcid, 4, 16, QLatin1Char('0'));
}

QString LanguageTable::plainHex(int lcid)
{
    return QString::number(lcid, 16);
}

QString LanguageTable::languageOf(const QString &fullCode)
{
    return fullCode.left(2);
}

QString LanguageTable::countryOf(const QString &fullCode)
{
    const QString language = languageOf(fullCode);
    if (language == QLatin1String("pt"))
        return QStringLiteral("br");
    if (fullCode.size() == 2) {
        // Paths and addresses built from $LangCode$_$CountryCode$ must name a real locale.
        if (language == QLatin1String("en"))
            return QStringLiteral("us");
        if (language == QLatin1String("ko"))
            return QStringLiteral("kr");
        if (language == QLatin1String("zh"))
            return QStringLiteral("tw");
    }
    return fullCode.right(2);
}

QString LanguageTable::fromLocaleName(const QString &localeName)
{
    const QString code = localeName.toLower();
    const QString language = code.left(2);
    if (language == QLatin1String("pt"))
        return QStringLiteral("pt_br");
    if (language == QLatin1String("en"))
        return QStringLiteral("en_us");
    if (language == QLatin1String("zh")) {
        return code == QLatin1String("zh_cn") || code == QLatin1String("zh_sg")
                       ? QStringLiteral("zh_cn")
                       : QStringLiteral("zh_tw");
    }
    return language + QLatin1Char('_') + language;
}

QString LanguageTable::ofTranslationFile(const QString &fileName)
{
    // \C in the file-name rule stands for any one character.
    static const QRegularExpression withCountry(QStringLiteral("_.._..\\."));
    static const QRegularExpression languageOnly(QStringLiteral("_..\\."));
    int at = fileName.lastIndexOf(withCountry);
    if (at < 0)
        at = fileName.lastIndexOf(languageOnly);
    if (at < 0)
        return QString();
    QString code = fileName.mid(at + 1);
    code.chop(3); // ".qm"
    return code;
}

QString LanguageTable::licenceFile(const QString &languageCode, bool brand)
{
    const QString language
            = languageCode.contains(QLatin1String("zh")) ? languageCode : languageCode.left(2);
    return QStringLiteral("EULA/") + language
           + (brand ? QStringLiteral("_COR_EULA.htm") : QStringLiteral("_TAM_EULA.htm"));
}
