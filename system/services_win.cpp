// Services through the service control manager.

#include "reboot.h"
#include "services.h"
#include "sysinfo.h"

#include <windows.h>

namespace sys {

namespace {
bool queryState(SC_HANDLE service, SERVICE_STATUS_PROCESS &status)
{
    DWORD needed = 0;
    return QueryServiceStatusEx(service,
                                SC_STATUS_PROCESS_INFO,
                                reinterpret_cast<LPBYTE>(&status),
                                sizeof(status),
                                &needed);
}
} // namespace

bool isServiceRunning(const std::wstring &name)
{
    const SC_HANDLE manager
            = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT | SC_MANAGER_ENUMERATE_SERVICE);
    if (!manager) {
        logLine(L"Failed to open service manager with error %08X",
                static_cast<unsigned>(GetLastError()));
        return false;
    }
    const SC_HANDLE service = OpenServiceW(manager, name.c_str(), SERVICE_QUERY_STATUS);
    if (!service) {
        logLine(L"Failed to open Service %s with error %08X",
                name.c_str(),
                static_cast<unsigned>(GetLastError()));
        CloseServiceHandle(manager);
        return false;
    }
    bool running = false;
    SERVICE_STATUS_PROCESS status;
    ZeroMemory(&status, sizeof(status));
    if (queryState(service, status)) {
        running = status.dwCurrentState != SERVICE_STOPPED;
        logLine(L"IsServiceRunning %s state: %s",
                name.c_str(),
                serviceStateName(status.dwCurrentState).c_str());
    }
    CloseServiceHandle(service);
    CloseServiceHandle(manager);
    return running;
}

bool stopService(const std::wstring &name, uint32_t timeoutMs)
{
    if (!isServiceRegistered(name))
        return false;
    const SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager)
        return false;
    const SC_HANDLE service = OpenServiceW(manager, name.c_str(), SERVICE_ALL_ACCESS);
    if (!service) {
        CloseServiceHandle(manager);
        return false;
    }

    // A service that is already stopped refuses the control; its state below still counts.
    SERVICE_STATUS controlStatus;
    ControlService(service, SERVICE_CONTROL_STOP, &controlStatus);
    const DWORD start = GetTickCount();

    DWORD lastState = 0;
    SERVICE_STATUS_PROCESS status;
    ZeroMemory(&status, sizeof(status));
    if (queryState(service, status)) {
        lastState = status.dwCurrentState;
        for (;;) {
            if (timeoutMs != 0 && GetTickCount() - start >= timeoutMs) {
                killProcess(status.dwProcessId);
                break;
            }
            if (lastState < SERVICE_START_PENDING || lastState > SERVICE_PAUSE_PENDING)
                break;
            Sleep(1000);
            if (!queryState(service, status))
                break;
            lastState = status.dwCurrentState;
        }
    }
    CloseServiceHandle(service);
    CloseServiceHandle(manager);
    return lastState == SERVICE_STOPPED;
}

} // namespace sys
