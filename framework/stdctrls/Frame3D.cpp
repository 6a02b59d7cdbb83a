#include "framework/stdctrls/Frame3D.h"

#include "framework/graphics/Canvas.h"

namespace fw {

void Frame3D(Canvas& canvas, Rect& r, Color topLeft, Color bottomRight, int width) {
    const Brush saved = canvas.Brush();
    for (int i = 0; i < width && !r.Empty(); ++i) {
        canvas.Brush().SetColor(topLeft);
        canvas.FillRect(Rect{r.Left, r.Top, r.Right - 1, r.Top + 1});
        canvas.FillRect(Rect{r.Left, r.Top, r.Left + 1, r.Bottom - 1});
        canvas.Brush().SetColor(bottomRight);
        canvas.FillRect(Rect{r.Right - 1, r.Top, r.Right, r.Bottom});
        canvas.FillRect(Rect{r.Left, r.Bottom - 1, r.Right, r.Bottom});
        r = r.Inflate(-1, -1);
    }
    canvas.Brush() = saved;
}

void EtchedFrame(Canvas& canvas, const Rect& r) {
    Rect highlight{r.Left + 1, r.Top + 1, r.Right, r.Bottom};
    Frame3D(canvas, highlight, clBtnHighlight, clBtnHighlight);
    Rect shadow{r.Left, r.Top, r.Right - 1, r.Bottom - 1};
    Frame3D(canvas, shadow, clBtnShadow, clBtnShadow);
}

} // namespace fw
