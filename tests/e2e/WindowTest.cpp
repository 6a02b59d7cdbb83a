// The main window's frame driven from outside: a single instance, hiding to and coming back
// from the notification area, the tray menu, every way of closing, the choice of look in the
// side channel, a restart, and a screenshot for people to look at.

#include "E2ETestSupport.h"

#include <fstream>

namespace {

// Centres of the title bar's minimise and close buttons (MacOS, 17 x 17 pixels, 4 from the top)
// in the main window's client coordinates.
constexpr int MinimiseButtonX = 327;
constexpr int CloseButtonX = 345;
constexpr int TitleButtonY = 12;

std::vector<StoredNode> SmallBook() {
    return {{"网络", "", "", "未知", 0, 1},
            {"邮箱", "UserName", "PassWord", "未知", 1, 4},
            {"工作", "li.lei@example.cn", "s3cret!", "2026/12/8 9:15:02", 2, 0},
            {"私人", "李雷", "密码也可以是中文", "2026/12/8 9:16:40", 2, 0},
            {"论坛", "han.meimei", "x", "2026/12/8 10:00:00", 1, 0},
            {"软件", "", "", "未知", 0, 2},
            {"编辑器", "lilei", "vi", "2026/12/8 11:20:33", 1, 0},
            {"生活", "", "", "未知", 0, 3},
            {"银行", "6222 0000 1111", "123456", "2026/12/8 12:00:01", 1, 0}};
}

class Window : public VornikTest {
protected:
    // A visible popup menu window of the program (a tray menu that opened).
    HWND OpenMenu() const {
        for (HWND w : desktop::TopLevelWindows(app_->Pid())) {
            wchar_t name[32] = L"";
            GetClassNameW(w, name, 32);
            if (std::wstring(name) == L"#32768" && IsWindowVisible(w)) return w;
        }
        return nullptr;
    }
    // Sends a message of the notification icon and waits until the program has handled it.
    void TrayClick(UINT button) const {
        SendMessageTimeoutW(main_, WM_USER + 1, 100, button, SMTO_ABORTIFHUNG, 5000, nullptr);
    }
    // Whether `upper` is above `lower` among the top-level windows.
    static bool Above(HWND upper, HWND lower) {
        for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
            if (w == upper) return true;
            if (w == lower) return false;
        }
        return false;
    }
    // Answers the exit question "不得行" and checks that the program goes on, shown.
    void RefuseExit() {
        HWND dialog = app_->WaitForDialog();
        ASSERT_NE(dialog, nullptr) << "no confirmation";
        ASSERT_TRUE(app_->Answer(L"不得行"));
        Sleep(200);
        EXPECT_TRUE(app_->Running());
        EXPECT_TRUE(IsWindowVisible(main_));
    }
};

