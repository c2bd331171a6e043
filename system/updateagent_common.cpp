#include "registry.h"
#include "updateagent.h"

namespace sys {

bool isRestartPending()
{
    const RegKey key = RegKey::open(RegRoot::LocalMachine,
                                    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\WindowsUpdate\\"
                                    L"Auto Update\\RebootRequired",
                                    RegAccess::Read | RegAccess::Wow64_64Key);
    if (!key.isOpen())
        return false;
    std::wstring name;
    return key.enumValueName(0, name) == RegError::Success;
}

} // namespace sys
