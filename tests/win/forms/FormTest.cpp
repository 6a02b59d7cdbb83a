// Forms as real windows under Wine: border styles and client sizes, position rules,
// constraints, close actions, modal showing, a window procedure replaced from outside,
// regions, system commands and forms read from a designed description.
#include "tests/win/forms/TestControls.h"
#include "tests/win/forms/WinTestSupport.h"

#include "framework/forms/Application.h"
#include "framework/forms/Screen.h"
#include "framework/core/WideText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace fw;
using fwtest::Owned;
using fwtest::TestButton;
using fwtest::TestForm;

namespace {

LONG_PTR StyleOf(HWND h) { return GetWindowLongPtrW(h, GWL_STYLE); }
LONG_PTR ExStyleOf(HWND h) { return GetWindowLongPtrW(h, GWL_EXSTYLE); }

RECT ClientOf(HWND h) {
    RECT r;
    GetClientRect(h, &r);
    return r;
}

TEST(FormBorders, EachStyleGetsItsFrameAndKeepsTheClientSize) {
    struct Case {
        BorderStyle style;
        LONG_PTR wanted;
        LONG_PTR absent;
        LONG_PTR wantedEx;
    };
    const Case cases[] = {
        {BorderStyle::None, WS_POPUP, WS_CAPTION | WS_THICKFRAME | WS_SYSMENU, 0},
        {BorderStyle::Single, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, WS_THICKFRAME, 0},
        {BorderStyle::Sizeable, WS_CAPTION | WS_THICKFRAME | WS_MAXIMIZEBOX, 0, 0},
        {BorderStyle::Dialog, WS_CAPTION | WS_SYSMENU, WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, WS_EX_DLGMODALFRAME},
        {BorderStyle::ToolWindow, WS_CAPTION, WS_THICKFRAME | WS_MINIMIZEBOX, WS_EX_TOOLWINDOW},
        {BorderStyle::SizeToolWin, WS_CAPTION | WS_THICKFRAME, WS_MINIMIZEBOX, WS_EX_TOOLWINDOW},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.style));
        Owned<TestForm> f(new TestForm(&App()));
        f->SetBorderStyle(c.style);
        f->SetClientWidth(357);
        f->SetClientHeight(243);
        f->Show();
        HWND h = f->Handle();
        EXPECT_EQ(StyleOf(h) & c.wanted, c.wanted);
        EXPECT_EQ(StyleOf(h) & c.absent, 0);
        EXPECT_EQ(ExStyleOf(h) & c.wantedEx, c.wantedEx);
        EXPECT_EQ(GetWindow(h, GW_OWNER), App().Handle()) << "forms are owned by the application window";
        EXPECT_EQ(ClientOf(h).right, 357);
        EXPECT_EQ(ClientOf(h).bottom, 243);
        EXPECT_EQ(f->ClientWidth(), 357);
    }
}

TEST(FormBorders, ChangingTheStyleOfALiveWindowUpdatesItsFrame) {
    Owned<TestForm> f(new TestForm(&App()));
    f->SetBorderStyle(BorderStyle::Sizeable);
    f->Show();
    f->SetBorderStyle(BorderStyle::None);
    EXPECT_EQ(StyleOf(f->Handle()) & WS_CAPTION, 0);
    EXPECT_TRUE(StyleOf(f->Handle()) & WS_VISIBLE) << "the window stays shown";
    f->SetBorderIcons(biSystemMenu);
    f->SetBorderStyle(BorderStyle::Single);
    EXPECT_TRUE(StyleOf(f->Handle()) & WS_SYSMENU);
    EXPECT_FALSE(StyleOf(f->Handle()) & WS_MINIMIZEBOX);
}

TEST(FormBorders, StayOnTopMakesATopmostWindow) {
    Owned<TestForm> f(new TestForm(&App()));
    f->SetFormStyle(FormStyle::StayOnTop);
    f->Show();
    EXPECT_TRUE(ExStyleOf(f->Handle()) & WS_EX_TOPMOST);
    f->SetFormStyle(FormStyle::Normal);
    EXPECT_FALSE(ExStyleOf(f->Handle()) & WS_EX_TOPMOST);
}

