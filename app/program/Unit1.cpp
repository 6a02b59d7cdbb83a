#include "app/program/Unit1.h"

#include "app/book/BookCommands.h"
#include "app/book/UpdateTime.h"
#include "app/record/RecordFile.h"
#include "framework/core/ClassBuilder.h"
#include "framework/core/Exception.h"
#include "framework/core/UpdateScope.h"
#include "framework/forms/Application.h"
#include "framework/core/WideText.h"
#include "framework/graphics/MeasuringCanvas.h"
#include "framework/graphics/PictureLoader.h"
#include "framework/menus/MenuItem.h"
#include "framework/menus/PopupMenu.h"
#include "framework/shell/ShellLibrary.h"
#include "framework/shell/ShellOpen.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/ImageListComponent.h"
#include "framework/stdctrls/Label.h"
#include "framework/stdctrls/Panel.h"
#include "framework/stdctrls/TreeView.h"
#include "skin/controls/SUIButton.h"
#include "skin/controls/SUIEdit.h"
#include "skin/controls/SUIMemo.h"
#include "skin/controls/SUIRadioGroup.h"
#include "skin/controls/SUITreeView.h"
#include "skin/dialogs/SUIDlg.h"
#include "skin/frame/SUIForm.h"
#include "skin/frame/SUIPopupMenu.h"
#include "skin/frame/SUISideChannel.h"
#include "skin/styles/SUIMgr.h"

#include <shellapi.h>

#include <cstdint>
#include <vector>

namespace {

const char* const LimitsNote =
    "标识、用户名不超过50个字符(25个中文字)，密码不超过30个字符。树形目录内不能超过50行记录";
const char* const AuthorMail = "mailto:vornik.author@example.cn";

// StyleNumber 1 to 5 and the look it stands for; the radio item is StyleNumber - 1.
TsuiUIStyle StyleOfNumber(int n) {
    switch (n) {
    case 1: return TsuiUIStyle::BlueGlass;
    case 2: return TsuiUIStyle::DeepBlue;
    case 3: return TsuiUIStyle::MacOS;
    case 4: return TsuiUIStyle::Protein;
    default: return TsuiUIStyle::WinXP;
    }
}

// The icon record in its first version (message, icon and a 64-character tip), the form the
// program has always given the shell, at its size on this platform.
bool NotifyIcon(DWORD command, const fw::TrayIcon& icon) {
    NOTIFYICONDATAW data = icon.Record();
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    return fw::ShellNotifyIcon(command, &data) != FALSE;
}

} // namespace

void RegisterMainWindowClasses(HINSTANCE instance) {
    fw::InstallPictureResourceLoader(instance);
    fw::RegisterClasses<TForm1, fw::Panel, TsuiTreeView, TsuiEdit, fw::Label, TsuiMemo, fw::ImageListComponent,
                        fw::MenuItem, TsuiSideChannel, TsuiRadioGroup, TsuiMessageDialog, TsuiForm, TsuiThemeManager,
                        TsuiButton, TsuiCheckBox, TsuiPopupMenu>();
}

TForm1::TForm1(fw::Component* owner) : fw::Form(owner) {}

TForm1::~TForm1() = default;

const fw::ClassInfo& TForm1::StaticClass() {
    static const fw::ClassInfo& info = fw::ClassBuilder<TForm1>("TForm1", fw::Form::StaticClass())
                                           .AddHandler("FormCreate", &TForm1::FormCreate)
                                           .AddHandler("FormClose", &TForm1::FormClose)
                                           .AddHandler("FormResize", &TForm1::FormResize)
                                           .AddHandler("FormDeactivate", &TForm1::FormDeactivate)
                                           .AddHandler("suiButton6Click", &TForm1::suiButton6Click)
                                           .AddHandler("suiSideChannel1Pop", &TForm1::suiSideChannel1Pop)
                                           .AddHandler("suiRadioGroup1Click", &TForm1::suiRadioGroup1Click)
                                           .AddHandler("N1Click", &TForm1::N1Click)
                                           .AddHandler("N2Click", &TForm1::N2Click)
                                           .AddHandler("N3Click", &TForm1::N3Click)
                                           .AddHandler("TreeView1Change", &TForm1::TreeView1Change)
                                           .AddHandler("suiButton3Click", &TForm1::suiButton3Click)
                                           .AddHandler("suiButton4Click", &TForm1::suiButton4Click)
                                           .AddHandler("suiButton5Click", &TForm1::suiButton5Click)
                                           .AddHandler("suiButton8Click", &TForm1::suiButton8Click)
                                           .AddHandler("suiButton1Click", &TForm1::suiButton1Click)
                                           .AddHandler("suiButton2Click", &TForm1::suiButton2Click)
                                           .AddHandler("CheckBox1Click", &TForm1::CheckBox1Click)
                                           .AddHandler("Label2Click", &TForm1::Label2Click)
                                           .AddHandler("suiButton7Click", &TForm1::suiButton7Click)
                                           .Register();
    return info;
}

