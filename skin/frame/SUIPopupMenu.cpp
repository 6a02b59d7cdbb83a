#include "skin/frame/SUIPopupMenu.h"

#include "framework/core/ClassBuilder.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/ImageList.h"
#include "framework/menus/ShortCut.h"
#include "framework/system/DeviceContextScope.h"
#include "skin/styles/SUIMenuDraw.h"
#include "skin/styles/SUIPublic.h"
#include "skin/styles/SUIStyleValues.h"
#include "skin/styles/SUIThemes.h"

#include <windows.h>

namespace {

constexpr fw::Color kGrayText = 0x808080;
constexpr fw::Color kOtherSeparator = 0x848284;

bool IsSeparator(const fw::MenuItem& item) {
    return item.Caption() == "-";
}

// The image list shows this item's image.
bool HasValidImage(const fw::MenuItem& item, const fw::ImageList* images) {
    return item.ImageIndex() != -1 && images != nullptr && item.ImageIndex() < images->Count();
}

// The border around the open menu goes onto the menu window itself: drawn on the screen
// beside it, it would lie under the window wherever the system keeps windows apart.
void DrawFlatBorder(HDC itemDc, fw::Color edge) {
    HWND window = WindowFromDC(itemDc);
    RECT bounds;
    if (window == nullptr || !GetWindowRect(window, &bounds)) return;
    const fw::DeviceContextScope dc = fw::DeviceContextScope::Window(window);
    if (dc.Handle() == nullptr) return;
    fw::Canvas canvas(dc.Handle());
    DrawMenuWindowBorder(canvas, fw::Rect{0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top}, fw::clBlack, edge);
}

} // namespace

TsuiPopupMenu::TsuiPopupMenu(fw::Component* owner) : fw::PopupMenu(owner), fileTheme_(*this) {
    SetUIStyle(GetSUIFormStyle(owner));
}

TsuiPopupMenu::~TsuiPopupMenu() { BeginDestroy(); }

const fw::ClassInfo& TsuiPopupMenu::StaticClass() {
    using M = TsuiPopupMenu;
    static const fw::ClassInfo& info =
        fw::ClassBuilder<M>("TsuiPopupMenu", fw::PopupMenu::StaticClass())
            .AddBoolean("OwnerDraw", &M::OwnerDraw, &M::SetOwnerDraw)
            .AddEnum("UIStyle", UIStyleInfo(), &M::UIStyle, &M::SetUIStyle)
            .AddReference("FileTheme", &M::FileTheme, &M::SetFileTheme)
            .AddInteger("MenuItemHeight", &M::MenuItemHeight, &M::SetMenuItemHeight)
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
            .AddBoolean("UseSystemFont", &M::UseSystemFont, &M::SetUseSystemFont)
            .Register();
    return info;
}

void TsuiPopupMenu::SetUIStyle(TsuiUIStyle style) {
    uiStyle_ = style;
    barWidth_ = 26;
    const bool mac = style == TsuiUIStyle::MacOS;
    itemHeight_ = mac ? 20 : 21;
    separatorHeight_ = mac ? 12 : 5;
    separatorColor_ = mac ? fw::clBlack : kOtherSeparator;
    const TsuiStyleValues values(fileTheme_.Get(), style);
    barColor_ = values.Color(TsuiThemeElement::MenuBarColor);
    color_ = values.Color(TsuiThemeElement::MenuBackgroundColor);
    fontColor_ = values.Color(TsuiThemeElement::MenuFontColor);
    selectedBorderColor_ = values.Color(TsuiThemeElement::MenuSelectedBorderColor);
    selectedColor_ = values.Color(TsuiThemeElement::MenuSelectedBackgroundColor);
    selectedFontColor_ = values.Color(TsuiThemeElement::MenuSelectedFontColor);
    edgeColor_ = values.Color(TsuiThemeElement::FormBackgroundColor);
}

void TsuiPopupMenu::SetFileTheme(TsuiFileTheme* theme) {
    fileTheme_.Set(theme);
    SetUIStyle(uiStyle_);
}

void TsuiPopupMenu::SetMenuItemHeight(int v) {
    if (uiStyle_ != TsuiUIStyle::MacOS) itemHeight_ = v;
}

void TsuiPopupMenu::SetSeparatorHeight(int v) {
    if (uiStyle_ != TsuiUIStyle::MacOS) separatorHeight_ = v;
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
    static const fw::ImageList images = [] {
        fw::Bitmap mark;
        LoadSkinBitmap("MENU_CHECKED", mark);
        fw::ImageList list(16, 16);
        list.AddMasked(mark, fw::clWhite);
        return list;
    }();
    return images;
}

