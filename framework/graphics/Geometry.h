#pragma once
// Points, sizes and rectangles in device or logical pixels. Rectangles are right/bottom
// exclusive, as GDI takes them. No <windows.h> here, so layout arithmetic can use them too.

#include <algorithm>

namespace fw {

struct Point {
    int X = 0;
    int Y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int Width = 0;
    int Height = 0;
    bool operator==(const Size&) const = default;
};

struct Rect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    static constexpr Rect FromBounds(int x, int y, int width, int height) {
        return Rect{x, y, x + width, y + height};
    }

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr bool Empty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    constexpr Point TopLeft() const { return Point{Left, Top}; }
    constexpr Rect Offset(int dx, int dy) const { return Rect{Left + dx, Top + dy, Right + dx, Bottom + dy}; }
    constexpr Rect Inflate(int dx, int dy) const { return Rect{Left - dx, Top - dy, Right + dx, Bottom + dy}; }
    // The common part; an empty rectangle when they do not overlap.
    constexpr Rect Intersect(const Rect& o) const {
        Rect r{std::max(Left, o.Left), std::max(Top, o.Top), std::min(Right, o.Right), std::min(Bottom, o.Bottom)};
        return r.Empty() ? Rect{} : r;
    }
    bool operator==(const Rect&) const = default;
};

} // namespace fw
