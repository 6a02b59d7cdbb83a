#pragma once
// A list of equal-sized images, each with a mask of the pixels that are drawn. Images are
// kept in our own memory (not a comctl32 list) so that masked and greyed drawing give the
// same pixels on every system.

#include "framework/core/Color.h"
#include "framework/imaging/PixelImage.h"

#include <cstdint>
#include <vector>

namespace fw {

class Bitmap;
class Canvas;

class ImageList {
public:
    // Throws fw::Exception unless both sides are at least 1.
    ImageList(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return static_cast<int>(images_.size()); }
    // Changes the image size and removes every image.
    void SetSize(int width, int height);
    void Clear();

    // Cuts `bitmap` into Width()-wide images from the left (a bitmap narrower than one image
    // still gives one); rows and columns beyond the bitmap are transparent. Returns the index
    // of the first new image, -1 for an empty bitmap.
    int Add(const Bitmap& bitmap);
    // Same, with every pixel of `maskColor` transparent.
    int AddMasked(const Bitmap& bitmap, Color maskColor);

    // Draws image `index` with its top-left at (x, y), its transparent pixels leaving the
    // canvas unchanged; a disabled image is drawn in greys. Throws fw::Exception for an index
    // outside the list.
    void Draw(fw::Canvas& canvas, int x, int y, int index, bool enabled = true) const;
    // `dest` becomes Width() x Height() holding the image's own pixels (transparent ones too)
    // and is marked neither transparent nor masked.
    void GetBitmap(int index, Bitmap& dest) const;
    // Whether pixel (x, y) of image `index` is drawn.
    bool IsOpaque(int index, int x, int y) const;

private:
    struct Image {
        PixelImage pixels;
        std::vector<uint8_t> opaque; // one byte per pixel, row by row
    };

    int AddImages(const Bitmap& bitmap, bool masked, Color maskColor);
    const Image& At(int index) const;

    int width_;
    int height_;
    std::vector<Image> images_;
};

} // namespace fw
