#include "testsupport.h"

#include "process.h"

#include <windows.h>

namespace testsupport {

namespace {

bool runToTheEnd(const std::wstring &commandLine)
{
    sys::Process process;
    return process.start(commandLine, {}, sys::ProcessFlags::NoWindow) && process.wait(10000);
}

// Wine runs a Unix program that a Windows program starts; its paths are the Unix ones.
std::wstring unixPath(const std::filesystem::path &path)
{
    using UnixFileName = char *(CDECL *)(const wchar_t *);
    const auto toUnix = reinterpret_cast<UnixFileName>(reinterpret_cast<void *>(
            GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char *name = toUnix ? toUnix(path.wstring().c_str()) : nullptr;
    if (!name)
        return {};
    const std::wstring result = sys::quoteArgument(std::filesystem::path(name).wstring());
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

} // namespace

std::filesystem::path childProgram()
{
    wchar_t buffer[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    return std::filesystem::path(std::wstring(buffer, length)).parent_path() / L"tam_child.exe";
}

bool runningUnderWine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

bool makeFolderLink(const std::filesystem::path &link, const std::filesystem::path &target)
{
    if (runningUnderWine()) {
        const std::wstring from = unixPath(target);
        const std::wstring to = unixPath(link);
        if (from.empty() || to.empty() || !runToTheEnd(L"Z:\\bin\\ln -s " + from + L" " + to))
            return false;
    } else {
        runToTheEnd(L"cmd.exe /c mklink /J " + sys::quoteArgument(link.wstring()) + L" "
                    + sys::quoteArgument(target.wstring()));
    }
    const DWORD attributes = GetFileAttributesW(link.wstring().c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

void removeFolderLink(const std::filesystem::path &link)
{
    // Wine cannot remove a link it did not make itself.
    if (runningUnderWine()) {
        const std::wstring path = unixPath(link);
        if (!path.empty())
            runToTheEnd(L"Z:\\bin\\rm -f " + path);
    } else {
        RemoveDirectoryW(link.wstring().c_str());
    }
}

} // namespace testsupport
