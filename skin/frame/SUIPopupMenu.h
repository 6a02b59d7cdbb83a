#pragma once
// A popup menu whose items are all drawn by the skin (TsuiMenuLook). Items made in code after
// loading are drawn by the skin once HookItemDrawing runs again.

#include "framework/core/ComponentRef.h"
#include "framework/menus/PopupMenu.h"
#include "skin/frame/SUIMenuLook.h"
#include "skin/styles/SUIThemeFile.h"

class TsuiPopupMenu : public fw::PopupMenu, public TsuiMenuLook {
public:
    explicit TsuiPopupMenu(fw::Component* owner);
    ~TsuiPopupMenu() override;

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    // Always owner-drawn; writing it changes nothing.
    bool OwnerDraw() const override { return true; }
    void SetOwnerDraw(bool) override {}

    // Takes the style's heights and colours.
    void SetUIStyle(TsuiUIStyle style);
    TsuiFileTheme* FileTheme() const { return fileTheme_.Get(); }
    void SetFileTheme(TsuiFileTheme* theme);

    // Gives every item below the menu the skin's measuring and drawing.
    void HookItemDrawing() { HookItems(Items()); }

    void Loaded() override;
    void Notification(fw::Component* c, fw::Operation operation) override;

    // The check mark of checked items without an image, shared by every skinned popup menu.
    static const fw::ImageList& CheckImages();

protected:
    const fw::ImageList* ItemImages() const override { return Images(); }
    const fw::ImageList& CheckMarks() const override { return CheckImages(); }

private:
    fw::ComponentRef<TsuiFileTheme> fileTheme_;
};
