#include "framework/stdctrls/Label.h"

#include "framework/core/ClassBuilder.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/MeasuringCanvas.h"

namespace fw {

Label::Label(Component* owner) : GraphicControl(owner) {
    SetBounds(0, 0, 65, 17);
    SetParentColor(true);
}

const ClassInfo& Label::StaticClass() {
    static const ClassInfo& info =
        ClassBuilder<Label>("TLabel", GraphicControl::StaticClass())
            .AddBoolean("AutoSize", &Label::AutoSize, &Label::SetAutoSize)
            .AddBoolean("Transparent", &Label::Transparent, &Label::SetTransparent)
            .AddEnum("Alignment", AlignmentInfo(), &Label::Alignment, &Label::SetAlignment)
            .AddEnum("Layout", TextLayoutInfo(), &Label::Layout, &Label::SetLayout)
            .AddBoolean("WordWrap", &Label::WordWrap, &Label::SetWordWrap)
            .AddBoolean("ShowAccelChar", &Label::ShowAccelChar, &Label::SetShowAccelChar)
            .Register();
    return info;
}

unsigned Label::TextFlags() const {
    unsigned flags = DT_EXPANDTABS;
    flags |= wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE;
    if (!showAccelChar_) flags |= DT_NOPREFIX;
    if (alignment_ == fw::Alignment::RightJustify) flags |= DT_RIGHT;
    if (alignment_ == fw::Alignment::Center) flags |= DT_CENTER;
    return flags;
}

void Label::Paint() {
    fw::Canvas& canvas = Canvas();
    const Rect client = ClientRect();
    if (!transparent_) {
        canvas.Brush().SetColor(GetColor());
        canvas.FillRect(client);
    }
    canvas.Brush().SetStyle(BrushStyle::Clear);
    canvas.Font() = Font();
    if (!Enabled()) canvas.Font().SetColor(clGrayText);
    Rect r = client;
    if (layout_ != TextLayout::Top) {
        Rect measured = client;
        canvas.DrawText(Caption().empty() ? " " : Caption(), measured, TextFlags() | DT_CALCRECT);
        const int spare = client.Height() - measured.Height();
        r.Top += layout_ == TextLayout::Center ? spare / 2 : spare;
    }
    canvas.DrawText(Caption(), r, TextFlags());
    GraphicControl::Paint();
}

void Label::AdjustBounds() {
    if (!autoSize_ || IsLoading() || IsDestroying()) return;
    Rect r{0, 0, wordWrap_ ? Width() : 0, 0};
    // An empty caption still takes the height of a line.
    MeasuringCanvas(Font())->DrawText(Caption().empty() ? " " : Caption(), r, TextFlags() | DT_CALCRECT);
    int left = Left();
    if (alignment_ == fw::Alignment::RightJustify && !wordWrap_) left += Width() - r.Width();
    SetBounds(left, Top(), r.Width(), r.Height());
}

void Label::Loaded() {
    GraphicControl::Loaded();
    AdjustBounds();
}

void Label::TextChanged() {
    GraphicControl::TextChanged();
    AdjustBounds();
}

void Label::FontChanged() {
    GraphicControl::FontChanged();
    AdjustBounds();
}

void Label::SetAutoSize(bool v) {
    if (v == autoSize_) return;
    autoSize_ = v;
    AdjustBounds();
}

void Label::SetTransparent(bool v) {
    if (v == transparent_) return;
    transparent_ = v;
    Invalidate();
}

void Label::SetAlignment(fw::Alignment a) {
    if (a == alignment_) return;
    alignment_ = a;
    Invalidate();
}

void Label::SetLayout(TextLayout l) {
    if (l == layout_) return;
    layout_ = l;
    Invalidate();
}

void Label::SetWordWrap(bool v) {
    if (v == wordWrap_) return;
    wordWrap_ = v;
    AdjustBounds();
    Invalidate();
}

void Label::SetShowAccelChar(bool v) {
    if (v == showAccelChar_) return;
    showAccelChar_ = v;
    AdjustBounds();
    Invalidate();
}

} // namespace fw
