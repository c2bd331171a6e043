// The simulated machine's registry: one .reg text file, <machine>/registry.reg, shared by every
// process that uses the machine.
//
// Supported:
// - the trees HKEY_LOCAL_MACHINE and HKEY_USERS; HKEY_CURRENT_USER is HKEY_USERS\<currentUserSid>
//   as on Windows, so per-user entries show up when the user hives are walked, and
//   HKEY_CLASSES_ROOT is HKLM\SOFTWARE\Classes (as in Wine: no merge with the user's classes);
// - keys and value names compared without regard to case (ASCII, Latin-1, Latin Extended-A,
//   Greek, Cyrillic, full-width Latin), keeping the case they were created with; subkeys
//   enumerate in sorted order, values in creation order, as Windows does;
// - every value type as raw bytes (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ, REG_DWORD, REG_QWORD,
//   REG_BINARY, REG_NONE and unknown numbers);
// - the 32-bit view: KEY_WOW64_32KEY turns HKLM\SOFTWARE\... into SOFTWARE\WOW6432Node\...
//   unless the machine describes a 32-bit Windows (TamSimulatedBitness = 32, see machine.h),
//   where both views are the same; without a flag our 64-bit process sees the 64-bit view;
// - the access mask of a handle: values need KEY_QUERY_VALUE / KEY_SET_VALUE, enumerating
//   subkeys KEY_ENUMERATE_SUB_KEYS, otherwise ERROR_ACCESS_DENIED;
// - several processes at once: writers take an flock on registry.reg.lock, re-read the file
//   when it changed, and replace it by writing registry.reg.tmp, fsync and rename, so readers
//   (who take no lock) always see a complete store and a killed writer leaves the last one;
// - a parsed copy cached per process, re-read only when the file's identity (device, inode,
//   size, modification time in ns) changed; every write gives the file a newer modification
//   time than the one before, so a cached copy is never mistaken for a newer file;
// - a store that does not parse is never written: every call fails with ERROR_BADDB and
//   registryErrorMessage() names the file and line.
//
// Deliberately not simulated: security descriptors and per-user rights (every caller is
// administrator), volatile keys, symbolic links other than the WOW64 redirect, the shared
// (non-redirected) keys below SOFTWARE and the redirection of HKCR, HKEY_CURRENT_CONFIG and
// HKEY_PERFORMANCE_DATA, change notifications, last-write times, and transactions. A handle
// names its key by path: after the key was deleted it reports ERROR_KEY_DELETED, and when a
// key of the same name was created meanwhile the handle sees that one.

#include "hostpath.h"
#include "machine.h"
#include "regfile.h"
#include "registry.h"
#include "registrymessage.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace sys {

namespace {

// The user the simulated machine runs everything as; HKEY_CURRENT_USER is its hive.
const wchar_t currentUserSid[] = L"S-1-5-21-2052111302-1418000000-1850000000-1001";
const uint32_t maxKeyNameLength = 255;

enum PhysicalRoot { LocalMachineTree, UsersTree, TreeCount };
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

std::wstring folded(const std::wstring &name)
{
    std::wstring out(name);
    for (wchar_t &c : out)
        c = upcase(c);
    return out;
}

struct NamedValue
{
    std::wstring name;
    RegValue value;
};

struct Node
{
    std::wstring name;
    std::wstring key;                            // name upper-cased: the sort and lookup key
    std::vector<std::unique_ptr<Node>> children; // sorted by key
    std::vector<NamedValue> values;              // creation order
    std::unordered_map<std::wstring, size_t> valueIndex;

    std::vector<std::unique_ptr<Node>>::const_iterator lowerBound(const std::wstring &k) const
    {
        return std::lower_bound(children.begin(),
                                children.end(),
                                k,
                                [](const std::unique_ptr<Node> &child, const std::wstring &x) {
                                    return child->key < x;
                                });
    }

    Node *child(const std::wstring &k) const
    {
        const auto it = lowerBound(k);
        return it != children.end() && (*it)->key == k ? it->get() : nullptr;
    }

    Node *ensureChild(const std::wstring &childName, const std::wstring &k)
    {
        const auto it = lowerBound(k);
        if (it != children.end() && (*it)->key == k)
            return it->get();
        auto node = std::make_unique<Node>();
        node->name = childName;
        node->key = k;
        Node *raw = node.get();
        children.insert(children.begin() + (it - children.begin()), std::move(node));
        return raw;
    }

