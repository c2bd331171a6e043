// SetupAPI, the USB hub driver's control codes and the configuration manager. Every request
// that fails leaves its data out.

#include "usbdevicesource.h"

#include "devicetext.h"

#include <initguid.h>

#include <windows.h>
#include <winioctl.h>

#include <cfgmgr32.h>
#include <devguid.h>
#include <setupapi.h>
#include <usbioctl.h>
#include <usbiodef.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <cwchar>

namespace UsbDeviceSource {

namespace {

constexpr size_t StringRequestBytes = 255;
constexpr size_t PipeRoom = 30;

class DeviceList
{
public:
    DeviceList(const GUID *guid, DWORD flags)
        : m_set(SetupDiGetClassDevsW(guid, nullptr, nullptr, flags))
    {}
    ~DeviceList()
    {
        if (isValid())
            SetupDiDestroyDeviceInfoList(m_set);
    }
    DeviceList(const DeviceList &) = delete;
    DeviceList &operator=(const DeviceList &) = delete;

    bool isValid() const { return m_set != INVALID_HANDLE_VALUE; }
    HDEVINFO handle() const { return m_set; }

    // Every device of the list, from index 0 until the enumeration ends.
    template<typename Visit>
    void forEach(Visit visit) const
    {
        if (!isValid())
            return;
        for (DWORD index = 0;; ++index) {
            SP_DEVINFO_DATA info = {};
            info.cbSize = sizeof(info);
            if (!SetupDiEnumDeviceInfo(m_set, index, &info))
                break;
            visit(info);
        }
    }

private:
    HDEVINFO m_set;
};

class Handle
{
public:
    explicit Handle(HANDLE handle)
        : m_handle(handle)
    {}
    ~Handle()
    {
        if (isValid())
            CloseHandle(m_handle);
    }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;

