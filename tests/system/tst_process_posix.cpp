// What only the portable build does: finding programs the Windows way on a POSIX system,
// mapping exec failures to shell codes, reaping detached programs, simulated launch results.

#include "hostpath.h"
#include "process.h"
#include "reboot.h"
#include "testmachine.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <unistd.h>

using namespace sys;
using testsupport::TempFolder;

namespace {
void writeProgram(const std::filesystem::path &path,
                  const std::string &content,
                  std::filesystem::perms permissions)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
    std::filesystem::permissions(path, permissions);
}

const auto executable = std::filesystem::perms::owner_all | std::filesystem::perms::group_read;
const auto readable = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;

// Sets an environment variable for one scope.
class ScopedEnv
{
public:
    ScopedEnv(const char *name, const std::string &value)
        : m_name(name)
    {
        if (const char *old = std::getenv(name)) {
            m_had = true;
            m_old = old;
        }
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv()
    {
        if (m_had)
            ::setenv(m_name, m_old.c_str(), 1);
        else
            ::unsetenv(m_name);
    }

private:
    const char *m_name;
    bool m_had = false;
    std::string m_old;
};
// Chooses how death tests start their child for one scope.
class ScopedDeathTestStyle
{
public:
    explicit ScopedDeathTestStyle(const char *style)
        : m_old(GTEST_FLAG_GET(death_test_style))
    {
        GTEST_FLAG_SET(death_test_style, style);
    }
    ~ScopedDeathTestStyle() { GTEST_FLAG_SET(death_test_style, m_old); }

private:
    std::string m_old;
};
} // namespace

TEST(ProcessPosix, FindsProgramsTheWindowsWay)
{
    TestMachine machine;
    TempFolder folder;
    writeProgram(folder / "bin" / "tamtool", "#!/bin/sh\nexit 6\n", executable);
    writeProgram(folder / "local", "#!/bin/sh\nexit 7\n", executable);
    writeProgram(std::filesystem::u8path(machine.folder()) / "drive_c" / "Tools" / "setup",
                 "#!/bin/sh\nexit 9\n",
                 executable);
    std::filesystem::create_directories(folder / "elsewhere");
    const ScopedEnv path("PATH", (folder / "bin").string() + ":" + std::getenv("PATH"));
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    struct Row
    {
        const char *name;
        std::wstring commandLine;
        std::wstring directory;
        uint32_t exitCode;
    };
    const Row rows[] = {
            {"name with .exe on PATH", L"tamtool.exe", L"", 6},
            {"name without .exe on PATH", L"tamtool", L"", 6},
            {"drive path into the machine", L"C:\\Tools\\setup.exe /S", L"", 9},
            {"quoted drive path run on its drive", L"\"C:\\Tools\\setup.exe\"", L"C:\\Tools", 9},
            {"beside the running program", L"tam_child.exe exit 12", L"", 12},
            // Found from our current directory, although the child starts in another one.
            {"current directory", L"local.exe", (folder / "elsewhere").wstring(), 7},
            {"relative path", L"bin\\tamtool.exe", (folder / "elsewhere").wstring(), 6},
    };
    for (const Row &row : rows) {
        Process process;
        ASSERT_TRUE(process.start(row.commandLine, row.directory)) << row.name;
        ASSERT_TRUE(process.wait(10000)) << row.name;
        EXPECT_EQ(process.exitCode(), row.exitCode) << row.name;
    }
    std::filesystem::current_path(previous);
}

TEST(ProcessPosix, ExecFailuresGiveWindowsCodes)
{
    TempFolder folder;
    writeProgram(folder / "readme.txt", "just text\n", readable);
    writeProgram(folder / "broken.exe", std::string("\x7f\x01garbage\n", 10), executable);
    struct Row
    {
        const char *name;
        std::filesystem::path file;
        uint32_t startError;
        intptr_t shellResult;
    };
    const Row rows[] = {
            {"not permitted to execute", folder / "readme.txt", 5, 5},
            {"not an executable format", folder / "broken.exe", 193, 11},
    };
    for (const Row &row : rows) {
        Process process;
        EXPECT_FALSE(process.start(quoteArgument(row.file.wstring()))) << row.name;
        EXPECT_EQ(process.startError(), row.startError) << row.name;
        EXPECT_EQ(shellExecute(nullptr, L"", row.file.wstring(), L"", L"", ShowCommand::Hidden),
                  row.shellResult)
                << row.name;
    }
    // Verbs other than starting a program have no association here.
    EXPECT_EQ(shellExecute(nullptr,
                           L"print",
                           testsupport::childProgram().wstring(),
                           L"exit 0",
                           L"",
                           ShowCommand::Hidden),
              31);
}

TEST(ProcessPosix, SimulatedShellResults)
{
    const std::wstring missing = L"/no/such/dir/setup_runner.exe";
    const std::pair<const char *, intptr_t> rows[] = {
            {"8", 8},
            {"0", 0},
            {"42", 42},
            {"not a number", 3}, // ignored: the real result for a missing path
    };
    for (const auto &row : rows) {
        const ScopedEnv simulate("TAM_SIMULATE_SHELLEXECUTE_RESULT", row.first);
        EXPECT_EQ(shellExecute(nullptr, L"", missing, L"", L"", ShowCommand::Hidden), row.second)
                << row.first;
    }
}

TEST(ProcessPosix, DetachedProgramsLeaveNoZombie)
{
    TempFolder folder;
    const std::filesystem::path out = folder / "ids.txt";
    ASSERT_GT(shellExecute(nullptr,
                           L"open",
                           testsupport::childProgram().wstring(),
                           L"ppid " + quoteArgument(out.wstring()),
                           L"",
                           ShowCommand::Normal),
              32);
    std::istringstream ids(testsupport::waitForFile(out));
    uint32_t parent = 0;
    uint32_t child = 0;
    ids >> parent >> child;
    ASSERT_NE(child, 0u);
    const std::string proc = "/proc/" + std::to_string(child);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::filesystem::exists(proc) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_FALSE(std::filesystem::exists(proc)) << "the ended program was not reaped";
}

TEST(ProcessPosix, PidZeroNeverMeansTheProcessGroup)
{
    // kill(0) would end every process of the group: run it in a group of its own, so that a
    // fault ends only the death-test child and shows as a signal instead of exit code 0.
    const ScopedDeathTestStyle style("threadsafe");
    EXPECT_EXIT(
            {
                ::setpgid(0, 0);
                killProcess(0);
                const bool terminated = terminateProcess(0, 1) || terminateProcess(1, 1);
                std::_Exit(terminated ? 1 : 0);
            },
            ::testing::ExitedWithCode(0),
            "");
}

TEST(RebootPosix, RecordsTheRequestAndEndsWithZero)
{
    TestMachine machine;
    // Forked, not re-run: the child must record into this test's machine.
    const ScopedDeathTestStyle style("fast");
    EXPECT_EXIT(rebootAndExit(), ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(rebootAndExit(), ::testing::ExitedWithCode(0), "");
    std::ifstream in(machine.folder() + "/reboot-requested");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 2u);
    for (const std::string &line : lines)
        EXPECT_NE(line.find(" pid "), std::string::npos) << line;
}
