#include "tools/skinart/SharedArt.h"

#include "tools/skinart/Canvas.h"
#include "tools/skinart/Effects.h"
#include "tools/skinart/Frames.h"

#include <string_view>

namespace skinart {

namespace {

// The message dialog shows its icon on the window's background, which is a light grey in
// most looks.
constexpr Rgb kDialogBack = Hex(0xE8E8E8);

Image TabScrollButton(Direction direction, bool pressed) {
    Canvas canvas(18, 17);
    const Bounds b{0.5f, 0.5f, 17.5f, 16.5f};
    const Sdf face = Shape(b, 2.5f);
    if (pressed) {
        Satin(canvas, face, b, Hex(0xC9CDD6), Hex(0xE8EAEE), Hex(0x6C7280));
    } else {
        Satin(canvas, face, b, Hex(0xFDFDFE), Hex(0xD8DBE2), Hex(0x8A909C));
    }
    const float shift = pressed ? 0.5f : 0.0f;
    canvas.Fill(Arrow(direction, 9.0f + shift, 8.5f + shift, 7.0f), Hex(0x3C4250));
    return canvas.Opaque(Hex(0xF0F0F0));
}

// Black on white, with hard edges: the menus take white as the transparent colour, so a soft
// edge would leave a pale fringe on a coloured selection.
Image MenuCheck() {
    Canvas canvas(16, 16);
    canvas.Fill(CheckMark(8.0f, 8.0f, 9.0f, 2.2f), kBlack);
    Image image = canvas.KeyedHard();
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            if (image.At(x, y) == kFuchsia) {
                image.Set(x, y, Rgb8{0xFF, 0xFF, 0xFF});
            }
        }
    }
    return image;
}

// A push pin, needle down: a dark outline with a white head so that it reads on the light and
// on the dark caption bars; the rest is fuchsia.
Image Pin() {
    static constexpr std::string_view kRows[] = {
        ".#####.",
        ".#ooo#.",
        ".#ooo#.",
        ".#ooo#.",
        "#######",
        "...#...",
        "...#...",
        "...#...",
        "...#...",
    };
    Image image(7, 9, kFuchsia);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 7; ++x) {
            const char c = kRows[y][size_t(x)];
            if (c == '#') {
                image.Set(x, y, Rgb8{0x20, 0x20, 0x20});
            } else if (c == 'o') {
                image.Set(x, y, Rgb8{0xFF, 0xFF, 0xFF});
            }
        }
    }
    return image;
}

enum class DialogIcon { Warning, Stop, Information, Help };

Image DialogIconFrame(DialogIcon icon) {
    Canvas canvas(42, 42);
    Rgb light, deep, rim;
    Sdf badge;
    Sdf mark;
    switch (icon) {
    case DialogIcon::Warning:
        light = Hex(0xFFD84A);
        deep = Hex(0xE09400);
        rim = Hex(0x9A6200);
        // A triangle with rounded corners.
        badge = Grow(Polygon({{21.0f, 5.0f}, {37.5f, 35.0f}, {4.5f, 35.0f}}), 2.5f);
        mark = ExclamationMark(21.0f, 24.5f, 19.0f);
        break;
    case DialogIcon::Stop:
        light = Hex(0xF77A6C);
        deep = Hex(0xC42818);
        rim = Hex(0x7A140A);
        badge = Circle(21.0f, 20.5f, 17.0f);
        mark = CrossMark(21.0f, 20.5f, 14.0f, 4.0f);
        break;
    case DialogIcon::Information:
        light = Hex(0x74AEF6);
        deep = Hex(0x1E5CC8);
        rim = Hex(0x0E3478);
        badge = Circle(21.0f, 20.5f, 17.0f);
        mark = InfoMark(21.0f, 20.5f, 21.0f);
        break;
    case DialogIcon::Help:
        light = Hex(0x76D674);
        deep = Hex(0x20902A);
        rim = Hex(0x0E5414);
        badge = Circle(21.0f, 20.5f, 17.0f);
        mark = QuestionMark(21.0f, 21.5f, 20.0f, 4.0f);
        break;
    }
    const Bounds b{4.0f, 3.5f, 38.0f, 37.5f};
    Shadow(canvas, badge, 1.5f, 0.15f);
    Gel(canvas, badge, b, Mix(light, deep, 0.45f), rim);
    // A darker copy under the white mark keeps it legible on the light yellow.
    canvas.Fill(Shift(mark, 0.0f, 1.0f), rim, 0.5f);
    canvas.Fill(mark, kWhite);
    return canvas.Opaque(kDialogBack);
}

} // namespace

void AddSharedArt(ArtBook& book) {
    book.Add("MORE_SCROLLBUTTON", [] {
        return Image::Row({TabScrollButton(Direction::Left, false), TabScrollButton(Direction::Right, false),
                           TabScrollButton(Direction::Left, true), TabScrollButton(Direction::Right, true)});
    });
    book.Add("MENU_CHECKED", MenuCheck);
    book.Add("SIDECHANNEL_BTN", Pin);
    book.Add("MSGDLG", [] {
        return Image::Row({DialogIconFrame(DialogIcon::Warning), DialogIconFrame(DialogIcon::Stop),
                           DialogIconFrame(DialogIcon::Information), DialogIconFrame(DialogIcon::Help)});
    });
}

} // namespace skinart
