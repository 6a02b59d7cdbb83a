#include "tools/skinart/Canvas.h"

#include <algorithm>
#include <cmath>

namespace skinart {

namespace {

// Below this coverage a pixel counts as untouched; it keeps stray rounding from turning a
// fuchsia pixel into an almost-fuchsia one.
constexpr float kUntouched = 1.0f / 512.0f;

} // namespace

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(size_t(width) * size_t(height)) {}

void Canvas::Blend(int x, int y, Rgb colour, float alpha) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || alpha <= 0) {
        return;
    }
    alpha = std::min(alpha, 1.0f);
    Pixel& p = pixels_[size_t(y) * size_t(width_) + size_t(x)];
    p.r = colour.r * alpha + p.r * (1 - alpha);
    p.g = colour.g * alpha + p.g * (1 - alpha);
    p.b = colour.b * alpha + p.b * (1 - alpha);
    p.a = alpha + p.a * (1 - alpha);
}

void Canvas::Fill(const Sdf& shape, const Paint& paint, const Opacity& opacity) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const float cx = float(x) + 0.5f;
            const float cy = float(y) + 0.5f;
            const float coverage = std::clamp(0.5f - shape(cx, cy), 0.0f, 1.0f);
            if (coverage > 0) {
                Blend(x, y, paint(cx, cy), coverage * opacity(cx, cy));
            }
        }
    }
}

void Canvas::Fill(const Sdf& shape, const Paint& paint, float opacity) {
    Fill(shape, paint, ConstantOpacity(opacity));
}

void Canvas::Fill(const Sdf& shape, Rgb colour, float opacity) {
    Fill(shape, Solid(colour), ConstantOpacity(opacity));
}

void Canvas::Fill(const Sdf& shape, Rgb colour, const Opacity& opacity) {
    Fill(shape, Solid(colour), opacity);
}

void Canvas::FillPixels(int x0, int y0, int x1, int y1, const Paint& paint) {
    for (int y = std::max(y0, 0); y < std::min(y1, height_); ++y) {
        for (int x = std::max(x0, 0); x < std::min(x1, width_); ++x) {
            Blend(x, y, paint(float(x) + 0.5f, float(y) + 0.5f), 1.0f);
        }
    }
}

void Canvas::FillPixels(int x0, int y0, int x1, int y1, Rgb colour) {
    FillPixels(x0, y0, x1, y1, Solid(colour));
}

Rgb8 Canvas::ToRgb8(float r, float g, float b) {
    auto channel = [](float v) { return uint8_t(std::lround(std::clamp(v, 0.0f, 255.0f))); };
    return {channel(r), channel(g), channel(b)};
}

Image Canvas::Opaque(const Paint& background) const {
    Image image(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Pixel& p = pixels_[size_t(y) * size_t(width_) + size_t(x)];
            const Rgb bg = background(float(x) + 0.5f, float(y) + 0.5f);
            const float rest = 1 - p.a;
            image.Set(x, y, ToRgb8(p.r + bg.r * rest, p.g + bg.g * rest, p.b + bg.b * rest));
        }
    }
    return image;
}

Image Canvas::Keyed(const Paint& background) const {
    Image image = Opaque(background);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (pixels_[size_t(y) * size_t(width_) + size_t(x)].a < kUntouched) {
                image.Set(x, y, kFuchsia);
            }
        }
    }
    return image;
}

Image Canvas::KeyedHard() const {
    Image image(width_, height_, kFuchsia);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Pixel& p = pixels_[size_t(y) * size_t(width_) + size_t(x)];
            if (p.a >= 0.5f) {
                image.Set(x, y, ToRgb8(p.r / p.a, p.g / p.a, p.b / p.a));
            }
        }
    }
    return image;
}

} // namespace skinart
