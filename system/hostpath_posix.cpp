#include "hostpath.h"
#include "machine.h"

#include <cwctype>

namespace sys {

std::string toUtf8(const std::wstring &text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t c = static_cast<uint32_t>(text[i]);
        // Tolerate UTF-16 surrogate pairs stored in wchar_t (text that came from the registry).
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()) {
            const uint32_t low = static_cast<uint32_t>(text[i + 1]);
            if (low >= 0xDC00 && low < 0xE000) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        if (c > 0x10FFFF || (c >= 0xD800 && c < 0xE000))
            c = 0xFFFD;
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

std::wstring fromUtf8(const std::string &text)
{
    std::wstring out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        uint32_t c = 0xFFFD;
        size_t length = 1;
        if (lead < 0x80) {
            c = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            c = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            c = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            c = lead & 0x07;
        }
        if (length > 1) {
            bool valid = i + length <= text.size();
            for (size_t k = 1; valid && k < length; ++k) {
                const unsigned char next = static_cast<unsigned char>(text[i + k]);
                valid = (next & 0xC0) == 0x80;
                c = (c << 6) | (next & 0x3F);
            }
            if (!valid) {
                c = 0xFFFD;
                length = 1;
            }
        }
        out.push_back(static_cast<wchar_t>(c));
        i += length;
    }
    return out;
}

std::string toHostPath(const std::wstring &windowsPath)
{
    std::wstring path = windowsPath;
    for (wchar_t &c : path) {
        if (c == L'\\')
            c = L'/';
    }
    // A drive letter lands in the simulated machine: C:\x -> <machine>/drive_c/x.
    if (path.size() >= 2 && path[1] == L':' && std::iswalpha(path[0])) {
        std::string rest = toUtf8(path.substr(2));
        if (!rest.empty() && rest.front() != '/')
            rest.insert(rest.begin(), '/');
        const char letter = static_cast<char>(std::towlower(path[0]));
        return machineRoot() + "/drive_" + std::string(1, letter) + rest;
    }
    return toUtf8(path);
}

std::wstring fromHostPath(const std::string &hostPath)
{
    const std::string root = machineRoot() + "/drive_";
    std::wstring result;
    if (hostPath.compare(0, root.size(), root) == 0 && hostPath.size() > root.size()) {
        const char letter = hostPath[root.size()];
        const std::string rest = hostPath.substr(root.size() + 1);
        if (rest.empty() || rest.front() == '/') {
            result = std::wstring(1, static_cast<wchar_t>(std::towupper(letter))) + L":"
                     + fromUtf8(rest.empty() ? std::string("/") : rest);
        }
    }
    if (result.empty())
        result = fromUtf8(hostPath);
    for (wchar_t &c : result) {
        if (c == L'/')
            c = L'\\';
    }
    return result;
}

} // namespace sys
