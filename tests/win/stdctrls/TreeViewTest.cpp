// The tree view over the native tree: the node model against the window's own items, absolute
// indices through inserts and deletes deep in the tree, selection events (by the user, the
// program and a deletion), batch updates, image lists, designed items and caption editing.
#include "tests/win/stdctrls/StdCtrlsTestSupport.h"

#include "framework/core/Properties.h"
#include "framework/graphics/Bitmap.h"
#include "framework/stdctrls/ImageListComponent.h"
#include "framework/stdctrls/TreeView.h"
#include "tests/win/support/PumpUntil.h"

#include <commctrl.h>

#include <string>
#include <vector>

using namespace fw;
using stdctrls_test::FormFixture;

namespace {

// The window's items in pre-order, as the nodes they carry, walked with the window's own
// navigation (so it checks the order independently of the node model).
std::vector<TreeNode*> NativePreOrder(TreeView* tree) {
    std::vector<TreeNode*> out;
    HWND h = tree->Handle();
    std::vector<HTREEITEM> stack;
    auto first = reinterpret_cast<HTREEITEM>(SendMessageW(h, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    std::function<void(HTREEITEM)> walk = [&](HTREEITEM item) {
        for (; item != nullptr; item = reinterpret_cast<HTREEITEM>(SendMessageW(h, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
            TVITEMW q{};
            q.mask = TVIF_HANDLE | TVIF_PARAM;
            q.hItem = item;
            SendMessageW(h, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&q));
            out.push_back(reinterpret_cast<TreeNode*>(q.lParam));
            walk(reinterpret_cast<HTREEITEM>(SendMessageW(h, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item))));
        }
    };
    walk(first);
    return out;
}

struct NativeItem {
    std::string text;
    int image = 0;
    int selectedImage = 0;
};

NativeItem ReadItem(TreeView* tree, const TreeNode* node) {
    wchar_t buffer[128] = {};
    TVITEMW q{};
    q.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    q.hItem = node->ItemId();
    q.pszText = buffer;
    q.cchTextMax = 128;
    SendMessageW(tree->Handle(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&q));
    return NativeItem{WideToGbk(buffer), q.iImage, q.iSelectedImage};
}

TreeNode* NativeSelection(TreeView* tree) {
    auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree->Handle(), TVM_GETNEXTITEM, TVGN_CARET, 0));
    for (TreeNode* n : NativePreOrder(tree))
        if (n->ItemId() == item) return n;
    return nullptr;
}

// Every node's absolute index, Item() and the window's order agree.
void ExpectConsistent(TreeView* tree) {
    const std::vector<TreeNode*> native = NativePreOrder(tree);
    ASSERT_EQ(static_cast<int>(native.size()), tree->Items().Count());
    for (int i = 0; i < static_cast<int>(native.size()); ++i) {
        EXPECT_EQ(native[i]->AbsoluteIndex(), i) << native[i]->Text();
        EXPECT_EQ(tree->Items().Item(i), native[i]) << "Item(" << i << ")";
    }
}

struct TreeFixture : FormFixture {
    TreeView* tree = nullptr;
    std::vector<std::string> events;
    TreeNode* net = nullptr;
    TreeNode* soft = nullptr;
    TreeNode* life = nullptr;

