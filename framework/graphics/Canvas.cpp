#include "framework/graphics/Canvas.h"

#include "framework/core/Exception.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/FontCache.h"
#include "framework/graphics/Icon.h"
#include "framework/graphics/PixelBlit.h"
#include "framework/core/WideText.h"
#include "framework/graphics/Win32Color.h"

#include <algorithm>
#include <vector>

namespace fw {

namespace {

RECT ToRECT(const Rect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }

int PenStyleToWin32(PenStyle s) {
    switch (s) {
    case PenStyle::Dash: return PS_DASH;
    case PenStyle::Dot: return PS_DOT;
    case PenStyle::DashDot: return PS_DASHDOT;
    case PenStyle::DashDotDot: return PS_DASHDOTDOT;
    case PenStyle::Clear: return PS_NULL;
    case PenStyle::InsideFrame: return PS_INSIDEFRAME;
    case PenStyle::Solid: break;
    }
    return PS_SOLID;
}

std::vector<POINT> ToPOINTs(std::span<const Point> points) {
    std::vector<POINT> out;
    out.reserve(points.size());
    for (const Point& p : points) out.push_back(POINT{p.X, p.Y});
    return out;
}

} // namespace

Canvas::Canvas(HDC dc) { SetHandle(dc); }

Canvas::~Canvas() { ReleaseObjects(); }

void Canvas::SetHandle(HDC dc) {
    if (dc == dc_) return;
    ReleaseObjects();
    dc_ = dc;
    if (dc_ != nullptr) {
        originalPen_ = GetCurrentObject(dc_, OBJ_PEN);
        originalBrush_ = GetCurrentObject(dc_, OBJ_BRUSH);
        originalFont_ = GetCurrentObject(dc_, OBJ_FONT);
    }
}

void Canvas::ReleaseObjects() {
    if (dc_ == nullptr) return;
    // Unwind states saved on this context: they may hold our pens and brushes.
    if (!saved_.empty()) RestoreDC(dc_, saved_.front().level);
    SelectObject(dc_, originalPen_);
    SelectObject(dc_, originalBrush_);
    SelectObject(dc_, originalFont_);
    std::vector<HGDIOBJ> owned{realised_.hpen, realised_.hbrush};
    for (const Saved& st : saved_) {
        owned.push_back(st.realised.hpen);
        owned.push_back(st.realised.hbrush);
    }
    saved_.clear();
    realised_ = Realised{};
    DeleteUnused(std::move(owned));
    dc_ = nullptr;
    originalPen_ = originalBrush_ = originalFont_ = nullptr;
}

void Canvas::DeleteUnused(std::vector<HGDIOBJ> candidates) {
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    auto inUse = [this](HGDIOBJ o) {
        if (o == realised_.hpen || o == realised_.hbrush) return true;
        for (const Saved& s : saved_)
            if (o == s.realised.hpen || o == s.realised.hbrush) return true;
        return false;
    };
    const HGDIOBJ stockBrush = GetStockObject(NULL_BRUSH);
    for (HGDIOBJ o : candidates)
        if (o != nullptr && o != stockBrush && !inUse(o)) DeleteObject(o);
}

HDC Canvas::RequireHandle() const {
    if (dc_ == nullptr) throw Exception("Canvas does not allow drawing: it has no device context");
    return dc_;
}

void Canvas::RequirePen() {
    RequireHandle();
    if (realised_.penValid && realised_.pen == pen_) return;
    HPEN pen = CreatePen(PenStyleToWin32(pen_.Style()), std::max(1, pen_.Width()), ColorToRgb(pen_.Color()));
    if (pen == nullptr) throw Exception("Cannot create a pen");
    SelectObject(dc_, pen);
    HGDIOBJ old = realised_.hpen;
    realised_.hpen = pen;
    realised_.pen = pen_;
    realised_.penValid = true;
    DeleteUnused({old});
}

void Canvas::RequireBrush() {
    RequireHandle();
    if (realised_.brushValid && realised_.brush == brush_) return;
    HBRUSH brush = brush_.Style() == BrushStyle::Clear ? static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))
                                                       : CreateSolidBrush(ColorToRgb(brush_.Color()));
    if (brush == nullptr) throw Exception("Cannot create a brush");
    SelectObject(dc_, brush);
    HGDIOBJ old = realised_.hbrush;
    realised_.hbrush = brush;
    realised_.brush = brush_;
    realised_.brushValid = true;
    DeleteUnused({old});
}

