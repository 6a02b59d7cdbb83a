#pragma once
// The drawn caption of a skinned window. A background assembled from picture sections (left,
// right and a stretched client part), the caption buttons in three mouse states (the first
// button of the collection is the right-most), a control box at the left that may show the
// program's icon, and the caption text. Dragging it moves the window, its top edge answers the
// resize zones of a sizeable window, and it gives the window rounded top corners through a
// window region. The control box opens a small menu "Minimize", "Maximize/Restore", "Close".

#include "framework/controls/CustomControl.h"
#include "framework/core/Collection.h"
#include "framework/core/ComponentRef.h"
#include "framework/core/Picture.h"
#include "framework/graphics/Icon.h"
#include "skin/frame/SUIPopupMenu.h"
#include "skin/styles/SUIStyleValues.h"
#include "skin/styles/SUIThemeFile.h"
#include "skin/styles/SUIThemeTable.h"

#include <string>

namespace fw {
class Bitmap;
class EnumInfo;
class Form;
} // namespace fw

class TsuiTitleBar;

enum class TsuiTitleBarAlign { suiLeft, suiRight, suiClient };
enum class TsuiTitleBarBtnType { suiMax, suiMin, suiClose, suiHelp, suiControlBox, suiCustom };

using TsuiTitleBarButtonClickEvent = fw::Event<fw::Component*, int>;

// Shows an error box with one OK button; tests replace it to read the text instead.
using TsuiErrorBox = void (*)(const std::string& gbkText);
void SetSkinErrorBox(TsuiErrorBox box);
void ShowSkinErrorBox(const std::string& gbkText);

class TsuiTitleBarSection : public fw::CollectionItem {
public:
    explicit TsuiTitleBarSection(fw::Collection& collection);

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }
    static const fw::EnumInfo& AlignInfo();

    bool AutoSize() const { return autoSize_; }
    // Takes the picture's width when the picture holds an image (also when switched off).
    void SetAutoSize(bool v);
    int Width() const { return width_; }
    void SetWidth(int v);
    TsuiTitleBarAlign Align() const { return align_; }
    // A second client section is refused with an error box; a client section stretches.
    void SetAlign(TsuiTitleBarAlign a);
    fw::Picture& Picture() { return picture_; }
    const fw::Picture& Picture() const { return picture_; }
    void SetPicture(const fw::Picture& p);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);

    // Width, Align, Picture, Stretch, AutoSize, through the setters.
    void Assign(const fw::CollectionItem& source) override;

private:
    bool autoSize_ = false;
    int width_ = 10;
    TsuiTitleBarAlign align_ = TsuiTitleBarAlign::suiLeft;
    fw::Picture picture_;
    bool stretch_ = false;
};

class TsuiTitleBarButton : public fw::CollectionItem {
public:
    explicit TsuiTitleBarButton(fw::Collection& collection);

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }
    static const fw::EnumInfo& ButtonTypeInfo();

    TsuiUIStyle UIStyle() const { return uiStyle_; }
    void SetUIStyle(TsuiUIStyle style);
    TsuiTitleBarBtnType ButtonType() const { return type_; }
    // A second control box is refused with an error box.
    void SetButtonType(TsuiTitleBarBtnType t);
    // Pixels of the colour of the picture's lower-left pixel are left out.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    int Top() const { return top_; }
    void SetTop(int v);
    fw::PopupMenu* ControlBoxMenu() const { return controlBoxMenu_; }
    void SetControlBoxMenu(fw::PopupMenu* menu);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    fw::Picture& PicNormal() { return picNormal_; }
    fw::Picture& PicMouseOn() { return picMouseOn_; }
    fw::Picture& PicMouseDown() { return picMouseDown_; }
    const fw::Picture& PicNormal() const { return picNormal_; }
    const fw::Picture& PicMouseOn() const { return picMouseOn_; }
    const fw::Picture& PicMouseDown() const { return picMouseDown_; }
    int Width() const { return picNormal_.Width(); }
    int Height() const { return picNormal_.Height(); }

    // The three pictures of the style (file theme when the title bar uses one), frames of
    // TitleBarButtonImage by type; custom buttons keep theirs.
    void ReloadPictures();
    // A maximise button: the restore frames while the window is maximised, else the maximise ones.
    void UpdateMaxRestorePictures();
    // The window action of the button's type.
    void DoClick();

    // Visible, ButtonType, Transparent, Top, UIStyle, the three pictures, ControlBoxMenu.
    void Assign(const fw::CollectionItem& source) override;

    // The title bar holding the collection, or nullptr.
    TsuiTitleBar* TitleBar() const;

private:
    void LoadFrames(int first);

    TsuiUIStyle uiStyle_ = TsuiUIStyle::DeepBlue;
    TsuiTitleBarBtnType type_ = TsuiTitleBarBtnType::suiCustom;
    bool transparent_ = false;
    int top_ = 2;
    fw::PopupMenu* controlBoxMenu_ = nullptr;
    bool visible_ = true;
    fw::Picture picNormal_;
    fw::Picture picMouseOn_;
    fw::Picture picMouseDown_;
};

class TsuiTitleBarSections : public fw::OwnedCollection<TsuiTitleBarSection> {
public:
    using OwnedCollection::OwnedCollection;
    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }
};

