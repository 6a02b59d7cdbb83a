// Painting: double-buffered controls paint into their off-screen buffer and ignore background
// erasing; windowless children are painted by the parent at their place; system colours are
// resolved when drawing.
#include "tests/win/forms/TestControls.h"
#include "tests/win/forms/WinTestSupport.h"

#include "framework/controls/InvalidationBatch.h"
#include "framework/controls/RedrawSuspension.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Win32Color.h"

#include <gtest/gtest.h>

using namespace fw;
using fwtest::Owned;
using fwtest::TestButton;
using fwtest::TestForm;
using fwtest::TestPanel;
using fwtest::TestSwatch;

namespace {

TEST(Painting, DoubleBufferedControlsPaintOffScreenAndIgnoreErasing) {
    Owned<TestForm> form(new TestForm(&App()));
    form->SetBorderStyle(BorderStyle::None);
    form->SetBounds(0, 0, 200, 100);
    form->Show();
    auto* b = new TestButton(form.get());
    b->SetParent(form.get());
    b->SetBounds(10, 10, 40, 30);
    b->face = clFuchsia;
    auto* swatch = new TestSwatch(form.get());
    swatch->SetParent(b);  // windowless children land in the same buffer
    swatch->SetBounds(5, 6, 4, 3);
    swatch->SetColor(clLime);
    int paints = 0;
    b->OnPaint = [&](Component*) { ++paints; };
    b->Repaint();
    EXPECT_EQ(paints, 1);
    const Bitmap& buffer = b->PaintBuffer();
    ASSERT_EQ(buffer.Width(), 40);
    ASSERT_EQ(buffer.Height(), 30);
    EXPECT_EQ(buffer.Pixel(0, 0), clFuchsia);
    EXPECT_EQ(buffer.Pixel(5, 6), clLime);
    EXPECT_EQ(buffer.Pixel(8, 8), clLime);
    EXPECT_EQ(buffer.Pixel(9, 8), clFuchsia) << "the child is clipped to its bounds";

    HDC dc = GetDC(b->Handle());
    EXPECT_EQ(SendMessageW(b->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
    ReleaseDC(b->Handle(), dc);
}

TEST(Painting, PaintToDrawsTheWholeControlWithSystemColoursResolved) {
    Owned<TestForm> form(new TestForm(&App()));
    form->SetBorderStyle(BorderStyle::None);
    form->SetBounds(0, 0, 200, 100);
    auto* panel = new TestPanel(form.get());
    panel->SetParent(form.get());
    panel->SetBounds(0, 0, 60, 40);
    panel->SetColor(clBtnFace);
    auto* swatch = new TestSwatch(form.get());
    swatch->SetParent(panel);
    swatch->SetBounds(10, 10, 5, 5);
    swatch->SetColor(clHighlight);
    auto* inner = new TestButton(form.get());
    inner->SetParent(panel);
    inner->SetBounds(30, 20, 10, 10);
    inner->face = clRed;

    Bitmap target(60, 40);
    panel->PaintTo(target.Canvas().Handle());
    GdiFlush();
    EXPECT_EQ(target.Pixel(0, 0), RgbToColor(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(target.Pixel(12, 12), RgbToColor(GetSysColor(COLOR_HIGHLIGHT)));
    EXPECT_EQ(target.Pixel(35, 25), clRed) << "windowed children too, at their place";
    EXPECT_EQ(target.Pixel(45, 35), RgbToColor(GetSysColor(COLOR_BTNFACE)));
}

} // namespace

namespace {

// Whether the system holds an update region for the window.
bool Pending(HWND window) { return GetUpdateRect(window, nullptr, FALSE) != FALSE; }

TEST(Painting, ABatchAsksOnceWhenItEndsAndUpdateFlushesIt) {
    Owned<TestForm> form(new TestForm(&App()));
    form->SetBorderStyle(BorderStyle::None);
    form->SetBounds(0, 0, 200, 100);
    form->Show();
    auto* a = new TestButton(form.get());
    a->SetParent(form.get());
    a->SetBounds(10, 10, 40, 30);
    auto* swatch = new TestSwatch(form.get());
    swatch->SetParent(form.get());
    swatch->SetBounds(100, 10, 20, 20);
    UpdateWindow(form->Handle());
    UpdateWindow(a->Handle());
    ASSERT_FALSE(Pending(a->Handle()));
    ASSERT_FALSE(Pending(form->Handle()));
    int paints = 0;
    a->OnPaint = [&](Component*) { ++paints; };
    {
        const InvalidationBatch outer;
        {
            const InvalidationBatch inner;
            a->Invalidate();
            a->Invalidate();
            swatch->Invalidate();
        }
        EXPECT_FALSE(Pending(a->Handle())) << "held until the outermost batch ends";
        EXPECT_FALSE(Pending(form->Handle()));
    }
    EXPECT_TRUE(Pending(a->Handle()));
    RECT r{};
    ASSERT_TRUE(GetUpdateRect(form->Handle(), &r, FALSE));
    EXPECT_EQ(r.left, 100) << "a windowless control's rectangle goes to its parent";
    EXPECT_EQ(r.right, 120);
    UpdateWindow(a->Handle());
    EXPECT_EQ(paints, 1);

    {
        const InvalidationBatch batch;
        a->Invalidate();
        a->Update();
        EXPECT_EQ(paints, 2) << "Update paints what the batch held";
    }
    // A hidden window is not invalidated: it is painted whole when shown.
    a->SetVisible(false);
    a->Invalidate();
    EXPECT_FALSE(Pending(a->Handle()));
}

TEST(Painting, FocusedFollowsTheFocusThroughWindowsNotOurs) {
    Owned<TestForm> form(new TestForm(&App()));
    form->SetBounds(0, 0, 300, 100);
    form->Show();
    SetForegroundWindow(form->Handle());
    auto* a = new TestButton(form.get());
    a->SetParent(form.get());
    a->SetBounds(10, 10, 40, 30);
    auto* b = new TestButton(form.get());
    b->SetParent(form.get());
    b->SetBounds(60, 10, 40, 30);
    HWND foreign = CreateWindowExW(0, L"BUTTON", L"x", WS_CHILD | WS_VISIBLE, 120, 10, 40, 30, form->Handle(), nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(foreign, nullptr);
    SetFocus(a->Handle());
    EXPECT_TRUE(a->Focused());
    EXPECT_FALSE(b->Focused());
    SetFocus(b->Handle());
    EXPECT_FALSE(a->Focused());
    EXPECT_TRUE(b->Focused());
    SetFocus(foreign);
    EXPECT_FALSE(b->Focused()) << "the focus went to a window that is not a control of ours";
    SetFocus(a->Handle());
    EXPECT_TRUE(a->Focused());
    DestroyWindow(foreign);
}

TEST(Painting, ASuspensionDrawsNothingInsideUntilItEndsAndHidesChildrenOnlyToReshapeAWindow) {
    Owned<TestForm> form(new TestForm(&App()));
    form->SetBorderStyle(BorderStyle::None);
    form->SetBounds(0, 0, 200, 100);
    form->Show();
    auto* panel = new TestPanel(form.get());
    panel->SetParent(form.get());
    panel->SetBounds(0, 0, 200, 100);
    auto* a = new TestButton(form.get());
    a->SetParent(panel);
    a->SetBounds(10, 10, 40, 30);
    auto* b = new TestButton(form.get());
    b->SetParent(panel);
    b->SetBounds(60, 10, 40, 30);
    UpdateWindow(form->Handle());
    UpdateWindow(panel->Handle());
    UpdateWindow(a->Handle());
    UpdateWindow(b->Handle());
    ASSERT_FALSE(Pending(panel->Handle()));
    {
        const RedrawSuspension outer(panel);
        EXPECT_TRUE(RedrawSuspension::Holds(a));
        EXPECT_FALSE(RedrawSuspension::Holds(form.get()));
        {
            const RedrawSuspension inner(a);  // inside a suspension: nothing of its own
            a->SetBounds(12, 10, 40, 30);
            a->Invalidate();
            b->SetVisible(false);
        }
        EXPECT_TRUE(IsWindowVisible(a->Handle())) << "moving a child does not hide anything";
        EXPECT_FALSE(Pending(a->Handle())) << "nothing is drawn before the outermost suspension ends";
        EXPECT_FALSE(Pending(panel->Handle()));
    }
    EXPECT_FALSE(RedrawSuspension::Holds(a));
    EXPECT_TRUE(Pending(panel->Handle())) << "everything inside is drawn again";
    EXPECT_FALSE(Pending(form->Handle())) << "nothing outside";
    EXPECT_TRUE(Pending(a->Handle()));
    EXPECT_EQ(a->Left(), 12);
    EXPECT_FALSE(IsWindowVisible(b->Handle()));

    // Resizing a top-level window hides its children until the end; one hidden meanwhile stays
    // hidden, the others come back.
    b->SetVisible(true);
    auto* c = new TestButton(form.get());
    c->SetParent(form.get());
    c->SetBounds(150, 10, 40, 30);
    {
        const RedrawSuspension whole(form.get());
        form->SetBounds(0, 0, 220, 110);
        EXPECT_FALSE(IsWindowVisible(a->Handle()));
        EXPECT_TRUE(IsWindowVisible(form->Handle())) << "the suspended window itself stays shown";
        c->SetVisible(false);
    }
    EXPECT_TRUE(IsWindowVisible(a->Handle()));
    EXPECT_TRUE(IsWindowVisible(b->Handle()));
    EXPECT_FALSE(IsWindowVisible(c->Handle()));
    EXPECT_EQ(form->Width(), 220);

    // A suspended child window's own move uncovers its parent, which is drawn as usual.
    UpdateWindow(form->Handle());
    {
        const RedrawSuspension quiet(panel);
        panel->SetBounds(0, 0, 150, 100);
        EXPECT_TRUE(Pending(form->Handle()));
    }

    // A hidden control is not suspended: nothing to hold.
    panel->SetVisible(false);
    const RedrawSuspension none(panel);
    EXPECT_FALSE(RedrawSuspension::Holds(a));
}

TEST(Painting, AWindowsContextComesBackAsItWasAfterEachUseEvenWhenAnotherOfItsClassTakesIt) {
    Owned<TestForm> form(new TestForm(&App()));
    form->SetBorderStyle(BorderStyle::None);
    form->SetBounds(0, 0, 200, 100);
    form->Show();
    auto* a = new TestButton(form.get());
    a->SetParent(form.get());
    a->SetBounds(10, 10, 40, 30);
    auto* b = new TestButton(form.get());
    b->SetParent(form.get());
    b->SetBounds(60, 10, 40, 30);
    b->HandleNeeded();
    HDC first = GetDC(a->Handle());
    ReleaseDC(a->Handle(), first);
    {
        // Someone who changes the context's state while painting, as a transparent control does.
        Canvas& canvas = a->Canvas();
        canvas.SetOrigin(Point{5, 7});
        canvas.IntersectClip(Rect{0, 0, 3, 3});
        SetTextColor(canvas.Handle(), RGB(1, 2, 3));
        EXPECT_EQ(canvas.Handle(), first) << "the window keeps one context";
    }
    // Another window of the class takes the shared context while the first still holds it.
    {
        Canvas& canvas = b->Canvas();
        ASSERT_EQ(canvas.Handle(), first) << "one context for the class";
        POINT origin{};
        GetViewportOrgEx(canvas.Handle(), &origin);
        EXPECT_EQ(origin.x, 0) << "the first holder gave the context back";
        EXPECT_EQ(GetTextColor(canvas.Handle()), RGB(0, 0, 0));
    }
    a->Perform(WM_NULL, 0, 0);  // a window canvas lives until the next message
    a->Repaint();
    HDC dc = GetDC(a->Handle());
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    RECT clip{};
    GetClipBox(dc, &clip);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);
    EXPECT_EQ(clip.right, 40) << "no clipping left behind";
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
    ReleaseDC(a->Handle(), dc);
}

} // namespace
