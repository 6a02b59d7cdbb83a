#include "skin/frame/SUIPopupMenu.h"

#include "framework/graphics/ImageList.h"
#include "skin/styles/SUIPublic.h"
#include "skin/styles/SUIThemes.h"

TsuiPopupMenu::TsuiPopupMenu(fw::Component* owner) : fw::PopupMenu(owner), fileTheme_(*this) {
    SetUIStyle(GetSUIFormStyle(owner));
}

TsuiPopupMenu::~TsuiPopupMenu() { BeginDestroy(); }

const fw::ClassInfo& TsuiPopupMenu::StaticClass() {
    using M = TsuiPopupMenu;
    static const fw::ClassInfo& info = []() -> const fw::ClassInfo& {
        fw::ClassBuilder<M> b("TsuiPopupMenu", fw::PopupMenu::StaticClass());
        b.AddBoolean("OwnerDraw", &M::OwnerDraw, &M::SetOwnerDraw)
            .AddEnum("UIStyle", UIStyleInfo(), &M::UIStyle, &M::SetUIStyle)
            .AddReference("FileTheme", &M::FileTheme, &M::SetFileTheme);
        AddProperties(b);
        return b.Register();
    }();
    return info;
}

void TsuiPopupMenu::SetUIStyle(TsuiUIStyle style) { ApplyUIStyle(style, fileTheme_.Get()); }

void TsuiPopupMenu::SetFileTheme(TsuiFileTheme* theme) {
    fileTheme_.Set(theme);
    SetUIStyle(UIStyle());
}

void TsuiPopupMenu::Loaded() {
    fw::PopupMenu::Loaded();
    HookItemDrawing();
}

void TsuiPopupMenu::Notification(fw::Component* c, fw::Operation operation) {
    fw::PopupMenu::Notification(c, operation);
    if (operation == fw::opRemove && fileTheme_.Removed(c) && !IsDestroying()) SetUIStyle(TsuiUIStyle::DeepBlue);
}

const fw::ImageList& TsuiPopupMenu::CheckImages() {
    static const fw::ImageList images = NewCheckImages();
    return images;
}
