// The simulated service manager: states, stop behaviours and the time-out kill.

#include "hostpath.h"
#include "process.h"
#include "registry.h"
#include "services.h"
#include "testmachine.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

using namespace sys;

namespace {
const std::wstring ServicesKey = L"SYSTEM\\CurrentControlSet\\services\\";

class SimulatedServices : public ::testing::Test
{
protected:
    // A registered service; state 0 leaves TamSimState out, behaviour "" the stop behaviour.
    void addService(const std::wstring &name,
                    uint32_t state,
                    const std::wstring &behaviour = {},
                    uint32_t processId = 0)
    {
        RegKey key
                = RegKey::create(RegRoot::LocalMachine, ServicesKey + name, RegAccess::AllAccess);
        ASSERT_TRUE(key.isOpen());
        key.setDword(L"Start", 3);
        if (state != 0)
            key.setDword(L"TamSimState", state);
        if (!behaviour.empty())
            key.setString(L"TamSimStopBehaviour", behaviour);
        if (processId != 0)
            key.setDword(L"TamSimProcessId", processId);
    }
    static void setState(const std::wstring &name, uint32_t state)
    {
        RegKey key = RegKey::open(RegRoot::LocalMachine, ServicesKey + name, RegAccess::AllAccess);
        key.setDword(L"TamSimState", state);
    }
    static uint32_t state(const std::wstring &name)
    {
        uint32_t value = 0;
        RegKey::open(RegRoot::LocalMachine, ServicesKey + name, RegAccess::Read)
                .readDword(L"TamSimState", value);
        return value;
    }

    TestMachine m_machine;
};

using Clock = std::chrono::steady_clock;
} // namespace

TEST_F(SimulatedServices, RunningMeansAnythingButStopped)
{
    struct Row
    {
        const char *name;
        uint32_t state;
        bool running;
    };
    const Row rows[] = {
            {"no state value", 0, false},
            {"stopped", ServiceState::Stopped, false},
            {"start pending", ServiceState::StartPending, true},
            {"stop pending", ServiceState::StopPending, true},
            {"running", ServiceState::Running, true},
            {"continue pending", ServiceState::ContinuePending, true},
            {"pause pending", ServiceState::PausePending, true},
            {"paused", ServiceState::Paused, true},
    };
    int index = 0;
    for (const Row &row : rows) {
        const std::wstring name = L"TamService" + std::to_wstring(index++);
        addService(name, row.state);
        EXPECT_TRUE(isServiceRegistered(name)) << row.name;
        EXPECT_EQ(isServiceRunning(name), row.running) << row.name;
    }
}

TEST_F(SimulatedServices, LogsTheStateItRead)
{
    const std::filesystem::path logFolder = std::filesystem::u8path(toHostPath(L"C:\\Log"));
    std::filesystem::create_directories(logFolder);
    addService(L"Paused Service", ServiceState::Paused);
    EXPECT_TRUE(isServiceRunning(L"Paused Service"));
    std::ifstream in(logFolder / "CoInstaller.log", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("IsServiceRunning Paused Service state: SERVICE_PAUSED 00000007\r\n"),
              std::string::npos)
            << text.str();
}

TEST_F(SimulatedServices, StopServiceFollowsTheStateItReads)
{
    struct Row
    {
        const char *name;
        uint32_t state;
        const wchar_t *behaviour;
        uint32_t timeoutMs;
        bool stopped;
        uint32_t stateAfter;
    };
    const Row rows[] = {
            {"running service stops", ServiceState::Running, L"", 0, true, ServiceState::Stopped},
            {"already stopped", ServiceState::Stopped, L"", 0, true, ServiceState::Stopped},
            {"no state value counts as stopped", 0, L"", 0, true, 0},
            {"paused one that ignores the control ends the loop at once",
             ServiceState::Paused,
             L"ignore",
             0,
             false,
             ServiceState::Paused},
            {"start pending refuses the control until the time-out",
             ServiceState::StartPending,
             L"",
             1200,
             false,
             ServiceState::StartPending},
    };
    int index = 0;
    for (const Row &row : rows) {
        const std::wstring name = L"TamStop" + std::to_wstring(index++);
        addService(name, row.state, row.behaviour);
        const auto start = Clock::now();
        EXPECT_EQ(stopService(name, row.timeoutMs), row.stopped) << row.name;
        // Only pending states are polled, once a second.
        const bool polled = row.state == ServiceState::StartPending;
        EXPECT_EQ(Clock::now() - start >= std::chrono::milliseconds(1000), polled) << row.name;
        EXPECT_EQ(state(name), row.stateAfter) << row.name;
    }
}

TEST_F(SimulatedServices, WaitsWithoutLimitForAPendingStop)
{
    addService(L"SlowService", ServiceState::Running, L"hang");
    std::thread finisher([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        setState(L"SlowService", ServiceState::Stopped);
    });
    const auto start = Clock::now();
    EXPECT_TRUE(stopService(L"SlowService", 0));
    finisher.join();
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(1500));
}

TEST_F(SimulatedServices, TimeOutKillsTheServiceProcess)
{
    Process process;
    ASSERT_TRUE(process.start(testsupport::childCommand(L"sleep 30000")));
    addService(L"HungService", ServiceState::Running, L"hang", process.pid());

    const auto start = Clock::now();
    EXPECT_FALSE(stopService(L"HungService", 1500));
    const auto elapsed = Clock::now() - start;
    EXPECT_GE(elapsed, std::chrono::milliseconds(1500));
    EXPECT_LT(elapsed, std::chrono::milliseconds(4000));
    ASSERT_TRUE(process.wait(5000));
    EXPECT_EQ(process.exitCode(), 0xFFFFFFFFu);
    // With its process gone the service manager sees the service stopped.
    EXPECT_EQ(state(L"HungService"), ServiceState::Stopped);
    EXPECT_FALSE(isServiceRunning(L"HungService"));
}
