// Controls inside a real form: alignment with a shrunk alignment area, constraints, the mouse
// at coordinates (windowed and windowless controls), enter and leave, reflected notifications,
// z-order, ownership and parent-inherited colour and font.
#include "tests/win/forms/TestControls.h"
#include "tests/win/forms/WinTestSupport.h"

#include "framework/forms/Screen.h"

#include <gtest/gtest.h>

#include <vector>

using namespace fw;
using fwtest::Owned;
using fwtest::TestButton;
using fwtest::TestForm;
using fwtest::TestPanel;
using fwtest::TestSwatch;

namespace {

struct ControlsFixture : ::testing::Test {
    Owned<TestForm> form{new TestForm(&App())};
    void SetUp() override {
        form->SetBorderStyle(BorderStyle::None);
        form->SetBounds(40, 40, 400, 300);
        form->Show();
    }
    template <class T>
    T* Add(WinControl* parent, int l, int t, int w, int h, Align align = Align::None) {
        T* c = new T(form.get());
        c->SetParent(parent);
        c->SetBounds(l, t, w, h);
        c->SetAlign(align);
        return c;
    }
};

TEST_F(ControlsFixture, AlignPlacesChildrenKindByKindInsideTheShrunkArea) {
    auto* panel = Add<TestPanel>(form.get(), 10, 10, 300, 200);
    panel->shrink = true;  // area (5, 20)-(295, 195)
    auto* top2 = Add<TestPanel>(panel, 0, 50, 10, 15, Align::Top);
    auto* top1 = Add<TestPanel>(panel, 0, 0, 10, 10, Align::Top);
    auto* bottom = Add<TestPanel>(panel, 0, 0, 10, 12, Align::Bottom);
    auto* left = Add<TestPanel>(panel, 0, 0, 30, 10, Align::Left);
    auto* right = Add<TestPanel>(panel, 0, 0, 40, 10, Align::Right);
    auto* client = Add<TestPanel>(panel, 0, 0, 10, 10, Align::Client);
    auto* free = Add<TestPanel>(panel, 100, 100, 10, 10);
    panel->Realign();

    EXPECT_EQ(top1->BoundsRect(), (Rect{5, 20, 295, 30})) << "the upper one (by Top) goes first";
    EXPECT_EQ(top2->BoundsRect(), (Rect{5, 30, 295, 45}));
    EXPECT_EQ(bottom->BoundsRect(), (Rect{5, 183, 295, 195}));
    EXPECT_EQ(left->BoundsRect(), (Rect{5, 45, 35, 183}));
    EXPECT_EQ(right->BoundsRect(), (Rect{255, 45, 295, 183}));
    EXPECT_EQ(client->BoundsRect(), (Rect{35, 45, 255, 183}));
    EXPECT_EQ(free->BoundsRect(), (Rect{100, 100, 110, 110})) << "unaligned children stay";
    RECT r;
    GetWindowRect(client->Handle(), &r);
    MapWindowPoints(HWND_DESKTOP, panel->Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 35);
    EXPECT_EQ(r.right, 255) << "the windows follow";

    panel->SetBounds(10, 10, 200, 100);  // area (5, 20)-(195, 95)
    EXPECT_EQ(bottom->BoundsRect(), (Rect{5, 83, 195, 95}));
    EXPECT_EQ(client->BoundsRect(), (Rect{35, 45, 155, 83}));

    top2->Hide();
    EXPECT_EQ(left->Top(), 30) << "a hidden aligned control takes no space";
    client->Constraints().SetMaxWidth(50);
    EXPECT_EQ(client->Width(), 50);
    panel->shrink = false;
    panel->Realign();
    EXPECT_EQ(top1->BoundsRect(), (Rect{0, 0, 200, 10}));
}

TEST_F(ControlsFixture, ConstraintsHoldUnderSetBounds) {
    auto* b = Add<TestButton>(form.get(), 0, 0, 75, 25);
    b->Constraints().SetMinWidth(60);
    b->Constraints().SetMaxHeight(30);
    b->SetBounds(5, 6, 20, 90);
    EXPECT_EQ(b->BoundsRect(), (Rect{5, 6, 65, 36}));
    RECT r;
    GetClientRect(b->Handle(), &r);
    EXPECT_EQ(r.right, 60);
    EXPECT_EQ(r.bottom, 30);
    b->Constraints().SetMaxWidth(40);
    EXPECT_EQ(b->Constraints().MinWidth(), 40) << "a maximum below the minimum lowers it";
    EXPECT_EQ(b->Width(), 40) << "new constraints apply at once";
}

TEST_F(ControlsFixture, AClickIsADownAndAnUpInsideTheControl) {
    auto* b = Add<TestButton>(form.get(), 20, 20, 80, 30);
    std::vector<std::string> events;
    b->OnMouseDown = [&](Component*, MouseButton button, ShiftState s, int x, int y) {
        events.push_back("down " + std::to_string(x) + "," + std::to_string(y) + ((s & ssLeft) ? " left" : ""));
    };
    b->OnMouseUp = [&](Component*, MouseButton, ShiftState, int x, int y) { events.push_back("up"); };
    b->OnClick = [&](Component*) { events.push_back("click"); };
    fwtest::Click(b->Handle(), 7, 9);
    EXPECT_EQ(events, (std::vector<std::string>{"down 7,9 left", "up", "click"}));
    EXPECT_EQ(GetCapture(), nullptr) << "the capture ends with the button";

    SendMessageW(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(GetCapture(), b->Handle()) << "a pressed control keeps the mouse";
    SendMessageW(b->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(150, 5));
    EXPECT_EQ(b->clicks, 1) << "released outside: no click";
    SendMessageW(b->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    SendMessageW(b->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(b->clicks, 1) << "only the left button clicks";
}

TEST_F(ControlsFixture, WindowlessControlsGetTheirMouseFromTheParent) {
    auto* panel = Add<TestPanel>(form.get(), 10, 10, 200, 150);
    auto* swatch = Add<TestSwatch>(panel, 50, 40, 30, 20);
    auto* disabled = Add<TestSwatch>(panel, 100, 40, 30, 20);
    disabled->SetEnabled(false);
    int panelDowns = 0;
    panel->OnMouseDown = [&](Component*, MouseButton, ShiftState, int, int) { ++panelDowns; };
    fwtest::Click(panel->Handle(), 55, 47);
    EXPECT_EQ(swatch->clicks, 1);
    EXPECT_EQ(swatch->downX, 5);
    EXPECT_EQ(swatch->downY, 7);
    EXPECT_EQ(panelDowns, 0);
    fwtest::Click(panel->Handle(), 105, 45);
    EXPECT_EQ(disabled->clicks, 0);
    EXPECT_EQ(panelDowns, 1) << "a disabled windowless control lets the parent have it";

    // Pressed on the swatch, released beside it: the swatch keeps the mouse, no click.
    SendMessageW(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(55, 45));
    SendMessageW(panel->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(150, 120));
    EXPECT_EQ(swatch->clicks, 1);
    EXPECT_EQ(panelDowns, 1);

    const Point screen = swatch->ClientToScreen(Point{1, 2});
    const Point panelScreen = panel->ClientToScreen(Point{51, 42});
    EXPECT_EQ(screen, panelScreen);
    EXPECT_EQ(swatch->ScreenToClient(screen), (Point{1, 2}));
    EXPECT_EQ(Screen::ControlAtPos(screen), swatch);
}

TEST_F(ControlsFixture, EnterAndLeaveFollowThePointer) {
    auto* b = Add<TestButton>(form.get(), 20, 20, 80, 30);
    auto* panel = Add<TestPanel>(form.get(), 150, 20, 100, 100);
    auto* swatch = Add<TestSwatch>(panel, 10, 10, 30, 30);
    std::vector<std::string> events;
    b->OnMouseEnter = [&](Component*) { events.push_back("enter b"); };
    b->OnMouseLeave = [&](Component*) { events.push_back("leave b"); };
    swatch->OnMouseEnter = [&](Component*) { events.push_back("enter s"); };
    swatch->OnMouseLeave = [&](Component*) { events.push_back("leave s"); };
    Screen::SetCursorPos(b->ClientToScreen(Point{10, 10}));
    SendMessageW(b->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_TRUE(b->MouseInControl());
    Screen::SetCursorPos(panel->ClientToScreen(Point{15, 15}));
    SendMessageW(panel->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(15, 15));
    ASSERT_TRUE(fwtest::PumpUntil([&] { return !b->MouseInControl(); }));
    SendMessageW(panel->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(80, 80));
    EXPECT_EQ(events, (std::vector<std::string>{"enter b", "enter s", "leave b", "leave s"}));
}

// Wraps a system owner-drawn button, to see the reflected notifications arrive at its object.
class ReflectingButton : public WinControl {
public:
    explicit ReflectingButton(Component* owner) : WinControl(owner) { SetBounds(0, 0, 60, 20); }
    static const ClassInfo& StaticClass() {
        static const ClassInfo& info =
            ClassBuilder<ReflectingButton>("TReflectingButton", WinControl::StaticClass()).Register();
        return info;
    }
    const ClassInfo& ClassType() const override { return StaticClass(); }
    int drawItems = 0, commands = 0, notifies = 0, colours = 0;

protected:
    void CreateParams(WindowParams& p) override {
        WinControl::CreateParams(p);
        p.baseClassName = L"BUTTON";
        p.style |= BS_OWNERDRAW;
    }
    void WndProc(Message& m) override {
        switch (m.msg) {
        case CN_DRAWITEM: ++drawItems; m.result = TRUE; return;
        case CN_COMMAND: ++commands; return;
        case CN_NOTIFY: ++notifies; return;
        case CN_CTLCOLORSTATIC: ++colours; break;
        default: break;
        }
        WinControl::WndProc(m);
    }
};

TEST_F(ControlsFixture, ParentNotificationsAreReflectedToTheChildsObject) {
    auto* b = Add<ReflectingButton>(form.get(), 10, 10, 60, 20);
    b->SetColor(clYellow);
    b->Font().SetColor(clRed);
    RedrawWindow(b->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_GE(b->drawItems, 1) << "WM_DRAWITEM";
    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(1, BN_CLICKED), reinterpret_cast<LPARAM>(b->Handle()));
    EXPECT_EQ(b->commands, 1);
    NMHDR header{b->Handle(), 1, static_cast<UINT>(-2)};  // NM_CLICK
    SendMessageW(form->Handle(), WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(b->notifies, 1);
    HDC dc = GetDC(b->Handle());
    const LRESULT brush = SendMessageW(form->Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(b->Handle()));
    EXPECT_EQ(b->colours, 1);
    EXPECT_NE(brush, 0);
    EXPECT_EQ(GetTextColor(dc), RGB(255, 0, 0)) << "the child's font colour";
    EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 0));
    ReleaseDC(b->Handle(), dc);
}

TEST_F(ControlsFixture, WindowsAreMadeOnDemandAndFollowTheZOrder) {
    auto* panel = new TestPanel(form.get());
    auto* a = new TestButton(form.get());
    a->SetParent(panel);
    auto* b = new TestButton(form.get());
    b->SetParent(panel);
    EXPECT_FALSE(panel->HandleAllocated());
    panel->SetParent(form.get());
    EXPECT_TRUE(a->HandleAllocated()) << "made with the parent's window";
    EXPECT_EQ(GetWindow(panel->Handle(), GW_CHILD), b->Handle()) << "the last added is on top";
    a->BringToFront();
    EXPECT_EQ(GetWindow(panel->Handle(), GW_CHILD), a->Handle());
    EXPECT_EQ(panel->ControlAtPos(Point{5, 5}), a);
    a->SendToBack();
    EXPECT_EQ(panel->ControlAtPos(Point{5, 5}), b);
    EXPECT_EQ(panel->Controls(0), a);
}

namespace {

// The windows of `parent`'s children from the top of the z-order down.
std::vector<HWND> WindowsTopDown(HWND parent) {
    std::vector<HWND> order;
    for (HWND w = GetWindow(parent, GW_CHILD); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) order.push_back(w);
    return order;
}

// Asks for another control's window when its own is made, as a control that sizes itself
// after a sibling would.
class EagerButton : public TestButton {
public:
    using TestButton::TestButton;
    WinControl* other = nullptr;

protected:
    void HandleCreated() override {
        TestButton::HandleCreated();
        if (other != nullptr) other->Handle();
    }
};

} // namespace

TEST_F(ControlsFixture, ChildWindowsComeOutInTheChildrensOrderEvenWhenOneIsMadeOutOfTurn) {
    for (const bool outOfTurn : {false, true}) {
        SCOPED_TRACE(outOfTurn ? "one made out of turn" : "in turn");
        auto* panel = new TestPanel(form.get());
        std::vector<WinControl*> children;
        for (int i = 0; i < 5; ++i) {
            WinControl* c = i == 3 ? new EagerButton(form.get()) : new TestButton(form.get());
            c->SetParent(panel);
            children.push_back(c);
        }
        // Made from the last child down, the fourth asks for the first's window before the
        // second and third have theirs.
        if (outOfTurn) static_cast<EagerButton*>(children[3])->other = children[0];
        panel->SetParent(form.get());
        const std::vector<HWND> expected{children[4]->Handle(), children[3]->Handle(), children[2]->Handle(),
                                         children[1]->Handle(), children[0]->Handle()};
        EXPECT_EQ(WindowsTopDown(panel->Handle()), expected) << "the last child on top, the first at the bottom";
        delete panel;
    }
}

TEST_F(ControlsFixture, ChildrenOutOfSightGetTheirWindowsAfterThePaintingOrWhenTheyComeIntoView) {
    auto* panel = new TestPanel(form.get());
    panel->SetBounds(0, 0, 100, 50);
    WinControl* seen = Add<TestButton>(panel, 0, 0, 20, 20);
    WinControl* hidden = Add<TestButton>(panel, 20, 0, 20, 20);
    hidden->SetVisible(false);
    WinControl* beyond = Add<TestButton>(panel, 150, 0, 20, 20);
    WinControl* later = Add<TestButton>(panel, 0, 60, 20, 20);
    WinControl* shown = Add<TestButton>(panel, 40, 0, 20, 20);
    shown->SetVisible(false);
    panel->SetParent(form.get());
    EXPECT_TRUE(seen->HandleAllocated());
    for (WinControl* c : {hidden, beyond, later, shown}) EXPECT_FALSE(c->HandleAllocated());

    // Coming into view makes the window at once, without waiting for the message loop.
    panel->SetHeight(100);
    EXPECT_TRUE(later->HandleAllocated()) << "uncovered by the parent's growth";
    shown->SetVisible(true);
    ASSERT_TRUE(shown->HandleAllocated());
    EXPECT_TRUE(IsWindowVisible(shown->Handle()));

    ASSERT_TRUE(fwtest::PumpUntil([&] { return hidden->HandleAllocated() && beyond->HandleAllocated(); }));
    EXPECT_FALSE(IsWindowVisible(hidden->Handle()));
    const std::vector<HWND> expected{shown->Handle(), later->Handle(), beyond->Handle(), hidden->Handle(),
                                     seen->Handle()};
    EXPECT_EQ(WindowsTopDown(panel->Handle()), expected) << "late windows still take their places in the z-order";
}

TEST_F(ControlsFixture, ChildrenGoWithTheirParentAndReferencesAreCleared) {
    auto* panel = new TestPanel(nullptr);  // owned by nobody
    panel->SetParent(form.get());
    auto* unowned = new TestButton(nullptr);
    unowned->SetParent(panel);
    auto* owned = new TestButton(form.get());
    owned->SetParent(panel);
    HWND h = owned->Handle();
    delete panel;  // takes `unowned` along; `owned` stays with its owner, out of the tree
    EXPECT_EQ(form->ControlCount(), 0);
    EXPECT_EQ(owned->Parent(), nullptr);
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(form->FindComponent(""), nullptr);
    EXPECT_EQ(owned->Owner(), form.get());
    owned->SetParent(form.get());
    EXPECT_TRUE(IsWindow(owned->Handle())) << "a new window in the new parent";
}

TEST_F(ControlsFixture, ColourAndFontComeFromTheParentUntilSetOwn) {
    form->SetColor(clNavy);
    auto* panel = Add<TestPanel>(form.get(), 0, 0, 50, 50);
    panel->SetParentColor(true);
    EXPECT_EQ(panel->GetColor(), clNavy);
    fw::Font f = form->Font();
    f.SetName("Tahoma");
    form->SetFont(f);
    EXPECT_EQ(panel->Font().Name(), "Tahoma");
    panel->Font().SetHeight(20);
    EXPECT_FALSE(panel->ParentFont());
    f.SetName("SimSun");
    form->SetFont(f);
    EXPECT_EQ(panel->Font().Name(), "Tahoma") << "an own font no longer follows";
    panel->SetColor(clRed);
    form->SetColor(clGreen);
    EXPECT_EQ(panel->GetColor(), clRed);
}

} // namespace
