#include "logline.h"

#include <cstdio>
#include <cwchar>
#include <vector>

namespace sys {

namespace {

bool isFlag(wchar_t c)
{
    return c == L'-' || c == L'+' || c == L' ' || c == L'#' || c == L'0' || c == L'\'';
}

bool isDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}

// Rewrites the Windows run-time's conventions into the C99 ones that vswprintf follows here
// (glibc and MinGW-w64's C99 printf alike).
std::wstring toC99Format(const wchar_t *format)
{
    std::wstring out;
    for (const wchar_t *p = format; *p;) {
        if (*p != L'%') {
            out.push_back(*p++);
            continue;
        }
        out.push_back(*p++);
        if (*p == L'%') {
            out.push_back(*p++);
            continue;
        }
        while (isFlag(*p))
            out.push_back(*p++);
        while (isDigit(*p) || *p == L'*')
            out.push_back(*p++);
        if (*p == L'.') {
            out.push_back(*p++);
            while (isDigit(*p) || *p == L'*')
                out.push_back(*p++);
        }
        std::wstring length;
        if (p[0] == L'I' && p[1] == L'6' && p[2] == L'4') {
            length = L"ll";
            p += 3;
        } else if (p[0] == L'I' && p[1] == L'3' && p[2] == L'2') {
            p += 3;
        } else if (p[0] == L'I') {
            length = L"z";
            ++p;
        } else if (p[0] == L'w') {
            length = L"l";
            ++p;
        } else {
            while (*p == L'h' || *p == L'l' || *p == L'L' || *p == L'j' || *p == L'z' || *p == L't'
                   || *p == L'q')
                length.push_back(*p++);
        }
        wchar_t conversion = *p;
        if (conversion == 0)
            break;
        ++p;
        if (length.empty() && (conversion == L's' || conversion == L'c')) {
            length = L"l";
        } else if (length.empty() && (conversion == L'S' || conversion == L'C')) {
            length = L"h";
            conversion = conversion == L'S' ? L's' : L'c';
        } else if (conversion == L'S' || conversion == L'C') {
            conversion = conversion == L'S' ? L's' : L'c';
        }
        out += length;
        out.push_back(conversion);
    }
    return out;
}

void appendNumber(std::string &out, int value, int width)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    out += buffer;
}

} // namespace

std::wstring formatWide(const wchar_t *format, va_list args)
{
    if (!format)
        return {};
    const std::wstring c99 = toC99Format(format);
    // ISO vswprintf answers -1 when the buffer is too small; MinGW-w64's C99 one answers the
    // length it needed, like snprintf. Either way: grow, up to a sane limit, then give up.
    size_t size = 512;
    while (size <= (size_t(1) << 20)) {
        std::vector<wchar_t> buffer(size);
        va_list copy;
        va_copy(copy, args);
        const int written = std::vswprintf(buffer.data(), buffer.size(), c99.c_str(), copy);
        va_end(copy);
        if (written >= 0 && static_cast<size_t>(written) < size)
            return std::wstring(buffer.data(), static_cast<size_t>(written));
        size = written >= 0 ? static_cast<size_t>(written) + 1 : size * 4;
    }
    return {};
}

std::string logLineBytes(const LogStamp &stamp,
                         uint32_t processId,
                         uint32_t threadId,
                         const std::wstring &message)
{
    std::string line;
    appendNumber(line, stamp.year, 1);
    line += '/';
    appendNumber(line, stamp.month, 2);
    line += '/';
    appendNumber(line, stamp.day, 2);
    line += ' ';
    appendNumber(line, stamp.hour, 2);
    line += ':';
    appendNumber(line, stamp.minute, 2);
    line += ':';
    appendNumber(line, stamp.second, 2);
    line += ":000 ";
    char ids[40];
    std::snprintf(ids,
                  sizeof ids,
                  "PID:%08X TID:%08X ",
                  static_cast<unsigned>(processId),
                  static_cast<unsigned>(threadId));
    line += ids;
    for (size_t i = 0; i < message.size(); ++i) {
        const uint32_t c = static_cast<uint32_t>(message[i]);
        if (c == L'\n') {
            line += "\r\n";
        } else if (c < 0x100) {
            line.push_back(static_cast<char>(c));
        } else {
            // A UTF-16 surrogate pair is one character, hence one "?".
            if (c >= 0xD800 && c < 0xDC00 && i + 1 < message.size()
                && static_cast<uint32_t>(message[i + 1]) >= 0xDC00
                && static_cast<uint32_t>(message[i + 1]) < 0xE000)
                ++i;
            line.push_back('?');
        }
    }
    line += "\r\n";
    return line;
}

} // namespace sys
