// The folder setup_runner copies downloaded installers into: made so that only administrators
// can write it, and an existing folder that others could write is refused rather than used.

#include "hostpath.h"
#include "protectedfolder.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <fstream>

using testsupport::TempFolder;

namespace {

std::wstring windowsForm(const std::filesystem::path &path)
{
    return sys::fromHostPath(path.u8string());
}

} // namespace

TEST(ProtectedFolder, RefusesWhatOthersMade)
{
    TempFolder folder;
    std::string error;
    // Made by anyone, open to all: refused, not repaired.
    std::filesystem::create_directory(folder / "plain");
    std::filesystem::permissions(folder / "plain", std::filesystem::perms::all);
    std::ofstream(folder / "plain" / "theirs") << "x";
    EXPECT_FALSE(sys::prepareProtectedFolder(windowsForm(folder / "plain"), &error));
    EXPECT_FALSE(error.empty());
    std::ofstream(folder / "file") << "x";
    EXPECT_FALSE(sys::prepareProtectedFolder(windowsForm(folder / "file"), &error));
    EXPECT_FALSE(sys::isProtectedFolder(windowsForm(folder / "missing"), &error));
    // Creating anew never takes over what is there.
    for (const char *name : {"plain", "file"}) {
        bool existed = false;
        EXPECT_FALSE(sys::createProtectedFolder(windowsForm(folder / name), &existed, &error));
        EXPECT_TRUE(existed) << name;
    }
    EXPECT_TRUE(std::filesystem::exists(folder / "plain" / "theirs"));
}

TEST(ProtectedFolder, CreatesItsOwn)
{
    if (testsupport::runningUnderWine()) {
        GTEST_SKIP() << "Wine keeps no ACL on files: it reports one made from the Unix mode "
                        "(owner, SYSTEM, Everyone) whatever was set";
    }
    TempFolder folder;
    const std::wstring cache = windowsForm(folder / "cache");
    std::string error;
    ASSERT_TRUE(sys::prepareProtectedFolder(cache, &error)) << error;
    EXPECT_TRUE(sys::isProtectedFolder(cache, &error)) << error;
    // The next run finds it as it was left.
    EXPECT_TRUE(sys::prepareProtectedFolder(cache, &error)) << error;
    bool existed = false;
    EXPECT_TRUE(sys::createProtectedFolder(windowsForm(folder / "fresh"), &existed, &error))
            << error;
    EXPECT_FALSE(existed);
}
