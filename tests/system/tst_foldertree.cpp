// Listing and removing a tree without following links: what a link points to outlives the
// tree, whichever level of it the link sits on.

#include "foldertree.h"
#include "hostpath.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>

using testsupport::TempFolder;

namespace {

std::wstring windowsForm(const std::filesystem::path &path)
{
    return sys::fromHostPath(path.u8string());
}

void writeFile(const std::filesystem::path &path)
{
    std::ofstream(path) << "x";
}

const char wineRemovesNoLinks[]
        = "Wine cannot remove a link it did not make: RemoveDirectoryW reports 145, DeleteFileW "
          "5, and a handle opened with FILE_FLAG_OPEN_REPARSE_POINT reaches the target";

} // namespace

TEST(FolderTree, RemovesLinksNotWhatTheyPointTo)
{
    TempFolder folder;
    const std::filesystem::path precious = folder / "precious";
    std::filesystem::create_directories(precious / "inner");
    writeFile(precious / "inner" / "keep.txt");

    const std::filesystem::path tree = folder / "tree";
    std::filesystem::create_directories(tree / "sub" / "deeper");
    writeFile(tree / "top.txt");
    writeFile(tree / "sub" / "deeper" / "file.txt");
    writeFile(tree / "sub" / "readonly.txt");
    std::filesystem::permissions(tree / "sub" / "readonly.txt",
                                 std::filesystem::perms::owner_read,
                                 std::filesystem::perm_options::replace);
    if (!testsupport::makeFolderLink(tree / "sub" / "link", precious)) {
        GTEST_SKIP() << "no folder link can be made here";
    }
    const bool linkAtTop = testsupport::makeFolderLink(folder / "top-link", precious);

    std::vector<sys::FolderEntry> entries;
    ASSERT_TRUE(sys::listFolder(windowsForm(tree / "sub"), &entries));
    std::map<std::wstring, sys::EntryKind> kinds;
    for (const sys::FolderEntry &entry : entries)
        kinds[entry.name] = entry.kind;
    EXPECT_EQ(kinds,
              (std::map<std::wstring, sys::EntryKind>{{L"deeper", sys::EntryKind::Folder},
                                                      {L"link", sys::EntryKind::Link},
                                                      {L"readonly.txt", sys::EntryKind::File}}));
    // A link is not listed as the folder it leads to.
    EXPECT_FALSE(sys::listFolder(windowsForm(tree / "sub" / "link"), &entries));

    std::string error;
    const bool removed = sys::removeTree(windowsForm(tree), &error);
    const bool topRemoved = linkAtTop && sys::removeTree(windowsForm(folder / "top-link"), &error);
    EXPECT_TRUE(std::filesystem::exists(precious / "inner" / "keep.txt"));
    if (testsupport::runningUnderWine()) {
        // Everything but the link went; what it points to stayed.
        EXPECT_FALSE(removed);
        EXPECT_FALSE(std::filesystem::exists(tree / "top.txt"));
        testsupport::removeFolderLink(tree / "sub" / "link");
        testsupport::removeFolderLink(folder / "top-link");
        GTEST_SKIP() << wineRemovesNoLinks;
    }
    EXPECT_TRUE(removed) << error;
    EXPECT_FALSE(std::filesystem::exists(tree));
    EXPECT_EQ(topRemoved, linkAtTop);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(folder / "top-link")));
}
