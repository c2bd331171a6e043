#pragma once

// What an unattended run did with each application: the rows of its report and the source of
// its exit code.

#include <QList>
#include <QString>

struct ProgramRun
{
    // The program as the helper started it (its command line's program).
    QString program;
    bool started = false;
    // The program's exit code once it ended; the Windows error code when it could not start.
    qint64 exitCode = 0;
    qint64 startError = 0;
};

struct ApplicationOutcome
{
    enum class Result {
        Installed,
        AlreadyInstalled,
        Failed,
        NotApplicable,
        // Not started: an installer before it asked for a restart, which comes first.
        Postponed,
        // /detect only: the application is missing.
        NotInstalled,
    };

    QString shortName;
    QString displayName;
    Result result = Result::NotApplicable;
    // Why it failed, was postponed or does not apply; empty otherwise.
    QString reason;
    QList<ProgramRun> programs;

    // The report's spelling: "installed", "alreadyInstalled", ...
    static QString resultName(Result result);
};
