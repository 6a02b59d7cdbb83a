// The built-in bitmaps compiled into the program, loaded by name (every listed resource, with its
// size and frame layout), the element lookups that answer with bitmaps, the first style of a
// component from the skinned form among its owner's controls, and the choice of value source.
#include "tests/win/skinstyles/SkinTestSupport.h"

#include "framework/controls/CustomControl.h"
#include "framework/core/ClassBuilder.h"
#include "framework/core/Exception.h"
#include "framework/forms/Form.h"
#include "framework/forms/Application.h"
#include "skin/styles/SUIPublic.h"
#include "skin/styles/SUIThemes.h"

#include <gtest/gtest.h>

using fw::Bitmap;
using S = TsuiUIStyle;
using E = TsuiThemeElement;

namespace {

// Stands in for the skinned form: only its class name and UIStyle matter here.
class FakeSuiForm : public fw::CustomControl {
public:
    explicit FakeSuiForm(fw::Component* owner) : fw::CustomControl(owner) {}
    static const fw::ClassInfo& StaticClass() {
        static const fw::ClassInfo& info = fw::ClassBuilder<FakeSuiForm>("TsuiForm", fw::CustomControl::StaticClass())
                                               .AddEnum("UIStyle", UIStyleInfo(), &FakeSuiForm::UIStyle,
                                                        &FakeSuiForm::SetUIStyle)
                                               .Register();
        return info;
    }
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }
    TsuiUIStyle UIStyle() const { return style_; }
    void SetUIStyle(TsuiUIStyle s) { style_ = s; }

private:
    TsuiUIStyle style_ = TsuiUIStyle::MacOS;
};

class DerivedSuiForm : public FakeSuiForm {
public:
    using FakeSuiForm::FakeSuiForm;
    static const fw::ClassInfo& StaticClass() {
        static const fw::ClassInfo& info =
            fw::ClassBuilder<DerivedSuiForm>("TTestDerivedSuiForm", FakeSuiForm::StaticClass()).Register();
        return info;
    }
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }
};

// A control with a UIStyle property that is not a skinned form.
class OtherStyled : public fw::CustomControl {
public:
    explicit OtherStyled(fw::Component* owner) : fw::CustomControl(owner) {}
    static const fw::ClassInfo& StaticClass() {
        static const fw::ClassInfo& info =
            fw::ClassBuilder<OtherStyled>("TTestOtherStyled", fw::CustomControl::StaticClass())
                .AddEnum("UIStyle", UIStyleInfo(), &OtherStyled::UIStyle, &OtherStyled::SetUIStyle)
                .Register();
        return info;
    }
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }
    TsuiUIStyle UIStyle() const { return TsuiUIStyle::WinXP; }
    void SetUIStyle(TsuiUIStyle) {}
};

class FakeFileTheme : public fw::Component, public TsuiUsableTheme {
public:
    explicit FakeFileTheme(bool loaded) : fw::Component(nullptr), loaded_(loaded) {}
    bool CanUse() const override { return loaded_; }

private:
    bool loaded_;
};

bool SamePixels(const Bitmap& a, const Bitmap& b) {
    return a.Width() == b.Width() && a.Height() == b.Height() && a.ToPixelImage() == b.ToPixelImage();
}

} // namespace

TEST(BuiltInBitmaps, EveryListedResourceIsInTheProgramWithItsSizeAndFrames) {
    ASSERT_FALSE(GetBuiltInThemeBitmaps().empty());
    for (const TsuiBuiltInBitmap& entry : GetBuiltInThemeBitmaps()) {
        SCOPED_TRACE(entry.Name);
        Bitmap b;
        ASSERT_NO_THROW(LoadSkinBitmap(entry.Name, b));
        EXPECT_EQ(b.Width(), entry.Width);
        EXPECT_EQ(b.Height(), entry.Height);
        ASSERT_GE(entry.FrameCount, 1);
        EXPECT_EQ(entry.Width % entry.FrameCount, 0) << "frames of equal width";
    }
}

