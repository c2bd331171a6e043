#include "peversion.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace sys {

namespace {

constexpr uint16_t DosSignature = 0x5A4D;    // "MZ"
constexpr uint32_t PeSignature = 0x00004550; // "PE\0\0"
constexpr uint16_t Pe32Magic = 0x10B;
constexpr uint16_t Pe32PlusMagic = 0x20B;
constexpr uint32_t ResourceDirectoryIndex = 2; // IMAGE_DIRECTORY_ENTRY_RESOURCE
constexpr uint32_t RtVersion = 16;
constexpr uint32_t VsVersionInfoId = 1;
constexpr uint32_t HighBit = 0x80000000u;
// VS_VERSIONINFO's own length is a WORD, so nothing beyond this is ever part of it.
constexpr uint32_t MaxVersionInfoSize = 0xFFFF;
// Real files have a few dozen sections; the limit only bounds the work on garbage.
constexpr uint32_t MaxSections = 4096;

// Random access to the file's bytes; every read either fits or fails.
class ByteSource
{
public:
    virtual ~ByteSource() = default;
    virtual bool read(uint64_t offset, void *out, size_t length) const = 0;

    bool u16(uint64_t offset, uint16_t &value) const
    {
        uint8_t b[2];
        if (!read(offset, b, sizeof b))
            return false;
        value = static_cast<uint16_t>(b[0] | (b[1] << 8));
        return true;
    }
    bool u32(uint64_t offset, uint32_t &value) const
    {
        uint8_t b[4];
        if (!read(offset, b, sizeof b))
            return false;
        value = static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8)
                | (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
        return true;
    }
};

class MemorySource : public ByteSource
{
public:
    explicit MemorySource(const std::vector<uint8_t> &bytes)
        : m_bytes(bytes)
    {}
    bool read(uint64_t offset, void *out, size_t length) const override
    {
        if (offset > m_bytes.size() || length > m_bytes.size() - offset)
            return false;
        std::copy_n(m_bytes.data() + offset, length, static_cast<uint8_t *>(out));
        return true;
    }

private:
    const std::vector<uint8_t> &m_bytes;
};

class FileSource : public ByteSource
{
public:
    explicit FileSource(const std::string &hostPath)
        : m_stream(std::filesystem::u8path(hostPath), std::ios::binary)
    {
        if (m_stream) {
            m_stream.seekg(0, std::ios::end);
            const std::streamoff end = m_stream.tellg();
            m_size = end > 0 ? static_cast<uint64_t>(end) : 0;
        }
    }
    bool isOpen() const { return static_cast<bool>(m_stream); }
    bool read(uint64_t offset, void *out, size_t length) const override
    {
        if (offset > m_size || length > m_size - offset)
            return false;
        m_stream.clear();
        m_stream.seekg(static_cast<std::streamoff>(offset));
        m_stream.read(static_cast<char *>(out), static_cast<std::streamsize>(length));
        return static_cast<size_t>(m_stream.gcount()) == length;
    }

private:
    mutable std::ifstream m_stream;
    uint64_t m_size = 0;
};

struct Section
{
    uint32_t virtualAddress = 0;
    uint32_t virtualSize = 0;
    uint32_t rawSize = 0;
    uint32_t rawOffset = 0;
};

// Where the bytes [rva, rva + length) of the loaded image lie in the file, if they lie in one
// section's raw data.
bool rvaToOffset(const std::vector<Section> &sections,
                 uint32_t rva,
                 uint32_t length,
                 uint64_t &offset)
{
    for (const Section &s : sections) {
        if (rva < s.virtualAddress)
            continue;
        const uint64_t delta = rva - s.virtualAddress;
        const uint64_t span = std::max(s.virtualSize, s.rawSize);
        if (delta >= span || delta + length > s.rawSize)
            continue;
        offset = static_cast<uint64_t>(s.rawOffset) + delta;
        return true;
    }
    return false;
}

struct DirectoryEntry
{
    uint32_t name = 0;
    uint32_t target = 0;
};

// The ID entries of the resource directory at rsrcRva + dirOffset (named entries are skipped:
// the version resource is always addressed by number).
bool readDirectory(const ByteSource &src,
                   const std::vector<Section> &sections,
                   uint32_t rsrcRva,
                   uint32_t dirOffset,
                   std::vector<DirectoryEntry> &entries)
{
    uint64_t at = 0;
    if (dirOffset > UINT32_MAX - rsrcRva || !rvaToOffset(sections, rsrcRva + dirOffset, 16, at))
        return false;
    uint16_t named = 0;
    uint16_t ids = 0;
    if (!src.u16(at + 12, named) || !src.u16(at + 14, ids))
        return false;
    entries.clear();
    for (uint32_t i = named; i < static_cast<uint32_t>(named) + ids; ++i) {
        const uint64_t entryRva = uint64_t(rsrcRva) + dirOffset + 16 + i * 8ull;
        uint64_t entryAt = 0;
        DirectoryEntry entry;
        if (entryRva > UINT32_MAX
            || !rvaToOffset(sections, static_cast<uint32_t>(entryRva), 8, entryAt)
            || !src.u32(entryAt, entry.name) || !src.u32(entryAt + 4, entry.target))
            return false;
        if (!(entry.name & HighBit))
            entries.push_back(entry);
    }
    return true;
}

const DirectoryEntry *pick(const std::vector<DirectoryEntry> &entries,
                           std::initializer_list<uint32_t> preferred,
                           bool anyOtherwise)
{
    for (uint32_t id : preferred) {
        for (const DirectoryEntry &e : entries) {
            if (e.name == id)
                return &e;
        }
    }
    return anyOtherwise && !entries.empty() ? &entries.front() : nullptr;
}

// The raw VS_VERSIONINFO block of the file.
bool readVersionResource(const ByteSource &src, std::vector<uint8_t> &block)
{
    uint16_t dosSignature = 0;
    uint32_t peOffset = 0;
    uint32_t peSignature = 0;
    if (!src.u16(0, dosSignature) || dosSignature != DosSignature || !src.u32(0x3C, peOffset)
        || !src.u32(peOffset, peSignature) || peSignature != PeSignature)
        return false;

    const uint64_t coff = static_cast<uint64_t>(peOffset) + 4;
    uint16_t sectionCount = 0;
    uint16_t optionalSize = 0;
    uint16_t magic = 0;
    if (!src.u16(coff + 2, sectionCount) || !src.u16(coff + 16, optionalSize)
        || !src.u16(coff + 20, magic))
        return false;
    const uint64_t optional = coff + 20;
    uint64_t directoryCountAt = 0;
    if (magic == Pe32Magic)
        directoryCountAt = optional + 92;
    else if (magic == Pe32PlusMagic)
        directoryCountAt = optional + 108;
    else
        return false;
    const uint64_t resourceDirectoryAt = directoryCountAt + 4 + ResourceDirectoryIndex * 8;
    uint32_t directoryCount = 0;
    uint32_t rsrcRva = 0;
    if (!src.u32(directoryCountAt, directoryCount) || directoryCount <= ResourceDirectoryIndex
        || resourceDirectoryAt + 8 > optional + optionalSize
        || !src.u32(resourceDirectoryAt, rsrcRva) || rsrcRva == 0)
        return false;

    std::vector<Section> sections;
    const uint64_t table = optional + optionalSize;
    for (uint32_t i = 0; i < std::min<uint32_t>(sectionCount, MaxSections); ++i) {
        Section s;
        const uint64_t at = table + i * 40ull;
        if (!src.u32(at + 8, s.virtualSize) || !src.u32(at + 12, s.virtualAddress)
            || !src.u32(at + 16, s.rawSize) || !src.u32(at + 20, s.rawOffset))
            return false;
        sections.push_back(s);
    }

    // Type RT_VERSION, then resource 1 (VS_VERSION_INFO) or whatever is there, then the
    // language-neutral or US English entry or else the first language.
    std::vector<DirectoryEntry> entries;
    if (!readDirectory(src, sections, rsrcRva, 0, entries))
        return false;
    const DirectoryEntry *type = pick(entries, {RtVersion}, false);
    if (!type || !(type->target & HighBit))
        return false;
    if (!readDirectory(src, sections, rsrcRva, type->target & ~HighBit, entries))
        return false;
    const DirectoryEntry *name = pick(entries, {VsVersionInfoId}, true);
    if (!name || !(name->target & HighBit))
        return false;
    if (!readDirectory(src, sections, rsrcRva, name->target & ~HighBit, entries))
        return false;
    const DirectoryEntry *language = pick(entries, {0x0000, 0x0409}, true);
    if (!language || (language->target & HighBit))
        return false;

    uint64_t dataEntryAt = 0;
    uint32_t dataRva = 0;
    uint32_t dataSize = 0;
    if (language->target > UINT32_MAX - rsrcRva
        || !rvaToOffset(sections, rsrcRva + language->target, 16, dataEntryAt)
        || !src.u32(dataEntryAt, dataRva) || !src.u32(dataEntryAt + 4, dataSize))
        return false;
    dataSize = std::min(dataSize, MaxVersionInfoSize);
    uint64_t dataAt = 0;
    if (dataSize < 6 || !rvaToOffset(sections, dataRva, dataSize, dataAt))
        return false;
    block.resize(dataSize);
    return src.read(dataAt, block.data(), dataSize);
}

// One node of the version tree: wLength, wValueLength, wType, szKey, padding, value,
// padding, children. Offsets are into the block; alignment is relative to its start, as
// Version.dll computes it.
struct Node
{
    size_t end = 0;
    size_t valueAt = 0;
    size_t valueBytes = 0;
    size_t childrenAt = 0;
    std::u16string key;
};

size_t align4(size_t offset)
{
    return (offset + 3) & ~size_t(3);
}

uint16_t word(const std::vector<uint8_t> &b, size_t at)
{
    return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}

bool readNode(const std::vector<uint8_t> &block, size_t at, size_t limit, Node &node)
{
    if (limit > block.size() || at + 6 > limit)
        return false;
    const size_t length = word(block, at);
    const size_t valueLength = word(block, at + 2);
    const uint16_t type = word(block, at + 4);
    if (length < 6)
        return false;
    node.end = std::min(at + length, limit);
    node.key.clear();
    size_t p = at + 6;
    for (;; p += 2) {
        if (p + 2 > node.end)
            return false;
        const char16_t c = static_cast<char16_t>(word(block, p));
        if (c == 0)
            break;
        node.key.push_back(c);
    }
    node.valueAt = std::min(align4(p + 2), node.end);
    node.valueBytes = std::min(type == 1 ? valueLength * 2 : valueLength, node.end - node.valueAt);
    node.childrenAt = std::min(align4(node.valueAt + node.valueBytes), node.end);
    return true;
}

bool sameKey(const std::u16string &a, const std::u16string &b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char16_t x = a[i];
        char16_t y = b[i];
        if (x >= u'A' && x <= u'Z')
            x = static_cast<char16_t>(x - u'A' + u'a');
        if (y >= u'A' && y <= u'Z')
            y = static_cast<char16_t>(y - u'A' + u'a');
        if (x != y)
            return false;
    }
    return true;
}

