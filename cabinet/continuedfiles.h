#pragma once

// Which files of a cabinet begin in the cabinet before it. Cabinet.dll passes such a file over
// (it announces it as partial and writes nothing) when extraction starts at the later cabinet;
// libmspack does not say which files they are, so the simulated machine reads their folder
// index from the cabinet's file table.

#include <string>
#include <vector>

namespace Cabinet {

// One entry per file record of the cabinet at hostPath, in the order of its file table: true
// for a file continued from the previous cabinet. Stops at the first record it cannot read.
std::vector<bool> filesContinuedFromPrevious(const std::string &hostPath);

} // namespace Cabinet
