#pragma once
// Helpers of the Windows UI tests: pumping messages until something happened, and driving
// windows with the real mouse and key messages.

#include "framework/controls/WinControl.h"
#include "framework/forms/Application.h"
#include "tests/win/support/PumpUntil.h"

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <iterator>
#include <vector>

namespace fwtest {

// Runs messages through the application's loop (its filter, dialog keys and shortcuts) until
// `done` holds or `timeoutMs` passed. Returns whether `done` held.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000) {
    return wintest::PumpUntil(done, timeoutMs, [] { return fw::App().ProcessMessage(); });
}

// Runs what is queued now.
inline void Pump() { fw::App().ProcessMessages(); }

inline LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// A left click at client coordinates of a control's window (down, then up), sent.
inline void Click(HWND hwnd, int x, int y) {
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, At(x, y));
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
    SendMessageW(hwnd, WM_LBUTTONUP, 0, At(x, y));
}

// A left click posted through the queue, as the system delivers it.
inline void PostClick(HWND hwnd, int x, int y) {
    PostMessageW(hwnd, WM_MOUSEMOVE, 0, At(x, y));
    PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
    PostMessageW(hwnd, WM_LBUTTONUP, 0, At(x, y));
}

// A key press posted to the window with the focus (through the message loop, so the form's
// dialog keys and accelerators see it).
inline void PostKey(HWND hwnd, int vk) {
    PostMessageW(hwnd, WM_KEYDOWN, static_cast<WPARAM>(vk), 1);
    PostMessageW(hwnd, WM_KEYUP, static_cast<WPARAM>(vk), static_cast<LPARAM>(0xC0000001u));
}

inline void PostChar(HWND hwnd, wchar_t ch) { PostMessageW(hwnd, WM_CHAR, ch, 1); }

// Keys pressed in order and released in reverse through the system's input queue, as a user
// types them: they go to the focus of the foreground window. Extended keys are marked.
inline void SendChord(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    auto add = [&](WORD vk, bool up) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
        const bool extended = vk == VK_INSERT || vk == VK_DELETE || vk == VK_HOME || vk == VK_END || vk == VK_PRIOR ||
                              vk == VK_NEXT || (vk >= VK_LEFT && vk <= VK_DOWN) || vk == VK_RMENU || vk == VK_RCONTROL;
        in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
        inputs.push_back(in);
    };
    for (WORD k : keys) add(k, false);
    for (auto k = std::rbegin(keys); k != std::rend(keys); ++k) add(*k, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Deletes a form (or any component) at the end of a test.
template <class T>
struct Owned {
    T* p;
    explicit Owned(T* p) : p(p) {}
    ~Owned() { delete p; }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    T* operator->() const { return p; }
    T* get() const { return p; }
};

} // namespace fwtest
