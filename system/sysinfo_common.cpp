#include "registry.h"
#include "sysinfo.h"

#include <climits>
#include <cwctype>

namespace sys {

namespace {

// What "%d" accepts: optional white space, an optional sign, at least one digit. Values beyond
// int are clamped instead of being undefined as in scanf; only the low byte counts anyway.
bool scanInt(const std::wstring &text, size_t &at, long long &value)
{
    while (at < text.size() && std::iswspace(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == L'+' || text[at] == L'-'))
        negative = text[at++] == L'-';
    const size_t digitsStart = at;
    long long result = 0;
    while (at < text.size() && text[at] >= L'0' && text[at] <= L'9') {
        if (result < INT_MAX)
            result = result * 10 + (text[at] - L'0');
        ++at;
    }
    if (at == digitsStart)
        return false;
    if (result > INT_MAX)
        result = INT_MAX;
    value = negative ? -result : result;
    return true;
}

uint16_t makeWord(long long major, long long minor)
{
    return static_cast<uint16_t>(((static_cast<uint32_t>(major) & 0xFF) << 8)
                                 | (static_cast<uint32_t>(minor) & 0xFF));
}

} // namespace

bool windowsVersionWordFromKey(const RegKey &key, uint16_t &word)
{
    uint32_t major = 0;
    uint32_t minor = 0;
    if (key.readDword(L"CurrentMajorVersionNumber", major)
        && key.readDword(L"CurrentMinorVersionNumber", minor)) {
        word = makeWord(major, minor);
        return true;
    }
    std::wstring text;
    if (!key.readString(L"CurrentVersion", text))
        return false;
    size_t at = 0;
    long long parsedMajor = 0;
    long long parsedMinor = 0;
    if (!scanInt(text, at, parsedMajor) || at >= text.size() || text[at] != L'.')
        return false;
    ++at;
    if (!scanInt(text, at, parsedMinor))
        return false;
    word = makeWord(parsedMajor, parsedMinor);
    return true;
}

} // namespace sys
