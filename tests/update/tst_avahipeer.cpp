// Discovery through our Avahi-based DNS-SD library against a real avahi-daemon: avahipeer.sh
// runs this program in a network namespace of its own, where the daemon announces two of the
// maker's scanners (with the "_twaindirect" subtype), one without the subtype, a foreign device
// with the subtype and a foreign printer. The library sits beside this program, as beside setup.

#include "discoverycontext.h"
#include "networkscanners.h"
#include "process.h"
#include "testmachine.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(AvahiPeer, FindsTheTwoScannersOfTheSubtype)
{
    TestMachine machine;
    std::vector<DeviceRecord> scanners = NetworkScanners::find(NetworkScanners::ScannerServiceType);
    std::sort(scanners.begin(), scanners.end(), [](const DeviceRecord &a, const DeviceRecord &b) {
        return a.serialNumber < b.serialNumber;
    });
    ASSERT_EQ(scanners.size(), 2u);
    EXPECT_EQ(scanners[0].serialNumber, L"SNA1");
    EXPECT_EQ(scanners[0].model, L"Scan 7");
    EXPECT_EQ(scanners[0].productIdText, L"1234");
    EXPECT_EQ(scanners[1].serialNumber, L"SNB2");
    EXPECT_EQ(scanners[1].model, L"Scan 9");
    EXPECT_EQ(scanners[1].productIdText, L"0ABC");
    for (const DeviceRecord &scanner : scanners)
        EXPECT_TRUE(scanner.network);

    EXPECT_TRUE(NetworkScanners::find(NetworkScanners::PrinterServiceType).empty())
            << "the foreign printer is not one of the maker's scanners";
}

TEST(AvahiPeer, LooksUpEachScannersAddress)
{
    TestMachine machine;
    DiscoveryContext context(sys::programDirectory());
    DiscoveryContext::Results results = context.browse(NetworkScanners::ScannerServiceType);
    std::sort(results.addresses.begin(), results.addresses.end());
    EXPECT_EQ(results.addresses,
              (std::vector<std::wstring>{L"192.0.2.10:8080", L"192.0.2.10:8081"}));
    std::sort(results.notes.begin(), results.notes.end());
    // Not the foreign device's note, which follows its type entry.
    EXPECT_EQ(results.notes, (std::vector<std::wstring>{L"front desk"}));
}
