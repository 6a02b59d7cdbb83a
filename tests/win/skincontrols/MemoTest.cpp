// The skinned memo driving two skinned scroll bars, with real mouse and key input: the bars
// laid over the native ones and kept in step with the text (disabled while it fits, the native
// thumb's length once it does not), a dragged bar scrolling the text without the memo writing
// back into it, placement and hiding, detaching and destroyed bars, and the look in every style.
#include "tests/win/skincontrols/SkinControlTestSupport.h"

#include "framework/graphics/Win32Color.h"
#include "skin/controls/SUIButton.h"
#include "skin/controls/SUIImagePanel.h"
#include "skin/controls/SUIMemo.h"
#include "skin/controls/SUIScrollBar.h"

#include <algorithm>
#include <string>

using namespace skincontrols;

namespace {

std::string NumberedLines(int n) {
    std::string text;
    for (int i = 1; i <= n; ++i) text += "line " + std::to_string(i) + (i < n ? "\r\n" : "");
    return text;
}

struct MemoFixture : SkinFormFixture {
    TsuiMemo* memo = nullptr;
    TsuiScrollBar* vbar = nullptr;
    TsuiScrollBar* hbar = nullptr;

    void SetUp() override {
        SkinFormFixture::SetUp();
        vbar = new TsuiScrollBar(form.get());
        vbar->SetParent(form.get());
        hbar = new TsuiScrollBar(form.get());
        hbar->SetParent(form.get());
        memo = Add<TsuiMemo>(20, 20, 200, 120);
        memo->SetUIStyle(TsuiUIStyle::MacOS);
        memo->SetWordWrap(false);
        memo->SetVScrollBar(vbar);
        memo->SetHScrollBar(hbar);
        Settle();
    }
    // The slider length the skinned bar shows for the native bar's thumb.
    static int ExpectedSlider(int thumb) { return std::max(thumb, 18); }
    static int SliderLength(TsuiScrollBar* bar) {
        TsuiImagePanel* s = bar->Track()->Slider();
        return bar->Orientation() == TsuiProgressBarOrientation::suiVertical ? s->Height() : s->Width();
    }
    // The skinned bar shows what the native one under it says.
    void ExpectInStep(TsuiScrollBar* bar, bool vertical, const char* what) {
        const fw::NativeScrollInfo native = memo->ScrollInfo(vertical);
        SCOPED_TRACE(what);
        EXPECT_EQ(bar->Enabled(), native.available);
        EXPECT_EQ(bar->SliderVisible(), native.available);
        if (native.available) {
            EXPECT_EQ(bar->LineButton(), ExpectedSlider(native.thumbLength));
            EXPECT_EQ(SliderLength(bar), ExpectedSlider(native.thumbLength));
        }
        EXPECT_EQ(bar->Max(), std::max(native.max - native.page + 1, native.min));
        EXPECT_EQ(bar->Position(), native.position);
    }
};

TEST_F(MemoFixture, TheBarsLieOverTheNativeOnesDisabledWhileTheTextFitsAndFollowTyping) {
    EXPECT_EQ(memo->ScrollBars(), fw::ScrollStyle::Both);
    EXPECT_EQ(vbar->Orientation(), TsuiProgressBarOrientation::suiVertical);
    EXPECT_EQ(hbar->Orientation(), TsuiProgressBarOrientation::suiHorizontal);
    EXPECT_EQ(vbar->Left(), 20 + 200 - vbar->Width() - 2);
    EXPECT_EQ(vbar->Top(), 21);
    EXPECT_EQ(vbar->Height(), 120 - hbar->Height() - 2);
    EXPECT_EQ(hbar->Left(), 21);
    EXPECT_EQ(hbar->Top(), 20 + 120 - hbar->Height() - 2);
    EXPECT_EQ(hbar->Width(), 200 - vbar->Width() - 2);

    for (TsuiScrollBar* bar : {vbar, hbar}) {
        EXPECT_FALSE(bar->Enabled());
        EXPECT_FALSE(bar->SliderVisible());
        EXPECT_EQ(bar->LineButton(), 0);
    }

    // Lines typed one by one: the first that does not fit enables the vertical bar at once.
    ClickAt(memo, 30, 10);
    int typed = 0;
    while (!memo->ScrollInfo(true).available && typed < 30) {
        Tap('A');
        Tap(VK_RETURN);
        ++typed;
        ExpectInStep(vbar, true, "typing");
    }
    ASSERT_TRUE(vbar->Enabled()) << "after " << typed << " lines";
    EXPECT_GT(vbar->Position(), 0) << "the caret's line is in view";
    EXPECT_EQ(vbar->Position(), memo->FirstVisibleLine());

    // A line longer than the view enables the horizontal bar, which steps three pages.
    for (int i = 0; i < 40 && !memo->ScrollInfo(false).available; ++i) Tap('W');
    ExpectInStep(hbar, false, "a long line");
    EXPECT_TRUE(hbar->Enabled());
    EXPECT_EQ(hbar->SmallChange(), 3 * hbar->PageSize());

    // The wheel and a text set by the program are followed too.
    memo->SetText(NumberedLines(60));
    ExpectInStep(vbar, true, "text set");
    MoveTo(memo, 60, 40);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_WHEEL;
    in.mi.mouseData = static_cast<DWORD>(-WHEEL_DELTA);
    SendInput(1, &in, sizeof in);
    EXPECT_TRUE(fwtest::PumpUntil([&] { return memo->FirstVisibleLine() > 0; }, 2000));
    ExpectInStep(vbar, true, "wheel");
}

TEST_F(MemoFixture, DraggingTheSkinnedBarScrollsTheTextWithoutWritingBack) {
    memo->SetText(NumberedLines(60));
    Settle();
    ASSERT_TRUE(vbar->Enabled());
    // A slider length of the bar's own: a read back from the native bar would replace it.
    const int own = ExpectedSlider(memo->ScrollInfo(true).thumbLength) + 10;
    vbar->SetLineButton(own);
    ASSERT_EQ(vbar->LineButton(), own);

    TsuiImagePanel* slider = vbar->Track()->Slider();
    const fw::Point grip = slider->ClientToScreen(fw::Point{slider->Width() / 2, slider->Height() / 2});
    Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, grip.X, grip.Y);
    Settle();
    LeftDown();
    int last = 0;
    for (int dy = 5; dy <= 20; dy += 5) {
        Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, grip.X, grip.Y + dy);
        EXPECT_TRUE(fwtest::PumpUntil([&] { return vbar->Position() > last; }, 2000));
        Settle();
        last = vbar->Position();
        EXPECT_EQ(memo->FirstVisibleLine(), last) << "the text follows the slider";
        EXPECT_EQ(vbar->LineButton(), own) << "written back while dragging";
    }
    LeftUp();
    EXPECT_EQ(memo->FirstVisibleLine(), last);

    // The arrows scroll it a line at a time, still without a read back.
    const fw::Point arrow{vbar->IncButton()->Width() / 2, vbar->IncButton()->Height() / 2};
    MoveTo(vbar->IncButton(), arrow.X, arrow.Y);
    LeftDown();
    fwtest::PumpUntil([&] { return vbar->Position() >= last + 2; }, 2000);
    LeftUp();
    EXPECT_GE(vbar->Position(), last + 2);
    EXPECT_EQ(memo->FirstVisibleLine(), vbar->Position());
    EXPECT_EQ(vbar->LineButton(), own);

    // A key in the memo reads the native bar back.
    ClickAt(memo, 30, 10);
    Tap(VK_DOWN);
    ExpectInStep(vbar, true, "after a key");
}

