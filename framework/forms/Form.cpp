#include "framework/forms/Form.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/DescriptionReader.h"
#include "framework/core/EnumInfo.h"
#include "framework/core/FlagScope.h"
#include "framework/core/WideText.h"
#include "framework/forms/Application.h"
#include "framework/forms/Screen.h"
#include "framework/system/ErrorReport.h"

#include <exception>
#include <utility>
#include <vector>

namespace fw {

namespace {

HRSRC FindDescription(const std::string& name) {
    const std::wstring wide = GbkToWide(name);
    return FindResourceW(GetModuleHandleW(nullptr), wide.c_str(), RT_RCDATA);
}

Rect CentredIn(const Rect& area, int width, int height) {
    return Rect::FromBounds(area.Left + (area.Width() - width) / 2, area.Top + (area.Height() - height) / 2, width, height);
}

} // namespace

Form::Form(Component* owner) : CustomControl(owner), activeControl_(*this), menu_(*this) {
    SetVisible(false);
    SetParentFont(false);
    SetBounds(0, 0, 320, 240);
}

Form::~Form() {
    BeginDestroy();
    DoDestroy();
    DestroyHandle();
}

void Form::BeforeDestruction() {
    BeginDestroy();
    DoDestroy();
    CustomControl::BeforeDestruction();
}

void Form::DoDestroy() {
    if (destroyFired_ || IsLoading()) return;
    destroyFired_ = true;
    Guarded([this] { OnDestroy(this); });
}

const EnumInfo& Form::BorderStyleInfo() {
    static const EnumInfo info("TFormBorderStyle", std::vector<std::string>{"bsNone", "bsSingle", "bsSizeable", "bsDialog",
                                                                           "bsToolWindow", "bsSizeToolWin"});
    return info;
}

const EnumInfo& Form::BorderIconsInfo() {
    static const EnumInfo info("TBorderIcons", std::vector<std::string>{"biSystemMenu", "biMinimize", "biMaximize", "biHelp"});
    return info;
}

const EnumInfo& Form::FormStyleInfo() {
    static const EnumInfo info("TFormStyle", std::vector<std::pair<std::string, int>>{{"fsNormal", 0}, {"fsStayOnTop", 3}});
    return info;
}

const EnumInfo& Form::PositionInfo() {
    static const EnumInfo info("TPosition", std::vector<std::string>{"poDesigned", "poDefault", "poDefaultPosOnly",
                                                                    "poDefaultSizeOnly", "poScreenCenter",
                                                                    "poDesktopCenter", "poMainFormCenter",
                                                                    "poOwnerFormCenter"});
    return info;
}

const EnumInfo& Form::WindowStateInfo() {
    static const EnumInfo info("TWindowState", std::vector<std::string>{"wsNormal", "wsMinimized", "wsMaximized"});
    return info;
}

const EnumInfo& Form::ModalResultInfo() {
    static const EnumInfo info("TModalResult", std::vector<std::pair<std::string, int>>{
                                                   {"mrNone", mrNone}, {"mrOk", mrOk}, {"mrCancel", mrCancel},
                                                   {"mrAbort", mrAbort}, {"mrRetry", mrRetry}, {"mrIgnore", mrIgnore},
                                                   {"mrYes", mrYes}, {"mrNo", mrNo}});
    return info;
}

const ClassInfo& Form::StaticClass() {
    static const ClassInfo& info =
        ClassBuilder<Form>("TForm", CustomControl::StaticClass())
            .AddEnum("BorderStyle", BorderStyleInfo(), &Form::GetBorderStyle, &Form::SetBorderStyle)
            .AddSet("BorderIcons", BorderIconsInfo(), &Form::GetBorderIcons, &Form::SetBorderIcons)
            .AddEnum("FormStyle", FormStyleInfo(), &Form::GetFormStyle, &Form::SetFormStyle)
            .AddEnum("Position", PositionInfo(), &Form::GetPosition, &Form::SetPosition)
            .AddEnum("WindowState", WindowStateInfo(), &Form::GetWindowState, &Form::SetWindowState)
            .AddBoolean("Scaled", &Form::Scaled, &Form::SetScaled)
            .AddBoolean("AutoScroll", &Form::AutoScroll, &Form::SetAutoScroll)
            .AddInteger("ModalResult", &Form::ModalResult, &Form::SetModalResult, &ModalResultInfo())
            .AddReference("ActiveControl", &Form::ActiveControl, &Form::SetActiveControl)
            .AddReference("Menu", &Form::Menu, &Form::SetMenu)
            .AddEvent("OnCreate", &Form::OnCreate)
            .AddEvent("OnDestroy", &Form::OnDestroy)
            .AddEvent("OnShow", &Form::OnShow)
            .AddEvent("OnHide", &Form::OnHide)
            .AddEvent("OnActivate", &Form::OnActivate)
            .AddEvent("OnDeactivate", &Form::OnDeactivate)
            .AddEvent("OnClose", &Form::OnClose)
            .AddEvent("OnCloseQuery", &Form::OnCloseQuery)
            .Register();
    return info;
}

// --- description ---

bool Form::HasDescription(const std::string& resourceName) { return FindDescription(resourceName) != nullptr; }

void Form::InitializeForm(const std::string& resourceName) {
    const std::string name = resourceName.empty() ? ClassName() : resourceName;
    if (HRSRC res = FindDescription(name)) {
        HMODULE module = GetModuleHandleW(nullptr);
        HGLOBAL data = LoadResource(module, res);
        const auto* bytes = static_cast<const char*>(LockResource(data));
        const DWORD size = SizeofResource(module, res);
        if (bytes == nullptr) throw Exception(Format("Cannot read the description %s", name.c_str()));
        DescriptionReader::ReadRoot(*this, std::string_view(bytes, size), name);
    } else if (!resourceName.empty()) {
        throw Exception(Format("The description %s does not exist", name.c_str()));
    }
    DoCreate();
}

void Form::DoCreate() { OnCreate(this); }

void Form::Loaded() {
    CustomControl::Loaded();
    if (pendingClientWidth_ >= 0) SetClientWidth(pendingClientWidth_);
    if (pendingClientHeight_ >= 0) SetClientHeight(pendingClientHeight_);
    pendingClientWidth_ = pendingClientHeight_ = -1;
    if (showAfterLoad_) {
        showAfterLoad_ = false;
        VisibleChanged();
    }
}

// --- window styles and size ---

void Form::CreateParams(WindowParams& p) {
    CustomControl::CreateParams(p);
    p.style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    p.exStyle = 0;
    switch (borderStyle_) {
    case BorderStyle::None: p.style |= WS_POPUP; break;
    case BorderStyle::Single: p.style |= WS_CAPTION; break;
    case BorderStyle::Sizeable: p.style |= WS_CAPTION | WS_THICKFRAME; break;
    case BorderStyle::Dialog:
        p.style |= WS_POPUP | WS_CAPTION;
        p.exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        break;
    case BorderStyle::ToolWindow:
        p.style |= WS_CAPTION;
        p.exStyle |= WS_EX_TOOLWINDOW;
        break;
    case BorderStyle::SizeToolWin:
        p.style |= WS_CAPTION | WS_THICKFRAME;
        p.exStyle |= WS_EX_TOOLWINDOW;
        break;
    }
    if (borderStyle_ != BorderStyle::None) {
        if (borderIcons_ & biSystemMenu) p.style |= WS_SYSMENU;
        const bool minMax = borderStyle_ != BorderStyle::Dialog && borderStyle_ != BorderStyle::ToolWindow &&
                            borderStyle_ != BorderStyle::SizeToolWin;
        if (minMax && (borderIcons_ & biMinimize)) p.style |= WS_MINIMIZEBOX;
        if (minMax && (borderIcons_ & biMaximize)) p.style |= WS_MAXIMIZEBOX;
        if ((borderIcons_ & biHelp) && (borderStyle_ == BorderStyle::Dialog || !(p.style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))))
            p.exStyle |= WS_EX_CONTEXTHELP;
    }
    if (formStyle_ == FormStyle::StayOnTop) p.exStyle |= WS_EX_TOPMOST;
    p.parent = App().Handle();
    if ((p.style & WS_POPUP) == 0 && !positioned_) {
        if (position_ == Position::Default || position_ == Position::DefaultPosOnly) p.x = p.y = CW_USEDEFAULT;
        if (position_ == Position::Default || position_ == Position::DefaultSizeOnly) p.width = p.height = CW_USEDEFAULT;
    }
}

