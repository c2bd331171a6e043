#include "helptext.h"

#include "hostpath.h"

#include <cstdio>

namespace sys {

void showHelpText(const std::wstring &, const std::wstring &text)
{
    std::fputs(toUtf8(text).c_str(), stdout);
    std::fflush(stdout);
}

} // namespace sys
