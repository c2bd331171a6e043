// Registry conformance: the same expectations against the simulated machine (Linux) and the
// real Reg*W functions (Wine).

#include "hostpath.h"
#include "regfile.h"
#include "registry.h"
#include "sysinfo.h"
#include "testmachine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace sys;

namespace {

const uint32_t view32 = RegAccess::Wow64_32Key;
const uint32_t view64 = RegAccess::Wow64_64Key;

class Registry : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_name = TestMachine::uniqueName();
        m_user = L"Software\\" + m_name;
        m_machine = L"SOFTWARE\\" + m_name;
    }

    void TearDown() override
    {
        RegKey::deleteTree(RegRoot::CurrentUser, m_user, 0);
        RegKey::deleteTree(RegRoot::LocalMachine, m_machine, view64);
        RegKey::deleteTree(RegRoot::LocalMachine, m_machine, view32);
    }

    RegKey createUser(const std::wstring &sub = std::wstring(),
                      uint32_t access = RegAccess::AllAccess)
    {
        long rc = -1;
        RegKey key = RegKey::create(
                RegRoot::CurrentUser, sub.empty() ? m_user : m_user + L"\\" + sub, access, &rc);
        EXPECT_EQ(rc, RegError::Success);
        return key;
    }

    static std::vector<std::wstring> subkeys(const RegKey &key)
    {
        std::vector<std::wstring> names;
        std::wstring name;
        for (uint32_t i = 0; key.enumKey(i, name) == RegError::Success; ++i)
            names.push_back(name);
        return names;
    }

    static std::set<std::wstring> valueNames(const RegKey &key)
    {
        std::set<std::wstring> names;
        std::wstring name;
        for (uint32_t i = 0; key.enumValueName(i, name) == RegError::Success; ++i)
            names.insert(name);
        return names;
    }

    TestMachine m_machineFolder;
    std::wstring m_name;
    std::wstring m_user;
    std::wstring m_machine;
};

TEST_F(Registry, ValuesOfEveryTypeReadBackAsWritten)
{
    RegKey key = createUser();
    ASSERT_TRUE(key.isOpen());
    RegValue binary;
    binary.type = RegType::Binary;
    binary.data = {0x00, 0x01, 0xfe, 0xff};
    RegValue multi = makeStringValue(L"one");
    multi.type = RegType::MultiString;
    EXPECT_EQ(key.setString(L"Name", L"Scan Utility \u00e9"), RegError::Success);
    EXPECT_EQ(key.setString(L"Path", L"%ProgramFiles%\\Tam", RegType::ExpandString),
              RegError::Success);
    EXPECT_EQ(key.setDword(L"Count", 0xdeadbeef), RegError::Success);
    EXPECT_EQ(key.setValue(L"Blob", binary), RegError::Success);
    EXPECT_EQ(key.setValue(L"Multi", multi), RegError::Success);
    EXPECT_EQ(key.setString(L"", L"default"), RegError::Success);

    const RegKey reader = RegKey::open(RegRoot::CurrentUser, m_user, RegAccess::Read);
    ASSERT_TRUE(reader.isOpen());
    std::wstring text;
    uint32_t number = 0;
    EXPECT_TRUE(reader.readString(L"Name", text));
    EXPECT_EQ(text, L"Scan Utility \u00e9");
    EXPECT_TRUE(reader.readString(L"Path", text)); // REG_EXPAND_SZ counts, unexpanded
    EXPECT_EQ(text, L"%ProgramFiles%\\Tam");
    EXPECT_TRUE(reader.readString(L"", text));
    EXPECT_EQ(text, L"default");
    EXPECT_TRUE(reader.readDword(L"Count", number));
    EXPECT_EQ(number, 0xdeadbeefu);

    // A value of another type is not a string, nor a string a number.
    EXPECT_FALSE(reader.readString(L"Blob", text));
    EXPECT_FALSE(reader.readString(L"Count", text));
    EXPECT_FALSE(reader.readString(L"Multi", text));
    EXPECT_FALSE(reader.readDword(L"Name", number));

    RegValue value;
    ASSERT_EQ(reader.queryValue(L"Blob", value), RegError::Success);
    EXPECT_EQ(value.type, RegType::Binary);
    EXPECT_EQ(value.data, binary.data);
    ASSERT_EQ(reader.queryValue(L"Path", value), RegError::Success);
    EXPECT_EQ(value.type, RegType::ExpandString);
    ASSERT_EQ(reader.queryValue(L"Multi", value), RegError::Success);
    EXPECT_EQ(value.type, RegType::MultiString);
    EXPECT_EQ(value.data, multi.data);
}

