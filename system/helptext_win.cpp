#include "helptext.h"

#include <windows.h>

namespace sys {

void showHelpText(const std::wstring &title, const std::wstring &text)
{
    MessageBoxW(nullptr, text.c_str(), title.c_str(), MB_OK | MB_ICONINFORMATION);
}

} // namespace sys
