#pragma once
// What the standard-control tests share: a shown borderless form to put controls on, and
// reading texts back from windows through the wide API.

#include "tests/win/forms/TestControls.h"
#include "tests/win/forms/WinTestSupport.h"

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/core/WideText.h"

#include <gtest/gtest.h>

#include <string>

namespace stdctrls_test {

struct FormFixture : ::testing::Test {
    fwtest::Owned<fwtest::TestForm> form{new fwtest::TestForm(&fw::App())};

    void SetUp() override {
        form->SetBorderStyle(fw::BorderStyle::None);
        form->SetBounds(60, 60, 420, 320);
        form->Show();
    }

    // A control of class T owned by the form, shown at the given bounds inside `parent`.
    template <class T>
    T* Add(fw::WinControl* parent, int left, int top, int width, int height) {
        T* c = new T(form.get());
        c->SetParent(parent);
        c->SetBounds(left, top, width, height);
        return c;
    }
    template <class T>
    T* Add(int left, int top, int width, int height) {
        return Add<T>(form.get(), left, top, width, height);
    }
};

// The window's text as GBK, read with the wide API.
inline std::string WindowTextOf(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), length + 1)));
    return fw::WideToGbk(text);
}

// What the window shows now inside `r` (client coordinates).
inline fw::Bitmap Capture(HWND hwnd, const fw::Rect& r) {
    fw::Bitmap shot(r.Width(), r.Height());
    HDC dc = GetDC(hwnd);
    BitBlt(shot.Canvas().Handle(), 0, 0, r.Width(), r.Height(), dc, r.Left, r.Top, SRCCOPY);
    ReleaseDC(hwnd, dc);
    GdiFlush();
    return shot;
}

// Pixels inside `r` on the screen that differ from `background`.
inline int CountInk(HWND hwnd, const fw::Rect& r, fw::Color background) {
    const fw::Bitmap shot = Capture(hwnd, r);
    int n = 0;
    for (int y = 0; y < shot.Height(); ++y)
        for (int x = 0; x < shot.Width(); ++x)
            if (shot.Pixel(x, y) != background) ++n;
    return n;
}

// The control painted as its parent paints it, into a bitmap of its size.
inline fw::Bitmap Shot(fw::WinControl* c) {
    fw::Bitmap b(c->Width(), c->Height());
    c->PaintTo(b.Canvas().Handle());
    GdiFlush();
    return b;
}

} // namespace stdctrls_test
