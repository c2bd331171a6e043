#pragma once

// The command line in the current user's RunOnce key that brings setup back on the install page
// in the same language when an installation did not end normally (the helper could not start or
// crashed, an installer restarted Windows, the session ended). Written when an installation or a
// download session starts and removed wherever one ends normally, so that Windows only runs it
// at the next logon after an interruption.

#include <QString>
#include <QStringList>

class RecoveryEntry
{
public:
    static constexpr wchar_t KeyPath[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
    static constexpr wchar_t ValueName[] = L"TamRecoverInstall";
    // setup started with a language and this step opens on the install page.
    static constexpr int ResumeStep = 2;

    // "<path with backslashes> <language> 2". A path containing blanks is quoted: unquoted,
    // Windows would split it into several arguments and setup would not recognise the resume.
    static QString commandLine(const QString &setupExecutablePath, const QString &languageCode);

    // What the user had ticked, kept in a key of our own: Windows runs every value of RunOnce.
    static constexpr wchar_t SelectionKeyPath[] = L"SOFTWARE\\Tamberlin\\Setup";
    static constexpr wchar_t SelectionValueName[] = L"TamRecoverSelection";

    // Stores commandLine() as REG_SZ under HKCU\KeyPath, and the selection (items without
    // ";") beside it. A RunOnce key that cannot be opened is skipped silently: the
    // installation goes on without recovery.
    static void write(const QString &setupExecutablePath,
                      const QString &languageCode,
                      const QStringList &selection = QStringList());
    // The selection stored with the command line; empty when there is none.
    static QStringList selection();
    // Deletes both values; a missing value or key is not an error.
    static void remove();
    // Deletes the value and returns what it held (empty when there was none), so that a caller
    // whose exit is called off can put it back with restore().
    static QString take();
    static void restore(const QString &storedCommandLine);
};
