#include "cextract.h"

#include <cwctype>
#include <vector>

namespace Cabinet {

namespace {
bool isReservedDeviceName(const std::wstring &component)
{
    // Windows opens devices for these names in any folder ("sub\NUL.txt" included).
    std::wstring base = component.substr(0, component.find(L'.'));
    while (!base.empty() && base.back() == L' ')
        base.pop_back();
    for (wchar_t &c : base)
        c = static_cast<wchar_t>(std::towupper(c));
    if (base == L"CON" || base == L"PRN" || base == L"AUX" || base == L"NUL" || base == L"CONIN$"
        || base == L"CONOUT$")
        return true;
    return base.size() == 4 && (base.compare(0, 3, L"COM") == 0 || base.compare(0, 3, L"LPT") == 0)
           && base[3] >= L'1' && base[3] <= L'9';
}

bool isAcceptableComponent(const std::wstring &component)
{
    if (component.empty())
        return false;
    // ".", ".." and what Windows trims down to them ("...", ". .").
    if (component.find_first_not_of(L". ") == std::wstring::npos)
        return false;
    for (const wchar_t c : component) {
        if (c < 0x20 || c == L'<' || c == L'>' || c == L':' || c == L'"' || c == L'|' || c == L'?'
            || c == L'*')
            return false;
    }
    return !isReservedDeviceName(component);
}
} // namespace

bool CExtract::splitStoredName(const std::wstring &stored,
                               std::wstring &subDirectory,
                               std::wstring &name)
{
    subDirectory.clear();
    name.clear();
    std::wstring normalised = stored;
    for (wchar_t &c : normalised) {
        if (c == L'/')
            c = L'\\';
    }
    std::vector<std::wstring> components;
    size_t start = 0;
    for (;;) {
        const size_t slash = normalised.find(L'\\', start);
        components.push_back(normalised.substr(start, slash - start));
        if (slash == std::wstring::npos)
            break;
        start = slash + 1;
    }
    for (const std::wstring &component : components) {
        if (!isAcceptableComponent(component))
            return false;
    }
    name = components.back();
    components.pop_back();
    for (const std::wstring &component : components)
        subDirectory += component + L'\\';
    return true;
}

std::wstring CExtract::sideName(const std::wstring &name)
{
    uint32_t hash = 2166136261u; // FNV-1a
    for (const wchar_t c : name) {
        hash ^= static_cast<uint32_t>(c);
        hash *= 16777619u;
    }
    static const wchar_t digits[] = L"0123456789abcdef";
    std::wstring side = L"~00000000.tam-partial";
    for (int i = 8; i > 0; --i, hash >>= 4)
        side[size_t(i)] = digits[hash & 0xF];
    return side;
}

bool CExtract::isOwnerThread()
{
    if (std::this_thread::get_id() == m_ownerThread)
        return true;
    setError(ErrorWrongThread);
    return false;
}

void CExtract::setError(uint32_t libraryCode, uint32_t windowsCode)
{
    // The first fault explains the rest: the library's own "aborted" code that follows a
    // refused callback must not hide why the callback refused.
    if (m_error.flag)
        return;
    m_error.libraryCode = libraryCode;
    m_error.windowsCode = windowsCode;
    m_error.flag = true;
}

bool CExtract::Bind()
{
    if (!isOwnerThread())
        return false;
    if (m_bound)
        return true;
    if (!takeThreadSlot())
        return false;
    if (!loadLibrary()) {
        releaseThreadSlot();
        return false;
    }
    m_bound = true;
    return true;
}

bool CExtract::Extract(const std::wstring &cabinetPath)
{
    if (!isOwnerThread())
        return false;
    m_error = ErrorRecord();
    // A path without a directory part is refused before the library sees it.
    const size_t slash = cabinetPath.rfind(L'\\');
    if (cabinetPath.size() < 3 || slash == std::wstring::npos || slash + 1 < 2
        || cabinetPath.size() - slash - 1 < 2) {
        setError(ErrorPathTooShort);
        return false;
    }
    if (!Bind())
        return false;
    m_extractionDirectory = cabinetPath.substr(0, slash + 1);
    m_nextCabinet.clear();
    runExtraction(cabinetPath.substr(slash + 1));
    unbind();
    return !m_error.flag;
}

} // namespace Cabinet
