#include "discoverycontext.h"
#include "doubleplatform.h"
#include "hostpath.h"
#include "networkscanners.h"
#include "registry.h"
#include "sharedlibrary.h"
#include "sysinfo.h"
#include "testmachine.h"
#include "testsupport.h"
#include "txtrecord.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

const std::wstring Guid = TxtRecord::IdentifierPrefix;

// A TXT record from its entries; raw bytes may follow (a truncated last entry).
std::string txtRecord(const std::vector<std::string> &entries, const std::string &raw = {})
{
    std::string record;
    for (const std::string &entry : entries)
        record += static_cast<char>(entry.size()) + entry;
    return record + raw;
}

std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') // written in text mode on Windows
            line.pop_back();
        result.push_back(line);
    }
    return result;
}

size_t countStarting(const std::vector<std::string> &all, const std::string &prefix)
{
    return std::count_if(all.begin(), all.end(), [&](const std::string &line) {
        return line.compare(0, prefix.size(), prefix) == 0;
    });
}

} // namespace

// ---------------------------------------------------------------------------------------------
// TXT records and identifiers: pure functions.

TEST(TxtRecord, Entries)
{
    struct Row
    {
        const char *name;
        std::string txt;
        std::vector<std::wstring> identifiers, models, addresses, notes;
    };
    const std::vector<Row> rows = {
            {"maker device with notes around it",
             txtRecord({"note=before", "ty=Scan 7:VID_04A7&PID_1234:SN_1", "note=after"}),
             {Guid + L"VID_04A7&PID_1234:SN_1"},
             {L"Scan 7"},
             {L"2A:8080"},
             {L"before", L"after"}},
            {"foreign type drops the notes after it",
             txtRecord({"note=before", "ty=Laser:VID_1234&PID_0001:X", "note=after"}),
             {},
             {},
             {},
             {L"before"}},
            {"no second colon", txtRecord({"ty=Scan:VID_04A7&PID_1234"}), {}, {}, {}, {}},
            {"colon first", txtRecord({"ty=:VID_04A7&PID_1234:S"}), {}, {}, {}, {}},
            {"value shorter than the vendor", txtRecord({"ty=Scan:VID_04"}), {}, {}, {}, {}},
            {"empty note", txtRecord({"note="}), {}, {}, {}, {}},
            {"a note that mentions ty= stays a note",
             txtRecord({"note=ty=Scan:VID_04A7&PID_1234:S"}),
             {},
             {},
             {},
             {L"ty=Scan:VID_04A7&PID_1234:S"}},
            {"entry running past the record ends the walk",
             txtRecord({"ty=A:VID_04A7&PID_0001:S1"}, std::string("\x30note=cut", 10)),
             {Guid + L"VID_04A7&PID_0001:S1"},
             {L"A"},
             {L"2A:8080"},
             {}},
            {"UTF-8 model",
             txtRecord({"ty=Sc\xC3\xA4n:VID_04A7&PID_0ABC:SN"}),
             {Guid + L"VID_04A7&PID_0ABC:SN"},
             {L"Sc\u00E4n"},
             {L"2A:8080"},
             {}},
    };
    for (const Row &row : rows) {
        TxtRecord::Findings found;
        TxtRecord::read(reinterpret_cast<const unsigned char *>(row.txt.data()),
                        row.txt.size(),
                        0x2A,
                        8080,
                        found);
        EXPECT_EQ(found.identifiers, row.identifiers) << row.name;
        EXPECT_EQ(found.models, row.models) << row.name;
        EXPECT_EQ(found.addresses, row.addresses) << row.name;
        EXPECT_EQ(found.notes, row.notes) << row.name;
    }
}

TEST(NetworkScanners, DeviceRecordFromIdentifier)
{
    struct Row
    {
        const char *name;
        std::wstring identifier, serialText, modelText;
        bool listed;
        // What a listed record holds; rows that are not listed leave them out.
        uint32_t productId = 0;
        std::wstring serial = {}, model = {}, productIdText = {};
    };
    const std::vector<Row> rows = {
            {"digits right after the underscores",
             Guid + L"VID_04A7&PID_1234:SN_12",
             L" SN_1_2 ",
             L"Scan 7",
             true,
             0x1234,
             L"SN12",
             L"Scan 7",
             L"1234"},
            {"no model",
             Guid + L"VID_04A7&PID_0abc:X",
             L"X",
             L"",
             true,
             0xABC,
             L"X",
             L"PID_0abc",
             L"0ABC"},
            {"product id cut short", Guid + L"VID_04A7&PID_12", L"", L"M", false},
            {"product id not hexadecimal", Guid + L"VID_04A7&PID_12G4:S", L"S", L"M", false},
            {"no product id", Guid + L"VID_04A7:S", L"S", L"M", false},
            {"marker at the very start", L"VID_04A7&PID_1234:S", L"S", L"M", false},
    };
    for (const Row &row : rows) {
        const auto record
                = NetworkScanners::deviceRecord(row.identifier, row.serialText, row.modelText);
        ASSERT_EQ(record.has_value(), row.listed) << row.name;
        if (!record)
            continue;
        EXPECT_EQ(record->vendorId, 0x04A7u) << row.name;
        EXPECT_EQ(record->productId, row.productId) << row.name;
        EXPECT_EQ(record->serialNumber, row.serial) << row.name;
        EXPECT_EQ(record->model, row.model) << row.name;
        EXPECT_EQ(record->productIdText, row.productIdText) << row.name;
        EXPECT_TRUE(record->network) << row.name;
        EXPECT_FALSE(record->supported) << row.name;
        EXPECT_TRUE(record->bundleType.empty()) << row.name;
    }
}

