#include "framework/shell/ShellLibrary.h"

namespace fw {

namespace {

// Loaded once, on the first call, and kept for the life of the process.
FARPROC ShellFunction(const char* name) {
    static const HMODULE module = LoadLibraryW(L"shell32.dll");
    return module != nullptr ? GetProcAddress(module, name) : nullptr;
}

template <class Function>
Function Lookup(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(ShellFunction(name)));
}

} // namespace

BOOL ShellNotifyIcon(DWORD message, NOTIFYICONDATAW* data) {
    using NotifyIcon = BOOL(WINAPI*)(DWORD, NOTIFYICONDATAW*);
    static const NotifyIcon notify = Lookup<NotifyIcon>("Shell_NotifyIconW");
    return notify != nullptr ? notify(message, data) : FALSE;
}

HINSTANCE ShellExecuteDocument(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                               const wchar_t* directory, int show) {
    using Execute = HINSTANCE(WINAPI*)(HWND, const wchar_t*, const wchar_t*, const wchar_t*, const wchar_t*, int);
    static const Execute execute = Lookup<Execute>("ShellExecuteW");
    if (execute == nullptr) return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
    return execute(owner, verb, file, parameters, directory, show);
}

} // namespace fw
