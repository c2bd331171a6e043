#include "continuedfiles.h"

#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace Cabinet {

namespace {
// The header's fields and the file records' layout, as the cabinet format defines them.
constexpr size_t kHeaderSize = 36;
constexpr size_t kFilesOffsetAt = 16;
constexpr size_t kFileCountAt = 28;
constexpr size_t kRecordSize = 16;
constexpr size_t kFolderIndexAt = 8;
constexpr size_t kLongestName = 256;
constexpr uint16_t kContinuedFromPrevious = 0xFFFD;
constexpr uint16_t kContinuedPreviousAndNext = 0xFFFF;

uint16_t little16(const unsigned char *bytes)
{
    return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}

uint32_t little32(const unsigned char *bytes)
{
    return uint32_t(bytes[0]) | (uint32_t(bytes[1]) << 8) | (uint32_t(bytes[2]) << 16)
           | (uint32_t(bytes[3]) << 24);
}

bool readAt(int fd, off_t offset, unsigned char *buffer, size_t size, size_t &got)
{
    got = 0;
    while (got < size) {
        const ssize_t n = ::pread(fd, buffer + got, size - got, offset + off_t(got));
        if (n <= 0)
            break;
        got += size_t(n);
    }
    return got > 0;
}
} // namespace

std::vector<bool> filesContinuedFromPrevious(const std::string &hostPath)
{
    std::vector<bool> continued;
    const int fd = ::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return continued;
    unsigned char header[kHeaderSize];
    size_t got = 0;
    if (readAt(fd, 0, header, sizeof header, got) && got == sizeof header) {
        off_t at = little32(header + kFilesOffsetAt);
        const uint16_t count = little16(header + kFileCountAt);
        unsigned char record[kRecordSize + kLongestName + 1];
        for (uint16_t i = 0; i < count; ++i) {
            if (!readAt(fd, at, record, sizeof record, got) || got <= kRecordSize)
                break;
            const void *end = std::memchr(record + kRecordSize, 0, got - kRecordSize);
            if (!end)
                break;
            const uint16_t folder = little16(record + kFolderIndexAt);
            continued.push_back(folder == kContinuedFromPrevious
                                || folder == kContinuedPreviousAndNext);
            at += off_t(static_cast<const unsigned char *>(end) - record) + 1;
        }
    }
    ::close(fd);
    return continued;
}

} // namespace Cabinet
