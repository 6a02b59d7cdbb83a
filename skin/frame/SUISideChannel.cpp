#include "skin/frame/SUISideChannel.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/EnumInfo.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Timer.h"
#include "framework/stdctrls/SpeedButton.h"
#include "skin/styles/SUIPublic.h"
#include "skin/styles/SUIStyleValues.h"
#include "skin/styles/SUIThemes.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kPinWidth = 20;
constexpr int kPinHeight = 16;
constexpr fw::Color kSideBarLine = 0x808080;

} // namespace

TsuiSideChannel::TsuiSideChannel(fw::Component* owner) : fw::Panel(owner), fileTheme_(*this) {
    pin_ = new fw::SpeedButton(this);
    pin_->SetParent(this);
    pin_->SetFlat(true);
    pin_->SetBounds(expandedWidth_ - kPinWidth - 1, 1, kPinWidth, kPinHeight);
    pin_->SetGroupIndex(1);
    pin_->SetAllowAllUp(true);
    fw::Bitmap glyph;
    LoadSkinBitmap("SIDECHANNEL_BTN", glyph);
    pin_->SetGlyphBitmap(glyph);
    pin_->OnClick = [this](fw::Component*) { PinClick(); };

    timer_ = new fw::Timer(this, false);
    timer_->SetInterval(1000);
    timer_->OnTimer = [this](fw::Component*) { AutoCloseCheck(); };

    SetBevelInner(fw::BevelCut::None);
    SetBevelOuter(fw::BevelCut::None);
    SetSideAlign(TsuiSideChannelAlign::suiLeft);
    SetCaption("SideChannel");
    SetSideBarColor(fw::clBtnFace);
    Font().SetName("Tahoma");
    SetUIStyle(GetSUIFormStyle(owner));
    Push(true);
}

TsuiSideChannel::~TsuiSideChannel() {
    BeginDestroy();
    DestroyHandle();
}

const fw::EnumInfo& TsuiSideChannel::SideAlignInfo() {
    static const fw::EnumInfo info("TsuiSideChannelAlign", std::vector<std::string>{"suiLeft", "suiRight"});
    return info;
}

const fw::EnumInfo& TsuiSideChannel::PopupModeInfo() {
    static const fw::EnumInfo info("TsuiSideChannelPopupMode", std::vector<std::string>{"suiMouseOn", "suiMouseClick"});
    return info;
}

const fw::ClassInfo& TsuiSideChannel::StaticClass() {
    using S = TsuiSideChannel;
    static const fw::ClassInfo& info =
        fw::ClassBuilder<S>("TsuiSideChannel", fw::Panel::StaticClass())
            .AddInteger("Width", &S::ExpandedWidth, &S::SetExpandedWidth)
            // Always 10: writing it changes nothing.
            .AddInteger("SideBarWidth", [](const S&) { return SideBarWidth; }, [](S&, int) {})
            .AddEnum("UIStyle", UIStyleInfo(), &S::UIStyle, &S::SetUIStyle)
            .AddReference("FileTheme", &S::FileTheme, &S::SetFileTheme)
            .AddColor("BorderColor", &S::BorderColor, &S::SetBorderColor)
            .AddColor("SideBarColor", &S::SideBarColor, &S::SetSideBarColor)
            .AddColor("CaptionFontColor", &S::CaptionFontColor, &S::SetCaptionFontColor)
            .AddEnum("Align", SideAlignInfo(), &S::SideAlign, &S::SetSideAlign)
            .AddBoolean("StayOn", &S::StayOn, &S::SetStayOn)
            .AddEnum("PopupMode", PopupModeInfo(), &S::PopupMode, &S::SetPopupMode)
            .AddBoolean("QuickMove", &S::QuickMove, &S::SetQuickMove)
            .AddEvent("OnPop", &S::OnPop)
            .AddEvent("OnPush", &S::OnPush)
            .Register();
    return info;
}

void TsuiSideChannel::SetExpandedWidth(int width) {
    expandedWidth_ = width;
    if (opened_) SetWidth(width);
}