void Form::CreateWnd() {
    // A form centred on the screen is made where it will show, so that showing it needs no move
    // of its own: moving a top-level window costs some thirty trips to the window server under
    // Wine. Showing centres it again only if its size changed meanwhile.
    if (!positioned_ && (position_ == Position::ScreenCenter || position_ == Position::DesktopCenter)) {
        centredAt_ = CentredIn(ScreenArea(), Width(), Height());
        SetBounds(centredAt_.Left, centredAt_.Top, Width(), Height());
    }
    CustomControl::CreateWnd();
}

void Form::HandleCreated() {
    CustomControl::HandleCreated();
    UpdateMenuBar();
    if (position_ == Position::Default || position_ == Position::DefaultPosOnly || position_ == Position::DefaultSizeOnly)
        positioned_ = true;
}

void Form::UpdateWindowStyles() {
    if (!HandleAllocated()) return;
    HWND h = Handle();
    WindowParams p;
    CreateParams(p);
    const LONG_PTR keep = GetWindowLongPtrW(h, GWL_STYLE) & (WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE | WS_DISABLED);
    SetWindowLongPtrW(h, GWL_STYLE, static_cast<LONG_PTR>(p.style) | keep);
    SetWindowLongPtrW(h, GWL_EXSTYLE, static_cast<LONG_PTR>(p.exStyle & ~WS_EX_TOPMOST));
    SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    // The topmost bit changes only through the z-order.
    SetWindowPos(h, formStyle_ == FormStyle::StayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (formStyle_ != FormStyle::StayOnTop && (GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) {
        // Wine keeps an owned window in the topmost band and ignores the request there;
        // without the owner for a moment, it leaves the topmost band.
        HWND owner = GetWindow(h, GW_OWNER);
        SetWindowLongPtrW(h, GWLP_HWNDPARENT, 0);
        SetWindowPos(h, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        SetWindowLongPtrW(h, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    }
}

void Form::SetMenu(Component* menu) {
    if (menu != nullptr && dynamic_cast<FormMenuTarget*>(menu) == nullptr)
        throw Exception(Format("%s cannot be the menu of a form", menu->Name().c_str()));
    menu_.Set(menu);
    UpdateMenuBar();
}

void Form::UpdateMenuBar() {
    if (!HandleAllocated()) return;
    auto* target = dynamic_cast<FormMenuTarget*>(menu_.Get());
    HMENU bar = target != nullptr ? target->MenuBarHandle() : nullptr;
    // Setting a menu recomputes the frame, which costs the window server a good deal; most
    // forms never have one.
    if (bar == nullptr && GetMenu(Handle()) == nullptr) return;
    ::SetMenu(Handle(), bar);
}

bool Form::IsShortCut(const Message& keyMessage) {
    auto* target = dynamic_cast<FormMenuTarget*>(menu_.Get());
    return target != nullptr && target->IsShortCut(keyMessage);
}

void Form::SetBorderStyle(BorderStyle s) {
    if (s == borderStyle_) return;
    borderStyle_ = s;
    UpdateWindowStyles();
}

void Form::SetBorderIcons(BorderIcons icons) {
    if (icons == borderIcons_) return;
    borderIcons_ = icons;
    UpdateWindowStyles();
}

void Form::SetFormStyle(FormStyle s) {
    if (s == formStyle_) return;
    formStyle_ = s;
    UpdateWindowStyles();
}

void Form::SetPosition(Position p) {
    position_ = p;
    positioned_ = false;
}

Size Form::FrameSize() const {
    if (HandleAllocated()) {
        HWND h = const_cast<Form*>(this)->Handle();
        RECT w;
        RECT c;
        GetWindowRect(h, &w);
        GetClientRect(h, &c);
        if (!IsIconic(h)) return Size{(w.right - w.left) - c.right, (w.bottom - w.top) - c.bottom};
    }
    WindowParams p;
    const_cast<Form*>(this)->CreateParams(p);
    RECT r{0, 0, 0, 0};
    AdjustWindowRectEx(&r, p.style, FALSE, p.exStyle);
    return Size{r.right - r.left, r.bottom - r.top};
}

Rect Form::ClientRect() const {
    if (HandleAllocated() && !IsIconic(const_cast<Form*>(this)->Handle())) return CustomControl::ClientRect();
    const Size frame = FrameSize();
    return Rect{0, 0, std::max(Width() - frame.Width, 0), std::max(Height() - frame.Height, 0)};
}

void Form::SetClientWidth(int v) {
    if (IsLoading()) pendingClientWidth_ = v;
    SetWidth(v + FrameSize().Width);
}

void Form::SetClientHeight(int v) {
    if (IsLoading()) pendingClientHeight_ = v;
    SetHeight(v + FrameSize().Height);
}

void Form::SetWindowRegion(HRGN region) {
    if (SetWindowRgn(Handle(), region, TRUE) == 0 && region != nullptr) {
        DeleteObject(region);
        throw Exception(Format("Cannot set the window region of %s", Name().c_str()));
    }
}

// --- showing ---

bool Form::Showing() const {
    return Visible() && HandleAllocated() && IsWindowVisible(const_cast<Form*>(this)->Handle());
}

Rect Form::ScreenArea() const {
    return position_ == Position::DesktopCenter ? Screen::DesktopRect() : Rect{0, 0, Screen::Width(), Screen::Height()};
}

void Form::ApplyPosition() {
    if (positioned_) return;
    positioned_ = true;
    Rect area;
    switch (position_) {
    case Position::ScreenCenter:
    case Position::DesktopCenter:
        if (BoundsRect() == centredAt_) return;
        area = ScreenArea();
        break;
    case Position::MainFormCenter:
    case Position::OwnerFormCenter: {
        Form* over = App().MainForm();
        if (position_ == Position::OwnerFormCenter)
            if (auto* owner = dynamic_cast<Form*>(Owner())) over = owner;
        area = (over != nullptr && over != this) ? over->BoundsRect() : Rect{0, 0, Screen::Width(), Screen::Height()};
        break;
    }
    default: return;
    }
    const Rect r = CentredIn(area, Width(), Height());
    SetBounds(r.Left, r.Top, Width(), Height());
}

void Form::VisibleChanged() {
    if (IsLoading()) {
        showAfterLoad_ = Visible();
        return;
    }
    if (IsDestroying()) return;
    if (Visible()) {
        HWND h = Handle();
        ApplyPosition();
        int show = SW_SHOWNORMAL;
        if (windowState_ == WindowState::Minimized) show = SW_SHOWMINIMIZED;
        if (windowState_ == WindowState::Maximized) show = SW_SHOWMAXIMIZED;
        // Showing a top-level window activates it and puts it on top of its band (the topmost
        // band for a stay-on-top form, whose window is made topmost); a further move in the
        // z-order would cost the window server as much again.
        ShowWindow(h, show);
        // The application window (the taskbar's button) follows, without activation: shown
        // first, its own trip to the display came before the main window's first paint.
        if (App().MainForm() == this && !IsWindowVisible(App().Handle()))
            ShowWindow(App().Handle(), SW_SHOWNOACTIVATE);
    } else if (HandleAllocated()) {
        if (GetActiveWindow() == Handle() && App().MainForm() != nullptr && App().MainForm() != this &&
            App().MainForm()->Showing())
            SetActiveWindow(App().MainForm()->Handle());
        ShowWindow(Handle(), SW_HIDE);
    }
}

void Form::SetWindowState(WindowState s) {
    if (s == windowState_) return;
    windowState_ = s;
    if (!HandleAllocated() || !Showing()) return;
    switch (s) {
    case WindowState::Normal: ShowWindow(Handle(), SW_RESTORE); break;
    case WindowState::Minimized: ShowWindow(Handle(), SW_MINIMIZE); break;
    case WindowState::Maximized: ShowWindow(Handle(), SW_MAXIMIZE); break;
    }
}

void Form::BringToFront() {
    Show();
    SetForegroundWindow(Handle());
    SetActiveWindow(Handle());
}

void Form::DoShow() { OnShow(this); }
void Form::DoHide() { OnHide(this); }

// --- focus and keys ---

bool Form::Active() const { return HandleAllocated() && GetActiveWindow() == const_cast<Form*>(this)->Handle(); }

void Form::SetActiveControl(WinControl* c) {
    if (c != nullptr && (c == this || !ContainsControl(c)))
        throw Exception(Format("%s is not a control of %s", c->Name().c_str(), Name().c_str()));
    activeControl_.Set(c);
    if (c != nullptr && !IsLoading() && Active() && c->CanFocus()) c->SetFocus();
}

void Form::ChildFocused(WinControl* control) {
    if (control != this) activeControl_.Set(control);
}

void Form::ChildRemoving(Control* control) {
    if (activeControl_.Get() != nullptr && activeControl_.Get()->ContainsControl(control)) activeControl_.Set(nullptr);
    if (auto* w = dynamic_cast<WinControl*>(control); w != nullptr && activeControl_.Get() != nullptr &&
                                                      w->ContainsControl(activeControl_.Get()))
        activeControl_.Set(nullptr);
}

void Form::Notification(Component* c, Operation operation) {
    CustomControl::Notification(c, operation);
    if (operation != opRemove) return;
    activeControl_.Removed(c);
    // The bar goes before the menu destroys it.
    if (menu_.Removed(c) && HandleAllocated()) ::SetMenu(Handle(), nullptr);
}

void Form::SelectNext(WinControl* current, bool forward, bool checkTabStop) {
    if (WinControl* next = FindNextControl(current, forward, checkTabStop)) next->SetFocus();
}

bool Form::DialogKey(int key, ShiftState shift) {
    if (key == VK_TAB && (shift & (ssCtrl | ssAlt)) == 0) {
        SelectNext(ActiveControl(), (shift & ssShift) == 0);
        return true;
    }
    return CustomControl::DialogKey(key, shift);
}

// --- closing and modal showing ---

bool Form::CloseQuery() {
    bool canClose = true;
    OnCloseQuery(this, canClose);
    return canClose;
}

void Form::DoClose(CloseAction& action) { OnClose(this, action); }

void Form::Close() {
    if (closing_) return;
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    FlagScope closing(closing_);
    CloseAction action = CloseAction::None;
    if (CloseQuery()) {
        action = CloseAction::Hide;
        DoClose(action);
    }
    const bool isMain = App().MainForm() == this;
    switch (action) {
    case CloseAction::None: break;
    case CloseAction::Hide:
        if (isMain) App().Terminate();
        else Hide();
        break;
    case CloseAction::Free:
        if (isMain) App().Terminate();
        else Release();
        break;
    case CloseAction::Minimize: SetWindowState(WindowState::Minimized); break;
    }
}

void Form::Release() { PostMessageW(Handle(), CM_RELEASE, 0, 0); }

void Form::CloseModal() {
    CloseAction action = CloseAction::None;
    if (CloseQuery()) {
        action = CloseAction::Hide;
        DoClose(action);
    }
    switch (action) {
    case CloseAction::None: modalResult_ = mrNone; break;
    case CloseAction::Free: Release(); break;
    default: break;
    }
}

namespace {
// The forms whose ShowModal runs on this thread, the innermost last.
thread_local std::vector<Form*> modalForms;
} // namespace

Form* Form::ActiveModal() { return modalForms.empty() ? nullptr : modalForms.back(); }

int Form::ShowModal() {
    if (Visible() || !Enabled() || modal_) throw Exception("Cannot make a visible window modal");
    if (GetCapture() != nullptr) ReleaseCapture();
    HWND previous = GetActiveWindow();
    // Every other enabled, visible top-level window of the thread is disabled meanwhile.
    std::vector<HWND> disabled;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM list) -> BOOL {
            if (IsWindowVisible(w) && IsWindowEnabled(w)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&disabled));
    for (HWND w : disabled) EnableWindow(w, FALSE);
    // However the loop ends, the other windows come back; left by an error, the form is hidden too.
    struct ModalEnd {
        Form& form;
        const std::vector<HWND>& disabled;
        HWND previous;
        int unwinding = std::uncaught_exceptions();
        ~ModalEnd() {
            form.modal_ = false;
            std::erase(modalForms, &form);
            if (std::uncaught_exceptions() > unwinding && form.HandleAllocated()) {
                try {
                    form.Hide();
                } catch (...) {
                    // The error that ended the loop is the one to report.
                }
            }
            for (HWND w : disabled)
                if (IsWindow(w)) EnableWindow(w, TRUE);
            if (previous != nullptr && IsWindow(previous)) SetActiveWindow(previous);
        }
    } end{*this, disabled, previous};
    modal_ = true;
    modalForms.push_back(this);
    modalResult_ = mrNone;
    Show();
    SetActiveWindow(Handle());
    do {
        App().HandleMessage();
        if (App().Terminated()) {
            modalResult_ = mrCancel;
        } else if (modalResult_ != mrNone) {
            CloseModal();
        }
    } while (modalResult_ == mrNone);
    Hide();
    return modalResult_;
}

// --- messages ---

void Form::WndProc(Message& m) {
    if (m.msg == CM_RELEASE) {
        delete this;
        return;
    }
    if (auto* target = dynamic_cast<FormMenuTarget*>(menu_.Get()); target != nullptr && target->MenuMessage(m)) return;
    CustomControl::WndProc(m);
    // A form without an icon of its own stands for the program with the program's icon, as
    // its taskbar button does. Left without one, the system loads its generic icon for the
    // window on the display as the window is first shown.
    if (m.msg == WM_GETICON && m.result == 0) m.result = reinterpret_cast<LRESULT>(App().Icon());
}

void Form::WMClose(Message& m) {
    Close();
    m.result = 0;
}

void Form::WMSize(Message& m) {
    CustomControl::WMSize(m);
    switch (m.wParam) {
    case SIZE_MINIMIZED: windowState_ = WindowState::Minimized; break;
    case SIZE_MAXIMIZED: windowState_ = WindowState::Maximized; break;
    case SIZE_RESTORED: windowState_ = WindowState::Normal; break;
    default: break;
    }
}

void Form::WMShowWindow(Message& m) {
    CustomControl::WMShowWindow(m);
    if (IsDestroying()) return;
    if (m.wParam != 0) {
        DoShow();
    } else {
        DoHide();
    }
}

void Form::WMActivate(Message& m) {
    CustomControl::WMActivate(m);
    if (IsDestroying()) return;
    if (LOWORD(m.wParam) != WA_INACTIVE) {
        if (WinControl* c = ActiveControl(); c != nullptr && c->CanFocus() && !IsIconic(Handle())) {
            ::SetFocus(c->Handle());
        }
        OnActivate(this);
    } else {
        OnDeactivate(this);
    }
}

void Form::WMSysCommand(Message& m) {
    if ((m.wParam & 0xFFF0) == SC_MINIMIZE && App().MainForm() == this) {
        App().Minimize();
        m.result = 0;
        return;
    }
    CustomControl::WMSysCommand(m);
}

} // namespace fw
