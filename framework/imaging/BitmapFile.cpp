#include "framework/imaging/BitmapFile.h"

#include "framework/imaging/BitmapRle.h"

#include <algorithm>
#include <bit>

namespace fw {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12;  // OS/2 1.x
constexpr size_t kInfoHeaderSize = 40;  // Windows 3
constexpr size_t kMaxOs2HeaderSize = 64; // OS/2 2.x headers may stop after any field up to 64 bytes
constexpr size_t kV4HeaderSize = 108;
constexpr size_t kV5HeaderSize = 124;

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiRle8 = 1;
constexpr uint32_t kBiRle4 = 2;
constexpr uint32_t kBiBitFields = 3;
constexpr uint32_t kBiAlphaBitFields = 6;

// Anything beyond 25400 dots per inch is not a real resolution but a damaged header.
constexpr int64_t kMaxPixelsPerMetre = 1000000;

uint16_t ReadU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t ReadU32(const uint8_t* p) {
    return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}
int32_t ReadI32(const uint8_t* p) { return static_cast<int32_t>(ReadU32(p)); }

// Rows are padded to whole 32-bit words.
uint64_t RowStride(int width, int bitCount) { return (uint64_t(width) * uint64_t(bitCount) + 31) / 32 * 4; }

[[noreturn]] void Fail(const std::string& message) { throw BitmapFileError(message); }

[[noreturn]] void FailTruncated(const char* what) {
    Fail(Format("Bitmap file is truncated (%s)", what));
}

// One colour channel of a bit-field pixel.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    uint8_t Extract(uint32_t value) const {
        uint32_t v = (value & mask) >> shift;
        if (bits >= 8)
            return static_cast<uint8_t>(v >> (bits - 8));
        // Repeat the field's bits downwards so that all-ones becomes 255 and zero stays 0.
        v <<= 8 - bits;
        for (int filled = bits; filled < 8; filled += bits)
            v |= v >> bits;
        return static_cast<uint8_t>(v);
    }
};

Channel MakeChannel(uint32_t mask, int bitCount, const char* name) {
    Channel c;
    if (mask == 0)
        Fail(Format("Bitmap file has an empty %s mask", name));
    if (bitCount < 32 && (mask >> bitCount) != 0)
        Fail(Format("Bitmap file's %s mask 0x%X does not fit in %d-bit pixels", name, mask, bitCount));
    c.mask = mask;
    c.shift = std::countr_zero(mask);
    c.bits = std::popcount(mask);
    if (c.bits != 32 - std::countl_zero(mask) - c.shift)
        Fail(Format("Bitmap file's %s mask 0x%X is not a contiguous run of bits", name, mask));
    return c;
}

// Everything the headers say about the pixels, after checking it.
struct Layout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitCount = 0;
    uint32_t compression = kBiRgb;
    Channel red, green, blue;
    bool verbatim32 = false; // 32-bit pixels already in B, G, R, A byte order: copied as they are
    std::vector<uint32_t> palette;
    size_t dataOffset = 0;
    size_t dataSize = 0; // bytes of pixel data to read, checked against the buffer
};

