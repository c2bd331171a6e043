#include "doubleplatform.h"

// Winsock 2 before windows.h, which would otherwise bring the old winsock.h.
#include <winsock2.h>

#include <windows.h>

namespace doubleplatform {

namespace {

struct Winsock
{
    Winsock() { WSAStartup(MAKEWORD(2, 2), &data); }
    WSADATA data{};
};

} // namespace

bool makeSocketPair(SocketPair &pair)
{
    static Winsock winsock;
    // Windows has no socketpair: a loopback connection does the same.
    const SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (listener == INVALID_SOCKET)
        return false;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof(address);
    SOCKET writer = INVALID_SOCKET;
    SOCKET reader = INVALID_SOCKET;
    if (bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0
        && getsockname(listener, reinterpret_cast<sockaddr *>(&address), &length) == 0
        && listen(listener, 1) == 0) {
        writer = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        if (writer != INVALID_SOCKET
            && connect(writer, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0)
            reader = accept(listener, nullptr, nullptr);
    }
    closesocket(listener);
    if (reader == INVALID_SOCKET) {
        if (writer != INVALID_SOCKET)
            closesocket(writer);
        return false;
    }
    u_long nonBlocking = 1;
    ioctlsocket(reader, FIONBIO, &nonBlocking);
    pair.reader = reader;
    pair.writer = writer;
    return true;
}

void closeSocketPair(SocketPair &pair)
{
    closesocket(static_cast<SOCKET>(pair.reader));
    closesocket(static_cast<SOCKET>(pair.writer));
}

void signal(const SocketPair &pair)
{
    const char byte = 1;
    send(static_cast<SOCKET>(pair.writer), &byte, 1, 0);
}

void drain(const SocketPair &pair)
{
    char buffer[64];
    while (recv(static_cast<SOCKET>(pair.reader), buffer, sizeof(buffer), 0) > 0) {
    }
}

std::filesystem::path moduleFolder()
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS
                               | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&moduleFolder),
                       &module);
    wchar_t name[MAX_PATH];
    const DWORD length = GetModuleFileNameW(module, name, MAX_PATH);
    return std::filesystem::path(std::wstring(name, length)).parent_path();
}

bool holdResponderLock(const std::filesystem::path &folder)
{
    // Shared with nobody: while the handle is open, every other open fails.
    const HANDLE file = CreateFileW((folder / "responder.lock").c_str(),
                                    GENERIC_READ | GENERIC_WRITE,
                                    0,
                                    nullptr,
                                    OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL,
                                    nullptr);
    return file != INVALID_HANDLE_VALUE; // kept open until the process ends
}

bool responderRunning(const std::filesystem::path &folder)
{
    const HANDLE file = CreateFileW((folder / "responder.lock").c_str(),
                                    GENERIC_READ,
                                    0,
                                    nullptr,
                                    OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL,
                                    nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return false;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION;
}

} // namespace doubleplatform
