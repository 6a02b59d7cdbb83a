// The skinned panels, group box, check group and radio group: item layout and its arithmetic,
// item controls that follow Items, ItemIndex, clicks by real input, the frame and caption
// pixels of a group box, disabling, and an image panel sized to its picture.
#include "tests/win/skincontrols/SkinControlTestSupport.h"

#include "skin/controls/SUIButton.h"
#include "skin/controls/SUIImagePanel.h"
#include "skin/controls/SUIRadioGroup.h"

#include <memory>

using namespace skincontrols;

namespace {

struct GroupFixture : SkinFormFixture {
    // The main window's style chooser.
    TsuiRadioGroup* StyleChooser() {
        auto* group = Add<TsuiRadioGroup>(20, 20, 126, 92);
        group->SetCaption("界面风格");
        group->Font().SetName("MS Sans Serif");
        group->Font().SetHeight(11);
        group->SetColumns(2);
        group->SetTopMargin(8);
        group->SetItems(fw::StringList{"蓝色", "深蓝", "MacOS", "蛋白", "WinXP"});
        return group;
    }
    static const fw::Bitmap& Painted(fw::CustomControl* c) {
        c->Repaint();
        return c->PaintBuffer();
    }
    static int CountColor(const fw::Bitmap& b, fw::Rect r, fw::Color color) {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) n += b.Pixel(x, y) == color;
        return n;
    }
};

TEST_F(GroupFixture, TheStyleChooserPlacesItsFiveItemsInTwoColumns) {
    TsuiRadioGroup* group = StyleChooser();
    const fw::Point expected[] = {{8, 20}, {8, 43}, {8, 66}, {66, 20}, {66, 43}};
    ASSERT_EQ(group->ItemCount(), 5);
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(group->ItemControl(i)->Left(), expected[i].X);
        EXPECT_EQ(group->ItemControl(i)->Top(), expected[i].Y);
        EXPECT_EQ(group->ItemControl(i)->Caption(), group->Items()[i]);
        EXPECT_EQ(group->ItemControl(i)->Parent(), group);
    }
    // No columns would divide by zero: the group keeps the columns it has.
    group->SetColumns(0);
    group->SetColumns(-1);
    EXPECT_EQ(group->Columns(), 2);
    EXPECT_EQ(group->ItemControl(3)->Left(), 66);
    group->SetColumns(1);
    EXPECT_EQ(group->ItemControl(3)->Left(), 8);
    EXPECT_EQ(group->ItemControl(4)->Top(), CheckGroupItemPlace(4, 5, group->ClientRect(), 126, 11, 8, 1).Y);
    group->SetColumns(2);
    for (TsuiUIStyle look : kLooks) {
        group->SetUIStyle(look);
        group->SetItemIndex(3);
        // Items take their size at their first paint and draw at the next.
        Settle();
        Settle();
        SaveScreenshot(form.get(), std::string("radiogroup-") + GetUIStyleName(look));
    }
}

