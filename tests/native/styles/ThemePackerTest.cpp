#include "tools/themepack/ThemePacker.h"

#include "framework/core/Exception.h"
#include "skin/styles/SUIThemeFileReader.h"
#include "skin/styles/SUIThemeTable.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

namespace {

namespace fs = std::filesystem;
using themepack::PackThemeFolder;

const fs::path kExampleFolder = VORNIK_SOURCE_DIR "/resources/themes/example";
const fs::path kExampleFile = VORNIK_SOURCE_DIR "/resources/themes/example.theme";

std::vector<std::uint8_t> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const fs::path& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

std::int32_t LittleEndianI32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::int32_t>(bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) |
                                     (static_cast<std::uint32_t>(bytes[at + 3]) << 24));
}

// A minimal 24-bit bitmap file header for a picture of the given size (pixels left out).
std::string BitmapFile(int width, int height) {
    std::string bmp = "BM";
    bmp.resize(54, '\0');
    auto put = [&bmp](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bmp[at + i] = static_cast<char>(v >> (8 * i));
    };
    put(2, 54);
    put(10, 54);
    put(14, 40);
    put(18, static_cast<std::uint32_t>(width));
    put(22, static_cast<std::uint32_t>(height));
    return bmp;
}

class ScratchFolder {
public:
    ScratchFolder() {
        std::random_device seed;
        path_ = fs::temp_directory_path() / ("vornik-themepack-" + std::to_string(seed()));
        fs::create_directories(path_);
    }
    ~ScratchFolder() { fs::remove_all(path_); }
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

TEST(ThemePacker, CommittedExampleThemeIsThePackOfItsFolder) {
    const themepack::ThemePackResult result = PackThemeFolder(kExampleFolder);
    EXPECT_TRUE(result.MissingKeys.empty());
    EXPECT_EQ(result.File, ReadFile(kExampleFile)) << "repack resources/themes/example with themepack";
}

TEST(ThemePacker, ExampleThemeCarriesEveryElementInItsKind) {
    const TsuiThemeFileReader reader = TsuiThemeFileReader::FromFile(kExampleFile.string());
    EXPECT_EQ(reader.ImageCount(), 19u);
    EXPECT_EQ(reader.IntCount(), 21u);
    EXPECT_EQ(reader.BoolCount(), 2u);
    for (int number = 1; number <= ThemeElementCount; ++number) {
        const auto element = static_cast<TsuiThemeElement>(number);
        const char* key = GetThemeElementKey(element);
        SCOPED_TRACE(key);
        if (GetThemeElementKind(element) == ThemeElementKind::Image) {
            const auto image = reader.GetImageStream(key);
            ASSERT_TRUE(image.has_value());
            ASSERT_GE(image->size(), 54u);
            EXPECT_EQ((*image)[0], 'B');
            EXPECT_EQ((*image)[28], 24);  // bits per pixel
            const std::int32_t width = LittleEndianI32(*image, 18);
            EXPECT_EQ(width % GetThemeElementFrameCount(element), 0) << width;
        }
    }
    EXPECT_EQ(reader.GetIntValue("FormBorderColor"), 0x5F5F1F);
    EXPECT_EQ(reader.GetIntValue("TitleBarButtonRightOffsetInt"), -1);
    EXPECT_EQ(static_cast<std::uint32_t>(reader.GetIntValue("ToolBarButtonBackgroundColor")), 0xFF00000Fu);
    EXPECT_TRUE(reader.GetBoolValue("ButtonTransparentBool"));
    EXPECT_FALSE(reader.GetBoolValue("TitleBarButtonTransparentBool"));
    // Nine-piece button faces need an odd height.
    EXPECT_EQ(LittleEndianI32(*reader.GetImageStream("ButtonImage"), 22) % 2, 1);
}

TEST(ThemePacker, ValuesAreWrittenInTheirKinds) {
    ScratchFolder folder;
    WriteFile(folder.Path() / "values.txt",
              "; comment\n"
              "\n"
              "  LowInt = -2147483648\r\n"
              "HighInt=+2147483647\n"
              "# another comment\n"
              "RedColor=#FF0000\n"
              "MixColor=#010203\n"
              "SystemColor=0xff00000f\n"
              "OnBool=TRUE\n"
              "OffBool=false\n"
              "TwoBool=2\n");
    WriteFile(folder.Path() / "ButtonImage.bmp", BitmapFile(63, 21));
    WriteFile(folder.Path() / "OwnImage.BMP", BitmapFile(5, 5));
    WriteFile(folder.Path() / "readme.md", "not part of the theme");
    const themepack::ThemePackResult result = PackThemeFolder(folder.Path());
    EXPECT_EQ(result.MissingKeys.size(), 41u);
    const TsuiThemeFileReader reader(result.File);
    EXPECT_EQ(reader.GetIntValue("LowInt"), INT32_MIN);
    EXPECT_EQ(reader.GetIntValue("HighInt"), INT32_MAX);
    EXPECT_EQ(reader.GetIntValue("RedColor"), 0xFF);
    EXPECT_EQ(reader.GetIntValue("MixColor"), 0x030201);
    EXPECT_EQ(static_cast<std::uint32_t>(reader.GetIntValue("SystemColor")), 0xFF00000Fu);
    EXPECT_TRUE(reader.GetBoolValue("OnBool"));
    EXPECT_FALSE(reader.GetBoolValue("OffBool"));
    EXPECT_TRUE(reader.GetBoolValue("TwoBool"));
    EXPECT_EQ(reader.ImageCount(), 2u);
    const auto own = reader.GetImageStream("OwnImage");
    ASSERT_TRUE(own.has_value());
    EXPECT_EQ(own->size(), 54u);
}

TEST(ThemePacker, EmptyFolderGivesATerminatorOnlyFile) {
    ScratchFolder folder;
    const themepack::ThemePackResult result = PackThemeFolder(folder.Path());
    EXPECT_EQ(result.File.size(), TsuiThemeFileReader::HeaderSize + TsuiThemeFileReader::EntrySize);
    EXPECT_EQ(result.MissingKeys.size(), 42u);
    const TsuiThemeFileReader reader(result.File);
    EXPECT_EQ(reader.GetIntValue("FormBorderColor"), -1);
}

struct BadFolderCase {
    const char* Values;
    const char* ImageName;
    int ImageWidth;
    const char* Message;
};

TEST(ThemePacker, RefusesWhatAThemeCannotHold) {
    const BadFolderCase cases[] = {
        {"WidthInt=12px\n", nullptr, 0, "line 1: an integer"},
        {"WidthInt=2147483648\n", nullptr, 0, "an integer"},
        {"WidthInt=\n", nullptr, 0, "an integer"},
        {"\nEdgeColor=#12345\n", nullptr, 0, "line 2: a colour"},
        {"EdgeColor=#-12345\n", nullptr, 0, "a colour"},
        {"EdgeColor=0x123456789\n", nullptr, 0, "a colour"},
        {"EdgeColor=red\n", nullptr, 0, "a colour"},
        {"FlagBool=256\n", nullptr, 0, "a boolean"},
        {"FlagBool=yes\n", nullptr, 0, "a boolean"},
        {"Caption=Hello\n", nullptr, 0, "does not end in Int, Color or Bool"},
        {"ButtonImage=1\n", nullptr, 0, "does not end in Int, Color or Bool"},
        {"WidthInt 12\n", nullptr, 0, "expected Key=value"},
        {"=12\n", nullptr, 0, "empty key"},
        {"WidthInt=1\nWIDTHINT=2\n", nullptr, 0, "given twice"},
        {"ButtonImage.x=1\n", nullptr, 0, "does not end"},
        {"", "ButtonImage.bmp", 64, "does not split into 3 equal frames"},
        {"", "TitleBarButtonImage.bmp", 100, "does not split into 18"},
        {"", "FormBorderColor.bmp", 5, "ends in Image"},
        {"ButtonImage=5\n", "ButtonImage.bmp", 63, "given twice"},
        {"buttonimageInt=5\n", "ButtonImage.bmp", 63, nullptr},
    };
    for (const BadFolderCase& c : cases) {
        SCOPED_TRACE(c.Values);
        ScratchFolder folder;
        WriteFile(folder.Path() / "values.txt", c.Values);
        if (c.ImageName) WriteFile(folder.Path() / c.ImageName, BitmapFile(c.ImageWidth, 5));
        if (!c.Message) {
            EXPECT_NO_THROW(PackThemeFolder(folder.Path()));
            continue;
        }
        try {
            PackThemeFolder(folder.Path());
            ADD_FAILURE() << "packed a folder that should be refused";
        } catch (const fw::Exception& e) {
            EXPECT_NE(e.Message().find(c.Message), std::string::npos) << e.Message();
        }
    }
}

TEST(ThemePacker, RefusesBadPicturesAndKeys) {
    {
        ScratchFolder folder;
        WriteFile(folder.Path() / "ButtonImage.bmp", "GIF89a not a bitmap at all......");
        EXPECT_THROW(PackThemeFolder(folder.Path()), fw::Exception);
    }
    {
        ScratchFolder folder;
        WriteFile(folder.Path() / "values.txt", std::string(65, 'K') + "Int=1\n");
        try {
            PackThemeFolder(folder.Path());
            ADD_FAILURE() << "packed a key longer than a record holds";
        } catch (const fw::Exception& e) {
            EXPECT_NE(e.Message().find("longer than 64"), std::string::npos) << e.Message();
        }
    }
    {
        ScratchFolder folder;
        WriteFile(folder.Path() / "ButtonImage.bmp", BitmapFile(63, 21));
        WriteFile(folder.Path() / "buttonimage.bmp", BitmapFile(63, 21));
        EXPECT_THROW(PackThemeFolder(folder.Path()), fw::Exception);
    }
    EXPECT_THROW(PackThemeFolder(VORNIK_SOURCE_DIR "/no/such/folder"), fw::Exception);
}

}  // namespace
