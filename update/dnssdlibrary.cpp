#include "dnssdlibrary.h"

#include "dnssdnetwork.h"

namespace {

template<typename Function>
bool lookUp(const sys::SharedLibrary &library, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(library.symbol(name));
    return function != nullptr;
}

} // namespace

bool DnssdLibrary::load(const std::wstring &directory)
{
    unload();
    if (!m_library.load(directory + L"\\" + DnssdNetwork::libraryFileName()))
        return false;
    bool complete = lookUp(m_library, "DNSServiceBrowse", browse);
    complete &= lookUp(m_library, "DNSServiceCreateConnection", createConnection);
    complete &= lookUp(m_library, "DNSServiceProcessResult", processResult);
    complete &= lookUp(m_library, "DNSServiceRefDeallocate", refDeallocate);
    complete &= lookUp(m_library, "DNSServiceRefSockFD", refSockFD);
    complete &= lookUp(m_library, "DNSServiceResolve", resolve);
    complete &= lookUp(m_library, "DNSServiceQueryRecord", queryRecord);
    complete &= lookUp(m_library, "DNSServiceRegister", registerService);
    complete &= lookUp(m_library, "DNSServiceGetAddrInfo", getAddrInfo);
    if (!complete)
        unload();
    return complete;
}

void DnssdLibrary::unload()
{
    m_library.unload();
    browse = nullptr;
    createConnection = nullptr;
    processResult = nullptr;
    refDeallocate = nullptr;
    refSockFD = nullptr;
    resolve = nullptr;
    queryRecord = nullptr;
    registerService = nullptr;
    getAddrInfo = nullptr;
}
