#include "doubleplatform.h"

#include <cerrno>
#include <dlfcn.h>
#include <fcntl.h>
#include <link.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <unistd.h>

namespace doubleplatform {

bool makeSocketPair(SocketPair &pair)
{
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0)
        return false;
    ::fcntl(fds[0], F_SETFL, O_NONBLOCK);
    pair.reader = fds[0];
    pair.writer = fds[1];
    return true;
}

void closeSocketPair(SocketPair &pair)
{
    ::close(pair.reader);
    ::close(pair.writer);
}

void signal(const SocketPair &pair)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t sent = ::send(pair.writer, &byte, 1, MSG_NOSIGNAL);
}

void drain(const SocketPair &pair)
{
    char buffer[64];
    while (::recv(pair.reader, buffer, sizeof(buffer), 0) > 0) {
    }
}

std::filesystem::path moduleFolder()
{
    Dl_info info{};
    link_map *module = nullptr;
    if (!::dladdr1(reinterpret_cast<void *>(&moduleFolder),
                   &info,
                   reinterpret_cast<void **>(&module),
                   RTLD_DL_LINKMAP)
        || !module)
        return {};
    // The program itself has no name in the link map.
    const std::filesystem::path file = module->l_name && *module->l_name
                                               ? std::filesystem::path(module->l_name)
                                               : std::filesystem::read_symlink("/proc/self/exe");
    return std::filesystem::absolute(file).parent_path();
}

bool holdResponderLock(const std::filesystem::path &folder)
{
    const int fd = ::open((folder / "responder.lock").c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0644);
    return fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0; // kept open until the process ends
}

bool responderRunning(const std::filesystem::path &folder)
{
    const int fd = ::open((folder / "responder.lock").c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

} // namespace doubleplatform
