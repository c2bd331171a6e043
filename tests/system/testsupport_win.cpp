#include "testsupport.h"

#include "process.h"

#include <windows.h>

#include <functional>

namespace testsupport {

namespace {

// Wine runs a Unix program that a Windows program starts, but its handle cannot be waited for:
// what it did is watched for instead.
bool runAndWatch(const std::wstring &commandLine, const std::function<bool()> &done)
{
    sys::Process process;
    if (!process.start(commandLine, {}, sys::ProcessFlags::NoWindow))
        return false;
    process.wait(10000);
    for (int waited = 0; !done() && waited < 10000; waited += 20)
        Sleep(20);
    return done();
}

bool isReparsePoint(const std::filesystem::path &path)
{
    const DWORD attributes = GetFileAttributesW(path.wstring().c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// The Unix path of a Windows one, quoted, for a Unix program Wine runs.
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
    const auto made = [&link] { return isReparsePoint(link); };
    if (!runningUnderWine())
        return runAndWatch(L"cmd.exe /c mklink /J " + sys::quoteArgument(link.wstring()) + L" "
                                   + sys::quoteArgument(target.wstring()),
                           made);
    const std::wstring from = unixPath(target);
    const std::wstring to = unixPath(link);
    return !from.empty() && !to.empty() && runAndWatch(L"Z:\\bin\\ln -s " + from + L" " + to, made);
}

void removeFolderLink(const std::filesystem::path &link)
{
    // Wine cannot remove a link it did not make itself.
    if (!runningUnderWine()) {
        RemoveDirectoryW(link.wstring().c_str());
        return;
    }
    const std::wstring path = unixPath(link);
    if (!path.empty())
        runAndWatch(L"Z:\\bin\\rm -f " + path, [&link] { return !isReparsePoint(link); });
}

} // namespace testsupport
