// The skinned message dialog shown for real: its window sizes and button places, the icon
// frame, the results of its buttons and of its close box, the keyboard as a Windows user
// drives it (real key input), the look it takes and loses, and the exit question in every look.
#include "tests/win/skincontrols/SkinControlTestSupport.h"

#include "framework/graphics/PictureLoader.h"
#include "framework/stdctrls/Image.h"
#include "framework/stdctrls/Label.h"
#include "skin/controls/SUIButton.h"
#include "skin/dialogs/SUIDlg.h"
#include "skin/dialogs/frmMessage.h"
#include "skin/frame/SUIForm.h"

#include <functional>
#include <vector>

namespace {

using Input = skincontrols::SkinFormFixture;

// The window as the screen shows it (its child windows included), written as
// build/screenshots/<name>.bmp.
void SaveScreenGrab(HWND window, const std::string& name) {
    RECT r;
    GetWindowRect(window, &r);
    fw::Bitmap shot(r.right - r.left, r.bottom - r.top);
    HDC screen = GetDC(nullptr);
    BitBlt(shot.Canvas().Handle(), 0, 0, shot.Width(), shot.Height(), screen, r.left, r.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    skincontrols::WriteScreenshot(shot, name);
}

std::function<void()>& PendingAction() {
    static std::function<void()> action;
    return action;
}

struct DialogFixture : ::testing::Test {
    fwtest::Owned<fwtest::TestForm> owner{new fwtest::TestForm(&fw::App())};
    TsuiMessageDialog* dialog = nullptr;

    void SetUp() override {
        fw::InstallPictureResourceLoader(GetModuleHandleW(nullptr));
        dialog = new TsuiMessageDialog(owner.get());
        // As the password book has it.
        dialog->SetCaption("确认");
        dialog->SetButtonCount(2);
        dialog->SetButtonCaption(1, "要得");
        dialog->SetButtonModalResult(1, fw::mrYes);
        dialog->SetButtonCaption(2, "不得行");
        dialog->SetButtonModalResult(2, fw::mrNo);
        dialog->Font().SetName("宋体");
        dialog->Font().SetHeight(17);
        dialog->Font().SetCharset(fw::Font::Gb2312Charset);
        dialog->SetText("真的要退出程序吗？");
        dialog->SetUIStyle(TsuiUIStyle::MacOS);
        Input::ReleaseAll();
    }

    // Shows the dialog; `act` runs inside its modal loop once the window is in front, and must
    // end it.
    int Run(const std::function<void(TfrmMsg&)>& act) {
        TfrmMsg* shown = nullptr;
        dialog->OnWindowReady = [&](TfrmMsg& w) { shown = &w; };
        PendingAction() = [&] {
            fwtest::PumpUntil([&] { return shown->Showing() && GetForegroundWindow() == shown->Handle(); }, 2000);
            Input::Settle();
            act(*shown);
        };
        SetTimer(nullptr, 0, 30, [](HWND, UINT, UINT_PTR id, DWORD) {
            KillTimer(nullptr, id);
            std::function<void()> f = std::move(PendingAction());
            PendingAction() = nullptr;
            if (f) f();
        });
        return dialog->ShowModal();
    }

    static std::vector<TsuiButton*> Buttons(TfrmMsg& w) {
        std::vector<TsuiButton*> buttons;
        for (int i = 0; i < w.suiForm1->ControlCount(); ++i)
            if (auto* b = dynamic_cast<TsuiButton*>(w.suiForm1->Controls(i))) buttons.push_back(b);
        std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->Left() < b->Left(); });
        return buttons;
    }
    static void ClickButton(TsuiButton* b) { Input::ClickAt(b, b->Width() / 2, b->Height() / 2); }
};

