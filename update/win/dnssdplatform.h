#pragma once

// The DNS-SD client library on Windows: __stdcall entry points, Winsock sockets.

#include <cstdint>

#define DNSSD_API __stdcall
#define DNSSD_EXPORT __declspec(dllexport)

typedef uintptr_t dnssd_sock_t; // SOCKET
