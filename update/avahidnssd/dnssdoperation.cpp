#include "dnssdoperation.h"

#include <avahi-client/client.h>
#include <avahi-client/lookup.h>
#include <avahi-common/domain.h>
#include <avahi-common/error.h>
#include <avahi-common/simple-watch.h>
#include <avahi-common/strlst.h>

#include <algorithm>
#include <arpa/inet.h>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <netinet/in.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// DNS-SD names end in a dot ("_ipp._tcp.", "local."); Avahi's do not.
std::string withoutTrailingDot(const char *text)
{
    std::string result = text ? text : "";
    while (!result.empty() && result.back() == '.')
        result.pop_back();
    return result;
}

std::string withTrailingDot(const char *text)
{
    std::string result = text ? text : "";
    if (result.empty() || result.back() != '.')
        result += '.';
    return result;
}

AvahiIfIndex avahiInterface(uint32_t interfaceIndex)
{
    // 0 is "any" to DNS-SD; the special local-only and peer-to-peer indexes mean nothing here.
    if (interfaceIndex == 0 || interfaceIndex > 0x7FFFFFFF)
        return AVAHI_IF_UNSPEC;
    return static_cast<AvahiIfIndex>(interfaceIndex);
}

// "_privet._tcp,_twaindirect" -> "_twaindirect._sub._privet._tcp"; false for more than one
// subtype, which a browse cannot express.
bool avahiBrowseType(const char *regtype, std::string &type)
{
    const std::string text = regtype ? regtype : "";
    const size_t comma = text.find(',');
    if (comma == std::string::npos) {
        type = withoutTrailingDot(text.c_str());
        return !type.empty();
    }
    const std::string base = withoutTrailingDot(text.substr(0, comma).c_str());
    const std::string subtype = text.substr(comma + 1);
    if (base.empty() || subtype.empty() || subtype.find(',') != std::string::npos)
        return false;
    type = subtype + "._sub." + base;
    return true;
}

// The TXT record as DNS-SD hands it out: length-prefixed entries in the order announced, which
// is the order of the resolver's list (avahi_string_list_serialize would reverse it).
std::string wireTxt(AvahiStringList *txt)
{
    std::string wire;
    for (AvahiStringList *entry = txt; entry; entry = avahi_string_list_get_next(entry)) {
        const size_t size = std::min<size_t>(avahi_string_list_get_size(entry), 255);
        wire += static_cast<char>(size);
        wire.append(reinterpret_cast<const char *>(avahi_string_list_get_text(entry)), size);
    }
    return wire;
}

} // namespace

struct AvahiEvents
{
    static void client(AvahiClient *, AvahiClientState state, void *self)
    {
        auto *operation = static_cast<DnssdOperation *>(self);
        if (state != AVAHI_CLIENT_FAILURE || operation->m_kind == DnssdOperation::Kind::Connection)
            return;
        DnssdOperation::Reply reply;
        reply.error = kDNSServiceErr_ServiceNotRunning;
        operation->queue(reply);
        operation->m_settled = true;
    }

