// The entry book driven from outside: New, Update, Delete, the copy buttons, the mask, the
// 50-node limit and the update times, checked in the window and in both record files.

#include "E2ETestSupport.h"
#include "tests/win/clipboard/ClearDelaySetting.h"

#include <regex>
#include <set>

namespace {

bool Sortable(const std::string& text) {
    return std::regex_match(text, std::regex(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)"));
}

// The texts the program may have written for an update made between `from` and `to`: the
// user's short date and long time (the date alone at midnight), or the sortable form when
// that would not fit the 20-byte field.
std::set<std::string> UpdateTimesBetween(const SYSTEMTIME& from, const SYSTEMTIME& to) {
    std::set<std::string> texts;
    FILETIME start;
    FILETIME end;
    SystemTimeToFileTime(&from, &start);
    SystemTimeToFileTime(&to, &end);
    ULARGE_INTEGER t{{start.dwLowDateTime, start.dwHighDateTime}};
    const ULARGE_INTEGER last{{end.dwLowDateTime, end.dwHighDateTime}};
    t.QuadPart -= t.QuadPart % 10000000ULL;
    for (; t.QuadPart <= last.QuadPart; t.QuadPart += 10000000ULL) {
        FILETIME f{t.LowPart, t.HighPart};
        SYSTEMTIME s;
        FileTimeToSystemTime(&f, &s);
        wchar_t date[128] = L"";
        wchar_t time[128] = L"";
        GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &s, nullptr, date, 128);
        GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &s, nullptr, time, 128);
        const bool midnight = s.wHour == 0 && s.wMinute == 0 && s.wSecond == 0;
        std::string text = desktop::ToGbk(midnight ? std::wstring(date) : std::wstring(date) + L" " + time);
        if (text.size() > 20) {
            char iso[32];
            snprintf(iso, sizeof iso, "%04d-%02d-%02d %02d:%02d:%02d", s.wYear, s.wMonth, s.wDay, s.wHour, s.wMinute,
                     s.wSecond);
            text = iso;
        }
        texts.insert(text);
        // A midnight exactly on the second boundary writes the date alone.
        if (midnight) texts.insert(desktop::ToGbk(date));
    }
    return texts;
}

// The user's date and time formats, replaced for one test and put back afterwards.
class LocaleFormats {
public:
    LocaleFormats(const wchar_t* shortDate, const wchar_t* longTime) {
        savedDate_ = Get(LOCALE_SSHORTDATE);
        savedTime_ = Get(LOCALE_STIMEFORMAT);
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, shortDate);
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, longTime);
    }
    ~LocaleFormats() {
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, savedDate_.c_str());
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, savedTime_.c_str());
    }

private:
    static std::wstring Get(LCTYPE type) {
        wchar_t value[128] = L"";
        GetLocaleInfoW(LOCALE_USER_DEFAULT, type, value, 128);
        return value;
    }
    std::wstring savedDate_;
    std::wstring savedTime_;
};

class Book : public VornikTest {
protected:
    // New on the selected node, timed, returning the update time range.
    void NewTimed(SYSTEMTIME& before, SYSTEMTIME& after) {
        GetLocalTime(&before);
        Press(L"新建");
        GetLocalTime(&after);
    }
    // Types the three edits and presses "更新".
    void Fill(const std::wstring& identifier, const std::wstring& userName, const std::wstring& password) {
        desktop::Type(IdentifierEdit(), identifier);
        desktop::Type(UserNameEdit(), userName);
        desktop::Type(PasswordEdit(), password);
        Press(L"更新");
    }
};

