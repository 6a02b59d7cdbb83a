#pragma once
// For tests that open a real menu: finding the open menu window, keys and steps from inside the
// menu's own message loop, and screenshots of a part of the screen.

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/imaging/BitmapFile.h"

#include <windows.h>

#include <fstream>
#include <functional>
#include <string>

namespace skinframe {

// The open menu window, if any.
inline HWND OpenMenuWindow() {
    HWND w = FindWindowW(L"#32768", nullptr);
    return w != nullptr && IsWindowVisible(w) ? w : nullptr;
}

inline RECT WindowBounds(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}

// A key pressed and released, without waiting (also from inside a menu's own loop).
inline void PressKey(WORD vk) {
    INPUT in[2]{};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = vk;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT));
}

// The step RunSteps runs.
inline std::function<bool()> menuStep;

// Runs `step` every 50 ms, also inside an open menu's own loop, until it returns true.
inline void RunSteps(std::function<bool()> step) {
    menuStep = std::move(step);
    SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
        if (menuStep && menuStep()) {
            KillTimer(nullptr, id);
            menuStep = nullptr;
        }
    });
}

// That part of the screen, to build/screenshots/<name>.bmp.
inline void SaveScreen(const RECT& r, const std::string& name) {
    fw::Bitmap shot(r.right - r.left, r.bottom - r.top);
    HDC screen = GetDC(nullptr);
    BitBlt(shot.Canvas().Handle(), 0, 0, shot.Width(), shot.Height(), screen, r.left, r.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    GdiFlush();
    const auto bytes = fw::EncodeBitmapFile(shot.ToPixelImage());
    const std::string folder = VORNIK_SCREENSHOT_DIR;
    CreateDirectoryA(folder.c_str(), nullptr);
    std::ofstream(folder + "\\" + name + ".bmp", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

} // namespace skinframe
