// themepack_example_art FOLDER: draws the pictures of the example theme (a teal look with amber
// accents) as 24-bit bitmap files named after their keys. Sizes are small but keep the frame
// layouts the skin cuts the pictures by; pure fuchsia marks transparent pixels.

#include "framework/imaging/BitmapFile.h"
#include "framework/imaging/PixelImage.h"
#include "skin/styles/SUIThemeTable.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kFuchsia = 0xFF00FF;
constexpr std::uint32_t kDark = 0x1F5F5F;
constexpr std::uint32_t kTeal = 0x3A9A9A;
constexpr std::uint32_t kLight = 0xCFE8E8;
constexpr std::uint32_t kPale = 0xE6F5F5;
constexpr std::uint32_t kDeep = 0x9CCACA;
constexpr std::uint32_t kAmber = 0xE0A030;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kGrey = 0x9A9A9A;
constexpr std::uint32_t kSilver = 0xE0E0E0;

// Drawing on an image of 0xRRGGBB pixels; what falls outside is dropped.
struct Picture {
    fw::PixelImage Image;

    Picture(int width, int height, std::uint32_t colour) : Image(width, height, colour) {}

    void Set(int x, int y, std::uint32_t colour) {
        if (x >= 0 && y >= 0 && x < Image.Width() && y < Image.Height()) Image.SetPixel(x, y, colour);
    }
    // Right and bottom exclusive.
    void Fill(int left, int top, int right, int bottom, std::uint32_t colour) {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) Set(x, y, colour);
    }
    void Frame(int left, int top, int right, int bottom, std::uint32_t colour) {
        Fill(left, top, right, top + 1, colour);
        Fill(left, bottom - 1, right, bottom, colour);
        Fill(left, top, left + 1, bottom, colour);
        Fill(right - 1, top, right, bottom, colour);
    }
    void Line(int x0, int y0, int x1, int y1, std::uint32_t colour) {
        const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
        for (int i = 0; i <= steps; ++i) {
            const int x = steps ? x0 + (x1 - x0) * i / steps : x0;
            const int y = steps ? y0 + (y1 - y0) * i / steps : y0;
            Set(x, y, colour);
        }
    }
    // Top-to-bottom blend of two colours over a rectangle.
    void Gradient(int left, int top, int right, int bottom, std::uint32_t from, std::uint32_t to) {
        for (int y = top; y < bottom; ++y) {
            const int span = std::max(1, bottom - top - 1);
            std::uint32_t colour = 0;
            for (int shift = 0; shift <= 16; shift += 8) {
                const int a = (from >> shift) & 0xFF, b = (to >> shift) & 0xFF;
                colour |= static_cast<std::uint32_t>(a + (b - a) * (y - top) / span) << shift;
            }
            Fill(left, y, right, y + 1, colour);
        }
    }
};

void SaveBitmap(const std::filesystem::path& path, const Picture& picture) {
    const std::vector<std::uint8_t> out = fw::EncodeBitmapFile(picture.Image, 24);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    if (!file) {
        std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
        std::exit(1);
    }
}

// Three button faces (normal, mouse over, pressed) with fuchsia corner pixels.
Picture Button() {
    Picture p(63, 21, kFuchsia);
    const std::uint32_t faces[] = {kLight, kPale, kDeep};
    for (int f = 0; f < 3; ++f) {
        const int x = f * 21;
        p.Fill(x, 0, x + 21, 21, faces[f]);
        p.Frame(x, 0, x + 21, 21, kDark);
        p.Fill(x + 1, 1, x + 20, 2, f == 2 ? kTeal : kWhite);
        for (int cx : {x, x + 20})
            for (int cy : {0, 20}) p.Set(cx, cy, kFuchsia);
    }
    return p;
}

// Four boxes: checked, unchecked, checked disabled, unchecked disabled.
Picture CheckBox() {
    Picture p(52, 13, kFuchsia);
    for (int f = 0; f < 4; ++f) {
        const int x = f * 13;
        const bool enabled = f < 2, checked = f % 2 == 0;
        p.Fill(x, 0, x + 13, 13, enabled ? kWhite : kSilver);
        p.Frame(x, 0, x + 13, 13, enabled ? kDark : kGrey);
        if (checked) {
            const std::uint32_t mark = enabled ? kAmber : kGrey;
            p.Line(x + 3, 6, x + 5, 9, mark);
            p.Line(x + 3, 7, x + 5, 10, mark);
            p.Line(x + 5, 9, x + 10, 3, mark);
            p.Line(x + 5, 10, x + 10, 4, mark);
        }
    }
    return p;
}

