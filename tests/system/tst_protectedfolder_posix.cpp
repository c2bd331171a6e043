// The simulated machine's protected folder. setup_runner runs as the user there, so the running
// user stands for Administrators and root for SYSTEM: a folder that any other account owns, or
// that group or others may write, could have been made or changed by someone else, and is
// refused. Reading is no danger: whoever may only look cannot change what runs.

#include "hostpath.h"
#include "protectedfolder.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <iostream>

#include <sys/stat.h>
#include <unistd.h>

using testsupport::TempFolder;

namespace {

// An account that is neither the running user nor root.
constexpr uid_t Nobody = 65534;

} // namespace

TEST(ProtectedFolderPosix, RootChecks)
{
    struct Row
    {
        const char *name;
        mode_t mode;
        bool otherOwner;
        bool link;
        bool accepted;
    };
    const Row rows[] = {
            {"made by the helper", 0700, false, false, true},
            {"others may look", 0755, false, false, true},
            {"group may write", 0770, false, false, false},
            {"others may write", 0703, false, false, false},
            {"owned by another user", 0700, true, false, false},
            {"a link to a good folder", 0700, false, true, false},
    };
    TempFolder folder;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const std::filesystem::path made = folder / row.name;
        std::filesystem::create_directory(made);
        ASSERT_EQ(::chmod(made.c_str(), row.mode), 0);
        if (row.otherOwner && ::chown(made.c_str(), Nobody, Nobody) != 0) {
            std::cout << "skipped: only root gives a folder to another user" << std::endl;
            continue;
        }
        std::filesystem::path checked = made;
        if (row.link) {
            checked = folder / "link";
            std::filesystem::create_directory_symlink(made, checked);
        }
        std::string error;
        EXPECT_EQ(sys::isProtectedFolder(sys::fromHostPath(checked.u8string()), &error),
                  row.accepted)
                << error;
    }
}

// Protected from the moment it exists, whatever the umask would let through.
TEST(ProtectedFolderPosix, CreatedWithoutAnOpening)
{
    TempFolder folder;
    const mode_t umaskBefore = ::umask(0);
    std::string error;
    bool existed = false;
    const bool created = sys::createProtectedFolder(
            sys::fromHostPath((folder / "new").u8string()), &existed, &error);
    ::umask(umaskBefore);
    ASSERT_TRUE(created) << error;
    struct stat info;
    ASSERT_EQ(::stat((folder / "new").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0700u);
    EXPECT_EQ(info.st_uid, ::geteuid());
    // The cache's parents are made as needed.
    EXPECT_TRUE(
            sys::prepareProtectedFolder(sys::fromHostPath((folder / "a" / "b").u8string()), &error))
            << error;
}
