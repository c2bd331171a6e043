#include "testsupport.h"

namespace testsupport {

std::filesystem::path childProgram()
{
    return std::filesystem::read_symlink("/proc/self/exe").parent_path() / "tam_child.exe";
}

bool runningUnderWine()
{
    return false;
}

} // namespace testsupport