// ---------------------------------------------------------------------------------------------
// Discovery through the test double: a folder (with a blank in its name) holding the library,
// the stand-in responders and the double's fixture.

namespace {

enum class Library { Complete, WithoutQueryRecord, Missing };

class Scene
{
public:
    explicit Scene(Library library)
        : m_folder(m_temp / "dnssd scene")
    {
        fs::create_directories(m_folder);
        if (library != Library::Missing) {
            const fs::path built
                    = library == Library::Complete ? TAM_DNSSD_DOUBLE : TAM_DNSSD_DOUBLE_INCOMPLETE;
            fs::copy_file(built, m_folder / built.filename());
            m_library = built.filename();
        }
        for (const fs::path &responder : {fs::path(TAM_RESPONDER32), fs::path(TAM_RESPONDER64)})
            fs::copy_file(responder, m_folder / responder.filename());
    }

    void setFixture(const std::string &text)
    {
        std::ofstream(m_folder / "dnssd-double.txt") << text;
    }
    // The folder as the program names it (Windows form).
    std::wstring directory() const { return sys::fromHostPath(m_folder.u8string()); }
    std::wstring libraryPath() const
    {
        return sys::fromHostPath((m_folder / m_library).u8string());
    }
    std::vector<std::string> calls() const
    {
        return lines(testsupport::readFile(m_folder / "dnssd-double.log"));
    }
    std::vector<std::string> responderStarts() const
    {
        return lines(testsupport::readFile(m_folder / "responder-started.txt"));
    }
    bool responderRunning() const { return doubleplatform::responderRunning(m_folder); }

private:
    testsupport::TempFolder m_temp;
    fs::path m_folder;
    fs::path m_library;
};

// "Bonjour Service" as the simulated machine's services key describes it.
void setResponderService(bool running)
{
    const std::wstring key = L"SYSTEM\\CurrentControlSet\\services\\Bonjour Service";
    if (!running) {
        sys::RegKey::deleteTree(sys::RegRoot::LocalMachine, key, sys::RegAccess::AllAccess);
        return;
    }
    sys::RegKey service
            = sys::RegKey::create(sys::RegRoot::LocalMachine, key, sys::RegAccess::AllAccess);
    service.setDword(L"TamSimState", 4);
}

void setMachine32Bit()
{
    sys::RegKey::create(sys::RegRoot::LocalMachine,
                        L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                        sys::RegAccess::AllAccess | sys::RegAccess::Wow64_64Key)
            .setDword(L"TamSimulatedBitness", 32);
}

// Two scanners of the maker on the scanner service (one on an interface that does not exist,
// so its address is never looked up), a scanner on the printing service and a foreign printer.
const std::string NetworkFixture
        = "instance\t_privet._tcp,_twaindirect\tScanner A\t1\ta.local.\t8080\t192.0.2.21"
          "\tnote=front desk\tty=Scan 7:VID_04A7&PID_1234:SN_A_1\n"
          "instance\t_privet._tcp,_twaindirect\tScanner B\t4000000\tb.local.\t8081\t192.0.2.22"
          "\tty=:bad\tty=Scan 9:VID_04A7&PID_0abc: SN_B2 \tnote=after maker\n"
          "instance\t_ipp._tcp\tScanner C\t1\tc.local.\t631\t192.0.2.23"
          "\tty=Scan 5:VID_04A7&PID_0042:C_3\n"
          "instance\t_ipp._tcp\tPrinter\t1\tp.local.\t631\t192.0.2.30"
          "\tty=Laser 5:VID_1234&PID_0001:P1\tnote=foreign\n";

} // namespace

TEST(NetworkScanners, FindListsTheMakersScannersOfEachServiceType)
{
    TestMachine machine;
    Scene scene(Library::Complete);
    scene.setFixture(NetworkFixture);

    const std::vector<DeviceRecord> scanners
            = NetworkScanners::findIn(scene.directory(), NetworkScanners::ScannerServiceType);
    ASSERT_EQ(scanners.size(), 2u);
    EXPECT_EQ(scanners[0].serialNumber, L"SNA1");
    EXPECT_EQ(scanners[0].model, L"Scan 7");
    EXPECT_EQ(scanners[0].productId, 0x1234u);
    EXPECT_EQ(scanners[1].serialNumber, L"SNB2");
    EXPECT_EQ(scanners[1].productIdText, L"0ABC");

    const std::vector<DeviceRecord> printers
            = NetworkScanners::findIn(scene.directory(), NetworkScanners::PrinterServiceType);
    ASSERT_EQ(printers.size(), 1u) << "the foreign printer is not listed";
    EXPECT_EQ(printers[0].serialNumber, L"C3");
    EXPECT_EQ(printers[0].productIdText, L"0042");
    EXPECT_TRUE(printers[0].network);
}

