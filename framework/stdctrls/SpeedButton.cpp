#include "framework/stdctrls/SpeedButton.h"

#include "framework/controls/WinControl.h"
#include "framework/core/ClassBuilder.h"
#include "framework/core/EnumInfo.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/ImageList.h"
#include "framework/graphics/PictureLoader.h"
#include "framework/stdctrls/Frame3D.h"

#include <memory>

namespace fw {

SpeedButton::SpeedButton(Component* owner) : GraphicControl(owner) {
    SetBounds(0, 0, 23, 22);
    glyph_.OnChange = [this] { Invalidate(); };
}

const EnumInfo& SpeedButton::ButtonLayoutInfo() {
    static const EnumInfo info("TButtonLayout",
                               std::vector<std::string>{"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"});
    return info;
}

const ClassInfo& SpeedButton::StaticClass() {
    static const ClassInfo& info =
        ClassBuilder<SpeedButton>("TSpeedButton", GraphicControl::StaticClass())
            .AddPicture("Glyph", static_cast<Picture& (SpeedButton::*)()>(&SpeedButton::Glyph), &SpeedButton::SetGlyph)
            .AddInteger("GroupIndex", &SpeedButton::GroupIndex, &SpeedButton::SetGroupIndex)
            .AddBoolean("AllowAllUp", &SpeedButton::AllowAllUp, &SpeedButton::SetAllowAllUp)
            .AddBoolean("Down", &SpeedButton::Down, &SpeedButton::SetDown)
            .AddBoolean("Flat", &SpeedButton::Flat, &SpeedButton::SetFlat)
            .AddEnum("Layout", ButtonLayoutInfo(), &SpeedButton::Layout, &SpeedButton::SetLayout)
            .AddInteger("Spacing", &SpeedButton::Spacing, &SpeedButton::SetSpacing)
            .AddInteger("Margin", &SpeedButton::Margin, &SpeedButton::SetMargin)
            .Register();
    return info;
}

void SpeedButton::SetGlyphBitmap(const Bitmap& bitmap) { glyph_.SetGraphic(std::make_shared<Bitmap>(bitmap)); }

void SpeedButton::SetGroupIndex(int index) {
    if (index == groupIndex_) return;
    groupIndex_ = index;
    if (groupIndex_ == 0)
        SetDown(false);
    else if (down_)
        LiftOthers();
}

void SpeedButton::SetAllowAllUp(bool v) { allowAllUp_ = v; }

void SpeedButton::SetDown(bool v) {
    // Only a grouped button stays down; the last one of a group stays unless all may be up.
    if (groupIndex_ == 0) v = false;
    if (v == down_) return;
    if (!v && !allowAllUp_ && groupIndex_ != 0) return;
    down_ = v;
    if (down_) LiftOthers();
    Invalidate();
}

void SpeedButton::LiftOthers() {
    if (Parent() == nullptr || groupIndex_ == 0) return;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        auto* other = dynamic_cast<SpeedButton*>(Parent()->Controls(i));
        if (other == nullptr || other == this || other->groupIndex_ != groupIndex_ || !other->down_) continue;
        other->down_ = false;
        other->Invalidate();
    }
}

void SpeedButton::SetFlat(bool v) {
    if (v == flat_) return;
    flat_ = v;
    Invalidate();
}

void SpeedButton::SetLayout(ButtonLayout l) {
    if (l == layout_) return;
    layout_ = l;
    Invalidate();
}

void SpeedButton::SetSpacing(int pixels) {
    spacing_ = pixels;
    Invalidate();
}

void SpeedButton::SetMargin(int pixels) {
    margin_ = pixels;
    Invalidate();
}

void SpeedButton::Click() {
    if (groupIndex_ != 0) SetDown(!down_);
    GraphicControl::Click();
}

void SpeedButton::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    if (button == MouseButton::Left && Enabled()) {
        tracking_ = true;
        pressed_ = true;
        Invalidate();
    }
    GraphicControl::MouseDown(button, shift, x, y);
}

void SpeedButton::MouseMove(ShiftState shift, int x, int y) {
    if (tracking_) {
        const bool inside = ClientRect().Contains(x, y);
        if (inside != pressed_) {
            pressed_ = inside;
            Invalidate();
        }
    }
    GraphicControl::MouseMove(shift, x, y);
}

