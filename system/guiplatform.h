#pragma once

// What the GUI toolkit must be told about the platform when a program builds its own argument
// vector instead of passing the real command line.

namespace sys {

// The "-platform" option value that keeps the process without DPI awareness
// ("windows:dpiawareness=0" on Windows); nullptr where the platform plugin has no such option.
const char *unawarePlatformOption();

} // namespace sys
