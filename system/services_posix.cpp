// Services on the simulated machine: registry keys whose values stand for the service control
// manager's knowledge (see services.h).

#include "reboot.h"
#include "registry.h"
#include "services.h"
#include "sysinfo.h"

#include <chrono>
#include <thread>

namespace sys {

namespace {
constexpr uint32_t ErrorInvalidName = 123;
const wchar_t *const StateValue = L"TamSimState";
const wchar_t *const StopBehaviourValue = L"TamSimStopBehaviour";
const wchar_t *const ProcessIdValue = L"TamSimProcessId";

// OpenServiceW: the service's key, or a Windows error code.
RegKey openService(const std::wstring &name, uint32_t access, uint32_t *error)
{
    // Service names hold no backslash, and "" would name the services key itself.
    if (name.empty() || name.find(L'\\') != std::wstring::npos) {
        *error = ErrorInvalidName;
        return {};
    }
    long result = 0;
    RegKey key = RegKey::open(RegRoot::LocalMachine,
                              L"SYSTEM\\CurrentControlSet\\services\\" + name,
                              access,
                              &result);
    if (!key.isOpen())
        *error = result == RegError::FileNotFound ? ServiceDoesNotExist
                                                  : static_cast<uint32_t>(result);
    return key;
}

// QueryServiceStatusEx: read afresh each time, another process may have changed it.
bool queryState(const std::wstring &name, uint32_t *state, uint32_t *processId)
{
    uint32_t error = 0;
    const RegKey key = openService(name, RegAccess::Read, &error);
    if (!key.isOpen())
        return false;
    if (!key.readDword(StateValue, *state))
        *state = ServiceState::Stopped;
    if (processId && !key.readDword(ProcessIdValue, *processId))
        *processId = 0;
    return true;
}

void writeState(const std::wstring &name, uint32_t state)
{
    uint32_t error = 0;
    RegKey key = openService(name, RegAccess::Read | RegAccess::SetValue, &error);
    if (key.isOpen())
        key.setDword(StateValue, state);
}

// ControlService(SERVICE_CONTROL_STOP).
void sendStop(const std::wstring &name)
{
    uint32_t state = 0;
    if (!queryState(name, &state, nullptr))
        return;
    const bool accepts = state == ServiceState::Running || state == ServiceState::Paused
                         || state == ServiceState::PausePending
                         || state == ServiceState::ContinuePending;
    if (!accepts)
        return;
    uint32_t error = 0;
    const RegKey key = openService(name, RegAccess::Read, &error);
    std::wstring behaviour;
    if (!key.readString(StopBehaviourValue, behaviour) || behaviour.empty())
        behaviour = L"stop";
    if (behaviour == L"stop")
        writeState(name, ServiceState::Stopped);
    else if (behaviour == L"hang")
        writeState(name, ServiceState::StopPending);
}
} // namespace

bool isServiceRunning(const std::wstring &name)
{
    // The simulated service manager always opens.
    uint32_t error = 0;
    if (!openService(name, RegAccess::Read, &error).isOpen()) {
        logLine(L"Failed to open Service %s with error %08X",
                name.c_str(),
                static_cast<unsigned>(error));
        return false;
    }
    uint32_t state = 0;
    if (!queryState(name, &state, nullptr))
        return false;
    logLine(L"IsServiceRunning %s state: %s", name.c_str(), serviceStateName(state).c_str());
    return state != ServiceState::Stopped;
}

bool stopService(const std::wstring &name, uint32_t timeoutMs)
{
    if (!isServiceRegistered(name))
        return false;
    uint32_t error = 0;
    if (!openService(name, RegAccess::Read, &error).isOpen())
        return false;

    sendStop(name);
    const auto start = std::chrono::steady_clock::now();

    uint32_t lastState = 0;
    uint32_t state = 0;
    uint32_t processId = 0;
    if (queryState(name, &state, &processId)) {
        lastState = state;
        for (;;) {
            const auto elapsed = std::chrono::steady_clock::now() - start;
            if (timeoutMs != 0 && elapsed >= std::chrono::milliseconds(timeoutMs)) {
                killProcess(processId);
                // The service manager notices its process is gone and marks it stopped.
                if (processId != 0)
                    writeState(name, ServiceState::Stopped);
                break;
            }
            if (lastState < ServiceState::StartPending || lastState > ServiceState::PausePending)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(1000));
            if (!queryState(name, &state, &processId))
                break;
            lastState = state;
        }
    }
    return lastState == ServiceState::Stopped;
}

} // namespace sys
