#pragma once
// A drawing surface with coverage: shapes are composited over it with anti-aliased edges, and
// the finished drawing becomes an Image either opaque (over a background) or keyed (pixels no
// shape touched become fuchsia).

#include "tools/skinart/Image.h"
#include "tools/skinart/Paint.h"
#include "tools/skinart/Shapes.h"

#include <vector>

namespace skinart {

class Canvas {
public:
    Canvas(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }

    void Fill(const Sdf& shape, const Paint& paint, const Opacity& opacity);
    void Fill(const Sdf& shape, const Paint& paint, float opacity = 1.0f);
    void Fill(const Sdf& shape, Rgb colour, float opacity = 1.0f);
    void Fill(const Sdf& shape, Rgb colour, const Opacity& opacity);
    // Paints every pixel of the rectangle [x0, x1) x [y0, y1) fully, without anti-aliasing.
    void FillPixels(int x0, int y0, int x1, int y1, const Paint& paint);
    void FillPixels(int x0, int y0, int x1, int y1, Rgb colour);

    // Composites the drawing over `background`; no pixel is left transparent.
    Image Opaque(const Paint& background) const;
    Image Opaque(Rgb background) const { return Opaque(Solid(background)); }
    // Untouched pixels become fuchsia; partly covered ones are blended over `background`, the
    // colour the image is expected to be drawn on.
    Image Keyed(const Paint& background) const;
    Image Keyed(Rgb background) const { return Keyed(Solid(background)); }
    // Hard edges for images whose background is not known: pixels less than half covered become
    // fuchsia, the others take their own colour at full strength.
    Image KeyedHard() const;

private:
    // Premultiplied colour and coverage.
    struct Pixel {
        float r = 0;
        float g = 0;
        float b = 0;
        float a = 0;
    };

    void Blend(int x, int y, Rgb colour, float alpha);
    static Rgb8 ToRgb8(float r, float g, float b);

    int width_;
    int height_;
    std::vector<Pixel> pixels_;
};

} // namespace skinart
