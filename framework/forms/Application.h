#pragma once
// The application object: the program's module, the hidden application window whose caption
// is the Title and which carries the taskbar button, the main form, the message loop with an
// application-wide message filter, the default error report and the hint windows.

#include "framework/core/Component.h"
#include "framework/core/Event.h"
#include "framework/forms/Form.h"

#include <windows.h>

#include <exception>
#include <string>

namespace fw {

class HintWindow;
class WinControl;

using MessageEvent = Event<MSG&, bool&>;
using ExceptionEvent = Event<Component*, const std::exception&>;

class Application : public Component {
public:
    Application();
    ~Application() override;

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    HINSTANCE Module() const { return module_; }
    // The application window, created on first use.
    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    // The program's icon (the "MAINICON" resource), loaded once; nullptr when there is none.
    HICON Icon();

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& gbk);

    // The first form created through CreateForm.
    Form* MainForm() const { return mainForm_; }
    // Creates a form of class T owned by the application: reads its description, runs
    // OnCreate; the first one becomes the main form.
    template <class T>
    T* CreateForm() {
        T* form = new T(this);
        try {
            form->InitializeForm();
        } catch (...) {
            delete form;
            throw;
        }
        if (mainForm_ == nullptr) {
            mainForm_ = form;
            form->HandleNeeded();
        }
        return form;
    }

    // Shows the main form (unless Terminate came first) and runs the message loop until
    // Terminate; a later Run starts a new loop.
    void Run();
    // Runs every message waiting now, then returns.
    void ProcessMessages();
    // Runs one message, waiting for it if none is queued.
    void HandleMessage();
    // Runs one queued message, if there is one; false when the queue was empty.
    bool ProcessMessage();
    // Ends the message loop (the current message and those before the quit notice still run).
    void Terminate();
    bool Terminated() const { return terminated_; }

    // Hides the forms and minimises the application window (its taskbar button stays), and back.
    void Minimize();
    void Restore();

    // Every queued message passes here before dispatch; setting `handled` drops it.
    MessageEvent OnMessage;
    // Replaces the default error report.
    ExceptionEvent OnException;
    // The error report for an exception that escaped a handler: OnException, or a message box
    // with its text; the program goes on. Never throws: when OnException itself fails, the
    // original error is shown in a plain message box.
    void HandleException(std::exception_ptr e) noexcept;
    void ShowException(const std::exception& e);

    // --- hints ---
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v);
    int HintPause() const { return hintPause_; }
    void SetHintPause(int ms) { hintPause_ = ms; }
    int HintHidePause() const { return hintHidePause_; }
    void SetHintHidePause(int ms) { hintHidePause_ = ms; }
    // The hint shown now (nullptr when none).
    HintWindow* ActiveHint() const;
    void CancelHint();

    void Notification(Component* c, Operation operation) override;

private:
    static LRESULT CALLBACK AppWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT AppMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    bool PreviewKey(const MSG& msg);
    // What the installed error report does: OnException, or ShowException.
    void ReportToUser(std::exception_ptr e);
    void HintMouseMove(Control* control);
    void ShowHintNow();

    HINSTANCE module_;
    HWND handle_ = nullptr;
    HICON icon_ = nullptr;
    bool iconLoaded_ = false;
    std::string title_;
    Form* mainForm_ = nullptr;
    bool terminated_ = false;
    bool quitPosted_ = false;
    bool showHint_ = true;
    int hintPause_ = 500;
    int hintHidePause_ = 2500;
    Control* hintControl_ = nullptr;
    HintWindow* hintWindow_ = nullptr;
};

// The program's application object, made on first use.
Application& App();

} // namespace fw
