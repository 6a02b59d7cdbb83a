#pragma once
// A control with its own window. The window is created on demand (Handle()); one static
// window procedure finds the object for a handle and sends every message through
// WindowProc (WndProc by default), which filters input for disabled controls in one place and
// cracks each message once into a virtual handler named after it (WMSize, WMNCHitTest, ...).
// Exceptions never cross into user32: the procedure catches them and hands them to the error
// report. Notifications a parent receives for a child (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM,
// WM_MEASUREITEM, WM_CTLCOLOR*, WM_HSCROLL/WM_VSCROLL) are reflected to the child's own object
// as CN_* messages.
//
// The children are kept in z-order (first is the bottom); windowless children are painted by
// this control and get their mouse messages from it.

#include "framework/controls/Control.h"
#include "framework/core/Event.h"

#include <exception>
#include <functional>
#include <string>
#include <vector>

namespace fw {

using KeyEvent = Event<Component*, int&, ShiftState>;
using KeyPressEvent = Event<Component*, char&>;

// What CreateWindowExW gets; a control adjusts it in CreateParams.
struct WindowParams {
    std::wstring className;      // the registered class name (the control's class name by default)
    std::wstring baseClassName;  // a system class to wrap ("EDIT"); empty for our own windows
    std::wstring caption;
    DWORD style = 0;
    DWORD exStyle = 0;
    UINT classStyle = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    HWND parent = nullptr;
};

class WinControl : public Control {
public:
    explicit WinControl(Component* owner);
    ~WinControl() override;

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    // --- the window ---
    // The window, created now if it does not exist yet (with the parent's first).
    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded() { Handle(); }
    // Destroys the window (and those of the children); the object stays.
    void DestroyHandle();
    // The object of one of our windows, or nullptr.
    static WinControl* FromHandle(HWND hwnd);

    // --- children ---
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    Control* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
    int IndexOfControl(const Control* c) const;
    bool ContainsControl(const Control* c) const;
    // The topmost visible child at a point of the client area (windowless ones too), or nullptr.
    Control* ControlAtPos(Point p, bool allowDisabled = false) const;

    // --- alignment ---
    // The area aligned children share: the client rectangle, which containers shrink by
    // overriding AdjustClientRect.
    Rect AlignArea() const;
    void DisableAlign() { ++alignDisabled_; }
    void EnableAlign();
    // Places the aligned children again.
    void Realign();

    // --- focus and tab order ---
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v) { tabStop_ = v; }
    // Position among the parent's windowed children in tab order; -1 without a parent.
    int TabOrder() const;
    void SetTabOrder(int order);
    // Windowed children in tab order.
    const std::vector<WinControl*>& TabList() const { return tabList_; }
    // Every focusable control below this one in tab order (depth first).
    void CollectTabOrder(std::vector<WinControl*>& out);
    // The next (or previous) control after `current` that can take the focus; wraps around.
    WinControl* FindNextControl(WinControl* current, bool forward, bool checkTabStop) const;

    // Enabled and shown, and every container above lets its children take the focus.
    virtual bool CanFocus() const;
    // False while the control hides its children from the user (a collapsed container):
    // none of them can take the focus then, by Tab or otherwise.
    virtual bool ChildrenFocusable() const { return true; }
    bool Focused() const;
    // Raises fw::Exception "Cannot focus a disabled or invisible window" when CanFocus is false.
    virtual void SetFocus();
    // True when the control handles `key` itself instead of the form's dialog keys (Tab,
    // Return, Escape). Asks the window with WM_GETDLGCODE by default.
    virtual bool WantsDialogKey(int key);
    // True when plain characters are the control's input (not accelerators of other controls).
    virtual bool WantsChars();

    // --- overrides of Control ---
    void SetParent(WinControl* parent) override;
    void SetBounds(int left, int top, int width, int height) override;
    Rect ClientRect() const override;
    bool Showing() const override;
    void Invalidate() override;
    void Update() override;
    Point ClientToScreen(Point p) const override;
    Point ScreenToClient(Point p) const override;
    void BringToFront() override;
    void SendToBack() override;
    void WndProc(Message& m) override;
    bool DialogKey(int key, ShiftState shift) override;
    void Notification(Component* c, Operation operation) override;
    bool DialogChar(char ch) override;
    void Loaded() override;

    // Paints the whole control (background, own painting and windowless children) into `dc`
    // with the control's top-left at the context's origin; for parent backgrounds and tests.
    void PaintTo(HDC dc);

    // The top-level control this one is shown in hears when a control below it got the
    // focus (forms remember it as their active control) and when one leaves it.
    virtual void ChildFocused(WinControl* control) {}
    virtual void ChildRemoving(Control* control) {}

