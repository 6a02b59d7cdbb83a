#include "E2ETestSupport.h"

void VornikTest::TearDown() {
    // Whatever a failed test left running is terminated by the process guard.
    app_.reset();
}

void VornikTest::Start() {
    app_ = std::make_unique<VornikProcess>(folder_.Path(), program_);
    ASSERT_TRUE(app_->Started()) << "CreateProcessW failed with " << app_->StartError();
    main_ = app_->WaitForMain();
    ASSERT_NE(main_, nullptr) << "the main window did not appear";
}

void VornikTest::Exit() {
    ASSERT_TRUE(app_ != nullptr);
    ASSERT_TRUE(app_->ExitConfirmed()) << "the program did not end through the confirmed exit";
    EXPECT_EQ(app_->ExitCode(), 0u);
}

HWND VornikTest::At(int x, int y) const { return desktop::WindowAt(main_, x, y); }

HWND VornikTest::Button(const std::wstring& caption) const { return desktop::FindDescendant(main_, caption); }

void VornikTest::Press(const std::wstring& caption) {
    HWND b = Button(caption);
    ASSERT_NE(b, nullptr) << "no button " << desktop::ToGbk(caption);
    desktop::Click(b);
}

HWND VornikTest::PressForDialog(const std::wstring& caption) {
    HWND b = Button(caption);
    if (b == nullptr) {
        ADD_FAILURE() << "no button " << desktop::ToGbk(caption);
        return nullptr;
    }
    desktop::Click(b, true);
    return app_->WaitForDialog();
}

int VornikTest::NodeCount() const { return static_cast<int>(SendMessageW(Tree(), TVM_GETCOUNT, 0, 0)); }

HTREEITEM VornikTest::TopLevel(int index) const {
    auto item = reinterpret_cast<HTREEITEM>(SendMessageW(Tree(), TVM_GETNEXTITEM, TVGN_ROOT, 0));
    for (int i = 0; i < index && item != nullptr; ++i)
        item = reinterpret_cast<HTREEITEM>(
            SendMessageW(Tree(), TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
    return item;
}

HTREEITEM VornikTest::Child(HTREEITEM parent, int index) const {
    auto item = reinterpret_cast<HTREEITEM>(
        SendMessageW(Tree(), TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(parent)));
    for (int i = 0; i < index && item != nullptr; ++i)
        item = reinterpret_cast<HTREEITEM>(
            SendMessageW(Tree(), TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
    return item;
}

void VornikTest::Select(HTREEITEM item) {
    ASSERT_NE(item, nullptr);
    SendMessageW(Tree(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    ASSERT_EQ(reinterpret_cast<HTREEITEM>(SendMessageW(Tree(), TVM_GETNEXTITEM, TVGN_CARET, 0)), item);
}

void VornikTest::MouseClick(const std::wstring& caption) {
    HWND b = Button(caption);
    ASSERT_NE(b, nullptr) << "no button " << desktop::ToGbk(caption);
    RECT r{};
    GetClientRect(b, &r);
    desktop::MouseClickAt(b, r.right / 2, r.bottom / 2);
}

void VornikTest::MouseClickRow(int row, int level) {
    HWND tree = Tree();
    const int height = static_cast<int>(SendMessageW(tree, TVM_GETITEMHEIGHT, 0, 0));
    const int indent = static_cast<int>(SendMessageW(tree, TVM_GETINDENT, 0, 0));
    // Past the lines, the 16-pixel icon and into the caption.
    desktop::MouseClickAt(tree, indent * (level + 1) + 16 + 10, height * row + height / 2);
}

HTREEITEM VornikTest::RowItem(int row) const {
    auto item = reinterpret_cast<HTREEITEM>(SendMessageW(Tree(), TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0));
    for (int i = 0; i < row && item != nullptr; ++i)
        item = reinterpret_cast<HTREEITEM>(
            SendMessageW(Tree(), TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, reinterpret_cast<LPARAM>(item)));
    return item;
}

bool VornikTest::Masked(HWND edit) const { return SendMessageW(edit, EM_GETPASSWORDCHAR, 0, 0) == '*'; }

bool VornikTest::Checked(HWND button) const { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

bool VornikTest::WaitForSave(int nodes) const {
    return desktop::WaitFor([&] {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        return GetFileAttributesExW(folder_.Backup().c_str(), GetFileExInfoStandard, &data) &&
               data.nFileSizeLow == 158u * static_cast<DWORD>(nodes + 1);
    });
}

void VornikTest::ExpectBothFilesEqual() const {
    const StoredBook record = Record();
    const StoredBook backup = Backup();
    ASSERT_TRUE(record.Exists);
    ASSERT_TRUE(backup.Exists);
    EXPECT_EQ(record.Header, backup.Header);
    ExpectSameNodes(backup, record);
}

void ExpectSameNodes(const StoredBook& actual, const StoredBook& expected) {
    ASSERT_EQ(actual.Nodes.size(), expected.Nodes.size());
    for (size_t i = 0; i < actual.Nodes.size(); ++i) {
        const StoredNode& a = actual.Nodes[i];
        const StoredNode& e = expected.Nodes[i];
        EXPECT_EQ(a.Caption, e.Caption) << "node " << i;
        EXPECT_EQ(a.UserName, e.UserName) << "node " << i;
        EXPECT_EQ(a.Password, e.Password) << "node " << i;
        EXPECT_EQ(a.UpdateTime, e.UpdateTime) << "node " << i;
        EXPECT_EQ(a.Level, e.Level) << "node " << i;
        EXPECT_EQ(a.ImageIndex, e.ImageIndex) << "node " << i;
    }
}
