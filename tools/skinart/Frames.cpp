#include "tools/skinart/Frames.h"

#include "tools/skinart/Canvas.h"

#include <vector>

namespace skinart {

Image TitleButtonStrip(const std::function<Image(TitleGlyph, ButtonState)>& draw) {
    constexpr ButtonState kStates[] = {ButtonState::Normal, ButtonState::Hover, ButtonState::Pressed};
    std::vector<Image> frames;
    for (TitleGlyph glyph : kTitleGlyphs) {
        for (ButtonState state : kStates) {
            frames.push_back(draw(glyph, state));
        }
    }
    return Image::Row(frames);
}

Image CheckStrip(const std::function<Image(bool checked, bool enabled)>& draw) {
    return Image::Row({draw(true, true), draw(false, true), draw(true, false), draw(false, false)});
}

Image ScrollButtonStrip(const std::function<Image(Direction, ButtonState)>& draw) {
    constexpr ButtonState kStates[] = {ButtonState::Normal, ButtonState::Hover, ButtonState::Pressed};
    std::vector<Image> frames;
    for (Direction direction : {Direction::Up, Direction::Down}) {
        for (ButtonState state : kStates) {
            frames.push_back(draw(direction, state));
        }
    }
    return Image::Row(frames);
}

Image OpaqueMiddle(Image bar, Rgb background) {
    const Image fill = Painted(1, 1, Solid(background));
    const int third = bar.Width() / 3;
    for (int y = 0; y < bar.Height(); ++y) {
        for (int x = third; x < 2 * third; ++x) {
            if (bar.At(x, y) == kFuchsia) {
                bar.Set(x, y, fill.At(0, 0));
            }
        }
    }
    return bar;
}

Image Painted(int width, int height, const Paint& paint) {
    Canvas canvas(width, height);
    canvas.FillPixels(0, 0, width, height, paint);
    return canvas.Opaque(kBlack);
}

} // namespace skinart
