#include "tools/skinart/ProteinArt.h"

#include "tools/skinart/Canvas.h"
#include "tools/skinart/Effects.h"
#include "tools/skinart/Frames.h"

#include <algorithm>

namespace skinart {

namespace {

constexpr Rgb kFormBack = Hex(0xFBFBFB);
constexpr Rgb kScrollBack = Hex(0xF5F5F5);
constexpr Rgb kAccent = Hex(0x2D30C4);
constexpr Rgb kLine = Hex(0xA3A8B4);
constexpr Rgb kMark = Hex(0x3A4255);
constexpr Rgb kDisabled = Hex(0xC4C8D0);
constexpr int kTitleHeight = 23;
constexpr int kTitleButtonTop = 2;

Rgb TitleRow(float y) {
    const int row = int(y);
    if (row == 0) {
        return Hex(0x262B36);
    }
    if (row == 1) {
        return Hex(0x9CA5B8);
    }
    if (row == kTitleHeight - 2) {
        return Hex(0x3A4356);
    }
    if (row >= kTitleHeight - 1) {
        return Hex(0x222733);
    }
    return SampleStops({{2.0f, Hex(0x737F98)}, {20.0f, Hex(0x4A556C)}}, y);
}

// The long left part carries an accent wash behind the caption that fades out before its end,
// where it meets the one-pixel client and right parts.
Image TitlePart(int width, bool accent) {
    Canvas canvas(width, kTitleHeight);
    canvas.FillPixels(0, 0, width, kTitleHeight, [](float, float y) { return TitleRow(y); });
    if (accent) {
        canvas.Fill(Box(0, 1, float(width), float(kTitleHeight - 2)), kAccent, [](float x, float) {
            const float t = std::max(0.0f, 1.0f - x / 320.0f);
            return 0.55f * t * t;
        });
        canvas.FillPixels(0, 1, 1, kTitleHeight - 1, Hex(0x8C95AA));
    }
    return canvas.Opaque(kFormBack);
}

// White discs that take the accent colour under the mouse.
Image TitleButton(TitleGlyph glyph, ButtonState state) {
    Canvas canvas(19, 19);
    const Bounds b{1.5f, 1.5f, 17.5f, 17.5f};
    const Sdf disc = Shape(b, 8.0f);
    const bool close = glyph == TitleGlyph::Close;
    Rgb glyphColour = kWhite;
    switch (state) {
    case ButtonState::Normal:
        Satin(canvas, disc, b, kWhite, Hex(0xD2D7E1), Hex(0x2E3545));
        glyphColour = kMark;
        break;
    case ButtonState::Hover:
        Satin(canvas, disc, b, close ? Hex(0xEE6060) : Hex(0x5E61EA), close ? Hex(0xB42222) : kAccent, Hex(0x1C1F50));
        break;
    case ButtonState::Pressed:
        Satin(canvas, disc, b, close ? Hex(0x8C1414) : Hex(0x1C1E86), close ? Hex(0xC43030) : Hex(0x3438B8), Hex(0x12143A));
        break;
    }
    if (state != ButtonState::Pressed) {
        canvas.Fill(Intersect(Grow(disc, -1.5f), Above(9.0f)), kWhite, VerticalOpacity({{2.0f, 0.5f}, {9.0f, 0.0f}}));
    }
    canvas.Fill(TitleGlyphShape(glyph, 9.5f, 9.5f, 7.0f, 1.6f), glyphColour);
    return canvas.Keyed([](float, float y) { return TitleRow(y + kTitleButtonTop); });
}

Image Button(ButtonState state) {
    Canvas canvas(74, 21);
    const Bounds b{0.5f, 0.5f, 73.5f, 20.5f};
    const Sdf face = Shape(b, 3.0f);
    switch (state) {
    case ButtonState::Normal:
        Satin(canvas, face, b, kWhite, Hex(0xEAECF1), kLine);
        break;
    case ButtonState::Hover:
        Satin(canvas, face, b, Hex(0xF7F8FF), Hex(0xDFE2FA), kAccent);
        break;
    case ButtonState::Pressed:
        Satin(canvas, face, b, Hex(0xD5D9EE), Hex(0xEEF0FA), kAccent);
        break;
    }
    return canvas.Opaque(kFormBack);
}

Image CheckBox(bool checked, bool enabled) {
    Canvas canvas(13, 13);
    const Bounds b{0.5f, 0.5f, 12.5f, 12.5f};
    Satin(canvas, Shape(b, 2.0f), b, kWhite, Hex(0xEEF0F4), enabled ? Hex(0x8A909C) : kDisabled);
    if (checked) {
        canvas.Fill(CheckMark(6.5f, 6.7f, 7.5f, 1.9f), enabled ? kAccent : kDisabled);
    }
    return canvas.Opaque(kFormBack);
}

Image RadioButton(bool checked, bool enabled) {
    Canvas canvas(13, 13);
    const Bounds b{0.5f, 0.5f, 12.5f, 12.5f};
    Satin(canvas, Shape(b, 6.0f), b, kWhite, Hex(0xEEF0F4), enabled ? Hex(0x8A909C) : kDisabled);
    if (checked) {
        canvas.Fill(Circle(6.5f, 6.5f, 2.6f), enabled ? kAccent : kDisabled);
    }
    return canvas.Keyed(kFormBack);
}

Image ScrollButton(Direction direction, ButtonState state) {
    Canvas canvas(16, 16);
    const Bounds b{0.5f, 0.5f, 15.5f, 15.5f};
    const Sdf face = Shape(b, 2.5f);
    switch (state) {
    case ButtonState::Normal:
        Satin(canvas, face, b, kWhite, Hex(0xF0F1F4), Hex(0xC3C7D0));
        break;
    case ButtonState::Hover:
        Satin(canvas, face, b, kWhite, Hex(0xECEEFC), Hex(0x8F92E0));
        break;
    case ButtonState::Pressed:
        Satin(canvas, face, b, Hex(0xDDE0EC), Hex(0xEEF0F6), Hex(0x8F92E0));
        break;
    }
    canvas.Fill(Arrow(direction, 8.0f, 8.0f, 7.0f), state == ButtonState::Normal ? Hex(0x6A7080) : kAccent);
    return canvas.Opaque(kScrollBack);
}

Image ScrollSlider() {
    Canvas canvas(21, 16);
    const Bounds b{0.5f, 1.5f, 20.5f, 14.5f};
    Satin(canvas, Shape(b, 4.0f), b, Hex(0xE9EBF0), Hex(0xCDD1DA), Hex(0x9CA2AE));
    return canvas.Opaque(kScrollBack);
}

Image TrackBar() {
    Canvas canvas(45, 4);
    const Bounds b{0.5f, 0.5f, 44.5f, 3.5f};
    const Sdf groove = Shape(b, 1.5f);
    canvas.Fill(groove, Hex(0xDADDE4));
    canvas.Fill(Rim(groove), Hex(0xA9AEBA));
    return OpaqueMiddle(canvas.Keyed(kFormBack), kFormBack);
}

Image TrackSlider() {
    Canvas canvas(11, 20);
    Satin(canvas, Pointer(11, 20), {0.5f, 0.5f, 10.5f, 19.5f}, kWhite, Hex(0xE4E6EE), kAccent);
    return canvas.Keyed(kFormBack);
}

Image TrackSliderVertical() {
    Canvas canvas(18, 11);
    Satin(canvas, Turn(Pointer(11, 18), 5.5f, 5.5f, 3), {0.5f, 0.5f, 17.5f, 10.5f}, kWhite, Hex(0xE4E6EE), kAccent);
    return canvas.Opaque(kFormBack);
}

Image CheckListBox(bool checked, bool enabled) {
    Canvas canvas(11, 11);
    const Bounds b{0.5f, 0.5f, 10.5f, 10.5f};
    Satin(canvas, Shape(b, 1.5f), b, kWhite, Hex(0xF0F1F4), enabled ? Hex(0x8A909C) : kDisabled);
    if (checked) {
        canvas.Fill(CheckMark(5.5f, 5.7f, 6.0f, 1.6f), enabled ? kAccent : kDisabled);
    }
    return canvas.Opaque(kWhite);
}

Image Tab(bool active) {
    Canvas canvas(9, 17);
    const Sdf tab = RoundRect(0.5f, 0.5f, 8.5f, 21.0f, 3.0f);
    canvas.Fill(tab, active ? Solid(kWhite) : VerticalGradient({{0.0f, Hex(0xF2F3F6)}, {17.0f, Hex(0xE2E4EA)}}));
    canvas.Fill(Rim(tab), kLine);
    if (active) {
        canvas.Fill(Intersect(tab, Above(2.0f)), kAccent);
    }
    return canvas.Opaque(kFormBack);
}

Image SideHandle() {
    Canvas canvas(8, 83);
    const Bounds b{0.5f, 2.5f, 7.5f, 80.5f};
    const Sdf grip = Shape(b, 3.0f);
    Satin(canvas, grip, b, kWhite, Hex(0xEDEFF3), Hex(0xB9BEC8));
    for (int i = 0; i < 4; ++i) {
        canvas.Fill(Circle(4.0f, 36.5f + float(i) * 3.5f, 1.0f), kAccent, 0.8f);
    }
    canvas.Fill(Arrow(Direction::Left, 4.0f, 13.0f, 5.0f), Hex(0x6A7080));
    canvas.Fill(Arrow(Direction::Left, 4.0f, 70.0f, 5.0f), Hex(0x6A7080));
    return canvas.Opaque(kFormBack);
}

// Near-white with a faint diagonal grain.
Image FormBackground() {
    return Painted(8, 8, [](float x, float y) {
        const int d = (int(x) + int(y)) % 8;
        return d == 0 ? Hex(0xF1F2F5) : d == 1 ? Hex(0xF7F7F9) : kFormBack;
    });
}

} // namespace

void AddProteinArt(ArtBook& book) {
    book.Add("PROTEIN_BUTTON", [] {
        return Image::Row({Button(ButtonState::Normal), Button(ButtonState::Hover), Button(ButtonState::Pressed)});
    });
    book.Add("PROTEIN_CHECKBOX", [] { return CheckStrip(CheckBox); });
    book.Add("PROTEIN_RADIOBUTTON", [] { return CheckStrip(RadioButton); });
    book.Add("PROTEIN_TITLEBTN", [] { return TitleButtonStrip(TitleButton); });
    book.Add("PROTEIN_TITLE_LEFT", [] { return TitlePart(441, true); });
    book.Add("PROTEIN_TITLE_CLIENT", [] { return TitlePart(1, false); });
    book.Add("PROTEIN_TITLE_RIGHT", [] { return TitlePart(1, false); });
    book.Add("PROTEIN_PROGRESSBAR", [] {
        return Painted(1, 10, VerticalGradient({{0.0f, Hex(0x8E90F0)}, {5.0f, Hex(0x4D50DA)}, {10.0f, kAccent}}));
    });
    book.Add("PROTEIN_TRACKBAR_BAR", TrackBar);
    book.Add("PROTEIN_TRACKBAR_SLIDER", TrackSlider);
    book.Add("PROTEIN_TRACKBAR_SLIDER_V", TrackSliderVertical);
    book.Add("PROTEIN_SCROLLBAR_BUTTON", [] { return ScrollButtonStrip(ScrollButton); });
    book.Add("PROTEIN_SCROLLBAR_TRACK", ScrollSlider);
    book.Add("PROTEIN_CHECKLIST", [] { return CheckStrip(CheckListBox); });
    book.Add("PROTEIN_TAB", [] { return Image::Row({Tab(true), Tab(false)}); });
    book.Add("PROTEIN_TAB_LINE", [] {
        return Painted(10, 5, [](float, float y) { return y < 1 ? kLine : y < 3 ? kWhite : Hex(0xF3F4F7); });
    });
    book.Add("PROTEIN_SIDECHENNEL_HANDLE", SideHandle);
    book.Add("PROTEIN_SIDECHENNEL_BAR", [] { return Painted(1, 21, [](float, float y) { return TitleRow(y + 1.0f); }); });
    book.Add("PROTEIN_FORM_BACKGROUND", FormBackground);
}

} // namespace skinart
