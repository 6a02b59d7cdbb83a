// The committed skin bitmaps against the style table and against the way the skinned controls
// draw them: sizes and frames, where fuchsia must (and must not) be, and parts that are
// stretched or placed side by side.

#include "skin/styles/SUIThemeTable.h"
#include "tests/native/skinart/BmpTestReader.h"
#include "tools/skinart/SkinArt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>

using skinart::Image;
using skinart::kFuchsia;
using skinart::Rgb8;

namespace {

const std::string kSkinFolder = std::string(VORNIK_SOURCE_DIR) + "/resources/skins/";

constexpr TsuiUIStyle kStyles[] = {TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue, TsuiUIStyle::Protein,
                                   TsuiUIStyle::BlueGlass};

const BmpFile& Committed(const std::string& name) {
    static std::map<std::string, BmpFile> cache;
    auto it = cache.find(name);
    if (it == cache.end()) {
        it = cache.emplace(name, ParseBmp(ReadFileBytes(kSkinFolder + name + ".bmp"))).first;
    }
    return it->second;
}

const Image& Picture(TsuiUIStyle style, TsuiThemeElement element) {
    return Committed(GetBuiltInThemeBitmapName(style, element)).image;
}

Image Frame(const Image& strip, int count, int index) {
    const int w = strip.Width() / count;
    Image frame(w, strip.Height());
    for (int y = 0; y < strip.Height(); ++y) {
        for (int x = 0; x < w; ++x) {
            frame.Set(x, y, strip.At(index * w + x, y));
        }
    }
    return frame;
}

int Distance(Rgb8 a, Rgb8 b) {
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

bool HasFuchsia(const Image& image, int x0 = 0, int x1 = -1) {
    if (x1 < 0) {
        x1 = image.Width();
    }
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = x0; x < x1; ++x) {
            if (image.At(x, y) == kFuchsia) {
                return true;
            }
        }
    }
    return false;
}

// Largest difference between any column in [x0, x1) and column x0.
int ColumnSpread(const Image& image, int x0, int x1) {
    int spread = 0;
    for (int x = x0; x < x1; ++x) {
        for (int y = 0; y < image.Height(); ++y) {
            spread = std::max(spread, Distance(image.At(x, y), image.At(x0, y)));
        }
    }
    return spread;
}

// A 0x00BBGGRR table colour.
Rgb8 TableColour(uint32_t value) {
    return {uint8_t(value & 0xFF), uint8_t((value >> 8) & 0xFF), uint8_t((value >> 16) & 0xFF)};
}

std::string Name(TsuiUIStyle style, TsuiThemeElement element) {
    return GetBuiltInThemeBitmapName(style, element);
}

} // namespace

TEST(SkinArtFiles, EveryBitmapIsCommittedAtItsSizeAndDepth) {
    for (const skinart::ResourceInfo& entry : skinart::Resources()) {
        SCOPED_TRACE(entry.name);
        const BmpFile& file = Committed(entry.name);
        EXPECT_EQ(file.image.Width(), entry.width);
        EXPECT_EQ(file.image.Height(), entry.height);
        EXPECT_EQ(file.bitsPerPixel, entry.bitsPerPixel);
        EXPECT_EQ(entry.width % entry.frames, 0);
    }
}

TEST(SkinArtFiles, ResourceScriptNamesEveryBitmapFileOnce) {
    std::ifstream script(kSkinFolder + "skins.rc");
    ASSERT_TRUE(script);
    std::multiset<std::string> listed;
    std::string text;
    while (std::getline(script, text)) {
        if (text.empty() || text.rfind("//", 0) == 0) {
            continue;
        }
        // NAME BITMAP "NAME.bmp"
        const size_t space = text.find(' ');
        ASSERT_NE(space, std::string::npos) << text;
        const std::string name = text.substr(0, space);
        EXPECT_EQ(text.substr(space), " BITMAP \"" + name + ".bmp\"");
        listed.insert(name);
    }
    std::multiset<std::string> expected;
    for (const skinart::ResourceInfo& entry : skinart::Resources()) {
        expected.insert(entry.name);
    }
    EXPECT_EQ(listed, expected);

    std::multiset<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(kSkinFolder)) {
        if (entry.path().extension() == ".bmp") {
            files.insert(entry.path().stem().string());
        }
    }
    EXPECT_EQ(files, expected);
}

