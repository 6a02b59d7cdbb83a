// Push button, check box, radio button and radio group over the system button: one click per
// mouse release or space bar, states kept by the control (and not changed by the window
// behind its back), program changes without click events, and the radio group's items.
#include "tests/win/stdctrls/StdCtrlsTestSupport.h"

#include "framework/core/Properties.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/CheckBox.h"
#include "framework/stdctrls/Panel.h"
#include "framework/stdctrls/RadioButton.h"
#include "framework/stdctrls/RadioGroup.h"

#include <vector>

using namespace fw;
using stdctrls_test::FormFixture;

namespace {

void PressSpace(HWND h) {
    SendMessageW(h, WM_KEYDOWN, VK_SPACE, 0x00390001);
    SendMessageW(h, WM_CHAR, L' ', 0x00390001);
    SendMessageW(h, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u));
}

using ButtonFixture = FormFixture;

TEST_F(ButtonFixture, APushButtonClicksOncePerReleaseAndSpaceBar) {
    auto* b = Add<Button>(10, 10, 75, 25);
    b->SetCaption("确定");
    int clicks = 0;
    b->OnClick = [&](Component*) { ++clicks; };
    fwtest::Click(b->Handle(), 10, 10);
    EXPECT_EQ(clicks, 1) << "one click, not one from the mouse and one from the window";
    SendMessageW(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageW(b->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(200, 10));
    EXPECT_EQ(clicks, 1) << "released outside";
    b->SetFocus();
    PressSpace(b->Handle());
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(stdctrls_test::WindowTextOf(b->Handle()), "确定");
}

TEST_F(ButtonFixture, ModalResultDefaultAndCancelReachTheForm) {
    auto* ok = Add<Button>(10, 10, 75, 25);
    auto* cancel = Add<Button>(90, 10, 75, 25);
    SetPropertyValue(*ok, "ModalResult", PropertyValue::FromIdentifier("mrOk"));
    ok->SetDefault(true);
    cancel->SetModalResult(mrCancel);
    cancel->SetCancel(true);
    EXPECT_NE(GetWindowLongPtrW(ok->Handle(), GWL_STYLE) & BS_DEFPUSHBUTTON, 0);
    fwtest::Click(cancel->Handle(), 5, 5);
    EXPECT_EQ(form->ModalResult(), mrCancel);
    EXPECT_TRUE(form->DialogKey(VK_RETURN, 0));
    EXPECT_EQ(form->ModalResult(), mrOk);
    form->SetModalResult(mrNone);
    EXPECT_TRUE(form->DialogKey(VK_ESCAPE, 0));
    EXPECT_EQ(form->ModalResult(), mrCancel);
}

TEST_F(ButtonFixture, ACheckBoxTogglesOnceBeforeItsClickEvent) {
    auto* box = Add<CheckBox>(10, 10, 120, 20);
    box->SetCaption("保护");
    std::vector<bool> seen;
    box->OnClick = [&](Component*) { seen.push_back(box->Checked()); };
    fwtest::Click(box->Handle(), 5, 8);
    EXPECT_EQ(seen, (std::vector<bool>{true})) << "OnClick sees the new state";
    EXPECT_EQ(SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    box->SetFocus();
    PressSpace(box->Handle());
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
    EXPECT_EQ(SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);

    box->SetChecked(true);
    SetPropertyValue(*box, "Checked", PropertyValue::FromBoolean(false));
    EXPECT_EQ(seen.size(), 2u) << "the program's changes run no click";
    EXPECT_EQ(SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);

    box->SetState(CheckBoxState::Grayed);
    EXPECT_EQ(box->State(), CheckBoxState::Unchecked) << "grey needs AllowGrayed";
    box->SetAllowGrayed(true);
    box->SetChecked(true);
    box->Click();
    EXPECT_EQ(box->State(), CheckBoxState::Grayed);
    EXPECT_EQ(SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
    box->Click();
    EXPECT_EQ(box->State(), CheckBoxState::Unchecked);
}

TEST_F(ButtonFixture, ACheckBoxSizesToItsCaptionOnlyWithAutoSize) {
    auto* box = Add<CheckBox>(10, 10, 15, 22);
    box->SetCaption("很长的说明文字");
    EXPECT_EQ(box->Width(), 15);
    box->SetAutoSize(true);
    EXPECT_GT(box->Width(), 15 + 6 * 8) << "box and caption";
    const int wide = box->Width();
    box->SetCaption("短");
    EXPECT_LT(box->Width(), wide);
}

TEST_F(ButtonFixture, ATransparentCheckBoxShowsItsParentBehindTheCaption) {
    auto* panel = Add<Panel>(10, 10, 200, 60);
    panel->SetBevelOuter(BevelCut::None);
    panel->SetColor(clYellow);
    auto* box = Add<CheckBox>(panel, 10, 10, 150, 20);
    box->SetColor(clAqua);
    box->SetCaption("a");
    const Rect spare{120, 2, 140, 18};  // right of the caption
    UpdateWindow(form->Handle());
    RedrawWindow(box->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_GT(stdctrls_test::CountInk(box->Handle(), spare, clYellow), 300) << "opaque: its own colour";
    box->SetTransparent(true);
    RedrawWindow(box->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(stdctrls_test::CountInk(box->Handle(), spare, clYellow), 0) << "transparent: the panel's";
}

TEST_F(ButtonFixture, RadioButtonsOfOneParentExcludeEachOther) {
    auto* a = Add<RadioButton>(10, 10, 100, 20);
    auto* b = Add<RadioButton>(10, 30, 100, 20);
    auto* panel = Add<Panel>(150, 10, 150, 60);
    auto* elsewhere = Add<RadioButton>(panel, 5, 5, 100, 20);
    elsewhere->SetChecked(true);
    int clicks = 0;
    b->OnClick = [&](Component*) { ++clicks; };
    a->SetChecked(true);
    fwtest::Click(b->Handle(), 5, 8);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(a->Checked());
    EXPECT_EQ(SendMessageW(a->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_TRUE(elsewhere->Checked()) << "another parent is another group";
    fwtest::Click(b->Handle(), 5, 8);
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(b->Checked()) << "clicking a checked button keeps it checked";
    a->SetChecked(true);
    EXPECT_FALSE(b->Checked());
    EXPECT_EQ(clicks, 2);
}

struct GroupFixture : FormFixture {
    RadioGroup* group = nullptr;
    int clicks = 0;
    void SetUp() override {
        FormFixture::SetUp();
        group = Add<RadioGroup>(10, 10, 126, 92);
        group->SetCaption("界面风格");
        group->Items().Assign(StringList{"蓝色", "深蓝", "MacOS", "蛋白", "WinXP"});
        group->OnClick = [this](Component*) { ++clicks; };
    }
};

TEST_F(GroupFixture, ItemsBecomeButtonsInColumnsFilledTopToBottom) {
    group->SetColumns(2);
    ASSERT_EQ(group->ButtonCount(), 5);
    RadioButton* b[5];
    for (int i = 0; i < 5; ++i) b[i] = group->Buttons(i);
    EXPECT_EQ(b[3]->Caption(), "蛋白");
    EXPECT_EQ(b[0]->Left(), b[2]->Left());
    EXPECT_LT(b[0]->Top(), b[1]->Top());
    EXPECT_LT(b[1]->Top(), b[2]->Top());
    EXPECT_GT(b[3]->Left(), b[0]->Left() + 40) << "the second column";
    EXPECT_EQ(b[3]->Top(), b[0]->Top());
    EXPECT_EQ(b[4]->Top(), b[1]->Top());
    for (RadioButton* r : b) {
        EXPECT_GE(r->Top(), 12) << "below the caption";
        EXPECT_LE(r->Top() + r->Height(), group->Height()) << "inside the group";
        EXPECT_LE(r->Left() + r->Width(), group->Width());
    }
    EXPECT_EQ(b[0]->Parent(), group);
    SetPropertyValue(*group, "Columns", PropertyValue::FromInteger(0));
    EXPECT_EQ(group->Columns(), 2) << "no columns makes no sense";
}

TEST_F(GroupFixture, ItemIndexIsTheCheckedItemAndTheProgramSetsItSilently) {
    EXPECT_EQ(group->ItemIndex(), -1);
    group->SetItemIndex(2);
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_EQ(SendMessageW(group->Buttons(2)->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    group->SetItemIndex(4);
    EXPECT_FALSE(group->Buttons(2)->Checked());
    group->SetItemIndex(5);
    group->SetItemIndex(-2);
    EXPECT_EQ(group->ItemIndex(), 4) << "out of range is ignored";
    group->SetItemIndex(-1);
    EXPECT_EQ(group->ItemIndex(), -1);
    EXPECT_EQ(clicks, 0);
}

TEST_F(GroupFixture, OnlyAClickOnAnItemClicksTheGroup) {
    std::vector<int> seen;
    group->OnClick = [&](Component*) { seen.push_back(group->ItemIndex()); };
    RadioButton* item = group->Buttons(3);
    fwtest::Click(item->Handle(), 5, 5);
    EXPECT_EQ(seen, (std::vector<int>{3})) << "the group's handler sees the new index";
    fwtest::Click(item->Handle(), 5, 5);
    EXPECT_EQ(seen, (std::vector<int>{3, 3})) << "picking the chosen item again is a click too";
    fwtest::Click(group->Handle(), group->Width() - 3, group->Height() - 3);
    EXPECT_EQ(seen.size(), 2u) << "the group's own surface is not an item";
}

TEST_F(GroupFixture, FewerItemsFreeTheLastButtonsAndKeepTheOthers) {
    group->SetItemIndex(1);
    RadioButton* kept = group->Buttons(1);
    group->Items().Delete(4);
    group->Items().Delete(3);
    ASSERT_EQ(group->ButtonCount(), 3);
    EXPECT_EQ(group->Buttons(1), kept);
    EXPECT_EQ(group->ItemIndex(), 1);
    group->Items().Put(1, "改");
    EXPECT_EQ(kept->Caption(), "改");
    group->SetEnabled(false);
    EXPECT_FALSE(kept->Enabled()) << "disabling the group disables its items";
}

} // namespace
