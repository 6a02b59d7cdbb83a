#include "skin/styles/SUIDrawLayout.h"

#include "framework/core/Exception.h"

#include <algorithm>

namespace {

using fw::Rect;

// Size of a corner piece: the source size cut to the target size, never negative.
int CornerSide(int source, int target) {
    return std::max(0, std::min(source, target));
}

// The image's own pixels only: tiny images make some strips reach past their edge.
Rect InsideImage(const Rect& r, int width, int height) {
    const Rect clipped{std::max(r.Left, 0), std::max(r.Top, 0), std::min(r.Right, width), std::min(r.Bottom, height)};
    return clipped.Empty() ? Rect{} : clipped;
}

} // namespace

fw::Rect FrameSourceRect(int width, int height, int count, int index) {
    if (count < 1 || index < 1 || index > count)
        throw fw::Exception(fw::Format("Frame %d of %d does not exist", index, count));
    const int frameWidth = width / count;
    return Rect{(index - 1) * frameWidth, 0, index * frameWidth, height};
}

fw::PixelImage CutImageFrame(const fw::PixelImage& image, int count, int index) {
    const Rect r = FrameSourceRect(image.Width(), image.Height(), count, index);
    fw::PixelImage frame(r.Width(), r.Height());
    for (int y = 0; y < frame.Height() && frame.Width() > 0; ++y)
        std::copy_n(image.Row(y) + r.Left, frame.Width(), frame.Row(y));
    return frame;
}

std::array<NineGridPiece, 9> NineGridLayout(int imageWidth, int imageHeight, const fw::Rect& target) {
    const int sw = imageWidth;
    const int sh = imageHeight;
    const int hw = sw / 2;
    const int hh = sh / 2;
    const int tw = target.Width() / 2;
    const int th = target.Height() / 2;
    const int left = target.Left;
    const int top = target.Top;
    const int right = target.Right;
    const int bottom = target.Bottom;

    // Corners: the source block cut to w x h keeping the corner that faces outwards.
    int w = CornerSide(hw, tw);
    int h = CornerSide(hh, th);
    const Rect tlSource{0, 0, w, h};
    const Rect tl{left, top, left + w, top + h};

    w = CornerSide(hw, tw);
    h = CornerSide(hh - 1, th - 1);
    const Rect blSource{0, sh - h, w, sh};
    const Rect bl{left, bottom - h, left + w, bottom};

    w = CornerSide(hw - 1, tw - 1);
    h = CornerSide(hh, th);
    const Rect trSource{sw - w, 0, sw, h};
    const Rect tr{right - w, top, right, top + h};

    w = CornerSide(hw - 1, tw - 1);
    h = CornerSide(hh - 1, th - 1);
    const Rect brSource{sw - w, sh - h, sw, sh};
    const Rect br{right - w, bottom - h, right, bottom};

    // Edges and centre: the middle strips of the image, cut across the stretch to fit.
    Rect leftStrip{0, hh, hw, sh - hh};
    const Rect leftTarget{left, tl.Bottom, tl.Right, bl.Top};
    if (leftStrip.Width() > leftTarget.Width()) leftStrip.Right = leftStrip.Left + std::max(0, leftTarget.Width());

    Rect rightStrip{sw - hw + 1, sh - hh, sw, hh + 2};
    const Rect rightTarget{tr.Left, tr.Bottom, tr.Right, br.Top};
    if (rightStrip.Width() > rightTarget.Width()) rightStrip.Left = rightStrip.Right - std::max(0, rightTarget.Width());

    Rect topStrip{hw, 0, sw - hw + 1, hh};
    const Rect topTarget{tl.Right, top, tr.Left, tl.Bottom};
    if (topStrip.Height() > topTarget.Height()) topStrip.Bottom = topStrip.Top + std::max(0, topTarget.Height());

    const Rect centreStrip{hw, hh, sw - hw + 1, sh - hh};
    const Rect centreTarget{tl.Right, tl.Bottom, tr.Left, br.Top - 1};

    Rect bottomStrip{hw, sh - hh, sw - hw + 1, sh};
    const Rect bottomTarget{tl.Right - 1, bl.Top - 1, br.Left, br.Bottom};
    if (bottomStrip.Height() > bottomTarget.Height()) bottomStrip.Top = bottomStrip.Bottom - std::max(0, bottomTarget.Height());

    auto piece = [&](NineGridPart part, const Rect& source, const Rect& dest, bool stretched) {
        return NineGridPiece{part, InsideImage(source, sw, sh), dest, stretched};
    };
    return {
        piece(NineGridPart::TopLeft, tlSource, tl, false),
        piece(NineGridPart::BottomLeft, blSource, bl, false),
        piece(NineGridPart::LeftEdge, leftStrip, leftTarget, true),
        piece(NineGridPart::TopRight, trSource, tr, false),
        piece(NineGridPart::BottomRight, brSource, br, false),
        piece(NineGridPart::RightEdge, rightStrip, rightTarget, true),
        piece(NineGridPart::TopEdge, topStrip, topTarget, true),
        piece(NineGridPart::Centre, centreStrip, centreTarget, true),
        piece(NineGridPart::BottomEdge, bottomStrip, bottomTarget, true),
    };
}

ThreePartLayout MakeThreePartLayout(int imageWidth, const fw::Rect& target) {
    const int frameWidth = imageWidth / 3;
    return ThreePartLayout{
        frameWidth,
        fw::Point{target.Left, target.Top},
        fw::Point{target.Right - frameWidth, target.Top},
        Rect{target.Left + frameWidth, target.Top, target.Right - frameWidth, target.Bottom},
    };
}

fw::PixelImage RotateImageLeft(const fw::PixelImage& image) {
    const int w = image.Width();
    const int h = image.Height();
    fw::PixelImage turned(h, w);
    for (int y = 0; y < h; ++y) {
        const uint32_t* row = image.Row(y);
        for (int x = 0; x < w; ++x) turned.Row(w - 1 - x)[y] = row[x];
    }
    return turned;
}

fw::PixelImage RotateImageRight(const fw::PixelImage& image) {
    const int w = image.Width();
    const int h = image.Height();
    fw::PixelImage turned(h, w);
    for (int y = 0; y < h; ++y) {
        const uint32_t* row = image.Row(y);
        for (int x = 0; x < w; ++x) turned.Row(x)[h - 1 - y] = row[x];
    }
    return turned;
}
