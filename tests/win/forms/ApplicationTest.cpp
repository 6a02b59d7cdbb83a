// The application object in a process of its own: the application window and its title,
// the main form and the taskbar, the message loop with its filter, the default error report
// and hints.
#include "tests/win/forms/TestControls.h"
#include "tests/win/forms/WinTestSupport.h"

#include "framework/forms/HintWindow.h"
#include "framework/graphics/Timer.h"
#include "framework/forms/Screen.h"
#include "framework/core/WideText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace fw;
using fwtest::TestButton;
using fwtest::TestForm;

namespace {

class MainWindow : public Form {
public:
    explicit MainWindow(Component* owner) : Form(owner) {
        SetBounds(200, 200, 300, 200);
        button = new TestButton(this);
        button->SetParent(this);
        button->SetBounds(10, 10, 80, 25);
        button->SetHint("点击这里");
        button->SetShowHint(true);
    }
    static const ClassInfo& StaticClass() {
        static const ClassInfo& info = ClassBuilder<MainWindow>("TMainWindow", Form::StaticClass()).Register();
        return info;
    }
    const ClassInfo& ClassType() const override { return StaticClass(); }
    TestButton* button;
};

MainWindow* Main() {
    static MainWindow* form = App().CreateForm<MainWindow>();
    return form;
}

// Runs `step` from the loop every few milliseconds until it returns true or the loop ends.
void RunWith(const std::function<bool()>& step) {
    Timer timer(nullptr);
    timer.SetInterval(20);
    timer.OnTimer = [&](Component*) {
        if (step()) timer.SetEnabled(false);
    };
    // A stuck test ends the loop instead of hanging.
    Timer guard(nullptr);
    guard.SetInterval(10000);
    bool timedOut = false;
    guard.OnTimer = [&](Component*) {
        timedOut = true;
        App().Terminate();
    };
    App().Run();
    EXPECT_FALSE(timedOut);
}

// Reads the text and caption of the message box on screen, if there is one, and answers it.
bool AnswerMessageBox(std::wstring* text, std::wstring* caption = nullptr) {
    HWND box = FindWindowW(L"#32770", nullptr);
    if (box == nullptr) return false;
    wchar_t buffer[128] = {};
    GetDlgItemTextW(box, 0xFFFF, buffer, 128);
    *text = buffer;
    if (caption != nullptr) {
        GetWindowTextW(box, buffer, 128);
        *caption = buffer;
    }
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return true;
}

TEST(Application, TheTitleIsTheCaptionOfTheApplicationWindow) {
    App().SetTitle("Vornik");
    wchar_t text[64] = {};
    GetWindowTextW(App().Handle(), text, 64);
    EXPECT_EQ(std::wstring(text), L"Vornik");
    EXPECT_EQ(FindWindowW(nullptr, L"Vornik"), App().Handle());
    App().SetTitle("OnlyOne42");
    EXPECT_EQ(FindWindowW(nullptr, L"Vornik"), nullptr) << "the single-instance test relies on this";
    App().SetTitle("Vornik");
}

TEST(Application, TheApplicationWindowCarriesTheTaskbarButton) {
    EXPECT_EQ(App().MainForm(), Main());
    EXPECT_EQ(GetWindow(Main()->Handle(), GW_OWNER), App().Handle());
    int steps = 0;
    LONG_PTR styleWhileShown = 0, exStyle = 0, formEx = 0, styleHidden = 0;
    RunWith([&] {
        switch (++steps) {
        case 1:
            styleWhileShown = GetWindowLongPtrW(App().Handle(), GWL_STYLE);
            exStyle = GetWindowLongPtrW(App().Handle(), GWL_EXSTYLE);
            formEx = GetWindowLongPtrW(Main()->Handle(), GWL_EXSTYLE);
            ShowWindow(App().Handle(), SW_HIDE);
            return false;
        case 2:
            styleHidden = GetWindowLongPtrW(App().Handle(), GWL_STYLE);
            ShowWindow(App().Handle(), SW_SHOWNOACTIVATE);
            App().Terminate();
            return true;
        default: return true;
        }
    });
    // A visible, unowned window without the tool-window style has a taskbar button; the form,
    // owned by it, has none of its own.
    EXPECT_TRUE(styleWhileShown & WS_VISIBLE);
    EXPECT_FALSE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_EQ(GetWindow(App().Handle(), GW_OWNER), nullptr);
    EXPECT_FALSE(formEx & WS_EX_APPWINDOW);
    EXPECT_FALSE(styleHidden & WS_VISIBLE) << "hidden, the application window leaves the taskbar";
    EXPECT_TRUE(Main()->Showing()) << "Run showed the main form";
}

TEST(Application, AnExceptionInAClickHandlerIsReportedAndTheLoopGoesOn) {
    int clicks = 0;
    Main()->button->OnClick = [&](Component*) {
        ++clicks;
        if (clicks == 1) throw Exception("读取记录文件失败");
    };
    std::wstring reported;
    std::wstring boxTitle;
    int steps = 0;
    RunWith([&] {
        ++steps;
        if (steps == 1) {
            fwtest::PostClick(Main()->button->Handle(), 5, 5);
            return false;
        }
        if (reported.empty()) {
            AnswerMessageBox(&reported, &boxTitle);
            return false;
        }
        if (clicks == 1) {
            fwtest::PostClick(Main()->button->Handle(), 5, 5);
            return false;
        }
        if (clicks == 2) App().Terminate();
        return clicks >= 2;
    });
    EXPECT_EQ(reported, GbkToWide("读取记录文件失败"));
    EXPECT_EQ(boxTitle, GbkToWide(App().Title()));
    EXPECT_EQ(clicks, 2) << "the loop kept running after the report";
    Main()->button->OnClick.Clear();
}

TEST(Application, OnExceptionReplacesTheReport) {
    std::string seen;
    App().OnException = [&](Component*, const std::exception& e) { seen = e.what(); };
    Main()->button->OnClick = [](Component*) { throw Exception("坏了"); };
    fwtest::Click(Main()->button->Handle(), 5, 5);
    EXPECT_EQ(seen, "坏了") << "the exception did not cross into user32";
    Main()->button->OnClick.Clear();
    App().OnException.Clear();
}

// An OnException that throws must not send its exception through user32, whichever entry point
// the first error came through: the original error is then shown in a plain message box.
TEST(Application, AnOnExceptionThatThrowsFallsBackToAMessageBoxFromEveryEntryPoint) {
    App().OnException = [](Component*, const std::exception&) { throw Exception("report failed"); };
    Main()->button->OnClick = [](Component*) { throw Exception("控件出错"); };
    Main()->OnCloseQuery = [](Component*, bool&) { throw Exception("窗口出错"); };
    Timer failing(nullptr);
    failing.SetEnabled(false);
    failing.SetInterval(10);
    failing.OnTimer = [&](Component*) {
        failing.SetEnabled(false);
        throw Exception("定时器出错");
    };
    std::vector<std::wstring> shown;
    int steps = 0;
    RunWith([&] {
        if (std::wstring text; AnswerMessageBox(&text)) {
            shown.push_back(text);
            return false;
        }
        switch (++steps) {
        case 1: fwtest::PostClick(Main()->button->Handle(), 5, 5); return false;
        case 3: PostMessageW(App().Handle(), WM_CLOSE, 0, 0); return false;
        case 5: failing.SetEnabled(true); return false;
        default:
            if (steps < 7) return false;
            App().Terminate();
            return true;
        }
    });
    EXPECT_EQ(shown, (std::vector<std::wstring>{GbkToWide("控件出错"), GbkToWide("窗口出错"), GbkToWide("定时器出错")}));
    EXPECT_TRUE(Main()->Showing()) << "the failed close query kept the form";
    Main()->button->OnClick.Clear();
    Main()->OnCloseQuery.Clear();
    App().OnException.Clear();
}

TEST(Application, TheMessageFilterSeesQueuedMessagesAndMayDropThem) {
    constexpr UINT probe = WM_APP + 7;
    int filtered = 0;
    int delivered = 0;
    Control::WindowProcedure previous = Main()->WindowProc();
    Main()->SetWindowProc([&, previous](Message& m) {
        if (m.msg == probe) ++delivered;
        previous(m);
    });
    App().OnMessage = [&](MSG& msg, bool& handled) {
        if (msg.message != probe) return;
        ++filtered;
        handled = msg.wParam == 1;
    };
    PostMessageW(Main()->Handle(), probe, 1, 0);
    PostMessageW(Main()->Handle(), probe, 0, 0);
    App().ProcessMessages();
    EXPECT_EQ(filtered, 2);
    EXPECT_EQ(delivered, 1);
    App().OnMessage.Clear();
    Main()->SetWindowProc(previous);
}

TEST(Application, TerminateEndsANestedModalLoopWithCancel) {
    TestForm* dialog = new TestForm(&App());
    int result = -1;
    RunWith([&] {
        dialog->OnShow = [](Component*) { App().Terminate(); };
        result = dialog->ShowModal();
        return true;
    });
    EXPECT_EQ(result, mrCancel);
    delete dialog;
}

TEST(Application, MinimizeHidesTheFormsAndRestoreBringsThemBack) {
    Main()->Show();
    SendMessageW(Main()->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(App().Handle()));
    EXPECT_FALSE(IsWindowVisible(Main()->Handle()));
    SendMessageW(App().Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsIconic(App().Handle()));
    EXPECT_TRUE(IsWindowVisible(Main()->Handle()));
}

TEST(Application, AHintShowsAfterThePauseAndGoesOnAMouseDown) {
    Main()->Show();
    App().SetHintPause(30);
    TestButton* b = Main()->button;
    const Point centre = b->ClientToScreen(Point{40, 12});
    Screen::SetCursorPos(centre);
    SendMessageW(b->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(40, 12));
    ASSERT_TRUE(fwtest::PumpUntil([] { return App().ActiveHint() != nullptr; }));
    EXPECT_EQ(App().ActiveHint()->Caption(), "点击这里");
    EXPECT_TRUE(GetWindowLongPtrW(App().ActiveHint()->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    PostMessageW(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 12));
    PostMessageW(b->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(40, 12));
    fwtest::Pump();
    EXPECT_EQ(App().ActiveHint(), nullptr);
    b->SetShowHint(false);
    SendMessageW(Main()->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(200, 150));
    SendMessageW(b->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(40, 12));
    EXPECT_FALSE(fwtest::PumpUntil([] { return App().ActiveHint() != nullptr; }, 200));
}

} // namespace