Picture RadioButton() {
    Picture p(52, 13, kFuchsia);
    for (int f = 0; f < 4; ++f) {
        const bool enabled = f < 2, checked = f % 2 == 0;
        for (int y = 0; y < 13; ++y)
            for (int x = 0; x < 13; ++x) {
                const int d = (x - 6) * (x - 6) + (y - 6) * (y - 6);
                if (d <= 36) p.Set(f * 13 + x, y, d >= 25 ? (enabled ? kDark : kGrey) : (enabled ? kWhite : kSilver));
                if (checked && d <= 5) p.Set(f * 13 + x, y, enabled ? kAmber : kGrey);
            }
    }
    return p;
}

// Six caption buttons (control box, help, maximize, restore, minimize, close), three states each.
Picture TitleButtons() {
    Picture p(270, 15, kTeal);
    const std::uint32_t faces[] = {kTeal, 0x4FB5B5, kDark};
    for (int button = 0; button < 6; ++button)
        for (int state = 0; state < 3; ++state) {
            const int x = (button * 3 + state) * 15;
            p.Fill(x, 0, x + 15, 15, faces[state]);
            p.Frame(x, 0, x + 15, 15, state == 0 ? kTeal : kWhite);
            switch (button) {
            case 0: p.Fill(x + 4, 4, x + 11, 11, kAmber); break;
            case 1:
                p.Line(x + 5, 4, x + 9, 4, kWhite);
                p.Line(x + 9, 4, x + 9, 7, kWhite);
                p.Line(x + 9, 7, x + 7, 8, kWhite);
                p.Set(x + 7, 10, kWhite);
                break;
            case 2: p.Frame(x + 4, 4, x + 11, 11, kWhite); p.Fill(x + 4, 5, x + 11, 6, kWhite); break;
            case 3: p.Frame(x + 6, 3, x + 12, 9, kWhite); p.Fill(x + 3, 6, x + 9, 12, faces[state]); p.Frame(x + 3, 6, x + 9, 12, kWhite); break;
            case 4: p.Fill(x + 4, 9, x + 11, 11, kWhite); break;
            case 5: p.Line(x + 4, 4, x + 10, 10, kWhite); p.Line(x + 10, 4, x + 4, 10, kWhite); break;
            }
        }
    return p;
}

Picture TitleBar(int width, bool icon) {
    Picture p(width, 25, 0);
    p.Gradient(0, 0, width, 24, 0x4FB5B5, kDark);
    p.Fill(0, 24, width, 25, 0x123A3A);
    if (icon) p.Fill(5, 6, 17, 18, kAmber);
    return p;
}

// Up arrow in frames 1 to 3, down arrow in frames 4 to 6.
Picture ScrollBarButtons() {
    Picture p(96, 16, kLight);
    const std::uint32_t faces[] = {kLight, kPale, kDeep};
    for (int f = 0; f < 6; ++f) {
        const int x = f * 16;
        p.Fill(x, 0, x + 16, 16, faces[f % 3]);
        p.Frame(x, 0, x + 16, 16, kDark);
        for (int row = 0; row < 4; ++row) {
            const int y = f < 3 ? 6 + row : 9 - row;
            p.Fill(x + 7 - row, y, x + 9 + row, y + 1, kDark);
        }
    }
    return p;
}

// A box with a point: downwards for the horizontal track bar, to the right for the vertical one.
Picture Slider(bool vertical) {
    Picture p(11, 20, kFuchsia);
    p.Fill(0, 0, 11, 14, kLight);
    p.Frame(0, 0, 11, 14, kDark);
    for (int i = 0; i < 6; ++i) {
        p.Fill(i, 14 + i - 1, 11 - i, 14 + i, kLight);
        p.Set(i, 13 + i, kDark);
        p.Set(10 - i, 13 + i, kDark);
    }
    if (!vertical) return p;
    Picture turned(20, 11, kFuchsia);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 11; ++x) turned.Set(y, x, p.Image.Pixel(x, y));
    return turned;
}

