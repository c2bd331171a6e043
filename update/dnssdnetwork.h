#pragma once

// What discovery needs from the host's network layer around the DNS-SD client library:
// the library's file name, waiting on its sockets, the interface check and address text.

#include "dnssdapi.h"

#include <cstdint>
#include <string>
#include <vector>

namespace DnssdNetwork {

// "dnssd.dll" on Windows; our own library's name elsewhere.
const wchar_t *libraryFileName();

// Waiting for results: select() over at most MaxSockets sockets.
constexpr size_t MaxSockets = 64;
enum class WaitResult { Readable, TimedOut, Interrupted, Failed };
// readable receives one flag per socket (only for Readable).
WaitResult
waitReadable(const std::vector<dnssd_sock_t> &sockets, int timeoutMs, std::vector<bool> &readable);

// The interface with this index exists (GetIfEntry succeeds; elsewhere it has a name).
bool interfaceExists(uint32_t interfaceIndex);

// The dotted IPv4 address (inet_ntoa); empty for anything but an IPv4 address.
std::wstring ipv4Text(const sockaddr *address);

} // namespace DnssdNetwork
