#include "foldertree.h"

#include "hostpath.h"

#include <windows.h>

namespace sys {

namespace {

bool fail(std::string *error, const std::wstring &path, const std::string &what)
{
    if (error)
        *error = toUtf8(path) + ": " + what + " (error " + std::to_string(GetLastError()) + ")";
    return false;
}

EntryKind kindOf(DWORD attributes)
{
    // Any reparse point, not only links and junctions: whatever it stands for is not ours.
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return EntryKind::Link;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? EntryKind::Folder : EntryKind::File;
}

bool isDotOrDotDot(const wchar_t *name)
{
    return wcscmp(name, L".") == 0 || wcscmp(name, L"..") == 0;
}

// Calls visit(name, attributes) for each entry of folder; false when it cannot be listed.
template<typename Visit>
bool forEachEntry(const std::wstring &folder, Visit visit)
{
    WIN32_FIND_DATAW entry;
    const HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    do {
        if (!isDotOrDotDot(entry.cFileName))
            visit(std::wstring(entry.cFileName), entry.dwFileAttributes);
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    return true;
}

// Opens the entry itself, never what it points to, and checks that the handle is what the
// listing saw: where a link's handle reaches its target (Wine), the entry is left alone.
HANDLE openEntry(const std::wstring &path, EntryKind expected, DWORD share, std::string *error)
{
    const HANDLE handle = CreateFileW(path.c_str(),
                                      DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
                                      share,
                                      nullptr,
                                      OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT,
                                      nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        fail(error, path, "cannot be opened");
        return INVALID_HANDLE_VALUE;
    }
    BY_HANDLE_FILE_INFORMATION information;
    if (!GetFileInformationByHandle(handle, &information)
        || kindOf(information.dwFileAttributes) != expected) {
        SetLastError(ERROR_CANT_ACCESS_FILE);
        fail(error, path, "cannot be opened as what it is without following it");
        CloseHandle(handle);
        return INVALID_HANDLE_VALUE;
    }
    return handle;
}

bool deleteByHandle(HANDLE handle, const std::wstring &path, std::string *error)
{
    BY_HANDLE_FILE_INFORMATION information;
    if (GetFileInformationByHandle(handle, &information)
        && (information.dwFileAttributes & FILE_ATTRIBUTE_READONLY)) {
        FILE_BASIC_INFO basic{};
        basic.FileAttributes = information.dwFileAttributes & ~DWORD(FILE_ATTRIBUTE_READONLY);
        if (basic.FileAttributes == 0)
            basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
        SetFileInformationByHandle(handle, FileBasicInfo, &basic, sizeof(basic));
    }
    FILE_DISPOSITION_INFO disposition{TRUE};
    const bool deleted = SetFileInformationByHandle(
            handle, FileDispositionInfo, &disposition, sizeof(disposition));
    if (!deleted)
        fail(error, path, "cannot be removed");
    CloseHandle(handle);
    return deleted;
}

bool removeEntry(const std::wstring &path, EntryKind kind, std::string *error)
{
    if (kind != EntryKind::Folder) {
        const HANDLE handle = openEntry(
                path, kind, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, error);
        return handle != INVALID_HANDLE_VALUE && deleteByHandle(handle, path, error);
    }
    // Held without delete sharing while its entries go, so that nobody renames it meanwhile
    // and puts something else under its name.
    const HANDLE folder = openEntry(path, kind, FILE_SHARE_READ | FILE_SHARE_WRITE, error);
    if (folder == INVALID_HANDLE_VALUE)
        return false;
    bool emptied = true;
    const bool listed = forEachEntry(path, [&](const std::wstring &name, DWORD attributes) {
        emptied = removeEntry(path + L"\\" + name, kindOf(attributes), error) && emptied;
    });
    if (!listed || !emptied) {
        if (!listed)
            fail(error, path, "cannot be listed");
        CloseHandle(folder);
        return false;
    }
    return deleteByHandle(folder, path, error);
}

} // namespace

bool listFolder(const std::wstring &folder, std::vector<FolderEntry> *entries)
{
    entries->clear();
    EntryKind kind;
    if (!entryKind(folder, &kind) || kind != EntryKind::Folder)
        return false;
    return forEachEntry(folder, [entries](const std::wstring &name, DWORD attributes) {
        entries->push_back({name, kindOf(attributes)});
    });
}

bool entryKind(const std::wstring &path, EntryKind *kind)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    *kind = kindOf(attributes);
    return true;
}

bool removeTree(const std::wstring &path, std::string *error)
{
    EntryKind kind;
    if (!entryKind(path, &kind))
        return fail(error, path, "cannot be found");
    return removeEntry(path, kind, error);
}

} // namespace sys