class HeaderParser {
public:
    HeaderParser(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    Layout Parse() {
        ParseFileHeader();
        ParseInfoHeader();
        CheckDimensions();
        ParseMasks();
        if (offBits_ < tablesStart_)
            Fail(Format("Bitmap file's pixel data offset %u points into its headers", offBits_));
        ParsePalette();
        LocatePixelData();
        return std::move(layout_);
    }

private:
    void ParseFileHeader() {
        if (size_ < kFileHeaderSize + 4)
            FailTruncated("no room for the headers");
        if (data_[0] != 'B' || data_[1] != 'M')
            Fail("Not a bitmap file (it does not start with \"BM\")");
        const uint32_t declaredSize = ReadU32(data_ + 2);
        // A smaller declared size is a harmless slip of some writers; a larger one means bytes are missing.
        if (declaredSize > size_)
            Fail(Format("Bitmap file is truncated (its header gives %u bytes, only %llu are present)",
                        declaredSize, static_cast<unsigned long long>(size_)));
        offBits_ = ReadU32(data_ + 10);
    }

    void ParseInfoHeader() {
        headerSize_ = ReadU32(data_ + kFileHeaderSize);
        const bool supported = headerSize_ == kCoreHeaderSize ||
                               (headerSize_ >= 16 && headerSize_ <= kMaxOs2HeaderSize) ||
                               headerSize_ == kV4HeaderSize || headerSize_ == kV5HeaderSize;
        if (!supported)
            Fail(Format("Unsupported bitmap header size %u", headerSize_));
        if (size_ - kFileHeaderSize < headerSize_)
            FailTruncated("the bitmap header is cut short");
        header_ = data_ + kFileHeaderSize;

        if (headerSize_ == kCoreHeaderSize) {
            width_ = ReadU16(header_ + 4);
            height_ = ReadU16(header_ + 6);
            planes_ = ReadU16(header_ + 8);
            layout_.bitCount = ReadU16(header_ + 10);
        } else {
            width_ = ReadI32(header_ + 4);
            height_ = ReadI32(header_ + 8);
            planes_ = ReadU16(header_ + 12);
            layout_.bitCount = ReadU16(header_ + 14);
            layout_.compression = Field(16);
            imageSize_ = Field(20);
            CheckResolution(static_cast<int32_t>(Field(24)));
            CheckResolution(static_cast<int32_t>(Field(28)));
            colorsUsed_ = Field(32);
        }
        if (planes_ != 1)
            Fail(Format("Bitmap file has %u colour planes; only 1 is supported", planes_));

        // Sizes other than 40, 52 and 56 bytes between 16 and 64 are OS/2 2.x headers, whose
        // compression codes 3 and 4 mean Huffman and RLE24 rather than bit fields and JPEG.
        isOs2_ = headerSize_ == kCoreHeaderSize ||
                 (headerSize_ <= kMaxOs2HeaderSize && headerSize_ != kInfoHeaderSize &&
                  headerSize_ != 52 && headerSize_ != 56);
        CheckFormat();
    }

    // A field of the info header, or 0 when the header stops before it (short OS/2 2.x headers).
    uint32_t Field(size_t offset) const {
        return offset + 4 <= headerSize_ ? ReadU32(header_ + offset) : 0;
    }

    static void CheckResolution(int32_t pixelsPerMetre) {
        if (pixelsPerMetre > kMaxPixelsPerMetre || pixelsPerMetre < -kMaxPixelsPerMetre)
            Fail(Format("Bitmap file gives an implausible resolution of %d pixels per metre", pixelsPerMetre));
    }

    void CheckFormat() {
        const int bits = layout_.bitCount;
        const uint32_t compression = layout_.compression;
        const bool coreBits = bits == 1 || bits == 4 || bits == 8 || bits == 24;
        if (!(coreBits || (headerSize_ != kCoreHeaderSize && (bits == 16 || bits == 32))))
            Fail(Format("Unsupported bit count %d", bits));

        switch (compression) {
        case kBiRgb:
            return;
        case kBiRle8:
        case kBiRle4:
            if ((compression == kBiRle8 && bits != 8) || (compression == kBiRle4 && bits != 4))
                Fail(Format("Bitmap file uses RLE%d compression with %d bits per pixel",
                            compression == kBiRle8 ? 8 : 4, bits));
            return;
        case kBiBitFields:
        case kBiAlphaBitFields:
            if (isOs2_)
                break;
            if (bits != 16 && bits != 32)
                Fail(Format("Bitmap file uses bit fields with %d bits per pixel", bits));
            return;
        default:
            break;
        }
        const char* name = "unknown";
        if (isOs2_ && compression == 3)
            name = "Huffman";
        else if (isOs2_ && compression == 4)
            name = "RLE24";
        else if (compression == 4)
            name = "JPEG";
        else if (compression == 5)
            name = "PNG";
        Fail(Format("Unsupported bitmap compression %u (%s)", compression, name));
    }

    void CheckDimensions() {
        if (width_ <= 0)
            Fail(Format("Bitmap file has an invalid width of %lld pixels", static_cast<long long>(width_)));
        if (height_ == 0)
            Fail("Bitmap file has a height of 0 pixels");
        layout_.topDown = height_ < 0;
        const int64_t height = height_ < 0 ? -height_ : height_;
        if (layout_.topDown && (layout_.compression == kBiRle8 || layout_.compression == kBiRle4))
            Fail("Bitmap file has top-down rows, which RLE compression does not allow");
        if (width_ > kMaxBitmapSide || height > kMaxBitmapSide || width_ * height > kMaxBitmapPixels)
            Fail(Format("Bitmap of %lldx%lld pixels is too large", static_cast<long long>(width_),
                        static_cast<long long>(height)));
        layout_.width = static_cast<int>(width_);
        layout_.height = static_cast<int>(height);
    }

    void ParseMasks() {
        tablesStart_ = kFileHeaderSize + headerSize_;
        const int bits = layout_.bitCount;
        const uint32_t compression = layout_.compression;
        if (compression != kBiBitFields && compression != kBiAlphaBitFields) {
            if (bits == 16) {
                layout_.red = MakeChannel(0x7C00, 16, "red");
                layout_.green = MakeChannel(0x03E0, 16, "green");
                layout_.blue = MakeChannel(0x001F, 16, "blue");
            }
            layout_.verbatim32 = bits == 32;
            return;
        }
        const uint8_t* masks = header_ + kInfoHeaderSize;
        if (headerSize_ == kInfoHeaderSize) {
            // The masks follow a 40-byte header (three, or four with alpha bit fields).
            const size_t maskBytes = compression == kBiAlphaBitFields ? 16 : 12;
            if (size_ - tablesStart_ < maskBytes)
                FailTruncated("the colour masks are missing");
            masks = data_ + tablesStart_;
            tablesStart_ += maskBytes;
        }
        layout_.red = MakeChannel(ReadU32(masks), bits, "red");
        layout_.green = MakeChannel(ReadU32(masks + 4), bits, "green");
        layout_.blue = MakeChannel(ReadU32(masks + 8), bits, "blue");
        const uint32_t r = layout_.red.mask, g = layout_.green.mask, b = layout_.blue.mask;
        if ((r & g) != 0 || (r & b) != 0 || (g & b) != 0)
            Fail("Bitmap file's colour masks overlap");
        // The same layout as a 32-bit DIB section is copied byte for byte, as the system does.
        layout_.verbatim32 = bits == 32 && r == 0x00FF0000 && g == 0x0000FF00 && b == 0x000000FF;
    }

    void ParsePalette() {
        const int bits = layout_.bitCount;
        const size_t entrySize = headerSize_ == kCoreHeaderSize ? 3 : 4;
        const uint64_t declared = colorsUsed_ != 0 ? colorsUsed_ : (bits <= 8 ? uint64_t{1} << bits : 0);
        if (colorsUsed_ != 0 && declared * entrySize > size_ - tablesStart_)
            Fail(Format("Bitmap file's palette of %u colours runs past the end of the file", colorsUsed_));
        if (bits > 8)
            return; // a palette of a true-colour file only advises on display; its pixels do not use it
        // Old writers leave out the end of the palette; what fits before the pixel data is read,
        // and any pixel that refers past it is refused while decoding.
        const uint64_t room = std::min<uint64_t>(offBits_, size_) - tablesStart_;
        const size_t count = static_cast<size_t>(
            std::min<uint64_t>({declared, uint64_t{1} << bits, room / entrySize}));
        layout_.palette.resize(count);
        const uint8_t* entry = data_ + tablesStart_;
        for (size_t i = 0; i < count; ++i, entry += entrySize)
            layout_.palette[i] = MakePixel(entry[2], entry[1], entry[0]);
    }

    void LocatePixelData() {
        if (offBits_ > size_)
            FailTruncated("the pixel data offset lies beyond the end");
        const size_t available = size_ - offBits_;
        if (imageSize_ > available)
            Fail(Format("Bitmap file's image size of %u bytes exceeds the %llu bytes of pixel data present",
                        imageSize_, static_cast<unsigned long long>(available)));
        layout_.dataOffset = offBits_;
        const uint32_t compression = layout_.compression;
        if (compression == kBiRle8 || compression == kBiRle4) {
            layout_.dataSize = imageSize_ != 0 ? imageSize_ : available;
            return;
        }
        // Width and height are limited, so the product fits comfortably in 64 bits.
        const uint64_t needed = RowStride(layout_.width, layout_.bitCount) * uint64_t(layout_.height);
        if (needed > available)
            Fail(Format("Bitmap file is truncated (%llu bytes of pixel data needed, %llu present)",
                        static_cast<unsigned long long>(needed), static_cast<unsigned long long>(available)));
        layout_.dataSize = static_cast<size_t>(needed);
    }

    const uint8_t* data_;
    size_t size_;
    const uint8_t* header_ = nullptr;
    uint32_t headerSize_ = 0;
    uint32_t offBits_ = 0;
    uint32_t imageSize_ = 0;
    uint32_t colorsUsed_ = 0;
    int64_t width_ = 0;
    int64_t height_ = 0;
    unsigned planes_ = 0;
    bool isOs2_ = false;
    size_t tablesStart_ = 0;
    Layout layout_;
};

uint32_t PaletteColour(const Layout& layout, unsigned index) {
    if (index >= layout.palette.size())
        Fail(Format("Bitmap file uses colour %u of a palette with only %u colours", index,
                    static_cast<unsigned>(layout.palette.size())));
    return layout.palette[index];
}

void DecodeRow(const Layout& layout, const uint8_t* src, uint32_t* dst) {
    const int width = layout.width;
    switch (layout.bitCount) {
    case 1:
    case 4:
    case 8: {
        const int bits = layout.bitCount;
        const int perByte = 8 / bits;
        const unsigned valueMask = (1u << bits) - 1;
        for (int x = 0; x < width; ++x) {
            const int shift = 8 - bits * (x % perByte + 1);
            dst[x] = PaletteColour(layout, (src[x / perByte] >> shift) & valueMask);
        }
        break;
    }
    case 16:
        for (int x = 0; x < width; ++x, src += 2) {
            const uint32_t v = ReadU16(src);
            dst[x] = MakePixel(layout.red.Extract(v), layout.green.Extract(v), layout.blue.Extract(v));
        }
        break;
    case 24:
        for (int x = 0; x < width; ++x, src += 3)
            dst[x] = MakePixel(src[2], src[1], src[0]);
        break;
    case 32:
        if (layout.verbatim32) {
            for (int x = 0; x < width; ++x, src += 4)
                dst[x] = ReadU32(src);
        } else {
            for (int x = 0; x < width; ++x, src += 4) {
                const uint32_t v = ReadU32(src);
                dst[x] = MakePixel(layout.red.Extract(v), layout.green.Extract(v), layout.blue.Extract(v));
            }
        }
        break;
    }
}

} // namespace

