#pragma once

// The registry's text format, "Windows Registry Editor Version 5.00" (and the older
// "REGEDIT4"): read by the simulated machine's store and by import on both builds, written by
// the store and by export.

#include "registry.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace sys {

// One line's effect, in file order.
struct RegFileEntry
{
    enum Kind { Key, DeleteKey, SetValue, DeleteValue };
    Kind kind = Key;
    std::wstring key;  // as written between the brackets, root name first
    std::wstring name; // value name; empty for the default value "@"
    RegValue value;
    size_t line = 0;
};

// Bytes of a .reg file as text: UTF-16LE (with or without byte-order mark) or UTF-8 (with or
// without); bytes that are not UTF-8 are taken as Latin-1 so that nothing is lost.
std::wstring decodeRegText(const std::string &bytes);

// Parses text (as decodeRegText gives it). Values below a "[-key]" line are checked but not
// returned, as regedit ignores them. On failure returns false with the 1-based line and a
// sentence naming what is wrong.
bool parseRegText(const std::wstring &text,
                  std::vector<RegFileEntry> &entries,
                  size_t &errorLine,
                  std::wstring &errorText);

// The same, handing each entry to sink as soon as its line is read (the sink may move from it);
// entries before a bad line have been handed over when it fails. A sink that refuses an entry
// returns false with a sentence in problem, which fails the parse at the entry's line.
using RegFileSink = std::function<bool(RegFileEntry &entry, std::wstring &problem)>;
bool parseRegText(const std::wstring &text,
                  const RegFileSink &sink,
                  size_t &errorLine,
                  std::wstring &errorText);

// Checks that every key names one of the four roots and that no root is to be deleted;
// otherwise false with the line and the reason.
bool checkRegFileRoots(const std::vector<RegFileEntry> &entries,
                       size_t &errorLine,
                       std::wstring &errorText);

// Builds a .reg file in the layout regedit and reg.exe export.
class RegFileWriter
{
public:
    // expectedBytes: the size the file will likely have (saves reallocating a large store).
    explicit RegFileWriter(size_t expectedBytes = 0);

    void beginKey(const std::wstring &fullPath);
    void addValue(const std::wstring &name, const RegValue &value);

    // The file so far, ending in an empty line as exported files do: as text, and as
    // UTF-16LE with a byte-order mark and CR LF line ends.
    std::wstring text() const;
    std::string bytes() const;

private:
    void putUnit(uint32_t unit);
    void put(wchar_t c);
    void put(const wchar_t *text);
    void putEscaped(const std::wstring &text);

    std::string m_bytes; // already in the file's encoding, UTF-16LE
    bool m_inKey = false;
};

// UTF-16LE with byte-order mark, as the registry tools write text.
std::string encodeUtf16LeWithBom(const std::wstring &text);

} // namespace sys
