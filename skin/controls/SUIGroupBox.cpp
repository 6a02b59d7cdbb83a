#include "skin/controls/SUIGroupBox.h"

#include "framework/core/ClassBuilder.h"
#include "framework/graphics/Canvas.h"
#include "skin/styles/SUIPublic.h"
#include "skin/styles/SUIThemes.h"

#include <cstdlib>

namespace {

constexpr fw::Color kDisabledCaption = 0x808080;

} // namespace

TsuiCustomGroupBox::TsuiCustomGroupBox(fw::Component* owner) : TsuiCustomPanel(owner), fileTheme_(*this) {
    fw::Control::SetCaption(" ");
    SetBounds(Left(), Top(), 185, 105);
    SetParentColor(true);
    SetTransparent(false);
    SetUIStyle(GetSUIFormStyle(owner));
}

TsuiCustomGroupBox::~TsuiCustomGroupBox() {
    BeginDestroy();
    DestroyHandle();
}

const fw::ClassInfo& TsuiCustomGroupBox::StaticClass() {
    using G = TsuiCustomGroupBox;
    static const fw::ClassInfo& info =
        fw::ClassBuilder<G>("TsuiCustomGroupBox", TsuiCustomPanel::StaticClass())
            .AddColor("BorderColor", &G::BorderColor, &G::SetBorderColor)
            .AddText("Caption", &G::Caption, &G::SetCaption)
            .AddReference("FileTheme", &G::FileTheme, &G::SetFileTheme)
            .AddEnum("UIStyle", UIStyleInfo(), &G::UIStyle, &G::SetUIStyle)
            .AddBoolean("Transparent", &G::Transparent, &G::SetTransparent)
            .Register();
    return info;
}

void TsuiCustomGroupBox::SetBorderColor(fw::Color c) {
    borderColor_ = c;
    Invalidate();
}

void TsuiCustomGroupBox::SetCaption(const std::string& gbk) {
    caption_ = gbk;
    Invalidate();
}

void TsuiCustomGroupBox::SetUIStyle(TsuiUIStyle style) {
    uiStyle_ = style;
    ApplyStyle(uiStyle_, fileTheme_.Get());
}

void TsuiCustomGroupBox::SetFileTheme(TsuiFileTheme* theme) {
    fileTheme_.Set(theme);
    SetUIStyle(uiStyle_);
}

void TsuiCustomGroupBox::Notification(fw::Component* c, fw::Operation operation) {
    TsuiCustomPanel::Notification(c, operation);
    if (operation != fw::opRemove || !fileTheme_.Removed(c) || IsDestroying()) return;
    ContainerApplyUIStyle(this, TsuiUIStyle::DeepBlue, nullptr);
    SetUIStyle(TsuiUIStyle::DeepBlue);
}

void TsuiCustomGroupBox::ApplyStyle(TsuiUIStyle style, TsuiFileTheme* fileTheme) {
    ContainerApplyUIStyle(this, style, fileTheme);
    const TsuiStyleValues values(fileTheme, style);
    SetBorderColor(values.Color(TsuiThemeElement::ControlBorderColor));
    Font().SetColor(values.Color(TsuiThemeElement::ControlFontColor));
}

void TsuiCustomGroupBox::Paint() {
    fw::Canvas& canvas = Canvas();
    const fw::Rect r = ClientRect();
    if (Transparent())
        TsuiCustomPanel::Paint();
    else
        FillRectColor(canvas, r, GetColor());
    canvas.Font() = Font();
    const int top = std::abs(Font().Height()) / 2 + r.Top + 1;
    const int captionWidth = caption_.empty() ? 0 : canvas.TextWidth(caption_);
    // One line from just right of the top-left corner round the left, bottom and right edges
    // and back along the top up to the caption (the whole width without one).
    const int captionEnd = captionWidth > 0 ? r.Left + captionWidth + 6 : r.Left;
    const fw::Point frame[] = {{r.Left + 2, top},       {r.Left, top},     {r.Left, r.Bottom - 1},
                               {r.Right - 1, r.Bottom - 1}, {r.Right - 1, top}, {captionEnd, top}};
    canvas.Pen().SetColor(borderColor_);
    canvas.Polyline(frame);
    canvas.Font() = Font();
    if (!Enabled()) canvas.Font().SetColor(kDisabledCaption);
    canvas.Brush().SetStyle(fw::BrushStyle::Clear);
    canvas.TextOut(5, 0, caption_);
}

void TsuiCustomGroupBox::EnabledChanged() {
    TsuiCustomPanel::EnabledChanged();
    // Index by index: a child reacting to the change may change the children.
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetEnabled(Enabled());
    Invalidate();
}

void TsuiCustomGroupBox::FontChanged() {
    TsuiCustomPanel::FontChanged();
    Realign();
    Invalidate();
}

void TsuiCustomGroupBox::TextChanged() {
    TsuiCustomPanel::TextChanged();
    Invalidate();
}

void TsuiCustomGroupBox::AdjustClientRect(fw::Rect& r) const {
    r = fw::Rect{r.Left + 3, r.Top + std::abs(Font().Height()) + 5, r.Right - 3, r.Bottom - 3};
}
