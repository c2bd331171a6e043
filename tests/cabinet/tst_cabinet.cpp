// Conformance of cabinet extraction: the same cases run against libmspack on Linux and against
// Cabinet.dll under Wine, on the fixtures that tests/fixtures/cabinet/make_cabinets.py writes.
// ctest runs this with TZ=TAM-3 (three hours east of UTC, no daylight saving time).
// "tst_cabinet --extract PATH" extracts PATH and nothing else: the child a test kills.

#include "cextract.h"
#include "fileprobe.h"
#include "hostpath.h"
#include "machine.h"
#include "process.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <thread>
#include <vector>

using namespace Cabinet;
namespace fs = std::filesystem;

namespace {
constexpr int64_t kStampA = 1623752430; // 2021-06-15 10:20:30
constexpr int64_t kStampB = 946684798;  // 1999-12-31 23:59:58
constexpr int64_t kZoneOffset = 3 * 3600;
constexpr uintmax_t kLargeSize = 64 << 20; // large.cab's large.bin, all zeros

fs::path fixtures()
{
    return fs::u8path(TAM_CABINET_FIXTURES);
}

std::wstring windowsPath(const fs::path &path)
{
    return sys::fromHostPath(path.u8string());
}

bool zoneIsFixed()
{
    const char *zone = std::getenv("TZ");
    return zone && std::string(zone) == "TAM-3";
}

std::string readFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// Relative path ("a/b.txt") -> content of every regular file below folder, cabinets left out.
std::map<std::string, std::string> readTree(const fs::path &folder)
{
    std::map<std::string, std::string> tree;
    for (const fs::directory_entry &entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file() || entry.path().extension() == ".cab")
            continue;
        tree[fs::relative(entry.path(), folder).generic_u8string()] = readFile(entry.path());
    }
    return tree;
}

std::set<std::string> names(const std::map<std::string, std::string> &tree)
{
    std::set<std::string> result;
    for (const auto &entry : tree)
        result.insert(entry.first);
    return result;
}

// Compares file names and contents, reporting only the names that differ (payloads are large).
::testing::AssertionResult sameTree(const std::map<std::string, std::string> &actual,
                                    const std::map<std::string, std::string> &expected)
{
    std::string differences;
    for (const auto &entry : actual) {
        const auto other = expected.find(entry.first);
        if (other == expected.end())
            differences += " unexpected:" + entry.first;
        else if (other->second != entry.second)
            differences += " different:" + entry.first;
    }
    for (const auto &entry : expected) {
        if (!actual.count(entry.first))
            differences += " missing:" + entry.first;
    }
    if (differences.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << differences;
}

bool holdsZeros(const fs::path &path, uintmax_t size)
{
    std::error_code error;
    if (fs::file_size(path, error) != size)
        return false;
    std::ifstream in(path, std::ios::binary);
    std::vector<char> block(1 << 16);
    while (in.read(block.data(), std::streamsize(block.size())) || in.gcount() > 0) {
        for (std::streamsize i = 0; i < in.gcount(); ++i) {
            if (block[size_t(i)] != 0)
                return false;
        }
    }
    return true;
}

// Whether a file other than the cabinet and the names it holds has reached size bytes: the
// side file a file is written under until it is whole.
bool sideFileHolds(const fs::path &folder, uintmax_t size)
{
    std::error_code error;
    for (const fs::directory_entry &entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().u8string();
        if (name != "large.cab" && name != "first.txt" && name != "large.bin"
            && entry.file_size(error) >= size)
            return true;
    }
    return false;
}

struct Extraction
{
    bool ok = false;
    ErrorRecord error;
    std::vector<std::string> written; // relative to the cabinet's folder, "/" separated
};

Extraction extract(const fs::path &cabinet)
{
    Extraction result;
    const std::wstring folder = windowsPath(cabinet.parent_path()) + L"\\";
    CExtract extractor;
    extractor.setFileWritten([&](const std::wstring &path) {
        std::string relative = sys::toUtf8(
                path.substr(path.compare(0, folder.size(), folder) == 0 ? folder.size() : 0));
        for (char &c : relative) {
            if (c == '\\')
                c = '/';
        }
        result.written.push_back(relative);
    });
    result.ok = extractor.Extract(windowsPath(cabinet));
    result.error = extractor.error();
    return result;
}

void expectError(const ErrorRecord &error, uint32_t library, uint32_t windows)
{
    EXPECT_TRUE(error.flag);
    EXPECT_EQ(error.libraryCode, library);
    EXPECT_EQ(error.windowsCode, windows);
}

class CabinetExtraction : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_root = fs::temp_directory_path()
                 / fs::u8path(std::string("tam-cabinet-") + info->name() + "-"
                              + std::to_string(std::rand()));
        removeTree(m_root);
        fs::create_directories(m_root);
        sys::setMachineRoot((m_root / "machine").u8string());
    }

    void TearDown() override { removeTree(m_root); }

    // A fresh folder holding copies of the named fixture cabinets; returns the first's path.
    fs::path stage(const std::string &folder, const std::vector<std::string> &cabinets)
    {
        const fs::path target = m_root / "disc" / folder;
        fs::create_directories(target);
        for (const std::string &cabinet : cabinets)
            fs::copy_file(fixtures() / cabinet, target / cabinet);
        return target / cabinets.front();
    }

    static std::map<std::string, std::string> expected(const std::string &name)
    {
        return readTree(fixtures() / "expected" / name);
    }

    static void removeTree(const fs::path &root)
    {
        std::error_code error;
        if (!fs::exists(root, error))
            return;
        // Read-only files would refuse to go on Windows.
        for (const fs::directory_entry &entry : fs::recursive_directory_iterator(root, error)) {
            if (entry.is_regular_file(error))
                setFileAttributes(windowsPath(entry.path()), 0);
        }
        fs::remove_all(root, error);
    }

    fs::path m_root;
};
} // namespace

