#pragma once

// Windows registry access. The Win32 build calls the Reg*W functions; the portable build
// keeps one simulated machine's registry in a .reg text store (see machine.h).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace sys {

enum class RegRoot { ClassesRoot, CurrentUser, LocalMachine, Users };

// Access masks with the values Windows gives them, so catalogues and callers can pass the
// numbers they know (0x20019 for KEY_READ, 0x20219 for KEY_READ | KEY_WOW64_32KEY, ...).
namespace RegAccess {
constexpr uint32_t QueryValue = 0x0001;
constexpr uint32_t SetValue = 0x0002;
constexpr uint32_t CreateSubKey = 0x0004;
constexpr uint32_t EnumerateSubKeys = 0x0008;
constexpr uint32_t Read = 0x20019;
constexpr uint32_t Write = 0x20006;
constexpr uint32_t AllAccess = 0xF003F;
constexpr uint32_t Wow64_64Key = 0x0100;
constexpr uint32_t Wow64_32Key = 0x0200;
} // namespace RegAccess

// Value types with their Windows numbers.
namespace RegType {
constexpr uint32_t None = 0;
constexpr uint32_t String = 1;       // REG_SZ
constexpr uint32_t ExpandString = 2; // REG_EXPAND_SZ
constexpr uint32_t Binary = 3;       // REG_BINARY
constexpr uint32_t Dword = 4;        // REG_DWORD
constexpr uint32_t MultiString = 7;  // REG_MULTI_SZ
constexpr uint32_t Qword = 11;       // REG_QWORD
} // namespace RegType

// Windows error codes that registry calls return.
namespace RegError {
constexpr long Success = 0;
constexpr long FileNotFound = 2;
constexpr long AccessDenied = 5;
constexpr long InvalidHandle = 6;
constexpr long InvalidParameter = 87;
constexpr long MoreData = 234;
constexpr long NoMoreItems = 259;
constexpr long BadStore = 1009;   // ERROR_BADDB: the store could not be read
constexpr long IoFailed = 1016;   // ERROR_REGISTRY_IO_FAILED: the store could not be written
constexpr long KeyDeleted = 1018; // ERROR_KEY_DELETED: an open key was deleted meanwhile
} // namespace RegError

struct RegValue
{
    uint32_t type = RegType::None;
    std::vector<uint8_t> data; // raw bytes as Windows stores them (strings: UTF-16LE + NUL)
};

class RegKeyImpl;

// An open registry key. Closed when destroyed; movable, not copyable.
class RegKey
{
public:
    RegKey();
    ~RegKey();
    RegKey(RegKey &&other) noexcept;
    RegKey &operator=(RegKey &&other) noexcept;
    RegKey(const RegKey &) = delete;
    RegKey &operator=(const RegKey &) = delete;

    // Opens root\path (path may be empty for the root itself). Returns a closed key on
    // failure; *error receives the Windows error code when given.
    static RegKey
    open(RegRoot root, const std::wstring &path, uint32_t access, long *error = nullptr);
    // Opens or creates root\path with every missing parent.
    static RegKey
    create(RegRoot root, const std::wstring &path, uint32_t access, long *error = nullptr);
    // Deletes root\path with all its subkeys and values.
    static long deleteTree(RegRoot root, const std::wstring &path, uint32_t access);

    bool isOpen() const;
    void close();

    // Enumeration by index, as RegEnumKeyW / RegEnumValueW: NoMoreItems past the end.
    long enumKey(uint32_t index, std::wstring &name) const;
    long enumValueName(uint32_t index, std::wstring &name) const;

    long queryValue(const std::wstring &name, RegValue &value) const;
    // REG_SZ or REG_EXPAND_SZ only (no expansion); any other type reads as missing.
    bool readString(const std::wstring &name, std::wstring &text) const;
    bool readDword(const std::wstring &name, uint32_t &number) const;

    long setValue(const std::wstring &name, const RegValue &value);
    long
    setString(const std::wstring &name, const std::wstring &text, uint32_t type = RegType::String);
    long setDword(const std::wstring &name, uint32_t number);
    long deleteValue(const std::wstring &name);

private:
    explicit RegKey(std::unique_ptr<RegKeyImpl> impl);
    std::unique_ptr<RegKeyImpl> m_impl;
};

// Helpers shared by both implementations.
RegValue makeStringValue(const std::wstring &text, uint32_t type = RegType::String);
RegValue makeDwordValue(uint32_t number);
// Decodes REG_SZ / REG_EXPAND_SZ data up to the first NUL.
std::wstring stringFromValue(const RegValue &value);

// Parses "HKEY_LOCAL_MACHINE\..." or "HKLM\..." into root and path; false when the root is
// not one of the four.
bool splitRootPath(const std::wstring &full, RegRoot &root, std::wstring &path);
std::wstring rootName(RegRoot root);

// Applies a .reg file (its bytes as read from disk: UTF-16LE or UTF-8) in the registry view of
// access (0, Wow64_32Key or Wow64_64Key). The whole file is checked first: when a line is wrong
// nothing is applied, the result is InvalidParameter and registryErrorMessage() names
// sourceName and the line.
long importRegistryFile(const std::string &bytes, const std::wstring &sourceName, uint32_t access);
// Writes root\path with all its subkeys as reg export does (UTF-16LE with byte-order mark).
long exportRegistryKey(RegRoot root, const std::wstring &path, uint32_t access, std::string &bytes);

// The portable store's last failure text (file and line of a store that does not parse);
// empty after success. Both builds report import errors here.
std::wstring registryErrorMessage();

} // namespace sys
