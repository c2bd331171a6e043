// A tiny Windows service for the service tests: registered with the service control manager by
// the test, it reports running and answers the stop control as its second argument says.
//   tam_service NAME stop    stopped at once
//   tam_service NAME slow    stop-pending for 1.5 s, then stopped
//   tam_service NAME hang    stop-pending for good (until its process is ended)

#include <windows.h>

#include <string>

namespace {

std::wstring behaviour;
SERVICE_STATUS_HANDLE statusHandle = nullptr;
HANDLE stopped = nullptr;
SERVICE_STATUS status = {};

void report(DWORD state, DWORD waitHint = 0)
{
    status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    status.dwCurrentState = state;
    status.dwControlsAccepted = state == SERVICE_RUNNING ? SERVICE_ACCEPT_STOP : 0;
    status.dwWin32ExitCode = NO_ERROR;
    status.dwWaitHint = waitHint;
    ++status.dwCheckPoint;
    SetServiceStatus(statusHandle, &status);
}

DWORD WINAPI stopLater(LPVOID)
{
    Sleep(1500);
    SetEvent(stopped);
    return 0;
}

DWORD WINAPI control(DWORD code, DWORD, LPVOID, LPVOID)
{
    if (code != SERVICE_CONTROL_STOP)
        return code == SERVICE_CONTROL_INTERROGATE ? NO_ERROR : ERROR_CALL_NOT_IMPLEMENTED;
    report(SERVICE_STOP_PENDING, 10000);
    if (behaviour == L"stop")
        SetEvent(stopped);
    else if (behaviour == L"slow")
        CloseHandle(CreateThread(nullptr, 0, stopLater, nullptr, 0, nullptr));
    return NO_ERROR;
}

void WINAPI serviceMain(DWORD, LPWSTR *arguments)
{
    statusHandle = RegisterServiceCtrlHandlerExW(arguments[0], control, nullptr);
    if (!statusHandle)
        return;
    report(SERVICE_RUNNING);
    WaitForSingleObject(stopped, INFINITE);
    report(SERVICE_STOPPED);
}

} // namespace

int main()
{
    int count = 0;
    wchar_t **arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments || count < 3)
        return 87;
    behaviour = arguments[2];
    stopped = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::wstring name = arguments[1];
    SERVICE_TABLE_ENTRYW table[] = {{&name[0], serviceMain}, {nullptr, nullptr}};
    return StartServiceCtrlDispatcherW(table) ? 0 : static_cast<int>(GetLastError());
}
