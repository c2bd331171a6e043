#include "dnssdnetwork.h"

#include "hostpath.h"

#include <arpa/inet.h>
#include <cerrno>
#include <net/if.h>
#include <netinet/in.h>
#include <poll.h>

namespace DnssdNetwork {

const wchar_t *libraryFileName()
{
    return L"libdnssd.so";
}

WaitResult
waitReadable(const std::vector<dnssd_sock_t> &sockets, int timeoutMs, std::vector<bool> &readable)
{
    // poll rather than select: a descriptor beyond FD_SETSIZE cannot go into an fd_set, and a
    // Qt program may well hold that many.
    std::vector<pollfd> fds;
    for (size_t i = 0; i < sockets.size() && i < MaxSockets; ++i)
        fds.push_back(pollfd{sockets[i], POLLIN, 0});
    const int result = ::poll(fds.data(), fds.size(), timeoutMs);
    if (result < 0)
        return errno == EINTR ? WaitResult::Interrupted : WaitResult::Failed;
    if (result == 0)
        return WaitResult::TimedOut;
    readable.assign(sockets.size(), false);
    for (size_t i = 0; i < fds.size(); ++i)
        readable[i] = (fds[i].revents & (POLLIN | POLLHUP | POLLERR)) != 0;
    return WaitResult::Readable;
}

bool interfaceExists(uint32_t interfaceIndex)
{
    char name[IF_NAMESIZE];
    return interfaceIndex != 0 && ::if_indextoname(interfaceIndex, name) != nullptr;
}

std::wstring ipv4Text(const sockaddr *address)
{
    if (!address || address->sa_family != AF_INET)
        return {};
    const auto *ipv4 = reinterpret_cast<const sockaddr_in *>(address);
    return sys::fromUtf8(::inet_ntoa(ipv4->sin_addr));
}

} // namespace DnssdNetwork
