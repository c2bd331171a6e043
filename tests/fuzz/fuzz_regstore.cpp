// The registry store's reader and writer: any bytes either fail to parse with a line number, or
// give a tree that the writer writes so that reading it back gives the same tree (the store
// rewrites itself on every change, so whatever it reads must survive its own writing).

#include "fuzzsupport.h"
#include "regfile.h"
#include "registrytree.h"

#include <string>

namespace {

bool readTree(const std::string &bytes, sys::RegistryTree &tree, size_t &line)
{
    tree.clear();
    sys::RegistryTree::Applier applier(tree, 0, false);
    std::wstring problem;
    return sys::parseRegText(
            sys::decodeRegText(bytes),
            [&applier](sys::RegFileEntry &entry, std::wstring &why) {
                return applier.apply(entry, why);
            },
            line,
            problem);
}

std::string written(const sys::RegistryTree &tree)
{
    sys::RegFileWriter writer;
    tree.write(writer);
    return writer.bytes();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    sys::RegistryTree tree;
    size_t line = 0;
    if (!readTree(bytes, tree, line)) {
        FUZZ_CHECK(line >= 1);
        return 0;
    }
    const std::string first = written(tree);
    sys::RegistryTree again;
    FUZZ_CHECK(readTree(first, again, line));
    FUZZ_CHECK(written(again) == first);
    return 0;
}
