// Killing processes and restarting Windows, with the privileges each needs.

#include "reboot.h"

#include <windows.h>

#include <tlhelp32.h>

namespace sys {

namespace {
// Enables or disables one privilege in token; true when it is really held afterwards.
bool adjustPrivilege(HANDLE token, const wchar_t *name, bool enable)
{
    TOKEN_PRIVILEGES privileges;
    ZeroMemory(&privileges, sizeof(privileges));
    if (!LookupPrivilegeValueW(nullptr, name, &privileges.Privileges[0].Luid))
        return false;
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = enable ? SE_PRIVILEGE_ENABLED : 0;
    if (!AdjustTokenPrivileges(token, FALSE, &privileges, sizeof(privileges), nullptr, nullptr))
        return false;
    // AdjustTokenPrivileges succeeds even when the token lacks the privilege.
    return GetLastError() != ERROR_NOT_ALL_ASSIGNED;
}
} // namespace

void killProcess(unsigned long pid)
{
    HANDLE token = nullptr;
    bool impersonating = false;
    if (!OpenThreadToken(
                GetCurrentThread(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, FALSE, &token)) {
        token = nullptr;
        if (GetLastError() == ERROR_NO_TOKEN && ImpersonateSelf(SecurityImpersonation)) {
            impersonating = true;
            if (!OpenThreadToken(
                        GetCurrentThread(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, FALSE, &token))
                token = nullptr;
        }
    }
    const bool debugEnabled = token && adjustPrivilege(token, SE_DEBUG_NAME, true);

    // A refused privilege is no reason not to try: our own children open without it.
    if (const HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, static_cast<DWORD>(pid))) {
        TerminateProcess(process, 0xFFFFFFFF);
        CloseHandle(process);
    }

    if (debugEnabled)
        adjustPrivilege(token, SE_DEBUG_NAME, false);
    if (token)
        CloseHandle(token);
    // The impersonation only served to get a thread token: give the thread its own back.
    if (impersonating)
        RevertToSelf();
}

void killParentProcess()
{
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return;
    const DWORD self = GetCurrentProcessId();
    PROCESSENTRY32W entry;
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ProcessID != self)
            continue;
        if (const HANDLE parent
            = OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ParentProcessID)) {
            TerminateProcess(parent, 0);
            CloseHandle(parent);
            break;
        }
    }
    CloseHandle(snapshot);
}

void acceptTerminationByChild()
{}

void rebootAndExit()
{
    HANDLE token = nullptr;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &token)) {
        adjustPrivilege(token, SE_SHUTDOWN_NAME, true);
        CloseHandle(token);
    }
    ExitWindowsEx(EWX_REBOOT | EWX_FORCEIFHUNG,
                  SHTDN_REASON_FLAG_PLANNED | SHTDN_REASON_MINOR_INSTALLATION);
    ExitProcess(0);
}

} // namespace sys
