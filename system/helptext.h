#pragma once

// What "setup /?" shows: setup is a windowed program, which on Windows has no console to print
// to, so there a message box shows the text; elsewhere it goes to standard output.

#include <string>

namespace sys {

void showHelpText(const std::wstring &title, const std::wstring &text);

} // namespace sys