    void SetUp() override {
        FormFixture::SetUp();
        tree = Add<TreeView>(8, 8, 200, 260);
        tree->HandleNeeded();
        tree->OnChange = [this](Component*, TreeNode* n) {
            events.push_back(n ? "change " + n->Text() + " @" + std::to_string(n->AbsoluteIndex()) + " of " +
                                     std::to_string(tree->Items().Count())
                               : std::string("change none"));
        };
        tree->OnDeletion = [this](Component*, TreeNode* n) { events.push_back("delete " + n->Text()); };
        net = tree->Items().AddChild(nullptr, "网络");
        soft = tree->Items().AddChild(nullptr, "软件");
        life = tree->Items().AddChild(nullptr, "生活");
    }
};

TEST_F(TreeFixture, BuildsTheTreeInTheWindowWithLevelsParentsAndChildrenInOrder) {
    TreeNode* mail = tree->Items().AddChild(net, "邮箱");
    TreeNode* bbs = tree->Items().AddChild(net, "论坛");
    TreeNode* work = tree->Items().AddChild(mail, "工作");
    TreeNode* first = tree->Items().AddChildFirst(net, "银行");
    TreeNode* before = tree->Items().Insert(bbs, "游戏");
    TreeNode* sibling = tree->Items().Add(life, "其他");

    EXPECT_EQ(tree->Items().Count(), 9);
    EXPECT_EQ(tree->Items().TopLevelCount(), 4);
    ASSERT_EQ(net->Count(), 4);
    EXPECT_EQ(net->Item(0), first);
    EXPECT_EQ(net->Item(1), mail);
    EXPECT_EQ(net->Item(2), before);
    EXPECT_EQ(net->Item(3), bbs);
    EXPECT_EQ(tree->Items().TopLevelItem(3), sibling);
    EXPECT_EQ(work->Parent(), mail);
    EXPECT_EQ(mail->Parent(), net);
    EXPECT_EQ(net->Parent(), nullptr);
    EXPECT_EQ(work->Level(), 2);
    EXPECT_EQ(mail->Level(), 1);
    EXPECT_EQ(net->Level(), 0);
    EXPECT_TRUE(mail->HasChildren());
    EXPECT_FALSE(bbs->HasChildren());
    EXPECT_EQ(before->Index(), 2);
    // Pre-order: 网络 银行 邮箱 工作 游戏 论坛 软件 生活 其他
    EXPECT_EQ(work->AbsoluteIndex(), 3);
    EXPECT_EQ(bbs->AbsoluteIndex(), 5);
    EXPECT_EQ(soft->AbsoluteIndex(), 6);
    EXPECT_EQ(sibling->AbsoluteIndex(), 8);
    ExpectConsistent(tree);
    EXPECT_EQ(ReadItem(tree, work).text, "工作") << "captions cross into the window intact";
    EXPECT_EQ(work->GetNext(), before);
    EXPECT_EQ(before->GetPrev(), work);
    EXPECT_EQ(soft->GetPrev(), bbs);
}

TEST_F(TreeFixture, AbsoluteIndicesFollowInsertsAndDeletesDeepInTheTree) {
    std::vector<TreeNode*> records;
    for (int i = 0; i < 4; ++i) records.push_back(tree->Items().AddChild(soft, "记录" + std::to_string(i)));
    for (int i = 0; i < 3; ++i) tree->Items().AddChild(records[1], "子" + std::to_string(i));
    tree->Items().AddChild(life, "生活记录");
    ExpectConsistent(tree);
    const int lifeBefore = life->AbsoluteIndex();

    // A new first sub-record deep inside moves every later node down by one.
    TreeNode* inserted = tree->Items().AddChildFirst(records[1], "新");
    EXPECT_EQ(inserted->AbsoluteIndex(), records[1]->AbsoluteIndex() + 1);
    EXPECT_EQ(life->AbsoluteIndex(), lifeBefore + 1);
    ExpectConsistent(tree);

    // Deleting a record with four sub-records moves the later nodes up by five.
    const int countBefore = tree->Items().Count();
    const int record2Before = records[2]->AbsoluteIndex();
    records[1]->Delete();
    EXPECT_EQ(tree->Items().Count(), countBefore - 5);
    EXPECT_EQ(records[2]->AbsoluteIndex(), record2Before - 5);
    EXPECT_EQ(life->AbsoluteIndex(), lifeBefore - 4);
    EXPECT_EQ(soft->Count(), 3);
    ExpectConsistent(tree);

    // And a deletion of a leaf in the last group, then an insert before it.
    life->GetFirstChild()->Delete();
    tree->Items().Insert(records[0], "前");
    EXPECT_EQ(records[0]->AbsoluteIndex(), soft->AbsoluteIndex() + 2);
    ExpectConsistent(tree);
    EXPECT_THROW(tree->Items().Item(tree->Items().Count()), Exception);
}

TEST_F(TreeFixture, DeletingTheSelectedNodeSelectsTheNextSiblingOnceWhileTheOldIndicesHold) {
    TreeNode* a = tree->Items().AddChild(soft, "甲");
    TreeNode* b = tree->Items().AddChild(soft, "乙");
    TreeNode* c = tree->Items().AddChild(soft, "丙");
    tree->SetSelected(b);
    events.clear();

    tree->Items().BeginUpdate();
    b->Delete();
    tree->Items().EndUpdate();
    // 网络 软件 甲 乙 丙 生活: 丙 was at 4 of 6 when the selection moved, before 乙 went.
    EXPECT_EQ(events, (std::vector<std::string>{"change 丙 @4 of 6", "delete 乙"}));
    EXPECT_EQ(tree->Selected(), c);
    EXPECT_EQ(NativeSelection(tree), c) << "the window shows the same selection";
    EXPECT_EQ(c->AbsoluteIndex(), 3);
    EXPECT_EQ(tree->Items().Count(), 5);

    // The last child falls back to its previous sibling, an only child to its parent.
    events.clear();
    c->Delete();
    EXPECT_EQ(events, (std::vector<std::string>{"change 甲 @2 of 5", "delete 丙"}));
    events.clear();
    a->Delete();
    EXPECT_EQ(events, (std::vector<std::string>{"change 软件 @1 of 4", "delete 甲"}));
    EXPECT_EQ(NativeSelection(tree), soft);
    ExpectConsistent(tree);
}

TEST_F(TreeFixture, DeletingASubtreeHoldingTheSelectionReportsEveryNodeChildrenFirst) {
    TreeNode* record = tree->Items().AddChild(net, "记录");
    TreeNode* sub1 = tree->Items().AddChild(record, "子一");
    tree->Items().AddChild(record, "子二");
    tree->SetSelected(sub1);
    events.clear();
    net->Delete();
    EXPECT_EQ(events, (std::vector<std::string>{"change 软件 @4 of 6", "delete 子一", "delete 子二", "delete 记录",
                                                "delete 网络"}));
    EXPECT_EQ(soft->AbsoluteIndex(), 0);
    ExpectConsistent(tree);

    events.clear();
    tree->Items().AddChild(life, "x")->Delete();
    EXPECT_EQ(events, (std::vector<std::string>{"delete x"})) << "no selection change for an unselected node";
}

TEST_F(TreeFixture, HandlersThatDeleteNodesThemselvesLeaveTheTreeSound) {
    TreeNode* a = tree->Items().AddChild(soft, "甲");
    TreeNode* b = tree->Items().AddChild(soft, "乙");
    tree->SetSelected(a);
    // The selection change deletes the very node being deleted, then a deletion notice the next one.
    tree->OnChange = [&](Component*, TreeNode*) {
        if (tree->Items().Contains(a)) a->Delete();
    };
    a->Delete();
    EXPECT_EQ(tree->Items().Count(), 4);
    EXPECT_EQ(tree->Selected(), b);
    tree->OnChange = nullptr;
    tree->OnDeletion = [&](Component*, TreeNode* n) {
        if (n == life && tree->Items().Contains(b)) b->Delete();
    };
    tree->Items().Clear();
    EXPECT_EQ(tree->Items().Count(), 0);
    EXPECT_EQ(tree->Selected(), nullptr);
}

TEST_F(TreeFixture, ClearingRemovesTheSelectionWithOneEvent) {
    tree->SetSelected(life);
    events.clear();
    tree->Items().Clear();
    EXPECT_EQ(events, (std::vector<std::string>{"change none", "delete 网络", "delete 软件", "delete 生活"}));
    EXPECT_EQ(tree->Selected(), nullptr);
    EXPECT_EQ(tree->Items().Count(), 0);
    EXPECT_TRUE(NativePreOrder(tree).empty());
}

TEST_F(TreeFixture, AUserClickSelectsOnceAndAutoExpandOpensTheNode) {
    tree->SetAutoExpand(true);
    TreeNode* record = tree->Items().AddChild(soft, "记录");
    tree->Items().AddChild(record, "子");
    events.clear();
    const Rect r = tree->NodeRect(soft, true);
    ASSERT_FALSE(r.Empty());
    // Posted: the tree follows the button through its own message loop until it is released.
    fwtest::PostClick(tree->Handle(), (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    EXPECT_TRUE(fwtest::PumpUntil([&] { return tree->Selected() != nullptr; }));
    EXPECT_EQ(events, (std::vector<std::string>{"change 软件 @1 of 5"}));
    EXPECT_EQ(tree->Selected(), soft);
    EXPECT_TRUE(soft->Expanded()) << "the selected node opened";
    EXPECT_FALSE(record->Expanded());
    EXPECT_EQ(tree->GetNodeAt((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2), soft);

    // The arrow key moves to the now visible child.
    events.clear();
    SendMessageW(tree->Handle(), WM_KEYDOWN, VK_DOWN, 1);
    SendMessageW(tree->Handle(), WM_KEYUP, VK_DOWN, static_cast<LPARAM>(0xC0000001u));
    EXPECT_EQ(events, (std::vector<std::string>{"change 记录 @2 of 5"}));
    EXPECT_TRUE(record->Expanded());
}

TEST_F(TreeFixture, ProgramSelectionFiresOnceAndOnChangingCanRefuse) {
    tree->SetSelected(soft);
    tree->SetSelected(soft);
    EXPECT_EQ(events, (std::vector<std::string>{"change 软件 @1 of 3"}));
    EXPECT_TRUE(soft->Selected());

    tree->OnChanging = [](Component*, TreeNode* n, bool& allow) { allow = n == nullptr || n->Text() != "生活"; };
    life->SetSelected(true);
    EXPECT_EQ(tree->Selected(), soft) << "refused";
    EXPECT_EQ(NativeSelection(tree), soft);
    net->SetSelected(true);
    EXPECT_EQ(tree->Selected(), net);
    // A deletion's move cannot be refused: the only candidate here is the refused node.
    tree->OnChanging = [](Component*, TreeNode*, bool& allow) { allow = false; };
    events.clear();
    tree->SetSelected(soft);
    EXPECT_TRUE(events.empty());
    net->Delete();
    EXPECT_EQ(tree->Selected(), soft);
    EXPECT_EQ(events, (std::vector<std::string>{"change 软件 @1 of 3", "delete 网络"}));
}

TEST_F(TreeFixture, BatchUpdatesHoldPaintingOnlyUntilTheLastEnd) {
    HWND h = tree->Handle();
    UpdateWindow(h);
    tree->Items().BeginUpdate();
    tree->Items().BeginUpdate();
    EXPECT_TRUE(tree->Items().Updating());
    for (int i = 0; i < 8; ++i) tree->Items().AddChild(life, "项" + std::to_string(i));
    life->Expand(false);
    tree->SetSelected(life->Item(5));
    EXPECT_EQ(events, (std::vector<std::string>{"change 项5 @8 of 11"})) << "events still run inside a batch";
    const Rect row = tree->NodeRect(life->Item(2), true);
    ASSERT_FALSE(row.Empty());
    InvalidateRect(h, nullptr, TRUE);
    UpdateWindow(h);
    EXPECT_EQ(stdctrls_test::CountInk(h, row, clWhite), 0) << "nothing painted while updating";
    tree->Items().EndUpdate();
    EXPECT_TRUE(tree->Items().Updating()) << "the outer batch still holds";
    UpdateWindow(h);
    EXPECT_EQ(stdctrls_test::CountInk(h, row, clWhite), 0);
    tree->Items().EndUpdate();
    EXPECT_FALSE(tree->Items().Updating());
    UpdateWindow(h);
    EXPECT_GT(stdctrls_test::CountInk(h, row, clWhite), 10) << "the end of the batch paints the new rows";
    ExpectConsistent(tree);
}

TEST_F(TreeFixture, NodesSelectedInsideBatchesLeaveEveryRowReachable) {
    HWND h = tree->Handle();
    tree->SetAutoExpand(true);
    const int rowHeight = static_cast<int>(SendMessageW(h, TVM_GETITEMHEIGHT, 0, 0));
    ASSERT_GT(rowHeight, 0);
    // Room for seven rows and a little more, as in the password book's window.
    RECT client{};
    GetClientRect(h, &client);
    tree->SetHeight(tree->Height() - (client.bottom - 7 * rowHeight - rowHeight / 2));
    auto first = [h] { return reinterpret_cast<HTREEITEM>(SendMessageW(h, TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0)); };
    auto hasScrollBar = [h] { return (GetWindowLongPtrW(h, GWL_STYLE) & WS_VSCROLL) != 0; };
    auto inView = [&](TreeNode* n) {
        const Rect r = tree->NodeRect(n, false);
        GetClientRect(h, &client);
        return !r.Empty() && r.Top >= 0 && r.Bottom <= client.bottom;
    };
    // The group is selected, a child added and selected within one batch, again and again.
    for (int i = 0; i < 4; ++i) {
        tree->SetSelected(net);
        tree->Items().BeginUpdate();
        TreeNode* added = tree->Items().AddChild(net, "新建记录");
        tree->SetSelected(added);
        tree->Items().EndUpdate();
        EXPECT_EQ(first(), net->ItemId()) << "all " << tree->Items().Count() << " rows fit";
        EXPECT_FALSE(hasScrollBar());
        EXPECT_TRUE(inView(added));
    }
    // Past what fits: a scroll bar, the selection in view, and the wheel back to the top.
    TreeNode* last = nullptr;
    for (int i = 0; i < 6; ++i) {
        tree->Items().BeginUpdate();
        last = tree->Items().AddChild(life, "项" + std::to_string(i));
        tree->SetSelected(last);
        tree->Items().EndUpdate();
    }
    EXPECT_TRUE(hasScrollBar());
    EXPECT_TRUE(inView(last));
    EXPECT_NE(first(), net->ItemId());
    SendMessageW(h, WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(first(), net->ItemId()) << "the top rows are reachable";
    // A batch that deletes rows below the view leaves no blank rows at the bottom.
    tree->SetSelected(net->Item(0));
    tree->Items().BeginUpdate();
    life->DeleteChildren();
    tree->Items().EndUpdate();
    EXPECT_EQ(first(), net->ItemId());
    EXPECT_FALSE(hasScrollBar());
    ExpectConsistent(tree);
}

TEST_F(TreeFixture, NodeChangesReachTheWindowAndSurviveItsRecreation) {
    TreeNode* record = tree->Items().AddChild(net, "记录");
    tree->Items().AddChild(record, "子");
    record->SetText("改名的记录");
    record->SetImageIndex(4);
    record->SetSelectedIndex(4);
    NativeItem shown = ReadItem(tree, record);
    EXPECT_EQ(shown.text, "改名的记录");
    EXPECT_EQ(shown.image, 4);
    EXPECT_EQ(shown.selectedImage, 4);
    net->Expand(false);
    EXPECT_TRUE(net->Expanded());
    EXPECT_FALSE(life->Expanded()) << "a node without children is never expanded";
    life->Expand(false);
    EXPECT_FALSE(life->Expanded());
    tree->SetSelected(record);
    events.clear();

    tree->DestroyHandle();
    EXPECT_EQ(record->ItemId(), nullptr);
    EXPECT_TRUE(net->Expanded()) << "kept while there is no window";
    tree->HandleNeeded();
    EXPECT_TRUE(events.empty()) << "filling the new window is no selection change";
    ExpectConsistent(tree);
    EXPECT_EQ(ReadItem(tree, record).text, "改名的记录");
    EXPECT_EQ(NativeSelection(tree), record);
    EXPECT_TRUE(net->Expanded());
}

// Five 16 x 16 icons on fuchsia, icon i filled with its own colour except a fuchsia corner.
Bitmap FiveIcons() {
    const Color colours[5] = {clRed, clLime, clBlue, clYellow, clAqua};
    Bitmap strip(80, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 80; ++x) strip.SetPixel(x, y, (x % 16 < 4 && y < 4) ? clFuchsia : colours[x / 16]);
    return strip;
}

TEST_F(TreeFixture, ImageListsReachTheWindowWithTheirMasks) {
    auto* icons = new ImageListComponent(form.get());
    icons->AddStrip(FiveIcons());
    tree->SetImages(icons);
    tree->SetStateImages(icons);
    auto native = reinterpret_cast<HIMAGELIST>(SendMessageW(tree->Handle(), TVM_GETIMAGELIST, TVSIL_NORMAL, 0));
    ASSERT_NE(native, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(native), 5);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(native, &cx, &cy);
    EXPECT_EQ(cx, 16);
    EXPECT_EQ(cy, 16);

    // Drawn on white, image 2 shows blue with its masked corner left white.
    Bitmap target(16, 16);
    target.Canvas().Brush().SetColor(clWhite);
    target.Canvas().FillRect(Rect{0, 0, 16, 16});
    ImageList_Draw(native, 2, target.Canvas().Handle(), 0, 0, ILD_NORMAL);
    GdiFlush();
    EXPECT_EQ(target.Pixel(8, 8), clBlue);
    EXPECT_EQ(target.Pixel(1, 1), clWhite);

    // A change of the list renews the window's copy; a destroyed list leaves none behind.
    icons->AddStrip(FiveIcons());
    native = reinterpret_cast<HIMAGELIST>(SendMessageW(tree->Handle(), TVM_GETIMAGELIST, TVSIL_NORMAL, 0));
    EXPECT_EQ(ImageList_GetImageCount(native), 10);
    delete icons;
    EXPECT_EQ(tree->Images(), nullptr);
    EXPECT_EQ(tree->StateImages(), nullptr);
    EXPECT_EQ(SendMessageW(tree->Handle(), TVM_GETIMAGELIST, TVSIL_NORMAL, 0), 0);
}

TEST(ImageListComponent, CutsItsBitmapIntoIconsWithTheMaskColourLeftOut) {
    ImageListComponent list(nullptr);
    int changes = 0;
    list.OnChange = [&](Component*) { ++changes; };
    Picture strip;
    strip.SetGraphic(std::make_shared<Bitmap>(FiveIcons()));
    SetPropertyValue(list, "Bitmap", PropertyValue::FromPicture(strip));
    EXPECT_EQ(changes, 1);
    ASSERT_EQ(list.Count(), 5);
    EXPECT_FALSE(list.Images().IsOpaque(4, 1, 1)) << "fuchsia is the mask colour";
    EXPECT_TRUE(list.Images().IsOpaque(4, 8, 8));

    // A description may give the mask after the picture.
    SetPropertyValue(list, "Masked", PropertyValue::FromBoolean(false));
    EXPECT_EQ(list.Count(), 5) << "the picture is cut again, not added twice";
    EXPECT_TRUE(list.Images().IsOpaque(4, 1, 1));
    list.SetWidth(8);
    EXPECT_EQ(list.Count(), 0) << "a new size drops the images";
    EXPECT_EQ(changes, 3);
}

TEST_F(TreeFixture, TheItemTooltipWindowComesOncePaintingIsDoneAndAgainAfterRecreation) {
    for (int round = 0; round < 2; ++round) {
        HWND h = tree->Handle();
        EXPECT_EQ(SendMessageW(h, TVM_GETTOOLTIPS, 0, 0), 0) << "round " << round;
        const auto tip = [h] { return reinterpret_cast<HWND>(SendMessageW(h, TVM_GETTOOLTIPS, 0, 0)); };
        EXPECT_TRUE(wintest::PumpUntil([&] { return IsWindow(tip()) != FALSE; }, 2000)) << "round " << round;
        EXPECT_EQ(GetWindowLongPtrW(h, GWL_STYLE) & TVS_NOTOOLTIPS, 0);
        tree->DestroyHandle();
    }
}

TEST_F(TreeFixture, PublishedFlagsSetTheWindowStyles) {
    HWND h = tree->Handle();
    SetPropertyValue(*tree, "ShowLines", PropertyValue::FromBoolean(false));
    SetPropertyValue(*tree, "ShowButtons", PropertyValue::FromBoolean(false));
    SetPropertyValue(*tree, "ShowRoot", PropertyValue::FromBoolean(false));
    SetPropertyValue(*tree, "ReadOnly", PropertyValue::FromBoolean(true));
    SetPropertyValue(*tree, "Indent", PropertyValue::FromInteger(19));
    const LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE);
    EXPECT_EQ(style & (TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_EDITLABELS), 0);
    EXPECT_EQ(SendMessageW(h, TVM_GETINDENT, 0, 0), 19);
    SetPropertyValue(*tree, "ShowLines", PropertyValue::FromBoolean(true));
    EXPECT_NE(GetWindowLongPtrW(h, GWL_STYLE) & TVS_HASLINES, 0);
    EXPECT_EQ(GetPropertyValue(*tree, "ReadOnly").AsBoolean(), true);
}

TEST_F(TreeFixture, CaptionsAreEditedInPlaceUnlessReadOnly) {
    tree->SetReadOnly(false);
    tree->OnEdited = [](Component*, TreeNode*, std::string& text) { text += "!"; };
    HWND editor = reinterpret_cast<HWND>(SendMessageW(tree->Handle(), TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(soft->ItemId())));
    ASSERT_NE(editor, nullptr);
    SetWindowTextW(editor, GbkToWide("办公软件").c_str());
    SendMessageW(tree->Handle(), TVM_ENDEDITLABELNOW, FALSE, 0);
    EXPECT_EQ(soft->Text(), "办公软件!");
    EXPECT_EQ(ReadItem(tree, soft).text, "办公软件!") << "the window shows the handler's text";

    tree->SetReadOnly(true);
    EXPECT_EQ(SendMessageW(tree->Handle(), TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(soft->ItemId())), 0);
}

TEST_F(TreeFixture, DesignedItemsDescribeTheTreeInPreOrderWithLevels) {
    TreeNode* record = tree->Items().AddChild(soft, "记录");
    record->SetImageIndex(4);
    tree->Items().AddChild(record, "子");
    const PropertyValue described = GetPropertyValue(*tree, "Items");
    const Collection& items = described.AsCollection();
    ASSERT_EQ(items.Count(), 5);
    EXPECT_EQ(GetPropertyValue(items.Item(2), "Text").AsText(), "记录");
    EXPECT_EQ(GetPropertyValue(items.Item(2), "Level").AsInteger(), 1);
    EXPECT_EQ(GetPropertyValue(items.Item(3), "Level").AsInteger(), 2);
    EXPECT_EQ(GetPropertyValue(items.Item(2), "ImageIndex").AsInteger(), 4);

    // Given back to another tree view, the same description builds the same tree.
    auto* copy = Add<TreeView>(210, 8, 200, 200);
    SetPropertyValue(*copy, "Items", described);
    ASSERT_EQ(copy->Items().Count(), 5);
    EXPECT_EQ(copy->Items().Item(3)->Text(), "子");
    EXPECT_EQ(copy->Items().Item(3)->Level(), 2);
    EXPECT_EQ(copy->Items().Item(2)->ImageIndex(), 4);
    ExpectConsistent(copy);

    // A level that skips one is refused.
    SetPropertyValue(*copy, "Items[3].Level", PropertyValue::FromInteger(1));
    EXPECT_EQ(copy->Items().Item(3)->Level(), 1);
    EXPECT_THROW(SetPropertyValue(*copy, "Items[1].Level", PropertyValue::FromInteger(3)), Exception);
}

} // namespace
