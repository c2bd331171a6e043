// What the Win32 inventory makes of the bytes that device properties, registry values and the
// hub's string requests hand back. Under Wine no hub answers, so these canned answers are the
// only way the string descriptors' handling runs there.

#include "devicetext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct DescriptorCase
{
    const char *name;
    std::vector<uint8_t> bytes;
    bool valid;
    std::wstring text;
};

void PrintTo(const DescriptorCase &descriptor, std::ostream *out)
{
    *out << descriptor.name;
}

std::vector<uint8_t> descriptor(const std::wstring &text)
{
    std::vector<uint8_t> bytes{uint8_t(2 + 2 * text.size()), 3};
    for (wchar_t c : text) {
        bytes.push_back(uint8_t(c & 0xFF));
        bytes.push_back(uint8_t((c >> 8) & 0xFF));
    }
    return bytes;
}

std::vector<uint8_t> truncated(std::vector<uint8_t> bytes, size_t size)
{
    bytes.resize(size);
    return bytes;
}

class StringDescriptor : public testing::TestWithParam<DescriptorCase>
{
};

TEST_P(StringDescriptor, ReadsOnlyWhatArrived)
{
    const DescriptorCase &c = GetParam();
    std::wstring text = L"unchanged";
    EXPECT_EQ(DeviceText::stringDescriptor(c.bytes.data(), c.bytes.size(), text), c.valid);
    if (c.valid) {
        EXPECT_EQ(text, c.text);
    }
}

INSTANTIATE_TEST_SUITE_P(
        Hub,
        StringDescriptor,
        testing::Values(
                DescriptorCase{"serial", descriptor(L"SN_0042"), true, L"SN_0042"},
                DescriptorCase{
                        "nonAscii", descriptor(L"Sc\u00e4n \u626b"), true, L"Sc\u00e4n \u626b"},
                DescriptorCase{"emptyString", {2, 3}, true, L""},
                // The device's length byte ends the string, not the 255-byte request.
                DescriptorCase{"paddedTransfer", {6, 3, 'A', 0, 'B', 0, 'X', 0, 0, 0}, true, L"AB"},
                DescriptorCase{"oddLengthDropsHalfUnit", {5, 3, 'A', 0, 'B'}, true, L"A"},
                DescriptorCase{
                        "claimsMoreThanArrived", truncated(descriptor(L"SERIAL"), 8), false, L""},
                DescriptorCase{"notAString", {4, 1, 'A', 0}, false, L""},
                DescriptorCase{"lengthBelowHeader", {1, 3}, false, L""},
                DescriptorCase{"nothing", {}, false, L""}),
        [](const testing::TestParamInfo<DescriptorCase> &info) { return info.param.name; });

TEST(DeviceText, FirstLanguageOfTheList)
{
    uint16_t language = 0;
    const std::vector<uint8_t> two{6, 3, 0x09, 0x04, 0x07, 0x04};
    ASSERT_TRUE(DeviceText::firstLanguage(two.data(), two.size(), language));
    EXPECT_EQ(language, 0x0409);
    const std::vector<uint8_t> none{2, 3};
    EXPECT_FALSE(DeviceText::firstLanguage(none.data(), none.size(), language));
}

TEST(DeviceText, PropertyBuffersEndWhereTheyEnd)
{
    // A full buffer without its NUL, and a multi-string cut short before its final empty string.
    const std::vector<uint8_t> unterminated{'D', 0, 'e', 0, 'v', 0};
    EXPECT_EQ(DeviceText::fromUtf16(unterminated.data(), unterminated.size()), L"Dev");
    const std::vector<uint8_t> stopsAtNul{'A', 0, 0, 0, 'B', 0};
    EXPECT_EQ(DeviceText::fromUtf16(stopsAtNul.data(), stopsAtNul.size()), L"A");
    const std::vector<uint8_t> multi{'A', 0, 0, 0, 'B', 'C', 0, 0, 0, 0, 'X', 0};
    EXPECT_EQ(DeviceText::multiString(multi.data(), multi.size()),
              (std::vector<std::wstring>{L"A", L"\u4342"}));
    const std::vector<uint8_t> cut{'A', 0, 0, 0, 'B', 0};
    EXPECT_EQ(DeviceText::multiString(cut.data(), cut.size()),
              (std::vector<std::wstring>{L"A", L"B"}));
}

} // namespace
