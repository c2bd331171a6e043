// A DNS-SD client library for tests: it answers from "dnssd-double.txt" in its own folder and
// notes every call in "dnssd-double.log" there. Replies wait behind a real socket, so a
// caller's select() sees them. Fixture lines, fields separated by tabs, "#" for comments:
//
//   browse-error CODE [without-responder]
//       browse fails with CODE (with without-responder: only while no stand-in responder
//       holds its lock in this folder)
//   instance TYPE NAME INTERFACE HOST PORT ADDRESS TXT...
//       an instance that a browse of TYPE (as the caller writes it) reports; its resolve
//       answers HOST, PORT and the TXT entries, its address lookup ADDRESS. HOST "-": the
//       resolve never answers; ADDRESS "-": the lookup times out.
//
// A browse that finds no instance never answers, as a real responder on a quiet network.

#include "dnssddouble.h"
#include "doubleplatform.h"

#include <cstring>
#include <deque>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <cstdlib>

struct _DNSServiceRef_t
{
    doubleplatform::SocketPair sockets{};
    // Each reply runs the caller's callback with the flags it is delivered with.
    std::deque<std::function<void(DNSServiceRef, DNSServiceFlags)>> replies;
};

namespace {

struct Instance
{
    std::string type;
    std::string name;
    uint32_t interfaceIndex = 0;
    std::string host;
    uint16_t port = 0;
    std::string address;
    std::vector<std::string> txt;
};

struct Fixture
{
    bool browseFails = false;
    DNSServiceErrorType browseError = 0;
    bool onlyWithoutResponder = false;
    std::vector<Instance> instances;
};

std::vector<std::string> fields(const std::string &line)
{
    std::vector<std::string> result;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, '\t'))
        result.push_back(field);
    return result;
}

Fixture readFixture()
{
    Fixture fixture;
    std::ifstream in(doubleplatform::moduleFolder() / "dnssd-double.txt");
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::vector<std::string> f = fields(line);
        if (f.empty() || f[0].empty() || f[0][0] == '#')
            continue;
        if (f[0] == "browse-error" && f.size() >= 2) {
            fixture.browseFails = true;
            fixture.browseError = std::atoi(f[1].c_str());
            fixture.onlyWithoutResponder = f.size() >= 3 && f[2] == "without-responder";
        } else if (f[0] == "instance" && f.size() >= 7) {
            Instance instance;
            instance.type = f[1];
            instance.name = f[2];
            instance.interfaceIndex
                    = static_cast<uint32_t>(std::strtoul(f[3].c_str(), nullptr, 10));
            instance.host = f[4];
            instance.port = static_cast<uint16_t>(std::atoi(f[5].c_str()));
            instance.address = f[6];
            instance.txt.assign(f.begin() + 7, f.end());
            fixture.instances.push_back(instance);
        }
    }
    return fixture;
}

void note(const std::string &line)
{
    std::ofstream(doubleplatform::moduleFolder() / "dnssd-double.log", std::ios::app)
            << line << '\n';
}

std::string withoutDot(const char *text)
{
    std::string result = text ? text : "";
    if (!result.empty() && result.back() == '.')
        result.pop_back();
    return result;
}

} // namespace

DNSServiceErrorType startOperation(DNSServiceRef *sdRef, const std::string &what)
{
    auto *ref = new _DNSServiceRef_t;
    if (!doubleplatform::makeSocketPair(ref->sockets)) {
        delete ref;
        return kDNSServiceErr_Unknown;
    }
    *sdRef = ref;
    note("start " + what);
    return kDNSServiceErr_NoError;
}

namespace {

void queue(DNSServiceRef ref, std::function<void(DNSServiceRef, DNSServiceFlags)> reply)
{
    ref->replies.push_back(std::move(reply));
    doubleplatform::signal(ref->sockets);
}

uint16_t networkOrder(uint16_t port)
{
    uint16_t result;
    const unsigned char bytes[2]
            = {static_cast<unsigned char>(port >> 8), static_cast<unsigned char>(port & 0xFF)};
    std::memcpy(&result, bytes, 2);
    return result;
}

// sockaddr_in as both platforms lay it out: family, port, IPv4 address, padding.
struct Ipv4Address
{
    uint16_t family;
    uint16_t port;
    unsigned char address[4];
    unsigned char zero[8];
};

bool parseIpv4(const std::string &text, Ipv4Address &address)
{
    unsigned parts[4];
    char tail;
    if (std::sscanf(
                text.c_str(), "%u.%u.%u.%u%c", &parts[0], &parts[1], &parts[2], &parts[3], &tail)
        != 4)
        return false;
    address = Ipv4Address{2 /* AF_INET */, 0, {}, {}};
    for (int i = 0; i < 4; ++i) {
        if (parts[i] > 255)
            return false;
        address.address[i] = static_cast<unsigned char>(parts[i]);
    }
    return true;
}

} // namespace