TEST(FormPosition, CentringRulesPlaceTheWindowWhenFirstShown) {
    Owned<TestForm> owner(new TestForm(&App()));
    owner->SetBounds(100, 50, 400, 300);
    owner->Show();

    Owned<TestForm> screen(new TestForm(&App()));
    screen->SetBounds(0, 0, 200, 100);
    screen->SetPosition(Position::ScreenCenter);
    screen->Show();
    EXPECT_EQ(screen->Left(), (Screen::Width() - 200) / 2);
    EXPECT_EQ(screen->Top(), (Screen::Height() - 100) / 2);
    RECT r;
    GetWindowRect(screen->Handle(), &r);
    EXPECT_EQ(r.left, screen->Left()) << "the window is where the form says";

    Owned<TestForm> desktop(new TestForm(&App()));
    desktop->SetBounds(0, 0, 300, 120);
    desktop->SetPosition(Position::DesktopCenter);
    desktop->Show();
    const Rect d = Screen::DesktopRect();
    EXPECT_EQ(desktop->Left(), d.Left + (d.Width() - 300) / 2);

    Owned<TestForm> child(new TestForm(owner.get()));
    child->SetBounds(0, 0, 100, 60);
    child->SetPosition(Position::OwnerFormCenter);
    child->Show();
    // The system may widen a captioned window to its minimum; centring uses the real size.
    EXPECT_EQ(child->Left(), owner->Left() + (owner->Width() - child->Width()) / 2);
    EXPECT_EQ(child->Top(), owner->Top() + (owner->Height() - child->Height()) / 2);

    // Without a main form, main-form centring falls back to the screen.
    Owned<TestForm> main(new TestForm(&App()));
    main->SetBounds(0, 0, 160, 80);
    main->SetPosition(Position::MainFormCenter);
    main->Show();
    EXPECT_EQ(main->Left(), (Screen::Width() - 160) / 2);

    // A screen-centred form is made centred; one resized before it shows is centred again.
    Owned<TestForm> early(new TestForm(&App()));
    early->SetBounds(0, 0, 240, 90);
    early->SetPosition(Position::ScreenCenter);
    early->HandleNeeded();
    GetWindowRect(early->Handle(), &r);
    EXPECT_EQ(r.left, (Screen::Width() - 240) / 2) << "made where it will show";
    early->SetBounds(early->Left(), early->Top(), 400, 90);
    early->Show();
    GetWindowRect(early->Handle(), &r);
    EXPECT_EQ(r.left, (Screen::Width() - 400) / 2);

    // A user's move is kept when the form is shown again.
    screen->Hide();
    screen->SetBounds(10, 20, 200, 100);
    screen->Show();
    EXPECT_EQ(screen->Left(), 10);

    Owned<TestForm> designed(new TestForm(&App()));
    designed->SetBounds(33, 44, 200, 100);
    designed->Show();
    EXPECT_EQ(designed->Left(), 33);
    EXPECT_EQ(designed->Top(), 44);
}

TEST(FormConstraints, HoldUnderSetBoundsAndUserSizing) {
    Owned<TestForm> f(new TestForm(&App()));
    f->Show();
    f->Constraints().SetMinWidth(130);
    f->Constraints().SetMaxWidth(365);
    f->Constraints().SetMinHeight(270);
    f->Constraints().SetMaxHeight(270);
    f->SetBounds(10, 10, 500, 100);
    EXPECT_EQ(f->Width(), 365);
    EXPECT_EQ(f->Height(), 270);
    RECT r;
    GetWindowRect(f->Handle(), &r);
    EXPECT_EQ(r.right - r.left, 365);
    EXPECT_EQ(r.bottom - r.top, 270);
    f->SetWidth(50);
    EXPECT_EQ(f->Width(), 130);

    MINMAXINFO info{};
    SendMessageW(f->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 130);
    EXPECT_EQ(info.ptMaxTrackSize.x, 365);
    EXPECT_EQ(info.ptMaxTrackSize.y, 270);
}

struct CloseCase : TestForm {
    explicit CloseCase(Component* owner) : TestForm(owner) {}
    ~CloseCase() override { ++destroyed; }
    static int destroyed;
};
int CloseCase::destroyed = 0;

