#pragma once
// A popup menu whose items are all drawn by the skin: item and separator heights, a coloured bar
// on the left, the selected item's highlight, fonts, check marks and images follow the UI
// style (MacOS draws with its menu pictures). Items made in code after loading are drawn by
// the skin once HookItemDrawing runs again.

#include "framework/core/Color.h"
#include "framework/core/ComponentRef.h"
#include "framework/menus/PopupMenu.h"
#include "skin/styles/SUIThemeFile.h"
#include "skin/styles/SUIThemeTable.h"

#include <string>

namespace fw {
class ImageList;
}

class TsuiPopupMenu : public fw::PopupMenu {
public:
    explicit TsuiPopupMenu(fw::Component* owner);
    ~TsuiPopupMenu() override;

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    // Always owner-drawn; writing it changes nothing.
    bool OwnerDraw() const override { return true; }
    void SetOwnerDraw(bool) override {}

    TsuiUIStyle UIStyle() const { return uiStyle_; }
    // Takes the style's heights and colours (see the fields below).
    void SetUIStyle(TsuiUIStyle style);
    TsuiFileTheme* FileTheme() const { return fileTheme_.Get(); }
    void SetFileTheme(TsuiFileTheme* theme);

    // Both are fixed (20 and 12) while the style is MacOS, whose pictures have those heights.
    int MenuItemHeight() const { return itemHeight_; }
    void SetMenuItemHeight(int v);
    int SeparatorHeight() const { return separatorHeight_; }
    void SetSeparatorHeight(int v);
    // The left bar; 0 or less draws none.
    int BarWidth() const { return barWidth_; }
    void SetBarWidth(int v) { barWidth_ = v; }
    fw::Color BarColor() const { return barColor_; }
    void SetBarColor(fw::Color c) { barColor_ = c; }
    fw::Color Color() const { return color_; }
    void SetColor(fw::Color c) { color_ = c; }
    fw::Color SeparatorColor() const { return separatorColor_; }
    void SetSeparatorColor(fw::Color c) { separatorColor_ = c; }
    fw::Color SelectedBorderColor() const { return selectedBorderColor_; }
    void SetSelectedBorderColor(fw::Color c) { selectedBorderColor_ = c; }
    // The selected item's fill, and the box behind a checked item's image.
    fw::Color SelectedColor() const { return selectedColor_; }
    void SetSelectedColor(fw::Color c) { selectedColor_ = c; }
    fw::Color SelectedFontColor() const { return selectedFontColor_; }
    void SetSelectedFontColor(fw::Color c) { selectedFontColor_ = c; }
    fw::Color FontColor() const { return fontColor_; }
    void SetFontColor(fw::Color c) { fontColor_ = c; }
    // Kept for stored windows; the drawing does not use it.
    fw::Color BorderColor() const { return borderColor_; }
    void SetBorderColor(fw::Color c) { borderColor_ = c; }
    // A flat one-pixel border instead of the system's raised menu frame.
    bool FlatMenu() const { return flatMenu_; }
    void SetFlatMenu(bool v) { flatMenu_ = v; }
    // The item font when UseSystemFont is off (FontSize in points).
    const std::string& FontName() const { return fontName_; }
    void SetFontName(const std::string& v) { fontName_ = v; }
    int FontSize() const { return fontSize_; }
    void SetFontSize(int v) { fontSize_ = v; }
    int FontCharset() const { return fontCharset_; }
    void SetFontCharset(int v) { fontCharset_ = v; }
    bool UseSystemFont() const { return useSystemFont_; }
    void SetUseSystemFont(bool v) { useSystemFont_ = v; }

    // Gives every item below the menu the skin's measuring and drawing.
    void HookItemDrawing();
    // Separators ("-") are SeparatorHeight high, other items MenuItemHeight; the width is the
    // caption's and the shortcut's text widths plus BarWidth plus 40.
    void MeasureMenuItem(fw::Component* item, fw::Canvas& canvas, int& width, int& height);
    void DrawMenuItem(fw::Component* item, fw::Canvas& canvas, const fw::Rect& rect, bool selected);

    void Loaded() override;
    void Notification(fw::Component* c, fw::Operation operation) override;

    // The check mark of checked items without an image, shared by every skinned menu.
    static const fw::ImageList& CheckImages();

private:
    void DrawBackground(fw::Canvas& canvas, const fw::Rect& r);

    TsuiUIStyle uiStyle_ = TsuiUIStyle::DeepBlue;
    fw::ComponentRef<TsuiFileTheme> fileTheme_;
    int itemHeight_ = 21;
    int separatorHeight_ = 21;
    int barWidth_ = 0;
    fw::Color barColor_ = fw::clBtnFace;
    fw::Color color_ = fw::clWhite;
    fw::Color separatorColor_ = 0x808080;
    fw::Color selectedBorderColor_ = fw::clHighlight;
    fw::Color selectedColor_ = fw::clHighlight;
    fw::Color selectedFontColor_ = fw::clWhite;
    fw::Color fontColor_ = fw::clWhite;
    fw::Color borderColor_ = fw::clBlack;
    // The style's FormBackgroundColor, the edge colour of the flat border.
    fw::Color edgeColor_ = fw::clBtnFace;
    bool flatMenu_ = false;
    std::string fontName_ = "MS Sans Serif";
    int fontSize_ = 8;
    int fontCharset_ = fw::Font::DefaultCharset;
    bool useSystemFont_ = true;
};
