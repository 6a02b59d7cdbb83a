#include "tools/skinart/MacOSArt.h"

#include "tools/skinart/Canvas.h"
#include "tools/skinart/Effects.h"
#include "tools/skinart/Frames.h"

#include <algorithm>
#include <cmath>

namespace skinart {

namespace {

constexpr Rgb kFormBack = Hex(0xE7E7E7);
constexpr Rgb kBorder = Hex(0x7F7F7F);
constexpr Rgb kScrollBack = Hex(0xC9C9C9);
constexpr Rgb kAccent = Hex(0x3973C4);
constexpr Rgb kGelBlue = Hex(0x4F8EDC);
constexpr Rgb kGelBlueRim = Hex(0x2A5B9C);
constexpr Rgb kGelWhite = Hex(0xDCDFE4);
constexpr Rgb kGelWhiteRim = Hex(0x8C8E92);
constexpr Rgb kMark = Hex(0x14243C);
constexpr int kTitleHeight = 23;
constexpr int kTitleButtonTop = 4;

// Pinstripes: alternate rows a little lighter than the base.
Rgb Stripe(Rgb base, float y, float contrast) {
    return (int(std::floor(y)) % 2 == 0) ? Lighter(base, contrast) : base;
}

Rgb TitleRow(float y) {
    const int row = int(std::floor(y));
    if (row <= 0) {
        return kBorder;
    }
    if (row == 1) {
        return Hex(0xFBFBFB);
    }
    if (row >= kTitleHeight - 1) {
        return Hex(0x8A8A8A);
    }
    if (row == kTitleHeight - 2) {
        return Hex(0xBDBDBD);
    }
    const Rgb base = Mix(Hex(0xE6E6E6), Hex(0xCFCFCF), float(row - 2) / float(kTitleHeight - 5));
    return Stripe(base, y, 0.35f);
}

Image TitlePart(int width, bool leftEdge, bool rightEdge) {
    Canvas canvas(width, kTitleHeight);
    canvas.FillPixels(0, 0, width, kTitleHeight, [](float, float y) { return TitleRow(y); });
    if (leftEdge) {
        canvas.FillPixels(0, 0, 1, kTitleHeight, kBorder);
        canvas.FillPixels(1, 1, 2, kTitleHeight - 1, Hex(0xF7F7F7));
    }
    if (rightEdge) {
        canvas.FillPixels(width - 1, 0, width, kTitleHeight, kBorder);
        canvas.FillPixels(width - 2, 1, width - 1, kTitleHeight - 1, Hex(0xC4C4C4));
    }
    return canvas.Opaque(kFormBack);
}

Rgb TitleButtonColour(TitleGlyph glyph) {
    switch (glyph) {
    case TitleGlyph::Close:
        return Hex(0xE2493E);
    case TitleGlyph::Minimize:
        return Hex(0xEBAE2E);
    case TitleGlyph::Maximize:
    case TitleGlyph::Restore:
        return Hex(0x5DB443);
    case TitleGlyph::Help:
    case TitleGlyph::ControlBox:
        return Hex(0x4A8FE0);
    }
    return kGelBlue;
}

// Graphite gels that light up in their own colour under the mouse.
Image TitleButton(TitleGlyph glyph, ButtonState state) {
    Canvas canvas(17, 17);
    const Bounds b{1.5f, 1.5f, 15.5f, 15.5f};
    const Sdf disc = Shape(b, 7.0f);
    Shadow(canvas, disc, 0.8f, 0.18f);
    Rgb base = Hex(0xA3ADBA);
    if (state != ButtonState::Normal) {
        base = TitleButtonColour(glyph);
    }
    if (state == ButtonState::Pressed) {
        base = Darker(base, 0.28f);
    }
    Gel(canvas, disc, b, base, Darker(base, 0.42f));
    const float alpha = state == ButtonState::Normal ? 0.7f : 0.85f;
    canvas.Fill(TitleGlyphShape(glyph, 8.5f, 8.5f, 6.0f, 1.6f), Darker(base, 0.72f), alpha);
    return canvas.Opaque([](float, float y) { return TitleRow(y + kTitleButtonTop); });
}

Image Button(ButtonState state) {
    Canvas canvas(84, 23);
    const Bounds b{0.5f, 0.5f, 83.5f, 21.5f};
    const Sdf pill = Shape(b, 10.5f);
    Shadow(canvas, pill, 1.0f, 0.16f);
    switch (state) {
    case ButtonState::Normal:
        Gel(canvas, pill, b, kGelWhite, kGelWhiteRim);
        break;
    case ButtonState::Hover:
        Gel(canvas, pill, b, Hex(0xA9CDF4), Hex(0x5A84BC));
        break;
    case ButtonState::Pressed:
        Gel(canvas, pill, b, Hex(0x6AA2E6), Hex(0x2F5F9F));
        break;
    }
    return canvas.Keyed(kFormBack);
}

Image CheckBox(bool checked, bool enabled) {
    Canvas canvas(15, 17);
    const Bounds b{1.0f, 2.0f, 14.0f, 15.0f};
    const Sdf box = Shape(b, 3.0f);
    Rgb base = checked ? kGelBlue : kGelWhite;
    Rgb rim = checked ? kGelBlueRim : kGelWhiteRim;
    if (!enabled) {
        base = Washed(base, kFormBack, 0.45f);
        rim = Washed(rim, kFormBack, 0.5f);
    }
    Gel(canvas, box, b, base, rim);
    if (checked) {
        canvas.Fill(CheckMark(7.6f, 8.6f, 8.5f, 2.0f), enabled ? kMark : Hex(0x8C9098));
    }
    return canvas.Opaque(kFormBack);
}

Image RadioButton(bool checked, bool enabled) {
    Canvas canvas(16, 17);
    const Bounds b{1.5f, 2.0f, 14.5f, 15.0f};
    const Sdf disc = Shape(b, 6.5f);
    Rgb base = checked ? kGelBlue : kGelWhite;
    Rgb rim = checked ? kGelBlueRim : kGelWhiteRim;
    if (!enabled) {
        base = Washed(base, kFormBack, 0.45f);
        rim = Washed(rim, kFormBack, 0.5f);
    }
    Gel(canvas, disc, b, base, rim);
    if (checked) {
        canvas.Fill(Circle(8.0f, 8.5f, 2.3f), enabled ? kMark : Hex(0x8C9098));
    }
    return canvas.Keyed(Hex(0xF3F3F3));
}

// A vertical scroll bar's arrow button: an aqua-like channel, lit from the middle.
Image ScrollButton(Direction direction, ButtonState state) {
    Canvas canvas(16, 22);
    const Bounds b{0.5f, 0.5f, 15.5f, 21.5f};
    const Sdf face = Shape(b, 3.0f);
    if (state == ButtonState::Pressed) {
        Gel(canvas, face, b, kGelBlue, kGelBlueRim, false);
    } else {
        canvas.Fill(face, HorizontalGradient({{0.5f, Hex(0xD6D6D6)}, {5.5f, Hex(0xFFFFFF)}, {11.0f, Hex(0xEDEDED)},
                                              {15.5f, Hex(0xC4C4C4)}}));
        canvas.Fill(Rim(face), Hex(0x8C8C8C));
    }
    const Rgb arrow = state == ButtonState::Normal ? Hex(0x4A4A4A) : state == ButtonState::Hover ? kAccent : kWhite;
    canvas.Fill(Arrow(direction, 8.0f, 11.0f, 7.0f), arrow);
    return canvas.Opaque(kScrollBack);
}

// The slider, lying along a horizontal bar: rounded head, straight body, rounded tail.
Image ScrollSlider() {
    Canvas canvas(33, 16);
    const Bounds b{0.5f, 1.0f, 32.5f, 15.0f};
    Gel(canvas, Shape(b, 7.0f), b, kGelBlue, kGelBlueRim, false);
    return canvas.Opaque(kScrollBack);
}

Image TrackBar() {
    Canvas canvas(45, 5);
    const Bounds b{0.5f, 0.5f, 44.5f, 4.5f};
    const Sdf groove = Shape(b, 2.0f);
    canvas.Fill(groove, VerticalGradient({{0.5f, Hex(0x8A8A8A)}, {4.5f, Hex(0xDADADA)}}));
    canvas.Fill(Rim(groove), Hex(0x6E6E6E));
    return OpaqueMiddle(canvas.Keyed(kFormBack), kFormBack);
}

Image TrackSlider() {
    Canvas canvas(11, 20);
    const Sdf shape = Pointer(11, 20);
    Gel(canvas, shape, {0.5f, 0.5f, 10.5f, 19.5f}, kGelBlue, kGelBlueRim);
    return canvas.Keyed(kFormBack);
}

Image TrackSliderVertical() {
    Canvas canvas(19, 11);
    const Sdf shape = Turn(Pointer(11, 19), 5.5f, 5.5f, 3);
    Gel(canvas, shape, {0.5f, 0.5f, 18.5f, 10.5f}, kGelBlue, kGelBlueRim);
    return canvas.Opaque(kFormBack);
}

Image ProgressBar() {
    Canvas canvas(13, 10);
    canvas.FillPixels(0, 0, 13, 10, VerticalGradient({{0.0f, Darker(kGelBlue, 0.1f)}, {5.0f, kGelBlue}, {10.0f, Lighter(kGelBlue, 0.45f)}}));
    // Diagonal stripes that repeat every 13 pixels, so the picture tiles seamlessly.
    canvas.Fill(Box(-1, -1, 14, 11), kWhite, [](float x, float y) {
        const float t = std::fmod(x + (10.0f - y) * 0.7f + 26.0f, 13.0f);
        return 0.28f * std::clamp(std::min(t, 6.5f - t) + 0.5f, 0.0f, 1.0f);
    });
    canvas.Fill(Box(-1, 0, 14, 4.5f), kWhite, VerticalOpacity({{0.0f, 0.55f}, {4.5f, 0.1f}}));
    return canvas.Opaque(kFormBack);
}

Image CheckListBox(bool checked, bool enabled) {
    Canvas canvas(10, 11);
    const Bounds b{0.5f, 1.0f, 9.5f, 10.0f};
    const Sdf box = Shape(b, 2.0f);
    Rgb base = checked ? kGelBlue : kGelWhite;
    Rgb rim = checked ? kGelBlueRim : kGelWhiteRim;
    if (!enabled) {
        base = Washed(base, kWhite, 0.5f);
        rim = Washed(rim, kWhite, 0.5f);
    }
    Gel(canvas, box, b, base, rim, false);
    if (checked) {
        canvas.Fill(CheckMark(5.0f, 5.6f, 6.0f, 1.5f), enabled ? kMark : Hex(0x9A9A9A));
    }
    return canvas.Opaque(kWhite);
}

Image TabScrollButton(Direction direction, bool pressed) {
    Canvas canvas(18, 18);
    const Bounds b{0.5f, 0.5f, 17.5f, 17.5f};
    const Sdf face = Shape(b, 4.0f);
    Gel(canvas, face, b, pressed ? kGelBlue : kGelWhite, pressed ? kGelBlueRim : kGelWhiteRim);
    canvas.Fill(Arrow(direction, 9.0f, 9.0f, 7.0f), pressed ? kWhite : Hex(0x404040));
    return canvas.Opaque(kFormBack);
}

Image Tab(bool active) {
    Canvas canvas(18, 27);
    const Bounds b{0.5f, 0.5f, 17.5f, 30.0f};
    const Sdf tab = Shape(b, 5.0f);
    if (active) {
        canvas.Fill(tab, [](float, float y) { return Stripe(Hex(0xEDEDED), y, 0.5f); });
    } else {
        canvas.Fill(tab, VerticalGradient({{0.0f, Hex(0xD8D8D8)}, {27.0f, Hex(0xC2C2C2)}}));
    }
    canvas.Fill(Rim(tab), kBorder);
    return canvas.Opaque(kFormBack);
}

Image TabLine() {
    Canvas canvas(17, 7);
    canvas.FillPixels(0, 0, 17, 7, [](float, float y) { return Stripe(Hex(0xE9E9E9), y, 0.5f); });
    canvas.FillPixels(0, 0, 17, 1, kBorder);
    canvas.FillPixels(0, 1, 17, 2, kWhite);
    return canvas.Opaque(kFormBack);
}

Image SideHandle() {
    Canvas canvas(7, 84);
    const Bounds b{0.5f, 2.5f, 6.5f, 81.5f};
    const Sdf groove = Shape(b, 3.0f);
    canvas.Fill(groove, HorizontalGradient({{0.5f, Hex(0xC9C9C9)}, {3.5f, Hex(0xF4F4F4)}, {6.5f, Hex(0xD2D2D2)}}));
    canvas.Fill(Rim(groove), Hex(0x9A9A9A));
    for (int i = 0; i < 5; ++i) {
        const float y = 35.0f + float(i) * 3.0f;
        canvas.Fill(Box(2.0f, y, 5.0f, y + 1.0f), Hex(0x7A7A7A));
        canvas.Fill(Box(2.0f, y + 1.0f, 5.0f, y + 2.0f), kWhite, 0.9f);
    }
    canvas.Fill(Arrow(Direction::Left, 3.6f, 12.0f, 5.0f), Hex(0x6A6A6A));
    canvas.Fill(Arrow(Direction::Left, 3.6f, 72.0f, 5.0f), Hex(0x6A6A6A));
    return canvas.Opaque(kFormBack);
}

Image SideBar() {
    return Painted(1, 21, [](float, float y) {
        const int row = int(y);
        if (row == 0) {
            return kBorder;
        }
        if (row == 20) {
            return Hex(0x9C9C9C);
        }
        return Stripe(Mix(Hex(0xF0F0F0), Hex(0xD6D6D6), float(row) / 19.0f), y, 0.4f);
    });
}

Image FormBackground() {
    return Painted(8, 8, [](float, float y) { return Stripe(Hex(0xE3E3E3), y, 0.33f); });
}

Image MenuBar() {
    return Painted(1, 22, [](float, float y) {
        const int row = int(y);
        if (row == 20) {
            return Hex(0xC6C6C6);
        }
        if (row == 21) {
            return Hex(0x8E8E8E);
        }
        return Stripe(Hex(0xF2F2F2), y, 0.6f);
    });
}

Image MenuSelect() {
    return Painted(1, 21, [](float, float y) {
        const int row = int(y);
        if (row == 20) {
            return Hex(0x23508F);
        }
        const Rgb base = SampleStops({{0.0f, Hex(0x6A9CE6)}, {9.5f, Hex(0x4A83D6)}, {10.0f, kAccent}, {19.0f, Hex(0x4F8BDA)}},
                                     y);
        return row == 0 ? Lighter(base, 0.3f) : base;
    });
}

} // namespace

void AddMacOSArt(ArtBook& book) {
    book.Add("MACOS_BUTTON", [] {
        return Image::Row({Button(ButtonState::Normal), Button(ButtonState::Hover), Button(ButtonState::Pressed)});
    });
    book.Add("MACOS_CHECKBOX", [] { return CheckStrip(CheckBox); });
    book.Add("MACOS_RADIOBUTTON", [] { return CheckStrip(RadioButton); });
    book.Add("MACOS_TITLEBTN", [] { return TitleButtonStrip(TitleButton); });
    book.Add("MACOS_TITLE_LEFT", [] { return TitlePart(48, true, false); });
    book.Add("MACOS_TITLE_CLIENT", [] { return TitlePart(49, false, false); });
    book.Add("MACOS_TITLE_RIGHT", [] { return TitlePart(48, false, true); });
    book.Add("MACOS_PROGRESSBAR", ProgressBar);
    book.Add("MACOS_TRACKBAR_BAR", TrackBar);
    book.Add("MACOS_TRACKBAR_SLIDER", TrackSlider);
    book.Add("MACOS_TRACKBAR_SLIDER_V", TrackSliderVertical);
    book.Add("MACOS_SCROLLBAR_BUTTON", [] { return ScrollButtonStrip(ScrollButton); });
    book.Add("MACOS_SCROLLBAR_TRACK", ScrollSlider);
    book.Add("MACOS_CHECKLIST", [] { return CheckStrip(CheckListBox); });
    book.Add("MACOS_SCROLLBUTTON", [] {
        return Image::Row({TabScrollButton(Direction::Left, false), TabScrollButton(Direction::Right, false),
                           TabScrollButton(Direction::Left, true), TabScrollButton(Direction::Right, true)});
    });
    book.Add("MACOS_TAB", [] { return Image::Row({Tab(true), Tab(false)}); });
    book.Add("MACOS_TAB_LINE", TabLine);
    book.Add("MACOS_SIDECHENNEL_HANDLE", SideHandle);
    book.Add("MACOS_SIDECHENNEL_BAR", SideBar);
    book.Add("MACOS_FORM_BACKGROUND", FormBackground);
    book.Add("MACOS_MENU_BAR", MenuBar);
    book.Add("MACOS_MENU_SELECT", MenuSelect);
}

} // namespace skinart