TEST_F(CabinetExtraction, UnpacksEveryFileIntoTheCabinetsFolder)
{
    struct Row
    {
        const char *name;
        std::vector<std::string> cabinets;
    };
    const Row rows[] = {
            {"plain", {"plain.cab"}},
            {"mszip", {"mszip.cab"}},
            {"names", {"names.cab"}},
            {"longname", {"longname.cab"}},
            {"chain", {"chain1.cab", "chain2.cab", "chain3.cab"}},
            // A later piece opened on its own: the file that begins in an earlier cabinet is
            // passed over without a fault, as Cabinet.dll does; the files wholly inside are
            // written.
            {"chain-from-second", {"chain2.cab", "chain3.cab"}},
            {"chain-from-third", {"chain3.cab"}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const fs::path cabinet = stage(row.name, row.cabinets);
        const Extraction result = extract(cabinet);
        EXPECT_TRUE(result.ok);
        EXPECT_FALSE(result.error.flag);
        EXPECT_EQ(result.error.libraryCode, 0u);
        const auto tree = readTree(cabinet.parent_path());
        EXPECT_TRUE(sameTree(tree, expected(row.name)));
        EXPECT_EQ(std::set<std::string>(result.written.begin(), result.written.end()), names(tree));
        EXPECT_EQ(result.written.size(), tree.size());
    }
}

TEST_F(CabinetExtraction, KeepsMaskedAttributesAndConvertsLocalTimes)
{
    if (!zoneIsFixed()) {
        GTEST_SKIP() << "needs TZ=TAM-3, as ctest sets it";
    }
    struct Row
    {
        const char *file;
        uint32_t attributes;
        int64_t lastWrite;
    };
    const Row rows[] = {
            {"attribs/normal.txt", 0x20, kStampA - kZoneOffset},
            {"attribs/readonly.txt", 0x21, kStampA - kZoneOffset},
            {"attribs/hidden.txt", 0x22, kStampA - kZoneOffset},
            {"attribs/system.txt", 0x24, kStampA - kZoneOffset},
            {"attribs/allbits.txt", 0x27, kStampA - kZoneOffset},
            {"attribs/exec.txt", 0x20, kStampA - kZoneOffset},
            {"attribs/none.txt", 0x00, kStampA - kZoneOffset},
            {"attribs/utc.txt", 0x20, kStampB},
            {"chain/payload/spans-all.bin", 0x21, kStampB - kZoneOffset},
            {"chain/chain-readme.txt", 0x20, kStampA - kZoneOffset},
    };
    EXPECT_TRUE(extract(stage("attribs", {"attribs.cab"})).ok);
    EXPECT_TRUE(extract(stage("chain", {"chain1.cab", "chain2.cab", "chain3.cab"})).ok);
    for (const Row &row : rows) {
        SCOPED_TRACE(row.file);
        const FileFacts facts = probeFile(windowsPath(m_root / "disc" / fs::u8path(row.file)));
        ASSERT_TRUE(facts.exists);
        // Wine reports the archive bit for a file whose attributes were set to "normal".
        if (row.attributes == 0) {
            EXPECT_EQ(facts.attributes & ~0x20u, 0u);
        } else
            EXPECT_EQ(facts.attributes, row.attributes);
        EXPECT_EQ(facts.lastWrite, row.lastWrite);
        if (facts.creation != -1) {
            EXPECT_EQ(facts.creation, row.lastWrite);
        }
    }
}

TEST_F(CabinetExtraction, ReplacesReadOnlyHiddenAndSystemTargets)
{
    const fs::path cabinet = stage("attribs", {"attribs.cab"});
    const std::map<std::string, uint32_t> existing = {{"readonly.txt", 0x21},
                                                      {"hidden.txt", 0x22},
                                                      {"system.txt", 0x24},
                                                      {"allbits.txt", 0x27}};
    for (const auto &entry : existing) {
        const fs::path path = cabinet.parent_path() / entry.first;
        std::ofstream(path, std::ios::binary) << "left over from an older disc";
        ASSERT_TRUE(setFileAttributes(windowsPath(path), entry.second));
    }
    const Extraction result = extract(cabinet);
    EXPECT_TRUE(result.ok);
    EXPECT_FALSE(result.error.flag);
    EXPECT_TRUE(sameTree(readTree(cabinet.parent_path()), expected("attribs")));
    for (const auto &entry : existing) {
        SCOPED_TRACE(entry.first);
        EXPECT_EQ(probeFile(windowsPath(cabinet.parent_path() / entry.first)).attributes,
                  entry.second);
    }
    // A second run over its own read-only output works as well.
    EXPECT_TRUE(extract(cabinet).ok);
}

TEST_F(CabinetExtraction, RefusesNamesThatLeaveTheFolderAndKeepsTheRest)
{
    const fs::path cabinet = stage("traversal", {"traversal.cab"});
    const Extraction result = extract(cabinet);
    EXPECT_FALSE(result.ok);
    expectError(result.error, ErrorTargetFile, WinErrorInvalidName);
    EXPECT_TRUE(sameTree(readTree(cabinet.parent_path()), expected("traversal")));
    EXPECT_EQ(result.written, (std::vector<std::string>{"first.txt", "sub/last.txt"}));
    // Nothing anywhere else: not beside the folder, not above it, not on drive C.
    std::set<std::string> outside;
    for (const fs::directory_entry &entry : fs::recursive_directory_iterator(m_root)) {
        const std::string name = entry.path().filename().u8string();
        if (name.find("evil") != std::string::npos || name.find("stream") != std::string::npos)
            outside.insert(entry.path().u8string());
    }
    EXPECT_TRUE(outside.empty()) << *outside.begin();
    EXPECT_EQ(fs::directory_iterator(m_root / "disc")->path().filename(), "traversal");
    for (const wchar_t *path : {L"C:\\evil-drive.txt", L"C:\\evil-drive-relative.txt"})
        EXPECT_FALSE(probeFile(path).exists);
}

TEST_F(CabinetExtraction, ReportsFilesThatAreNotReadableCabinets)
{
    struct Row
    {
        const char *cabinet;
        uint32_t library;
    };
    const Row rows[] = {
            {"cryp.cab", ErrorEnciphered},
            {"notcab.cab", ErrorNotACabinet},
            {"empty.cab", ErrorNotACabinet},
            {"truncated-header.cab", ErrorNotACabinet},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.cabinet);
        const fs::path cabinet = stage(row.cabinet, {row.cabinet});
        const Extraction result = extract(cabinet);
        EXPECT_FALSE(result.ok);
        expectError(result.error, row.library, 0);
        EXPECT_TRUE(result.written.empty());
        EXPECT_TRUE(readTree(cabinet.parent_path()).empty());
    }
    SCOPED_TRACE("missing");
    fs::create_directories(m_root / "disc" / "missing");
    const Extraction missing = extract(m_root / "disc" / "missing" / "none.cab");
    EXPECT_FALSE(missing.ok);
    expectError(missing.error, ErrorCabinetNotFound, 0);
}

