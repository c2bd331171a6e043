#pragma once

// The maker's scanners that are connected now, for a product id (0 = any): USB scanners in
// inventory order, then the network scanners of the scanner service, then those of the printing
// service. This is what the update dialogs choose from and what the product description asks
// for a serial number.

#include "devicerecord.h"
#include "stopflag.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct UsbInventoryEntry;

class ScannerList
{
public:
    // The network scanners announcing one service type.
    using NetworkFinder = std::function<std::vector<DeviceRecord>(const std::wstring &serviceType)>;

    // Every scanner, or only the first one the list would name: then the search ends with the
    // first stage that finds one (USB, the scanner service, the printing service), and a
    // scanner on USB costs no network search at all.
    enum class Wanted { All, First };

    // Refreshes the USB inventory and asks the network (NetworkScanners::find). A raised stop
    // flag skips what is left of the network search.
    static std::vector<DeviceRecord>
    find(uint32_t productId, Wanted wanted = Wanted::All, const StopFlag *stop = nullptr);
    static std::vector<DeviceRecord> build(const std::vector<UsbInventoryEntry> &usbEntries,
                                           uint32_t productId,
                                           const NetworkFinder &network,
                                           Wanted wanted = Wanted::All);

    // A serial number as records carry it: surrounding blanks trimmed, every "_" removed.
    static std::wstring cleanSerial(const std::wstring &serial);
    // The record of a USB scanner; false for an entry without a serial number.
    static bool recordFromEntry(const UsbInventoryEntry &entry, DeviceRecord &record);
};
