#include "skin/dialogs/SUIDlg.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/EnumInfo.h"
#include "framework/forms/Application.h"
#include "framework/graphics/Bitmap.h"
#include "framework/stdctrls/Image.h"
#include "framework/stdctrls/Label.h"
#include "skin/controls/SUIButton.h"
#include "skin/dialogs/frmMessage.h"
#include "skin/frame/SUIForm.h"
#include "skin/styles/SUIPublic.h"
#include "skin/styles/SUIThemes.h"

#include <algorithm>
#include <memory>

namespace {

constexpr int kIconFrames = 4;
constexpr int kButtonWidth = 73;
constexpr int kButtonHeight = 25;
constexpr int kButtonPitch = 93;

} // namespace

// --- TsuiDialog ---

TsuiDialog::TsuiDialog(fw::Component* owner) : fw::Component(owner), fileTheme_(*this) {
    uiStyle_ = GetSUIFormStyle(owner);
    captionFont_.SetName("Tahoma");
    captionFont_.SetColor(fw::clWhite);
    captionFont_.SetStyle(fw::fsBold);
}

TsuiDialog::~TsuiDialog() { BeginDestroy(); }

const fw::ClassInfo& TsuiDialog::StaticClass() {
    using D = TsuiDialog;
    static const fw::ClassInfo& info =
        fw::ClassBuilder<D>("TsuiDialog", fw::Component::StaticClass())
            .AddReference("FileTheme", &D::FileTheme, &D::SetFileTheme)
            .AddEnum("Position", fw::Form::PositionInfo(), &D::GetPosition, &D::SetPosition)
            .AddText("Caption", &D::Caption, &D::SetCaption)
            .AddEnum("UIStyle", UIStyleInfo(), &D::UIStyle, &D::SetUIStyle)
            .AddFont("Font", &D::Font, &D::SetFont)
            .AddFont("CaptionFont", &D::CaptionFont, &D::SetCaptionFont)
            .Register();
    return info;
}

void TsuiDialog::SetFileTheme(TsuiFileTheme* theme) {
    fileTheme_.Set(theme);
    SetUIStyle(uiStyle_);
}

void TsuiDialog::Notification(fw::Component* c, fw::Operation operation) {
    fw::Component::Notification(c, operation);
    if (operation == fw::opRemove && fileTheme_.Removed(c)) uiStyle_ = TsuiUIStyle::DeepBlue;
}

// --- TsuiMessageDialog ---

TsuiMessageDialog::TsuiMessageDialog(fw::Component* owner) : TsuiDialog(owner) {}

const fw::EnumInfo& TsuiMessageDialog::IconTypeInfo() {
    static const fw::EnumInfo info("TsuiIconType", std::vector<std::string>{"suiNone", "suiWarning", "suiStop",
                                                                          "suiInformation", "suiHelp"});
    return info;
}

const fw::ClassInfo& TsuiMessageDialog::StaticClass() {
    using D = TsuiMessageDialog;
    const fw::EnumInfo* results = &fw::Form::ModalResultInfo();
    static const fw::ClassInfo& info =
        fw::ClassBuilder<D>("TsuiMessageDialog", TsuiDialog::StaticClass())
            .AddInteger("ButtonCursor", &D::ButtonCursor, &D::SetButtonCursor, &fw::Control::CursorInfo())
            .AddInteger("ButtonCount", &D::ButtonCount, &D::SetButtonCount)
            .AddText("Button1Caption", [](const D& d) { return d.ButtonCaption(1); },
                     [](D& d, const std::string& s) { d.SetButtonCaption(1, s); })
            .AddText("Button2Caption", [](const D& d) { return d.ButtonCaption(2); },
                     [](D& d, const std::string& s) { d.SetButtonCaption(2, s); })
            .AddText("Button3Caption", [](const D& d) { return d.ButtonCaption(3); },
                     [](D& d, const std::string& s) { d.SetButtonCaption(3, s); })
            .AddInteger("Button1ModalResult", [](const D& d) { return d.ButtonModalResult(1); },
                        [](D& d, int r) { d.SetButtonModalResult(1, r); }, results)
            .AddInteger("Button2ModalResult", [](const D& d) { return d.ButtonModalResult(2); },
                        [](D& d, int r) { d.SetButtonModalResult(2, r); }, results)
            .AddInteger("Button3ModalResult", [](const D& d) { return d.ButtonModalResult(3); },
                        [](D& d, int r) { d.SetButtonModalResult(3, r); }, results)
            .AddEnum("IconType", IconTypeInfo(), &D::IconType, &D::SetIconType)
            .AddText("Text", &D::Text, &D::SetText)
            .Register();
    return info;
}

void TsuiMessageDialog::SetButtonCount(int count) {
    if (count < 1 || count > 3) throw fw::Exception(fw::Format("%d is not a valid button count (1 to 3)", count));
    buttonCount_ = count;
}

int TsuiMessageDialog::ShowModal() {
    // A fresh window each time, so a change of settings shows at the next call.
    std::unique_ptr<TfrmMsg> window = std::make_unique<TfrmMsg>(&fw::App());
    TfrmMsg& w = *window;
    w.SetFont(Font());
    w.suiForm1->TitleFont().Assign(CaptionFont());

    w.lbl->SetCaption(Text());
    const int a = std::max(w.lbl->Top() + w.lbl->Height(), w.Image1->Top() + w.Image1->Height());

    if (IconType() != TsuiIconType::suiNone) {
        w.lbl->SetLeft(88);
        fw::Bitmap icons;
        LoadSkinBitmap("MSGDLG", icons);
        auto frame = std::make_shared<fw::Bitmap>();
        CutBitmapFrame(icons, *frame, kIconFrames, static_cast<int>(IconType()));
        fw::Picture picture;
        picture.SetGraphic(frame);
        w.Image1->SetPicture(picture);
    } else {
        w.lbl->SetLeft(24);
        w.Image1->Hide();
        if (ButtonCount() < 3) w.SetWidth(w.Width() - 64);
    }

    int x = w.Width() - 97;
    for (int n = ButtonCount(); n >= 1; --n) {
        auto* button = new TsuiButton(&w);
        button->SetParent(w.suiForm1);
        button->SetBounds(x, a + 20, kButtonWidth, kButtonHeight);
        button->SetCursor(ButtonCursor());
        button->SetTabStop(true);
        button->SetTabOrder(1);
        button->SetCaption(ButtonCaption(n));
        button->SetModalResult(ButtonModalResult(n));
        w.SetActiveControl(button);
        x -= kButtonPitch;
    }
    w.SetHeight(a + 65);

    w.SetPosition(GetPosition());
    w.suiForm1->SetCaption(Caption());
    w.suiForm1->SetFileTheme(FileTheme());
    w.suiForm1->SetUIStyle(UIStyle());
    if (OnWindowReady) OnWindowReady(w);
    return w.ShowModal();
}
