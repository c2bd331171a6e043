#include "disclock.h"
#include "sysinfo.h"
#include "sysinfotestsupport.h"
#include "updateagent.h"

#include <gtest/gtest.h>

#include <windows.h>

using namespace sys;

namespace sysinfotest {

std::wstring fixturePath(const std::wstring &fileName)
{
    wchar_t program[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::wstring path(program, length);
    return path.substr(0, path.find_last_of(L'\\') + 1) + fileName;
}

} // namespace sysinfotest

TEST(SysInfoWin, BuildAndWindowsBitnessAgree)
{
    // IsWow64Process says "no" to a 64-bit process; only the build itself tells the truth. A
    // 32-bit build learns the kind of Windows from it alone.
    EXPECT_EQ(isProcess64Bit(), sizeof(void *) == 8);
    if (isProcess64Bit()) {
        EXPECT_EQ(isWow64Process(), Wow64Answer::No);
        EXPECT_TRUE(is64BitWindows());
    } else {
        EXPECT_EQ(isWow64Process() == Wow64Answer::Yes, is64BitWindows());
    }
}

TEST(SysInfoWin, UpdateAgentIsNotBusy)
{
    EXPECT_FALSE(isWindowsUpdateBusy());
    // COM is balanced: a second call on the same thread works the same.
    EXPECT_FALSE(isWindowsUpdateBusy());
}

TEST(SysInfoWin, DiscLockHoldsTheVolumeHandleUntilUnlocked)
{
    DiscLock lock;
    if (!lock.lock(L"C:\\setup.exe")) {
        GTEST_SKIP() << "volume C: cannot be opened for reading and writing here";
    }
    EXPECT_TRUE(lock.isLocked());
    lock.unlock();
    EXPECT_FALSE(lock.isLocked());
    EXPECT_TRUE(lock.lock(L"c:\\setup.exe")) << "a released volume can be taken again";
}
