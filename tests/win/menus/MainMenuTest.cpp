// Main menus: shortcut recognition (modifiers, disabled items and parents), shortcuts pressed
// in a control of the form running the item instead of reaching the control, the native bar
// of the form following the items, menu commands reaching the item once, owner drawing of the
// bar, and a destroyed menu leaving no bar behind.
#include "framework/controls/CustomControl.h"
#include "framework/forms/Form.h"
#include "framework/graphics/Canvas.h"
#include "framework/core/WideText.h"
#include "framework/menus/MainMenu.h"
#include "tests/win/menus/MenuTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace fw;

namespace {

// Holds modifier keys down in this thread's key state for the life of the object.
class HeldKeys {
public:
    explicit HeldKeys(std::initializer_list<int> keys) {
        GetKeyboardState(saved_);
        BYTE state[256];
        GetKeyboardState(state);
        for (int vk : keys) state[vk] = 0x80;
        SetKeyboardState(state);
    }
    ~HeldKeys() { SetKeyboardState(saved_); }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

private:
    BYTE saved_[256];
};

Message KeyDown(int vk) { return Message{WM_KEYDOWN, static_cast<WPARAM>(vk), 1, 0}; }

std::wstring NativeText(HMENU menu, UINT position) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
    return text;
}

struct MainMenuFixture : ::testing::Test {
    std::unique_ptr<Form> form = std::make_unique<Form>(nullptr);
    MainMenu* menu = new MainMenu(form.get());
    MenuItem* file = AddTo(&menu->Items(), "&File");
    MenuItem* save = AddTo(file, "&Save");
    MenuItem* close = AddTo(file, "Close");
    MenuItem* edit = AddTo(&menu->Items(), "&Edit");
    MenuItem* copy = AddTo(edit, "Copy");
    int saves = 0;
    int closes = 0;
    int copies = 0;

    MenuItem* AddTo(MenuItem* parent, const char* caption) {
        auto* item = new MenuItem(form.get());
        item->SetCaption(caption);
        parent->Add(item);
        return item;
    }
    void SetUp() override {
        save->SetShortCut(MakeShortCut('S', scCtrl));
        close->SetShortCut(MakeShortCut(VK_F4, scAlt));
        copy->SetShortCut(MakeShortCut(VK_INSERT, scCtrl));
        save->OnClick = [this](Component*) { ++saves; };
        close->OnClick = [this](Component*) { ++closes; };
        copy->OnClick = [this](Component*) { ++copies; };
    }
};

TEST_F(MainMenuFixture, AShortCutIsRecognisedOnlyWithItsModifiers) {
    EXPECT_FALSE(menu->IsShortCut(KeyDown('S'))) << "S without Ctrl";
    {
        HeldKeys ctrl{VK_CONTROL};
        EXPECT_TRUE(menu->IsShortCut(KeyDown('S')));
        HeldKeys shift{VK_SHIFT};
        EXPECT_FALSE(menu->IsShortCut(KeyDown('S'))) << "Shift+Ctrl+S is another shortcut";
    }
    EXPECT_EQ(saves, 1);
    // Alt comes with the key message itself (context bit), as the system sends WM_SYSKEYDOWN.
    EXPECT_TRUE(menu->IsShortCut(Message{WM_SYSKEYDOWN, VK_F4, 1 | (1 << 29), 0}));
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(menu->IsShortCut(Message{WM_KEYUP, VK_F4, 1 | (1 << 29), 0})) << "only key-downs";
    EXPECT_EQ(closes, 1);
}

TEST_F(MainMenuFixture, DisabledItemsAndItemsUnderADisabledParentAreNoShortCuts) {
    HeldKeys ctrl{VK_CONTROL};
    save->SetEnabled(false);
    EXPECT_FALSE(menu->IsShortCut(KeyDown('S')));
    save->SetEnabled(true);
    file->SetEnabled(false);
    EXPECT_FALSE(menu->IsShortCut(KeyDown('S')));
    EXPECT_EQ(saves, 0);
    // Another enabled item with the same shortcut runs instead.
    MenuItem* second = AddTo(edit, "Save too");
    second->SetShortCut(MakeShortCut('S', scCtrl));
    int seconds = 0;
    second->OnClick = [&](Component*) { ++seconds; };
    EXPECT_TRUE(menu->IsShortCut(KeyDown('S')));
    EXPECT_EQ(seconds, 1);
    EXPECT_EQ(saves, 0);
}

// --- on a form ---

struct FormMenuFixture : MainMenuFixture {
    CustomControl* field = nullptr;
    int fieldKeys = 0;