TEST_F(Registry, MissingKeysAndValuesReportWindowsCodes)
{
    long rc = -1;
    RegKey missing = RegKey::open(RegRoot::CurrentUser, m_user + L"\\Nope", RegAccess::Read, &rc);
    EXPECT_EQ(rc, RegError::FileNotFound);
    EXPECT_FALSE(missing.isOpen());
    EXPECT_EQ(RegKey::deleteTree(RegRoot::CurrentUser, m_user + L"\\Nope", 0),
              RegError::FileNotFound);

    RegKey key = createUser();
    RegValue value;
    std::wstring name;
    EXPECT_EQ(key.queryValue(L"Nope", value), RegError::FileNotFound);
    EXPECT_EQ(key.deleteValue(L"Nope"), RegError::FileNotFound);
    EXPECT_EQ(key.enumKey(0, name), RegError::NoMoreItems);
    EXPECT_EQ(key.enumValueName(0, name), RegError::NoMoreItems);
    key.setDword(L"One", 1);
    EXPECT_EQ(key.enumValueName(0, name), RegError::Success);
    EXPECT_EQ(key.enumValueName(1, name), RegError::NoMoreItems);
    EXPECT_EQ(key.enumValueName(100000, name), RegError::NoMoreItems);
}

TEST_F(Registry, SubkeysEnumerateSortedWithoutRegardToCase)
{
    for (const wchar_t *sub : {L"beta", L"Alpha", L"gamma", L"Delta"})
        createUser(sub);
    const RegKey key = RegKey::open(RegRoot::CurrentUser, m_user, RegAccess::Read);
    EXPECT_EQ(subkeys(key), (std::vector<std::wstring>{L"Alpha", L"beta", L"Delta", L"gamma"}));
}

TEST_F(Registry, NamesIgnoreCaseButKeepIt)
{
    RegKey key = createUser(L"MixedCase");
    key.setString(L"DisplayName", L"first");
    // Opening, creating and writing with another spelling reach the same key and value.
    const RegKey upper = RegKey::open(
            RegRoot::CurrentUser, m_user + L"\\MIXEDCASE", RegAccess::Read | RegAccess::SetValue);
    ASSERT_TRUE(upper.isOpen());
    RegKey::create(RegRoot::CurrentUser, m_user + L"\\mixedcase", RegAccess::Write)
            .setString(L"DISPLAYNAME", L"second");
    std::wstring text;
    EXPECT_TRUE(upper.readString(L"displayname", text));
    EXPECT_EQ(text, L"second");

    const RegKey parent = RegKey::open(RegRoot::CurrentUser, m_user, RegAccess::Read);
    EXPECT_EQ(subkeys(parent), std::vector<std::wstring>{L"MixedCase"});
    EXPECT_EQ(valueNames(upper), std::set<std::wstring>{L"DisplayName"});
}

TEST_F(Registry, DeletingValuesAndTrees)
{
    RegKey key = createUser(L"A\\B\\C");
    key.setString(L"x", L"1");
    key.setString(L"y", L"2");
    EXPECT_EQ(key.deleteValue(L"X"), RegError::Success);
    EXPECT_EQ(valueNames(key), std::set<std::wstring>{L"y"});

    EXPECT_EQ(RegKey::deleteTree(RegRoot::CurrentUser, m_user + L"\\A", 0), RegError::Success);
    long rc = -1;
    RegKey::open(RegRoot::CurrentUser, m_user + L"\\A\\B", RegAccess::Read, &rc);
    EXPECT_EQ(rc, RegError::FileNotFound);
    RegKey::open(RegRoot::CurrentUser, m_user, RegAccess::Read, &rc);
    EXPECT_EQ(rc, RegError::Success);
    // The handle that was open on the deleted key no longer reaches anything.
    RegValue value;
    EXPECT_EQ(key.queryValue(L"y", value), RegError::KeyDeleted);
}