void Canvas::RequireFont() {
    RequireHandle();
    HFONT font = FontCache::Get(font_);
    if (font == realised_.hfont) return;
    SelectObject(dc_, font);
    realised_.hfont = font;
}

void Canvas::PrepareText() {
    RequireFont();
    SetTextColor(dc_, ColorToRgb(font_.Color()));
    if (brush_.Style() == BrushStyle::Clear) {
        SetBkMode(dc_, TRANSPARENT);
    } else {
        SetBkMode(dc_, OPAQUE);
        SetBkColor(dc_, ColorToRgb(brush_.Color()));
    }
}

void Canvas::FillRect(const Rect& r) {
    RequireBrush();
    if (brush_.Style() == BrushStyle::Clear) return;
    const RECT rc = ToRECT(r);
    ::FillRect(dc_, &rc, realised_.hbrush);
}

void Canvas::FrameRect(const Rect& r) {
    RequireBrush();
    if (brush_.Style() == BrushStyle::Clear) return;
    const RECT rc = ToRECT(r);
    ::FrameRect(dc_, &rc, realised_.hbrush);
}

void Canvas::DrawFocusRect(const Rect& r) {
    RequireBrush();
    SetTextColor(dc_, RGB(0, 0, 0));
    SetBkColor(dc_, RGB(255, 255, 255));
    const RECT rc = ToRECT(r);
    ::DrawFocusRect(dc_, &rc);
}

void Canvas::Rectangle(const Rect& r) {
    RequirePen();
    RequireBrush();
    ::Rectangle(dc_, r.Left, r.Top, r.Right, r.Bottom);
}

void Canvas::RoundRect(const Rect& r, int ellipseWidth, int ellipseHeight) {
    RequirePen();
    RequireBrush();
    ::RoundRect(dc_, r.Left, r.Top, r.Right, r.Bottom, ellipseWidth, ellipseHeight);
}

void Canvas::Ellipse(const Rect& r) {
    RequirePen();
    RequireBrush();
    ::Ellipse(dc_, r.Left, r.Top, r.Right, r.Bottom);
}

void Canvas::MoveTo(int x, int y) { MoveToEx(RequireHandle(), x, y, nullptr); }

void Canvas::LineTo(int x, int y) {
    RequirePen();
    ::LineTo(dc_, x, y);
}

Point Canvas::PenPos() const {
    POINT p{};
    GetCurrentPositionEx(RequireHandle(), &p);
    return Point{p.x, p.y};
}

void Canvas::Polyline(std::span<const Point> points) {
    RequirePen();
    const std::vector<POINT> pts = ToPOINTs(points);
    if (!pts.empty()) ::Polyline(dc_, pts.data(), static_cast<int>(pts.size()));
}

void Canvas::Polygon(std::span<const Point> points) {
    RequirePen();
    RequireBrush();
    const std::vector<POINT> pts = ToPOINTs(points);
    if (!pts.empty()) ::Polygon(dc_, pts.data(), static_cast<int>(pts.size()));
}

void Canvas::TextOut(int x, int y, std::string_view gbkText) {
    PrepareText();
    const std::wstring w = GbkToWide(gbkText);
    ::TextOutW(dc_, x, y, w.c_str(), static_cast<int>(w.size()));
}

void Canvas::TextRect(const Rect& r, int x, int y, std::string_view gbkText) {
    PrepareText();
    const std::wstring w = GbkToWide(gbkText);
    const RECT rc = ToRECT(r);
    UINT options = ETO_CLIPPED;
    if (brush_.Style() != BrushStyle::Clear) options |= ETO_OPAQUE;
    ExtTextOutW(dc_, x, y, options, &rc, w.c_str(), static_cast<UINT>(w.size()), nullptr);
}

int Canvas::DrawText(std::string_view gbkText, Rect& r, unsigned flags) {
    PrepareText();
    const std::wstring w = GbkToWide(gbkText);
    RECT rc = ToRECT(r);
    const int height = ::DrawTextW(dc_, w.c_str(), static_cast<int>(w.size()), &rc, flags);
    r = Rect{rc.left, rc.top, rc.right, rc.bottom};
    return height;
}