    void SetUp() override {
        MainMenuFixture::SetUp();
        field = new CustomControl(form.get());
        field->SetParent(form.get());
        field->SetBounds(10, 10, 100, 30);
        field->SetTabStop(true);
        field->OnKeyDown = [this](Component*, int&, ShiftState) { ++fieldKeys; };
        form->SetMenu(menu);
    }
    // Keys and painting need the window on the screen (which takes Wine a while).
    void ShowWithFocusInField() {
        form->Show();
        SetActiveWindow(form->Handle());
        field->SetFocus();
    }
};

TEST_F(FormMenuFixture, TheFormShowsTheMenuAsItsBarAndFollowsItsChanges) {
    HMENU bar = GetMenu(form->Handle());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar, menu->Handle());
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    EXPECT_EQ(NativeText(bar, 0), L"&File");
    HMENU fileMenu = GetSubMenu(bar, 0);
    ASSERT_NE(fileMenu, nullptr);
    EXPECT_EQ(NativeText(fileMenu, 0), L"&Save\tCtrl+S") << "the shortcut text beside the caption";

    edit->SetCaption("编辑");
    close->SetVisible(false);
    bar = GetMenu(form->Handle());
    EXPECT_EQ(bar, menu->Handle()) << "the rebuilt bar is the one the window shows";
    EXPECT_EQ(NativeText(bar, 1), GbkToWide("编辑"));
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(bar, 0)), 1);

    form->SetMenu(nullptr);
    EXPECT_EQ(GetMenu(form->Handle()), nullptr);
}

TEST_F(FormMenuFixture, AShortCutPressedInAControlRunsTheItemAndNeverReachesTheControl) {
    ShowWithFocusInField();
    ASSERT_TRUE(field->Focused());
    {
        HeldKeys ctrl{VK_CONTROL};
        PostMessageW(field->Handle(), WM_KEYDOWN, 'S', 1);
        EXPECT_TRUE(menutest::PumpUntil([&] { return saves > 0; }));
    }
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(fieldKeys, 0);
    PostMessageW(field->Handle(), WM_KEYDOWN, 'S', 1);
    EXPECT_TRUE(menutest::PumpUntil([&] { return fieldKeys > 0; })) << "plain S is the control's key";
    EXPECT_EQ(saves, 1);
}

TEST_F(FormMenuFixture, AMenuCommandSentToTheFormClicksItsItemOnce) {
    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(save->Command(), 0), 0);
    EXPECT_EQ(saves, 1);
    // Commands of controls and accelerators, or numbers of no item of this menu, are not items.
    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(save->Command(), 1), 0);
    MainMenu other(nullptr);
    auto* foreign = new MenuItem(nullptr);
    int foreignClicks = 0;
    foreign->OnClick = [&](Component*) { ++foreignClicks; };
    other.Items().Add(foreign);
    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(foreign->Command(), 0), 0);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(foreignClicks, 0);
}

TEST_F(FormMenuFixture, AnOwnerDrawnBarIsMeasuredAndDrawnThroughTheItemsEvents) {
    int measures = 0;
    int draws = 0;
    for (MenuItem* top : {file, edit}) {
        top->OnMeasureItem = [&](Component*, Canvas&, int& w, int& h) {
            ++measures;
            w = 50;
            h = 20;
        };
        top->OnDrawItem = [&](Component*, Canvas& canvas, const Rect& r, bool) {
            ++draws;
            canvas.Brush().SetColor(clYellow);
            canvas.FillRect(r);
        };
    }
    menu->SetOwnerDraw(true);
    ShowWithFocusInField();
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(menutest::PumpUntil([&] { return measures >= 2 && draws >= 2; }));
}

TEST_F(FormMenuFixture, DestroyingTheMenuTakesTheBarOffTheForm) {
    delete menu;
    menu = nullptr;
    EXPECT_EQ(form->Menu(), nullptr);
    EXPECT_EQ(GetMenu(form->Handle()), nullptr);
}

TEST_F(FormMenuFixture, OnlyMainMenusCanBeAFormsMenu) {
    Component plain(nullptr);
    EXPECT_THROW(form->SetMenu(&plain), Exception);
    EXPECT_EQ(form->Menu(), menu);
}

TEST_F(MainMenuFixture, ADropDownOfABarDrawnElsewhereRunsTheChosenSubItem) {
    menu->SetOwnerDraw(true);
    int measured = 0;
    copy->OnMeasureItem = [&](Component*, Canvas&, int&, int&) { ++measured; };
    menutest::MenuDriver driver([](HWND w) {
        menutest::MenuDriver::PostKeys(w, {VK_DOWN, VK_RETURN});
        return true;
    });
    MenuItem* chosen = menu->TrackItems(*edit, 50, 50);
    EXPECT_EQ(chosen, copy);
    EXPECT_EQ(copies, 1);
    EXPECT_GT(measured, 0);
    MainMenu other(nullptr);
    EXPECT_THROW(other.TrackItems(*edit, 0, 0), Exception);
}

} // namespace
