// Label, panel and group box: sizes from the text, transparency and bevels checked on the
// pixels their parents paint, clicks on the windowless label, and where aligned children go.
#include "tests/win/stdctrls/StdCtrlsTestSupport.h"

#include "framework/graphics/FontCache.h"
#include "framework/graphics/Win32Color.h"
#include "framework/stdctrls/GroupBox.h"
#include "framework/stdctrls/Label.h"
#include "framework/stdctrls/Panel.h"

using namespace fw;
using stdctrls_test::FormFixture;
using stdctrls_test::Shot;

namespace {


int Count(const Bitmap& b, const Rect& r, Color c) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (b.Pixel(x, y) == c) ++n;
    return n;
}

Size GdiTextSize(const Font& font, const std::string& gbk) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, FontCache::Get(font));
    const std::wstring text = GbkToWide(gbk);
    SIZE s{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &s);
    SelectObject(dc, old);
    DeleteDC(dc);
    return Size{s.cx, s.cy};
}

struct PanelFixture : FormFixture {
    Panel* panel = nullptr;
    void SetUp() override {
        FormFixture::SetUp();
        panel = Add<Panel>(10, 10, 300, 200);
        panel->SetBevelOuter(BevelCut::None);
        panel->SetColor(clYellow);
        panel->Font().SetName("SimSun");
        panel->Font().SetHeight(16);
    }
};

TEST_F(PanelFixture, ALabelTakesTheSizeOfItsTextUnlessFixed) {
    auto* label = new Label(form.get());
    label->SetParent(panel);
    label->SetBounds(304, 139, 32, 16);
    label->SetCaption("保护文字");
    const Size expected = GdiTextSize(label->Font(), "保护文字");
    EXPECT_EQ(label->Width(), expected.Width);
    EXPECT_EQ(label->Height(), expected.Height);

    label->SetAlignment(Alignment::RightJustify);
    const int right = label->Left() + label->Width();
    label->SetCaption("保护");
    EXPECT_EQ(label->Left() + label->Width(), right) << "a right-aligned label keeps its right edge";

    label->SetAutoSize(false);
    label->SetBounds(3, 100, 216, 16);
    label->SetCaption("更新时间:2024-01-01 12:00:00");
    EXPECT_EQ(label->BoundsRect(), (Rect{3, 100, 219, 116})) << "fixed size";
}

TEST_F(PanelFixture, AnOpaqueLabelFillsItsColourATransparentOneShowsTheParent) {
    auto* label = Add<Label>(panel, 10, 10, 60, 20);
    label->SetAutoSize(false);
    label->SetCaption("a");
    label->SetColor(clAqua);
    const Rect spare{40, 10, 70, 30};
    EXPECT_EQ(Count(Shot(panel), spare, clAqua), 30 * 20);
    label->SetTransparent(true);
    EXPECT_EQ(Count(Shot(panel), spare, clYellow), 30 * 20);
    // The text itself is drawn either way.
    label->Font().SetColor(clNavy);
    label->SetCaption("保护");
    EXPECT_GT(Count(Shot(panel), Rect{10, 10, 42, 30}, clNavy), 20);
}

TEST_F(PanelFixture, ALabelClickReachesItThroughItsParent) {
    auto* label = Add<Label>(panel, 50, 60, 40, 16);
    label->SetCaption("保护");
    int clicks = 0;
    label->OnClick = [&](Component*) { ++clicks; };
    fwtest::Click(panel->Handle(), 55, 65);
    EXPECT_EQ(clicks, 1);
    fwtest::Click(panel->Handle(), 150, 150);
    EXPECT_EQ(clicks, 1);
}

TEST_F(PanelFixture, BevelsRingThePanelAndAlignedChildrenStayInside) {
    panel->SetBevelOuter(BevelCut::Raised);
    panel->SetBevelInner(BevelCut::Lowered);
    panel->SetBorderWidth(2);
    panel->SetCaption("中");
    const Bitmap b = Shot(panel);
    const Color light = RgbToColor(ColorToRgb(clBtnHighlight));
    const Color dark = RgbToColor(ColorToRgb(clBtnShadow));
    EXPECT_EQ(b.Pixel(0, 0), light);
    EXPECT_EQ(b.Pixel(299, 199), dark);
    EXPECT_EQ(b.Pixel(1, 50), clYellow) << "the border ring";
    EXPECT_EQ(b.Pixel(3, 50), dark) << "the lowered inner bevel";
    EXPECT_EQ(b.Pixel(296, 50), light);
    EXPECT_GT(Count(b, Rect{140, 90, 160, 110}, RgbToColor(ColorToRgb(clWindowText))), 10) << "the caption in the middle";

    auto* child = Add<Panel>(panel, 0, 0, 10, 10);
    child->SetAlign(Align::Client);
    EXPECT_EQ(child->BoundsRect(), (Rect{4, 4, 296, 196}));
}

TEST_F(PanelFixture, AGroupBoxFramesItsChildrenBelowTheCaption) {
    auto* group = Add<GroupBox>(panel, 10, 10, 200, 120);
    group->SetCaption("界面风格");
    group->SetColor(clWhite);
    auto* child = Add<Panel>(group, 0, 0, 10, 10);
    child->SetAlign(Align::Client);
    const int h = GdiTextSize(group->Font(), "0").Height;
    EXPECT_EQ(child->Top(), h + 2);
    EXPECT_EQ(child->Left(), 2);
    child->Hide();

    const Bitmap b = Shot(group);
    const Color dark = RgbToColor(ColorToRgb(clBtnShadow));
    const int w = GdiTextSize(group->Font(), "界面风格").Width;
    EXPECT_EQ(b.Pixel(190, h / 2 - 1), dark) << "the frame's top edge right of the caption";
    EXPECT_EQ(b.Pixel(0, 60), dark);
    EXPECT_GT(Count(b, Rect{8, 0, 8 + w, h}, RgbToColor(ColorToRgb(clWindowText))), 20) << "the caption";
    EXPECT_EQ(Count(b, Rect{8, h / 2 - 1, 8 + w, h / 2}, dark), 0) << "the caption cuts the edge";
}

} // namespace
