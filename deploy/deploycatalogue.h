#pragma once

// The catalogue as the unattended path reads it, with no window: the process-wide paths of a
// setup in its folder, the product files that are there (the disc's description, a copy's
// update.xml, the catalogue /device merged), the language, and the installed state of every
// entry. It never goes online and never updates setup.

#include <QString>
#include <QStringList>

class ScannerInfo;
class QObject;

class DeployCatalogue
{
public:
    explicit DeployCatalogue(QObject *owner);
    ~DeployCatalogue();
    DeployCatalogue(const DeployCatalogue &) = delete;
    DeployCatalogue &operator=(const DeployCatalogue &) = delete;

    // Fixes SetupPath (the program's folder, or the disc DVDPath.xml names), DownloadPath and
    // UpdatePath as start-up does.
    static void preparePaths(const QString &programDir);

    // Reads what lies there. deviceCatalogue, when not empty, is the catalogue of the attached
    // scanner, read as a downloaded update description. language empty: the system's. False
    // with a reason when no product file can be read (languageError stays false) or the
    // language is not one the product and setup offer (languageError set).
    bool load(const QString &programDir,
              const QString &language,
              const QString &deviceCatalogue,
              QString *error,
              bool *languageError);

    ScannerInfo *scannerInfo() const { return m_scannerInfo; }
    QString language() const { return m_language; }
    // The files read, for the log.
    QStringList files() const { return m_files; }

    // The languages setup can show (its translations) that the product supports.
    static QStringList offeredLanguages(const QStringList &supported);
    // The language the picker would preselect for the system's code: the code itself when it
    // or its language alone is offered, else English, else the first offered.
    static QString preselect(const QStringList &offered, const QString &systemCode);
    // The offered language a /language code means; empty when there is none.
    static QString requested(const QStringList &offered, const QString &code);

private:
    QObject *m_owner;
    ScannerInfo *m_scannerInfo = nullptr;
    QString m_language;
    QStringList m_files;
};
