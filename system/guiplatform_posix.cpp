#include "guiplatform.h"

namespace sys {

const char *unawarePlatformOption()
{
    // The X11, Wayland and offscreen plugins know nothing of DPI awareness; the platform comes
    // from QT_QPA_PLATFORM as usual.
    return nullptr;
}

} // namespace sys
