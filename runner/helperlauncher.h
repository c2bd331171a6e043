#pragma once

// Starts setup_runner, the elevated helper, through the shell so that Windows asks for consent
// (the helper's manifest requests administrator rights), and reports a failed start.

#include <QString>

#include <cstdint>

class QObject;

class HelperLauncher
{
public:
    static constexpr char ProgramName[] = "setup_runner.exe";

    // The helper's command line: the segment key and the language code.
    static QString parameters(const QString &languageCode);

    // Starts ProgramName from the current directory (setup's own directory), hidden, with
    // ownerWindow as the owner of the consent prompt. True when the shell reports a start
    // (result 32 or more). Otherwise the failure's critical box has been shown (parent
    // messageOwner, title errorTitle) and false is returned; the caller then restores its page.
    static bool launch(void *ownerWindow,
                       QObject *messageOwner,
                       const QString &languageCode,
                       const QString &errorTitle);

    // The box text for a shell result below 32; directory is inserted where the text names
    // the folder the helper was looked for in.
    static QString failureMessage(intptr_t result, const QString &directory);
    // The current directory as the boxes name it: absolute, in the Windows form with "\"
    // separators, as every process-wide path is kept.
    static QString currentDirectory();
};
