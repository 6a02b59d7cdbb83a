#pragma once
// One vornik.exe started in a working folder of its own, and a guard that ends it: tests end
// it through the confirmed exit; whatever still runs when the object goes is terminated.

#include <windows.h>

#include <string>

// A fresh temporary folder; removed with its files afterwards.
class WorkFolder {
public:
    WorkFolder();
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring File(const wchar_t* name) const { return path_ + L"\\" + name; }
    std::wstring Record() const { return File(L"record.lzw"); }
    std::wstring Backup() const { return File(L"BackUp.lzw"); }

private:
    std::wstring path_;
};

// The folder of the running program: the build folder, where vornik.exe and encrypt.dll are.
std::wstring BuildFolder();

class VornikProcess {
public:
    // Starts vornik.exe (or another program) with `folder` as its working directory.
    explicit VornikProcess(const std::wstring& folder, const std::wstring& program = std::wstring());
    ~VornikProcess();
    VornikProcess(const VornikProcess&) = delete;
    VornikProcess& operator=(const VornikProcess&) = delete;

    bool Started() const { return process_ != nullptr; }
    // Why CreateProcessW failed (0 when it started).
    DWORD StartError() const { return startError_; }
    DWORD Pid() const { return pid_; }
    HANDLE Handle() const { return process_; }
    bool Running() const;
    bool WaitForExit(int ms);
    DWORD ExitCode() const;
    void Terminate();

    // The visible main window "我的Vornik" (waits for it), nullptr if it never came.
    HWND WaitForMain(int ms = 20000);
    HWND Main() const;
    // The application window "Vornik", shown or not.
    HWND AppWindow() const;
    // The visible confirmation dialog "确认", waiting for it; nullptr if none came.
    HWND WaitForDialog(int ms = 10000) const;
    // Clicks the dialog's button with that caption and waits until the dialog is gone.
    bool Answer(const std::wstring& button, int ms = 10000) const;
    // Ends the program through the confirmation: posts WM_CLOSE, answers "要得", waits.
    bool ExitConfirmed();

    // A descendant of the main window by caption (buttons), or by a point of its client area.
    HWND Control(const std::wstring& caption) const;
    HWND ControlAt(int x, int y) const;

private:
    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
    DWORD startError_ = 0;
};
