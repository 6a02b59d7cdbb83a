// The item tree: positions after inserting, moving and deleting, destruction of sub-items and
// of owned items, command numbers that never reach a destroyed item, change notices, and
// items read from a designed window.
#include "framework/core/ClassBuilder.h"
#include "framework/core/DescriptionReader.h"
#include "framework/forms/Form.h"
#include "framework/menus/PopupMenu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

using namespace fw;

namespace {

MenuItem* NewItem(const std::string& caption) {
    auto* item = new MenuItem(nullptr);
    item->SetCaption(caption);
    return item;
}

std::vector<std::string> Captions(const MenuItem& parent) {
    std::vector<std::string> out;
    for (int i = 0; i < parent.Count(); ++i) out.push_back(parent.Items(i)->Caption());
    return out;
}

TEST(MenuItemTree, PositionsFollowInsertMoveAndDelete) {
    PopupMenu menu(nullptr);
    MenuItem& root = menu.Items();
    MenuItem* a = NewItem("A");
    MenuItem* b = NewItem("B");
    MenuItem* c = NewItem("C");
    root.Add(a);
    root.Add(c);
    root.Insert(1, b);
    EXPECT_EQ(Captions(root), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(c->MenuIndex(), 2);

    root.Add(a);  // adding an item again moves it to the end
    EXPECT_EQ(Captions(root), (std::vector<std::string>{"B", "C", "A"}));
    EXPECT_EQ(a->MenuIndex(), 2);

    root.Delete(0);
    EXPECT_EQ(Captions(root), (std::vector<std::string>{"C", "A"}));
    EXPECT_EQ(c->MenuIndex(), 0);
    EXPECT_EQ(a->MenuIndex(), 1);
    EXPECT_EQ(root.IndexOf(a), 1);
    EXPECT_THROW(root.Items(2), Exception);
    EXPECT_THROW(root.Delete(-1), Exception);
    EXPECT_THROW(root.Insert(5, NewItem("X")), Exception);
}

TEST(MenuItemTree, AnItemCannotHoldItselfOrItsParent) {
    PopupMenu menu(nullptr);
    MenuItem* parent = NewItem("P");
    MenuItem* child = NewItem("C");
    menu.Items().Add(parent);
    parent->Add(child);
    EXPECT_THROW(child->Add(parent), Exception);
    EXPECT_THROW(child->Add(child), Exception);
    EXPECT_THROW(parent->Add(&menu.Items()), Exception);
    EXPECT_EQ(parent->Parent(), &menu.Items());
    EXPECT_EQ(child->GetParentMenu(), &menu);
}

TEST(MenuItemTree, MovingAnItemToAnotherParentTakesItOutOfTheFirst) {
    PopupMenu menu(nullptr);
    MenuItem* first = NewItem("1");
    MenuItem* second = NewItem("2");
    MenuItem* child = NewItem("c");
    menu.Items().Add(first);
    menu.Items().Add(second);
    first->Add(child);
    second->Add(child);
    EXPECT_EQ(first->Count(), 0);
    EXPECT_EQ(second->Count(), 1);
    EXPECT_EQ(child->Parent(), second);
    first->Remove(second);  // not a sub-item there: nothing happens
    EXPECT_EQ(second->Parent(), &menu.Items());
}

TEST(MenuItemTree, DestroyingAParentDestroysItsSubItemsAndFreesTheirCommands) {
    PopupMenu menu(nullptr);
    MenuItem* parent = NewItem("P");
    MenuItem* child = NewItem("C");
    MenuItem* grandChild = NewItem("G");
    menu.Items().Add(parent);
    parent->Add(child);
    child->Add(grandChild);
    const unsigned commands[] = {parent->Command(), child->Command(), grandChild->Command()};
    EXPECT_EQ(MenuItem::FromCommand(commands[2]), grandChild);
    delete parent;
    EXPECT_EQ(menu.Items().Count(), 0);
    for (unsigned command : commands) {
        EXPECT_EQ(MenuItem::FromCommand(command), nullptr);
        EXPECT_EQ(menu.FindItem(command), nullptr);
    }
}

TEST(MenuItemTree, CommandNumbersAreUniqueAndBelongToOneMenu) {
    PopupMenu one(nullptr);
    PopupMenu other(nullptr);
    std::vector<unsigned> seen;
    for (int i = 0; i < 50; ++i) {
        MenuItem* item = NewItem("x");
        (i % 2 == 0 ? one : other).Items().Add(item);
        EXPECT_GE(item->Command(), 1u);
        EXPECT_LT(item->Command(), 0xF000u) << "below the system commands";
        EXPECT_EQ(std::count(seen.begin(), seen.end(), item->Command()), 0);
        seen.push_back(item->Command());
    }
    MenuItem* inOther = other.Items().Items(0);
    EXPECT_EQ(other.FindItem(inOther->Command()), inOther);
    EXPECT_EQ(one.FindItem(inOther->Command()), nullptr);
    EXPECT_EQ(one.FindItem(one.Items().Command()), nullptr) << "the root is no entry";
}

TEST(MenuItemTree, ItemsOwnedByAWindowAreDestroyedOnceWhateverGoesFirst) {
    // The window destroys what it owns last created first: here the parent item goes first
    // and takes its sub-item with it, which leaves the window's list on the way.
    auto form = std::make_unique<Form>(nullptr);
    auto* menu = new PopupMenu(form.get());
    auto* child = new MenuItem(form.get());
    auto* parent = new MenuItem(form.get());
    menu->Items().Add(parent);
    parent->Add(child);
    const int before = form->ComponentCount();
    delete parent;
    EXPECT_EQ(form->ComponentCount(), before - 2);
    auto* last = new MenuItem(form.get());
    menu->Items().Add(last);
    const unsigned lastCommand = last->Command();
    form.reset();  // the item, then the menu: each destroyed once
    EXPECT_EQ(MenuItem::FromCommand(lastCommand), nullptr);
}

TEST(MenuItemTree, FindIgnoresAcceleratorsAndLetterCase) {
    PopupMenu menu(nullptr);
    menu.Items().Add(NewItem("&Open"));
    menu.Items().Add(NewItem("Save && Exit"));
    menu.Items().Add(NewItem("显示界面"));
    EXPECT_EQ(menu.Items().Find("open"), menu.Items().Items(0));
    EXPECT_EQ(menu.Items().Find("SAVE && EXIT"), menu.Items().Items(1)) << "the caption's own '&' is doubled";
    EXPECT_EQ(menu.Items().Find("显示界面"), menu.Items().Items(2));
    EXPECT_EQ(menu.Items().Find("Save Exit"), nullptr);
}

TEST(MenuItemState, OnlyOneDefaultItemPerLevel) {
    PopupMenu menu(nullptr);
    MenuItem* a = NewItem("A");
    MenuItem* b = NewItem("B");
    menu.Items().Add(a);
    menu.Items().Add(b);
    a->SetDefault(true);
    b->SetDefault(true);
    EXPECT_FALSE(a->Default());
    EXPECT_TRUE(b->Default());
}

TEST(MenuItemState, EveryChangeIsReportedOnceWithWhetherTheShownItemsChanged) {
    PopupMenu menu(nullptr);
    std::vector<std::pair<MenuItem*, bool>> changes;
    menu.OnChange = [&](Component* sender, MenuItem* source, bool rebuild) {
        EXPECT_EQ(sender, &menu);
        changes.emplace_back(source, rebuild);
    };
    MenuItem* item = NewItem("A");
    menu.Items().Add(item);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_TRUE(changes[0].second);
    changes.clear();

    item->SetCaption("B");
    item->SetCaption("B");  // no change, no notice
    item->SetChecked(true);
    item->SetEnabled(false);
    item->SetShortCut(MakeShortCut('S', scCtrl));
    item->SetImageIndex(3);
    ASSERT_EQ(changes.size(), 5u);
    for (const auto& [source, rebuild] : changes) {
        EXPECT_EQ(source, item);
        EXPECT_FALSE(rebuild);
    }
    changes.clear();

    item->SetCaption("-");  // a separator is another kind of native item
    item->SetVisible(false);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_TRUE(changes[0].second);
    EXPECT_TRUE(changes[1].second);
}

// --- designed windows ---

class MenuHostForm : public Form {
public:
    explicit MenuHostForm(Component* owner) : Form(owner) {}
    static const ClassInfo& StaticClass() {
        static const ClassInfo& info = ClassBuilder<MenuHostForm>("TMenuHostForm", Form::StaticClass())
                                           .AddHandler("N1Click", &MenuHostForm::N1Click)
                                           .Register();
        return info;
    }
    const ClassInfo& ClassType() const override { return StaticClass(); }
    void N1Click(Component* sender) { clickedBy = sender; }
    Component* clickedBy = nullptr;
};

TEST(MenuDescription, ItemsNestInTheirMenuInOrderWithGbkCaptionsAndHandlers) {
    // The description is UTF-8, as the files are.
    const auto* text = reinterpret_cast<const char*>(u8R"(object Host: TMenuHostForm
  object popupmenu1: TPopupMenu
    OwnerDraw = True
    MenuAnimation = [maBottomToTop]
    Alignment = paRight
    AutoPopup = False
    object N2: TMenuItem
      Caption = '写信给我'
    end
    object N3: TMenuItem
      Caption = '显示界面'
      object N4: TMenuItem
        Caption = '子项'
        ShortCut = 16467
      end
    end
    object N1: TMenuItem
      Caption = '退    出'
      Default = True
      OnClick = N1Click
    end
  end
end
)");
    RegisterClasses<MenuHostForm, PopupMenu, MenuItem>();
    MenuHostForm form(nullptr);
    DescriptionReader::ReadRoot(form, text, "MenuHost");
    auto* menu = dynamic_cast<PopupMenu*>(form.FindComponent("popupmenu1"));
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->OwnerDraw());
    EXPECT_EQ(menu->GetMenuAnimation(), maBottomToTop);
    EXPECT_EQ(menu->Alignment(), PopupAlignment::Right);
    EXPECT_FALSE(menu->AutoPopup());
    ASSERT_EQ(menu->Items().Count(), 3);
    EXPECT_EQ(Captions(menu->Items()), (std::vector<std::string>{"写信给我", "显示界面", "退    出"}));
    EXPECT_EQ(menu->Items().Items(2)->Caption(), std::string("\xCD\xCB    \xB3\xF6")) << "GBK bytes, four blanks";
    MenuItem* sub = menu->Items().Items(1)->Items(0);
    EXPECT_EQ(sub->Name(), "N4");
    EXPECT_EQ(sub->ShortCut(), MakeShortCut('S', scCtrl));
    EXPECT_EQ(sub->GetParentMenu(), menu);
    MenuItem* exit = menu->Items().Items(2);
    EXPECT_TRUE(exit->Default());
    exit->Click();
    EXPECT_EQ(form.clickedBy, exit);
}

} // namespace
