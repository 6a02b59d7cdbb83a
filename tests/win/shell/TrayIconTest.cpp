// The notification-area icon: the record the shell gets, long tips cut to the field, adding where there
// is no notification area reported by the result (not thrown), and the icon's callback
// message reaching the window procedure of the window named in the record.
#include "framework/forms/Form.h"
#include "framework/core/WideText.h"
#include "framework/shell/ShellOpen.h"
#include "framework/shell/TrayIcon.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

using namespace fw;

namespace {

constexpr UINT kTrayMessage = WM_USER + 1;  // 1025

// A form that records the tray callbacks its window procedure gets.
class TrayForm : public Form {
public:
    using Form::Form;
    std::vector<std::pair<WPARAM, LPARAM>> callbacks;

protected:
    void WndProc(Message& m) override {
        if (m.msg == kTrayMessage) {
            callbacks.emplace_back(m.wParam, m.lParam);
            m.result = 0;
            return;
        }
        Form::WndProc(m);
    }
};

struct TrayFixture : ::testing::Test {
    std::unique_ptr<TrayForm> form = std::make_unique<TrayForm>(nullptr);
    TrayIcon icon;

    void SetUp() override {
        icon.SetWindow(form->Handle());
        icon.SetId(100);
        icon.SetCallbackMessage(kTrayMessage);
        icon.SetIcon(LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION)));
        icon.SetTip("Vornik");
    }
};

TEST_F(TrayFixture, TheRecordCarriesWindowIdentifierCallbackIconAndTip) {
    const NOTIFYICONDATAW data = icon.Record();
    EXPECT_EQ(data.cbSize, sizeof(NOTIFYICONDATAW));
    EXPECT_EQ(data.hWnd, form->Handle());
    EXPECT_EQ(data.uID, 100u);
    EXPECT_EQ(data.uFlags, 7u) << "message, icon and tip";
    EXPECT_EQ(data.uCallbackMessage, 1025u);
    EXPECT_EQ(data.hIcon, icon.Icon());
    EXPECT_EQ(std::wstring(data.szTip), L"Vornik");
}

TEST_F(TrayFixture, ALongChineseTipIsCutToTheField) {
    std::string tip;
    for (int i = 0; i < 200; ++i) tip += "密";
    icon.SetTip(tip);
    NOTIFYICONDATAW data = icon.Record();
    EXPECT_EQ(std::wstring(data.szTip), std::wstring(127, L'\u5BC6'));
    // The first version of the record ends after a 64-unit tip field.
    icon.SetFirstVersion(true);
    data = icon.Record();
    EXPECT_EQ(data.cbSize, offsetof(NOTIFYICONDATAW, szTip) + 64 * sizeof(wchar_t));
    EXPECT_EQ(std::wstring(data.szTip), std::wstring(63, L'\u5BC6'));
}

TEST_F(TrayFixture, AddingReportsItsResultAndTheProgramGoesOn) {
    // Under a bare X display there is no notification area: adding fails, without throwing.
    const bool added = icon.Add();
    EXPECT_EQ(icon.Added(), added);
    if (added) {
        EXPECT_TRUE(icon.Modify());
        EXPECT_TRUE(icon.Remove());
    } else {
        EXPECT_FALSE(icon.Modify()) << "nothing to modify";
    }
    EXPECT_FALSE(icon.Added());
    EXPECT_FALSE(icon.Remove()) << "removing twice";
}

TEST_F(TrayFixture, TheCallbackMessageReachesTheWindowProcedure) {
    // What the shell sends for a right and then a left button release over the icon.
    SendMessageW(icon.Window(), icon.CallbackMessage(), icon.Id(), WM_RBUTTONUP);
    SendMessageW(icon.Window(), icon.CallbackMessage(), icon.Id(), WM_LBUTTONUP);
    ASSERT_EQ(form->callbacks.size(), 2u);
    EXPECT_EQ(form->callbacks[0], (std::pair<WPARAM, LPARAM>{100, 517}));
    EXPECT_EQ(form->callbacks[1], (std::pair<WPARAM, LPARAM>{100, 514}));
}

TEST(ShellOpenDocument, WhatTheShellCannotOpenGivesFalse) {
    EXPECT_FALSE(ShellOpen(nullptr, ""));
    EXPECT_FALSE(ShellOpen(nullptr, "Z:\\no such folder\\没有这个文件.vornik-test"));
}

} // namespace
