#include "guiplatform.h"

namespace sys {

std::vector<std::string> qtPlatformArguments()
{
    return {};
}

} // namespace sys
