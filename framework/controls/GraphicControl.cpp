#include "framework/controls/GraphicControl.h"

#include "framework/core/ClassBuilder.h"
#include "framework/graphics/CanvasHandleScope.h"

namespace fw {

GraphicControl::GraphicControl(Component* owner) : Control(owner) {}

const ClassInfo& GraphicControl::StaticClass() {
    static const ClassInfo& info = ClassBuilder<GraphicControl>("TGraphicControl", Control::StaticClass())
                                       .AddEvent("OnPaint", &GraphicControl::OnPaint)
                                       .Register();
    return info;
}

void GraphicControl::WndProc(Message& m) {
    if (m.msg != WM_PAINT || m.wParam == 0) {
        Control::WndProc(m);
        return;
    }
    {
        CanvasHandleScope lent(canvas_, reinterpret_cast<HDC>(m.wParam));
        canvas_.Font() = Font();
        canvas_.Brush().SetColor(GetColor());
        Paint();
    }
    m.result = 0;
}

void GraphicControl::Paint() { OnPaint(this); }

} // namespace fw
