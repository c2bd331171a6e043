#include "guiplatform.h"

namespace sys {

const char *unawarePlatformOption()
{
    return "windows:dpiawareness=0";
}

} // namespace sys
