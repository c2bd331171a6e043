// The Win32 protected folder: owned by Administrators (or SYSTEM), and no entry of its ACL, of
// whatever type, lets anyone else change it. Wine keeps no ACL on files, so all of this runs
// on Windows only.

#include "hostpath.h"
#include "protectedfolder.h"
#include "testsupport.h"

#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

#include <gtest/gtest.h>

using testsupport::TempFolder;

namespace {

const char wineKeepsNoAcls[] = "Wine keeps no ACL on files: it reports one made from the Unix "
                               "mode (owner, SYSTEM, Everyone) whatever was set";

std::wstring currentUserSid()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return {};
    BYTE buffer[256];
    DWORD length = 0;
    std::wstring result;
    wchar_t *text = nullptr;
    if (GetTokenInformation(token, TokenUser, buffer, sizeof(buffer), &length)
        && ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER *>(buffer)->User.Sid, &text)) {
        result = text;
        LocalFree(text);
    }
    CloseHandle(token);
    return result;
}

bool makeFolder(const std::wstring &path, const std::wstring &sddl)
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(
                sddl.c_str(), SDDL_REVISION_1, &descriptor, nullptr))
        return false;
    SECURITY_ATTRIBUTES attributes{sizeof(SECURITY_ATTRIBUTES), descriptor, FALSE};
    const bool made = CreateDirectoryW(path.c_str(), &attributes);
    LocalFree(descriptor);
    return made;
}

} // namespace

TEST(ProtectedFolderWin, RootChecks)
{
    if (testsupport::runningUnderWine()) {
        GTEST_SKIP() << wineKeepsNoAcls;
    }
    const std::wstring ours = L"D:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)";
    struct Row
    {
        const char *name;
        std::wstring sddl;
        bool accepted;
    };
    const Row rows[] = {
            {"made by the helper", L"O:BA" + ours, true},
            {"users may read", L"O:BA" + ours + L"(A;OICI;FRFX;;;BU)", true},
            {"a deny entry", L"O:BA" + ours + L"(D;;FA;;;WD)", true},
            {"users may write", L"O:BA" + ours + L"(A;;FW;;;BU)", false},
            // The owner may always rewrite the ACL: an entry that takes that from it is not
            // enough.
            {"owned by the user, who may only read the ACL",
             L"O:" + currentUserSid() + ours + L"(A;OICI;RC;;;OW)",
             false},
            {"a conditional entry lets users write",
             L"O:BA" + ours + L"(XA;;FA;;;BU;(Member_of {SID(BU)}))",
             false},
            {"no ACL at all", L"O:BAD:NO_ACCESS_CONTROL", false},
    };
    TempFolder folder;
    int index = 0;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const std::wstring path = (folder / ("row" + std::to_string(index++))).wstring();
        ASSERT_TRUE(makeFolder(path, row.sddl)) << GetLastError();
        std::string error;
        EXPECT_EQ(sys::isProtectedFolder(path, &error), row.accepted) << error;
    }
}

TEST(ProtectedFolderWin, CreatedForAdministratorsAndSystemOnly)
{
    if (testsupport::runningUnderWine()) {
        GTEST_SKIP() << wineKeepsNoAcls;
    }
    TempFolder folder;
    const std::wstring cache = (folder / "cache").wstring();
    std::string error;
    bool existed = false;
    ASSERT_TRUE(sys::createProtectedFolder(cache, &existed, &error)) << error;
    PSID owner = nullptr;
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_EQ(GetNamedSecurityInfoW(cache.c_str(),
                                    SE_FILE_OBJECT,
                                    OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION,
                                    &owner,
                                    nullptr,
                                    &dacl,
                                    nullptr,
                                    &descriptor),
              DWORD(ERROR_SUCCESS));
    EXPECT_TRUE(IsWellKnownSid(owner, WinBuiltinAdministratorsSid));
    ASSERT_NE(dacl, nullptr);
    EXPECT_EQ(dacl->AceCount, 2);
    LocalFree(descriptor);
}