bool findChild(const std::vector<uint8_t> &block,
               const Node &parent,
               const std::u16string &key,
               Node &child)
{
    size_t at = parent.childrenAt;
    while (at + 6 <= parent.end) {
        if (!readNode(block, at, parent.end, child))
            return false;
        if (sameKey(child.key, key))
            return true;
        // A zero length cannot happen here (readNode refuses it), so this always advances.
        at = align4(at + word(block, at));
    }
    return false;
}

bool findPath(const std::vector<uint8_t> &block,
              std::initializer_list<std::u16string> path,
              Node &node)
{
    if (block.size() < 6 || block[4] >= ' ') // 16-bit (ANSI) version blocks are not ours
        return false;
    if (!readNode(block, 0, block.size(), node))
        return false;
    for (const std::u16string &key : path) {
        Node child;
        if (!findChild(block, node, key, child))
            return false;
        node = child;
    }
    return true;
}

std::wstring toWide(const std::u16string &text)
{
    std::wstring out;
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t c = text[i];
        if (sizeof(wchar_t) == 4 && c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()
            && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        out.push_back(static_cast<wchar_t>(c));
    }
    return out;
}

std::u16string hexKey(uint16_t language, uint16_t codePage)
{
    static const char digits[] = "0123456789abcdef";
    std::u16string key;
    for (uint16_t part : {language, codePage}) {
        for (int shift = 12; shift >= 0; shift -= 4)
            key.push_back(static_cast<char16_t>(digits[(part >> shift) & 0xF]));
    }
    return key;
}

