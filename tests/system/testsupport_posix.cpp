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

bool makeFolderLink(const std::filesystem::path &link, const std::filesystem::path &target)
{
    std::error_code error;
    std::filesystem::create_directory_symlink(target, link, error);
    return !error;
}

void removeFolderLink(const std::filesystem::path &link)
{
    std::error_code ignored;
    std::filesystem::remove(link, ignored);
}

} // namespace testsupport
