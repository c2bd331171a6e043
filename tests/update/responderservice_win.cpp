#include "responderservice.h"

#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

namespace {

const wchar_t *const ServiceName = L"Bonjour Service";

// Stops and deletes the service when it exists (also one a broken earlier run left).
void removeService(SC_HANDLE manager)
{
    SC_HANDLE service = OpenServiceW(manager, ServiceName, SERVICE_ALL_ACCESS);
    if (!service)
        return;
    SERVICE_STATUS status{};
    ControlService(service, SERVICE_CONTROL_STOP, &status);
    for (int i = 0; i < 100 && QueryServiceStatus(service, &status)
                    && status.dwCurrentState != SERVICE_STOPPED;
         ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    DeleteService(service);
    CloseServiceHandle(service);
}

} // namespace

ResponderService::ResponderService(const std::filesystem::path &program)
{
    SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager)
        return;
    removeService(manager);
    const std::wstring command
            = L"\"" + std::filesystem::absolute(program).wstring() + L"\" --service";
    SC_HANDLE service = CreateServiceW(manager,
                                       ServiceName,
                                       ServiceName,
                                       SERVICE_ALL_ACCESS,
                                       SERVICE_WIN32_OWN_PROCESS,
                                       SERVICE_DEMAND_START,
                                       SERVICE_ERROR_IGNORE,
                                       command.c_str(),
                                       nullptr,
                                       nullptr,
                                       nullptr,
                                       nullptr,
                                       nullptr);
    if (service && StartServiceW(service, 0, nullptr)) {
        SERVICE_STATUS status{};
        for (int i = 0; i < 200 && QueryServiceStatus(service, &status); ++i) {
            if (status.dwCurrentState == SERVICE_RUNNING) {
                m_running = true;
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
        }
    }
    if (service)
        CloseServiceHandle(service);
    CloseServiceHandle(manager);
}

ResponderService::~ResponderService()
{
    SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager)
        return;
    removeService(manager);
    CloseServiceHandle(manager);
}
