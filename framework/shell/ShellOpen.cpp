#include "framework/shell/ShellOpen.h"

#include "framework/core/WideText.h"

#include <objbase.h>
#include <shellapi.h>

namespace fw {

bool ShellOpen(HWND owner, const std::string& gbkDocument, int showCommand) {
    if (gbkDocument.empty()) return false;
    const std::wstring document = GbkToWide(gbkDocument);
    // Handlers of some documents are COM objects; the shell wants COM on the calling thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(owner, nullptr, document.c_str(), nullptr, nullptr, showCommand));
    if (SUCCEEDED(com)) CoUninitialize();
    // Values above 32 mean success.
    return result > 32;
}

} // namespace fw
