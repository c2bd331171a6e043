#include "protectedfolder.h"

#include "hostpath.h"

#include <windows.h>

#include <aclapi.h>
#include <sddl.h>
#include <shlobj.h>

namespace sys {

namespace {

// Owner Administrators; a protected DACL (nothing inherited from above) that gives full
// control to Administrators and SYSTEM only, inherited by everything inside.
constexpr wchar_t ProtectedSddl[] = L"O:BAD:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)";
// What anyone may be granted: looking, never changing.
constexpr DWORD ReadingRights
        = FILE_GENERIC_READ | FILE_GENERIC_EXECUTE | GENERIC_READ | GENERIC_EXECUTE;

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

std::string sidText(PSID sid)
{
    wchar_t *text = nullptr;
    if (!ConvertSidToStringSidW(sid, &text))
        return "an unknown account";
    const std::string result = toUtf8(text);
    LocalFree(text);
    return result;
}

// The account an allowing entry names, or null for an entry that only denies. Conditional
// (callback) and object entries allow as plain ones do; an entry of any other type is no
// entry a folder of ours holds, and sets unknown.
PSID allowedAccount(const ACE_HEADER *header, DWORD *mask, bool *unknown)
{
    *unknown = false;
    switch (header->AceType) {
    case ACCESS_DENIED_ACE_TYPE:
    case ACCESS_DENIED_CALLBACK_ACE_TYPE:
    case ACCESS_DENIED_OBJECT_ACE_TYPE:
    case ACCESS_DENIED_CALLBACK_OBJECT_ACE_TYPE:
        return nullptr;
    case ACCESS_ALLOWED_ACE_TYPE:
    case ACCESS_ALLOWED_CALLBACK_ACE_TYPE: {
        // Both start with Mask, then the account.
        const auto *entry = reinterpret_cast<const ACCESS_ALLOWED_ACE *>(header);
        *mask = entry->Mask;
        return PSID(&entry->SidStart);
    }
    case ACCESS_ALLOWED_OBJECT_ACE_TYPE:
    case ACCESS_ALLOWED_CALLBACK_OBJECT_ACE_TYPE: {
        // The two GUIDs before the account are there only when their flags say so.
        const auto *entry = reinterpret_cast<const ACCESS_ALLOWED_OBJECT_ACE *>(header);
        *mask = entry->Mask;
        const BYTE *account = reinterpret_cast<const BYTE *>(&entry->ObjectType);
        if (entry->Flags & ACE_OBJECT_TYPE_PRESENT)
            account += sizeof(GUID);
        if (entry->Flags & ACE_INHERITED_OBJECT_TYPE_PRESENT)
            account += sizeof(GUID);
        return PSID(const_cast<BYTE *>(account));
    }
    default:
        *unknown = true;
        return nullptr;
    }
}

// Why the ACL lets someone other than Administrators and SYSTEM change the folder; empty when
// it does not.
std::string whoElseMayChange(PACL dacl)
{
    if (!dacl)
        return "has no ACL: everyone may change it";
    for (DWORD i = 0; i < dacl->AceCount; ++i) {
        void *entry = nullptr;
        if (!GetAce(dacl, i, &entry))
            return "has an ACL that cannot be read";
        const auto *header = static_cast<const ACE_HEADER *>(entry);
        DWORD mask = 0;
        bool unknown = false;
        const PSID account = allowedAccount(header, &mask, &unknown);
        if (unknown)
            return "has an ACL entry of type " + std::to_string(header->AceType);
        if (account && !isAdministratorsOrSystem(account) && (mask & ~ReadingRights) != 0)
            return "lets " + sidText(account) + " change it";
    }
    return {};
}

// Sets the ACL of a folder this process has just made. CreateDirectoryW already applies it on
// Windows; Wine keeps only what is set afterwards.
bool applyAcl(const std::wstring &path, PSECURITY_DESCRIPTOR descriptor)
{
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL dacl = nullptr;
    if (!GetSecurityDescriptorDacl(descriptor, &present, &dacl, &defaulted))
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
    // Any owner may rewrite the ACL, whatever it says: only Administrators or SYSTEM will do.
    // The DACL as read holds the inherited entries too: whom it admits now is what counts.
    const std::string problem
            = isAdministratorsOrSystem(owner)
                      ? whoElseMayChange(dacl)
                      : "is owned by " + sidText(owner) + ", not by Administrators or SYSTEM";
    LocalFree(descriptor);
    return problem.empty() || fail(error, path, problem);
}

bool createProtectedFolder(const std::wstring &path, bool *existed, std::string *error)
{
    *existed = false;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(
                ProtectedSddl, SDDL_REVISION_1, &descriptor, nullptr))
        return fail(
                error, path, "cannot build its ACL (error " + std::to_string(GetLastError()) + ")");
    SECURITY_ATTRIBUTES attributes{sizeof(SECURITY_ATTRIBUTES), descriptor, FALSE};
    if (!CreateDirectoryW(path.c_str(), &attributes)) {
        const DWORD code = GetLastError();
        LocalFree(descriptor);
        *existed = code == ERROR_ALREADY_EXISTS;
        return fail(error, path, "cannot be created (error " + std::to_string(code) + ")");
    }
    const bool applied = applyAcl(path, descriptor);
    LocalFree(descriptor);
    if (applied && isProtectedFolder(path, error))
        return true;
    if (!applied)
        fail(error, path, "cannot set its ACL (error " + std::to_string(GetLastError()) + ")");
    // What was made but cannot be trusted goes again: it is empty and ours.
    RemoveDirectoryW(path.c_str());
    return false;
}

bool prepareProtectedFolder(const std::wstring &path, std::string *error)
{
    bool existed = false;
    return createProtectedFolder(path, &existed, error)
           || (existed && isProtectedFolder(path, error));
}

} // namespace sys