extern "C" {

DNSSD_EXPORT DNSServiceErrorType DNSSD_API DNSServiceBrowse(DNSServiceRef *sdRef,
                                                            DNSServiceFlags,
                                                            uint32_t,
                                                            const char *regtype,
                                                            const char *,
                                                            DNSServiceBrowseReply callBack,
                                                            void *context)
{
    const Fixture fixture = readFixture();
    const std::string type = regtype ? regtype : "";
    if (fixture.browseFails
        && !(fixture.onlyWithoutResponder
             && doubleplatform::responderRunning(doubleplatform::moduleFolder()))) {
        note("refuse browse " + type + " " + std::to_string(fixture.browseError));
        return fixture.browseError;
    }
    const DNSServiceErrorType error = startOperation(sdRef, "browse " + type);
    if (error != kDNSServiceErr_NoError)
        return error;
    std::vector<Instance> found;
    for (const Instance &instance : fixture.instances) {
        if (instance.type == type)
            found.push_back(instance);
    }
    const std::string baseType = type.substr(0, type.find(',')) + ".";
    for (size_t i = 0; i < found.size(); ++i) {
        const bool last = i + 1 == found.size();
        const Instance instance = found[i];
        queue(*sdRef, [=](DNSServiceRef ref, DNSServiceFlags) {
            callBack(ref,
                     kDNSServiceFlagsAdd | (last ? 0u : kDNSServiceFlagsMoreComing),
                     instance.interfaceIndex,
                     kDNSServiceErr_NoError,
                     instance.name.c_str(),
                     baseType.c_str(),
                     "local.",
                     context);
        });
    }
    return kDNSServiceErr_NoError;
}

DNSSD_EXPORT DNSServiceErrorType DNSSD_API DNSServiceResolve(DNSServiceRef *sdRef,
                                                             DNSServiceFlags,
                                                             uint32_t interfaceIndex,
                                                             const char *name,
                                                             const char *regtype,
                                                             const char *,
                                                             DNSServiceResolveReply callBack,
                                                             void *context)
{
    const std::string instanceName = name ? name : "";
    const DNSServiceErrorType error = startOperation(sdRef, "resolve " + instanceName);
    if (error != kDNSServiceErr_NoError)
        return error;
    for (const Instance &instance : readFixture().instances) {
        if (instance.name != instanceName
            || instance.type.substr(0, instance.type.find(',')) != withoutDot(regtype)
            || instance.host == "-")
            continue;
        std::string txt;
        for (const std::string &entry : instance.txt) {
            txt += static_cast<char>(entry.size());
            txt += entry;
        }
        const std::string fullName = instance.name + "." + withoutDot(regtype) + ".local.";
        queue(*sdRef, [=](DNSServiceRef ref, DNSServiceFlags) {
            callBack(ref,
                     0,
                     interfaceIndex,
                     kDNSServiceErr_NoError,
                     fullName.c_str(),
                     instance.host.c_str(),
                     networkOrder(instance.port),
                     static_cast<uint16_t>(txt.size()),
                     reinterpret_cast<const unsigned char *>(txt.data()),
                     context);
        });
        break;
    }
    return kDNSServiceErr_NoError;
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
    const std::string host = hostname ? hostname : "";
    const DNSServiceErrorType error = startOperation(sdRef, "address " + host);
    if (error != kDNSServiceErr_NoError)
        return error;
    Ipv4Address address{};
    bool found = false;
    for (const Instance &instance : readFixture().instances) {
        if (instance.host == host) {
            found = parseIpv4(instance.address, address);
            break;
        }
    }
    if (found && protocol == kDNSServiceProtocol_IPv4) {
        queue(*sdRef, [=](DNSServiceRef ref, DNSServiceFlags) {
            callBack(ref,
                     kDNSServiceFlagsAdd,
                     interfaceIndex,
                     kDNSServiceErr_NoError,
                     host.c_str(),
                     reinterpret_cast<const sockaddr *>(&address),
                     120,
                     context);
        });
    } else if (flags & kDNSServiceFlagsTimeout) {
        queue(*sdRef, [=](DNSServiceRef ref, DNSServiceFlags) {
            callBack(ref,
                     0,
                     interfaceIndex,
                     kDNSServiceErr_Timeout,
                     host.c_str(),
                     nullptr,
                     0,
                     context);
        });
    }
    return kDNSServiceErr_NoError;
}

DNSSD_EXPORT DNSServiceErrorType DNSSD_API DNSServiceCreateConnection(DNSServiceRef *sdRef)
{
    return startOperation(sdRef, "connection");
}

DNSSD_EXPORT dnssd_sock_t DNSSD_API DNSServiceRefSockFD(DNSServiceRef sdRef)
{
    return sdRef ? sdRef->sockets.reader : static_cast<dnssd_sock_t>(-1);
}

DNSSD_EXPORT DNSServiceErrorType DNSSD_API DNSServiceProcessResult(DNSServiceRef sdRef)
{
    if (!sdRef)
        return kDNSServiceErr_BadReference;
    if (sdRef->replies.empty())
        return kDNSServiceErr_NoError;
    auto reply = std::move(sdRef->replies.front());
    sdRef->replies.pop_front();
    if (sdRef->replies.empty())
        doubleplatform::drain(sdRef->sockets);
    reply(sdRef, 0); // last: the callback may deallocate the reference
    return kDNSServiceErr_NoError;
}

DNSSD_EXPORT void DNSSD_API DNSServiceRefDeallocate(DNSServiceRef sdRef)
{
    if (!sdRef)
        return;
    note("deallocate");
    doubleplatform::closeSocketPair(sdRef->sockets);
    delete sdRef;
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
    return startOperation(sdRef, "register");
}

} // extern "C"
