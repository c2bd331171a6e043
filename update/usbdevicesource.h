#pragma once

// Where the USB inventory's raw data comes from. Win32: SetupAPI, the USB hub driver's control
// codes, the devices' driver keys and the configuration manager. Simulated machine: the
// registry keys in which Windows keeps the same facts,
//   HKLM\SYSTEM\CurrentControlSet\Enum\<enumerator>\<device>\<instance>
//       "DeviceDesc", "Driver", "ClassGUID" (REG_SZ), "CompatibleIDs" (REG_MULTI_SZ),
//       "TamPresent" (REG_DWORD, 1 while the device is connected),
//       "TamSerialString", "TamProductString" (REG_SZ, what the hub would read from the
//       device's string descriptors; absent when the device has none)
//   HKLM\SYSTEM\CurrentControlSet\Control\Class\<the device's "Driver" value>
//       "SymbolicName", "FriendlyName", "DriverVersion", "SerialNumber" (REG_SZ)
// A request that fails leaves its data out; nothing here reports errors.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace UsbDeviceSource {

// Room Windows gives an instance id (characters, with the terminating NUL) and a device
// property or registry string (bytes).
constexpr size_t InstanceIdChars = 260;
constexpr size_t PropertyBytes = 520;

struct PresentDevice
{
    std::wstring instanceId; // upper-cased
    std::vector<std::wstring> compatibleIds;
    std::wstring driverKey;
    std::wstring description;
};

// A device on a hub port, with the strings it reports when they were asked for.
struct HubDevice
{
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    std::wstring driverKey;
    bool hasSerialString = false;
    std::wstring serialString;
    bool hasProductString = false;
    std::wstring productString;
};

struct ImagingDevice
{
    std::wstring symbolicName;
    std::wstring friendlyName;
    std::wstring driverVersion;
    std::wstring serialNumber;
};

// Every present device whose upper-cased instance id keep() accepts, with its compatible ids,
// driver key and description.
std::vector<PresentDevice> presentDevices(const std::function<bool(const std::wstring &)> &keep);

// Every device connected to a port of a USB hub (root hubs of every host controller, external
// hubs followed). The string descriptors are read only for devices wantsStrings() accepts.
using HubDeviceFilter = std::function<bool(const HubDevice &device)>;
std::vector<HubDevice> hubDevices(const HubDeviceFilter &wantsStrings);

// Every present device of the imaging class, from its driver key.
std::vector<ImagingDevice> imagingDevices();

// Asks the configuration manager to enumerate the device tree again.
void reenumerate();

} // namespace UsbDeviceSource