Size Canvas::TextExtent(std::string_view gbkText) {
    RequireFont();
    const std::wstring w = GbkToWide(gbkText);
    SIZE s{};
    GetTextExtentPoint32W(dc_, w.c_str(), static_cast<int>(w.size()), &s);
    return Size{s.cx, s.cy};
}

void Canvas::Draw(int x, int y, const Bitmap& bitmap) {
    RequireHandle();
    if (bitmap.Empty()) return;
    const Rect whole{0, 0, bitmap.Width(), bitmap.Height()};
    if (bitmap.Transparent()) {
        DrawTransparent(whole.Offset(x, y), bitmap, whole, bitmap.TransparentColor());
        return;
    }
    BitBlt(dc_, x, y, bitmap.Width(), bitmap.Height(), bitmap.DeviceContext(), 0, 0, copyMode_);
}

void Canvas::Draw(int x, int y, const Graphic& graphic) {
    if (auto* bitmap = dynamic_cast<const Bitmap*>(&graphic)) {
        Draw(x, y, *bitmap);
    } else if (auto* icon = dynamic_cast<const Icon*>(&graphic)) {
        Draw(x, y, *icon);
    }
}

void Canvas::Draw(int x, int y, const Icon& icon) {
    RequireHandle();
    if (icon.Empty()) return;
    DrawIconEx(dc_, x, y, icon.Handle(), icon.Width(), icon.Height(), 0, nullptr, DI_NORMAL);
}

void Canvas::StretchDraw(const Rect& dst, const Bitmap& bitmap) {
    RequireHandle();
    if (bitmap.Empty() || dst.Empty()) return;
    const Rect whole{0, 0, bitmap.Width(), bitmap.Height()};
    if (bitmap.Transparent()) {
        DrawTransparent(dst, bitmap, whole, bitmap.TransparentColor());
        return;
    }
    SetStretchBltMode(dc_, COLORONCOLOR);
    StretchBlt(dc_, dst.Left, dst.Top, dst.Width(), dst.Height(), bitmap.DeviceContext(), 0, 0, whole.Right,
               whole.Bottom, copyMode_);
}

void Canvas::StretchDraw(const Rect& dst, const Graphic& graphic) {
    if (auto* bitmap = dynamic_cast<const Bitmap*>(&graphic)) {
        StretchDraw(dst, *bitmap);
    } else if (auto* icon = dynamic_cast<const Icon*>(&graphic)) {
        RequireHandle();
        if (!icon->Empty() && !dst.Empty())
            DrawIconEx(dc_, dst.Left, dst.Top, icon->Handle(), dst.Width(), dst.Height(), 0, nullptr, DI_NORMAL);
    }
}

void Canvas::DrawTransparent(const Rect& dst, const Bitmap& bitmap, const Rect& src, Color transparentColor) {
    RequireHandle();
    if (dst.Empty() || src.Empty() || bitmap.Empty()) return;
    const std::uint32_t key = ColorRefToPixel(ColorToRgb(transparentColor));
    const int w = dst.Width();
    const int h = dst.Height();
    // The source block at the target size; a 1:1 copy within the bitmap reads its pixels
    // directly, anything else goes through a stretch without blending.
    Bitmap own;
    const std::uint32_t* pixels = nullptr;
    std::size_t stride = 0;
    const Rect inside{0, 0, bitmap.Width(), bitmap.Height()};
    if (src.Width() == w && src.Height() == h && src.Intersect(inside) == src) {
        pixels = bitmap.ScanLine(src.Top) + src.Left;
        stride = static_cast<std::size_t>(bitmap.Width());
    } else {
        // Skinned controls stretch several pieces on every paint; a shared block saves making a
        // bitmap for each.
        Bitmap* block = detail::SharedBlock(w, h);
        if (block == nullptr) {
            own.SetSize(w, h);
            block = &own;
        }
        HDC blockDc = block->DeviceContext();
        SetStretchBltMode(blockDc, COLORONCOLOR);
        StretchBlt(blockDc, 0, 0, w, h, bitmap.DeviceContext(), src.Left, src.Top, src.Width(), src.Height(), SRCCOPY);
        pixels = block->ScanLine(0);
        stride = static_cast<std::size_t>(block->Width());
    }
    std::vector<std::uint8_t> opaque(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y) {
        const std::uint32_t* row = pixels + static_cast<std::size_t>(y) * stride;
        std::uint8_t* mask = opaque.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(w);
        for (int x = 0; x < w; ++x) mask[x] = (row[x] & 0x00FFFFFFu) != key;
    }
    detail::BlitMasked(dc_, dst.Left, dst.Top, w, h, pixels, stride, opaque.data());
}

