#include "responderservice.h"

#include "registry.h"

namespace {
const wchar_t *const ServiceKey = L"SYSTEM\\CurrentControlSet\\services\\Bonjour Service";
}

ResponderService::ResponderService(const std::filesystem::path &)
{
    sys::RegKey service = sys::RegKey::create(
            sys::RegRoot::LocalMachine, ServiceKey, sys::RegAccess::AllAccess);
    m_running = service.setDword(L"TamSimState", 4) == sys::RegError::Success;
}

ResponderService::~ResponderService()
{
    sys::RegKey::deleteTree(sys::RegRoot::LocalMachine, ServiceKey, sys::RegAccess::AllAccess);
}
