#include "skin/styles/SUIPublic.h"

#include "framework/controls/InvalidationBatch.h"
#include "framework/controls/WinControl.h"
#include "framework/core/ClassInfo.h"
#include "framework/core/Picture.h"
#include "framework/core/Properties.h"
#include "framework/core/PropertyValue.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/ImageList.h"
#include "framework/system/DeviceContextScope.h"
#include "skin/styles/SUIDrawLayout.h"
#include "skin/styles/SUIThemes.h"

#include <windows.h>


namespace {

// Restores a canvas state saved on construction, also when drawing throws.
class SavedCanvasState {
public:
    explicit SavedCanvasState(fw::Canvas& canvas) : canvas_(canvas), level_(canvas.SaveState()) {}
    ~SavedCanvasState() { canvas_.RestoreState(level_); }
    SavedCanvasState(const SavedCanvasState&) = delete;
    SavedCanvasState& operator=(const SavedCanvasState&) = delete;

private:
    fw::Canvas& canvas_;
    int level_;
};

// A corner piece goes through an image list: masked with fuchsia, or every pixel drawn.
void DrawCorner(const fw::Bitmap& bitmap, fw::Canvas& canvas, const NineGridPiece& piece, bool transparent) {
    const fw::Rect& s = piece.Source;
    if (transparent) {
        canvas.DrawTransparent(piece.Target, bitmap, s, fw::clFuchsia);
        return;
    }
    BitBlt(canvas.Handle(), piece.Target.Left, piece.Target.Top, s.Width(), s.Height(), bitmap.DeviceContext(), s.Left,
           s.Top, SRCCOPY);
}

} // namespace

void CutBitmapFrame(const fw::Bitmap& source, fw::Bitmap& dest, int frameCount, int frameIndex) {
    dest.Assign(CutImageFrame(source.ToPixelImage(), frameCount, frameIndex));
}

void DrawNineGridBitmap(const fw::Bitmap& bitmap, fw::Canvas& canvas, const fw::Rect& rect, bool transparent) {
    if (bitmap.Empty() || rect.Empty()) return;
    SavedCanvasState saved(canvas);
    canvas.IntersectClip(rect);
    for (const NineGridPiece& piece : NineGridLayout(bitmap.Width(), bitmap.Height(), rect)) {
        if (!piece.Drawn()) continue;
        if (piece.Stretched)
            canvas.DrawTransparent(piece.Target, bitmap, piece.Source, fw::clFuchsia);
        else
            DrawCorner(bitmap, canvas, piece, transparent);
    }
}

void DrawThreePartBitmap(const fw::Bitmap& bitmap, fw::Canvas& canvas, const fw::Rect& rect, bool cornerTransparent) {
    const ThreePartLayout layout = MakeThreePartLayout(bitmap.Width(), rect);
    if (layout.FrameWidth < 1 || bitmap.Height() < 1) return;
    const fw::Color mask = cornerTransparent ? bitmap.Pixel(0, 0) : fw::clFuchsia;
    fw::ImageList list(layout.FrameWidth, bitmap.Height());
    list.AddMasked(bitmap, mask);
    list.Draw(canvas, layout.LeftAt.X, layout.LeftAt.Y, 0);
    list.Draw(canvas, layout.RightAt.X, layout.RightAt.Y, 2);
    fw::Bitmap middle;
    list.GetBitmap(1, middle);
    canvas.StretchDraw(layout.MiddleTarget, middle);
}

void TilePicture(fw::Canvas& canvas, const fw::Picture& picture, const fw::Rect& rect) {
    const int pw = picture.Width();
    const int ph = picture.Height();
    if (pw <= 0 || ph <= 0) return;
    const fw::Graphic& graphic = *picture.GetGraphic();
    for (int y = 0; y < ph + rect.Height(); y += ph)
        for (int x = 0; x < pw + rect.Width(); x += pw) canvas.Draw(x, y, graphic);
}

void RotateBitmapLeft(fw::Bitmap& bitmap) {
    bitmap.Assign(RotateImageLeft(bitmap.ToPixelImage()));
}

void RotateBitmapRight(fw::Bitmap& bitmap) {
    bitmap.Assign(RotateImageRight(bitmap.ToPixelImage()));
}

