#include "consoleoutput.h"

#include <windows.h>

#include <cstdlib>

namespace sys {

namespace {

UINT previousCodePage = 0;

void restoreCodePage()
{
    if (previousCodePage != 0)
        SetConsoleOutputCP(previousCodePage);
}

bool isConsole(DWORD which)
{
    const HANDLE handle = GetStdHandle(which);
    DWORD mode = 0;
    return handle && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

} // namespace

void showUtf8InConsole()
{
    if (previousCodePage != 0 || !(isConsole(STD_OUTPUT_HANDLE) || isConsole(STD_ERROR_HANDLE)))
        return;
    const UINT current = GetConsoleOutputCP();
    if (current == 0 || current == CP_UTF8 || !SetConsoleOutputCP(CP_UTF8))
        return;
    previousCodePage = current;
    std::atexit(restoreCodePage);
}

} // namespace sys