void Canvas::CopyRect(const Rect& dst, const Canvas& source, const Rect& srcRect) {
    RequireHandle();
    HDC from = source.RequireHandle();
    if (dst.Width() == srcRect.Width() && dst.Height() == srcRect.Height()) {
        BitBlt(dc_, dst.Left, dst.Top, dst.Width(), dst.Height(), from, srcRect.Left, srcRect.Top, copyMode_);
        return;
    }
    SetStretchBltMode(dc_, COLORONCOLOR);
    StretchBlt(dc_, dst.Left, dst.Top, dst.Width(), dst.Height(), from, srcRect.Left, srcRect.Top, srcRect.Width(),
               srcRect.Height(), copyMode_);
}

Color Canvas::Pixel(int x, int y) const {
    const COLORREF c = GetPixel(RequireHandle(), x, y);
    return c == CLR_INVALID ? clNone : RgbToColor(c);
}

void Canvas::SetPixel(int x, int y, Color c) { SetPixelV(RequireHandle(), x, y, ColorToRgb(c)); }

int Canvas::SaveState() {
    const int level = SaveDC(RequireHandle());
    if (level == 0) throw Exception("Cannot save the canvas state");
    saved_.push_back(Saved{level, pen_, brush_, font_, realised_});
    return level;
}

void Canvas::RestoreState(int saved) {
    RequireHandle();
    if (saved_.empty()) throw Exception("Canvas state restored without a saved state");
    auto target = saved_.end() - 1;
    if (saved != -1) {
        target = std::find_if(saved_.begin(), saved_.end(), [saved](const Saved& s) { return s.level == saved; });
        if (target == saved_.end()) throw Exception(Format("Canvas has no saved state %d", saved));
    }
    RestoreDC(dc_, target->level);
    // The context now holds the target's objects; what was realised since is free.
    std::vector<HGDIOBJ> released{realised_.hpen, realised_.hbrush};
    for (auto it = target + 1; it != saved_.end(); ++it) {
        released.push_back(it->realised.hpen);
        released.push_back(it->realised.hbrush);
    }
    pen_ = target->pen;
    brush_ = target->brush;
    font_ = target->font;
    realised_ = target->realised;
    saved_.erase(target, saved_.end());
    DeleteUnused(std::move(released));
}

Point Canvas::Origin() const {
    POINT p{};
    GetViewportOrgEx(RequireHandle(), &p);
    return Point{p.x, p.y};
}

void Canvas::SetOrigin(Point p) { SetViewportOrgEx(RequireHandle(), p.X, p.Y, nullptr); }

void Canvas::MoveOrigin(int dx, int dy) { OffsetViewportOrgEx(RequireHandle(), dx, dy, nullptr); }

Point Canvas::WindowOrigin() const {
    POINT p{};
    GetWindowOrgEx(RequireHandle(), &p);
    return Point{p.x, p.y};
}

void Canvas::SetWindowOrigin(Point p) { SetWindowOrgEx(RequireHandle(), p.X, p.Y, nullptr); }

void Canvas::IntersectClip(const Rect& r) { IntersectClipRect(RequireHandle(), r.Left, r.Top, r.Right, r.Bottom); }

void Canvas::ExcludeClip(const Rect& r) { ExcludeClipRect(RequireHandle(), r.Left, r.Top, r.Right, r.Bottom); }

void Canvas::SetClipRegion(HRGN region) { SelectClipRgn(RequireHandle(), region); }

Rect Canvas::ClipRect() const {
    RECT rc{};
    GetClipBox(RequireHandle(), &rc);
    return Rect{rc.left, rc.top, rc.right, rc.bottom};
}

} // namespace fw
