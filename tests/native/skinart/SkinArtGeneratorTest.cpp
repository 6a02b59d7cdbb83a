// The generator itself: repeatable output, its bitmap writer and palette reduction, and the
// keying of drawings into fuchsia.

#include "tests/native/skinart/BmpTestReader.h"
#include "tools/skinart/BmpWriter.h"
#include "tools/skinart/Canvas.h"
#include "tools/skinart/Frames.h"
#include "tools/skinart/Glyphs.h"
#include "tools/skinart/Quantizer.h"
#include "tools/skinart/SkinArt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

using skinart::Image;
using skinart::kFuchsia;
using skinart::Rgb8;

namespace {

int Distance(Rgb8 a, Rgb8 b) {
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

// A smooth image with thousands of colours and a fuchsia stripe.
Image RichImage() {
    Image image(64, 48);
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            image.Set(x, y, {uint8_t(x * 4), uint8_t(y * 5), uint8_t(255 - x * 2 - y)});
        }
    }
    for (int y = 0; y < image.Height(); ++y) {
        image.Set(7, y, kFuchsia);
    }
    return image;
}

} // namespace

TEST(SkinArtGenerator, SameBytesEveryRun) {
    for (const skinart::ResourceInfo& entry : skinart::Resources()) {
        SCOPED_TRACE(entry.name);
        const std::vector<uint8_t> first = skinart::EncodeResource(entry.name);
        EXPECT_EQ(first, skinart::EncodeResource(entry.name));
        const BmpFile file = ParseBmp(first);
        EXPECT_EQ(file.bitsPerPixel, entry.bitsPerPixel);
        EXPECT_EQ(file.image.Width(), entry.width);
        EXPECT_EQ(file.image.Height(), entry.height);
    }
}

TEST(SkinArtGenerator, RefusesUnknownNames) {
    EXPECT_THROW(skinart::DrawResource("MACOS_NOTHING"), std::runtime_error);
    EXPECT_THROW(skinart::EncodeResource(""), std::runtime_error);
}

TEST(SkinArtGenerator, ResourceScriptUsesTheNamesAsFileNames) {
    const std::string script = skinart::ResourceScript();
    EXPECT_NE(script.find("\nDEEPBLUE_SIDECHENNEL_BAR BITMAP \"DEEPBLUE_SIDECHENNEL_BAR.bmp\"\n"), std::string::npos);
    EXPECT_NE(script.find("\nMSGDLG BITMAP \"MSGDLG.bmp\"\n"), std::string::npos);
}

TEST(BmpWriter, TwentyFourBitRowsArePaddedAndStoredBottomUp) {
    Image image(5, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            image.Set(x, y, {uint8_t(x * 50), uint8_t(y * 100), uint8_t(x + y)});
        }
    }
    const std::vector<uint8_t> bytes = skinart::EncodeBmp24(image);
    EXPECT_EQ(bytes.size(), 54u + 3u * 16u);
    // The first stored row is the bottom one: pixel (0, 2) in blue, green, red order.
    EXPECT_EQ(bytes[54], 2);
    EXPECT_EQ(bytes[55], 200);
    EXPECT_EQ(bytes[56], 0);
    const BmpFile file = ParseBmp(bytes);
    EXPECT_EQ(file.bitsPerPixel, 24);
    EXPECT_EQ(file.image, image);
}

TEST(BmpWriter, EightBitFilesKeepFewColoursExactly) {
    Image image(9, 4, {10, 20, 30});
    image.Set(0, 0, kFuchsia);
    image.Set(8, 3, {255, 255, 255});
    image.Set(4, 2, {1, 2, 3});
    const BmpFile file = ParseBmp(skinart::EncodeBmp8(image));
    EXPECT_EQ(file.bitsPerPixel, 8);
    EXPECT_EQ(file.image, image);
}

TEST(Quantizer, RichImagesStayCloseAndKeepFuchsiaApart) {
    const Image image = RichImage();
    const skinart::Quantized q = skinart::Quantize(image, 256);
    ASSERT_LE(q.palette.size(), 256u);
    ASSERT_EQ(q.indices.size(), size_t(image.Width() * image.Height()));
    int worst = 0;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const Rgb8 mapped = q.palette[q.indices[size_t(y * image.Width() + x)]];
            const Rgb8 original = image.At(x, y);
            EXPECT_EQ(mapped == kFuchsia, original == kFuchsia) << x << "," << y;
            worst = std::max(worst, Distance(mapped, original));
        }
    }
    EXPECT_LE(worst, 16);
    const skinart::Quantized again = skinart::Quantize(image, 256);
    EXPECT_EQ(again.palette, q.palette);
    EXPECT_EQ(again.indices, q.indices);
}