TEST_F(Book, FirstStartShowsTheDesignedGroupsAndWritesNothingUntilTheFirstChange) {
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(NodeCount(), 3);
    EXPECT_TRUE(Checked(desktop::FindDescendant(main_, L"蓝色"))) << "StyleNumber 1 shows its item chosen";
    EXPECT_TRUE(Checked(MaskCheckBox()));
    EXPECT_TRUE(Masked(UserNameEdit()));
    EXPECT_TRUE(Masked(PasswordEdit()));
    EXPECT_FALSE(Record().Exists);
    EXPECT_FALSE(Backup().Exists);

    Select(TopLevel(0));
    EXPECT_EQ(desktop::Text(IdentifierEdit()), L"网络");
    Press(L"新建");
    const StoredBook record = Record();
    ASSERT_TRUE(record.Exists);
    EXPECT_EQ(record.Header, "1");
    ASSERT_EQ(record.Nodes.size(), 4u);
    EXPECT_EQ(record.Nodes[0].Caption, "网络");
    EXPECT_EQ(record.Nodes[0].ImageIndex, 1);
    EXPECT_EQ(record.Nodes[0].UpdateTime, "未知");
    EXPECT_EQ(record.Nodes[1].Caption, "新建记录");
    EXPECT_EQ(record.Nodes[2].Caption, "软件");
    EXPECT_EQ(record.Nodes[3].ImageIndex, 3);
    ExpectBothFilesEqual();
    Exit();
}

TEST_F(Book, NewThenUpdateStoresTheTypedRecordAndRestoresTheMask) {
    ASSERT_NO_FATAL_FAILURE(Start());
    Select(TopLevel(1));
    SYSTEMTIME before;
    SYSTEMTIME after;
    NewTimed(before, after);
    EXPECT_EQ(NodeCount(), 4);
    EXPECT_EQ(desktop::Text(IdentifierEdit()), L"新建记录");
    // The new entry's placeholders show as empty edits, unmasked, the check box off.
    EXPECT_EQ(desktop::Text(UserNameEdit()), L"");
    EXPECT_FALSE(Masked(UserNameEdit()));
    EXPECT_FALSE(Masked(PasswordEdit()));
    EXPECT_FALSE(Checked(MaskCheckBox()));
    StoredBook record = Record();
    ASSERT_EQ(record.Nodes.size(), 4u);
    const StoredNode& fresh = record.Nodes[2];
    EXPECT_EQ(fresh.Caption, "新建记录");
    EXPECT_EQ(fresh.Level, 1);
    EXPECT_EQ(fresh.ImageIndex, 0);
    EXPECT_EQ(fresh.UserName, "UserName");
    EXPECT_EQ(fresh.Password, "PassWord");
    EXPECT_TRUE(UpdateTimesBetween(before, after).count(fresh.UpdateTime)) << fresh.UpdateTime;

    GetLocalTime(&before);
    Fill(L"邮箱", L"li.lei@example.cn", L"密码s3cret");
    GetLocalTime(&after);
    EXPECT_TRUE(Checked(MaskCheckBox()));
    EXPECT_TRUE(Masked(UserNameEdit()));
    EXPECT_TRUE(Masked(PasswordEdit()));
    record = Record();
    ASSERT_EQ(record.Nodes.size(), 4u);
    EXPECT_EQ(record.Nodes[2].Caption, "邮箱");
    EXPECT_EQ(record.Nodes[2].UserName, "li.lei@example.cn");
    EXPECT_EQ(record.Nodes[2].Password, "密码s3cret");
    EXPECT_TRUE(UpdateTimesBetween(before, after).count(record.Nodes[2].UpdateTime)) << record.Nodes[2].UpdateTime;
    ExpectBothFilesEqual();

    // A mask the user turned off before New stays off after Update.
    desktop::Click(MaskCheckBox());
    EXPECT_FALSE(Masked(UserNameEdit()));
    Select(TopLevel(0));
    Press(L"新建");
    Fill(L"论坛", L"han", L"x");
    EXPECT_FALSE(Checked(MaskCheckBox()));
    EXPECT_FALSE(Masked(PasswordEdit()));
    Exit();
}