void SpeedButton::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
    if (button == MouseButton::Left && tracking_) {
        tracking_ = false;
        pressed_ = false;
        Invalidate();
    }
    GraphicControl::MouseUp(button, shift, x, y);
}

void SpeedButton::MouseEnter() {
    GraphicControl::MouseEnter();
    if (flat_) Invalidate();
}

void SpeedButton::MouseLeave() {
    GraphicControl::MouseLeave();
    if (flat_) Invalidate();
}

void SpeedButton::EnabledChanged() {
    if (!Enabled()) {
        tracking_ = false;
        pressed_ = false;
    }
    GraphicControl::EnabledChanged();
}

void SpeedButton::Paint() {
    fw::Canvas& canvas = Canvas();
    Rect r = ClientRect();
    const bool sunk = pressed_ || down_;
    const bool edge = !flat_ || sunk || (MouseInControl() && Enabled());
    if (!flat_) {
        canvas.Brush().SetColor(GetColor());
        canvas.FillRect(r);
    } else if (down_ && !pressed_) {
        // A flat button held down shows a lighter face.
        canvas.Brush().SetColor(clBtnHighlight);
        canvas.FillRect(r);
    }
    if (edge) {
        Rect frame = r;
        if (sunk)
            Frame3D(canvas, frame, clBtnShadow, clBtnHighlight);
        else
            Frame3D(canvas, frame, clBtnHighlight, clBtnShadow);
    }
    DrawContent(sunk ? r.Offset(1, 1) : r);
    GraphicControl::Paint();
}

void SpeedButton::DrawContent(const Rect& r) {
    fw::Canvas& canvas = Canvas();
    const Bitmap* glyph = PictureBitmap(glyph_);
    const Size glyphSize = glyph != nullptr ? Size{glyph->Width(), glyph->Height()} : Size{};
    canvas.Font() = Font();
    const Size textSize = Caption().empty() ? Size{} : canvas.TextExtent(Caption());
    const int gap = glyphSize.Width > 0 && textSize.Width > 0 ? spacing_ : 0;
    const bool horizontal = layout_ == ButtonLayout::GlyphLeft || layout_ == ButtonLayout::GlyphRight;
    const int total = horizontal ? glyphSize.Width + gap + textSize.Width : glyphSize.Height + gap + textSize.Height;
    const int extent = horizontal ? r.Width() : r.Height();
    const int start = margin_ < 0 ? (extent - total) / 2 : margin_;
    Point glyphAt{r.Left + (r.Width() - glyphSize.Width) / 2, r.Top + (r.Height() - glyphSize.Height) / 2};
    Point textAt{r.Left + (r.Width() - textSize.Width) / 2, r.Top + (r.Height() - textSize.Height) / 2};
    switch (layout_) {
    case ButtonLayout::GlyphLeft:
        glyphAt.X = r.Left + start;
        textAt.X = glyphAt.X + glyphSize.Width + gap;
        break;
    case ButtonLayout::GlyphRight:
        glyphAt.X = r.Right - start - glyphSize.Width;
        textAt.X = glyphAt.X - gap - textSize.Width;
        break;
    case ButtonLayout::GlyphTop:
        glyphAt.Y = r.Top + start;
        textAt.Y = glyphAt.Y + glyphSize.Height + gap;
        break;
    case ButtonLayout::GlyphBottom:
        glyphAt.Y = r.Bottom - start - glyphSize.Height;
        textAt.Y = glyphAt.Y - gap - textSize.Height;
        break;
    }
    if (glyph != nullptr && !glyph->Empty()) {
        ImageList images(glyph->Width(), glyph->Height());
        images.AddMasked(*glyph, glyph->Pixel(0, glyph->Height() - 1));
        images.Draw(canvas, glyphAt.X, glyphAt.Y, 0, Enabled());
    }
    if (!Caption().empty()) {
        canvas.Brush().SetStyle(BrushStyle::Clear);
        if (!Enabled()) canvas.Font().SetColor(clGrayText);
        canvas.TextOut(textAt.X, textAt.Y, Caption());
    }
}

} // namespace fw
