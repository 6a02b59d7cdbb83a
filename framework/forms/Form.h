#pragma once
// A top-level window built from its designed description: the RCDATA resource named after
// its class ("TFORM1") is read into it, then OnCreate runs. Forms are owned by the hidden
// application window (which carries the taskbar button), show, hide and close through
// close-query and OnClose, run modally with a nested message loop, and offer Tab, Return,
// Escape and accelerator characters to their controls.

#include "framework/controls/CustomControl.h"
#include "framework/core/ComponentRef.h"

#include <string>

namespace fw {

enum class BorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };
using BorderIcons = unsigned;
constexpr BorderIcons biSystemMenu = 1u << 0, biMinimize = 1u << 1, biMaximize = 1u << 2, biHelp = 1u << 3;
enum class FormStyle { Normal = 0, StayOnTop = 3 };
enum class Position {
    Designed, Default, DefaultPosOnly, DefaultSizeOnly, ScreenCenter, DesktopCenter, MainFormCenter, OwnerFormCenter
};
enum class WindowState { Normal, Minimized, Maximized };
enum class CloseAction { None, Hide, Free, Minimize };

constexpr int mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7;

// What a component assigned to a form's Menu offers: the native menu bar, the menu messages of
// its items that reach the form, and the shortcut keys pressed anywhere in the form.
class FormMenuTarget {
public:
    virtual ~FormMenuTarget() = default;
    virtual HMENU MenuBarHandle() = 0;
    // True when the message (WM_COMMAND, WM_MEASUREITEM, WM_DRAWITEM, ...) was for its items.
    virtual bool MenuMessage(Message& m) = 0;
    // True when the menu ran the key-down as the shortcut of one of its items.
    virtual bool IsShortCut(const Message& keyMessage) = 0;
};

using CloseEvent = Event<Component*, CloseAction&>;
using CloseQueryEvent = Event<Component*, bool&>;

class Form : public CustomControl {
public:
    explicit Form(Component* owner);
    ~Form() override;

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }
    static const EnumInfo& BorderStyleInfo();
    static const EnumInfo& BorderIconsInfo();
    static const EnumInfo& FormStyleInfo();
    static const EnumInfo& PositionInfo();
    static const EnumInfo& WindowStateInfo();
    static const EnumInfo& ModalResultInfo();

    Form* AsForm() override { return this; }

    // Reads the designed description (the resource named after the class, or `resourceName`)
    // if the program has one, then runs OnCreate. Raises the reader's error for a bad one.
    void InitializeForm(const std::string& resourceName = std::string());
    // True when the program carries a description resource of that name.
    static bool HasDescription(const std::string& resourceName);

    BorderStyle GetBorderStyle() const { return borderStyle_; }
    void SetBorderStyle(BorderStyle s);
    BorderIcons GetBorderIcons() const { return borderIcons_; }
    void SetBorderIcons(BorderIcons icons);
    FormStyle GetFormStyle() const { return formStyle_; }
    void SetFormStyle(FormStyle s);
    Position GetPosition() const { return position_; }
    void SetPosition(Position p);
    WindowState GetWindowState() const { return windowState_; }
    void SetWindowState(WindowState s);
    // Forms are never scaled to the screen's pixel density nor given scroll bars; the two
    // properties are kept so that descriptions may state it.
    bool Scaled() const { return scaled_; }
    void SetScaled(bool v) { scaled_ = v; }
    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool v) { autoScroll_ = v; }

    void SetClientWidth(int v) override;
    void SetClientHeight(int v) override;
    Rect ClientRect() const override;

    // The main menu shown as the window's menu bar (a FormMenuTarget), or nullptr; another
    // kind of component raises fw::Exception.
    Component* Menu() const { return menu_.Get(); }
    void SetMenu(Component* menu);
    // A key-down that the form's menu ran as a shortcut; the application asks before the
    // focused control gets the key.
    virtual bool IsShortCut(const Message& keyMessage);

    WinControl* ActiveControl() const { return activeControl_.Get(); }
    void SetActiveControl(WinControl* c);
    bool Active() const;

    int ModalResult() const { return modalResult_; }
    void SetModalResult(int r) { modalResult_ = r; }
    bool Modal() const { return modal_; }
    // Shows the form and runs a message loop until ModalResult becomes non-zero (and the form
    // agrees to close); other windows of the program are disabled meanwhile.
    int ShowModal();
    // The form whose ShowModal runs innermost on this thread, or nullptr.
    static Form* ActiveModal();

    // Asks OnCloseQuery, then OnClose with an action (Hide by default) and carries it out.
    // Closing the main form ends the application; a modal form gets ModalResult mrCancel.
    void Close();
    virtual bool CloseQuery();
    // Frees the form once the messages now queued have run.
    void Release();
    // Brings the form to the front and shows it.
    void BringToFront() override;

    // Gives the window a region (the system owns it afterwards); nullptr removes it.
    void SetWindowRegion(HRGN region);

    bool Showing() const override;
    bool DialogKey(int key, ShiftState shift) override;
    // Moves the focus to the next (or previous) control in tab order.
    void SelectNext(WinControl* current, bool forward, bool checkTabStop = true);

    void Loaded() override;
    void Notification(Component* c, Operation operation) override;
    void ChildFocused(WinControl* control) override;
    void ChildRemoving(Control* control) override;

    NotifyEvent OnCreate;
    NotifyEvent OnDestroy;
    NotifyEvent OnShow;
    NotifyEvent OnHide;
    NotifyEvent OnActivate;
    NotifyEvent OnDeactivate;
    CloseEvent OnClose;
    CloseQueryEvent OnCloseQuery;

protected:
    // OnDestroy, then the window goes, while the derived form's members and children are whole.
    void BeforeDestruction() override;
    void CreateParams(WindowParams& params) override;
    void CreateWnd() override;
    void HandleCreated() override;
    void VisibleChanged() override;
    virtual void DoCreate();
    // Runs OnDestroy once (not for a form whose description is still being read); an error of
    // the handler is reported, since destruction cannot stop.
    void DoDestroy();
    virtual void DoClose(CloseAction& action);
    virtual void DoShow();
    virtual void DoHide();

    void WndProc(Message& m) override;
    void WMClose(Message& m) override;
    void WMSize(Message& m) override;
    void WMShowWindow(Message& m) override;
    void WMActivate(Message& m) override;
    void WMSysCommand(Message& m) override;

private:
    void UpdateWindowStyles();
    void UpdateMenuBar();
    Size FrameSize() const;
    void ApplyPosition();
    // The area a screen- or desktop-centred form is centred in.
    Rect ScreenArea() const;
    void CloseModal();
    int pendingClientWidth_ = -1;
    int pendingClientHeight_ = -1;

    BorderStyle borderStyle_ = BorderStyle::Sizeable;
    BorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    FormStyle formStyle_ = FormStyle::Normal;
    Position position_ = Position::Designed;
    WindowState windowState_ = WindowState::Normal;
    bool scaled_ = false;
    bool autoScroll_ = false;
    bool positioned_ = false;
    // Where the window was made when it was made centred.
    Rect centredAt_;
    bool modal_ = false;
    bool closing_ = false;
    bool showAfterLoad_ = false;
    bool destroyFired_ = false;
    int modalResult_ = mrNone;
    ComponentRef<WinControl> activeControl_;
    ComponentRef<Component> menu_;
};

} // namespace fw
