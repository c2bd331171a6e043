#pragma once

// One DNS-SD scan: the client library beside the program (and, when the system's responder
// service is not running, a responder of our own started beside it), one service type browsed
// with up to five attempts, every instance resolved and its IPv4 address looked up, and what
// the TXT records tell about the maker's devices. Everything runs on the calling thread; the
// scan blocks it.

#include "dnssdlibrary.h"
#include "process.h"
#include "stopflag.h"
#include "txtrecord.h"

#include <map>
#include <mutex>
#include <string>
#include <vector>

class DiscoveryContext
{
public:
    // Parallel lists, one entry per device of the maker found (notes apart).
    struct Results
    {
        std::vector<std::wstring> notes;
        std::vector<std::wstring> addresses;   // "a.b.c.d:port" once the address is known
        std::vector<std::wstring> identifiers; // TxtRecord::IdentifierPrefix + "VID_..."
        std::vector<std::wstring> serials;     // the identifier's text after its first ":"
        std::vector<std::wstring> models;
    };

    // directory (Windows form) holds the client library and the responder programs.
    explicit DiscoveryContext(const std::wstring &directory);
    // Releases every reference, unloads the library and ends the responder it started.
    ~DiscoveryContext();
    DiscoveryContext(const DiscoveryContext &) = delete;
    DiscoveryContext &operator=(const DiscoveryContext &) = delete;

    // Browses serviceType ("_privet._tcp,_twaindirect": a type with its subtype). Empty when
    // the library is unusable or every attempt failed. A raised stop flag ends the browse before
    // its next attempt and cuts its pause short.
    Results browse(const std::wstring &serviceType, const StopFlag *stop = nullptr);

    static constexpr int Attempts = 5;
    static constexpr int PauseMs = 500;
    // How often a pause looks at the stop flag.
    static constexpr int StopPollMs = 20;
    static constexpr int WaitMs = 1;
    static constexpr DNSServiceErrorType ServiceNotRunning = kDNSServiceErr_ServiceNotRunning;
    static const wchar_t *const ResponderService; // L"Bonjour Service"

private:
    struct Pending
    {
        DNSServiceRef ref;
        dnssd_sock_t socket;
    };
    enum class Attempt { Succeeded, Failed };

    Attempt runAttempt(const std::string &serviceType, const StopFlag *stop);
    Attempt waitForPending();
    void releaseOperations();
    void startResponder();
    void endResponder();
    bool addPending(DNSServiceRef ref);
    void finish(DNSServiceRef ref, DNSServiceFlags flags);

    static void DNSSD_API browseReply(DNSServiceRef ref,
                                      DNSServiceFlags flags,
                                      uint32_t interfaceIndex,
                                      DNSServiceErrorType error,
                                      const char *name,
                                      const char *type,
                                      const char *domain,
                                      void *context);
    static void DNSSD_API resolveReply(DNSServiceRef ref,
                                       DNSServiceFlags flags,
                                       uint32_t interfaceIndex,
                                       DNSServiceErrorType error,
                                       const char *fullName,
                                       const char *host,
                                       uint16_t port,
                                       uint16_t txtLength,
                                       const unsigned char *txt,
                                       void *context);
    static void DNSSD_API addressReply(DNSServiceRef ref,
                                       DNSServiceFlags flags,
                                       uint32_t interfaceIndex,
                                       DNSServiceErrorType error,
                                       const char *host,
                                       const sockaddr *address,
                                       uint32_t ttl,
                                       void *context);

    std::wstring m_responderCommand;
    DnssdLibrary m_library;
    sys::Process m_responder;
    bool m_responderStarted = false;

    // Guards what the callbacks change. They run inside processResult on this thread, so it is
    // never held across a library call that delivers results.
    std::mutex m_lock;
    std::vector<Pending> m_pending;
    std::vector<DNSServiceRef> m_operations; // every reference of the attempt, to deallocate
    std::map<DNSServiceRef, uint32_t> m_addressLookups; // reference -> its number
    uint32_t m_lastLookup = 0;
    TxtRecord::Findings m_findings;
};
