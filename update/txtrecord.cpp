#include "txtrecord.h"

#include "hostpath.h"

#include <cwchar>

namespace TxtRecord {

const wchar_t *const IdentifierPrefix = L"{687A9E71-8F68-4735-8E53-D75792F1F571}_";

namespace {

const std::wstring MakerVendor = L"VID_04A7";

bool startsWith(const std::wstring &text, const wchar_t *prefix)
{
    return text.compare(0, std::wcslen(prefix), prefix) == 0;
}

} // namespace

std::wstring lookupKey(uint32_t addressLookup)
{
    wchar_t buffer[16];
    std::swprintf(buffer, sizeof(buffer) / sizeof(buffer[0]), L"%X", addressLookup);
    return buffer;
}

void read(const unsigned char *txt,
          size_t length,
          uint32_t addressLookup,
          uint16_t port,
          Findings &into)
{
    if (!txt)
        return;
    bool typeSeen = false;
    bool makerDevice = false;
    size_t at = 0;
    while (at < length) {
        const size_t size = txt[at++];
        if (size > length - at)
            break;
        const std::wstring entry
                = sys::fromUtf8(std::string(reinterpret_cast<const char *>(txt + at), size));
        at += size;

        // Keys are compared at the start of the entry: a note that merely mentions "ty=" is
        // still a note.
        if (startsWith(entry, L"ty=")) {
            typeSeen = true;
            const std::wstring value = entry.substr(3);
            const size_t colon = value.find(L':');
            if (colon == std::wstring::npos || colon == 0)
                continue;
            const size_t vendorAt = colon + 1;
            if (value.size() < vendorAt + MakerVendor.size()
                || value.compare(vendorAt, MakerVendor.size(), MakerVendor) != 0)
                continue;
            if (value.find(L':', vendorAt + MakerVendor.size()) == std::wstring::npos)
                continue;
            makerDevice = true;
            into.identifiers.push_back(IdentifierPrefix + value.substr(vendorAt));
            into.models.push_back(value.substr(0, colon));
            into.addresses.push_back(lookupKey(addressLookup) + L":" + std::to_wstring(port));
        } else if (startsWith(entry, L"note=") && entry.size() > 5) {
            if (makerDevice || !typeSeen)
                into.notes.push_back(entry.substr(5));
        }
    }
}

} // namespace TxtRecord
