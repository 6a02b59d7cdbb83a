#include "tools/skinart/DeepBlueArt.h"

#include "tools/skinart/Canvas.h"
#include "tools/skinart/Effects.h"
#include "tools/skinart/Frames.h"

#include <algorithm>
#include <cmath>

namespace skinart {

namespace {

constexpr Rgb kFormBack = Hex(0xE8E8E8);
constexpr Rgb kScrollBack = Hex(0xF5F5F5);
constexpr Rgb kNavy = Hex(0x1E2868);
constexpr Rgb kNavyDeep = Hex(0x131B55);
constexpr Rgb kNavyBright = Hex(0x444AA0);
constexpr Rgb kDisabled = Hex(0xA4A8BA);
constexpr int kTitleHeight = 32;
constexpr int kTitleButtonTop = 2;
// The caption strip (rows 1 to 21) and, under a dark seam, a lower band.
constexpr int kSeamRow = 22;

Rgb TitleRow(float y) {
    const int row = int(y);
    if (row == 0 || row == kTitleHeight - 1) {
        return kBlack;
    }
    if (row == 1) {
        return Hex(0x6A76C6);
    }
    if (row == kSeamRow) {
        return Hex(0x0A0F36);
    }
    if (row == kSeamRow + 1) {
        return Hex(0x4E5AB0);
    }
    if (row < kSeamRow) {
        // A faint sheen over the upper half of the caption strip.
        const Rgb base = SampleStops({{2.0f, Hex(0x3C49A8)}, {21.0f, Hex(0x19215F)}}, y);
        return row < 11 ? Lighter(base, 0.1f * float(11 - row) / 9.0f) : base;
    }
    return SampleStops({{24.0f, Hex(0x2F3B8E)}, {30.0f, Hex(0x1C2566)}}, y);
}

Image TitlePart(int width, bool leftEdge, bool rightEdge) {
    Canvas canvas(width, kTitleHeight);
    canvas.FillPixels(0, 0, width, kTitleHeight, [](float, float y) { return TitleRow(y); });
    const float w = float(width);
    if (leftEdge) {
        // A streak of light along the lower band that fades out toward the middle.
        canvas.Fill(Box(0, float(kSeamRow + 2), w, float(kTitleHeight - 1)), Hex(0x8A96F0),
                    [w](float x, float y) {
                        const float fade = 1.0f - x / w;
                        const float crest = 1.0f - std::abs(y - 26.5f) / 4.0f;
                        return 0.55f * fade * fade * std::max(crest, 0.0f);
                    });
        canvas.FillPixels(0, 1, 1, kTitleHeight - 1, Hex(0x5864BA));
    }
    if (rightEdge) {
        canvas.FillPixels(width - 1, 1, width, kTitleHeight - 1, Hex(0x0A0F36));
    }
    return canvas.Opaque(kFormBack);
}

Image TitleButton(TitleGlyph glyph, ButtonState state) {
    Canvas canvas(19, 19);
    const Bounds b{0.5f, 0.5f, 18.5f, 18.5f};
    const Sdf face = Shape(b, 3.0f);
    const bool close = glyph == TitleGlyph::Close;
    Rgb top = Hex(0x5864C4);
    Rgb bottom = Hex(0x222C78);
    if (state == ButtonState::Hover) {
        top = close ? Hex(0xF07078) : Hex(0x7C88E6);
        bottom = close ? Hex(0xA81C2C) : Hex(0x3442A8);
    } else if (state == ButtonState::Pressed) {
        top = close ? Hex(0x7C1020) : Hex(0x10174A);
        bottom = close ? Hex(0xB82838) : Hex(0x2A3488);
    }
    canvas.Fill(face, VerticalGradient({{b.top, top}, {b.bottom, bottom}}));
    if (state != ButtonState::Pressed) {
        canvas.Fill(Intersect(Grow(face, -1.0f), Above(9.0f)), kWhite, VerticalOpacity({{1.0f, 0.35f}, {9.0f, 0.05f}}));
    }
    canvas.Fill(Rim(face), state == ButtonState::Pressed ? Hex(0x060A2A) : Hex(0x0A0F36));
    canvas.Fill(Rim(Grow(face, -1.0f)), Hex(0x9AA4F0), state == ButtonState::Pressed ? 0.15f : 0.45f);
    const float shift = state == ButtonState::Pressed ? 0.5f : 0.0f;
    canvas.Fill(TitleGlyphShape(glyph, 9.5f + shift, 9.5f + shift, 8.0f, 1.8f), kWhite);
    return canvas.Opaque([](float, float y) { return TitleRow(y + kTitleButtonTop); });
}

// Silver-blue faces framed in navy.
Image Button(ButtonState state) {
    Canvas canvas(74, 21);
    const Bounds b{0.5f, 0.5f, 73.5f, 20.5f};
    const Sdf face = Shape(b, 2.5f);
    switch (state) {
    case ButtonState::Normal:
        Satin(canvas, face, b, Hex(0xFBFCFF), Hex(0xC9D0E8), kNavy);
        break;
    case ButtonState::Hover:
        Satin(canvas, face, b, Hex(0xEEF1FF), Hex(0xA8B6EE), kNavyBright);
        break;
    case ButtonState::Pressed:
        Satin(canvas, face, b, Hex(0xA4B0E0), Hex(0xD6DCF4), kNavyDeep);
        break;
    }
    if (state != ButtonState::Pressed) {
        canvas.Fill(Intersect(Rim(Grow(face, -1.0f)), Above(10.0f)), kWhite, 0.9f);
    }
    return canvas.Opaque(kFormBack);
}

Image CheckBox(bool checked, bool enabled) {
    Canvas canvas(13, 13);
    const Bounds b{0, 0, 13, 13};
    const Sdf box = Shape(b, 0.0f);
    Satin(canvas, box, b, kWhite, enabled ? Hex(0xD6DCF0) : Hex(0xF2F2F4), enabled ? kNavy : kDisabled);
    if (checked) {
        canvas.Fill(CheckMark(6.5f, 6.7f, 7.5f, 2.0f), enabled ? kNavy : kDisabled);
    }
    return canvas.Opaque(kFormBack);
}

Image RadioButton(bool checked, bool enabled) {
    Canvas canvas(13, 13);
    const Bounds b{0.5f, 0.5f, 12.5f, 12.5f};
    const Sdf disc = Shape(b, 6.0f);
    Satin(canvas, disc, b, kWhite, enabled ? Hex(0xD6DCF0) : Hex(0xF2F2F4), enabled ? kNavy : kDisabled);
    if (checked) {
        const Rgb dot = enabled ? kNavyBright : kDisabled;
        canvas.Fill(Circle(6.5f, 6.5f, 2.7f), RadialGradient(5.8f, 5.6f, 3.2f, 3.2f, {{0.0f, Lighter(dot, 0.5f)}, {1.0f, Darker(dot, 0.2f)}}));
    }
    return canvas.Keyed(Hex(0xF4F4F4));
}

void NavyFace(Canvas& canvas, const Sdf& face, const Bounds& b, ButtonState state) {
    switch (state) {
    case ButtonState::Normal:
        Gel(canvas, face, b, Hex(0x323E98), kNavyDeep, false);
        break;
    case ButtonState::Hover:
        Gel(canvas, face, b, Hex(0x4C5AC0), kNavy, false);
        break;
    case ButtonState::Pressed:
        Satin(canvas, face, b, Hex(0x0E1444), Hex(0x28337E), Hex(0x080C30));
        break;
    }
}

Image ScrollButton(Direction direction, ButtonState state) {
    Canvas canvas(16, 16);
    const Bounds b{0.5f, 0.5f, 15.5f, 15.5f};
    NavyFace(canvas, Shape(b, 2.5f), b, state);
    canvas.Fill(Arrow(direction, 8.0f, 8.0f, 8.0f), kWhite);
    return canvas.Opaque(kScrollBack);
}

Image ScrollSlider() {
    Canvas canvas(21, 16);
    const Bounds b{0.5f, 0.5f, 20.5f, 15.5f};
    Gel(canvas, Shape(b, 4.0f), b, Hex(0x3A47A6), kNavyDeep, false);
    return canvas.Opaque(kScrollBack);
}

Image TrackBar() {
    Canvas canvas(45, 4);
    const Bounds b{0.5f, 0.0f, 44.5f, 4.0f};
    const Sdf groove = Shape(b, 2.0f);
    canvas.Fill(groove, VerticalGradient({{0.5f, kNavyDeep}, {3.5f, Hex(0x6D78C4)}}));
    canvas.Fill(Intersect(Rim(groove), Below(3.0f)), kWhite, 0.8f);
    return OpaqueMiddle(canvas.Keyed(kFormBack), kFormBack);
}

Image TrackSlider() {
    Canvas canvas(11, 20);
    Gel(canvas, Pointer(11, 20), {0.5f, 0.5f, 10.5f, 19.5f}, Hex(0x3A47A6), kNavyDeep);
    return canvas.Keyed(kFormBack);
}

Image TrackSliderVertical() {
    Canvas canvas(18, 11);
    Gel(canvas, Turn(Pointer(11, 18), 5.5f, 5.5f, 3), {0.5f, 0.5f, 17.5f, 10.5f}, Hex(0x3A47A6), kNavyDeep);
    return canvas.Opaque(kFormBack);
}

Image CheckListBox(bool checked, bool enabled) {
    Canvas canvas(11, 11);
    const Bounds b{0.5f, 0.5f, 10.5f, 10.5f};
    Satin(canvas, Shape(b, 0.0f), b, kWhite, Hex(0xE0E4F2), enabled ? kNavy : kDisabled);
    if (checked) {
        canvas.Fill(CheckMark(5.5f, 5.7f, 6.0f, 1.6f), enabled ? kNavy : kDisabled);
    }
    return canvas.Opaque(kWhite);
}

Image Tab(bool active) {
    Canvas canvas(6, 17);
    const Sdf tab = RoundRect(0.5f, 0.5f, 5.5f, 21.0f, 2.0f);
    if (active) {
        canvas.Fill(tab, VerticalGradient({{0.0f, Hex(0x4E5AB8)}, {17.0f, kNavy}}));
    } else {
        canvas.Fill(tab, VerticalGradient({{0.0f, kWhite}, {17.0f, Hex(0xCDD2E4)}}));
    }
    canvas.Fill(Rim(tab), kNavyDeep);
    return canvas.Opaque(kFormBack);
}

Image SideHandle() {
    Canvas canvas(8, 83);
    const Bounds b{0.5f, 2.5f, 7.5f, 80.5f};
    const Sdf grip = Shape(b, 3.0f);
    canvas.Fill(grip, HorizontalGradient({{0.5f, Hex(0x4E5AB8)}, {4.0f, Hex(0x323E98)}, {7.5f, kNavyDeep}}));
    canvas.Fill(Rim(grip), Hex(0x0A0F36));
    for (int i = 0; i < 5; ++i) {
        const float y = 35.0f + float(i) * 3.0f;
        canvas.Fill(Box(2.5f, y, 5.5f, y + 1.5f), Hex(0xC8CEF8));
    }
    canvas.Fill(Arrow(Direction::Left, 4.0f, 13.0f, 5.0f), kWhite);
    canvas.Fill(Arrow(Direction::Left, 4.0f, 70.0f, 5.0f), kWhite);
    return canvas.Opaque(kFormBack);
}

Image SideBar() {
    return Painted(1, 20, [](float, float y) {
        const int row = int(y);
        if (row == 0) {
            return kBlack;
        }
        if (row == 1) {
            return Hex(0x6A76C6);
        }
        if (row == 19) {
            return Hex(0x0A0F36);
        }
        return SampleStops({{2.0f, Hex(0x3C49A8)}, {18.0f, Hex(0x19215F)}}, y);
    });
}

} // namespace

void AddDeepBlueArt(ArtBook& book) {
    book.Add("DEEPBLUE_BUTTON", [] {
        return Image::Row({Button(ButtonState::Normal), Button(ButtonState::Hover), Button(ButtonState::Pressed)});
    });
    book.Add("DEEPBLUE_CHECKBOX", [] { return CheckStrip(CheckBox); });
    book.Add("DEEPBLUE_RADIOBUTTON", [] { return CheckStrip(RadioButton); });
    book.Add("DEEPBLUE_TITLEBTN", [] { return TitleButtonStrip(TitleButton); });
    book.Add("DEEPBLUE_TITLE_LEFT", [] { return TitlePart(97, true, false); });
    book.Add("DEEPBLUE_TITLE_CLIENT", [] { return TitlePart(98, false, false); });
    book.Add("DEEPBLUE_TITLE_RIGHT", [] { return TitlePart(97, false, true); });
    book.Add("DEEPBLUE_PROGRESSBAR", [] {
        return Painted(1, 10, VerticalGradient({{0.0f, Hex(0x8A96E8)}, {4.5f, Hex(0x4E5AB8)}, {5.0f, kNavy}, {10.0f, Hex(0x3A47A6)}}));
    });
    book.Add("DEEPBLUE_TRACKBAR_BAR", TrackBar);
    book.Add("DEEPBLUE_TRACKBAR_SLIDER", TrackSlider);
    book.Add("DEEPBLUE_TRACKBAR_SLIDER_V", TrackSliderVertical);
    book.Add("DEEPBLUE_SCROLLBAR_BUTTON", [] { return ScrollButtonStrip(ScrollButton); });
    book.Add("DEEPBLUE_SCROLLBAR_TRACK", ScrollSlider);
    book.Add("DEEPBLUE_CHECKLIST", [] { return CheckStrip(CheckListBox); });
    book.Add("DEEPBLUE_TAB", [] { return Image::Row({Tab(true), Tab(false)}); });
    book.Add("DEEPBLUE_TAB_LINE", [] {
        return Painted(5, 5, [](float, float y) { return y < 1 ? kNavyDeep : y < 2 ? Hex(0x4E5AB8) : kNavy; });
    });
    book.Add("DEEPBLUE_SIDECHENNEL_HANDLE", SideHandle);
    book.Add("DEEPBLUE_SIDECHENNEL_BAR", SideBar);
}

} // namespace skinart
