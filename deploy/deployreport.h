#pragma once

// The JSON summary of an unattended run (/report FILE) for deployment tools and scripts: the
// exit code, whether a restart is still required, and per application its names, its result,
// why (where it did not simply work), and the programs the helper ran with their exit codes.

#include "deployoutcome.h"

#include <QByteArray>

class DeployReport
{
public:
    static QByteArray
    toJson(int exitCode, bool restartRequired, const QList<ApplicationOutcome> &applications);
    // Replaces path as a whole (never a half-written report); false with a reason otherwise.
    static bool write(const QString &path,
                      int exitCode,
                      bool restartRequired,
                      const QList<ApplicationOutcome> &applications,
                      QString *error);
};
