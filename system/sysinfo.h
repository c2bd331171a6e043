#pragma once

// Small queries about the machine: log file, Windows version, bitness, file versions,
// Program Files folder.

#include <cstdint>
#include <string>

namespace sys {

// Appends one line to C:\Log\CoInstaller.log when that directory exists (printf-style).
void logLine(const wchar_t *format, ...);

// Major version in the high byte, minor in the low byte; 0 when unknown.
uint16_t windowsVersionWord();

enum class Wow64Answer { No, Yes, FunctionMissing, CallFailed };
// IsWow64Process for the current process, looked up in kernel32 at run time.
Wow64Answer isWow64Process();
// True when the running program itself is a 64-bit build.
bool isProcess64Bit();
// GetSystemWow64DirectoryW test.
bool is64BitWindows();

// The FileVersion string of the file's version resource; "X, X, X, X" when unreadable.
std::wstring fileVersion(const std::wstring &path);

// CSIDL_PROGRAM_FILES; empty when the query fails.
std::wstring programFilesFolder();

} // namespace sys
