// Service helpers that do not depend on the platform.

#include "registry.h"
#include "services.h"

#include <cwchar>

namespace sys {

std::wstring serviceStateName(uint32_t state)
{
    static const wchar_t *const names[] = {
            L"SERVICE_STOPPED %08X",
            L"SERVICE_START_PENDING %08X",
            L"SERVICE_STOP_PENDING %08X",
            L"SERVICE_RUNNING %08X",
            L"SERVICE_CONTINUE_PENDING %08X",
            L"SERVICE_PAUSE_PENDING %08X",
            L"SERVICE_PAUSED %08X",
    };
    const wchar_t *format = state >= 1 && state <= 7 ? names[state - 1] : L"Undefine %08X";
    wchar_t text[64];
    std::swprintf(text, sizeof(text) / sizeof(text[0]), format, static_cast<unsigned>(state));
    return text;
}

bool isServiceRegistered(const std::wstring &name)
{
    return RegKey::open(RegRoot::LocalMachine,
                        L"SYSTEM\\CurrentControlSet\\services\\" + name,
                        RegAccess::Read)
            .isOpen();
}

} // namespace sys
