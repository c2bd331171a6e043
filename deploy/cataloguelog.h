#pragma once

// What the unattended log says about the catalogue: which payloads lie staged beside it, and,
// per application, each check in plain words with its answer.

#include <QList>

class Application;
class DeployLog;
class Installer;
class QString;

class CatalogueLog
{
public:
    static void writeStagedPayloads(DeployLog &log, const QList<Application *> &applications);
    // Every installer's check of the application (of both variants of a disc/web pair) and the
    // variant chosen.
    static void writeChecks(DeployLog &log, Application *application);
    // "product code {…} at version 2.1.0 or newer: installed (found 2.1.0)"
    static QString check(const Installer &installer, bool installed);
};