TEST(SkinArtFiles, ButtonFacesAreKeyedExactlyWhenTheStyleDrawsThemTransparent) {
    for (TsuiUIStyle style : kStyles) {
        SCOPED_TRACE(GetUIStyleName(style));
        const Image& strip = Picture(style, TsuiThemeElement::ButtonImage);
        const bool transparent = GetBuiltInThemeBool(style, TsuiThemeElement::ButtonTransparentBool);
        // An opaque face draws its corners as they are, so fuchsia there would show.
        EXPECT_EQ(HasFuchsia(strip), transparent);
        // The nine-piece drawing odd heights rely on.
        EXPECT_EQ(strip.Height() % 2, 1);
        for (int i = 0; i < 3; ++i) {
            const Image face = Frame(strip, 3, i);
            const int w = face.Width();
            const int h = face.Height();
            if (transparent) {
                EXPECT_EQ(face.At(0, 0), kFuchsia);
                EXPECT_EQ(face.At(w - 1, 0), kFuchsia);
                EXPECT_EQ(face.At(0, h - 1), kFuchsia);
                EXPECT_EQ(face.At(w - 1, h - 1), kFuchsia);
            }
            // The middle column and rows are stretched over the button; a hole there would
            // show whatever lies behind the button.
            for (int y = 0; y < h; ++y) {
                EXPECT_FALSE(face.At(w / 2, y) == kFuchsia) << "frame " << i << " row " << y;
            }
            for (int x = 0; x < w; ++x) {
                EXPECT_FALSE(face.At(x, h / 2) == kFuchsia) << "frame " << i << " column " << x;
            }
        }
        EXPECT_FALSE(Frame(strip, 3, 0) == Frame(strip, 3, 1)) << "hover face looks like the normal one";
        EXPECT_FALSE(Frame(strip, 3, 1) == Frame(strip, 3, 2)) << "pressed face looks like the hover one";
    }
}

TEST(SkinArtFiles, TitleButtonsSitOnTheTitleBar) {
    for (TsuiUIStyle style : kStyles) {
        SCOPED_TRACE(GetUIStyleName(style));
        const Image& strip = Picture(style, TsuiThemeElement::TitleBarButtonImage);
        const Image& client = Picture(style, TsuiThemeElement::TitleBarClientImage);
        const int top = GetBuiltInThemeInt(style, TsuiThemeElement::TitleBarButtonTopInt);
        const bool transparent = GetBuiltInThemeBool(style, TsuiThemeElement::TitleBarButtonTransparentBool);
        ASSERT_LE(top + strip.Height(), client.Height());
        EXPECT_EQ(HasFuchsia(strip), transparent);
        for (int i = 0; i < 18; ++i) {
            const Image button = Frame(strip, 18, i);
            const int bottom = button.Height() - 1;
            if (transparent) {
                // Pixels of the lower-left pixel's colour are left unpainted.
                EXPECT_EQ(button.At(0, bottom), kFuchsia) << "frame " << i;
            } else {
                // Opaque buttons carry the bar's own colours around their shape.
                EXPECT_LE(Distance(button.At(0, 0), client.At(0, top)), 3) << "frame " << i;
                EXPECT_LE(Distance(button.At(0, bottom), client.At(0, top + bottom)), 3) << "frame " << i;
            }
        }
        // Six buttons in three states each: every frame must look different from the others.
        for (int a = 0; a < 18; ++a) {
            for (int b = a + 1; b < 18; ++b) {
                EXPECT_FALSE(Frame(strip, 18, a) == Frame(strip, 18, b)) << "frames " << a << " and " << b;
            }
        }
    }
}

