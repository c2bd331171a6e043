#include "guiplatform.h"

#include <cstdlib>

namespace sys {

std::vector<std::string> qtPlatformArguments()
{
    return {};
}

void startWindowedChildrenOffscreen()
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

} // namespace sys
