#pragma once

// Arguments that the windowed programs pass to Qt in place of their own command line.

#include <string>
#include <vector>

namespace sys {

// Windows: the platform plugin switched to "not DPI aware". Elsewhere the platform that
// QT_QPA_PLATFORM names (offscreen for tests), so that a program which drops Qt's variables
// from its environment (the helper) still runs where it was asked to; without it nothing, and
// Qt picks its platform as usual.
std::vector<std::string> qtPlatformArguments();

} // namespace sys
