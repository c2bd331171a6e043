#pragma once

// DVDPath.xml: a copy of the front end that runs from elsewhere finds the real disc through it.

#include <QString>

// When programDir holds a DVDPath.xml whose dvd_path names a folder with a scanner_win.xml,
// sets path to that folder (as written in the file) and returns true; otherwise leaves path
// alone and returns false. programDir defaults to the running program's folder.
bool readDvdPath(QString &path, const QString &programDir = QString());

// Writes hostFile as a DVDPath.xml that names setupPath (the dvd_path attribute, escaped, so
// that any folder name reads back as written). False when the file cannot be written.
bool writeDvdPath(const QString &hostFile, const QString &setupPath);
