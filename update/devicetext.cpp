#include "devicetext.h"

#include <cwchar>

namespace DeviceText {

namespace {
constexpr uint8_t StringDescriptorType = 3;

wchar_t unitAt(const uint8_t *data, size_t index)
{
    return static_cast<wchar_t>(data[index] | (data[index + 1] << 8));
}
} // namespace

std::wstring fromUtf16(const uint8_t *data, size_t bytes)
{
    std::wstring text;
    for (size_t i = 0; i + 1 < bytes; i += 2) {
        const wchar_t unit = unitAt(data, i);
        if (unit == 0)
            break;
        text.push_back(unit);
    }
    return text;
}

std::vector<std::wstring> multiString(const uint8_t *data, size_t bytes)
{
    std::vector<std::wstring> strings;
    std::wstring current;
    for (size_t i = 0; i + 1 < bytes; i += 2) {
        const wchar_t unit = unitAt(data, i);
        if (unit != 0) {
            current.push_back(unit);
            continue;
        }
        if (current.empty())
            return strings;
        strings.push_back(current);
        current.clear();
    }
    if (!current.empty())
        strings.push_back(current);
    return strings;
}

bool stringDescriptor(const uint8_t *data, size_t bytes, std::wstring &text)
{
    if (bytes < 2 || data[1] != StringDescriptorType || data[0] < 2 || data[0] > bytes)
        return false;
    text.clear();
    const size_t length = data[0];
    for (size_t i = 2; i + 1 < length; i += 2)
        text.push_back(unitAt(data, i));
    return true;
}

bool firstLanguage(const uint8_t *data, size_t bytes, uint16_t &language)
{
    std::wstring languages;
    if (!stringDescriptor(data, bytes, languages) || languages.empty())
        return false;
    language = static_cast<uint16_t>(languages.front());
    return true;
}

std::wstring upper(std::wstring text)
{
    for (wchar_t &c : text) {
        if (c >= L'a' && c <= L'z')
            c = static_cast<wchar_t>(c - L'a' + L'A');
    }
    return text;
}

std::wstring hex4(uint32_t number, bool upperCase)
{
    wchar_t text[16];
    std::swprintf(text, 16, upperCase ? L"%04X" : L"%04x", static_cast<unsigned>(number));
    return text;
}

} // namespace DeviceText