TEST(FormClose, EachCloseActionDoesWhatItSays) {
    CloseCase* f = new CloseCase(&App());
    CloseAction action = CloseAction::None;
    bool allow = true;
    f->OnCloseQuery = [&](Component*, bool& canClose) { canClose = allow; };
    f->OnClose = [&](Component*, CloseAction& a) {
        EXPECT_EQ(a, CloseAction::Hide) << "hiding is the default action";
        a = action;
    };
    f->Show();

    allow = false;
    action = CloseAction::Hide;
    f->Close();
    EXPECT_TRUE(IsWindowVisible(f->Handle())) << "close-query refused";

    allow = true;
    action = CloseAction::None;
    SendMessageW(f->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindowVisible(f->Handle()));

    action = CloseAction::Minimize;
    SendMessageW(f->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(IsIconic(f->Handle()));
    EXPECT_EQ(f->GetWindowState(), WindowState::Minimized);
    f->SetWindowState(WindowState::Normal);

    action = CloseAction::Hide;
    f->Close();
    EXPECT_FALSE(IsWindowVisible(f->Handle()));
    EXPECT_FALSE(f->Visible());

    f->Show();
    action = CloseAction::Free;
    const int before = CloseCase::destroyed;
    f->Close();
    EXPECT_EQ(CloseCase::destroyed, before) << "freed only after the queued messages";
    EXPECT_TRUE(fwtest::PumpUntil([&] { return CloseCase::destroyed == before + 1; }));
}

// A form whose OnDestroy handler uses its own members and children, as a program's main form does.
struct JournalForm : TestForm {
    JournalForm(Component* owner, std::vector<std::string>& seen) : TestForm(owner) {
        save = new TestButton(this);
        save->SetParent(this);
        save->SetCaption("保存");
        OnDestroy = [this, &seen](Component*) {
            seen.push_back(std::to_string(records) + " records");
            seen.push_back(save->Caption());
            seen.push_back(HandleAllocated() && IsWindow(Handle()) ? "window" : "no window");
        };
    }
    ~JournalForm() override { records = -1; }
    int records = 2;
    TestButton* save;
};

TEST(FormDestroy, OnDestroyFindsTheFormWholeWhenItsOwnerDestroysItOrItIsDeleted) {
    for (const bool byOwner : {true, false}) {
        SCOPED_TRACE(byOwner ? "destroyed by its owner" : "deleted");
        std::vector<std::string> seen;
        auto* owner = new Component(nullptr);
        auto* form = new JournalForm(owner, seen);
        form->HandleNeeded();
        if (!byOwner) delete form;
        delete owner;
        EXPECT_EQ(seen, (std::vector<std::string>{"2 records", "保存", "window"}));
    }
}

TEST(FormModal, ShowModalReturnsTheResultAControlSets) {
    Owned<TestForm> other(new TestForm(&App()));
    other->Show();
    Owned<TestForm> dialog(new TestForm(&App()));
    dialog->SetBorderStyle(BorderStyle::Dialog);
    dialog->SetBounds(100, 100, 300, 150);
    auto* ok = new TestButton(dialog.get());
    ok->SetParent(dialog.get());
    ok->SetBounds(20, 20, 80, 25);
    ok->SetModalResult(mrOk);
    bool otherDisabled = false;
    ok->OnClick = [&](Component*) { otherDisabled = !IsWindowEnabled(other->Handle()); };
    int shown = 0;
    dialog->OnShow = [&](Component*) {
        ++shown;
        fwtest::PostClick(ok->Handle(), 5, 5);
    };
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(otherDisabled) << "other windows are disabled while the dialog runs";
    EXPECT_TRUE(IsWindowEnabled(other->Handle()));
    EXPECT_FALSE(IsWindowVisible(dialog->Handle()));
    EXPECT_FALSE(dialog->Modal());
}

TEST(FormModal, CloseGivesCancelAndOnCloseMayRefuse) {
    Owned<TestForm> dialog(new TestForm(&App()));
    int asked = 0;
    dialog->OnClose = [&](Component*, CloseAction& a) {
        if (++asked == 1) {
            a = CloseAction::None;  // refused once: the loop goes on
            PostMessageW(dialog->Handle(), WM_CLOSE, 0, 0);
        }
    };
    dialog->OnShow = [&](Component*) { PostMessageW(dialog->Handle(), WM_CLOSE, 0, 0); };
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    EXPECT_EQ(asked, 2);
    EXPECT_THROW(
        {
            dialog->Show();
            dialog->ShowModal();
        },
        Exception) << "a visible form cannot become modal";
}

TEST(FormWindowProc, ReplacedFromOutsideKeepingThePreviousOne) {
    Owned<TestForm> f(new TestForm(&App()));
    f->SetBorderStyle(BorderStyle::None);
    f->SetBounds(50, 50, 200, 100);
    f->Show();
    int sizes = 0;
    int resizes = 0;
    f->OnResize = [&](Component*) { ++resizes; };
    Control::WindowProcedure previous = f->WindowProc();
    f->SetWindowProc([&, previous](Message& m) {
        previous(m);
        if (m.msg == WM_SIZE) ++sizes;
        if (m.msg == WM_NCHITTEST && m.result == HTCLIENT) m.result = HTCAPTION;
    });
    EXPECT_EQ(SendMessageW(f->Handle(), WM_NCHITTEST, 0, MAKELPARAM(60, 60)), HTCAPTION);
    f->SetBounds(50, 50, 260, 120);
    EXPECT_GE(sizes, 1);
    EXPECT_EQ(resizes, 1) << "the previous procedure still ran";
    EXPECT_EQ(f->Width(), 260);
    f->SetWindowProc(previous);
    EXPECT_EQ(SendMessageW(f->Handle(), WM_NCHITTEST, 0, MAKELPARAM(60, 60)), HTCLIENT);
}

TEST(FormWindowProc, RegionsAndSystemCommandsReachTheForm) {
    Owned<TestForm> f(new TestForm(&App()));
    f->SetBorderStyle(BorderStyle::None);
    f->SetBounds(0, 0, 120, 80);
    f->Show();
    f->SetWindowRegion(CreateRoundRectRgn(0, 0, 121, 81, 8, 8));
    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(f->Handle(), probe), COMPLEXREGION);
    EXPECT_FALSE(PtInRegion(probe, 0, 0)) << "the rounded corner is cut away";
    EXPECT_TRUE(PtInRegion(probe, 60, 40));
    DeleteObject(probe);

    f->swallowSysCommands = true;
    SendMessageW(f->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(f->sysCommands, 1);
    EXPECT_EQ(f->lastSysCommand, static_cast<WPARAM>(SC_MINIMIZE));
    EXPECT_FALSE(IsIconic(f->Handle())) << "the handler kept it from the default handling";
    f->swallowSysCommands = false;
    SendMessageW(f->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(f->Handle()));
}

TEST(FormEvents, ShowHideResizeAndActivation) {
    Owned<TestForm> a(new TestForm(&App()));
    Owned<TestForm> b(new TestForm(&App()));
    int shows = 0, hides = 0, resizes = 0, deactivations = 0, activations = 0;
    a->OnShow = [&](Component*) { ++shows; };
    a->OnHide = [&](Component*) { ++hides; };
    a->OnResize = [&](Component*) { ++resizes; };
    a->OnActivate = [&](Component*) { ++activations; };
    a->OnDeactivate = [&](Component*) { ++deactivations; };
    a->Show();
    EXPECT_EQ(shows, 1);
    SetActiveWindow(a->Handle());
    EXPECT_TRUE(a->Active());
    EXPECT_GE(activations, 1);
    b->Show();
    SetActiveWindow(b->Handle());
    EXPECT_EQ(deactivations, 1);
    a->SetWidth(a->Width() + 30);
    EXPECT_EQ(resizes, 1);
    a->Hide();
    EXPECT_EQ(hides, 1);
}

TEST(FormFocus, ActiveControlGetsTheFocusAndFollowsIt) {
    Owned<TestForm> f(new TestForm(&App()));
    auto* one = new TestButton(f.get());
    one->SetParent(f.get());
    auto* two = new TestButton(f.get());
    two->SetParent(f.get());
    two->SetTop(40);
    f->Show();
    SetActiveWindow(f->Handle());
    f->SetActiveControl(two);
    EXPECT_TRUE(two->Focused());
    one->SetFocus();
    EXPECT_EQ(f->ActiveControl(), one);
    delete one;
    EXPECT_EQ(f->ActiveControl(), nullptr) << "a destroyed control leaves no dangling reference";
    two->SetVisible(false);
    EXPECT_FALSE(two->CanFocus());
    EXPECT_THROW(two->SetFocus(), Exception);
}

} // namespace
