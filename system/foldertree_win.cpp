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

// Calls visit(name, attributes) for each entry of the folder open as handle: through the handle,
// so that it is the folder held open, whatever its name stands for meanwhile.
template<typename Visit>
bool forEachEntry(HANDLE folder, Visit visit)
{
    alignas(FILE_ID_BOTH_DIR_INFO) BYTE buffer[16 * 1024];
    for (FILE_INFO_BY_HANDLE_CLASS kind = FileIdBothDirectoryRestartInfo;;
         kind = FileIdBothDirectoryInfo) {
        if (!GetFileInformationByHandleEx(folder, kind, buffer, sizeof(buffer)))
            return GetLastError() == ERROR_NO_MORE_FILES;
        for (const BYTE *at = buffer;;) {
            const auto *entry = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO *>(at);
            const std::wstring name(entry->FileName, entry->FileNameLength / sizeof(wchar_t));
            if (name != L"." && name != L"..")
                visit(name, entry->FileAttributes);
            if (entry->NextEntryOffset == 0)
                break;
            at += entry->NextEntryOffset;
        }
    }
}

// Opens the entry itself, never what it points to, and checks that the handle is what the
// listing saw: where a link's handle reaches its target (Wine), the entry is left alone.
HANDLE openEntry(
        const std::wstring &path, EntryKind expected, DWORD access, DWORD share, std::string *error)
{
    const HANDLE handle = CreateFileW(path.c_str(),
                                      access | FILE_READ_ATTRIBUTES,
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
    constexpr DWORD Removing = DELETE | FILE_WRITE_ATTRIBUTES;
    if (kind != EntryKind::Folder) {
        const HANDLE handle = openEntry(path,
                                        kind,
                                        Removing,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        error);
        return handle != INVALID_HANDLE_VALUE && deleteByHandle(handle, path, error);
    }
    // Held without delete sharing while its entries go, so that nobody renames it meanwhile
    // and puts something else under its name.
    const HANDLE folder = openEntry(path,
                                    kind,
                                    Removing | FILE_LIST_DIRECTORY | SYNCHRONIZE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    error);
    if (folder == INVALID_HANDLE_VALUE)
        return false;
    bool emptied = true;
    const bool listed = forEachEntry(folder, [&](const std::wstring &name, DWORD attributes) {
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
    const HANDLE handle = openEntry(folder,
                                    kind,
                                    FILE_LIST_DIRECTORY | SYNCHRONIZE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    const bool listed = forEachEntry(handle, [entries](const std::wstring &name, DWORD attributes) {
        entries->push_back({name, kindOf(attributes)});
    });
    CloseHandle(handle);
    if (!listed)
        entries->clear();
    return listed;
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
