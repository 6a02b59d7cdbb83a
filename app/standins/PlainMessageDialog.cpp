#include "app/standins/PlainMessageDialog.h"

#include "framework/core/ClassBuilder.h"
#include "framework/forms/Application.h"
#include "framework/graphics/Canvas.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/Memo.h"

#include <algorithm>
#include <memory>

namespace {

constexpr int TextLeft = 24;
constexpr int TextTop = 20;
constexpr int TextWidth = 225;
constexpr int ButtonWidth = 73;
constexpr int ButtonHeight = 25;
constexpr int ButtonPitch = 93;
constexpr int DialogWidth = 272;
constexpr int ThreeButtonWidth = 336;

int TextHeight(const fw::Font& font, const std::string& text) {
    HDC dc = GetDC(nullptr);
    int height = 0;
    {
        fw::Canvas canvas(dc);
        canvas.Font() = font;
        fw::Rect r{0, 0, TextWidth, 0};
        height = canvas.DrawText(text.empty() ? std::string(" ") : text, r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    }
    ReleaseDC(nullptr, dc);
    return height;
}

} // namespace

TPlainMessageDialog::TPlainMessageDialog(fw::Component* owner) : fw::Component(owner) {
    captionFont_.SetName("Tahoma");
    captionFont_.SetColor(fw::clWhite);
    captionFont_.SetStyle(fw::fsBold);
}

const fw::ClassInfo& TPlainMessageDialog::StaticClass() {
    using D = TPlainMessageDialog;
    static const fw::ClassInfo& info =
        fw::ClassBuilder<D>("TPlainMessageDialog", fw::Component::StaticClass())
            .AddEnum("Position", fw::Form::PositionInfo(), &D::GetPosition, &D::SetPosition)
            .AddText("Caption", &D::Caption, &D::SetCaption)
            .AddFont("Font", [](D& d) -> fw::Font& { return d.Font(); })
            .AddFont("CaptionFont", [](D& d) -> fw::Font& { return d.CaptionFont(); })
            .AddInteger("ButtonCursor", &D::ButtonCursor, &D::SetButtonCursor, &fw::Control::CursorInfo())
            .AddInteger("ButtonCount", &D::ButtonCount, &D::SetButtonCount)
            .AddText("Button1Caption", [](const D& d) { return d.ButtonCaption(1); },
                     [](D& d, const std::string& s) { d.SetButtonCaption(1, s); })
            .AddText("Button2Caption", [](const D& d) { return d.ButtonCaption(2); },
                     [](D& d, const std::string& s) { d.SetButtonCaption(2, s); })
            .AddText("Button3Caption", [](const D& d) { return d.ButtonCaption(3); },
                     [](D& d, const std::string& s) { d.SetButtonCaption(3, s); })
            .AddInteger("Button1ModalResult", [](const D& d) { return d.ButtonModalResult(1); },
                        [](D& d, int r) { d.SetButtonModalResult(1, r); }, &fw::Form::ModalResultInfo())
            .AddInteger("Button2ModalResult", [](const D& d) { return d.ButtonModalResult(2); },
                        [](D& d, int r) { d.SetButtonModalResult(2, r); }, &fw::Form::ModalResultInfo())
            .AddInteger("Button3ModalResult", [](const D& d) { return d.ButtonModalResult(3); },
                        [](D& d, int r) { d.SetButtonModalResult(3, r); }, &fw::Form::ModalResultInfo())
            .AddText("Text", &D::Text, &D::SetText)
            .Register();
    return info;
}

void TPlainMessageDialog::SetButtonCount(int count) {
    if (count >= 1 && count <= 3) buttonCount_ = count;
}

int TPlainMessageDialog::ShowModal() {
    // A fresh window each time, so a change of settings shows at the next call.
    std::unique_ptr<fw::Form> dialog = std::make_unique<fw::Form>(&fw::App());
    dialog->SetBorderStyle(fw::BorderStyle::Dialog);
    dialog->SetBorderIcons(fw::biSystemMenu);
    dialog->SetFormStyle(fw::FormStyle::StayOnTop);
    dialog->SetCaption(caption_);
    dialog->SetFont(font_);

    // The text in a read-only, borderless memo: it wraps, and other programs can read it.
    auto* text = new fw::Memo(dialog.get());
    text->SetParent(dialog.get());
    text->SetBorderStyle(fw::ControlBorderStyle::None);
    text->SetReadOnly(true);
    text->SetTabStop(false);
    text->SetParentColor(true);
    const int textHeight = TextHeight(font_, text_);
    text->SetBounds(TextLeft, TextTop, TextWidth, textHeight);
    text->SetText(text_);

    const int width = buttonCount_ < 3 ? DialogWidth : ThreeButtonWidth;
    const int buttonTop = TextTop + textHeight + 20;
    dialog->SetClientWidth(width);
    dialog->SetClientHeight(buttonTop + ButtonHeight + 16);
    int x = width - ButtonWidth - 24;
    for (int n = buttonCount_; n >= 1; --n) {
        auto* button = new fw::Button(dialog.get());
        button->SetParent(dialog.get());
        button->SetBounds(x, buttonTop, ButtonWidth, ButtonHeight);
        button->SetCaption(ButtonCaption(n));
        button->SetModalResult(ButtonModalResult(n));
        button->SetCursor(buttonCursor_);
        button->SetTabStop(true);
        button->SetTabOrder(0);
        dialog->SetActiveControl(button);
        x -= ButtonPitch;
    }
    dialog->SetPosition(position_);
    return dialog->ShowModal();
}
