// The side channel driven by real mouse and key input: the main window's setup (opening on a
// click, closing after the mouse leaves), the pin, the slide in steps, the resize rules, the
// keyboard kept out of the closed channel, and its look in every style.
#include "tests/win/skincontrols/SkinControlTestSupport.h"

#include "framework/core/Properties.h"
#include "framework/graphics/Timer.h"
#include "framework/stdctrls/SpeedButton.h"
#include "skin/controls/SUIButton.h"
#include "skin/frame/SUISideChannel.h"

#include <vector>

using namespace skincontrols;

namespace {

struct SideChannelFixture : SkinFormFixture {
    TsuiSideChannel* channel = nullptr;
    int pops = 0;
    int pushes = 0;

    // As the main window has it: docked right, 148 open, opened by a click, no slide.
    void MakeChannel() {
        channel = new TsuiSideChannel(form.get());
        channel->SetParent(form.get());
        channel->SetSideAlign(TsuiSideChannelAlign::suiRight);
        channel->SetExpandedWidth(148);
        channel->SetPopupMode(TsuiSideChannelPopupMode::suiMouseClick);
        channel->SetQuickMove(true);
        channel->SetCaption("Options");
        channel->OnPop = [this](fw::Component*) { ++pops; };
        channel->OnPush = [this](fw::Component*) { ++pushes; };
        Settle();
    }
    // Waits for the channel to close by itself; the milliseconds it took, or -1.
    int WaitForClose(DWORD limitMs) {
        const DWORD start = GetTickCount();
        if (!fwtest::PumpUntil([&] { return !channel->Opened(); }, limitMs)) return -1;
        return static_cast<int>(GetTickCount() - start);
    }
    void MoveAway() { MoveTo(form.get(), 20, 20); }
};

TEST_F(SideChannelFixture, AClickOpensItAtOnceAndItClosesAfterTheMouseLeaves) {
    MakeChannel();
    EXPECT_EQ(channel->Width(), 10);
    EXPECT_EQ(channel->Left(), form->ClientWidth() - 10) << "at the right edge";
    EXPECT_EQ(channel->Height(), form->ClientHeight());
    EXPECT_EQ(fw::GetPropertyValue(*channel, "Width").AsInteger(), 148) << "Width is the open width";
    fw::SetPropertyValue(*channel, "SideBarWidth", fw::PropertyValue::FromInteger(30));
    EXPECT_EQ(fw::GetPropertyValue(*channel, "SideBarWidth").AsInteger(), 10);

    ClickAt(channel, 5, 100);
    EXPECT_TRUE(channel->Opened());
    EXPECT_EQ(channel->Width(), 148);
    EXPECT_EQ(channel->Left() + channel->Width(), form->ClientWidth()) << "it opens leftwards";
    EXPECT_EQ(pops, 1);
    EXPECT_TRUE(channel->PinButton()->Visible());
    ClickAt(channel, 100, 100);
    EXPECT_EQ(pops, 1) << "a click on the open channel opens nothing";

    MoveAway();
    const int took = WaitForClose(3000);
    EXPECT_GE(took, 0) << "it did not close";
    // One tick of the 1000 ms timer, and some slack for a busy machine.
    EXPECT_LE(took, 2000);
    EXPECT_EQ(channel->Width(), 10);
    EXPECT_EQ(pushes, 1);
    EXPECT_FALSE(channel->PinButton()->Visible());
    EXPECT_FALSE(channel->AutoCloseTimer()->Enabled());
}

TEST_F(SideChannelFixture, InTheOtherModeTheMouseOverTheBarOpensIt) {
    MakeChannel();
    channel->SetPopupMode(TsuiSideChannelPopupMode::suiMouseOn);
    MoveAway();
    EXPECT_FALSE(channel->Opened());
    MoveTo(channel, 5, 100);
    MoveTo(channel, 6, 110);
    EXPECT_TRUE(channel->Opened());
    EXPECT_EQ(pops, 1);
    MoveAway();
    EXPECT_GE(WaitForClose(3000), 0);
}

TEST_F(SideChannelFixture, ThePinKeepsItOpenAndItsReleaseRestartsTheTimer) {
    MakeChannel();
    ClickAt(channel, 5, 100);
    ASSERT_TRUE(channel->Opened());
    fw::SpeedButton* pin = channel->PinButton();
    EXPECT_EQ(pin->Left(), 148 - 20 - 1);
    ClickAt(channel, pin->Left() + 10, pin->Top() + 8);
    EXPECT_TRUE(pin->Down());
    EXPECT_TRUE(channel->StayOn());
    EXPECT_FALSE(channel->AutoCloseTimer()->Enabled());
    MoveAway();
    EXPECT_EQ(WaitForClose(1800), -1) << "pinned, it stays open";

    ClickAt(channel, pin->Left() + 10, pin->Top() + 8);
    EXPECT_FALSE(pin->Down());
    EXPECT_FALSE(channel->StayOn());
    EXPECT_TRUE(channel->AutoCloseTimer()->Enabled());
    MoveAway();
    EXPECT_GE(WaitForClose(3000), 0) << "released, it closes again";

    // StayOn from the program opens it and presses the pin.
    channel->SetStayOn(true);
    EXPECT_TRUE(channel->Opened());
    EXPECT_TRUE(pin->Down());
    channel->SetStayOn(false);
    EXPECT_FALSE(channel->Opened());
    EXPECT_FALSE(pin->Down());
}

TEST_F(SideChannelFixture, WithoutQuickMoveItSlidesInStepsOfFifteen) {
    MakeChannel();
    channel->SetQuickMove(false);
    std::vector<int> widths;
    channel->OnResize = [&](fw::Component*) { widths.push_back(channel->Width()); };
    channel->Pop(false);
    EXPECT_EQ(widths, (std::vector<int>{25, 40, 55, 70, 85, 100, 115, 130, 145, 148}));
    EXPECT_EQ(channel->ExpandedWidth(), 148) << "the slide does not change the open width";
    widths.clear();
    channel->Push(false);
    EXPECT_EQ(widths, (std::vector<int>{133, 118, 103, 88, 73, 58, 43, 28, 13, 10}));
    EXPECT_EQ(pops, 1);
    EXPECT_EQ(pushes, 1);
}

TEST_F(SideChannelFixture, AnOpenChannelRefusesWidthsBelowFifty) {
    MakeChannel();
    channel->SetSideAlign(TsuiSideChannelAlign::suiLeft);
    channel->Pop(true);
    channel->SetWidth(40);
    EXPECT_EQ(channel->Width(), 148);
    channel->SetWidth(60);
    EXPECT_EQ(channel->Width(), 60);
    EXPECT_EQ(channel->ExpandedWidth(), 60) << "the new open width";
    EXPECT_EQ(channel->PinButton()->Left(), 60 - 20 - 1);
    channel->Push(true);
    EXPECT_EQ(channel->Width(), 10) << "closed, any width goes";
    channel->Pop(true);
    EXPECT_EQ(channel->Width(), 60);
}

TEST_F(SideChannelFixture, TheKeyboardNeverRestsInsideTheClosedChannel) {
    auto* before = Add<TsuiButton>(20, 20, 60, 25);
    auto* after = Add<TsuiButton>(20, 60, 60, 25);
    MakeChannel();
    auto* look = new TsuiRadioButton(form.get());
    look->SetParent(channel);
    look->SetBounds(20, 40, 80, 17);
    look->SetCaption("Look");
    Settle();
    EXPECT_FALSE(look->CanFocus());

    before->SetFocus();
    Settle();
    std::vector<HWND> visited;
    for (int i = 0; i < 4; ++i) {
        Tap(VK_TAB);
        visited.push_back(GetFocus());
    }
    EXPECT_EQ(visited, (std::vector<HWND>{after->Handle(), before->Handle(), after->Handle(), before->Handle()}));

    ClickAt(channel, 5, 100);
    ASSERT_TRUE(channel->Opened());
    before->SetFocus();
    Settle();
    Tap(VK_TAB);
    Tap(VK_TAB);
    ASSERT_EQ(GetFocus(), look->Handle()) << "the open channel's controls are in the tab order";
    Tap(VK_SPACE);
    EXPECT_TRUE(look->Checked());

    MoveAway();
    ASSERT_GE(WaitForClose(3000), 0);
    EXPECT_EQ(GetFocus(), before->Handle()) << "the focus went back to the first tab stop";
    EXPECT_EQ(form->ActiveControl(), before);
}

TEST_F(SideChannelFixture, ItsBarsAndFrameFollowTheLook) {
    MakeChannel();
    channel->Pop(true);
    for (TsuiUIStyle look : kLooks) {
        SCOPED_TRACE(GetUIStyleName(look));
        channel->SetUIStyle(look);
        channel->Repaint();
        const fw::Bitmap& shot = channel->PaintBuffer();
        fw::Bitmap bar;
        GetBuiltInThemeBitmap(look, TsuiThemeElement::SideChannelBarImage, &bar);
        ASSERT_FALSE(bar.Empty());
        const int h = shot.Height();
        EXPECT_EQ(shot.Pixel(0, h / 2), GetBuiltInThemeColor(look, TsuiThemeElement::ControlBorderColor));
        EXPECT_EQ(shot.Pixel(5, h - 3), GetBuiltInThemeColor(look, TsuiThemeElement::FormBackgroundColor))
            << "the side bar";
        EXPECT_EQ(shot.Pixel(9, h - 3), 0x808080u) << "the side bar's edge";
        EXPECT_EQ(shot.Pixel(60, bar.Height() + 5), fw::clWhite) << "the panel";
        EXPECT_EQ(shot.Pixel(12, bar.Height() - 1), bar.Pixel(0, bar.Height() - 1)) << "the caption bar";
        EXPECT_EQ(channel->CaptionColor(), look == TsuiUIStyle::MacOS
                                               ? fw::clBlack
                                               : GetBuiltInThemeColor(look, TsuiThemeElement::MenuSelectedFontColor));
        SaveScreenshot(form.get(), std::string("sidechannel-") + GetUIStyleName(look));
    }
}

} // namespace
