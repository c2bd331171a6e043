#include "closerequest.h"

#include <atomic>
#include <csignal>
#include <initializer_list>

namespace sys {

namespace {

std::atomic<bool> requested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

void noteRequest(int)
{
    requested = true;
}

} // namespace

bool watchCloseRequests()
{
    struct sigaction action = {};
    action.sa_handler = noteRequest;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGHUP, SIGINT})
        sigaction(signal, &action, nullptr);
    return true;
}

bool closeRequested()
{
    return requested;
}

} // namespace sys