TEST_F(Window, EveryWayOfClosingAsksAndOnlyTheAnswerToGoOnEnds) {
    ASSERT_NO_FATAL_FAILURE(Start());
    PostMessageW(main_, WM_CLOSE, 0, 0);
    ASSERT_NO_FATAL_FAILURE(RefuseExit());
    PostMessageW(main_, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_NO_FATAL_FAILURE(RefuseExit());
    ASSERT_NE(PressForDialog(L"关闭"), nullptr);
    ASSERT_NO_FATAL_FAILURE(RefuseExit());
    // The title bar's close button.
    desktop::MouseClickAt(main_, CloseButtonX, TitleButtonY);
    ASSERT_NO_FATAL_FAILURE(RefuseExit());
    // The application window stands for the program on the taskbar; closing it asks too.
    PostMessageW(app_->AppWindow(), WM_CLOSE, 0, 0);
    ASSERT_NO_FATAL_FAILURE(RefuseExit());
    // Closing the question's own window is no "要得" either.
    PostMessageW(main_, WM_CLOSE, 0, 0);
    HWND dialog = app_->WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    ASSERT_TRUE(desktop::WaitFor([&] { return !IsWindowVisible(dialog); }));
    Sleep(200);
    EXPECT_TRUE(app_->Running());
    EXPECT_FALSE(Record().Exists) << "closing writes nothing";
    Exit();
}

TEST_F(Window, AltF4OnTheKeyboardAsksAndOnlyTheAnswerToGoOnEnds) {
    ASSERT_NO_FATAL_FAILURE(Start());
    // The user clicks a row of the tree and presses Alt+F4.
    MouseClickRow(1, 0);
    ASSERT_TRUE(desktop::WaitFor([&] { return desktop::FocusOf(main_) == Tree(); }));
    desktop::SendChord({VK_MENU, VK_F4});
    ASSERT_NO_FATAL_FAILURE(RefuseExit());
    // Alt+F4 on the question is its close box: result 2, which is no "要得".
    ASSERT_TRUE(desktop::BringToForeground(main_));
    desktop::SendChord({VK_MENU, VK_F4});
    HWND dialog = app_->WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(desktop::BringToForeground(dialog));
    desktop::SendChord({VK_MENU, VK_F4});
    ASSERT_TRUE(desktop::WaitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }));
    Sleep(200);
    EXPECT_TRUE(app_->Running());
    // Focus in an edit, Alt+F4 once more, and "要得" ends the program.
    RECT r{};
    GetClientRect(UserNameEdit(), &r);
    desktop::MouseClickAt(UserNameEdit(), r.right / 2, r.bottom / 2);
    ASSERT_TRUE(desktop::WaitFor([&] { return desktop::FocusOf(main_) == UserNameEdit(); }));
    desktop::SendChord({VK_MENU, VK_F4});
    ASSERT_TRUE(app_->Answer(L"要得"));
    EXPECT_TRUE(app_->WaitForExit(15000));
    EXPECT_EQ(app_->ExitCode(), 0u);
}

