// Installed-software queries: the same expectations against the simulated machine (Linux)
// and the real registry (Wine). Entries use GUIDs and names of their own and are removed.

#include "installedsoftware.h"
#include "registry.h"
#include "testmachine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>

using namespace engine;
namespace RegAccess = sys::RegAccess;
using sys::RegKey;
using sys::RegRoot;

namespace {

const std::wstring uninstall = InstalledSoftware::uninstallKey;
const std::wstring upgradeCodes = InstalledSoftware::upgradeCodesKey;

// A GUID no other run uses, in upper case as Windows Installer writes them.
std::wstring uniqueGuid()
{
    static std::mt19937_64 random(
            static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    wchar_t text[40];
    const uint64_t a = random();
    const uint64_t b = random();
    std::swprintf(text,
                  40,
                  L"{%08X-%04X-%04X-%04X-%012llX}",
                  static_cast<unsigned>(a >> 32),
                  static_cast<unsigned>((a >> 16) & 0xFFFF),
                  static_cast<unsigned>(a & 0xFFFF),
                  static_cast<unsigned>(b >> 48),
                  static_cast<unsigned long long>(b & 0xFFFFFFFFFFFFull));
    return text;
}

uint32_t viewFlag(RegistryView view)
{
    return view == RegistryView::Bits32 ? RegAccess::Wow64_32Key : RegAccess::Wow64_64Key;
}

std::vector<std::wstring> codesOf(const InstalledProducts &products)
{
    std::vector<std::wstring> codes;
    for (const InstalledProduct &product : products)
        codes.push_back(product.productCode);
    return codes;
}

// Only the records this test wrote: a real registry holds others.
InstalledProducts onlyThese(const InstalledProducts &products,
                            const std::vector<std::wstring> &codes)
{
    InstalledProducts kept;
    for (const InstalledProduct &product : products) {
        if (std::find(codes.begin(), codes.end(), product.productCode) != codes.end())
            kept.push_back(product);
    }
    return kept;
}

class InstalledQueries : public ::testing::Test
{
protected:
    void TearDown() override
    {
        for (const auto &entry : m_created)
            RegKey::deleteTree(entry.root, entry.path, entry.access);
    }

    // Writes an Uninstall entry; an empty version leaves DisplayVersion out.
    void addEntry(RegistryView view,
                  const std::wstring &code,
                  const std::wstring &name,
                  const std::wstring &version,
                  const std::wstring &publisher = L"Someone Else")
    {
        const std::wstring path = uninstall + L"\\" + code;
        RegKey key = create(RegRoot::LocalMachine, path, viewFlag(view));
        key.setString(L"DisplayName", name);
        if (!version.empty())
            key.setString(L"DisplayVersion", version);
        key.setString(L"Publisher", publisher);
    }

    void registerUpgradeCode(RegistryView view,
                             const std::wstring &upgradeCode,
                             const std::vector<std::wstring> &valueNames)
    {
        RegKey key = create(RegRoot::LocalMachine,
                            upgradeCodes + L"\\" + InstalledSoftware::packGuid(upgradeCode),
                            viewFlag(view));
        for (const std::wstring &name : valueNames)
            key.setString(name, L"");
    }

    RegKey create(RegRoot root, const std::wstring &path, uint32_t view)
    {
        long rc = -1;
        RegKey key = RegKey::create(root, path, RegAccess::AllAccess | view, &rc);
        EXPECT_EQ(rc, sys::RegError::Success) << "creating key";
        m_created.push_back({root, path, view});
        return key;
    }

    struct Created
    {
        RegRoot root;
        std::wstring path;
        uint32_t access;
    };
    TestMachine m_machine;
    std::vector<Created> m_created;
};

TEST(PackedGuid, PacksOnlyTheExactBracedShape)
{
    struct Row
    {
        const char *name;
        std::wstring guid;
        std::wstring packed;
    };
    const Row rows[] = {
            {"upper case",
             L"{12345678-9ABC-DEF0-1234-56789ABCDEF0}",
             L"87654321CBA90FED21436587A9CBED0F"},
            {"lower case is kept",
             L"{12345678-9abc-def0-1234-56789abcdef0}",
             L"87654321cba90fed21436587a9cbed0f"},
            {"no braces", L"12345678-9ABC-DEF0-1234-56789ABCDEF0", L""},
            {"dash misplaced", L"{1234567-89ABC-DEF0-1234-56789ABCDEF0}", L""},
            {"one character short", L"{12345678-9ABC-DEF0-1234-56789ABCDEF}", L""},
            {"empty", L"", L""},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(InstalledSoftware::packGuid(row.guid), row.packed);
        if (!row.packed.empty()) {
            EXPECT_EQ(InstalledSoftware::unpackGuid(row.packed), row.guid);
        }
    }
    EXPECT_EQ(InstalledSoftware::unpackGuid(L"87654321CBA90FED"), L"");
}

TEST_F(InstalledQueries, ProductByCodeSearchesBothViewsThirtyTwoBitFirst)
{
    const std::wstring code = uniqueGuid();
    addEntry(RegistryView::Bits64, code, L"Driver 64", L"2.0");
    addEntry(RegistryView::Bits32, code, L"Driver 32", L"");

    std::wstring lower = code;
    std::transform(lower.begin(), lower.end(), lower.begin(), ::towlower);
    const InstalledProducts found = InstalledSoftware::findProductByCode({lower});
    const bool both = InstalledSoftware::views().size() == 2;
    ASSERT_EQ(found.size(), both ? 2u : 1u);
    EXPECT_EQ(found[0].displayName, both ? L"Driver 32" : L"Driver 64");
    EXPECT_EQ(found[0].productCode, code) << "the subkey's own spelling";
    if (both) {
        EXPECT_EQ(found[0].displayVersion, L"Unknown") << "a missing version reads Unknown";
        EXPECT_EQ(found[1].displayName, L"Driver 64");
        EXPECT_EQ(found[1].displayVersion, L"2.0");
    }
    EXPECT_TRUE(InstalledSoftware::findProductByCode({uniqueGuid()}).empty());
}

TEST_F(InstalledQueries, ThirtyTwoBitWindowsIsSearchedOnce)
{
    if (!TestMachine::isSimulated()) {
        GTEST_SKIP() << "a real Windows cannot pose as the other kind (the Wine prefixes are "
                        "64-bit; the simulated machine covers this on Linux)";
    }
    RegKey nt = create(RegRoot::LocalMachine,
                       L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                       RegAccess::Wow64_64Key);
    nt.setDword(L"TamSimulatedBitness", 32);
    ASSERT_EQ(InstalledSoftware::views().size(), 1u);
    const std::wstring code = uniqueGuid();
    addEntry(RegistryView::Bits32, code, L"Only once", L"1.0");
    EXPECT_EQ(InstalledSoftware::findProductByCode({code}).size(), 1u);
    nt.deleteValue(L"TamSimulatedBitness");
}

TEST_F(InstalledQueries, VersionThatIsNotAStringReadsUnknown)
{
    const std::wstring code = uniqueGuid();
    addEntry(RegistryView::Bits32, code, L"Numbered", L"");
    RegKey key = RegKey::open(RegRoot::LocalMachine,
                              uninstall + L"\\" + code,
                              RegAccess::AllAccess | RegAccess::Wow64_32Key);
    key.setDword(L"DisplayVersion", 5);
    const InstalledProducts found = InstalledSoftware::findProductByCode({code});
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].displayVersion, L"Unknown");
}

