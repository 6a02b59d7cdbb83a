// The build turns narrow literals into GBK; these checks make sure that what reaches Win32
// through code page 936 is the intended text, whatever the system's ANSI code page is.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring FromCodePage936(const std::string& bytes) {
    const int n = MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
    return out;
}

TEST(Encoding, NarrowLiteralsAreGbkAndConvertThroughCodePage936) {
    const std::string caption = "我的Vornik";
    ASSERT_EQ(caption.size(), 10u) << "two bytes per Chinese character";
    EXPECT_EQ(FromCodePage936(caption), std::wstring(L"\u6211\u7684Vornik"));
    EXPECT_EQ(FromCodePage936("真的要退出程序吗？"), std::wstring(L"\u771f\u7684\u8981\u9000\u51fa\u7a0b\u5e8f\u5417\uff1f"));
}

TEST(Encoding, WindowCaptionSurvivesTheWideBoundary) {
    const std::wstring wide = FromCodePage936("我的Vornik");
    HWND hwnd = CreateWindowExW(0, L"STATIC", wide.c_str(), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(hwnd, nullptr);
    wchar_t buffer[64] = {};
    GetWindowTextW(hwnd, buffer, 64);
    EXPECT_EQ(std::wstring(buffer), wide);
    HWND found = FindWindowW(nullptr, wide.c_str());
    EXPECT_EQ(found, hwnd) << "the single-instance test finds windows by this caption";
    DestroyWindow(hwnd);
}

} // namespace