TEST(SkinArtFiles, TitleBarPartsJoinWithoutSeams) {
    for (TsuiUIStyle style : kStyles) {
        SCOPED_TRACE(GetUIStyleName(style));
        const Image& left = Picture(style, TsuiThemeElement::TitleBarLeftImage);
        const Image& client = Picture(style, TsuiThemeElement::TitleBarClientImage);
        const Image& right = Picture(style, TsuiThemeElement::TitleBarRightImage);
        ASSERT_EQ(left.Height(), client.Height());
        ASSERT_EQ(right.Height(), client.Height());
        EXPECT_FALSE(HasFuchsia(left) || HasFuchsia(client) || HasFuchsia(right));
        // The client part is stretched sideways, so all its columns must agree.
        EXPECT_LE(ColumnSpread(client, 0, client.Width()), 2);
        for (int y = 0; y < client.Height(); ++y) {
            EXPECT_LE(Distance(left.At(left.Width() - 1, y), client.At(0, y)), 3) << "left seam, row " << y;
            EXPECT_LE(Distance(right.At(0, y), client.At(0, y)), 3) << "right seam, row " << y;
        }
    }
}

TEST(SkinArtFiles, CheckBoxesAreOpaqueAndRadioButtonsKeyed) {
    for (TsuiUIStyle style : kStyles) {
        SCOPED_TRACE(GetUIStyleName(style));
        const Image& checks = Picture(style, TsuiThemeElement::CheckBoxImage);
        const Image& radios = Picture(style, TsuiThemeElement::RadioButtonImage);
        EXPECT_FALSE(HasFuchsia(checks));
        for (int i = 0; i < 4; ++i) {
            const Image radio = Frame(radios, 4, i);
            EXPECT_EQ(radio.At(0, radio.Height() - 1), kFuchsia) << "frame " << i;
            for (int j = i + 1; j < 4; ++j) {
                EXPECT_FALSE(Frame(checks, 4, i) == Frame(checks, 4, j)) << "check box frames " << i << ", " << j;
                EXPECT_FALSE(radio == Frame(radios, 4, j)) << "radio frames " << i << ", " << j;
            }
        }
    }
}

TEST(SkinArtFiles, ScrollBarPartsBlendIntoTheBar) {
    for (TsuiUIStyle style : kStyles) {
        SCOPED_TRACE(GetUIStyleName(style));
        const Rgb8 bar = TableColour(GetBuiltInThemeColor(style, TsuiThemeElement::ScrollBarBackgroundColor));
        const Image& buttons = Picture(style, TsuiThemeElement::ScrollBarButtonImage);
        EXPECT_FALSE(HasFuchsia(buttons));
        // The arrow buttons take their top-left pixel as the transparent colour; the bar's own
        // colour there is right whether they are drawn transparent or not.
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(Frame(buttons, 6, i).At(0, 0), bar) << "frame " << i;
        }
        EXPECT_FALSE(Frame(buttons, 6, 0) == Frame(buttons, 6, 3)) << "up and down arrows look alike";

        const Image& slider = Picture(style, TsuiThemeElement::ScrollBarSliderImage);
        EXPECT_FALSE(HasFuchsia(slider));
        const int third = slider.Width() / 3;
        EXPECT_LE(ColumnSpread(slider, third, 2 * third), 2) << "the slider's body is stretched";
    }
}

