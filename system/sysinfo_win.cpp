#include "sysinfo.h"

#include "logline.h"
#include "registry.h"

#include <cstdarg>
#include <cwchar>
#include <shlobj.h>
#include <vector>
#include <windows.h>

namespace sys {

namespace {

template<typename Function>
Function kernel32Function(const char *name)
{
    const HMODULE kernel = GetModuleHandleW(L"kernel32");
    if (!kernel)
        return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void *>(GetProcAddress(kernel, name)));
}

// FILE_APPEND_DATA makes every WriteFile an append at the current end, so lines of concurrent
// processes never interleave; the open fails when C:\Log does not exist.
void appendToFile(const wchar_t *path, const std::string &bytes)
{
    const HANDLE file = CreateFileW(path,
                                    FILE_APPEND_DATA,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr,
                                    OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL,
                                    nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

} // namespace

void logLine(const wchar_t *format, ...)
{
    va_list args;
    va_start(args, format);
    const std::wstring message = formatWide(format, args);
    va_end(args);

    SYSTEMTIME now;
    GetLocalTime(&now);
    const LogStamp stamp{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
    appendToFile(L"C:\\Log\\CoInstaller.log",
                 logLineBytes(stamp, GetCurrentProcessId(), GetCurrentThreadId(), message));
}

uint16_t windowsVersionWord()
{
    // The version key is not redirected for 32-bit programs; read the machine's own view.
    const RegKey key = RegKey::open(RegRoot::LocalMachine,
                                    L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                                    RegAccess::Read | RegAccess::Wow64_64Key);
    uint16_t word = 0;
    if (key.isOpen() && windowsVersionWordFromKey(key, word))
        return word;
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExW(&info))
        return 0;
#pragma GCC diagnostic pop
    return static_cast<uint16_t>(((info.dwMajorVersion & 0xFF) << 8)
                                 | (info.dwMinorVersion & 0xFF));
}

Wow64Answer isWow64Process()
{
    using IsWow64ProcessFunction = BOOL(WINAPI *)(HANDLE, PBOOL);
    const auto isWow64 = kernel32Function<IsWow64ProcessFunction>("IsWow64Process");
    if (!isWow64)
        return Wow64Answer::FunctionMissing;
    BOOL wow64 = FALSE;
    if (!isWow64(GetCurrentProcess(), &wow64))
        return Wow64Answer::CallFailed;
    return wow64 ? Wow64Answer::Yes : Wow64Answer::No;
}

bool isProcess64Bit()
{
    return sizeof(void *) == 8;
}

bool is64BitWindows()
{
    using GetSystemWow64DirectoryFunction = UINT(WINAPI *)(LPWSTR, UINT);
    const auto getDirectory
            = kernel32Function<GetSystemWow64DirectoryFunction>("GetSystemWow64DirectoryW");
    if (!getDirectory)
        return false;
    wchar_t directory[MAX_PATH];
    if (getDirectory(directory, MAX_PATH) != 0)
        return true;
    return GetLastError() != ERROR_CALL_NOT_IMPLEMENTED;
}

std::wstring fileVersion(const std::wstring &path)
{
    std::wstring result = L"X, X, X, X";
    const HMODULE library = LoadLibraryW(L"Version.dll");
    if (!library)
        return result;
    using SizeFunction = DWORD(WINAPI *)(LPCWSTR, LPDWORD);
    using InfoFunction = BOOL(WINAPI *)(LPCWSTR, DWORD, DWORD, LPVOID);
    using QueryFunction = BOOL(WINAPI *)(LPCVOID, LPCWSTR, LPVOID *, PUINT);
    const auto resolve = [library](const char *name) {
        return reinterpret_cast<void *>(GetProcAddress(library, name));
    };
    const auto infoSize = reinterpret_cast<SizeFunction>(resolve("GetFileVersionInfoSizeW"));
    const auto info = reinterpret_cast<InfoFunction>(resolve("GetFileVersionInfoW"));
    const auto query = reinterpret_cast<QueryFunction>(resolve("VerQueryValueW"));
    if (infoSize && info && query) {
        DWORD ignored = 0;
        const DWORD size = infoSize(path.c_str(), &ignored);
        std::vector<unsigned char> buffer(size, 0);
        void *translation = nullptr;
        UINT translationLength = 0;
        if (size > 0 && info(path.c_str(), 0, size, buffer.data())
            && query(buffer.data(), L"\\VarFileInfo\\Translation", &translation, &translationLength)
            && translation && translationLength >= 4) {
            const WORD *pair = static_cast<const WORD *>(translation);
            wchar_t subBlock[64];
            std::swprintf(subBlock,
                          64,
                          L"\\StringFileInfo\\%04x%04x\\FileVersion",
                          static_cast<unsigned>(pair[0]),
                          static_cast<unsigned>(pair[1]));
            void *value = nullptr;
            UINT valueLength = 0;
            if (query(buffer.data(), subBlock, &value, &valueLength) && value) {
                const wchar_t *text = static_cast<const wchar_t *>(value);
                result.assign(text, wcsnlen(text, valueLength));
            }
        }
    }
    FreeLibrary(library);
    return result;
}

std::wstring programFilesFolder()
{
    wchar_t folder[MAX_PATH];
    if (SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILES, nullptr, SHGFP_TYPE_CURRENT, folder) != S_OK)
        return {};
    return folder;
}

} // namespace sys
