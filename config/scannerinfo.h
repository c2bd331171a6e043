#pragma once

// The description of the scanner product that the disc serves, read from scanner_win.xml and
// from the update description of the same format, with the catalogue entries it offers.

#include "pathvariables.h"

#include <QList>
#include <QObject>
#include <QStringList>

class Application;
class QDomElement;

class ScannerInfo : public QObject
{
    Q_OBJECT

public:
    enum Brand { NoBrand = 0, Tamberlin = 1, Corvex = 2 };

    // parent is also the parent of every box that reading shows.
    explicit ScannerInfo(QObject *parent = nullptr);

    // Reads one product file: isLocal for the disc's file, false for the update description;
    // keepSeparate when both are loaded and merge() joins them. False when the file cannot be
    // opened or read as a product file; fields read by an earlier load then stay.
    bool load(const QString &path, bool isLocal, bool keepSeparate);
    // Joins the disc and web lists into the applications list.
    void merge();
    // Reads the supported languages; the list always ends with at least "en_US".
    bool loadLanguages(const QString &path);
    // True when the file opens, parses and has the root element "scanner".
    bool checkFile(const QString &path) const;
    // Sets the language fields from a code such as "de_de", "pt_br" or "zh_tw".
    void setLanguage(const QString &code);
    // refreshInstalledState() of every entry, sharing one walk of the registry.
    void refreshInstalledStates();

    QString fullLanguageCode() const { return m_fullLanguageCode; }
    QString languageCode() const { return m_language.languageCode; }
    QString countryCode() const { return m_language.countryCode; }
    QString lcid() const { return m_language.lcid; }
    QString lcidHex() const { return m_language.lcidHex; }
    QString skin() const { return m_skin; }
    QString longName() const { return m_longName; }
    QString shortName() const { return m_shortName; }
    QString productId() const { return m_productId; }
    Brand brand() const { return m_brand; }
    QString website() const { return m_website; }
    QString readme() const { return m_readme; }
    QString readmeDisplayName() const { return m_readmeDisplayName; }
    // The display name's fixed point size; 0 keeps the skin's font.
    double readmePointSize() const { return m_readmePointSize; }
    QString updateUrl() const { return m_updateUrl; }
    QString bundleType() const { return m_bundleType; }
    QString bundleVersion() const { return m_bundleVersion; }
    QString softwareVersion() const { return m_softwareVersion; }
    QString minSetupVersion() const { return m_minSetupVersion; }
    QString scannerSerialNumber() const { return m_scannerSerialNumber; }
    bool isNetworkScanner() const { return m_networkScanner; }
    QList<Application *> applications() const { return m_applications; }
    QList<Application *> discApplications() const { return m_discApplications; }
    QList<Application *> webApplications() const { return m_webApplications; }
    QList<Application *> combinedApplications() const { return m_combinedApplications; }
    QStringList supportedLanguages() const { return m_supportedLanguages; }
    QString errorTitle() const { return m_errorTitle; }

    static QString defaultUpdateUrl();

private:
    void readRootAttributes(const QDomElement &root);
    void readScannerReadme(const QDomElement &element);
    void readApplication(const QDomElement &element, bool isLocal, bool keepSeparate);
    bool versionsDiffer(Application *discEntry, Application *webEntry) const;
    void failLanguages(const QString &text);

    QObject *m_parentWindow;
    QString m_fullLanguageCode;
    LanguageFields m_language;
    QString m_skin;
    QString m_longName;
    QString m_shortName;
    QString m_productId;
    Brand m_brand = NoBrand;
    QString m_website;
    QString m_readme;
    QString m_readmeDisplayName;
    double m_readmePointSize = 0;
    QString m_updateUrl;
    QString m_bundleType;
    QString m_bundleVersion;
    QString m_softwareVersion;
    QString m_minSetupVersion;
    QString m_scannerSerialNumber;
    bool m_networkScanner = false;
    QList<Application *> m_applications;
    QList<Application *> m_discApplications;
    QList<Application *> m_webApplications;
    QList<Application *> m_combinedApplications;
    QStringList m_supportedLanguages;
    QString m_errorTitle;
};
