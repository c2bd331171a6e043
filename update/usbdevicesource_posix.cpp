// The simulated machine keeps its devices where Windows keeps them, in the registry; a device
// counts as connected while "TamPresent" is 1 (Windows itself keeps the keys of devices that were
// unplugged).

#include "usbdevicesource.h"

#include "devicetext.h"
#include "registry.h"

#include <cwchar>

namespace UsbDeviceSource {

namespace {

const wchar_t EnumKey[] = L"SYSTEM\\CurrentControlSet\\Enum";
const wchar_t ClassKey[] = L"SYSTEM\\CurrentControlSet\\Control\\Class\\";
const wchar_t ImagingClass[] = L"{6BDD1FC6-810F-11D0-BEC7-08002BE2092F}";

sys::RegKey openKey(const std::wstring &path)
{
    return sys::RegKey::open(sys::RegRoot::LocalMachine, path, sys::RegAccess::Read);
}

std::vector<std::wstring> subkeys(const sys::RegKey &key)
{
    std::vector<std::wstring> names;
    std::wstring name;
    for (uint32_t i = 0; key.enumKey(i, name) == sys::RegError::Success; ++i)
        names.push_back(name);
    return names;
}

// A value read into the room Windows' callers give it: what does not fit is not read.
bool readValue(const sys::RegKey &key, const wchar_t *name, uint32_t type, sys::RegValue &value)
{
    return key.queryValue(name, value) == sys::RegError::Success && value.type == type
           && value.data.size() <= PropertyBytes;
}

std::wstring readString(const sys::RegKey &key, const wchar_t *name)
{
    sys::RegValue value;
    if (!readValue(key, name, sys::RegType::String, value))
        return std::wstring();
    return DeviceText::fromUtf16(value.data.data(), value.data.size());
}

bool readOptionalString(const sys::RegKey &key, const wchar_t *name, std::wstring &text)
{
    sys::RegValue value;
    if (!readValue(key, name, sys::RegType::String, value))
        return false;
    text = DeviceText::fromUtf16(value.data.data(), value.data.size());
    return true;
}

struct DeviceKey
{
    std::wstring instanceId; // enumerator\device\instance
    std::wstring device;     // the device part, "VID_04A7&PID_0465"
    sys::RegKey key;
};

// Every connected device of the machine, as the device manager would list it.
template<typename Visit>
void forEachPresentDevice(Visit visit)
{
    const sys::RegKey root = openKey(EnumKey);
    for (const std::wstring &enumerator : subkeys(root)) {
        const std::wstring enumeratorPath = std::wstring(EnumKey) + L"\\" + enumerator;
        for (const std::wstring &device : subkeys(openKey(enumeratorPath))) {
            const std::wstring devicePath = enumeratorPath + L"\\" + device;
            for (const std::wstring &instance : subkeys(openKey(devicePath))) {
                DeviceKey entry{enumerator + L"\\" + device + L"\\" + instance,
                                device,
                                openKey(devicePath + L"\\" + instance)};
                uint32_t present = 0;
                if (!entry.key.readDword(L"TamPresent", present) || present != 1)
                    continue;
                if (entry.instanceId.size() >= InstanceIdChars)
                    continue; // SetupAPI's buffer would not hold it
                visit(entry, enumerator);
            }
        }
    }
}

// "VID_xxxx&PID_xxxx" as the device descriptor of a USB device reports it.
bool descriptorIds(const std::wstring &device, uint16_t &vendorId, uint16_t &productId)
{
    unsigned vendor = 0;
    unsigned product = 0;
    wchar_t rest = 0;
    if (std::swscanf(
                DeviceText::upper(device).c_str(), L"VID_%4X&PID_%4X%lc", &vendor, &product, &rest)
        != 2)
        return false;
    vendorId = static_cast<uint16_t>(vendor);
    productId = static_cast<uint16_t>(product);
    return true;
}

} // namespace

std::vector<PresentDevice> presentDevices(const std::function<bool(const std::wstring &)> &keep)
{
    std::vector<PresentDevice> devices;
    forEachPresentDevice([&](const DeviceKey &device, const std::wstring &) {
        const std::wstring id = DeviceText::upper(device.instanceId);
        if (!keep(id))
            return;
        PresentDevice present;
        present.instanceId = id;
        sys::RegValue ids;
        if (readValue(device.key, L"CompatibleIDs", sys::RegType::MultiString, ids))
            present.compatibleIds = DeviceText::multiString(ids.data.data(), ids.data.size());
        present.driverKey = readString(device.key, L"Driver");
        present.description = readString(device.key, L"DeviceDesc");
        devices.push_back(std::move(present));
    });
    return devices;
}

std::vector<HubDevice> hubDevices(const HubDeviceFilter &wantsStrings)
{
    std::vector<HubDevice> devices;
    forEachPresentDevice([&](const DeviceKey &device, const std::wstring &enumerator) {
        // A composite device's interfaces ("...&MI_00") sit behind its port, not on one.
        HubDevice hub;
        if (DeviceText::upper(enumerator) != L"USB"
            || !descriptorIds(device.device, hub.vendorId, hub.productId))
            return;
        hub.driverKey = readString(device.key, L"Driver");
        if (wantsStrings(hub)) {
            hub.hasSerialString
                    = readOptionalString(device.key, L"TamSerialString", hub.serialString);
            hub.hasProductString
                    = readOptionalString(device.key, L"TamProductString", hub.productString);
        }
        devices.push_back(std::move(hub));
    });
    return devices;
}

std::vector<ImagingDevice> imagingDevices()
{
    std::vector<ImagingDevice> devices;
    forEachPresentDevice([&](const DeviceKey &device, const std::wstring &) {
        const std::wstring driver = readString(device.key, L"Driver");
        if (DeviceText::upper(readString(device.key, L"ClassGUID")) != ImagingClass
            || driver.empty())
            return;
        const sys::RegKey key = openKey(ClassKey + driver);
        if (!key.isOpen())
            return;
        ImagingDevice imaging;
        imaging.symbolicName = readString(key, L"SymbolicName");
        imaging.friendlyName = readString(key, L"FriendlyName");
        imaging.driverVersion = readString(key, L"DriverVersion");
        imaging.serialNumber = readString(key, L"SerialNumber");
        devices.push_back(std::move(imaging));
    });
    return devices;
}

void reenumerate()
{}

} // namespace UsbDeviceSource
