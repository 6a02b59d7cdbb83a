// File themes under Wine: lookups of files made from bytes and of the example theme, images and
// their frames, path resolution through the program's folder, loads that fail, refreshing the
// components of the form that use the theme, and removal notices.
#include "tests/win/themes/ThemeTestSupport.h"

#include "framework/core/Properties.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/graphics/Bitmap.h"
#include "framework/imaging/BitmapFile.h"
#include "skin/styles/SUIThemeFile.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace themetest;
using E = TsuiThemeElement;

namespace {

std::vector<std::uint8_t> BorderColorFile(std::uint32_t color) {
    return BuildThemeFile({IntEntry("FormBorderColor", color)}).Bytes;
}

// 3 frames of 2 x 2 pixels side by side: red, green, blue (PixelImage order 0x00RRGGBB).
std::vector<std::uint8_t> ThreeFrameBitmapFile() {
    fw::PixelImage image(6, 2);
    const std::uint32_t colors[] = {0xFF0000, 0x00FF00, 0x0000FF};
    for (int x = 0; x < 6; ++x)
        for (int y = 0; y < 2; ++y) image.SetPixel(x, y, colors[x / 2]);
    return fw::EncodeBitmapFile(image);
}

// A bitmap the tests can recognise as untouched.
fw::Bitmap Marker() {
    fw::Bitmap b(5, 3);
    b.SetPixel(4, 2, fw::clYellow);
    return b;
}

bool IsMarker(const fw::Bitmap& b) { return b.Width() == 5 && b.Height() == 3 && b.Pixel(4, 2) == fw::clYellow; }

std::string ProgramFolder() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    folder.erase(folder.find_last_of(L'\\') + 1);
    return fw::WideToGbk(folder);
}

std::unique_ptr<fw::Form> NewForm() { return std::make_unique<fw::Form>(&fw::App()); }

TsuiTestControl* NewControl(fw::Component* owner, const std::string& name, TsuiFileTheme* theme) {
    auto* c = new TsuiTestControl(owner);
    c->SetName(name);
    c->SetUIStyle(TsuiUIStyle::FromThemeFile);
    c->SetFileTheme(theme);
    return c;
}

// --- lookups ---

TEST(ThemeFileLookups, AOneEntryFileGivesItsValueAndNeverTheTerminatorsOwn) {
    TempFolder temp;
    const std::string path =
        temp.Write("one.theme", BuildThemeFile({IntEntry("FormBorderColor", 0x000000FF)}, IntEntry("FormMinWidthInt", 130)).Bytes);
    TsuiFileTheme theme(nullptr);
    theme.SetThemeFile(path);
    EXPECT_TRUE(theme.CanUse());
    EXPECT_EQ(theme.ThemeFile(), path);
    EXPECT_EQ(theme.GetColor(E::FormBorderColor), 255u);
    EXPECT_EQ(theme.GetInt(E::FormMinWidthInt), -1) << "the terminator record is not an entry";
    EXPECT_EQ(theme.GetInt(E::FormBorderWidthInt), -1);
}

TEST(ThemeFileLookups, AFileOfOnlyATerminatorLoadsWithNoElements) {
    TempFolder temp;
    TsuiFileTheme theme(nullptr);
    theme.SetThemeFile(temp.Write("empty.theme", BuildThemeFile({}, BoolEntry("ButtonTransparentBool", 1)).Bytes));
    ASSERT_TRUE(theme.CanUse());
    for (int n = 1; n <= ThemeElementCount; ++n) {
        const auto element = static_cast<TsuiThemeElement>(n);
        SCOPED_TRACE(GetThemeElementKey(element));
        EXPECT_EQ(theme.GetInt(element), -1);
        EXPECT_EQ(theme.GetColor(element), 0xFFFFFFFFu);
        EXPECT_FALSE(theme.GetBool(element));
        fw::Bitmap b = Marker();
        theme.GetBitmap(element, &b);
        theme.GetBitmapFrame(element, &b, 3, 1);
        EXPECT_TRUE(IsMarker(b));
    }
}

TEST(ThemeFileLookups, KeysIgnoreCaseAndTheFirstEntryWins) {
    TempFolder temp;
    TsuiFileTheme theme(nullptr);
    theme.SetThemeFile(temp.Write("dup.theme", BuildThemeFile({
                                                   IntEntry("formBORDERcolor", 1),
                                                   IntEntry("FormBorderColor", 2),
                                                   BoolEntry("BUTTONTRANSPARENTBOOL", 0),
                                                   BoolEntry("ButtonTransparentBool", 1),
                                               }).Bytes));
    EXPECT_EQ(theme.GetColor(E::FormBorderColor), 1u);
    EXPECT_FALSE(theme.GetBool(E::ButtonTransparentBool));
}

