// The title bar on a skinned form: the main window's buttons and caption places, the cut
// caption, the sections of every look, the mouse on its buttons and caption (real input),
// the maximise button's pictures, the window region and the inactive caption.
#include "SkinFormFixture.h"

#include "framework/graphics/Icon.h"

namespace {

using skinframe::SkinnedFormFixture;
using Input = skincontrols::SkinFormFixture;

struct TitleBarFixture : SkinnedFormFixture {
    TsuiTitleBar* bar = nullptr;
    std::vector<int> customClicks;

    void Make(fw::BorderStyle style, TsuiUIStyle look) {
        SkinnedFormFixture::Make(style, look);
        bar = skinned->TitleBar();
        bar->OnCustomBtnsClick = [this](fw::Component*, int index) { customClicks.push_back(index); };
        bar->Repaint();
    }
    // The main window's buttons: control box, close, maximise (hidden), minimise.
    void MainWindowButtons() {
        TsuiTitleBarButtons& b = skinned->TitleBarButtons();
        b.BeginUpdate();
        b.Clear();
        for (TsuiTitleBarBtnType t : {TsuiTitleBarBtnType::suiControlBox, TsuiTitleBarBtnType::suiClose,
                                      TsuiTitleBarBtnType::suiMax, TsuiTitleBarBtnType::suiMin}) {
            TsuiTitleBarButton& button = b.Add();
            button.SetButtonType(t);
            button.SetUIStyle(skinned->UIStyle());
            button.SetVisible(t != TsuiTitleBarBtnType::suiMax);
        }
        b.EndUpdate();
        bar->Repaint();
    }
    fw::Point Centre(int button) {
        const fw::Rect r = bar->ButtonRect(button);
        return fw::Point{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
};

TEST_F(TitleBarFixture, TheMainWindowsButtonsIconAndCaptionInEveryLook) {
    Make(fw::BorderStyle::None, TsuiUIStyle::MacOS);
    skinned->SetTitleBarDrawAppIcon(true);
    MainWindowButtons();
    const int w = bar->Width();
    const TsuiTitleBarButtons& b = skinned->TitleBarButtons();
    EXPECT_EQ(bar->CaptionLeft(), 24) << "icon at LeftBtnXOffset + 3, caption 18 pixels further";
    EXPECT_EQ(bar->DrawnCaption(), "我的Vornik");
    EXPECT_EQ(bar->ButtonRect(1).Right, w - 2) << "close is the right-most (RightBtnXOffset -2)";
    EXPECT_EQ(bar->ButtonRect(3).Right, bar->ButtonRect(1).Left - 1) << "the hidden maximise button takes no space";
    EXPECT_EQ(bar->ButtonRect(2), fw::Rect{});
    // The program's icon sits at (6, Top) at 16 x 16.
    fw::Icon icon;
    icon.LoadFromResourceName(fw::App().Module(), "MAINICON", 16);
    // The icon's fully opaque pixels: the same on two backgrounds.
    fw::Bitmap expected(16, 16);
    fw::Bitmap onBlack(16, 16);
    FillRectColor(expected.Canvas(), fw::Rect{0, 0, 16, 16}, fw::RgbColor(255, 0, 255));
    expected.Canvas().Draw(0, 0, icon);
    onBlack.Canvas().Draw(0, 0, icon);
    const fw::Bitmap& painted = bar->PaintBuffer();
    const int top = b.Item(0).Top();
    int opaque = 0;
    int same = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            if (expected.Pixel(x, y) != onBlack.Pixel(x, y)) continue;
            ++opaque;
            same += painted.Pixel(6 + x, top + y) == expected.Pixel(x, y);
        }
    EXPECT_GT(opaque, 50);
    EXPECT_EQ(same, opaque) << "the icon's own pixels at (6, Top)";
    // The window itself answers with the program's icon, through the skinned window procedure.
    ASSERT_NE(fw::App().Icon(), nullptr);
    for (WPARAM kind : {ICON_BIG, ICON_SMALL, ICON_SMALL2})
        EXPECT_EQ(SendMessageW(Window(), WM_GETICON, kind, 0), reinterpret_cast<LRESULT>(fw::App().Icon())) << kind;

    for (TsuiUIStyle look : skincontrols::kLooks) {
        skinned->SetUIStyle(look);
        bar->Repaint();
        const TsuiStyleValues values(nullptr, look);
        fw::Bitmap left;
        values.Bitmap(TsuiThemeElement::TitleBarLeftImage, left);
        EXPECT_EQ(bar->Height(), left.Height()) << "height of the left section's picture";
        EXPECT_EQ(skincontrols::Frame(look, TsuiThemeElement::TitleBarButtonImage, 16).Width(), b.Item(1).Width());
        EXPECT_EQ(b.Item(1).Top(), values.Int(TsuiThemeElement::TitleBarButtonTopInt));
        EXPECT_EQ(bar->Font().Color(), look == TsuiUIStyle::MacOS ? fw::clBlack : fw::clWhite);
        // The left picture at x = 0 (outside the icon), the right one ending at the right edge.
        fw::Bitmap right;
        values.Bitmap(TsuiThemeElement::TitleBarRightImage, right);
        EXPECT_EQ(skinned->TitleBarSections().Item(0).Width(), left.Width());
        EXPECT_EQ(bar->PaintBuffer().Pixel(w - 1, bar->Height() - 1), right.Pixel(right.Width() - 1, right.Height() - 1));
        EXPECT_EQ(bar->PaintBuffer().Pixel(0, bar->Height() - 1), left.Pixel(0, left.Height() - 1));
    }

    // The control box's menu: every item enabled, "Maximize/Restore" too (a maximise button exists).
    TsuiTitleBarPopupMenu& menu = bar->SystemMenu();
    EXPECT_EQ(menu.Items().Items(0)->Caption(), "Minimize");
    EXPECT_EQ(menu.Items().Items(1)->Caption(), "Maximize/Restore");
    EXPECT_EQ(menu.Items().Items(3)->Caption(), "Close");
}

TEST_F(TitleBarFixture, ACaptionWiderThanItsRoomShowsTwoBytesAndDots) {
    Make(fw::BorderStyle::None, TsuiUIStyle::DeepBlue);
    skinned->SetPanelWidth(140);
    bar->Repaint();
    EXPECT_EQ(bar->DrawnCaption(), "我...");
    skinned->SetCaption("Vornik password book");
    bar->Repaint();
    EXPECT_EQ(bar->DrawnCaption(), "Vo...");
    skinned->SetPanelWidth(340);
    bar->Repaint();
    EXPECT_EQ(bar->DrawnCaption(), "Vornik password book");
}

TEST_F(TitleBarFixture, PressOnOneButtonAndReleaseOnAnotherRunsTheOther) {
    Make(fw::BorderStyle::None, TsuiUIStyle::WinXP);
    TsuiTitleBarButtons& b = skinned->TitleBarButtons();
    b.Clear();
    for (int i = 0; i < 2; ++i) {
        b.Add().SetTop(5);
    }
    b.Item(0).PicNormal().SetGraphic(std::make_shared<fw::Bitmap>(
        skincontrols::Frame(TsuiUIStyle::WinXP, TsuiThemeElement::TitleBarButtonImage, 4)));
    b.Item(1).PicNormal().SetGraphic(b.Item(0).PicNormal().GetGraphic());
    b.Item(0).PicMouseDown().SetGraphic(std::make_shared<fw::Bitmap>(
        skincontrols::Frame(TsuiUIStyle::WinXP, TsuiThemeElement::TitleBarButtonImage, 6)));
    bar->Repaint();

    Input::MoveTo(bar, Centre(0).X, Centre(0).Y);
    Input::LeftDown();
    EXPECT_TRUE(bar->ButtonPressed());
    EXPECT_EQ(bar->HotButton(), 0);
    EXPECT_EQ(skincontrols::Differences(skincontrols::Frame(TsuiUIStyle::WinXP, TsuiThemeElement::TitleBarButtonImage, 6),
                                 bar->PaintBuffer(), bar->ButtonRect(0).Left, bar->ButtonRect(0).Top),
              0)
        << "the pressed picture shows";
    Input::MoveTo(bar, Centre(1).X, Centre(1).Y);
    Input::LeftUp();
    EXPECT_EQ(customClicks, std::vector<int>{1});
    EXPECT_FALSE(bar->ButtonPressed());

    // Released away from every button: nothing runs, and the window did not move either.
    const RECT before = WindowRect();
    Input::MoveTo(bar, Centre(0).X, Centre(0).Y);
    Input::LeftDown();
    Input::MoveTo(bar, bar->Width() / 2, 2);
    Input::LeftUp();
    EXPECT_EQ(customClicks, std::vector<int>{1});
    EXPECT_EQ(WindowRect().left, before.left);
}

TEST_F(TitleBarFixture, DraggingTheCaptionMovesTheWindowUnlessItIsMaximised) {
    Make(fw::BorderStyle::Sizeable, TsuiUIStyle::MacOS);
    const RECT before = WindowRect();
    Drag(bar, fw::Point{80, 8}, fw::Point{130, 38});
    EXPECT_EQ(WindowRect().left, before.left + 50);
    EXPECT_EQ(WindowRect().top, before.top + 30);

    // Maximised: the maximise button shows the restore frames, and the caption does not move it.
    form->SetWindowState(fw::WindowState::Maximized);
    fwtest::PumpUntil([&] { return IsZoomed(Window()) != FALSE; }, 1500);
    skinned->SetUIStyle(TsuiUIStyle::Protein);
    const TsuiTitleBarButton& max = skinned->TitleBarButtons().Item(2);
    ASSERT_EQ(max.ButtonType(), TsuiTitleBarBtnType::suiMax);
    const auto* normal = dynamic_cast<const fw::Bitmap*>(max.PicNormal().GetGraphic().get());
    ASSERT_NE(normal, nullptr);
    EXPECT_EQ(skincontrols::Differences(skincontrols::Frame(TsuiUIStyle::Protein, TsuiThemeElement::TitleBarButtonImage, 10), *normal),
              0);
    const RECT maximised = WindowRect();
    Drag(bar, fw::Point{80, 8}, fw::Point{130, 38});
    EXPECT_EQ(WindowRect().left, maximised.left);
    EXPECT_EQ(WindowRect().top, maximised.top);
    form->SetWindowState(fw::WindowState::Normal);
    fwtest::PumpUntil([&] { return IsZoomed(Window()) == FALSE; }, 1500);
    skinned->SetUIStyle(TsuiUIStyle::Protein);
    normal = dynamic_cast<const fw::Bitmap*>(max.PicNormal().GetGraphic().get());
    EXPECT_EQ(skincontrols::Differences(skincontrols::Frame(TsuiUIStyle::Protein, TsuiThemeElement::TitleBarButtonImage, 7), *normal),
              0);
}

TEST_F(TitleBarFixture, TheWindowRegionRoundsOnlyTheTopCornersAndZeroIsARectangle) {
    Make(fw::BorderStyle::None, TsuiUIStyle::DeepBlue);
    const int cw = form->ClientWidth();
    const int ch = form->ClientHeight();
    const auto region = [&] {
        HRGN r = CreateRectRgn(0, 0, 0, 0);
        const int kind = GetWindowRgn(Window(), r);
        RECT box{};
        GetRgnBox(r, &box);
        const bool corner = PtInRegion(r, 0, 0) != FALSE;
        const bool bottomCorner = PtInRegion(r, 0, ch - 1) != FALSE;
        DeleteObject(r);
        return std::tuple{kind, box, corner, bottomCorner};
    };
    skinned->SetRoundCorner(0);
    auto [kind, box, corner, bottom] = region();
    EXPECT_EQ(kind, SIMPLEREGION);
    EXPECT_EQ(box.right, cw);
    EXPECT_EQ(box.bottom, ch);
    EXPECT_TRUE(corner);

    skinned->SetRoundCorner(13);
    std::tie(kind, box, corner, bottom) = region();
    EXPECT_EQ(kind, COMPLEXREGION);
    EXPECT_FALSE(corner) << "top corners are cut";
    EXPECT_TRUE(bottom) << "bottom corners stay square";

    // WinXP draws no outline even with a corner size; other looks do, in the border colour.
    skinned->SetUIStyle(TsuiUIStyle::WinXP);
    bar->SetRoundCorner(11);
    bar->Repaint();
    const fw::Color xp = bar->PaintBuffer().Pixel(3, 1);
    skinned->SetUIStyle(TsuiUIStyle::BlueGlass);
    bar->SetRoundCorner(11);
    bar->Repaint();
    EXPECT_NE(xp, bar->CornerColor());
    int outline = 0;
    for (int x = 0; x < 12; ++x) outline += bar->PaintBuffer().Pixel(x, 0) == bar->CornerColor();
    EXPECT_GT(outline, 0);
}

// Every region given to a top-level window is a frame change, ten display lookups under Wine.
TEST_F(TitleBarFixture, AChangeOfLookThatResizesTheWindowSetsItsRegionOnceForTheNewSizeAndCorners) {
    Make(fw::BorderStyle::None, TsuiUIStyle::DeepBlue);
    const int width = WindowRect().right - WindowRect().left;
    static HWND watched;
    static int frameChanges;
    watched = Window();
    frameChanges = 0;
    HHOOK hook = SetWindowsHookExW(
        WH_CALLWNDPROC,
        [](int code, WPARAM w, LPARAM l) -> LRESULT {
            const auto* call = reinterpret_cast<const CWPSTRUCT*>(l);
            if (code >= 0 && call->hwnd == watched && call->message == WM_WINDOWPOSCHANGING &&
                (reinterpret_cast<const WINDOWPOS*>(call->lParam)->flags & SWP_FRAMECHANGED) != 0)
                ++frameChanges;
            return CallNextHookEx(nullptr, code, w, l);
        },
        nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    // WinXP: border 3 instead of 1 (the window grows by 4) and corners of 13.
    skinned->SetUIStyle(TsuiUIStyle::WinXP);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(WindowRect().right - WindowRect().left, width + 4);
    EXPECT_EQ(frameChanges, 1);
    HRGN r = CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(GetWindowRgn(Window(), r), COMPLEXREGION);
    RECT box{};
    GetRgnBox(r, &box);
    EXPECT_EQ(box.right, form->ClientWidth());
    EXPECT_FALSE(PtInRegion(r, 1, 1)) << "the top corners are WinXP's";
    EXPECT_TRUE(PtInRegion(r, form->ClientWidth() - 1, form->ClientHeight() - 1));
    DeleteObject(r);
}

TEST_F(TitleBarFixture, AnInactiveWindowDrawsItsCaptionInTheInactiveColour) {
    Make(fw::BorderStyle::None, TsuiUIStyle::DeepBlue);
    skinned->SetCaption("WWWWWWWW");
    const fw::Color inactive = static_cast<fw::Color>(GetSysColor(COLOR_INACTIVECAPTION));
    const auto count = [&] {
        bar->Repaint();
        int n = 0;
        const fw::Bitmap& b = bar->PaintBuffer();
        for (int y = 0; y < b.Height(); ++y)
            for (int x = bar->CaptionLeft(); x < bar->CaptionLeft() + 60; ++x) n += b.Pixel(x, y) == inactive;
        return n;
    };
    const int active = count();
    bar->SetFormActive(false);
    EXPECT_GT(count(), active + 20);
    EXPECT_EQ(bar->Font().Color(), fw::clWhite) << "the font keeps its colour";
    bar->SetFormActive(true);
    EXPECT_EQ(count(), active);
}

} // namespace
