#pragma once

// One DNS-SD operation (what a DNSServiceRef stands for) on Avahi: a client connection of its
// own to avahi-daemon, driven by Avahi's simple poll from the calls below on the caller's
// thread, and an eventfd as the reference's socket, readable while replies wait.
//
// Callers of the DNS-SD interface commonly wait on the socket only briefly; so each operation
// collects its first answers before its start call returns (a browse: until Avahi reports the
// cache read and the first queries answered; a resolve or address lookup: until found, or at
// most FirstAnswerMs, after which the lookup reports a time-out). Replies are handed out one
// per processResult(), the last of a batch without kDNSServiceFlagsMoreComing. A browse that
// finds nothing for now reports kDNSServiceErr_NoSuchName once, so that nobody waits for an
// answer that will not come.

#include "dnssdapi.h"

#include <deque>
#include <map>
#include <string>

struct AvahiClient;
struct AvahiSimplePoll;
struct AvahiServiceBrowser;
struct AvahiServiceResolver;
struct AvahiHostNameResolver;

class DnssdOperation
{
public:
    static constexpr int FirstAnswerMs = 2000;
    static constexpr int BrowseSettleMs = 3000;

    // A connected operation, or nullptr with the error (kDNSServiceErr_ServiceNotRunning when
    // avahi-daemon cannot be reached).
    static DnssdOperation *connect(DNSServiceErrorType &error);
    ~DnssdOperation();
    DnssdOperation(const DnssdOperation &) = delete;
    DnssdOperation &operator=(const DnssdOperation &) = delete;

    // regtype may carry one subtype after a comma ("_privet._tcp,_twaindirect").
    DNSServiceErrorType browse(uint32_t interfaceIndex,
                               const char *regtype,
                               const char *domain,
                               DNSServiceBrowseReply callback,
                               void *context);
    DNSServiceErrorType resolve(uint32_t interfaceIndex,
                                const char *name,
                                const char *regtype,
                                const char *domain,
                                DNSServiceResolveReply callback,
                                void *context);
    DNSServiceErrorType lookUpAddress(DNSServiceFlags flags,
                                      uint32_t interfaceIndex,
                                      DNSServiceProtocol protocol,
                                      const char *hostname,
                                      DNSServiceGetAddrInfoReply callback,
                                      void *context);

    int socket() const { return m_eventFd; }
    // Hands out the next reply, waiting for one when none is queued. The callback runs last:
    // it may deallocate this operation.
    DNSServiceErrorType processResult();

private:
    struct Reply
    {
        DNSServiceFlags flags = 0;
        uint32_t interfaceIndex = 0;
        DNSServiceErrorType error = kDNSServiceErr_NoError;
        std::string name; // browse: instance; resolve: full name; address: host
        std::string type;
        std::string domain;
        std::string host;
        uint16_t port = 0; // network byte order
        std::string txt;
        unsigned char address[16] = {}; // sockaddr_in
        bool hasAddress = false;
    };
    enum class Kind { Connection, Browse, Resolve, Address };

    DnssdOperation() = default;
    void queue(const Reply &reply);
    // Runs the poll until the first answers are in or timeoutMs passed.
    void settle(int timeoutMs);
    void pumpOnce(int timeoutMs);
    void deliver(Reply reply, bool moreComing);

    friend struct AvahiEvents; // Avahi's callbacks, with Avahi's own types

    Kind m_kind = Kind::Connection;
    AvahiSimplePoll *m_poll = nullptr;
    AvahiClient *m_client = nullptr;
    AvahiServiceBrowser *m_browser = nullptr;
    AvahiServiceResolver *m_resolver = nullptr;
    AvahiHostNameResolver *m_hostResolver = nullptr;
    int m_eventFd = -1;
    bool m_settled = false;
    bool m_timeoutFlag = false;
    void *m_callback = nullptr;
    void *m_context = nullptr;
    std::deque<Reply> m_replies;
    // Instances seen per protocol: Avahi reports one per IPv4/IPv6, DNS-SD one per interface.
    std::map<std::string, int> m_instances;
};
