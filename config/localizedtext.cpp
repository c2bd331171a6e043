#include "localizedtext.h"

#include <QDomElement>
#include <QtMath>

LocalizedText LocalizedText::read(const QDomElement &element,
                                  const QString &languageCode,
                                  const QString &countryCode)
{
    LocalizedText fallback;
    const QString withCountry = languageCode + QLatin1Char('_') + countryCode;
    for (QDomElement string = element.firstChildElement(); !string.isNull();
         string = string.nextSiblingElement()) {
        if (string.tagName().toLower() != QLatin1String("string"))
            continue;
        const QString language = string.attribute(QStringLiteral("Language")).toLower();
        LocalizedText candidate;
        candidate.m_value = string.attribute(QStringLiteral("Value"));
        const double size = string.attribute(QStringLiteral("FixedPointSize")).toDouble();
        candidate.m_pointSize = qIsFinite(size) && size > 0 ? size : 0;
        const bool star = language == QLatin1String("*");
        if (language == QLatin1String("en") || star)
            fallback = candidate;
        const bool matches = star || language == withCountry
                             || (!language.contains(QLatin1Char('_')) && language == languageCode);
        if (matches)
            return candidate;
    }
    return fallback;
}

QString LocalizedText::text() const
{
    QString shown = m_value;
    return shown.replace(QLatin1String("\\n"), QLatin1String("\n"));
}
