#include "framework/menus/MenuPainter.h"

#include "framework/graphics/Canvas.h"
#include "framework/graphics/ImageList.h"
#include "framework/core/WideText.h"

#include <windows.h>

#include <algorithm>

namespace fw {

namespace {

constexpr int kSeparatorHeight = 8;
constexpr int kTextGap = 4;        // between the gutter and the caption
constexpr int kShortCutGap = 16;   // between the caption and the shortcut text
constexpr int kArrowRoom = 16;     // right of the text, where sub-menu arrows go
constexpr int kBarPadding = 6;     // left and right of a bar item's caption
constexpr int kCheckSize = 12;

void DrawCheckMark(Canvas& canvas, int left, int top, Color color) {
    // A tick two pixels thick, sized like the system's check mark.
    canvas.Pen().SetColor(color);
    canvas.Pen().SetWidth(1);
    for (int dy = 0; dy < 2; ++dy) {
        canvas.MoveTo(left + 2, top + 5 + dy);
        canvas.LineTo(left + 4, top + 7 + dy);
        canvas.LineTo(left + 9, top + 2 + dy);
    }
}

} // namespace

Font MenuPainter::SystemMenuFont() {
    Font font;
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return font;
    const LOGFONTW& lf = metrics.lfMenuFont;
    font.SetName(WideToGbk(lf.lfFaceName));
    if (lf.lfHeight != 0) font.SetHeight(lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight);
    font.SetCharset(lf.lfCharSet);
    unsigned style = 0;
    if (lf.lfWeight >= FW_BOLD) style |= fsBold;
    if (lf.lfItalic) style |= fsItalic;
    font.SetStyle(style);
    font.SetColor(clMenuText);
    return font;
}

int MenuPainter::GutterWidth(const ImageList* images) {
    const int image = images != nullptr ? images->Width() : 0;
    return std::max(image, kCheckSize) + 8;
}

bool MenuPainter::HasImage(const MenuItem& item, const ImageList* images) {
    return images != nullptr && item.ImageIndex() >= 0 && item.ImageIndex() < images->Count();
}

Size MenuPainter::DefaultSize(const MenuItem& item, Canvas& canvas, bool barItem, const ImageList* images) {
    if (item.IsLine() && !barItem) return Size{kArrowRoom, kSeparatorHeight};
    // Default items are measured bold; the canvas goes on to the item's own handler unchanged.
    const Font font = canvas.Font();
    if (item.Default()) canvas.Font().SetStyle(font.Style() | fsBold);
    Rect text{0, 0, 0, 0};
    canvas.DrawText(item.Caption().empty() ? std::string(" ") : item.Caption(), text, DT_SINGLELINE | DT_CALCRECT);
    canvas.Font() = font;
    const int textHeight = text.Height();
    if (barItem) return Size{text.Width() + 2 * kBarPadding, textHeight + 6};
    int width = GutterWidth(images) + kTextGap + text.Width() + kArrowRoom;
    const std::string shortCut = ShortCutToText(item.ShortCut());
    if (!shortCut.empty()) width += kShortCutGap + canvas.TextWidth(shortCut);
    int height = std::max(textHeight + 6, kCheckSize + 6);
    if (images != nullptr) height = std::max(height, images->Height() + 4);
    return Size{width, height};
}

void MenuPainter::Draw(const MenuItem& item, Canvas& canvas, const Rect& rect, OwnerDrawState state, bool barItem,
                       const ImageList* images) {
    const bool disabled = (state & (odDisabled | odGrayed)) != 0 || !item.Enabled();
    const bool highlighted = (state & (odSelected | odHotLight)) != 0 && !disabled && !item.IsLine();
    canvas.Brush().SetColor(highlighted ? clHighlight : (barItem ? clMenuBar : clMenu));
    canvas.FillRect(rect);
    if (item.IsLine() && !barItem) {
        RECT line{rect.Left + 2, rect.Top + rect.Height() / 2 - 1, rect.Right - 2, rect.Top + rect.Height() / 2 + 1};
        DrawEdge(canvas.Handle(), &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    const Color textColor = disabled ? clGrayText : (highlighted ? clHighlightText : clMenuText);
    canvas.Font().SetColor(textColor);
    if (item.Default()) canvas.Font().SetStyle(canvas.Font().Style() | fsBold);
    canvas.Brush().SetStyle(BrushStyle::Clear);
    const unsigned prefix = (state & odNoAccel) != 0 ? DT_HIDEPREFIX : 0;
    if (barItem) {
        Rect r = rect;
        canvas.DrawText(item.Caption(), r, DT_SINGLELINE | DT_VCENTER | DT_CENTER | prefix);
        return;
    }
    const int gutter = GutterWidth(images);
    if (HasImage(item, images)) {
        const int x = rect.Left + (gutter - images->Width()) / 2;
        const int y = rect.Top + (rect.Height() - images->Height()) / 2;
        if (item.Checked()) {
            canvas.Brush().SetColor(textColor);
            canvas.FrameRect(Rect{x - 2, y - 2, x + images->Width() + 2, y + images->Height() + 2});
            canvas.Brush().SetStyle(BrushStyle::Clear);
        }
        images->Draw(canvas, x, y, item.ImageIndex(), !disabled);
    } else if (item.Checked()) {
        DrawCheckMark(canvas, rect.Left + (gutter - kCheckSize) / 2, rect.Top + (rect.Height() - kCheckSize) / 2,
                      textColor);
    }
    Rect caption{rect.Left + gutter + kTextGap, rect.Top, rect.Right - kArrowRoom, rect.Bottom};
    canvas.DrawText(item.Caption(), caption, DT_SINGLELINE | DT_VCENTER | DT_LEFT | prefix);
    const std::string shortCut = ShortCutToText(item.ShortCut());
    if (!shortCut.empty()) {
        Rect keys{rect.Left + gutter, rect.Top, rect.Right - kArrowRoom, rect.Bottom};
        canvas.DrawText(shortCut, keys, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
    }
}

} // namespace fw
