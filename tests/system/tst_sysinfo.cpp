#include "disclock.h"
#include "hostpath.h"
#include "logline.h"
#include "peversion.h"
#include "registry.h"
#include "sysinfo.h"
#include "sysinfotestsupport.h"
#include "testmachine.h"
#include "updateagent.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <regex>

using namespace sys;
using sysinfotest::fixturePath;
namespace fs = std::filesystem;

namespace {

const wchar_t *const VersionedExe = L"versioned.exe";
const wchar_t *const NoVersionExe = L"noversion.exe";
// The FileVersion of the German table, which the fixture's first translation names.
const wchar_t *const FixtureVersion = L"4.2.17.301 (Testbau)";

std::wstring format(const wchar_t *text, ...)
{
    va_list args;
    va_start(args, text);
    std::wstring result = formatWide(text, args);
    va_end(args);
    return result;
}

std::vector<uint8_t> readBytes(const std::wstring &windowsPath)
{
    std::ifstream in(fs::u8path(toHostPath(windowsPath)), std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

bool fixturesBuilt()
{
    return fs::exists(fs::u8path(toHostPath(fixturePath(VersionedExe))));
}

// Offset of a UTF-16LE key inside the bytes (the version tree's keys are stored that way).
size_t findKey(const std::vector<uint8_t> &bytes, const std::string &key)
{
    std::vector<uint8_t> pattern;
    for (char c : key) {
        pattern.push_back(static_cast<uint8_t>(c));
        pattern.push_back(0);
    }
    const auto it = std::search(bytes.begin(), bytes.end(), pattern.begin(), pattern.end());
    return it == bytes.end() ? std::string::npos : static_cast<size_t>(it - bytes.begin());
}

void putWord(std::vector<uint8_t> &bytes, size_t at, uint16_t value)
{
    bytes[at] = static_cast<uint8_t>(value & 0xFF);
    bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

} // namespace

TEST(LogLine, FormatFollowsTheWindowsWideConventions)
{
    // %s is a wide string as in the Windows run-time, on every platform.
    EXPECT_EQ(format(L"Failed to open Service %s with error %08X", L"Bonjour Service", 0x424u),
              L"Failed to open Service Bonjour Service with error 00000424");
    EXPECT_EQ(format(L"[%S|%hs|%ls|%ws]", "narrow", "short", L"long", L"w"),
              L"[narrow|short|long|w]");
    EXPECT_EQ(format(L"[%c%C%lc]", L'w', 'n', L'l'), L"[wnl]");
    EXPECT_EQ(format(L"[%-6s|%6.2s|%*d]", L"ab", L"xyz", 4, 7), L"[ab    |    xy|   7]");
    EXPECT_EQ(format(L"%I64u %I64X %Iu %I32d %%", 5000000000ull, 0xABCDEF012ull, size_t(3), 7),
              L"5000000000 ABCDEF012 3 7 %");
    EXPECT_EQ(format(L"\u00e9 %s", L"\u4e2d"), L"\u00e9 \u4e2d");
    const std::wstring longText(5000, L'x');
    EXPECT_EQ(format(L"%s!", longText.c_str()), longText + L"!");
    EXPECT_EQ(format(nullptr), L"");
}

TEST(LogLine, BytesAreTextModeLatin1WithCrLf)
{
    struct Row
    {
        const char *name;
        LogStamp stamp;
        uint32_t pid;
        uint32_t tid;
        std::wstring message;
        std::string expected;
    };
    const Row rows[] = {
            {"padded fields",
             {2026, 1, 2, 3, 4, 5},
             0x1A2B,
             7,
             L"IsServiceRunning Spooler state: SERVICE_PAUSED 00000007",
             "2026/01/02 03:04:05:000 PID:00001A2B TID:00000007 IsServiceRunning Spooler state: "
             "SERVICE_PAUSED 00000007\r\n"},
            {"full-width fields",
             {1999, 12, 31, 23, 59, 58},
             0xFFFFFFFF,
             0x80000000,
             L"",
             "1999/12/31 23:59:58:000 PID:FFFFFFFF TID:80000000 \r\n"},
            {"latin-1 is one byte",
             {2026, 6, 7, 8, 9, 10},
             1,
             2,
             L"caf\u00e9 \u00ff",
             "2026/06/07 08:09:10:000 PID:00000001 TID:00000002 caf\xe9 \xff\r\n"},
            {"beyond latin-1 becomes ? and the line stays whole",
             {2026, 6, 7, 8, 9, 10},
             1,
             2,
             std::wstring(L"\u4e2d\u6587 ok ")
                     + (sizeof(wchar_t) == 2 ? L"\xD83D\xDE00" : L"\U0001F600") + L" end",
             "2026/06/07 08:09:10:000 PID:00000001 TID:00000002 ?? ok ? end\r\n"},
            {"line feeds inside the message become CR LF",
             {2026, 6, 7, 8, 9, 10},
             1,
             2,
             L"one\ntwo",
             "2026/06/07 08:09:10:000 PID:00000001 TID:00000002 one\r\ntwo\r\n"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(logLineBytes(row.stamp, row.pid, row.tid, row.message), row.expected) << row.name;
}

TEST(LogLine, WritesOnlyWhenTheLogFolderExists)
{
    TestMachine machine;
    const fs::path folder = fs::u8path(toHostPath(L"C:\\Log"));
    const fs::path file = fs::u8path(toHostPath(L"C:\\Log\\CoInstaller.log"));
    const bool folderExisted = fs::exists(folder);
    std::error_code ignored;
    fs::remove(file, ignored);
    if (!folderExisted) {
        logLine(L"nobody reads this %d", 1);
        EXPECT_FALSE(fs::exists(folder));
        EXPECT_FALSE(fs::exists(file));
        fs::create_directory(folder);
    }

    logLine(L"IsServiceRunning %s state: %s", L"Spooler", L"SERVICE_RUNNING 00000004");
    logLine(L"second %08X", 0xBEEFu);
    std::ifstream in(file, std::ios::binary);
    const std::string content((std::istreambuf_iterator<char>(in)), {});
    in.close();
    fs::remove(file, ignored);
    if (!folderExisted)
        fs::remove(folder, ignored);

    const std::regex expected(
            R"(\d{4}/\d{2}/\d{2} \d{2}:\d{2}:\d{2}:000 PID:[0-9A-F]{8} TID:[0-9A-F]{8} )"
            R"(IsServiceRunning Spooler state: SERVICE_RUNNING 00000004\r\n)"
            R"(\d{4}/\d{2}/\d{2} \d{2}:\d{2}:\d{2}:000 PID:([0-9A-F]{8}) TID:[0-9A-F]{8} )"
            R"(second 0000BEEF\r\n)");
    std::smatch match;
    ASSERT_TRUE(std::regex_match(content, match, expected)) << content;
}

TEST(VersionWord, FromTheCurrentVersionKey)
{
    struct Row
    {
        const char *name;
        const wchar_t *currentVersion; // REG_SZ, or nothing
        long long major;               // DWORD, or -1 for none
        long long minor;
        bool ok;
        uint16_t word;
    };
    const Row rows[] = {
            {"dword pair", nullptr, 10, 0, true, 0x0A00},
            {"dword pair wins over the string", L"6.3", 10, 0, true, 0x0A00},
            {"only CurrentVersion 6.1", L"6.1", -1, -1, true, 0x0601},
            {"string with build number", L"6.1.7601", -1, -1, true, 0x0601},
            {"one dword falls back to the string", L"6.2", 10, -1, true, 0x0602},
            {"white space before numbers", L" 6. 1", -1, -1, true, 0x0601},
            {"only the low bytes", nullptr, 0x1FF, 0x302, true, 0xFF02},
            {"negative numbers keep their low byte", L"-1.5", -1, -1, true, 0xFF05},
            {"number too long for an int", L"99999999999999999999.1", -1, -1, true, 0xFF01},
            {"garbage", L"Windows Seven", -1, -1, false, 0},
            {"no minor", L"10", -1, -1, false, 0},
            {"no dot", L"6,1", -1, -1, false, 0},
            {"empty", L"", -1, -1, false, 0},
            {"nothing at all", nullptr, -1, -1, false, 0},
    };
    TestMachine machine;
    const std::wstring path = L"Software\\" + TestMachine::uniqueName();
    for (const Row &row : rows) {
        RegKey::deleteTree(RegRoot::CurrentUser, path, RegAccess::AllAccess);
        RegKey key = RegKey::create(RegRoot::CurrentUser, path, RegAccess::AllAccess);
        ASSERT_TRUE(key.isOpen()) << row.name;
        if (row.currentVersion)
            key.setString(L"CurrentVersion", row.currentVersion);
        if (row.major >= 0)
            key.setDword(L"CurrentMajorVersionNumber", static_cast<uint32_t>(row.major));
        if (row.minor >= 0)
            key.setDword(L"CurrentMinorVersionNumber", static_cast<uint32_t>(row.minor));
        uint16_t word = 0;
        EXPECT_EQ(windowsVersionWordFromKey(key, word), row.ok) << row.name;
        if (row.ok) {
            EXPECT_EQ(word, row.word) << row.name;
        }
    }
    // A DWORD stored as a string is not a DWORD.
    RegKey key = RegKey::create(RegRoot::CurrentUser, path, RegAccess::AllAccess);
    key.setString(L"CurrentMajorVersionNumber", L"10");
    key.setDword(L"CurrentMinorVersionNumber", 0);
    key.setString(L"CurrentVersion", L"6.3");
    uint16_t word = 0;
    EXPECT_TRUE(windowsVersionWordFromKey(key, word));
    EXPECT_EQ(word, 0x0603);
    key.close();
    RegKey::deleteTree(RegRoot::CurrentUser, path, RegAccess::AllAccess);
}

TEST(FileVersion, ReadsTheFirstTranslationsFileVersion)
{
    if (!fixturesBuilt()) {
        GTEST_SKIP() << "fixture programs not built (MinGW-w64 missing)";
    }
    struct Row
    {
        const char *name;
        std::wstring path;
        std::wstring expected;
    };
    const Row rows[] = {
            {"version resource", fixturePath(VersionedExe), FixtureVersion},
            {"no version resource", fixturePath(NoVersionExe), L"X, X, X, X"},
            {"missing file", fixturePath(L"missing.exe"), L"X, X, X, X"},
            {"not a program", fixturePath(L"CTestTestfile.cmake"), L"X, X, X, X"},
            {"a folder", fixturePath(L""), L"X, X, X, X"},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(fileVersion(row.path), row.expected) << row.name;
        // The direct reader agrees with what the platform reports (Version.dll under Wine).
        std::wstring direct;
        const bool found = peFileVersion(toHostPath(row.path), direct);
        EXPECT_EQ(found ? direct : L"X, X, X, X", row.expected) << row.name;
    }
}

TEST(FileVersion, DamagedVersionTreesAreRefusedOrReadSafely)
{
    if (!fixturesBuilt()) {
        GTEST_SKIP() << "fixture programs not built (MinGW-w64 missing)";
    }
    const std::vector<uint8_t> original = readBytes(fixturePath(VersionedExe));
    const size_t root = findKey(original, "VS_VERSION_INFO") - 6;
    const size_t varFileInfo = findKey(original, "VarFileInfo") - 6;
    const size_t translation = findKey(original, "Translation") - 6;
    ASSERT_LT(translation, original.size());

    struct Row
    {
        const char *name;
        size_t at;
        uint16_t value;
        bool found;
        std::wstring version;
    };
    const Row rows[] = {
            {"child of length zero ends the search", varFileInfo, 0, false, L""},
            {"root longer than the resource is clamped", root, 0xFFFF, true, FixtureVersion},
            {"root shorter than its header", root, 2, false, L""},
            {"translation names a missing table", translation + 32, 0x0410, false, L""},
            {"translation names the other table", translation + 32, 0x0409, true, L"1, 0, 0, 1"},
            {"translation value too short", translation + 2, 2, false, L""},
    };
    for (const Row &row : rows) {
        std::vector<uint8_t> bytes = original;
        putWord(bytes, row.at, row.value);
        std::wstring version;
        EXPECT_EQ(peFileVersionFromBytes(bytes, version), row.found) << row.name;
        if (row.found) {
            EXPECT_EQ(version, row.version) << row.name;
        }
    }
}

TEST(FileVersion, TruncatedAndGarbledFilesNeverReadOutOfBounds)
{
    if (!fixturesBuilt()) {
        GTEST_SKIP() << "fixture programs not built (MinGW-w64 missing)";
    }
    const std::vector<uint8_t> original = readBytes(fixturePath(VersionedExe));
    ASSERT_GT(original.size(), 1024u);
    std::wstring version;
    ASSERT_TRUE(peFileVersionFromBytes(original, version));

    // Every prefix: either the whole version is there or nothing is found.
    for (size_t length = 0; length < original.size(); ++length) {
        const std::vector<uint8_t> prefix(original.begin(), original.begin() + length);
        std::wstring found;
        if (peFileVersionFromBytes(prefix, found)) {
            EXPECT_EQ(found, FixtureVersion) << "prefix of " << length << " bytes";
        }
    }

    // Random damage anywhere, and files of random bytes behind a valid-looking DOS header.
    std::mt19937 random(20261207);
    for (int round = 0; round < 3000; ++round) {
        std::vector<uint8_t> bytes = original;
        const int changes = 1 + static_cast<int>(random() % 8);
        for (int i = 0; i < changes; ++i)
            bytes[random() % bytes.size()] = static_cast<uint8_t>(random());
        std::wstring found;
        peFileVersionFromBytes(bytes, found);
    }
    for (int round = 0; round < 300; ++round) {
        std::vector<uint8_t> bytes(64 + random() % 4096);
        for (uint8_t &b : bytes)
            b = static_cast<uint8_t>(random());
        bytes[0] = 'M';
        bytes[1] = 'Z';
        std::wstring found;
        EXPECT_FALSE(peFileVersionFromBytes(bytes, found) && found == FixtureVersion);
    }
}

TEST(RestartPending, WhenTheRebootRequiredKeyHoldsAValue)
{
    TestMachine machine;
    const std::wstring path = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\WindowsUpdate\\Auto "
                              L"Update\\RebootRequired";
    const uint32_t access = RegAccess::AllAccess | RegAccess::Wow64_64Key;
    RegKey::deleteTree(RegRoot::LocalMachine, path, access);
    EXPECT_FALSE(isRestartPending()) << "no key";

    RegKey key = RegKey::create(RegRoot::LocalMachine, path, access);
    ASSERT_TRUE(key.isOpen());
    EXPECT_FALSE(isRestartPending()) << "key without values";
    RegKey::create(RegRoot::LocalMachine, path + L"\\Sub", access).close();
    EXPECT_FALSE(isRestartPending()) << "a subkey is not a value";

    ASSERT_EQ(key.setDword(L"a3c8b2e1-5f4d-4e6a-9c7b-0d1e2f3a4b5c", 1), RegError::Success);
    EXPECT_TRUE(isRestartPending());
    key.deleteValue(L"a3c8b2e1-5f4d-4e6a-9c7b-0d1e2f3a4b5c");
    EXPECT_FALSE(isRestartPending());
    key.close();
    RegKey::deleteTree(RegRoot::LocalMachine, path, access);
}

TEST(ProgramFiles, IsAnExistingFolderOnDriveC)
{
    TestMachine machine;
    const std::wstring folder = programFilesFolder();
    ASSERT_GE(folder.size(), 3u);
    EXPECT_EQ(folder.substr(1, 2), L":\\");
    EXPECT_TRUE(fs::is_directory(fs::u8path(toHostPath(folder))));
}

TEST(DiscLock, OnlyADriveLetterNamesAVolume)
{
    TestMachine machine;
    DiscLock lock;
    for (const wchar_t *path :
         {L"\\\\server\\share\\setup.exe", L"setup.exe", L"1:\\setup.exe", L""}) {
        EXPECT_FALSE(lock.lock(path)) << toUtf8(path);
        EXPECT_FALSE(lock.isLocked());
    }
    lock.unlock(); // harmless when nothing is held
}
