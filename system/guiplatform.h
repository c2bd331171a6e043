#pragma once

// Arguments that the windowed programs pass to Qt in place of their own command line.

#include <string>
#include <vector>

namespace sys {

// Windows: the platform plugin switched to "not DPI aware"; elsewhere nothing, so that Qt
// picks its platform as usual (QT_QPA_PLATFORM=offscreen keeps working).
std::vector<std::string> qtPlatformArguments();

} // namespace sys
