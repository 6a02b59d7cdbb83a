// The options in the side channel, driven with real mouse and key input through the system's
// input queue as a user drives them: the channel opening on a click with the limits note in its
// skinned memo and closing after the mouse leaves, every look restyling the window (the memo's
// frame in the look's border colour) and written into both files, the stored look after a
// restart, and the keyboard kept out of the closed channel.

#include "E2ETestSupport.h"

#include <set>
#include <vector>

namespace {

const wchar_t* const LimitsNote =
    L"标识、用户名不超过50个字符(25个中文字)，密码不超过30个字符。树形目录内不能超过50行记录";

const struct {
    const wchar_t* caption;
    const char* header;
    const wchar_t* name;
    COLORREF border;
} Looks[] = {{L"蓝色", "1", L"BlueGlass", RGB(0, 0, 0)},
             {L"深蓝", "2", L"DeepBlue", RGB(0, 0, 0)},
             {L"MacOS", "3", L"MacOS", RGB(0x7F, 0x7F, 0x7F)},
             {L"蛋白", "4", L"Protein", RGB(0, 0, 0)},
             {L"WinXP", "5", L"WinXP", RGB(0x68, 0x68, 0x68)}};

void Send(INPUT in) { SendInput(1, &in, sizeof in); }

class Options : public VornikTest {
protected:
    // The pointer moved over a point of a window's client area.
    static void MouseTo(HWND w, int x, int y) {
        POINT p{x, y};
        ClientToScreen(w, &p);
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        in.mi.dx = p.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
        in.mi.dy = p.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
        Send(in);
        Sleep(50);
    }
    static void ClickOn(HWND w, int x, int y) {
        MouseTo(w, x, y);
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        Send(in);
        Sleep(30);
        in.mi.dwFlags = MOUSEEVENTF_LEFTUP;
        Send(in);
        Sleep(150);
    }
    static void ClickCentre(HWND w) {
        RECT r{};
        GetClientRect(w, &r);
        ClickOn(w, r.right / 2, r.bottom / 2);
    }
    static void Tap(WORD vk) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
        Send(in);
        Sleep(30);
        in.ki.dwFlags = KEYEVENTF_KEYUP;
        Send(in);
        Sleep(120);
    }
    // The window with the keyboard focus in the program's thread.
    HWND Focus() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(main_, nullptr), &info);
        return info.hwndFocus;
    }
    int ChannelWidth() const {
        RECT r{};
        GetWindowRect(channel_, &r);
        return r.right - r.left;
    }
    bool InChannel(HWND w) const { return w == channel_ || IsChild(channel_, w); }
    // The memo under the note's place in the open channel.
    HWND Memo() const { return desktop::WindowAt(main_, 1 + 355 - 148 + 16 + 60, 23 + 121 + 30); }
    // The memo's outer ring is in `border` on all four sides and its inner ring in its white.
    static void ExpectMemoFrame(HWND memo, COLORREF border) {
        RECT r{};
        GetWindowRect(memo, &r);
        HDC screen = GetDC(nullptr);
        const int midX = (r.left + r.right) / 2, midY = (r.top + r.bottom) / 2;
        EXPECT_EQ(GetPixel(screen, r.left, midY), border);
        EXPECT_EQ(GetPixel(screen, midX, r.top), border);
        EXPECT_EQ(GetPixel(screen, r.right - 1, midY), border);
        EXPECT_EQ(GetPixel(screen, midX, r.bottom - 1), border);
        EXPECT_EQ(GetPixel(screen, midX, r.bottom - 2), RGB(255, 255, 255));
        ReleaseDC(nullptr, screen);
    }
    void OpenChannel() {
        ClickOn(channel_, 5, 100);
        ASSERT_TRUE(desktop::WaitFor([&] { return ChannelWidth() == 148; }, 3000)) << "the channel did not open";
    }
    // The pointer goes to the tree; the channel closes by itself.
    void LeaveChannel() {
        MouseTo(main_, 100, 120);
        ASSERT_TRUE(desktop::WaitFor([&] { return ChannelWidth() == 10; }, 3000)) << "the channel stayed open";
    }
    void StartWithChannel() {
        Start();
        channel_ = SideChannel();
        ASSERT_NE(channel_, nullptr);
        wchar_t name[64] = L"";
        GetClassNameW(channel_, name, 64);
        ASSERT_EQ(std::wstring(name), L"TsuiSideChannel");
    }
    // The pixels of a part of the window as the screen shows it.
    std::vector<DWORD> Pixels(RECT part) const {
        RECT w{};
        GetWindowRect(main_, &w);
        const int width = part.right - part.left, height = part.bottom - part.top;
        std::vector<DWORD> pixels(static_cast<size_t>(width * height));
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, w.left + part.left, w.top + part.top, SRCCOPY);
        SelectObject(memory, old);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
        return pixels;
    }
    void Screenshot(const std::wstring& name) const {
        const std::wstring folder = desktop::FromGbk(VORNIK_SCREENSHOT_DIR);
        CreateDirectoryW(folder.c_str(), nullptr);
        EXPECT_TRUE(desktop::SaveScreenshot(main_, folder + L"\\" + name + L".bmp"));
    }

    HWND channel_ = nullptr;
};

