#include "fileversionrecord.h"

#include <cstdio>
#include <cstring>
#include <vector>

#ifndef TAM_PROJECT_VERSION
#error "TAM_PROJECT_VERSION must come from the build"
#endif

namespace sys {

namespace {

constexpr size_t MarkerBytes = 16;

struct VersionRecord
{
    char marker[MarkerBytes];
    char version[FileVersionRecordCapacity];
};

// The one record of this program. The search below takes its marker from this object itself,
// so the marker's bytes appear exactly once in the program file: here. (Not const: the debug
// information would otherwise carry a second copy of a constant's value.)
__attribute__((used)) VersionRecord programRecord
        = {{'\x7f', 'T', 'a', 'm', 'F', 'i', 'l', 'e', 'V', 'e', 'r', 's', 'i', 'o', 'n', '\x01'},
           TAM_PROJECT_VERSION};

// Offset of the record in the file, or -1.
long findRecord(std::FILE *file)
{
    const volatile char *markerSource = programRecord.marker;
    char marker[MarkerBytes];
    for (size_t i = 0; i < MarkerBytes; ++i)
        marker[i] = markerSource[i];

    std::vector<char> buffer(1 << 20);
    size_t kept = 0; // bytes carried over from the previous piece
    long pieceStart = 0;
    for (;;) {
        const size_t got = std::fread(buffer.data() + kept, 1, buffer.size() - kept, file);
        const size_t filled = kept + got;
        if (filled < sizeof(VersionRecord))
            return -1;
        for (size_t i = 0; i + sizeof(VersionRecord) <= filled; ++i) {
            if (buffer[i] == marker[0] && std::memcmp(&buffer[i], marker, MarkerBytes) == 0)
                return pieceStart + long(i);
        }
        if (got == 0)
            return -1;
        // A record that straddles two pieces is found in the next one.
        kept = sizeof(VersionRecord) - 1;
        std::memmove(buffer.data(), buffer.data() + filled - kept, kept);
        pieceStart += long(filled - kept);
    }
}

} // namespace

bool readFileVersionRecord(const std::string &hostPath, std::string &version)
{
    std::FILE *file = std::fopen(hostPath.c_str(), "rb");
    if (!file)
        return false;
    VersionRecord record;
    const long offset = findRecord(file);
    const bool found = offset >= 0 && std::fseek(file, offset, SEEK_SET) == 0
                       && std::fread(&record, sizeof record, 1, file) == 1;
    std::fclose(file);
    if (!found)
        return false;
    record.version[FileVersionRecordCapacity - 1] = '\0';
    version = record.version;
    return true;
}

bool writeFileVersionRecord(const std::string &hostPath, const std::string &version)
{
    if (version.size() >= FileVersionRecordCapacity)
        return false;
    std::FILE *file = std::fopen(hostPath.c_str(), "r+b");
    if (!file)
        return false;
    char text[FileVersionRecordCapacity] = {};
    std::memcpy(text, version.data(), version.size());
    const long offset = findRecord(file);
    const bool written = offset >= 0 && std::fseek(file, offset + long(MarkerBytes), SEEK_SET) == 0
                         && std::fwrite(text, sizeof text, 1, file) == 1;
    return std::fclose(file) == 0 && written;
}

} // namespace sys