// The file the library gives up on is not left under its name, empty or cut short: a later step
// that only asks whether it exists would take it for extracted.
TEST_F(CabinetExtraction, StopsAtDamagedDataAndKeepsOnlyWholeFiles)
{
    struct Row
    {
        const char *cabinet;
        const char *complete; // the expected tree of the undamaged cabinet
        const char *firstWritten;
        uint32_t library;
    };
    const Row rows[] = {
            {"truncated.cab", "mszip", "bin/lib/deep.dat", ErrorCorruptCabinet},
            {"corrupt.cab", "mszip", "bin/lib/deep.dat", ErrorCorruptCabinet},
            {"lzx-data-error.cab", "lzx-data-error", "whole.txt", ErrorCorruptCabinet},
            {"quantum-data-error.cab", "quantum-data-error", "whole.txt", ErrorCorruptCabinet},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.cabinet);
        const auto complete = expected(row.complete);
        const fs::path cabinet = stage(row.cabinet, {row.cabinet});
        const Extraction result = extract(cabinet);
        EXPECT_FALSE(result.ok);
        expectError(result.error, row.library, 0);
        ASSERT_FALSE(result.written.empty());
        EXPECT_EQ(result.written.front(), row.firstWritten);
        const auto tree = readTree(cabinet.parent_path());
        EXPECT_EQ(names(tree), std::set<std::string>(result.written.begin(), result.written.end()));
        for (const std::string &file : result.written)
            EXPECT_TRUE(tree.at(file) == complete.at(file)) << file;
    }
}

