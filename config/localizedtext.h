#pragma once

// A text of the catalogue given in several languages: the "string" children of an element.

#include <QString>

class QDomElement;

class LocalizedText
{
public:
    // Picks the string for languageCode/countryCode: the first whose Language is the bare
    // language, language_country, or "*"; otherwise the last "en" or "*" string; otherwise an
    // empty text.
    static LocalizedText
    read(const QDomElement &element, const QString &languageCode, const QString &countryCode);

    // The text to show: its "\n" pairs are line breaks, whichever language it was taken from.
    QString text() const;
    // The value as written, for file names and addresses, where a backslash before an "n" is a
    // folder separator ("$SetupPath$\Manuals\network.pdf").
    QString value() const { return m_value; }
    double pointSize() const { return m_pointSize; }

private:
    QString m_value;
    double m_pointSize = 0;
};
