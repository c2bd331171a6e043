// The simulated machine's registry store: the .reg format, a store that does not parse,
// several processes at once, a killed writer, the 32-bit machine.

#include "hostpath.h"
#include "machine.h"
#include "regfile.h"
#include "registry.h"
#include "testmachine.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace sys;

namespace {

const std::wstring header = L"Windows Registry Editor Version 5.00\r\n\r\n";

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeFile(const std::string &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::vector<uint8_t> utf16(const std::wstring &text)
{
    return makeStringValue(text).data;
}

struct Expected
{
    RegFileEntry::Kind kind;
    std::wstring key;
    std::wstring name;
    uint32_t type;
    std::vector<uint8_t> data;
};

struct ParseRow
{
    const char *what;
    std::wstring body; // after the header
    std::vector<Expected> entries;
    size_t errorLine; // 0: parses
};

const std::wstring k = L"HKEY_LOCAL_MACHINE\\SOFTWARE\\T";

TEST(RegistryStore, ParserReadsEveryFormAndNamesTheBadLine)
{
    using E = RegFileEntry;
    const std::vector<ParseRow> rows = {
            {"key and escaped string",
             L"[" + k + L"]\r\n\"a\\\"b\"=\"c:\\\\x \\\"q\\\"\"\r\n",
             {{E::Key, k, L"", 0, {}},
              {E::SetValue, k, L"a\"b", RegType::String, utf16(L"c:\\x \"q\"")}},
             0},
            {"default value and spaces around =",
             L"[" + k + L"]\r\n@ = \"d\"\r\n",
             {{E::Key, k, L"", 0, {}}, {E::SetValue, k, L"", RegType::String, utf16(L"d")}},
             0},
            {"dword, short and upper-case",
             L"[" + k + L"]\r\n\"n\"=dword:0000002A\r\n\"m\"=DWORD:1f\r\n",
             {{E::Key, k, L"", 0, {}},
              {E::SetValue, k, L"n", RegType::Dword, {42, 0, 0, 0}},
              {E::SetValue, k, L"m", RegType::Dword, {31, 0, 0, 0}}},
             0},
            {"hex with continuation lines",
             L"[" + k + L"]\r\n\"b\"=hex:01,02,\\\r\n  03,\\\r\n  04\r\n",
             {{E::Key, k, L"", 0, {}}, {E::SetValue, k, L"b", RegType::Binary, {1, 2, 3, 4}}},
             0},
            {"expand, multi, qword and none",
             L"[" + k
                     + L"]\r\n\"p\"=hex(2):25,00,41,00,00,00\r\n\"m\"=hex(7):61,00,00,00,00,00\r\n"
                       L"\"q\"=hex(b):01,00,00,00,00,00,00,00\r\n\"z\"=hex(0):\r\n",
             {{E::Key, k, L"", 0, {}},
              {E::SetValue, k, L"p", RegType::ExpandString, utf16(L"%A")},
              {E::SetValue, k, L"m", RegType::MultiString, {0x61, 0, 0, 0, 0, 0}},
              {E::SetValue, k, L"q", RegType::Qword, {1, 0, 0, 0, 0, 0, 0, 0}},
              {E::SetValue, k, L"z", RegType::None, {}}},
             0},
            {"deletions; values under a deleted key are ignored",
             L"[-" + k + L"]\r\n\"x\"=\"ignored\"\r\n[" + k + L"\\U]\r\n\"y\"=-\r\n",
             {{E::DeleteKey, k, L"", 0, {}},
              {E::Key, k + L"\\U", L"", 0, {}},
              {E::DeleteValue, k + L"\\U", L"y", 0, {}}},
             0},
            {"comments and blank lines",
             L"; a comment\r\n\r\n[" + k + L"]\r\n; another\r\n\"s\"=\"v\"\r\n\r\n",
             {{E::Key, k, L"", 0, {}}, {E::SetValue, k, L"s", RegType::String, utf16(L"v")}},
             0},
            {"LF line ends",
             L"[" + k + L"]\n\"s\"=\"v\"\n",
             {{E::Key, k, L"", 0, {}}, {E::SetValue, k, L"s", RegType::String, utf16(L"v")}},
             0},
            {"unterminated string", L"[" + k + L"]\r\n\"s\"=\"v\r\n", {}, 4},
            {"bad dword", L"[" + k + L"]\r\n\"ok\"=dword:1\r\n\"n\"=dword:12345678a\r\n", {}, 5},
            {"value before any key", L"\"s\"=\"v\"\r\n", {}, 3},
            {"stray text", L"[" + k + L"]\r\nnonsense\r\n", {}, 4},
            {"key without closing bracket", L"[" + k + L"\r\n", {}, 3},
            {"bad hex byte names the value's first line",
             L"[" + k + L"]\r\n\"b\"=hex:01,\\\r\n  zz\r\n",
             {},
             4},
            {"file ends inside a continuation", L"[" + k + L"]\r\n\"b\"=hex:01,\\\r\n", {}, 4},
            {"unknown data form", L"[" + k + L"]\r\n\"b\"=str:1\r\n", {}, 4},
    };
    for (const ParseRow &row : rows) {
        SCOPED_TRACE(row.what);
        std::vector<RegFileEntry> entries;
        size_t line = 0;
        std::wstring problem;
        const bool ok = parseRegText(header + row.body, entries, line, problem);
        EXPECT_EQ(ok, row.errorLine == 0);
        if (!ok) {
            EXPECT_EQ(line, row.errorLine);
            EXPECT_FALSE(problem.empty());
            continue;
        }
        ASSERT_EQ(entries.size(), row.entries.size());
        for (size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(entries[i].kind, row.entries[i].kind) << i;
            EXPECT_EQ(entries[i].key, row.entries[i].key) << i;
            EXPECT_EQ(entries[i].name, row.entries[i].name) << i;
            if (entries[i].kind == E::SetValue) {
                EXPECT_EQ(entries[i].value.type, row.entries[i].type) << i;
                EXPECT_EQ(entries[i].value.data, row.entries[i].data) << i;
            }
        }
    }
    std::vector<RegFileEntry> entries;
    size_t line = 0;
    std::wstring problem;
    EXPECT_FALSE(parseRegText(L"[" + k + L"]\r\n", entries, line, problem)) << "no header";
    EXPECT_EQ(line, 1u);
}

TEST(RegistryStore, TextDecodesFromUtf16AndUtf8Alike)
{
    const std::wstring text = header + L"[" + k + L"]\r\n\"caf\u00e9\"=\"\u4e2d\U0001F600\"\r\n";
    const std::string utf8 = toUtf8(text);
    const std::string withBom = "\xEF\xBB\xBF" + utf8;
    const std::string utf16Bom = encodeUtf16LeWithBom(text);
    for (const std::string &bytes : {utf8, withBom, utf16Bom, utf16Bom.substr(2)}) {
        std::vector<RegFileEntry> entries;
        size_t line = 0;
        std::wstring problem;
        ASSERT_TRUE(parseRegText(decodeRegText(bytes), entries, line, problem));
        ASSERT_EQ(entries.size(), 2u);
        EXPECT_EQ(entries[1].name, L"caf\u00e9");
        EXPECT_EQ(stringFromValue(entries[1].value), L"\u4e2d\U0001F600");
    }
    // Bytes that are not UTF-8 (an old ANSI file) keep their Latin-1 meaning.
    EXPECT_EQ(decodeRegText("caf\xE9"), L"caf\u00e9");

    // The older REGEDIT4 files hold expandable and multi-strings as 8-bit text.
    std::vector<RegFileEntry> entries;
    size_t line = 0;
    std::wstring problem;
    ASSERT_TRUE(parseRegText(decodeRegText("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\T]\r\n"
                                           "\"e\"=hex(2):25,41,25,00\r\n"),
                             entries,
                             line,
                             problem));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].value.data, makeStringValue(L"%A%").data);
}