void TsuiPopupMenu::HookItemDrawing() {
    const auto measure = [this](fw::Component* item, fw::Canvas& canvas, int& width, int& height) {
        MeasureMenuItem(item, canvas, width, height);
    };
    const auto draw = [this](fw::Component* item, fw::Canvas& canvas, const fw::Rect& rect, bool selected) {
        DrawMenuItem(item, canvas, rect, selected);
    };
    for (int i = 0; i < Items().Count(); ++i) SetMenuItemDrawEvents(Items().Items(i), measure, draw);
}

void TsuiPopupMenu::MeasureMenuItem(fw::Component* sender, fw::Canvas& canvas, int& width, int& height) {
    const auto* item = dynamic_cast<const fw::MenuItem*>(sender);
    if (item == nullptr) return;
    height = IsSeparator(*item) ? separatorHeight_ : itemHeight_;
    width = canvas.TextWidth(item->Caption()) + canvas.TextWidth(fw::ShortCutToText(item->ShortCut())) + barWidth_ + 40;
}

void TsuiPopupMenu::DrawBackground(fw::Canvas& canvas, const fw::Rect& r) {
    if (barWidth_ > 0) FillRectColor(canvas, fw::Rect{r.Left, r.Top, r.Left + barWidth_, r.Bottom}, barColor_);
    FillRectColor(canvas, fw::Rect{r.Left + barWidth_, r.Top, r.Right, r.Bottom}, color_);
}

void TsuiPopupMenu::DrawMenuItem(fw::Component* sender, fw::Canvas& canvas, const fw::Rect& r, bool selected) {
    const auto* item = dynamic_cast<const fw::MenuItem*>(sender);
    if (item == nullptr) return;
    const bool mac = uiStyle_ == TsuiUIStyle::MacOS;
    if (flatMenu_ && canvas.HandleAllocated()) DrawFlatBorder(canvas.Handle(), edgeColor_);

    if (IsSeparator(*item)) {
        if (mac) {
            DrawMacOSMenuSeparator(canvas, r);
        } else {
            DrawBackground(canvas, r);
            DrawMenuSeparator(canvas, r, separatorColor_, barWidth_);
        }
        return;
    }
    const bool enabled = item->Enabled();
    if (selected && enabled) {
        if (mac) {
            DrawMacOSMenuSelected(canvas, r);
        } else {
            FillRectColor(canvas, r, selectedColor_);
            FrameRectColor(canvas, r, selectedBorderColor_);
        }
    } else if (mac) {
        DrawMacOSMenuBackground(canvas, r);
    } else {
        DrawBackground(canvas, r);
    }

    fw::Font& font = canvas.Font();
    if (useSystemFont_) {
        SetSystemMenuFont(font);
    } else {
        font.SetName(fontName_);
        HDC screen = GetDC(nullptr);
        font.SetHeight(MulDiv(fontSize_, GetDeviceCaps(screen, LOGPIXELSY), 72));
        ReleaseDC(nullptr, screen);
        font.SetCharset(fontCharset_);
    }
    font.SetColor(!enabled ? kGrayText : selected ? selectedFontColor_ : fontColor_);
    if (item->Default()) font.SetStyle(font.Style() | fw::fsBold);
    canvas.Brush().SetStyle(fw::BrushStyle::Clear);
    fw::Rect text{r.Left + barWidth_ + 4, r.Top + 4, r.Right, r.Bottom};
    canvas.DrawText(item->Caption(), text, DT_SINGLELINE);
    const std::string shortCut = fw::ShortCutToText(item->ShortCut());
    if (!shortCut.empty()) canvas.TextOut(r.Right - canvas.TextWidth(shortCut) - 16, r.Top + 4, shortCut);

    const bool hasImage = HasValidImage(*item, Images());
    if (item->Checked()) {
        if (hasImage) {
            FrameRectColor(canvas, fw::Rect{r.Left + 2, r.Top + 1, r.Left + 21, r.Top + 20}, fw::clBlack);
            FillRectColor(canvas, fw::Rect{r.Left + 3, r.Top + 2, r.Left + 20, r.Top + 19}, selectedColor_);
        } else {
            CheckImages().Draw(canvas, r.Left + 4, r.Top + 3, 0, enabled);
        }
    }
    if (hasImage) Images()->Draw(canvas, r.Left + 4, r.Top + 3, item->ImageIndex(), enabled);
}
