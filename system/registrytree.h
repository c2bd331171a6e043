#pragma once

// The registry as a tree in memory: what the simulated machine's store holds between reading
// and writing its file. Names compare without regard to case and keep the case they were
// created with; subkeys are kept sorted (so they enumerate as on Windows and are found by
// binary search), values in creation order.

#include "registry.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace sys {

class RegFileWriter;
struct RegFileEntry;

// The form in which Windows compares registry names: each character upper-cased.
std::wstring registryFolded(const std::wstring &name);

struct RegNamedValue
{
    std::wstring name;
    RegValue value;
};

struct RegNode
{
    std::wstring name;
    std::wstring key;                               // registryFolded(name)
    std::vector<std::unique_ptr<RegNode>> children; // sorted by key
    std::vector<RegNamedValue> values;              // creation order
    std::unordered_map<std::wstring, size_t> valueIndex;

    RegNode *child(const std::wstring &folded) const;
    RegNode *ensureChild(const std::wstring &childName, const std::wstring &folded);
    bool removeChild(const std::wstring &folded);

    const RegNamedValue *value(const std::wstring &valueName) const;
    // False when the value was already there with the same type and data.
    bool setValue(const std::wstring &valueName, RegValue value);
    bool removeValue(const std::wstring &valueName);
};

// A key as the tree holds it: the tree and the names below its root, as spelled and folded.
struct RegKeyPath
{
    int tree = 0;
    std::vector<std::wstring> names;
    std::vector<std::wstring> keys;

    void append(const std::wstring &name);
    // Appends the components of a backslash-separated path (empty components are skipped).
    void appendPath(const std::wstring &path);
};

class RegistryTree
{
public:
    RegistryTree();

    void clear();
    // A newly installed 64-bit Windows 10 as the programs that run on it see it.
    void makeFreshMachine();

    // Where root\path lives. HKEY_CURRENT_USER is the current user's hive below HKEY_USERS,
    // HKEY_CLASSES_ROOT is HKLM\SOFTWARE\Classes, and the 32-bit view of HKLM\SOFTWARE is its
    // WOW6432Node subkey unless the machine is 32-bit. The 32-bit view is that of
    // KEY_WOW64_32KEY and of an access without a view flag (our process is a 32-bit program);
    // KEY_WOW64_64KEY names the keys as they lie.
    static void locate(RegRoot root,
                       const std::wstring &path,
                       uint32_t access,
                       bool machine32Bit,
                       RegKeyPath &out);

    RegNode *find(const RegKeyPath &path) const;
    RegNode *ensure(const RegKeyPath &path);
    bool remove(const RegKeyPath &path);

    // The machine says it is a 32-bit Windows (TamSimulatedBitness = 32, see machine.h).
    bool describes32BitWindows() const;

    void write(RegFileWriter &writer) const;

    // Applies .reg entries in file order. Value lines follow their key line, so the key is
    // looked up once for all of them.
    class Applier
    {
    public:
        Applier(RegistryTree &tree, uint32_t access, bool machine32Bit);
        // False, with the reason, for a key outside the roots or a root to delete.
        bool apply(RegFileEntry &entry, std::wstring &problem);

    private:
        RegistryTree &m_tree;
        uint32_t m_access;
        bool m_machine32Bit;
        RegKeyPath m_path;
        std::wstring m_key;
        bool m_hasKey = false;
        bool m_isRoot = false;
        RegNode *m_node = nullptr;
    };

private:
    std::unique_ptr<RegNode> m_roots[2];
};

} // namespace sys