    bool removeChild(const std::wstring &k)
    {
        const auto it = lowerBound(k);
        if (it == children.end() || (*it)->key != k)
            return false;
        children.erase(children.begin() + (it - children.begin()));
        return true;
    }

    const NamedValue *value(const std::wstring &valueName) const
    {
        const auto it = valueIndex.find(folded(valueName));
        return it == valueIndex.end() ? nullptr : &values[it->second];
    }

    // Returns false when the value was already there with the same type and data.
    bool setValue(const std::wstring &valueName, RegValue v)
    {
        const std::wstring k = folded(valueName);
        const auto it = valueIndex.find(k);
        if (it != valueIndex.end()) {
            RegValue &old = values[it->second].value;
            if (old.type == v.type && old.data == v.data)
                return false;
            old = std::move(v);
            return true;
        }
        valueIndex.emplace(k, values.size());
        values.push_back({valueName, std::move(v)});
        return true;
    }

    bool removeValue(const std::wstring &valueName)
    {
        const auto it = valueIndex.find(folded(valueName));
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
};

// A key as the store holds it: its tree and the names below the root (original spelling and
// upper-cased).
struct KeyPath
{
    PhysicalRoot tree = LocalMachineTree;
    std::vector<std::wstring> names;
    std::vector<std::wstring> keys;

    void append(const std::wstring &name)
    {
        names.push_back(name);
        keys.push_back(folded(name));
    }
};

void splitPath(const std::wstring &path, KeyPath &out)
{
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(L'\\', start);
        if (end == std::wstring::npos)
            end = path.size();
        if (end > start)
            out.append(path.substr(start, end - start));
        start = end + 1;
    }
}

// GENERIC_* and MAXIMUM_ALLOWED in a key's access mask stand for the key rights.
uint32_t normalizedAccess(uint32_t access)
{
    uint32_t result = access & 0x00FFFFFF;
    if (access & 0x80000000u)
        result |= RegAccess::Read;
    if (access & 0x40000000u)
        result |= RegAccess::Write;
    if (access & 0x20000000u)
        result |= RegAccess::Read;
    if (access & (0x10000000u | 0x02000000u))
        result |= RegAccess::AllAccess;
    return result;
}

struct FileStamp
{
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    int64_t mtimeNs = 0;

