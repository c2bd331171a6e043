// The simulated machine's protected folder: the running user's, mode 0700, never a link.

#include "hostpath.h"
#include "protectedfolder.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using testsupport::TempFolder;

TEST(ProtectedFolderPosix, ModeOwnerAndLinks)
{
    TempFolder folder;
    const std::filesystem::path cache = folder / "a" / "cache";
    std::string error;
    ASSERT_TRUE(sys::prepareProtectedFolder(sys::fromHostPath(cache.u8string()), &error)) << error;
    struct stat info;
    ASSERT_EQ(::stat(cache.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0700u);

    struct Row
    {
        const char *name;
        mode_t mode;
        bool link;
    };
    const Row rows[] = {{"group may enter", 0750, false},
                        {"others may write", 0703, false},
                        {"link to a good folder", 0700, true}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(::chmod(cache.c_str(), row.mode), 0);
        std::filesystem::path checked = cache;
        if (row.link) {
            checked = folder / "link";
            std::filesystem::remove(checked);
            std::filesystem::create_directory_symlink(cache, checked);
        }
        EXPECT_FALSE(sys::isProtectedFolder(sys::fromHostPath(checked.u8string()), &error));
    }
}
