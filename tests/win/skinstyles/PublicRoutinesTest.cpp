// The shared routines around controls and forms: borders on a control's window, the parent's
// background under a control, fills, passing a style down to the children that take it, and the
// window chores (point in rectangle, work area, bounds, placement, focus).
#include "tests/win/skinstyles/SkinTestSupport.h"

#include "framework/controls/CustomControl.h"
#include "framework/core/ClassBuilder.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/forms/Screen.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Win32Color.h"
#include "skin/styles/SUIPublic.h"
#include "skin/styles/SUIThemes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using fw::Bitmap;
using fw::Rect;
using skintest::Coded;
using skintest::ExpectRegion;
using skintest::FilledBitmap;
using skintest::kBackground;

namespace {

std::vector<std::string> setLog;

// Publishes the two style properties as every skinned component does, and logs their writes.
class Styled : public fw::CustomControl {
public:
    explicit Styled(fw::Component* owner) : fw::CustomControl(owner), theme_(*this) {}
    static const fw::ClassInfo& StaticClass() {
        static const fw::ClassInfo& info =
            fw::ClassBuilder<Styled>("TTestStyled", fw::CustomControl::StaticClass())
                .AddEnum("UIStyle", UIStyleInfo(), &Styled::UIStyle, &Styled::SetUIStyle)
                .AddReference("FileTheme", &Styled::FileTheme, &Styled::SetFileTheme)
                .Register();
        return info;
    }
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    TsuiUIStyle UIStyle() const { return style_; }
    void SetUIStyle(TsuiUIStyle s) {
        style_ = s;
        setLog.push_back(Name() + ".UIStyle=" + GetUIStyleName(s));
    }
    fw::Component* FileTheme() const { return theme_.Get(); }
    void SetFileTheme(fw::Component* t) {
        theme_.Set(t);
        setLog.push_back(Name() + ".FileTheme=" + (t ? t->Name() : std::string("none")));
    }

private:
    TsuiUIStyle style_ = TsuiUIStyle::MacOS;
    fw::ComponentRef<fw::Component> theme_;
};

// Has a UIStyle but no FileTheme: not skinned as far as the pass-down is concerned.
class HalfStyled : public fw::CustomControl {
public:
    explicit HalfStyled(fw::Component* owner) : fw::CustomControl(owner) {}
    static const fw::ClassInfo& StaticClass() {
        static const fw::ClassInfo& info =
            fw::ClassBuilder<HalfStyled>("TTestHalfStyled", fw::CustomControl::StaticClass())
                .AddEnum("UIStyle", UIStyleInfo(), &HalfStyled::UIStyle, &HalfStyled::SetUIStyle)
                .Register();
        return info;
    }
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }
    TsuiUIStyle UIStyle() const { return style_; }
    void SetUIStyle(TsuiUIStyle s) { style_ = s; }

private:
    TsuiUIStyle style_ = TsuiUIStyle::MacOS;
};

// Paints a coded picture: pixel (x, y) of its client area is Coded(x, y).
class CodedPanel : public fw::CustomControl {
public:
    explicit CodedPanel(fw::Component* owner) : fw::CustomControl(owner) {}
    void Paint() override {
        const Bitmap picture = skintest::CodedBitmap(Width(), Height());
        Canvas().Draw(0, 0, picture);
    }
};

// One form for the suite (making and destroying windows is slow under Wine); each test builds
// on a fresh host panel that owns everything the test makes.
struct FormFixture : ::testing::Test {
    static inline fw::Form* form = nullptr;
    fw::CustomControl* host = nullptr;

    static void SetUpTestSuite() {
        form = new fw::Form(&fw::App());
        form->SetBorderStyle(fw::BorderStyle::None);
        form->SetBounds(60, 60, 300, 200);
        form->Show();
        fw::App().ProcessMessages();
    }
    static void TearDownTestSuite() {
        delete form;
        form = nullptr;
    }
    void SetUp() override {
        setLog.clear();
        host = new fw::CustomControl(form);
        host->SetParent(form);
        host->SetBounds(0, 0, 300, 200);
    }
    void TearDown() override { delete host; }

    template <class T>
    T* Add(fw::WinControl* parent, Rect bounds, const std::string& name = std::string()) {
        T* c = new T(host);
        if (!name.empty()) c->SetName(name);
        c->SetParent(parent);
        c->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        return c;
    }
};

} // namespace

