#pragma once

// A polite request from outside to end the program, as opposed to killing it.
//
// On Windows that is the close message which taskkill without /F, Task Manager's "End task" and
// the end of the session send to the program's top-level windows; the window system delivers it
// by itself, so there is nothing to watch. The simulated machine's programs are asked the POSIX
// way, by SIGTERM, SIGHUP or SIGINT; once watched, these no longer end the process but are only
// noted, so that the program can close its windows as a Windows program would.

namespace sys {

// Starts noting close requests; false where the window system delivers them itself (Win32).
bool watchCloseRequests();
// True once a close request arrived since watchCloseRequests().
bool closeRequested();

} // namespace sys