TEST(ThemeFileLookups, ABooleanIsTrueForEveryNonZeroByte) {
    TempFolder temp;
    TsuiFileTheme theme(nullptr);
    theme.SetThemeFile(temp.Write("bool.theme", BuildThemeFile({
                                                    BoolEntry("ButtonTransparentBool", 2),
                                                    BoolEntry("TitleBarButtonTransparentBool", 0),
                                                    BoolEntry("FormMinWidthInt", 255),
                                                }).Bytes));
    EXPECT_TRUE(theme.GetBool(E::ButtonTransparentBool));
    EXPECT_FALSE(theme.GetBool(E::TitleBarButtonTransparentBool));
    EXPECT_EQ(theme.GetInt(E::FormMinWidthInt), -1) << "a boolean entry is no integer";
}

// --- images ---

TEST(ThemeFileImages, FramesAreCutFromTheWholeImage) {
    TempFolder temp;
    TsuiFileTheme theme(nullptr);
    theme.SetThemeFile(temp.Write("img.theme", BuildThemeFile({ImageEntry("BUTTONIMAGE", ThreeFrameBitmapFile())}).Bytes));
    fw::Bitmap whole;
    theme.GetBitmap(E::ButtonImage, &whole);
    EXPECT_EQ(whole.Width(), 6);
    EXPECT_EQ(whole.Height(), 2);
    const fw::Color expected[] = {fw::clRed, fw::clLime, fw::clBlue};
    for (int frame = 1; frame <= 3; ++frame) {
        SCOPED_TRACE(frame);
        fw::Bitmap b = Marker();
        theme.GetBitmapFrame(E::ButtonImage, &b, 3, frame);
        ASSERT_EQ(b.Width(), 2);
        ASSERT_EQ(b.Height(), 2);
        EXPECT_EQ(b.Pixel(0, 0), expected[frame - 1]);
        EXPECT_EQ(b.Pixel(1, 1), expected[frame - 1]);
    }
    fw::Bitmap b;
    theme.GetBitmapFrame(E::ButtonImage, &b, 0, 0);
    EXPECT_EQ(b.Width(), 6) << "frame count 0 gives the whole image";
    theme.GetBitmap(E::ButtonImage, nullptr);
}

TEST(ThemeFileImages, TheExampleThemeCarriesItsValuesAndFramedImages) {
    TsuiFileTheme theme(nullptr);
    theme.SetThemeFile(ExampleThemePath());
    ASSERT_TRUE(theme.CanUse());
    EXPECT_EQ(theme.GetColor(E::FormBorderColor), fw::RgbColor(0x1F, 0x5F, 0x5F));
    EXPECT_EQ(theme.GetColor(E::ToolBarButtonBackgroundColor), fw::clBtnFace);
    EXPECT_EQ(theme.GetInt(E::FormMinWidthInt), 140);
    EXPECT_TRUE(theme.GetBool(E::ButtonTransparentBool));
    EXPECT_FALSE(theme.GetBool(E::TitleBarButtonTransparentBool));
    fw::Bitmap whole, middle;
    theme.GetBitmap(E::ButtonImage, &whole);
    theme.GetBitmapFrame(E::ButtonImage, &middle, 3, 2);
    ASSERT_EQ(whole.Width(), 63);
    ASSERT_EQ(middle.Width(), 21);
    EXPECT_EQ(middle.ToPixelImage(), whole.ToPixelImage().SubImage(21, 0, 21, 21));
}

TEST(ThemeFileImages, DataThatIsNoBitmapFileRaisesTheDecodersErrorWhenUsed) {
    TempFolder temp;
    TsuiFileTheme theme(nullptr);
    theme.SetThemeFile(temp.Write("badimg.theme", BuildThemeFile({
                                                      ImageEntry("ButtonImage", {'B', 'M', 1, 2, 3, 4}),
                                                      ImageEntry("CheckBoxImage", {}),
                                                  }).Bytes));
    ASSERT_TRUE(theme.CanUse()) << "images are decoded only when used";
    fw::Bitmap b = Marker();
    EXPECT_THROW(theme.GetBitmap(E::ButtonImage, &b), fw::BitmapFileError);
    EXPECT_THROW(theme.GetBitmapFrame(E::ButtonImage, &b, 3, 1), fw::BitmapFileError);
    EXPECT_THROW(theme.GetBitmap(E::CheckBoxImage, &b), fw::BitmapFileError);
    EXPECT_TRUE(IsMarker(b));
    theme.GetBitmap(E::RadioButtonImage, &b);
    EXPECT_TRUE(IsMarker(b)) << "an image the file does not carry leaves the bitmap alone";
}