void TsuiSideChannel::SetUIStyle(TsuiUIStyle style) {
    uiStyle_ = style;
    SetColor(fw::clWhite);
    const TsuiStyleValues values(fileTheme_.Get(), uiStyle_);
    sideBarColor_ = values.Color(TsuiThemeElement::FormBackgroundColor);
    values.Bitmap(TsuiThemeElement::SideChannelHandleImage, handleBitmap_);
    values.Bitmap(TsuiThemeElement::SideChannelBarImage, barBitmap_);
    borderColor_ = values.Color(TsuiThemeElement::ControlBorderColor);
    // The MacOS bar is light: its caption is black.
    captionColor_ = !values.FromFileTheme() && values.EffectiveStyle() == TsuiUIStyle::MacOS
                        ? fw::clBlack
                        : values.Color(TsuiThemeElement::MenuSelectedFontColor);
    if (pin_ != nullptr) pin_->SetTop(std::min((barBitmap_.Height() - kPinHeight) / 2, 5));
    ContainerApplyUIStyle(this, values.FromFileTheme() ? TsuiUIStyle::FromThemeFile : values.EffectiveStyle(),
                          fileTheme_.Get());
    Realign();
    Invalidate();
}

void TsuiSideChannel::SetFileTheme(TsuiFileTheme* theme) {
    fileTheme_.Set(theme);
    SetUIStyle(uiStyle_);
}

void TsuiSideChannel::SetBorderColor(fw::Color c) {
    borderColor_ = c;
    Invalidate();
}

void TsuiSideChannel::SetSideBarColor(fw::Color c) {
    sideBarColor_ = c;
    Invalidate();
}

void TsuiSideChannel::SetCaptionFontColor(fw::Color c) {
    Font().SetColor(c);
    Invalidate();
}

void TsuiSideChannel::SetSideAlign(TsuiSideChannelAlign a) {
    sideAlign_ = a;
    SetAlign(a == TsuiSideChannelAlign::suiRight ? fw::Align::Right : fw::Align::Left);
}

void TsuiSideChannel::SetStayOn(bool v) {
    stayOn_ = v;
    if (v) {
        Pop(quickMove_);
        if (pin_ != nullptr) pin_->SetDown(true);
    } else {
        if (pin_ != nullptr) pin_->SetDown(false);
        Push(true);
    }
    Resize();
    PinClick();
}

void TsuiSideChannel::Redraw() {
    Invalidate();
    Update();
}

void TsuiSideChannel::Pop(bool quick) {
    moving_ = true;
    if (pin_ != nullptr) pin_->Show();
    // A width set narrower than the bar (a parent squeezed too far) opens to the bar only.
    const int target = std::max(expandedWidth_, SideBarWidth);
    if (!quick) {
        while (Width() + SlideStep < target) {
            SetWidth(Width() + SlideStep);
            Redraw();
            fw::App().ProcessMessages();
            if (IsDestroying()) return;
        }
    }
    SetWidth(target);
    Redraw();
    if (timer_ != nullptr) timer_->SetEnabled(true);
    moving_ = false;
    opened_ = true;
    Invalidate();
    OnPop(this);
}

void TsuiSideChannel::Push(bool quick) {
    const bool focusInside = FocusInside();
    const bool activeInside = ActiveControlInside();
    moving_ = true;
    opened_ = false;
    if (timer_ != nullptr) timer_->SetEnabled(false);
    if (!quick) {
        while (Width() - SlideStep > SideBarWidth) {
            SetWidth(Width() - SlideStep);
            Redraw();
            fw::App().ProcessMessages();
            if (IsDestroying()) return;
        }
    }
    SetWidth(SideBarWidth);
    Redraw();
    if (pin_ != nullptr) pin_->Hide();
    moving_ = false;
    Invalidate();
    if (focusInside || activeInside) ReturnFocus(focusInside);
    OnPush(this);
}

bool TsuiSideChannel::FocusInside() const {
    HWND focus = GetFocus();
    return focus != nullptr && HandleAllocated() && IsChild(const_cast<TsuiSideChannel*>(this)->Handle(), focus);
}

bool TsuiSideChannel::ActiveControlInside() const {
    fw::Form* form = ParentForm();
    return form != nullptr && form->ActiveControl() != nullptr && form->ActiveControl() != this &&
           ContainsControl(form->ActiveControl());
}

void TsuiSideChannel::ReturnFocus(bool moveFocusNow) {
    fw::Form* form = ParentForm();
    if (form == nullptr) return;
    fw::WinControl* first = form->FindNextControl(nullptr, true, true);
    // An inactive window gives the focus to its active control when it is activated again.
    form->SetActiveControl(first);
    // The focus itself sits on a control nobody sees: it moves now, also while the window is
    // between activations (SetActiveControl moves it only in the active window).
    if (moveFocusNow) ::SetFocus(first != nullptr ? first->Handle() : form->Handle());
}

