// The dotted-version comparison of checkers and the catalogue merge: any two texts compare
// consistently in every mode (newer is the mirror of older, equal is symmetric, exactly one of
// newer, equal and older holds when either has digits) and in time linear in their length.

#include "fuzzsupport.h"
#include "versioncompare.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Two versions as UTF-8 (any bytes), split at the first NUL.
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const size_t split = bytes.find('\0');
    std::wstring a, b;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i == split)
            continue;
        // Bytes above 0x7F stand for code points across the planes (other scripts' digits).
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        const wchar_t w = c < 0x80 ? wchar_t(c) : wchar_t(0x600 + (c - 0x80) * 0x101);
        (i < split ? a : b).push_back(w);
    }
    using namespace engine;
    const bool newer = compareVersions(a, b, MatchMode::IsNewer);
    const bool older = compareVersions(a, b, MatchMode::IsOlder);
    const bool equal = compareVersions(a, b, MatchMode::IsEqual);
    FUZZ_CHECK(newer == compareVersions(b, a, MatchMode::IsOlder));
    FUZZ_CHECK(equal == compareVersions(b, a, MatchMode::IsEqual));
    FUZZ_CHECK(compareVersions(a, b, MatchMode::IsEqualOrNewer) == (newer || equal));
    FUZZ_CHECK(compareVersions(a, b, MatchMode::IsEqualOrOlder) == (older || equal));
    const bool comparable = !versionComponents(a).empty() || !versionComponents(b).empty();
    FUZZ_CHECK(!comparable || int(newer) + int(older) + int(equal) == 1);
    FUZZ_CHECK(comparable || (!newer && !older && !equal));
    for (int mode = -1; mode <= 9; ++mode)
        compareVersions(a, b, mode);
    return 0;
}
