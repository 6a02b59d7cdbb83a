#pragma once
// The arithmetic of the skin drawing routines, kept free of Win32 so it is testable natively:
// where a frame lies in a strip of frames, how a nine-piece and a three-piece image are laid
// over a rectangle, and quarter turns of a pixel image. SUIPublic draws with these.

#include "framework/graphics/Geometry.h"
#include "framework/imaging/PixelImage.h"

#include <array>

// Frame `index` (1-based) of `count` equal-width frames side by side in a width x height image:
// columns (index - 1) * (width div count) up to index * (width div count). Pixels right of the
// last whole frame belong to no frame. Throws fw::Exception unless 1 <= index <= count.
fw::Rect FrameSourceRect(int width, int height, int count, int index);
// The pixels of that frame of `image`.
fw::PixelImage CutImageFrame(const fw::PixelImage& image, int count, int index);

// The nine pieces in the order they are drawn; later pieces paint over earlier ones.
enum class NineGridPart { TopLeft, BottomLeft, LeftEdge, TopRight, BottomRight, RightEdge, TopEdge, Centre, BottomEdge };

struct NineGridPiece {
    NineGridPart Part;
    // Where the piece is taken from in the image (already trimmed and inside the image).
    fw::Rect Source;
    // Where it goes. Corners are copied 1:1 (Source and Target have the same size); the edges
    // and the centre are stretched from Source over Target.
    fw::Rect Target;
    bool Stretched;
    // False when either rectangle is empty: nothing of this piece is drawn.
    bool Drawn() const { return !Source.Empty() && !Target.Empty(); }
};

// Lays an imageWidth x imageHeight picture over `target`: corners at natural size (cut down to
// half the target, keeping their outer corner), the middle column and rows stretched between.
//
// A corner that gets no pixels (a target under 4 pixels wide or high leaves the right and
// bottom corners, under 2 pixels all corners, without any) still has a rectangle: the empty
// rectangle at its anchor corner of `target`, with the side it does have. The edges and the
// centre are placed against those, so the pieces still cover the whole target. The bottom edge
// starts one pixel left of the top-left corner's right side, which puts it one pixel outside a
// target under 2 pixels wide; the drawing clips to `target`, so nothing lands outside it.
std::array<NineGridPiece, 9> NineGridLayout(int imageWidth, int imageHeight, const fw::Rect& target);

struct ThreePartLayout {
    int FrameWidth;         // imageWidth div 3
    fw::Point LeftAt;       // frame 1, drawn 1:1
    fw::Point RightAt;      // frame 3, drawn 1:1
    fw::Rect MiddleTarget;  // frame 2, stretched over it (empty when the ends meet)
};

// Three equal frames side by side: the first at the target's left, the third at its right, the
// second stretched between them.
ThreePartLayout MakeThreePartLayout(int imageWidth, const fw::Rect& target);

// A quarter turn counter-clockwise: a W x H image becomes H x W and the pixel at (x, y) lands at
// (y, W - 1 - x).
fw::PixelImage RotateImageLeft(const fw::PixelImage& image);
// A quarter turn clockwise: the pixel at (x, y) lands at (H - 1 - y, x).
fw::PixelImage RotateImageRight(const fw::PixelImage& image);
