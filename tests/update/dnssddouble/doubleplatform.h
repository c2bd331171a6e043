#pragma once

// What the DNS-SD test double and the stand-in responder need from the host: a socket pair
// whose reading end select() watches, the double's own folder, and the responder's lock.

#include "dnssdplatform.h"

#include <filesystem>

namespace doubleplatform {

struct SocketPair
{
    dnssd_sock_t reader;
    dnssd_sock_t writer;
};

// false when the pair cannot be made.
bool makeSocketPair(SocketPair &pair);
void closeSocketPair(SocketPair &pair);
// One byte makes the reader readable; drain() empties it again.
void signal(const SocketPair &pair);
void drain(const SocketPair &pair);

// The folder of the module holding this code (the double's library, or the program).
std::filesystem::path moduleFolder();

// The stand-in responder holds "responder.lock" in its folder while it runs; the lock goes
// with the process, however it ends.
bool holdResponderLock(const std::filesystem::path &folder);
bool responderRunning(const std::filesystem::path &folder);

} // namespace doubleplatform
