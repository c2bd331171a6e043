#pragma once

// A folder that only administrators can write: setup_runner copies downloaded installers into
// one before it runs them, so that no program of the user can swap the file in between.

#include <string>

namespace sys {

// Where the elevated helper keeps its copies, in Windows form: the common application data
// folder + "\TamPayloadCache" (C:\ProgramData\TamPayloadCache on the simulated machine). It
// sits directly below that folder, whose own rules keep users from removing others' folders.
std::wstring payloadCacheFolder();

// Creates path (its parents as needed) so that only administrators can write it, or checks a
// folder that exists. Win32: a protected ACL for Administrators and SYSTEM only, owned by one
// of them. Simulated machine: owned by the running user, mode 0700, not a symbolic link. A
// folder that exists and fails the check is refused, not repaired. error says why.
bool prepareProtectedFolder(const std::wstring &path, std::string *error);

// The check alone.
bool isProtectedFolder(const std::wstring &path, std::string *error);

} // namespace sys
