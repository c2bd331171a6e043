// The scanner list of a simulated machine whose devices come from a .reg file: where each
// serial number comes from, which devices are left out, the product id filter, and the network
// scanners after the USB ones.

#include "networkscanners.h"
#include "registry.h"
#include "scannerlist.h"
#include "testmachine.h"
#include "usbinventory.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Listed
{
    uint32_t productId;
    std::wstring serial;
    std::wstring model;
    std::wstring productIdText;
    bool network;

    bool operator==(const Listed &other) const
    {
        return productId == other.productId && serial == other.serial && model == other.model
               && productIdText == other.productIdText && network == other.network;
    }
};

void PrintTo(const Listed &listed, std::ostream *out)
{
    *out << std::hex << listed.productId << " serial=\""
         << std::string(listed.serial.begin(), listed.serial.end()) << "\" model=\""
         << std::string(listed.model.begin(), listed.model.end())
         << "\" text=" << std::string(listed.productIdText.begin(), listed.productIdText.end())
         << (listed.network ? " network" : " usb");
}

DeviceRecord networkScanner(uint32_t productId, const wchar_t *serial, const wchar_t *text)
{
    DeviceRecord record;
    record.vendorId = UsbInventory::MakerVendorId;
    record.productId = productId;
    record.serialNumber = serial;
    record.model = L"Net";
    record.productIdText = text;
    record.network = true;
    return record;
}

// One scanner per service type, so their order shows.
std::vector<DeviceRecord> network(const std::wstring &type)
{
    if (type == NetworkScanners::ScannerServiceType)
        return {networkScanner(0x0465, L"NET1", L"0465")};
    if (type == NetworkScanners::PrinterServiceType)
        return {networkScanner(0x0A1C, L"NET2", L"0A1C")};
    return {};
}

const Listed usbSerialString{0x0465, L"SN46 5B", L"Tamberlin Scanner 465", L"0465", false};
const Listed usbSerialInId{0x0465, L"A1B2C3", L"DocuMate 465", L"0465", false};
const Listed usbSerialFromDriver{0x0A1C, L"IMG0042", L"PID_0a1c", L"0A1C", false};
const Listed usbLowerCaseId{0x0B10, L"SN-LOWER", L"PID_0b10", L"0B10", false};
const Listed netScanner{0x0465, L"NET1", L"Net", L"0465", true};
const Listed netPrinter{0x0A1C, L"NET2", L"Net", L"0A1C", true};

struct FilterCase
{
    const char *name;
    uint32_t productId;
    std::vector<Listed> expected;
};

void PrintTo(const FilterCase &filter, std::ostream *out)
{
    *out << filter.name;
}

class DeviceMachine : public testing::Test
{
protected:
    void SetUp() override
    {
        std::ifstream file(TAM_DEVICE_FIXTURE, std::ios::binary);
        std::stringstream bytes;
        bytes << file.rdbuf();
        ASSERT_EQ(sys::importRegistryFile(bytes.str(), L"usb.reg", 0), sys::RegError::Success);
        m_inventory.refresh();
    }

    TestMachine m_machine;
    UsbInventory m_inventory;
};

class ScannerListFromRegistry : public DeviceMachine, public testing::WithParamInterface<FilterCase>
{
};

TEST_P(ScannerListFromRegistry, ListsWhatHasASerialNumber)
{
    std::vector<Listed> listed;
    for (const DeviceRecord &record :
         ScannerList::build(m_inventory.entries(), GetParam().productId, network)) {
        EXPECT_EQ(record.vendorId, UsbInventory::MakerVendorId);
        EXPECT_FALSE(record.supported);
        EXPECT_TRUE(record.bundleType.empty());
        listed.push_back({record.productId,
                          record.serialNumber,
                          record.model,
                          record.productIdText,
                          record.network});
    }
    EXPECT_EQ(listed, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
        Devices,
        ScannerListFromRegistry,
        testing::Values(
                FilterCase{"any",
                           0,
                           {usbSerialString,
                            usbSerialInId,
                            usbSerialFromDriver,
                            usbLowerCaseId,
                            netScanner,
                            netPrinter}},
                FilterCase{"oneModel", 0x0465, {usbSerialString, usbSerialInId, netScanner}},
                FilterCase{"serialOnlyFromDriver", 0x0A1C, {usbSerialFromDriver, netPrinter}},
                FilterCase{"serialOfUnderscores", 0x0B20, {}},
                FilterCase{"foreignVendor", 0x0001, {}}),
        [](const testing::TestParamInfo<FilterCase> &info) { return info.param.name; });

TEST_F(DeviceMachine, EntryCarriesWhatTheDriverKnows)
{
    ASSERT_EQ(m_inventory.entries().size(), 6u);
    const UsbInventoryEntry &entry = m_inventory.entries().at(1);
    EXPECT_EQ(entry.instanceId, L"USB\\VID_04A7&PID_0465\\A1B2C3");
    EXPECT_EQ(entry.instanceSuffix, L"A1B2C3");
    EXPECT_EQ(entry.driverKey, L"{6bdd1fc6-810f-11d0-bec7-08002be2092f}\\0000");
    EXPECT_EQ(entry.compatibleIds, (std::vector<std::wstring>{L"USB\\Class_ff", L"USB\\Class_00"}));
    EXPECT_EQ(entry.friendlyName, L"Tamberlin DocuMate 465");
    EXPECT_EQ(entry.driverVersion, L"5.1.2.0");
    // The serial number of the id wins over the driver's.
    EXPECT_EQ(entry.serialNumber, L"A1B2C3");
}

} // namespace
