#include "closerequest.h"

namespace sys {

bool watchCloseRequests()
{
    return false;
}

bool closeRequested()
{
    return false;
}

} // namespace sys
