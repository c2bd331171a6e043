#include "discoverycontext.h"

#include "dnssdnetwork.h"
#include "hostpath.h"
#include "process.h"
#include "services.h"
#include "sysinfo.h"

#include <algorithm>
#include <chrono>
#include <thread>

const wchar_t *const DiscoveryContext::ResponderService = L"Bonjour Service";

namespace {

void pauseAfterFailedAttempt(const StopFlag *stop)
{
    const auto end = std::chrono::steady_clock::now()
                     + std::chrono::milliseconds(DiscoveryContext::PauseMs);
    while (!stopRequested(stop)) {
        const auto now = std::chrono::steady_clock::now();
        if (now >= end)
            return;
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(
                end - now, std::chrono::milliseconds(DiscoveryContext::StopPollMs)));
    }
}

uint16_t fromNetworkOrder(uint16_t port)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(&port);
    return static_cast<uint16_t>(bytes[0] << 8 | bytes[1]);
}

} // namespace

DiscoveryContext::DiscoveryContext(const std::wstring &directory)
{
    // Quoted: the program's folder may hold blanks ("C:\Program Files\..."), which an unquoted
    // command line would cut at the first one.
    const wchar_t *responder
            = sys::is64BitWindows() ? L"64mDNSResponder.exe" : L"32mDNSResponder.exe";
    m_responderCommand = sys::quoteArgument(directory + L"\\" + responder) + L" -server";
    if (!m_library.load(directory))
        return;
    if (!sys::isServiceRunning(ResponderService))
        startResponder();
}

DiscoveryContext::~DiscoveryContext()
{
    releaseOperations();
    m_library.unload();
    endResponder();
}

DiscoveryContext::Results DiscoveryContext::browse(const std::wstring &serviceType,
                                                   const StopFlag *stop)
{
    Results results;
    if (!m_library.usable())
        return results;
    const std::string type = sys::toUtf8(serviceType);
    for (int attempt = 0; attempt < Attempts && !stopRequested(stop); ++attempt) {
        if (runAttempt(type, stop) == Attempt::Failed)
            continue;
        std::lock_guard<std::mutex> guard(m_lock);
        results.notes = std::move(m_findings.notes);
        results.addresses = std::move(m_findings.addresses);
        results.identifiers = std::move(m_findings.identifiers);
        results.models = std::move(m_findings.models);
        for (const std::wstring &identifier : results.identifiers) {
            const size_t colon = identifier.find(L':');
            results.serials.push_back(colon == std::wstring::npos ? identifier
                                                                  : identifier.substr(colon + 1));
        }
        break;
    }
    return results;
}

DiscoveryContext::Attempt DiscoveryContext::runAttempt(const std::string &serviceType,
                                                       const StopFlag *stop)
{
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_findings = {};
    }
    DNSServiceRef browseRef = nullptr;
    const DNSServiceErrorType error = m_library.browse(
            &browseRef, 0, 0, serviceType.c_str(), nullptr, &DiscoveryContext::browseReply, this);
    if (error == ServiceNotRunning) {
        endResponder();
        if (!sys::isServiceRunning(ResponderService))
            startResponder();
    }
    if (error != kDNSServiceErr_NoError) {
        pauseAfterFailedAttempt(stop);
        return Attempt::Failed;
    }
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_operations.push_back(browseRef);
    }
    if (!addPending(browseRef)) {
        releaseOperations();
        pauseAfterFailedAttempt(stop);
        return Attempt::Failed;
    }
    const Attempt attempt = waitForPending();
    if (attempt == Attempt::Failed)
        pauseAfterFailedAttempt(stop);
    releaseOperations();
    return attempt;
}

DiscoveryContext::Attempt DiscoveryContext::waitForPending()
{
    for (;;) {
        std::vector<Pending> pending;
        {
            std::lock_guard<std::mutex> guard(m_lock);
            pending = m_pending;
        }
        if (pending.empty())
            return Attempt::Succeeded;
        if (pending.size() > DnssdNetwork::MaxSockets)
            pending.resize(DnssdNetwork::MaxSockets);
        std::vector<dnssd_sock_t> sockets;
        for (const Pending &operation : pending)
            sockets.push_back(operation.socket);
        std::vector<bool> readable;
        switch (DnssdNetwork::waitReadable(sockets, WaitMs, readable)) {
        case DnssdNetwork::WaitResult::Interrupted:
            continue;
        case DnssdNetwork::WaitResult::Failed:
        case DnssdNetwork::WaitResult::TimedOut:
            return Attempt::Failed;
        case DnssdNetwork::WaitResult::Readable:
            break;
        }
        for (size_t i = 0; i < pending.size(); ++i) {
            if (!readable[i])
                continue;
            // A connection the library can no longer read stays readable for good: give up
            // the attempt rather than spin on it.
            if (m_library.processResult(pending[i].ref) != kDNSServiceErr_NoError)
                return Attempt::Failed;
        }
    }
}

