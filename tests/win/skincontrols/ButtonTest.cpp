// The skinned push buttons driven by real mouse and key input: the face of every state in every
// look, the focus look, the glyph layout, the keyboard (Space, Return, Escape, Tab,
// accelerators), modal results, auto-repeat, auto size and the style's transparency, and the
// choice of value source with a theme file.
#include "tests/win/skincontrols/SkinControlTestSupport.h"
#include "tests/win/themes/ThemeTestSupport.h"

#include "framework/core/Properties.h"
#include "framework/stdctrls/Edit.h"
#include "skin/controls/SUIButton.h"
#include "skin/styles/SUIStyleValues.h"

using namespace skincontrols;

namespace {

struct ButtonFixture : SkinFormFixture {
    // Paints the button now and gives what it drew.
    static const fw::Bitmap& Painted(TsuiButton* b) {
        b->Repaint();
        return b->PaintBuffer();
    }
};

// Counts OnClick of a button.
struct ClickCounter {
    int clicks = 0;
    explicit ClickCounter(TsuiCustomButton* b) {
        b->OnClick = [this](fw::Component*) { ++clicks; };
    }
};

TEST_F(ButtonFixture, EveryStateShowsItsFrameOfTheLooksButtonImage) {
    // The main window's command button size; the faces are cut down to it.
    auto* b = Add<TsuiButton>(20, 20, 58, 25);
    ClickCounter counter(b);
    for (TsuiUIStyle look : kLooks) {
        SCOPED_TRACE(GetUIStyleName(look));
        b->SetEnabled(true);
        b->SetUIStyle(look);
        const bool transparent = b->Transparent();
        EXPECT_EQ(transparent, look == TsuiUIStyle::MacOS || look == TsuiUIStyle::BlueGlass);
        fw::Bitmap faces[4];
        for (int i = 1; i <= 3; ++i)
            faces[i] = ExpectedFace(Frame(look, TsuiThemeElement::ButtonImage, i), 58, 25, transparent);
        ASSERT_GT(Differences(faces[1], faces[2]), 0) << "normal and mouse-on frames look alike";
        ASSERT_GT(Differences(faces[2], faces[3]), 0) << "mouse-on and pressed frames look alike";

        MoveTo(form.get(), 200, 200);
        EXPECT_EQ(Differences(faces[1], Painted(b)), 0) << "normal";
        MoveTo(b, 30, 12);
        EXPECT_TRUE(b->MouseIn());
        EXPECT_EQ(Differences(faces[2], Painted(b)), 0) << "mouse on";
        LeftDown();
        EXPECT_TRUE(b->Pressed());
        EXPECT_EQ(Differences(faces[3], Painted(b)), 0) << "pressed";
        const int before = counter.clicks;
        LeftUp();
        EXPECT_EQ(counter.clicks, before + 1);
        EXPECT_FALSE(b->Pressed());
        b->SetEnabled(false);
        MoveTo(form.get(), 200, 200);
        EXPECT_EQ(Differences(faces[1], Painted(b)), 0) << "disabled";
    }
}

TEST_F(ButtonFixture, PressingAndLeavingWithTheButtonHeldDoesNotClick) {
    auto* b = Add<TsuiButton>(20, 20, 80, 27);
    ClickCounter counter(b);
    MoveTo(b, 10, 10);
    LeftDown();
    ASSERT_TRUE(b->Pressed());
    MoveTo(form.get(), 300, 200);
    EXPECT_FALSE(b->Pressed());
    EXPECT_FALSE(b->MouseIn());
    LeftUp();
    EXPECT_EQ(counter.clicks, 0);
}

TEST_F(ButtonFixture, FocusIsADottedRectangleOrABoldCaptionByLook) {
    auto* first = Add<TsuiButton>(20, 20, 58, 25);
    auto* b = Add<TsuiButton>(100, 20, 58, 25);
    b->SetCaption("OK");
    for (TsuiUIStyle look : kLooks) {
        SCOPED_TRACE(GetUIStyleName(look));
        b->SetUIStyle(look);
        first->SetFocus();
        Settle();
        const fw::Bitmap unfocused = Painted(b);
        Tap(VK_TAB);
        ASSERT_TRUE(b->Focused()) << "Tab moves the focus to the next button";
        const fw::Bitmap& focused = Painted(b);
        int rectangle = 0;  // changed pixels along the top side of a rectangle inset 2
        for (int x = 2; x < 56; ++x) rectangle += unfocused.Pixel(x, 2) != focused.Pixel(x, 2);
        const int everything = Differences(unfocused, focused);
        if (look == TsuiUIStyle::MacOS || look == TsuiUIStyle::BlueGlass) {
            EXPECT_EQ(rectangle, 0) << "no focus rectangle";
            EXPECT_GT(everything, 0) << "the caption turns bold";
        } else {
            EXPECT_GT(rectangle, 10) << "a dotted rectangle two pixels in";
        }
        // Shift+Tab goes back.
        Key(VK_SHIFT, false);
        Tap(VK_TAB);
        Key(VK_SHIFT, true);
        Settle();
        EXPECT_TRUE(first->Focused());
    }
}

TEST_F(ButtonFixture, SpaceAndReturnPressTheFocusedButtonDownAndClickItUp) {
    auto* b = Add<TsuiButton>(20, 20, 80, 27);
    auto* other = Add<TsuiButton>(120, 20, 80, 27);
    other->SetDefault(true);
    ClickCounter clicks(b), otherClicks(other);
    b->SetFocus();
    Settle();
    for (WORD key : {WORD(VK_SPACE), WORD(VK_RETURN)}) {
        Key(key, false);
        Settle();
        EXPECT_TRUE(b->Pressed()) << "down shows it pressed";
        EXPECT_EQ(clicks.clicks, key == VK_SPACE ? 0 : 1);
        Key(key, true);
        Settle();
        EXPECT_FALSE(b->Pressed());
    }
    EXPECT_EQ(clicks.clicks, 2) << "the focused button takes Return itself";
    EXPECT_EQ(otherClicks.clicks, 0);
}

TEST_F(ButtonFixture, ReturnAndEscapeFromAnywhereClickDefaultAndCancelOnlyWithoutModifiers) {
    auto* edit = Add<fw::Edit>(20, 80, 120, 22);
    auto* ok = Add<TsuiButton>(20, 20, 80, 27);
    auto* cancel = Add<TsuiButton>(120, 20, 80, 27);
    ok->SetDefault(true);
    cancel->SetCancel(true);
    ClickCounter okClicks(ok), cancelClicks(cancel);
    edit->SetFocus();
    Settle();
    Key(VK_CONTROL, false);
    Tap(VK_RETURN);
    Key(VK_CONTROL, true);
    Settle();
    EXPECT_EQ(okClicks.clicks, 0) << "Ctrl+Return is not the default button's";
    edit->SetFocus();
    Tap(VK_RETURN);
    EXPECT_EQ(okClicks.clicks, 1);
    edit->SetFocus();
    Tap(VK_ESCAPE);
    EXPECT_EQ(cancelClicks.clicks, 1);
    EXPECT_EQ(okClicks.clicks, 1);
}

TEST_F(ButtonFixture, TheCaptionsAcceleratorClicksAndAClickResetsTheModalResult) {
    auto* b = Add<TsuiButton>(20, 20, 80, 27);
    b->SetCaption("&Go");
    ClickCounter clicks(b);
    auto* hidden = Add<TsuiButton>(120, 20, 80, 27);
    hidden->SetCaption("&Hidden");
    hidden->SetVisible(false);
    ClickCounter hiddenClicks(hidden);
    b->SetFocus();
    Settle();
    Tap('G');
    Tap('H');
    EXPECT_EQ(clicks.clicks, 1);
    EXPECT_EQ(hiddenClicks.clicks, 0);

    form->SetModalResult(fw::mrOk);
    ClickAt(b, 10, 10);
    EXPECT_EQ(clicks.clicks, 2);
    EXPECT_EQ(form->ModalResult(), 0) << "a button whose ModalResult is 0 resets the form's";
    b->SetModalResult(fw::mrYes);
    ClickAt(b, 10, 10);
    EXPECT_EQ(form->ModalResult(), fw::mrYes);
}

TEST_F(ButtonFixture, HoldingTheLeftButtonRepeatsUntilRelease) {
    auto* b = Add<TsuiButton>(20, 20, 80, 27);
    int ticks = 0;
    b->OnMouseContinuouslyDown = [&](fw::Component*) { ++ticks; };
    ClickCounter clicks(b);
    MoveTo(b, 10, 10);
    LeftDown();
    fwtest::PumpUntil([&] { return ticks >= 3; }, 2000);
    EXPECT_GE(ticks, 3) << "every 100 ms while held";
    LeftUp();
    const int after = ticks;
    fwtest::PumpUntil([] { return false; }, 300);
    EXPECT_EQ(ticks, after) << "the release stops it";
    EXPECT_EQ(clicks.clicks, 1);
}

TEST_F(ButtonFixture, GlyphsAreLaidOutAndGreyedByTheirKind) {
    // The layout table's worked example: a 58 x 25 button, a 16 x 16 glyph, a 30-pixel caption.
    const TsuiGlyphPlacement p =
        PlaceGlyph(TsuiButtonLayout::blGlyphLeft, fw::Size{58, 25}, fw::Size{30, 13}, fw::Size{16, 16}, 4);
    EXPECT_EQ(p.Glyph.X, 4);
    EXPECT_EQ(p.Text.X, 24);
    const TsuiGlyphPlacement bottom =
        PlaceGlyph(TsuiButtonLayout::blGlyphBottom, fw::Size{80, 40}, fw::Size{20, 10}, fw::Size{32, 16}, 2);
    EXPECT_EQ(bottom.Glyph.X, 32) << "a two-state glyph counts one image wide";
    EXPECT_EQ(bottom.Glyph.Y, 18);
    EXPECT_EQ(bottom.Text.Y, 6);

    auto* b = Add<TsuiButton>(20, 20, 58, 25);
    b->SetUIStyle(TsuiUIStyle::WinXP);
    // Two states: red enabled, blue disabled, on a fuchsia-free corner colour that is masked.
    auto twoState = std::make_shared<fw::Bitmap>(32, 16);
    FillRectColor(twoState->Canvas(), fw::Rect{0, 0, 16, 16}, fw::clRed);
    FillRectColor(twoState->Canvas(), fw::Rect{16, 0, 32, 16}, fw::clBlue);
    twoState->SetPixel(0, 0, fw::clLime);
    fw::Picture picture;
    picture.SetGraphic(twoState);
    b->SetGlyph(picture);
    const int gx = (58 - (16 + 4)) / 2, gy = (25 - 16) / 2;  // no caption
    EXPECT_EQ(Painted(b).Pixel(gx + 8, gy + 8), fw::clRed);
    b->SetEnabled(false);
    EXPECT_EQ(Painted(b).Pixel(gx + 8, gy + 8), fw::clBlue) << "the second image, not greyed";
    EXPECT_NE(Painted(b).Pixel(gx, gy), fw::clLime) << "the top-left colour is masked";

    auto single = std::make_shared<fw::Bitmap>(16, 16);
    FillRectColor(single->Canvas(), fw::Rect{0, 0, 16, 16}, fw::clRed);
    picture.SetGraphic(single);
    b->SetGlyph(picture);
    single->SetPixel(0, 0, fw::clLime);
    const fw::Color grey = Painted(b).Pixel(gx + 8, gy + 8);
    EXPECT_NE(grey, fw::clRed);
    EXPECT_TRUE((grey & 0xFF) == ((grey >> 8) & 0xFF) && (grey & 0xFF) == ((grey >> 16) & 0xFF))
        << "a one-image glyph is greyed when disabled";
    b->SetEnabled(true);
    EXPECT_EQ(Painted(b).Pixel(gx + 8, gy + 8), fw::clRed);
    MoveTo(b, 5, 5);
    LeftDown();
    EXPECT_EQ(Painted(b).Pixel(gx + 16, gy + 16), fw::clRed) << "pressed moves the glyph by (1, 1)";
    LeftUp();

    b->SetCaption("Go");
    Painted(b);
    const int tw = b->Canvas().TextWidth("Go");
    EXPECT_EQ(b->TextX(), (58 - (tw + 16 + 4)) / 2 + 16 + 4);
}

TEST_F(ButtonFixture, TheLookDecidesTransparencyAndAutoSize) {
    auto* b = Add<TsuiButton>(20, 20, 80, 27);
    b->SetUIStyle(TsuiUIStyle::DeepBlue);
    b->SetTransparent(true);
    b->SetUIStyle(TsuiUIStyle::WinXP);
    EXPECT_FALSE(b->Transparent()) << "a style change overwrites Transparent";
    b->SetUIStyle(TsuiUIStyle::BlueGlass);
    EXPECT_TRUE(b->Transparent());

    b->SetUIStyle(TsuiUIStyle::MacOS);
    b->SetAutoSize(true);
    EXPECT_EQ(b->Width(), 84);
    EXPECT_EQ(b->Height(), 23);
    b->SetUIStyle(TsuiUIStyle::FromThemeFile);
    b->SetAutoSize(true);
    EXPECT_EQ(b->Width(), 24) << "no built-in picture: 74 / 3";
    EXPECT_EQ(b->Height(), 21);
}

TEST_F(ButtonFixture, AThemeFileGivesWhatItCarriesAndDeepBlueTheRestUntilItGoes) {
    themetest::TempFolder folder;
    const std::string path = folder.Write(
        "partial.theme",
        BuildThemeFile({BoolEntry("ButtonTransparentBool", 1), IntEntry("MenuFontColor", 0x000000FF)}).Bytes);
    auto* theme = new TsuiFileTheme(form.get());
    theme->SetThemeFile(path);
    ASSERT_TRUE(theme->CanUse());

    TsuiStyleValues values(theme, TsuiUIStyle::FromThemeFile);
    EXPECT_TRUE(values.FromFileTheme());
    EXPECT_EQ(values.Color(TsuiThemeElement::MenuFontColor), 0x000000FFu) << "what the file carries";
    EXPECT_EQ(values.Color(TsuiThemeElement::MenuSelectedBackgroundColor),
              GetBuiltInThemeColor(TsuiUIStyle::DeepBlue, TsuiThemeElement::MenuSelectedBackgroundColor))
        << "a colour the file lacks is DeepBlue's, not white";
    EXPECT_EQ(TsuiStyleValues(theme, TsuiUIStyle::WinXP).Color(TsuiThemeElement::MenuFontColor),
              GetBuiltInThemeColor(TsuiUIStyle::WinXP, TsuiThemeElement::MenuFontColor))
        << "a built-in style wins over a loaded theme";

    auto* b = Add<TsuiButton>(20, 20, 58, 25);
    b->SetUIStyle(TsuiUIStyle::FromThemeFile);
    b->SetFileTheme(theme);
    EXPECT_TRUE(b->Transparent()) << "from the file; DeepBlue's would be false";
    const fw::Bitmap face = ExpectedFace(Frame(TsuiUIStyle::DeepBlue, TsuiThemeElement::ButtonImage, 1), 58, 25, true);
    EXPECT_EQ(Differences(face, Painted(b)), 0) << "the face the file lacks is DeepBlue's";

    delete theme;
    EXPECT_EQ(b->FileTheme(), nullptr);
    EXPECT_EQ(b->UIStyle(), TsuiUIStyle::DeepBlue);
}

TEST_F(ButtonFixture, AnImageButtonShowsItsOwnPicturesFallingBackToTheNormalOne) {
    auto picture = [](fw::Color c, int w, int h) {
        auto b = std::make_shared<fw::Bitmap>(w, h);
        FillRectColor(b->Canvas(), fw::Rect{0, 0, w, h}, c);
        fw::Picture p;
        p.SetGraphic(b);
        return p;
    };
    auto* b = Add<TsuiImageButton>(20, 20, 40, 30);
    b->SetPicNormal(picture(fw::clRed, 20, 10));
    b->SetPicMouseDown(picture(fw::clBlue, 20, 10));
    EXPECT_EQ(b->Width(), 40) << "no automatic size unless asked";
    b->SetAutoSize(true);
    EXPECT_EQ(b->Width(), 20);
    EXPECT_EQ(b->Height(), 10);
    b->SetAutoSize(false);
    b->SetBounds(20, 20, 40, 30);
    auto painted = [b] {
        b->Repaint();
        return b->PaintBuffer().Pixel(15, 5);
    };
    EXPECT_EQ(painted(), fw::clRed);
    EXPECT_EQ(b->PaintBuffer().Pixel(30, 20), kFormColor) << "drawn unscaled at 0,0";
    MoveTo(b, 5, 5);
    EXPECT_EQ(painted(), fw::clRed) << "no mouse-on picture: the normal one";
    LeftDown();
    EXPECT_EQ(painted(), fw::clBlue);
    LeftUp();
    b->SetStretch(true);
    b->Repaint();
    EXPECT_EQ(b->PaintBuffer().Pixel(30, 20), fw::clRed) << "stretched over the button";
    EXPECT_EQ(fw::GetPropertyValue(*b, "UIStyle").AsEnum(), static_cast<int>(TsuiUIStyle::FromThemeFile));
}

TEST_F(ButtonFixture, ScreenshotOfTheControlsInEveryLook) {
    for (TsuiUIStyle look : kLooks) {
        fwtest::Owned<fwtest::TestForm> shot{new fwtest::TestForm(&fw::App())};
        shot->SetBorderStyle(fw::BorderStyle::None);
        shot->SetColor(GetBuiltInThemeColor(look, TsuiThemeElement::FormBackgroundColor));
        shot->SetBounds(450, 40, 330, 120);
        shot->Font().SetName("Tahoma");
        shot->Font().SetHeight(13);
        shot->Show();
        const char* captions[] = {"Normal", "Hot", "Pressed", "Disabled", "Focused"};
        TsuiButton* buttons[5];
        for (int i = 0; i < 5; ++i) {
            buttons[i] = new TsuiButton(shot.get());
            buttons[i]->SetParent(shot.get());
            buttons[i]->SetBounds(8 + (i % 3) * 106, 8 + (i / 3) * 32, 98, 25);
            buttons[i]->SetCaption(captions[i]);
            buttons[i]->SetUIStyle(look);
        }
        buttons[1]->Perform(fw::CM_MOUSEENTER);
        buttons[2]->Perform(fw::CM_MOUSEENTER);
        buttons[2]->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        buttons[3]->SetEnabled(false);
        buttons[4]->SetFocus();
        const char* boxes[] = {"Checked", "Unchecked", "Disabled"};
        for (int i = 0; i < 3; ++i) {
            auto* box = new TsuiCheckBox(shot.get());
            box->SetParent(shot.get());
            box->SetBounds(8 + i * 106, 74, 98, 17);
            box->SetCaption(boxes[i]);
            box->SetUIStyle(look);
            box->SetChecked(i != 1);
            box->SetEnabled(i != 2);
            auto* radio = new TsuiRadioButton(shot.get());
            radio->SetParent(shot.get());
            radio->SetBounds(8 + i * 106, 95, 98, 17);
            radio->SetCaption(boxes[i]);
            radio->SetUIStyle(look);
            radio->SetGroupIndex(i);
            radio->SetChecked(i != 1);
            radio->SetEnabled(i != 2);
        }
        Settle();
        SaveScreenshot(shot.get(), std::string("controls-") + GetUIStyleName(look));
        buttons[2]->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }
}

} // namespace
