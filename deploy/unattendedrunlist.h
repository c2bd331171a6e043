#pragma once

// The run list of an unattended installation. setup_runner is the same helper the install page
// starts, and it would ask: whether to run an installer again, whether to restart now, and an
// installer's debug box would wait for a click. Nobody may be asked here, so the run list that
// goes to it says: never run an installed installer again, never restart, no debug box, and
// open no document or web page afterwards. The list ends with the first installer that demands
// a restart; what comes after it waits for the next run, after the restart the deployment tool
// carries out.

#include <QList>
#include <QString>

class Application;
class Installer;

class UnattendedRunList
{
public:
    // Builds the list for applications in this order (each not yet installed).
    static UnattendedRunList build(const QList<Application *> &applications);

    // The Application elements for the segment, without the <RunnerInfo> wrapper.
    QString elements;
    // The applications handed over, and per application the installers the helper holds (the
    // indices in its messages count these).
    QList<Application *> applications;
    QList<QList<Installer *>> installers;
    // Left for the run after the restart.
    QList<Application *> postponed;
    // The installer that demands the restart, and its application; null when none does.
    Installer *restartInstaller = nullptr;
    Application *restartApplication = nullptr;
};
