#pragma once

// Listing and removing folders as they are on disk: a symbolic link, junction or other reparse
// point is an entry of its own, never the folder it points to. The elevated helper removes
// whole trees with this; a link planted in one must cost the link, not what it points to.

#include <string>
#include <vector>

namespace sys {

enum class EntryKind { File, Folder, Link };

struct FolderEntry
{
    std::wstring name;
    EntryKind kind;
};

// The entries of folder without "." and "..". False (and nothing listed) when folder cannot
// be read or is itself a link.
bool listFolder(const std::wstring &folder, std::vector<FolderEntry> *entries);

// The kind of whatever is at path, without following a link; false when nothing is there.
bool entryKind(const std::wstring &path, EntryKind *kind);

// Removes path with everything below it. A link anywhere, path included, is removed itself and
// its target is left alone. Read-only files go too. False when anything stays; error says why.
bool removeTree(const std::wstring &path, std::string *error);

} // namespace sys
