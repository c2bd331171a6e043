#include "scannerlist.h"

#include "devicetext.h"
#include "networkscanners.h"
#include "usbinventory.h"

#include <algorithm>
#include <cwctype>

namespace {

bool wantedId(uint32_t requested, const DeviceRecord &record)
{
    return requested == 0 || record.productId == requested;
}

} // namespace

std::vector<DeviceRecord> ScannerList::find(uint32_t productId, Wanted wanted, const StopFlag *stop)
{
    UsbInventory inventory;
    inventory.refresh();
    return build(
            inventory.entries(),
            productId,
            [stop](const std::wstring &type) { return NetworkScanners::find(type, stop); },
            wanted);
}

std::vector<DeviceRecord> ScannerList::build(const std::vector<UsbInventoryEntry> &usbEntries,
                                             uint32_t productId,
                                             const NetworkFinder &network,
                                             Wanted wanted)
{
    std::vector<DeviceRecord> records;
    const auto enough = [&records, wanted] {
        if (wanted == Wanted::First && !records.empty()) {
            records.resize(1);
            return true;
        }
        return false;
    };
    for (const UsbInventoryEntry &entry : usbEntries) {
        DeviceRecord record;
        if (recordFromEntry(entry, record) && wantedId(productId, record))
            records.push_back(std::move(record));
    }
    if (!network || enough())
        return records;
    for (const wchar_t *type :
         {NetworkScanners::ScannerServiceType, NetworkScanners::PrinterServiceType}) {
        for (DeviceRecord &record : network(type)) {
            if (wantedId(productId, record))
                records.push_back(std::move(record));
        }
        if (enough())
            return records;
    }
    return records;
}

std::wstring ScannerList::cleanSerial(const std::wstring &serial)
{
    std::wstring clean;
    for (wchar_t c : serial) {
        if (c != L'_')
            clean.push_back(c);
    }
    const auto blank = [](wchar_t c) { return std::iswspace(static_cast<wint_t>(c)) != 0; };
    const auto first = std::find_if_not(clean.begin(), clean.end(), blank);
    const auto last = std::find_if_not(clean.rbegin(), clean.rend(), blank).base();
    return first < last ? std::wstring(first, last) : std::wstring();
}

bool ScannerList::recordFromEntry(const UsbInventoryEntry &entry, DeviceRecord &record)
{
    // Blanks or underscores alone are no serial number: the update server could not tell the
    // scanner apart by them.
    const std::wstring serial = cleanSerial(entry.serialNumber);
    if (serial.empty())
        return false;
    record = DeviceRecord();
    record.vendorId = entry.vendorId;
    record.productId = entry.productId;
    record.serialNumber = serial;
    record.model = entry.model.empty() ? L"PID_" + DeviceText::hex4(entry.productId, false)
                                       : entry.model;
    record.productIdText = DeviceText::hex4(entry.productId, true);
    record.network = false;
    return true;
}
