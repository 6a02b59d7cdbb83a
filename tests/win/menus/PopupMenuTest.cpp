// Popup menus on real native menus under the system's modal menu loop: owner drawing through
// WM_MEASUREITEM and WM_DRAWITEM reaches every shown item's events, the placement follows
// the alignment, and the chosen item is clicked exactly once, also after items were deleted,
// hidden or destroyed while the menu was open.
#include "framework/controls/CustomControl.h"
#include "framework/forms/Form.h"
#include "framework/graphics/Canvas.h"
#include "framework/menus/PopupMenu.h"
#include "tests/win/menus/MenuTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace fw;
using menutest::MenuDriver;

namespace {

struct DrawCall {
    std::string caption;
    Rect rect;
    OwnerDrawState state = 0;
    bool hasDc = false;
};

struct PopupFixture : ::testing::Test {
    std::unique_ptr<PopupMenu> menu = std::make_unique<PopupMenu>(nullptr);
    std::map<std::string, int> clicks;
    std::map<std::string, int> measured;       // caption -> height given
    std::vector<DrawCall> draws;

    MenuItem* Add(const std::string& caption, MenuItem* parent = nullptr) {
        auto* item = new MenuItem(nullptr);
        item->SetCaption(caption);
        item->OnClick = [this, caption](Component*) {
            ++clicks[caption];
            // The choice runs once the menu has closed.
            EXPECT_EQ(menutest::OpenMenuWindow(), nullptr);
        };
        (parent != nullptr ? *parent : menu->Items()).Add(item);
        return item;
    }
    // Owner drawing with recording events on every item.
    void RecordDrawing() {
        menu->SetOwnerDraw(true);
        for (int i = 0; i < menu->Items().Count(); ++i) {
            MenuItem* item = menu->Items().Items(i);
            item->OnMeasureItem = [this, item](Component* sender, Canvas& canvas, int& width, int& height) {
                EXPECT_EQ(sender, item);
                EXPECT_NE(canvas.Handle(), nullptr);
                EXPECT_GT(width, 0) << "the default size comes in";
                width = 120;
                height = item->IsLine() ? 12 : 20;
                measured[item->Caption()] = height;
            };
            item->OnAdvancedDrawItem = [this, item](Component* sender, Canvas& canvas, const Rect& r,
                                                    OwnerDrawState state) {
                EXPECT_EQ(sender, item);
                canvas.Brush().SetColor(clWhite);
                canvas.FillRect(r);
                draws.push_back(DrawCall{item->Caption(), r, state, canvas.Handle() != nullptr});
            };
        }
    }
    bool AllDrawn(std::initializer_list<const char*> captions) const {
        return std::all_of(captions.begin(), captions.end(), [this](const char* c) {
            return std::any_of(draws.begin(), draws.end(), [c](const DrawCall& d) { return d.caption == c; });
        });
    }
    int TotalClicks() const {
        int n = 0;
        for (const auto& [caption, count] : clicks) n += count;
        return n;
    }
};

TEST_F(PopupFixture, OwnerDrawnMenuMeasuresAndDrawsEveryShownItemThroughItsEvents) {
    Add("写信给我");
    Add("显示界面");
    Add("-");
    Add("隐藏")->SetVisible(false);
    Add("退    出");
    RecordDrawing();
    MenuDriver driver([&](HWND) {
        if (!AllDrawn({"写信给我", "显示界面", "-", "退    出"})) return false;
        EndMenu();
        return true;
    });
    menu->Popup(200, 300);
    ASSERT_TRUE(driver.Acted()) << "every shown item was drawn while the menu was open";
    EXPECT_FALSE(driver.GuardFired());

    EXPECT_EQ(measured.size(), 4u);
    EXPECT_EQ(measured.count("隐藏"), 0u) << "a hidden item is not in the native menu";
    // One rectangle per item, as high as it measured itself, stacked without gaps.
    std::map<std::string, Rect> last;
    for (const DrawCall& d : draws) {
        EXPECT_TRUE(d.hasDc);
        EXPECT_EQ(d.rect.Height(), measured[d.caption]) << d.caption;
        EXPECT_GE(d.rect.Width(), 120) << d.caption;
        last[d.caption] = d.rect;
    }
    ASSERT_EQ(last.size(), 4u);
    EXPECT_EQ(last["显示界面"].Top, last["写信给我"].Bottom);
    EXPECT_EQ(last["-"].Top, last["显示界面"].Bottom);
    EXPECT_EQ(last["退    出"].Top, last["-"].Bottom);
    EXPECT_EQ(last["-"].Height(), 12);
    EXPECT_EQ(TotalClicks(), 0) << "closing the menu chooses nothing";
}

TEST_F(PopupFixture, BottomToTopOpensUpwardsFromThePointAndTheDefaultDownwards) {
    Add("写信给我");
    Add("退    出");
    RecordDrawing();
    {
        MenuDriver driver(menutest::CloseMenu);
        menu->Popup(300, 400);
        ASSERT_TRUE(driver.Acted());
        EXPECT_EQ(driver.MenuRect().top, 400);
        EXPECT_EQ(driver.MenuRect().left, 300);
    }
    menu->SetMenuAnimation(maBottomToTop);
    {
        MenuDriver driver(menutest::CloseMenu);
        menu->Popup(300, 400);
        ASSERT_TRUE(driver.Acted());
        EXPECT_EQ(driver.MenuRect().bottom, 400) << "the menu's bottom edge stands at the point";
    }
    menu->SetAlignment(PopupAlignment::Right);
    {
        MenuDriver driver(menutest::CloseMenu);
        menu->Popup(300, 400);
        ASSERT_TRUE(driver.Acted());
        EXPECT_EQ(driver.MenuRect().right, 300);
    }
}

TEST_F(PopupFixture, ChoosingAnItemClicksItOnceAfterTheMenuClosed) {
    Add("A");
    Add("B");
    Add("C");
    for (bool ownerDraw : {false, true}) {
        clicks.clear();
        menu->SetOwnerDraw(ownerDraw);
        MenuDriver driver([](HWND w) {
            MenuDriver::PostKeys(w, {VK_DOWN, VK_DOWN, VK_RETURN});
            return true;
        });
        menu->Popup(100, 100);
        EXPECT_FALSE(driver.GuardFired()) << "owner draw " << ownerDraw;
        EXPECT_EQ(clicks["B"], 1) << "owner draw " << ownerDraw;
        // Nothing queued afterwards clicks it a second time.
        menutest::PumpUntil([] { return false; }, 200);
        EXPECT_EQ(TotalClicks(), 1) << "owner draw " << ownerDraw;
    }
}

TEST_F(PopupFixture, DeletedAndHiddenItemsDoNotShiftTheChoiceToAnotherItem) {
    Add("A");
    Add("B");
    Add("C");
    Add("D");
    menu->Items().Delete(1);               // B
    menu->Items().Items(1)->SetVisible(false);  // C
    MenuDriver driver([](HWND w) {
        MenuDriver::PostKeys(w, {VK_DOWN, VK_DOWN, VK_RETURN});
        return true;
    });
    menu->Popup(100, 100);
    EXPECT_EQ(clicks["D"], 1) << "the second shown entry is D";
    EXPECT_EQ(TotalClicks(), 1);
}

TEST_F(PopupFixture, AnItemDestroyedWhileTheMenuIsOpenIsNotRun) {
    Add("A");
    MenuItem* b = Add("B");
    MenuDriver driver([&](HWND w) {
        delete b;  // its native entry stays until the menu closes
        MenuDriver::PostKeys(w, {VK_DOWN, VK_DOWN, VK_RETURN});
        return true;
    });
    menu->Popup(100, 100);
    EXPECT_TRUE(driver.Acted());
    EXPECT_EQ(TotalClicks(), 0);
    EXPECT_EQ(menu->Items().Count(), 1);
}

TEST_F(PopupFixture, ADisabledItemCannotBeChosen) {
    Add("A")->SetEnabled(false);
    MenuDriver driver(
        [](HWND w) {
            MenuDriver::PostKeys(w, {VK_DOWN, VK_RETURN});
            return true;
        },
        1500);
    menu->Popup(100, 100);
    EXPECT_TRUE(driver.Acted());
    EXPECT_EQ(TotalClicks(), 0);
}

TEST_F(PopupFixture, AcceleratorOfAnOwnerDrawnItemChoosesIt) {
    Add("&Open");
    Add("&Show");
    RecordDrawing();
    MenuDriver driver([](HWND w) {
        PostMessageW(w, WM_CHAR, L's', 1);
        return true;
    });
    menu->Popup(100, 100);
    EXPECT_FALSE(driver.GuardFired());
    EXPECT_EQ(clicks["&Show"], 1);
    EXPECT_EQ(TotalClicks(), 1);
}

TEST_F(PopupFixture, OnPopupRunsFirstAndMayChangeTheItems) {
    Add("A");
    RecordDrawing();
    int popups = 0;
    menu->OnPopup = [&](Component* sender) {
        EXPECT_EQ(sender, menu.get());
        EXPECT_EQ(menutest::OpenMenuWindow(), nullptr);
        ++popups;
        menu->Items().Items(0)->SetCaption("A2");
    };
    MenuDriver driver([&](HWND) {
        if (!AllDrawn({"A2"})) return false;
        EndMenu();
        return true;
    });
    menu->Popup(100, 100);
    EXPECT_EQ(popups, 1);
    EXPECT_TRUE(driver.Acted()) << "the caption set in OnPopup is what the menu shows";
}

TEST_F(PopupFixture, TheItemsShowWhileTheRootItemIsMarkedInvisible) {
    Add("A");
    RecordDrawing();
    menu->Items().SetVisible(false);
    MenuDriver driver([&](HWND) {
        if (!AllDrawn({"A"})) return false;
        EndMenu();
        return true;
    });
    menu->Popup(100, 100);
    EXPECT_TRUE(driver.Acted());
}

TEST_F(PopupFixture, AMenuWithoutShownItemsOpensNothing) {
    Add("A")->SetVisible(false);
    int popups = 0;
    menu->OnPopup = [&](Component*) { ++popups; };
    MenuDriver driver(menutest::CloseMenu);
    menu->Popup(100, 100);
    EXPECT_EQ(popups, 1);
    EXPECT_FALSE(driver.Acted());
}

TEST_F(PopupFixture, SubItemsAreMeasuredAndChosenThroughTheirParent) {
    MenuItem* more = Add("More");
    Add("Inner", more);
    menu->SetOwnerDraw(true);
    std::vector<std::string> inner;
    more->Items(0)->OnMeasureItem = [&](Component*, Canvas&, int& w, int& h) {
        inner.push_back("measure");
        w = 80;
        h = 18;
    };
    MenuDriver driver([](HWND w) {
        MenuDriver::PostKeys(w, {VK_DOWN, VK_RIGHT, VK_RETURN});
        return true;
    });
    menu->Popup(100, 100);
    EXPECT_FALSE(inner.empty());
    EXPECT_EQ(clicks["Inner"], 1);
    EXPECT_EQ(TotalClicks(), 1);
}

// --- opened by a control ---

struct ContextFixture : PopupFixture {
    std::unique_ptr<Form> form = std::make_unique<Form>(nullptr);
    CustomControl* control = nullptr;
    int popups = 0;

