#include "disclock.h"
#include "fileversionrecord.h"
#include "hostpath.h"
#include "machine.h"
#include "registry.h"
#include "sysinfo.h"
#include "sysinfotestsupport.h"
#include "testmachine.h"
#include "updateagent.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace sys;
namespace fs = std::filesystem;

namespace sysinfotest {

std::wstring fixturePath(const std::wstring &fileName)
{
    const fs::path program = fs::read_symlink("/proc/self/exe");
    return fromHostPath(program.parent_path().string()) + L"\\" + fileName;
}

} // namespace sysinfotest

namespace {

const wchar_t *const VersionKey = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

void writeVersionString(const wchar_t *currentVersion)
{
    RegKey::deleteTree(
            RegRoot::LocalMachine, VersionKey, RegAccess::AllAccess | RegAccess::Wow64_64Key);
    RegKey key = RegKey::create(
            RegRoot::LocalMachine, VersionKey, RegAccess::AllAccess | RegAccess::Wow64_64Key);
    ASSERT_TRUE(key.isOpen());
    key.setString(L"CurrentVersion", currentVersion);
}

void setBitness(uint32_t bits)
{
    RegKey key = RegKey::create(
            RegRoot::LocalMachine, VersionKey, RegAccess::AllAccess | RegAccess::Wow64_64Key);
    ASSERT_TRUE(key.isOpen());
    ASSERT_EQ(key.setDword(L"TamSimulatedBitness", bits), RegError::Success);
}

} // namespace

TEST(SysInfoPosix, VersionWordComesFromTheMachinesRegistryOnly)
{
    TestMachine machine;
    EXPECT_EQ(windowsVersionWord(), 0x0A00) << "a new machine is a Windows 10";
    writeVersionString(L"Seven");
    EXPECT_EQ(windowsVersionWord(), 0) << "no GetVersionExW to fall back on";
    RegKey::deleteTree(
            RegRoot::LocalMachine, VersionKey, RegAccess::AllAccess | RegAccess::Wow64_64Key);
    EXPECT_EQ(windowsVersionWord(), 0);
}

TEST(SysInfoPosix, BitnessFollowsTheMachineAsA32BitProgramSeesIt)
{
    TestMachine machine;
    EXPECT_FALSE(isProcess64Bit());
    EXPECT_EQ(isWow64Process(), Wow64Answer::Yes);
    EXPECT_TRUE(is64BitWindows());
    setBitness(32);
    EXPECT_EQ(isWow64Process(), Wow64Answer::No);
    EXPECT_FALSE(is64BitWindows());
    setBitness(64);
    EXPECT_EQ(isWow64Process(), Wow64Answer::Yes);
    EXPECT_TRUE(is64BitWindows());
}

TEST(SysInfoPosix, ProgramsCarryTheirVersionAsCopiesOfAWindowsProgramDo)
{
    const std::wstring self = fromHostPath(fs::read_symlink("/proc/self/exe").string());
    EXPECT_EQ(fileVersion(self), fromUtf8(TAM_PROJECT_VERSION));
    TestMachine machine;
    const fs::path copy = toHostPath(L"C:\\Program Files\\copy");
    fs::copy_file("/proc/self/exe", copy);
    EXPECT_EQ(fileVersion(L"C:\\Program Files\\copy"), fromUtf8(TAM_PROJECT_VERSION));
    // A rebuilt version record, as a newer build of the same program has.
    ASSERT_TRUE(writeFileVersionRecord(copy.string(), "7.0.2.1"));
    EXPECT_EQ(fileVersion(L"C:\\Program Files\\copy"), L"7.0.2.1");
    EXPECT_FALSE(
            writeFileVersionRecord(copy.string(), std::string(FileVersionRecordCapacity, '9')));
    EXPECT_EQ(fileVersion(L"C:\\Program Files\\copy"), L"7.0.2.1");
    // A file that is no program of ours has no version.
    std::ofstream(toHostPath(L"C:\\Program Files\\notes.txt")) << "1.2.3";
    EXPECT_EQ(fileVersion(L"C:\\Program Files\\notes.txt"), L"X, X, X, X");
    EXPECT_FALSE(writeFileVersionRecord(toHostPath(L"C:\\Program Files\\notes.txt"), "2.0"));
}

TEST(SysInfoPosix, UpdateAgentIsBusyWhileTheMachineSaysSo)
{
    TestMachine machine;
    EXPECT_FALSE(isWindowsUpdateBusy());
    const std::string flag = machineRoot() + "/windows-update-busy";
    std::ofstream(flag).put('\n');
    EXPECT_TRUE(isWindowsUpdateBusy());
    fs::remove(flag);
    EXPECT_FALSE(isWindowsUpdateBusy());
}

TEST(SysInfoPosix, DiscLockIsAFileWhileHeld)
{
    TestMachine machine;
    const fs::path locks = machineRoot() + "/disc-locks";
    const auto heldLocks = [&locks] {
        std::error_code ignored;
        return std::distance(fs::directory_iterator(locks, ignored), fs::directory_iterator());
    };
    {
        DiscLock lock;
        EXPECT_FALSE(lock.lock(L"D:\\setup.exe")) << "drive D has no folder: no disc";
        EXPECT_FALSE(lock.isLocked());
        fs::create_directories(toHostPath(L"D:\\"));
        ASSERT_TRUE(lock.lock(L"d:\\setup.exe"));
        EXPECT_TRUE(lock.isLocked());
        ASSERT_EQ(heldLocks(), 1);
        EXPECT_EQ(fs::directory_iterator(locks)->path().filename().string().substr(0, 2), "D-");

        DiscLock second;
        ASSERT_TRUE(second.lock(L"D:\\Drivers\\setup.exe"));
        EXPECT_EQ(heldLocks(), 2);
        second.unlock();
        EXPECT_FALSE(second.isLocked());
        EXPECT_EQ(heldLocks(), 1) << "each lock is held on its own";
    }
    EXPECT_EQ(heldLocks(), 0) << "the destructor unlocks";
}
