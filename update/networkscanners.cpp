#include "networkscanners.h"

#include "devicetext.h"
#include "discoverycontext.h"
#include "process.h"
#include "scannerlist.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>

namespace NetworkScanners {

const wchar_t *const ScannerServiceType = L"_privet._tcp,_twaindirect";
const wchar_t *const PrinterServiceType = L"_ipp._tcp";

namespace {

constexpr size_t IdDigits = 4;

// The four hexadecimal digits right after marker ("PID_"), which must not open the identifier.
// The digits follow the underscore directly, as in a USB instance id, so both give the same id.
std::optional<uint32_t> idAfter(const std::wstring &identifier, const wchar_t *marker)
{
    const size_t at = identifier.find(marker);
    if (at == std::wstring::npos || at == 0)
        return std::nullopt;
    const size_t digits = at + std::wcslen(marker);
    if (identifier.size() < digits + IdDigits)
        return std::nullopt;
    const std::wstring hex = identifier.substr(digits, IdDigits);
    if (!std::all_of(hex.begin(), hex.end(), [](wchar_t c) { return std::iswxdigit(c); }))
        return std::nullopt;
    return static_cast<uint32_t>(std::wcstoul(hex.c_str(), nullptr, 16));
}

} // namespace

std::optional<DeviceRecord> deviceRecord(const std::wstring &identifier,
                                         const std::wstring &serialText,
                                         const std::wstring &modelText)
{
    const std::optional<uint32_t> productId = idAfter(identifier, L"PID_");
    const std::optional<uint32_t> vendorId = idAfter(identifier, L"VID_");
    if (!productId || !vendorId)
        return std::nullopt;
    DeviceRecord record;
    record.vendorId = *vendorId;
    record.productId = *productId;
    record.serialNumber = ScannerList::cleanSerial(serialText);
    record.model = modelText.empty() ? L"PID_" + DeviceText::hex4(*productId, false) : modelText;
    record.productIdText = DeviceText::hex4(*productId, true);
    record.network = true;
    return record;
}

std::vector<DeviceRecord>
findIn(const std::wstring &directory, const std::wstring &serviceType, const StopFlag *stop)
{
    if (stopRequested(stop))
        return {};
    DiscoveryContext::Results results;
    {
        DiscoveryContext context(directory);
        results = context.browse(serviceType, stop);
    }
    std::vector<DeviceRecord> records;
    for (size_t i = 0; i < results.identifiers.size(); ++i) {
        if (auto record
            = deviceRecord(results.identifiers[i], results.serials[i], results.models[i]))
            records.push_back(*record);
    }
    return records;
}

std::vector<DeviceRecord> find(const std::wstring &serviceType, const StopFlag *stop)
{
    return findIn(sys::programDirectory(), serviceType, stop);
}

} // namespace NetworkScanners
