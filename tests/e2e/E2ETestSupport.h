#pragma once
// The fixture of the end-to-end tests: a working folder, vornik.exe started in it, and the
// main window's parts found as a user finds them, by caption or by the place they cover.

#include "Desktop.h"
#include "RecordFiles.h"
#include "VornikProcess.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

class VornikTest : public ::testing::Test {
protected:
    void TearDown() override;

    // Starts vornik.exe (the build's, or program_ when set) in the folder and waits for its main window.
    void Start();
    // Ends it through the confirmed exit.
    void Exit();

    // Parts of the main window, at their designed places (client coordinates of the window).
    HWND Tree() const { return At(109, 127); }
    HWND IdentifierEdit() const { return At(277, 74); }
    HWND UserNameEdit() const { return At(277, 123); }
    HWND PasswordEdit() const { return At(277, 172); }
    HWND MaskCheckBox() const { return At(290, 148); }
    HWND SideChannel() const { return At(351, 120); }
    HWND At(int x, int y) const;
    HWND Button(const std::wstring& caption) const;

    // A click on a button, handled before it returns.
    void Press(const std::wstring& caption);
    // A click on a button that opens the confirmation; returns the dialog.
    HWND PressForDialog(const std::wstring& caption);

    // The tree's items through its messages.
    int NodeCount() const;
    HTREEITEM TopLevel(int index) const;
    HTREEITEM Child(HTREEITEM parent, int index) const;
    void Select(HTREEITEM item);

    // Real mouse input on the display: a click on a button, or on the text of the tree row
    // `row` (counted from the top of the view) holding a node of `level`.
    void MouseClick(const std::wstring& caption);
    void MouseClickRow(int row, int level);
    // The item shown in row `row` of the tree view, nullptr past the last.
    HTREEITEM RowItem(int row) const;

    bool Masked(HWND edit) const;
    bool Checked(HWND button) const;

    StoredBook Record() const { return RecordFiles::Read(folder_.Record()); }
    StoredBook Backup() const { return RecordFiles::Read(folder_.Backup()); }
    // Removes "BackUp.lzw", so that WaitForSave sees the next save, which writes it last.
    void ForgetBackup() const { DeleteFileW(folder_.Backup().c_str()); }
    // Waits until "BackUp.lzw" holds the header and `nodes` node records.
    bool WaitForSave(int nodes) const;
    // Both files hold the same header and node records.
    void ExpectBothFilesEqual() const;

    WorkFolder folder_;
    std::wstring program_;
    std::unique_ptr<VornikProcess> app_;
    HWND main_ = nullptr;
};

// The book's node records, field by field.
void ExpectSameNodes(const StoredBook& actual, const StoredBook& expected);
