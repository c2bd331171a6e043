// The Win32 protected folder: a protected ACL that allows Administrators and SYSTEM and nobody
// else; its owner is Administrators (or SYSTEM) or may only read the ACL (OWNER RIGHTS).

#include "protectedfolder.h"
#include "testsupport.h"

#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

#include <gtest/gtest.h>

#include <set>

using testsupport::TempFolder;

TEST(ProtectedFolderWin, AclForAdministratorsAndSystemOnly)
{
    if (testsupport::runningUnderWine())
        GTEST_SKIP() << "Wine keeps no ACL on files: it reports one made from the Unix mode "
                        "(owner, SYSTEM, Everyone) whatever was set";
    TempFolder folder;
    const std::wstring cache = (folder / "cache").wstring();
    std::string error;
    ASSERT_TRUE(sys::prepareProtectedFolder(cache, &error)) << error;

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
    const bool ownerIsAdministrators = IsWellKnownSid(owner, WinBuiltinAdministratorsSid)
                                       || IsWellKnownSid(owner, WinLocalSystemSid);
    // Whether the DACL is marked protected is not asked: Wine does not keep that mark.
    ASSERT_NE(dacl, nullptr);
    std::set<std::string> allowed;
    bool ownerRestricted = false;
    for (DWORD i = 0; i < dacl->AceCount; ++i) {
        void *entry = nullptr;
        ASSERT_TRUE(GetAce(dacl, i, &entry));
        ASSERT_EQ(static_cast<ACE_HEADER *>(entry)->AceType, ACCESS_ALLOWED_ACE_TYPE);
        auto *ace = static_cast<ACCESS_ALLOWED_ACE *>(entry);
        const PSID sid = reinterpret_cast<PSID>(&ace->SidStart);
        PSID ownerRights = nullptr;
        ASSERT_TRUE(ConvertStringSidToSidW(L"S-1-3-4", &ownerRights));
        const bool isOwnerRights = EqualSid(sid, ownerRights);
        LocalFree(ownerRights);
        if (isOwnerRights) {
            // The owner may read the ACL, nothing more.
            EXPECT_EQ(ace->Mask & ~DWORD(READ_CONTROL | SYNCHRONIZE), DWORD(0));
            ownerRestricted = true;
            continue;
        }
        if (IsWellKnownSid(sid, WinBuiltinAdministratorsSid))
            allowed.insert("Administrators");
        else if (IsWellKnownSid(sid, WinLocalSystemSid))
            allowed.insert("SYSTEM");
        else
            allowed.insert("other");
        EXPECT_EQ(ace->Mask & FILE_ALL_ACCESS, DWORD(FILE_ALL_ACCESS));
    }
    LocalFree(descriptor);
    EXPECT_TRUE(ownerIsAdministrators || ownerRestricted);
    EXPECT_EQ(allowed, (std::set<std::string>{"Administrators", "SYSTEM"}));
}