    bool operator==(const FileStamp &other) const
    {
        return exists == other.exists && device == other.device && inode == other.inode
               && size == other.size && mtimeNs == other.mtimeNs;
    }
};

FileStamp stampOf(const struct stat &info)
{
    FileStamp stamp;
    stamp.exists = true;
    stamp.device = info.st_dev;
    stamp.inode = info.st_ino;
    stamp.size = info.st_size;
    stamp.mtimeNs = static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    return stamp;
}

std::wstring errnoText(int code)
{
    return fromUtf8(std::strerror(code));
}

void setString(Node &node, const wchar_t *name, const wchar_t *text)
{
    node.setValue(name, makeStringValue(text));
}

Node *ensurePath(Node &root, const std::wstring &path)
{
    KeyPath kp;
    splitPath(path, kp);
    Node *node = &root;
    for (size_t i = 0; i < kp.names.size(); ++i)
        node = node->ensureChild(kp.names[i], kp.keys[i]);
    return node;
}

// What a newly installed 64-bit Windows 10 offers the programs that run on it.
void buildFreshMachine(std::unique_ptr<Node> (&trees)[TreeCount])
{
    for (int i = 0; i < TreeCount; ++i) {
        trees[i] = std::make_unique<Node>();
        trees[i]->name = treeNames[i];
        trees[i]->key = folded(treeNames[i]);
    }
    Node &hklm = *trees[LocalMachineTree];
    for (const wchar_t *software : {L"SOFTWARE", L"SOFTWARE\\WOW6432Node"}) {
        const std::wstring base(software);
        Node *nt = ensurePath(hklm, base + L"\\Microsoft\\Windows NT\\CurrentVersion");
        nt->setValue(L"CurrentMajorVersionNumber", makeDwordValue(10));
        nt->setValue(L"CurrentMinorVersionNumber", makeDwordValue(0));
        setString(*nt, L"CurrentVersion", L"6.3");
        setString(*nt, L"CurrentBuild", L"19045");
        setString(*nt, L"CurrentBuildNumber", L"19045");
        setString(*nt, L"ProductName", L"Windows 10 Pro");
        setString(*nt, L"EditionID", L"Professional");
        setString(*nt, L"InstallationType", L"Client");
        Node *cv = ensurePath(hklm, base + L"\\Microsoft\\Windows\\CurrentVersion");
        const bool wow = base.size() > 8;
        setString(*cv, L"ProgramFilesDir", wow ? L"C:\\Program Files (x86)" : L"C:\\Program Files");
        setString(*cv, L"ProgramFilesDir (x86)", L"C:\\Program Files (x86)");
        ensurePath(*cv, L"Uninstall");
        ensurePath(*cv, L"RunOnce");
        ensurePath(*cv, L"Run");
        ensurePath(hklm, base + L"\\Classes");
    }
    ensurePath(hklm, L"SYSTEM\\CurrentControlSet\\Services");
    Node &users = *trees[UsersTree];
    ensurePath(users, L".DEFAULT\\Software");
    ensurePath(users,
               std::wstring(currentUserSid)
                       + L"\\Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce");
    ensurePath(users,
               std::wstring(currentUserSid)
                       + L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
}

// Maps a root handle and path to the tree that holds it; HKEY_CURRENT_USER is the current
// user's hive, HKEY_CLASSES_ROOT the machine's classes.
bool startPath(RegRoot root, const std::wstring &path, KeyPath &out)
{
    out = KeyPath();
    switch (root) {
    case RegRoot::LocalMachine:
        out.tree = LocalMachineTree;
        break;
    case RegRoot::ClassesRoot:
        out.tree = LocalMachineTree;
        out.append(L"SOFTWARE");
        out.append(L"Classes");
        break;
    case RegRoot::Users:
        out.tree = UsersTree;
        break;
    case RegRoot::CurrentUser:
        out.tree = UsersTree;
        out.append(currentUserSid);
        break;
    default:
        return false;
    }
    splitPath(path, out);
    return true;
}

class Store
{
public:
    static Store &instance()
    {
        static Store store;
        return store;
    }

    std::mutex &mutex() { return m_mutex; }

    // Brings the cached copy up to date with the file. Caller holds mutex().
    long refresh()
    {
        const std::string folder = machineFolder();
        if (folder != m_folder) {
            m_folder = folder;
            m_path = folder + "/registry.reg";
            m_loaded = false;
        }
        struct stat info;
        if (::stat(m_path.c_str(), &info) != 0) {
            if (errno != ENOENT)
                return failRead(errno);
            if (m_loaded && !m_stamp.exists)
                return RegError::Success;
            buildFreshMachine(m_trees);
            m_stamp = FileStamp();
            m_loaded = true;
            m_bad = false;
            ++m_generation;
            return RegError::Success;
        }
        if (m_loaded && m_stamp == stampOf(info))
            return m_bad ? RegError::BadStore : RegError::Success;
        return load();
    }

    // Takes the writers' lock and refreshes; pair with endWrite().
    long beginWrite()
    {
        const long rc = refresh();
        if (rc != RegError::Success)
            return rc;
        machineRoot(); // makes the folder of a machine that has never been written
        const std::string lockPath = m_path + ".lock";
        m_lockFd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (m_lockFd < 0)
            return failWrite(lockPath, errno);
        while (::flock(m_lockFd, LOCK_EX) != 0) {
            if (errno != EINTR) {
                const int code = errno;
                endWrite();
                return failWrite(lockPath, code);
            }
        }
        // Another process may have written between our look and the lock.
        const long after = refresh();
        if (after != RegError::Success)
            endWrite();
        return after;
    }

    void endWrite()
    {
        if (m_lockFd >= 0)
            ::close(m_lockFd);
        m_lockFd = -1;
    }

    // Writes the cached copy as the new store. Caller is between beginWrite() and endWrite().
    long save()
    {
        ++m_generation;
        RegFileWriter writer(m_stamp.exists ? static_cast<size_t>(m_stamp.size) : 0);
        for (int tree = 0; tree < TreeCount; ++tree) {
            std::wstring path = treeNames[tree];
            writeNode(writer, *m_trees[tree], path, true);
        }
        const std::string bytes = writer.bytes();
        const std::string temp = m_path + ".tmp";
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0)
            return failWrite(temp, errno);
        size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return abandonTemp(fd, temp, n < 0 ? errno : ENOSPC);
            done += static_cast<size_t>(n);
        }
        // Strictly increasing modification times keep every version's stamp unique even when
        // the file system reuses the inode of a replaced store within one clock tick.
        struct timespec now;
        ::clock_gettime(CLOCK_REALTIME, &now);
        int64_t mtime = static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
        if (m_stamp.exists && mtime <= m_stamp.mtimeNs)
            mtime = m_stamp.mtimeNs + 1;
        struct timespec times[2];
        times[0].tv_sec = 0;
        times[0].tv_nsec = UTIME_NOW;
        times[1].tv_sec = static_cast<time_t>(mtime / 1000000000);
        times[1].tv_nsec = static_cast<long>(mtime % 1000000000);
        struct stat info;
        if (::futimens(fd, times) != 0 || ::fsync(fd) != 0 || ::fstat(fd, &info) != 0)
            return abandonTemp(fd, temp, errno);
        ::close(fd);
        if (::rename(temp.c_str(), m_path.c_str()) != 0) {
            const int code = errno;
            ::unlink(temp.c_str());
            m_loaded = false;
            return failWrite(m_path, code);
        }
        const int dir = ::open(m_folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir >= 0) {
            ::fsync(dir);
            ::close(dir);
        }
        m_stamp = stampOf(info);
        return RegError::Success;
    }

