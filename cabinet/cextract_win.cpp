// Cabinet extraction through the system's Cabinet.dll (FDI), loaded by name at run time. The
// callbacks find their object through a thread-local slot that is set while an extraction runs.

#include "cextract.h"
#include "filereplace.h"
#include "hostpath.h"

#include <windows.h>

#include <fdi.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <map>
#include <mutex>
#include <sys/stat.h>
#include <vector>

namespace Cabinet {

namespace {
constexpr uint32_t kKeptAttributes = 0x27;
constexpr uint32_t kUtf8Name = 0x80;
constexpr uint32_t kTimeIsUtc = 0x100;

using FdiCreate = HFDI(DIAMONDAPI *)(
        PFNALLOC, PFNFREE, PFNOPEN, PFNREAD, PFNWRITE, PFNCLOSE, PFNSEEK, int, PERF);
using FdiCopy = BOOL(DIAMONDAPI *)(HFDI, char *, char *, int, PFNFDINOTIFY, PFNFDIDECRYPT, void *);
using FdiIsCabinet = BOOL(DIAMONDAPI *)(HFDI, INT_PTR, PFDICABINETINFO);
using FdiDestroy = BOOL(DIAMONDAPI *)(HFDI);

template<typename T>
T resolve(HMODULE module, const char *name)
{
    return reinterpret_cast<T>(reinterpret_cast<void *>(::GetProcAddress(module, name)));
}

std::wstring fromCodePage(const char *text, UINT codePage)
{
    if (!text || !*text)
        return {};
    const int length = static_cast<int>(std::strlen(text));
    const int size = ::MultiByteToWideChar(codePage, 0, text, length, nullptr, 0);
    std::wstring out(static_cast<size_t>(size), L'\0');
    ::MultiByteToWideChar(codePage, 0, text, length, out.data(), size);
    return out;
}

// A file's identity: two names of one file (case, short names, links) are the same cabinet.
struct FileIdentity
{
    DWORD volume = 0;
    DWORD indexHigh = 0;
    DWORD indexLow = 0;
    bool operator==(const FileIdentity &other) const
    {
        return volume == other.volume && indexHigh == other.indexHigh && indexLow == other.indexLow;
    }
};

bool identityOf(const std::wstring &path, FileIdentity &identity)
{
    const HANDLE file = ::CreateFileW(path.c_str(),
                                      0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr,
                                      OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL,
                                      nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info;
    const bool known = ::GetFileInformationByHandle(file, &info) != 0;
    ::CloseHandle(file);
    if (known)
        identity = {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
    return known;
}

bool isOneOf(const std::vector<FileIdentity> &cabinets, const std::wstring &path)
{
    FileIdentity identity;
    return identityOf(path, identity)
           && std::find(cabinets.begin(), cabinets.end(), identity) != cabinets.end();
}

DWORD g_slot = TLS_OUT_OF_INDEXES;
std::mutex g_slotMutex;

bool threadSlot(DWORD &slot)
{
    std::lock_guard<std::mutex> guard(g_slotMutex);
    if (g_slot == TLS_OUT_OF_INDEXES)
        g_slot = ::TlsAlloc();
    slot = g_slot;
    return slot != TLS_OUT_OF_INDEXES;
}

// Makes a file in the way writable, so that it can be replaced or deleted. A link is left as it
// is: its target is not ours to change, and the link itself goes either way.
void makeReplaceable(const std::wstring &path)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        && (attributes & kKeptAttributes & ~FILE_ATTRIBUTE_ARCHIVE))
        ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

void removeFile(const std::wstring &path)
{
    makeReplaceable(path);
    ::DeleteFileW(path.c_str());
}

// Creates every missing directory of sub below base (which exists: it holds the cabinet).
// Returns 0 or a Windows error code.
DWORD createDirectories(const std::wstring &base, const std::wstring &sub)
{
    if (base.find(L'\\') == std::wstring::npos)
        return ERROR_INVALID_DRIVE;
    for (size_t slash = sub.find(L'\\'); slash != std::wstring::npos;
         slash = sub.find(L'\\', slash + 1)) {
        const std::wstring path = base + sub.substr(0, slash);
        if (::CreateDirectoryW(path.c_str(), nullptr))
            continue;
        const DWORD error = ::GetLastError();
        const DWORD attributes = ::GetFileAttributesW(path.c_str());
        if (error == ERROR_ALREADY_EXISTS && attributes != INVALID_FILE_ATTRIBUTES
            && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            continue;
        return error;
    }
    return 0;
}
} // namespace

struct CExtract::Platform
{
    HMODULE library = nullptr;
    FdiCreate create = nullptr;
    FdiCopy copy = nullptr;
    FdiIsCabinet isCabinet = nullptr;
    FdiDestroy destroy = nullptr;
    HFDI context = nullptr;
    ERF erf = {};

    // The open-file record and the file-position map. The file is written under its side
    // name (writingSide) until it is whole.
    INT_PTR writingHandle = -1;
    long writingSize = 0;
    std::wstring writingPath;
    std::wstring writingSide;
    std::wstring writingName;
    DWORD writingStarted = 0;
    DWORD writeError = 0;
    std::map<INT_PTR, long> positions;
    // The cabinets of the chain read so far and the one announced next: none may come twice,
    // and no extracted file may replace one.
    std::vector<FileIdentity> members;

    INT_PTR openPath(const std::wstring &path, int flags, int mode);
    DWORD stampSideFile(PFDINOTIFICATION pfdin);
    bool placeWrittenFile(PFDINOTIFICATION pfdin);

    static FNALLOC(alloc) { return std::malloc(cb); }
    static FNFREE(free) { std::free(pv); }
    static FNOPEN(open);
    static FNREAD(read);
    static FNWRITE(write);
    static FNCLOSE(close);
    static FNSEEK(seek);
    static FNFDINOTIFY(notify);
};

CExtract::CExtract()
    : m_ownerThread(std::this_thread::get_id())
    , m_platform(new Platform)
{}

CExtract::~CExtract()
{
    if (m_bound && std::this_thread::get_id() == m_ownerThread)
        unbind();
    if (m_platform->library)
        ::FreeLibrary(m_platform->library);
}

bool CExtract::takeThreadSlot()
{
    DWORD slot;
    if (!threadSlot(slot)) {
        setError(ErrorNoThreadSlot);
        return false;
    }
    if (::TlsGetValue(slot)) {
        setError(ErrorThreadSlotTaken);
        return false;
    }
    ::TlsSetValue(slot, this);
    return true;
}

void CExtract::releaseThreadSlot()
{
    DWORD slot;
    if (threadSlot(slot) && ::TlsGetValue(slot) == this)
        ::TlsSetValue(slot, nullptr);
}

CExtract *CExtract::current()
{
    DWORD slot;
    return threadSlot(slot) ? static_cast<CExtract *>(::TlsGetValue(slot)) : nullptr;
}

bool CExtract::loadLibrary()
{
    Platform &p = *m_platform;
    if (p.context)
        return true;
    if (!p.library) {
        p.library = ::LoadLibraryW(L"Cabinet.dll");
        if (p.library) {
            p.create = resolve<FdiCreate>(p.library, "FDICreate");
            p.copy = resolve<FdiCopy>(p.library, "FDICopy");
            p.isCabinet = resolve<FdiIsCabinet>(p.library, "FDIIsCabinet");
            p.destroy = resolve<FdiDestroy>(p.library, "FDIDestroy");
            if (!p.create || !p.copy || !p.isCabinet || !p.destroy) {
                ::FreeLibrary(p.library);
                p.library = nullptr;
            }
        }
        if (!p.library) {
            setError(ErrorLibraryMissing);
            return false;
        }
    }
    p.erf = ERF();
    p.context = p.create(&Platform::alloc,
                         &Platform::free,
                         &Platform::open,
                         &Platform::read,
                         &Platform::write,
                         &Platform::close,
                         &Platform::seek,
                         cpu80386,
                         &p.erf);
    if (!p.context) {
        setError(p.erf.erfOper ? static_cast<uint32_t>(p.erf.erfOper) : ErrorAllocFail,
                 static_cast<uint32_t>(p.erf.erfType));
        return false;
    }
    return true;
}

void CExtract::unbind()
{
    Platform &p = *m_platform;
    if (p.context) {
        p.destroy(p.context);
        p.context = nullptr;
    }
    releaseThreadSlot();
    m_bound = false;
}

INT_PTR CExtract::Platform::openPath(const std::wstring &path, int flags, int mode)
{
    // A read-only or hidden file would refuse to be replaced; a new one replaces nothing.
    if ((flags & _O_CREAT) && !(flags & _O_EXCL))
        ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    const int fd = ::_wopen(path.c_str(), flags, mode);
    if (fd < 0)
        return -1;
    positions[fd] = 0;
    return fd;
}

FNOPEN(CExtract::Platform::open)
{
    CExtract *self = current();
    if (!self)
        return -1;
    return self->m_platform->openPath(sys::fromUtf8(pszFile), oflag, pmode);
}

FNREAD(CExtract::Platform::read)
{
    CExtract *self = current();
    const int n = ::_read(static_cast<int>(hf), pv, cb);
    if (n < 0 || !self)
        return static_cast<UINT>(-1);
    auto position = self->m_platform->positions.find(hf);
    if (position == self->m_platform->positions.end())
        return static_cast<UINT>(n);
    const long start = position->second;
    position->second += n;
    if (start == 0 && n >= 4 && std::memcmp(pv, "MSCF", 4) != 0) {
        self->setError(std::memcmp(pv, "CRYP", 4) == 0 ? ErrorEnciphered : ErrorNotACabinet);
        return static_cast<UINT>(-1);
    }
    return static_cast<UINT>(n);
}

FNWRITE(CExtract::Platform::write)
{
    const int n = ::_write(static_cast<int>(hf), pv, cb);
    if (n < 0 || static_cast<UINT>(n) != cb) {
        if (CExtract *self = current())
            self->m_platform->writeError
                    = n < 0 && ::GetLastError() ? ::GetLastError() : ERROR_DISK_FULL;
        if (n < 0)
            return static_cast<UINT>(-1);
    }
    if (CExtract *self = current()) {
        auto position = self->m_platform->positions.find(hf);
        if (position != self->m_platform->positions.end())
            position->second += n;
    }
    return static_cast<UINT>(n);
}

FNCLOSE(CExtract::Platform::close)
{
    CExtract *self = current();
    if (!self)
        return ::_close(static_cast<int>(hf));
    Platform &p = *self->m_platform;
    p.positions.erase(hf);
    const int result = ::_close(static_cast<int>(hf));
    if (p.writingHandle == hf) {
        // Closed without the library's close notification: it gave up on the file.
        p.writingHandle = -1;
        removeFile(p.writingSide);
    }
    return result;
}

FNSEEK(CExtract::Platform::seek)
{
    const long position = ::_lseek(static_cast<int>(hf), dist, seektype);
    if (position >= 0) {
        if (CExtract *self = current())
            self->m_platform->positions[hf] = position;
    }
    return position;
}

FNFDINOTIFY(CExtract::Platform::notify)
{
    CExtract *self = current();
    if (!self)
        return -1;
    Platform &p = *self->m_platform;
    switch (fdint) {
    case fdintCABINET_INFO:
        if (self->m_nextCabinet.empty())
            self->m_nextCabinet = fromCodePage(pfdin->psz1, CP_ACP);
        return 0;
    case fdintCOPY_FILE: {
        const std::wstring stored
                = fromCodePage(pfdin->psz1, (pfdin->attribs & kUtf8Name) ? CP_UTF8 : CP_ACP);
        std::wstring subDirectory, name;
        if (!splitStoredName(stored, subDirectory, name)) {
            // Would land outside the extraction folder: skipped, the others are still safe.
            self->setError(ErrorTargetFile, ERROR_INVALID_NAME);
            return 0;
        }
        if (const DWORD error = createDirectories(self->m_extractionDirectory, subDirectory)) {
            self->setError(ErrorTargetFile, error);
            return -1;
        }
        const std::wstring targetDirectory = self->m_extractionDirectory + subDirectory;
        const std::wstring target = targetDirectory + name;
        std::vector<FileIdentity> cabinets = p.members;
        if (!self->m_nextCabinet.empty()) {
            cabinets.emplace_back();
            identityOf(self->m_extractionDirectory + self->m_nextCabinet, cabinets.back());
        }
        if (isOneOf(cabinets, target)) {
            // Replacing it would take away a cabinet that is still to be read.
            self->setError(ErrorTargetFile, ERROR_SHARING_VIOLATION);
            return 0;
        }
        // What a file cannot replace (a folder, a link) is refused as the target itself.
        const DWORD existing = ::GetFileAttributesW(target.c_str());
        if (existing != INVALID_FILE_ATTRIBUTES
            && (existing & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))) {
            self->setError(ErrorTargetFile, ERROR_ACCESS_DENIED);
            return -1;
        }
        // The data goes into the side file, which takes the target's place once it is whole
        // (a helper killed in the middle must not leave a program that looks extracted). A
        // side file a killed run left is replaced; whatever else sits at that name is not
        // opened.
        const std::wstring side = targetDirectory + sideName(name);
        removeFile(side);
        const INT_PTR handle
                = p.openPath(side,
                             _O_BINARY | _O_CREAT | _O_EXCL | _O_WRONLY | _O_SEQUENTIAL,
                             _S_IREAD | _S_IWRITE);
        if (handle == -1) {
            self->setError(ErrorTargetFile, ::GetLastError());
            return -1;
        }
        p.writingHandle = handle;
        p.writingSize = pfdin->cb;
        p.writingPath = target;
        p.writingSide = side;
        p.writingName = name;
        p.writingStarted = ::GetTickCount();
        p.writeError = 0;
        return handle;
    }
    case fdintCLOSE_FILE_INFO:
        return p.placeWrittenFile(pfdin) ? TRUE : FALSE;
    case fdintNEXT_CABINET:
        self->m_nextCabinet = fromCodePage(pfdin->psz1, CP_ACP);
        if (pfdin->fdie == FDIERROR_NONE)
            return 0;
        self->setError(static_cast<uint32_t>(pfdin->fdie));
        return -1;
    default:
        return 0;
    }
}

// Gives the side file its stored times and attributes, through a handle to the file itself:
// whoever can write the folder could have put a link in its place meanwhile, and it is refused,
// not followed. Returns 0 or a Windows error code.
DWORD CExtract::Platform::stampSideFile(PFDINOTIFICATION pfdin)
{
    const HANDLE file = ::CreateFileW(writingSide.c_str(),
                                      GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ,
                                      nullptr,
                                      OPEN_EXISTING,
                                      FILE_FLAG_OPEN_REPARSE_POINT,
                                      nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return ::GetLastError();
    BY_HANDLE_FILE_INFORMATION info;
    DWORD error = 0;
    if (!::GetFileInformationByHandle(file, &info))
        error = ::GetLastError();
    else if (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
        error = ERROR_ACCESS_DENIED;
    if (error == 0) {
        FILE_BASIC_INFO basic = {}; // zero times stay as they are
        FILETIME stamp, utc;
        if (::DosDateTimeToFileTime(pfdin->date, pfdin->time, &stamp)) {
            if (pfdin->attribs & kTimeIsUtc)
                utc = stamp;
            else
                ::LocalFileTimeToFileTime(&stamp, &utc);
            basic.CreationTime.LowPart = utc.dwLowDateTime;
            basic.CreationTime.HighPart = LONG(utc.dwHighDateTime);
            basic.LastWriteTime = basic.CreationTime;
        }
        const DWORD kept = pfdin->attribs & kKeptAttributes;
        basic.FileAttributes = kept ? kept : FILE_ATTRIBUTE_NORMAL;
        if (!::SetFileInformationByHandle(file, FileBasicInfo, &basic, sizeof basic))
            error = ::GetLastError();
    }
    ::CloseHandle(file);
    return error;
}

// The library is done with the file being written: a whole one gets its stored time and
// attributes and takes its name; one cut short goes. False stops the extraction.
bool CExtract::Platform::placeWrittenFile(PFDINOTIFICATION pfdin)
{
    CExtract *self = current();
    const auto position = positions.find(pfdin->hf);
    const bool complete = position != positions.end() && position->second == writingSize;
    writingHandle = -1;
    close(pfdin->hf);
    if (!complete) {
        // The library also closes a file it could not finish (damaged data, a failed write it
        // does not check).
        removeFile(writingSide);
        if (writeError)
            self->setError(ErrorTargetFile, writeError);
        else
            self->setError(ErrorCorruptCabinet);
        return true;
    }
    if (const DWORD error = stampSideFile(pfdin)) {
        self->setError(ErrorTargetFile, error);
        removeFile(writingSide);
        return false;
    }
    makeReplaceable(writingPath);
    if (!sys::replaceFile(sys::toUtf8(writingSide), sys::toUtf8(writingPath))) {
        self->setError(ErrorTargetFile, ::GetLastError());
        removeFile(writingSide);
        return false;
    }
    if (self->m_fileWritten)
        self->m_fileWritten(writingPath);
    return true;
}

void CExtract::runExtraction(const std::wstring &cabinetName)
{
    Platform &p = *m_platform;
    // Asks the library once whether this is a cabinet; what it says is not used, FDICopy
    // reports the same faults.
    const INT_PTR probe = p.openPath(m_extractionDirectory + cabinetName, _O_BINARY | _O_RDONLY, 0);
    if (probe != -1) {
        FDICABINETINFO info;
        p.isCabinet(p.context, probe, &info);
        Platform::close(probe);
    }
    m_error = ErrorRecord();
    p.positions.clear();
    m_nextCabinet.clear();

    std::wstring cabinet = cabinetName;
    p.members.clear();
    for (;;) {
        if (isOneOf(p.members, m_extractionDirectory + cabinet)) {
            setError(ErrorWrongCabinet);
            break;
        }
        p.members.emplace_back();
        identityOf(m_extractionDirectory + cabinet, p.members.back());
        std::string name = sys::toUtf8(cabinet);
        std::string directory = sys::toUtf8(m_extractionDirectory);
        if (!p.copy(p.context,
                    name.data(),
                    directory.data(),
                    0,
                    &Platform::notify,
                    nullptr,
                    this)) {
            setError(p.erf.erfOper ? static_cast<uint32_t>(p.erf.erfOper) : ErrorUserAbort,
                     static_cast<uint32_t>(p.erf.erfType));
            break;
        }
        if (m_nextCabinet.empty())
            break;
        // The next member is read from the same folder, and only from there.
        std::wstring subDirectory, next;
        if (!splitStoredName(m_nextCabinet, subDirectory, next) || !subDirectory.empty()) {
            setError(ErrorCabinetNotFound);
            break;
        }
        cabinet = next;
        m_nextCabinet.clear();
    }
    if (p.writingHandle != -1)
        Platform::close(p.writingHandle);
    p.positions.clear();
}

} // namespace Cabinet
