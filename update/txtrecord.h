#pragma once

// What one resolved DNS-SD instance's TXT record tells about the maker's devices. Pure: no
// state beyond the arguments, so any byte sequence may be fed to it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace TxtRecord {

// The prefix of every network device identifier; the text after "VID_04A7"'s colon follows.
extern const wchar_t *const IdentifierPrefix; // L"{687A9E71-8F68-4735-8E53-D75792F1F571}_"

// Parallel per device: identifiers[i], models[i] and addresses[i] belong together. Notes are
// collected apart.
struct Findings
{
    std::vector<std::wstring> identifiers; // IdentifierPrefix + the type value after its ":"
    std::vector<std::wstring> models;      // the type value before its first ":"
    std::vector<std::wstring> addresses;   // "%X:%d": the address lookup's number, the port
    std::vector<std::wstring> notes;       // text after "note="
};

// Walks the entries (a length byte, then that many bytes of UTF-8) and appends what it finds:
// - "ty=" + value: a device of the maker when the value holds a ":" at p > 0 followed by
//   "VID_04A7" and, later, a second ":";
// - "note=" + text (non-empty): kept for a device of the maker, or while no type entry was
//   seen in this record.
// addressLookup numbers the address lookup started for this instance (0: none); port is in
// host byte order. An entry whose length runs past the record ends the walk.
void read(const unsigned char *txt,
          size_t length,
          uint32_t addressLookup,
          uint16_t port,
          Findings &into);

// The address entry's number part for a lookup number ("%X").
std::wstring lookupKey(uint32_t addressLookup);

} // namespace TxtRecord