    // Sets the calling thread's message for the result of a registry call.
    long finish(long rc) const
    {
        detail::setRegistryErrorMessage(
                rc == RegError::BadStore || rc == RegError::IoFailed ? m_message : std::wstring());
        return rc;
    }

    Node *tree(PhysicalRoot root) const { return m_trees[root].get(); }
    uint64_t generation() const { return m_generation; }

    Node *find(const KeyPath &path) const
    {
        Node *node = m_trees[path.tree].get();
        for (size_t i = 0; node && i < path.keys.size(); ++i)
            node = node->child(path.keys[i]);
        return node;
    }

    Node *ensure(const KeyPath &path)
    {
        Node *node = m_trees[path.tree].get();
        for (size_t i = 0; i < path.keys.size(); ++i)
            node = node->ensureChild(path.names[i], path.keys[i]);
        return node;
    }

    bool remove(const KeyPath &path)
    {
        if (path.keys.empty())
            return false;
        Node *parent = m_trees[path.tree].get();
        for (size_t i = 0; parent && i + 1 < path.keys.size(); ++i)
            parent = parent->child(path.keys[i]);
        return parent && parent->removeChild(path.keys.back());
    }

    // The 32-bit view of HKLM\SOFTWARE is its WOW6432Node subkey on 64-bit Windows.
    void redirect(KeyPath &path, uint32_t access)
    {
        if (path.tree != LocalMachineTree || !(access & RegAccess::Wow64_32Key)
            || (access & RegAccess::Wow64_64Key) || path.keys.empty() || path.keys[0] != L"SOFTWARE"
            || is32Bit())
            return;
        if (path.keys.size() > 1 && path.keys[1] == L"WOW6432NODE")
            return;
        path.names.insert(path.names.begin() + 1, L"WOW6432Node");
        path.keys.insert(path.keys.begin() + 1, L"WOW6432NODE");
    }

    bool resolve(RegRoot root, const std::wstring &path, uint32_t access, KeyPath &out)
    {
        if (!startPath(root, path, out))
            return false;
        if (root == RegRoot::LocalMachine)
            redirect(out, access);
        return true;
    }

    // Applies .reg entries one by one. Value lines follow their key line, so the key is looked
    // up once for all of them. Refuses keys outside the roots the store holds.
    class Applier
    {
    public:
        Applier(Store &store, uint32_t access)
            : m_store(store)
            , m_access(access)
        {}

