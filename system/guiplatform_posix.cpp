#include "guiplatform.h"

#include <cstdlib>

namespace sys {

std::vector<std::string> qtPlatformArguments()
{
    // The simulated machine's display is the host's choice: offscreen for tests and servers.
    if (const char *platform = std::getenv("QT_QPA_PLATFORM"); platform && *platform)
        return {"-platform", platform};
    return {};
}

} // namespace sys