void DrawControlBorder(fw::WinControl* control, fw::Color outerColor, fw::Color innerColor) {
    // A control without a window has nothing to draw on yet; making one here would be a side effect.
    if (control == nullptr || !control->HandleAllocated()) return;
    HWND window = control->Handle();
    RECT bounds;
    if (!GetWindowRect(window, &bounds)) return;
    const fw::Rect whole{0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top};
    const fw::DeviceContextScope dc = fw::DeviceContextScope::Window(window);
    if (dc.Handle() == nullptr) return;
    fw::Canvas canvas(dc.Handle());
    FrameRectColor(canvas, whole, outerColor);
    FrameRectColor(canvas, whole.Inflate(-1, -1), innerColor);
}

void DrawParentBackground(fw::Canvas& canvas, fw::Control* control) {
    if (control == nullptr || control->Parent() == nullptr || !canvas.HandleAllocated()) return;
    fw::WinControl* parent = control->Parent();
    SavedCanvasState saved(canvas);
    canvas.MoveOrigin(-control->Left(), -control->Top());
    canvas.IntersectClip(fw::Rect{0, 0, parent->ClientWidth(), parent->ClientHeight()});
    const auto dc = reinterpret_cast<WPARAM>(canvas.Handle());
    parent->Perform(WM_ERASEBKGND, dc, 0);
    parent->Perform(WM_PAINT, dc, 0);
}

void FrameRectColor(fw::Canvas& canvas, const fw::Rect& r, fw::Color color) {
    canvas.Brush().SetColor(color);
    canvas.FrameRect(r);
}

void FillRectColor(fw::Canvas& canvas, const fw::Rect& r, fw::Color color) {
    canvas.Brush().SetColor(color);
    canvas.FillRect(r);
}

void ContainerApplyUIStyle(fw::WinControl* container, TsuiUIStyle uiStyle, fw::Component* fileTheme) {
    if (container == nullptr) return;
    const fw::PropertyValue style = fw::PropertyValue::FromEnum(static_cast<int>(uiStyle), GetUIStyleName(uiStyle));
    const fw::PropertyValue theme = fw::PropertyValue::FromComponent(fileTheme);
    const fw::InvalidationBatch batch;
    // Index by index: a child restyling itself must not invalidate the walk.
    for (int i = 0; i < container->ControlCount(); ++i) {
        fw::Control* child = container->Controls(i);
        if (!HasProperty(child, "FileTheme") || !HasProperty(child, "UIStyle")) continue;
        fw::SetPropertyValue(*child, "FileTheme", theme);
        fw::SetPropertyValue(*child, "UIStyle", style);
    }
}

bool HasProperty(const fw::Component* component, std::string_view propertyName) {
    return component != nullptr && component->ClassType().FindProperty(propertyName) != nullptr;
}

std::string PCharToStr(const char* text) {
    return text != nullptr ? std::string(text) : std::string();
}

bool InRect(fw::Point p, const fw::Rect& r) {
    return InRect(p.X, p.Y, r);
}

bool InRect(int x, int y, const fw::Rect& r) {
    return x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom;
}

bool GetWorkAreaRect(fw::Rect& r) {
    RECT area;
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) return false;
    r = fw::Rect{area.left, area.top, area.right, area.bottom};
    return true;
}

void SetFormBoundsRect(fw::Control* form, const fw::Rect& r) {
    if (form == nullptr) return;
    form->SetLeft(r.Left);
    form->SetTop(r.Top);
    form->SetWidth(r.Width());
    form->SetHeight(r.Height());
}

void PlaceControl(fw::Control* control, fw::Point p) {
    if (control == nullptr) return;
    control->SetLeft(p.X);
    control->SetTop(p.Y);
}

bool FormHasFocus(fw::Form* form) {
    // The program is active when the foreground window is one of its own.
    HWND foreground = GetForegroundWindow();
    DWORD process = 0;
    if (foreground == nullptr || (GetWindowThreadProcessId(foreground, &process), process != GetCurrentProcessId()))
        return false;
    if (form == nullptr || form == fw::App().MainForm()) return true;
    return form->Active();
}
