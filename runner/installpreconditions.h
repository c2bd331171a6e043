#pragma once

// What must hold before setup may start an installation: Windows Update is not installing
// updates of its own, and no restart is pending. Installers run meanwhile tend to fail or to
// be rolled back by the restart, so the user is asked to come back later instead.

class QObject;
class QString;

class InstallPreconditions
{
public:
    // Checks Windows Update first, then the pending restart. The first that fails is reported
    // in a critical box (parent owner, title errorTitle) and false is returned; nothing else
    // has happened then. True: the installation may go on.
    static bool check(QObject *owner, const QString &errorTitle);
};
