#pragma once

// Putting a finished file in place of an older one.

#include <string>

namespace sys {

// Moves source to target in one step, replacing a target that exists: whoever opens target sees
// the old file or the new one, never neither. When the move fails both files stay as they were.
// Host paths in UTF-8 (see toHostPath), on one volume. Win32: MoveFileExW with
// MOVEFILE_REPLACE_EXISTING; elsewhere rename().
bool replaceFile(const std::string &source, const std::string &target);

} // namespace sys