void TsuiSideChannel::AutoCloseCheck() {
    if (moving_) return;
    if (Parent() == nullptr) {
        Push(quickMove_);
        return;
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    const fw::Point topLeft = ClientToScreen(fw::Point{0, 0});
    const fw::Point bottomRight = ClientToScreen(fw::Point{Width(), Height()});
    const bool inside = topLeft.X < cursor.x && cursor.x < bottomRight.X && topLeft.Y < cursor.y && cursor.y < bottomRight.Y;
    if (!inside) Push(quickMove_);
}

void TsuiSideChannel::PinClick() {
    if (pin_ == nullptr) return;
    const bool down = pin_->Down();
    if (timer_ != nullptr) timer_->SetEnabled(!down);
    fw::Bitmap glyph;
    LoadSkinBitmap("SIDECHANNEL_BTN", glyph);
    if (down) RotateBitmapRight(glyph);
    pin_->SetGlyphBitmap(glyph);
    stayOn_ = down;
}

void TsuiSideChannel::SetBounds(int left, int top, int width, int height) {
    const bool allowed = moving_ || pin_ == nullptr || !pin_->Visible() || width >= MinOpenWidth;
    if (!allowed) width = Width();
    fw::Panel::SetBounds(left, top, width, height);
}

void TsuiSideChannel::Resize() {
    fw::Panel::Resize();
    if (!moving_ && Width() > SideBarWidth) expandedWidth_ = Width();
    if (pin_ != nullptr) pin_->SetLeft(expandedWidth_ - pin_->Width() - 1);
}

void TsuiSideChannel::AdjustClientRect(fw::Rect& r) const {
    r = fw::Rect{r.Left + 13, r.Top + barBitmap_.Height() + 3, r.Right - 3, r.Bottom - 3};
}

void TsuiSideChannel::MouseMove(fw::ShiftState shift, int x, int y) {
    fw::Panel::MouseMove(shift, x, y);
    if (popupMode_ != TsuiSideChannelPopupMode::suiMouseOn || moving_ || opened_) return;
    fw::Form* form = ParentForm();
    if (form != nullptr && form->Active() && FormHasFocus(form)) Pop(quickMove_);
}

void TsuiSideChannel::MouseUp(fw::MouseButton button, fw::ShiftState shift, int x, int y) {
    fw::Panel::MouseUp(button, shift, x, y);
    if (popupMode_ == TsuiSideChannelPopupMode::suiMouseClick && !opened_) Pop(quickMove_);
}

void TsuiSideChannel::Notification(fw::Component* c, fw::Operation operation) {
    fw::Panel::Notification(c, operation);
    if (operation != fw::opRemove) return;
    if (c == pin_) pin_ = nullptr;
    if (c == timer_) timer_ = nullptr;
    if (fileTheme_.Removed(c) && !IsDestroying()) {
        ContainerApplyUIStyle(this, TsuiUIStyle::DeepBlue, nullptr);
        SetUIStyle(TsuiUIStyle::DeepBlue);
    }
}

void TsuiSideChannel::Paint() {
    fw::Canvas& canvas = Canvas();
    const int w = Width();
    const int h = Height();
    const int bar = barBitmap_.Height();
    const fw::Rect r = ClientRect();
    FillRectColor(canvas, r, GetColor());
    FrameRectColor(canvas, r, borderColor_);
    const fw::Rect barRect{1, 0, w - 1, bar};
    if (!barBitmap_.Empty()) canvas.StretchDraw(barRect, barBitmap_);
    if (opened_) {
        fw::Rect caption{barRect.Left + kPinWidth, barRect.Top, barRect.Right - kPinWidth, barRect.Bottom};
        canvas.Font() = Font();
        canvas.Font().SetColor(captionColor_);
        canvas.Brush().SetStyle(fw::BrushStyle::Clear);
        unsigned flags = DT_SINGLELINE | DT_VCENTER;
        if (Alignment() == fw::Alignment::Center) flags |= DT_CENTER;
        if (Alignment() == fw::Alignment::RightJustify) flags |= DT_RIGHT;
        canvas.DrawText(Caption(), caption, flags);
    }
    FillRectColor(canvas, fw::Rect{1, bar, SideBarWidth - 1, h - 1}, sideBarColor_);
    canvas.Pen().SetColor(kSideBarLine);
    const fw::Point line[] = {{SideBarWidth - 1, bar}, {SideBarWidth - 1, h - 1}};
    canvas.Polyline(line);
    if (!handleBitmap_.Empty()) canvas.Draw(1, std::max((h - handleBitmap_.Height()) / 2, bar + 1), handleBitmap_);
    fw::CustomControl::Paint();
}