TEST(RegistryStore, WriterWrapsHexAndEscapesLikeRegedit)
{
    RegFileWriter writer;
    writer.beginKey(k);
    writer.addValue(L"q\"uote", makeStringValue(L"a\\b"));
    writer.addValue(L"", makeDwordValue(0x1f));
    RegValue blob;
    blob.type = RegType::Binary;
    blob.data.assign(60, 0xab);
    writer.addValue(L"Blob", blob);
    writer.addValue(L"Expand", makeStringValue(L"%A%", RegType::ExpandString));
    const std::wstring text = writer.text();
    EXPECT_NE(text.find(L"\"q\\\"uote\"=\"a\\\\b\"\r\n"), std::wstring::npos);
    EXPECT_NE(text.find(L"@=dword:0000001f\r\n"), std::wstring::npos);
    EXPECT_NE(text.find(L"\"Expand\"=hex(2):25,00,41,00,25,00,00,00\r\n"), std::wstring::npos);
    size_t start = 0;
    for (size_t end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2)
        EXPECT_LE(end - start, 80u) << toUtf8(text.substr(start, end - start));

    std::vector<RegFileEntry> entries;
    size_t line = 0;
    std::wstring problem;
    ASSERT_TRUE(parseRegText(decodeRegText(writer.bytes()), entries, line, problem));
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[3].value.data, blob.data);
}

