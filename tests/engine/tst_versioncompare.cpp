// The dotted-version comparison: plain C++, so it runs on both builds.

#include "versioncompare.h"

#include <gtest/gtest.h>

using namespace engine;

namespace {

struct Row
{
    const char *name;
    std::wstring a;
    std::wstring b;
    int mode;
    bool expected;
};

TEST(CompareVersions, Modes)
{
    const Row rows[] = {
            {"missing component is zero", L"2.0", L"2", MatchMode::IsEqual, true},
            {"extra nonzero component differs", L"2.0.1", L"2", MatchMode::IsEqual, false},
            {"isexact like isequal", L"1.2", L"1.2.0", MatchMode::IsExact, true},
            {"older is not newer", L"1.5", L"2.0", MatchMode::IsNewer, false},
            {"newer", L"2.0", L"1.5", MatchMode::IsNewer, true},
            {"numeric not textual", L"10.0", L"9.9", MatchMode::IsNewer, true},
            {"equal is not newer", L"3.1", L"3.1", MatchMode::IsNewer, false},
            {"equal or newer on equal", L"3.1", L"3.1", MatchMode::IsEqualOrNewer, true},
            {"5.10 is at least 5.2", L"5.10", L"5.2", MatchMode::IsEqualOrNewer, true},
            {"5.1 is not at least 5.2", L"5.1", L"5.2", MatchMode::IsEqualOrNewer, false},
            {"older", L"1.9", L"1.10", MatchMode::IsOlder, true},
            {"equal is not older", L"4", L"4.0.0", MatchMode::IsOlder, false},
            {"equal or older on equal", L"4", L"4.0.0", MatchMode::IsEqualOrOlder, true},
            {"equal or older on newer", L"4.1", L"4.0", MatchMode::IsEqualOrOlder, false},
            {"letters split runs", L"1.02b7", L"1.2.7", MatchMode::IsEqual, true},
            {"leading zeros ignored", L"01.002", L"1.2", MatchMode::IsEqual, true},
            {"no digits on either side", L"Unknown", L"beta", MatchMode::IsEqualOrNewer, false},
            {"no digits, equality", L"Unknown", L"", MatchMode::IsEqual, false},
            {"digits against none", L"1.0", L"", MatchMode::IsEqualOrNewer, true},
            {"exists is not a comparison", L"1.0", L"1.0", MatchMode::Exists, false},
            {"unknown mode", L"1.0", L"1.0", 0, false},
            {"mode out of range", L"1.0", L"1.0", 8, false},
            {"thirty digits equal",
             L"1.123456789012345678901234567890",
             L"1.123456789012345678901234567890",
             MatchMode::IsEqual,
             true},
            {"thirty digits differ in the last",
             L"123456789012345678901234567891",
             L"123456789012345678901234567890",
             MatchMode::IsNewer,
             true},
            {"thirty digits against a short one",
             L"2.99",
             L"2.123456789012345678901234567890",
             MatchMode::IsOlder,
             true},
            {"beyond 64 bits is not wrapped",
             L"18446744073709551616",
             L"1",
             MatchMode::IsNewer,
             true},
            {"Arabic-Indic digits", L"\u0661.\u0662", L"1.2", MatchMode::IsEqual, true},
            {"full-width digits", L"\uFF11\uFF10", L"9", MatchMode::IsNewer, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(compareVersions(row.a, row.b, row.mode), row.expected);
    }
}

TEST(CompareVersions, ComponentsOfMixedText)
{
    EXPECT_EQ(versionComponents(L"1.02b7"), (std::vector<std::string>{"1", "2", "7"}));
    EXPECT_EQ(versionComponents(L"v000.0"), (std::vector<std::string>{"0", "0"}));
    EXPECT_TRUE(versionComponents(L"...").empty());
}

} // namespace