TEST_F(FormFixture, ControlBorderDrawsTwoFramesOnTheWholeWindow) {
    auto* control = Add<CodedPanel>(host, Rect{20, 20, 70, 50});
    fw::App().ProcessMessages();
    DrawControlBorder(control, fw::clRed, fw::clBlue);
    HDC dc = GetWindowDC(control->Handle());
    auto at = [dc](int x, int y) { return fw::RgbToColor(GetPixel(dc, x, y)); };
    for (auto [x, y] : {std::pair{0, 0}, {49, 0}, {0, 29}, {49, 29}, {25, 0}, {0, 15}, {25, 29}, {49, 15}})
        EXPECT_EQ(at(x, y), fw::clRed) << skintest::Where(x, y);
    for (auto [x, y] : {std::pair{1, 1}, {48, 1}, {1, 28}, {48, 28}, {25, 1}, {1, 15}, {25, 28}, {48, 15}})
        EXPECT_EQ(at(x, y), fw::clBlue) << skintest::Where(x, y);
    EXPECT_EQ(at(2, 2), Coded(2, 2)) << "the inside is left alone";
    ReleaseDC(control->Handle(), dc);
    EXPECT_NO_THROW(DrawControlBorder(nullptr, fw::clRed, fw::clBlue));
    auto* windowless = new Styled(host);
    DrawControlBorder(windowless, fw::clRed, fw::clBlue);
    EXPECT_FALSE(windowless->HandleAllocated()) << "no window is made just to draw a border";
}

TEST_F(FormFixture, ParentBackgroundShowsTheParentUnderTheControlClippedToItsClientArea) {
    auto* parent = Add<CodedPanel>(host, Rect{10, 10, 70, 60});
    auto* control = Add<Styled>(parent, Rect{10, 20, 40, 60});
    fw::App().ProcessMessages();

    Bitmap buffer = FilledBitmap(30, 40, kBackground);
    DrawParentBackground(buffer.Canvas(), control);
    ExpectRegion(buffer, Rect{0, 0, 30, 30}, [](int x, int y) { return Coded(x + 10, y + 20); }, "parent's pixels");
    ExpectRegion(buffer, Rect{0, 30, 30, 40}, [](int, int) { return kBackground; }, "below the parent's client area");

    EXPECT_EQ(buffer.Canvas().Origin(), (fw::Point{0, 0})) << "the canvas state is restored";
    FillRectColor(buffer.Canvas(), Rect{29, 39, 30, 40}, fw::clLime);
    EXPECT_EQ(buffer.Pixel(29, 39), fw::clLime) << "no clipping left behind";

    Bitmap alone = FilledBitmap(5, 5, kBackground);
    auto* orphan = new Styled(host);
    DrawParentBackground(alone.Canvas(), orphan);
    EXPECT_EQ(alone.Pixel(2, 2), kBackground) << "without a parent nothing happens";
}

TEST(Fills, FrameAndFillTakeTheColourEvenAfterAClearBrush) {
    Bitmap b = FilledBitmap(10, 10, kBackground);
    b.Canvas().Brush().SetStyle(fw::BrushStyle::Clear);
    FillRectColor(b.Canvas(), Rect{1, 1, 9, 9}, fw::clYellow);
    FrameRectColor(b.Canvas(), Rect{2, 2, 8, 8}, fw::clNavy);
    EXPECT_EQ(b.Pixel(0, 0), kBackground);
    EXPECT_EQ(b.Pixel(1, 1), fw::clYellow);
    EXPECT_EQ(b.Pixel(8, 8), fw::clYellow);
    EXPECT_EQ(b.Pixel(2, 2), fw::clNavy);
    EXPECT_EQ(b.Pixel(7, 7), fw::clNavy);
    EXPECT_EQ(b.Pixel(3, 3), fw::clYellow) << "a frame only";
    EXPECT_EQ(b.Pixel(9, 9), kBackground) << "right and bottom are exclusive";
}

