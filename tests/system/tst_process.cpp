#include "hostpath.h"
#include "process.h"
#include "reboot.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cwchar>
#include <cwctype>
#include <sstream>
#include <thread>

using namespace sys;
using testsupport::childCommand;
using testsupport::childProgram;
using testsupport::TempFolder;

namespace {
std::wstring quoted(const std::filesystem::path &path)
{
    return quoteArgument(path.wstring());
}

std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}
} // namespace

TEST(CommandLine, SplitsAsWindowsDoes)
{
    struct Row
    {
        const char *name;
        const wchar_t *line;
        std::vector<std::wstring> arguments;
    };
    const Row rows[] = {
            {"plain words", L"prog a b  c", {L"prog", L"a", L"b", L"c"}},
            {"tabs separate", L"prog\ta\t\tb", {L"prog", L"a", L"b"}},
            {"blanks around", L"  prog a  ", {L"prog", L"a"}},
            {"empty line", L"", {}},
            {"only blanks", L" \t ", {}},
            {"quoted program with space",
             L"\"C:\\Program Files\\x.exe\" /S",
             {L"C:\\Program Files\\x.exe", L"/S"}},
            {"program keeps backslash before its quote", L"\"C:\\dir\\\" x", {L"C:\\dir\\", L"x"}},
            {"quoted argument with space", L"p \"a b\" c", {L"p", L"a b", L"c"}},
            {"quotes inside an argument", L"p /D=\"C:\\a b\"", {L"p", L"/D=C:\\a b"}},
            {"escaped quote", L"p a\\\"b", {L"p", L"a\"b"}},
            {"two backslashes then quote", L"p \"a\\\\\" b", {L"p", L"a\\", L"b"}},
            {"three backslashes then quote", L"p a\\\\\\\"b", {L"p", L"a\\\"b"}},
            {"backslashes elsewhere are literal", L"p C:\\a\\\\b\\", {L"p", L"C:\\a\\\\b\\"}},
            {"empty argument", L"p \"\" x", {L"p", L"", L"x"}},
            {"empty argument at the end", L"p x \"\"", {L"p", L"x", L""}},
            {"unterminated quote runs to the end", L"p \"a b", {L"p", L"a b"}},
            {"doubled quote inside quotes", L"p \"a\"\"b\"", {L"p", L"a\"b"}},
    };
    for (const Row &row : rows)
        EXPECT_EQ(splitCommandLine(row.line), row.arguments) << row.name;
}

TEST(CommandLine, QuotedArgumentsSplitBackUnchanged)
{
    const std::vector<std::wstring> arguments = {L"",
                                                 L"/S",
                                                 L"a b",
                                                 L"a\"b",
                                                 L"\"",
                                                 L"C:\\path with space\\",
                                                 L"\\\\server\\share\\",
                                                 L"a\\\\\"b",
                                                 L"tab\there",
                                                 L"end\\\\"};
    std::wstring line = L"prog";
    for (const std::wstring &argument : arguments)
        line += L" " + quoteArgument(argument);
    std::vector<std::wstring> expected{L"prog"};
    expected.insert(expected.end(), arguments.begin(), arguments.end());
    EXPECT_EQ(splitCommandLine(line), expected) << toUtf8(line);
    // Plain words stay as they are: catalogues' switches must not grow quotes.
    EXPECT_EQ(quoteArgument(L"/qn"), L"/qn");
    EXPECT_EQ(quoteArgument(L"C:\\dir\\"), L"C:\\dir\\");
}

TEST(Process, ReportsExitCodes)
{
    for (uint32_t code : {0u, 1u, 42u, 255u}) {
        Process process;
        ASSERT_TRUE(process.start(childCommand(L"exit " + std::to_wstring(code)))) << code;
        EXPECT_NE(process.pid(), 0u);
        ASSERT_TRUE(process.wait()) << code;
        EXPECT_EQ(process.exitCode(), code);
        EXPECT_FALSE(process.isRunning());
    }
}

TEST(Process, PassesArgumentsAsWritten)
{
    TempFolder folder;
    const std::vector<std::string> arguments
            = {"plain", "with space", "quote\"inside", "", "trailing\\", "C:\\a b\\"};
    std::wstring line = L"args " + quoted(folder / "args.txt");
    for (const std::string &argument : arguments)
        line += L" " + quoteArgument(fromUtf8(argument));
    Process process;
    ASSERT_TRUE(process.start(childCommand(line)));
    ASSERT_TRUE(process.wait(10000));
    EXPECT_EQ(process.exitCode(), 0u);
    EXPECT_EQ(lines(testsupport::readFile(folder / "args.txt")), arguments);
}

