#pragma once

// What the tests can observe of a file on each platform: Windows reports attributes and both
// times; the simulated machine reports read-only through the permission bits, the rest of the
// attributes through the extended attribute the extraction writes, and the last-write time.

#include <cstdint>
#include <string>

struct FileFacts
{
    bool exists = false;
    uint32_t attributes = 0; // masked with 0x27
    int64_t lastWrite = 0;   // seconds since 1970, UTC
    int64_t creation = -1;   // -1 where the platform cannot set it
};

FileFacts probeFile(const std::wstring &windowsPath);
// Gives an existing file these attributes (0x27 mask), as another program might have.
bool setFileAttributes(const std::wstring &windowsPath, uint32_t attributes);
