#include "registrytree.h"

#include "regfile.h"

#include <algorithm>

namespace sys {

namespace {

// The user the simulated machine runs everything as; HKEY_CURRENT_USER is its hive.
const wchar_t currentUserSid[] = L"S-1-5-21-2052111302-1418000000-1850000000-1001";

enum Tree { LocalMachineTree, UsersTree, TreeCount };
const wchar_t *const treeNames[TreeCount] = {L"HKEY_LOCAL_MACHINE", L"HKEY_USERS"};

// Windows compares registry names after upper-casing each UTF-16 unit. The C library's
// towupper depends on the process locale, so the mappings that matter are spelled out here.
wchar_t upcase(wchar_t c)
{
    const uint32_t u = static_cast<uint32_t>(c);
    if (u < 0x80)
        return (u >= 'a' && u <= 'z') ? static_cast<wchar_t>(u - 0x20) : c;
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7)
        return static_cast<wchar_t>(u - 0x20);
    if (u == 0xFF)
        return static_cast<wchar_t>(0x178);
    if (u >= 0x100 && u <= 0x17F) {
        if (u == 0x131 || u == 0x138 || u == 0x149 || u == 0x17F)
            return c;
        if ((u >= 0x139 && u <= 0x148) || (u >= 0x179 && u <= 0x17E))
            return static_cast<wchar_t>((u & 1) ? u : u - 1);
        return static_cast<wchar_t>((u & 1) ? u - 1 : u);
    }
    if (u >= 0x3B1 && u <= 0x3CB && u != 0x3C2)
        return static_cast<wchar_t>(u - 0x20);
    if (u >= 0x430 && u <= 0x44F)
        return static_cast<wchar_t>(u - 0x20);
    if (u >= 0x450 && u <= 0x45F)
        return static_cast<wchar_t>(u - 0x50);
    if (u >= 0xFF41 && u <= 0xFF5A)
        return static_cast<wchar_t>(u - 0x20);
    return c;
}

std::vector<std::unique_ptr<RegNode>>::const_iterator lowerBound(const RegNode &node,
                                                                 const std::wstring &folded)
{
    return std::lower_bound(node.children.begin(),
                            node.children.end(),
                            folded,
                            [](const std::unique_ptr<RegNode> &child, const std::wstring &k) {
                                return child->key < k;
                            });
}

RegNode *ensurePath(RegNode &root, const std::wstring &path)
{
    RegKeyPath components;
    components.appendPath(path);
    RegNode *node = &root;
    for (size_t i = 0; i < components.names.size(); ++i)
        node = node->ensureChild(components.names[i], components.keys[i]);
    return node;
}

void setString(RegNode &node, const wchar_t *name, const wchar_t *text)
{
    node.setValue(name, makeStringValue(text));
}

void writeNode(RegFileWriter &writer, const RegNode &node, std::wstring &path, bool isRoot)
{
    if (!isRoot || !node.values.empty()) {
        writer.beginKey(path);
        for (const RegNamedValue &value : node.values)
            writer.addValue(value.name, value.value);
    }
    for (const auto &child : node.children) {
        const size_t length = path.size();
        path += L'\\';
        path += child->name;
        writeNode(writer, *child, path, false);
        path.resize(length);
    }
}

} // namespace

std::wstring registryFolded(const std::wstring &name)
{
    std::wstring out(name);
    for (wchar_t &c : out)
        c = upcase(c);
    return out;
}

RegNode *RegNode::child(const std::wstring &folded) const
{
    const auto it = lowerBound(*this, folded);
    return it != children.end() && (*it)->key == folded ? it->get() : nullptr;
}

RegNode *RegNode::ensureChild(const std::wstring &childName, const std::wstring &folded)
{
    const auto it = lowerBound(*this, folded);
    if (it != children.end() && (*it)->key == folded)
        return it->get();
    auto node = std::make_unique<RegNode>();
    node->name = childName;
    node->key = folded;
    RegNode *raw = node.get();
    children.insert(children.begin() + (it - children.begin()), std::move(node));
    return raw;
}

