#pragma once
// Helpers of the menu tests: pumping messages until something happened, and a driver that
// acts inside the modal loop of an open popup menu (keys posted to the loop, closing it), with
// a guard that closes any menu left open so a test can never hang.

#include "framework/forms/Application.h"
#include "tests/win/forms/WinTestSupport.h"

#include <windows.h>

#include <functional>
#include <vector>

namespace menutest {

using fwtest::PumpUntil;

// The visible popup menu window of this thread, or nullptr.
inline HWND OpenMenuWindow() {
    struct Search {
        HWND found = nullptr;
    } search;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM p) -> BOOL {
            wchar_t cls[16] = {};
            GetClassNameW(w, cls, 16);
            if (lstrcmpW(cls, L"#32768") == 0 && IsWindowVisible(w)) {
                reinterpret_cast<Search*>(p)->found = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Calls `action` from a timer inside the menu's modal loop while a menu window is shown, until
// it returns true (it acted); closes the menu after `guardMs` whatever happened. One driver
// at a time.
class MenuDriver {
public:
    explicit MenuDriver(std::function<bool(HWND menuWindow)> action, DWORD guardMs = 4000)
        : action_(std::move(action)), guardMs_(guardMs) {
        Current() = this;
        start_ = GetTickCount();
        timer_ = SetTimer(nullptr, 0, 30, &MenuDriver::Tick);
    }
    ~MenuDriver() {
        KillTimer(nullptr, timer_);
        Current() = nullptr;
    }
    MenuDriver(const MenuDriver&) = delete;
    MenuDriver& operator=(const MenuDriver&) = delete;

    bool Acted() const { return acted_; }
    bool GuardFired() const { return guardFired_; }
    // The menu window's screen rectangle when the action ran.
    RECT MenuRect() const { return rect_; }

    // Keys posted into the menu's loop (it reads the thread's queue, whatever the window).
    static void PostKeys(HWND menuWindow, std::initializer_list<int> keys) {
        for (int vk : keys) {
            PostMessageW(menuWindow, WM_KEYDOWN, static_cast<WPARAM>(vk), 1);
            PostMessageW(menuWindow, WM_KEYUP, static_cast<WPARAM>(vk), static_cast<LPARAM>(0xC0000001u));
        }
    }

private:
    static MenuDriver*& Current() {
        static MenuDriver* current = nullptr;
        return current;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        MenuDriver* d = Current();
        if (d == nullptr) return;
        HWND menu = OpenMenuWindow();
        if (menu != nullptr && !d->acted_) {
            GetWindowRect(menu, &d->rect_);
            d->acted_ = d->action_(menu);
        }
        if (menu != nullptr && GetTickCount() - d->start_ > d->guardMs_) {
            d->guardFired_ = true;
            EndMenu();
        }
    }

    std::function<bool(HWND)> action_;
    DWORD guardMs_;
    DWORD start_ = 0;
    UINT_PTR timer_ = 0;
    bool acted_ = false;
    bool guardFired_ = false;
    RECT rect_{};
};

// Closes the open menu (the action of drivers that only look).
inline bool CloseMenu(HWND) {
    EndMenu();
    return true;
}

} // namespace menutest
