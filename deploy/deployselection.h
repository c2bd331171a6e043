#pragma once

// Which catalogue entries an unattended run is about, and from which source: the names of
// /select, every entry with /all, or what the install page ticks by default; for an entry with
// a disc and a web variant the one /source asks for.

#include "deployswitches.h"

#include <QList>
#include <QStringList>

class Application;

class DeploySelection
{
public:
    // The entries in catalogue order. Names of /select are compared without regard to case;
    // those the catalogue does not have go to unknownNames.
    static QList<Application *> choose(const QList<Application *> &catalogue,
                                       const DeploySwitches &switches,
                                       QStringList *unknownNames);
    // Sets the variant of a disc/web pair: /source, or the disc when its payload is there.
    static void applySource(Application *application, DeploySwitches::Source source);
    // An entry with nothing to install on this machine in this language.
    static bool isApplicable(const Application *application);
};