    static void browse(AvahiServiceBrowser *,
                       AvahiIfIndex interface,
                       AvahiProtocol,
                       AvahiBrowserEvent event,
                       const char *name,
                       const char *type,
                       const char *domain,
                       AvahiLookupResultFlags,
                       void *self)
    {
        auto *operation = static_cast<DnssdOperation *>(self);
        switch (event) {
        case AVAHI_BROWSER_NEW:
        case AVAHI_BROWSER_REMOVE: {
            const std::string key = std::to_string(interface) + '\n' + (name ? name : "") + '\n'
                                    + (type ? type : "") + '\n' + (domain ? domain : "");
            int &seen = operation->m_instances[key];
            seen += event == AVAHI_BROWSER_NEW ? 1 : -1;
            // The first protocol to bring an instance adds it, the last to lose it removes it.
            if (event == AVAHI_BROWSER_NEW ? seen != 1 : seen != 0)
                return;
            if (seen == 0)
                operation->m_instances.erase(key);
            DnssdOperation::Reply reply;
            reply.flags = event == AVAHI_BROWSER_NEW ? kDNSServiceFlagsAdd : 0u;
            reply.interfaceIndex = interface < 0 ? 0 : static_cast<uint32_t>(interface);
            reply.name = name ? name : "";
            reply.type = withTrailingDot(type);
            reply.domain = withTrailingDot(domain);
            operation->queue(reply);
            break;
        }
        case AVAHI_BROWSER_ALL_FOR_NOW:
            if (!operation->m_settled && operation->m_replies.empty()) {
                DnssdOperation::Reply reply;
                reply.error = kDNSServiceErr_NoSuchName;
                operation->queue(reply);
            }
            operation->m_settled = true;
            break;
        case AVAHI_BROWSER_FAILURE: {
            DnssdOperation::Reply reply;
            reply.error = kDNSServiceErr_Unknown;
            operation->queue(reply);
            operation->m_settled = true;
            break;
        }
        case AVAHI_BROWSER_CACHE_EXHAUSTED:
            break;
        }
    }

    static void resolve(AvahiServiceResolver *,
                        AvahiIfIndex interface,
                        AvahiProtocol,
                        AvahiResolverEvent event,
                        const char *name,
                        const char *type,
                        const char *domain,
                        const char *host,
                        const AvahiAddress *,
                        uint16_t port,
                        AvahiStringList *txt,
                        AvahiLookupResultFlags,
                        void *self)
    {
        auto *operation = static_cast<DnssdOperation *>(self);
        DnssdOperation::Reply reply;
        reply.interfaceIndex = interface < 0 ? 0 : static_cast<uint32_t>(interface);
        if (event == AVAHI_RESOLVER_FOUND) {
            char fullName[AVAHI_DOMAIN_NAME_MAX];
            if (avahi_service_name_join(fullName, sizeof(fullName), name, type, domain) == 0)
                reply.name = withTrailingDot(fullName);
            reply.host = withTrailingDot(host);
            reply.port = htons(port);
            reply.txt = wireTxt(txt);
        } else {
            reply.error = kDNSServiceErr_NoSuchName;
        }
        operation->queue(reply);
        operation->m_settled = true;
    }

    static void address(AvahiHostNameResolver *,
                        AvahiIfIndex interface,
                        AvahiProtocol,
                        AvahiResolverEvent event,
                        const char *name,
                        const AvahiAddress *address,
                        AvahiLookupResultFlags,
                        void *self)
    {
        auto *operation = static_cast<DnssdOperation *>(self);
        DnssdOperation::Reply reply;
        reply.interfaceIndex = interface < 0 ? 0 : static_cast<uint32_t>(interface);
        reply.host = withTrailingDot(name);
        if (event == AVAHI_RESOLVER_FOUND && address && address->proto == AVAHI_PROTO_INET) {
            sockaddr_in ipv4{};
            ipv4.sin_family = AF_INET;
            ipv4.sin_addr.s_addr = address->data.ipv4.address;
            std::memcpy(reply.address, &ipv4, sizeof(ipv4));
            reply.hasAddress = true;
            reply.flags = kDNSServiceFlagsAdd;
        } else {
            reply.error = operation->m_timeoutFlag ? kDNSServiceErr_Timeout
                                                   : kDNSServiceErr_NoSuchRecord;
        }
        operation->queue(reply);
        operation->m_settled = true;
    }
};

DnssdOperation *DnssdOperation::connect(DNSServiceErrorType &error)
{
    auto *operation = new DnssdOperation;
    operation->m_eventFd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    operation->m_poll = avahi_simple_poll_new();
    if (operation->m_eventFd < 0 || !operation->m_poll) {
        delete operation;
        error = kDNSServiceErr_NoMemory;
        return nullptr;
    }
    int avahiError = 0;
    operation->m_client = avahi_client_new(avahi_simple_poll_get(operation->m_poll),
                                           AvahiClientFlags(0),
                                           &AvahiEvents::client,
                                           operation,
                                           &avahiError);
    if (!operation->m_client) {
        delete operation;
        error = avahiError == AVAHI_ERR_NO_DAEMON || avahiError == AVAHI_ERR_DBUS_ERROR
                        ? kDNSServiceErr_ServiceNotRunning
                        : kDNSServiceErr_Unknown;
        return nullptr;
    }
    error = kDNSServiceErr_NoError;
    return operation;
}

