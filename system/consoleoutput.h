#pragma once

// The text encoding of the command-line tools' output.

namespace sys {

// The tools write UTF-8 on every platform, to pipes, files and terminals alike. A Windows
// console shows bytes in its own output code page instead: while standard output or error is
// a console, that code page is switched to UTF-8 and switched back when the program ends.
// Elsewhere terminals take UTF-8 as it is, and nothing happens.
void showUtf8InConsole();

} // namespace sys
