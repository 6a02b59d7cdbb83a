#include "VornikProcess.h"

#include "Desktop.h"

WorkFolder::WorkFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    static int counter = 0;
    path_ = std::wstring(temp) + L"vornik-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++counter);
    CreateDirectoryW(path_.c_str(), nullptr);
}

WorkFolder::~WorkFolder() {
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW((path_ + L"\\*").c_str(), &found);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                continue;
            const std::wstring file = path_ + L"\\" + found.cFileName;
            SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(file.c_str());
        } while (FindNextFileW(h, &found));
        FindClose(h);
    }
    RemoveDirectoryW(path_.c_str());
}

std::wstring BuildFolder() {
    wchar_t self[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self, n);
    return path.substr(0, path.find_last_of(L"\\/"));
}

VornikProcess::VornikProcess(const std::wstring& folder, const std::wstring& program) {
    std::wstring exe = program.empty() ? BuildFolder() + L"\\vornik.exe" : program;
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(program.empty() ? exe.c_str() : nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, folder.c_str(), &startup, &info)) {
        startError_ = GetLastError();
        return;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    pid_ = info.dwProcessId;
}

VornikProcess::~VornikProcess() {
    if (process_ == nullptr)
        return;
    if (Running()) {
        Terminate();
        WaitForExit(10000);
    }
    CloseHandle(process_);
}

bool VornikProcess::Running() const { return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

bool VornikProcess::WaitForExit(int ms) {
    return process_ != nullptr && WaitForSingleObject(process_, static_cast<DWORD>(ms)) == WAIT_OBJECT_0;
}

DWORD VornikProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (process_ != nullptr)
        GetExitCodeProcess(process_, &code);
    return code;
}

void VornikProcess::Terminate() {
    if (process_ != nullptr)
        TerminateProcess(process_, 99);
}

HWND VornikProcess::Main() const { return desktop::FindTopLevel(pid_, L"我的Vornik", false); }

HWND VornikProcess::WaitForMain(int ms) {
    HWND main = nullptr;
    desktop::WaitFor(
        [&] {
            main = desktop::FindTopLevel(pid_, L"我的Vornik", true);
            return main != nullptr || !Running();
        },
        ms);
    // Whole once the controls it does not show at first (the closed channel's, the hidden
    // "保存") have their windows, which come after the first paint.
    if (main != nullptr)
        desktop::WaitFor(
            [&] {
                return (desktop::FindDescendant(main, L"WinXP") != nullptr &&
                        desktop::FindDescendant(main, L"保存") != nullptr) ||
                       !Running();
            },
            ms);
    return main;
}

HWND VornikProcess::AppWindow() const { return desktop::FindTopLevel(pid_, L"Vornik", false); }

HWND VornikProcess::WaitForDialog(int ms) const {
    HWND dialog = nullptr;
    desktop::WaitFor(
        [&] {
            dialog = desktop::FindTopLevel(pid_, L"确认", true);
            return dialog != nullptr || !Running();
        },
        ms);
    return dialog;
}

bool VornikProcess::Answer(const std::wstring& button, int ms) const {
    HWND dialog = WaitForDialog(ms);
    if (dialog == nullptr)
        return false;
    HWND b = desktop::FindDescendant(dialog, button);
    if (b == nullptr)
        return false;
    desktop::Click(b, true);
    return desktop::WaitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, ms);
}

bool VornikProcess::ExitConfirmed() {
    HWND main = Main();
    if (main == nullptr)
        return false;
    PostMessageW(main, WM_CLOSE, 0, 0);
    if (!Answer(L"要得"))
        return false;
    return WaitForExit(15000);
}

HWND VornikProcess::Control(const std::wstring& caption) const {
    HWND main = Main();
    return main != nullptr ? desktop::FindDescendant(main, caption) : nullptr;
}

HWND VornikProcess::ControlAt(int x, int y) const {
    HWND main = Main();
    return main != nullptr ? desktop::WindowAt(main, x, y) : nullptr;
}
