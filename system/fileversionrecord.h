#pragma once

// The simulated machine's version resource for its own programs. A Windows program carries its
// file version inside its bytes, so every copy reports the same version and a newer build a
// higher one; our Linux programs carry it the same way, as one fixed-size record (a marker and
// the version text) compiled into every program that links the platform layer. Copying a
// program keeps its version; rewriting the record gives a copy another one, as a version
// resource editor would on Windows.

#include <cstddef>
#include <string>

namespace sys {

// Room for the version text in the record, terminating NUL included.
constexpr size_t FileVersionRecordCapacity = 48;

// The version text of the file's record. False when the file has none (or cannot be read).
bool readFileVersionRecord(const std::string &hostPath, std::string &version);
// Rewrites the version text of the file's record in place. False when the file has no record,
// cannot be written or version does not fit.
bool writeFileVersionRecord(const std::string &hostPath, const std::string &version);

} // namespace sys
