// Keyboard through the application's message loop: Tab walks the tab order, Return and Escape
// reach the default and cancel buttons, accelerator characters click their control, and
// disabled controls get no input.
#include "tests/win/forms/TestControls.h"
#include "tests/win/forms/WinTestSupport.h"

#include <gtest/gtest.h>

using namespace fw;
using fwtest::Owned;
using fwtest::TestButton;
using fwtest::TestForm;

namespace {

struct KeysFixture : ::testing::Test {
    Owned<TestForm> form{new TestForm(&App())};
    TestButton* first = Add(10, "&Open");
    TestButton* second = Add(40, "&Save");
    TestButton* third = Add(70, "Close");

    TestButton* Add(int top, const char* caption) {
        auto* b = new TestButton(form.get());
        b->SetParent(form.get());
        b->SetTop(top);
        b->SetCaption(caption);
        return b;
    }
    void SetUp() override {
        form->Show();
        SetActiveWindow(form->Handle());
    }
};

TEST_F(KeysFixture, TabFollowsTheTabOrderAndSkipsWhatCannotTakeTheFocus) {
    third->SetTabOrder(0);  // order: third, first, second
    third->SetFocus();
    fwtest::PostKey(GetFocus(), VK_TAB);
    ASSERT_TRUE(fwtest::PumpUntil([&] { return first->Focused(); }));
    second->SetEnabled(false);
    fwtest::PostKey(GetFocus(), VK_TAB);
    ASSERT_TRUE(fwtest::PumpUntil([&] { return third->Focused(); })) << "the disabled one is skipped, wrapping round";
    first->SetTabStop(false);
    fwtest::PostKey(GetFocus(), VK_TAB);
    EXPECT_TRUE(fwtest::PumpUntil([&] { return third->Focused(); }));
    EXPECT_EQ(first->clicks + second->clicks + third->clicks, 0);
}

TEST_F(KeysFixture, ReturnAndEscapeGoToTheDefaultAndCancelButtons) {
    second->SetDefault(true);
    third->SetCancel(true);
    first->SetFocus();
    fwtest::PostKey(GetFocus(), VK_RETURN);
    EXPECT_TRUE(fwtest::PumpUntil([&] { return second->clicks == 1; }));
    fwtest::PostKey(GetFocus(), VK_ESCAPE);
    EXPECT_TRUE(fwtest::PumpUntil([&] { return third->clicks == 1; }));
    EXPECT_EQ(first->clicks, 0);
}

TEST_F(KeysFixture, EscapeOnACancelButtonEndsAModalForm) {
    form->Hide();
    third->SetCancel(true);
    third->SetModalResult(mrCancel);
    form->OnShow = [&](Component*) { fwtest::PostKey(first->Handle(), VK_ESCAPE); };
    form->SetActiveControl(first);
    EXPECT_EQ(form->ShowModal(), mrCancel);
    EXPECT_EQ(third->clicks, 1);
}

TEST_F(KeysFixture, AcceleratorCharactersClickTheirControl) {
    first->SetFocus();
    fwtest::PostChar(GetFocus(), L's');
    EXPECT_TRUE(fwtest::PumpUntil([&] { return second->clicks == 1; }));
    fwtest::PostChar(GetFocus(), L'x');
    fwtest::Pump();
    EXPECT_EQ(first->clicks + second->clicks + third->clicks, 1) << "no control owns 'x'";
    EXPECT_EQ(Control::AcceleratorOf("&&Save"), 0);
    EXPECT_EQ(Control::AcceleratorOf("保存(&s)"), 'S');
}

TEST_F(KeysFixture, KeyEventsReachTheFocusedControlAndMayBeSwallowed) {
    int downs = 0;
    char pressed = 0;
    first->OnKeyDown = [&](Component*, int& key, ShiftState) {
        ++downs;
        if (key == 'Q') key = 0;
    };
    first->OnKeyPress = [&](Component*, char& ch) { pressed = ch; };
    first->SetFocus();
    fwtest::PostKey(first->Handle(), 'Q');
    fwtest::PostChar(first->Handle(), L'q');
    EXPECT_TRUE(fwtest::PumpUntil([&] { return pressed == 'q'; }));
    EXPECT_EQ(downs, 1);
}

TEST_F(KeysFixture, DisabledControlsAndChildrenOfDisabledOnesGetNoInput) {
    first->SetEnabled(false);
    fwtest::Click(first->Handle(), 5, 5);
    EXPECT_EQ(first->clicks, 0);
    auto* panel = new fwtest::TestPanel(form.get());
    panel->SetParent(form.get());
    panel->SetBounds(100, 0, 100, 100);
    auto* inner = new TestButton(form.get());
    inner->SetParent(panel);
    fwtest::Click(inner->Handle(), 5, 5);
    EXPECT_EQ(inner->clicks, 1);
    panel->SetEnabled(false);
    fwtest::Click(inner->Handle(), 5, 5);
    EXPECT_EQ(inner->clicks, 1);
    EXPECT_FALSE(inner->CanFocus());
}

} // namespace
