// The one entry point the incomplete build of the double leaves out.

#include "dnssdapi.h"

extern "C" DNSSD_EXPORT DNSServiceErrorType DNSSD_API
DNSServiceQueryRecord(DNSServiceRef *sdRef,
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