class MachineStore : public ::testing::Test
{
protected:
    std::string storePath() const { return m_machine.folder() + "/registry.reg"; }

    static std::wstring
    read(RegRoot root, const std::wstring &path, const std::wstring &name, uint32_t view = 0)
    {
        std::wstring text;
        RegKey::open(root, path, RegAccess::Read | view).readString(name, text);
        return text;
    }

    static size_t valueCount(RegRoot root, const std::wstring &path, uint32_t view = 0)
    {
        const RegKey key = RegKey::open(root, path, RegAccess::Read | view);
        std::wstring name;
        size_t n = 0;
        while (key.enumValueName(static_cast<uint32_t>(n), name) == RegError::Success)
            ++n;
        return n;
    }

    TestMachine m_machine;
};

TEST_F(MachineStore, FreshMachineIsWrittenOnFirstChange)
{
    const RegKey version = RegKey::open(RegRoot::LocalMachine,
                                        L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                                        RegAccess::Read);
    uint32_t major = 0, minor = 1;
    EXPECT_TRUE(version.readDword(L"CurrentMajorVersionNumber", major));
    EXPECT_TRUE(version.readDword(L"CurrentMinorVersionNumber", minor));
    EXPECT_EQ(major, 10u);
    EXPECT_EQ(minor, 0u);
    EXPECT_EQ(read(RegRoot::LocalMachine,
                   L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                   L"CurrentVersion"),
              L"6.3");
    for (const wchar_t *path :
         {L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall",
          L"SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall",
          L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce"})
        EXPECT_TRUE(RegKey::open(RegRoot::LocalMachine, path, RegAccess::Read).isOpen()) << path;
    EXPECT_TRUE(RegKey::open(RegRoot::CurrentUser,
                             L"Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce",
                             RegAccess::Read)
                        .isOpen());
    EXPECT_TRUE(RegKey::open(RegRoot::Users, L".DEFAULT", RegAccess::Read).isOpen());
    EXPECT_FALSE(simulatedMachineIs32Bit());
    EXPECT_NE(::access(storePath().c_str(), F_OK), 0) << "reading writes nothing";

    RegKey::create(RegRoot::CurrentUser, L"Software\\Tam", RegAccess::Write)
            .setString(L"Language", L"de");
    const std::string bytes = readFile(storePath());
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
    const std::wstring text = decodeRegText(bytes);
    EXPECT_EQ(text.find(L"Windows Registry Editor Version 5.00\r\n"), 0u);
    EXPECT_NE(text.find(L"\"CurrentMajorVersionNumber\"=dword:0000000a"), std::wstring::npos);

    // The current user's hive is one of HKEY_USERS, as on Windows.
    const RegKey users = RegKey::open(RegRoot::Users, L"", RegAccess::Read);
    std::wstring sid;
    bool found = false;
    for (uint32_t i = 0; users.enumKey(i, sid) == RegError::Success; ++i)
        found = found || read(RegRoot::Users, sid + L"\\Software\\Tam", L"Language") == L"de";
    EXPECT_TRUE(found);
}

TEST_F(MachineStore, ReadsAStoreAsRegExportWritesIt)
{
    const std::wstring exported
            = L"Windows Registry Editor Version 5.00\r\n\r\n"
              L"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\{"
              L"11111111-2222-3333-4444-555555555555}]\r\n"
              L"\"DisplayName\"=\"Tam Scan Utility\"\r\n"
              L"\"DisplayVersion\"=\"2.1.0\"\r\n"
              L"\"Publisher\"=\"Tamberlin Co.\"\r\n"
              L"\"UninstallString\"=hex(2):4d,00,73,00,69,00,45,00,78,00,65,00,63,00,2e,00,65,"
              L"00,78,\\\r\n"
              L"  00,65,00,20,00,2f,00,58,00,00,00\r\n"
              L"\"EstimatedSize\"=dword:00001000\r\n"
              L"\"NoModify\"=dword:00000001\r\n\r\n"
              L"[HKEY_CURRENT_USER\\Software\\Tam]\r\n"
              L"@=\"default\"\r\n\r\n";
    writeFile(storePath(), encodeUtf16LeWithBom(exported));
    // The store holds the keys as they lie, which the 64-bit view names.
    const std::wstring uninstall
            = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\{11111111-2222-3333-4444-"
              L"555555555555}";
    const uint32_t view64 = RegAccess::Wow64_64Key;
    EXPECT_EQ(read(RegRoot::LocalMachine, uninstall, L"DisplayName", view64), L"Tam Scan Utility");
    EXPECT_EQ(read(RegRoot::LocalMachine, uninstall, L"UninstallString", view64),
              L"MsiExec.exe /X");
    uint32_t size = 0;
    EXPECT_TRUE(RegKey::open(RegRoot::LocalMachine, uninstall, RegAccess::Read | view64)
                        .readDword(L"EstimatedSize", size));
    EXPECT_EQ(size, 0x1000u);
    EXPECT_EQ(read(RegRoot::CurrentUser, L"Software\\Tam", L""), L"default");
    EXPECT_EQ(valueCount(RegRoot::LocalMachine, uninstall, view64), 6u);
    // Not a fresh machine: what the file does not hold does not exist.
    EXPECT_FALSE(RegKey::open(RegRoot::LocalMachine,
                              L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                              RegAccess::Read)
                         .isOpen());
}

TEST_F(MachineStore, MalformedStoreFailsEveryCallAndIsNeverWritten)
{
    const std::string bad
            = toUtf8(header + L"[HKEY_LOCAL_MACHINE\\SOFTWARE\\T]\r\n\"v\"=dword:zz\r\n");
    writeFile(storePath(), bad);
    long rc = 0;
    RegKey::open(RegRoot::LocalMachine, L"SOFTWARE", RegAccess::Read, &rc);
    EXPECT_EQ(rc, RegError::BadStore);
    const std::wstring message = registryErrorMessage();
    EXPECT_NE(message.find(fromUtf8(storePath()) + L":4:"), std::wstring::npos) << toUtf8(message);

    RegKey::create(RegRoot::LocalMachine, L"SOFTWARE\\New", RegAccess::Write, &rc);
    EXPECT_EQ(rc, RegError::BadStore);
    EXPECT_EQ(RegKey::deleteTree(RegRoot::LocalMachine, L"SOFTWARE\\T", 0), RegError::BadStore);
    EXPECT_EQ(importRegistryFile(toUtf8(header + L"[HKEY_CURRENT_USER\\X]\r\n"), L"x.reg", 0),
              RegError::BadStore);
    EXPECT_EQ(readFile(storePath()), bad);
    EXPECT_NE(registryErrorMessage().find(L":4:"), std::wstring::npos);

    // Unknown roots are as bad as broken lines.
    writeFile(storePath(), toUtf8(header + L"[HKEY_CURRENT_CONFIG\\X]\r\n"));
    RegKey::open(RegRoot::LocalMachine, L"SOFTWARE", RegAccess::Read, &rc);
    EXPECT_EQ(rc, RegError::BadStore);
    EXPECT_NE(registryErrorMessage().find(L":3:"), std::wstring::npos);

    // Once repaired, the store works again without restarting the process.
    writeFile(storePath(),
              toUtf8(header + L"[HKEY_LOCAL_MACHINE\\SOFTWARE\\T]\r\n\"v\"=\"ok\"\r\n"));
    EXPECT_EQ(read(RegRoot::LocalMachine, L"SOFTWARE\\T", L"v", RegAccess::Wow64_64Key), L"ok");
    EXPECT_TRUE(registryErrorMessage().empty());
}

TEST_F(MachineStore, SeesWhatAnotherWriterChanged)
{
    RegKey key = RegKey::create(RegRoot::CurrentUser, L"Software\\Tam", RegAccess::AllAccess);
    key.setString(L"v", L"aaaa");
    EXPECT_EQ(read(RegRoot::CurrentUser, L"Software\\Tam", L"v"), L"aaaa");
    // Another process replaces the store with one of the same size.
    std::wstring text = decodeRegText(readFile(storePath()));
    text.replace(text.find(L"\"aaaa\""), 6, L"\"bbbb\"");
    writeFile(storePath() + ".other", encodeUtf16LeWithBom(text));
    ASSERT_EQ(::rename((storePath() + ".other").c_str(), storePath().c_str()), 0);
    std::wstring now;
    EXPECT_TRUE(key.readString(L"v", now));
    EXPECT_EQ(now, L"bbbb");
}

TEST_F(MachineStore, TwoProcessesAddingAtOnceLoseNothing)
{
    const int perProcess = 300;
    RegKey::create(RegRoot::LocalMachine, L"SOFTWARE\\Race", RegAccess::Write);
    std::vector<pid_t> children;
    for (int p = 0; p < 2; ++p) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            RegKey key = RegKey::open(RegRoot::LocalMachine, L"SOFTWARE\\Race", RegAccess::Write);
            int failures = 0;
            for (int i = 0; i < perProcess; ++i) {
                if (key.setDword(L"p" + std::to_wstring(p) + L"-" + std::to_wstring(i),
                                 static_cast<uint32_t>(i))
                    != RegError::Success)
                    ++failures;
            }
            ::_exit(failures == 0 ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = -1;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(valueCount(RegRoot::LocalMachine, L"SOFTWARE\\Race"), 2u * perProcess);
}

TEST_F(MachineStore, ReadersNeverSeeAHalfWrittenStore)
{
    RegKey::create(RegRoot::LocalMachine, L"SOFTWARE\\Busy", RegAccess::Write).setDword(L"n", 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        RegKey key = RegKey::open(RegRoot::LocalMachine, L"SOFTWARE\\Busy", RegAccess::Write);
        for (uint32_t i = 1; i <= 300; ++i)
            key.setDword(L"n", i);
        ::_exit(0);
    }
    uint32_t last = 0;
    bool ordered = true;
    int failures = 0;
    int reads = 0;
    for (bool running = true; running; ++reads) {
        running = ::waitpid(pid, nullptr, WNOHANG) == 0;
        uint32_t n = 0;
        if (!RegKey::open(RegRoot::LocalMachine, L"SOFTWARE\\Busy", RegAccess::Read)
                     .readDword(L"n", n))
            ++failures;
        ordered = ordered && n >= last;
        last = n;
    }
    EXPECT_GT(reads, 1);
    EXPECT_EQ(last, 300u);
    EXPECT_EQ(failures, 0) << toUtf8(registryErrorMessage());
    EXPECT_TRUE(ordered) << "a reader never goes back to an older store";
}

// A writer killed after it took the lock and before its new store was in place: a pipe in
// place of its temporary file holds it there, so the test needs neither a large store nor
// luck in timing.
TEST_F(MachineStore, KilledWriterLeavesTheLastCompleteStore)
{
    RegKey::create(RegRoot::LocalMachine, L"SOFTWARE\\Before", RegAccess::Write).setDword(L"n", 1);
    const std::string temp = storePath() + ".tmp";
    ASSERT_EQ(::mkfifo(temp.c_str(), 0600), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        RegKey::create(RegRoot::LocalMachine, L"SOFTWARE\\Killed", RegAccess::Write)
                .setDword(L"n", 2);
        ::_exit(0);
    }
    // Once the child holds the writers' lock it cannot get past the pipe.
    const int lock = ::open((storePath() + ".lock").c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(lock, 0);
    while (::flock(lock, LOCK_EX | LOCK_NB) == 0) {
        ::flock(lock, LOCK_UN);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ::close(lock);
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    // What a writer killed in the middle of its temporary file leaves behind.
    ::unlink(temp.c_str());
    writeFile(temp, "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MA");

    long rc = -1;
    RegKey::open(RegRoot::LocalMachine, L"SOFTWARE\\Killed", RegAccess::Read, &rc);
    EXPECT_EQ(rc, RegError::FileNotFound) << toUtf8(registryErrorMessage());
    uint32_t n = 0;
    EXPECT_TRUE(RegKey::open(RegRoot::LocalMachine, L"SOFTWARE\\Before", RegAccess::Read)
                        .readDword(L"n", n));
    EXPECT_EQ(n, 1u);
    // The lock died with the writer: the next writer goes ahead.
    EXPECT_EQ(RegKey::create(RegRoot::LocalMachine, L"SOFTWARE\\After", RegAccess::Write)
                      .setDword(L"ok", 1),
              RegError::Success);
    EXPECT_TRUE(RegKey::open(RegRoot::LocalMachine, L"SOFTWARE\\Before", RegAccess::Read)
                        .readDword(L"n", n));
}

TEST_F(MachineStore, ThirtyTwoBitMachineHasOneView)
{
    const std::string store = toUtf8(
            header
            + L"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion]\r\n"
              L"\"CurrentVersion\"=\"6.1\"\r\n\"TamSimulatedBitness\"=dword:00000020\r\n\r\n"
              L"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall]\r\n");
    writeFile(storePath(), store);
    EXPECT_TRUE(simulatedMachineIs32Bit());
    RegKey::create(RegRoot::LocalMachine,
                   L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\{X}",
                   RegAccess::Write | RegAccess::Wow64_32Key)
            .setString(L"DisplayName", L"x");
    for (uint32_t view : {0u, RegAccess::Wow64_32Key, RegAccess::Wow64_64Key})
        EXPECT_EQ(read(RegRoot::LocalMachine,
                       L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\{X}",
                       L"DisplayName",
                       view),
                  L"x")
                << view;
    EXPECT_FALSE(RegKey::open(RegRoot::LocalMachine, L"SOFTWARE\\WOW6432Node", RegAccess::Read)
                         .isOpen());
}

} // namespace
