// A resolved DNS-SD instance's TXT record, as a peer on the network sends it: any bytes are
// walked within their length, and what is found stays one device per index.

#include "fuzzsupport.h"
#include "txtrecord.h"

#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The first six bytes choose the lookup number and the port; the rest is the record, in a
    // buffer of exactly its length so that a read past it is reported.
    if (size < 6)
        return 0;
    uint32_t lookup = 0;
    uint16_t port = 0;
    std::memcpy(&lookup, data, sizeof lookup);
    std::memcpy(&port, data + 4, sizeof port);
    const std::vector<unsigned char> record(data + 6, data + size);

    TxtRecord::Findings findings;
    TxtRecord::read(record.data(), record.size(), lookup, port, findings);
    FUZZ_CHECK(findings.identifiers.size() == findings.models.size());
    FUZZ_CHECK(findings.identifiers.size() == findings.addresses.size());
    const std::wstring prefix = TxtRecord::IdentifierPrefix;
    for (const std::wstring &identifier : findings.identifiers)
        FUZZ_CHECK(identifier.compare(0, prefix.size(), prefix) == 0);
    for (const std::wstring &note : findings.notes)
        FUZZ_CHECK(!note.empty());
    // Each entry adds at most one finding.
    FUZZ_CHECK(findings.identifiers.size() + findings.notes.size() <= record.size());
    return 0;
}