// --- paths ---

TEST(ThemeFilePaths, AMissingFolderFallsBackToTheProgramsFolderAndStoresThatPath) {
    const std::string name = "vornik-fallback-" + std::to_string(GetCurrentProcessId()) + ".theme";
    const std::string inProgramFolder = ProgramFolder() + name;
    WriteBytes(inProgramFolder, BorderColorFile(0x123456));
    struct Remove {
        std::string path;
        ~Remove() { DeleteFileW(fw::GbkToWide(path).c_str()); }
    } remove{inProgramFolder};

    TsuiFileTheme theme(nullptr);
    theme.SetThemeFile("Z:\\no\\such\\folder\\" + name);
    EXPECT_TRUE(theme.CanUse());
    EXPECT_EQ(theme.ThemeFile(), inProgramFolder);
    EXPECT_EQ(theme.GetColor(E::FormBorderColor), 0x123456u);

    // A bare file name is looked for in the working folder first, so run it from one without it.
    TempFolder elsewhere;
    wchar_t previous[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryW(fw::GbkToWide(elsewhere.Path("")).c_str()));
    TsuiFileTheme bare(nullptr);
    bare.SetThemeFile(name);
    SetCurrentDirectoryW(previous);
    EXPECT_EQ(bare.ThemeFile(), inProgramFolder);
}

TEST(ThemeFilePaths, APathThatExistsNowhereOrIsAFolderChangesNothing) {
    TempFolder temp;
    const std::string good = temp.Write("good.theme", BorderColorFile(7));
    temp.MakeFolder("folder.theme");
    TsuiFileTheme theme(nullptr);
    theme.SetThemeFile(temp.Path("missing.theme"));
    EXPECT_FALSE(theme.CanUse());
    EXPECT_EQ(theme.ThemeFile(), "");

    theme.SetThemeFile(good);
    for (const std::string& path : {temp.Path("missing.theme"), temp.Path("folder.theme"), std::string()}) {
        SCOPED_TRACE(path);
        theme.SetThemeFile(path);
        EXPECT_TRUE(theme.CanUse());
        EXPECT_EQ(theme.ThemeFile(), good);
        EXPECT_EQ(theme.GetColor(E::FormBorderColor), 7u);
    }
}

TEST(ThemeFilePaths, ChineseFolderAndFileNamesAreFound) {
    TempFolder temp;
    const std::string folder = temp.MakeFolder("主题");
    const std::string path = folder + "\\外观.theme";
    WriteBytes(path, BorderColorFile(99));
    TsuiFileTheme theme(nullptr);
    theme.SetThemeFile(path);
    EXPECT_TRUE(theme.CanUse());
    EXPECT_EQ(theme.ThemeFile(), path);
    EXPECT_EQ(theme.GetColor(E::FormBorderColor), 99u);
}

// --- loading ---

TEST(ThemeFileLoading, TheSamePathTwiceLoadsOnce) {
    TempFolder temp;
    auto form = NewForm();
    auto* theme = new TsuiFileTheme(form.get());
    TsuiTestControl* user = NewControl(form.get(), "User", theme);
    const std::string a = temp.Write("a.theme", BorderColorFile(1));
    const std::string b = temp.Write("b.theme", BorderColorFile(2));
    theme->SetThemeFile(a);
    const int restyles = user->restyles;

    WriteBytes(a, BorderColorFile(3));
    theme->SetThemeFile(a);
    EXPECT_EQ(theme->GetColor(E::FormBorderColor), 1u);
    EXPECT_EQ(user->restyles, restyles);

    theme->SetThemeFile(b);
    theme->SetThemeFile(a);
    EXPECT_EQ(theme->GetColor(E::FormBorderColor), 3u) << "another path in between loads it again";
    EXPECT_EQ(user->borderColor, 3u);
}

