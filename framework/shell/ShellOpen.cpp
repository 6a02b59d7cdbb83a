#include "framework/shell/ShellOpen.h"

#include "framework/core/WideText.h"
#include "framework/shell/ShellLibrary.h"

#include <objbase.h>

namespace fw {

namespace {

// COM is set up on the calling thread only around the call. Its library is loaded here, when
// the first document is opened, rather than imported: importing it loads it and the libraries
// it needs at every program start, which costs more start-up time than anything else the
// program does before its window shows, for a link that is seldom clicked.
class ComApartment {
public:
    ComApartment() {
        const HMODULE module = LoadLibraryW(L"ole32.dll");
        if (module == nullptr) return;
        using Init = HRESULT(WINAPI*)(LPVOID, DWORD);
        auto init = reinterpret_cast<Init>(reinterpret_cast<void*>(GetProcAddress(module, "CoInitializeEx")));
        uninit_ = reinterpret_cast<Uninit>(reinterpret_cast<void*>(GetProcAddress(module, "CoUninitialize")));
        if (init != nullptr && uninit_ != nullptr)
            entered_ = SUCCEEDED(init(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    }
    ~ComApartment() {
        if (entered_) uninit_();
        // The shell may keep COM objects of its own alive; the library stays loaded for them.
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    using Uninit = void(WINAPI*)();
    Uninit uninit_ = nullptr;
    bool entered_ = false;
};

} // namespace

bool ShellOpen(HWND owner, const std::string& gbkDocument, int showCommand) {
    if (gbkDocument.empty()) return false;
    const std::wstring document = GbkToWide(gbkDocument);
    // Handlers of some documents are COM objects; the shell wants COM on the calling thread.
    ComApartment com;
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteDocument(owner, nullptr, document.c_str(), nullptr, nullptr, showCommand));
    // Values above 32 mean success.
    return result > 32;
}

} // namespace fw
