#include "regfile.h"
#include "registry.h"
#include "registrymessage.h"

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

namespace {
thread_local std::wstring t_errorMessage;

long exportTree(const RegKey &key,
                RegRoot root,
                const std::wstring &path,
                uint32_t access,
                RegFileWriter &writer)
{
    writer.beginKey(path.empty() ? rootName(root) : rootName(root) + L"\\" + path);
    std::wstring name;
    for (uint32_t i = 0;; ++i) {
        long rc = key.enumValueName(i, name);
        if (rc == RegError::NoMoreItems)
            break;
        if (rc != RegError::Success)
            return rc;
        RegValue value;
        rc = key.queryValue(name, value);
        if (rc != RegError::Success)
            return rc;
        writer.addValue(name, value);
    }
    std::vector<std::wstring> subkeys;
    for (uint32_t i = 0;; ++i) {
        const long rc = key.enumKey(i, name);
        if (rc == RegError::NoMoreItems)
            break;
        if (rc != RegError::Success)
            return rc;
        subkeys.push_back(name);
    }
    for (const std::wstring &subkey : subkeys) {
        const std::wstring subPath = path.empty() ? subkey : path + L"\\" + subkey;
        long rc = RegError::Success;
        const RegKey child = RegKey::open(root, subPath, access, &rc);
        if (rc != RegError::Success)
            return rc;
        rc = exportTree(child, root, subPath, access, writer);
        if (rc != RegError::Success)
            return rc;
    }
    return RegError::Success;
}
} // namespace

bool RegKey::readString(const std::wstring &name, std::wstring &text) const
{
    RegValue value;
    if (queryValue(name, value) != RegError::Success
        || (value.type != RegType::String && value.type != RegType::ExpandString))
        return false;
    text = stringFromValue(value);
    return true;
}

bool RegKey::readDword(const std::wstring &name, uint32_t &number) const
{
    RegValue value;
    if (queryValue(name, value) != RegError::Success || value.type != RegType::Dword
        || value.data.size() != 4)
        return false;
    number = value.data[0] | (value.data[1] << 8) | (value.data[2] << 16)
             | (static_cast<uint32_t>(value.data[3]) << 24);
    return true;
}

long RegKey::setString(const std::wstring &name, const std::wstring &text, uint32_t type)
{
    return setValue(name, makeStringValue(text, type));
}

long RegKey::setDword(const std::wstring &name, uint32_t number)
{
    return setValue(name, makeDwordValue(number));
}

namespace detail {
void setRegistryErrorMessage(const std::wstring &text)
{
    t_errorMessage = text;
}
} // namespace detail

std::wstring registryErrorMessage()
{
    return t_errorMessage;
}

long exportRegistryKey(RegRoot root, const std::wstring &path, uint32_t access, std::string &bytes)
{
    const uint32_t readAccess
            = RegAccess::Read | (access & (RegAccess::Wow64_32Key | RegAccess::Wow64_64Key));
    long rc = RegError::Success;
    const RegKey key = RegKey::open(root, path, readAccess, &rc);
    if (rc != RegError::Success)
        return rc;
    RegFileWriter writer;
    rc = exportTree(key, root, path, readAccess, writer);
    if (rc == RegError::Success)
        bytes = writer.bytes();
    return rc;
}

} // namespace sys