TEST_F(Book, NewBelowARecordOnlyWhileItHoldsNoCredentials) {
    RecordFiles::Write(folder_.Record(), "3",
                       {{"网络", "", "", "未知", 0, 1},
                        {"空记录", "UserName", "PassWord", "2026/1/2 9:05:07", 1, 0},
                        {"邮箱", "li.lei", "s3cret", "2026/1/2 9:05:08", 1, 0},
                        {"软件", "", "", "未知", 0, 2},
                        {"生活", "", "", "未知", 0, 3}});
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(NodeCount(), 5);

    // A record with credentials of its own cannot become a folder: nothing is written.
    Select(Child(TopLevel(0), 1));
    Press(L"新建");
    EXPECT_EQ(NodeCount(), 5);
    EXPECT_FALSE(Backup().Exists);

    // A record that still holds both placeholders takes a sub-record and the folder icon.
    Select(Child(TopLevel(0), 0));
    Press(L"新建");
    EXPECT_EQ(NodeCount(), 6);
    StoredBook record = Record();
    ASSERT_EQ(record.Nodes.size(), 6u);
    EXPECT_EQ(record.Nodes[1].ImageIndex, 4);
    EXPECT_EQ(record.Nodes[2].Caption, "新建记录");
    EXPECT_EQ(record.Nodes[2].Level, 2);
    // Entries behind the new node moved with their nodes.
    EXPECT_EQ(record.Nodes[3].Caption, "邮箱");
    EXPECT_EQ(record.Nodes[3].UserName, "li.lei");
    EXPECT_EQ(record.Nodes[3].UpdateTime, "2026/1/2 9:05:08");

    // Nothing goes below a sub-record.
    Select(Child(Child(TopLevel(0), 0), 0));
    Press(L"新建");
    EXPECT_EQ(NodeCount(), 6);
    Exit();
}

TEST_F(Book, DeleteAsksAndOnlyTheAnswerToGoOnDeletes) {
    RecordFiles::Write(folder_.Record(), "3",
                       {{"网络", "", "", "未知", 0, 1},
                        {"邮箱", "UserName", "PassWord", "未知", 1, 4},
                        {"工作", "li.lei", "s3cret", "2026/1/2 9:05:07", 2, 0},
                        {"论坛", "han", "x", "2026/1/2 9:05:08", 1, 0},
                        {"软件", "", "", "未知", 0, 2},
                        {"生活", "", "", "未知", 0, 3}});
    ASSERT_NO_FATAL_FAILURE(Start());

    // Groups and records holding sub-records are not deleted, and nobody is asked.
    Select(TopLevel(0));
    Press(L"删除");
    Select(Child(TopLevel(0), 0));
    Press(L"删除");
    EXPECT_EQ(desktop::FindTopLevel(app_->Pid(), L"确认", true), nullptr);
    EXPECT_EQ(NodeCount(), 6);

    Select(Child(Child(TopLevel(0), 0), 0));
    HWND dialog = PressForDialog(L"删除");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(app_->Answer(L"不得行"));
    EXPECT_EQ(NodeCount(), 6);
    EXPECT_FALSE(Backup().Exists) << "nothing saved";

    ASSERT_NE(PressForDialog(L"删除"), nullptr);
    ASSERT_TRUE(app_->Answer(L"要得"));
    ASSERT_TRUE(desktop::WaitFor([&] { return Backup().Exists; }));
    EXPECT_EQ(NodeCount(), 5);
    const StoredBook record = Record();
    ASSERT_EQ(record.Nodes.size(), 5u);
    // The record lost its last sub-record and looks like a record again.
    EXPECT_EQ(record.Nodes[1].Caption, "邮箱");
    EXPECT_EQ(record.Nodes[1].ImageIndex, 0);
    EXPECT_EQ(record.Nodes[2].Caption, "论坛");
    EXPECT_EQ(record.Nodes[2].UserName, "han");
    EXPECT_EQ(record.Nodes[2].UpdateTime, "2026/1/2 9:05:08");
    ExpectBothFilesEqual();
    Exit();
}

