// The executable file-version reader: any bytes give a version or none, reading only inside the
// buffer.

#include "fuzzsupport.h"
#include "peversion.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::vector<uint8_t> bytes(data, data + size);
    std::wstring version;
    if (!sys::peFileVersionFromBytes(bytes, version))
        FUZZ_CHECK(version.empty());
    return 0;
}