TEST(BuiltInBitmaps, MissingResourceRaisesTheLoadersError) {
    Bitmap b = skintest::FilledBitmap(2, 2, fw::clRed);
    EXPECT_THROW(LoadSkinBitmap("NO_SUCH_SKIN_BITMAP", b), fw::Exception);
    EXPECT_EQ(b.Width(), 2) << "the bitmap stays as it was";
}

TEST(GetBuiltInThemeBitmap, CutsTheAskedFrameOrLoadsTheWholeImage) {
    Bitmap whole;
    GetBuiltInThemeBitmap(S::BlueGlass, E::ScrollBarButtonImage, &whole, 0, 0);
    ASSERT_EQ(whole.Width(), 102);
    ASSERT_EQ(whole.Height(), 16);

    Bitmap first;
    GetBuiltInThemeBitmap(S::BlueGlass, E::ScrollBarButtonImage, &first, 6, 1);
    ASSERT_EQ(first.Width(), 17);
    ASSERT_EQ(first.Height(), 16);
    Bitmap expected;
    CutBitmapFrame(whole, expected, 6, 1);
    EXPECT_TRUE(SamePixels(first, expected)) << "the leftmost block";

    Bitmap third;
    GetBuiltInThemeBitmap(S::MacOS, E::ButtonImage, &third, 3, 3);
    EXPECT_EQ(third.Width(), 84);
    EXPECT_EQ(third.Height(), 23);
}

TEST(GetBuiltInThemeBitmap, SharedScrollButtonIsTheSameImageInThreeLooks) {
    Bitmap deep, protein, glass, mac;
    GetBuiltInThemeBitmap(S::DeepBlue, E::ScrollButtonImage, &deep, 0, 0);
    GetBuiltInThemeBitmap(S::Protein, E::ScrollButtonImage, &protein, 0, 0);
    GetBuiltInThemeBitmap(S::BlueGlass, E::ScrollButtonImage, &glass, 0, 0);
    GetBuiltInThemeBitmap(S::MacOS, E::ScrollButtonImage, &mac, 0, 0);
    EXPECT_EQ(deep.Width(), 72);
    EXPECT_EQ(deep.Height(), 17);
    EXPECT_TRUE(SamePixels(deep, protein));
    EXPECT_TRUE(SamePixels(deep, glass));
    EXPECT_EQ(mac.Height(), 18) << "MacOS has its own";
}

TEST(GetBuiltInThemeBitmap, OtherKindsAndStylesLeaveTheBitmapUntouched) {
    const Bitmap original = skintest::CodedBitmap(3, 2);
    for (auto [style, element] : {std::pair{S::WinXP, E::FormBorderColor}, {S::MacOS, E::ButtonTransparentBool},
                                  {S::DeepBlue, E::FormMinWidthInt}, {S::FromThemeFile, E::ButtonImage},
                                  {static_cast<S>(6), E::ButtonImage}}) {
        for (int frames : {0, 3}) {
            Bitmap b = original;
            GetBuiltInThemeBitmap(style, element, &b, frames, frames == 0 ? 0 : 1);
            EXPECT_TRUE(SamePixels(b, original)) << static_cast<int>(style) << " / " << static_cast<int>(element);
            LoadBuiltInThemeBitmap(style, element, b);
            EXPECT_TRUE(SamePixels(b, original));
        }
    }
    EXPECT_NO_THROW(GetBuiltInThemeBitmap(S::MacOS, E::ButtonImage, nullptr, 3, 1)) << "no bitmap: nothing happens";
}

struct GetSUIFormStyleTest : ::testing::Test {
    fw::Form* form = new fw::Form(&fw::App());
    ~GetSUIFormStyleTest() override { delete form; }
    template <class T>
    T* Add() {
        T* c = new T(form);
        c->SetParent(form);
        return c;
    }
};