TEST_F(Book, DeletingTheLastSubRecordShowsItsRecordEditableWithItsEntries) {
    RecordFiles::Write(folder_.Record(), "3",
                       {{"网络", "", "", "未知", 0, 1},
                        {"邮箱", "li.lei@example.cn", "s3cret", "2026/1/2 9:05:07", 1, 4},
                        {"工作", "han", "x", "2026/1/2 9:05:08", 2, 0},
                        {"软件", "", "", "未知", 0, 2},
                        {"生活", "", "", "未知", 0, 3}});
    ASSERT_NO_FATAL_FAILURE(Start());
    // Opened by clicks, row by row: 网络, 邮箱, 工作.
    MouseClickRow(0, 0);
    MouseClickRow(1, 1);
    MouseClickRow(2, 2);
    ASSERT_TRUE(desktop::WaitFor([&] { return desktop::Text(IdentifierEdit()) == L"工作"; }));
    ForgetBackup();
    MouseClick(L"删除");
    ASSERT_TRUE(app_->Answer(L"要得"));
    ASSERT_TRUE(WaitForSave(4));
    EXPECT_EQ(desktop::Text(IdentifierEdit()), L"邮箱");
    EXPECT_EQ(desktop::Text(UserNameEdit()), L"li.lei@example.cn");
    EXPECT_EQ(desktop::Text(PasswordEdit()), L"s3cret");
    EXPECT_EQ(GetWindowLongPtrW(UserNameEdit(), GWL_STYLE) & ES_READONLY, 0);
    EXPECT_EQ(GetWindowLongPtrW(PasswordEdit(), GWL_STYLE) & ES_READONLY, 0);
    ForgetBackup();
    MouseClick(L"更新");
    ASSERT_TRUE(WaitForSave(4));
    const StoredBook record = Record();
    EXPECT_EQ(record.Nodes[1].UserName, "li.lei@example.cn");
    EXPECT_EQ(record.Nodes[1].Password, "s3cret");
    EXPECT_EQ(record.Nodes[1].ImageIndex, 0);
    Exit();
}

TEST_F(Book, ARecordWhoseNewSubRecordIsDeletedTakesTypedCredentials) {
    ASSERT_NO_FATAL_FAILURE(Start());
    MouseClickRow(0, 0);
    ASSERT_TRUE(desktop::WaitFor([&] { return desktop::Text(IdentifierEdit()) == L"网络"; }));
    ForgetBackup();
    MouseClick(L"新建");
    ASSERT_TRUE(WaitForSave(4));
    ForgetBackup();
    MouseClick(L"新建");
    ASSERT_TRUE(WaitForSave(5));
    ForgetBackup();
    MouseClick(L"删除");
    ASSERT_TRUE(app_->Answer(L"要得"));
    ASSERT_TRUE(WaitForSave(4));
    EXPECT_EQ(desktop::Text(IdentifierEdit()), L"新建记录");
    EXPECT_EQ(GetWindowLongPtrW(UserNameEdit(), GWL_STYLE) & ES_READONLY, 0);
    EXPECT_EQ(GetWindowLongPtrW(PasswordEdit(), GWL_STYLE) & ES_READONLY, 0);
    // Typed by the user into the record's edits.
    RECT r{};
    GetClientRect(UserNameEdit(), &r);
    desktop::MouseClickAt(UserNameEdit(), r.right / 2, r.bottom / 2);
    desktop::SendText(L"li.lei");
    desktop::MouseClickAt(PasswordEdit(), r.right / 2, r.bottom / 2);
    desktop::SendText(L"密码1");
    ASSERT_TRUE(desktop::WaitFor([&] { return desktop::Text(PasswordEdit()) == L"密码1"; }));
    EXPECT_EQ(desktop::Text(UserNameEdit()), L"li.lei");
    ForgetBackup();
    MouseClick(L"更新");
    ASSERT_TRUE(WaitForSave(4));
    const StoredBook record = Record();
    EXPECT_EQ(record.Nodes[1].Password, "密码1");
    EXPECT_EQ(record.Nodes[1].Level, 1);
    EXPECT_EQ(record.Nodes[1].ImageIndex, 0);
    ExpectBothFilesEqual();
    Exit();
}