TEST(Process, RunsInTheWorkingDirectory)
{
    TempFolder folder;
    const std::filesystem::path work = folder / "work dir";
    std::filesystem::create_directories(work);
    struct Row
    {
        const char *name;
        std::wstring directory;
        std::filesystem::path expected;
    };
    const Row rows[] = {
            {"given folder", work.wstring(), work},
            {"inherited", L"", std::filesystem::current_path()},
    };
    for (const Row &row : rows) {
        const std::filesystem::path out = folder / (std::string(row.name) + ".txt");
        Process process;
        ASSERT_TRUE(process.start(childCommand(L"cwd " + quoted(out)), row.directory)) << row.name;
        ASSERT_TRUE(process.wait(10000)) << row.name;
        const std::filesystem::path reported = std::filesystem::u8path(testsupport::readFile(out));
        EXPECT_TRUE(std::filesystem::equivalent(reported, row.expected))
                << row.name << ": " << reported.u8string();
    }
}

TEST(Process, FailsToStartWithWindowsErrors)
{
    TempFolder folder;
    const std::filesystem::path dir = childProgram().parent_path();
    struct Row
    {
        const char *name;
        std::wstring commandLine;
        std::wstring directory;
        uint32_t error;
    };
    const Row rows[] = {
            {"missing program", quoted(dir / "no_such_program.exe"), L"", 2},
            {"missing folder", quoted(dir / "no_such_dir" / "x.exe"), L"", 2},
            {"missing working directory",
             childCommand(L"exit 0"),
             (folder / "no_such_dir").wstring(),
             267},
    };
    for (const Row &row : rows) {
        Process process;
        EXPECT_FALSE(process.start(row.commandLine, row.directory)) << row.name;
        EXPECT_EQ(process.startError(), row.error) << row.name;
        EXPECT_EQ(process.pid(), 0u) << row.name;
        EXPECT_FALSE(process.wait(0)) << row.name;
    }
}

TEST(Process, WaitTimesOutAndTerminateEnds)
{
    Process process;
    ASSERT_TRUE(process.start(childCommand(L"sleep 30000")));
    EXPECT_FALSE(process.wait(100));
    EXPECT_TRUE(process.isRunning());
    EXPECT_EQ(process.exitCode(), StillActive);
    EXPECT_TRUE(process.terminate(7));
    ASSERT_TRUE(process.wait(10000));
    EXPECT_EQ(process.exitCode(), 7u);
    EXPECT_FALSE(process.isRunning());
}

TEST(Process, ChildSeesUsAsItsParent)
{
    TempFolder folder;
    Process process;
    ASSERT_TRUE(process.start(childCommand(L"ppid " + quoted(folder / "ppid.txt"))));
    ASSERT_TRUE(process.wait(10000));
    std::istringstream ids(testsupport::readFile(folder / "ppid.txt"));
    uint32_t parent = 0;
    uint32_t own = 0;
    ids >> parent >> own;
    EXPECT_EQ(parent, currentProcessId());
    EXPECT_EQ(own, process.pid());
}

TEST(Process, EndsAChildByItsId)
{
    Process killed;
    ASSERT_TRUE(killed.start(childCommand(L"sleep 30000")));
    killProcess(killed.pid());
    ASSERT_TRUE(killed.wait(10000));
    EXPECT_EQ(killed.exitCode(), 0xFFFFFFFFu);

    Process terminated;
    ASSERT_TRUE(terminated.start(childCommand(L"sleep 30000")));
    EXPECT_TRUE(terminateProcess(terminated.pid(), 9));
    EXPECT_TRUE(terminated.wait(10000));
}