TEST_F(DialogFixture, SizesAndButtonPlacesFollowTheTextTheIconAndTheButtonCount) {
    struct Seen {
        int width, height, labelLeft;
        std::vector<fw::Rect> buttons;
        std::string focused;
        bool imageVisible;
    } seen{};
    const auto look = [&](TfrmMsg& w) {
        seen = {w.Width(), w.Height(), w.lbl->Left(), {}, "", w.Image1->Visible()};
        for (TsuiButton* b : Buttons(w)) seen.buttons.push_back(b->BoundsRect());
        if (auto* c = dynamic_cast<TsuiButton*>(w.ActiveControl())) seen.focused = c->Caption();
        ClickButton(Buttons(w).back());
    };

    // The designed look: its border width is the one the designed sizes count with.
    dialog->SetUIStyle(TsuiUIStyle::WinXP);
    EXPECT_EQ(Run(look), fw::mrNo);
    EXPECT_EQ(seen.height, 169) << "one line: 104 + 65";
    EXPECT_EQ(seen.width, 336 - 64) << "no icon and two buttons";
    EXPECT_EQ(seen.labelLeft, 24);
    EXPECT_FALSE(seen.imageVisible);
    ASSERT_EQ(seen.buttons.size(), 2u);
    EXPECT_EQ(seen.buttons[1], (fw::Rect{272 - 97, 124, 272 - 97 + 73, 149}));
    EXPECT_EQ(seen.buttons[0].Left, 272 - 97 - 93);
    EXPECT_EQ(seen.focused, "要得") << "button 1 holds the focus";

    dialog->SetText(std::string(30, 'x') + " " + std::string(30, 'y') + " " + std::string(30, 'z') + " end");
    dialog->SetButtonCount(3);
    dialog->SetButtonCaption(3, "Cancel");
    EXPECT_EQ(Run(look), fw::mrCancel);
    EXPECT_GT(seen.height, 169) << "a longer text makes the window taller";
    EXPECT_EQ(seen.width, 336) << "three buttons keep the width";
    ASSERT_EQ(seen.buttons.size(), 3u);
    EXPECT_EQ(seen.buttons[1].Left - seen.buttons[0].Left, 93);
    EXPECT_EQ(seen.buttons[2].Left - seen.buttons[1].Left, 93);
    EXPECT_EQ(seen.buttons[0].Top, seen.height - 45);

    dialog->SetButtonCount(1);
    dialog->SetText("Hello");
    dialog->SetIconType(TsuiIconType::suiStop);
    fw::Bitmap icon;
    dialog->OnWindowReady = nullptr;
    EXPECT_EQ(Run([&](TfrmMsg& w) {
                  seen = {w.Width(), w.Height(), w.lbl->Left(), {}, "", w.Image1->Visible()};
                  if (auto* b = dynamic_cast<fw::Bitmap*>(w.Image1->Picture().GetGraphic().get())) icon = *b;
                  ClickButton(Buttons(w).front());
              }),
              fw::mrYes);
    EXPECT_EQ(seen.width, 336) << "an icon keeps the width";
    EXPECT_EQ(seen.labelLeft, 88);
    EXPECT_TRUE(seen.imageVisible);
    fw::Bitmap all;
    LoadSkinBitmap("MSGDLG", all);
    fw::Bitmap stop;
    CutBitmapFrame(all, stop, 4, 2);
    EXPECT_EQ(skincontrols::Differences(stop, icon), 0) << "the stop frame";
    int red = 0;
    for (int y = 0; y < icon.Height(); ++y)
        for (int x = 0; x < icon.Width(); ++x) {
            const fw::Color c = icon.Pixel(x, y);
            red += (c & 0xFF) > 150 && ((c >> 8) & 0xFF) < 100 && ((c >> 16) & 0xFF) < 100;
        }
    EXPECT_GT(red, 42 * 42 / 8) << "red";
}

TEST_F(DialogFixture, TheKeyboardAnswersAsOnWindows) {
    // Return and Space answer the focused first button.
    EXPECT_EQ(Run([](TfrmMsg&) { Input::Tap(VK_RETURN); }), fw::mrYes);
    EXPECT_EQ(Run([](TfrmMsg&) { Input::Tap(VK_SPACE); }), fw::mrYes);
    // Tab moves to the next button.
    EXPECT_EQ(Run([](TfrmMsg&) {
                  Input::Tap(VK_TAB);
                  Input::Tap(VK_RETURN);
              }),
              fw::mrNo);
    // Escape does nothing: no button is a cancel button.
    bool openAfterEscape = false;
    EXPECT_EQ(Run([&](TfrmMsg& w) {
                  Input::Tap(VK_ESCAPE);
                  openAfterEscape = w.Showing() && w.ModalResult() == fw::mrNone;
                  Input::Tap(VK_RETURN);
              }),
              fw::mrYes);
    EXPECT_TRUE(openAfterEscape);
    // Alt+F4 closes the window: cancel, whatever the buttons give.
    EXPECT_EQ(Run([](TfrmMsg&) {
                  Input::Key(VK_MENU, false);
                  Input::Tap(VK_F4);
                  Input::Key(VK_MENU, true);
                  Input::Settle();
              }),
              fw::mrCancel);
}

TEST_F(DialogFixture, TheCloseBoxReturnsCancelAndTheLookComesFromTheDialog) {
    for (TsuiUIStyle look : skincontrols::kLooks) {
        dialog->SetUIStyle(look);
        TsuiUIStyle formLook = TsuiUIStyle::FromThemeFile;
        TsuiUIStyle buttonLook = TsuiUIStyle::FromThemeFile;
        std::string caption;
        const int result = Run([&](TfrmMsg& w) {
            formLook = w.suiForm1->UIStyle();
            buttonLook = Buttons(w).front()->UIStyle();
            caption = w.suiForm1->Caption();
            w.Repaint();
            Input::Settle();
            SaveScreenGrab(w.Handle(), "exit-question-" + UIStyleInfo().NameOf(static_cast<int>(look)));
            TsuiTitleBar* bar = w.suiForm1->TitleBar();
            const fw::Rect close = bar->ButtonRect(0);
            Input::ClickAt(bar, (close.Left + close.Right) / 2, (close.Top + close.Bottom) / 2);
        });
        EXPECT_EQ(result, fw::mrCancel) << "the close box";
        EXPECT_EQ(formLook, look);
        EXPECT_EQ(buttonLook, look) << "the skinned form passes its look to the buttons";
        EXPECT_EQ(caption, "确认");
    }

    // A removed file theme leaves the dialog in DeepBlue.
    auto* theme = new TsuiFileTheme(owner.get());
    dialog->SetFileTheme(theme);
    delete theme;
    EXPECT_EQ(dialog->FileTheme(), nullptr);
    EXPECT_EQ(dialog->UIStyle(), TsuiUIStyle::DeepBlue);
    TsuiUIStyle shown = TsuiUIStyle::FromThemeFile;
    Run([&](TfrmMsg& w) {
        shown = w.suiForm1->UIStyle();
        Input::Tap(VK_RETURN);
    });
    EXPECT_EQ(shown, TsuiUIStyle::DeepBlue);
}

} // namespace
