// A bitmap file through the decoder: it decodes within its limits or raises BitmapFileError, and
// a decoded image written again decodes to the same pixels.

#include "tests/fuzz/FuzzTargets.h"

#include "framework/imaging/BitmapFile.h"

#include <optional>

namespace fuzz {

namespace {

// Round trips of larger images prove nothing more and cost seconds each under the sanitizers.
constexpr std::int64_t kMaxRoundTripPixels = std::int64_t{1} << 22;

fw::PixelImage WithoutAlpha(fw::PixelImage image) {
    for (int y = 0; y < image.Height(); ++y) {
        std::uint32_t* row = image.Row(y);
        for (int x = 0; x < image.Width(); ++x)
            row[x] &= 0x00FFFFFF;
    }
    return image;
}

} // namespace

void FuzzBitmapFile(const std::uint8_t* data, std::size_t size) {
    std::optional<fw::PixelImage> image;
    try {
        image = fw::DecodeBitmapFile(data, size);
    } catch (const fw::BitmapFileError&) {
        return;
    }
    const std::int64_t pixels = std::int64_t{image->Width()} * image->Height();
    FUZZ_CHECK(image->Width() > 0 && image->Height() > 0);
    FUZZ_CHECK(image->Width() <= fw::kMaxBitmapSide && image->Height() <= fw::kMaxBitmapSide);
    FUZZ_CHECK(pixels <= fw::kMaxBitmapPixels);
    FUZZ_CHECK(image->Pixels().size() == static_cast<std::size_t>(pixels));
    if (pixels > kMaxRoundTripPixels)
        return;

    FUZZ_CHECK(fw::DecodeBitmapFile(fw::EncodeBitmapFile(*image, 32)) == *image);
    FUZZ_CHECK(fw::DecodeBitmapFile(fw::EncodeBitmapFile(*image, 24)) == WithoutAlpha(*image));
}

} // namespace fuzz
