#pragma once

// What the system-information tests need from the side they run on.

#include <string>

namespace sysinfotest {

// A fixture program built next to the test program (versioned.exe, noversion.exe), in the
// Windows form that the platform layer takes.
std::wstring fixturePath(const std::wstring &fileName);

} // namespace sysinfotest
