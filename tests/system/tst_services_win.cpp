// Services of the real service control manager: one Windows (and Wine) has, only queried, and
// one of our own (tam_service.exe beside the test), created, started and stopped.

#include "hostpath.h"
#include "services.h"
#include "testmachine.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace sys;

TEST(ServicesWin, RealServiceIsRegisteredAndLogsItsState)
{
    const std::filesystem::path logFolder = std::filesystem::u8path(toHostPath(L"C:\\Log"));
    const bool hadLog = std::filesystem::exists(logFolder);
    std::error_code error;
    std::filesystem::create_directories(logFolder, error);
    ASSERT_FALSE(error) << error.message();

    EXPECT_TRUE(isServiceRegistered(L"RpcSs"));
    isServiceRunning(L"RpcSs");

    std::ifstream in(logFolder / "CoInstaller.log", std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    std::string text = bytes.str();
    text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
    EXPECT_NE(text.find("IsServiceRunning RpcSs state: SERVICE_"), std::string::npos) << text;
    if (!hadLog)
        std::filesystem::remove_all(logFolder, error);
}

namespace {

// A service of our own, removed again when the test ends.
class OwnService
{
public:
    OwnService(const std::wstring &behaviour)
        : m_name(TestMachine::uniqueName())
    {
        m_manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
        const std::filesystem::path program
                = testsupport::childProgram().parent_path() / "tam_service.exe";
        const std::wstring commandLine
                = L"\"" + program.wstring() + L"\" " + m_name + L" " + behaviour;
        if (m_manager)
            m_service = CreateServiceW(m_manager,
                                       m_name.c_str(),
                                       m_name.c_str(),
                                       SERVICE_ALL_ACCESS,
                                       SERVICE_WIN32_OWN_PROCESS,
                                       SERVICE_DEMAND_START,
                                       SERVICE_ERROR_IGNORE,
                                       commandLine.c_str(),
                                       nullptr,
                                       nullptr,
                                       nullptr,
                                       nullptr,
                                       nullptr);
    }
    ~OwnService()
    {
        if (m_service) {
            SERVICE_STATUS ignored;
            ControlService(m_service, SERVICE_CONTROL_STOP, &ignored);
            if (const HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, processId()))
                TerminateProcess(process, 0), CloseHandle(process);
            DeleteService(m_service);
            CloseServiceHandle(m_service);
        }
        if (m_manager)
            CloseServiceHandle(m_manager);
    }

    bool isCreated() const { return m_service != nullptr; }
    const std::wstring &name() const { return m_name; }

    // Starts the service and waits until it reports running.
    bool start()
    {
        if (!StartServiceW(m_service, 0, nullptr))
            return false;
        for (int i = 0; i < 200; ++i) {
            if (query().dwCurrentState == SERVICE_RUNNING)
                return true;
            Sleep(50);
        }
        return false;
    }

    SERVICE_STATUS_PROCESS query() const
    {
        SERVICE_STATUS_PROCESS status = {};
        DWORD needed = 0;
        QueryServiceStatusEx(m_service,
                             SC_STATUS_PROCESS_INFO,
                             reinterpret_cast<LPBYTE>(&status),
                             sizeof(status),
                             &needed);
        return status;
    }
    DWORD processId() const { return query().dwProcessId; }

private:
    std::wstring m_name;
    SC_HANDLE m_manager = nullptr;
    SC_HANDLE m_service = nullptr;
};

bool processEnds(DWORD pid, DWORD timeoutMs)
{
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    if (!process)
        return true;
    const bool ended = WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
}

} // namespace

// stopService on the real manager: a stopped service counts as stopped, a stop-pending one is
// waited for, and one that never stops has its process ended at the time-out (killProcess) and
// does not count as stopped.
TEST(ServicesWin, StopsAServiceOfOurOwn)
{
    struct Row
    {
        const char *name;
        const wchar_t *behaviour;
        bool started;
        uint32_t timeoutMs;
        bool stopped;
        long minMs;
    };
    const Row rows[] = {
            {"already stopped", L"stop", false, 0, true, 0},
            {"stops at once", L"stop", true, 0, true, 0},
            {"stop pending, then stopped", L"slow", true, 0, true, 1000},
            {"never stops: ended at the time-out", L"hang", true, 2000, false, 2000},
    };
    for (const Row &row : rows) {
        OwnService service(row.behaviour);
        ASSERT_TRUE(service.isCreated()) << row.name << ": " << GetLastError();
        EXPECT_TRUE(isServiceRegistered(service.name())) << row.name;
        DWORD pid = 0;
        if (row.started) {
            ASSERT_TRUE(service.start()) << row.name << ": error " << GetLastError();
            pid = service.processId();
            ASSERT_NE(pid, 0u) << row.name;
        }
        const auto begin = std::chrono::steady_clock::now();
        EXPECT_EQ(stopService(service.name(), row.timeoutMs), row.stopped) << row.name;
        const long elapsed
                = static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                            std::chrono::steady_clock::now() - begin)
                                            .count());
        EXPECT_GE(elapsed, row.minMs) << row.name;
        if (pid != 0) {
            EXPECT_TRUE(processEnds(pid, 10000)) << row.name;
        }
    }
}