TEST_F(Book, TypedCredentialsStopAtWhatTheirFieldsKeep) {
    ASSERT_NO_FATAL_FAILURE(Start());
    MouseClickRow(0, 0);
    ASSERT_TRUE(desktop::WaitFor([&] { return desktop::Text(IdentifierEdit()) == L"网络"; }));
    ForgetBackup();
    MouseClick(L"新建");
    ASSERT_TRUE(WaitForSave(4));
    const std::wstring userName = L"abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const std::wstring password = L"s3cret-passphrase-with-39-characters-!!";
    ASSERT_EQ(userName.size(), 62u);
    ASSERT_EQ(password.size(), 39u);
    RECT r{};
    GetClientRect(UserNameEdit(), &r);
    desktop::MouseClickAt(UserNameEdit(), r.right / 2, r.bottom / 2);
    desktop::SendText(userName);
    desktop::MouseClickAt(PasswordEdit(), r.right / 2, r.bottom / 2);
    desktop::SendText(password);
    ASSERT_TRUE(desktop::WaitFor([&] { return desktop::Text(PasswordEdit()) == password.substr(0, 30); }))
        << desktop::ToGbk(desktop::Text(PasswordEdit()));
    EXPECT_EQ(desktop::Text(UserNameEdit()), userName.substr(0, 50));
    ForgetBackup();
    MouseClick(L"更新");
    ASSERT_TRUE(WaitForSave(4));
    const StoredNode stored = Record().Nodes.at(1);
    EXPECT_EQ(stored.UserName, desktop::ToGbk(userName.substr(0, 50)));
    EXPECT_EQ(stored.Password, desktop::ToGbk(password.substr(0, 30)));
    // The copy buttons give exactly what the file holds.
    desktop::SetClipboardText(L"");
    MouseClick(L"用户名");
    EXPECT_TRUE(desktop::WaitFor([&] { return desktop::ClipboardText() == desktop::FromGbk(stored.UserName); }));
    MouseClick(L"密码");
    EXPECT_TRUE(desktop::WaitFor([&] { return desktop::ClipboardText() == desktop::FromGbk(stored.Password); }));
    Exit();

    // After a restart the record shows the same texts.
    ASSERT_NO_FATAL_FAILURE(Start());
    MouseClickRow(0, 0);
    MouseClickRow(1, 1);
    ASSERT_TRUE(desktop::WaitFor([&] { return desktop::Text(IdentifierEdit()) == L"新建记录"; }));
    EXPECT_EQ(desktop::Text(UserNameEdit()), desktop::FromGbk(stored.UserName));
    EXPECT_EQ(desktop::Text(PasswordEdit()), desktop::FromGbk(stored.Password));
    Exit();
}

TEST_F(Book, CopyButtonsPutTheFullTextOnTheClipboardEvenWhenMasked) {
    RecordFiles::Write(folder_.Record(), "3",
                       {{"网络", "", "", "未知", 0, 1},
                        {"邮箱", "li.lei@example.cn", "密码s3cret", "未知", 1, 0},
                        {"软件", "", "", "未知", 0, 2},
                        {"生活", "", "", "未知", 0, 3}});
    ASSERT_NO_FATAL_FAILURE(Start());
    Select(Child(TopLevel(0), 0));
    ASSERT_TRUE(Masked(UserNameEdit()));
    Press(L"标识");
    EXPECT_EQ(desktop::ClipboardText(), L"邮箱");
    Press(L"用户名");
    EXPECT_EQ(desktop::ClipboardText(), L"li.lei@example.cn");
    Press(L"密码");
    EXPECT_EQ(desktop::ClipboardText(), L"密码s3cret");

    // A group shows no credentials: copying them leaves the clipboard as it was.
    Select(TopLevel(1));
    desktop::SetClipboardText(L"untouched");
    Press(L"用户名");
    Press(L"密码");
    EXPECT_EQ(desktop::ClipboardText(), L"untouched");

    // The label beside the check box clicks it.
    Select(Child(TopLevel(0), 0));
    HWND panel = GetParent(MaskCheckBox());
    const POINT label = desktop::ToClient(main_, panel, POINT{1 + 304 + 16, 139 + 8});
    desktop::ClickAt(panel, label.x, label.y);
    EXPECT_FALSE(Checked(MaskCheckBox()));
    EXPECT_FALSE(Masked(PasswordEdit()));
    desktop::ClickAt(panel, label.x, label.y);
    EXPECT_TRUE(Checked(MaskCheckBox()));
    EXPECT_TRUE(Masked(PasswordEdit()));
    Exit();
}

