#include "regfile.h"

#include "registrytree.h"

#include <algorithm>
#include <cstdint>

namespace sys {

namespace {

const wchar_t headerV5[] = L"Windows Registry Editor Version 5.00";
const wchar_t headerV4[] = L"REGEDIT4";

// wchar_t holds UTF-16 units on Windows and code points elsewhere.
void appendCodePoint(std::wstring &text, uint32_t code)
{
    if (sizeof(wchar_t) == 2 && code > 0xFFFF) {
        code -= 0x10000;
        text.push_back(static_cast<wchar_t>(0xD800 + (code >> 10)));
        text.push_back(static_cast<wchar_t>(0xDC00 + (code & 0x3FF)));
    } else {
        text.push_back(static_cast<wchar_t>(code));
    }
}

std::wstring decodeUtf16Le(const std::string &bytes, size_t start)
{
    std::wstring text;
    text.reserve((bytes.size() - start) / 2);
    for (size_t i = start; i + 1 < bytes.size(); i += 2) {
        uint32_t unit = static_cast<uint8_t>(bytes[i]) | (static_cast<uint8_t>(bytes[i + 1]) << 8);
        if (sizeof(wchar_t) == 4 && unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
            const uint32_t low = static_cast<uint8_t>(bytes[i + 2])
                                 | (static_cast<uint8_t>(bytes[i + 3]) << 8);
            if (low >= 0xDC00 && low < 0xE000) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        text.push_back(static_cast<wchar_t>(unit));
    }
    return text;
}

std::wstring decodeUtf8(const std::string &bytes, size_t start)
{
    std::wstring text;
    text.reserve(bytes.size() - start);
    size_t i = start;
    while (i < bytes.size()) {
        const uint8_t lead = static_cast<uint8_t>(bytes[i]);
        size_t extra = 0;
        uint32_t code = lead;
        if (lead >= 0xF0 && lead < 0xF5) {
            extra = 3;
            code = lead & 0x07;
        } else if (lead >= 0xE0 && lead < 0xF0) {
            extra = 2;
            code = lead & 0x0F;
        } else if (lead >= 0xC2 && lead < 0xE0) {
            extra = 1;
            code = lead & 0x1F;
        }
        bool valid = lead < 0x80 || extra > 0;
        if (extra > 0) {
            if (i + extra >= bytes.size())
                valid = false;
            for (size_t k = 1; valid && k <= extra; ++k) {
                const uint8_t next = static_cast<uint8_t>(bytes[i + k]);
                if ((next & 0xC0) != 0x80)
                    valid = false;
                else
                    code = (code << 6) | (next & 0x3F);
            }
            if (valid
                && ((extra == 2 && code < 0x800) || (extra == 3 && code < 0x10000)
                    || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)))
                valid = false;
        }
        if (!valid) {
            // Not UTF-8: keep the byte as the Latin-1 character it most likely is.
            text.push_back(static_cast<wchar_t>(lead));
            ++i;
            continue;
        }
        appendCodePoint(text, code);
        i += extra + 1;
    }
    return text;
}

bool isSpace(wchar_t c)
{
    return c == L' ' || c == L'\t';
}

int hexDigit(wchar_t c)
{
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (c >= L'a' && c <= L'f')
        return c - L'a' + 10;
    if (c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    return -1;
}

std::wstring trimmed(const std::wstring &line)
{
    size_t begin = 0;
    size_t end = line.size();
    while (begin < end && isSpace(line[begin]))
        ++begin;
    while (end > begin && isSpace(line[end - 1]))
        --end;
    return line.substr(begin, end - begin);
}

bool startsWithNoCase(const std::wstring &text, size_t at, const wchar_t *prefix)
{
    for (size_t k = 0; prefix[k]; ++k) {
        if (at + k >= text.size())
            return false;
        wchar_t c = text[at + k];
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
        if (c != prefix[k])
            return false;
    }
    return true;
}

// Reads a quoted string starting at text[pos] == '"'; pos ends after the closing quote.
bool readQuoted(const std::wstring &text, size_t &pos, std::wstring &out)
{
    out.clear();
    for (++pos; pos < text.size(); ++pos) {
        const wchar_t c = text[pos];
        if (c == L'"') {
            ++pos;
            return true;
        }
        if (c == L'\\' && pos + 1 < text.size()) {
            const wchar_t next = text[++pos];
            switch (next) {
            case L'\\':
            case L'"':
                out.push_back(next);
                break;
            case L'n':
                out.push_back(L'\n');
                break;
            case L'r':
                out.push_back(L'\r');
                break;
            case L'0':
                out.push_back(L'\0');
                break;
            default:
                // regedit keeps an unknown escape as written.
                out.push_back(L'\\');
                out.push_back(next);
                break;
            }
            continue;
        }
        out.push_back(c);
    }
    return false;
}

bool onlySpaceFrom(const std::wstring &text, size_t pos)
{
    for (; pos < text.size(); ++pos) {
        if (!isSpace(text[pos]))
            return false;
    }
    return true;
}

// REGEDIT4 files hold hex(2) and hex(7) data as 8-bit text; the registry keeps UTF-16LE.
std::vector<uint8_t> widenAnsiBytes(const std::vector<uint8_t> &bytes)
{
    std::vector<uint8_t> wide;
    wide.reserve(bytes.size() * 2);
    for (uint8_t b : bytes) {
        wide.push_back(b);
        wide.push_back(0);
    }
    return wide;
}

class Parser
{
public:
    Parser(const std::wstring &text, const RegFileSink &sink)
        : m_text(text)
        , m_sink(sink)
    {}

    bool run()
    {
        bool sawHeader = false;
        std::wstring line;
        while (nextLine(line)) {
            const std::wstring body = trimmed(line);
            if (!sawHeader) {
                if (body.empty())
                    continue;
                if (body == headerV5) {
                    sawHeader = true;
                    continue;
                }
                if (body == headerV4) {
                    sawHeader = true;
                    m_ansi = true;
                    continue;
                }
                return fail(L"the file does not start with \"Windows Registry Editor Version "
                            L"5.00\"");
            }
            if (body.empty() || body[0] == L';')
                continue;
            if (body[0] == L'[') {
                if (!keyLine(body))
                    return false;
            } else if (body[0] == L'"' || body[0] == L'@') {
                if (!valueLine(body))
                    return false;
            } else {
                return fail(L"expected a [key] or a \"name\"=value line");
            }
        }
        if (!sawHeader) {
            m_lineNumber = 1;
            return fail(L"the file does not start with \"Windows Registry Editor Version 5.00\"");
        }
        return true;
    }

    size_t errorLine() const { return m_errorLine; }
    const std::wstring &errorText() const { return m_errorText; }

private:
    bool nextLine(std::wstring &line)
    {
        if (m_pos >= m_text.size())
            return false;
        size_t end = m_text.find(L'\n', m_pos);
        if (end == std::wstring::npos)
            end = m_text.size();
        line.assign(m_text, m_pos, end - m_pos);
        if (!line.empty() && line.back() == L'\r')
            line.pop_back();
        m_pos = end + 1;
        ++m_lineNumber;
        return true;
    }

    bool fail(const std::wstring &text)
    {
        m_errorLine = m_lineNumber;
        m_errorText = text;
        return false;
    }

    bool keyLine(const std::wstring &body)
    {
        if (body.back() != L']')
            return fail(L"a key line must end with \"]\"");
        std::wstring key = body.substr(1, body.size() - 2);
        RegFileEntry entry;
        entry.line = m_lineNumber;
        entry.kind = RegFileEntry::Key;
        if (!key.empty() && key[0] == L'-') {
            entry.kind = RegFileEntry::DeleteKey;
            key.erase(0, 1);
        }
        // Blanks before the root name are layout; a blank that ends the last key name belongs
        // to it (the writer keeps it, and "Trailing " is another key than "Trailing").
        key.erase(0, std::min(key.size(), key.find_first_not_of(L" \t")));
        if (key.empty())
            return fail(L"empty key name");
        entry.key = key;
        m_keyDeleted = entry.kind == RegFileEntry::DeleteKey;
        m_currentKey = key;
        std::wstring problem;
        if (!m_sink(entry, problem))
            return failAt(entry.line, problem);
        return true;
    }

    bool valueLine(const std::wstring &body)
    {
        const size_t startLine = m_lineNumber;
        RegFileEntry entry;
        entry.line = startLine;
        size_t pos = 0;
        if (body[0] == L'@') {
            pos = 1;
        } else if (!readQuoted(body, pos, entry.name)) {
            return fail(L"the value name has no closing quote");
        }
        while (pos < body.size() && isSpace(body[pos]))
            ++pos;
        if (pos >= body.size() || body[pos] != L'=')
            return fail(L"expected \"=\" after the value name");
        ++pos;
        while (pos < body.size() && isSpace(body[pos]))
            ++pos;
        if (m_currentKey.empty())
            return fail(L"a value before the first [key] line");

        if (pos < body.size() && body[pos] == L'-') {
            if (!onlySpaceFrom(body, pos + 1))
                return fail(L"unexpected text after \"=-\"");
            entry.kind = RegFileEntry::DeleteValue;
        } else if (pos < body.size() && body[pos] == L'"') {
            std::wstring data;
            if (!readQuoted(body, pos, data))
                return fail(L"the string has no closing quote");
            if (!onlySpaceFrom(body, pos))
                return fail(L"unexpected text after the closing quote");
            entry.kind = RegFileEntry::SetValue;
            entry.value = makeStringValue(data, RegType::String);
        } else if (startsWithNoCase(body, pos, L"dword:")) {
            pos += 6;
            const std::wstring digits = trimmed(body.substr(pos));
            if (digits.empty() || digits.size() > 8)
                return fail(L"a dword needs 1 to 8 hexadecimal digits");
            uint32_t number = 0;
            for (wchar_t c : digits) {
                const int digit = hexDigit(c);
                if (digit < 0)
                    return fail(L"a dword needs 1 to 8 hexadecimal digits");
                number = (number << 4) | static_cast<uint32_t>(digit);
            }
            entry.kind = RegFileEntry::SetValue;
            entry.value = makeDwordValue(number);
        } else if (startsWithNoCase(body, pos, L"hex")) {
            pos += 3;
            uint32_t type = RegType::Binary;
            if (pos < body.size() && body[pos] == L'(') {
                const size_t close = body.find(L')', pos);
                if (close == std::wstring::npos || close == pos + 1 || close - pos > 9)
                    return fail(L"expected hex(type): with a hexadecimal type");
                type = 0;
                for (size_t k = pos + 1; k < close; ++k) {
                    const int digit = hexDigit(body[k]);
                    if (digit < 0)
                        return fail(L"expected hex(type): with a hexadecimal type");
                    type = (type << 4) | static_cast<uint32_t>(digit);
                }
                pos = close + 1;
            }
            if (pos >= body.size() || body[pos] != L':')
                return fail(L"expected \":\" after hex");
            std::wstring list = body.substr(pos + 1);
            if (!readContinuations(list))
                return false;
            std::vector<uint8_t> bytes;
            if (!parseHexList(list, bytes, startLine))
                return false;
            if (m_ansi && (type == RegType::ExpandString || type == RegType::MultiString))
                bytes = widenAnsiBytes(bytes);
            entry.kind = RegFileEntry::SetValue;
            entry.value.type = type;
            entry.value.data = std::move(bytes);
        } else {
            return fail(L"unknown value data (expected \"text\", dword:, hex: or -)");
        }
        if (m_keyDeleted)
            return true;
        entry.key = m_currentKey;
        std::wstring problem;
        if (!m_sink(entry, problem))
            return failAt(entry.line, problem);
        return true;
    }

    // Joins lines ending in a backslash into one hex list.
    bool readContinuations(std::wstring &list)
    {
        // Trimmed in place, line by line: re-trimming the whole list after every line would cost
        // time quadratic in the length of a long value.
        auto trimTail = [&list] {
            while (!list.empty() && isSpace(list.back()))
                list.pop_back();
        };
        list = trimmed(list);
        while (!list.empty() && list.back() == L'\\') {
            list.pop_back();
            trimTail();
            std::wstring next;
            if (!nextLine(next))
                return fail(L"the file ends inside a continued hex value");
            list += trimmed(next);
            trimTail();
        }
        return true;
    }

    bool parseHexList(const std::wstring &list, std::vector<uint8_t> &bytes, size_t startLine)
    {
        bytes.reserve(list.size() / 3 + 1);
        size_t pos = 0;
        while (pos < list.size()) {
            while (pos < list.size() && isSpace(list[pos]))
                ++pos;
            if (pos >= list.size())
                break;
            const int high = hexDigit(list[pos]);
            if (high < 0)
                return failAt(startLine,
                              L"a hex value may hold only bytes like 4f separated by commas");
            int value = high;
            ++pos;
            if (pos < list.size() && hexDigit(list[pos]) >= 0) {
                value = value * 16 + hexDigit(list[pos]);
                ++pos;
            }
            bytes.push_back(static_cast<uint8_t>(value));
            while (pos < list.size() && isSpace(list[pos]))
                ++pos;
            if (pos < list.size()) {
                if (list[pos] != L',')
                    return failAt(startLine,
                                  L"a hex value may hold only bytes like 4f separated by commas");
                ++pos;
            }
        }
        return true;
    }

    bool failAt(size_t line, const std::wstring &text)
    {
        m_errorLine = line;
        m_errorText = text;
        return false;
    }

    const std::wstring &m_text;
    const RegFileSink &m_sink;
    size_t m_pos = 0;
    size_t m_lineNumber = 0;
    size_t m_errorLine = 0;
    std::wstring m_errorText;
    std::wstring m_currentKey;
    bool m_keyDeleted = false;
    bool m_ansi = false;
};

// A REG_SZ is written as "text" when reading that text back gives the same bytes: whole
// UTF-16 units ending in the one NUL, and no control characters a line could not hold.
bool writableAsQuoted(const RegValue &value)
{
    const size_t n = value.data.size();
    if (n < 2 || n % 2 != 0 || value.data[n - 1] != 0 || value.data[n - 2] != 0)
        return false;
    for (size_t i = 0; i + 2 < n; i += 2) {
        if (value.data[i + 1] == 0 && value.data[i] < 0x20)
            return false;
    }
    return true;
}

const wchar_t hexDigits[] = L"0123456789abcdef";

} // namespace

std::wstring decodeRegText(const std::string &bytes)
{
    if (bytes.size() >= 2 && static_cast<uint8_t>(bytes[0]) == 0xFF
        && static_cast<uint8_t>(bytes[1]) == 0xFE)
        return decodeUtf16Le(bytes, 2);
    if (bytes.size() >= 3 && static_cast<uint8_t>(bytes[0]) == 0xEF
        && static_cast<uint8_t>(bytes[1]) == 0xBB && static_cast<uint8_t>(bytes[2]) == 0xBF)
        return decodeUtf8(bytes, 3);
    if (bytes.size() >= 2 && bytes[0] != 0 && bytes[1] == 0)
        return decodeUtf16Le(bytes, 0);
    return decodeUtf8(bytes, 0);
}

bool parseRegText(const std::wstring &text,
                  std::vector<RegFileEntry> &entries,
                  size_t &errorLine,
                  std::wstring &errorText)
{
    return parseRegText(
            text,
            [&entries](RegFileEntry &entry, std::wstring &) {
                entries.push_back(std::move(entry));
                return true;
            },
            errorLine,
            errorText);
}

bool parseRegText(const std::wstring &text,
                  const RegFileSink &sink,
                  size_t &errorLine,
                  std::wstring &errorText)
{
    Parser parser(text, sink);
    if (parser.run())
        return true;
    errorLine = parser.errorLine();
    errorText = parser.errorText();
    return false;
}

bool checkRegFileRoots(const std::vector<RegFileEntry> &entries,
                       size_t &errorLine,
                       std::wstring &errorText)
{
    for (const RegFileEntry &entry : entries) {
        RegRoot root;
        std::wstring rest;
        if (!splitRootPath(entry.key, root, rest)) {
            errorLine = entry.line;
            errorText = L"unknown root key in \"" + entry.key + L"\"";
            return false;
        }
        if (entry.kind == RegFileEntry::DeleteKey && rest.empty()) {
            errorLine = entry.line;
            errorText = L"a root key cannot be deleted";
            return false;
        }
        RegKeyPath path;
        path.appendPath(rest);
        if (!path.withinLimits()) {
            errorLine = entry.line;
            errorText = L"a key name longer than 255 characters or nested deeper than 512 levels";
            return false;
        }
    }
    return true;
}

RegFileWriter::RegFileWriter(size_t expectedBytes)
{
    m_bytes.reserve(expectedBytes + 4096);
    m_bytes.push_back(static_cast<char>(0xFF));
    m_bytes.push_back(static_cast<char>(0xFE));
    put(headerV5);
    put(L"\r\n\r\n");
}

void RegFileWriter::putUnit(uint32_t unit)
{
    m_bytes.push_back(static_cast<char>(unit & 0xFF));
    m_bytes.push_back(static_cast<char>((unit >> 8) & 0xFF));
}

void RegFileWriter::put(wchar_t c)
{
    uint32_t code = static_cast<uint32_t>(c);
    if (code > 0xFFFF) {
        code -= 0x10000;
        putUnit(0xD800 + (code >> 10));
        putUnit(0xDC00 + (code & 0x3FF));
    } else {
        putUnit(code);
    }
}

void RegFileWriter::put(const wchar_t *text)
{
    for (; *text; ++text)
        put(*text);
}

void RegFileWriter::putEscaped(const std::wstring &text)
{
    // A name may hold any character; those that would end the line or the name go as the
    // escapes the reader turns back into them.
    for (wchar_t c : text) {
        switch (c) {
        case L'\\':
        case L'"':
            putUnit('\\');
            put(c);
            break;
        case L'\n':
            put(L"\\n");
            break;
        case L'\r':
            put(L"\\r");
            break;
        case L'\0':
            put(L"\\0");
            break;
        default:
            put(c);
        }
    }
}

void RegFileWriter::beginKey(const std::wstring &fullPath)
{
    if (m_inKey)
        put(L"\r\n");
    put(L'[');
    for (wchar_t c : fullPath)
        put(c);
    put(L"]\r\n");
    m_inKey = true;
}

void RegFileWriter::addValue(const std::wstring &name, const RegValue &value)
{
    const size_t lineStart = m_bytes.size();
    if (name.empty()) {
        put(L"@=");
    } else {
        put(L'"');
        putEscaped(name);
        put(L"\"=");
    }
    if (value.type == RegType::String && writableAsQuoted(value)) {
        // The data already is UTF-16LE: copy its units, escaping as they pass.
        put(L'"');
        for (size_t i = 0; i + 2 < value.data.size(); i += 2) {
            const uint32_t unit = value.data[i] | (value.data[i + 1] << 8);
            if (unit == '\\' || unit == '"')
                putUnit('\\');
            putUnit(unit);
        }
        put(L"\"\r\n");
        return;
    }
    if (value.type == RegType::Dword && value.data.size() == 4) {
        const uint32_t number = value.data[0] | (value.data[1] << 8) | (value.data[2] << 16)
                                | (static_cast<uint32_t>(value.data[3]) << 24);
        put(L"dword:");
        for (int shift = 28; shift >= 0; shift -= 4)
            put(hexDigits[(number >> shift) & 0xF]);
        put(L"\r\n");
        return;
    }
    if (value.type == RegType::Binary) {
        put(L"hex:");
    } else {
        std::wstring type;
        for (uint32_t t = value.type; t || type.empty(); t >>= 4)
            type.insert(type.begin(), hexDigits[t & 0xF]);
        put(L"hex(");
        put(type.c_str());
        put(L"):");
    }
    // regedit wraps hex data to keep lines within 80 columns.
    size_t column = (m_bytes.size() - lineStart) / 2;
    for (size_t i = 0; i < value.data.size(); ++i) {
        const bool last = i + 1 == value.data.size();
        if (i > 0 && column + (last ? 2 : 3) > 78) {
            put(L"\\\r\n  ");
            column = 2;
        }
        put(hexDigits[value.data[i] >> 4]);
        put(hexDigits[value.data[i] & 0xF]);
        column += 2;
        if (!last) {
            put(L',');
            ++column;
        }
    }
    put(L"\r\n");
}

std::string RegFileWriter::bytes() const
{
    return m_bytes + std::string("\r\0\n\0", 4);
}

std::wstring RegFileWriter::text() const
{
    return decodeRegText(bytes());
}

std::string encodeUtf16LeWithBom(const std::wstring &text)
{
    std::string bytes;
    bytes.reserve(text.size() * 2 + 2);
    bytes.push_back(static_cast<char>(0xFF));
    bytes.push_back(static_cast<char>(0xFE));
    for (wchar_t c : text) {
        uint32_t code = static_cast<uint32_t>(c);
        if (code > 0xFFFF) {
            code -= 0x10000;
            const uint32_t high = 0xD800 + (code >> 10);
            const uint32_t low = 0xDC00 + (code & 0x3FF);
            bytes.push_back(static_cast<char>(high & 0xFF));
            bytes.push_back(static_cast<char>(high >> 8));
            bytes.push_back(static_cast<char>(low & 0xFF));
            bytes.push_back(static_cast<char>(low >> 8));
        } else {
            bytes.push_back(static_cast<char>(code & 0xFF));
            bytes.push_back(static_cast<char>(code >> 8));
        }
    }
    return bytes;
}

} // namespace sys
