// The single-line edit over the native one: the whole text behind a password character,
// text through code page 936 both ways, one change event per change, the byte limit on
// typing and pasting, read-only, auto-select and the non-client frame for derived borders.
#include "tests/win/stdctrls/StdCtrlsTestSupport.h"

#include "framework/core/Properties.h"
#include "framework/graphics/Win32Color.h"
#include "framework/stdctrls/Edit.h"

#include <string>
#include <vector>

using namespace fw;
using stdctrls_test::FormFixture;
using stdctrls_test::WindowTextOf;

namespace {

void Type(Edit* edit, const std::string& gbk) {
    for (wchar_t ch : GbkToWide(gbk)) SendMessageW(edit->Handle(), WM_CHAR, ch, 1);
}

void PutOnClipboard(HWND owner, const std::string& gbk) {
    const std::wstring text = GbkToWide(gbk);
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::copy(text.c_str(), text.c_str() + text.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

struct EditFixture : FormFixture {
    Edit* edit = nullptr;
    int changes = 0;
    void SetUp() override {
        FormFixture::SetUp();
        edit = Add<Edit>(10, 10, 121, 22);
        edit->OnChange = [this](Component*) { ++changes; };
    }
};

TEST_F(EditFixture, APasswordEditShowsMasksButGivesItsWholeText) {
    edit->SetPasswordChar('*');
    edit->SetText("密码Pass1");
    HWND h = edit->Handle();
    EXPECT_EQ(SendMessageW(h, EM_GETPASSWORDCHAR, 0, 0), '*');
    EXPECT_NE(GetWindowLongPtrW(h, GWL_STYLE) & ES_PASSWORD, 0);
    EXPECT_EQ(edit->Text(), "密码Pass1");
    EXPECT_EQ(WindowTextOf(h), "密码Pass1") << "the window holds the real text";

    SendMessageW(h, EM_SETSEL, 100, 100);
    Type(edit, "新9");
    EXPECT_EQ(edit->Text(), "密码Pass1新9") << "typed characters behind the mask reach the text";
    EXPECT_EQ(GetPropertyValue(*edit, "Text").AsText(), "密码Pass1新9");

    edit->SetPasswordChar(0);
    EXPECT_EQ(SendMessageW(h, EM_GETPASSWORDCHAR, 0, 0), 0);
    EXPECT_EQ(edit->Text(), "密码Pass1新9");
    SetPropertyValue(*edit, "PasswordChar", PropertyValue::FromText("*"));
    EXPECT_EQ(SendMessageW(h, EM_GETPASSWORDCHAR, 0, 0), '*');
    EXPECT_THROW(SetPropertyValue(*edit, "PasswordChar", PropertyValue::FromText("**")), Exception);
}

TEST_F(EditFixture, TextCrossesTheWideBoundaryIntactAndSurvivesRecreation) {
    const std::string text = "标识：网络/软件 ABC-123";
    edit->SetText(text);
    EXPECT_EQ(WindowTextOf(edit->Handle()), text);
    SetWindowTextW(edit->Handle(), GbkToWide("用户名 user").c_str());
    EXPECT_EQ(edit->Text(), "用户名 user") << "a change made in the window comes back";
    edit->SetCharCase(EditCharCase::UpperCase);
    EXPECT_EQ(edit->Text(), "用户名 USER") << "the new letter case applies to the text kept";
    EXPECT_EQ(WindowTextOf(edit->Handle()), "用户名 USER");
}

TEST_F(EditFixture, EveryChangeRunsOnChangeOnce) {
    edit->SetText("a");
    EXPECT_EQ(changes, 1);
    edit->SetText("a");
    EXPECT_EQ(changes, 1) << "the same text is no change";
    SendMessageW(edit->Handle(), EM_SETSEL, 1, 1);
    Type(edit, "b中");
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(edit->Text(), "ab中");
    SendMessageW(edit->Handle(), WM_CHAR, VK_BACK, 1);
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(edit->Text(), "ab");

    Edit* unshown = new Edit(form.get());
    int early = 0;
    unshown->OnChange = [&](Component*) { ++early; };
    unshown->SetText("x");
    EXPECT_EQ(early, 1) << "also without a window";
    unshown->SetParent(form.get());
    EXPECT_EQ(WindowTextOf(unshown->Handle()), "x");
    EXPECT_EQ(early, 1) << "making the window is no change";
}

TEST_F(EditFixture, MaxLengthCountsBytesOfTypedAndPastedText) {
    edit->SetMaxLength(5);
    Type(edit, "网络ab");
    EXPECT_EQ(edit->Text(), "网络a") << "two Chinese characters take four of the five bytes";
    Type(edit, "中");
    EXPECT_EQ(edit->Text(), "网络a");
    SendMessageW(edit->Handle(), EM_SETSEL, 0, 1);  // select 网
    Type(edit, "中");
    EXPECT_EQ(edit->Text(), "中络a") << "replacing a selection frees its bytes";

    edit->SetText("");
    edit->SetMaxLength(6);
    PutOnClipboard(edit->Handle(), "中文字符串\r\n第二行");
    SendMessageW(edit->Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(edit->Text(), "中文字") << "pasting keeps what fits, never half a character";
    edit->SetText("ab");
    SendMessageW(edit->Handle(), EM_SETSEL, 2, 2);
    PutOnClipboard(edit->Handle(), "cde\r\nfg");
    SendMessageW(edit->Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(edit->Text(), "abcde") << "a single line takes the first line";
    edit->SetText("程序设置的长文本");
    EXPECT_EQ(edit->Text(), "程序设置的长文本") << "the limit is on the user's input only";
}

TEST_F(EditFixture, TheByteLimitHoldsForKeyboardInputAndEveryPasteKey) {
    SetForegroundWindow(form->Handle());
    ASSERT_TRUE(fwtest::PumpUntil([&] { return GetForegroundWindow() == form->Handle(); }));
    edit->SetFocus();
    auto typeKeys = [&](const std::string& gbk) {
        std::vector<INPUT> keys;
        for (wchar_t ch : GbkToWide(gbk))
            for (DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
                INPUT in{};
                in.type = INPUT_KEYBOARD;
                in.ki.wScan = ch;
                in.ki.dwFlags = KEYEVENTF_UNICODE | up;
                keys.push_back(in);
            }
        SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
    };
    auto settle = [&](const std::string& expected) {
        fwtest::PumpUntil([&] { return edit->Text() == expected; }, 2000);
        return edit->Text();
    };
    const std::string ascii = "abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    // The user name and identifier keep 50 bytes, the password 30.
    edit->SetMaxLength(50);
    typeKeys(ascii);
    EXPECT_EQ(settle(ascii.substr(0, 50)), ascii.substr(0, 50));
    edit->SetText("");
    edit->SetMaxLength(30);
    typeKeys(std::string(29, 'x') + "密码");
    EXPECT_EQ(settle(std::string(29, 'x')), std::string(29, 'x')) << "a character of two bytes does not fit into one";
    edit->SetText("");
    typeKeys("网络密码长度超过限制的中文文本");
    EXPECT_EQ(settle("网络密码长度超过限制的中文文本"), "网络密码长度超过限制的中文文本") << "exactly 30 bytes";

    // Ctrl+V and Shift+Insert paste what fits, cut on a character boundary.
    for (std::initializer_list<WORD> chord : {std::initializer_list<WORD>{VK_CONTROL, 'V'},
                                              std::initializer_list<WORD>{VK_SHIFT, VK_INSERT}}) {
        edit->SetText("");
        PutOnClipboard(edit->Handle(), std::string(15, 'a') + "中文字符串中文字符串");
        fwtest::SendChord(chord);
        EXPECT_EQ(settle(std::string(15, 'a') + "中文字符串中文"), std::string(15, 'a') + "中文字符串中文");
        SendMessageW(edit->Handle(), EM_SETSEL, 0, 0);
        PutOnClipboard(edit->Handle(), "12");
        fwtest::SendChord(chord);
        EXPECT_EQ(settle("1" + std::string(15, 'a') + "中文字符串中文"), "1" + std::string(15, 'a') + "中文字符串中文")
            << "the paste is cut where it went in, before the caret";
    }
}

TEST_F(EditFixture, AReadOnlyEditKeepsItsText) {
    edit->SetText("固定");
    SetPropertyValue(*edit, "ReadOnly", PropertyValue::FromBoolean(true));
    EXPECT_NE(GetWindowLongPtrW(edit->Handle(), GWL_STYLE) & ES_READONLY, 0);
    SendMessageW(edit->Handle(), EM_SETSEL, 0, -1);
    Type(edit, "x");
    EXPECT_EQ(edit->Text(), "固定");
    edit->SetReadOnly(false);
    SendMessageW(edit->Handle(), EM_SETSEL, 0, -1);
    Type(edit, "x");
    EXPECT_EQ(edit->Text(), "x");
}

TEST_F(EditFixture, EnteringSelectsEverythingWhenAutoSelectIsOn) {
    Edit* other = Add<Edit>(10, 40, 121, 22);
    edit->SetText("网络abc");
    other->SetFocus();
    edit->SetFocus();
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_EQ(edit->SelLength(), 7) << "selection in GBK bytes";
    EXPECT_EQ(edit->SelText(), "网络abc");
    edit->SetSelStart(2);
    edit->SetSelLength(3);
    EXPECT_EQ(edit->SelText(), "络a");

    edit->SetAutoSelect(false);
    other->SetFocus();
    edit->SetSelStart(4);
    edit->SetFocus();
    EXPECT_EQ(edit->SelLength(), 0);
}

TEST_F(EditFixture, DescriptionPropertiesAreKept) {
    SetPropertyValue(*edit, "ImeName", PropertyValue::FromText("itABC 5.22 "));
    SetPropertyValue(*edit, "MaxLength", PropertyValue::FromInteger(30));
    SetPropertyValue(*edit, "AutoSelect", PropertyValue::FromBoolean(false));
    EXPECT_EQ(GetPropertyValue(*edit, "ImeName").AsText(), "itABC 5.22 ");
    EXPECT_EQ(edit->MaxLength(), 30);
    EXPECT_FALSE(edit->AutoSelect());
    EXPECT_EQ(edit->ClassName(), "TEdit");
    EXPECT_EQ(GetPropertyValue(*edit, "BorderStyle").EnumName(), "bsSingle");
}

TEST_F(EditFixture, BorderWidthMakesAFrameAroundTheClientArea) {
    edit->SetBorderStyle(ControlBorderStyle::None);
    edit->SetColor(clYellow);
    edit->SetBorderWidth(2);
    RECT client;
    GetClientRect(edit->Handle(), &client);
    EXPECT_EQ(client.right, 121 - 4);
    EXPECT_EQ(client.bottom, 22 - 4);
    POINT origin{0, 0};
    ClientToScreen(edit->Handle(), &origin);
    RECT window;
    GetWindowRect(edit->Handle(), &window);
    EXPECT_EQ(origin.x - window.left, 2);
    EXPECT_EQ(origin.y - window.top, 2);

    RedrawWindow(edit->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetWindowDC(edit->Handle());
    EXPECT_EQ(RgbToColor(GetPixel(dc, 0, 0)), clYellow) << "the frame takes the control's colour";
    EXPECT_EQ(RgbToColor(GetPixel(dc, 1, 10)), clYellow);
    EXPECT_EQ(RgbToColor(GetPixel(dc, 120, 21)), clYellow);
    ReleaseDC(edit->Handle(), dc);
}

} // namespace