PixelImage DecodeBitmapFile(const uint8_t* data, size_t size) {
    if (data == nullptr)
        size = 0;
    const Layout layout = HeaderParser(data, size).Parse();
    const uint8_t* pixels = data + layout.dataOffset;

    if (layout.compression == kBiRle8 || layout.compression == kBiRle4) {
        // Pixels an RLE stream skips keep colour 0, as they do when the system loads the file.
        const uint32_t background = layout.palette.empty() ? 0 : layout.palette[0];
        PixelImage image(layout.width, layout.height, background);
        DecodeRle(pixels, layout.dataSize, layout.bitCount, layout.palette, image);
        return image;
    }

    PixelImage image(layout.width, layout.height);
    const size_t stride = static_cast<size_t>(RowStride(layout.width, layout.bitCount));
    for (int row = 0; row < layout.height; ++row) {
        const int y = layout.topDown ? row : layout.height - 1 - row;
        DecodeRow(layout, pixels + static_cast<size_t>(row) * stride, image.Row(y));
    }
    return image;
}

std::vector<uint8_t> EncodeBitmapFile(const PixelImage& image, int bitsPerPixel) {
    if (bitsPerPixel != 24 && bitsPerPixel != 32)
        throw BitmapFileError(Format("Cannot write a bitmap file with %d bits per pixel", bitsPerPixel));
    const int width = image.Width();
    const int height = image.Height();
    if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide ||
        int64_t{width} * height > kMaxBitmapPixels)
        throw BitmapFileError(Format("Cannot write a bitmap file of %dx%d pixels", width, height));

    const size_t stride = static_cast<size_t>(RowStride(width, bitsPerPixel));
    const size_t dataOffset = kFileHeaderSize + kInfoHeaderSize;
    const size_t imageBytes = stride * static_cast<size_t>(height);
    std::vector<uint8_t> out(dataOffset + imageBytes, 0);

    auto put16 = [&](size_t at, uint32_t v) {
        out[at] = static_cast<uint8_t>(v);
        out[at + 1] = static_cast<uint8_t>(v >> 8);
    };
    auto put32 = [&](size_t at, uint32_t v) {
        put16(at, v);
        put16(at + 2, v >> 16);
    };
    out[0] = 'B';
    out[1] = 'M';
    put32(2, static_cast<uint32_t>(out.size()));
    put32(10, static_cast<uint32_t>(dataOffset));
    put32(14, static_cast<uint32_t>(kInfoHeaderSize));
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    put16(26, 1);
    put16(28, static_cast<uint32_t>(bitsPerPixel));
    put32(30, kBiRgb);
    put32(34, static_cast<uint32_t>(imageBytes));
    put32(38, 2835); // 72 dots per inch
    put32(42, 2835);

    for (int y = 0; y < height; ++y) {
        const uint32_t* src = image.Row(y);
        uint8_t* dst = out.data() + dataOffset + static_cast<size_t>(height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            *dst++ = PixelBlue(src[x]);
            *dst++ = PixelGreen(src[x]);
            *dst++ = PixelRed(src[x]);
            if (bitsPerPixel == 32)
                *dst++ = PixelAlpha(src[x]);
        }
    }
    return out;
}

} // namespace fw
