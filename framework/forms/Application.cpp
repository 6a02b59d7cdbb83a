#include "framework/forms/Application.h"

#include "framework/controls/WinControl.h"
#include "framework/core/ClassBuilder.h"
#include "framework/core/WideText.h"
#include "framework/forms/HintWindow.h"
#include "framework/forms/Screen.h"
#include "framework/system/ErrorReport.h"

namespace fw {

namespace {

constexpr UINT_PTR kHintShowTimer = 1;
constexpr UINT_PTR kHintHideTimer = 2;
const wchar_t kAppClass[] = L"TApplication";

// The window a control's message went to, or the nearest of ours above it.
WinControl* OurControl(HWND h) {
    for (; h != nullptr; h = GetParent(h))
        if (WinControl* w = WinControl::FromHandle(h)) return w;
    return nullptr;
}

} // namespace

Application::Application() : Component(nullptr), module_(GetModuleHandleW(nullptr)) {
    SetErrorHandler([this](std::exception_ptr e) { ReportToUser(e); });
    Control::SetHintHook([this](Control* c) { HintMouseMove(c); });
}

Application::~Application() {
    BeginDestroy();
    Control::SetHintHook(nullptr);
    DestroyComponents();
    SetErrorHandler(nullptr);
    if (handle_ != nullptr) DestroyWindow(handle_);
}

const ClassInfo& Application::StaticClass() {
    static const ClassInfo& info = ClassBuilder<Application>("TApplication", Component::StaticClass())
                                       .Factory(nullptr)
                                       .AddText("Title", &Application::Title, &Application::SetTitle)
                                       .AddBoolean("ShowHint", &Application::ShowHint, &Application::SetShowHint)
                                       .AddInteger("HintPause", &Application::HintPause, &Application::SetHintPause)
                                       .AddInteger("HintHidePause", &Application::HintHidePause, &Application::SetHintHidePause)
                                       .Register();
    return info;
}

Application& App() {
    // The registry outlives the application object, whose destructor still names classes.
    Application::StaticClass();
    static Application application;
    return application;
}

// --- the application window ---

HWND Application::Handle() {
    if (handle_ != nullptr) return handle_;
    static bool registered = false;
    if (!registered) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = AppWndProc;
        wc.hInstance = module_;
        wc.hIcon = Icon();
        wc.lpszClassName = kAppClass;
        if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            throw Exception("Cannot register the application window class");
        registered = true;
    }
    // A captioned, zero-sized popup: it owns every form and stands for the program on the
    // taskbar. It lies outside the desktop so that no display ever maps a speck of it.
    handle_ = CreateWindowExW(0, kAppClass, GbkToWide(title_).c_str(),
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                              GetSystemMetrics(SM_XVIRTUALSCREEN) - 1000, GetSystemMetrics(SM_YVIRTUALSCREEN) - 1000,
                              0, 0, nullptr, nullptr, module_, this);
    if (handle_ == nullptr) throw Exception("Cannot create the application window");
    SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return handle_;
}

HICON Application::Icon() {
    if (!iconLoaded_) {
        // A shared icon: the system keeps it for the life of the module.
        icon_ = LoadIconW(module_, L"MAINICON");
        iconLoaded_ = true;
    }
    return icon_;
}

void Application::SetTitle(const std::string& gbk) {
    title_ = gbk;
    if (handle_ != nullptr) SetWindowTextW(handle_, GbkToWide(gbk).c_str());
}

LRESULT CALLBACK Application::AppWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Application*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
    LRESULT result = 0;
    Guarded([&] { result = self->AppMessage(msg, wParam, lParam); });
    return result;
}

LRESULT Application::AppMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_MINIMIZE: Minimize(); return 0;
        case SC_RESTORE: Restore(); return 0;
        default: break;
        }
        break;
    case WM_CLOSE:
        if (mainForm_ != nullptr) mainForm_->Close();
        return 0;
    case WM_SETFOCUS:
        // Activating the taskbar button activates the form the user was in.
        if (Form* f = mainForm_; f != nullptr && f->Showing() && IsWindowEnabled(f->Handle())) {
            SetFocus(f->Handle());
            return 0;
        }
        break;
    case WM_TIMER:
        if (wParam == kHintShowTimer) {
            KillTimer(handle_, kHintShowTimer);
            ShowHintNow();
        } else if (wParam == kHintHideTimer) {
            CancelHint();
        }
        return 0;
    default: break;
    }
    return DefWindowProcW(handle_, msg, wParam, lParam);
}

void Application::Minimize() {
    if (!IsIconic(Handle())) {
        ShowOwnedPopups(handle_, FALSE);
        ShowWindow(handle_, SW_MINIMIZE);
    }
}

void Application::Restore() {
    if (IsIconic(Handle())) {
        ShowWindow(handle_, SW_RESTORE);
        ShowOwnedPopups(handle_, TRUE);
        if (mainForm_ != nullptr && mainForm_->Showing()) SetActiveWindow(mainForm_->Handle());
    }
}

// --- the message loop ---