        bool apply(RegFileEntry &entry, std::wstring &problem)
        {
            if (!m_hasKey || entry.key != m_key) {
                RegRoot root;
                std::wstring rest;
                if (!splitRootPath(entry.key, root, rest)) {
                    problem = L"unknown root key in \"" + entry.key + L"\"";
                    return false;
                }
                m_store.resolve(root, rest, m_access, m_path);
                m_key = entry.key;
                m_hasKey = true;
                m_isRoot = rest.empty();
                m_node = nullptr;
            }
            switch (entry.kind) {
            case RegFileEntry::Key:
                if (!m_node)
                    m_node = m_store.ensure(m_path);
                break;
            case RegFileEntry::DeleteKey:
                if (m_isRoot) {
                    problem = L"a root key cannot be deleted";
                    return false;
                }
                m_store.remove(m_path);
                m_node = nullptr;
                break;
            case RegFileEntry::SetValue:
                if (!m_node)
                    m_node = m_store.ensure(m_path);
                m_node->setValue(entry.name, std::move(entry.value));
                break;
            case RegFileEntry::DeleteValue:
                if (!m_node)
                    m_node = m_store.find(m_path);
                if (m_node)
                    m_node->removeValue(entry.name);
                break;
            }
            return true;
        }

    private:
        Store &m_store;
        uint32_t m_access;
        KeyPath m_path;
        std::wstring m_key;
        bool m_hasKey = false;
        bool m_isRoot = false;
        Node *m_node = nullptr;
    };

