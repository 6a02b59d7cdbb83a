#pragma once
// The look of a skinned menu's items, shared by the skinned popup menu and the skinned main
// menu's drop-downs: item and separator heights, a coloured bar on the left, the selected
// item's highlight, fonts, check marks and images follow the UI style (MacOS draws with its
// menu pictures). A skinned menu derives from its framework menu and from this class, hooks its
// items to MeasureMenuItem and DrawMenuItem (HookItems) and says which images it draws.

#include "framework/core/ClassBuilder.h"
#include "framework/core/Color.h"
#include "framework/core/Font.h"
#include "framework/graphics/Geometry.h"
#include "skin/styles/SUIThemeTable.h"

#include <string>

namespace fw {
class Canvas;
class Component;
class ImageList;
class MenuItem;
} // namespace fw
class TsuiFileTheme;

class TsuiMenuLook {
public:
    TsuiMenuLook() = default;
    TsuiMenuLook(const TsuiMenuLook&) = delete;
    TsuiMenuLook& operator=(const TsuiMenuLook&) = delete;
    virtual ~TsuiMenuLook() = default;

    TsuiUIStyle UIStyle() const { return uiStyle_; }

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
    virtual void SetUseSystemFont(bool v) { useSystemFont_ = v; }
    // `font` becomes the item font: the system menu font, or FontName, FontSize and FontCharset.
    void ApplyItemFont(fw::Font& font) const;

    // Separators ("-") are SeparatorHeight high, other items MenuItemHeight; the width is the
    // caption's and the shortcut's text widths plus BarWidth plus 40.
    void MeasureMenuItem(fw::Component* item, fw::Canvas& canvas, int& width, int& height);
    void DrawMenuItem(fw::Component* item, fw::Canvas& canvas, const fw::Rect& rect, bool selected);

    // A new list holding the check mark of checked items without an image.
    static fw::ImageList NewCheckImages();

    // Registers the look's properties on a skinned menu class (UIStyle, FileTheme and
    // OwnerDraw are the menu's own).
    template <class M>
    static void AddProperties(fw::ClassBuilder<M>& b) {
        b.AddInteger("MenuItemHeight", &M::MenuItemHeight, &M::SetMenuItemHeight)
            .AddInteger("SeparatorHeight", &M::SeparatorHeight, &M::SetSeparatorHeight)
            .AddInteger("BarWidth", &M::BarWidth, &M::SetBarWidth)
            .AddColor("BarColor", &M::BarColor, &M::SetBarColor)
            .AddColor("Color", &M::Color, &M::SetColor)
            .AddColor("SeparatorColor", &M::SeparatorColor, &M::SetSeparatorColor)
            .AddColor("SelectedBorderColor", &M::SelectedBorderColor, &M::SetSelectedBorderColor)
            .AddColor("SelectedColor", &M::SelectedColor, &M::SetSelectedColor)
            .AddColor("SelectedFontColor", &M::SelectedFontColor, &M::SetSelectedFontColor)
            .AddColor("FontColor", &M::FontColor, &M::SetFontColor)
            .AddColor("BorderColor", &M::BorderColor, &M::SetBorderColor)
            .AddBoolean("FlatMenu", &M::FlatMenu, &M::SetFlatMenu)
            .AddText("FontName", &M::FontName, &M::SetFontName)
            .AddInteger("FontSize", &M::FontSize, &M::SetFontSize)
            .AddInteger("FontCharset", &M::FontCharset, &M::SetFontCharset, &fw::Font::CharsetInfo())
            .AddBoolean("UseSystemFont", &M::UseSystemFont, &M::SetUseSystemFont);
    }

protected:
    // Takes the style's heights and colours (from `theme` when it is usable).
    void ApplyUIStyle(TsuiUIStyle style, TsuiFileTheme* theme);
    // Gives `root` and every item below it MeasureMenuItem and DrawMenuItem.
    void HookItems(fw::MenuItem& root);
    // The images of the items' ImageIndex (nullptr for none), and the list whose image 0 is
    // the check mark.
    virtual const fw::ImageList* ItemImages() const = 0;
    virtual const fw::ImageList& CheckMarks() const = 0;

private:
    void DrawBackground(fw::Canvas& canvas, const fw::Rect& r);

    TsuiUIStyle uiStyle_ = TsuiUIStyle::DeepBlue;
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
