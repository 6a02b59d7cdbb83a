// The skinned form on a real form: where the panel sits and what the border shows, the resize
// zones of a form designed sizeable (and a real resize by the mouse), sizes through the panel,
// the background of every look, maximising to the work area and losing the file theme.
#include "SkinFormFixture.h"

#include "skin/styles/SUIThemeFile.h"

namespace {

using skinframe::SkinnedFormFixture;
using Input = skincontrols::SkinFormFixture;

TEST_F(SkinnedFormFixture, TheMainWindowsFramePanelBorderAndNoResizeZones) {
    Make(fw::BorderStyle::None, TsuiUIStyle::MacOS);
    const fw::Color red = fw::RgbColor(200, 30, 30);
    skinned->SetBorderColor(red);
    const int cw = form->ClientWidth();
    const int ch = form->ClientHeight();
    EXPECT_EQ(skinned->BoundsRect(), (fw::Rect{1, 0, cw - 1, ch - 1}));
    EXPECT_EQ(form->Caption(), "我的Vornik") << "the owner form keeps its caption";
    EXPECT_EQ(skinned->Caption(), "我的Vornik");
    EXPECT_EQ(form->GetBorderStyle(), fw::BorderStyle::None);
    EXPECT_EQ(form->Constraints().MinHeight(), 50);
    Input::Settle();
    // The border: left, right and bottom, none on top (the panel covers it).
    EXPECT_EQ(ScreenPixel(0, ch / 2), red);
    EXPECT_EQ(ScreenPixel(cw - 1, ch / 2), red);
    EXPECT_EQ(ScreenPixel(cw / 2, ch - 1), red);
    EXPECT_NE(ScreenPixel(cw / 2, 0), red);
    EXPECT_NE(ScreenPixel(1, ch / 2), red) << "one pixel wide";
    EXPECT_EQ(HitAt(Window(), 2, ch / 2), HTCLIENT) << "a form designed without border has no resize zones";
    EXPECT_EQ(HitAt(skinned->TitleBar()->Handle(), 2, 2), HTCLIENT);

    // Hiding the title bar moves the panel down and shows the top border line.
    skinned->SetTitleBarVisible(false);
    EXPECT_EQ(skinned->Top(), 1);
    EXPECT_EQ(skinned->Height(), ch - 2);
    Input::Settle();
    EXPECT_EQ(ScreenPixel(cw / 2, 0), red);
    skinned->SetTitleBarVisible(true);

    // A wider border keeps the panel's width: the form grows by the difference on both sides.
    const int panelWidth = skinned->Width();
    const int formWidth = form->Width();
    skinned->SetBorderWidth(3);
    EXPECT_EQ(skinned->Width(), panelWidth);
    EXPECT_EQ(form->Width(), formWidth + 4);
    EXPECT_EQ(skinned->Left(), 3);

    // Sizes through the panel resize the owner form around it.
    skinned->SetPanelWidth(300);
    skinned->SetPanelHeight(200);
    EXPECT_EQ(form->Width(), 306);
    EXPECT_EQ(form->Height(), 203);
    EXPECT_EQ(skinned->Width(), 300);
    EXPECT_EQ(skinned->Height(), 200);
}

TEST_F(SkinnedFormFixture, ASizeableFormAnswersEdgeAndCornerCodesAndResizesByTheMouse) {
    Make(fw::BorderStyle::Sizeable, TsuiUIStyle::DeepBlue);
    EXPECT_EQ(form->GetBorderStyle(), fw::BorderStyle::None) << "the native frame is gone";
    EXPECT_EQ(GetWindowLongPtrW(Window(), GWL_STYLE) & WS_CAPTION, 0);
    const int cw = form->ClientWidth();
    const int ch = form->ClientHeight();
    EXPECT_EQ(HitAt(Window(), 2, 2), HTTOPLEFT) << "top-left wins over top and left";
    EXPECT_EQ(HitAt(Window(), cw - 2, 2), HTTOPRIGHT);
    EXPECT_EQ(HitAt(Window(), cw - 2, ch - 2), HTBOTTOMRIGHT);
    EXPECT_EQ(HitAt(Window(), 2, ch - 2), HTBOTTOMLEFT);
    EXPECT_EQ(HitAt(Window(), 4, ch / 2), HTLEFT) << "the left zone is 5 pixels wide";
    EXPECT_EQ(HitAt(skinned->Handle(), 3, ch / 2), HTTRANSPARENT) << "the panel leaves the zone to the form";
    EXPECT_EQ(HitAt(Window(), 5, ch / 2), HTCLIENT);
    EXPECT_EQ(HitAt(Window(), cw - 4, ch / 2), HTRIGHT) << "the right zone is 4 pixels wide";
    EXPECT_EQ(HitAt(Window(), cw - 5, ch / 2), HTCLIENT);
    EXPECT_EQ(HitAt(Window(), cw / 2, ch - 4), HTBOTTOM);
    // The title bar covers the top edge and answers the same top zones for itself.
    HWND bar = skinned->TitleBar()->Handle();
    EXPECT_EQ(HitAt(bar, 2, 2), HTTOPLEFT);
    EXPECT_EQ(HitAt(bar, cw / 2, 2), HTTOP);
    EXPECT_EQ(HitAt(bar, cw - 2, 2), HTTOPRIGHT);
    EXPECT_EQ(HitAt(bar, cw / 2, 8), HTCLIENT);

    // Dragging the left edge resizes the form.
    const RECT before = WindowRect();
    Drag(form.get(), fw::Point{2, ch / 2}, fw::Point{-38, ch / 2});
    const RECT after = WindowRect();
    EXPECT_EQ(after.left, before.left - 40);
    EXPECT_EQ(after.right, before.right);
    EXPECT_EQ(skinned->Width(), form->ClientWidth() - 2 * skinned->BorderWidth()) << "the panel follows";
}

TEST_F(SkinnedFormFixture, EveryLookPaintsItsBackgroundAndTheMenuBarFollowsTheColour) {
    Make(fw::BorderStyle::None, TsuiUIStyle::DeepBlue);
    for (TsuiUIStyle look : skincontrols::kLooks) {
        skinned->SetUIStyle(look);
        skinned->Repaint();
        const TsuiStyleValues values(nullptr, look);
        EXPECT_EQ(skinned->GetColor(), values.Color(TsuiThemeElement::FormBackgroundColor));
        EXPECT_EQ(skinned->MenuBarColor(), skinned->GetColor());
        EXPECT_EQ(skinned->BorderWidth(), values.Int(TsuiThemeElement::FormBorderWidthInt));
        EXPECT_EQ(skinned->BorderColor(), values.Color(TsuiThemeElement::FormBorderColor));
        const fw::Bitmap& painted = skinned->PaintBuffer();
        const int y = skinned->TitleBar()->Height() + 10;
        if (look == TsuiUIStyle::MacOS || look == TsuiUIStyle::Protein) {
            fw::Bitmap tile;
            LoadSkinBitmap(look == TsuiUIStyle::MacOS ? "MACOS_FORM_BACKGROUND" : "PROTEIN_FORM_BACKGROUND", tile);
            for (int x = 0; x < 16; ++x)
                EXPECT_EQ(painted.Pixel(x, y), tile.Pixel(x % tile.Width(), y % tile.Height()))
                    << static_cast<int>(look) << " at " << x;
        } else {
            EXPECT_EQ(painted.Pixel(5, y), skinned->GetColor()) << static_cast<int>(look);
        }
        skincontrols::SaveScreenshot(form.get(), "skinned-form-" + UIStyleInfo().NameOf(static_cast<int>(look)));
    }
}

TEST_F(SkinnedFormFixture, AMaximisedDialogFormFitsTheWorkAreaAndRestoresItsBounds) {
    Make(fw::BorderStyle::Dialog, TsuiUIStyle::WinXP);
    const RECT normal = WindowRect();
    form->SetWindowState(fw::WindowState::Maximized);
    fw::Rect area;
    ASSERT_TRUE(GetWorkAreaRect(area));
    fwtest::PumpUntil([&] { return WindowRect().right - WindowRect().left == area.Width(); }, 1500);
    const RECT r = WindowRect();
    EXPECT_EQ((fw::Rect{r.left, r.top, r.right, r.bottom}), area);
    EXPECT_EQ(HitAt(Window(), 2, 100), HTCLIENT) << "no resize zones while maximised";
    form->SetWindowState(fw::WindowState::Normal);
    fwtest::PumpUntil([&] { return WindowRect().right - WindowRect().left == normal.right - normal.left; }, 1500);
    EXPECT_EQ(WindowRect().right - WindowRect().left, normal.right - normal.left);
}

TEST_F(SkinnedFormFixture, ASecondSkinnedFormIsRefusedAndALostFileThemeGivesDeepBlue) {
    Make(fw::BorderStyle::None, TsuiUIStyle::MacOS);
    try {
        new TsuiForm(form.get());
        ADD_FAILURE() << "a second skinned form was made";
    } catch (const fw::Exception& e) {
        EXPECT_EQ(e.Message(), "Sorry, You can create only one TsuiForm component in one form!");
    }
    auto* theme = new TsuiFileTheme(form.get());
    skinned->SetUIStyle(TsuiUIStyle::MacOS);
    skinned->SetFileTheme(theme);
    delete theme;
    EXPECT_EQ(skinned->FileTheme(), nullptr);
    EXPECT_EQ(skinned->UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(skinned->TitleBar()->UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(skinned->BorderWidth(), TsuiStyleValues(nullptr, TsuiUIStyle::DeepBlue).Int(TsuiThemeElement::FormBorderWidthInt));
    EXPECT_EQ(skinned->GetColor(), TsuiStyleValues(nullptr, TsuiUIStyle::DeepBlue).Color(TsuiThemeElement::FormBackgroundColor));
}

} // namespace
