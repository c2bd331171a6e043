#pragma once

// Reads the version resource of a Windows executable (PE32 or PE32+) straight from its bytes,
// the way Version.dll's queries see it, without loading the file as a program. Every read is
// bounds-checked: truncated or garbage files simply yield no version.

#include <cstdint>
#include <string>
#include <vector>

namespace sys {

// The "FileVersion" string of the string table that the first "\VarFileInfo\Translation" pair
// names. False when the file is not a PE file or has no such value.
bool peFileVersion(const std::string &hostPath, std::wstring &version);
bool peFileVersionFromBytes(const std::vector<uint8_t> &bytes, std::wstring &version);

} // namespace sys
