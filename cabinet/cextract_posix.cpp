// The simulated machine's cabinet extraction: libmspack decompresses, everything that lands on
// disk (directories, files, times, attributes) is ours, with the same rules as on Windows.

#include "cextract.h"
#include "continuedfiles.h"
#include "filereplace.h"
#include "hostpath.h"

#include <mspack.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <deque>
#include <fcntl.h>
#include <mutex>
#include <pthread.h>
#include <string>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace Cabinet {

namespace {
const char kAttributesName[] = "user.tam.attributes";
constexpr uint32_t kReadOnly = 0x01;
constexpr uint32_t kKeptAttributes = 0x27;
constexpr uint32_t kUtf8Name = 0x80;
constexpr uint32_t kTimeIsUtc = 0x100;

// One file the library reads or writes. libmspack only ever sees it as a mspack_file pointer.
struct HostFile
{
    int fd = -1;
    off_t position = 0;
};

HostFile *hostFile(mspack_file *file)
{
    return reinterpret_cast<HostFile *>(file);
}

uint32_t windowsError(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return WinErrorPathNotFound;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
    case ELOOP:
    case ETXTBSY:
        return WinErrorAccessDenied;
    case EEXIST:
        return WinErrorAlreadyExists;
    case ENOSPC:
    case EDQUOT:
        return WinErrorDiskFull;
    case ENAMETOOLONG:
    case EINVAL:
        return WinErrorInvalidName;
    default:
        return WinErrorWriteFault;
    }
}

// Names without the UTF-8 bit are in the system code page; the simulated machine's is 1252.
std::wstring fromCodePage1252(const std::string &bytes)
{
    static const char16_t high[32] = {
            0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
            0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
            0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    std::wstring out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const unsigned char b = static_cast<unsigned char>(c);
        out.push_back(b >= 0x80 && b < 0xA0 ? static_cast<wchar_t>(high[b - 0x80])
                                            : static_cast<wchar_t>(b));
    }
    return out;
}

uint32_t libraryCodeOf(int mspackError)
{
    switch (mspackError) {
    case MSPACK_ERR_OPEN:
        return ErrorCabinetNotFound;
    case MSPACK_ERR_NOMEMORY:
        return ErrorAllocFail;
    case MSPACK_ERR_SIGNATURE:
        return ErrorNotACabinet;
    case MSPACK_ERR_WRITE:
        return ErrorTargetFile;
    case MSPACK_ERR_READ:
    case MSPACK_ERR_SEEK:
    case MSPACK_ERR_DATAFORMAT:
    case MSPACK_ERR_CHECKSUM:
    case MSPACK_ERR_DECRUNCH: // the system library says "corrupt" for data its decoders refuse
    default:
        return ErrorCorruptCabinet;
    }
}

// What a file cannot replace (a folder, a link) is refused as the target itself. Returns 0 or a
// Windows error code.
uint32_t refusedTarget(const std::string &path)
{
    struct stat info;
    if (::lstat(path.c_str(), &info) != 0)
        return errno == ENOENT ? 0 : windowsError(errno);
    return S_ISREG(info.st_mode) ? 0u : uint32_t{WinErrorAccessDenied};
}

// The stored local time becomes UTC with the zone's present offset, as Windows converts local
// file times; the 0x100 bit says the stamp is UTC already.
bool fileTime(uint32_t attributes, const mscabd_file &file, time_t &result)
{
    if (file.date_m < 1 || file.date_m > 12 || file.date_d < 1 || file.time_h > 23
        || file.time_m > 59 || file.time_s > 59)
        return false;
    struct tm stamp = {};
    stamp.tm_year = file.date_y - 1900;
    stamp.tm_mon = file.date_m - 1;
    stamp.tm_mday = file.date_d;
    stamp.tm_hour = file.time_h;
    stamp.tm_min = file.time_m;
    stamp.tm_sec = file.time_s;
    result = ::timegm(&stamp);
    if (!(attributes & kTimeIsUtc)) {
        const time_t now = ::time(nullptr);
        struct tm local = {};
        ::localtime_r(&now, &local);
        result -= local.tm_gmtoff;
    }
    return true;
}