TEST_F(Book, ACopiedPasswordLeavesTheClipboardAfterTheDelayAndAtTheExit) {
    RecordFiles::Write(folder_.Record(), "3",
                       {{"网络", "", "", "未知", 0, 1},
                        {"邮箱", "li.lei@example.cn", "密码s3cret", "未知", 1, 0},
                        {"软件", "", "", "未知", 0, 2},
                        {"生活", "", "", "未知", 0, 3}});
    ClearDelaySetting delay;
    delay.Set(2);
    ASSERT_NO_FATAL_FAILURE(Start());
    Select(Child(TopLevel(0), 0));
    Press(L"密码");
    // An X program reads it at once; the marks that keep it out of the history come with it.
    EXPECT_EQ(desktop::XClipboardText(folder_.Path()), L"密码s3cret");
    EXPECT_TRUE(IsClipboardFormatAvailable(RegisterClipboardFormatW(L"CanIncludeInClipboardHistory")));
    EXPECT_TRUE(desktop::WaitFor([] { return !IsClipboardFormatAvailable(CF_UNICODETEXT); }, 5000));
    EXPECT_TRUE(desktop::WaitFor([&] { return desktop::XClipboardText(folder_.Path()).empty(); }));
    Exit();

    // With the default delay the confirmed exit empties it.
    delay.Remove();
    ASSERT_NO_FATAL_FAILURE(Start());
    Select(Child(TopLevel(0), 0));
    Press(L"用户名");
    EXPECT_EQ(desktop::ClipboardText(), L"li.lei@example.cn");
    Exit();
    EXPECT_EQ(desktop::ClipboardText(), L"");
}

TEST_F(Book, FiftyNodesAtMost) {
    std::vector<StoredNode> nodes = DesignedGroups();
    for (int i = 0; i < 46; ++i)
        nodes.insert(nodes.begin() + 1, StoredNode{"记录" + std::to_string(i), "UserName", "PassWord", "未知", 1, 0});
    RecordFiles::Write(folder_.Record(), "3", nodes);
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_EQ(NodeCount(), 49);

    Select(TopLevel(2));
    Press(L"新建");
    EXPECT_EQ(NodeCount(), 50);
    EXPECT_EQ(Record().Nodes.size(), 50u);
    DeleteFileW(folder_.Backup().c_str());
    Press(L"新建");
    EXPECT_EQ(NodeCount(), 50);
    EXPECT_FALSE(Backup().Exists) << "a refused New saves nothing";
    Exit();
}

