#include "framework/graphics/Bitmap.h"

#include "framework/core/Exception.h"
#include "framework/graphics/Canvas.h"
#include "framework/core/WideText.h"
#include "framework/graphics/Win32Color.h"
#include "framework/imaging/BitmapFile.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace fw {

namespace {

struct Dib {
    HBITMAP handle = nullptr;
    uint32_t* bits = nullptr;
};

Dib CreateDib(int width, int height) {
    if (width < 0 || height < 0 || width > kMaxBitmapSide || height > kMaxBitmapSide ||
        int64_t{width} * height > kMaxBitmapPixels)
        throw Exception(Format("Bitmap size %d x %d is not allowed", width, height));
    Dib dib;
    if (width == 0 || height == 0) return dib;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dib.handle = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dib.handle == nullptr || bits == nullptr)
        throw Exception(Format("Cannot create a %d x %d bitmap", width, height));
    dib.bits = static_cast<uint32_t*>(bits);
    return dib;
}

// A BITMAP resource is the file without its 14-byte file header; the pixel data follows the
// info header, its colour masks and its palette.
std::vector<uint8_t> FileFromPackedDib(const uint8_t* dib, size_t size) {
    constexpr size_t kFileHeader = 14;
    uint64_t tables = 0;
    if (size >= 16) {
        const uint32_t headerSize = dib[0] | (dib[1] << 8) | (dib[2] << 16) | (uint32_t{dib[3]} << 24);
        if (headerSize == 12) {
            const unsigned bitCount = dib[10] | (dib[11] << 8);
            tables = headerSize + (bitCount <= 8 ? (uint64_t{3} << bitCount) : 0);
        } else if (size >= 36) {
            const unsigned bitCount = dib[14] | (dib[15] << 8);
            const uint32_t compression = dib[16] | (dib[17] << 8) | (dib[18] << 16) | (uint32_t{dib[19]} << 24);
            const uint32_t used = dib[32] | (dib[33] << 8) | (dib[34] << 16) | (uint32_t{dib[35]} << 24);
            uint64_t colours = used != 0 ? used : (bitCount <= 8 ? (uint64_t{1} << bitCount) : 0);
            uint64_t masks = 0;
            if (headerSize == 40 && compression == BI_BITFIELDS) masks = 12;
            if (headerSize == 40 && compression == 6) masks = 16; // BI_ALPHABITFIELDS
            tables = headerSize + masks + 4 * colours;
        }
    }
    // The decoder checks the offset against the data, so a damaged resource is refused there.
    const uint64_t offBits = std::min<uint64_t>(kFileHeader + tables, 0xFFFFFFFFu);
    const uint64_t fileSize = std::min<uint64_t>(kFileHeader + size, 0xFFFFFFFFu);
    std::vector<uint8_t> file(kFileHeader + size);
    file[0] = 'B';
    file[1] = 'M';
    for (int i = 0; i < 4; ++i) {
        file[2 + i] = static_cast<uint8_t>(fileSize >> (8 * i));
        file[10 + i] = static_cast<uint8_t>(offBits >> (8 * i));
    }
    std::memcpy(file.data() + kFileHeader, dib, size);
    return file;
}

} // namespace

Bitmap::Bitmap() = default;

Bitmap::Bitmap(int width, int height) { Recreate(width, height); }

Bitmap::Bitmap(const Bitmap& other) : Graphic(other) { *this = other; }

Bitmap& Bitmap::operator=(const Bitmap& other) {
    if (this == &other) return *this;
    Recreate(other.width_, other.height_);
    if (bits_ != nullptr) {
        GdiFlush();
        std::memcpy(bits_, other.bits_, static_cast<size_t>(width_) * static_cast<size_t>(height_) * 4);
    }
    transparent_ = other.transparent_;
    transparentColor_ = other.transparentColor_;
    return *this;
}

Bitmap::Bitmap(Bitmap&& other) noexcept { *this = std::move(other); }

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
    if (this == &other) return *this;
    canvas_.reset();
    ReleaseDc();
    if (handle_ != nullptr) DeleteObject(handle_);
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    handle_ = std::exchange(other.handle_, nullptr);
    bits_ = std::exchange(other.bits_, nullptr);
    dc_ = std::exchange(other.dc_, nullptr);
    originalBitmap_ = std::exchange(other.originalBitmap_, nullptr);
    canvas_ = std::move(other.canvas_);
    transparent_ = other.transparent_;
    transparentColor_ = other.transparentColor_;
    return *this;
}

Bitmap::~Bitmap() {
    canvas_.reset();
    ReleaseDc();
    if (handle_ != nullptr) DeleteObject(handle_);
}

