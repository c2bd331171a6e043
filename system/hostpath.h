#pragma once

// The one place where Windows-form paths meet the host's file system.

#include <string>

namespace sys {

// Win32: the path as it is. Portable: "C:\a\b" maps into the simulated machine's drive_c
// (other drive letters to drive_<letter>), "\home\u\disc" becomes "/home/u/disc", and every
// "\" becomes "/".
std::string toHostPath(const std::wstring &windowsPath);
// The inverse for paths inside the machine's drives; other paths get "\" separators.
std::wstring fromHostPath(const std::string &hostPath);

std::string toUtf8(const std::wstring &text);
std::wstring fromUtf8(const std::string &text);

} // namespace sys