TEST_F(Registry, AccessMaskLimitsWhatAHandleMayDo)
{
    createUser(L"Sub").setString(L"v", L"1");
    const RegKey queryOnly = RegKey::open(RegRoot::CurrentUser, m_user, RegAccess::QueryValue);
    ASSERT_TRUE(queryOnly.isOpen());
    std::wstring name;
    EXPECT_EQ(queryOnly.enumKey(0, name), RegError::AccessDenied);

    RegKey readOnly = RegKey::open(RegRoot::CurrentUser, m_user + L"\\Sub", RegAccess::Read);
    EXPECT_EQ(readOnly.setString(L"v", L"2"), RegError::AccessDenied);
    EXPECT_EQ(readOnly.deleteValue(L"v"), RegError::AccessDenied);
    std::wstring text;
    EXPECT_TRUE(readOnly.readString(L"v", text));
    EXPECT_EQ(text, L"1");

    const RegKey enumOnly
            = RegKey::open(RegRoot::CurrentUser, m_user + L"\\Sub", RegAccess::EnumerateSubKeys);
    EXPECT_EQ(enumOnly.enumValueName(0, name), RegError::AccessDenied);
    EXPECT_FALSE(enumOnly.readString(L"v", text));
}

TEST_F(Registry, ThirtyTwoBitViewLivesUnderWow6432Node)
{
    long rc = -1;
    RegKey key32 = RegKey::create(RegRoot::LocalMachine,
                                  m_machine + L"\\Uninstall\\{A}",
                                  RegAccess::AllAccess | view32,
                                  &rc);
    ASSERT_EQ(rc, RegError::Success);
    key32.setString(L"DisplayName", L"32-bit product");

    RegKey::open(RegRoot::LocalMachine, m_machine, RegAccess::Read | view64, &rc);
    EXPECT_EQ(rc, RegError::FileNotFound);
    // Without a flag a process sees the view of its own kind: a 32-bit program under WOW64 (the
    // shipped programs, and the simulated machine's process, which stands in for them) the
    // 32-bit one.
    RegKey::open(RegRoot::LocalMachine, m_machine, RegAccess::Read, &rc);
    EXPECT_EQ(rc, isProcess64Bit() ? RegError::FileNotFound : RegError::Success)
            << "without a flag a process sees the view of its own kind";

    const RegKey physical = RegKey::open(RegRoot::LocalMachine,
                                         L"SOFTWARE\\WOW6432Node\\" + m_name + L"\\Uninstall\\{A}",
                                         RegAccess::Read | view64);
    std::wstring text;
    EXPECT_TRUE(physical.readString(L"DisplayName", text));
    EXPECT_EQ(text, L"32-bit product");

    RegKey key64 = RegKey::create(
            RegRoot::LocalMachine, m_machine + L"\\Uninstall\\{B}", RegAccess::AllAccess | view64);
    key64.setString(L"DisplayName", L"64-bit product");
    const RegKey uninstall32 = RegKey::open(
            RegRoot::LocalMachine, m_machine + L"\\Uninstall", RegAccess::Read | view32);
    const RegKey uninstall64 = RegKey::open(
            RegRoot::LocalMachine, m_machine + L"\\Uninstall", RegAccess::Read | view64);
    EXPECT_EQ(subkeys(uninstall32), std::vector<std::wstring>{L"{A}"});
    EXPECT_EQ(subkeys(uninstall64), std::vector<std::wstring>{L"{B}"});

    // Naming the node explicitly in the 32-bit view does not redirect twice.
    const RegKey explicit32 = RegKey::open(RegRoot::LocalMachine,
                                           L"SOFTWARE\\WOW6432Node\\" + m_name + L"\\Uninstall",
                                           RegAccess::Read | view32);
    EXPECT_EQ(subkeys(explicit32), std::vector<std::wstring>{L"{A}"});

    // SOFTWARE itself opened in the 32-bit view is the node.
    const RegKey software32
            = RegKey::open(RegRoot::LocalMachine, L"SOFTWARE", RegAccess::Read | view32);
    std::vector<std::wstring> names = subkeys(software32);
    EXPECT_NE(std::find(names.begin(), names.end(), m_name), names.end());
    EXPECT_EQ(std::find(names.begin(), names.end(), L"WOW6432Node"), names.end());

    EXPECT_EQ(RegKey::deleteTree(RegRoot::LocalMachine, m_machine, view32), RegError::Success);
    RegKey::open(
            RegRoot::LocalMachine, m_machine + L"\\Uninstall\\{B}", RegAccess::Read | view64, &rc);
    EXPECT_EQ(rc, RegError::Success) << "deleting in one view leaves the other";
}

