#pragma once
// A 32-bit top-down DIB section: GDI draws on it through its Canvas, and its pixels are
// addressable directly (0x00RRGGBB words, like PixelImage) for cutting, rotating and tests.
// An empty bitmap (0 x 0) has no handle; its canvas draws nowhere.

#include "framework/core/Color.h"
#include "framework/core/Graphic.h"
#include "framework/imaging/PixelImage.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace fw {

class Canvas;

class Bitmap : public Graphic {
public:
    Bitmap();
    // Black pixels; throws fw::Exception for a negative or oversized size.
    Bitmap(int width, int height);
    // Copies the pixels and the transparency settings (not the canvas state).
    Bitmap(const Bitmap& other);
    Bitmap& operator=(const Bitmap& other);
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;
    ~Bitmap() override;

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }

    // Keeps the overlapping top-left content; new pixels are black. A size of 0 in either
    // direction empties the bitmap.
    void SetSize(int width, int height);
    void SetWidth(int width) { SetSize(width, height_); }
    void SetHeight(int height) { SetSize(width_, height); }

    HBITMAP Handle() const { return handle_; }
    // The canvas over the bitmap's own memory context, made on first use.
    fw::Canvas& Canvas();
    // That memory context, for copying from the bitmap; the bitmap stays selected in it (a
    // DIB section can be selected into one context only, so never select Handle() elsewhere).
    HDC DeviceContext() const;

    // Loads the BITMAP resource `name` of `module` (e.g. "MACOS_BUTTON").
    void LoadFromResourceName(HINSTANCE module, const std::string& name);
    // The pixels of that resource; throws fw::Exception when there is none.
    static PixelImage ResourceImage(HINSTANCE module, const std::string& name);
    // Decodes a whole bitmap file held in memory; throws BitmapFileError for anything it
    // does not accept, leaving the bitmap as it was.
    void LoadFromBitmapFile(const uint8_t* data, size_t size);
    void LoadFromBitmapFile(const std::vector<uint8_t>& bytes) { LoadFromBitmapFile(bytes.data(), bytes.size()); }

    void Assign(const PixelImage& image);
    // The pixels with the alpha byte as stored.
    PixelImage ToPixelImage() const;

    // Row y (0 is the top) of Width() pixels, after GDI finished pending drawing. The pointer
    // stays valid until the size changes.
    uint32_t* ScanLine(int y);
    const uint32_t* ScanLine(int y) const;
    // Checked pixel access with model colours; throws fw::Exception outside the bitmap.
    Color Pixel(int x, int y) const;
    void SetPixel(int x, int y, Color c);

    // A transparent bitmap leaves the pixels of its transparent colour out when drawn.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent) { transparent_ = transparent; }
    // The colour set with SetTransparentColor, or the top-left pixel while none is set
    // (clDefault); black for an empty bitmap.
    Color TransparentColor() const;
    void SetTransparentColor(Color c) { transparentColor_ = c; }

private:
    // A new black bitmap of that size, without the old content.
    void Recreate(int width, int height);
    // Takes over a DIB section (or none), selecting it into the memory context.
    void Replace(HBITMAP handle, uint32_t* bits, int width, int height);
    void CheckInside(int x, int y) const;
    void ReleaseDc();

    int width_ = 0;
    int height_ = 0;
    HBITMAP handle_ = nullptr;
    uint32_t* bits_ = nullptr;
    mutable HDC dc_ = nullptr;
    mutable HGDIOBJ originalBitmap_ = nullptr;
    std::unique_ptr<fw::Canvas> canvas_;
    bool transparent_ = false;
    Color transparentColor_ = clDefault;
};

} // namespace fw
