// The Win32 inventory on a device that SetupAPI itself registers (under Wine: in its prefix).
// No hub answers there, so the instance id, the device properties and the imaging class's
// driver key are what this can reach; the string descriptors are tested on canned bytes.

#include "scannerlist.h"
#include "usbinventory.h"

#include <initguid.h>

#include <windows.h>

#include <devguid.h>
#include <setupapi.h>

#include <gtest/gtest.h>

#include <cwctype>
#include <iostream>
#include <string>

namespace {

const wchar_t ImagingClassPath[] = L"{6BDD1FC6-810F-11D0-BEC7-08002BE2092F}";

class RegisteredDevice
{
public:
    explicit RegisteredDevice(const std::wstring &instanceId)
        : m_set(SetupDiCreateDeviceInfoList(&GUID_DEVCLASS_IMAGE, nullptr))
    {
        m_info.cbSize = sizeof(m_info);
        if (m_set == INVALID_HANDLE_VALUE)
            return;
        m_registered = SetupDiCreateDeviceInfoW(m_set,
                                                instanceId.c_str(),
                                                &GUID_DEVCLASS_IMAGE,
                                                nullptr,
                                                nullptr,
                                                0,
                                                &m_info)
                       && SetupDiRegisterDeviceInfo(m_set, &m_info, 0, nullptr, nullptr, nullptr);
        m_error = m_registered ? 0 : GetLastError();
    }
    ~RegisteredDevice()
    {
        if (m_registered)
            SetupDiRemoveDevice(m_set, &m_info);
        if (m_set != INVALID_HANDLE_VALUE)
            SetupDiDestroyDeviceInfoList(m_set);
    }
    RegisteredDevice(const RegisteredDevice &) = delete;
    RegisteredDevice &operator=(const RegisteredDevice &) = delete;

    bool isRegistered() const { return m_registered; }
    DWORD error() const { return m_error; }

    // text holds every NUL it needs (a multi-string ends in two).
    bool setProperty(DWORD property, const std::wstring &text)
    {
        return SetupDiSetDeviceRegistryPropertyW(m_set,
                                                 &m_info,
                                                 property,
                                                 reinterpret_cast<const BYTE *>(text.data()),
                                                 DWORD(text.size() * sizeof(wchar_t)));
    }

    bool setDriverValue(const wchar_t *name, const std::wstring &text)
    {
        const HKEY key = SetupDiCreateDevRegKeyW(
                m_set, &m_info, DICS_FLAG_GLOBAL, 0, DIREG_DRV, nullptr, nullptr);
        if (key == INVALID_HANDLE_VALUE)
            return false;
        const bool ok = RegSetValueExW(key,
                                       name,
                                       0,
                                       REG_SZ,
                                       reinterpret_cast<const BYTE *>(text.c_str()),
                                       DWORD((text.size() + 1) * sizeof(wchar_t)))
                        == ERROR_SUCCESS;
        RegCloseKey(key);
        return ok;
    }

private:
    HDEVINFO m_set;
    SP_DEVINFO_DATA m_info = {};
    bool m_registered = false;
    DWORD m_error = 0;
};

std::wstring upper(std::wstring text)
{
    for (wchar_t &c : text)
        c = static_cast<wchar_t>(std::towupper(c));
    return text;
}

bool listedAsPresent(const std::wstring &instanceId)
{
    const HDEVINFO set = SetupDiGetClassDevsW(
            &GUID_DEVCLASS_USB, nullptr, nullptr, DIGCF_PRESENT | DIGCF_ALLCLASSES);
    if (set == INVALID_HANDLE_VALUE)
        return false;
    bool found = false;
    SP_DEVINFO_DATA info = {};
    info.cbSize = sizeof(info);
    for (DWORD i = 0; !found && SetupDiEnumDeviceInfo(set, i, &info); ++i) {
        wchar_t id[260] = {};
        found = SetupDiGetDeviceInstanceIdW(set, &info, id, 260, nullptr)
                && upper(id) == upper(instanceId);
    }
    SetupDiDestroyDeviceInfoList(set);
    return found;
}

TEST(UsbInventoryWin32, DeviceRegisteredThroughSetupApi)
{
    // The configuration manager's rescan must not disturb anything, whatever it finds.
    UsbInventory::rescanDevices();

    const std::wstring suffix = L"7&" + std::to_wstring(GetCurrentProcessId()) + L"&0&1";
    const std::wstring id = L"USB\\VID_04A7&PID_0A1C\\" + suffix;
    RegisteredDevice device(id);
    ASSERT_TRUE(device.isRegistered())
            << "SetupDiCreateDeviceInfoW/RegisterDeviceInfo failed: " << device.error();
    ASSERT_TRUE(device.setProperty(SPDRP_DEVICEDESC, std::wstring(L"Tamberlin test scanner", 23)));
    ASSERT_TRUE(device.setProperty(SPDRP_COMPATIBLEIDS,
                                   std::wstring(L"USB\\Class_ff\0USB\\Class_00\0\0", 27)));
    ASSERT_TRUE(device.setDriverValue(
            L"SymbolicName", L"\\\\?\\USB#VID_04A7&PID_0A1C#" + suffix + L"#" + ImagingClassPath));
    ASSERT_TRUE(device.setDriverValue(L"FriendlyName", L"Tamberlin Wine Scanner"));
    ASSERT_TRUE(device.setDriverValue(L"DriverVersion", L"2.3.4.5"));
    ASSERT_TRUE(device.setDriverValue(L"SerialNumber", L" WINE_77 "));
    if (!listedAsPresent(id)) {
        std::cout << "Skipped: SetupDiGetClassDevsW(DIGCF_PRESENT | DIGCF_ALLCLASSES) does not "
                     "list a device registered with SetupDiRegisterDeviceInfo here\n";
        GTEST_SKIP();
    }

    UsbInventory inventory;
    inventory.refresh();
    const UsbInventoryEntry *entry = nullptr;
    for (const UsbInventoryEntry &candidate : inventory.entries()) {
        if (candidate.instanceId == upper(id))
            entry = &candidate;
    }
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->productId, 0x0A1Cu);
    EXPECT_EQ(entry->instanceSuffix, upper(suffix));
    EXPECT_EQ(entry->model, L"Tamberlin test scanner");
    EXPECT_EQ(entry->compatibleIds,
              (std::vector<std::wstring>{L"USB\\Class_ff", L"USB\\Class_00"}));
    EXPECT_FALSE(entry->driverKey.empty());
    EXPECT_EQ(entry->friendlyName, L"Tamberlin Wine Scanner");
    EXPECT_EQ(entry->driverVersion, L"2.3.4.5");
    EXPECT_EQ(entry->serialNumber, L" WINE_77 ");

    bool listed = false;
    for (const DeviceRecord &record : ScannerList::build(inventory.entries(), 0x0A1C, nullptr))
        listed = listed || (record.serialNumber == L"WINE77" && record.productIdText == L"0A1C");
    EXPECT_TRUE(listed);
}

} // namespace