TEST_F(Registry, DefaultValueAndOddNames)
{
    RegKey key = createUser(L"Odd");
    RegValue value;
    EXPECT_EQ(key.queryValue(L"", value), RegError::FileNotFound) << "no default value yet";
    EXPECT_EQ(key.setString(L"", L"d"), RegError::Success);
    EXPECT_EQ(key.setString(L"with space = and \"quotes\"", L"x"), RegError::Success);
    std::set<std::wstring> names = valueNames(key);
    EXPECT_EQ(names, (std::set<std::wstring>{L"", L"with space = and \"quotes\""}));
    EXPECT_EQ(key.deleteValue(L""), RegError::Success);
    EXPECT_EQ(key.queryValue(L"", value), RegError::FileNotFound);

    // A trailing backslash names the same key.
    long rc = -1;
    RegKey::open(RegRoot::CurrentUser, m_user + L"\\Odd\\", RegAccess::Read, &rc);
    EXPECT_EQ(rc, RegError::Success);
    // Key names are at most 255 characters, as Windows documents; Wine does not enforce it.
    RegKey::create(
            RegRoot::CurrentUser, m_user + L"\\" + std::wstring(256, L'k'), RegAccess::Write, &rc);
    if (TestMachine::isSimulated()) {
        EXPECT_EQ(rc, RegError::InvalidParameter);
    }
    RegKey::create(
            RegRoot::CurrentUser, m_user + L"\\" + std::wstring(255, L'k'), RegAccess::Write, &rc);
    EXPECT_EQ(rc, RegError::Success);
}

TEST_F(Registry, ClassesRootIsTheMachinesClasses)
{
    const std::wstring ext = L"." + m_name;
    long rc = -1;
    RegKey::create(RegRoot::ClassesRoot, ext, RegAccess::AllAccess, &rc).setString(L"", L"TamFile");
    ASSERT_EQ(rc, RegError::Success);
    // A file type lies in the machine's own classes, which Windows shares between both views;
    // the 64-bit view names them on either side.
    const uint32_t access = RegAccess::Read | view64;
    std::wstring text;
    EXPECT_TRUE(RegKey::open(RegRoot::LocalMachine, L"SOFTWARE\\Classes\\" + ext, access)
                        .readString(L"", text));
    EXPECT_EQ(text, L"TamFile");
    EXPECT_EQ(RegKey::deleteTree(RegRoot::ClassesRoot, ext, 0), RegError::Success);
    RegKey::open(RegRoot::LocalMachine, L"SOFTWARE\\Classes\\" + ext, access, &rc);
    EXPECT_EQ(rc, RegError::FileNotFound);
}

TEST_F(Registry, CurrentUserKeysAreNotRedirected)
{
    createUser(L"Shared", RegAccess::AllAccess | view32).setDword(L"n", 7);
    const RegKey key
            = RegKey::open(RegRoot::CurrentUser, m_user + L"\\Shared", RegAccess::Read | view64);
    uint32_t n = 0;
    EXPECT_TRUE(key.readDword(L"n", n));
    EXPECT_EQ(n, 7u);
}

TEST_F(Registry, MachineDescribesWindowsAsInstalled)
{
    const RegKey version = RegKey::open(RegRoot::LocalMachine,
                                        L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                                        RegAccess::Read);
    ASSERT_TRUE(version.isOpen());
    std::wstring text;
    EXPECT_TRUE(version.readString(L"CurrentVersion", text));
    EXPECT_FALSE(text.empty());
    long rc = -1;
    RegKey::open(RegRoot::LocalMachine,
                 L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall",
                 RegAccess::Read,
                 &rc);
    EXPECT_EQ(rc, RegError::Success);
    // A fresh Wine prefix has neither the 32-bit Uninstall key nor HKEY_USERS\.DEFAULT, which
    // Windows has; the simulated machine's own test checks those.
    std::wstring user;
    EXPECT_EQ(RegKey::open(RegRoot::Users, L"", RegAccess::Read).enumKey(0, user),
              RegError::Success);
}