template <class T>
T* TForm1::Part(const char* name) {
    T* part = dynamic_cast<T*>(FindComponent(name));
    if (part == nullptr) throw fw::Exception(fw::Format("The main window has no %s of its kind", name));
    return part;
}

void TForm1::Loaded() {
    fw::Form::Loaded();
    TreeView1 = Part<TsuiTreeView>("TreeView1");
    Edit1 = Part<TsuiEdit>("Edit1");
    Edit2 = Part<TsuiEdit>("Edit2");
    Edit3 = Part<TsuiEdit>("Edit3");
    CheckBox1 = Part<TsuiCheckBox>("CheckBox1");
    Label1 = Part<fw::Control>("Label1");
    suiButton5 = Part<fw::Control>("suiButton5");
    suiButton7 = Part<fw::Control>("suiButton7");
    suiSideChannel1 = Part<TsuiSideChannel>("suiSideChannel1");
    suiRadioGroup1 = Part<TsuiRadioGroup>("suiRadioGroup1");
    suiMemo1 = Part<TsuiMemo>("suiMemo1");
    suiMessageDialog1 = Part<TsuiMessageDialog>("suiMessageDialog1");
    suiThemeManager1 = Part<TsuiThemeManager>("suiThemeManager1");
    popupmenu1 = Part<fw::PopupMenu>("popupmenu1");
    N1 = Part<fw::MenuItem>("N1");
}

// --- start-up ---

void TForm1::FormCreate(fw::Component*) {
    if (AnotherInstanceRestored()) return;
    maskFlag_ = true;
    // The book and its look come before the windows are made, so the windows are made in the
    // stored look instead of being made and then restyled. A book that cannot be read is
    // reported; the window opens with what was loaded.
    try {
        LoadBook();
    } catch (...) {
        fw::App().HandleException(std::current_exception());
    }
    // Adding the icon waits on the shell's notification area, longer than building the whole
    // window. A timer message comes only when nothing is left to paint, so the icon follows
    // the first painted window instead of delaying it.
    trayIconPending_ = true;
    SetTimer(Handle(), TrayIconTimer, 0, nullptr);
}

bool TForm1::AnotherInstanceRestored() {
    fw::Application& app = fw::App();
    const std::string title = app.Title();
    // Our own application window must not answer the search.
    app.SetTitle("OnlyOne" + std::to_string(reinterpret_cast<std::uintptr_t>(app.Module())));
    HWND running = FindWindowW(nullptr, fw::GbkToWide(title).c_str());
    app.SetTitle(title);
    if (running == nullptr) return false;
    ShowWindow(running, SW_RESTORE);
    app.Terminate();
    return true;
}

void TForm1::AddTrayIcon() {
    if (!trayIconPending_) return;
    trayIconPending_ = false;
    KillTimer(Handle(), TrayIconTimer);
    trayIcon_.SetWindow(Handle());
    trayIcon_.SetId(TrayIconId);
    trayIcon_.SetCallbackMessage(WM_TRAYICON);
    trayIcon_.SetIcon(LoadIconW(fw::App().Module(), L"MAINICON"));
    trayIcon_.SetTip("Vornik");
    // Fails where the display has no notification area; the program goes on without the icon.
    NotifyIcon(NIM_ADD, trayIcon_);
}

void TForm1::LoadBook() {
    // What the file does not replace stays as designed.
    TakeNodesFromTree();
    const RecordLoadResult result = LoadRecordFile(book_);
    if (result.TreeReplaced) FillTreeFromBook();
    if (result.StyleNumber) ApplyStoredStyle(*result.StyleNumber);
    result.ThrowIfFailed();
}