    bool isValid() const { return m_handle != INVALID_HANDLE_VALUE && m_handle != nullptr; }
    HANDLE get() const { return m_handle; }

private:
    HANDLE m_handle;
};

HANDLE openForWriting(const std::wstring &path)
{
    return CreateFileW(
            path.c_str(), GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
}

// A property into the room Windows' callers give it; empty when it does not fit or is missing.
std::vector<uint8_t> deviceProperty(HDEVINFO set, SP_DEVINFO_DATA &info, DWORD property)
{
    std::vector<uint8_t> buffer(PropertyBytes);
    DWORD type = 0;
    DWORD size = 0;
    if (!SetupDiGetDeviceRegistryPropertyW(set,
                                           &info,
                                           property,
                                           &type,
                                           buffer.data(),
                                           static_cast<DWORD>(buffer.size()),
                                           &size))
        return {};
    buffer.resize(size < buffer.size() ? size : buffer.size());
    return buffer;
}

std::wstring stringProperty(HDEVINFO set, SP_DEVINFO_DATA &info, DWORD property)
{
    const std::vector<uint8_t> data = deviceProperty(set, info, property);
    return DeviceText::fromUtf16(data.data(), data.size());
}

// The answers of the name requests (root hub, connection, driver key) share one layout: a
// length, then the name at nameOffset. The first request learns the length, the second reads
// the name.
template<typename NameStruct>
bool nameRequest(HANDLE device, DWORD code, NameStruct query, size_t nameOffset, std::wstring &name)
{
    DWORD returned = 0;
    if (!DeviceIoControl(
                device, code, &query, sizeof(query), &query, sizeof(query), &returned, nullptr)
        || query.ActualLength <= nameOffset || query.ActualLength > 65536)
        return false;
    std::vector<uint8_t> buffer(std::max<size_t>(query.ActualLength, sizeof(query)));
    std::memcpy(buffer.data(), &query, sizeof(query));
    if (!DeviceIoControl(device,
                         code,
                         buffer.data(),
                         static_cast<DWORD>(buffer.size()),
                         buffer.data(),
                         static_cast<DWORD>(buffer.size()),
                         &returned,
                         nullptr))
        return false;
    const size_t end = returned < buffer.size() ? returned : buffer.size();
    if (end <= nameOffset)
        return false;
    name = DeviceText::fromUtf16(buffer.data() + nameOffset, end - nameOffset);
    return !name.empty();
}

bool stringRequest(HANDLE hub, ULONG port, UCHAR index, USHORT language, std::vector<uint8_t> &data)
{
    std::vector<uint8_t> buffer(sizeof(USB_DESCRIPTOR_REQUEST) + StringRequestBytes);
    auto *request = reinterpret_cast<USB_DESCRIPTOR_REQUEST *>(buffer.data());
    request->ConnectionIndex = port;
    request->SetupPacket.wValue = static_cast<USHORT>((USB_STRING_DESCRIPTOR_TYPE << 8) | index);
    request->SetupPacket.wIndex = language;
    request->SetupPacket.wLength = static_cast<USHORT>(StringRequestBytes);
    DWORD returned = 0;
    if (!DeviceIoControl(hub,
                         IOCTL_USB_GET_DESCRIPTOR_FROM_NODE_CONNECTION,
                         buffer.data(),
                         static_cast<DWORD>(buffer.size()),
                         buffer.data(),
                         static_cast<DWORD>(buffer.size()),
                         &returned,
                         nullptr)
        || returned <= sizeof(USB_DESCRIPTOR_REQUEST) || returned > buffer.size())
        return false;
    data.assign(buffer.begin() + sizeof(USB_DESCRIPTOR_REQUEST), buffer.begin() + returned);
    return true;
}

bool readString(HANDLE hub, ULONG port, UCHAR index, USHORT language, std::wstring &text)
{
    std::vector<uint8_t> data;
    return stringRequest(hub, port, index, language, data)
           && DeviceText::stringDescriptor(data.data(), data.size(), text);
}

void readStrings(HANDLE hub, ULONG port, const USB_DEVICE_DESCRIPTOR &descriptor, HubDevice &device)
{
    std::vector<uint8_t> languages;
    uint16_t language = 0;
    if (!stringRequest(hub, port, 0, 0, languages)
        || !DeviceText::firstLanguage(languages.data(), languages.size(), language))
        return;
    // Index 0 is the language list itself: a device without a string has no index for it.
    if (descriptor.iSerialNumber != 0)
        device.hasSerialString
                = readString(hub, port, descriptor.iSerialNumber, language, device.serialString);
    if (descriptor.iProduct != 0)
        device.hasProductString
                = readString(hub, port, descriptor.iProduct, language, device.productString);
}

// The port's connection: the extended answer, or the older one where the hub lacks it.
bool connectionInformation(
        HANDLE hub, ULONG port, USB_DEVICE_DESCRIPTOR &descriptor, bool &connected, bool &isHub)
{
    const size_t size
            = sizeof(USB_NODE_CONNECTION_INFORMATION_EX) + PipeRoom * sizeof(USB_PIPE_INFO);
    std::vector<uint8_t> buffer(size);
    DWORD returned = 0;
    auto *extended = reinterpret_cast<USB_NODE_CONNECTION_INFORMATION_EX *>(buffer.data());
    extended->ConnectionIndex = port;
    if (DeviceIoControl(hub,
                        IOCTL_USB_GET_NODE_CONNECTION_INFORMATION_EX,
                        buffer.data(),
                        static_cast<DWORD>(size),
                        buffer.data(),
                        static_cast<DWORD>(size),
                        &returned,
                        nullptr)) {
        descriptor = extended->DeviceDescriptor;
        connected = extended->ConnectionStatus == DeviceConnected;
        isHub = extended->DeviceIsHub != 0;
        return true;
    }
    const size_t plainSize
            = sizeof(USB_NODE_CONNECTION_INFORMATION) + PipeRoom * sizeof(USB_PIPE_INFO);
    std::fill(buffer.begin(), buffer.end(), 0);
    auto *plain = reinterpret_cast<USB_NODE_CONNECTION_INFORMATION *>(buffer.data());
    plain->ConnectionIndex = port;
    if (!DeviceIoControl(hub,
                         IOCTL_USB_GET_NODE_CONNECTION_INFORMATION,
                         buffer.data(),
                         static_cast<DWORD>(plainSize),
                         buffer.data(),
                         static_cast<DWORD>(plainSize),
                         &returned,
                         nullptr))
        return false;
    descriptor = plain->DeviceDescriptor;
    connected = plain->ConnectionStatus == DeviceConnected;
    isHub = plain->DeviceIsHub != 0;
    return true;
}

void walkHub(const std::wstring &hubName,
             const HubDeviceFilter &wantsStrings,
             std::vector<HubDevice> &devices,
             int depth)
{
    // USB allows five tiers of hubs; a deeper chain can only be a misreported loop.
    if (depth > 7)
        return;
    const Handle hub(openForWriting(L"\\\\.\\" + hubName));
    if (!hub.isValid())
        return;
    USB_NODE_INFORMATION node = {};
    DWORD returned = 0;
    if (!DeviceIoControl(hub.get(),
                         IOCTL_USB_GET_NODE_INFORMATION,
                         &node,
                         sizeof(node),
                         &node,
                         sizeof(node),
                         &returned,
                         nullptr))
        return;
    const ULONG ports = node.u.HubInformation.HubDescriptor.bNumberOfPorts;
    for (ULONG port = 1; port <= ports; ++port) {
        USB_DEVICE_DESCRIPTOR descriptor = {};
        bool connected = false;
        bool isHub = false;
        if (!connectionInformation(hub.get(), port, descriptor, connected, isHub) || !connected)
            continue;
        if (isHub) {
            USB_NODE_CONNECTION_NAME query = {};
            query.ConnectionIndex = port;
            std::wstring name;
            if (nameRequest(hub.get(),
                            IOCTL_USB_GET_NODE_CONNECTION_NAME,
                            query,
                            offsetof(USB_NODE_CONNECTION_NAME, NodeName),
                            name))
                walkHub(name, wantsStrings, devices, depth + 1);
            continue;
        }
        HubDevice device;
        device.vendorId = descriptor.idVendor;
        device.productId = descriptor.idProduct;
        USB_NODE_CONNECTION_DRIVERKEY_NAME query = {};
        query.ConnectionIndex = port;
        if (!nameRequest(hub.get(),
                         IOCTL_USB_GET_NODE_CONNECTION_DRIVERKEY_NAME,
                         query,
                         offsetof(USB_NODE_CONNECTION_DRIVERKEY_NAME, DriverKeyName),
                         device.driverKey))
            continue;
        if (wantsStrings(device))
            readStrings(hub.get(), port, descriptor, device);
        devices.push_back(std::move(device));
    }
}

std::wstring registryString(HKEY key, const wchar_t *name)
{
    std::vector<uint8_t> buffer(PropertyBytes);
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(buffer.size());
    if (RegQueryValueExW(key, name, nullptr, &type, buffer.data(), &size) != ERROR_SUCCESS
        || type != REG_SZ)
        return std::wstring();
    return DeviceText::fromUtf16(buffer.data(), size < buffer.size() ? size : buffer.size());
}

} // namespace

std::vector<PresentDevice> presentDevices(const std::function<bool(const std::wstring &)> &keep)
{
    std::vector<PresentDevice> devices;
    const DeviceList list(&GUID_DEVCLASS_USB, DIGCF_PRESENT | DIGCF_ALLCLASSES);
    list.forEach([&](SP_DEVINFO_DATA &info) {
        wchar_t id[InstanceIdChars] = {};
        if (!SetupDiGetDeviceInstanceIdW(
                    list.handle(), &info, id, static_cast<DWORD>(InstanceIdChars), nullptr))
            return;
        PresentDevice device;
        device.instanceId = DeviceText::upper(std::wstring(id, wcsnlen(id, InstanceIdChars)));
        if (!keep(device.instanceId))
            return;
        const std::vector<uint8_t> ids = deviceProperty(list.handle(), info, SPDRP_COMPATIBLEIDS);
        device.compatibleIds = DeviceText::multiString(ids.data(), ids.size());
        device.driverKey = stringProperty(list.handle(), info, SPDRP_DRIVER);
        device.description = stringProperty(list.handle(), info, SPDRP_DEVICEDESC);
        devices.push_back(std::move(device));
    });
    return devices;
}

std::vector<HubDevice> hubDevices(const HubDeviceFilter &wantsStrings)
{
    std::vector<HubDevice> devices;
    const DeviceList controllers(&GUID_DEVINTERFACE_USB_HOST_CONTROLLER,
                                 DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (!controllers.isValid())
        return devices;
    for (DWORD index = 0;; ++index) {
        SP_DEVICE_INTERFACE_DATA interfaceData = {};
        interfaceData.cbSize = sizeof(interfaceData);
        if (!SetupDiEnumDeviceInterfaces(controllers.handle(),
                                         nullptr,
                                         &GUID_DEVINTERFACE_USB_HOST_CONTROLLER,
                                         index,
                                         &interfaceData))
            break;
        DWORD needed = 0;
        SetupDiGetDeviceInterfaceDetailW(
                controllers.handle(), &interfaceData, nullptr, 0, &needed, nullptr);
        if (needed < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W))
            continue;
        std::vector<uint8_t> buffer(needed);
        auto *detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W *>(buffer.data());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
        if (!SetupDiGetDeviceInterfaceDetailW(
                    controllers.handle(), &interfaceData, detail, needed, nullptr, nullptr))
            continue;
        const Handle controller(openForWriting(detail->DevicePath));
        if (!controller.isValid())
            continue;
        USB_ROOT_HUB_NAME query = {};
        std::wstring rootHub;
        if (nameRequest(controller.get(),
                        IOCTL_USB_GET_ROOT_HUB_NAME,
                        query,
                        offsetof(USB_ROOT_HUB_NAME, RootHubName),
                        rootHub))
            walkHub(rootHub, wantsStrings, devices, 0);
    }
    return devices;
}

std::vector<ImagingDevice> imagingDevices()
{
    std::vector<ImagingDevice> devices;
    const DeviceList list(&GUID_DEVCLASS_IMAGE, DIGCF_PRESENT | DIGCF_PROFILE);
    list.forEach([&](SP_DEVINFO_DATA &info) {
        const HKEY key = SetupDiOpenDevRegKey(
                list.handle(), &info, DICS_FLAG_GLOBAL, 0, DIREG_DRV, KEY_READ);
        if (key == INVALID_HANDLE_VALUE)
            return;
        ImagingDevice device;
        device.symbolicName = registryString(key, L"SymbolicName");
        device.friendlyName = registryString(key, L"FriendlyName");
        device.driverVersion = registryString(key, L"DriverVersion");
        device.serialNumber = registryString(key, L"SerialNumber");
        RegCloseKey(key);
        devices.push_back(std::move(device));
    });
    return devices;
}

void reenumerate()
{
    DEVINST root = 0;
    if (CM_Locate_DevNodeW(&root, nullptr, CM_LOCATE_DEVNODE_NORMAL) == CR_SUCCESS)
        CM_Reenumerate_DevNode(root, CM_REENUMERATE_NORMAL);
}

} // namespace UsbDeviceSource