DnssdOperation::~DnssdOperation()
{
    if (m_browser)
        avahi_service_browser_free(m_browser);
    if (m_resolver)
        avahi_service_resolver_free(m_resolver);
    if (m_hostResolver)
        avahi_host_name_resolver_free(m_hostResolver);
    if (m_client)
        avahi_client_free(m_client);
    if (m_poll)
        avahi_simple_poll_free(m_poll);
    if (m_eventFd >= 0)
        ::close(m_eventFd);
}

DNSServiceErrorType DnssdOperation::browse(uint32_t interfaceIndex,
                                           const char *regtype,
                                           const char *domain,
                                           DNSServiceBrowseReply callback,
                                           void *context)
{
    std::string type;
    if (!callback || !avahiBrowseType(regtype, type))
        return kDNSServiceErr_BadParam;
    m_kind = Kind::Browse;
    m_callback = reinterpret_cast<void *>(callback);
    m_context = context;
    const std::string avahiDomain = withoutTrailingDot(domain);
    m_browser = avahi_service_browser_new(m_client,
                                          avahiInterface(interfaceIndex),
                                          AVAHI_PROTO_UNSPEC,
                                          type.c_str(),
                                          avahiDomain.empty() ? nullptr : avahiDomain.c_str(),
                                          AvahiLookupFlags(0),
                                          &AvahiEvents::browse,
                                          this);
    if (!m_browser)
        return kDNSServiceErr_Unknown;
    settle(BrowseSettleMs);
    return kDNSServiceErr_NoError;
}

DNSServiceErrorType DnssdOperation::resolve(uint32_t interfaceIndex,
                                            const char *name,
                                            const char *regtype,
                                            const char *domain,
                                            DNSServiceResolveReply callback,
                                            void *context)
{
    if (!callback || !name || !regtype)
        return kDNSServiceErr_BadParam;
    m_kind = Kind::Resolve;
    m_callback = reinterpret_cast<void *>(callback);
    m_context = context;
    const std::string type = withoutTrailingDot(regtype);
    const std::string avahiDomain = withoutTrailingDot(domain);
    m_resolver = avahi_service_resolver_new(m_client,
                                            avahiInterface(interfaceIndex),
                                            AVAHI_PROTO_UNSPEC,
                                            name,
                                            type.c_str(),
                                            avahiDomain.empty() ? nullptr : avahiDomain.c_str(),
                                            AVAHI_PROTO_UNSPEC,
                                            AvahiLookupFlags(0),
                                            &AvahiEvents::resolve,
                                            this);
    if (!m_resolver)
        return kDNSServiceErr_Unknown;
    settle(FirstAnswerMs);
    return kDNSServiceErr_NoError;
}

DNSServiceErrorType DnssdOperation::lookUpAddress(DNSServiceFlags flags,
                                                  uint32_t interfaceIndex,
                                                  DNSServiceProtocol protocol,
                                                  const char *hostname,
                                                  DNSServiceGetAddrInfoReply callback,
                                                  void *context)
{
    if (!callback || !hostname)
        return kDNSServiceErr_BadParam;
    m_kind = Kind::Address;
    m_callback = reinterpret_cast<void *>(callback);
    m_context = context;
    m_timeoutFlag = (flags & kDNSServiceFlagsTimeout) != 0;
    AvahiProtocol family = AVAHI_PROTO_UNSPEC;
    if (protocol == kDNSServiceProtocol_IPv4)
        family = AVAHI_PROTO_INET;
    else if (protocol == kDNSServiceProtocol_IPv6)
        family = AVAHI_PROTO_INET6;
    const std::string host = withoutTrailingDot(hostname);
    m_hostResolver = avahi_host_name_resolver_new(m_client,
                                                  avahiInterface(interfaceIndex),
                                                  AVAHI_PROTO_UNSPEC,
                                                  host.c_str(),
                                                  family,
                                                  AvahiLookupFlags(0),
                                                  &AvahiEvents::address,
                                                  this);
    if (!m_hostResolver)
        return kDNSServiceErr_Unknown;
    settle(FirstAnswerMs);
    return kDNSServiceErr_NoError;
}