// What stands where a file or folder belongs is refused, not written through: a link to a file
// elsewhere leaves that file as it was.
TEST_F(CabinetExtraction, ReportsTargetsThatCannotBeCreated)
{
    enum Obstacle { File, Directory, Link };
    struct Row
    {
        const char *name;
        const char *obstacle;
        Obstacle kind;
        uint32_t windows;
        std::vector<std::string> written;
    };
    const std::vector<std::string> beforeReadme{"bin/lib/deep.dat", "bin/setup.exe", "empty.txt"};
    const Row rows[] = {
            {"file-for-directory", "bin", File, WinErrorAlreadyExists, {}},
            {"directory-for-file", "readme.txt", Directory, WinErrorAccessDenied, beforeReadme},
            {"link-for-file", "readme.txt", Link, WinErrorAccessDenied, beforeReadme},
    };
    const fs::path elsewhere = m_root / "elsewhere.txt";
    std::ofstream(elsewhere) << "not the cabinet's";
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const fs::path cabinet = stage(row.name, {"plain.cab"});
        const fs::path obstacle = cabinet.parent_path() / row.obstacle;
        if (row.kind == File) {
            std::ofstream(obstacle) << "in the way";
        } else if (row.kind == Directory) {
            fs::create_directories(obstacle / "inside");
        } else {
            std::error_code error;
            fs::create_symlink(elsewhere, obstacle, error);
            if (error)
                continue; // this file system or user cannot make links
        }
        const Extraction result = extract(cabinet);
        EXPECT_FALSE(result.ok);
        expectError(result.error, ErrorTargetFile, row.windows);
        EXPECT_EQ(result.written, row.written);
        EXPECT_EQ(readFile(elsewhere), "not the cabinet's");
    }
}

