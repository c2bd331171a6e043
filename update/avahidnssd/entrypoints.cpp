// The nine entry points of the DNS-SD client interface, each on a DnssdOperation of its own.
// Registering services and querying single records are not needed by this program: they exist
// (callers look all nine up) and report kDNSServiceErr_Unsupported.

#include "dnssdapi.h"
#include "dnssdoperation.h"

namespace {

DnssdOperation *operationOf(DNSServiceRef ref)
{
    return reinterpret_cast<DnssdOperation *>(ref);
}

template<typename Start>
DNSServiceErrorType startOperation(DNSServiceRef *sdRef, Start start)
{
    if (!sdRef)
        return kDNSServiceErr_BadParam;
    *sdRef = nullptr;
    DNSServiceErrorType error = kDNSServiceErr_NoError;
    DnssdOperation *operation = DnssdOperation::connect(error);
    if (!operation)
        return error;
    error = start(*operation);
    if (error != kDNSServiceErr_NoError) {
        delete operation;
        return error;
    }
    *sdRef = reinterpret_cast<DNSServiceRef>(operation);
    return kDNSServiceErr_NoError;
}

} // namespace

extern "C" {

DNSSD_EXPORT DNSServiceErrorType DNSSD_API DNSServiceCreateConnection(DNSServiceRef *sdRef)
{
    return startOperation(sdRef, [](DnssdOperation &) { return kDNSServiceErr_NoError; });
}

DNSSD_EXPORT dnssd_sock_t DNSSD_API DNSServiceRefSockFD(DNSServiceRef sdRef)
{
    return sdRef ? operationOf(sdRef)->socket() : -1;
}

DNSSD_EXPORT DNSServiceErrorType DNSSD_API DNSServiceProcessResult(DNSServiceRef sdRef)
{
    return sdRef ? operationOf(sdRef)->processResult() : kDNSServiceErr_BadReference;
}

DNSSD_EXPORT void DNSSD_API DNSServiceRefDeallocate(DNSServiceRef sdRef)
{
    delete operationOf(sdRef);
}

DNSSD_EXPORT DNSServiceErrorType DNSSD_API DNSServiceBrowse(DNSServiceRef *sdRef,
                                                            DNSServiceFlags,
                                                            uint32_t interfaceIndex,
                                                            const char *regtype,
                                                            const char *domain,
                                                            DNSServiceBrowseReply callBack,
                                                            void *context)
{
    return startOperation(sdRef, [&](DnssdOperation &operation) {
        return operation.browse(interfaceIndex, regtype, domain, callBack, context);
    });
}

DNSSD_EXPORT DNSServiceErrorType DNSSD_API DNSServiceResolve(DNSServiceRef *sdRef,
                                                             DNSServiceFlags,
                                                             uint32_t interfaceIndex,
                                                             const char *name,
                                                             const char *regtype,
                                                             const char *domain,
                                                             DNSServiceResolveReply callBack,
                                                             void *context)
{
    return startOperation(sdRef, [&](DnssdOperation &operation) {
        return operation.resolve(interfaceIndex, name, regtype, domain, callBack, context);
    });
}

DNSSD_EXPORT DNSServiceErrorType DNSSD_API
DNSServiceGetAddrInfo(DNSServiceRef *sdRef,
                      DNSServiceFlags flags,
                      uint32_t interfaceIndex,
                      DNSServiceProtocol protocol,
                      const char *hostname,
                      DNSServiceGetAddrInfoReply callBack,
                      void *context)
{
    return startOperation(sdRef, [&](DnssdOperation &operation) {
        return operation.lookUpAddress(
                flags, interfaceIndex, protocol, hostname, callBack, context);
    });
}

DNSSD_EXPORT DNSServiceErrorType DNSSD_API DNSServiceQueryRecord(DNSServiceRef *sdRef,
                                                                 DNSServiceFlags,
                                                                 uint32_t,
                                                                 const char *,
                                                                 uint16_t,
                                                                 uint16_t,
                                                                 DNSServiceQueryRecordReply,
                                                                 void *)
{
    if (sdRef)
        *sdRef = nullptr;
    return kDNSServiceErr_Unsupported;
}

DNSSD_EXPORT DNSServiceErrorType DNSSD_API DNSServiceRegister(DNSServiceRef *sdRef,
                                                              DNSServiceFlags,
                                                              uint32_t,
                                                              const char *,
                                                              const char *,
                                                              const char *,
                                                              const char *,
                                                              uint16_t,
                                                              uint16_t,
                                                              const void *,
                                                              DNSServiceRegisterReply,
                                                              void *)
{
    if (sdRef)
        *sdRef = nullptr;
    return kDNSServiceErr_Unsupported;
}

} // extern "C"
