// The skinned track bar driven by real mouse and key input: the range rules and OnChange,
// paging beside the slider with its repeat (never past the pointer), dragging with halves
// rounded to even, the keys, the bar, slider and tick pixels of every look in both
// orientations, MacOS's transparency, and pictures from a theme file.
#include "tests/win/skincontrols/SkinControlTestSupport.h"
#include "tests/win/themes/ThemeTestSupport.h"

#include "skin/controls/SUIImagePanel.h"
#include "skin/controls/SUITrackBar.h"
#include "skin/controls/SUITrackLayout.h"

#include <vector>

using namespace skincontrols;

namespace {

constexpr fw::Color kFuchsia = fw::clFuchsia;
using Orientation = TsuiProgressBarOrientation;

struct TrackFixture : SkinFormFixture {
    std::vector<int> changes;

    TsuiTrackBar* AddBar(int left, int top, int width, int height, Orientation o = Orientation::suiHorizontal) {
        auto* bar = Add<TsuiTrackBar>(left, top, width, height);
        bar->SetOrientation(o);
        bar->SetBounds(left, top, width, height);
        bar->OnChange = [this, bar](fw::Component* sender) {
            EXPECT_EQ(sender, bar);
            changes.push_back(bar->Position());
        };
        return bar;
    }
    static const fw::Bitmap& Painted(fw::CustomControl* c) {
        c->Repaint();
        return c->PaintBuffer();
    }
    static const fw::Bitmap& SliderPicture(TsuiTrackBar* bar) {
        return *dynamic_cast<const fw::Bitmap*>(bar->SliderImage().GetGraphic().get());
    }
    // The pointer where the system put it, in the control's client coordinates.
    static fw::Point Pointer(fw::Control* c) {
        POINT p;
        GetCursorPos(&p);
        return c->ScreenToClient(fw::Point{p.x, p.y});
    }
};

TEST_F(TrackFixture, TheRangeKeepsPositionInsideAndOnlyChangesAreReported) {
    TsuiTrackBar* bar = AddBar(20, 20, 200, 30);
    EXPECT_EQ(bar->Height(), 20) << "as high as DeepBlue's slider; the bar is 4";
    bar->SetPosition(7);
    EXPECT_EQ(bar->Slider()->Left(), 189 * 7 / 10);
    EXPECT_EQ(bar->Slider()->Top(), 0);
    bar->Slider()->SetLeft(3);
    bar->SetPosition(7);
    EXPECT_EQ(bar->Slider()->Left(), 189 * 7 / 10) << "the same position places the slider again";
    EXPECT_EQ(changes, (std::vector<int>{7})) << "but reports nothing";

    bar->SetMax(-5);
    EXPECT_EQ(bar->Max(), 0) << "Max below Min becomes Min";
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_EQ(bar->Slider()->Left(), 0) << "no range: at the start";
    bar->SetMax(20);
    bar->SetMin(30);
    EXPECT_EQ(bar->Min(), 20) << "Min above Max becomes Max";
    EXPECT_EQ(bar->Position(), 20);
    bar->SetPosition(-100);
    EXPECT_EQ(bar->Position(), 20);
    EXPECT_EQ(changes, (std::vector<int>{7, 0, 20}));

    bar->SetPageSize(21);
    bar->SetPageSize(-1);
    bar->SetLineSize(21);
    EXPECT_EQ(bar->PageSize(), 2) << "only 0..Max";
    EXPECT_EQ(bar->LineSize(), 1);
    bar->SetPageSize(20);
    bar->SetLineSize(0);
    EXPECT_EQ(bar->PageSize(), 20);
    EXPECT_EQ(bar->LineSize(), 0);
}

TEST_F(TrackFixture, HoldingBesideTheSliderPagesTowardThePointerWithoutPassingIt) {
    TsuiTrackBar* across = AddBar(20, 20, 300, 30);
    across->SetMax(100);
    MoveTo(across, 250, 10);
    const fw::Point p = Pointer(across);
    const std::int64_t under = TrackPositionFromPoint(p.X, 0, 100, 300, across->Slider()->Width());
    ASSERT_GT(under, 60);
    LeftDown();
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(changes.front(), 2) << "one page on the press";
    EXPECT_TRUE(across->Paging());
    EXPECT_TRUE(fwtest::PumpUntil([&] { return across->Position() == under; }, 5000));
    fwtest::PumpUntil([] { return false; }, 250);
    LeftUp();
    EXPECT_FALSE(across->Paging());
    ASSERT_GE(changes.size(), 3u);
    for (size_t i = 1; i + 1 < changes.size(); ++i) EXPECT_EQ(changes[i] - changes[i - 1], 6) << "three pages a tick";
    EXPECT_EQ(changes.back(), under) << "it stops under the pointer";
    const size_t seen = changes.size();
    fwtest::PumpUntil([] { return false; }, 250);
    EXPECT_EQ(changes.size(), seen) << "nothing after the release";

    // Left of the slider it pages back.
    changes.clear();
    MoveTo(across, 5, 10);
    // Pressed and released at once: no repeat tick comes between.
    Mouse(MOUSEEVENTF_LEFTDOWN);
    Mouse(MOUSEEVENTF_LEFTUP);
    Settle();
    EXPECT_EQ(changes, (std::vector<int>{static_cast<int>(under) - 2}));

    TsuiTrackBar* down = AddBar(340, 10, 40, 220, Orientation::suiVertical);
    down->SetMax(100);
    changes.clear();
    MoveTo(down, 10, 210);
    LeftDown();
    EXPECT_TRUE(fwtest::PumpUntil([&] { return changes.size() >= 4; }, 3000));
    // Leaving the bar ends the paging, though the button is still held.
    MoveTo(form.get(), 200, 200);
    const size_t held = changes.size();
    fwtest::PumpUntil([] { return false; }, 250);
    EXPECT_EQ(changes.size(), held);
    LeftUp();
    for (size_t i = 0; i < changes.size(); ++i) EXPECT_EQ(changes[i], 2 * static_cast<int>(i + 1)) << "one page a tick";
}

TEST_F(TrackFixture, DraggingCentresTheSliderOnThePointerRoundingHalvesToEven) {
    // 20 free pixels for 10 steps: every odd pixel is a half.
    TsuiTrackBar* bar = AddBar(20, 20, 31, 30);
    ASSERT_EQ(bar->Slider()->Width(), 11);
    MoveTo(bar->Slider(), 5, 5);
    LeftDown();
    EXPECT_TRUE(bar->Dragging());
    const std::pair<int, int> moves[] = {{8, 2}, {10, 2}, {12, 4}, {14, 4}, {200, 10}, {-30, 0}};
    for (auto [x, expected] : moves) {
        MoveTo(bar, x, 40);
        ASSERT_EQ(Pointer(bar).X, x) << "the pointer did not land where asked";
        EXPECT_EQ(bar->Position(), expected) << "pointer at " << x;
        EXPECT_EQ(bar->Slider()->Left(), 2 * expected);
    }
    LeftUp();
    EXPECT_FALSE(bar->Dragging());
    EXPECT_NE(GetCapture(), bar->Handle()) << "the mouse is free again";
    EXPECT_EQ(changes, (std::vector<int>{2, 4, 10, 0}));
    MoveTo(bar, 25, 5);
    EXPECT_EQ(bar->Position(), 0) << "moves after the release do nothing";
}

TEST_F(TrackFixture, TheKeysStepByLinesPagesAndToTheEnds) {
    TsuiTrackBar* bar = AddBar(20, 20, 200, 30);
    bar->SetFocus();
    Settle();
    ASSERT_TRUE(bar->Focused());
    for (WORD key : {VK_RIGHT, VK_DOWN, VK_NEXT, VK_END, VK_RIGHT, VK_PRIOR, VK_LEFT, VK_UP, VK_HOME, VK_UP}) Tap(key);
    EXPECT_EQ(changes, (std::vector<int>{1, 2, 4, 10, 8, 7, 6, 0}));
    EXPECT_TRUE(bar->Focused()) << "the arrows stay with the bar";
}

TEST_F(TrackFixture, EveryLookDrawsItsBarSliderAndElevenTicksForZeroToTen) {
    for (TsuiUIStyle look : kLooks) {
        SCOPED_TRACE(GetUIStyleName(look));
        TsuiTrackBar* across = AddBar(20, 20, 200, 30);
        TsuiTrackBar* down = AddBar(260, 20, 30, 200, Orientation::suiVertical);
        for (TsuiTrackBar* bar : {across, down}) {
            bar->SetUIStyle(look);
            bar->SetPosition(4);
            EXPECT_EQ(bar->Transparent(), look == TsuiUIStyle::MacOS);
        }
        fw::Bitmap image, slider, sliderV;
        GetBuiltInThemeBitmap(look, TsuiThemeElement::TrackBarBarImage, &image);
        GetBuiltInThemeBitmap(look, TsuiThemeElement::TrackBarSliderImage, &slider);
        GetBuiltInThemeBitmap(look, TsuiThemeElement::TrackBarSliderVImage, &sliderV);
        EXPECT_EQ(Differences(slider, SliderPicture(across)), 0);
        EXPECT_EQ(Differences(sliderV, SliderPicture(down)), 0);
        EXPECT_EQ(across->Height(), std::max(image.Height(), slider.Height()));
        EXPECT_EQ(down->Width(), std::max(image.Height(), sliderV.Width()));

        const fw::Bitmap& a = Painted(across);
        const int h = across->Height(), top = (h - image.Height()) / 2;
        for (int y = 0; y < image.Height(); ++y) {
            const fw::Color left = image.Pixel(0, y), right = image.Pixel(44, y);
            EXPECT_EQ(a.Pixel(0, top + y), left == kFuchsia ? kFormColor : left) << "left end, row " << y;
            EXPECT_EQ(a.Pixel(199, top + y), right == kFuchsia ? kFormColor : right) << "right end, row " << y;
        }
        int ticks = 0, fuchsia = 0;
        for (int x = 0; x < 200; ++x) {
            const bool tick = a.Pixel(x, h - 1) == fw::clBlack;
            ticks += tick;
            if (tick) {
                EXPECT_EQ(a.Pixel(x, h - 3), fw::clBlack);
            }
            EXPECT_NE(a.Pixel(x, h - 4), fw::clBlack) << "ticks are 3 pixels long";
            for (int y = 0; y < h; ++y) fuchsia += a.Pixel(x, y) == kFuchsia;
        }
        EXPECT_EQ(ticks, 11);
        EXPECT_EQ(fuchsia, 0) << "the bar's keyed ends show the colour, its middle is opaque";
        EXPECT_EQ(a.Pixel(TrackTickOffsets(0, 10, 200, slider.Width())[4], h - 1), fw::clBlack);

        const fw::Bitmap& d = Painted(down);
        int rows = 0;
        for (int y = 0; y < down->Height(); ++y) rows += d.Pixel(0, y) == fw::clBlack && d.Pixel(down->Width() - 1, y) == fw::clBlack;
        EXPECT_EQ(rows, 11) << "ticks on both sides";
        const fw::Bitmap& s = Painted(across->Slider());
        int keyed = 0;
        for (int y = 0; y < s.Height(); ++y)
            for (int x = 0; x < s.Width(); ++x) keyed += s.Pixel(x, y) == kFuchsia;
        EXPECT_EQ(keyed, 0) << "the horizontal slider shows the bar through its fuchsia";

        // MacOS turns Transparent on; the next look leaves it on.
        across->SetUIStyle(TsuiUIStyle::MacOS);
        across->SetUIStyle(TsuiUIStyle::WinXP);
        EXPECT_TRUE(across->Transparent());
        across->SetUIStyle(look);
        // On the look's own form colour, which the bar's keyed ends take on at once.
        const fw::Color background = GetBuiltInThemeColor(look, TsuiThemeElement::FormBackgroundColor);
        form->SetColor(background);
        for (int y = 0; y < image.Height(); ++y)
            if (image.Pixel(0, y) == kFuchsia) {
                EXPECT_EQ(Painted(across).Pixel(0, top + y), background);
            }
        Settle();
        SaveScreenshot(form.get(), std::string("trackbar-") + GetUIStyleName(look));
        form->SetColor(kFormColor);
        delete across;
        delete down;
    }
}

TEST_F(TrackFixture, AThemeFileGivesTheSliderItCarriesAndDeepBlueTheRestUntilItGoes) {
    const fw::PixelImage red(9, 15, 0xFF0000);
    themetest::TempFolder folder;
    const std::string path =
        folder.Write("slider.theme", BuildThemeFile({ImageEntry("TrackBarSliderImage", fw::EncodeBitmapFile(red))}).Bytes);
    auto* theme = new TsuiFileTheme(form.get());
    theme->SetThemeFile(path);
    TsuiTrackBar* bar = AddBar(20, 20, 200, 30);
    bar->SetUIStyle(TsuiUIStyle::FromThemeFile);
    bar->SetFileTheme(theme);
    EXPECT_EQ(bar->Slider()->Width(), 9);
    EXPECT_EQ(SliderPicture(bar).Pixel(4, 7), fw::clRed);
    fw::Bitmap deepBlueBar;
    GetBuiltInThemeBitmap(TsuiUIStyle::DeepBlue, TsuiThemeElement::TrackBarBarImage, &deepBlueBar);
    EXPECT_EQ(Differences(deepBlueBar, *dynamic_cast<const fw::Bitmap*>(bar->BarImage().GetGraphic().get())), 0)
        << "the bar the file lacks is DeepBlue's";
    EXPECT_EQ(bar->Height(), 15);
    delete theme;
    EXPECT_EQ(bar->FileTheme(), nullptr);
    EXPECT_EQ(bar->UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(bar->Slider()->Width(), 11);
    EXPECT_EQ(bar->Height(), 20);
}

} // namespace
