#pragma once

// Payloads laid out beside the product file, so that a network share installs with no internet
// access: disctool layout --with-downloads fetches every web installer that carries a sha256
// into the "Downloads" folder of the laid-out disc. An installer whose payload is found there
// with the catalogue's SHA-256 counts as downloaded and runs from there; setup_runner copies
// and checks it like any other download. A payload without a hash is never taken from there:
// nothing would tell it from any other file of that name.

#include <QString>

class Installer;

class StagedPayload
{
public:
    // SetupPath + "\Downloads", in Windows form.
    static QString folder();
    // Where a payload is laid out below folder(): its download target's file name, or, when
    // another payload of that name came first, the same name in a folder named by its hash.
    static QString primaryName(const QString &downloadPath);
    static QString alternativeName(const QString &downloadPath, const QString &sha256);

    // Points the installer at its staged payload when one with its hash is there: its download
    // path and the program (or cabinet) it runs. False, changing nothing, otherwise.
    static bool adopt(Installer &installer);
    // The host path of the staged file for that target and hash; empty when none matches.
    // Hashes are remembered per file, size and modification time.
    static QString find(const QString &downloadPath, const QString &sha256);
};
