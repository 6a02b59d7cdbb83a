#pragma once
// The visual component: shown inside a Parent (a windowed control), which is separate from
// the Owner that destroys it. Keeps its bounds, alignment, visibility, enabled state, colour
// and font (optionally taken from the parent), cursor, hint and popup menu, and turns mouse
// messages into events. Windowless controls get their messages from the parent; windowed
// ones (WinControl) from their own window.

#include "framework/controls/AlignLayout.h"
#include "framework/controls/Message.h"
#include "framework/controls/SizeConstraints.h"
#include "framework/core/Color.h"
#include "framework/core/Component.h"
#include "framework/core/ComponentRef.h"
#include "framework/core/Event.h"
#include "framework/core/Font.h"
#include "framework/graphics/Geometry.h"

#include <functional>
#include <string>

namespace fw {

class EnumInfo;
class Form;
class WinControl;

// Cursor numbers of the Cursor property (0 leaves the choice to the parent).
enum CursorNumber : int {
    crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4, crSizeNESW = -6,
    crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10, crHourGlass = -11,
    crNo = -18, crAppStart = -19, crHelp = -20, crHandPoint = -21, crSizeAll = -22,
};

// What a component assigned to PopupMenu must offer to be opened by a right click.
class PopupMenuTarget {
public:
    virtual ~PopupMenuTarget() = default;
    // Opens at a point in screen coordinates; `sender` is the control that was clicked.
    virtual void PopupFor(Component* sender, int screenX, int screenY) = 0;
};

using MouseEvent = Event<Component*, MouseButton, ShiftState, int, int>;
using MouseMoveEvent = Event<Component*, ShiftState, int, int>;

class Control : public Component {
public:
    explicit Control(Component* owner);
    ~Control() override;

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }
    static const EnumInfo& AlignInfo();
    static const EnumInfo& CursorInfo();

    // --- parent ---
    WinControl* Parent() const { return parent_; }
    // Moves the control into `parent`'s children (on top), or out of any parent.
    virtual void SetParent(WinControl* parent);
    void SetParentComponent(Component* parent) override;
    // The form the control is shown in (itself for a form), or nullptr.
    Form* ParentForm() const;
    // This control as a form (forms override it), so that the controls need not know forms.
    virtual Form* AsForm() { return nullptr; }
    const Form* AsForm() const { return const_cast<Control*>(this)->AsForm(); }

    // --- bounds, in the parent's client coordinates ---
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    Rect BoundsRect() const { return Rect::FromBounds(left_, top_, width_, height_); }
    // Applies the size constraints, then moves; the parent realigns its children.
    virtual void SetBounds(int left, int top, int width, int height);

    // The client area in the control's own coordinates; origin (0, 0).
    virtual Rect ClientRect() const { return Rect{0, 0, width_, height_}; }
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    virtual void SetClientWidth(int v) { SetWidth(v); }
    virtual void SetClientHeight(int v) { SetHeight(v); }

    SizeConstraints& Constraints() { return constraints_; }
    const SizeConstraints& Constraints() const { return constraints_; }

    Align GetAlign() const { return align_; }
    void SetAlign(Align a);