TEST_F(Options, AClickOpensTheChannelWithTheLimitsNoteAndItClosesWhenTheMouseLeaves) {
    ASSERT_NO_FATAL_FAILURE(StartWithChannel());
    RECT closed{}, window{};
    GetWindowRect(channel_, &closed);
    GetClientRect(main_, &window);
    EXPECT_EQ(closed.right - closed.left, 10);
    ASSERT_NO_FATAL_FAILURE(OpenChannel());
    RECT open{};
    GetWindowRect(channel_, &open);
    EXPECT_EQ(open.right, closed.right) << "it opens from the right edge";
    HWND memo = Memo();
    ASSERT_TRUE(InChannel(memo));
    wchar_t kind[64] = L"";
    GetClassNameW(memo, kind, 64);
    EXPECT_EQ(std::wstring(kind), L"TsuiMemo");
    EXPECT_EQ(desktop::Text(memo), LimitsNote);
    Sleep(300);
    ExpectMemoFrame(memo, Looks[0].border);  // a first start chooses BlueGlass
    for (const auto& look : Looks) EXPECT_NE(desktop::FindDescendant(channel_, look.caption), nullptr);
    Sleep(1500);
    EXPECT_EQ(ChannelWidth(), 148) << "it stays open while the mouse is over it";
    ASSERT_NO_FATAL_FAILURE(LeaveChannel());
    EXPECT_FALSE(Record().Exists) << "opening and closing writes nothing";
    Exit();
}