TEST_F(GetSUIFormStyleTest, TakesTheStyleOfTheFirstSkinnedFormAmongTheChildren) {
    Add<OtherStyled>();
    Add<FakeSuiForm>()->SetUIStyle(S::Protein);
    Add<FakeSuiForm>()->SetUIStyle(S::WinXP);
    EXPECT_EQ(GetSUIFormStyle(form), S::Protein);
}

TEST_F(GetSUIFormStyleTest, ClassesDerivedFromTheSkinnedFormCount) {
    Add<DerivedSuiForm>()->SetUIStyle(S::BlueGlass);
    EXPECT_EQ(GetSUIFormStyle(form), S::BlueGlass);
}

TEST_F(GetSUIFormStyleTest, DeepBlueWithoutASkinnedFormOrOwner) {
    EXPECT_EQ(GetSUIFormStyle(form), S::DeepBlue) << "no children";
    Add<OtherStyled>();
    EXPECT_EQ(GetSUIFormStyle(form), S::DeepBlue) << "a UIStyle alone does not make a skinned form";
    EXPECT_EQ(GetSUIFormStyle(nullptr), S::DeepBlue);
    FakeFileTheme notAControl(true);
    EXPECT_EQ(GetSUIFormStyle(&notAControl), S::DeepBlue);

    // Owned but not shown on the form: not among its controls.
    auto* hidden = new FakeSuiForm(form);
    hidden->SetUIStyle(S::Protein);
    EXPECT_EQ(GetSUIFormStyle(form), S::DeepBlue);
}

TEST(UsingFileTheme, OnlyALoadedThemeWithFromThemeFileIsUsed) {
    FakeFileTheme loaded(true);
    FakeFileTheme failed(false);
    fw::Component plain(nullptr);
    TsuiUIStyle effective = S::MacOS;

    EXPECT_FALSE(UsingFileTheme(nullptr, S::FromThemeFile, effective));
    EXPECT_EQ(effective, S::DeepBlue);
    effective = S::MacOS;
    EXPECT_FALSE(UsingFileTheme(&failed, S::FromThemeFile, effective));
    EXPECT_EQ(effective, S::DeepBlue);
    effective = S::MacOS;
    EXPECT_FALSE(UsingFileTheme(&plain, S::FromThemeFile, effective)) << "a component that is no file theme";
    EXPECT_EQ(effective, S::DeepBlue);

    EXPECT_TRUE(UsingFileTheme(&loaded, S::FromThemeFile, effective));
    EXPECT_EQ(effective, S::FromThemeFile);
    EXPECT_FALSE(UsingFileTheme(&loaded, S::WinXP, effective)) << "a built-in style wins over a loaded theme";
    EXPECT_EQ(effective, S::WinXP);
    EXPECT_FALSE(UsingFileTheme(nullptr, S::Protein, effective));
    EXPECT_EQ(effective, S::Protein);
}

// The same list, looked up in the shipped program itself rather than in this test's own resources.
TEST(BuiltInBitmaps, EveryListedResourceIsCompiledIntoVornikExe) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring exe(path);
    exe = exe.substr(0, exe.find_last_of(L"\\/") + 1) + L"vornik.exe";
    HMODULE program = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(program, nullptr) << "vornik.exe is built beside the tests";
    for (const TsuiBuiltInBitmap& entry : GetBuiltInThemeBitmaps()) {
        SCOPED_TRACE(entry.Name);
        Bitmap b;
        ASSERT_NO_THROW(b.LoadFromResourceName(program, entry.Name));
        EXPECT_EQ(b.Width(), entry.Width);
        EXPECT_EQ(b.Height(), entry.Height);
    }
    EXPECT_NE(FindResourceW(program, L"MAINICON", reinterpret_cast<LPCWSTR>(RT_GROUP_ICON)), nullptr);
    EXPECT_NE(FindResourceW(program, L"TFORM1", reinterpret_cast<LPCWSTR>(RT_RCDATA)), nullptr);
    FreeLibrary(program);
}