// Gives the written file its stored time and attributes, through a descriptor: whoever can
// write the folder could have put a link in the side file's place meanwhile, and it is not
// followed. Returns 0 or the errno of a side file that cannot be opened as itself.
int stampFile(const std::string &path, uint32_t attributes, const mscabd_file &file)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return errno;
    time_t stamp;
    if (fileTime(attributes, file, stamp)) {
        const struct timespec times[2] = {{0, UTIME_OMIT}, {stamp, 0}};
        ::futimens(fd, times);
    }
    const uint32_t kept = attributes & kKeptAttributes;
    struct stat info;
    if (::fstat(fd, &info) == 0) {
        const mode_t mode = info.st_mode & 07777;
        ::fchmod(fd, (kept & kReadOnly) ? (mode & ~mode_t(0222)) : (mode | S_IWUSR));
    }
    const std::string text = std::to_string(kept);
    ::fsetxattr(fd, kAttributesName, text.data(), text.size(), 0);
    ::close(fd);
    return 0;
}

pthread_key_t g_slotKey;
bool g_slotReady = false;
std::mutex g_slotMutex;

bool threadSlotKey(pthread_key_t &key)
{
    std::lock_guard<std::mutex> guard(g_slotMutex);
    if (!g_slotReady)
        g_slotReady = ::pthread_key_create(&g_slotKey, nullptr) == 0;
    key = g_slotKey;
    return g_slotReady;
}
} // namespace

struct CExtract::Platform
{
    mspack_system system = {};
    mscab_decompressor *decompressor = nullptr;
    // The target handed to the library by the next open for writing, and the file being
    // written (the open-file record).
    HostFile *pendingTarget = nullptr;
    HostFile *writing = nullptr;
    int lastWriteErrno = 0;

    static mspack_file *open(mspack_system *, const char *filename, int mode);
    static void close(mspack_file *file);
    static int read(mspack_file *file, void *buffer, int bytes);
    static int write(mspack_file *file, void *buffer, int bytes);
    static int seek(mspack_file *file, off_t offset, int mode);
    static off_t tell(mspack_file *file);
    static void message(mspack_file *, const char *, ...) {}
    static void *alloc(mspack_system *, size_t bytes) { return std::malloc(bytes); }
    static void free(void *pointer) { std::free(pointer); }
    static void copy(void *source, void *target, size_t bytes)
    {
        std::memcpy(target, source, bytes);
    }
};

CExtract::CExtract()
    : m_ownerThread(std::this_thread::get_id())
    , m_platform(new Platform)
{
    Platform &p = *m_platform;
    p.system.open = &Platform::open;
    p.system.close = &Platform::close;
    p.system.read = &Platform::read;
    p.system.write = &Platform::write;
    p.system.seek = &Platform::seek;
    p.system.tell = &Platform::tell;
    p.system.message = &Platform::message;
    p.system.alloc = &Platform::alloc;
    p.system.free = &Platform::free;
    p.system.copy = &Platform::copy;
}

CExtract::~CExtract()
{
    if (m_bound && std::this_thread::get_id() == m_ownerThread)
        unbind();
}

bool CExtract::takeThreadSlot()
{
    pthread_key_t key;
    if (!threadSlotKey(key)) {
        setError(ErrorNoThreadSlot);
        return false;
    }
    if (::pthread_getspecific(key)) {
        setError(ErrorThreadSlotTaken);
        return false;
    }
    ::pthread_setspecific(key, this);
    return true;
}

void CExtract::releaseThreadSlot()
{
    pthread_key_t key;
    if (threadSlotKey(key) && ::pthread_getspecific(key) == this)
        ::pthread_setspecific(key, nullptr);
}

CExtract *CExtract::current()
{
    pthread_key_t key;
    return threadSlotKey(key) ? static_cast<CExtract *>(::pthread_getspecific(key)) : nullptr;
}

bool CExtract::loadLibrary()
{
    Platform &p = *m_platform;
    if (!p.decompressor)
        p.decompressor = ::mspack_create_cab_decompressor(&p.system);
    if (!p.decompressor) {
        setError(ErrorLibraryMissing);
        return false;
    }
    return true;
}

void CExtract::unbind()
{
    Platform &p = *m_platform;
    if (p.decompressor) {
        ::mspack_destroy_cab_decompressor(p.decompressor);
        p.decompressor = nullptr;
    }
    releaseThreadSlot();
    m_bound = false;
}

