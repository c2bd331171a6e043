// Windows command-line splitting and quoting, shared by both builds so that what the portable
// build passes to a POSIX program is what a Windows program would find in its argv.

#include "process.h"

namespace sys {

namespace {
bool isBlank(wchar_t c)
{
    return c == L' ' || c == L'\t';
}
} // namespace

std::vector<std::wstring> splitCommandLine(const std::wstring &commandLine)
{
    std::vector<std::wstring> arguments;
    size_t i = 0;
    const size_t size = commandLine.size();
    while (i < size && isBlank(commandLine[i]))
        ++i;
    if (i == size)
        return arguments;

    // The program name knows no escapes: a path may end in a backslash before its quote.
    std::wstring program;
    if (commandLine[i] == L'"') {
        ++i;
        while (i < size && commandLine[i] != L'"')
            program.push_back(commandLine[i++]);
        if (i < size)
            ++i;
    }
    while (i < size && !isBlank(commandLine[i]))
        program.push_back(commandLine[i++]);
    arguments.push_back(program);

    for (;;) {
        while (i < size && isBlank(commandLine[i]))
            ++i;
        if (i == size)
            break;
        std::wstring argument;
        bool quoted = false;
        while (i < size && (quoted || !isBlank(commandLine[i]))) {
            if (commandLine[i] == L'\\') {
                size_t backslashes = 0;
                while (i < size && commandLine[i] == L'\\') {
                    ++backslashes;
                    ++i;
                }
                if (i < size && commandLine[i] == L'"') {
                    argument.append(backslashes / 2, L'\\');
                    if (backslashes % 2 == 1) {
                        argument.push_back(L'"');
                        ++i;
                    }
                } else {
                    argument.append(backslashes, L'\\');
                }
            } else if (commandLine[i] == L'"') {
                // Inside quotes, "" stands for one literal quote (the C run-time's rule).
                if (quoted && i + 1 < size && commandLine[i + 1] == L'"') {
                    argument.push_back(L'"');
                    i += 2;
                } else {
                    quoted = !quoted;
                    ++i;
                }
            } else {
                argument.push_back(commandLine[i++]);
            }
        }
        arguments.push_back(argument);
    }
    return arguments;
}

std::wstring quoteArgument(const std::wstring &argument)
{
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos)
        return argument;
    std::wstring quoted(1, L'"');
    size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes count only in front of a quote: double them there, and escape the quote.
        if (c == L'"') {
            quoted.append(backslashes * 2 + 1, L'\\');
        } else {
            quoted.append(backslashes, L'\\');
        }
        backslashes = 0;
        quoted.push_back(c);
    }
    // The closing quote follows: trailing backslashes must not escape it.
    quoted.append(backslashes * 2, L'\\');
    quoted.push_back(L'"');
    return quoted;
}

} // namespace sys
