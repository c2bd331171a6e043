#pragma once

// What the fuzz targets share: a property check that ends the run with a report (libFuzzer
// saves the input), and a scratch simulated machine in a folder of its own.

#include "machine.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace fuzz {

// A fresh machine folder for this process (below TMPDIR), made the current machine.
inline const std::string &scratchMachine()
{
    static const std::string folder = [] {
        const char *tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/tam-fuzz-XXXXXX";
        if (!::mkdtemp(pattern.data()))
            std::abort();
        sys::setMachineRoot(pattern);
        return pattern;
    }();
    return folder;
}

} // namespace fuzz