TEST_F(Options, EveryLookRestylesTheWindowAndIsWrittenIntoBothFiles) {
    ASSERT_NO_FATAL_FAILURE(StartWithChannel());
    ASSERT_NO_FATAL_FAILURE(OpenChannel());
    const RECT whole{0, 0, 357, 243};
    std::set<std::vector<DWORD>> seen;
    for (const auto& look : Looks) {
        SCOPED_TRACE(desktop::ToGbk(look.name));
        DeleteFileW(folder_.Record().c_str());
        DeleteFileW(folder_.Backup().c_str());
        ClickCentre(desktop::FindDescendant(channel_, look.caption));
        ASSERT_TRUE(desktop::WaitFor([&] { return Backup().Exists && IsWindowVisible(main_); }));
        EXPECT_EQ(Record().Header, look.header);
        EXPECT_EQ(Backup().Header, look.header);
        ExpectBothFilesEqual();
        EXPECT_TRUE(Checked(desktop::FindDescendant(channel_, look.caption)));
        // The window is 357 wide, and 4 wider in WinXP whose border is 3 pixels instead of 1;
        // the open channel fills the window right of the tree view.
        RECT window{};
        GetWindowRect(main_, &window);
        EXPECT_EQ(window.right - window.left, look.header == std::string("5") ? 361 : 357);
        EXPECT_EQ(ChannelWidth(), window.right - window.left - 8 - 201) << "the pointer is still over the channel";
        Sleep(300);
        ExpectMemoFrame(Memo(), look.border);
        seen.insert(Pixels(whole));
        Screenshot(L"options-" + std::wstring(look.name));
    }
    EXPECT_EQ(seen.size(), 5u) << "every look shows differently";

    // Protein, closed: how the window looks after a restart with header 4.
    ClickCentre(desktop::FindDescendant(channel_, L"蛋白"));
    ASSERT_TRUE(desktop::WaitFor([&] { return Record().Header == "4" && IsWindowVisible(main_); }));
    ASSERT_NO_FATAL_FAILURE(LeaveChannel());
    Sleep(300);
    const RECT channelBar{1 + 345, 23, 1 + 355, 243};
    const RECT newButton{1 + 279, 186, 1 + 279 + 58, 186 + 25};
    const std::vector<DWORD> bar = Pixels(channelBar);
    const std::vector<DWORD> button = Pixels(newButton);
    Exit();

    ASSERT_NO_FATAL_FAILURE(StartWithChannel());
    // The stored look, with no change of look after the window came up.
    EXPECT_TRUE(desktop::WaitFor([&] { return Pixels(channelBar) == bar; }, 5000));
    EXPECT_TRUE(Checked(desktop::FindDescendant(channel_, L"蛋白")));
    EXPECT_FALSE(Checked(desktop::FindDescendant(channel_, L"MacOS")));
    Sleep(300);
    EXPECT_EQ(Pixels(channelBar), bar);
    EXPECT_EQ(Pixels(newButton), button);
    Exit();
}

TEST_F(Options, TabNeverReachesTheClosedChannel) {
    ASSERT_NO_FATAL_FAILURE(StartWithChannel());
    ClickCentre(IdentifierEdit());
    ASSERT_TRUE(desktop::WaitFor([&] { return Focus() == IdentifierEdit(); }, 3000));
    std::set<HWND> visited;
    for (int i = 0; i < 24; ++i) {
        Tap(VK_TAB);
        HWND f = Focus();
        ASSERT_NE(f, nullptr);
        EXPECT_FALSE(InChannel(f)) << "Tab went into the closed channel after " << i + 1 << " presses";
        EXPECT_TRUE(IsWindowVisible(f));
        visited.insert(f);
    }
    EXPECT_GE(visited.size(), 10u) << "the visible buttons and edits";
    EXPECT_TRUE(visited.count(Button(L"关闭")));

    ASSERT_NO_FATAL_FAILURE(OpenChannel());
    HWND blue = desktop::FindDescendant(channel_, L"蓝色");
    bool reached = false;
    for (int i = 0; i < 24 && !reached; ++i) {
        Tap(VK_TAB);
        reached = Focus() == blue;
    }
    ASSERT_TRUE(reached) << "Tab does not reach the looks of the open channel";
    DeleteFileW(folder_.Record().c_str());
    DeleteFileW(folder_.Backup().c_str());
    Tap(VK_SPACE);
    ASSERT_TRUE(desktop::WaitFor([&] { return Backup().Exists && IsWindowVisible(main_); }));
    EXPECT_EQ(Record().Header, "1");
    EXPECT_EQ(Backup().Header, "1");
    EXPECT_TRUE(InChannel(Focus()));

    ASSERT_NO_FATAL_FAILURE(LeaveChannel());
    // The channel is narrow before the focus moves.
    desktop::WaitFor([&] { return !InChannel(Focus()); }, 2000);
    HWND f = Focus();
    ASSERT_NE(f, nullptr);
    wchar_t kind[64] = L"";
    GetClassNameW(f, kind, 64);
    EXPECT_FALSE(InChannel(f)) << "the focus stayed in the closed channel, on " << desktop::ToGbk(kind) << " "
                               << desktop::ToGbk(desktop::Text(f));
    EXPECT_EQ(f, Button(L"标识")) << "the window's first tab stop";
    Exit();
}

} // namespace
