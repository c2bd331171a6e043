#pragma once

// The DNS-SD client library's C interface as far as this program uses it: types, flags, error
// codes and the nine entry points looked up by name. Our own declaration, written after the
// API's public documentation; the Linux library (update/avahidnssd) and the test double
// implement it. What differs per platform (calling convention, socket type) comes from
// dnssdplatform.h, chosen by the build.

#include "dnssdplatform.h"

#include <cstdint>

extern "C" {

struct sockaddr;

typedef struct _DNSServiceRef_t *DNSServiceRef;
typedef uint32_t DNSServiceFlags;
typedef uint32_t DNSServiceProtocol;
typedef int32_t DNSServiceErrorType;

enum : DNSServiceFlags {
    kDNSServiceFlagsMoreComing = 0x1,
    kDNSServiceFlagsAdd = 0x2,
    kDNSServiceFlagsShareConnection = 0x4000,
    kDNSServiceFlagsTimeout = 0x10000,
};

enum : DNSServiceProtocol {
    kDNSServiceProtocol_IPv4 = 0x01,
    kDNSServiceProtocol_IPv6 = 0x02,
};

enum : DNSServiceErrorType {
    kDNSServiceErr_NoError = 0,
    kDNSServiceErr_Unknown = -65537,
    kDNSServiceErr_NoSuchName = -65538,
    kDNSServiceErr_NoMemory = -65539,
    kDNSServiceErr_BadParam = -65540,
    kDNSServiceErr_BadReference = -65541,
    kDNSServiceErr_Unsupported = -65544,
    kDNSServiceErr_NoSuchRecord = -65554,
    kDNSServiceErr_ServiceNotRunning = -65563,
    kDNSServiceErr_Timeout = -65568,
};

typedef void(DNSSD_API *DNSServiceBrowseReply)(DNSServiceRef sdRef,
                                               DNSServiceFlags flags,
                                               uint32_t interfaceIndex,
                                               DNSServiceErrorType errorCode,
                                               const char *serviceName,
                                               const char *regtype,
                                               const char *replyDomain,
                                               void *context);

// port in network byte order; txtRecord: length-prefixed entries.
typedef void(DNSSD_API *DNSServiceResolveReply)(DNSServiceRef sdRef,
                                                DNSServiceFlags flags,
                                                uint32_t interfaceIndex,
                                                DNSServiceErrorType errorCode,
                                                const char *fullname,
                                                const char *hosttarget,
                                                uint16_t port,
                                                uint16_t txtLen,
                                                const unsigned char *txtRecord,
                                                void *context);

typedef void(DNSSD_API *DNSServiceGetAddrInfoReply)(DNSServiceRef sdRef,
                                                    DNSServiceFlags flags,
                                                    uint32_t interfaceIndex,
                                                    DNSServiceErrorType errorCode,
                                                    const char *hostname,
                                                    const struct sockaddr *address,
                                                    uint32_t ttl,
                                                    void *context);

typedef void(DNSSD_API *DNSServiceQueryRecordReply)(DNSServiceRef sdRef,
                                                    DNSServiceFlags flags,
                                                    uint32_t interfaceIndex,
                                                    DNSServiceErrorType errorCode,
                                                    const char *fullname,
                                                    uint16_t rrtype,
                                                    uint16_t rrclass,
                                                    uint16_t rdlen,
                                                    const void *rdata,
                                                    uint32_t ttl,
                                                    void *context);

typedef void(DNSSD_API *DNSServiceRegisterReply)(DNSServiceRef sdRef,
                                                 DNSServiceFlags flags,
                                                 DNSServiceErrorType errorCode,
                                                 const char *name,
                                                 const char *regtype,
                                                 const char *domain,
                                                 void *context);

// The nine entry points, which the libraries define and the program looks up by name.
DNSSD_EXPORT DNSServiceErrorType DNSSD_API DNSServiceBrowse(DNSServiceRef *sdRef,
                                                            DNSServiceFlags flags,
                                                            uint32_t interfaceIndex,
                                                            const char *regtype,
                                                            const char *domain,
                                                            DNSServiceBrowseReply callBack,
                                                            void *context);
DNSSD_EXPORT DNSServiceErrorType DNSSD_API DNSServiceCreateConnection(DNSServiceRef *sdRef);
DNSSD_EXPORT DNSServiceErrorType DNSSD_API DNSServiceProcessResult(DNSServiceRef sdRef);
DNSSD_EXPORT void DNSSD_API DNSServiceRefDeallocate(DNSServiceRef sdRef);
DNSSD_EXPORT dnssd_sock_t DNSSD_API DNSServiceRefSockFD(DNSServiceRef sdRef);
DNSSD_EXPORT DNSServiceErrorType DNSSD_API DNSServiceResolve(DNSServiceRef *sdRef,
                                                             DNSServiceFlags flags,
                                                             uint32_t interfaceIndex,
                                                             const char *name,
                                                             const char *regtype,
                                                             const char *domain,
                                                             DNSServiceResolveReply callBack,
                                                             void *context);
DNSSD_EXPORT DNSServiceErrorType DNSSD_API
DNSServiceQueryRecord(DNSServiceRef *sdRef,
                      DNSServiceFlags flags,
                      uint32_t interfaceIndex,
                      const char *fullname,
                      uint16_t rrtype,
                      uint16_t rrclass,
                      DNSServiceQueryRecordReply callBack,
                      void *context);
DNSSD_EXPORT DNSServiceErrorType DNSSD_API DNSServiceRegister(DNSServiceRef *sdRef,
                                                              DNSServiceFlags flags,
                                                              uint32_t interfaceIndex,
                                                              const char *name,
                                                              const char *regtype,
                                                              const char *domain,
                                                              const char *host,
                                                              uint16_t port,
                                                              uint16_t txtLen,
                                                              const void *txtRecord,
                                                              DNSServiceRegisterReply callBack,
                                                              void *context);
DNSSD_EXPORT DNSServiceErrorType DNSSD_API
DNSServiceGetAddrInfo(DNSServiceRef *sdRef,
                      DNSServiceFlags flags,
                      uint32_t interfaceIndex,
                      DNSServiceProtocol protocol,
                      const char *hostname,
                      DNSServiceGetAddrInfoReply callBack,
                      void *context);
}

// Their pointer types, for the lookup.
using DNSServiceBrowseFn = decltype(&DNSServiceBrowse);
using DNSServiceCreateConnectionFn = decltype(&DNSServiceCreateConnection);
using DNSServiceProcessResultFn = decltype(&DNSServiceProcessResult);
using DNSServiceRefDeallocateFn = decltype(&DNSServiceRefDeallocate);
using DNSServiceRefSockFDFn = decltype(&DNSServiceRefSockFD);
using DNSServiceResolveFn = decltype(&DNSServiceResolve);
using DNSServiceQueryRecordFn = decltype(&DNSServiceQueryRecord);
using DNSServiceRegisterFn = decltype(&DNSServiceRegister);
using DNSServiceGetAddrInfoFn = decltype(&DNSServiceGetAddrInfo);
