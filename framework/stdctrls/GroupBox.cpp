#include "framework/stdctrls/GroupBox.h"

#include "framework/core/ClassBuilder.h"
#include "framework/graphics/MeasuringCanvas.h"
#include "framework/stdctrls/Frame3D.h"

namespace fw {

GroupBox::GroupBox(Component* owner) : CustomControl(owner) {
    SetBounds(0, 0, 185, 105);
    SetDoubleBuffered(true);
    SetParentColor(true);
}

const ClassInfo& GroupBox::StaticClass() {
    static const ClassInfo& info = ClassBuilder<GroupBox>("TGroupBox", CustomControl::StaticClass()).Register();
    return info;
}

int GroupBox::CaptionHeight() const {
    return MeasuringCanvas(Font())->TextHeight("0");
}

void GroupBox::AdjustClientRect(Rect& r) const {
    r = Rect{r.Left + 2, r.Top + CaptionHeight() + 2, r.Right - 2, r.Bottom - 2};
}

void GroupBox::Paint() {
    fw::Canvas& canvas = Canvas();
    const Rect client = ClientRect();
    canvas.Brush().SetColor(GetColor());
    canvas.FillRect(client);
    canvas.Font() = Font();
    const int h = canvas.TextHeight("0");
    EtchedFrame(canvas, Rect{client.Left, client.Top + h / 2 - 1, client.Right, client.Bottom});
    if (!Caption().empty()) {
        // The caption sits on its own background, cutting the frame's top edge.
        Rect text{8, 0, 8, h};
        canvas.DrawText(Caption(), text, DT_SINGLELINE | DT_CALCRECT);
        text.Right += 2;
        canvas.FillRect(Rect{text.Left - 1, 0, text.Right, h});
        canvas.Brush().SetStyle(BrushStyle::Clear);
        if (!Enabled()) canvas.Font().SetColor(clGrayText);
        canvas.DrawText(Caption(), text, DT_SINGLELINE);
    }
    CustomControl::Paint();
}

void GroupBox::FontChanged() {
    CustomControl::FontChanged();
    Realign();
}

} // namespace fw
