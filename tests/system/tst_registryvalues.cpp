#include "registry.h"

#include <gtest/gtest.h>

using namespace sys;

TEST(RegistryValues, StringRoundTripsThroughUtf16)
{
    for (const std::wstring &text : {std::wstring(),
                                     std::wstring(L"Scan Utility"),
                                     std::wstring(L"\u00e9\u4e2d"),
                                     std::wstring(L"a\\b\"c")}) {
        const RegValue value = makeStringValue(text);
        EXPECT_EQ(value.data.size(), (text.size() + 1) * 2);
        EXPECT_EQ(stringFromValue(value), text);
    }
}

TEST(RegistryValues, RootNamesLongAndShort)
{
    struct Row
    {
        const wchar_t *full;
        bool ok;
        RegRoot root;
        const wchar_t *path;
    };
    const Row rows[] = {
            {L"HKEY_LOCAL_MACHINE\\SOFTWARE\\X", true, RegRoot::LocalMachine, L"SOFTWARE\\X"},
            {L"hklm\\SOFTWARE", true, RegRoot::LocalMachine, L"SOFTWARE"},
            {L"HKCU", true, RegRoot::CurrentUser, L""},
            {L"HKU\\.DEFAULT\\", true, RegRoot::Users, L".DEFAULT"},
            {L"HKCR\\.txt", true, RegRoot::ClassesRoot, L".txt"},
            {L"HKEY_NOWHERE\\x", false, RegRoot::LocalMachine, L""},
    };
    for (const Row &row : rows) {
        RegRoot root = RegRoot::LocalMachine;
        std::wstring path;
        EXPECT_EQ(splitRootPath(row.full, root, path), row.ok);
        if (row.ok) {
            EXPECT_EQ(root, row.root);
            EXPECT_EQ(path, row.path);
        }
    }
}
