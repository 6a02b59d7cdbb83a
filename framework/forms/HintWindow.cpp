#include "framework/forms/HintWindow.h"

#include "framework/core/ClassBuilder.h"
#include "framework/forms/Application.h"
#include "framework/forms/Screen.h"

#include <algorithm>

namespace fw {

HintWindow::HintWindow(Component* owner) : CustomControl(owner) {
    SetVisible(false);
    SetColor(clInfoBk);
    fw::Font f = Font();
    f.SetName("Tahoma");
    f.SetHeight(13);
    f.SetColor(clInfoText);
    SetFont(f);
    SetDoubleBuffered(true);
}

const ClassInfo& HintWindow::StaticClass() {
    static const ClassInfo& info = ClassBuilder<HintWindow>("THintWindow", CustomControl::StaticClass()).Register();
    return info;
}

void HintWindow::CreateParams(WindowParams& p) {
    CustomControl::CreateParams(p);
    p.style = WS_POPUP | WS_BORDER;
    p.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    p.classStyle = CS_SAVEBITS;
    p.parent = App().Handle();
}

bool HintWindow::Showing() const {
    return HandleAllocated() && IsWindowVisible(const_cast<HintWindow*>(this)->Handle());
}

Size HintWindow::CalcHintSize(const std::string& text, int maxWidth) {
    HDC dc = GetDC(nullptr);
    fw::Canvas canvas(dc);
    canvas.Font() = Font();
    Rect r{0, 0, maxWidth, 0};
    canvas.DrawText(text, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    canvas.SetHandle(nullptr);
    ReleaseDC(nullptr, dc);
    // Room for the border and a margin of 2 pixels around the text.
    return Size{r.Width() + 8, r.Height() + 4};
}

void HintWindow::ActivateHint(Point screen, const std::string& text) {
    SetCaption(text);
    const Size size = CalcHintSize(text, 300);
    const Rect work = Screen::WorkAreaRect();
    const int x = std::max(work.Left, std::min(screen.X, work.Right - size.Width));
    const int y = std::max(work.Top, std::min(screen.Y, work.Bottom - size.Height));
    SetBounds(x, y, size.Width, size.Height);
    SetWindowPos(Handle(), HWND_TOPMOST, x, y, size.Width, size.Height, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    Invalidate();
}

void HintWindow::ReleaseHint() {
    if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
}

void HintWindow::Paint() {
    fw::Canvas& c = Canvas();
    Rect r = ClientRect();
    c.Brush().SetColor(GetColor());
    c.FillRect(r);
    c.Brush().SetStyle(BrushStyle::Clear);
    r = Rect{r.Left + 3, r.Top + 1, r.Right - 1, r.Bottom};
    c.DrawText(Caption(), r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

} // namespace fw
