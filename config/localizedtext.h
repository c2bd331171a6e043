#pragma once

// A text of the catalogue given in several languages: the "string" children of an element.

#include <QString>

class QDomElement;

class LocalizedText
{
public:
    // Picks the string for languageCode/countryCode: the first whose Language is the bare
    // language, language_country, or "*" (its "\n" pairs become line breaks); otherwise the last
    // "en" or "*" string as it stands; otherwise an empty text.
    static LocalizedText
    read(const QDomElement &element, const QString &languageCode, const QString &countryCode);

    QString text() const { return m_text; }
    double pointSize() const { return m_pointSize; }

private:
    QString m_text;
    double m_pointSize = 0;
};
