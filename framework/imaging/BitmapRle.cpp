#include "framework/imaging/BitmapRle.h"

#include "framework/imaging/BitmapFile.h"

namespace fw {

namespace {

class RleDecoder {
public:
    RleDecoder(const uint8_t* data, size_t size, int bitCount, const std::vector<uint32_t>& palette,
               PixelImage& image)
        : data_(data), size_(size), rle4_(bitCount == 4), palette_(palette), image_(image) {}

    void Run() {
        // Every step consumes at least two bytes, so the loop ends with the data.
        for (;;) {
            const uint8_t count = Next();
            const uint8_t code = Next();
            if (count > 0) {
                Repeat(count, code);
                continue;
            }
            switch (code) {
            case 0: // end of line
                if (row_ >= image_.Height())
                    Fail("an end of line lies below the last row");
                x_ = 0;
                ++row_;
                break;
            case 1: // end of bitmap
                return;
            case 2: { // delta: move right and up
                const uint8_t dx = Next();
                const uint8_t dy = Next();
                x_ += dx;
                row_ += dy;
                if (x_ > image_.Width() || row_ > image_.Height())
                    Fail("a jump leaves the image");
                break;
            }
            default:
                Literal(code);
                break;
            }
        }
    }

private:
    [[noreturn]] static void Fail(const char* what) {
        throw BitmapFileError(Format("Bitmap file has invalid RLE data (%s)", what));
    }

    uint8_t Next() {
        if (pos_ >= size_)
            throw BitmapFileError("Bitmap file is truncated (its RLE data ends without an end marker)");
        return data_[pos_++];
    }

    // Checks that `count` pixels fit at the current position and returns the row to draw into.
    uint32_t* Target(int count) {
        if (row_ >= image_.Height())
            Fail("pixels lie above the top row");
        if (count > image_.Width() - x_)
            Fail("a run goes past the end of a row");
        return image_.Row(image_.Height() - 1 - row_) + x_;
    }

    uint32_t Colour(unsigned index) const {
        if (index >= palette_.size())
            throw BitmapFileError(Format("Bitmap file uses colour %u of a palette with only %u colours",
                                         index, static_cast<unsigned>(palette_.size())));
        return palette_[index];
    }

    // An encoded run: `count` pixels of one colour, or in RLE4 of two alternating colours.
    void Repeat(int count, uint8_t value) {
        uint32_t* dst = Target(count);
        const uint32_t first = Colour(rle4_ ? value >> 4 : value);
        // Only look the second colour up when the run uses it: a one-pixel RLE4 run may pad with anything.
        const uint32_t second = rle4_ && count > 1 ? Colour(value & 0x0F) : first;
        for (int i = 0; i < count; ++i)
            dst[i] = (i % 2 == 0) ? first : second;
        x_ += count;
    }

    // Absolute mode: `count` pixels given one by one, padded to a 16-bit boundary.
    void Literal(int count) {
        uint32_t* dst = Target(count);
        const size_t bytes = rle4_ ? (static_cast<size_t>(count) + 1) / 2 : static_cast<size_t>(count);
        if (size_ - pos_ < bytes)
            throw BitmapFileError("Bitmap file is truncated (its RLE data ends inside a run)");
        const uint8_t* src = data_ + pos_;
        for (int i = 0; i < count; ++i) {
            const unsigned index = rle4_ ? (i % 2 == 0 ? src[i / 2] >> 4 : src[i / 2] & 0x0F) : src[i];
            dst[i] = Colour(index);
        }
        x_ += count;
        pos_ += bytes + bytes % 2;
    }

    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
    bool rle4_;
    const std::vector<uint32_t>& palette_;
    PixelImage& image_;
    int x_ = 0;
    int row_ = 0; // counted from the bottom of the image
};

} // namespace

void DecodeRle(const uint8_t* data, size_t size, int bitCount, const std::vector<uint32_t>& palette,
               PixelImage& image) {
    RleDecoder(data, size, bitCount, palette, image).Run();
}

} // namespace fw