TEST_F(Book, NewByMouseLeavesEveryRowOfTheTreeWhereTheUserSeesIt) {
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_EQ(desktop::Text(IdentifierEdit()), L"");
    // Three times: a click on "网络" in the top row, then on "新建".
    for (int i = 1; i <= 3; ++i) {
        MouseClickRow(0, 0);
        ASSERT_TRUE(desktop::WaitFor([&] { return desktop::Text(IdentifierEdit()) == L"网络"; })) << "step " << i;
        ForgetBackup();
        MouseClick(L"新建");
        ASSERT_TRUE(WaitForSave(3 + i)) << "step " << i;
        EXPECT_EQ(RowItem(0), TopLevel(0)) << "the top row after step " << i;
    }
    // All six rows fit: each is shown, in order, and no scroll bar stands in the way.
    for (int row = 0; row < 6; ++row) EXPECT_NE(RowItem(row), nullptr) << "row " << row;
    EXPECT_EQ(RowItem(4), TopLevel(1));
    EXPECT_EQ(RowItem(5), TopLevel(2));
    EXPECT_EQ(GetWindowLongPtrW(Tree(), GWL_STYLE) & WS_VSCROLL, 0);
    // "网络" is still where the user clicked it: a fourth New adds a record under it.
    MouseClickRow(0, 0);
    ASSERT_TRUE(desktop::WaitFor([&] { return desktop::Text(IdentifierEdit()) == L"网络"; }));
    ForgetBackup();
    MouseClick(L"新建");
    ASSERT_TRUE(WaitForSave(7));
    const StoredBook record = Record();
    ASSERT_EQ(record.Nodes.size(), 7u);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(record.Nodes[static_cast<size_t>(i)].Level, 1) << "node " << i;
        EXPECT_EQ(record.Nodes[static_cast<size_t>(i)].ImageIndex, 0) << "node " << i;
    }
    EXPECT_EQ(record.Nodes[5].Caption, "软件");
    Exit();
}

TEST_F(Book, AFullBookScrollsToItsFirstAndLastRows) {
    std::vector<StoredNode> nodes = DesignedGroups();
    for (int i = 0; i < 46; ++i)
        nodes.insert(nodes.begin() + 1, StoredNode{"记录" + std::to_string(i), "UserName", "PassWord", "未知", 1, 0});
    RecordFiles::Write(folder_.Record(), "3", nodes);
    ASSERT_NO_FATAL_FAILURE(Start());
    // The 50th node by New under the last group, selected and in view, with a scroll bar.
    MouseClickRow(0, 0);
    ASSERT_TRUE(desktop::WaitFor([&] { return desktop::Text(IdentifierEdit()) == L"网络"; }));
    Select(TopLevel(2));
    ForgetBackup();
    MouseClick(L"新建");
    ASSERT_TRUE(WaitForSave(50));
    EXPECT_NE(GetWindowLongPtrW(Tree(), GWL_STYLE) & WS_VSCROLL, 0);
    HTREEITEM added = Child(TopLevel(2), 0);
    const auto selected = reinterpret_cast<HTREEITEM>(SendMessageW(Tree(), TVM_GETNEXTITEM, TVGN_CARET, 0));
    EXPECT_EQ(selected, added);
    const int fitting = static_cast<int>(SendMessageW(Tree(), TVM_GETVISIBLECOUNT, 0, 0));
    bool shown = false;
    for (int row = 0; row < fitting; ++row) shown = shown || RowItem(row) == added;
    EXPECT_TRUE(shown) << "the new node is in view";
    EXPECT_EQ(RowItem(fitting), nullptr) << "no blank rows below the last one";
    // Home and End on the keyboard reach the first and the last row.
    MouseClickRow(1, 1);
    desktop::SendChord({VK_HOME});
    ASSERT_TRUE(desktop::WaitFor([&] { return RowItem(0) == TopLevel(0); }));
    EXPECT_EQ(desktop::Text(IdentifierEdit()), L"网络");
    desktop::SendChord({VK_END});
    ASSERT_TRUE(desktop::WaitFor([&] { return desktop::Text(IdentifierEdit()) == L"新建记录"; }));
    EXPECT_EQ(RowItem(fitting - 1), added);
    Exit();
}

