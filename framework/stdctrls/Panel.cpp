#include "framework/stdctrls/Panel.h"

#include "framework/core/ClassBuilder.h"
#include "framework/stdctrls/Frame3D.h"

namespace fw {

namespace {

void DrawBevel(Canvas& canvas, Rect& r, BevelCut cut, int width) {
    switch (cut) {
    case BevelCut::Lowered: Frame3D(canvas, r, clBtnShadow, clBtnHighlight, width); break;
    case BevelCut::Raised: Frame3D(canvas, r, clBtnHighlight, clBtnShadow, width); break;
    case BevelCut::Space: r = r.Inflate(-width, -width); break;
    case BevelCut::None: break;
    }
}

} // namespace

Panel::Panel(Component* owner) : CustomControl(owner) {
    SetBounds(0, 0, 185, 41);
    SetDoubleBuffered(true);
}

const ClassInfo& Panel::StaticClass() {
    static const ClassInfo& info =
        ClassBuilder<Panel>("TPanel", CustomControl::StaticClass())
            .AddEnum("BevelInner", BevelCutInfo(), &Panel::BevelInner, &Panel::SetBevelInner)
            .AddEnum("BevelOuter", BevelCutInfo(), &Panel::BevelOuter, &Panel::SetBevelOuter)
            .AddInteger("BevelWidth", &Panel::BevelWidth, &Panel::SetBevelWidth)
            .AddInteger("BorderWidth", &Panel::BorderWidth, &Panel::SetBorderWidth)
            .AddEnum("BorderStyle", ControlBorderStyleInfo(), &Panel::BorderStyle, &Panel::SetBorderStyle)
            .AddEnum("Alignment", AlignmentInfo(), &Panel::Alignment, &Panel::SetAlignment)
            .Register();
    return info;
}

void Panel::CreateParams(WindowParams& params) {
    CustomControl::CreateParams(params);
    if (borderStyle_ == ControlBorderStyle::Single) params.exStyle |= WS_EX_CLIENTEDGE;
}

void Panel::AdjustClientRect(Rect& r) const {
    int inset = borderWidth_;
    if (bevelOuter_ != BevelCut::None) inset += bevelWidth_;
    if (bevelInner_ != BevelCut::None) inset += bevelWidth_;
    r = r.Inflate(-inset, -inset);
}

void Panel::DrawBevels(Rect& r) {
    fw::Canvas& canvas = Canvas();
    DrawBevel(canvas, r, bevelOuter_, bevelWidth_);
    r = r.Inflate(-borderWidth_, -borderWidth_);
    DrawBevel(canvas, r, bevelInner_, bevelWidth_);
}

void Panel::DrawCaption(const Rect& r) {
    if (Caption().empty()) return;
    fw::Canvas& canvas = Canvas();
    canvas.Brush().SetStyle(BrushStyle::Clear);
    canvas.Font() = Font();
    if (!Enabled()) canvas.Font().SetColor(clGrayText);
    unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
    if (alignment_ == fw::Alignment::Center) flags |= DT_CENTER;
    if (alignment_ == fw::Alignment::RightJustify) flags |= DT_RIGHT;
    Rect text = r;
    canvas.DrawText(Caption(), text, flags);
}

void Panel::Paint() {
    fw::Canvas& canvas = Canvas();
    Rect r = ClientRect();
    canvas.Brush().SetColor(GetColor());
    canvas.FillRect(r);
    DrawBevels(r);
    DrawCaption(r);
    CustomControl::Paint();
}

void Panel::BevelsChanged() {
    Realign();
    Invalidate();
}

void Panel::SetBevelInner(BevelCut b) {
    if (b == bevelInner_) return;
    bevelInner_ = b;
    BevelsChanged();
}

void Panel::SetBevelOuter(BevelCut b) {
    if (b == bevelOuter_) return;
    bevelOuter_ = b;
    BevelsChanged();
}

void Panel::SetBevelWidth(int pixels) {
    if (pixels < 1) pixels = 1;
    if (pixels == bevelWidth_) return;
    bevelWidth_ = pixels;
    BevelsChanged();
}

void Panel::SetBorderWidth(int pixels) {
    if (pixels < 0) pixels = 0;
    if (pixels == borderWidth_) return;
    borderWidth_ = pixels;
    BevelsChanged();
}

void Panel::SetBorderStyle(ControlBorderStyle s) {
    if (s == borderStyle_) return;
    borderStyle_ = s;
    if (!HandleAllocated()) return;
    HWND h = Handle();
    LONG_PTR ex = GetWindowLongPtrW(h, GWL_EXSTYLE);
    ex = s == ControlBorderStyle::Single ? (ex | WS_EX_CLIENTEDGE) : (ex & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE));
    SetWindowLongPtrW(h, GWL_EXSTYLE, ex);
    SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    BevelsChanged();
}

void Panel::SetAlignment(fw::Alignment a) {
    if (a == alignment_) return;
    alignment_ = a;
    Invalidate();
}

} // namespace fw