TEST_F(CabinetExtraction, ReportsAMissingMemberOfAChain)
{
    const fs::path cabinet = stage("chain", {"chain1.cab", "chain2.cab"});
    const Extraction result = extract(cabinet);
    EXPECT_FALSE(result.ok);
    expectError(result.error, ErrorCabinetNotFound, 0);
    EXPECT_EQ(result.written, std::vector<std::string>{"chain-readme.txt"});
    // The file that goes on in the missing cabinet stays under no name of its own.
    const auto tree = readTree(cabinet.parent_path());
    EXPECT_EQ(names(tree), std::set<std::string>{"chain-readme.txt"});
    EXPECT_TRUE(tree.at("chain-readme.txt") == expected("chain").at("chain-readme.txt"));
}

// Cabinets that once hung the extraction or destroyed themselves (kept with the fuzz inputs).
TEST_F(CabinetExtraction, EndsChainsThatComeBackAndKeepsTheCabinetsBeingRead)
{
    struct Row
    {
        const char *input;
        std::vector<std::string> stagedAs;
        uint32_t library;
        uint32_t windows;
        const char *extracted;
    };
    const Row rows[] = {
            {"chain-names-itself.cab", {"a.cab"}, ErrorWrongCabinet, 0, "readme.txt"},
            {"chain-loops-through-next.cab",
             {"a.cab", "b.cab"},
             ErrorWrongCabinet,
             0,
             "readme.txt"},
            {"file-named-as-cabinet.cab",
             {"a.cab"},
             ErrorTargetFile,
             WinErrorSharingViolation,
             "after.txt"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.input);
        const fs::path folder = m_root / "disc" / row.input;
        fs::create_directories(folder);
        const fs::path input = fs::u8path(TAM_CABINET_REGRESSIONS) / row.input;
        for (const std::string &name : row.stagedAs)
            fs::copy_file(input, folder / name);
        const Extraction result = extract(folder / row.stagedAs.front());
        EXPECT_FALSE(result.ok);
        expectError(result.error, row.library, row.windows);
        EXPECT_TRUE(fs::exists(folder / row.extracted));
        for (const std::string &name : row.stagedAs)
            EXPECT_EQ(readFile(folder / name), readFile(input)) << name;
    }
}

// The large file is killed in the middle of being written, again until a kill lands there: no
// file is left under its own name unless it is whole, and the next extraction completes the
// folder and takes away what the killed one left.
TEST_F(CabinetExtraction, KilledInTheMiddleOfAFileLeavesNoPartOfItUnderItsName)
{
    const fs::path cabinet = stage("large", {"large.cab"});
    const fs::path folder = cabinet.parent_path();
    const std::string first = "written before the large one\r\n";
    const std::wstring command = sys::quoteArgument(sys::programDirectory() + L"\\tst_cabinet.exe")
                                 + L" --extract " + sys::quoteArgument(windowsPath(cabinet));
    bool killedMidway = false;
    for (int attempt = 0; attempt < 5 && !killedMidway; ++attempt) {
        SCOPED_TRACE(attempt);
        sys::Process child;
        ASSERT_TRUE(child.start(command));
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!sideFileHolds(folder, kLargeSize / 8) && !child.wait(0)
               && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        child.terminate(1);
        ASSERT_TRUE(child.wait(30000));

        for (const fs::directory_entry &entry : fs::directory_iterator(folder)) {
            const std::string name = entry.path().filename().u8string();
            if (name == "first.txt") {
                EXPECT_EQ(readFile(entry.path()), first);
            } else if (name == "large.bin") {
                EXPECT_TRUE(holdsZeros(entry.path(), kLargeSize));
            } else if (name != "large.cab")
                killedMidway = true;
        }
        if (killedMidway) {
            EXPECT_FALSE(fs::exists(folder / "large.bin"));
        } else {
            fs::remove(folder / "first.txt");
            fs::remove(folder / "large.bin");
        }
    }
    EXPECT_TRUE(killedMidway) << "every extraction ended before the kill";

    const Extraction again = extract(cabinet);
    EXPECT_TRUE(again.ok);
    std::set<std::string> left;
    for (const fs::directory_entry &entry : fs::directory_iterator(folder))
        left.insert(entry.path().filename().u8string());
    EXPECT_EQ(left, (std::set<std::string>{"first.txt", "large.bin", "large.cab"}));
    EXPECT_TRUE(holdsZeros(folder / "large.bin", kLargeSize));
}

