#pragma once

// The parts of a CoInstaller.log line that do not depend on the platform: formatting the
// message and turning the line into the bytes the file receives.

#include <cstdarg>
#include <cstdint>
#include <string>

namespace sys {

struct LogStamp
{
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Formats like the Windows C run-time's wide printf family: %s and %c take wide strings and
// characters, %S, %C, %hs and %hc narrow ones, %ls and %lc wide ones; I64, I32 and I work as
// length modifiers. This holds on every platform, so one format string serves both builds.
std::wstring formatWide(const wchar_t *format, va_list args);

// One complete line as the file receives it: the time stamp (milliseconds always 0), the
// process and thread ids, the message and CR LF. The text is what the C run-time writes for a
// wide string into a text-mode file in the "C" locale: one byte per character (Latin-1),
// every line feed preceded by a carriage return. Characters beyond Latin-1, which the run-time
// cannot convert and at which it would stop writing, become "?" so the line stays whole.
std::string logLineBytes(const LogStamp &stamp,
                         uint32_t processId,
                         uint32_t threadId,
                         const std::wstring &message);

} // namespace sys
