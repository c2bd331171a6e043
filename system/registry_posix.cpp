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
//   where both views are the same; without a flag our process, a 32-bit program under WOW64
//   like the shipped one, sees the 32-bit view;
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
// Every change rewrites the whole file: fill a large registry in one go with
// importRegistryFile() (disctool registry import), not value by value. The tree itself, its
// name comparison and the fresh machine's contents are in registrytree.cpp.
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
#include "registrytree.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sys {

namespace {

const uint32_t maxKeyNameLength = 255;

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

// The machine's registry file and this process's parsed copy of it.
class Store
{
public:
    static Store &instance()
    {
        static Store store;
        return store;
    }

    std::mutex &mutex() { return m_mutex; }
    RegistryTree &tree() { return m_tree; }
    // Changes whenever the copy is re-read or written: nodes found before may be gone.
    uint64_t generation() const { return m_generation; }

    // Brings the copy up to date with the file. Caller holds mutex().
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
            m_tree.makeFreshMachine();
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

    // Takes the writers' lock and refreshes; pair a success with endWrite().
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

    // Writes the copy as the new store. Caller is between beginWrite() and endWrite().
    long save()
    {
        ++m_generation;
        RegFileWriter writer(m_stamp.exists ? static_cast<size_t>(m_stamp.size) : 0);
        m_tree.write(writer);
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

    // Where root\path lives in the copy, in the view that access asks for.
    void locate(RegRoot root, const std::wstring &path, uint32_t access, RegKeyPath &out)
    {
        RegistryTree::locate(root, path, access, machineIs32Bit(), out);
    }

    bool machineIs32Bit()
    {
        if (m_bitnessGeneration != m_generation) {
            m_bitnessGeneration = m_generation;
            m_is32Bit = m_tree.describes32BitWindows();
        }
        return m_is32Bit;
    }

private:
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
        m_tree.clear();
        // The file holds the keys as they lie, which is what the 64-bit view names.
        RegistryTree::Applier applier(m_tree, RegAccess::Wow64_64Key, false);
        size_t line = 0;
        std::wstring problem;
        const bool parsed = parseRegText(
                decodeRegText(bytes),
                [&applier](RegFileEntry &entry, std::wstring &why) {
                    return applier.apply(entry, why);
                },
                line,
                problem);
        m_bad = !parsed;
        if (m_bad) {
            m_message = fromUtf8(m_path) + L":" + std::to_wstring(line) + L": " + problem;
            m_tree.clear();
            return RegError::BadStore;
        }
        return RegError::Success;
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
        m_loaded = false; // the copy holds a change the file does not
        return failWrite(temp, code);
    }

    std::mutex m_mutex;
    std::string m_folder;
    std::string m_path;
    FileStamp m_stamp;
    bool m_loaded = false;
    bool m_bad = false;
    std::wstring m_message;
    RegistryTree m_tree;
    uint64_t m_generation = 1;
    uint64_t m_bitnessGeneration = 0;
    bool m_is32Bit = false;
    int m_lockFd = -1;
};

} // namespace

class RegKeyImpl
{
public:
    RegKeyPath path;
    uint32_t access = 0;
    mutable RegNode *node = nullptr;
    mutable uint64_t generation = 0;

    // The key's node in the current copy of the store, or null when it was deleted.
    RegNode *lookup(Store &store) const
    {
        if (generation != store.generation()) {
            node = store.tree().find(path);
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
        store.locate(root, path, impl->access, impl->path);
        if (!impl->lookup(store))
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
    long rc = store.refresh();
    if (rc == RegError::Success) {
        store.locate(root, path, impl->access, impl->path);
        for (const std::wstring &name : impl->path.names) {
            if (name.size() > maxKeyNameLength)
                rc = RegError::InvalidParameter;
        }
    }
    if (rc == RegError::Success) {
        if (!store.tree().find(impl->path)) {
            rc = store.beginWrite();
            if (rc == RegError::Success) {
                // The view depends on the store, which may have changed before the lock.
                store.locate(root, path, impl->access, impl->path);
                if (!store.tree().find(impl->path)) {
                    store.tree().ensure(impl->path);
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
    RegKeyPath keyPath;
    keyPath.appendPath(path);
    if (keyPath.keys.empty())
        return store.finish(RegError::InvalidParameter);
    long rc = store.beginWrite();
    if (rc != RegError::Success)
        return store.finish(rc);
    store.locate(root, path, normalizedAccess(access), keyPath);
    if (store.tree().remove(keyPath))
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
        const RegNode *node = m_impl->lookup(store);
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
        const RegNode *node = m_impl->lookup(store);
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
        const RegNode *node = m_impl->lookup(store);
        const RegNamedValue *found = node ? node->value(name) : nullptr;
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
    RegNode *node = m_impl->lookup(store);
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
    RegNode *node = m_impl->lookup(store);
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
        || !checkRegFileRoots(entries, line, problem)) {
        detail::setRegistryErrorMessage(sourceName + L":" + std::to_wstring(line) + L": "
                                        + problem);
        return RegError::InvalidParameter;
    }
    Store &store = Store::instance();
    std::lock_guard<std::mutex> guard(store.mutex());
    long rc = store.beginWrite();
    if (rc != RegError::Success)
        return store.finish(rc);
    RegistryTree::Applier applier(store.tree(), normalizedAccess(access), store.machineIs32Bit());
    std::wstring unused;
    for (RegFileEntry &entry : entries)
        applier.apply(entry, unused);
    rc = store.save();
    store.endWrite();
    return store.finish(rc);
}

} // namespace sys
