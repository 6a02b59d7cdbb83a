#pragma once
// Drawing on a device context with a pen, a brush and a font kept as plain values. The canvas
// realises them into GDI objects only when an operation needs them, owns the pens and brushes
// it makes, and puts the context's original objects back when it lets go of the context.
//
// Coordinates are logical (they follow the origin); rectangles are right/bottom exclusive.
// Colours are model colours; system colours are resolved when drawing.

#include "framework/core/Font.h"
#include "framework/graphics/Brush.h"
#include "framework/graphics/Geometry.h"
#include "framework/graphics/Pen.h"

#include <windows.h>

// Our canvas methods carry these names; everything here calls the W functions explicitly.
#undef TextOut
#undef DrawText

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class Bitmap;
class Graphic;
class Icon;

class Canvas {
public:
    Canvas() = default;
    // Draws on `dc` without owning it.
    explicit Canvas(HDC dc);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Handle() const { return dc_; }
    // Switches to another context (or none); the old one gets its original objects back.
    // Saved states belong to the old context and are dropped.
    void SetHandle(HDC dc);
    bool HandleAllocated() const { return dc_ != nullptr; }

    // The live drawing tools; changes take effect at the next drawing operation.
    fw::Pen& Pen() { return pen_; }
    fw::Brush& Brush() { return brush_; }
    fw::Font& Font() { return font_; }
    const fw::Pen& Pen() const { return pen_; }
    const fw::Brush& Brush() const { return brush_; }
    const fw::Font& Font() const { return font_; }

    // Raster operation of Draw, StretchDraw and CopyRect (SRCCOPY by default).
    DWORD CopyMode() const { return copyMode_; }
    void SetCopyMode(DWORD rop) { copyMode_ = rop; }

    // Fills with the brush (nothing for a clear brush).
    void FillRect(const Rect& r);
    // A 1-pixel frame just inside `r` in the brush colour.
    void FrameRect(const Rect& r);
    // The platform's dotted focus rectangle (drawn by XOR: drawing it twice removes it).
    void DrawFocusRect(const Rect& r);
    // Outline with the pen, inside filled with the brush.
    void Rectangle(const Rect& r);
    void RoundRect(const Rect& r, int ellipseWidth, int ellipseHeight);
    void Ellipse(const Rect& r);

    void MoveTo(int x, int y);
    // Draws up to, not including, (x, y), which becomes the pen position.
    void LineTo(int x, int y);
    Point PenPos() const;
    void Polyline(std::span<const Point> points);
    void Polygon(std::span<const Point> points);

    // Text in the font and font colour; the background is the brush colour, or left alone
    // when the brush is clear.
    void TextOut(int x, int y, std::string_view gbkText);
    // Text at (x, y), clipped to `r` (and `r` filled first when the brush is solid).
    void TextRect(const Rect& r, int x, int y, std::string_view gbkText);
    // DrawTextW with DT_* flags; with DT_CALCRECT only `r` changes. Returns the text height.
    int DrawText(std::string_view gbkText, Rect& r, unsigned flags);
    Size TextExtent(std::string_view gbkText);
    int TextWidth(std::string_view gbkText) { return TextExtent(gbkText).Width; }
    int TextHeight(std::string_view gbkText) { return TextExtent(gbkText).Height; }

    // Draws a bitmap 1:1 with its top-left at (x, y); a bitmap marked Transparent leaves the
    // pixels of its transparent colour unchanged (exact match, no blending).
    void Draw(int x, int y, const Bitmap& bitmap);
    // Draws a bitmap or an icon; other graphics draw nothing.
    void Draw(int x, int y, const Graphic& graphic);
    void Draw(int x, int y, const Icon& icon);
    // Stretches the whole bitmap over `dst` (COLORONCOLOR), honouring its transparency.
    void StretchDraw(const Rect& dst, const Bitmap& bitmap);
    void StretchDraw(const Rect& dst, const Graphic& graphic);
    // Copies `src` of `bitmap` stretched over `dst`, leaving every pixel that equals
    // `transparentColor` in the source unchanged here.
    void DrawTransparent(const Rect& dst, const Bitmap& bitmap, const Rect& src, Color transparentColor);
    // Copies `srcRect` of another canvas stretched over `dst` (COLORONCOLOR, CopyMode).
    void CopyRect(const Rect& dst, const Canvas& source, const Rect& srcRect);

    Color Pixel(int x, int y) const;
    void SetPixel(int x, int y, Color c);

    // SaveDC/RestoreDC, together with the pen, brush and font values. RestoreState(-1) undoes
    // the latest SaveState; a positive value restores that level and drops the newer ones.
    int SaveState();
    void RestoreState(int saved = -1);

    // Where logical (0, 0) lands on the device (the viewport origin).
    Point Origin() const;
    void SetOrigin(Point p);
    // Shifts the viewport origin by (dx, dy).
    void MoveOrigin(int dx, int dy);
    // The logical point shown at the device's (0, 0) (the window origin).
    Point WindowOrigin() const;
    void SetWindowOrigin(Point p);

    // Narrows the clip to `r` in logical coordinates.
    void IntersectClip(const Rect& r);
    void ExcludeClip(const Rect& r);
    // Replaces the clip by a region in device coordinates; nullptr removes clipping.
    void SetClipRegion(HRGN region);
    // The bounding box of the visible part, in logical coordinates.
    Rect ClipRect() const;

private:
    struct Realised {
        fw::Pen pen;
        fw::Brush brush;
        HPEN hpen = nullptr;
        HBRUSH hbrush = nullptr;
        HFONT hfont = nullptr;
        bool penValid = false;
        bool brushValid = false;
    };
    struct Saved {
        int level = 0;
        fw::Pen pen;
        fw::Brush brush;
        fw::Font font;
        Realised realised;
    };

    HDC RequireHandle() const;
    void RequirePen();
    void RequireBrush();
    void RequireFont();
    void PrepareText();
    void ReleaseObjects();
    // Deletes those of our pens and brushes that neither the current nor a saved state holds.
    void DeleteUnused(std::vector<HGDIOBJ> candidates);

    HDC dc_ = nullptr;
    HGDIOBJ originalPen_ = nullptr;
    HGDIOBJ originalBrush_ = nullptr;
    HGDIOBJ originalFont_ = nullptr;
    fw::Pen pen_;
    fw::Brush brush_;
    fw::Font font_;
    Realised realised_;
    DWORD copyMode_ = SRCCOPY;
    std::vector<Saved> saved_;
};

} // namespace fw