// Files the reader refuses; each must raise an error and leave the theme loaded before.
std::vector<std::pair<const char*, std::vector<std::uint8_t>>> BrokenFiles() {
    std::vector<std::pair<const char*, std::vector<std::uint8_t>>> files;
    using R = TsuiThemeFileReader;
    auto header23 = BorderColorFile(5);
    PutU32(header23, R::HeaderSizeField, 23);
    files.push_back({"header length 23", header23});
    auto loop = BuildThemeFile({IntEntry("FormBorderColor", 5), IntEntry("FormMinWidthInt", 5)});
    // The second record leads back to the first.
    PutU32(loop.Bytes, loop.RecordOffsets[1] + R::NextEntryField, static_cast<std::uint32_t>(loop.RecordOffsets[0]));
    files.push_back({"looping chain", loop.Bytes});
    files.push_back({"integer of 3 bytes", BuildThemeFile({TestThemeEntry{"FormBorderColor", 1, {1, 2, 3}}}).Bytes});
    files.push_back({"boolean of 2 bytes", BuildThemeFile({TestThemeEntry{"ButtonTransparentBool", 2, {1, 1}}}).Bytes});
    auto pastEnd = BuildThemeFile({ImageEntry("ButtonImage", ThreeFrameBitmapFile())});
    const std::size_t image = pastEnd.RecordOffsets[0];
    PutU32(pastEnd.Bytes, image + R::DataSizeField,
           static_cast<std::uint32_t>(pastEnd.Bytes.size() - GetU32(pastEnd.Bytes, image + R::DataOffsetField) + 1));
    files.push_back({"image data past the end", pastEnd.Bytes});
    auto recordPastEnd = BorderColorFile(5);
    PutU32(recordPastEnd, R::FirstEntryField, static_cast<std::uint32_t>(recordPastEnd.size()));
    files.push_back({"first record past the end", recordPastEnd});
    files.push_back({"shorter than the header", std::vector<std::uint8_t>(10, 0)});
    files.push_back({"empty", {}});
    return files;
}

TEST(ThemeFileLoading, AFailedLoadLeavesThePreviousThemeAndItsPathAsTheyWere) {
    TempFolder temp;
    auto form = NewForm();
    auto* theme = new TsuiFileTheme(form.get());
    TsuiTestControl* user = NewControl(form.get(), "User", theme);
    const std::string good = temp.Write("good.theme", BorderColorFile(0x0000FF));
    theme->SetThemeFile(good);
    ASSERT_EQ(user->borderColor, 0x0000FFu);
    const int restyles = user->restyles;

    const std::string bad = temp.Path("bad.theme");
    for (const auto& [what, bytes] : BrokenFiles()) {
        SCOPED_TRACE(what);
        WriteBytes(bad, bytes);
        EXPECT_THROW(theme->SetThemeFile(bad), fw::Exception);
        EXPECT_TRUE(theme->CanUse());
        EXPECT_EQ(theme->ThemeFile(), good);
        EXPECT_EQ(theme->GetColor(E::FormBorderColor), 0x0000FFu);
        EXPECT_EQ(user->restyles, restyles);
    }

    WriteBytes(bad, BorderColorFile(0x00FF00));
    theme->SetThemeFile(bad);
    EXPECT_EQ(theme->ThemeFile(), bad) << "the mended file loads under the path that failed";
    EXPECT_EQ(user->borderColor, 0x00FF00u);
}

TEST(ThemeFileLoading, AFirstLoadThatFailsLeavesTheThemeUnusable) {
    TempFolder temp;
    TsuiFileTheme theme(nullptr);
    EXPECT_THROW(theme.SetThemeFile(temp.Write("bad.theme", BrokenFiles().front().second)), fw::Exception);
    EXPECT_FALSE(theme.CanUse());
    EXPECT_EQ(theme.ThemeFile(), "");
    EXPECT_EQ(theme.GetInt(E::FormMinWidthInt), 0) << "without a theme, not the missing-key answer -1";
    EXPECT_EQ(theme.GetColor(E::FormBorderColor), 0u);
    EXPECT_FALSE(theme.GetBool(E::ButtonTransparentBool));
    fw::Bitmap b = Marker();
    theme.GetBitmapFrame(E::ButtonImage, &b, 3, 2);
    EXPECT_TRUE(IsMarker(b));
    TsuiUIStyle style = TsuiUIStyle::MacOS;
    EXPECT_FALSE(UsingFileTheme(&theme, TsuiUIStyle::FromThemeFile, style));
    EXPECT_EQ(style, TsuiUIStyle::DeepBlue);

    theme.SetThemeFile(temp.Write("good.theme", BorderColorFile(1)));
    EXPECT_TRUE(UsingFileTheme(&theme, TsuiUIStyle::FromThemeFile, style));
    EXPECT_EQ(style, TsuiUIStyle::FromThemeFile);
    EXPECT_FALSE(UsingFileTheme(&theme, TsuiUIStyle::WinXP, style)) << "a built-in style wins over a loaded theme";
    EXPECT_EQ(style, TsuiUIStyle::WinXP);
}

