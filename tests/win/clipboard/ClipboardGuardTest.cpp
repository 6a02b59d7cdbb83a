// The clipboard guard on the real clipboard: copies marked private in the same transaction as
// the text, emptied after the delay from the registry and at the exit, but never when another
// window has put something there since.
#include "app/clipboard/ClipboardGuard.h"
#include "framework/shell/Clipboard.h"
#include "tests/win/clipboard/ClearDelaySetting.h"
#include "tests/win/graphics/PixelTestUtil.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

using fw::Clipboard;
using graphics_test::PumpUntil;

const wchar_t* const kPrivateFormats[] = {L"ExcludeClipboardContentFromMonitorProcessing",
                                          L"CanIncludeInClipboardHistory", L"CanUploadToCloudClipboard"};

bool HasAllPrivateFormats() {
    for (const wchar_t* name : kPrivateFormats)
        if (!IsClipboardFormatAvailable(RegisterClipboardFormatW(name))) return false;
    return IsClipboardFormatAvailable(CF_UNICODETEXT) != 0;
}

std::vector<BYTE> FormatData(const wchar_t* name) {
    std::vector<BYTE> bytes;
    if (!OpenClipboard(nullptr)) return bytes;
    if (HANDLE data = GetClipboardData(RegisterClipboardFormatW(name))) {
        const auto* p = static_cast<const BYTE*>(GlobalLock(data));
        if (p != nullptr) bytes.assign(p, p + GlobalSize(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return bytes;
}

void PumpFor(DWORD ms) { PumpUntil([] { return false; }, ms); }

// Another program's window: it hears of every clipboard change, noting whether the private
// formats came with the text, and copies text of its own.
class OtherWindow {
public:
    OtherWindow() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ClipboardGuardTestOther";
        RegisterClassW(&wc);
        hwnd_ = CreateWindowExW(0, wc.lpszClassName, L"other", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                wc.hInstance, nullptr);
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        AddClipboardFormatListener(hwnd_);
    }
    ~OtherWindow() {
        RemoveClipboardFormatListener(hwnd_);
        DestroyWindow(hwnd_);
    }

    void Copy(const std::wstring& text) {
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
        std::memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
        GlobalUnlock(memory);
        ASSERT_TRUE(OpenClipboard(hwnd_));
        EmptyClipboard();
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
    }

    int updates = 0;
    int updatesWithAllFormats = 0;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_CLIPBOARDUPDATE) {
            auto* self = reinterpret_cast<OtherWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
            ++self->updates;
            if (HasAllPrivateFormats()) ++self->updatesWithAllFormats;
            return 0;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }

    HWND hwnd_ = nullptr;
};

TEST(ClipboardGuard, ACopyIsMarkedPrivateInTheSameTransactionAsTheText) {
    OtherWindow monitor;
    ClipboardGuard guard(20);
    guard.Copy("密码s3cret");
    EXPECT_EQ(Clipboard::AsText(), "密码s3cret");
    EXPECT_EQ(FormatData(L"CanIncludeInClipboardHistory"), (std::vector<BYTE>{0, 0, 0, 0}));
    EXPECT_EQ(FormatData(L"CanUploadToCloudClipboard"), (std::vector<BYTE>{0, 0, 0, 0}));
    EXPECT_FALSE(FormatData(L"ExcludeClipboardContentFromMonitorProcessing").empty());
    // A monitor never sees the text without its marks.
    ASSERT_TRUE(PumpUntil([&] { return monitor.updates > 0; }));
    EXPECT_EQ(monitor.updatesWithAllFormats, monitor.updates);

    // The framework's plain text path stays plain.
    Clipboard::SetAsText("plain");
    EXPECT_FALSE(IsClipboardFormatAvailable(RegisterClipboardFormatW(L"CanIncludeInClipboardHistory")));
}

TEST(ClipboardGuard, TheDelayComesFromTheRegistry) {
    ClearDelaySetting setting;
    setting.Remove();
    EXPECT_EQ(ClipboardGuard::ClearSecondsSetting(), 20u);
    setting.Set(7);
    EXPECT_EQ(ClipboardGuard::ClearSecondsSetting(), 7u);
    // Not a DWORD: the default.
    const wchar_t text[] = L"5";
    setting.Write(REG_SZ, text, sizeof(text));
    EXPECT_EQ(ClipboardGuard::ClearSecondsSetting(), 20u);
    const BYTE binary[] = {5, 0, 0, 0};
    setting.Write(REG_BINARY, binary, sizeof(binary));
    EXPECT_EQ(ClipboardGuard::ClearSecondsSetting(), 20u);
    // More than a timer can wait is cut to the longest wait.
    setting.Set(0xFFFFFFFF);
    EXPECT_EQ(ClipboardGuard(ClipboardGuard::ClearSecondsSetting()).ClearSeconds(), ClipboardGuard::MaxClearSeconds);

    // 0 keeps copies for good, also at the exit.
    setting.Set(0);
    ClipboardGuard guard(ClipboardGuard::ClearSecondsSetting());
    ASSERT_EQ(guard.ClearSeconds(), 0u);
    guard.Copy("kept");
    PumpFor(1500);
    guard.ClearNow();
    EXPECT_EQ(Clipboard::AsText(), "kept");
}

TEST(ClipboardGuard, EmptiesTheClipboardAfterTheDelayOnlyIfNothingWasCopiedSince) {
    ClipboardGuard guard(1);
    const DWORD copied = GetTickCount();
    guard.Copy("用户名");
    ASSERT_TRUE(PumpUntil([] { return !Clipboard::HasText(); }, 3000));
    EXPECT_GE(GetTickCount() - copied, 950u);

    OtherWindow other;
    guard.Copy("li.lei");
    other.Copy(L"their text");
    PumpFor(1500);
    EXPECT_EQ(Clipboard::AsText(), "their text");
}

TEST(ClipboardGuard, ASecondCopyRestartsTheWait) {
    ClipboardGuard guard(1);
    guard.Copy("first");
    PumpFor(600);
    const DWORD second = GetTickCount();
    guard.Copy("second");
    ASSERT_TRUE(PumpUntil([] { return !Clipboard::HasText(); }, 3000));
    EXPECT_GE(GetTickCount() - second, 950u);
}

TEST(ClipboardGuard, AClipboardHeldOpenElsewhereIsEmptiedOnceItIsFree) {
    ClipboardGuard guard(1);
    const DWORD copied = GetTickCount();
    guard.Copy("secret");
    // Another thread holds the clipboard open across the moment the wait ends.
    HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([opened] {
        HWND window = CreateWindowExW(0, L"STATIC", L"holder", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        OpenClipboard(window);
        SetEvent(opened);
        Sleep(1300);
        CloseClipboard();
        DestroyWindow(window);
    });
    WaitForSingleObject(opened, 5000);
    const bool emptied = PumpUntil([] { return !Clipboard::HasText(); }, 4000);
    const DWORD emptiedAfter = GetTickCount() - copied;
    holder.join();
    CloseHandle(opened);
    EXPECT_TRUE(emptied);
    EXPECT_GE(emptiedAfter, 1300u);
}

TEST(ClipboardGuard, TheExitEmptiesTheClipboardOnlyWhileItHoldsTheCopy) {
    ClipboardGuard guard(20);
    guard.Copy("secret");
    guard.ClearNow();
    EXPECT_FALSE(Clipboard::HasText());

    OtherWindow other;
    guard.Copy("secret");
    other.Copy(L"their text");
    guard.ClearNow();
    EXPECT_EQ(Clipboard::AsText(), "their text");
    // Nothing copied at all: nothing to empty.
    ClipboardGuard unused(20);
    unused.ClearNow();
    EXPECT_EQ(Clipboard::AsText(), "their text");
}

} // namespace
