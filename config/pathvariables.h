#pragma once

// The placeholders of product files and catalogues. Each substitution is a plain,
// case-sensitive replacement in a fixed order, without recursion: replaced text is never
// scanned again.

#include <QString>

struct LanguageFields
{
    QString languageCode;
    QString countryCode;
    QString lcid;
    QString lcidHex;
};

class PathVariables
{
public:
    // $SetupPath$, $DownloadPath$, $LangCode$, $CountryCode$, $LCID$, $LCIDHex$, then the
    // update-host rewriting (catalogue entries).
    static QString substituteCatalogue(const QString &text, const LanguageFields &language);
    // The same without $DownloadPath$ (the product file's own readme, web site, update URL).
    static QString substituteProductFile(const QString &text, const LanguageFields &language);
    // http:// on the update host, or on the maker's web host, becomes https:// on the update host.
    static QString rewriteUpdateHost(const QString &text);
    // $ProgramFiles$, $SetupPath$, $DownloadPath$, then every "\" -> "/".
    static QString resolveExecutablePath(const QString &path);
    // The Program Files folder: the system's answer, else the first applications location.
    static QString programFilesFolder();

private:
    static QString
    substitute(const QString &text, const LanguageFields &language, bool withDownloadPath);
};
