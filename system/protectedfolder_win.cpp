#include "protectedfolder.h"

#include "hostpath.h"

#include <windows.h>

#include <aclapi.h>
#include <sddl.h>
#include <shlobj.h>

namespace sys {

namespace {

// Owner Administrators; a protected DACL (nothing inherited from above) that gives full
// control to Administrators and SYSTEM only, inherited by everything inside. OWNER RIGHTS
// (S-1-3-4) may only read it: should the owner end up someone else (Wine keeps the creating
// user), that owner may not rewrite the ACL either.
constexpr wchar_t ProtectedSddl[] = L"O:BAD:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICI;RC;;;S-1-3-4)";
constexpr DWORD ReadOnlyRights = READ_CONTROL | SYNCHRONIZE;

bool fail(std::string *error, const std::wstring &path, const std::string &text)
{
    if (error)
        *error = toUtf8(path) + ": " + text;
    return false;
}

bool isAdministratorsOrSystem(PSID sid)
{
    return sid
           && (IsWellKnownSid(sid, WinBuiltinAdministratorsSid)
               || IsWellKnownSid(sid, WinLocalSystemSid));
}

bool isOwnerRights(PSID sid)
{
    SID_IDENTIFIER_AUTHORITY creator = SECURITY_CREATOR_SID_AUTHORITY;
    return *GetSidSubAuthorityCount(sid) == 1
           && memcmp(GetSidIdentifierAuthority(sid), &creator, sizeof(creator)) == 0
           && *GetSidSubAuthority(sid, 0) == SECURITY_CREATOR_OWNER_RIGHTS_RID;
}

std::string sidText(PSID sid)
{
    wchar_t *text = nullptr;
    if (!ConvertSidToStringSidW(sid, &text))
        return "an unknown account";
    const std::string result = toUtf8(text);
    LocalFree(text);
    return result;
}

// Sets the ACL of a folder this process has just made. CreateDirectoryW already applies it on
// Windows; Wine keeps only what is set afterwards.
bool applyAcl(const std::wstring &path, PSECURITY_DESCRIPTOR descriptor)
{
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL dacl = nullptr;
    PSID owner = nullptr;
    if (!GetSecurityDescriptorDacl(descriptor, &present, &dacl, &defaulted)
        || !GetSecurityDescriptorOwner(descriptor, &owner, &defaulted))
        return false;
    const DWORD result
            = SetNamedSecurityInfoW(const_cast<wchar_t *>(path.c_str()),
                                    SE_FILE_OBJECT,
                                    DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                    nullptr,
                                    nullptr,
                                    dacl,
                                    nullptr);
    return result == ERROR_SUCCESS;
}

} // namespace

std::wstring payloadCacheFolder()
{
    wchar_t folder[MAX_PATH] = {};
    if (SHGetFolderPathW(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)
        != S_OK)
        return std::wstring();
    return std::wstring(folder) + L"\\TamPayloadCache";
}

bool isProtectedFolder(const std::wstring &path, std::string *error)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return fail(error, path, "cannot be read (error " + std::to_string(GetLastError()) + ")");
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return fail(error, path, "is not a folder");
    // A junction or link would let whoever controls its target decide what runs.
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return fail(error, path, "is a link");

    PSID owner = nullptr;
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    const DWORD result
            = GetNamedSecurityInfoW(path.c_str(),
                                    SE_FILE_OBJECT,
                                    OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION,
                                    &owner,
                                    nullptr,
                                    &dacl,
                                    nullptr,
                                    &descriptor);
    if (result != ERROR_SUCCESS)
        return fail(
                error, path, "its security cannot be read (error " + std::to_string(result) + ")");
    std::string problem;
    // The DACL as read holds the inherited entries too: whom it admits now is what counts.
    bool ownerRestricted = false;
    if (!dacl)
        problem = "has no ACL: everyone may write it";
    for (DWORD i = 0; problem.empty() && i < dacl->AceCount; ++i) {
        void *entry = nullptr;
        if (!GetAce(dacl, i, &entry))
            continue;
        const auto *header = static_cast<ACE_HEADER *>(entry);
        if (header->AceType != ACCESS_ALLOWED_ACE_TYPE)
            continue;
        auto *allowed = static_cast<ACCESS_ALLOWED_ACE *>(entry);
        const PSID sid = reinterpret_cast<PSID>(&allowed->SidStart);
        if (isOwnerRights(sid) && (allowed->Mask & ~ReadOnlyRights) == 0)
            ownerRestricted = true;
        else if (!isAdministratorsOrSystem(sid))
            problem = "grants access to " + sidText(sid)
                      + ", not only to Administrators and SYSTEM";
    }
    // Any other owner may rewrite the ACL, unless OWNER RIGHTS takes that from it.
    if (problem.empty() && !isAdministratorsOrSystem(owner) && !ownerRestricted)
        problem = "is not owned by Administrators or SYSTEM";
    LocalFree(descriptor);
    return problem.empty() || fail(error, path, problem);
}

bool prepareProtectedFolder(const std::wstring &path, std::string *error)
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(
                ProtectedSddl, SDDL_REVISION_1, &descriptor, nullptr))
        return fail(
                error, path, "cannot build its ACL (error " + std::to_string(GetLastError()) + ")");
    SECURITY_ATTRIBUTES attributes{sizeof(SECURITY_ATTRIBUTES), descriptor, FALSE};
    const BOOL created = CreateDirectoryW(path.c_str(), &attributes);
    const DWORD code = created ? ERROR_SUCCESS : GetLastError();
    const bool applied = !created || applyAcl(path, descriptor);
    LocalFree(descriptor);
    if (!applied)
        return fail(
                error, path, "cannot set its ACL (error " + std::to_string(GetLastError()) + ")");
    if (!created && code != ERROR_ALREADY_EXISTS)
        return fail(error, path, "cannot be created (error " + std::to_string(code) + ")");
    return isProtectedFolder(path, error);
}

} // namespace sys