void TForm1::ApplyStoredStyle(int styleNumber) {
    if (styleNumber < 1 || styleNumber > 5) return;
    // Setting the item from code does not run its click handler.
    suiRadioGroup1->SetItemIndex(styleNumber - 1);
    // The window is not shown before start-up ends, so even the first start has nothing to
    // hide around the change.
    suiThemeManager1->SetUIStyle(StyleOfNumber(styleNumber));
}

// --- the entry book and the tree view ---

void TForm1::FillTreeFromBook() {
    fw::TreeNodes& items = TreeView1->Items();
    {
        fw::UpdateScope update(items);
        items.Clear();
        std::vector<fw::TreeNode*> made;
        for (int i = 0; i < book_.Count(); ++i) {
            const EntryNode& n = book_.Nodes[static_cast<size_t>(i)];
            const int parent = book_.ParentIndex(i);
            fw::TreeNode* node = items.AddChild(parent >= 0 ? made[static_cast<size_t>(parent)] : nullptr, n.Caption);
            node->SetImageIndex(n.ImageIndex);
            node->SetSelectedIndex(n.ImageIndex);
            made.push_back(node);
        }
    }
}

void TForm1::TakeNodesFromTree() {
    const fw::TreeNodes& items = TreeView1->Items();
    book_.Nodes.clear();
    for (int i = 0; i < items.Count(); ++i) {
        const fw::TreeNode& n = *items.Item(i);
        book_.Nodes.push_back(EntryNode{n.Text(), n.Level(), n.ImageIndex()});
    }
}

void TForm1::SaveBook() {
    TakeNodesFromTree();
    SaveRecordFiles(book_);
}

void TForm1::Save() { suiButton7->Click(); }

void TForm1::ShowUpdateTime(int i) {
    if (i <= 0 || i >= EntryTable::Size) return;
    const std::string caption = "更新时间:" + book_.Table.UpdateTime[static_cast<size_t>(i)];
    Label1->SetCaption(caption);
    // A long time (an English-style one, or the sortable form) runs under the "删除" button: its
    // hint then tells the whole of it.
    const bool cut = fw::MeasuringCanvas(Label1->Font())->TextWidth(caption) > suiButton5->Left() - Label1->Left();
    Label1->SetHint(cut ? caption : std::string());
    Label1->SetShowHint(cut);
}

std::string TForm1::Now() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    wchar_t date[128] = L"";
    wchar_t time[128] = L"";
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, date, 128);
    GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &t, nullptr, time, 128);
    const LocalDateTime when{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
    return UpdateTimeText(when, fw::WideToGbk(date), fw::WideToGbk(time));
}

void TForm1::TreeView1Change(fw::Component*, fw::TreeNode* node) {
    if (node == nullptr) return;
    Edit3->SetText(node->Text());
    fw::TreeNode* selected = TreeView1->Selected();
    if (selected == nullptr) return;
    const int i = selected->AbsoluteIndex();
    if (i >= EntryTable::Size) return;
    const std::string& userName = book_.Table.UserName[static_cast<size_t>(i)];
    const std::string& password = book_.Table.Password[static_cast<size_t>(i)];
    Edit1->SetText(userName);
    Edit2->SetText(password);
    if (HoldsPlaceholders(userName, password)) {
        Edit1->SetText("");
        Edit2->SetText("");
    }
    ShowUpdateTime(i);
    const bool folder = selected->Level() == 0 || selected->HasChildren();
    if (folder) {
        Edit1->SetText("");
        Edit2->SetText("");
    }
    Edit1->SetReadOnly(folder);
    Edit2->SetReadOnly(folder);
}

