#pragma once
// A shown form carrying a skinned form, for the form and title bar tests, with real input from
// the skin-control helpers.

#include "tests/win/skincontrols/SkinControlTestSupport.h"

#include "skin/frame/SUIForm.h"

#include <atomic>
#include <thread>

namespace skinframe {


struct SkinnedFormFixture : ::testing::Test {
    fwtest::Owned<fwtest::TestForm> form{new fwtest::TestForm(&fw::App())};
    TsuiForm* skinned = nullptr;

    // A form of that border style, 360 x 240 at (60, 60), with a skinned form of that look.
    void Make(fw::BorderStyle style, TsuiUIStyle look) {
        form->SetBorderStyle(style);
        form->SetBounds(60, 60, 360, 240);
        form->SetCaption("我的Vornik");
        skinned = new TsuiForm(form.get());
        skinned->SetUIStyle(look);
        form->Show();
        SetForegroundWindow(form->Handle());
        fwtest::PumpUntil([&] { return GetForegroundWindow() == form->Handle(); }, 1000);
        skincontrols::SkinFormFixture::ReleaseAll();
        skincontrols::SkinFormFixture::Settle();
    }

    HWND Window() { return form->Handle(); }
    RECT WindowRect() {
        RECT r;
        GetWindowRect(Window(), &r);
        return r;
    }
    // The hit code the form answers for a point of its client area.
    LRESULT HitAt(HWND window, int clientX, int clientY) {
        POINT p{clientX, clientY};
        ClientToScreen(Window(), &p);
        return SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
    }
    // Presses the left button at `from`, moves to `to` and releases (points of the control's
    // client area), from another thread: the system's move and size loops hold this thread
    // until the button is released.
    static void Drag(fw::Control* c, fw::Point from, fw::Point to) {
        using In = skincontrols::SkinFormFixture;
        const fw::Point a = c->ClientToScreen(from);
        const fw::Point b = c->ClientToScreen(to);
        std::atomic<bool> done{false};
        std::thread user([&] {
            In::Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, a.X, a.Y);
            Sleep(100);
            In::Mouse(MOUSEEVENTF_LEFTDOWN);
            Sleep(200);
            for (int i = 1; i <= 5; ++i) {
                In::Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, a.X + (b.X - a.X) * i / 5, a.Y + (b.Y - a.Y) * i / 5);
                Sleep(60);
            }
            Sleep(100);
            In::Mouse(MOUSEEVENTF_LEFTUP);
            Sleep(150);
            done = true;
        });
        fwtest::PumpUntil([&] { return done.load(); }, 5000);
        user.join();
        In::Settle();
    }
    // A pixel of the form as it is on the screen.
    fw::Color ScreenPixel(int clientX, int clientY) {
        HDC dc = GetDC(Window());
        const COLORREF c = GetPixel(dc, clientX, clientY);
        ReleaseDC(Window(), dc);
        return static_cast<fw::Color>(c);
    }
};

} // namespace skinframe