    void setMessage(const std::wstring &text) { m_message = text; }
    std::wstring path() const { return fromUtf8(m_path); }

private:
    bool is32Bit()
    {
        if (m_bitnessGeneration != m_generation) {
            m_bitnessGeneration = m_generation;
            m_is32Bit = false;
            KeyPath path;
            path.tree = LocalMachineTree;
            splitPath(L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", path);
            if (const Node *node = find(path)) {
                const NamedValue *bits = node->value(L"TamSimulatedBitness");
                m_is32Bit = bits && bits->value.type == RegType::Dword
                            && bits->value.data == makeDwordValue(32).data;
            }
        }
        return m_is32Bit;
    }

    long load()
    {
        ++m_generation;
        m_loaded = false;
        const int fd = ::open(m_path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return failRead(errno);
        struct stat info;
        if (::fstat(fd, &info) != 0) {
            const int code = errno;
            ::close(fd);
            return failRead(code);
        }
        std::string bytes;
        bytes.resize(static_cast<size_t>(info.st_size));
        size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::read(fd, &bytes[done], bytes.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                const int code = errno;
                ::close(fd);
                return failRead(code);
            }
            if (n == 0)
                break;
            done += static_cast<size_t>(n);
        }
        ::close(fd);
        bytes.resize(done);

        m_stamp = stampOf(info);
        m_loaded = true;
        for (int i = 0; i < TreeCount; ++i) {
            m_trees[i] = std::make_unique<Node>();
            m_trees[i]->name = treeNames[i];
            m_trees[i]->key = folded(treeNames[i]);
        }
        Applier applier(*this, 0);
        size_t line = 0;
        std::wstring problem;
        const bool parsed = parseRegText(
                decodeRegText(bytes),
                [&applier](RegFileEntry &entry, std::wstring &why) {
                    return applier.apply(entry, why);
                },
                line,
                problem);
        if (!parsed) {
            m_bad = true;
            m_message = fromUtf8(m_path) + L":" + std::to_wstring(line) + L": " + problem;
            for (auto &tree : m_trees)
                tree.reset();
            return RegError::BadStore;
        }
        m_bad = false;
        return RegError::Success;
    }

public:
    // Every key line must name one of the roots the store holds.
    static bool
    checkRoots(const std::vector<RegFileEntry> &entries, size_t &line, std::wstring &problem)
    {
        for (const RegFileEntry &entry : entries) {
            RegRoot root;
            std::wstring rest;
            if (!splitRootPath(entry.key, root, rest)) {
                line = entry.line;
                problem = L"unknown root key in \"" + entry.key + L"\"";
                return false;
            }
            if (entry.kind == RegFileEntry::DeleteKey && rest.empty()) {
                line = entry.line;
                problem = L"a root key cannot be deleted";
                return false;
            }
        }
        return true;
    }

private:
    static void writeNode(RegFileWriter &writer, const Node &node, std::wstring &path, bool isRoot)
    {
        if (!isRoot || !node.values.empty()) {
            writer.beginKey(path);
            for (const NamedValue &value : node.values)
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

    long failRead(int code)
    {
        m_loaded = false;
        m_message = L"cannot read " + fromUtf8(m_path) + L": " + errnoText(code);
        return RegError::BadStore;
    }

    long failWrite(const std::string &file, int code)
    {
        m_message = L"cannot write " + fromUtf8(file) + L": " + errnoText(code);
        return RegError::IoFailed;
    }

    long abandonTemp(int fd, const std::string &temp, int code)
    {
        ::close(fd);
        ::unlink(temp.c_str());
        m_loaded = false; // the cached copy holds a change the file does not
        return failWrite(temp, code);
    }

    std::mutex m_mutex;
    std::string m_folder;
    std::string m_path;
    FileStamp m_stamp;
    bool m_loaded = false;
    bool m_bad = false;
    std::wstring m_message;
    std::unique_ptr<Node> m_trees[TreeCount];
    uint64_t m_generation = 1;
    uint64_t m_bitnessGeneration = 0;
    bool m_is32Bit = false;
    int m_lockFd = -1;
};

} // namespace

class RegKeyImpl
{
public:
    KeyPath path;
    uint32_t access = 0;
    mutable Node *node = nullptr;
    mutable uint64_t generation = 0;

    // The key's node in the current copy of the store, or null when it was deleted.
    Node *lookup(Store &store) const
    {
        if (generation != store.generation()) {
            node = store.find(path);
            generation = store.generation();
        }
        return node;
    }
};

RegKey::RegKey() = default;
RegKey::~RegKey() = default;
RegKey::RegKey(RegKey &&other) noexcept = default;
RegKey &RegKey::operator=(RegKey &&other) noexcept = default;
RegKey::RegKey(std::unique_ptr<RegKeyImpl> impl)
    : m_impl(std::move(impl))
{}

bool RegKey::isOpen() const
{
    return m_impl != nullptr;
}

void RegKey::close()
{
    m_impl.reset();
}

namespace {
long report(long *error, long rc)
{
    if (error)
        *error = rc;
    return rc;
}
} // namespace

RegKey RegKey::open(RegRoot root, const std::wstring &path, uint32_t access, long *error)
{
    Store &store = Store::instance();
    std::lock_guard<std::mutex> guard(store.mutex());
    long rc = store.refresh();
    auto impl = std::make_unique<RegKeyImpl>();
    if (rc == RegError::Success) {
        impl->access = normalizedAccess(access);
        if (!store.resolve(root, path, impl->access, impl->path))
            rc = RegError::InvalidParameter;
        else if (!impl->lookup(store))
            rc = RegError::FileNotFound;
    }
    report(error, store.finish(rc));
    return rc == RegError::Success ? RegKey(std::move(impl)) : RegKey();
}

RegKey RegKey::create(RegRoot root, const std::wstring &path, uint32_t access, long *error)
{
    Store &store = Store::instance();
    std::lock_guard<std::mutex> guard(store.mutex());
    auto impl = std::make_unique<RegKeyImpl>();
    impl->access = normalizedAccess(access);
    long rc = RegError::Success;
    if (!store.resolve(root, path, impl->access, impl->path))
        rc = RegError::InvalidParameter;
    for (const std::wstring &name : impl->path.names) {
        if (name.size() > maxKeyNameLength)
            rc = RegError::InvalidParameter;
    }
    if (rc == RegError::Success) {
        rc = store.refresh();
        if (rc == RegError::Success && !store.find(impl->path)) {
            rc = store.beginWrite();
            if (rc == RegError::Success) {
                // The view depends on the store, which may have changed before the lock.
                store.resolve(root, path, impl->access, impl->path);
                if (!store.find(impl->path)) {
                    store.ensure(impl->path);
                    rc = store.save();
                }
                store.endWrite();
            }
        }
        if (rc == RegError::Success && !impl->lookup(store))
            rc = RegError::KeyDeleted;
    }
    report(error, store.finish(rc));
    return rc == RegError::Success ? RegKey(std::move(impl)) : RegKey();
}

long RegKey::deleteTree(RegRoot root, const std::wstring &path, uint32_t access)
{
    Store &store = Store::instance();
    std::lock_guard<std::mutex> guard(store.mutex());
    // A root (and what stands for one) is never deleted.
    KeyPath keyPath;
    splitPath(path, keyPath);
    if (keyPath.keys.empty() || !startPath(root, path, keyPath))
        return store.finish(RegError::InvalidParameter);
    long rc = store.beginWrite();
    if (rc != RegError::Success)
        return store.finish(rc);
    store.resolve(root, path, normalizedAccess(access), keyPath);
    if (store.remove(keyPath))
        rc = store.save();
    else
        rc = RegError::FileNotFound;
    store.endWrite();
    return store.finish(rc);
}

long RegKey::enumKey(uint32_t index, std::wstring &name) const
{
    if (!m_impl)
        return RegError::InvalidHandle;
    Store &store = Store::instance();
    std::lock_guard<std::mutex> guard(store.mutex());
    if (!(m_impl->access & RegAccess::EnumerateSubKeys))
        return store.finish(RegError::AccessDenied);
    long rc = store.refresh();
    if (rc == RegError::Success) {
        const Node *node = m_impl->lookup(store);
        if (!node)
            rc = RegError::KeyDeleted;
        else if (index >= node->children.size())
            rc = RegError::NoMoreItems;
        else
            name = node->children[index]->name;
    }
    return store.finish(rc);
}

long RegKey::enumValueName(uint32_t index, std::wstring &name) const
{
    if (!m_impl)
        return RegError::InvalidHandle;
    Store &store = Store::instance();
    std::lock_guard<std::mutex> guard(store.mutex());
    if (!(m_impl->access & RegAccess::QueryValue))
        return store.finish(RegError::AccessDenied);
    long rc = store.refresh();
    if (rc == RegError::Success) {
        const Node *node = m_impl->lookup(store);
        if (!node)
            rc = RegError::KeyDeleted;
        else if (index >= node->values.size())
            rc = RegError::NoMoreItems;
        else
            name = node->values[index].name;
    }
    return store.finish(rc);
}

long RegKey::queryValue(const std::wstring &name, RegValue &value) const
{
    if (!m_impl)
        return RegError::InvalidHandle;
    Store &store = Store::instance();
    std::lock_guard<std::mutex> guard(store.mutex());
    if (!(m_impl->access & RegAccess::QueryValue))
        return store.finish(RegError::AccessDenied);
    long rc = store.refresh();
    if (rc == RegError::Success) {
        const Node *node = m_impl->lookup(store);
        const NamedValue *found = node ? node->value(name) : nullptr;
        if (!node)
            rc = RegError::KeyDeleted;
        else if (!found)
            rc = RegError::FileNotFound;
        else
            value = found->value;
    }
    return store.finish(rc);
}

long RegKey::setValue(const std::wstring &name, const RegValue &value)
{
    if (!m_impl)
        return RegError::InvalidHandle;
    Store &store = Store::instance();
    std::lock_guard<std::mutex> guard(store.mutex());
    if (!(m_impl->access & RegAccess::SetValue))
        return store.finish(RegError::AccessDenied);
    long rc = store.beginWrite();
    if (rc != RegError::Success)
        return store.finish(rc);
    Node *node = m_impl->lookup(store);
    if (!node)
        rc = RegError::KeyDeleted;
    else if (node->setValue(name, value))
        rc = store.save();
    store.endWrite();
    return store.finish(rc);
}

long RegKey::deleteValue(const std::wstring &name)
{
    if (!m_impl)
        return RegError::InvalidHandle;
    Store &store = Store::instance();
    std::lock_guard<std::mutex> guard(store.mutex());
    if (!(m_impl->access & RegAccess::SetValue))
        return store.finish(RegError::AccessDenied);
    long rc = store.beginWrite();
    if (rc != RegError::Success)
        return store.finish(rc);
    Node *node = m_impl->lookup(store);
    if (!node)
        rc = RegError::KeyDeleted;
    else if (!node->removeValue(name))
        rc = RegError::FileNotFound;
    else
        rc = store.save();
    store.endWrite();
    return store.finish(rc);
}

long importRegistryFile(const std::string &bytes, const std::wstring &sourceName, uint32_t access)
{
    std::vector<RegFileEntry> entries;
    size_t line = 0;
    std::wstring problem;
    if (!parseRegText(decodeRegText(bytes), entries, line, problem)
        || !Store::checkRoots(entries, line, problem)) {
        detail::setRegistryErrorMessage(sourceName + L":" + std::to_wstring(line) + L": "
                                        + problem);
        return RegError::InvalidParameter;
    }
    Store &store = Store::instance();
    std::lock_guard<std::mutex> guard(store.mutex());
    long rc = store.beginWrite();
    if (rc != RegError::Success)
        return store.finish(rc);
    Store::Applier applier(store, normalizedAccess(access));
    std::wstring unused;
    for (RegFileEntry &entry : entries)
        applier.apply(entry, unused);
    rc = store.save();
    store.endWrite();
    return store.finish(rc);
}

} // namespace sys
