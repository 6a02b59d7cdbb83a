#include "skin/frame/SUIMenuLook.h"

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/ImageList.h"
#include "framework/menus/MenuItem.h"
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

bool IsSeparator(const fw::MenuItem& item) { return item.Caption() == "-"; }

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

void TsuiMenuLook::ApplyUIStyle(TsuiUIStyle style, TsuiFileTheme* theme) {
    uiStyle_ = style;
    barWidth_ = 26;
    const bool mac = style == TsuiUIStyle::MacOS;
    itemHeight_ = mac ? 20 : 21;
    separatorHeight_ = mac ? 12 : 5;
    separatorColor_ = mac ? fw::clBlack : kOtherSeparator;
    const TsuiStyleValues values(theme, style);
    barColor_ = values.Color(TsuiThemeElement::MenuBarColor);
    color_ = values.Color(TsuiThemeElement::MenuBackgroundColor);
    fontColor_ = values.Color(TsuiThemeElement::MenuFontColor);
    selectedBorderColor_ = values.Color(TsuiThemeElement::MenuSelectedBorderColor);
    selectedColor_ = values.Color(TsuiThemeElement::MenuSelectedBackgroundColor);
    selectedFontColor_ = values.Color(TsuiThemeElement::MenuSelectedFontColor);
    edgeColor_ = values.Color(TsuiThemeElement::FormBackgroundColor);
}

void TsuiMenuLook::SetMenuItemHeight(int v) {
    if (uiStyle_ != TsuiUIStyle::MacOS) itemHeight_ = v;
}

void TsuiMenuLook::SetSeparatorHeight(int v) {
    if (uiStyle_ != TsuiUIStyle::MacOS) separatorHeight_ = v;
}

fw::ImageList TsuiMenuLook::NewCheckImages() {
    fw::Bitmap mark;
    LoadSkinBitmap("MENU_CHECKED", mark);
    fw::ImageList list(16, 16);
    list.AddMasked(mark, fw::clWhite);
    return list;
}

void TsuiMenuLook::HookItems(fw::MenuItem& root) {
    const auto measure = [this](fw::Component* item, fw::Canvas& canvas, int& width, int& height) {
        MeasureMenuItem(item, canvas, width, height);
    };
    const auto draw = [this](fw::Component* item, fw::Canvas& canvas, const fw::Rect& rect, bool selected) {
        DrawMenuItem(item, canvas, rect, selected);
    };
    for (int i = 0; i < root.Count(); ++i) SetMenuItemDrawEvents(root.Items(i), measure, draw);
}

void TsuiMenuLook::MeasureMenuItem(fw::Component* sender, fw::Canvas& canvas, int& width, int& height) {
    const auto* item = dynamic_cast<const fw::MenuItem*>(sender);
    if (item == nullptr) return;
    height = IsSeparator(*item) ? separatorHeight_ : itemHeight_;
    width = canvas.TextWidth(item->Caption()) + canvas.TextWidth(fw::ShortCutToText(item->ShortCut())) + barWidth_ + 40;
}

void TsuiMenuLook::ApplyItemFont(fw::Font& font) const {
    if (useSystemFont_) {
        SetSystemMenuFont(font);
        return;
    }
    font.SetName(fontName_);
    HDC screen = GetDC(nullptr);
    font.SetHeight(MulDiv(fontSize_, GetDeviceCaps(screen, LOGPIXELSY), 72));
    ReleaseDC(nullptr, screen);
    font.SetCharset(fontCharset_);
}

void TsuiMenuLook::DrawBackground(fw::Canvas& canvas, const fw::Rect& r) {
    if (barWidth_ > 0) FillRectColor(canvas, fw::Rect{r.Left, r.Top, r.Left + barWidth_, r.Bottom}, barColor_);
    FillRectColor(canvas, fw::Rect{r.Left + barWidth_, r.Top, r.Right, r.Bottom}, color_);
}

void TsuiMenuLook::DrawMenuItem(fw::Component* sender, fw::Canvas& canvas, const fw::Rect& r, bool selected) {
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
    ApplyItemFont(font);
    font.SetColor(!enabled ? kGrayText : selected ? selectedFontColor_ : fontColor_);
    if (item->Default()) font.SetStyle(font.Style() | fw::fsBold);
    canvas.Brush().SetStyle(fw::BrushStyle::Clear);
    fw::Rect text{r.Left + barWidth_ + 4, r.Top + 4, r.Right, r.Bottom};
    canvas.DrawText(item->Caption(), text, DT_SINGLELINE);
    const std::string shortCut = fw::ShortCutToText(item->ShortCut());
    if (!shortCut.empty()) canvas.TextOut(r.Right - canvas.TextWidth(shortCut) - 16, r.Top + 4, shortCut);

    const fw::ImageList* images = ItemImages();
    const bool hasImage = HasValidImage(*item, images);
    if (item->Checked()) {
        if (hasImage) {
            FrameRectColor(canvas, fw::Rect{r.Left + 2, r.Top + 1, r.Left + 21, r.Top + 20}, fw::clBlack);
            FillRectColor(canvas, fw::Rect{r.Left + 3, r.Top + 2, r.Left + 20, r.Top + 19}, selectedColor_);
        } else {
            CheckMarks().Draw(canvas, r.Left + 4, r.Top + 3, 0, enabled);
        }
    }
    if (hasImage) images->Draw(canvas, r.Left + 4, r.Top + 3, item->ImageIndex(), enabled);
}