TEST_F(CabinetExtraction, RejectsShortPathsBeforeTouchingTheLibrary)
{
    for (const wchar_t *path : {L"", L"ab", L"pack.cab", L"\\x.cab", L"C:\\dir\\", L"C:\\dir\\x"}) {
        SCOPED_TRACE(sys::toUtf8(path));
        CExtract extractor;
        EXPECT_FALSE(extractor.Extract(path));
        expectError(extractor.error(), ErrorPathTooShort, 0);
    }
}

TEST_F(CabinetExtraction, BelongsToTheThreadThatMadeIt)
{
    const fs::path cabinet = stage("plain", {"plain.cab"});
    CExtract extractor;
    bool ok = true;
    std::thread other([&] { ok = extractor.Extract(windowsPath(cabinet)); });
    other.join();
    EXPECT_FALSE(ok);
    expectError(extractor.error(), ErrorWrongThread, 0);
    EXPECT_TRUE(readTree(cabinet.parent_path()).empty());
}

TEST_F(CabinetExtraction, AllowsOneExtractionPerThread)
{
    const fs::path cabinet = stage("plain", {"plain.cab"});
    {
        CExtract first;
        ASSERT_TRUE(first.Bind());
        CExtract second;
        EXPECT_FALSE(second.Extract(windowsPath(cabinet)));
        expectError(second.error(), ErrorThreadSlotTaken, 0);
        EXPECT_TRUE(readTree(cabinet.parent_path()).empty());

        // Another thread has a slot of its own.
        bool ok = false;
        std::thread other([&] { ok = extract(cabinet).ok; });
        other.join();
        EXPECT_TRUE(ok);
    }
    // The slot is free again once the binding object is gone.
    EXPECT_TRUE(extract(cabinet).ok);
}

TEST(CabinetStoredNames, SplitsSafeNamesAndRefusesEscapes)
{
    struct Row
    {
        const wchar_t *stored;
        bool accepted;
        const wchar_t *subDirectory;
        const wchar_t *name;
    };
    const Row rows[] = {
            {L"setup.exe", true, L"", L"setup.exe"},
            {L"bin\\lib\\deep.dat", true, L"bin\\lib\\", L"deep.dat"},
            {L"bin/lib/deep.dat", true, L"bin\\lib\\", L"deep.dat"},
            {L"..a\\b..", true, L"..a\\", L"b.."},
            {L"..\\x", false, L"", L""},
            {L"a\\..\\..\\x", false, L"", L""},
            {L"a\\...\\x", false, L"", L""},
            {L"a\\.\\x", false, L"", L""},
            {L"\\x", false, L"", L""},
            {L"/x", false, L"", L""},
            {L"\\\\server\\share\\x", false, L"", L""},
            {L"C:\\x", false, L"", L""},
            {L"C:x", false, L"", L""},
            {L"x.txt:stream", false, L"", L""},
            {L"a\\\\x", false, L"", L""},
            {L"a\\", false, L"", L""},
            {L"", false, L"", L""},
            {L"sub\\NUL.txt", false, L"", L""},
            {L"com1", false, L"", L""},
            {L"a\\x?.txt", false, L"", L""},
            {L"console.txt", true, L"", L"console.txt"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(sys::toUtf8(row.stored));
        std::wstring subDirectory, name;
        EXPECT_EQ(CExtract::splitStoredName(row.stored, subDirectory, name), row.accepted);
        EXPECT_EQ(subDirectory, row.subDirectory);
        EXPECT_EQ(name, row.name);
    }
}

int main(int argc, char **argv)
{
    const std::vector<std::wstring> arguments = sys::programArguments(argc, argv);
    if (arguments.size() == 3 && arguments[1] == L"--extract")
        return CExtract().Extract(arguments[2]) ? 0 : 1;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