TEST_F(Window, MinimisingHidesIntoTheNotificationAreaAndALeftClickBringsItBack) {
    ASSERT_NO_FATAL_FAILURE(Start());
    HWND appWindow = app_->AppWindow();
    ASSERT_NE(appWindow, nullptr);
    EXPECT_TRUE(IsWindowVisible(appWindow));
    SendMessageW(main_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(IsWindowVisible(main_));
    EXPECT_FALSE(IsWindowVisible(appWindow)) << "the taskbar button stays";
    EXPECT_TRUE(app_->Running());

    // Other mouse actions on the icon do nothing.
    SendMessageW(main_, WM_USER + 1, 100, WM_MOUSEMOVE);
    SendMessageW(main_, WM_USER + 1, 100, WM_LBUTTONDOWN);
    EXPECT_FALSE(IsWindowVisible(main_));
    SendMessageW(main_, WM_USER + 1, 100, WM_LBUTTONUP);
    EXPECT_TRUE(IsWindowVisible(main_));
    EXPECT_TRUE(IsWindowVisible(appWindow));
    EXPECT_FALSE(IsIconic(main_));
    Exit();
}

TEST_F(Window, TheTitleBarMovesTheWindowAndItsMinimiseButtonHidesIt) {
    ASSERT_NO_FATAL_FAILURE(Start());
    RECT before{};
    GetWindowRect(main_, &before);
    EXPECT_EQ(before.bottom - before.top, 270) << "the designed height limit";
    desktop::RealMouseTo(main_, 120, 10);
    desktop::RealLeftButton(true);
    desktop::RealMouseTo(main_, 160, 40);
    desktop::RealLeftButton(false);
    RECT after{};
    ASSERT_TRUE(desktop::WaitFor([&] {
        GetWindowRect(main_, &after);
        return after.left != before.left;
    }, 3000)) << "dragging the title bar did not move the window";
    EXPECT_EQ(after.left - before.left, 40);
    EXPECT_EQ(after.top - before.top, 30);

    desktop::MouseClickAt(main_, MinimiseButtonX, TitleButtonY);
    ASSERT_TRUE(desktop::WaitFor([&] { return !IsWindowVisible(main_); }, 3000)) << "the minimise button";
    EXPECT_FALSE(IsWindowVisible(app_->AppWindow()));
    SendMessageW(main_, WM_USER + 1, 100, WM_LBUTTONUP);
    EXPECT_TRUE(IsWindowVisible(main_));
    Exit();
}

TEST_F(Window, TheConfirmationAnswersTheKeyboardAndTheMouse) {
    RecordFiles::Write(folder_.Record(), "3", SmallBook());
    ASSERT_NO_FATAL_FAILURE(Start());
    // Delete, answered by a real click on "要得".
    Select(Child(TopLevel(0), 1));
    HWND dialog = PressForDialog(L"删除");
    ASSERT_NE(dialog, nullptr);
    HWND yes = desktop::FindDescendant(dialog, L"要得");
    ASSERT_NE(yes, nullptr);
    ASSERT_TRUE(desktop::BringToForeground(dialog));
    desktop::MouseClickAt(yes, 30, 12);
    ASSERT_TRUE(desktop::WaitFor([&] { return !IsWindow(dialog) && NodeCount() == 8; })) << "not deleted";

    // Delete again: Tab, then Return answers "不得行".
    Select(Child(TopLevel(1), 0));
    dialog = PressForDialog(L"删除");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(desktop::BringToForeground(dialog));
    desktop::SendChord({VK_ESCAPE});
    Sleep(300);
    EXPECT_TRUE(IsWindowVisible(dialog)) << "Escape does not answer";
    desktop::SendChord({VK_TAB});
    desktop::SendChord({VK_RETURN});
    ASSERT_TRUE(desktop::WaitFor([&] { return !IsWindow(dialog); }));
    EXPECT_EQ(NodeCount(), 8) << "kept";

    // Exit: Tab, Return keeps it running; Return alone answers "要得" and ends it.
    PostMessageW(main_, WM_CLOSE, 0, 0);
    dialog = app_->WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(desktop::BringToForeground(dialog));
    desktop::SendChord({VK_TAB});
    desktop::SendChord({VK_RETURN});
    ASSERT_TRUE(desktop::WaitFor([&] { return !IsWindow(dialog); }));
    Sleep(200);
    EXPECT_TRUE(app_->Running());
    PostMessageW(main_, WM_CLOSE, 0, 0);
    dialog = app_->WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(desktop::BringToForeground(dialog));
    desktop::SendChord({VK_RETURN});
    EXPECT_TRUE(app_->WaitForExit(15000)) << "Return did not answer \"要得\"";
    EXPECT_EQ(app_->ExitCode(), 0u);
}

TEST_F(Window, TheTrayMenuShowsTheWindowAndEndsTheProgram) {
    ASSERT_NO_FATAL_FAILURE(Start());
    SendMessageW(main_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_FALSE(IsWindowVisible(main_));
    // A right click opens the menu (bottom item "退    出", above it "显示界面").
    PostMessageW(main_, WM_USER + 1, 100, WM_RBUTTONUP);
    HWND menu = nullptr;
    ASSERT_TRUE(desktop::WaitFor([&] { return (menu = OpenMenu()) != nullptr; })) << "no tray menu";
    desktop::PostKey(main_, VK_UP);
    desktop::PostKey(main_, VK_UP);
    desktop::PostKey(main_, VK_RETURN);
    ASSERT_TRUE(desktop::WaitFor([&] { return IsWindowVisible(main_) != FALSE; })) << "显示界面 did not show it";
    EXPECT_TRUE(IsWindowVisible(app_->AppWindow()));
    // The edits' frames are drawn whole again: the inner ring (the edit's white) on all sides.
    Sleep(300);
    for (HWND edit : {IdentifierEdit(), UserNameEdit(), PasswordEdit()}) {
        RECT r{};
        GetWindowRect(edit, &r);
        HDC screen = GetDC(nullptr);
        const int midX = (r.left + r.right) / 2, midY = (r.top + r.bottom) / 2;
        EXPECT_EQ(GetPixel(screen, r.left + 1, midY), RGB(255, 255, 255));
        EXPECT_EQ(GetPixel(screen, r.right - 2, midY), RGB(255, 255, 255));
        EXPECT_EQ(GetPixel(screen, midX, r.top + 1), RGB(255, 255, 255));
        EXPECT_EQ(GetPixel(screen, midX, r.bottom - 2), RGB(255, 255, 255));
        ReleaseDC(nullptr, screen);
    }

    PostMessageW(main_, WM_USER + 1, 100, WM_RBUTTONUP);
    ASSERT_TRUE(desktop::WaitFor([&] { return OpenMenu() != nullptr; }));
    desktop::PostKey(main_, VK_UP);
    desktop::PostKey(main_, VK_RETURN);
    HWND dialog = app_->WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(app_->Answer(L"要得"));
    EXPECT_TRUE(app_->WaitForExit(15000));
    EXPECT_EQ(app_->ExitCode(), 0u);
}

TEST_F(Window, WhileAQuestionWaitsTheTrayIconBringsItForwardInsteadOfTheWindowOrTheMenu) {
    ASSERT_NO_FATAL_FAILURE(Start());
    PostMessageW(main_, WM_CLOSE, 0, 0);
    HWND dialog = app_->WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    TrayClick(WM_LBUTTONUP);
    EXPECT_TRUE(Above(dialog, main_)) << "the question went under the window it disables";
    // A right click opens no menu, whose exit would ask a second time.
    TrayClick(WM_RBUTTONUP);
    EXPECT_EQ(OpenMenu(), nullptr);
    EXPECT_TRUE(Above(dialog, main_));
    ASSERT_TRUE(app_->Answer(L"不得行"));
    ASSERT_TRUE(desktop::WaitFor([&] { return !IsWindow(dialog); }));
    EXPECT_TRUE(app_->Running());

    // Hidden in the notification area with the exit asked from the icon's menu: a left click
    // leaves the window hidden and the question in view.
    SendMessageW(main_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    PostMessageW(main_, WM_USER + 1, 100, WM_RBUTTONUP);
    ASSERT_TRUE(desktop::WaitFor([&] { return OpenMenu() != nullptr; }));
    desktop::PostKey(main_, VK_UP);
    desktop::PostKey(main_, VK_RETURN);
    dialog = app_->WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    TrayClick(WM_LBUTTONUP);
    EXPECT_FALSE(IsWindowVisible(main_));
    EXPECT_TRUE(IsWindowVisible(dialog));
    ASSERT_TRUE(app_->Answer(L"要得"));
    EXPECT_TRUE(app_->WaitForExit(15000));
}

TEST_F(Window, ASecondStartRestoresTheRunningInstanceAndEnds) {
    ASSERT_NO_FATAL_FAILURE(Start());
    SendMessageW(main_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    HWND appWindow = app_->AppWindow();
    ASSERT_FALSE(IsWindowVisible(appWindow));

    VornikProcess second(folder_.Path());
    ASSERT_TRUE(second.Started());
    ASSERT_TRUE(second.WaitForExit(20000)) << "the second instance kept running";
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_EQ(second.Main(), nullptr);
    // The running instance's application window was restored.
    EXPECT_TRUE(IsWindowVisible(appWindow));
    EXPECT_TRUE(app_->Running());
    EXPECT_FALSE(Record().Exists);
    Exit();
}

TEST_F(Window, TheSideChannelOpensWithTheLimitsAndTheStyleChoiceWritesBothFiles) {
    ASSERT_NO_FATAL_FAILURE(Start());
    HWND channel = SideChannel();
    RECT closed{};
    GetWindowRect(channel, &closed);
    EXPECT_EQ(closed.right - closed.left, 10);
    desktop::Click(channel);
    RECT open{};
    GetWindowRect(channel, &open);
    EXPECT_EQ(open.right - open.left, 148);
    EXPECT_EQ(open.right, closed.right) << "it opens from the right edge";
    // The channel starts below the title bar, whose height is the look's.
    POINT corner{open.left, open.top};
    ScreenToClient(main_, &corner);
    HWND memo = desktop::WindowAt(main_, corner.x + 16 + 60, corner.y + 121 + 30);
    EXPECT_EQ(desktop::Text(memo),
              L"标识、用户名不超过50个字符(25个中文字)，密码不超过30个字符。树形目录内不能超过50行记录");

    HWND macOS = desktop::FindDescendant(channel, L"MacOS");
    ASSERT_NE(macOS, nullptr);
    desktop::Click(macOS);
    ASSERT_TRUE(desktop::WaitFor([&] { return Backup().Exists && IsWindowVisible(main_); }));
    EXPECT_EQ(Record().Header, "3");
    EXPECT_EQ(Backup().Header, "3");
    ExpectSameNodes(Record(), StoredBook{true, "3", DesignedGroups()});

    // The same choice again writes both files again.
    DeleteFileW(folder_.Record().c_str());
    DeleteFileW(folder_.Backup().c_str());
    desktop::Click(macOS);
    ASSERT_TRUE(desktop::WaitFor([&] { return Backup().Exists && IsWindowVisible(main_); }));
    EXPECT_EQ(Record().Header, "3");
    Exit();
}

TEST_F(Window, ARestartReloadsTheBookExactly) {
    RecordFiles::Write(folder_.Record(), "4", SmallBook());
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(NodeCount(), 9);
    // The stored look shows as chosen.
    EXPECT_TRUE(Checked(desktop::FindDescendant(main_, L"蛋白")));
    Select(Child(TopLevel(1), 0));
    desktop::Type(UserNameEdit(), L"li.lei");
    Press(L"更新");
    const StoredBook saved = Record();
    ASSERT_EQ(saved.Nodes.size(), 9u);
    EXPECT_EQ(saved.Header, "4");
    EXPECT_EQ(saved.Nodes[6].UserName, "li.lei");
    Exit();

    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(NodeCount(), 9);
    EXPECT_TRUE(Checked(desktop::FindDescendant(main_, L"蛋白")));
    // Choosing the same look saves the book as loaded.
    desktop::Click(SideChannel());
    DeleteFileW(folder_.Record().c_str());
    desktop::Click(desktop::FindDescendant(main_, L"蛋白"));
    ASSERT_TRUE(desktop::WaitFor([&] { return Record().Exists && IsWindowVisible(main_); }));
    const StoredBook reloaded = Record();
    EXPECT_EQ(reloaded.Header, "4");
    ExpectSameNodes(reloaded, saved);
    Exit();
}

TEST_F(Window, AnUnreadableBookIsReportedAndTheWindowOpensWithWhatWasRead) {
    RecordFiles::Write(folder_.Record(), "4", SmallBook());
    {
        // The third node's level becomes the text "x".
        std::fstream file(folder_.Record().c_str(), std::ios::binary | std::ios::in | std::ios::out);
        file.seekp(3 * 158 + 133);
        const std::string x = RecordFiles::Encipher("x");
        file.put('\1');
        file.put(x.at(0));
        ASSERT_TRUE(file.good());
    }
    app_ = std::make_unique<VornikProcess>(folder_.Path());
    ASSERT_TRUE(app_->Started());
    HWND report = nullptr;
    ASSERT_TRUE(desktop::WaitFor([&] {
        for (HWND w : desktop::TopLevelWindows(app_->Pid())) {
            wchar_t name[32] = L"";
            GetClassNameW(w, name, 32);
            if (std::wstring(name) == L"#32770" && IsWindowVisible(w)) report = w;
        }
        return report != nullptr;
    })) << "no error report";
    std::wstring texts;
    EnumChildWindows(
        report,
        [](HWND w, LPARAM p) -> BOOL {
            *reinterpret_cast<std::wstring*>(p) += desktop::Text(w) + L"\n";
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    EXPECT_NE(texts.find(L"'x' is not a valid integer value"), std::wstring::npos) << desktop::ToGbk(texts);
    PostMessageW(report, WM_COMMAND, IDOK, 0);

    main_ = app_->WaitForMain();
    ASSERT_NE(main_, nullptr) << "start-up did not go on";
    EXPECT_EQ(NodeCount(), 2) << "the nodes read before the bad record";
    EXPECT_TRUE(Checked(desktop::FindDescendant(main_, L"蛋白")));
    EXPECT_NE(GetFileAttributesW(folder_.File(L"record.lzw.unreadable").c_str()), INVALID_FILE_ATTRIBUTES)
        << "the unreadable book is kept";
    Exit();
}

TEST_F(Window, TheCommandButtonsAndTheMaskBoxAreSkinnedControlsAtTheirDesignedPlaces) {
    ASSERT_NO_FATAL_FAILURE(Start());
    auto classOf = [](HWND w) {
        wchar_t name[64] = L"";
        GetClassNameW(w, name, 64);
        return std::wstring(name);
    };
    // Places inside the skinned form, as designed.
    auto expectAt = [](HWND w, int left, int top, int width, int height) {
        RECT r{};
        GetWindowRect(w, &r);
        MapWindowPoints(HWND_DESKTOP, GetParent(w), reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, left);
        EXPECT_EQ(r.top, top);
        EXPECT_EQ(r.right - r.left, width);
        EXPECT_EQ(r.bottom - r.top, height);
    };
    const struct {
        const wchar_t* caption;
        int left, top;
    } buttons[] = {{L"标识", 216, 36}, {L"用户名", 216, 86}, {L"密码", 216, 135}, {L"更新", 216, 186},
                   {L"新建", 279, 186}, {L"删除", 216, 215}, {L"关闭", 279, 215}};
    for (const auto& b : buttons) {
        SCOPED_TRACE(desktop::ToGbk(b.caption));
        HWND w = Button(b.caption);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(classOf(w), L"TsuiButton");
        EXPECT_TRUE(IsWindowVisible(w));
        expectAt(w, b.left, b.top, 58, 25);
    }
    HWND save = Button(L"保存");
    ASSERT_NE(save, nullptr);
    EXPECT_FALSE(IsWindowVisible(save)) << "the save button is hidden";
    HWND mask = MaskCheckBox();
    EXPECT_EQ(classOf(mask), L"TsuiCheckBox");
    expectAt(mask, 282, 137, 15, 22);
    Exit();
}

TEST_F(Window, ScreenshotsOfTheMainWindowInEveryLook) {
    RecordFiles::Write(folder_.Record(), "3", SmallBook());
    ASSERT_NO_FATAL_FAILURE(Start());
    Select(Child(Child(TopLevel(0), 0), 1));
    const std::wstring folder = desktop::FromGbk(VORNIK_SCREENSHOT_DIR);
    CreateDirectoryW(folder.c_str(), nullptr);
    const struct {
        const wchar_t* item;
        const wchar_t* look;
    } looks[] = {{L"蓝色", L"BlueGlass"}, {L"深蓝", L"DeepBlue"}, {L"MacOS", L"MacOS"}, {L"蛋白", L"Protein"},
                 {L"WinXP", L"WinXP"}};
    for (const auto& l : looks) {
        desktop::Click(SideChannel());
        HWND item = desktop::FindDescendant(main_, l.item);
        ASSERT_NE(item, nullptr);
        DeleteFileW(folder_.Backup().c_str());
        desktop::Click(item);
        ASSERT_TRUE(desktop::WaitFor([&] { return Backup().Exists && IsWindowVisible(main_); }));
        desktop::Click(SideChannel());
        Sleep(500);
        EXPECT_TRUE(desktop::SaveScreenshot(main_, folder + L"\\chosen-" + l.look + L".bmp"));
    }
    Exit();
}

TEST_F(Window, ScreenshotOfASmallBook) {
    RecordFiles::Write(folder_.Record(), "3", SmallBook());
    ASSERT_NO_FATAL_FAILURE(Start());
    Select(Child(Child(TopLevel(0), 0), 1));
    ASSERT_EQ(desktop::Text(IdentifierEdit()), L"私人");
    // Let the window finish painting before the screen is read.
    Sleep(500);
    const std::wstring folder = desktop::FromGbk(VORNIK_SCREENSHOT_DIR);
    CreateDirectoryW(folder.c_str(), nullptr);
    EXPECT_TRUE(desktop::SaveScreenshot(main_, folder + L"\\book.bmp"));
    Exit();
}

} // namespace