    NotifyEvent OnEnter;
    NotifyEvent OnExit;
    KeyEvent OnKeyDown;
    KeyEvent OnKeyUp;
    KeyPressEvent OnKeyPress;

protected:
    // The window goes while the object is whole, so a derived class's handlers of its last
    // messages still find their members.
    void BeforeDestruction() override;
    virtual void CreateParams(WindowParams& params);
    // Creates the window from CreateParams; called by Handle().
    virtual void CreateWnd();
    // Right after the window exists (children's windows are made after it).
    virtual void HandleCreated() {}
    // Shrinks the alignment area (a caption bar, a border).
    virtual void AdjustClientRect(Rect& r) const {}
    // Places the aligned children in AlignArea.
    virtual void AlignControls();
    // Paints the control's own surface into `dc` (WM_PAINT and WM_PRINTCLIENT); nothing here.
    virtual void PaintWindow(HDC dc) {}
    // The whole painting of WM_PAINT and WM_PRINTCLIENT: PaintWindow, then PaintControls.
    virtual void PaintHandler(HDC dc);
    // Paints the windowless children into `dc`, each clipped to its bounds.
    void PaintControls(HDC dc);

    void DefaultHandler(Message& m) override;

    void VisibleChanged() override;
    void EnabledChanged() override;
    void ColorChanged() override;
    void FontChanged() override;
    void TextChanged() override;

    virtual void KeyDown(int& key, ShiftState shift);
    virtual void KeyUp(int& key, ShiftState shift);
    virtual void KeyPress(char& key);
    virtual void DoEnter();
    virtual void DoExit();

    // Message handlers; each falls through to DefaultHandler.
    virtual void WMPaint(Message& m);
    virtual void WMPrintClient(Message& m);
    virtual void WMEraseBkgnd(Message& m);
    virtual void WMSize(Message& m);
    virtual void WMMove(Message& m);
    virtual void WMSetFocus(Message& m);
    virtual void WMKillFocus(Message& m);
    virtual void WMKeyDown(Message& m);
    virtual void WMKeyUp(Message& m);
    virtual void WMChar(Message& m);
    virtual void WMSetCursor(Message& m);
    virtual void WMNCHitTest(Message& m);
    virtual void WMNCPaint(Message& m);
    virtual void WMSysCommand(Message& m);
    virtual void WMCommand(Message& m);
    virtual void WMNotify(Message& m);
    virtual void WMDrawItem(Message& m);
    virtual void WMMeasureItem(Message& m);
    virtual void WMCtlColor(Message& m);
    virtual void WMScroll(Message& m);
    virtual void WMContextMenu(Message& m);
    virtual void WMMouse(Message& m);
    virtual void WMMouseLeave(Message& m);
    virtual void WMCaptureChanged(Message& m);
    virtual void WMShowWindow(Message& m);
    virtual void WMActivate(Message& m);
    virtual void WMClose(Message& m);
    virtual void WMDestroy(Message& m);
    virtual void WMGetMinMaxInfo(Message& m);
    virtual void WMGetDlgCode(Message& m);

    // Fills `r` with the control's colour on `dc`.
    void FillBackground(HDC dc, const Rect& r);

private:
    friend class Control;
    static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static void Attach(HWND hwnd, WinControl* control);
    void DispatchMessage(Message& m);
    bool InputAllowed() const;
    void InsertControl(Control* c);
    void RemoveControl(Control* c);
    void TrackMouse(Point p);
    void UpdateBoundsFromHandle();
    void ReleaseColorBrush();
    void SetHoverControl(Control* c);
    WinControl* ChildWindowObject(HWND child) const;
    WinControl* ChildById(int id) const;
    void ApplyZOrder(Control* c, bool top);
    // Makes the children's windows; with `deferUnseen`, those the user cannot see yet wait.
    void CreateChildHandles(bool deferUnseen);
    bool SeenChild(const WinControl& child) const;
    // Makes the waiting children's windows that have come into view (all of them with `all`).
    void CreateDeferredChildren(bool all);

    HWND handle_ = nullptr;
    WNDPROC defWndProc_ = nullptr;
    int controlId_ = 0;
    std::vector<Control*> controls_;
    std::vector<WinControl*> tabList_;
    bool tabStop_ = false;
    int loadedTabOrder_ = -1;
    int alignDisabled_ = 0;
    bool aligning_ = false;
    bool trackingLeave_ = false;
    // The child whose window the creation of this window's children is making now, when the
    // system's own placement already puts it where it belongs among its siblings.
    WinControl* placedChild_ = nullptr;
    // Some children's windows wait for DeferredChildrenTimer.
    bool childrenDeferred_ = false;
    Control* mouseCapture_ = nullptr;
    Control* hoverControl_ = nullptr;
    HBRUSH colorBrush_ = nullptr;
};

} // namespace fw
