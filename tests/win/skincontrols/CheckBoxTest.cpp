// The skinned check box and radio button driven by real mouse and key input: the frame of
// every state in every look, sizes, the focus rectangle, State as a view of Checked, and the
// exclusivity of radio buttons by GroupIndex.
#include "tests/win/skincontrols/SkinControlTestSupport.h"

#include "skin/controls/SUIButton.h"

#include <algorithm>

using namespace skincontrols;

namespace {

struct CheckBoxFixture : SkinFormFixture {
    // Paints the control now (twice: a paint that changes the size draws at the next one).
    static const fw::Bitmap& Painted(TsuiCheckBox* c) {
        c->Repaint();
        fwtest::Pump();
        c->Repaint();
        return c->PaintBuffer();
    }
};

struct ClickCounter {
    int clicks = 0;
    explicit ClickCounter(TsuiCheckBox* c) {
        c->OnClick = [this](fw::Component*) { ++clicks; };
    }
};

// The box drawn at (1, centred) must be frame `index` of the element; a transparent box (radio
// button) leaves the frame's bottom-left colour to the background.
void ExpectBox(const fw::Bitmap& painted, const fw::Bitmap& frame, bool transparent, const char* what) {
    const int top = (painted.Height() - frame.Height()) / 2;
    const fw::Color clear = frame.Pixel(0, frame.Height() - 1);
    int wrong = 0;
    for (int y = 0; y < frame.Height(); ++y)
        for (int x = 0; x < frame.Width(); ++x) {
            const fw::Color want = transparent && frame.Pixel(x, y) == clear ? kFormColor : frame.Pixel(x, y);
            wrong += painted.Pixel(1 + x, top + y) != want;
        }
    EXPECT_EQ(wrong, 0) << what;
}

TEST_F(CheckBoxFixture, EveryStateShowsItsFrameInEveryLook) {
    auto* box = Add<TsuiCheckBox>(20, 20, 93, 17);
    auto* radio = Add<TsuiRadioButton>(20, 60, 93, 17);
    for (TsuiCheckBox* c : {box, static_cast<TsuiCheckBox*>(radio)}) {
        const bool isRadio = c == radio;
        const TsuiThemeElement element = isRadio ? TsuiThemeElement::RadioButtonImage : TsuiThemeElement::CheckBoxImage;
        c->SetCaption("Mask");
        for (TsuiUIStyle look : kLooks) {
            SCOPED_TRACE(std::string(GetUIStyleName(look)) + (isRadio ? " radio" : " check box"));
            c->SetUIStyle(look);
            c->SetEnabled(true);
            c->SetChecked(false);
            ExpectBox(Painted(c), Frame(look, element, 2), isRadio, "unchecked");
            ClickAt(c, 5, 8);
            ASSERT_TRUE(c->Checked()) << "a click checks";
            ExpectBox(Painted(c), Frame(look, element, 1), isRadio, "checked");
            c->SetEnabled(false);
            ExpectBox(Painted(c), Frame(look, element, 3), isRadio, "checked, disabled");
            c->SetChecked(false);
            ExpectBox(Painted(c), Frame(look, element, 4), isRadio, "unchecked, disabled");
            EXPECT_GT(Differences(Frame(look, element, 1), Frame(look, element, 2)), 0);
        }
    }
}

TEST_F(CheckBoxFixture, SizesFollowTheBoxAndCaptionOrStayFixed) {
    auto* box = Add<TsuiCheckBox>(20, 20, 93, 17);
    box->SetUIStyle(TsuiUIStyle::MacOS);
    box->SetCaption("");
    Painted(box);
    Settle();
    EXPECT_EQ(box->Width(), 15 + 8) << "an empty caption: the MacOS box plus 8";
    box->SetCaption("Mask");
    Painted(box);
    Settle();
    EXPECT_EQ(box->Width(), 15 + box->Canvas().TextWidth("Mask") + 8);
    // A change of look or caption sizes the box at once, so that the next paint is already at
    // the new size (a paint that has to resize paints twice).
    const fw::Bitmap deepBlue = Frame(TsuiUIStyle::DeepBlue, TsuiThemeElement::CheckBoxImage, 2);
    box->SetUIStyle(TsuiUIStyle::DeepBlue);
    EXPECT_EQ(box->Width(), deepBlue.Width() + box->Canvas().TextWidth("Mask") + 8) << "before any paint";
    box->SetCaption("Mask all");
    EXPECT_EQ(box->Width(), deepBlue.Width() + box->Canvas().TextWidth("Mask all") + 8) << "before any paint";
    EXPECT_EQ(box->Height(), std::max(box->Canvas().TextHeight("W") + 2, deepBlue.Height()) + 4);

    // The main window's mask box: 15 x 22, no automatic size.
    auto* mask = Add<TsuiCheckBox>(20, 60, 15, 22);
    mask->SetAutoSize(false);
    mask->SetUIStyle(TsuiUIStyle::DeepBlue);
    mask->SetChecked(true);
    ExpectBox(Painted(mask), Frame(TsuiUIStyle::DeepBlue, TsuiThemeElement::CheckBoxImage, 1), false, "centred at x = 1");
    Settle();
    EXPECT_EQ(mask->Width(), 15);
    EXPECT_EQ(mask->Height(), 22);
}

TEST_F(CheckBoxFixture, StateIsAViewOfCheckedAndKeysToggleTheFocusedBox) {
    auto* box = Add<TsuiCheckBox>(20, 20, 93, 17);
    ClickCounter counter(box);
    box->SetState(TsuiCheckBoxState::cbChecked);
    EXPECT_TRUE(box->Checked());
    box->SetState(TsuiCheckBoxState::cbGrayed);
    EXPECT_FALSE(box->Checked()) << "grayed unchecks";
    EXPECT_EQ(box->State(), TsuiCheckBoxState::cbUnchecked);
    EXPECT_EQ(counter.clicks, 0) << "setting it from code is no click";

    box->SetFocus();
    Settle();
    Tap(VK_SPACE);
    EXPECT_TRUE(box->Checked());
    Tap(VK_SPACE);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(counter.clicks, 2);
    // The system's check-box query answers for tools that read other windows.
    box->SetChecked(true);
    EXPECT_EQ(SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(CheckBoxFixture, TheFocusRectangleNeedsATabStop) {
    auto* box = Add<TsuiCheckBox>(20, 20, 93, 17);
    box->SetCaption("Mask");
    box->SetUIStyle(TsuiUIStyle::WinXP);
    const fw::Bitmap unfocused = Painted(box);
    box->SetFocus();
    Settle();
    EXPECT_GT(Differences(unfocused, Painted(box)), 0) << "focused tab stop";
    box->SetTabStop(false);
    EXPECT_EQ(Differences(unfocused, Painted(box)), 0) << "no rectangle without TabStop";
}

TEST_F(CheckBoxFixture, RadioButtonsOfAGroupExcludeEachOther) {
    auto* a = Add<TsuiRadioButton>(20, 20, 93, 17);
    auto* b = Add<TsuiRadioButton>(20, 40, 93, 17);
    auto* c = Add<TsuiRadioButton>(20, 60, 93, 17);
    c->SetGroupIndex(1);
    b->SetChecked(true);
    c->SetChecked(true);
    ClickCounter counter(a);
    ClickAt(a, 5, 8);
    EXPECT_TRUE(a->Checked());
    EXPECT_FALSE(b->Checked()) << "same group";
    EXPECT_TRUE(c->Checked()) << "another group";
    ClickAt(a, 5, 8);
    EXPECT_TRUE(a->Checked()) << "a checked radio button stays checked";
    EXPECT_EQ(counter.clicks, 2) << "and still reports the click";
}

} // namespace