bool versionFromBlock(const std::vector<uint8_t> &block, std::wstring &version)
{
    Node translation;
    if (!findPath(block, {u"VarFileInfo", u"Translation"}, translation)
        || translation.valueBytes < 4)
        return false;
    const uint16_t language = word(block, translation.valueAt);
    const uint16_t codePage = word(block, translation.valueAt + 2);

    Node value;
    if (!findPath(block, {u"StringFileInfo", hexKey(language, codePage), u"FileVersion"}, value))
        return false;
    std::u16string text;
    for (size_t p = value.valueAt; p + 2 <= value.valueAt + value.valueBytes; p += 2) {
        const char16_t c = static_cast<char16_t>(word(block, p));
        if (c == 0)
            break;
        text.push_back(c);
    }
    version = toWide(text);
    return true;
}

bool versionFromSource(const ByteSource &src, std::wstring &version)
{
    std::vector<uint8_t> block;
    return readVersionResource(src, block) && versionFromBlock(block, version);
}

} // namespace

bool peFileVersion(const std::string &hostPath, std::wstring &version)
{
    const FileSource file(hostPath);
    return file.isOpen() && versionFromSource(file, version);
}

bool peFileVersionFromBytes(const std::vector<uint8_t> &bytes, std::wstring &version)
{
    return versionFromSource(MemorySource(bytes), version);
}

} // namespace sys