TEST_F(Book, AnUpdateTimeTooLongForItsFieldIsWrittenSortable) {
    // An English-style locale: "12/08/2026 12:34:56 AM" has 22 bytes.
    LocaleFormats english(L"MM/dd/yyyy", L"hh:mm:ss tt");
    ASSERT_NO_FATAL_FAILURE(Start());
    Select(TopLevel(0));
    SYSTEMTIME before;
    SYSTEMTIME after;
    NewTimed(before, after);
    const StoredBook record = Record();
    ASSERT_EQ(record.Nodes.size(), 4u);
    const std::string& time = record.Nodes[1].UpdateTime;
    EXPECT_TRUE(Sortable(time)) << time;
    EXPECT_TRUE(UpdateTimesBetween(before, after).count(time)) << time;
    // The label cuts that time short under "删除"; resting the pointer on it shows all of it.
    desktop::RealMouseTo(main_, 40, 229);
    EXPECT_TRUE(desktop::WaitFor([&] {
        return desktop::FindTopLevel(app_->Pid(), L"更新时间:" + desktop::FromGbk(time), true) != nullptr;
    }));
    Exit();
}

TEST_F(Book, AnUpdateTimeThatFitsKeepsTheUsersFormats) {
    LocaleFormats chinese(L"yyyy/M/d", L"H:mm:ss");
    ASSERT_NO_FATAL_FAILURE(Start());
    Select(TopLevel(0));
    SYSTEMTIME before;
    SYSTEMTIME after;
    NewTimed(before, after);
    const std::string time = Record().Nodes.at(1).UpdateTime;
    EXPECT_FALSE(Sortable(time)) << time;
    EXPECT_TRUE(UpdateTimesBetween(before, after).count(time)) << time;
    Exit();
}

// The pixels of a rectangle of the screen, once they stop changing (the paint has landed) and, for a
// while at least, once they differ from `unlike`.
std::vector<COLORREF> SettledPixels(const RECT& r, const std::vector<COLORREF>& unlike = {}) {
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    auto grab = [&] {
        std::vector<COLORREF> pixels;
        HDC screen = GetDC(nullptr);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(screen, r.left + x, r.top + y));
        ReleaseDC(nullptr, screen);
        return pixels;
    };
    std::vector<COLORREF> last = grab();
    // A paint still to come leaves the old pixels: wait for them to change first.
    for (int i = 0; i < 40 && last == unlike; ++i) {
        Sleep(50);
        last = grab();
    }
    for (int i = 0; i < 40; ++i) {
        Sleep(50);
        std::vector<COLORREF> now = grab();
        if (now == last) return now;
        last = std::move(now);
    }
    return last;
}

TEST_F(Book, TheUpdateTimeLabelShowsTheEntrysOwnTimeRightAfterNewAndUpdate) {
    // Short formats, so the seconds that tell New's time from Update's are in the label's width.
    LocaleFormats brief(L"M/d", L"H:mm:ss");
    ASSERT_NO_FATAL_FAILURE(Start());
    // The label's place on the screen: the skinned form's panel sits at (1, 0).
    POINT origin{4, 221};
    ClientToScreen(main_, &origin);
    const RECT label{origin.x, origin.y, origin.x + 216, origin.y + 16};
    auto reselected = [&](HTREEITEM item) {
        Select(TopLevel(2));
        Select(item);
        return SettledPixels(label);
    };

    // New below "网络": before its entry moved up, index 1 held "软件"'s time ("未知").
    Select(TopLevel(0));
    Press(L"新建");
    const std::vector<COLORREF> afterNew = SettledPixels(label);
    HTREEITEM fresh = Child(TopLevel(0), 0);
    EXPECT_EQ(afterNew, reselected(fresh)) << "the label shows the new entry's time, as selecting it does";

    // Update stamps a new time, which the label shows at once.
    Select(fresh);
    Sleep(1100);  // a later second than New's
    Fill(L"邮箱", L"han", L"x");
    const std::vector<COLORREF> afterUpdate = SettledPixels(label, afterNew);
    EXPECT_NE(afterUpdate, afterNew);
    EXPECT_EQ(afterUpdate, reselected(fresh));
    Exit();
}

} // namespace