TEST_F(MemoFixture, PlacementHidesABarWiderThanTheMemoAndDetachedOrDestroyedBarsLetGo) {
    memo->SetText(NumberedLines(60));
    memo->SetBounds(30, 30, vbar->Width() - 1, 120);
    Settle();
    EXPECT_FALSE(vbar->Visible()) << "a memo narrower than its bar";
    EXPECT_TRUE(hbar->Visible());
    memo->SetBounds(30, 30, 150, 100);
    Settle();
    EXPECT_TRUE(vbar->Visible());
    EXPECT_EQ(vbar->Left(), 30 + 150 - vbar->Width() - 2);
    EXPECT_EQ(hbar->Top(), 30 + 100 - hbar->Height() - 2);
    ExpectInStep(vbar, true, "after moving");
    memo->SetHeight(hbar->Height() - 1);
    Settle();
    EXPECT_FALSE(hbar->Visible()) << "a memo lower than its bar";

    // Detached, the vertical bar gets its automatic slider, Max 100 and the enabled state back
    // and no longer scrolls the memo; the native bars are the horizontal one alone.
    memo->SetBounds(30, 30, 150, 100);
    memo->SetVScrollBar(nullptr);
    EXPECT_EQ(memo->ScrollBars(), fw::ScrollStyle::Horizontal);
    EXPECT_EQ(vbar->LineButton(), 0);
    EXPECT_EQ(vbar->Max(), 100);
    EXPECT_TRUE(vbar->Enabled());
    const int first = memo->FirstVisibleLine();
    vbar->SetPosition(vbar->Position() + 5);
    EXPECT_EQ(memo->FirstVisibleLine(), first);

    // One bar for both directions is not possible: attached vertically it leaves the other slot.
    memo->SetVScrollBar(hbar);
    EXPECT_EQ(memo->HScrollBar(), nullptr);
    EXPECT_EQ(memo->ScrollBars(), fw::ScrollStyle::Vertical);
    EXPECT_EQ(hbar->Orientation(), TsuiProgressBarOrientation::suiVertical);

    delete hbar;
    EXPECT_EQ(memo->VScrollBar(), nullptr);
    EXPECT_EQ(memo->ScrollBars(), fw::ScrollStyle::None);

    // A memo destroyed before its bar leaves the bar without a handler into it.
    memo->SetVScrollBar(vbar);
    ASSERT_TRUE(static_cast<bool>(vbar->OnChange));
    delete memo;
    EXPECT_FALSE(static_cast<bool>(vbar->OnChange));
    vbar->SetPosition(vbar->Position() + 1);
}