mspack_file *CExtract::Platform::open(mspack_system *, const char *filename, int mode)
{
    CExtract *self = current();
    if (!self)
        return nullptr;
    Platform &p = *self->m_platform;
    if (mode == MSPACK_SYS_OPEN_WRITE) {
        // The target was created and opened before the library was asked to fill it.
        HostFile *target = p.pendingTarget;
        p.pendingTarget = nullptr;
        return reinterpret_cast<mspack_file *>(target);
    }
    if (mode != MSPACK_SYS_OPEN_READ)
        return nullptr;
    const int fd = ::open(filename, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    HostFile *file = new HostFile;
    file->fd = fd;
    return reinterpret_cast<mspack_file *>(file);
}

void CExtract::Platform::close(mspack_file *handle)
{
    HostFile *file = hostFile(handle);
    if (!file)
        return;
    if (CExtract *self = current(); self && self->m_platform->writing == file)
        self->m_platform->writing = nullptr;
    ::close(file->fd);
    delete file;
}

int CExtract::Platform::read(mspack_file *handle, void *buffer, int bytes)
{
    HostFile *file = hostFile(handle);
    const off_t start = file->position;
    char *out = static_cast<char *>(buffer);
    int done = 0;
    while (done < bytes) {
        const ssize_t n = ::read(file->fd, out + done, static_cast<size_t>(bytes - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        done += static_cast<int>(n);
    }
    file->position += done;
    if (start == 0 && done >= 4) {
        CExtract *self = current();
        if (std::memcmp(out, "MSCF", 4) != 0) {
            if (self)
                self->setError(std::memcmp(out, "CRYP", 4) == 0 ? ErrorEnciphered
                                                                : ErrorNotACabinet);
            return -1;
        }
    }
    return done;
}

int CExtract::Platform::write(mspack_file *handle, void *buffer, int bytes)
{
    HostFile *file = hostFile(handle);
    const char *in = static_cast<const char *>(buffer);
    int done = 0;
    while (done < bytes) {
        const ssize_t n = ::write(file->fd, in + done, static_cast<size_t>(bytes - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (CExtract *self = current())
                self->m_platform->lastWriteErrno = n < 0 ? errno : ENOSPC;
            return -1;
        }
        done += static_cast<int>(n);
    }
    file->position += done;
    return done;
}

int CExtract::Platform::seek(mspack_file *handle, off_t offset, int mode)
{
    HostFile *file = hostFile(handle);
    const int whence = mode == MSPACK_SYS_SEEK_START ? SEEK_SET
                       : mode == MSPACK_SYS_SEEK_CUR ? SEEK_CUR
                                                     : SEEK_END;
    const off_t position = ::lseek(file->fd, offset, whence);
    if (position < 0)
        return -1;
    file->position = position;
    return 0;
}

off_t CExtract::Platform::tell(mspack_file *handle)
{
    return hostFile(handle)->position;
}

namespace {
// A file's identity: two names of one file (case, links) are the same cabinet.
struct FileIdentity
{
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileIdentity &other) const
    {
        return device == other.device && inode == other.inode;
    }
};

bool identityOf(const std::string &path, FileIdentity &identity)
{
    struct stat info;
    if (::stat(path.c_str(), &info) != 0)
        return false;
    identity = {info.st_dev, info.st_ino};
    return true;
}

bool isOneOf(const std::vector<FileIdentity> &cabinets, const std::string &path)
{
    FileIdentity identity;
    return identityOf(path, identity)
           && std::find(cabinets.begin(), cabinets.end(), identity) != cabinets.end();
}

// Creates every missing directory of sub below base (which exists: it holds the cabinet).
// Returns 0 or a Windows error code.
uint32_t createDirectories(const std::wstring &base, const std::wstring &sub)
{
    if (base.find(L'\\') == std::wstring::npos)
        return WinErrorInvalidDrive;
    for (size_t slash = sub.find(L'\\'); slash != std::wstring::npos;
         slash = sub.find(L'\\', slash + 1)) {
        const std::string path = sys::toHostPath(base + sub.substr(0, slash));
        if (::mkdir(path.c_str(), 0755) == 0)
            continue;
        const int error = errno;
        struct stat info;
        if (error == EEXIST && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
            continue;
        return windowsError(error);
    }
    return 0;
}
} // namespace

void CExtract::runExtraction(const std::wstring &cabinetName)
{
    Platform &p = *m_platform;
    mscab_decompressor *decompressor = p.decompressor;
    // libmspack keeps the file name pointers of open cabinets.
    std::deque<std::string> paths;

    paths.push_back(sys::toHostPath(m_extractionDirectory + cabinetName));
    // The members of the chain: none may come twice (a chain that names itself again would be
    // joined forever), and no extracted file may replace one while it is read.
    std::vector<FileIdentity> members(1);
    identityOf(paths.back(), members.back());
    mscabd_cabinet *first = decompressor->open(decompressor, paths.back().c_str());
    if (!first) {
        // A header too short to read is "not a cabinet", as the system library says.
        const int error = decompressor->last_error(decompressor);
        setError(error == MSPACK_ERR_READ ? ErrorNotACabinet : libraryCodeOf(error));
        return;
    }

    // A file that begins in a cabinet before this one is passed over, as the system library
    // does: its beginning is not here. Known before the chain's files join the list.
    std::vector<const mscabd_file *> passedOver;
    const std::vector<bool> continued = filesContinuedFromPrevious(paths.front());
    const mscabd_file *own = first->files;
    for (size_t i = 0; own && i < continued.size(); own = own->next, ++i) {
        if (continued[i])
            passedOver.push_back(own);
    }

    // The chain is joined up front; a missing or unfitting member ends the chain, and the
    // files that do not need it are still extracted, as the system library does.
    bool chainBroken = false;
    for (mscabd_cabinet *last = first; last->nextname;) {
        m_nextCabinet = sys::fromUtf8(last->nextname);
        std::wstring subDirectory, name;
        if (!splitStoredName(m_nextCabinet, subDirectory, name) || !subDirectory.empty()) {
            chainBroken = true;
            break;
        }
        paths.push_back(sys::toHostPath(m_extractionDirectory + name));
        if (isOneOf(members, paths.back())) {
            setError(ErrorWrongCabinet);
            break;
        }
        members.emplace_back();
        identityOf(paths.back(), members.back());
        mscabd_cabinet *next = decompressor->open(decompressor, paths.back().c_str());
        if (!next) {
            chainBroken = true;
            break;
        }
        if (decompressor->append(decompressor, last, next) != MSPACK_ERR_OK) {
            decompressor->close(decompressor, next);
            setError(ErrorWrongCabinet);
            break;
        }
        last = next;
    }
    m_nextCabinet.clear();

    for (mscabd_file *file = first->files; file; file = file->next) {
        if (std::find(passedOver.begin(), passedOver.end(), file) != passedOver.end())
            continue;
        const uint32_t attributes = static_cast<uint32_t>(file->attribs) & 0xFFFF;
        const std::wstring stored = (attributes & kUtf8Name) ? sys::fromUtf8(file->filename)
                                                             : fromCodePage1252(file->filename);
        std::wstring subDirectory, name;
        if (!splitStoredName(stored, subDirectory, name)) {
            // Would land outside the extraction folder: refused, the others are still safe.
            setError(ErrorTargetFile, WinErrorInvalidName);
            continue;
        }
        if (const uint32_t error = createDirectories(m_extractionDirectory, subDirectory)) {
            setError(ErrorTargetFile, error);
            break;
        }
        const std::wstring target = m_extractionDirectory + subDirectory + name;
        const std::string hostTarget = sys::toHostPath(target);
        if (isOneOf(members, hostTarget)) {
            // Opening it for writing would empty a cabinet that is still being read.
            setError(ErrorTargetFile, WinErrorSharingViolation);
            continue;
        }
        if (const uint32_t error = refusedTarget(hostTarget)) {
            setError(ErrorTargetFile, error);
            break;
        }
        // The data goes into the side file, which becomes the target once it is whole: a
        // helper killed in the middle must not leave a program that looks extracted, or the
        // next run would start it instead of extracting it again. A side file a killed run
        // left is replaced; whatever else sits at that name (a link) is not followed.
        const std::string sideFile
                = sys::toHostPath(m_extractionDirectory + subDirectory + sideName(name));
        ::unlink(sideFile.c_str());
        const int fd = ::open(sideFile.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            setError(ErrorTargetFile, windowsError(errno));
            break;
        }
        p.pendingTarget = new HostFile;
        p.pendingTarget->fd = fd;
        p.writing = p.pendingTarget;
        p.lastWriteErrno = 0;

        const int result = decompressor->extract(decompressor, file, sideFile.c_str());
        if (p.pendingTarget) {
            // The library gave up before it opened the target.
            Platform::close(reinterpret_cast<mspack_file *>(p.pendingTarget));
            p.pendingTarget = nullptr;
        }
        if (result != MSPACK_ERR_OK) {
            ::unlink(sideFile.c_str());
            if (result == MSPACK_ERR_WRITE)
                setError(ErrorTargetFile, windowsError(p.lastWriteErrno));
            else if (chainBroken)
                setError(ErrorCabinetNotFound);
            else
                setError(libraryCodeOf(result));
            break;
        }
        int error = stampFile(sideFile, attributes, *file);
        if (error == 0 && !sys::replaceFile(sideFile, hostTarget))
            error = errno;
        if (error != 0) {
            ::unlink(sideFile.c_str());
            setError(ErrorTargetFile, windowsError(error));
            break;
        }
        if (m_fileWritten)
            m_fileWritten(target);
    }
    if (chainBroken)
        setError(ErrorCabinetNotFound);

    p.writing = nullptr;
    // Closing the first cabinet releases the ones joined to it, and the library's input file.
    decompressor->close(decompressor, first);
}

} // namespace Cabinet