void Bitmap::ReleaseDc() {
    if (dc_ == nullptr) return;
    SelectObject(dc_, originalBitmap_);
    DeleteDC(dc_);
    dc_ = nullptr;
    originalBitmap_ = nullptr;
}

void Bitmap::Recreate(int width, int height) {
    const Dib dib = CreateDib(width, height);
    Replace(dib.handle, dib.bits, width, height);
}

void Bitmap::Replace(HBITMAP handle, uint32_t* bits, int width, int height) {
    if (dc_ != nullptr) SelectObject(dc_, handle != nullptr ? handle : originalBitmap_);
    if (handle_ != nullptr) DeleteObject(handle_);
    handle_ = handle;
    bits_ = bits;
    width_ = width;
    height_ = height;
}

void Bitmap::SetSize(int width, int height) {
    if (width == width_ && height == height_) return;
    const int oldWidth = width_;
    const int oldHeight = height_;
    const Dib dib = CreateDib(width, height);
    if (dib.bits != nullptr && bits_ != nullptr) {
        GdiFlush();
        const int rows = std::min(height, oldHeight);
        const size_t bytes = static_cast<size_t>(std::min(width, oldWidth)) * 4;
        for (int y = 0; y < rows; ++y)
            std::memcpy(dib.bits + static_cast<size_t>(y) * width, bits_ + static_cast<size_t>(y) * oldWidth, bytes);
    }
    Replace(dib.handle, dib.bits, width, height);
}

HDC Bitmap::DeviceContext() const {
    if (dc_ == nullptr) {
        dc_ = CreateCompatibleDC(nullptr);
        if (dc_ == nullptr) throw Exception("Cannot create a device context for a bitmap");
        originalBitmap_ = GetCurrentObject(dc_, OBJ_BITMAP);
        if (handle_ != nullptr) SelectObject(dc_, handle_);
    }
    return dc_;
}

fw::Canvas& Bitmap::Canvas() {
    if (!canvas_) canvas_ = std::make_unique<fw::Canvas>(DeviceContext());
    return *canvas_;
}

PixelImage Bitmap::ResourceImage(HINSTANCE module, const std::string& name) {
    const std::wstring wide = GbkToWide(name);
    HRSRC info = FindResourceW(module, wide.c_str(), MAKEINTRESOURCEW(2)); // RT_BITMAP
    HGLOBAL loaded = info ? LoadResource(module, info) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (data == nullptr) throw Exception(Format("Bitmap resource %s not found", name.c_str()));
    const std::vector<uint8_t> file = FileFromPackedDib(static_cast<const uint8_t*>(data), SizeofResource(module, info));
    return DecodeBitmapFile(file);
}

void Bitmap::LoadFromResourceName(HINSTANCE module, const std::string& name) { Assign(ResourceImage(module, name)); }

void Bitmap::LoadFromBitmapFile(const uint8_t* data, size_t size) { Assign(DecodeBitmapFile(data, size)); }

void Bitmap::Assign(const PixelImage& image) {
    Recreate(image.Width(), image.Height());
    if (bits_ == nullptr) return;
    GdiFlush();
    for (int y = 0; y < height_; ++y)
        std::memcpy(bits_ + static_cast<size_t>(y) * width_, image.Row(y), static_cast<size_t>(width_) * 4);
}

PixelImage Bitmap::ToPixelImage() const {
    PixelImage image(width_, height_);
    if (bits_ == nullptr) return image;
    GdiFlush();
    for (int y = 0; y < height_; ++y)
        std::memcpy(image.Row(y), bits_ + static_cast<size_t>(y) * width_, static_cast<size_t>(width_) * 4);
    return image;
}

uint32_t* Bitmap::ScanLine(int y) {
    CheckInside(0, y);
    GdiFlush();
    return bits_ + static_cast<size_t>(y) * width_;
}

const uint32_t* Bitmap::ScanLine(int y) const {
    CheckInside(0, y);
    GdiFlush();
    return bits_ + static_cast<size_t>(y) * width_;
}

void Bitmap::CheckInside(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || bits_ == nullptr)
        throw Exception(Format("Pixel (%d, %d) lies outside the %d x %d bitmap", x, y, width_, height_));
}

Color Bitmap::Pixel(int x, int y) const {
    CheckInside(x, y);
    GdiFlush();
    return RgbToColor(PixelToColorRef(bits_[static_cast<size_t>(y) * width_ + x]));
}

void Bitmap::SetPixel(int x, int y, Color c) {
    CheckInside(x, y);
    GdiFlush();
    bits_[static_cast<size_t>(y) * width_ + x] = ColorRefToPixel(ColorToRgb(c));
}

Color Bitmap::TransparentColor() const {
    if (transparentColor_ != clDefault) return transparentColor_;
    return Empty() ? clBlack : Pixel(0, 0);
}

} // namespace fw
