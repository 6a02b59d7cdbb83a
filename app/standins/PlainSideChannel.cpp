#include "app/standins/PlainSideChannel.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/EnumInfo.h"

#include <vector>

TPlainSideChannel::TPlainSideChannel(fw::Component* owner) : fw::Panel(owner) {
    SetBevelOuter(fw::BevelCut::None);
    SetColor(fw::clWhite);
    SetCaption("SideChannel");
    SetAlign(fw::Align::Left);
    SetWidth(BarWidth);
}

const fw::EnumInfo& TPlainSideChannel::AlignInfo() {
    static const fw::EnumInfo info("TsuiSideChannelAlign", std::vector<std::string>{"suiLeft", "suiRight"});
    return info;
}

const fw::ClassInfo& TPlainSideChannel::StaticClass() {
    static const fw::ClassInfo& info =
        fw::ClassBuilder<TPlainSideChannel>("TPlainSideChannel", fw::Panel::StaticClass())
            .AddInteger("Width", &TPlainSideChannel::OpenWidth, &TPlainSideChannel::SetOpenWidth)
            .AddEnum("Align", AlignInfo(), &TPlainSideChannel::SideAlign, &TPlainSideChannel::SetSideAlign)
            // Always 10: writing it changes nothing.
            .AddInteger("SideBarWidth", [](const TPlainSideChannel&) { return BarWidth; }, [](TPlainSideChannel&, int) {})
            .AddColor("SideBarColor", &TPlainSideChannel::SideBarColor, &TPlainSideChannel::SetSideBarColor)
            .AddEvent("OnPop", &TPlainSideChannel::OnPop)
            .AddEvent("OnPush", &TPlainSideChannel::OnPush)
            .Register();
    return info;
}

void TPlainSideChannel::SetOpenWidth(int width) {
    openWidth_ = width;
    if (opened_) SetWidth(width);
}

void TPlainSideChannel::SetSideAlign(TsuiSideChannelAlign a) {
    sideAlign_ = a;
    SetAlign(a == TsuiSideChannelAlign::suiRight ? fw::Align::Right : fw::Align::Left);
}

void TPlainSideChannel::SetSideBarColor(fw::Color c) {
    sideBarColor_ = c;
    Invalidate();
}

void TPlainSideChannel::Loaded() {
    fw::Panel::Loaded();
    // The channel starts closed.
    SetWidth(BarWidth);
}

void TPlainSideChannel::Pop() {
    if (opened_) return;
    opened_ = true;
    SetWidth(openWidth_);
    Invalidate();
    OnPop(this);
}

void TPlainSideChannel::Push() {
    if (!opened_) return;
    opened_ = false;
    SetWidth(BarWidth);
    Invalidate();
    OnPush(this);
}

void TPlainSideChannel::MouseUp(fw::MouseButton button, fw::ShiftState shift, int x, int y) {
    fw::Panel::MouseUp(button, shift, x, y);
    if (opened_)
        Push();
    else
        Pop();
}

void TPlainSideChannel::Paint() {
    fw::Canvas& canvas = Canvas();
    const fw::Rect r = ClientRect();
    canvas.Brush().SetStyle(fw::BrushStyle::Solid);
    canvas.Brush().SetColor(GetColor());
    canvas.FillRect(r);
    canvas.Brush().SetColor(sideBarColor_);
    canvas.FillRect(fw::Rect{r.Left, r.Top, r.Left + BarWidth, r.Bottom});
    canvas.Brush().SetColor(fw::clGray);
    canvas.FrameRect(r);
    if (opened_) DrawCaption(fw::Rect{r.Left + BarWidth, r.Top, r.Right, r.Top + 20});
    fw::CustomControl::Paint();
}
