#include "skin/frame/SUIMainMenu.h"

#include "framework/forms/Form.h"
#include "skin/frame/SUIForm.h"
#include "skin/styles/SUIThemes.h"

TsuiMainMenu::TsuiMainMenu(fw::Component* owner)
    : fw::MainMenu(owner), checkImages_(NewCheckImages()), fileTheme_(*this) {
    fw::MainMenu::SetImages(&checkImages_);
    SetUIStyle(GetSUIFormStyle(owner));
    // The skinned form draws the bar: the form's native one goes, and the first skinned form
    // on it shows this menu.
    auto* form = dynamic_cast<fw::Form*>(owner);
    if (form == nullptr) return;
    form->SetMenu(nullptr);
    for (int i = 0; i < form->ControlCount(); ++i)
        if (auto* skinned = dynamic_cast<TsuiForm*>(form->Controls(i))) {
            skinned->SetMenu(this);
            break;
        }
}

TsuiMainMenu::~TsuiMainMenu() {
    BeginDestroy();
    // The form has heard of the removal and freed its bar by now; nothing may call back.
    linkedForm_ = nullptr;
}

const fw::ClassInfo& TsuiMainMenu::StaticClass() {
    using M = TsuiMainMenu;
    static const fw::ClassInfo& info = []() -> const fw::ClassInfo& {
        fw::ClassBuilder<M> b("TsuiMainMenu", fw::MainMenu::StaticClass());
        b.AddBoolean("OwnerDraw", &M::OwnerDraw, &M::SetOwnerDraw)
            .AddEnum("UIStyle", UIStyleInfo(), &M::UIStyle, &M::SetUIStyle)
            .AddReference("FileTheme", &M::FileTheme, &M::SetFileTheme);
        AddProperties(b);
        return b.Register();
    }();
    return info;
}

void TsuiMainMenu::SetUIStyle(TsuiUIStyle style) {
    ApplyUIStyle(style, fileTheme_.Get());
    // The bar draws with the menu's style.
    if (linkedForm_ != nullptr) linkedForm_->UpdateMenuBarFont();
}

void TsuiMainMenu::SetFileTheme(TsuiFileTheme* theme) {
    fileTheme_.Set(theme);
    SetUIStyle(UIStyle());
}

void TsuiMainMenu::SetUseSystemFont(bool v) {
    TsuiMenuLook::SetUseSystemFont(v);
    if (linkedForm_ != nullptr) linkedForm_->UpdateMenuBarFont();
}

const fw::ImageList* TsuiMainMenu::Images() const {
    const fw::ImageList* images = fw::MainMenu::Images();
    return images == &checkImages_ ? nullptr : images;
}

void TsuiMainMenu::SetImages(const fw::ImageList* images) {
    fw::MainMenu::SetImages(images != nullptr ? images : &checkImages_);
}

void TsuiMainMenu::Loaded() {
    fw::MainMenu::Loaded();
    HookItemDrawing();
    if (linkedForm_ != nullptr) linkedForm_->RebuildMenuBar();
}

void TsuiMainMenu::MenuChanged(fw::MenuItem* source, bool rebuild) {
    fw::MainMenu::MenuChanged(source, rebuild);
    if (linkedForm_ == nullptr) return;
    // A top-level item added, removed, shown or hidden changes the bar's buttons; a bar left
    // as it was would keep a button of a destroyed item.
    const bool topLevel = source == nullptr || source == &Items() || source->Parent() == &Items();
    if (rebuild && topLevel)
        linkedForm_->RebuildMenuBar();
    else
        linkedForm_->SyncMenuBar();
}

void TsuiMainMenu::Notification(fw::Component* c, fw::Operation operation) {
    fw::MainMenu::Notification(c, operation);
    if (operation == fw::opRemove && fileTheme_.Removed(c) && !IsDestroying()) SetUIStyle(TsuiUIStyle::DeepBlue);
}