// The program file a process runs, as the front end compares it with its own; the simulated
// machine's programs carry no ".exe".
TEST(Process, NamesTheProgramAProcessRuns)
{
    const auto stem = [](std::wstring name) {
        for (wchar_t &c : name)
            c = static_cast<wchar_t>(std::towlower(c));
        if (name.size() > 4 && name.compare(name.size() - 4, 4, L".exe") == 0)
            name.resize(name.size() - 4);
        return name;
    };
    Process child;
    ASSERT_TRUE(child.start(childCommand(L"sleep 30000")));
    EXPECT_EQ(stem(processImageName(child.pid())), L"tam_child");
    EXPECT_EQ(stem(processImageName(currentProcessId())), L"tst_system");
    EXPECT_TRUE(child.terminate(1));
    ASSERT_TRUE(child.wait(10000));
    EXPECT_EQ(processImageName(child.pid()), L"") << "an ended process names nothing";
    EXPECT_EQ(processImageName(0), L"");
}

TEST(Process, KillParentProcessEndsTheStarter)
{
    // The child starts a grandchild that kills its parent (the child), long before the child
    // would end by itself with 3. A starter that accepts it ends as Windows ends it: with 0.
    for (const wchar_t *starter : {L"spawnkiller 30000", L"spawnkiller 30000 accept"}) {
        SCOPED_TRACE(std::string(starter, starter + std::wcslen(starter)));
        Process process;
        ASSERT_TRUE(process.start(childCommand(starter)));
        ASSERT_TRUE(process.wait(20000));
        EXPECT_NE(process.exitCode(), 3u);
        EXPECT_NE(process.exitCode(), 4u) << "the grandchild did not start";
        if (std::wcsstr(starter, L"accept")) {
            EXPECT_EQ(process.exitCode(), 0u);
        }
    }
}

TEST(ShellExecute, ResultCodes)
{
    TempFolder folder;
    const std::filesystem::path dir = childProgram().parent_path();
    const std::wstring name = childProgram().filename().wstring();
    const std::wstring missingDir = (folder / "no_such_dir").wstring();
    struct Row
    {
        const char *name;
        std::wstring file;
        std::wstring directory;
        intptr_t failure; // 0: starts
        intptr_t wineFailure;
    };
    // Wine reports every missing part as a missing file (2), where Windows names a missing
    // path (3); it also ignores a missing directory when it finds the file elsewhere.
    const Row rows[] = {
            {"full path", childProgram().wstring(), L"", 0, 0},
            {"name found in the directory", name, dir.wstring(), 0, 0},
            {"missing file", L"no_such_program.exe", dir.wstring(), 2, 2},
            {"missing file by full path", (dir / "no_such_program.exe").wstring(), L"", 2, 2},
            {"missing directory", L"no_such_program.exe", missingDir, 3, 2},
            {"file in a missing folder", missingDir + L"\\x.exe", L"", 3, 2},
    };
    int started = 0;
    for (const Row &row : rows) {
        const std::filesystem::path out = folder / ("ppid" + std::to_string(started) + ".txt");
        uint32_t processId = 1;
        const intptr_t result = shellExecute(nullptr,
                                             L"",
                                             row.file,
                                             L"ppid " + quoted(out),
                                             row.directory,
                                             ShowCommand::Hidden,
                                             &processId);
        if (row.failure != 0) {
            EXPECT_EQ(result, testsupport::runningUnderWine() ? row.wineFailure : row.failure)
                    << row.name;
            EXPECT_EQ(processId, 0u) << row.name;
            continue;
        }
        EXPECT_GT(result, 32) << row.name;
        ++started;
        // It really ran, as our child, under the process id reported.
        const std::string text = testsupport::waitForFile(out);
        std::istringstream ids(text);
        uint32_t parent = 0;
        uint32_t own = 0;
        ids >> parent >> own;
        EXPECT_EQ(parent, currentProcessId()) << row.name << ": " << text;
        EXPECT_EQ(own, processId) << row.name << ": " << text;
        // Once it has ended, that id names no program: how a caller sees it is gone.
        for (int i = 0; i < 100 && !processImageName(processId).empty(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        EXPECT_EQ(processImageName(processId), L"") << row.name;
    }
}

TEST(Process, AnEndedProcessCannotBeTerminated)
{
    Process process;
    ASSERT_TRUE(process.start(childCommand(L"exit 4")));
    ASSERT_TRUE(process.wait(10000));
    if (testsupport::runningUnderWine()) {
        GTEST_SKIP() << "Wine still opens and \"terminates\" a child that has exited";
    }
    EXPECT_FALSE(process.terminate(1));
    EXPECT_FALSE(terminateProcess(process.pid(), 1));
    EXPECT_EQ(process.exitCode(), 4u);
}
