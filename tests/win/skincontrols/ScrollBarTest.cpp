// The skinned scroll bar: arrows at the ends and the track between in both orientations and
// every look (with their pictures turned for a horizontal bar), the slider built from three
// slices and its length rules (PageSize, LargeChange, LineButton), the arrows held down with
// real mouse input, and the forwarded value model.
#include "tests/win/skincontrols/SkinControlTestSupport.h"

#include "skin/controls/SUIButton.h"
#include "skin/controls/SUIImagePanel.h"
#include "skin/controls/SUIScrollBar.h"

#include <vector>

using namespace skincontrols;

namespace {

using Orientation = TsuiProgressBarOrientation;

struct ScrollFixture : SkinFormFixture {
    std::vector<int> changes;

    // A bar `length` pixels long; the cross size is the arrows'.
    TsuiScrollBar* AddBar(int left, int top, int length, Orientation o) {
        auto* bar = new TsuiScrollBar(form.get());
        bar->SetParent(form.get());
        bar->SetOrientation(o);
        if (o == Orientation::suiVertical)
            bar->SetBounds(left, top, 16, length);
        else
            bar->SetBounds(left, top, length, 16);
        bar->OnChange = [this, bar](fw::Component* sender) {
            EXPECT_EQ(sender, bar->Track());
            changes.push_back(bar->Position());
        };
        return bar;
    }
    static const fw::Bitmap& Painted(fw::CustomControl* c) {
        c->Repaint();
        return c->PaintBuffer();
    }
    static const fw::Bitmap& Slider(TsuiScrollBar* bar) {
        return *dynamic_cast<const fw::Bitmap*>(bar->Track()->SliderImage().GetGraphic().get());
    }
    static int SliderLength(TsuiScrollBar* bar) {
        TsuiImagePanel* s = bar->Track()->Slider();
        return bar->Orientation() == Orientation::suiVertical ? s->Height() : s->Width();
    }
    // Whether line `i` across the slider (a row of a vertical one, a column of a horizontal one)
    // equals some line of `slice`.
    static bool LineOf(const fw::Bitmap& slider, int i, const fw::Bitmap& slice, bool vertical) {
        const int across = vertical ? slice.Width() : slice.Height();
        const int lines = vertical ? slice.Height() : slice.Width();
        for (int j = 0; j < lines; ++j) {
            bool same = true;
            for (int k = 0; k < across && same; ++k)
                same = vertical ? slider.Pixel(k, i) == slice.Pixel(k, j) : slider.Pixel(i, k) == slice.Pixel(j, k);
            if (same) return true;
        }
        return false;
    }
};

TEST_F(ScrollFixture, EveryLookPutsTurnedArrowsAtTheEndsAndASlicedSliderBetween) {
    for (TsuiUIStyle look : kLooks) {
        SCOPED_TRACE(GetUIStyleName(look));
        TsuiScrollBar* bars[] = {AddBar(20, 20, 185, Orientation::suiVertical),
                                 AddBar(60, 20, 300, Orientation::suiHorizontal)};
        for (TsuiScrollBar* bar : bars) {
            const bool vertical = bar->Orientation() == Orientation::suiVertical;
            SCOPED_TRACE(vertical ? "vertical" : "horizontal");
            bar->SetUIStyle(look);
            EXPECT_EQ(bar->GetColor(), GetBuiltInThemeColor(look, TsuiThemeElement::ScrollBarBackgroundColor));
            EXPECT_EQ(bar->Track()->GetColor(), bar->GetColor());
            fw::Bitmap decFace = Frame(look, TsuiThemeElement::ScrollBarButtonImage, 1);
            fw::Bitmap incFace = Frame(look, TsuiThemeElement::ScrollBarButtonImage, 4);
            fw::Bitmap head = Frame(look, TsuiThemeElement::ScrollBarSliderImage, 1);
            fw::Bitmap body = Frame(look, TsuiThemeElement::ScrollBarSliderImage, 2);
            fw::Bitmap tail = Frame(look, TsuiThemeElement::ScrollBarSliderImage, 3);
            if (vertical) {
                for (fw::Bitmap* b : {&head, &body, &tail}) RotateBitmapRight(*b);
            } else {
                RotateBitmapLeft(decFace);
                RotateBitmapLeft(incFace);
            }
            TsuiImageButton* dec = bar->DecButton();
            TsuiImageButton* inc = bar->IncButton();
            TsuiScrollTrackBar* track = bar->Track();
            EXPECT_EQ(Differences(decFace, Painted(dec)), 0) << "the decreasing arrow";
            EXPECT_EQ(Differences(incFace, Painted(inc)), 0) << "the increasing arrow";
            if (vertical) {
                EXPECT_EQ(bar->Width(), decFace.Width());
                EXPECT_EQ(track->Top(), decFace.Height());
                EXPECT_EQ(track->Height(), 185 - incFace.Height() - decFace.Height() - 1);
                EXPECT_EQ(inc->Top(), 185 - incFace.Height());
                if (look == TsuiUIStyle::MacOS) {
                    EXPECT_EQ(track->Height(), 140) << "185 - 22 - 22 - 1";
                }
            } else {
                EXPECT_EQ(bar->Height(), decFace.Height());
                EXPECT_EQ(track->Left(), decFace.Width());
                EXPECT_EQ(track->Width(), 300 - incFace.Width() - decFace.Width());
                EXPECT_EQ(inc->Left(), 300 - incFace.Width());
            }
            const int trackLength = vertical ? track->Height() : track->Width();
            EXPECT_EQ(SliderLength(bar), trackLength / 10) << "PageSize 2: a tenth of the track";

            bar->SetPageSize(50);
            bar->SetPosition(30);
            const fw::Bitmap& s = Slider(bar);
            const int length = SliderLength(bar);
            EXPECT_EQ(length, trackLength / 2);
            EXPECT_EQ(Differences(head, s), 0) << "the head at the start";
            EXPECT_EQ(Differences(tail, s, vertical ? 0 : length - tail.Width(), vertical ? length - tail.Height() : 0), 0)
                << "the tail at the end";
            const int headLength = vertical ? head.Height() : head.Width();
            const int tailLength = vertical ? tail.Height() : tail.Width();
            for (int i = headLength; i < length - tailLength; ++i)
                ASSERT_TRUE(LineOf(s, i, body, vertical)) << "line " << i << " is no line of the body slice";
            const int offset = (trackLength - length) * 30 / 100;
            EXPECT_EQ(vertical ? track->Slider()->Top() : track->Slider()->Left(), offset);
        }
        form->SetColor(GetBuiltInThemeColor(look, TsuiThemeElement::FormBackgroundColor));
        Settle();
        SaveScreenshot(form.get(), std::string("scrollbar-") + GetUIStyleName(look));
        form->SetColor(kFormColor);
        for (TsuiScrollBar* bar : bars) delete bar;
    }
}

TEST_F(ScrollFixture, PageSizeResizesTheSliderLargeChangeOnlyPagesAndLineButtonFixesIt) {
    TsuiScrollBar* bar = AddBar(20, 20, 185, Orientation::suiVertical);
    bar->SetUIStyle(TsuiUIStyle::MacOS);
    ASSERT_EQ(bar->Track()->Height(), 140);
    EXPECT_EQ(SliderLength(bar), 14);
    bar->SetPageSize(50);
    EXPECT_EQ(SliderLength(bar), 70);
    bar->SetLargeChange(30);
    EXPECT_EQ(bar->Track()->PageSize(), 30);
    EXPECT_EQ(bar->PageSize(), 30);
    EXPECT_EQ(SliderLength(bar), 70) << "LargeChange leaves the slider until it is rebuilt";
    bar->SetPageSize(101);
    EXPECT_EQ(bar->PageSize(), 30) << "above Max: ignored";
    EXPECT_EQ(SliderLength(bar), 42) << "but the slider is rebuilt for the PageSize it has";
    bar->SetPageSize(5);
    EXPECT_EQ(SliderLength(bar), 14) << "under 10: a tenth";

    bar->SetLineButton(5);
    EXPECT_EQ(bar->LineButton(), 18) << "raised as the slider is rebuilt";
    EXPECT_EQ(SliderLength(bar), 18);
    bar->SetLineButton(142);
    EXPECT_EQ(bar->LineButton(), 18) << "longer than the 141 pixels between the arrows: ignored";
    bar->SetLineButton(141);
    EXPECT_EQ(SliderLength(bar), 141);
    bar->SetLineButton(0);
    EXPECT_EQ(SliderLength(bar), 14) << "proportional again";

    // The track keeps its page step in 32 bits; LargeChange shows its low 16.
    bar->SetMax(100000);
    bar->SetPageSize(70000);
    EXPECT_EQ(bar->LargeChange(), static_cast<std::int16_t>(70000));
    bar->SetSmallChange(0);
    EXPECT_EQ(bar->SmallChange(), 1);
    bar->SetSmallChange(40000);
    EXPECT_EQ(bar->SmallChange(), 32767);

    // Resizing builds the slider for the new track.
    bar->SetPageSize(50);
    bar->SetHeight(105);
    EXPECT_EQ(bar->Track()->Height(), 60);
    EXPECT_EQ(SliderLength(bar), 30);
    EXPECT_LE(bar->Track()->Slider()->Top() + 30, 60) << "the slider stays on the track";
}

TEST_F(ScrollFixture, HeldArrowsStepEvery100msAndStopAtTheEndsWithoutFurtherChanges) {
    TsuiScrollBar* bar = AddBar(20, 20, 185, Orientation::suiVertical);
    bar->SetMax(20);
    bar->SetSmallChange(7);
    bar->SetPosition(0);
    EXPECT_TRUE(changes.empty()) << "the position it has";

    TsuiImageButton* inc = bar->IncButton();
    MoveTo(inc, 5, 5);
    // A press released before the first 100 ms does not scroll.
    Mouse(MOUSEEVENTF_LEFTDOWN);
    Mouse(MOUSEEVENTF_LEFTUP);
    Settle();
    EXPECT_TRUE(changes.empty());

    LeftDown();
    EXPECT_TRUE(fwtest::PumpUntil([&] { return changes.size() >= 3; }, 3000));
    fwtest::PumpUntil([] { return false; }, 350);
    LeftUp();
    EXPECT_EQ(changes, (std::vector<int>{7, 14, 20})) << "held at the end: no more OnChange";

    changes.clear();
    MoveTo(bar->DecButton(), 5, 5);
    LeftDown();
    EXPECT_TRUE(fwtest::PumpUntil([&] { return changes.size() >= 3; }, 3000));
    fwtest::PumpUntil([] { return false; }, 350);
    LeftUp();
    EXPECT_EQ(changes, (std::vector<int>{13, 6, 0}));

    bar->SetPosition(50);
    EXPECT_EQ(bar->Position(), 20);
    bar->SetMin(25);
    EXPECT_EQ(bar->Min(), 20) << "the track keeps Min <= Max";
    EXPECT_EQ(changes, (std::vector<int>{13, 6, 0, 20}));

    bar->SetSliderVisible(false);
    EXPECT_FALSE(bar->Track()->Slider()->Visible());
    EXPECT_FALSE(bar->SliderVisible());
}

} // namespace