bool DiscoveryContext::addPending(DNSServiceRef ref)
{
    const dnssd_sock_t socket = m_library.refSockFD(ref);
    if (socket == static_cast<dnssd_sock_t>(-1))
        return false;
    std::lock_guard<std::mutex> guard(m_lock);
    m_pending.push_back(Pending{ref, socket});
    return true;
}

void DiscoveryContext::finish(DNSServiceRef ref, DNSServiceFlags flags)
{
    if (flags & kDNSServiceFlagsMoreComing)
        return;
    m_pending.erase(std::remove_if(m_pending.begin(),
                                   m_pending.end(),
                                   [ref](const Pending &pending) { return pending.ref == ref; }),
                    m_pending.end());
}

void DiscoveryContext::releaseOperations()
{
    std::vector<DNSServiceRef> operations;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        operations.swap(m_operations);
        m_pending.clear();
        m_addressLookups.clear();
    }
    for (DNSServiceRef ref : operations)
        m_library.refDeallocate(ref);
}

void DiscoveryContext::startResponder()
{
    m_responderStarted = m_responder.start(m_responderCommand, {}, sys::ProcessFlags::NoWindow);
}

void DiscoveryContext::endResponder()
{
    if (!m_responderStarted)
        return;
    m_responder.terminate(0);
    m_responder.wait(5000);
    m_responder = sys::Process();
    m_responderStarted = false;
}

void DNSSD_API DiscoveryContext::browseReply(DNSServiceRef ref,
                                             DNSServiceFlags flags,
                                             uint32_t interfaceIndex,
                                             DNSServiceErrorType error,
                                             const char *name,
                                             const char *type,
                                             const char *domain,
                                             void *context)
{
    auto *self = static_cast<DiscoveryContext *>(context);
    std::lock_guard<std::mutex> guard(self->m_lock);
    if (error == kDNSServiceErr_NoError && (flags & kDNSServiceFlagsAdd) && name && type) {
        DNSServiceRef resolveRef = nullptr;
        if (self->m_library.resolve(&resolveRef,
                                    0,
                                    interfaceIndex,
                                    name,
                                    type,
                                    domain,
                                    &DiscoveryContext::resolveReply,
                                    self)
            == kDNSServiceErr_NoError) {
            self->m_operations.push_back(resolveRef);
            const dnssd_sock_t socket = self->m_library.refSockFD(resolveRef);
            if (socket != static_cast<dnssd_sock_t>(-1))
                self->m_pending.push_back(Pending{resolveRef, socket});
        }
    }
    self->finish(ref, flags);
}

void DNSSD_API DiscoveryContext::resolveReply(DNSServiceRef ref,
                                              DNSServiceFlags flags,
                                              uint32_t interfaceIndex,
                                              DNSServiceErrorType error,
                                              const char * /*fullName*/,
                                              const char *host,
                                              uint16_t port,
                                              uint16_t txtLength,
                                              const unsigned char *txt,
                                              void *context)
{
    auto *self = static_cast<DiscoveryContext *>(context);
    std::lock_guard<std::mutex> guard(self->m_lock);
    if (error == kDNSServiceErr_NoError) {
        uint32_t lookup = 0;
        DNSServiceRef addressRef = nullptr;
        if (host && DnssdNetwork::interfaceExists(interfaceIndex)
            && self->m_library.getAddrInfo(&addressRef,
                                           kDNSServiceFlagsTimeout,
                                           interfaceIndex,
                                           kDNSServiceProtocol_IPv4,
                                           host,
                                           &DiscoveryContext::addressReply,
                                           self)
                       == kDNSServiceErr_NoError) {
            self->m_operations.push_back(addressRef);
            lookup = ++self->m_lastLookup;
            self->m_addressLookups[addressRef] = lookup;
            const dnssd_sock_t socket = self->m_library.refSockFD(addressRef);
            if (socket != static_cast<dnssd_sock_t>(-1))
                self->m_pending.push_back(Pending{addressRef, socket});
        }
        TxtRecord::read(txt, txtLength, lookup, fromNetworkOrder(port), self->m_findings);
    }
    self->finish(ref, flags);
}

void DNSSD_API DiscoveryContext::addressReply(DNSServiceRef ref,
                                              DNSServiceFlags flags,
                                              uint32_t /*interfaceIndex*/,
                                              DNSServiceErrorType error,
                                              const char * /*host*/,
                                              const sockaddr *address,
                                              uint32_t /*ttl*/,
                                              void *context)
{
    auto *self = static_cast<DiscoveryContext *>(context);
    std::lock_guard<std::mutex> guard(self->m_lock);
    const auto lookup = self->m_addressLookups.find(ref);
    if (error == kDNSServiceErr_NoError && (flags & kDNSServiceFlagsAdd)
        && lookup != self->m_addressLookups.end()) {
        const std::wstring dotted = DnssdNetwork::ipv4Text(address);
        const std::wstring key = TxtRecord::lookupKey(lookup->second) + L":";
        for (std::wstring &entry : self->m_findings.addresses) {
            if (!dotted.empty() && entry.compare(0, key.size(), key) == 0)
                entry = dotted + entry.substr(key.size() - 1);
        }
    }
    self->finish(ref, flags);
}