TEST_F(InstalledQueries, DisplayNameMatchesCaseSensitivePrefixesInWalkOrder)
{
    const std::wstring tag = TestMachine::uniqueName();
    const std::wstring pro = uniqueGuid();
    const std::wstring mine = uniqueGuid();
    const std::wstring exact = uniqueGuid();
    addEntry(RegistryView::Bits32, pro, tag + L" Scan Utility Pro", L"3.1");
    addEntry(RegistryView::Bits32, mine, L"My " + tag + L" Scan Utility", L"1.0");
    addEntry(RegistryView::Bits64, exact, tag + L" Scan Utility", L"3.0");

    const InstalledProducts found
            = InstalledSoftware::findProductsByDisplayName(tag + L" Scan Utility");
    const std::vector<std::wstring> codes = codesOf(found);
    EXPECT_NE(std::find(codes.begin(), codes.end(), pro), codes.end());
    EXPECT_EQ(std::find(codes.begin(), codes.end(), mine), codes.end());
    EXPECT_NE(std::find(codes.begin(), codes.end(), exact), codes.end());
    if (InstalledSoftware::views().size() == 2) {
        EXPECT_EQ(codes.front(), pro) << "the 32-bit view comes first";
    }

    std::wstring lower = tag + L" scan utility";
    EXPECT_TRUE(InstalledSoftware::findProductsByDisplayName(lower).empty());
}

