#pragma once

// The Windows language identifiers of the languages the product files know.

#include <QString>

class LanguageTable
{
public:
    // The LCID of a language code (two letters) and country code; 1033 for any other.
    static int lcid(const QString &languageCode, const QString &countryCode);
    // Four lower-case hex digits, as catalogue entries use it ("0409").
    static QString paddedHex(int lcid);
    // Lower-case hex without padding or prefix, as the product description uses it ("409").
    static QString plainHex(int lcid);
    // A full code such as "pt_br" or "de_de" split as the language selection does: the first
    // two characters, the last two ("br" for every Portuguese code). A bare language, as the
    // picker hands on ("en", "ko"), has the country its translation is written for: "en_us",
    // "ko_kr", never "en_en".
    static QString languageOf(const QString &fullCode);
    static QString countryOf(const QString &fullCode);

    // The system locale's name ("de_DE") as setup's language code ("de_de"): Portuguese is
    // Brazilian, English American, Chinese simplified only for China and Singapore.
    static QString fromLocaleName(const QString &localeName);
    // The language code of a translation file: "frontend_pt_br.qm" -> "pt_br",
    // "frontend_de.qm" -> "de"; empty when the name has no code.
    static QString ofTranslationFile(const QString &fileName);
    // The disc's licence file of a language: "EULA/" + the code cut to two letters (the Chinese
    // codes stay whole: "zh_cn", "zh_tw") + "_COR_EULA.htm" (brand) or "_TAM_EULA.htm" (maker),
    // with "/" between folders.
    static QString licenceFile(const QString &languageCode, bool brand);
};