void Write(const std::filesystem::path& folder, TsuiThemeElement element, const Picture& picture) {
    SaveBitmap(folder / (std::string(GetThemeElementKey(element)) + ".bmp"), picture);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: themepack_example_art FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    using E = TsuiThemeElement;

    Write(folder, E::ButtonImage, Button());
    Write(folder, E::CheckBoxImage, CheckBox());
    Write(folder, E::RadioButtonImage, RadioButton());
    Write(folder, E::TitleBarButtonImage, TitleButtons());
    Write(folder, E::TitleBarLeftImage, TitleBar(24, true));
    Write(folder, E::TitleBarClientImage, TitleBar(8, false));
    Write(folder, E::TitleBarRightImage, TitleBar(24, false));

    Picture progress(6, 10, 0);
    progress.Gradient(0, 0, 6, 10, 0xF5D080, kAmber);
    Write(folder, E::ProgressBarImage, progress);

    Picture bar(45, 5, kFuchsia);  // left end, middle, right end: 15 pixels each
    bar.Fill(1, 0, 44, 5, kDeep);
    bar.Fill(1, 0, 44, 1, kDark);
    bar.Fill(0, 1, 45, 4, kDeep);
    bar.Fill(0, 1, 1, 4, kDark);
    bar.Fill(44, 1, 45, 4, kDark);
    Write(folder, E::TrackBarBarImage, bar);
    Write(folder, E::TrackBarSliderImage, Slider(false));
    Write(folder, E::TrackBarSliderVImage, Slider(true));

    Write(folder, E::ScrollBarButtonImage, ScrollBarButtons());
    Picture thumb(21, 16, kFuchsia);  // head, body, tail
    thumb.Fill(1, 0, 20, 16, kTeal);
    thumb.Fill(0, 1, 21, 15, kTeal);
    thumb.Fill(7, 0, 14, 1, kDark);
    thumb.Fill(7, 15, 14, 16, kDark);
    thumb.Fill(9, 4, 12, 12, kLight);
    Write(folder, E::ScrollBarSliderImage, thumb);

    Picture checklist(44, 11, kWhite);
    for (int f = 0; f < 4; ++f) {
        checklist.Frame(f * 11, 0, f * 11 + 11, 11, f < 2 ? kDark : kGrey);
        if (f % 2 == 0) checklist.Fill(f * 11 + 3, 3, f * 11 + 8, 8, f < 2 ? kAmber : kGrey);
    }
    Write(folder, E::CheckListBoxImage, checklist);

    Picture scroll(72, 17, kLight);  // four arrows: left, right, up, down
    for (int f = 0; f < 4; ++f) {
        scroll.Frame(f * 18, 0, f * 18 + 18, 17, kDark);
        for (int i = 0; i < 4; ++i) {
            const int cx = f * 18 + 9, cy = 8;
            if (f == 0) scroll.Fill(cx - 2 + i, cy - i, cx - 1 + i, cy + i + 1, kDark);
            if (f == 1) scroll.Fill(cx + 1 - i, cy - i, cx + 2 - i, cy + i + 1, kDark);
            if (f == 2) scroll.Fill(cx - i, cy - 2 + i, cx + i + 1, cy - 1 + i, kDark);
            if (f == 3) scroll.Fill(cx - i, cy + 1 - i, cx + i + 1, cy + 2 - i, kDark);
        }
    }
    Write(folder, E::ScrollButtonImage, scroll);

    Picture tab(18, 17, kFuchsia);
    tab.Fill(1, 0, 17, 17, kLight);
    tab.Fill(0, 1, 18, 17, kLight);
    tab.Fill(2, 0, 16, 2, kAmber);
    tab.Frame(0, 0, 18, 18, kDark);  // one row taller than the picture: the tab is open at the bottom
    Write(folder, E::TabControlTabImage, tab);
    Picture tabLine(10, 5, kLight);
    tabLine.Fill(0, 0, 10, 1, kDark);
    Write(folder, E::TabControlBarImage, tabLine);

    Picture handle(8, 83, kTeal);
    handle.Frame(0, 0, 8, 83, kDark);
    for (int y = 30; y < 54; y += 4) handle.Fill(3, y, 5, y + 2, kAmber);
    Write(folder, E::SideChannelHandleImage, handle);
    Picture channelBar(1, 21, 0);
    channelBar.Gradient(0, 0, 1, 21, 0x4FB5B5, kDark);
    Write(folder, E::SideChannelBarImage, channelBar);
    return 0;
}
