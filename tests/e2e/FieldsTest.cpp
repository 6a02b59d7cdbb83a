// The main window's tree and edits as skinned controls, from outside: in every look they are
// framed in the look's border colour (a screenshot of each look for people to look at), and a
// full 50-node book shows the tree's native scroll bar, with the wheel, the bar and the keys
// reaching every row.

#include "E2ETestSupport.h"

#include <string>
#include <vector>

namespace {

const struct Look {
    const char* header;
    const wchar_t* name;
    COLORREF border;
} Looks[] = {{"1", L"BlueGlass", RGB(0, 0, 0)},
             {"2", L"DeepBlue", RGB(0, 0, 0)},
             {"3", L"MacOS", RGB(0x7F, 0x7F, 0x7F)},
             {"4", L"Protein", RGB(0, 0, 0)},
             {"5", L"WinXP", RGB(0x68, 0x68, 0x68)}};

std::wstring ClassOf(HWND w) {
    wchar_t name[64] = L"";
    GetClassNameW(w, name, 64);
    return name;
}

// A pixel of a window (non-client part included) as the screen shows it.
COLORREF ScreenPixel(HWND w, int x, int y) {
    RECT r{};
    GetWindowRect(w, &r);
    HDC screen = GetDC(nullptr);
    const COLORREF p = GetPixel(screen, r.left + x, r.top + y);
    ReleaseDC(nullptr, screen);
    return p;
}

// Three groups holding 47 records: the 50 nodes the book may hold.
std::vector<StoredNode> FullBook() {
    std::vector<StoredNode> nodes;
    const char* groups[] = {"网络", "软件", "生活"};
    for (int g = 0; g < 3; ++g) {
        nodes.push_back({groups[g], "", "", "未知", 0, g + 1});
        for (int r = 0; r < (g == 2 ? 15 : 16); ++r)
            nodes.push_back({"记录" + std::to_string(g * 16 + r + 1), "user", "pass", "未知", 1, 0});
    }
    return nodes;
}

class Fields : public VornikTest {
protected:
    void Screenshot(const std::wstring& name) const {
        const std::wstring folder = desktop::FromGbk(VORNIK_SCREENSHOT_DIR);
        CreateDirectoryW(folder.c_str(), nullptr);
        EXPECT_TRUE(desktop::SaveScreenshot(main_, folder + L"\\" + name + L".bmp"));
    }
    HTREEITEM LastItem() const {
        HTREEITEM item = Child(TopLevel(2), 0), next = item;
        while (next != nullptr) {
            item = next;
            next = reinterpret_cast<HTREEITEM>(
                SendMessageW(Tree(), TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
        }
        return item;
    }
    // The last node is among the rows the view shows whole.
    bool LastRowShown() const {
        const int rows = static_cast<int>(SendMessageW(Tree(), TVM_GETVISIBLECOUNT, 0, 0));
        const HTREEITEM last = LastItem();
        for (int row = 0; row < rows; ++row)
            if (RowItem(row) == last) return true;
        return false;
    }
    void ScrollToTop() {
        SendMessageW(Tree(), WM_VSCROLL, SB_TOP, 0);
        ASSERT_FALSE(LastRowShown());
    }
    static void Input(DWORD flags, int screenX = 0, int screenY = 0, int wheel = 0) {
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = flags;
        in.mi.mouseData = static_cast<DWORD>(wheel);
        if (flags & MOUSEEVENTF_ABSOLUTE) {
            in.mi.dx = screenX * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
            in.mi.dy = screenY * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
        }
        SendInput(1, &in, sizeof in);
    }
};

TEST_F(Fields, EveryLookFramesTheTreeAndTheEditsInItsBorderColour) {
    for (const Look& look : Looks) {
        SCOPED_TRACE(desktop::ToGbk(look.name));
        std::vector<StoredNode> book = {{"网络", "", "", "未知", 0, 1},
                                        {"邮箱", "li.lei@example.cn", "s3cret!", "2026/12/8 9:15:02", 1, 0},
                                        {"软件", "", "", "未知", 0, 2},
                                        {"生活", "", "", "未知", 0, 3}};
        RecordFiles::Write(folder_.Record(), look.header, book);
        ASSERT_NO_FATAL_FAILURE(Start());
        Select(Child(TopLevel(0), 0));
        ASSERT_EQ(desktop::Text(IdentifierEdit()), L"邮箱");
        Sleep(500);
        EXPECT_EQ(ClassOf(Tree()), L"TsuiTreeView");
        for (HWND field : {IdentifierEdit(), UserNameEdit(), PasswordEdit()}) {
            EXPECT_EQ(ClassOf(field), L"TsuiEdit");
        }
        for (HWND w : {Tree(), IdentifierEdit(), UserNameEdit(), PasswordEdit()}) {
            RECT r{};
            GetWindowRect(w, &r);
            const int width = r.right - r.left, height = r.bottom - r.top;
            EXPECT_EQ(ScreenPixel(w, 0, 0), look.border);
            EXPECT_EQ(ScreenPixel(w, width / 2, height - 1), look.border);
            EXPECT_EQ(ScreenPixel(w, width - 1, height / 2), look.border);
            EXPECT_EQ(ScreenPixel(w, width / 2, 1), RGB(255, 255, 255)) << "the inner ring in the field's colour";
        }
        Screenshot(L"main-" + std::wstring(look.name));
        Exit();
    }
}

TEST_F(Fields, AFullBookShowsTheNativeScrollBarAndTheWheelTheBarAndTheKeysReachEveryRow) {
    for (const Look& look : Looks) {
        SCOPED_TRACE(desktop::ToGbk(look.name));
        RecordFiles::Write(folder_.Record(), look.header, FullBook());
        ASSERT_NO_FATAL_FAILURE(Start());
        ASSERT_EQ(NodeCount(), 50);
        for (int g = 0; g < 3; ++g)
            SendMessageW(Tree(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(TopLevel(g)));
        EXPECT_NE(GetWindowLongW(Tree(), GWL_STYLE) & WS_VSCROLL, 0) << "the native vertical bar";
        ASSERT_NO_FATAL_FAILURE(ScrollToTop());

        // Every way of scrolling in the designed look; the others show the end by End.
        if (std::wstring(look.name) == L"MacOS") {
            // The wheel over the tree, once it has the focus.
            MouseClickRow(0, 0);
            for (int i = 0; i < 40 && !LastRowShown(); ++i) {
                Input(MOUSEEVENTF_WHEEL, 0, 0, -WHEEL_DELTA);
                Sleep(50);
            }
            EXPECT_TRUE(LastRowShown()) << "the wheel";

            // Presses on the bar's track just above its lower arrow page down until the thumb
            // reaches the pointer; the lower arrow then takes it line by line to the end.
            ASSERT_NO_FATAL_FAILURE(ScrollToTop());
            RECT r{};
            GetWindowRect(Tree(), &r);
            const int x = r.right - 2 - GetSystemMetrics(SM_CXVSCROLL) / 2;
            const int arrow = GetSystemMetrics(SM_CYVSCROLL);
            for (int y : {static_cast<int>(r.bottom) - 2 - arrow - 4, static_cast<int>(r.bottom) - 2 - arrow / 2}) {
                Input(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y);
                Sleep(100);
                for (int i = 0; i < 20 && !LastRowShown(); ++i) {
                    Input(MOUSEEVENTF_LEFTDOWN);
                    Sleep(50);
                    Input(MOUSEEVENTF_LEFTUP);
                    Sleep(150);
                }
            }
            EXPECT_TRUE(LastRowShown()) << "the scroll bar";

            // The keys: Home, then Down through every row; End.
            ASSERT_NO_FATAL_FAILURE(ScrollToTop());
            MouseClickRow(0, 0);
            desktop::SendChord({VK_HOME});
            for (int i = 0; i < 49; ++i) desktop::SendChord({VK_DOWN});
            EXPECT_TRUE(desktop::WaitFor([&] {
                return reinterpret_cast<HTREEITEM>(SendMessageW(Tree(), TVM_GETNEXTITEM, TVGN_CARET, 0)) == LastItem();
            })) << "Down reaches the last row";
            EXPECT_TRUE(LastRowShown());
        }
        MouseClickRow(0, 0);
        desktop::SendChord({VK_HOME});
        ASSERT_TRUE(desktop::WaitFor([&] {
            return reinterpret_cast<HTREEITEM>(SendMessageW(Tree(), TVM_GETNEXTITEM, TVGN_CARET, 0)) == TopLevel(0);
        }));
        desktop::SendChord({VK_END});
        EXPECT_TRUE(desktop::WaitFor([&] { return LastRowShown(); })) << "End";
        Sleep(300);
        EXPECT_EQ(ScreenPixel(Tree(), 0, 0), look.border);
        Screenshot(L"tree-full-" + std::wstring(look.name));
        Exit();
    }
}

} // namespace
