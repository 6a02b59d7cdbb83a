#include "skin/styles/SUIMenuDraw.h"

#include "framework/core/Font.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/core/WideText.h"
#include "framework/system/DeviceContextScope.h"
#include "skin/styles/SUIThemes.h"

#include <cstddef>
#include <string>

namespace {

// The top `rows` rows of a bitmap resource, stretched over `r`.
void DrawTopRows(fw::Canvas& canvas, const fw::Rect& r, const std::string& resource, int rows) {
    fw::Bitmap picture;
    LoadSkinBitmap(resource, picture);
    picture.SetHeight(rows);
    canvas.StretchDraw(r, picture);
}

} // namespace

void SetMenuItemDrawEvents(fw::MenuItem* item, const fw::MenuMeasureItemEvent::Function& measure,
                           const fw::MenuDrawItemEvent::Function& draw) {
    if (item == nullptr) return;
    item->OnMeasureItem = measure;
    item->OnDrawItem = draw;
    for (int i = 0; i < item->Count(); ++i) SetMenuItemDrawEvents(item->Items(i), measure, draw);
}

void DrawMenuSeparator(fw::Canvas& canvas, const fw::Rect& r, fw::Color color, int leftOffset) {
    canvas.Pen().SetColor(color);
    canvas.MoveTo(r.Left + leftOffset + 4, r.Top + 2);
    canvas.LineTo(r.Right - 2, r.Top + 2);
}

void DrawMacOSMenuSeparator(fw::Canvas& canvas, const fw::Rect& r) {
    DrawTopRows(canvas, r, "MACOS_MENU_BAR", 12);
}

void DrawMacOSMenuSelected(fw::Canvas& canvas, const fw::Rect& r) {
    DrawTopRows(canvas, r, "MACOS_MENU_SELECT", 20);
}

void DrawMacOSMenuBackground(fw::Canvas& canvas, const fw::Rect& r) {
    DrawTopRows(canvas, r, "MACOS_MENU_BAR", 20);
}

void DrawMenuWindowBorder(fw::Canvas& canvas, const fw::Rect& w, fw::Color borderColor, fw::Color edgeColor) {
    canvas.Brush().SetColor(borderColor);
    canvas.FrameRect(fw::Rect{w.Left, w.Top + 1, w.Right - 1, w.Bottom - 1});
    canvas.Brush().SetColor(fw::clWhite);
    canvas.FrameRect(fw::Rect{w.Left + 1, w.Top + 2, w.Right - 2, w.Bottom - 2});
    canvas.Pen().SetColor(edgeColor);
    const fw::Point edge[] = {
        {w.Left, w.Bottom - 1}, {w.Right - 1, w.Bottom - 1}, {w.Right - 1, w.Top}, {w.Right, w.Top}, {w.Left, w.Top},
    };
    canvas.Polyline(edge);
}

void DrawMenuWindowBorder(HWND window, fw::Color borderColor, fw::Color edgeColor) {
    RECT bounds;
    if (window == nullptr || !GetWindowRect(window, &bounds)) return;
    const fw::DeviceContextScope dc = fw::DeviceContextScope::Window(GetDesktopWindow());
    if (dc.Handle() == nullptr) return;
    fw::Canvas canvas(dc.Handle());
    DrawMenuWindowBorder(canvas, fw::Rect{bounds.left, bounds.top, bounds.right, bounds.bottom}, borderColor, edgeColor);
}

void SetSystemMenuFont(fw::Font& font) {
    // The metrics as every system since the first wide one knows them (no padded border field).
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return;
    const LOGFONTW& menu = metrics.lfMenuFont;
    fw::Font system(font);
    system.SetName(fw::WideToGbk(menu.lfFaceName));
    if (menu.lfHeight != 0) system.SetHeight(menu.lfHeight < 0 ? -menu.lfHeight : menu.lfHeight);
    unsigned style = 0;
    if (menu.lfWeight >= FW_BOLD) style |= fw::fsBold;
    if (menu.lfItalic) style |= fw::fsItalic;
    if (menu.lfUnderline) style |= fw::fsUnderline;
    if (menu.lfStrikeOut) style |= fw::fsStrikeOut;
    system.SetStyle(style);
    system.SetCharset(menu.lfCharSet);
    system.SetColor(fw::clMenuText);
    font.Assign(system);
}