void TForm1::suiButton3Click(fw::Component*) {
    fw::TreeNode* selected = TreeView1->Selected();
    if (selected == nullptr) return;
    fw::TreeNodes& items = TreeView1->Items();
    const size_t s = static_cast<size_t>(selected->AbsoluteIndex());
    if (!CanAddChild(selected->Level(), items.Count(), book_.Table.UserName[s], book_.Table.Password[s],
                     selected->HasChildren()))
        return;

    fw::TreeNode* node = nullptr;
    {
        fw::UpdateScope update(items);
        node = items.AddChild(selected, "新建记录");
        node->SetImageIndex(0);
        node->SetSelectedIndex(0);
        // The selection change runs now, before the entries move.
        TreeView1->SetSelected(node);
        if (Edit3->CanFocus()) Edit3->SetFocus();
        Edit2->SetText("");
        Edit1->SetText("");
    }

    const std::string now = Now();
    const int k = node->AbsoluteIndex();
    if (selected->Level() != 0) {
        selected->SetImageIndex(4);
        selected->SetSelectedIndex(4);
    }
    ShiftEntriesUp(book_.Table, k, items.Count() - 2);
    book_.Table.UserName[static_cast<size_t>(k)] = PlaceholderUserName;
    book_.Table.Password[static_cast<size_t>(k)] = PlaceholderPassword;
    book_.Table.UpdateTime[static_cast<size_t>(k)] = now;
    // Selecting the new node showed the time of the entry that was at k before the shift.
    ShowUpdateTime(k);
    Save();
    // The new credentials are typed in clear; Update brings the mask back.
    maskFlag_ = CheckBox1->Checked();
    CheckBox1->SetChecked(false);
    SetMask(false);
}

void TForm1::suiButton4Click(fw::Component*) {
    fw::TreeNode* selected = TreeView1->Selected();
    if (selected == nullptr) return;
    if (selected->HasChildren() && selected->Level() == 1) {
        // A folder of sub-records: renamed now, written with the next save.
        selected->SetText(Edit3->Text());
        return;
    }
    if (selected->Level() == 0) return;
    const size_t i = static_cast<size_t>(selected->AbsoluteIndex());
    book_.Table.UserName[i] = Edit1->Text();
    book_.Table.Password[i] = Edit2->Text();
    book_.Table.UpdateTime[i] = Now();
    ShowUpdateTime(static_cast<int>(i));
    selected->SetText(Edit3->Text());
    Sleep(10);
    Save();
    Sleep(10);
    CheckBox1->SetChecked(maskFlag_);
    SetMask(CheckBox1->Checked());
}

void TForm1::suiButton5Click(fw::Component*) {
    fw::TreeNode* selected = TreeView1->Selected();
    if (selected == nullptr || selected->Level() < 1 || selected->HasChildren()) return;
    suiMessageDialog1->SetText("真的要删除数据?");
    suiMessageDialog1->SetPosition(fw::Position::MainFormCenter);
    // Only "不得行" keeps the record; closing the dialog otherwise goes on.
    if (suiMessageDialog1->ShowModal() == fw::mrNo) return;
    selected = TreeView1->Selected();
    if (selected == nullptr || selected->Level() < 1 || selected->HasChildren()) return;

    const int k = selected->AbsoluteIndex();
    fw::TreeNodes& items = TreeView1->Items();
    {
        fw::UpdateScope update(items);
        items.Delete(selected);
    }
    ShiftEntriesDown(book_.Table, k, items.Count());
    fw::TreeNode* now = TreeView1->Selected();
    // A record whose last sub-record went looks like a record again.
    if (now != nullptr && now->ImageIndex() == 4 && !now->HasChildren()) {
        now->SetImageIndex(0);
        now->SetSelectedIndex(0);
    }
    // The tree showed the new selection while the deleted node still held its place: as a
    // folder, with the entries of before the shift. Shown again now, an Update of it keeps
    // what it holds.
    TreeView1Change(TreeView1, now);
    Save();
}

void TForm1::CopyToClipboard(const fw::Edit& edit) {
    // The whole text, also while the edit shows it masked; an empty edit leaves the clipboard.
    if (!edit.Text().empty()) clipboard_.Copy(edit.Text());
}

void TForm1::suiButton8Click(fw::Component*) { CopyToClipboard(*Edit3); }
void TForm1::suiButton1Click(fw::Component*) { CopyToClipboard(*Edit1); }
void TForm1::suiButton2Click(fw::Component*) { CopyToClipboard(*Edit2); }

void TForm1::SetMask(bool on) {
    Edit1->SetPasswordChar(on ? '*' : 0);
    Edit2->SetPasswordChar(on ? '*' : 0);
}

void TForm1::CheckBox1Click(fw::Component*) {
    const bool on = CheckBox1->Checked();
    SetMask(on);
    maskFlag_ = on;
}

