// Replacing a file in one step: the same expectations against rename() (Linux) and MoveFileExW
// (Wine).

#include "filereplace.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace sys;
using testsupport::TempFolder;

namespace {

void writeText(const std::filesystem::path &path, const std::string &text)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

enum class Target { Missing, File, Folder };

struct ReplaceRow
{
    const char *name;
    bool sourceExists;
    Target target;
    bool replaced;
};

} // namespace

TEST(FileReplace, ReplacesInOneStepOrLeavesBothAlone)
{
    const ReplaceRow rows[] = {
            {"existing target", true, Target::File, true},
            {"missing target", true, Target::Missing, true},
            {"missing source", false, Target::File, false},
            {"target is a folder", true, Target::Folder, false},
    };
    for (const ReplaceRow &row : rows) {
        TempFolder folder;
        const std::filesystem::path source = folder / "file.bin.part";
        const std::filesystem::path target
                = folder.path() / std::filesystem::u8path("file \xc3\xa9.bin");
        if (row.sourceExists)
            writeText(source, "new");
        if (row.target == Target::File)
            writeText(target, "old");
        if (row.target == Target::Folder)
            std::filesystem::create_directory(target);

        EXPECT_EQ(replaceFile(source.u8string(), target.u8string()), row.replaced) << row.name;
        if (row.replaced) {
            EXPECT_EQ(testsupport::readFile(target), "new") << row.name;
            EXPECT_FALSE(std::filesystem::exists(source)) << row.name;
            continue;
        }
        EXPECT_EQ(std::filesystem::exists(source), row.sourceExists) << row.name;
        if (row.target == Target::File) {
            EXPECT_EQ(testsupport::readFile(target), "old") << row.name;
        }
        if (row.target == Target::Folder) {
            EXPECT_TRUE(std::filesystem::is_directory(target)) << row.name;
        }
    }
}
