#pragma once
// The main menu of a skinned form: placed on a form, it detaches the form's native menu bar and
// becomes the Menu of the form's skinned form, which shows its top-level items as buttons of
// a drawn menu bar and routes its shortcut keys. The drop-down items are drawn like a skinned
// popup menu's (TsuiMenuLook); the form hears of every change of the items and of the font.

#include "framework/core/ComponentRef.h"
#include "framework/graphics/ImageList.h"
#include "framework/menus/MainMenu.h"
#include "skin/frame/SUIMenuLook.h"
#include "skin/styles/SUIThemeFile.h"

class TsuiForm;

class TsuiMainMenu : public fw::MainMenu, public TsuiMenuLook {
public:
    explicit TsuiMainMenu(fw::Component* owner);
    ~TsuiMainMenu() override;

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    // Always owner-drawn; writing it changes nothing.
    bool OwnerDraw() const override { return true; }
    void SetOwnerDraw(bool) override {}

    // Takes the style's heights and colours and repaints the menu bar showing the menu.
    void SetUIStyle(TsuiUIStyle style);
    TsuiFileTheme* FileTheme() const { return fileTheme_.Get(); }
    void SetFileTheme(TsuiFileTheme* theme);
    // The menu bar takes the new font at once.
    void SetUseSystemFont(bool v) override;

    // The application's images, or nullptr while the menu's own check mark list stands in for
    // them; writing nullptr puts that list back.
    const fw::ImageList* Images() const override;
    void SetImages(const fw::ImageList* images) override;
    // The menu's own list: the check mark of checked items without an image.
    const fw::ImageList& CheckImages() const { return checkImages_; }

    // The skinned form showing this menu; the form sets and clears it.
    TsuiForm* LinkedForm() const { return linkedForm_; }
    void SetLinkedForm(TsuiForm* form) { linkedForm_ = form; }

    // Gives every item below the menu the skin's measuring and drawing.
    void HookItemDrawing() { HookItems(Items()); }

    void Loaded() override;
    void Notification(fw::Component* c, fw::Operation operation) override;

protected:
    void MenuChanged(fw::MenuItem* source, bool rebuild) override;
    const fw::ImageList* ItemImages() const override { return Images(); }
    const fw::ImageList& CheckMarks() const override { return checkImages_; }

private:
    fw::ImageList checkImages_;
    fw::ComponentRef<TsuiFileTheme> fileTheme_;
    TsuiForm* linkedForm_ = nullptr;
};