void Application::Run() {
    Handle();
    terminated_ = false;
    if (mainForm_ != nullptr && !quitPosted_) mainForm_->Show();
    while (!terminated_) {
        try {
            HandleMessage();
        } catch (...) {
            HandleException(std::current_exception());
        }
    }
    quitPosted_ = false;
}

void Application::Terminate() {
    quitPosted_ = true;
    PostQuitMessage(0);
}

void Application::ProcessMessages() {
    while (ProcessMessage()) {
    }
}

void Application::HandleMessage() {
    if (!ProcessMessage()) WaitMessage();
}

bool Application::ProcessMessage() {
    MSG msg;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    bool handled = false;
    try {
        if (OnMessage) OnMessage(msg, handled);
    } catch (...) {
        HandleException(std::current_exception());
        handled = true;
    }
    if (handled) return true;
    if (msg.message == WM_LBUTTONDOWN || msg.message == WM_RBUTTONDOWN || msg.message == WM_MBUTTONDOWN ||
        msg.message == WM_NCLBUTTONDOWN || msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN)
        CancelHint();
    try {
        if (PreviewKey(msg)) return true;
    } catch (...) {
        HandleException(std::current_exception());
        return true;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}

bool Application::PreviewKey(const MSG& msg) {
    const bool keyDown = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
    const bool character = msg.message == WM_CHAR || msg.message == WM_SYSCHAR;
    if (!keyDown && !character) return false;
    WinControl* control = OurControl(msg.hwnd);
    Form* form = control != nullptr ? control->ParentForm() : nullptr;
    if (form == nullptr) return false;
    if (keyDown) {
        // Menu shortcuts come before the focused control and the dialog keys.
        if (form->IsShortCut(Message{msg.message, msg.wParam, msg.lParam, 0})) return true;
        const int key = static_cast<int>(msg.wParam);
        if (key != VK_TAB && key != VK_RETURN && key != VK_ESCAPE) return false;
        if (control->WantsDialogKey(key)) return false;
        return form->DialogKey(key, KeyboardShiftState());
    }
    if (msg.message == WM_CHAR && control->WantsChars()) return false;
    if (msg.wParam < 0x21 || msg.wParam >= 0x7F) return false;
    char ch = static_cast<char>(msg.wParam);
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    return form->DialogChar(ch);
}

// --- errors ---

void Application::HandleException(std::exception_ptr e) noexcept { ReportError(e); }

void Application::ReportToUser(std::exception_ptr e) {
    try {
        std::rethrow_exception(e);
    } catch (const std::exception& ex) {
        if (OnException) {
            OnException(this, ex);
        } else {
            ShowException(ex);
        }
    } catch (...) {
        ShowException(Exception(ErrorText(e)));
    }
}

void Application::ShowException(const std::exception& e) {
    const std::string text = e.what();
    HWND owner = GetActiveWindow();
    if (owner == nullptr) owner = Handle();
    MessageBoxW(owner, GbkToWide(text).c_str(), GbkToWide(title_).c_str(), MB_OK | MB_ICONSTOP);
}

// --- hints ---

void Application::SetShowHint(bool v) {
    showHint_ = v;
    if (!v) CancelHint();
}

HintWindow* Application::ActiveHint() const {
    return hintWindow_ != nullptr && hintWindow_->Showing() ? hintWindow_ : nullptr;
}

void Application::HintMouseMove(Control* control) {
    if (control == hintControl_) return;
    CancelHint();
    hintControl_ = control;
    FreeNotification(control);
    if (showHint_ && control->ShowHint() && !control->Hint().empty())
        SetTimer(Handle(), kHintShowTimer, static_cast<UINT>(hintPause_ > 0 ? hintPause_ : 1), nullptr);
}

void Application::ShowHintNow() {
    Control* c = hintControl_;
    if (c == nullptr || !c->Showing() || !c->ShowHint() || c->Hint().empty()) return;
    const Point cursor = Screen::CursorPos();
    const Point local = c->ScreenToClient(cursor);
    if (!c->ClientRect().Contains(local.X, local.Y)) return;
    if (hintWindow_ == nullptr) hintWindow_ = new HintWindow(this);
    hintWindow_->ActivateHint(Point{cursor.X, cursor.Y + 20}, c->Hint());
    SetTimer(Handle(), kHintHideTimer, static_cast<UINT>(hintHidePause_ > 0 ? hintHidePause_ : 1), nullptr);
}

void Application::CancelHint() {
    if (handle_ != nullptr) {
        KillTimer(handle_, kHintShowTimer);
        KillTimer(handle_, kHintHideTimer);
    }
    if (hintWindow_ != nullptr) hintWindow_->ReleaseHint();
    if (hintControl_ != nullptr) {
        RemoveFreeNotification(hintControl_);
        hintControl_ = nullptr;
    }
}

void Application::Notification(Component* c, Operation operation) {
    Component::Notification(c, operation);
    if (operation != opRemove) return;
    if (c == hintControl_) {
        hintControl_ = nullptr;
        if (handle_ != nullptr) KillTimer(handle_, kHintShowTimer);
    }
    if (c == hintWindow_) hintWindow_ = nullptr;
    if (c == mainForm_) mainForm_ = nullptr;
}

} // namespace fw
