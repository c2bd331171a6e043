#pragma once

// The platform layer's Windows-form paths (sys::toHostPath, sys::fromHostPath) for Qt code, and
// the one file chore that differs between Windows and the simulated machine. Its own small
// library on Qt Core alone, so that the smallest programs (the self-extracting package, the
// helper's channel) use it without the product readers.

#include <QString>

namespace HostFiles {

// "C:\a\b" as the host knows it: the same on Windows, inside the simulated machine elsewhere.
QString hostPath(const QString &windowsPath);
// The inverse for files inside the machine's drives; other paths get "\" separators.
QString windowsPath(const QString &hostPath);
// Windows runs any file; the simulated machine needs execute bits, which neither downloads nor
// cabinets carry. Whoever may read the file may run it. On Windows this changes nothing.
void makeRunnable(const QString &hostFile);

} // namespace HostFiles