TEST_F(InstalledQueries, MakerProductsByPublisherInAnyCase)
{
    const std::wstring ours = uniqueGuid();
    const std::wstring theirs = uniqueGuid();
    addEntry(RegistryView::Bits32, ours, L"Ours", L"1.0", L"tamberlin imaging");
    addEntry(RegistryView::Bits32, theirs, L"Theirs", L"1.0", L"Other Corp");
    const std::vector<std::wstring> codes{ours, theirs};

    const InstalledProducts maker = onlyThese(InstalledSoftware::findMakerProducts(), codes);
    ASSERT_EQ(maker.size(), 1u);
    EXPECT_EQ(maker[0].productCode, ours);
    EXPECT_EQ(maker[0].publisher, L"tamberlin imaging");
    EXPECT_EQ(onlyThese(InstalledSoftware::findProductByCode({}), codes), maker)
            << "no codes asks for the maker's products";
}

TEST_F(InstalledQueries, UpgradeCodeYieldsRegisteredProductsOfEachView)
{
    const std::wstring upgrade = uniqueGuid();
    const std::wstring first = uniqueGuid();
    const std::wstring second = uniqueGuid();
    const std::wstring missing = uniqueGuid();
    addEntry(RegistryView::Bits32, first, L"First", L"1.0");
    addEntry(RegistryView::Bits64, second, L"Second", L"2.0");
    registerUpgradeCode(RegistryView::Bits32,
                        upgrade,
                        {InstalledSoftware::packGuid(first),
                         L"not a packed code",
                         InstalledSoftware::packGuid(missing)});
    registerUpgradeCode(RegistryView::Bits64, upgrade, {InstalledSoftware::packGuid(second)});

    const InstalledProducts found = InstalledSoftware::findProductsByUpgradeCode(upgrade);
    const bool both = InstalledSoftware::views().size() == 2;
    ASSERT_EQ(found.size(), both ? 2u : 1u);
    EXPECT_EQ(found[0].productCode, both ? first : second);
    EXPECT_EQ(found[0].displayVersion, both ? L"1.0" : L"2.0");
    EXPECT_TRUE(InstalledSoftware::findProductsByUpgradeCode(L"not a guid").empty());
}

TEST_F(InstalledQueries, UserHivesHoldPerUserEntries)
{
    const std::wstring name = TestMachine::uniqueName();
    RegKey key = create(RegRoot::CurrentUser, uninstall + L"\\" + name, 0);
    key.setString(L"DisplayName", L"Per-user tool");
    key.setString(L"DisplayVersion", L"4.2");

    const InstalledProducts found = InstalledSoftware::findProductInUserHives(name);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].productCode, name);
    EXPECT_EQ(found[0].displayVersion, L"4.2");
    EXPECT_TRUE(InstalledSoftware::findProductInUserHives(name + L"-absent").empty());
}

TEST_F(InstalledQueries, SnapshotAnswersAsFreshWalksAndEndsWithItsScope)
{
    const std::wstring tag = TestMachine::uniqueName();
    const std::wstring upgrade = uniqueGuid();
    std::vector<std::wstring> codes;
    for (int i = 0; i < 4; ++i) {
        codes.push_back(uniqueGuid());
        addEntry(i % 2 ? RegistryView::Bits64 : RegistryView::Bits32,
                 codes.back(),
                 tag + L" product " + std::to_wstring(i),
                 i == 3 ? L"" : L"1." + std::to_wstring(i));
    }
    registerUpgradeCode(
            RegistryView::Bits32,
            upgrade,
            {InstalledSoftware::packGuid(codes[0]), InstalledSoftware::packGuid(codes[2])});

    auto ask = [&] {
        std::vector<InstalledProducts> answers;
        for (const std::wstring &code : codes)
            answers.push_back(InstalledSoftware::findProductByCode({code}));
        answers.push_back(InstalledSoftware::findProductsByDisplayName(tag));
        answers.push_back(InstalledSoftware::findProductsByUpgradeCode(upgrade));
        answers.push_back(onlyThese(InstalledSoftware::findMakerProducts(), codes));
        return answers;
    };
    const auto fresh = ask();
    {
        InstalledSoftware::Snapshot snapshot;
        EXPECT_EQ(ask(), fresh);
        InstalledSoftware::Snapshot nested;
        EXPECT_EQ(ask(), fresh);
    }

    // A later refresh sees what changed since the last one.
    const std::wstring late = uniqueGuid();
    {
        InstalledSoftware::Snapshot snapshot;
        EXPECT_TRUE(InstalledSoftware::findProductByCode({late}).empty());
    }
    addEntry(RegistryView::Bits32, late, tag + L" late", L"9");
    InstalledSoftware::Snapshot snapshot;
    EXPECT_EQ(InstalledSoftware::findProductByCode({late}).size(), 1u);
}

} // namespace