class TsuiTitleBarButtons : public fw::OwnedCollection<TsuiTitleBarButton> {
public:
    using OwnedCollection::OwnedCollection;
    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }
};

// The control box's menu: "Minimize", "Maximize/Restore", "-", "Close".
class TsuiTitleBarPopupMenu : public TsuiPopupMenu {
public:
    explicit TsuiTitleBarPopupMenu(TsuiTitleBar* titleBar);

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    // Enables each item when the title bar has a button of its kind (visible or not), then opens.
    void Popup(int x, int y) override;

private:
    void MinimizeClick(fw::Component* sender);
    void MaxRestoreClick(fw::Component* sender);
    void CloseClick(fw::Component* sender);

    TsuiTitleBar* titleBar_;
};

class TsuiTitleBar : public fw::CustomControl {
public:
    explicit TsuiTitleBar(fw::Component* owner);
    ~TsuiTitleBar() override;

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    TsuiUIStyle UIStyle() const { return uiStyle_; }
    void SetUIStyle(TsuiUIStyle style);
    TsuiFileTheme* FileTheme() const { return fileTheme_.Get(); }
    void SetFileTheme(TsuiFileTheme* theme);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    TsuiTitleBarSections& Sections() { return sections_; }
    void SetSections(const fw::Collection& c) { sections_.Assign(c); }
    TsuiTitleBarButtons& Buttons() { return buttons_; }
    void SetButtons(const fw::Collection& c) { buttons_.Assign(c); }
    int ButtonInterval() const { return buttonInterval_; }
    void SetButtonInterval(int v);
    bool FormActive() const { return formActive_; }
    void SetFormActive(bool v);
    int LeftBtnXOffset() const { return leftBtnXOffset_; }
    void SetLeftBtnXOffset(int v);
    int RightBtnXOffset() const { return rightBtnXOffset_; }
    void SetRightBtnXOffset(int v);
    bool DrawAppIcon() const { return drawAppIcon_; }
    void SetDrawAppIcon(bool v);
    int RoundCorner() const { return roundCorner_; }
    void SetRoundCorner(int v);

    int HotButton() const { return hotButton_; }
    bool ButtonPressed() const { return buttonPressed_; }
    TsuiTitleBarPopupMenu& SystemMenu() { return *systemMenu_; }
    fw::Color CornerColor() const { return cornerColor_; }
    int CaptionAreaHeight() const { return captionAreaHeight_; }
    int CaptionTop() const { return captionTop_; }

    // The parent is a skinned form.
    bool IsOnSkinnedForm() const;
    // On a skinned form that is not in the middle of a change of look (which sets the region
    // once, at its end).
    bool SetsRegionNow() const;
    // The form the title bar is shown in, or nullptr.
    fw::Form* ParentFormOf() const;
    // Gives the parent form its region again (after every size change of its window).
    void UpdateWindowRegion();
    void RefreshMaxButtons();
    // Region of the parent form: top corners rounded by `w`, a plain rectangle for 0.
    void SetWindowRegion(int w);

    // Where the buttons and the caption were drawn by the latest paint (title bar coordinates).
    fw::Rect ButtonRect(int index) const;
    int CaptionLeft() const { return captionLeft_; }
    const std::string& DrawnCaption() const { return drawnCaption_; }

    TsuiStyleValues StyleValues() const;

    void Notification(fw::Component* c, fw::Operation operation) override;

    TsuiTitleBarButtonClickEvent OnCustomBtnsClick;
    TsuiTitleBarButtonClickEvent OnHelpBtnClick;

protected:
    virtual void DrawSections(fw::Bitmap& buffer);
    virtual void DrawButtons(fw::Bitmap& buffer);

    void Paint() override;
    void TextChanged() override;
    void FontChanged() override;
    void MouseDown(fw::MouseButton button, fw::ShiftState shift, int x, int y) override;
    void MouseMove(fw::ShiftState shift, int x, int y) override;
    void MouseUp(fw::MouseButton button, fw::ShiftState shift, int x, int y) override;
    void MouseLeave() override;
    void WndProc(fw::Message& m) override;
    void WMNCHitTest(fw::Message& m) override;

private:
    void LoadSections(const TsuiStyleValues& values);
    bool ParentMaximized() const;
    void PopupSystemMenu();

    TsuiUIStyle uiStyle_ = TsuiUIStyle::DeepBlue;
    fw::ComponentRef<TsuiFileTheme> fileTheme_;
    bool autoSize_ = false;
    TsuiTitleBarSections sections_;
    TsuiTitleBarButtons buttons_;
    int buttonInterval_ = 0;
    bool formActive_ = true;
    int leftBtnXOffset_ = 0;
    int rightBtnXOffset_ = 0;
    bool drawAppIcon_ = false;
    int roundCorner_ = 0;

    bool buttonPressed_ = false;
    int hotButton_ = -1;
    fw::Color cornerColor_ = fw::clBlack;
    int captionAreaHeight_ = 0;
    int captionTop_ = 0;
    bool keepFontColor_ = false;
    TsuiTitleBarPopupMenu* systemMenu_ = nullptr;

    std::vector<fw::Rect> buttonRects_;
    int captionLeft_ = 0;
    std::string drawnCaption_;
    // The program's icon, loaded by the first paint that shows it: each load makes a user
    // object, a round trip to the window server.
    fw::Icon appIcon_;
    bool appIconLoaded_ = false;
};
