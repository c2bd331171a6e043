#pragma once

// What one installer's steps take from places a standard user can write: the download folder,
// and the installer's own download wherever it lies. Every file there that a step names (its
// program, its cabinet, an argument, the document it opens afterwards) is copied into a folder
// only administrators can write, and the step is pointed at the copy; a swap in the user's
// folder after the copy reaches nothing. The installer's own download is checked on its copy
// (SHA-256, else size); another file the run list says nothing about is copied as it is.

#include <QHash>
#include <QString>

#include <functional>

class Executable;
class Installer;

class PayloadCopier
{
public:
    enum Outcome { Copied, FolderUnavailable, NotTheDownload };
    // folderOfCopies is asked once, when the first file is copied: the folder in Windows form,
    // or empty (with its reason in *why) when there is none to be had.
    using FolderSource = std::function<QString(QString *why)>;

    PayloadCopier(const Installer &installer,
                  const QString &downloadFolder,
                  FolderSource folderOfCopies);

    // Points step at copies of what it names. Anything else than Copied leaves the step half
    // done: it must not run.
    Outcome redirect(Executable &step);
    QString detail() const { return m_detail; }

private:
    struct Mention
    {
        int position;
        int length;
    };

    // Where path goes below the folder of copies: its part below the download folder, or the
    // download's file name. Empty for a path that lies elsewhere.
    QString placeOf(const QString &path) const;
    bool isBelowFolder(const QString &cleanPath) const;
    bool isTheDownload(const QString &path) const;
    QList<Mention> mentionsIn(const QString &text) const;
    // The copy of path in Windows form; path itself when it names nothing that can be copied
    // and is not the download. False when the copy cannot be made or is not the download.
    bool copyOf(const QString &path, QString *copy);
    bool checkDownload(const QString &source, const QString &hash, qint64 size);
    bool redirectCabinet(Executable &step);
    bool redirectProgram(Executable &step);
    bool redirectText(QString *text);
    bool refuse(Outcome outcome, const QString &detail);

    QString m_downloadFolder;
    QString m_download;
    QString m_sha256;
    qint64 m_size;
    FolderSource m_folderSource;
    QString m_folder;
    QHash<QString, QString> m_copies;
    QHash<QString, QString> m_placeOwners;
    Outcome m_outcome = Copied;
    QString m_detail;
};