namespace {

// One pixel whose colour records what the frame was drawn for.
Image Marker(int a, int b) {
    return Image(1, 1, Rgb8{uint8_t(a), uint8_t(b), 0});
}

} // namespace

TEST(Frames, StripsFollowTheReadersFrameOrder) {
    const Image title = skinart::TitleButtonStrip(
        [](skinart::TitleGlyph glyph, skinart::ButtonState state) { return Marker(int(glyph), int(state)); });
    ASSERT_EQ(title.Width(), 18);
    // Control box, help, maximise, restore, minimise, close; normal, hover, pressed each.
    const skinart::TitleGlyph order[] = {skinart::TitleGlyph::ControlBox, skinart::TitleGlyph::Help,
                                         skinart::TitleGlyph::Maximize,   skinart::TitleGlyph::Restore,
                                         skinart::TitleGlyph::Minimize,   skinart::TitleGlyph::Close};
    for (int i = 0; i < 18; ++i) {
        EXPECT_EQ(title.At(i, 0), Marker(int(order[i / 3]), i % 3).At(0, 0)) << "frame " << i;
    }

    // Checked, unchecked, checked disabled, unchecked disabled.
    const Image checks = skinart::CheckStrip([](bool checked, bool enabled) { return Marker(checked, enabled); });
    EXPECT_EQ(checks, Image::Row({Marker(1, 1), Marker(0, 1), Marker(1, 0), Marker(0, 0)}));

    // The decrementing (up) arrow's three states first.
    const Image scroll = skinart::ScrollButtonStrip(
        [](skinart::Direction d, skinart::ButtonState state) { return Marker(int(d), int(state)); });
    const int up = int(skinart::Direction::Up);
    const int down = int(skinart::Direction::Down);
    EXPECT_EQ(scroll, Image::Row({Marker(up, 0), Marker(up, 1), Marker(up, 2), Marker(down, 0), Marker(down, 1),
                                  Marker(down, 2)}));
}

TEST(Glyphs, ArrowsPointWhereTheySay) {
    // Each arrow is widest at its base, opposite the way it points.
    const float c = 10.0f;
    EXPECT_LT(skinart::Arrow(skinart::Direction::Up, c, c, 10.0f)(c - 4.0f, c + 2.0f), 0.0f);
    EXPECT_GT(skinart::Arrow(skinart::Direction::Up, c, c, 10.0f)(c - 4.0f, c - 2.0f), 0.0f);
    EXPECT_LT(skinart::Arrow(skinart::Direction::Down, c, c, 10.0f)(c - 4.0f, c - 2.0f), 0.0f);
    EXPECT_GT(skinart::Arrow(skinart::Direction::Down, c, c, 10.0f)(c - 4.0f, c + 2.0f), 0.0f);
    EXPECT_LT(skinart::Arrow(skinart::Direction::Left, c, c, 10.0f)(c + 2.0f, c - 4.0f), 0.0f);
    EXPECT_GT(skinart::Arrow(skinart::Direction::Left, c, c, 10.0f)(c - 2.0f, c - 4.0f), 0.0f);
    EXPECT_LT(skinart::Arrow(skinart::Direction::Right, c, c, 10.0f)(c - 2.0f, c - 4.0f), 0.0f);
    EXPECT_GT(skinart::Arrow(skinart::Direction::Right, c, c, 10.0f)(c + 2.0f, c - 4.0f), 0.0f);
}

TEST(Canvas, KeyingLeavesOnlyUntouchedPixelsFuchsia) {
    skinart::Canvas canvas(12, 12);
    canvas.Fill(skinart::Circle(6.0f, 6.0f, 4.0f), skinart::Hex(0x204080));
    const Image keyed = canvas.Keyed(skinart::Hex(0xE0E0E0));
    EXPECT_EQ(keyed.At(0, 0), kFuchsia);
    EXPECT_EQ(keyed.At(6, 6), (Rgb8{0x20, 0x40, 0x80}));
    // An edge pixel is blended with the expected background, not with fuchsia.
    const Rgb8 edge = keyed.At(2, 6);
    EXPECT_FALSE(edge == kFuchsia);
    EXPECT_GT(edge.r, 0x20);
    EXPECT_LT(edge.r, 0xE0);
    EXPECT_GT(edge.b, 0x80);
    EXPECT_LT(edge.b, 0xE0);

    const Image hard = canvas.KeyedHard();
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            const Rgb8 p = hard.At(x, y);
            EXPECT_TRUE(p == kFuchsia || p == (Rgb8{0x20, 0x40, 0x80})) << x << "," << y;
        }
    }
    const Image opaque = canvas.Opaque(skinart::Hex(0xE0E0E0));
    EXPECT_EQ(opaque.At(0, 0), (Rgb8{0xE0, 0xE0, 0xE0}));
}
