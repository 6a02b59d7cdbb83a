#pragma once
// A menu that opens at a point of the screen: Popup(x, y) runs OnPopup, shows the items as a
// native popup menu (owner-drawn when OwnerDraw is on) and clicks the chosen item once the
// menu has closed. Assigned to a control's PopupMenu it opens on a right click there.

#include "framework/controls/Control.h"
#include "framework/menus/Menu.h"

namespace fw {

class EnumInfo;

// Where the menu stands relative to x: its left edge, right edge or middle at x.
enum class PopupAlignment { Left, Right, Center };
// The mouse button that chooses items while the menu is open.
enum class TrackButton { RightButton, LeftButton };
// Directions the menu may unfold in; maBottomToTop also puts its bottom edge at y, so it
// opens upwards from the point (a menu over the notification area).
using MenuAnimation = unsigned;
constexpr MenuAnimation maLeftToRight = 1u << 0, maRightToLeft = 1u << 1, maTopToBottom = 1u << 2,
                        maBottomToTop = 1u << 3, maNone = 1u << 4;

class PopupMenu : public Menu, public PopupMenuTarget {
public:
    explicit PopupMenu(Component* owner);
    ~PopupMenu() override;

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }
    static const EnumInfo& AlignmentInfo();
    static const EnumInfo& TrackButtonInfo();
    static const EnumInfo& MenuAnimationInfo();

    PopupAlignment Alignment() const { return alignment_; }
    void SetAlignment(PopupAlignment a) { alignment_ = a; }
    fw::TrackButton GetTrackButton() const { return trackButton_; }
    void SetTrackButton(fw::TrackButton b) { trackButton_ = b; }
    fw::MenuAnimation GetMenuAnimation() const { return animation_; }
    void SetMenuAnimation(fw::MenuAnimation a) { animation_ = a; }
    // Whether a right click on a control that names this menu opens it.
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool v) { autoPopup_ = v; }

    // Opens the menu at a screen point and returns once it has closed (after the chosen
    // item's click). Items with no visible entries open nothing.
    virtual void Popup(int x, int y);
    // The control that opened the menu by a right click (nullptr after Popup from code).
    Component* PopupComponent() const { return popupComponent_.Get(); }
    void SetPopupComponent(Component* c) { popupComponent_.Set(c); }
    // The point of the latest Popup.
    Point PopupPoint() const { return popupPoint_; }

    // The TPM_* flags Popup passes to the system.
    UINT TrackFlags() const;

    void PopupFor(Component* sender, int screenX, int screenY) override;
    void Notification(Component* c, Operation operation) override;

    NotifyEvent OnPopup;

protected:
    // Runs OnPopup; derived menus update their items here.
    virtual void DoPopup();

private:
    PopupAlignment alignment_ = PopupAlignment::Left;
    fw::TrackButton trackButton_ = fw::TrackButton::RightButton;
    fw::MenuAnimation animation_ = 0;
    bool autoPopup_ = true;
    ComponentRef<Component> popupComponent_;
    Point popupPoint_;
};

} // namespace fw