TEST(SkinArtFiles, TrackBarEndsAreKeyedAndItsMiddleIsOpaque) {
    for (TsuiUIStyle style : kStyles) {
        SCOPED_TRACE(GetUIStyleName(style));
        const Image& bar = Picture(style, TsuiThemeElement::TrackBarBarImage);
        ASSERT_EQ(bar.Width() % 3, 0);
        const int third = bar.Width() / 3;
        EXPECT_TRUE(HasFuchsia(bar, 0, third));
        EXPECT_TRUE(HasFuchsia(bar, 2 * third, bar.Width()));
        EXPECT_FALSE(HasFuchsia(bar, third, 2 * third));
        EXPECT_LE(ColumnSpread(bar, third, 2 * third), 2);

        const Image& slider = Picture(style, TsuiThemeElement::TrackBarSliderImage);
        EXPECT_EQ(slider.At(0, slider.Height() - 1), kFuchsia) << "the horizontal slider is drawn transparent";
        EXPECT_FALSE(HasFuchsia(Picture(style, TsuiThemeElement::TrackBarSliderVImage)));
    }
}

TEST(SkinArtFiles, OpaquePicturesHaveNoFuchsia) {
    std::vector<std::string> names = {"MACOS_FORM_BACKGROUND", "PROTEIN_FORM_BACKGROUND", "MACOS_MENU_BAR",
                                      "MACOS_MENU_SELECT", "MSGDLG"};
    for (TsuiUIStyle style : kStyles) {
        for (TsuiThemeElement element : {TsuiThemeElement::SideChannelHandleImage, TsuiThemeElement::SideChannelBarImage,
                                         TsuiThemeElement::ProgressBarImage}) {
            names.push_back(Name(style, element));
        }
    }
    for (const std::string& name : names) {
        EXPECT_FALSE(HasFuchsia(Committed(name).image)) << name;
    }
}

TEST(SkinArtFiles, MenuCheckMarkIsHardBlackOnWhite) {
    // The menus mask the mark with white: anything between would leave a pale fringe.
    const Image& mark = Committed("MENU_CHECKED").image;
    int black = 0;
    for (int y = 0; y < mark.Height(); ++y) {
        for (int x = 0; x < mark.Width(); ++x) {
            const Rgb8 p = mark.At(x, y);
            ASSERT_TRUE(p == (Rgb8{255, 255, 255}) || p == (Rgb8{0, 0, 0})) << x << "," << y;
            black += p == Rgb8{0, 0, 0};
        }
    }
    EXPECT_GE(black, 12);
}

TEST(SkinArtFiles, PinGlyphIsKeyedUprightAndTurned) {
    // The pressed pin is the glyph turned clockwise; its lower-left pixel was the upright
    // glyph's lower-right one.
    const Image& pin = Committed("SIDECHANNEL_BTN").image;
    EXPECT_EQ(pin.At(0, pin.Height() - 1), kFuchsia);
    EXPECT_EQ(pin.At(pin.Width() - 1, pin.Height() - 1), kFuchsia);
}

TEST(SkinArtFiles, DialogIconsAreWarningStopInformationAndHelp) {
    const Image& icons = Committed("MSGDLG").image;
    auto yellow = [](Rgb8 p) { return p.r > 170 && p.g > 120 && p.b + 60 < p.g; };
    auto red = [](Rgb8 p) { return p.r > 150 && p.g + 70 < p.r && p.b + 70 < p.r; };
    auto blue = [](Rgb8 p) { return p.b > 140 && p.r + 60 < p.b; };
    auto green = [](Rgb8 p) { return p.g > 110 && p.r + 50 < p.g && p.b + 50 < p.g; };
    const std::function<bool(Rgb8)> colours[] = {yellow, red, blue, green};
    for (int i = 0; i < 4; ++i) {
        const Image icon = Frame(icons, 4, i);
        int inColour = 0;
        int white = 0;
        for (int y = 0; y < icon.Height(); ++y) {
            for (int x = 0; x < icon.Width(); ++x) {
                inColour += colours[i](icon.At(x, y));
                white += icon.At(x, y).r > 245 && icon.At(x, y).g > 245 && icon.At(x, y).b > 245;
            }
        }
        EXPECT_GT(inColour, 300) << "frame " << i;
        EXPECT_GT(white, 25) << "frame " << i << " has no white mark";
    }
}
