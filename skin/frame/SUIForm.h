#pragma once
// The skinned form: a panel placed on an ordinary form (its owner form) that takes over the
// form's frame. It removes the native caption and border, sends every message of the form
// through its own procedure after the previous one (border drawing, resize zones for a form
// designed sizeable, maximising to the work area, the title bar's active state and window
// region, menu shortcuts), draws a BorderWidth-wide border on the form's own surface to the
// left, right and bottom, and covers the rest with itself: the drawn title bar at its top and
// the style's background (a tiled picture in MacOS and Protein, Color otherwise) below.
// While a Menu is set, a menu bar (TsuiMenuBar) stands below the title bar.
// One skinned form per form; the window's other controls are its children.

#include "framework/core/ComponentRef.h"
#include "framework/forms/Form.h"
#include "framework/graphics/Bitmap.h"
#include "framework/menus/MainMenu.h"
#include "framework/stdctrls/Panel.h"
#include "skin/frame/SUITitleBar.h"
#include "skin/styles/SUIStyleValues.h"
#include "skin/styles/SUIThemeFile.h"
#include "skin/styles/SUIThemeTable.h"

class TsuiMenuBar;

class TsuiForm : public fw::Panel {
public:
    // The owner must be a form; a second skinned form on one form raises fw::Exception
    // "Sorry, You can create only one TsuiForm component in one form!".
    explicit TsuiForm(fw::Component* owner);
    ~TsuiForm() override;

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    TsuiUIStyle UIStyle() const { return uiStyle_; }
    // Takes the style's border colour and width and background colour, restyles the title bar
    // (and the direct children with UIStyleAutoUpdateSub), then places and paints itself.
    void SetUIStyle(TsuiUIStyle style);
    TsuiFileTheme* FileTheme() const { return fileTheme_.Get(); }
    void SetFileTheme(TsuiFileTheme* theme);
    bool UIStyleAutoUpdateSub() const { return autoUpdateSub_; }
    void SetUIStyleAutoUpdateSub(bool v) { autoUpdateSub_ = v; }

    fw::Color BorderColor() const { return borderColor_; }
    void SetBorderColor(fw::Color c);
    int BorderWidth() const { return borderWidth_; }
    // Keeps the panel's size: the owner form grows or shrinks by the difference on each side.
    void SetBorderWidth(int v);

    // The caption shown in the title bar, which is also the owner form's caption.
    const std::string& Caption() const;
    void SetCaption(const std::string& gbk);
    bool TitleBarVisible() const;
    // While SetUIStyle runs: the window's region waits for the new size and corners.
    bool Restyling() const { return restyling_; }
    void SetTitleBarVisible(bool v);
    TsuiTitleBarButtons& TitleBarButtons() { return titleBar_->Buttons(); }
    TsuiTitleBarSections& TitleBarSections() { return titleBar_->Sections(); }
    bool TitleBarDrawAppIcon() const { return titleBar_->DrawAppIcon(); }
    void SetTitleBarDrawAppIcon(bool v) { titleBar_->SetDrawAppIcon(v); }
    // The title bar's caption font (the panel's own font stays what the children inherit).
    fw::Font& TitleFont() { return titleBar_->Font(); }
    int RoundCorner() const { return titleBar_->RoundCorner(); }
    void SetRoundCorner(int v) { titleBar_->SetRoundCorner(v); }

    // The menu shown on the menu bar, whose shortcut keys the form routes; a skinned main menu
    // also takes the form's style and is linked back to the form. nullptr removes the bar.
    fw::MainMenu* Menu() const { return menu_.Get(); }
    void SetMenu(fw::MainMenu* menu);
    fw::Color MenuBarColor() const { return menuBarColor_; }
    void SetMenuBarColor(fw::Color c);
    // The height of the bar and its buttons.
    int MenuBarHeight() const { return menuBarHeight_; }
    void SetMenuBarHeight(int v);
    // The bar, present exactly while Menu is set.
    TsuiMenuBar* MenuBar() const { return menuBar_; }
    // What the menu asks of the bar: buttons for the top-level items again (after items were
    // added, removed, shown or hidden), captions and enabled states again, the menu's font.
    void RebuildMenuBar();
    void SyncMenuBar();
    void UpdateMenuBarFont();

    // A panel that fills the client area below the title bar; the skinned form itself is refused
    // with an error box.
    fw::Panel* FormPanel() const { return formPanel_.Get(); }
    void SetFormPanel(fw::Panel* panel);

    // Writing the size resizes the owner form around the panel.
    void SetPanelWidth(int w);
    void SetPanelHeight(int h);

    fw::Form* OwnerForm() const { return ownerForm_; }
    TsuiTitleBar* TitleBar() const { return titleBar_; }
    fw::BorderStyle OrgBorderStyle() const { return orgBorderStyle_; }
    TsuiStyleValues StyleValues() const { return TsuiStyleValues(fileTheme_.Get(), uiStyle_); }

    // Places the panel in the owner form: BorderWidth from the left, right and bottom, at the
    // top while the title bar shows.
    void PlaceInForm();
    // The border strips on the owner form's own surface.
    void DrawFormBorder();
    // A key-down the menu ran as one of its shortcuts (only while the form is active).
    bool CheckMenuShortCut(const fw::Message& keyMessage);

    // Shared by every skinned form.
    static int MaxRestoreCount;
    static bool MDITitleHidden;

    void Loaded() override;
    void Notification(fw::Component* c, fw::Operation operation) override;

    TsuiTitleBarButtonClickEvent& OnTitleBarCustomBtnsClick() const { return titleBar_->OnCustomBtnsClick; }
    TsuiTitleBarButtonClickEvent& OnTitleBarHelpBtnClick() const { return titleBar_->OnHelpBtnClick; }

protected:
    void Paint() override;
    void WndProc(fw::Message& m) override;

private:
    // Runs after the owner form's previous procedure for each of its messages.
    void FormWndProc(fw::Message& m);
    void FormSized();
    void FormHitTest(fw::Message& m);
    // The resize code of a screen point of the owner form (0 outside the zones or when the
    // form was not designed sizeable or is maximised).
    int ResizeZoneAt(POINT screen) const;
    void CreateMenuBar();
    void DestroyMenuBar();
    // SetUIStyle's work before the region is set.
    void ApplyUIStyle();

    fw::Form* ownerForm_ = nullptr;
    TsuiTitleBar* titleBar_ = nullptr;
    fw::Control::WindowProcedure oldWndProc_;
    fw::BorderStyle orgBorderStyle_ = fw::BorderStyle::None;
    fw::Rect startBounds_;
    bool startMaximized_ = false;
    bool ownsAppFilter_ = false;
    bool constructing_ = true;
    bool restyling_ = false;

    TsuiUIStyle uiStyle_ = TsuiUIStyle::DeepBlue;
    // The tiled background of the MacOS and Protein looks at the panel's size. The tile is 8 x 8
    // pixels, and every transparent child draws the background under it on each paint.
    fw::Bitmap background_;
    TsuiUIStyle backgroundLook_ = TsuiUIStyle::FromThemeFile;
    fw::ComponentRef<TsuiFileTheme> fileTheme_;
    bool autoUpdateSub_ = false;
    fw::Color borderColor_ = fw::clBlack;
    int borderWidth_ = 0;
    fw::ComponentRef<fw::MainMenu> menu_;
    TsuiMenuBar* menuBar_ = nullptr;
    fw::Color menuBarColor_ = fw::clBtnFace;
    int menuBarHeight_ = 22;
    fw::ComponentRef<fw::Panel> formPanel_;
};