TEST_F(MemoFixture, TheBarsTakeTheMemosLookInEveryStyle) {
    memo->SetText(NumberedLines(30) + "   and a line far longer than the memo is wide");
    Settle();
    for (TsuiUIStyle look : kLooks) {
        SCOPED_TRACE(GetUIStyleName(look));
        memo->SetUIStyle(look);
        EXPECT_EQ(vbar->UIStyle(), look);
        EXPECT_EQ(hbar->UIStyle(), look);
        EXPECT_EQ(memo->BorderColor(), GetBuiltInThemeColor(look, TsuiThemeElement::ControlBorderColor));
        // Arrows of another size in another look: the bars are laid over the native ones again.
        EXPECT_EQ(vbar->Left(), memo->Left() + memo->Width() - vbar->Width() - 2);
        EXPECT_EQ(vbar->Height(), memo->Height() - hbar->Height() - 2);
        EXPECT_EQ(hbar->Top(), memo->Top() + memo->Height() - hbar->Height() - 2);
        ExpectInStep(vbar, true, "restyled");
        ExpectInStep(hbar, false, "restyled");
        Settle();
        // The corner between the bars, which neither covers, in the bars' colour.
        const fw::Color bars = static_cast<fw::Color>(fw::ColorToRgb(vbar->GetColor()));
        HDC dc = GetWindowDC(memo->Handle());
        const int left = memo->Width() - vbar->Width() - 1, top = memo->Height() - hbar->Height() - 1;
        EXPECT_EQ(static_cast<fw::Color>(GetPixel(dc, left, top)), bars);
        EXPECT_EQ(static_cast<fw::Color>(GetPixel(dc, memo->Width() - 3, memo->Height() - 3)), bars);
        ReleaseDC(memo->Handle(), dc);
        SaveScreenCapture(form.get(), std::string("memo-bars-") + GetUIStyleName(look));
    }
}

} // namespace
