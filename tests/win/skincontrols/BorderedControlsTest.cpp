// The skinned edit, memo and tree view: the two border rings on screen in every look (after
// typing, scrolling, a frame repaint and hiding too), the style's border colour overwriting one set by
// hand, and a 50-node tree whose native scroll bar, the wheel and the keys reach every row.
#include "tests/win/skincontrols/SkinControlTestSupport.h"

#include "framework/core/Properties.h"
#include "framework/graphics/Win32Color.h"
#include "skin/controls/SUIEdit.h"
#include "skin/controls/SUIMemo.h"
#include "skin/controls/SUITreeView.h"

#include <commctrl.h>

#include <cstring>

using namespace skincontrols;

namespace {

struct BorderedFixture : SkinFormFixture {
    // A pixel of the control's window (non-client frame included) as the screen shows it.
    static fw::Color WindowPixel(fw::WinControl* c, int x, int y) {
        HDC dc = GetWindowDC(c->Handle());
        const COLORREF p = GetPixel(dc, x, y);
        ReleaseDC(c->Handle(), dc);
        return static_cast<fw::Color>(p);
    }
    // Both rings all round: outer in BorderColor, inner in the control's colour.
    static void ExpectRings(fw::WinControl* c, fw::Color border, const char* what) {
        Settle();
        const int w = c->Width(), h = c->Height();
        const fw::Color inner = static_cast<fw::Color>(fw::ColorToRgb(c->GetColor()));
        int wrong = 0;
        for (int x = 0; x < w; ++x) {
            wrong += WindowPixel(c, x, 0) != border;
            wrong += WindowPixel(c, x, h - 1) != border;
        }
        for (int y = 0; y < h; ++y) {
            wrong += WindowPixel(c, 0, y) != border;
            wrong += WindowPixel(c, w - 1, y) != border;
        }
        for (int x = 1; x < w - 1; ++x) {
            wrong += WindowPixel(c, x, 1) != inner;
            wrong += WindowPixel(c, x, h - 2) != inner;
        }
        for (int y = 1; y < h - 1; ++y) {
            wrong += WindowPixel(c, 1, y) != inner;
            wrong += WindowPixel(c, w - 2, y) != inner;
        }
        EXPECT_EQ(wrong, 0) << what;
    }
    static fw::Color StyleBorder(TsuiUIStyle look) {
        return GetBuiltInThemeColor(look, TsuiThemeElement::ControlBorderColor);
    }
};

TEST_F(BorderedFixture, TheStyleGivesTheBorderColourEvenOverOneSetByHand) {
    auto* edit = Add<TsuiEdit>(20, 20, 121, 22);
    auto* tree = Add<TsuiTreeView>(20, 60, 201, 100);
    auto* memo = Add<TsuiMemo>(240, 20, 125, 76);
    auto each = [&](auto f) {
        f(edit);
        f(tree);
        f(memo);
    };
    each([](auto* c) { c->SetUIStyle(TsuiUIStyle::MacOS); });
    each([&](auto* c) { EXPECT_EQ(c->BorderColor(), 8355711) << c->ClassType().Name(); });
    each([](auto* c) { c->SetBorderColor(fw::RgbColor(200, 0, 0)); });
    each([](auto* c) { ExpectRings(c, fw::RgbColor(200, 0, 0), c->ClassType().Name().c_str()); });
    each([](auto* c) { c->SetUIStyle(TsuiUIStyle::WinXP); });
    each([&](auto* c) { EXPECT_EQ(c->BorderColor(), 6842472) << c->ClassType().Name(); });
}

TEST_F(BorderedFixture, BothRingsShowInEveryLookAfterTypingAndFrameRepaints) {
    auto* edit = Add<TsuiEdit>(20, 20, 121, 22);
    edit->SetMaxLength(4);
    auto* tree = Add<TsuiTreeView>(20, 60, 201, 100);
    tree->Items().Add(nullptr, "网络");
    auto* memo = Add<TsuiMemo>(240, 20, 125, 76);
    memo->SetText("标识、用户名不超过50个字符(25个中文字)，密码不超过30个字符。");
    for (TsuiUIStyle look : kLooks) {
        SCOPED_TRACE(GetUIStyleName(look));
        for (auto* c : std::initializer_list<fw::WinControl*>{edit, tree, memo})
            fw::SetPropertyValue(*c, "UIStyle",
                                 fw::PropertyValue::FromEnum(static_cast<int>(look), GetUIStyleName(look)));
        ExpectRings(edit, StyleBorder(look), "edit");
        ExpectRings(tree, StyleBorder(look), "tree");
        ExpectRings(memo, StyleBorder(look), "memo");
        SaveScreenCapture(form.get(), std::string("edit-memo-tree-") + GetUIStyleName(look));
    }
    // Typing goes through the framework's edit: the byte limit holds and the border stays.
    edit->SetText("");
    ClickAt(edit, 10, 10);
    for (WORD vk : {WORD('A'), WORD('B'), WORD('C'), WORD('D'), WORD('E')}) Tap(vk);
    EXPECT_EQ(edit->Text(), "abcd");
    ExpectRings(edit, StyleBorder(kLooks[4]), "edit after typing");
    // New lines past the memo's last one scroll its text; the frame stays whole.
    ClickAt(memo, 60, 40);
    Tap(VK_END);
    for (int i = 0; i < 6; ++i) {
        Tap(VK_RETURN);
        Tap('X');
    }
    EXPECT_EQ(memo->Lines().Count(), 7);
    EXPECT_GT(memo->FirstVisibleLine(), 0);
    ExpectRings(memo, StyleBorder(kLooks[4]), "memo after typing");
    SetWindowPos(tree->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    ExpectRings(tree, StyleBorder(kLooks[4]), "tree after a frame repaint");
    // Hidden (as into the notification area) and shown again, every ring is drawn anew.
    form->Hide();
    Settle();
    form->Show();
    ExpectRings(edit, StyleBorder(kLooks[4]), "edit shown again");
    ExpectRings(tree, StyleBorder(kLooks[4]), "tree shown again");
    ExpectRings(memo, StyleBorder(kLooks[4]), "memo shown again");
}

// A book of 50 nodes: three groups, each with its records, all expanded.
struct FullTree : BorderedFixture {
    TsuiTreeView* tree = nullptr;
    fw::TreeNode* last = nullptr;

    void SetUp() override {
        BorderedFixture::SetUp();
        tree = Add<TsuiTreeView>(8, 37, 201, 179);
        tree->SetUIStyle(TsuiUIStyle::MacOS);
        tree->SetReadOnly(true);
        fw::TreeNodes& items = tree->Items();
        items.BeginUpdate();
        for (int g = 0; g < 3; ++g) {
            fw::TreeNode* group = items.Add(nullptr, "group " + std::to_string(g));
            for (int r = 0; r < (g == 2 ? 15 : 16); ++r) last = items.AddChild(group, "record " + std::to_string(r));
            group->Expand(false);
        }
        items.EndUpdate();
        Settle();
    }
    // The last row lies wholly inside the client area.
    bool LastRowShown() const {
        RECT r{};
        const HTREEITEM item = last->ItemId();
        std::memcpy(&r, &item, sizeof item);  // the message takes the item in the rectangle
        if (!SendMessageW(tree->Handle(), TVM_GETITEMRECT, FALSE, reinterpret_cast<LPARAM>(&r))) return false;
        return r.top >= 0 && r.bottom <= tree->ClientHeight();
    }
    void ScrollToTop() {
        SendMessageW(tree->Handle(), WM_VSCROLL, SB_TOP, 0);
        Settle();
        ASSERT_FALSE(LastRowShown());
    }
};

TEST_F(FullTree, TheNativeScrollBarTheWheelAndTheKeysReachEveryRow) {
    ASSERT_EQ(tree->Items().Count(), 50);
    const fw::NativeScrollInfo bar = tree->ScrollInfo(true);
    EXPECT_TRUE(bar.available) << "50 rows outgrow the view: the native vertical bar is there";
    ExpectRings(tree, StyleBorder(TsuiUIStyle::MacOS), "border beside the native bar");

    ASSERT_NO_FATAL_FAILURE(ScrollToTop());
    ClickAt(tree, 60, 8);
    for (int i = 0; i < 40 && !LastRowShown(); ++i) {
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = MOUSEEVENTF_WHEEL;
        in.mi.mouseData = static_cast<DWORD>(-WHEEL_DELTA);
        SendInput(1, &in, sizeof in);
        Settle();
    }
    EXPECT_TRUE(LastRowShown()) << "the wheel";

    ASSERT_NO_FATAL_FAILURE(ScrollToTop());
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetScrollBarInfo(tree->Handle(), OBJID_VSCROLL, &info));
    // Presses on the track just above the lower arrow page down. Press and release go in
    // together: the bar's own tracking loop runs until the release arrives.
    const int x = (info.rcScrollBar.left + info.rcScrollBar.right) / 2;
    const int y = info.rcScrollBar.bottom - info.dxyLineButton - 3;
    Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y);
    for (int i = 0; i < 20 && !LastRowShown(); ++i) {
        Mouse(MOUSEEVENTF_LEFTDOWN);
        Mouse(MOUSEEVENTF_LEFTUP);
        Settle();
    }
    EXPECT_TRUE(LastRowShown()) << "the scroll bar";

    ASSERT_NO_FATAL_FAILURE(ScrollToTop());
    ClickAt(tree, 60, 8);
    Tap(VK_END);
    EXPECT_EQ(tree->Selected(), last);
    EXPECT_TRUE(LastRowShown()) << "End";
    Tap(VK_HOME);
    EXPECT_EQ(tree->Selected(), tree->Items().GetFirstNode());
    for (int i = 0; i < 49; ++i) Tap(VK_DOWN);
    EXPECT_EQ(tree->Selected(), last) << "Down through every row";
    EXPECT_TRUE(LastRowShown());
    ExpectRings(tree, StyleBorder(TsuiUIStyle::MacOS), "border after scrolling");
    for (TsuiUIStyle look : kLooks) {
        tree->SetUIStyle(look);
        Settle();
        SaveScreenCapture(form.get(), std::string("tree-50-") + GetUIStyleName(look));
    }
}

} // namespace
