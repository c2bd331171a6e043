#include "usbinventory.h"

#include "devicetext.h"
#include "scannerlist.h"
#include "usbdevicesource.h"

#include <algorithm>

namespace {

// Hexadecimal digits at pos, at most eight (what fits the 32-bit fields); pos moves past them.
bool readHex(const std::wstring &text, size_t &pos, uint32_t &number)
{
    size_t digits = 0;
    number = 0;
    while (pos < text.size() && digits < 9) {
        const wchar_t c = text[pos];
        uint32_t value = 0;
        if (c >= L'0' && c <= L'9')
            value = static_cast<uint32_t>(c - L'0');
        else if (c >= L'A' && c <= L'F')
            value = static_cast<uint32_t>(c - L'A' + 10);
        else if (c >= L'a' && c <= L'f')
            value = static_cast<uint32_t>(c - L'a' + 10);
        else
            break;
        number = (number << 4) | value;
        ++pos;
        ++digits;
    }
    return digits > 0 && digits <= 8;
}

bool startsAt(const std::wstring &text, size_t pos, const wchar_t *expected)
{
    const std::wstring part(expected);
    return text.compare(pos, part.size(), part) == 0;
}

// Whether form occurs in text followed by a separator or the end, so that "...\SN1" does not
// take the data of "...#SN12#".
bool containsDelimited(const std::wstring &text, const std::wstring &form)
{
    for (size_t pos = text.find(form); pos != std::wstring::npos; pos = text.find(form, pos + 1)) {
        const size_t end = pos + form.size();
        if (end == text.size() || text[end] == L'#' || text[end] == L'\\' || text[end] == L'{')
            return true;
    }
    return false;
}

bool sameDevice(const UsbInventoryEntry &entry, const UsbDeviceSource::HubDevice &device)
{
    // A driver key that could not be read on either side identifies nothing.
    return entry.vendorId == device.vendorId && entry.productId == device.productId
           && !device.driverKey.empty()
           && DeviceText::upper(entry.driverKey) == DeviceText::upper(device.driverKey);
}

// Parses an upper-cased instance id of the form "USB\VID_xxxx&PID_xxxx\SUFFIX"; false for
// anything else (a composite device's interfaces "...&MI_00\...", truncated ids), so that no
// entry is left with half its fields.
bool parseInstanceId(const std::wstring &instanceId, UsbInventoryEntry &entry)
{
    size_t pos = 0;
    if (!startsAt(instanceId, pos, L"USB\\VID_"))
        return false;
    pos += 8;
    uint32_t vendorId = 0;
    if (!readHex(instanceId, pos, vendorId) || !startsAt(instanceId, pos, L"&PID_"))
        return false;
    pos += 5;
    uint32_t productId = 0;
    if (!readHex(instanceId, pos, productId) || pos >= instanceId.size()
        || instanceId[pos] != L'\\')
        return false;
    const std::wstring suffix = instanceId.substr(pos + 1);
    if (suffix.empty() || suffix.find(L'\\') != std::wstring::npos)
        return false;
    entry.vendorId = vendorId;
    entry.productId = productId;
    entry.instanceId = instanceId;
    entry.instanceSuffix = suffix;
    return true;
}

// Whether an imaging-class SymbolicName (a device interface path such as
// "\\?\USB#VID_04A7&PID_0465#SN1#{6bdd1fc6-...}") belongs to this entry.
bool symbolicNameMatches(const std::wstring &symbolicName, const UsbInventoryEntry &entry)
{
    if (entry.instanceId.empty())
        return false;
    // Interface paths spell the instance id with "#" for its backslashes.
    const std::wstring name = DeviceText::upper(symbolicName);
    const std::wstring id = DeviceText::upper(entry.instanceId);
    std::wstring pathForm = id;
    std::replace(pathForm.begin(), pathForm.end(), L'\\', L'#');
    return containsDelimited(name, pathForm) || containsDelimited(name, id);
}

} // namespace

size_t UsbInventory::refresh()
{
    m_entries.clear();
    readPresentDevices();
    if (!m_entries.empty()) {
        readHubStrings();
        readImagingClass();
    }
    return m_entries.size();
}

void UsbInventory::rescanDevices()
{
    UsbDeviceSource::reenumerate();
}

void UsbInventory::readPresentDevices()
{
    const std::wstring marker = L"USB\\VID_04A7";
    const auto devices = UsbDeviceSource::presentDevices(
            [&marker](const std::wstring &id) { return id.find(marker) != std::wstring::npos; });
    for (const UsbDeviceSource::PresentDevice &device : devices) {
        UsbInventoryEntry entry;
        if (!parseInstanceId(DeviceText::upper(device.instanceId), entry)
            || entry.vendorId != MakerVendorId)
            continue;
        // Windows makes up a suffix with "&" in it for a device that reports no serial number.
        if (entry.instanceSuffix.find(L'&') == std::wstring::npos)
            entry.serialNumber = entry.instanceSuffix;
        entry.model = device.description;
        entry.driverKey = device.driverKey;
        entry.compatibleIds = device.compatibleIds;
        m_entries.push_back(std::move(entry));
    }
}

void UsbInventory::readHubStrings()
{
    const auto wanted = [this](const UsbDeviceSource::HubDevice &device) {
        return std::any_of(
                m_entries.begin(), m_entries.end(), [&device](const UsbInventoryEntry &entry) {
                    return sameDevice(entry, device);
                });
    };
    for (const UsbDeviceSource::HubDevice &device : UsbDeviceSource::hubDevices(wanted)) {
        for (UsbInventoryEntry &entry : m_entries) {
            if (!sameDevice(entry, device))
                continue;
            if (device.hasSerialString && !device.serialString.empty())
                entry.serialNumber = device.serialString;
            if (device.hasProductString && !device.productString.empty())
                entry.model = device.productString;
        }
    }
}

void UsbInventory::readImagingClass()
{
    for (const UsbDeviceSource::ImagingDevice &device : UsbDeviceSource::imagingDevices()) {
        if (device.symbolicName.empty())
            continue;
        for (UsbInventoryEntry &entry : m_entries) {
            if (!symbolicNameMatches(device.symbolicName, entry))
                continue;
            if (!device.friendlyName.empty())
                entry.friendlyName = device.friendlyName;
            if (!device.driverVersion.empty())
                entry.driverVersion = device.driverVersion;
            // A serial number of blanks or underscores is as good as none.
            if (ScannerList::cleanSerial(entry.serialNumber).empty())
                entry.serialNumber = device.serialNumber;
        }
    }
}
