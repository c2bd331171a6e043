#pragma once

// setup_runner's copies of downloaded installers. The download folder belongs to the user, and
// any program of the user could swap a file there between the download and the elevated start.
// Before an installer runs, the helper copies what its steps take from there into a folder of
// its own that only administrators can write, checks the download's copy (its SHA-256 when
// the run list gives one, else its size) and runs the copies (PayloadCopier). Each helper
// works in a folder of its own below the cache root, removed when the run ends; folders of
// helpers that were killed go at the next start. A root that a standard user could have made
// or changed is neither used nor looked into: the helper then works in a fresh folder beside
// it, made protected from the start under a name nobody can guess.

#include <QString>

class Installer;

class PayloadCache
{
public:
    // Why an installer was refused; the values travel to setup in AppFailed messages.
    enum Refusal { None = 0, FolderUnsafe = 1, PayloadMismatch = 2 };

    // Only setup_runner copies; its main turns this on.
    static void setEnabled(bool enabled);
    static bool isEnabled();
    // The cache folder in Windows form (tests point it elsewhere); default
    // sys::payloadCacheFolder().
    static void setRoot(const QString &windowsPath);
    static QString root();
    // The user's download folder as setup names it in the run list (Windows form); empty when
    // the run list names none, and then only each installer's own download is copied.
    static void setDownloadFolder(const QString &windowsPath);
    static QString downloadFolder();
    // This run's folder in Windows form; empty until an installer needed one.
    static QString runFolder();

    // Copies what the installer's steps take from the download folder (and its own download)
    // into this run's folder, checks the download's copy and points the steps at the copies.
    // Installers that take nothing from there are left alone. detail says what failed.
    static Refusal prepare(Installer &installer, QString *detail);
    // Removes this run's folder.
    static void removeRunFolder();
    // Removes the folders of helpers that no longer run, never following a link.
    static void removeLeftovers();
};
