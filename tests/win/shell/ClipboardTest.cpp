// The clipboard as text: Chinese text survives the trip through Unicode text, what other
// programs put there as raw Unicode text is read right, and an empty clipboard reads as no
// text.
#include "framework/core/WideText.h"
#include "framework/shell/Clipboard.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

using namespace fw;

namespace {

// Puts raw bytes on the clipboard as CF_UNICODETEXT, the way another program would.
void PutRawUnicode(const void* bytes, size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    ASSERT_NE(memory, nullptr);
    std::memcpy(GlobalLock(memory), bytes, size);
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    ASSERT_NE(SetClipboardData(CF_UNICODETEXT, memory), nullptr);
    CloseClipboard();
}

std::wstring ReadRawUnicode() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return L"<not opened>";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

TEST(ClipboardText, ChineseTextMakesTheRoundTripUnchanged) {
    const std::string password = "密码Pa$$ 退    出！";
    Clipboard::SetAsText(password);
    EXPECT_TRUE(Clipboard::HasText());
    EXPECT_EQ(Clipboard::AsText(), password);
}

TEST(ClipboardText, OtherProgramsFindUnicodeText) {
    Clipboard::SetAsText("用户名admin");
    EXPECT_EQ(ReadRawUnicode(), L"\u7528\u6237\u540Dadmin");
}

TEST(ClipboardText, UnicodeTextOfAnotherProgramIsReadAsGbk) {
    const wchar_t text[] = L"\u663E\u793A\u754C\u9762 ok";  // 显示界面 ok
    PutRawUnicode(text, sizeof(text));
    EXPECT_EQ(Clipboard::AsText(), std::string("显示界面 ok"));
    // Characters GBK does not have turn into '?' instead of breaking the text.
    const wchar_t foreign[] = L"a\u0E01b";
    PutRawUnicode(foreign, sizeof(foreign));
    EXPECT_EQ(Clipboard::AsText(), "a?b");
}

TEST(ClipboardText, AClearedClipboardHoldsNoText) {
    Clipboard::SetAsText("x");
    Clipboard::Clear();
    EXPECT_FALSE(Clipboard::HasText());
    EXPECT_EQ(Clipboard::AsText(), "");
}

TEST(ClipboardText, EmptyTextAndTextWithANulByte) {
    Clipboard::SetAsText("");
    EXPECT_TRUE(Clipboard::HasText());
    EXPECT_EQ(Clipboard::AsText(), "");
    Clipboard::SetAsText(std::string("ab\0cd", 5));
    EXPECT_EQ(Clipboard::AsText(), "ab") << "text ends at a NUL on the clipboard";
}

} // namespace
