#include "registry.h"

#include <algorithm>
#include <cwctype>

namespace sys {

RegValue makeStringValue(const std::wstring &text, uint32_t type)
{
    RegValue value;
    value.type = type;
    value.data.reserve((text.size() + 1) * 2);
    for (wchar_t c : text) {
        // Registry strings are UTF-16LE; wchar_t is UTF-32 off Windows.
        const uint32_t code = static_cast<uint32_t>(c);
        if (code > 0xFFFF) {
            const uint32_t v = code - 0x10000;
            const uint16_t high = static_cast<uint16_t>(0xD800 + (v >> 10));
            const uint16_t low = static_cast<uint16_t>(0xDC00 + (v & 0x3FF));
            for (uint16_t unit : {high, low}) {
                value.data.push_back(static_cast<uint8_t>(unit & 0xFF));
                value.data.push_back(static_cast<uint8_t>(unit >> 8));
            }
        } else {
            value.data.push_back(static_cast<uint8_t>(code & 0xFF));
            value.data.push_back(static_cast<uint8_t>(code >> 8));
        }
    }
    value.data.push_back(0);
    value.data.push_back(0);
    return value;
}

RegValue makeDwordValue(uint32_t number)
{
    RegValue value;
    value.type = RegType::Dword;
    for (int i = 0; i < 4; ++i)
        value.data.push_back(static_cast<uint8_t>((number >> (8 * i)) & 0xFF));
    return value;
}

std::wstring stringFromValue(const RegValue &value)
{
    std::wstring text;
    for (size_t i = 0; i + 1 < value.data.size(); i += 2) {
        uint32_t unit = value.data[i] | (value.data[i + 1] << 8);
        if (unit == 0)
            break;
        if (sizeof(wchar_t) == 4 && unit >= 0xD800 && unit < 0xDC00 && i + 3 < value.data.size()) {
            const uint32_t low = value.data[i + 2] | (value.data[i + 3] << 8);
            if (low >= 0xDC00 && low < 0xE000) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        text.push_back(static_cast<wchar_t>(unit));
    }
    return text;
}

namespace {
struct RootSpelling
{
    const wchar_t *longName;
    const wchar_t *shortName;
    RegRoot root;
};
const RootSpelling rootSpellings[] = {
        {L"HKEY_CLASSES_ROOT", L"HKCR", RegRoot::ClassesRoot},
        {L"HKEY_CURRENT_USER", L"HKCU", RegRoot::CurrentUser},
        {L"HKEY_LOCAL_MACHINE", L"HKLM", RegRoot::LocalMachine},
        {L"HKEY_USERS", L"HKU", RegRoot::Users},
};

std::wstring upper(std::wstring text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) {
        return static_cast<wchar_t>(std::towupper(c));
    });
    return text;
}
} // namespace

bool splitRootPath(const std::wstring &full, RegRoot &root, std::wstring &path)
{
    const size_t slash = full.find(L'\\');
    const std::wstring head = upper(full.substr(0, slash));
    for (const RootSpelling &spelling : rootSpellings) {
        if (head == spelling.longName || head == spelling.shortName) {
            root = spelling.root;
            path = slash == std::wstring::npos ? std::wstring() : full.substr(slash + 1);
            while (!path.empty() && path.back() == L'\\')
                path.pop_back();
            return true;
        }
    }
    return false;
}

std::wstring rootName(RegRoot root)
{
    for (const RootSpelling &spelling : rootSpellings) {
        if (spelling.root == root)
            return spelling.longName;
    }
    return {};
}

} // namespace sys
