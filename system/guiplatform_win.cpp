#include "guiplatform.h"

namespace sys {

std::vector<std::string> qtPlatformArguments()
{
    return {"-platform", "windows:dpiawareness=0"};
}

void startWindowedChildrenOffscreen()
{}

} // namespace sys