void TForm1::Label2Click(fw::Component*) {
    if (CheckBox1->CanFocus()) CheckBox1->SetFocus();
    // Toggles, then runs CheckBox1Click.
    CheckBox1->Click();
}

void TForm1::suiButton7Click(fw::Component*) { SaveBook(); }

// --- the window, the notification area and the exit ---

void TForm1::WndProc(fw::Message& m) {
    if (m.msg == WM_TRAYICON) {
        WMTrayIcon(m);
        return;
    }
    if (m.msg == WM_TIMER && m.wParam == TrayIconTimer) {
        AddTrayIcon();
        return;
    }
    fw::Form::WndProc(m);
}

void TForm1::WMSysCommand(fw::Message& m) {
    if ((m.wParam & 0xFFF0) == SC_MINIMIZE) {
        HideToTray();
        m.result = 0;
        return;
    }
    fw::Form::WMSysCommand(m);
}

void TForm1::WMTrayIcon(fw::Message& m) {
    fw::Form::WndProc(m);
    // While a question (delete, exit) waits for its answer, the icon brings the question
    // forward. Showing the window would bury the question under the window it disables, and
    // the menu's exit would ask a second time.
    fw::Form* question = fw::Form::ActiveModal();
    if (question != nullptr && (m.lParam == WM_RBUTTONUP || m.lParam == WM_LBUTTONUP)) {
        question->BringToFront();
        m.result = 0;
        return;
    }
    if (m.lParam == WM_RBUTTONUP) {
        POINT cursor{};
        GetCursorPos(&cursor);
        popupmenu1->Popup(cursor.x, cursor.y);
    } else if (m.lParam == WM_LBUTTONUP) {
        ShowFromTray();
    }
    m.result = 0;
}

void TForm1::HideToTray() {
    // The window must not vanish before the icon that brings it back exists.
    AddTrayIcon();
    // Hiding the application window as well takes the taskbar button away.
    Hide();
    ShowWindow(fw::App().Handle(), SW_HIDE);
}

void TForm1::ShowFromTray() {
    ShowWindow(fw::App().Handle(), SW_SHOWNOACTIVATE);
    BringToFront();
}

void TForm1::N1Click(fw::Component*) {
    suiMessageDialog1->SetText("真的要退出程序吗？");
    suiMessageDialog1->SetPosition(fw::Position::ScreenCenter);
    if (suiMessageDialog1->ShowModal() != fw::mrYes) return;
    // An icon still to come would outlive the program.
    trayIconPending_ = false;
    KillTimer(Handle(), TrayIconTimer);
    trayIcon_.SetTip("Icon");
    NotifyIcon(NIM_DELETE, trayIcon_);
    // A copied secret does not outlive the program; the exit goes on if the clipboard is busy.
    try {
        clipboard_.ClearNow();
    } catch (...) {
        fw::App().HandleException(std::current_exception());
    }
    fw::App().Terminate();
}

void TForm1::N2Click(fw::Component*) { fw::ShellOpen(Handle(), AuthorMail, SW_SHOWNORMAL); }

void TForm1::N3Click(fw::Component*) { ShowFromTray(); }

void TForm1::FormClose(fw::Component*, fw::CloseAction& action) {
    // Every way of closing goes through the confirmed exit.
    action = fw::CloseAction::None;
    N1->Click();
}

void TForm1::suiButton6Click(fw::Component*) { Close(); }

void TForm1::FormResize(fw::Component*) {
    // Resizes arrive while the description is still being read.
    if (suiSideChannel1 == nullptr || TreeView1 == nullptr) return;
    suiSideChannel1->SetExpandedWidth(Width() - TreeView1->Left() - TreeView1->Width());
}

void TForm1::suiSideChannel1Pop(fw::Component*) { suiMemo1->SetText(LimitsNote); }

void TForm1::suiRadioGroup1Click(fw::Component*) {
    const int item = suiRadioGroup1->ItemIndex();
    if (item >= 0 && item <= 4) {
        book_.StyleNumber = item + 1;
        Hide();
        suiThemeManager1->SetUIStyle(StyleOfNumber(book_.StyleNumber));
        Sleep(100);
        Show();
    }
    SaveBook();
}

void TForm1::FormDeactivate(fw::Component*) { popupmenu1->Items().SetVisible(false); }
