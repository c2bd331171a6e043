#include "filereplace.h"

#include "hostpath.h"

#include <windows.h>

namespace sys {

bool replaceFile(const std::string &source, const std::string &target)
{
    // Write-through: the move is on disk before we report the file as there.
    return MoveFileExW(fromUtf8(source).c_str(),
                       fromUtf8(target).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
           != 0;
}

} // namespace sys
