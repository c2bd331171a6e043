// Extracts one cabinet into its own folder with our extraction, as setup_runner does; the
// benchmark driver times it against cabextract.

#include "cextract.h"
#include "hostpath.h"

#include <cstdio>
#include <string>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: cabinetbench /absolute/path/pack.cab\n");
        return 2;
    }
    Cabinet::CExtract extractor;
    if (extractor.Extract(sys::fromHostPath(argv[1])))
        return 0;
    const Cabinet::ErrorRecord &error = extractor.error();
    std::fprintf(stderr,
                 "extraction failed: library %u, windows %u\n",
                 error.libraryCode,
                 error.windowsCode);
    return 1;
}
