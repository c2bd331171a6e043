#include "versioncompare.h"

#include <algorithm>
#include <iterator>

namespace engine {

namespace {

// First code point of every block of ten decimal digits (Unicode category Nd) in the Basic
// Multilingual Plane and the planes above it. Each block holds the digits 0..9 in order.
const uint32_t digitBlockStarts[] = {
        0x0030,  0x0660,  0x06F0,  0x07C0,  0x0966,  0x09E6,  0x0A66,  0x0AE6,  0x0B66,  0x0BE6,
        0x0C66,  0x0CE6,  0x0D66,  0x0DE6,  0x0E50,  0x0ED0,  0x0F20,  0x1040,  0x1090,  0x17E0,
        0x1810,  0x1946,  0x19D0,  0x1A80,  0x1A90,  0x1B50,  0x1BB0,  0x1C40,  0x1C50,  0xA620,
        0xA8D0,  0xA900,  0xA9D0,  0xA9F0,  0xAA50,  0xABF0,  0xFF10,  0x104A0, 0x10D30, 0x11066,
        0x110F0, 0x11136, 0x111D0, 0x112F0, 0x11450, 0x114D0, 0x11650, 0x116C0, 0x11730, 0x118E0,
        0x11950, 0x11C50, 0x11D50, 0x11DA0, 0x16A60, 0x16AC0, 0x16B50, 0x1D7CE, 0x1D7D8, 0x1D7E2,
        0x1D7EC, 0x1D7F6, 0x1E140, 0x1E2F0, 0x1E950, 0x1FBF0,
};

// The digit value of code point c, or -1 when it is not a decimal digit.
int digitValue(uint32_t c)
{
    const auto next = std::upper_bound(std::begin(digitBlockStarts), std::end(digitBlockStarts), c);
    if (next == std::begin(digitBlockStarts))
        return -1;
    const uint32_t start = *(next - 1);
    return c - start < 10 ? static_cast<int>(c - start) : -1;
}

// Compares two components (no leading zeros) as numbers of any length.
int compareComponents(const std::string &a, const std::string &b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    const int order = a.compare(b);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

void finishRun(std::string &run, std::vector<std::string> &components)
{
    if (run.empty())
        return;
    const size_t firstNonZero = run.find_first_not_of('0');
    components.push_back(firstNonZero == std::string::npos ? std::string("0")
                                                           : run.substr(firstNonZero));
    run.clear();
}

} // namespace

std::vector<std::string> versionComponents(const std::wstring &text)
{
    std::vector<std::string> components;
    std::string run;
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t c = static_cast<uint32_t>(text[i]);
        // UTF-16 text (Windows wchar_t) carries the digits above the BMP as surrogate pairs.
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()) {
            const uint32_t low = static_cast<uint32_t>(text[i + 1]);
            if (low >= 0xDC00 && low < 0xE000) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        const int digit = digitValue(c);
        if (digit < 0)
            finishRun(run, components);
        else
            run.push_back(static_cast<char>('0' + digit));
    }
    finishRun(run, components);
    return components;
}

bool compareVersions(const std::wstring &a, const std::wstring &b, int mode)
{
    const std::vector<std::string> left = versionComponents(a);
    const std::vector<std::string> right = versionComponents(b);
    const size_t count = std::max(left.size(), right.size());
    if (count == 0)
        return false;

    static const std::string zero("0");
    int order = 0;
    for (size_t i = 0; i < count && order == 0; ++i)
        order = compareComponents(i < left.size() ? left[i] : zero,
                                  i < right.size() ? right[i] : zero);

    switch (mode) {
    case MatchMode::IsExact:
    case MatchMode::IsEqual:
        return order == 0;
    case MatchMode::IsNewer:
        return order > 0;
    case MatchMode::IsEqualOrNewer:
        return order >= 0;
    case MatchMode::IsOlder:
        return order < 0;
    case MatchMode::IsEqualOrOlder:
        return order <= 0;
    default:
        return false;
    }
}

} // namespace engine