namespace {

// Whether a responder must have been started (each start with "-server"). One that is ended
// again at once may be gone before it could say so.
enum class Responder { NotStarted, Started, Either };

// What a browse of the scanner service type hands back.
struct Found
{
    std::vector<std::wstring> serials, addresses, notes;
};

struct DiscoveryRow
{
    const char *name;
    Library library;
    std::string fixture;
    bool serviceRunning; // "Bonjour Service"
    bool machine32;      // a 32-bit Windows (simulated machine only)
    size_t browses;      // browse calls the double saw, refused or started (0: not checked)
    Responder responder;
    Found found;
    int minMs, maxMs;
};

} // namespace

TEST(DiscoveryContext, Scenarios)
{
    const std::string refused = "browse-error\t-65563\n";
    const std::string refusedWithoutResponder = "browse-error\t-65563\twithout-responder\n";
    const std::string stalled = "instance\t_privet._tcp,_twaindirect\tStuck\t1\t-\t80\t-\n";
    const Found twoScanners{{L"SN_A_1", L" SN_B2 "},
                            {L"192.0.2.21:8080", L"0:8081"},
                            {L"front desk", L"after maker"}};
    using R = Responder;
    const Library complete = Library::Complete;
    // clang-format off
    const std::vector<DiscoveryRow> rows = {
        {"two scanners", complete, NetworkFixture, false, false, 1, R::Either, twoScanners, 0, 1500},
        {"service running: no responder", complete, NetworkFixture, true, false, 1, R::NotStarted,
         twoScanners, 0, 1500},
        {"missing entry point", Library::WithoutQueryRecord, NetworkFixture, false, false, 0,
         R::NotStarted, {}, 0, 400},
        {"no library", Library::Missing, NetworkFixture, false, false, 0, R::NotStarted, {}, 0, 400},
        {"-65563 with the service running", complete, refused, true, false, 5, R::NotStarted, {},
         2400, 4500},
        {"-65563 until our responder runs", complete, refusedWithoutResponder + NetworkFixture,
         false, false, 0, R::Started, twoScanners, 0, 4500},
        {"-65563 until our responder runs, 32-bit Windows", complete,
         refusedWithoutResponder + NetworkFixture, false, true, 0, R::Started, twoScanners, 0, 4500},
        {"a resolve that never answers", complete, stalled, false, false, 5, R::Either, {}, 2400,
         4500},
    };
    // clang-format on
    for (const DiscoveryRow &row : rows) {
        SCOPED_TRACE(row.name);
        if ((row.serviceRunning || row.machine32) && !TestMachine::isSimulated()) {
            std::cout << "[ skipped  ] " << row.name
                      << ": a running \"Bonjour Service\" or a 32-bit Windows can be set up only"
                         " on the simulated machine\n";
            continue;
        }
        TestMachine machine;
        setResponderService(row.serviceRunning);
        if (row.machine32)
            setMachine32Bit();
        Scene scene(row.library);
        scene.setFixture(row.fixture);

        const Clock::time_point started = Clock::now();
        DiscoveryContext::Results results;
        {
            DiscoveryContext context(scene.directory());
            results = context.browse(NetworkScanners::ScannerServiceType);
        }
        const auto ms
                = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started)
                          .count();
        EXPECT_EQ(results.serials, row.found.serials);
        EXPECT_EQ(results.addresses, row.found.addresses);
        EXPECT_EQ(results.notes, row.found.notes);
        EXPECT_EQ(results.identifiers.size(), row.found.serials.size());
        EXPECT_EQ(results.models.size(), row.found.serials.size());
        EXPECT_GE(ms, row.minMs);
        EXPECT_LE(ms, row.maxMs);

        // Every reference the double handed out was deallocated, and the library unloaded.
        const std::vector<std::string> calls = scene.calls();
        EXPECT_EQ(countStarting(calls, "start "), countStarting(calls, "deallocate"));
        if (row.browses > 0) {
            EXPECT_EQ(countStarting(calls, "refuse browse") + countStarting(calls, "start browse"),
                      row.browses);
        }
        if (row.library != Library::Missing) {
            EXPECT_FALSE(sys::SharedLibrary::isMapped(scene.libraryPath()));
        }

        const std::vector<std::string> starts = scene.responderStarts();
        if (row.responder != Responder::Either) {
            EXPECT_EQ(!starts.empty(), row.responder == Responder::Started);
        }
        const std::string expected
                = (sys::is64BitWindows() ? "64" : "32") + std::string("mDNSResponder -server");
        for (const std::string &start : starts)
            EXPECT_EQ(start, expected);
        EXPECT_FALSE(scene.responderRunning()) << "the responder outlived its context";
    }
}