void DnssdOperation::settle(int timeoutMs)
{
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!m_settled) {
        const auto left
                = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            break;
        if (avahi_simple_poll_iterate(m_poll, static_cast<int>(left.count()) + 1) != 0)
            break;
    }
    if (m_settled)
        return;
    m_settled = true;
    // Nothing in time: a browse hands out what it has (or that it found nothing); a lookup
    // reports its time-out rather than keep the caller waiting for good.
    if (m_kind == Kind::Browse && !m_replies.empty())
        return;
    Reply reply;
    reply.error = m_kind == Kind::Browse ? kDNSServiceErr_NoSuchName : kDNSServiceErr_Timeout;
    queue(reply);
}

void DnssdOperation::pumpOnce(int timeoutMs)
{
    avahi_simple_poll_iterate(m_poll, timeoutMs);
}

void DnssdOperation::queue(const Reply &reply)
{
    m_replies.push_back(reply);
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(m_eventFd, &one, sizeof(one));
}

DNSServiceErrorType DnssdOperation::processResult()
{
    if (m_kind == Kind::Connection) {
        pumpOnce(0);
        return kDNSServiceErr_NoError;
    }
    pumpOnce(0);
    while (m_replies.empty()) {
        if (avahi_simple_poll_iterate(m_poll, -1) != 0)
            return kDNSServiceErr_Unknown;
    }
    Reply reply = std::move(m_replies.front());
    m_replies.pop_front();
    if (m_replies.empty()) {
        uint64_t count = 0;
        [[maybe_unused]] const ssize_t read = ::read(m_eventFd, &count, sizeof(count));
    }
    deliver(std::move(reply), !m_replies.empty());
    return kDNSServiceErr_NoError;
}

void DnssdOperation::deliver(Reply reply, bool moreComing)
{
    const DNSServiceFlags flags = reply.flags | (moreComing ? kDNSServiceFlagsMoreComing : 0u);
    auto *ref = reinterpret_cast<DNSServiceRef>(this);
    switch (m_kind) {
    case Kind::Browse:
        reinterpret_cast<DNSServiceBrowseReply>(m_callback)(
                ref,
                flags,
                reply.interfaceIndex,
                reply.error,
                reply.error ? nullptr : reply.name.c_str(),
                reply.error ? nullptr : reply.type.c_str(),
                reply.error ? nullptr : reply.domain.c_str(),
                m_context);
        break;
    case Kind::Resolve:
        reinterpret_cast<DNSServiceResolveReply>(m_callback)(
                ref,
                flags,
                reply.interfaceIndex,
                reply.error,
                reply.error ? nullptr : reply.name.c_str(),
                reply.error ? nullptr : reply.host.c_str(),
                reply.port,
                static_cast<uint16_t>(std::min<size_t>(reply.txt.size(), UINT16_MAX)),
                reinterpret_cast<const unsigned char *>(reply.txt.data()),
                m_context);
        break;
    case Kind::Address:
        reinterpret_cast<DNSServiceGetAddrInfoReply>(m_callback)(
                ref,
                flags,
                reply.interfaceIndex,
                reply.error,
                reply.host.c_str(),
                reply.hasAddress ? reinterpret_cast<const sockaddr *>(reply.address) : nullptr,
                reply.hasAddress ? 120 : 0,
                m_context);
        break;
    case Kind::Connection:
        break;
    }
}
