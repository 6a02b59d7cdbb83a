#include "tools/skinart/WinXPArt.h"

#include "tools/skinart/Canvas.h"
#include "tools/skinart/Effects.h"
#include "tools/skinart/Frames.h"


namespace skinart {

namespace {

constexpr Rgb kFormBack = Hex(0xEFEBDE);
constexpr Rgb kScrollBack = Hex(0xF9F9F9);
constexpr Rgb kBoxRim = Hex(0x1C5180);
constexpr Rgb kDisabledRim = Hex(0xCAC8BB);
constexpr Rgb kGreen = Hex(0x21A121);
constexpr Rgb kButtonRim = Hex(0x003C74);
constexpr int kTitleHeight = 29;
constexpr int kTitleButtonTop = 5;

Rgb TitleRow(float y) {
    return SampleStops({{0.5f, Hex(0x3D8DF7)},
                        {1.5f, Hex(0x2A7AF2)},
                        {3.5f, Hex(0x0A5FEA)},
                        {9.5f, Hex(0x0860EC)},
                        {18.5f, Hex(0x0055E2)},
                        {24.5f, Hex(0x004CD6)},
                        {26.5f, Hex(0x0045CC)},
                        {27.5f, Hex(0x003AB8)},
                        {28.5f, Hex(0x002CA8)}},
                       y);
}

Image TitlePart(int width, bool leftEdge, bool rightEdge) {
    Canvas canvas(width, kTitleHeight);
    canvas.FillPixels(0, 0, width, kTitleHeight, [](float, float y) { return TitleRow(y); });
    if (leftEdge) {
        // The caption's left end catches the light.
        canvas.Fill(Box(0, 0, 6, float(kTitleHeight)), kWhite, [](float x, float) { return 0.22f * (1 - x / 6); });
    }
    if (rightEdge) {
        canvas.Fill(Box(float(width - 4), 0, float(width), float(kTitleHeight)), kBlack,
                    [width](float x, float) { return 0.18f * (x - float(width - 4)) / 4; });
    }
    return canvas.Opaque(kFormBack);
}

// Rounded squares with a white border: blue, and red-orange for close.
Image TitleButton(TitleGlyph glyph, ButtonState state) {
    Canvas canvas(21, 21);
    const Bounds b{0.5f, 0.5f, 20.5f, 20.5f};
    const Sdf face = Shape(b, 3.0f);
    const bool close = glyph == TitleGlyph::Close;
    Rgb light = close ? Hex(0xF19A7E) : Hex(0x8CB2FA);
    Rgb deep = close ? Hex(0xCC4316) : Hex(0x2860E0);
    if (state == ButtonState::Hover) {
        light = Lighter(light, 0.3f);
        deep = Lighter(deep, 0.22f);
    } else if (state == ButtonState::Pressed) {
        light = Darker(deep, 0.02f);
        deep = Darker(deep, 0.22f);
    }
    const float cx = b.left + b.Width() * 0.7f;
    const float cy = b.top + b.Height() * 0.75f;
    canvas.Fill(face, RadialGradient(cx, cy, 18.0f, 18.0f, {{0.0f, light}, {0.35f, Mix(light, deep, 0.5f)}, {1.0f, deep}}));
    if (state == ButtonState::Pressed) {
        canvas.Fill(Rim(Grow(face, -1.0f), 1.5f), kBlack, 0.25f);
    } else {
        canvas.Fill(Intersect(Grow(face, -1.5f), Above(7.0f)), kWhite, VerticalOpacity({{1.0f, 0.3f}, {7.0f, 0.0f}}));
    }
    canvas.Fill(Rim(face), kWhite, 0.92f);
    const float shift = state == ButtonState::Pressed ? 0.5f : 0.0f;
    canvas.Fill(TitleGlyphShape(glyph, 10.5f + shift, 10.5f + shift, 9.0f, 2.0f), kWhite);
    return canvas.Opaque([](float, float y) { return TitleRow(y + kTitleButtonTop); });
}

Image Button(ButtonState state) {
    Canvas canvas(18, 21);
    const Bounds b{0.5f, 0.5f, 17.5f, 20.5f};
    const Sdf face = Shape(b, 3.0f);
    if (state == ButtonState::Pressed) {
        canvas.Fill(face, VerticalGradient({{0.5f, Hex(0xE2E1DA)}, {17.0f, Hex(0xEDECE6)}, {20.5f, Hex(0xF4F4F0)}}));
    } else {
        canvas.Fill(face, VerticalGradient({{0.5f, Hex(0xFFFFFF)}, {12.0f, Hex(0xF3F3EF)}, {20.5f, Hex(0xD8D2C6)}}));
    }
    if (state == ButtonState::Hover) {
        // The warm glow inside the rim of a button under the mouse.
        canvas.Fill(Rim(Grow(face, -1.0f), 2.0f),
                    VerticalGradient({{1.5f, Hex(0xFFF0CF)}, {10.0f, Hex(0xFBD68A)}, {19.5f, Hex(0xE59700)}}));
    }
    canvas.Fill(Rim(face), kButtonRim);
    return canvas.Opaque(kFormBack);
}

Image CheckBox(bool checked, bool enabled) {
    Canvas canvas(13, 13);
    const Sdf box = Box(0, 0, 13, 13);
    if (enabled) {
        canvas.Fill(box, [](float x, float y) { return Mix(Hex(0xDCDCD7), kWhite, (x + y) / 22.0f); });
    } else {
        canvas.Fill(box, kWhite);
    }
    canvas.Fill(Rim(box), enabled ? kBoxRim : kDisabledRim);
    if (checked) {
        canvas.Fill(CheckMark(6.5f, 6.7f, 7.5f, 2.0f), enabled ? kGreen : kDisabledRim);
    }
    return canvas.Opaque(kFormBack);
}

Image RadioButton(bool checked, bool enabled) {
    Canvas canvas(13, 13);
    const Sdf disc = Circle(6.5f, 6.5f, 6.0f);
    if (enabled) {
        canvas.Fill(disc, RadialGradient(8.0f, 8.5f, 7.0f, 7.0f, {{0.0f, kWhite}, {1.0f, Hex(0xD4D4CE)}}));
    } else {
        canvas.Fill(disc, kWhite);
    }
    canvas.Fill(Rim(disc), enabled ? kBoxRim : kDisabledRim);
    if (checked) {
        const Rgb dot = enabled ? kGreen : kDisabledRim;
        canvas.Fill(Circle(6.5f, 6.5f, 2.6f), RadialGradient(5.8f, 5.6f, 3.0f, 3.0f, {{0.0f, Lighter(dot, 0.6f)}, {1.0f, dot}}));
    }
    return canvas.Keyed(Hex(0xF6F4EE));
}

Image ScrollButton(Direction direction, ButtonState state) {
    Canvas canvas(16, 17);
    const Bounds b{0.5f, 0.5f, 15.5f, 16.5f};
    const Sdf face = Shape(b, 2.0f);
    switch (state) {
    case ButtonState::Normal:
        Satin(canvas, face, b, Hex(0xDCE6FD), Hex(0xBACCF7), Hex(0xA9BEF0));
        break;
    case ButtonState::Hover:
        Satin(canvas, face, b, Hex(0xF0F5FF), Hex(0xCFDDFD), Hex(0x8DA8EE));
        break;
    case ButtonState::Pressed:
        Satin(canvas, face, b, Hex(0x7F9DF0), Hex(0xA9BEF6), Hex(0x6F8EE6));
        break;
    }
    canvas.Fill(Rim(Grow(face, -1.0f)), kWhite, 0.5f);
    canvas.Fill(Chevron(direction, 8.0f, 8.5f, 7.0f, 2.0f), state == ButtonState::Pressed ? kWhite : Hex(0x4D6185));
    return canvas.Opaque(kScrollBack);
}

Image ScrollSlider() {
    Canvas canvas(21, 16);
    const Bounds b{0.5f, 0.5f, 20.5f, 15.5f};
    const Sdf face = Shape(b, 2.5f);
    Satin(canvas, face, b, Hex(0xD2DEFD), Hex(0xB6C9F7), Hex(0x98AEEB));
    canvas.Fill(Rim(Grow(face, -1.0f)), kWhite, 0.55f);
    return canvas.Opaque(kScrollBack);
}

Image TrackBar() {
    Canvas canvas(45, 8);
    const Bounds b{0.5f, 2.0f, 44.5f, 6.0f};
    const Sdf channel = Shape(b, 1.5f);
    canvas.Fill(channel, Hex(0xF2F1EC));
    canvas.Fill(Rim(channel), Hex(0x9D9C99));
    canvas.Fill(Intersect(Rim(channel), Below(4.0f)), kWhite);
    return OpaqueMiddle(canvas.Keyed(kFormBack), kFormBack);
}

void PaintSlider(Canvas& canvas, const Sdf& shape, const Bounds& b) {
    canvas.Fill(shape, VerticalGradient({{b.top, kWhite}, {b.bottom, Hex(0xE3E1D6)}}));
    canvas.Fill(Rim(shape, 2.0f), kGreen, 0.55f);
    canvas.Fill(Rim(shape), Hex(0x76766F));
}

Image TrackSlider() {
    Canvas canvas(11, 21);
    PaintSlider(canvas, Pointer(11, 21), {0.5f, 0.5f, 10.5f, 20.5f});
    return canvas.Keyed(kFormBack);
}

Image TrackSliderVertical() {
    Canvas canvas(22, 11);
    PaintSlider(canvas, Turn(Pointer(11, 22), 5.5f, 5.5f, 3), {0.5f, 0.5f, 21.5f, 10.5f});
    return canvas.Opaque(kFormBack);
}

// One green block and its gap; repeated along the bar.
Image ProgressBar() {
    return Painted(6, 10, [](float x, float y) {
        if (x > 5) {
            return kWhite;
        }
        return SampleStops({{0.0f, Hex(0xC8F5C8)}, {3.5f, Hex(0x35D435)}, {6.5f, Hex(0x29C529)}, {10.0f, Hex(0xA6EDA6)}}, y);
    });
}

Image CheckListBox(bool checked, bool enabled) {
    Canvas canvas(11, 11);
    const Sdf box = Box(0.5f, 0.5f, 10.5f, 10.5f);
    canvas.Fill(box, enabled ? Hex(0xF4F4F0) : kWhite);
    canvas.Fill(Rim(box), enabled ? kBoxRim : kDisabledRim);
    if (checked) {
        canvas.Fill(CheckMark(5.5f, 5.7f, 6.0f, 1.6f), enabled ? kGreen : kDisabledRim);
    }
    return canvas.Opaque(kWhite);
}

Image TabScrollButton(Direction direction, bool pressed) {
    Canvas canvas(18, 18);
    const Bounds b{0.5f, 0.5f, 17.5f, 17.5f};
    const Sdf face = Shape(b, 3.0f);
    if (pressed) {
        canvas.Fill(face, VerticalGradient({{0.5f, Hex(0xE2E1DA)}, {17.5f, Hex(0xF4F4F0)}}));
    } else {
        canvas.Fill(face, VerticalGradient({{0.5f, kWhite}, {10.0f, Hex(0xF3F3EF)}, {17.5f, Hex(0xD8D2C6)}}));
    }
    canvas.Fill(Rim(face), kButtonRim);
    canvas.Fill(Chevron(direction, 9.0f, 9.0f, 7.0f, 2.0f), Hex(0x4D6185));
    return canvas.Opaque(kFormBack);
}

Image Tab(bool active) {
    Canvas canvas(9, 18);
    const Sdf tab = RoundRect(0.5f, 0.5f, 8.5f, 22.0f, 3.0f);
    canvas.Fill(tab, active ? Solid(Hex(0xFCFCFE)) : VerticalGradient({{0.0f, kWhite}, {18.0f, Hex(0xECEBE6)}}));
    canvas.Fill(Rim(tab), Hex(0x919B9C));
    if (active) {
        // The chosen tab wears an orange band along its top.
        canvas.Fill(Intersect(tab, Above(3.0f)), Hex(0xFFC83C));
        canvas.Fill(Intersect(tab, Above(1.0f)), Hex(0xE68B2C));
    }
    return canvas.Opaque(kFormBack);
}

Image SideHandle() {
    Canvas canvas(8, 86);
    const Bounds b{0.5f, 2.5f, 7.5f, 83.5f};
    const Sdf grip = Shape(b, 3.0f);
    canvas.Fill(grip, HorizontalGradient({{0.5f, Hex(0x7C9EF5)}, {4.0f, Hex(0x4F7BE8)}, {7.5f, Hex(0x2C5BD6)}}));
    canvas.Fill(Rim(grip), Hex(0x1F4CC0));
    for (int i = 0; i < 5; ++i) {
        const float y = 36.0f + float(i) * 3.0f;
        canvas.Fill(Box(2.5f, y, 5.5f, y + 1.5f), kWhite, 0.9f);
    }
    canvas.Fill(Chevron(Direction::Left, 4.0f, 14.0f, 5.0f, 1.5f), kWhite);
    canvas.Fill(Chevron(Direction::Left, 4.0f, 72.0f, 5.0f, 1.5f), kWhite);
    return canvas.Opaque(kFormBack);
}

Image SideBar() {
    return Painted(1, 21, [](float, float y) {
        const int row = int(y);
        if (row == 0) {
            return Hex(0x7A96DF);
        }
        if (row == 20) {
            return Hex(0x9CB2EA);
        }
        return Mix(kWhite, Hex(0xC6D3F7), float(row) / 19.0f);
    });
}

} // namespace

void AddWinXPArt(ArtBook& book) {
    book.Add("WINXP_BUTTON", [] {
        return Image::Row({Button(ButtonState::Normal), Button(ButtonState::Hover), Button(ButtonState::Pressed)});
    });
    book.Add("WINXP_CHECKBOX", [] { return CheckStrip(CheckBox); });
    book.Add("WINXP_RADIOBUTTON", [] { return CheckStrip(RadioButton); });
    book.Add("WINXP_TITLEBTN", [] { return TitleButtonStrip(TitleButton); });
    book.Add("WINXP_TITLE_LEFT", [] { return TitlePart(35, true, false); });
    book.Add("WINXP_TITLE_CLIENT", [] { return TitlePart(37, false, false); });
    book.Add("WINXP_TITLE_RIGHT", [] { return TitlePart(35, false, true); });
    book.Add("WINXP_PROGRESSBAR", ProgressBar);
    book.Add("WINXP_TRACKBAR_BAR", TrackBar);
    book.Add("WINXP_TRACKBAR_SLIDER", TrackSlider);
    book.Add("WINXP_TRACKBAR_SLIDER_V", TrackSliderVertical);
    book.Add("WINXP_SCROLLBAR_BUTTON", [] { return ScrollButtonStrip(ScrollButton); });
    book.Add("WINXP_SCROLLBAR_TRACK", ScrollSlider);
    book.Add("WINXP_CHECKLIST", [] { return CheckStrip(CheckListBox); });
    book.Add("WINXP_SCROLLBUTTON", [] {
        return Image::Row({TabScrollButton(Direction::Left, false), TabScrollButton(Direction::Right, false),
                           TabScrollButton(Direction::Left, true), TabScrollButton(Direction::Right, true)});
    });
    book.Add("WINXP_TAB", [] { return Image::Row({Tab(true), Tab(false)}); });
    book.Add("WINXP_TAB_LINE", [] { return Painted(8, 1, Solid(Hex(0x919B9C))); });
    book.Add("WINXP_SIDECHENNEL_HANDLE", SideHandle);
    book.Add("WINXP_SIDECHENNEL_BAR", SideBar);
}

} // namespace skinart
