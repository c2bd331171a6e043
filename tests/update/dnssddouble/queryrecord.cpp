// The one entry point the incomplete build of the double leaves out. Like every other request
// the double does not answer from its fixture, it is accepted and stays silent.

#include "dnssddouble.h"

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
    return startOperation(sdRef, "query record");
}
