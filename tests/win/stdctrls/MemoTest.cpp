// The multi-line edit: lines and text in step both ways, the native scroll metrics a skinned
// bar mirrors, styles that re-create the window, and the keys it keeps from the form.
#include "tests/win/stdctrls/StdCtrlsTestSupport.h"

#include "framework/core/Properties.h"
#include "framework/stdctrls/Memo.h"

#include <string>

using namespace fw;
using stdctrls_test::FormFixture;
using stdctrls_test::WindowTextOf;

namespace {

struct MemoFixture : FormFixture {
    Memo* memo = nullptr;
    int changes = 0;
    void SetUp() override {
        FormFixture::SetUp();
        memo = Add<Memo>(16, 16, 125, 76);
        memo->OnChange = [this](Component*) { ++changes; };
    }
};

TEST_F(MemoFixture, LinesAndTheWindowTextFollowEachOther) {
    memo->Lines().Add("第一行");
    memo->Lines().Add("second");
    EXPECT_EQ(WindowTextOf(memo->Handle()), "第一行\r\nsecond");
    EXPECT_EQ(memo->Text(), "第一行\r\nsecond");
    EXPECT_EQ(changes, 2);

    SendMessageW(memo->Handle(), EM_SETSEL, 100, 100);
    SendMessageW(memo->Handle(), WM_CHAR, VK_RETURN, 1);
    SendMessageW(memo->Handle(), WM_CHAR, 0x4E09, 1);  // 三
    ASSERT_EQ(memo->Lines().Count(), 3);
    EXPECT_EQ(memo->Lines()[2], "三") << "typing updates the lines";

    memo->SetText("a\r\nb");
    EXPECT_EQ(memo->Lines().Count(), 2);
    SetPropertyValue(*memo, "Lines", PropertyValue::FromStrings(StringList{"x", "y", "z"}));
    EXPECT_EQ(WindowTextOf(memo->Handle()), "x\r\ny\r\nz");
}

TEST_F(MemoFixture, ScrollMetricsFollowTheTextPastTheVisibleLines) {
    memo->SetScrollBars(ScrollStyle::Vertical);
    memo->Lines().Add("一行");
    const NativeScrollInfo fits = memo->ScrollInfo(true);
    EXPECT_TRUE(fits.visible);
    EXPECT_FALSE(fits.available) << "nothing to scroll yet";

    memo->Lines().BeginUpdate();
    for (int i = 0; i < 40; ++i) memo->Lines().Add("line " + std::to_string(i));
    memo->Lines().EndUpdate();
    const NativeScrollInfo grown = memo->ScrollInfo(true);
    EXPECT_TRUE(grown.available);
    EXPECT_GT(grown.max - grown.min + 1, static_cast<int>(grown.page)) << "the range now exceeds a page";
    EXPECT_GT(grown.page, 0);
    EXPECT_GT(grown.thumbLength, 0);
    RECT client;
    GetClientRect(memo->Handle(), &client);
    EXPECT_LT(grown.thumbLength, client.bottom) << "the thumb is shorter than the track";
    EXPECT_EQ(grown.position, memo->FirstVisibleLine());

    SendMessageW(memo->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
    const NativeScrollInfo bottom = memo->ScrollInfo(true);
    EXPECT_GT(bottom.position, 0);
    EXPECT_EQ(bottom.position, memo->FirstVisibleLine());
    EXPECT_FALSE(memo->ScrollInfo(false).visible) << "no horizontal bar asked for";
}

TEST_F(MemoFixture, WrapAndScrollBarStylesRecreateTheWindowKeepingTheText) {
    memo->SetText("很长的一行文字 that goes on and on past the right edge of the memo");
    const int wrapped = memo->DisplayLineCount();
    EXPECT_GT(wrapped, 1);
    HWND before = memo->Handle();
    memo->SetWordWrap(false);
    memo->SetScrollBars(ScrollStyle::Both);
    HWND h = memo->Handle();
    EXPECT_NE(h, before);
    EXPECT_EQ(memo->DisplayLineCount(), 1);
    EXPECT_NE(GetWindowLongPtrW(h, GWL_STYLE) & ES_AUTOHSCROLL, 0);
    EXPECT_EQ(GetWindowLongPtrW(h, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), WS_HSCROLL | WS_VSCROLL);
    EXPECT_EQ(WindowTextOf(h), memo->Text());
    EXPECT_TRUE(memo->ScrollInfo(false).available) << "the long line scrolls sideways";
    SetPropertyValue(*memo, "ScrollBars", PropertyValue::FromIdentifier("ssNone"));
    EXPECT_EQ(GetWindowLongPtrW(memo->Handle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), 0);
}

TEST_F(MemoFixture, ReadOnlyAndTheKeysItTakesFromTheForm) {
    memo->SetText("说明");
    memo->SetReadOnly(true);
    SendMessageW(memo->Handle(), WM_CHAR, 'x', 1);
    EXPECT_EQ(memo->Text(), "说明");
    EXPECT_TRUE(memo->WantsDialogKey(VK_RETURN));
    EXPECT_FALSE(memo->WantsDialogKey(VK_TAB)) << "Tab moves on unless WantTabs";
    memo->SetWantTabs(true);
    EXPECT_TRUE(memo->WantsDialogKey(VK_TAB));
    memo->SetWantReturns(false);
    EXPECT_FALSE(memo->WantsDialogKey(VK_RETURN));
    EXPECT_EQ(memo->Text(), "说明");
}

} // namespace
