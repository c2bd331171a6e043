#pragma once

// Small queries about the machine: log file, Windows version, bitness, file versions,
// Program Files folder.

#include <cstdint>
#include <string>

namespace sys {

class RegKey;

// Appends one line to C:\Log\CoInstaller.log when that directory exists: time stamp, process
// and thread ids, the message, CR LF (see logline.h for the exact bytes). The format follows
// the Windows C run-time's wide printf: %s takes a wide string. Opened and closed per line.
void logLine(const wchar_t *format, ...);

// Major version in the high byte, minor in the low byte; 0 when unknown.
uint16_t windowsVersionWord();
// The registry part of windowsVersionWord, from an open "Windows NT\CurrentVersion" key: the
// CurrentMajorVersionNumber/CurrentMinorVersionNumber DWORDs, else "CurrentVersion" read as
// "%d.%d". False when neither gives two numbers.
bool windowsVersionWordFromKey(const RegKey &key, uint16_t &word);

enum class Wow64Answer { No, Yes, FunctionMissing, CallFailed };
// IsWow64Process for the current process, looked up in kernel32 at run time. The simulated
// machine answers as for a 32-bit program on it: Yes on a 64-bit machine, No on a 32-bit one.
Wow64Answer isWow64Process();
// True when the running program itself is a 64-bit Windows build; such a program runs only on
// 64-bit Windows, which IsWow64Process does not reveal. Always false on the simulated machine,
// whose programs stand in for the 32-bit builds (so isWow64Process tells the machine's kind).
bool isProcess64Bit();
// GetSystemWow64DirectoryW test; on the simulated machine, its configured kind (machine.h).
bool is64BitWindows();

// The FileVersion string of the file's version resource (the string table of the first
// translation); "X, X, X, X" when unreadable. The simulated machine reads PE files directly and
// its own programs' version records (fileversionrecord.h).
std::wstring fileVersion(const std::wstring &path);

// CSIDL_PROGRAM_FILES; empty when the query fails. "C:\Program Files" on the simulated machine.
std::wstring programFilesFolder();

} // namespace sys
