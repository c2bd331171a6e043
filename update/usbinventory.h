#pragma once

// The maker's USB devices that are present now, with what Windows knows about each: the device
// installation functions give the instance id and three properties, the hub driver the serial
// number and product strings the device reports, the imaging class's driver keys what the
// scanner driver learned. Only fetching the raw data differs per platform (usbdevicesource.h);
// parsing and matching are the same everywhere.

#include <cstdint>
#include <string>
#include <vector>

struct UsbInventoryEntry
{
    uint32_t vendorId = 0;
    uint32_t productId = 0;
    std::wstring instanceId;     // upper-cased, "USB\VID_04A7&PID_0465\SUFFIX"
    std::wstring instanceSuffix; // the part after the last backslash
    std::wstring serialNumber;   // as found, untrimmed; empty when the device reported none
    std::wstring model;          // device description, or the device's product string
    std::wstring driverKey;
    std::vector<std::wstring> compatibleIds;
    std::wstring friendlyName;
    std::wstring driverVersion;
};

class UsbInventory
{
public:
    static constexpr uint32_t MakerVendorId = 0x04A7;

    // Builds the inventory afresh and returns the number of entries.
    size_t refresh();
    const std::vector<UsbInventoryEntry> &entries() const { return m_entries; }

    // Asks Windows to look for newly connected devices across the whole device tree; returns
    // at once. Nothing to do on the simulated machine, where devices are keys.
    static void rescanDevices();

private:
    void readPresentDevices();
    void readHubStrings();
    void readImagingClass();

    std::vector<UsbInventoryEntry> m_entries;
};
