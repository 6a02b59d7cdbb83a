#include "tools/skinart/BlueGlassArt.h"

#include "tools/skinart/Canvas.h"
#include "tools/skinart/Effects.h"
#include "tools/skinart/Frames.h"

namespace skinart {

namespace {

constexpr Rgb kFormBack = Hex(0xE7E7E7);
constexpr Rgb kScrollBack = Hex(0xF4F4F4);
constexpr Rgb kRim = Hex(0x4A7CC2);
constexpr Rgb kDeepRim = Hex(0x1A4A9A);
constexpr Rgb kMark = Hex(0x173E86);
constexpr int kTitleHeight = 33;
constexpr int kTitleButtonTop = 6;

Rgb TitleRow(float y) {
    const int row = int(y);
    if (row == 0) {
        return Hex(0x0B2A66);
    }
    if (row >= kTitleHeight - 1) {
        return Hex(0x123A80);
    }
    // Glass: a light upper half meets a deep lower half that brightens toward the bottom.
    return SampleStops({{1.5f, Hex(0xB4D2F8)},
                        {15.5f, Hex(0x6E9FE8)},
                        {16.0f, Hex(0x2A5FC4)},
                        {27.0f, Hex(0x3B76D8)},
                        {31.5f, Hex(0x5C94E8)}},
                       y);
}

Image TitlePart(int width, bool shine, bool rightEdge) {
    Canvas canvas(width, kTitleHeight);
    canvas.FillPixels(0, 0, width, kTitleHeight, [](float, float y) { return TitleRow(y); });
    if (shine) {
        // A soft reflection across the upper left, gone before the part ends.
        canvas.Fill(Ellipse(50.0f, 2.0f, 100.0f, 13.0f), kWhite, VerticalOpacity({{1.0f, 0.3f}, {15.0f, 0.05f}}));
        canvas.FillPixels(0, 1, 1, kTitleHeight - 1, Hex(0x1A4A9A));
    }
    if (rightEdge) {
        canvas.FillPixels(width - 1, 1, width, kTitleHeight - 1, Hex(0x1A4A9A));
    }
    return canvas.Opaque(kFormBack);
}

// Glossy orbs: blue, and red for close.
Image TitleButton(TitleGlyph glyph, ButtonState state) {
    Canvas canvas(19, 19);
    const Bounds b{1.0f, 1.0f, 18.0f, 18.0f};
    const Sdf orb = Shape(b, 8.5f);
    const bool close = glyph == TitleGlyph::Close;
    Rgb base = close ? Hex(0xD8402C) : Hex(0x2F6CD6);
    const Rgb rim = close ? Hex(0x6E1208) : Hex(0x0E3478);
    if (state == ButtonState::Hover) {
        base = Lighter(base, 0.25f);
    } else if (state == ButtonState::Pressed) {
        base = Darker(base, 0.3f);
    }
    Gel(canvas, orb, b, base, rim);
    const Sdf mark = TitleGlyphShape(glyph, 9.5f, 9.5f, 7.0f, 1.7f);
    canvas.Fill(Shift(mark, 0.5f, 0.7f), rim, 0.5f);
    canvas.Fill(mark, kWhite);
    return canvas.Keyed([](float, float y) { return TitleRow(y + kTitleButtonTop); });
}

Image Button(ButtonState state) {
    Canvas canvas(77, 27);
    const Bounds b{0.5f, 0.5f, 76.5f, 25.5f};
    const Sdf face = Shape(b, 7.0f);
    Shadow(canvas, face, 1.0f, 0.14f);
    switch (state) {
    case ButtonState::Normal:
        Glass(canvas, face, b, Hex(0xEAF3FE), Hex(0xA6CAF4), kRim);
        break;
    case ButtonState::Hover:
        Glass(canvas, face, b, Hex(0xF2FAFF), Hex(0x86C3F8), Hex(0x2C74CF));
        break;
    case ButtonState::Pressed:
        Glass(canvas, face, b, Hex(0xB2CDF0), Hex(0x6797E0), Hex(0x2A5AA8));
        break;
    }
    return canvas.Keyed(kFormBack);
}

Image CheckBox(bool checked, bool enabled) {
    Canvas canvas(13, 13);
    const Bounds b{0.5f, 0.5f, 12.5f, 12.5f};
    Glass(canvas, Shape(b, 2.5f), b, kWhite, enabled ? Hex(0xCFE2FA) : Hex(0xEEF1F5),
          enabled ? kRim : Hex(0xB4C0D0), false);
    if (checked) {
        canvas.Fill(CheckMark(6.5f, 6.7f, 7.5f, 1.9f), enabled ? kMark : Hex(0xA8B2C2));
    }
    return canvas.Opaque(kFormBack);
}

Image RadioButton(bool checked, bool enabled) {
    Canvas canvas(13, 13);
    const Bounds b{0.5f, 0.5f, 12.5f, 12.5f};
    Glass(canvas, Shape(b, 6.0f), b, kWhite, enabled ? Hex(0xCFE2FA) : Hex(0xEEF1F5), enabled ? kRim : Hex(0xB4C0D0),
          false);
    if (checked) {
        const Bounds dot{3.5f, 3.5f, 9.5f, 9.5f};
        Glass(canvas, Shape(dot, 3.0f), dot, enabled ? Hex(0x9CC0F6) : Hex(0xD0D6E0), enabled ? Hex(0x2C66CE) : Hex(0xA8B2C2),
              enabled ? kMark : Hex(0xA0A8B8), false);
    }
    return canvas.Keyed(Hex(0xF4F4F4));
}

void GlassFace(Canvas& canvas, const Sdf& face, const Bounds& b, ButtonState state) {
    switch (state) {
    case ButtonState::Normal:
        Glass(canvas, face, b, Hex(0xBCD6FA), Hex(0x3A74D8), kDeepRim, false);
        break;
    case ButtonState::Hover:
        Glass(canvas, face, b, Hex(0xDCEBFE), Hex(0x4E8CEE), kDeepRim, false);
        break;
    case ButtonState::Pressed:
        Glass(canvas, face, b, Hex(0x86A8DC), Hex(0x22549E), Hex(0x0E3478), false);
        break;
    }
}

Image ScrollButton(Direction direction, ButtonState state) {
    Canvas canvas(17, 16);
    const Bounds b{0.5f, 0.5f, 16.5f, 15.5f};
    GlassFace(canvas, Shape(b, 3.0f), b, state);
    canvas.Fill(Shift(Arrow(direction, 8.5f, 8.0f, 8.0f), 0.5f, 0.6f), kMark, 0.4f);
    canvas.Fill(Arrow(direction, 8.5f, 8.0f, 8.0f), kWhite);
    return canvas.Opaque(kScrollBack);
}

Image ScrollSlider() {
    Canvas canvas(21, 16);
    const Bounds b{0.5f, 0.5f, 20.5f, 15.5f};
    GlassFace(canvas, Shape(b, 6.0f), b, ButtonState::Normal);
    return canvas.Opaque(kScrollBack);
}

Image TrackBar() {
    Canvas canvas(45, 4);
    const Bounds b{0.5f, 0.0f, 44.5f, 4.0f};
    const Sdf groove = Shape(b, 2.0f);
    canvas.Fill(groove, VerticalGradient({{0.5f, kDeepRim}, {3.5f, Hex(0x8AB4F2)}}));
    return OpaqueMiddle(canvas.Keyed(kFormBack), kFormBack);
}

Image TrackSlider() {
    Canvas canvas(11, 20);
    Glass(canvas, Pointer(11, 20), {0.5f, 0.5f, 10.5f, 19.5f}, Hex(0xBCD6FA), Hex(0x3A74D8), kDeepRim);
    return canvas.Keyed(kFormBack);
}

Image TrackSliderVertical() {
    Canvas canvas(18, 11);
    Glass(canvas, Turn(Pointer(11, 18), 5.5f, 5.5f, 3), {0.5f, 0.5f, 17.5f, 10.5f}, Hex(0xBCD6FA), Hex(0x3A74D8), kDeepRim);
    return canvas.Opaque(kFormBack);
}

Image CheckListBox(bool checked, bool enabled) {
    Canvas canvas(11, 11);
    const Bounds b{0.5f, 0.5f, 10.5f, 10.5f};
    Glass(canvas, Shape(b, 2.0f), b, kWhite, enabled ? Hex(0xCFE2FA) : Hex(0xEEF1F5), enabled ? kRim : Hex(0xB4C0D0), false);
    if (checked) {
        canvas.Fill(CheckMark(5.5f, 5.7f, 6.0f, 1.6f), enabled ? kMark : Hex(0xA8B2C2));
    }
    return canvas.Opaque(kWhite);
}

Image Tab(bool active) {
    Canvas canvas(9, 17);
    const Sdf tab = RoundRect(0.5f, 0.5f, 8.5f, 22.0f, 3.5f);
    const Bounds b{0.5f, 0.5f, 8.5f, 17.0f};
    if (active) {
        Glass(canvas, tab, b, Hex(0xC4DCFA), Hex(0x3A74D8), kDeepRim, false);
    } else {
        Glass(canvas, tab, b, kWhite, Hex(0xD8E6F8), kRim, false);
    }
    return canvas.Opaque(kFormBack);
}

Image SideHandle() {
    Canvas canvas(8, 86);
    const Bounds b{0.5f, 2.5f, 7.5f, 83.5f};
    const Sdf grip = Shape(b, 3.5f);
    canvas.Fill(grip, HorizontalGradient({{0.5f, Hex(0xC4DCFA)}, {3.5f, Hex(0x6E9FE8)}, {4.0f, Hex(0x2A5FC4)}, {7.5f, Hex(0x4C86E0)}}));
    canvas.Fill(Rim(grip), kDeepRim);
    for (int i = 0; i < 4; ++i) {
        canvas.Fill(Circle(4.0f, 38.0f + float(i) * 3.5f, 1.0f), kWhite, 0.9f);
    }
    canvas.Fill(Arrow(Direction::Left, 4.0f, 14.0f, 5.0f), kWhite);
    canvas.Fill(Arrow(Direction::Left, 4.0f, 72.0f, 5.0f), kWhite);
    return canvas.Opaque(kFormBack);
}

} // namespace

void AddBlueGlassArt(ArtBook& book) {
    book.Add("BLUEGLASS_BUTTON", [] {
        return Image::Row({Button(ButtonState::Normal), Button(ButtonState::Hover), Button(ButtonState::Pressed)});
    });
    book.Add("BLUEGLASS_CHECKBOX", [] { return CheckStrip(CheckBox); });
    book.Add("BLUEGLASS_RADIOBUTTON", [] { return CheckStrip(RadioButton); });
    book.Add("BLUEGLASS_TITLEBTN", [] { return TitleButtonStrip(TitleButton); });
    book.Add("BLUEGLASS_TITLE_LEFT", [] { return TitlePart(162, true, false); });
    book.Add("BLUEGLASS_TITLE_CLIENT", [] { return TitlePart(179, false, false); });
    book.Add("BLUEGLASS_TITLE_RIGHT", [] { return TitlePart(101, false, true); });
    book.Add("BLUEGLASS_PROGRESSBAR", [] {
        return Painted(1, 10, VerticalGradient({{0.0f, Hex(0xC4DCFA)}, {4.5f, Hex(0x7EAAF0)}, {5.0f, Hex(0x2C66CE)}, {10.0f, Hex(0x5C94E8)}}));
    });
    book.Add("BLUEGLASS_TRACKBAR_BAR", TrackBar);
    book.Add("BLUEGLASS_TRACKBAR_SLIDER", TrackSlider);
    book.Add("BLUEGLASS_TRACKBAR_SLIDER_V", TrackSliderVertical);
    book.Add("BLUEGLASS_SCROLLBAR_BUTTON", [] { return ScrollButtonStrip(ScrollButton); });
    book.Add("BLUEGLASS_SCROLLBAR_TRACK", ScrollSlider);
    book.Add("BLUEGLASS_CHECKLIST", [] { return CheckStrip(CheckListBox); });
    book.Add("BLUEGLASS_TAB", [] { return Image::Row({Tab(true), Tab(false)}); });
    book.Add("BLUEGLASS_TAB_LINE", [] {
        return Painted(10, 5, [](float, float y) { return y < 1 ? kDeepRim : y < 2 ? Hex(0x6E9FE8) : Hex(0xD8E6F8); });
    });
    book.Add("BLUEGLASS_SIDECHENNEL_HANDLE", SideHandle);
    book.Add("BLUEGLASS_SIDECHENNEL_BAR", [] {
        return Painted(1, 21, [](float, float y) { return TitleRow(y * float(kTitleHeight) / 21.0f); });
    });
}

} // namespace skinart