TEST_F(FormFixture, ContainerPassesThemeThenStyleToChildrenWithBothProperties) {
    auto* panel = Add<fw::CustomControl>(host, Rect{0, 0, 200, 150});
    Add<Styled>(panel, Rect{0, 0, 10, 10}, "suiButton1");
    Add<fw::CustomControl>(panel, Rect{0, 20, 10, 30}, "Label1");
    auto* half = Add<HalfStyled>(panel, Rect{0, 40, 10, 50}, "Half1");
    Add<Styled>(panel, Rect{0, 60, 10, 70}, "suiButton2");
    auto* grandChild = Add<Styled>(Add<fw::CustomControl>(panel, Rect{0, 80, 50, 130}), Rect{0, 0, 5, 5}, "Inner1");
    auto* theme = new fw::Component(host);
    theme->SetName("Theme1");

    ContainerApplyUIStyle(panel, TsuiUIStyle::WinXP, theme);
    EXPECT_EQ(setLog, (std::vector<std::string>{"suiButton1.FileTheme=Theme1", "suiButton1.UIStyle=WinXP",
                                                "suiButton2.FileTheme=Theme1", "suiButton2.UIStyle=WinXP"}));
    EXPECT_EQ(half->UIStyle(), TsuiUIStyle::MacOS) << "only children with both properties";
    EXPECT_EQ(grandChild->UIStyle(), TsuiUIStyle::MacOS) << "direct children only";

    setLog.clear();
    ContainerApplyUIStyle(panel, TsuiUIStyle::DeepBlue, nullptr);
    EXPECT_EQ(setLog, (std::vector<std::string>{"suiButton1.FileTheme=none", "suiButton1.UIStyle=DeepBlue",
                                                "suiButton2.FileTheme=none", "suiButton2.UIStyle=DeepBlue"}));
    EXPECT_NO_THROW(ContainerApplyUIStyle(nullptr, TsuiUIStyle::DeepBlue, nullptr));
}

TEST(Properties, HasPropertyAndPCharToStr) {
    Styled styled(nullptr);
    fw::Component plain(nullptr);
    EXPECT_TRUE(HasProperty(&styled, "UIStyle"));
    EXPECT_TRUE(HasProperty(&styled, "filetheme")) << "letter case is ignored";
    EXPECT_TRUE(HasProperty(&styled, "Visible")) << "inherited properties count";
    EXPECT_FALSE(HasProperty(&plain, "UIStyle"));
    EXPECT_FALSE(HasProperty(&styled, "Font.Name")) << "a property name, not a path";
    EXPECT_FALSE(HasProperty(nullptr, "Name"));

    EXPECT_EQ(PCharToStr("MACOS_BUTTON"), "MACOS_BUTTON");
    EXPECT_EQ(PCharToStr(""), "");
    EXPECT_EQ(PCharToStr(nullptr), "");
}

TEST(WindowChores, InRectCountsTheRightAndBottomEdges) {
    const Rect r{0, 0, 10, 10};
    EXPECT_TRUE(InRect(10, 10, r));
    EXPECT_TRUE(InRect(fw::Point{0, 0}, r));
    EXPECT_TRUE(InRect(fw::Point{10, 0}, r));
    EXPECT_FALSE(InRect(11, 10, r));
    EXPECT_FALSE(InRect(5, -1, r));
    EXPECT_FALSE(InRect(fw::Point{-1, 5}, r));
}

TEST(WindowChores, WorkAreaIsTheScreensWorkArea) {
    Rect area;
    ASSERT_TRUE(GetWorkAreaRect(area));
    EXPECT_EQ(area, fw::Screen::WorkAreaRect());
    EXPECT_FALSE(area.Empty());
}

TEST_F(FormFixture, BoundsAndPlacementFromRectanglesAndPoints) {
    SetFormBoundsRect(form, Rect{30, 40, 230, 190});
    EXPECT_EQ(form->BoundsRect(), (Rect{30, 40, 230, 190}));
    RECT window;
    GetWindowRect(form->Handle(), &window);
    EXPECT_EQ(window.left, 30);
    EXPECT_EQ(window.bottom, 190);
    SetFormBoundsRect(form, Rect{60, 60, 360, 260});

    auto* control = Add<Styled>(host, Rect{1, 2, 21, 12});
    PlaceControl(control, fw::Point{50, 60});
    EXPECT_EQ(control->BoundsRect(), (Rect{50, 60, 70, 70})) << "moved, size kept";
}

TEST_F(FormFixture, FormHasFocusFollowsTheActiveWindow) {
    fw::Form* other = new fw::Form(&fw::App());
    other->SetBorderStyle(fw::BorderStyle::None);
    other->SetBounds(400, 60, 100, 100);
    other->Show();
    SetForegroundWindow(form->Handle());
    SetActiveWindow(form->Handle());
    fw::App().ProcessMessages();
    ASSERT_EQ(GetActiveWindow(), form->Handle());

    EXPECT_TRUE(FormHasFocus(form));
    EXPECT_FALSE(FormHasFocus(other));
    EXPECT_TRUE(FormHasFocus(nullptr)) << "no form: the program being active is enough";
    delete other;
}
