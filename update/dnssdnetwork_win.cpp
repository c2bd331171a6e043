#include "dnssdnetwork.h"

#include "hostpath.h"

// Winsock 2 before windows.h, which would otherwise bring the old winsock.h.
#include <winsock2.h>

#include <windows.h>

#include <iphlpapi.h>

namespace DnssdNetwork {

namespace {

// select() needs Winsock started in this process; the client library starts it for its own
// sockets, but nothing here should rely on that.
struct Winsock
{
    Winsock() { started = WSAStartup(MAKEWORD(2, 2), &data) == 0; }
    ~Winsock()
    {
        if (started)
            WSACleanup();
    }
    WSADATA data{};
    bool started = false;
};

} // namespace

const wchar_t *libraryFileName()
{
    return L"dnssd.dll";
}

WaitResult
waitReadable(const std::vector<dnssd_sock_t> &sockets, int timeoutMs, std::vector<bool> &readable)
{
    static Winsock winsock;
    fd_set set;
    FD_ZERO(&set);
    size_t count = 0;
    for (; count < sockets.size() && count < MaxSockets && count < FD_SETSIZE; ++count)
        FD_SET(static_cast<SOCKET>(sockets[count]), &set);
    timeval timeout{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    const int result = select(0, &set, nullptr, nullptr, &timeout);
    if (result == SOCKET_ERROR)
        return WSAGetLastError() == WSAEINTR ? WaitResult::Interrupted : WaitResult::Failed;
    if (result == 0)
        return WaitResult::TimedOut;
    readable.assign(sockets.size(), false);
    for (size_t i = 0; i < count; ++i)
        readable[i] = FD_ISSET(static_cast<SOCKET>(sockets[i]), &set) != 0;
    return WaitResult::Readable;
}

bool interfaceExists(uint32_t interfaceIndex)
{
    MIB_IFROW row{};
    row.dwIndex = interfaceIndex;
    return GetIfEntry(&row) == NO_ERROR;
}

std::wstring ipv4Text(const sockaddr *address)
{
    if (!address || address->sa_family != AF_INET)
        return {};
    const auto *ipv4 = reinterpret_cast<const sockaddr_in *>(address);
    const char *text = inet_ntoa(ipv4->sin_addr);
    return text ? sys::fromUtf8(text) : std::wstring();
}

} // namespace DnssdNetwork
