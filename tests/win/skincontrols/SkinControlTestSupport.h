#pragma once
// What the skinned-control tests share: a shown borderless form in front, real input through
// the system's input queue (SendInput), the skin pictures a control should show, comparison of
// a control's paint buffer with them, and screenshots for people to look at.

#include "tests/win/forms/TestControls.h"
#include "tests/win/forms/WinTestSupport.h"

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/imaging/BitmapFile.h"
#include "skin/styles/SUIPublic.h"
#include "skin/styles/SUIThemes.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>

namespace skincontrols {

constexpr TsuiUIStyle kLooks[] = {TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue,
                                  TsuiUIStyle::Protein, TsuiUIStyle::BlueGlass};
// The form's colour: no skin picture uses it, so what a control leaves transparent shows it.
constexpr fw::Color kFormColor = fw::RgbColor(0x40, 0x70, 0x50);

struct SkinFormFixture : ::testing::Test {
    fwtest::Owned<fwtest::TestForm> form{new fwtest::TestForm(&fw::App())};

    void SetUp() override {
        form->SetBorderStyle(fw::BorderStyle::None);
        form->SetColor(kFormColor);
        form->SetBounds(40, 40, 400, 240);
        form->Show();
        SetForegroundWindow(form->Handle());
        fwtest::PumpUntil([&] { return GetForegroundWindow() == form->Handle(); }, 1000);
        // Nothing of an earlier test may still be held down.
        ReleaseAll();
    }

    template <class T>
    T* Add(int left, int top, int width, int height) {
        T* c = new T(form.get());
        c->SetParent(form.get());
        c->SetBounds(left, top, width, height);
        return c;
    }

    static void ReleaseAll() {
        for (WORD vk : {VK_SHIFT, VK_CONTROL, VK_MENU}) Key(vk, true);
        Mouse(MOUSEEVENTF_LEFTUP);
        fwtest::Pump();
    }

    // --- real input ---
    static void Key(WORD vk, bool up) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
        in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        SendInput(1, &in, sizeof in);
    }
    // Down and up, with the messages handled in between and after.
    static void Tap(WORD vk) {
        Key(vk, false);
        Settle();
        Key(vk, true);
        Settle();
    }
    static void Mouse(DWORD flags, int screenX = 0, int screenY = 0) {
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = flags;
        if (flags & MOUSEEVENTF_ABSOLUTE) {
            in.mi.dx = screenX * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
            in.mi.dy = screenY * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
        }
        SendInput(1, &in, sizeof in);
    }
    // Moves the pointer over a point of the control's client area.
    static void MoveTo(fw::Control* c, int x, int y) {
        const fw::Point p = c->ClientToScreen(fw::Point{x, y});
        Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, p.X, p.Y);
        Settle();
    }
    static void LeftDown() {
        Mouse(MOUSEEVENTF_LEFTDOWN);
        Settle();
    }
    static void LeftUp() {
        Mouse(MOUSEEVENTF_LEFTUP);
        Settle();
    }
    static void ClickAt(fw::Control* c, int x, int y) {
        MoveTo(c, x, y);
        LeftDown();
        LeftUp();
    }
    // Lets the input arrive and everything it caused (repaints too) run.
    static void Settle() {
        fwtest::PumpUntil([] { return false; }, 60);
    }
};

// Frame `index` of a built-in element of a look.
inline fw::Bitmap Frame(TsuiUIStyle look, TsuiThemeElement element, int index) {
    fw::Bitmap b;
    GetBuiltInThemeBitmap(look, element, &b, GetThemeElementFrameCount(element), index);
    return b;
}

// Pixels that differ between `a` and the part of `b` at (x, y); a and b of any size.
inline int Differences(const fw::Bitmap& a, const fw::Bitmap& b, int x = 0, int y = 0) {
    int n = 0;
    for (int j = 0; j < a.Height(); ++j)
        for (int i = 0; i < a.Width(); ++i)
            if (x + i >= b.Width() || y + j >= b.Height() || a.Pixel(i, j) != b.Pixel(x + i, y + j)) ++n;
    return n;
}

// A button face as it should look: the form's colour with frame `face` laid over it in nine pieces.
inline fw::Bitmap ExpectedFace(const fw::Bitmap& face, int width, int height, bool transparent) {
    fw::Bitmap b(width, height);
    FillRectColor(b.Canvas(), fw::Rect{0, 0, width, height}, kFormColor);
    DrawNineGridBitmap(face, b.Canvas(), fw::Rect{0, 0, width, height}, transparent);
    return b;
}

// A picture written to build/screenshots/<name>.bmp (scripts/test makes a PNG of it).
inline void WriteScreenshot(const fw::Bitmap& shot, const std::string& name) {
    GdiFlush();
    const std::vector<uint8_t> bytes = fw::EncodeBitmapFile(shot.ToPixelImage());
    const std::string folder = VORNIK_SCREENSHOT_DIR;
    CreateDirectoryA(folder.c_str(), nullptr);
    std::ofstream(folder + "\\" + name + ".bmp", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// The form as it paints itself.
inline void SaveScreenshot(fw::WinControl* form, const std::string& name) {
    fw::Bitmap shot(form->ClientWidth(), form->ClientHeight());
    form->PaintTo(shot.Canvas().Handle());
    WriteScreenshot(shot, name);
}

// The form's client area as the screen shows it: native controls paint only there.
inline void SaveScreenCapture(fw::WinControl* form, const std::string& name) {
    fwtest::PumpUntil([] { return false; }, 60);
    const fw::Point origin = form->ClientToScreen(fw::Point{0, 0});
    fw::Bitmap shot(form->ClientWidth(), form->ClientHeight());
    HDC screen = GetDC(nullptr);
    BitBlt(shot.Canvas().Handle(), 0, 0, shot.Width(), shot.Height(), screen, origin.X, origin.Y, SRCCOPY);
    ReleaseDC(nullptr, screen);
    WriteScreenshot(shot, name);
}

} // namespace skincontrols
