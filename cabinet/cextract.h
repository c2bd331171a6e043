#pragma once

// Unpacks a cabinet (and the cabinets chained to it) into the folder that holds it. Windows
// drives the system's Cabinet.dll; elsewhere libmspack reads the cabinet and this class writes
// the files, directories, times and attributes of the simulated machine.
//
// A file is written under a side name in its own folder and takes its name only once it is
// whole (with its times and attributes): a failed or killed extraction leaves nothing under
// that name that a later step could take for the extracted file.
//
// Attributes on the simulated machine: read-only is the absence of write permission; the whole
// attribute value (read-only, hidden, system, archive) is also kept in the extended attribute
// "user.tam.attributes" as decimal text, where the file system offers extended attributes.
// Times: the last-write time (Linux has no settable creation time).

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace Cabinet {

// Library codes of the error record beyond the cabinet library's own 0..11.
enum ErrorCode : uint32_t {
    ErrorNone = 0,
    ErrorCabinetNotFound = 1,
    ErrorNotACabinet = 2,
    ErrorUnknownCabinetVersion = 3,
    ErrorCorruptCabinet = 4,
    ErrorAllocFail = 5,
    ErrorBadCompressionType = 6,
    ErrorDecompression = 7,
    ErrorTargetFile = 8,
    ErrorReserveMismatch = 9,
    ErrorWrongCabinet = 10,
    ErrorUserAbort = 11,
    ErrorNoThreadSlot = 14,
    ErrorLibraryMissing = 1000,
    ErrorPathTooShort = 1002,
    ErrorEnciphered = 1008,
    ErrorWrongThread = 1011,
    ErrorThreadSlotTaken = 1012,
};

// Windows error codes the portable side reports beside ErrorTargetFile.
enum WindowsError : uint32_t {
    WinErrorFileNotFound = 2,
    WinErrorPathNotFound = 3,
    WinErrorAccessDenied = 5,
    WinErrorInvalidDrive = 15,
    WinErrorWriteFault = 29,
    WinErrorSharingViolation = 32,
    WinErrorDiskFull = 112,
    WinErrorInvalidName = 123,
    WinErrorAlreadyExists = 183,
};

struct ErrorRecord
{
    uint32_t libraryCode = 0;
    uint32_t windowsCode = 0;
    bool flag = false;
};

class CExtract
{
public:
    // Called with the full path of every file written completely (times and attributes set).
    using FileWritten = std::function<void(const std::wstring &path)>;

    CExtract();
    ~CExtract();
    CExtract(const CExtract &) = delete;
    CExtract &operator=(const CExtract &) = delete;

    // Unpacks the cabinet at cabinetPath (Windows form, "C:\a\b\pack.cab") into "C:\a\b\".
    // Succeeds when the error record is clear afterwards.
    bool Extract(const std::wstring &cabinetPath);

    // Loads the library, creates its context and takes this thread's extraction slot; Extract
    // does this itself. The slot is released when the extraction ends or the object goes.
    bool Bind();

    const ErrorRecord &error() const { return m_error; }
    void setFileWritten(FileWritten callback) { m_fileWritten = std::move(callback); }

    // Splits a stored name ("a\b\c.txt") into sub-directory ("a\b\") and name ("c.txt"). False
    // for a name that would leave the extraction folder or cannot be a file name: "..", "."
    // or empty components, a leading "\" or "/", a drive letter or any other ":".
    static bool
    splitStoredName(const std::wstring &stored, std::wstring &subDirectory, std::wstring &name);

private:
    struct Platform;

    // The side name of the file named name: short, so that it fits wherever that name fits,
    // and the same for the same name, so that the next extraction takes over what a killed
    // one left.
    static std::wstring sideName(const std::wstring &name);

    bool isOwnerThread();
    void setError(uint32_t libraryCode, uint32_t windowsCode = 0);
    bool takeThreadSlot();
    void releaseThreadSlot();
    static CExtract *current();

    // Platform parts (cextract_win.cpp, cextract_posix.cpp).
    bool loadLibrary();
    void runExtraction(const std::wstring &cabinetName);
    void unbind();

    std::thread::id m_ownerThread;
    std::unique_ptr<Platform> m_platform;
    ErrorRecord m_error;
    std::wstring m_extractionDirectory;
    std::wstring m_nextCabinet;
    bool m_bound = false;
    FileWritten m_fileWritten;
};

} // namespace Cabinet
