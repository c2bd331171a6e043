// The registry on the real Reg*W functions; Windows' error codes are passed through unchanged.

#include "regfile.h"
#include "registry.h"
#include "registrymessage.h"

#include <windows.h>

namespace sys {

namespace {

HKEY rootHandle(RegRoot root)
{
    switch (root) {
    case RegRoot::ClassesRoot:
        return HKEY_CLASSES_ROOT;
    case RegRoot::CurrentUser:
        return HKEY_CURRENT_USER;
    case RegRoot::LocalMachine:
        return HKEY_LOCAL_MACHINE;
    case RegRoot::Users:
        return HKEY_USERS;
    }
    return nullptr;
}

const uint32_t viewFlags = RegAccess::Wow64_32Key | RegAccess::Wow64_64Key;

long report(long *error, long rc)
{
    detail::setRegistryErrorMessage(std::wstring());
    if (error)
        *error = rc;
    return rc;
}

} // namespace

class RegKeyImpl
{
public:
    explicit RegKeyImpl(HKEY key)
        : handle(key)
    {}
    ~RegKeyImpl() { RegCloseKey(handle); }
    HKEY handle;
};

RegKey::RegKey() = default;
RegKey::~RegKey() = default;
RegKey::RegKey(RegKey &&other) noexcept = default;
RegKey &RegKey::operator=(RegKey &&other) noexcept = default;
RegKey::RegKey(std::unique_ptr<RegKeyImpl> impl)
    : m_impl(std::move(impl))
{}

bool RegKey::isOpen() const
{
    return m_impl != nullptr;
}

void RegKey::close()
{
    m_impl.reset();
}

RegKey RegKey::open(RegRoot root, const std::wstring &path, uint32_t access, long *error)
{
    HKEY key = nullptr;
    const long rc = RegOpenKeyExW(rootHandle(root), path.c_str(), 0, access, &key);
    report(error, rc);
    return rc == ERROR_SUCCESS ? RegKey(std::make_unique<RegKeyImpl>(key)) : RegKey();
}

RegKey RegKey::create(RegRoot root, const std::wstring &path, uint32_t access, long *error)
{
    HKEY key = nullptr;
    const long rc = RegCreateKeyExW(rootHandle(root),
                                    path.c_str(),
                                    0,
                                    nullptr,
                                    REG_OPTION_NON_VOLATILE,
                                    access,
                                    nullptr,
                                    &key,
                                    nullptr);
    report(error, rc);
    return rc == ERROR_SUCCESS ? RegKey(std::make_unique<RegKeyImpl>(key)) : RegKey();
}

long RegKey::deleteTree(RegRoot root, const std::wstring &path, uint32_t access)
{
    // RegDeleteTreeW knows no views: empty the key through a handle opened in the view, then
    // delete the key itself in the same view. An empty path would empty a whole root.
    size_t first = path.find_first_not_of(L'\\');
    if (first == std::wstring::npos)
        return report(nullptr, ERROR_INVALID_PARAMETER);
    HKEY key = nullptr;
    const REGSAM sam = DELETE | KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE | KEY_SET_VALUE
                       | (access & viewFlags);
    long rc = RegOpenKeyExW(rootHandle(root), path.c_str(), 0, sam, &key);
    if (rc != ERROR_SUCCESS)
        return report(nullptr, rc);
    rc = RegDeleteTreeW(key, nullptr);
    RegCloseKey(key);
    if (rc == ERROR_SUCCESS)
        rc = RegDeleteKeyExW(rootHandle(root), path.c_str(), access & viewFlags, 0);
    return report(nullptr, rc);
}

long RegKey::enumKey(uint32_t index, std::wstring &name) const
{
    if (!m_impl)
        return ERROR_INVALID_HANDLE;
    wchar_t buffer[MAX_PATH + 1];
    DWORD length = MAX_PATH + 1;
    const long rc = RegEnumKeyExW(
            m_impl->handle, index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
    if (rc == ERROR_SUCCESS)
        name.assign(buffer, length);
    return report(nullptr, rc);
}

long RegKey::enumValueName(uint32_t index, std::wstring &name) const
{
    if (!m_impl)
        return ERROR_INVALID_HANDLE;
    std::wstring buffer(16384, L'\0'); // the longest value name Windows allows, plus NUL
    DWORD length = static_cast<DWORD>(buffer.size());
    const long rc = RegEnumValueW(
            m_impl->handle, index, &buffer[0], &length, nullptr, nullptr, nullptr, nullptr);
    if (rc == ERROR_SUCCESS)
        name.assign(buffer.data(), length);
    return report(nullptr, rc);
}

long RegKey::queryValue(const std::wstring &name, RegValue &value) const
{
    if (!m_impl)
        return ERROR_INVALID_HANDLE;
    std::vector<uint8_t> data(256);
    for (;;) {
        DWORD type = REG_NONE;
        DWORD size = static_cast<DWORD>(data.size());
        const long rc = RegQueryValueExW(
                m_impl->handle, name.c_str(), nullptr, &type, data.data(), &size);
        if (rc == ERROR_MORE_DATA) {
            // The value may grow between two calls; ask again with the size it reported.
            data.resize(size > data.size() ? size : data.size() * 2);
            continue;
        }
        if (rc == ERROR_SUCCESS) {
            data.resize(size);
            value.type = type;
            value.data = std::move(data);
        }
        return report(nullptr, rc);
    }
}

long RegKey::setValue(const std::wstring &name, const RegValue &value)
{
    if (!m_impl)
        return ERROR_INVALID_HANDLE;
    const long rc = RegSetValueExW(m_impl->handle,
                                   name.c_str(),
                                   0,
                                   value.type,
                                   value.data.empty() ? nullptr : value.data.data(),
                                   static_cast<DWORD>(value.data.size()));
    return report(nullptr, rc);
}

long RegKey::deleteValue(const std::wstring &name)
{
    if (!m_impl)
        return ERROR_INVALID_HANDLE;
    return report(nullptr, RegDeleteValueW(m_impl->handle, name.c_str()));
}

long importRegistryFile(const std::string &bytes, const std::wstring &sourceName, uint32_t access)
{
    std::vector<RegFileEntry> entries;
    size_t line = 0;
    std::wstring problem;
    const bool ok = parseRegText(decodeRegText(bytes), entries, line, problem)
                    && checkRegFileRoots(entries, line, problem);
    if (!ok) {
        detail::setRegistryErrorMessage(sourceName + L":" + std::to_wstring(line) + L": "
                                        + problem);
        return ERROR_INVALID_PARAMETER;
    }
    const uint32_t view = access & viewFlags;
    for (const RegFileEntry &entry : entries) {
        RegRoot root;
        std::wstring path;
        splitRootPath(entry.key, root, path);
        long rc = ERROR_SUCCESS;
        switch (entry.kind) {
        case RegFileEntry::Key:
            RegKey::create(root, path, KEY_WRITE | view, &rc);
            break;
        case RegFileEntry::DeleteKey:
            rc = RegKey::deleteTree(root, path, view);
            if (rc == ERROR_FILE_NOT_FOUND)
                rc = ERROR_SUCCESS;
            break;
        case RegFileEntry::SetValue: {
            RegKey key = RegKey::create(root, path, KEY_WRITE | view, &rc);
            if (rc == ERROR_SUCCESS)
                rc = key.setValue(entry.name, entry.value);
            break;
        }
        case RegFileEntry::DeleteValue: {
            RegKey key = RegKey::open(root, path, KEY_SET_VALUE | view, &rc);
            if (rc == ERROR_SUCCESS)
                rc = key.deleteValue(entry.name);
            if (rc == ERROR_FILE_NOT_FOUND)
                rc = ERROR_SUCCESS;
            break;
        }
        }
        if (rc != ERROR_SUCCESS) {
            detail::setRegistryErrorMessage(sourceName + L":" + std::to_wstring(entry.line)
                                            + L": the registry refused the change (error "
                                            + std::to_wstring(rc) + L")");
            return rc;
        }
    }
    detail::setRegistryErrorMessage(std::wstring());
    return ERROR_SUCCESS;
}

} // namespace sys