    void SetUp() override {
        control = new CustomControl(form.get());
        control->SetParent(form.get());
        control->SetBounds(10, 10, 100, 60);
        Add("A");
        menu->OnPopup = [this](Component*) { ++popups; };
        control->SetPopupMenu(menu.get());
    }
};

TEST_F(ContextFixture, ARightClickOnTheControlOpensItsMenuAtTheClickedPoint) {
    MenuDriver driver(menutest::CloseMenu);
    SendMessageW(control->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(control->Handle()), MAKELPARAM(150, 170));
    EXPECT_TRUE(driver.Acted());
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(menu->PopupComponent(), control);
    EXPECT_EQ(menu->PopupPoint(), (Point{150, 170}));
}

TEST_F(ContextFixture, WithoutAutoPopupARightClickOpensNothing) {
    menu->SetAutoPopup(false);
    MenuDriver driver(menutest::CloseMenu, 500);
    SendMessageW(control->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(control->Handle()), MAKELPARAM(150, 170));
    EXPECT_EQ(popups, 0);
    EXPECT_FALSE(driver.Acted());
}

TEST_F(ContextFixture, TheRecordedControlIsForgottenWhenItIsDestroyed) {
    MenuDriver driver(menutest::CloseMenu);
    SendMessageW(control->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(control->Handle()), MAKELPARAM(150, 170));
    ASSERT_EQ(menu->PopupComponent(), control);
    delete control;
    control = nullptr;
    EXPECT_EQ(menu->PopupComponent(), nullptr);
}

} // namespace
