#pragma once

// What the catalogue needs to know about the Windows it runs on: bitness (for the
// installation-platform tags) and version (for the OS-version filter of installer groups).

#include <QStringList>

class QObject;

class PlatformInfo
{
public:
    // True on 64-bit Windows. A 64-bit build runs only there; a 32-bit build asks
    // IsWow64Process, and when that call fails says so in a box (parent: owner) and answers
    // false.
    static bool is64BitWindows(QObject *owner);
    // "all", "*", "windows", then "win64" or "win32".
    static QStringList platformTags(QObject *owner);
    // Major version in the high byte, minor in the low byte; 0 when unknown.
    static quint16 osVersion();
};