TEST(ThemeFileLoading, AFileThatCannotBeOpenedRaisesTheOpenErrorAndKeepsTheTheme) {
    TempFolder temp;
    TsuiFileTheme theme(nullptr);
    const std::string good = temp.Write("good.theme", BorderColorFile(4));
    const std::string locked = temp.Write("locked.theme", BorderColorFile(8));
    theme.SetThemeFile(good);
    HANDLE h = CreateFileW(fw::GbkToWide(locked).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    try {
        theme.SetThemeFile(locked);
        ADD_FAILURE() << "no error for a file opened exclusively elsewhere";
    } catch (const fw::Exception& e) {
        EXPECT_NE(std::string(e.what()).find("Cannot open theme file \"" + locked + "\""), std::string::npos) << e.what();
    }
    CloseHandle(h);
    EXPECT_EQ(theme.ThemeFile(), good);
    EXPECT_EQ(theme.GetColor(E::FormBorderColor), 4u);
}

// --- refreshing the components that use the theme ---

TEST(FileThemeRefresh, OnlyTsuiComponentsPointingToThisThemeAreRefreshed) {
    TempFolder temp;
    auto form = NewForm();
    auto* theme = new TsuiFileTheme(form.get());
    theme->SetName("Theme1");
    auto* other = new TsuiFileTheme(form.get());
    other->SetName("Theme2");
    TsuiTestControl* user = NewControl(form.get(), "User", theme);
    auto* lower = new TsuiLowerCaseControl(form.get());
    lower->SetName("Lower");
    lower->SetFileTheme(theme);
    NewControl(form.get(), "OtherUser", other);
    NewControl(form.get(), "NoTheme", nullptr);

    Log().clear();
    theme->SetThemeFile(temp.Write("a.theme", BorderColorFile(0x0000FF)));
    EXPECT_EQ(Log(), std::vector<std::string>{"User.FileTheme=Theme1"});
    EXPECT_EQ(user->borderColor, 0x0000FFu);

    Log().clear();
    theme->SetThemeFile(temp.Write("b.theme", BorderColorFile(0x00FF00)));
    EXPECT_EQ(Log(), std::vector<std::string>{"User.FileTheme=Theme1"});
    EXPECT_EQ(user->borderColor, 0x00FF00u);
}

TEST(FileThemeRefresh, AThemeNotOwnedByAFormRefreshesNothing) {
    TempFolder temp;
    fw::Component holder(nullptr);
    auto* theme = new TsuiFileTheme(&holder);
    TsuiTestControl* user = NewControl(&holder, "User", theme);
    Log().clear();
    theme->SetThemeFile(temp.Write("a.theme", BorderColorFile(0x0000FF)));
    EXPECT_TRUE(theme->CanUse());
    EXPECT_TRUE(Log().empty());
    EXPECT_EQ(user->borderColor, GetBuiltInThemeColor(TsuiUIStyle::DeepBlue, E::FormBorderColor));
}

// --- removal ---

TEST(FileThemeRemoval, ComponentsForgetADestroyedThemeAndFallBackToDeepBlue) {
    TempFolder temp;
    const std::string path = temp.Write("a.theme", BorderColorFile(0x0000FF));
    auto form = NewForm();
    auto otherForm = NewForm();
    auto* theme = new TsuiFileTheme(form.get());
    theme->SetThemeFile(path);
    TsuiTestControl* sameForm = NewControl(form.get(), "Same", theme);
    TsuiTestControl* acrossForms = NewControl(otherForm.get(), "Across", theme);
    ASSERT_EQ(sameForm->borderColor, 0x0000FFu);

    delete theme;
    for (TsuiTestControl* c : {sameForm, acrossForms}) {
        SCOPED_TRACE(c->Name());
        EXPECT_EQ(c->FileTheme(), nullptr);
        EXPECT_EQ(c->effectiveStyle, TsuiUIStyle::DeepBlue);
        EXPECT_EQ(c->borderColor, GetBuiltInThemeColor(TsuiUIStyle::DeepBlue, E::FormBorderColor));
    }
}

// --- published property ---

TEST(FileThemeProperties, ThemeFileIsPublishedAndTheClassIsCreatedByName) {
    fw::RegisterClasses<TsuiFileTheme>();
    const fw::ClassInfo* cls = fw::FindClass("TsuiFileTheme");
    ASSERT_NE(cls, nullptr);
    fw::Component holder(nullptr);
    fw::Component* theme = cls->Create(&holder);
    fw::SetPropertyValue(*theme, "themefile", fw::PropertyValue::FromText(ExampleThemePath()));
    EXPECT_TRUE(dynamic_cast<TsuiFileTheme&>(*theme).CanUse());
    EXPECT_EQ(fw::GetPropertyValue(*theme, "ThemeFile").AsText(), ExampleThemePath());
}

} // namespace
