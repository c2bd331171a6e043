#pragma once

// A folder that only administrators can write: setup_runner copies downloaded installers into
// one before it runs them, so that no program of the user can swap the file in between.

#include <string>

namespace sys {

// Where the elevated helper keeps its copies, in Windows form: the common application data
// folder + "\TamPayloadCache" (C:\ProgramData\TamPayloadCache on the simulated machine). It
// sits directly below that folder, whose own rules keep users from removing others' folders.
std::wstring payloadCacheFolder();

// Creates path anew, protected from the moment it exists, and checks what it made. Its parent
// must exist. Anything already at path (folder, file or link) is left alone and sets existed.
// Win32: CreateDirectoryW with a protected ACL for Administrators and SYSTEM only, owned by
// Administrators. Simulated machine: mkdir with mode 0700. error says why it failed.
bool createProtectedFolder(const std::wstring &path, bool *existed, std::string *error);

// Creates path (its parents as needed) as createProtectedFolder does, or checks a folder that
// exists. A folder that exists and fails the check is refused, not repaired.
bool prepareProtectedFolder(const std::wstring &path, std::string *error);

// Whether path is a folder that only administrators can change. Win32: not a reparse point,
// owned by Administrators or SYSTEM, and no entry of the ACL, whatever its type, grants anyone
// else more than reading. Simulated machine, where the running user stands for the
// administrator: not a symbolic link, owned by the running user or root, and neither group
// nor others may write it.
bool isProtectedFolder(const std::wstring &path, std::string *error);

} // namespace sys