TEST_F(Registry, ExportThenImportRestoresTheTree)
{
    RegKey key = createUser(L"Product");
    key.setString(L"DisplayName", L"Quote \" and backslash \\");
    key.setString(L"Line", L"two\r\nlines");
    key.setDword(L"Major", 3);
    RegValue blob;
    blob.type = RegType::Binary;
    for (int i = 0; i < 100; ++i)
        blob.data.push_back(static_cast<uint8_t>(i * 7));
    key.setValue(L"Blob", blob);
    createUser(L"Product\\Empty");

    std::string bytes;
    ASSERT_EQ(exportRegistryKey(RegRoot::CurrentUser, m_user, 0, bytes), RegError::Success);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(static_cast<uint8_t>(bytes[0]), 0xFF);
    EXPECT_EQ(static_cast<uint8_t>(bytes[1]), 0xFE);
    key.close();
    ASSERT_EQ(RegKey::deleteTree(RegRoot::CurrentUser, m_user, 0), RegError::Success);

    ASSERT_EQ(importRegistryFile(bytes, L"export.reg", 0), RegError::Success)
            << toUtf8(registryErrorMessage());
    const RegKey back = RegKey::open(RegRoot::CurrentUser, m_user + L"\\Product", RegAccess::Read);
    ASSERT_TRUE(back.isOpen());
    std::wstring text;
    uint32_t number = 0;
    RegValue value;
    EXPECT_TRUE(back.readString(L"DisplayName", text));
    EXPECT_EQ(text, L"Quote \" and backslash \\");
    EXPECT_TRUE(back.readString(L"Line", text));
    EXPECT_EQ(text, L"two\r\nlines");
    EXPECT_TRUE(back.readDword(L"Major", number));
    EXPECT_EQ(number, 3u);
    EXPECT_EQ(back.queryValue(L"Blob", value), RegError::Success);
    EXPECT_EQ(value.data, blob.data);
    EXPECT_EQ(subkeys(back), std::vector<std::wstring>{L"Empty"});
}

TEST_F(Registry, ImportAppliesDeletionsAndRejectsBadFilesWhole)
{
    createUser(L"Gone").setString(L"v", L"1");
    RegKey keep = createUser(L"Keep");
    keep.setString(L"old", L"1");
    const std::wstring base = L"HKEY_CURRENT_USER\\" + m_user;
    const std::wstring good = L"Windows Registry Editor Version 5.00\r\n\r\n[-" + base
                              + L"\\Gone]\r\n\r\n[" + base
                              + L"\\Keep]\r\n\"old\"=-\r\n\"new\"=dword:0000002a\r\n";
    ASSERT_EQ(importRegistryFile(toUtf8(good), L"good.reg", 0), RegError::Success);
    long rc = -1;
    RegKey::open(RegRoot::CurrentUser, m_user + L"\\Gone", RegAccess::Read, &rc);
    EXPECT_EQ(rc, RegError::FileNotFound);
    uint32_t number = 0;
    std::wstring text;
    EXPECT_TRUE(keep.readDword(L"new", number));
    EXPECT_EQ(number, 42u);
    EXPECT_FALSE(keep.readString(L"old", text));

    const std::wstring bad = L"Windows Registry Editor Version 5.00\r\n\r\n[" + base
                             + L"\\Keep]\r\n\"first\"=\"applied?\"\r\n\"broken\"=dword:xyz\r\n";
    EXPECT_EQ(importRegistryFile(toUtf8(bad), L"bad.reg", 0), RegError::InvalidParameter);
    const std::wstring message = registryErrorMessage();
    EXPECT_NE(message.find(L"bad.reg:5"), std::wstring::npos);
    EXPECT_FALSE(keep.readString(L"first", text)) << "nothing of a bad file is applied";
}

} // namespace
