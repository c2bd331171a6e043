#pragma once

// Whether one setup version is at least another, as the self-update decides it. Versions here
// come from the update server and from version resources, written as their authors liked
// ("2.1", "2, 1, 0, 4", "v2.1b"): every run of decimal digits is a number and anything else
// only separates them. A position one version lacks counts as 0. This is deliberately not the
// catalogue's dotted-version comparison, which has its own rules for checkers.

#include <QString>
#include <QStringList>

class SetupVersion
{
public:
    // False when either is empty or neither holds a digit.
    static bool isAtLeast(const QString &a, const QString &b);
    // The digit runs of version without leading zeros ("0" for a run of zeros), in order.
    static QStringList numbers(const QString &version);
};
