#include "hostpath.h"

#include <windows.h>

namespace sys {

std::string toUtf8(const std::wstring &text)
{
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(
            CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8,
                        0,
                        text.data(),
                        static_cast<int>(text.size()),
                        out.data(),
                        size,
                        nullptr,
                        nullptr);
    return out;
}

std::wstring fromUtf8(const std::string &text)
{
    if (text.empty())
        return {};
    const int size = MultiByteToWideChar(
            CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size);
    return out;
}

std::string toHostPath(const std::wstring &windowsPath)
{
    return toUtf8(windowsPath);
}

std::wstring fromHostPath(const std::string &hostPath)
{
    std::wstring path = fromUtf8(hostPath);
    for (wchar_t &c : path) {
        if (c == L'/')
            c = L'\\';
    }
    return path;
}

} // namespace sys