bool RegNode::removeChild(const std::wstring &folded)
{
    const auto it = lowerBound(*this, folded);
    if (it == children.end() || (*it)->key != folded)
        return false;
    children.erase(children.begin() + (it - children.begin()));
    return true;
}

const RegNamedValue *RegNode::value(const std::wstring &valueName) const
{
    const auto it = valueIndex.find(registryFolded(valueName));
    return it == valueIndex.end() ? nullptr : &values[it->second];
}

bool RegNode::setValue(const std::wstring &valueName, RegValue v)
{
    std::wstring k = registryFolded(valueName);
    const auto it = valueIndex.find(k);
    if (it != valueIndex.end()) {
        RegValue &old = values[it->second].value;
        if (old.type == v.type && old.data == v.data)
            return false;
        old = std::move(v);
        return true;
    }
    valueIndex.emplace(std::move(k), values.size());
    values.push_back({valueName, std::move(v)});
    return true;
}

bool RegNode::removeValue(const std::wstring &valueName)
{
    const auto it = valueIndex.find(registryFolded(valueName));
    if (it == valueIndex.end())
        return false;
    const size_t index = it->second;
    values.erase(values.begin() + static_cast<std::ptrdiff_t>(index));
    valueIndex.erase(it);
    for (auto &entry : valueIndex) {
        if (entry.second > index)
            --entry.second;
    }
    return true;
}

void RegKeyPath::append(const std::wstring &name)
{
    names.push_back(name);
    keys.push_back(registryFolded(name));
}

void RegKeyPath::appendPath(const std::wstring &path)
{
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(L'\\', start);
        if (end == std::wstring::npos)
            end = path.size();
        if (end > start)
            append(path.substr(start, end - start));
        start = end + 1;
    }
}

RegistryTree::RegistryTree()
{
    clear();
}

void RegistryTree::clear()
{
    for (int i = 0; i < TreeCount; ++i) {
        m_roots[i] = std::make_unique<RegNode>();
        m_roots[i]->name = treeNames[i];
        m_roots[i]->key = registryFolded(treeNames[i]);
    }
}

