// The standard controls built from a designed description the way the main window uses them:
// every class by its name, published properties in file order, references to the image list,
// tree nodes given as items, a radio group whose ItemIndex comes before its Items.
#include "tests/win/stdctrls/StdCtrlsTestSupport.h"

#include "framework/core/DescriptionReader.h"
#include "framework/stdctrls/CheckBox.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/Label.h"
#include "framework/stdctrls/Memo.h"
#include "framework/stdctrls/RadioButton.h"
#include "framework/stdctrls/RadioGroup.h"
#include "framework/stdctrls/StdCtrls.h"
#include "framework/stdctrls/ToolBar.h"
#include "framework/stdctrls/ToolButton.h"
#include "framework/stdctrls/TreeView.h"

#include <memory>
#include <string_view>

using namespace fw;

namespace {

const char8_t kWindow[] = u8R"(object TestWindow: TTestForm
  Left = 100
  Top = 100
  BorderStyle = bsNone
  ClientWidth = 357
  ClientHeight = 243
  object ImageList1: TImageList
  end
  object TreeView1: TTreeView
    Left = 8
    Top = 37
    Width = 201
    Height = 179
    BorderStyle = bsNone
    BorderWidth = 1
    Images = ImageList1
    StateImages = ImageList1
    Indent = 19
    ReadOnly = True
    AutoExpand = True
    TabStop = False
    Items = <
      item
        Text = '网络'
        ImageIndex = 1
        SelectedIndex = 1
      end
      item
        Text = '记录'
        Level = 1
      end
      item
        Text = '软件'
        ImageIndex = 2
        SelectedIndex = 2
      end
      item
        Text = '生活'
        ImageIndex = 3
        SelectedIndex = 3
      end>
  end
  object Edit1: TEdit
    Left = 216
    Top = 112
    Width = 121
    Height = 22
    ImeName = 'itABC 5.22 '
    PasswordChar = '*'
    TabOrder = 1
  end
  object CheckBox1: TCheckBox
    Left = 282
    Top = 137
    Width = 15
    Height = 22
    AutoSize = False
    Checked = True
    Transparent = False
  end
  object Label2: TLabel
    Left = 304
    Top = 139
    Width = 32
    Height = 16
    Caption = '保护'
    Transparent = True
  end
  object Label1: TLabel
    Left = 3
    Top = 221
    Width = 216
    Height = 16
    AutoSize = False
    Font.Color = clNavy
    Font.Name = '新宋体'
    Font.Height = 16
    Transparent = True
  end
  object Panel1: TPanel
    Left = 207
    Top = 23
    Width = 148
    Height = 219
    BevelOuter = bvNone
    object suiRadioGroup1: TRadioGroup
      Left = 15
      Top = 24
      Width = 126
      Height = 92
      Caption = '界面风格'
      Columns = 2
      ItemIndex = 2
      Items.Strings = ('蓝色' '深蓝' 'MacOS' '蛋白' 'WinXP')
    end
    object suiMemo1: TMemo
      Left = 16
      Top = 121
      Width = 125
      Height = 76
      ReadOnly = True
      ScrollBars = ssVertical
      Lines.Strings = ('说明')
    end
  end
  object ToolBar1: TToolBar
    EdgeBorders = []
    ShowCaptions = True
    Flat = True
    object ToolButton1: TToolButton
      Caption = '文件'
      AutoSize = True
      Grouped = True
    end
  end
end
)";

TEST(DesignedWindow, BuildsEveryStandardControlFromItsDescription) {
    RegisterStandardControls();
    RegisterClasses<fwtest::TestForm>();
    const std::string_view text(reinterpret_cast<const char*>(kWindow), sizeof kWindow - 1);
    std::unique_ptr<Component> root(DescriptionReader::CreateRoot(text, "TestWindow.txt", &App()));
    auto* form = dynamic_cast<Form*>(root.get());
    ASSERT_NE(form, nullptr);

    auto* tree = dynamic_cast<TreeView*>(form->FindComponent("TreeView1"));
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->Images(), form->FindComponent("ImageList1"));
    EXPECT_EQ(tree->StateImages(), tree->Images());
    ASSERT_EQ(tree->Items().Count(), 4);
    EXPECT_EQ(tree->Items().TopLevelCount(), 3);
    EXPECT_EQ(tree->Items().Item(1)->Parent(), tree->Items().Item(0));
    EXPECT_EQ(tree->Items().Item(3)->Text(), "生活");
    EXPECT_EQ(tree->Items().Item(3)->ImageIndex(), 3);
    EXPECT_TRUE(tree->ReadOnly());
    EXPECT_TRUE(tree->AutoExpand());
    EXPECT_FALSE(tree->TabStop());

    auto* edit = dynamic_cast<Edit*>(form->FindComponent("Edit1"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->PasswordChar(), '*');
    EXPECT_EQ(edit->ImeName(), "itABC 5.22 ");

    auto* check = dynamic_cast<CheckBox*>(form->FindComponent("CheckBox1"));
    ASSERT_NE(check, nullptr);
    EXPECT_TRUE(check->Checked());
    EXPECT_EQ(check->BoundsRect(), (Rect{282, 137, 297, 159})) << "no automatic size";

    auto* label1 = dynamic_cast<Label*>(form->FindComponent("Label1"));
    ASSERT_NE(label1, nullptr);
    EXPECT_EQ(label1->BoundsRect(), (Rect{3, 221, 219, 237}));
    EXPECT_EQ(label1->Font().Name(), "新宋体");
    EXPECT_EQ(label1->Font().Color(), clNavy);

    auto* group = dynamic_cast<RadioGroup*>(form->FindComponent("suiRadioGroup1"));
    ASSERT_NE(group, nullptr);
    ASSERT_EQ(group->ButtonCount(), 5);
    EXPECT_EQ(group->ItemIndex(), 2) << "the index given before the items still applies";
    EXPECT_EQ(group->Buttons(2)->Caption(), "MacOS");
    EXPECT_EQ(group->Parent(), form->FindComponent("Panel1"));

    auto* memo = dynamic_cast<Memo*>(form->FindComponent("suiMemo1"));
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->Lines().Text(), "说明");
    EXPECT_EQ(memo->ScrollBars(), ScrollStyle::Vertical);

    auto* bar = dynamic_cast<ToolBar*>(form->FindComponent("ToolBar1"));
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->ButtonCount(), 1);
    EXPECT_EQ(bar->Buttons(0)->Caption(), "文件");
    EXPECT_EQ(bar->GetEdgeBorders(), 0u);

    // The windows show what was described.
    form->Show();
    EXPECT_EQ(stdctrls_test::WindowTextOf(edit->Handle()), "");
    EXPECT_EQ(SendMessageW(edit->Handle(), EM_GETPASSWORDCHAR, 0, 0), '*');
    EXPECT_EQ(SendMessageW(check->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(tree->Handle(), TVM_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(SendMessageW(group->Buttons(2)->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(stdctrls_test::WindowTextOf(memo->Handle()), "说明");
}

} // namespace