TEST_F(GroupFixture, ItemIndexClicksAndShrinkingItems) {
    TsuiRadioGroup* group = StyleChooser();
    EXPECT_EQ(group->ItemIndex(), -1) << "a new group has no item chosen";
    int clicks = 0, seen = -2;
    group->OnClick = [&](fw::Component* sender) {
        EXPECT_EQ(sender, group);
        ++clicks;
        seen = group->ItemIndex();
    };
    group->SetItemIndex(1);
    EXPECT_EQ(group->ItemIndex(), 1);
    group->SetItemIndex(5);
    EXPECT_EQ(group->ItemIndex(), 1) << "beyond the items: ignored";
    group->SetItemIndex(-2);
    EXPECT_EQ(group->ItemIndex(), 1);
    group->SetItemIndex(-1);
    EXPECT_EQ(group->ItemIndex(), -1);
    EXPECT_EQ(clicks, 0) << "setting the index is no click";

    Settle();
    TsuiCheckBox* item = group->ItemControl(3);
    ClickAt(item, 5, item->Height() / 2);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(seen, 3) << "OnClick sees the new state";
    ClickAt(group, group->Width() - 4, group->Height() - 6);
    EXPECT_EQ(clicks, 2) << "a click on the group itself";
    EXPECT_EQ(seen, 3);

    // Two lines fewer: the last two controls go, the others stay with their states.
    group->SetItemIndex(1);
    TsuiCheckBox* kept[] = {group->ItemControl(0), group->ItemControl(1), group->ItemControl(2)};
    group->Items().Delete(4);
    group->Items().Delete(2);
    ASSERT_EQ(group->ItemCount(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(group->ItemControl(i), kept[i]);
    EXPECT_EQ(group->ItemControl(2)->Caption(), "蛋白");
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_EQ(group->ComponentCount(), 3) << "the group owns its three items";
}

TEST_F(GroupFixture, TheFrameRunsToTheCaptionAndAcrossWithoutOne) {
    auto* box = Add<TsuiCustomGroupBox>(20, 20, 120, 60);
    box->Font().SetHeight(11);
    for (TsuiUIStyle look : kLooks) {
        SCOPED_TRACE(GetUIStyleName(look));
        box->SetUIStyle(look);
        const fw::Color border = box->BorderColor();
        EXPECT_EQ(border, GetBuiltInThemeColor(look, TsuiThemeElement::ControlBorderColor));
        const int top = 11 / 2 + 1;
        box->SetCaption("");
        const fw::Bitmap& empty = Painted(box);
        EXPECT_EQ(CountColor(empty, fw::Rect{0, top, 120, top + 1}, border), 120) << "the whole top edge";
        EXPECT_EQ(CountColor(empty, fw::Rect{0, 59, 120, 60}, border), 120) << "the bottom edge";
        box->SetCaption("Looks");
        const fw::Bitmap& titled = Painted(box);
        const int end = box->Canvas().TextWidth("Looks") + 6;
        EXPECT_NE(titled.Pixel(end, top), border) << "the line stops at the caption";
        EXPECT_EQ(titled.Pixel(end + 1, top), border);
        EXPECT_EQ(titled.Pixel(1, top), border);
        EXPECT_NE(titled.Pixel(3, top), border);
    }
}

TEST_F(GroupFixture, ADisabledGroupGreysItsCaptionAndDisablesItsChildren) {
    auto* box = Add<TsuiCustomGroupBox>(20, 20, 120, 60);
    box->SetUIStyle(TsuiUIStyle::WinXP);
    box->SetCaption("Looks");
    auto* a = new TsuiButton(form.get());
    a->SetParent(box);
    auto* b = new TsuiCheckBox(form.get());
    b->SetParent(box);
    const fw::Rect caption{5, 0, 60, 12};
    const fw::Color grey = 0x808080;
    ASSERT_NE(box->Font().Color(), grey);
    EXPECT_EQ(CountColor(Painted(box), caption, grey), 0);
    EXPECT_GT(CountColor(Painted(box), caption, box->Font().Color()), 0);
    box->SetEnabled(false);
    EXPECT_FALSE(a->Enabled());
    EXPECT_FALSE(b->Enabled());
    EXPECT_GT(CountColor(Painted(box), caption, grey), 0);
    EXPECT_EQ(CountColor(Painted(box), caption, box->Font().Color()), 0);
    box->SetEnabled(true);
    EXPECT_TRUE(a->Enabled());
    EXPECT_TRUE(b->Enabled());
}

TEST_F(GroupFixture, AnImagePanelSizesToItsPictureAndDrawsIt) {
    auto picture = std::make_shared<fw::Bitmap>(30, 17);
    FillRectColor(picture->Canvas(), fw::Rect{0, 0, 30, 17}, fw::clRed);
    fw::Picture p;
    p.SetGraphic(picture);

    auto* panel = Add<TsuiImagePanel>(0, 0, 100, 50);
    panel->SetColor(fw::clWhite);
    panel->SetAlign(fw::Align::Top);
    panel->SetAutoSize(true);
    panel->SetPicture(p);
    EXPECT_EQ(panel->Height(), 17) << "the picture's height";
    EXPECT_EQ(panel->Width(), form->ClientWidth()) << "the width stays the alignment's";

    auto* free = Add<TsuiImagePanel>(20, 100, 100, 50);
    free->SetColor(fw::clWhite);
    free->SetPicture(p);
    EXPECT_EQ(free->Width(), 100) << "no automatic size without AutoSize";
    EXPECT_EQ(Painted(free).Pixel(40, 20), fw::clWhite) << "normal: the picture once";
    EXPECT_EQ(Painted(free).Pixel(10, 10), fw::clRed);
    free->SetDrawStyle(TsuiDrawStyle::suiTile);
    EXPECT_EQ(Painted(free).Pixel(40, 20), fw::clRed) << "tiled";
    free->SetAutoSize(true);
    EXPECT_EQ(free->Width(), 30);
    EXPECT_EQ(free->Height(), 17);
}

} // namespace
