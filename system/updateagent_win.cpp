#include "updateagent.h"

#include <objbase.h>
#include <windows.h>
#include <wuapi.h>

namespace sys {

namespace {

// MinGW-w64 declares these but its libraries do not define them.
const CLSID UpdateSessionClass
        = {0x4CB43D7F, 0x7EEE, 0x4906, {0x86, 0x98, 0x60, 0xDA, 0x1C, 0x38, 0xF2, 0xFE}};
const IID UpdateSessionInterface
        = {0x816858A4, 0x260D, 0x4260, {0x93, 0x3A, 0x25, 0x85, 0xF1, 0xAB, 0xC7, 0x6B}};

} // namespace

bool isWindowsUpdateBusy()
{
    // S_FALSE (already initialised on this thread) also has to be balanced by CoUninitialize.
    const HRESULT initialised = CoInitialize(nullptr);
    bool busy = false;
    IUpdateSession *session = nullptr;
    if (SUCCEEDED(CoCreateInstance(UpdateSessionClass,
                                   nullptr,
                                   CLSCTX_SERVER,
                                   UpdateSessionInterface,
                                   reinterpret_cast<void **>(&session)))
        && session) {
        IUpdateInstaller *installer = nullptr;
        if (SUCCEEDED(session->CreateUpdateInstaller(&installer)) && installer) {
            VARIANT_BOOL isBusy = VARIANT_FALSE;
            if (SUCCEEDED(installer->get_IsBusy(&isBusy)))
                busy = isBusy != VARIANT_FALSE;
            installer->Release();
        }
        session->Release();
    }
    if (SUCCEEDED(initialised))
        CoUninitialize();
    return busy;
}

} // namespace sys
