#include "skin/controls/SUIButton.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/EnumInfo.h"
#include "framework/forms/Form.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/ImageList.h"
#include "framework/graphics/MeasuringCanvas.h"
#include "framework/graphics/Timer.h"
#include "skin/styles/SUIPublic.h"
#include "skin/styles/SUIThemes.h"

#include <algorithm>

namespace {

constexpr fw::Color kEtchLight = fw::clWhite;
constexpr fw::Color kEtchDark = 0x808080;

bool Blank(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

bool NoModifiers(fw::ShiftState shift) {
    return (shift & (fw::ssShift | fw::ssCtrl | fw::ssAlt)) == 0;
}

// Draws `text` into `r` with DrawText flags, etched when disabled.
void DrawCaption(fw::Canvas& canvas, const std::string& text, fw::Rect r, unsigned flags, bool enabled) {
    canvas.Brush().SetStyle(fw::BrushStyle::Clear);
    if (!enabled) {
        const fw::Color color = canvas.Font().Color();
        canvas.Font().SetColor(kEtchLight);
        fw::Rect shifted = r.Offset(1, 1);
        canvas.DrawText(text, shifted, flags);
        canvas.Font().SetColor(kEtchDark);
        canvas.DrawText(text, r, flags);
        canvas.Font().SetColor(color);
        return;
    }
    canvas.DrawText(text, r, flags);
}

const fw::Bitmap* BitmapOf(const fw::Picture& picture) {
    return dynamic_cast<const fw::Bitmap*>(picture.GetGraphic().get());
}

} // namespace

// --- TsuiCustomButton ---

TsuiCustomButton::TsuiCustomButton(fw::Component* owner) : fw::CustomControl(owner), fileTheme_(*this) {
    SetDoubleBuffered(true);
    SetTabStop(true);
    SetParentColor(true);
    uiStyle_ = GetSUIFormStyle(owner);
}

TsuiCustomButton::~TsuiCustomButton() {
    BeginDestroy();
    DestroyHandle();
}

const fw::ClassInfo& TsuiCustomButton::StaticClass() {
    static const fw::ClassInfo& info =
        fw::ClassBuilder<TsuiCustomButton>("TsuiCustomButton", fw::CustomControl::StaticClass())
            .AddBoolean("AutoSize", &TsuiCustomButton::AutoSize, &TsuiCustomButton::SetAutoSize)
            .AddBoolean("Cancel", &TsuiCustomButton::Cancel, &TsuiCustomButton::SetCancel)
            .AddBoolean("Default", &TsuiCustomButton::Default, &TsuiCustomButton::SetDefault)
            .AddBoolean("Transparent", &TsuiCustomButton::Transparent, &TsuiCustomButton::SetTransparent)
            .AddInteger("ModalResult", &TsuiCustomButton::ModalResult, &TsuiCustomButton::SetModalResult,
                        &fw::Form::ModalResultInfo())
            .AddEnum("UIStyle", UIStyleInfo(), &TsuiCustomButton::UIStyle, &TsuiCustomButton::SetUIStyle)
            .AddInteger("MouseContinuouslyDownInterval", &TsuiCustomButton::MouseContinuouslyDownInterval,
                        &TsuiCustomButton::SetMouseContinuouslyDownInterval)
            .AddEvent("OnMouseExit", &TsuiCustomButton::OnMouseExit)
            .AddEvent("OnMouseContinuouslyDown", &TsuiCustomButton::OnMouseContinuouslyDown)
            .Register();
    return info;
}

void TsuiCustomButton::SetAutoSize(bool v) {
    autoSize_ = v;
    AutoSizeChanged();
    Invalidate();
}

void TsuiCustomButton::SetDefault(bool v) {
    default_ = v;
    Invalidate();
}

void TsuiCustomButton::SetTransparent(bool v) {
    transparent_ = v;
    TransparentChanged();
    Invalidate();
}

void TsuiCustomButton::SetUIStyle(TsuiUIStyle style) {
    uiStyle_ = style;
    UIStyleChanged();
    Invalidate();
}

void TsuiCustomButton::SetFileTheme(TsuiFileTheme* theme) {
    fileTheme_.Set(theme);
    SetUIStyle(uiStyle_);
}

void TsuiCustomButton::Notification(fw::Component* c, fw::Operation operation) {
    fw::CustomControl::Notification(c, operation);
    if (operation == fw::opRemove && fileTheme_.Removed(c) && !IsDestroying()) SetUIStyle(TsuiUIStyle::DeepBlue);
}

void TsuiCustomButton::AutoSizeChanged() {
    if (!autoSize_) return;
    // The built-in picture even under a file theme: the size of the look, not of the file.
    fw::Bitmap whole;
    GetBuiltInThemeBitmap(uiStyle_, TsuiThemeElement::ButtonImage, &whole);
    const int height = whole.Height() == 0 ? 21 : whole.Height();
    const int width = whole.Width() == 0 ? 74 : whole.Width();
    SetHeight(height);
    SetWidth(width / 3);
}

void TsuiCustomButton::FontChanged() {
    fw::CustomControl::FontChanged();
    Invalidate();
}

void TsuiCustomButton::TransparentChanged() {
    picTransparent_ = transparent_;
    Invalidate();
}

void TsuiCustomButton::EnabledChanged() {
    fw::CustomControl::EnabledChanged();
    Invalidate();
}

void TsuiCustomButton::TextChanged() {
    fw::CustomControl::TextChanged();
    CaptionChanged();
    Invalidate();
}

void TsuiCustomButton::GetNormalPic(fw::Bitmap& bitmap) { StyleValues().Bitmap(TsuiThemeElement::ButtonImage, bitmap, 1); }
void TsuiCustomButton::GetMouseOnPic(fw::Bitmap& bitmap) { StyleValues().Bitmap(TsuiThemeElement::ButtonImage, bitmap, 2); }
void TsuiCustomButton::GetMouseDownPic(fw::Bitmap& bitmap) {
    StyleValues().Bitmap(TsuiThemeElement::ButtonImage, bitmap, 3);
}
void TsuiCustomButton::GetDisabledPic(fw::Bitmap& bitmap) {
    StyleValues().Bitmap(TsuiThemeElement::ButtonImage, bitmap, 1);
}

void TsuiCustomButton::PaintPic(fw::Canvas& canvas, fw::Bitmap& picture) {
    if (picture.Empty()) return;
    fw::ImageList list(picture.Width(), picture.Height());
    if (picTransparent_)
        list.AddMasked(picture, picture.Pixel(0, 0));
    else
        list.Add(picture);
    list.Draw(canvas, 0, 0, 0, Enabled());
}

void TsuiCustomButton::PaintText(fw::Canvas& canvas, const std::string& caption) {
    if (boldCaption_) canvas.Font().SetStyle(canvas.Font().Style() | fw::fsBold);
    fw::Rect r = ClientRect();
    if (Enabled() && pressed_) r = r.Offset(1, 1);
    DrawCaption(canvas, caption, r, DT_SINGLELINE | DT_CENTER | DT_VCENTER, Enabled());
    boldCaption_ = false;
}

void TsuiCustomButton::PaintFocus(fw::Canvas& canvas) {
    canvas.Brush().SetColor(GetColor());
    canvas.DrawFocusRect(fw::Rect{2, 2, ClientWidth() - 2, ClientHeight() - 2});
}

void TsuiCustomButton::Paint() {
    fw::Bitmap picture;
    try {
        if (!Enabled())
            GetDisabledPic(picture);
        else if (pressed_)
            GetMouseDownPic(picture);
        else if (mouseOver_)
            GetMouseOnPic(picture);
        else
            GetNormalPic(picture);
    } catch (const std::exception&) {
        // A face that cannot be had (a broken theme file) leaves a blank one; the button stays usable.
        picture = fw::Bitmap(74, 21);
        FillRectColor(picture.Canvas(), fw::Rect{0, 0, 74, 21}, GetColor());
    }
    picture.SetTransparent(picTransparent_);

    fw::Canvas& canvas = Canvas();
    if (transparent_)
        DrawParentBackground(canvas, this);
    else
        FillRectColor(canvas, ClientRect(), GetColor());
    PaintPic(canvas, picture);
    if (Focused() && TabStop()) PaintFocus(canvas);
    canvas.Font() = Font();
    if (!Blank(Caption())) PaintText(canvas, Caption());
}

void TsuiCustomButton::StopRepeat() {
    if (repeatTimer_ != nullptr) repeatTimer_->SetEnabled(false);
}

void TsuiCustomButton::Click() {
    if (pressed_) {
        StopRepeat();
        pressed_ = false;
        Invalidate();
    }
    if (TabStop() && CanFocus() && Enabled()) SetFocus();
    if (Parent() != nullptr)
        if (fw::Form* form = ParentForm()) form->SetModalResult(modalResult_);
    fw::CustomControl::Click();
}

bool TsuiCustomButton::DialogKey(int key, fw::ShiftState shift) {
    if (((key == VK_RETURN && default_) || (key == VK_ESCAPE && cancel_)) && NoModifiers(shift) && CanFocus()) {
        Click();
        return true;
    }
    return fw::CustomControl::DialogKey(key, shift);
}

bool TsuiCustomButton::DialogChar(char ch) {
    if (ch != 0 && ch == AcceleratorOf(Caption()) && Enabled() && Visible()) {
        Click();
        return true;
    }
    return false;
}

void TsuiCustomButton::MouseDown(fw::MouseButton button, fw::ShiftState shift, int x, int y) {
    if (button == fw::MouseButton::Left) {
        pressed_ = true;
        if (repeatTimer_ == nullptr) {
            repeatTimer_ = std::make_unique<fw::Timer>(nullptr, false);
            repeatTimer_->OnTimer = [this](fw::Component*) { OnMouseContinuouslyDown(this); };
        }
        if (!repeatTimer_->Enabled()) {
            repeatTimer_->SetInterval(std::max(repeatInterval_, 0));
            repeatTimer_->SetEnabled(true);
        }
        Invalidate();
    }
    fw::CustomControl::MouseDown(button, shift, x, y);
}

void TsuiCustomButton::MouseMove(fw::ShiftState shift, int x, int y) {
    fw::CustomControl::MouseMove(shift, x, y);
    // The right and bottom edges count as inside.
    if (x < 0 || y < 0 || x > Width() || y > Height()) {
        mouseOver_ = false;
        pressed_ = false;
        Invalidate();
    }
}

void TsuiCustomButton::MouseEnter() {
    mouseOver_ = true;
    Invalidate();
    fw::CustomControl::MouseEnter();
}

void TsuiCustomButton::MouseLeave() {
    mouseOver_ = false;
    pressed_ = false;
    StopRepeat();
    Invalidate();
    OnMouseExit(this);
    fw::CustomControl::MouseLeave();
}

void TsuiCustomButton::KeyDown(int& key, fw::ShiftState shift) {
    fw::CustomControl::KeyDown(key, shift);
    if ((key == VK_SPACE || key == VK_RETURN) && Focused() && Enabled()) {
        pressed_ = true;
        Invalidate();
    }
}

void TsuiCustomButton::KeyUp(int& key, fw::ShiftState shift) {
    fw::CustomControl::KeyUp(key, shift);
    if ((key == VK_SPACE || key == VK_RETURN) && Focused() && pressed_ && Enabled()) {
        pressed_ = false;
        Invalidate();
        Click();
    }
}

void TsuiCustomButton::WMSetFocus(fw::Message& m) {
    fw::CustomControl::WMSetFocus(m);
    Invalidate();
}

void TsuiCustomButton::WMKillFocus(fw::Message& m) {
    fw::CustomControl::WMKillFocus(m);
    // A press by the keyboard ends with the focus.
    pressed_ = false;
    Invalidate();
}

void TsuiCustomButton::WMGetDlgCode(fw::Message& m) {
    // A push button to dialog tools; the focused one takes Return itself, as Windows' own do.
    m.result = DLGC_BUTTON | (default_ ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    if (m.wParam == VK_RETURN) m.result |= DLGC_WANTMESSAGE;
}

// --- TsuiButton ---

TsuiGlyphPlacement PlaceGlyph(TsuiButtonLayout layout, fw::Size button, fw::Size text, fw::Size glyph, int spacing) {
    const int W = button.Width, H = button.Height, tw = text.Width, th = text.Height, gh = glyph.Height;
    const int gw = glyph.Width == 2 * glyph.Height ? glyph.Height : glyph.Width;
    TsuiGlyphPlacement p{};
    switch (layout) {
    case TsuiButtonLayout::blGlyphLeft:
        p.Glyph = {(W - (tw + gw + spacing)) / 2, (H - gh) / 2};
        p.Text = {p.Glyph.X + gw + spacing, (H - th) / 2};
        break;
    case TsuiButtonLayout::blGlyphRight:
        p.Glyph = {(W + tw + spacing - gw) / 2, (H - gh) / 2};
        p.Text = {p.Glyph.X - tw - spacing, (H - th) / 2};
        break;
    case TsuiButtonLayout::blGlyphTop:
        p.Glyph = {(W - gw) / 2, (H - (th + gh + spacing)) / 2};
        p.Text = {(W - tw) / 2, p.Glyph.Y + gh + spacing};
        break;
    case TsuiButtonLayout::blGlyphBottom:
        p.Glyph = {(W - gw) / 2, (H + th + spacing - gh) / 2};
        p.Text = {(W - tw) / 2, p.Glyph.Y - th - spacing};
        break;
    }
    return p;
}

TsuiButton::TsuiButton(fw::Component* owner) : TsuiCustomButton(owner) {
    SetHeight(27);
    SetWidth(80);
    glyph_.OnChange = [this] { Invalidate(); };
}

TsuiButton::~TsuiButton() = default;

const fw::EnumInfo& TsuiButton::LayoutInfo() {
    static const fw::EnumInfo info("TButtonLayout",
                                   std::vector<std::string>{"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"});
    return info;
}

const fw::ClassInfo& TsuiButton::StaticClass() {
    static const fw::ClassInfo& info =
        fw::ClassBuilder<TsuiButton>("TsuiButton", TsuiCustomButton::StaticClass())
            .AddReference("FileTheme", &TsuiButton::FileTheme, &TsuiButton::SetFileTheme)
            .AddPicture("Glyph", static_cast<fw::Picture& (TsuiButton::*)()>(&TsuiButton::Glyph), &TsuiButton::SetGlyph)
            .AddEnum("Layout", LayoutInfo(), &TsuiButton::Layout, &TsuiButton::SetLayout)
            .AddInteger("Spacing", &TsuiButton::Spacing, &TsuiButton::SetSpacing)
            // Kept so that stored windows naming it load; it has no effect and reads 0.
            .AddInteger("ResHandle", [](const TsuiButton&) { return 0; }, [](TsuiButton&, int) {})
            .Register();
    return info;
}

void TsuiButton::SetLayout(TsuiButtonLayout layout) {
    layout_ = layout;
    Invalidate();
}

void TsuiButton::SetSpacing(int pixels) {
    spacing_ = pixels;
    Invalidate();
}

const fw::Bitmap* TsuiButton::GlyphBitmap() const {
    const fw::Bitmap* glyph = BitmapOf(glyph_);
    return glyph != nullptr && !glyph->Empty() ? glyph : nullptr;
}

void TsuiButton::UIStyleChanged() {
    SetTransparent(StyleValues().Bool(TsuiThemeElement::ButtonTransparentBool));
}

void TsuiButton::PaintPic(fw::Canvas& canvas, fw::Bitmap& picture) {
    canvas.Font() = Font();
    DrawNineGridBitmap(picture, canvas, ClientRect(), PicTransparent());
    const fw::Bitmap* glyph = GlyphBitmap();
    if (glyph == nullptr) return;
    const fw::Size text = canvas.TextExtent(Caption());
    const TsuiGlyphPlacement at = PlaceGlyph(layout_, fw::Size{Width(), Height()}, text,
                                             fw::Size{glyph->Width(), glyph->Height()}, spacing_);
    textX_ = at.Text.X;
    textY_ = at.Text.Y;
    const bool twoState = glyph->Width() == 2 * glyph->Height();
    const int gw = twoState ? glyph->Height() : glyph->Width();
    const int offset = Pressed() ? 1 : 0;
    fw::ImageList images(gw, glyph->Height());
    images.AddMasked(*glyph, glyph->Pixel(0, 0));
    if (twoState)
        images.Draw(canvas, at.Glyph.X + offset, at.Glyph.Y + offset, Enabled() ? 0 : 1);
    else
        images.Draw(canvas, at.Glyph.X + offset, at.Glyph.Y + offset, 0, Enabled());
}

void TsuiButton::PaintText(fw::Canvas& canvas, const std::string& caption) {
    if (GlyphBitmap() == nullptr) {
        TsuiCustomButton::PaintText(canvas, caption);
        return;
    }
    canvas.Font() = Font();
    int x = textX_, y = textY_;
    if (Enabled() && Pressed()) {
        ++x;
        ++y;
    }
    DrawCaption(canvas, caption, fw::Rect{x, y, Width(), Height()}, DT_SINGLELINE | DT_LEFT | DT_TOP, Enabled());
}

void TsuiButton::PaintFocus(fw::Canvas& canvas) {
    if (UIStyle() == TsuiUIStyle::MacOS || UIStyle() == TsuiUIStyle::BlueGlass)
        boldCaption_ = true;
    else
        TsuiCustomButton::PaintFocus(canvas);
}

// --- TsuiImageButton ---

TsuiImageButton::TsuiImageButton(fw::Component* owner) : TsuiCustomButton(owner) {
    for (fw::Picture& p : pictures_) p.OnChange = [this] {
        AutoSizeChanged();
        Invalidate();
    };
}

TsuiImageButton::~TsuiImageButton() = default;

const fw::ClassInfo& TsuiImageButton::StaticClass() {
    using B = TsuiImageButton;
    static const fw::ClassInfo& info =
        fw::ClassBuilder<B>("TsuiImageButton", TsuiCustomButton::StaticClass())
            .AddEnum("UIStyle", UIStyleInfo(), &B::ImageUIStyle, &B::SetUIStyle)
            .AddPicture("PicNormal", static_cast<fw::Picture& (B::*)()>(&B::PicNormal), &B::SetPicNormal)
            .AddPicture("PicMouseOn", static_cast<fw::Picture& (B::*)()>(&B::PicMouseOn), &B::SetPicMouseOn)
            .AddPicture("PicMouseDown", static_cast<fw::Picture& (B::*)()>(&B::PicMouseDown), &B::SetPicMouseDown)
            .AddPicture("PicDisabled", static_cast<fw::Picture& (B::*)()>(&B::PicDisabled), &B::SetPicDisabled)
            .AddBoolean("Stretch", &B::Stretch, &B::SetStretch)
            .AddBoolean("DrawFocused", &B::DrawFocused, &B::SetDrawFocused)
            .Register();
    return info;
}

void TsuiImageButton::SetPicture(int index, const fw::Picture& picture) {
    pictures_[index].Assign(picture);  // OnChange re-sizes and repaints
}

void TsuiImageButton::SetStretch(bool v) {
    stretch_ = v;
    Invalidate();
}

void TsuiImageButton::SetDrawFocused(bool v) {
    drawFocused_ = v;
    Invalidate();
}

void TsuiImageButton::AutoSizeChanged() {
    if (Parent() == nullptr || !AutoSize() || !pictures_[0].HasGraphic()) return;
    SetHeight(pictures_[0].Height());
    SetWidth(pictures_[0].Width());
}

void TsuiImageButton::CopyPicture(int index, fw::Bitmap& bitmap) const {
    const fw::Bitmap* own = BitmapOf(pictures_[index]);
    const fw::Bitmap* source = own != nullptr && !own->Empty() ? own : BitmapOf(pictures_[0]);
    if (source != nullptr) bitmap = *source;
}

void TsuiImageButton::GetNormalPic(fw::Bitmap& bitmap) { CopyPicture(0, bitmap); }
void TsuiImageButton::GetMouseOnPic(fw::Bitmap& bitmap) { CopyPicture(1, bitmap); }
void TsuiImageButton::GetMouseDownPic(fw::Bitmap& bitmap) { CopyPicture(2, bitmap); }
void TsuiImageButton::GetDisabledPic(fw::Bitmap& bitmap) { CopyPicture(3, bitmap); }

void TsuiImageButton::PaintPic(fw::Canvas& canvas, fw::Bitmap& picture) {
    if (picture.Empty()) return;
    picture.SetTransparentColor(picture.Pixel(0, 0));
    if (stretch_)
        canvas.StretchDraw(fw::Rect{0, 0, Width(), Height()}, picture);
    else
        canvas.Draw(0, 0, picture);
}

void TsuiImageButton::PaintFocus(fw::Canvas& canvas) {
    if (drawFocused_) TsuiCustomButton::PaintFocus(canvas);
}

// --- TsuiCheckBox ---

TsuiCheckBox::TsuiCheckBox(fw::Component* owner) : fw::CustomControl(owner), fileTheme_(*this) {
    SetDoubleBuffered(true);
    SetParentColor(true);
    SetHeight(17);
    SetWidth(93);
    SetTabStop(true);
    uiStyle_ = GetSUIFormStyle(owner);
}

TsuiCheckBox::~TsuiCheckBox() {
    BeginDestroy();
    DestroyHandle();
}

const fw::EnumInfo& TsuiCheckBox::StateInfo() {
    static const fw::EnumInfo info("TCheckBoxState", std::vector<std::string>{"cbUnchecked", "cbChecked", "cbGrayed"});
    return info;
}

const fw::ClassInfo& TsuiCheckBox::StaticClass() {
    using C = TsuiCheckBox;
    static const fw::ClassInfo& info = fw::ClassBuilder<C>("TsuiCheckBox", fw::CustomControl::StaticClass())
                                           .AddBoolean("Checked", &C::Checked, &C::SetChecked)
                                           .AddEnum("UIStyle", UIStyleInfo(), &C::UIStyle, &C::SetUIStyle)
                                           .AddReference("FileTheme", &C::FileTheme, &C::SetFileTheme)
                                           .AddBoolean("Transparent", &C::Transparent, &C::SetTransparent)
                                           .AddBoolean("AutoSize", &C::AutoSize, &C::SetAutoSize)
                                           .AddEnum("State", StateInfo(), &C::State, &C::SetState)
                                           .Register();
    return info;
}

void TsuiCheckBox::SetChecked(bool v) {
    if (v == checked_) return;
    checked_ = v;
    CheckedChanged();
    Invalidate();
}

void TsuiCheckBox::SetUIStyle(TsuiUIStyle style) {
    uiStyle_ = style;
    FitToContent();
    Invalidate();
}

void TsuiCheckBox::SetFileTheme(TsuiFileTheme* theme) {
    fileTheme_.Set(theme);
    SetUIStyle(uiStyle_);
}

void TsuiCheckBox::SetTransparent(bool v) {
    transparent_ = v;
    Invalidate();
}

void TsuiCheckBox::SetAutoSize(bool v) {
    autoSize_ = v;
    FitToContent();
    Invalidate();
}

namespace {

// The size an auto-sized box takes: the box, the caption beside it and a margin.
void FittedSize(const fw::Bitmap& picture, int lineHeight, int textWidth, int& width, int& height) {
    height = std::max(lineHeight + 2, picture.Height()) + 4;
    width = picture.Width() + textWidth + 8;
}

int BoxPictureIndex(bool checked, bool enabled) { return checked ? (enabled ? 1 : 3) : (enabled ? 2 : 4); }

} // namespace

fw::Bitmap TsuiCheckBox::BoxPicture() {
    const int index = BoxPictureIndex(checked_, Enabled());
    fw::Bitmap picture;
    try {
        TsuiStyleValues(fileTheme_.Get(), uiStyle_).Bitmap(GetPicElement(), picture, index);
    } catch (const std::exception&) {
        // A box that cannot be had (a broken theme file) is left out; the caption still shows.
        picture = fw::Bitmap();
    }
    return picture;
}

void TsuiCheckBox::FitToContent() {
    // Sized as soon as the look, caption or font change rather than by the next paint, which
    // would have to paint again at the new size. Measured on a memory DC: a window's DC costs
    // a round trip to the window server.
    if (!autoSize_ || Parent() == nullptr || IsLoading() || IsDestroying()) return;
    const int index = BoxPictureIndex(checked_, Enabled());
    if (fitted_.valid && fitted_.style == uiStyle_ && fitted_.theme == fileTheme_.Get() && fitted_.pictureIndex == index &&
        fitted_.caption == Caption() && fitted_.font.SameAs(Font()))
        return;
    fitted_ = FitInputs{uiStyle_, fileTheme_.Get(), index, Caption(), Font(), true};
    const fw::Bitmap picture = BoxPicture();
    fw::MeasuringCanvas canvas(Font());
    int width = 0;
    int height = 0;
    FittedSize(picture, canvas->TextHeight("W"), canvas->TextWidth(Caption()), width, height);
    if (width != Width() || height != Height()) SetBounds(Left(), Top(), width, height);
}

void TsuiCheckBox::Loaded() {
    fw::CustomControl::Loaded();
    FitToContent();
}

void TsuiCheckBox::Notification(fw::Component* c, fw::Operation operation) {
    fw::CustomControl::Notification(c, operation);
    if (operation == fw::opRemove && fileTheme_.Removed(c) && !IsDestroying()) SetUIStyle(TsuiUIStyle::DeepBlue);
}

void TsuiCheckBox::Toggle() {
    SetChecked(!checked_);
    AfterToggle();
}

void TsuiCheckBox::Click() {
    if (CanFocus() && Enabled()) SetFocus();
    Toggle();
    fw::CustomControl::Click();
}

bool TsuiCheckBox::DialogChar(char ch) {
    if (fw::CustomControl::DialogChar(ch)) return true;
    if (ch == 0 || ch != AcceleratorOf(Caption()) || !Enabled() || !Visible()) return false;
    if (CanFocus()) SetFocus();
    Click();
    return true;
}

void TsuiCheckBox::Paint() {
    fw::Canvas& canvas = Canvas();
    canvas.Font() = Font();
    fw::Bitmap picture = BoxPicture();
    if (IsPicTransparent() && !picture.Empty()) {
        // The radio button's round box shows what lies behind its corners.
        picture.SetTransparent(true);
        picture.SetTransparentColor(picture.Pixel(0, picture.Height() - 1));
    }
    const int lineHeight = canvas.TextHeight("W");
    if (autoSize_) {
        int width = 0;
        int height = 0;
        FittedSize(picture, lineHeight, canvas.TextWidth(Caption()), width, height);
        if (width != Width() || height != Height()) {
            // This paint's buffer has the old size: the next paint draws at the new one.
            SetBounds(Left(), Top(), width, height);
            Invalidate();
            return;
        }
    }
    const int clientHeight = ClientHeight();
    if (transparent_)
        DrawParentBackground(canvas, this);
    else
        FillRectColor(canvas, ClientRect(), GetColor());
    if (!picture.Empty()) canvas.Draw(1, (clientHeight - picture.Height()) / 2, picture);
    canvas.Brush().SetStyle(fw::BrushStyle::Clear);
    const int x = picture.Width() + 4;
    const int y = (clientHeight - lineHeight) / 2;
    canvas.TextOut(x, y, Caption());
    if (TabStop() && Focused()) {
        canvas.Brush().SetColor(GetColor());
        canvas.DrawFocusRect(fw::Rect{x - 1, y, Width(), y + lineHeight + 2});
    }
}

void TsuiCheckBox::TextChanged() {
    fw::CustomControl::TextChanged();
    FitToContent();
    Invalidate();
}

void TsuiCheckBox::FontChanged() {
    fw::CustomControl::FontChanged();
    FitToContent();
    Invalidate();
}

void TsuiCheckBox::EnabledChanged() {
    fw::CustomControl::EnabledChanged();
    Invalidate();
}

void TsuiCheckBox::KeyUp(int& key, fw::ShiftState shift) {
    fw::CustomControl::KeyUp(key, shift);
    if ((key == VK_SPACE || key == VK_RETURN) && Focused() && Enabled()) {
        Invalidate();
        Click();
    }
}

void TsuiCheckBox::WndProc(fw::Message& m) {
    // The check state as the system's own check boxes report it, for accessibility tools and
    // programs that read other windows.
    if (m.msg == BM_GETCHECK) {
        m.result = checked_ ? BST_CHECKED : BST_UNCHECKED;
        return;
    }
    if (m.msg == BM_SETCHECK) {
        SetChecked(m.wParam == BST_CHECKED);
        m.result = 0;
        return;
    }
    fw::CustomControl::WndProc(m);
}

void TsuiCheckBox::WMSetFocus(fw::Message& m) {
    fw::CustomControl::WMSetFocus(m);
    Invalidate();
}

void TsuiCheckBox::WMKillFocus(fw::Message& m) {
    fw::CustomControl::WMKillFocus(m);
    Invalidate();
}

void TsuiCheckBox::WMGetDlgCode(fw::Message& m) {
    m.result = DLGC_BUTTON;
}

// --- TsuiRadioButton ---

TsuiRadioButton::TsuiRadioButton(fw::Component* owner) : TsuiCheckBox(owner) {}

const fw::ClassInfo& TsuiRadioButton::StaticClass() {
    static const fw::ClassInfo& info =
        fw::ClassBuilder<TsuiRadioButton>("TsuiRadioButton", TsuiCheckBox::StaticClass())
            .AddInteger("GroupIndex", &TsuiRadioButton::GroupIndex, &TsuiRadioButton::SetGroupIndex)
            .Register();
    return info;
}

void TsuiRadioButton::CheckedChanged() {
    if (!Checked() || Parent() == nullptr) return;
    fw::WinControl* parent = Parent();
    // Index by index: unchecking a sibling runs its handlers, which may change the parent.
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* other = dynamic_cast<TsuiRadioButton*>(parent->Controls(i));
        if (other != nullptr && other != this && other->GroupIndex() == groupIndex_) other->SetChecked(false);
    }
}

void TsuiRadioButton::Toggle() {
    if (!Checked()) SetChecked(true);
}