    // --- visibility and state ---
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible and every parent up to a shown form visible.
    virtual bool Showing() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool e);

    // --- appearance ---
    Color GetColor() const { return color_; }
    void SetColor(Color c);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool v);
    fw::Font& Font() { return font_; }
    const fw::Font& Font() const { return font_; }
    void SetFont(const fw::Font& f) { font_.Assign(f); }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v);

    // The text (a form's caption, a button's caption); GBK.
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& gbk);
    const std::string& Text() const { return caption_; }
    void SetText(const std::string& gbk) { SetCaption(gbk); }

    int Cursor() const { return cursor_; }
    void SetCursor(int cursor);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& gbk) { hint_ = gbk; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool v);

    Component* PopupMenu() const { return popupMenu_.Get(); }
    void SetPopupMenu(Component* menu) { popupMenu_.Set(menu); }

    // --- drawing ---
    virtual void Invalidate();
    // Paints what is invalid now.
    virtual void Update();
    void Repaint() {
        Invalidate();
        Update();
    }

    // --- coordinates ---
    virtual Point ClientToScreen(Point p) const;
    virtual Point ScreenToClient(Point p) const;
    // The point in the parent's client coordinates.
    Point ClientToParent(Point p) const { return Point{p.X + left_, p.Y + top_}; }

    // Moves the control above (last among) or below (first among) its siblings.
    virtual void BringToFront();
    virtual void SendToBack();

    // --- messages ---
    // Runs the message through WindowProc synchronously and returns its result.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // The procedure every message of this control goes through; WndProc by default. Another
    // component may replace it, keeping the previous one and calling it.
    using WindowProcedure = std::function<void(Message&)>;
    const WindowProcedure& WindowProc() const { return windowProc_; }
    void SetWindowProc(WindowProcedure proc);
    virtual void WndProc(Message& m);

    // --- keyboard navigation the form offers to every control ---
    // Return, Escape and the like not used by the focused control; true when handled.
    virtual bool DialogKey(int key, ShiftState shift) { return false; }
    // An accelerator character (the letter after '&' in a caption); true when handled.
    virtual bool DialogChar(char ch) { return false; }

    virtual void Click();

    void Loaded() override;
    void Notification(Component* c, Operation operation) override;

    NotifyEvent OnClick;
    NotifyEvent OnResize;
    MouseEvent OnMouseDown;
    MouseEvent OnMouseUp;
    MouseMoveEvent OnMouseMove;
    NotifyEvent OnMouseEnter;
    NotifyEvent OnMouseLeave;

    // The application installs the hint report: every mouse move over a control reaches it.
    using HintHook = std::function<void(Control* control)>;
    static void SetHintHook(HintHook hook);
    // The system cursor of a cursor number (the arrow for unknown numbers; nullptr for crNone).
    static HCURSOR CursorHandle(int cursor);
    // Turns '&x' into the accelerator character 'x' (upper case); 0 if none.
    static char AcceleratorOf(const std::string& caption);

    // True while the pointer is over the control (between the enter and leave notices).
    bool MouseInControl() const { return mouseIn_; }

protected:
    // Reactions to property changes; overrides call the base.
    virtual void BoundsChanged() {}
    virtual void VisibleChanged();
    virtual void EnabledChanged();
    virtual void ColorChanged();
    virtual void FontChanged();
    virtual void TextChanged();
    virtual void CursorChanged() {}
    virtual void Resize();

    virtual void MouseDown(MouseButton button, ShiftState shift, int x, int y);
    virtual void MouseMove(ShiftState shift, int x, int y);
    virtual void MouseUp(MouseButton button, ShiftState shift, int x, int y);
    virtual void MouseEnter();
    virtual void MouseLeave();

    // Keeps the bounds without moving anything (the window moved by itself).
    void UpdateBoundsFromWindow(int left, int top, int width, int height);
    // The parent's colour/font/show-hint changed: take them where inherited.
    void ParentColorChanged();
    void ParentFontChanged();
    // Sends a message to the default handling: the base does nothing.
    virtual void DefaultHandler(Message& m) { m.result = 0; }

    // Mouse input of a windowless control arrives here from the parent, in its own coordinates.
    void HandleMouseMessage(Message& m);

    // Opens the popup menu of this control or of the nearest parent that has one; false if none.
    virtual bool PopupContextMenu(int screenX, int screenY);
    // Constrains a proposed size by Constraints (0 means no limit).
    void ApplyConstraints(int& width, int& height) const;

    friend class WinControl;

    WinControl* parent_ = nullptr;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool mouseIn_ = false;

private:
    void SetFontSilently(const fw::Font& f);

    Align align_ = Align::None;
    bool visible_ = true;
    bool enabled_ = true;
    bool clicked_ = false;
    Color color_ = clBtnFace;
    bool parentColor_ = false;
    fw::Font font_;
    bool parentFont_ = true;
    bool fontFromParent_ = false;
    std::string caption_;
    int cursor_ = crDefault;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    SizeConstraints constraints_;
    ComponentRef<Component> popupMenu_;
    WindowProcedure windowProc_;
};

} // namespace fw