void RegistryTree::makeFreshMachine()
{
    clear();
    RegNode &hklm = *m_roots[LocalMachineTree];
    for (const wchar_t *software : {L"SOFTWARE", L"SOFTWARE\\WOW6432Node"}) {
        const std::wstring base(software);
        RegNode *nt = ensurePath(hklm, base + L"\\Microsoft\\Windows NT\\CurrentVersion");
        nt->setValue(L"CurrentMajorVersionNumber", makeDwordValue(10));
        nt->setValue(L"CurrentMinorVersionNumber", makeDwordValue(0));
        setString(*nt, L"CurrentVersion", L"6.3");
        setString(*nt, L"CurrentBuild", L"19045");
        setString(*nt, L"CurrentBuildNumber", L"19045");
        setString(*nt, L"ProductName", L"Windows 10 Pro");
        setString(*nt, L"EditionID", L"Professional");
        setString(*nt, L"InstallationType", L"Client");
        RegNode *cv = ensurePath(hklm, base + L"\\Microsoft\\Windows\\CurrentVersion");
        const bool wow = base.size() > 8;
        setString(*cv, L"ProgramFilesDir", wow ? L"C:\\Program Files (x86)" : L"C:\\Program Files");
        setString(*cv, L"ProgramFilesDir (x86)", L"C:\\Program Files (x86)");
        ensurePath(*cv, L"Uninstall");
        ensurePath(*cv, L"RunOnce");
        ensurePath(*cv, L"Run");
        ensurePath(hklm, base + L"\\Classes");
    }
    ensurePath(hklm, L"SYSTEM\\CurrentControlSet\\Services");
    RegNode &users = *m_roots[UsersTree];
    ensurePath(users, L".DEFAULT\\Software");
    const std::wstring user = currentUserSid;
    ensurePath(users, user + L"\\Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce");
    ensurePath(users, user + L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
}

void RegistryTree::locate(
        RegRoot root, const std::wstring &path, uint32_t access, bool machine32Bit, RegKeyPath &out)
{
    out = RegKeyPath();
    out.tree
            = root == RegRoot::Users || root == RegRoot::CurrentUser ? UsersTree : LocalMachineTree;
    if (root == RegRoot::CurrentUser)
        out.append(currentUserSid);
    if (root == RegRoot::ClassesRoot) {
        out.append(L"SOFTWARE");
        out.append(L"Classes");
    }
    out.appendPath(path);
    // The simulated process is a 32-bit program (isProcess64Bit): without a flag it sees the
    // 32-bit view, as WOW64 shows it to such a program on Windows.
    const bool view32 = (access & RegAccess::Wow64_32Key) || !(access & RegAccess::Wow64_64Key);
    if (root != RegRoot::LocalMachine || machine32Bit || !view32 || out.keys.empty()
        || out.keys[0] != L"SOFTWARE" || (out.keys.size() > 1 && out.keys[1] == L"WOW6432NODE"))
        return;
    out.names.insert(out.names.begin() + 1, L"WOW6432Node");
    out.keys.insert(out.keys.begin() + 1, L"WOW6432NODE");
}

RegNode *RegistryTree::find(const RegKeyPath &path) const
{
    RegNode *node = m_roots[path.tree].get();
    for (size_t i = 0; node && i < path.keys.size(); ++i)
        node = node->child(path.keys[i]);
    return node;
}

RegNode *RegistryTree::ensure(const RegKeyPath &path)
{
    RegNode *node = m_roots[path.tree].get();
    for (size_t i = 0; i < path.keys.size(); ++i)
        node = node->ensureChild(path.names[i], path.keys[i]);
    return node;
}

bool RegistryTree::remove(const RegKeyPath &path)
{
    if (path.keys.empty())
        return false;
    RegNode *parent = m_roots[path.tree].get();
    for (size_t i = 0; parent && i + 1 < path.keys.size(); ++i)
        parent = parent->child(path.keys[i]);
    return parent && parent->removeChild(path.keys.back());
}

bool RegistryTree::describes32BitWindows() const
{
    RegKeyPath path;
    path.tree = LocalMachineTree;
    path.appendPath(L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion");
    const RegNode *node = find(path);
    const RegNamedValue *bits = node ? node->value(L"TamSimulatedBitness") : nullptr;
    return bits && bits->value.type == RegType::Dword
           && bits->value.data == makeDwordValue(32).data;
}

void RegistryTree::write(RegFileWriter &writer) const
{
    for (int tree = 0; tree < TreeCount; ++tree) {
        std::wstring path = treeNames[tree];
        writeNode(writer, *m_roots[tree], path, true);
    }
}

RegistryTree::Applier::Applier(RegistryTree &tree, uint32_t access, bool machine32Bit)
    : m_tree(tree)
    , m_access(access)
    , m_machine32Bit(machine32Bit)
{}

bool RegistryTree::Applier::apply(RegFileEntry &entry, std::wstring &problem)
{
    if (!m_hasKey || entry.key != m_key) {
        RegRoot root;
        std::wstring rest;
        if (!splitRootPath(entry.key, root, rest)) {
            problem = L"unknown root key in \"" + entry.key + L"\"";
            return false;
        }
        locate(root, rest, m_access, m_machine32Bit, m_path);
        m_key = entry.key;
        m_hasKey = true;
        m_isRoot = rest.empty();
        m_node = nullptr;
    }
    switch (entry.kind) {
    case RegFileEntry::Key:
        if (!m_node)
            m_node = m_tree.ensure(m_path);
        break;
    case RegFileEntry::DeleteKey:
        if (m_isRoot) {
            problem = L"a root key cannot be deleted";
            return false;
        }
        m_tree.remove(m_path);
        m_node = nullptr;
        break;
    case RegFileEntry::SetValue:
        if (!m_node)
            m_node = m_tree.ensure(m_path);
        m_node->setValue(entry.name, std::move(entry.value));
        break;
    case RegFileEntry::DeleteValue:
        if (!m_node)
            m_node = m_tree.find(m_path);
        if (m_node)
            m_node->removeValue(entry.name);
        break;
    }
    return true;
}

} // namespace sys
