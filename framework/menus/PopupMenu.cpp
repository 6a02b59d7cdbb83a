#include "framework/menus/PopupMenu.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/EnumInfo.h"

#include <vector>

namespace fw {

PopupMenu::PopupMenu(Component* owner) : Menu(owner), popupComponent_(*this) {}

PopupMenu::~PopupMenu() { BeginDestroy(); }

const EnumInfo& PopupMenu::AlignmentInfo() {
    static const EnumInfo info("TPopupAlignment", std::vector<std::string>{"paLeft", "paRight", "paCenter"});
    return info;
}

const EnumInfo& PopupMenu::TrackButtonInfo() {
    static const EnumInfo info("TTrackButton", std::vector<std::string>{"tbRightButton", "tbLeftButton"});
    return info;
}

const EnumInfo& PopupMenu::MenuAnimationInfo() {
    static const EnumInfo info("TMenuAnimations", std::vector<std::string>{"maLeftToRight", "maRightToLeft",
                                                                          "maTopToBottom", "maBottomToTop", "maNone"});
    return info;
}

const ClassInfo& PopupMenu::StaticClass() {
    static const ClassInfo& info =
        ClassBuilder<PopupMenu>("TPopupMenu", Menu::StaticClass())
            .AddEnum("Alignment", AlignmentInfo(), &PopupMenu::Alignment, &PopupMenu::SetAlignment)
            .AddBoolean("AutoPopup", &PopupMenu::AutoPopup, &PopupMenu::SetAutoPopup)
            .AddEnum("TrackButton", TrackButtonInfo(), &PopupMenu::GetTrackButton, &PopupMenu::SetTrackButton)
            .AddSet("MenuAnimation", MenuAnimationInfo(), &PopupMenu::GetMenuAnimation, &PopupMenu::SetMenuAnimation)
            .AddEvent("OnPopup", &PopupMenu::OnPopup)
            .Register();
    return info;
}

UINT PopupMenu::TrackFlags() const {
    UINT flags = 0;
    switch (alignment_) {
    case PopupAlignment::Left: flags |= TPM_LEFTALIGN; break;
    case PopupAlignment::Right: flags |= TPM_RIGHTALIGN; break;
    case PopupAlignment::Center: flags |= TPM_CENTERALIGN; break;
    }
    flags |= trackButton_ == fw::TrackButton::LeftButton ? TPM_LEFTBUTTON : TPM_RIGHTBUTTON;
    if (animation_ & maNone) {
        flags |= TPM_NOANIMATION;
    } else {
        if (animation_ & maLeftToRight) flags |= TPM_HORPOSANIMATION;
        if (animation_ & maRightToLeft) flags |= TPM_HORNEGANIMATION;
        if (animation_ & maTopToBottom) flags |= TPM_VERPOSANIMATION;
        if (animation_ & maBottomToTop) flags |= TPM_VERNEGANIMATION;
    }
    flags |= (animation_ & maBottomToTop) ? TPM_BOTTOMALIGN : TPM_TOPALIGN;
    return flags;
}

void PopupMenu::DoPopup() { OnPopup(this); }

void PopupMenu::Popup(int x, int y) {
    popupPoint_ = Point{x, y};
    DoPopup();
    TrackItems(Items(), x, y, TrackFlags());
}

void PopupMenu::PopupFor(Component* sender, int screenX, int screenY) {
    if (!autoPopup_) return;
    SetPopupComponent(sender);
    Popup(screenX, screenY);
}

void PopupMenu::Notification(Component* c, Operation operation) {
    Menu::Notification(c, operation);
    if (operation == opRemove) popupComponent_.Removed(c);
}

} // namespace fw
