#pragma once

// The DNS-SD client library beside the program with its nine entry points: all of them or the
// library is not used.

#include "dnssdapi.h"
#include "sharedlibrary.h"

#include <string>

class DnssdLibrary
{
public:
    // Loads directory + "\" + the platform's library name (directory in Windows form) and looks
    // up the nine functions. When the library or any function is missing, the library is
    // released again and usable() stays false.
    bool load(const std::wstring &directory);
    bool usable() const { return m_library.isLoaded(); }
    void unload();

    DNSServiceBrowseFn browse = nullptr;
    DNSServiceCreateConnectionFn createConnection = nullptr;
    DNSServiceProcessResultFn processResult = nullptr;
    DNSServiceRefDeallocateFn refDeallocate = nullptr;
    DNSServiceRefSockFDFn refSockFD = nullptr;
    DNSServiceResolveFn resolve = nullptr;
    DNSServiceQueryRecordFn queryRecord = nullptr;
    DNSServiceRegisterFn registerService = nullptr;
    DNSServiceGetAddrInfoFn getAddrInfo = nullptr;

private:
    sys::SharedLibrary m_library;
};
