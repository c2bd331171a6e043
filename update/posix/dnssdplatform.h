#pragma once

// The DNS-SD client library elsewhere: the C calling convention, file descriptors.

#define DNSSD_API
#define DNSSD_EXPORT __attribute__((visibility("default")))

typedef int dnssd_sock_t;
