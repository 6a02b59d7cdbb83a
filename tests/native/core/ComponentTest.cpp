#include "TestClasses.h"

#include "framework/core/ClassInfo.h"
#include "framework/core/Component.h"
#include "framework/core/Exception.h"

#include <gtest/gtest.h>

#include <memory>

using fw::Component;
using Log = std::vector<std::string>;

namespace {

class ComponentTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestClasses();
        TestLog().clear();
    }

    static TestWidget* Widget(Component* owner, const std::string& name) {
        auto* w = new TestWidget(owner);
        w->SetName(name);
        return w;
    }
};

TEST_F(ComponentTest, OwnerDestroysLastCreatedFirstAndTheRestHearEachRemoval) {
    auto* owner = new Component(nullptr);
    TestWidget* a = Widget(owner, "A");
    Widget(owner, "B");
    Widget(owner, "C");
    ASSERT_EQ(owner->ComponentCount(), 3);
    EXPECT_EQ(owner->Components(0), a);
    EXPECT_EQ(a->Owner(), owner);

    delete owner;
    EXPECT_EQ(TestLog(), (Log{"B hears C", "A hears C", "destroy C", "A hears B", "destroy B", "destroy A"}));
}

TEST_F(ComponentTest, DestroyingOneComponentClearsItsSlotAndTellsTheOthers) {
    Component owner(nullptr);
    TestWidget* a = Widget(&owner, "A");
    TestWidget* b = Widget(&owner, "B");
    TestWidget* c = Widget(&owner, "C");
    a->SetBuddy(b);
    delete b;
    // A component deleted directly runs its own destructor first, then its owner tells the rest.
    EXPECT_EQ(TestLog(), (Log{"set A.Buddy", "destroy B", "C hears B", "A hears B"}));
    EXPECT_EQ(owner.ComponentCount(), 2);
    EXPECT_EQ(owner.FindComponent("B"), nullptr);
    EXPECT_EQ(c->ComponentIndex(), 1);
    EXPECT_EQ(a->Buddy(), nullptr);
}

TEST_F(ComponentTest, DestructionMarksEverythingOwnedAsDestroying) {
    auto* outer = new TestWidget(nullptr);
    auto* inner = Widget(outer, "Inner");
    auto* innermost = Widget(inner, "Innermost");
    outer->BeginDestroy();
    EXPECT_TRUE(outer->IsDestroying());
    EXPECT_TRUE(inner->IsDestroying());
    EXPECT_TRUE(innermost->IsDestroying());
    delete outer;
    EXPECT_EQ(TestLog(), (Log{"destroy ", "destroy Inner", "destroy Innermost"}));
}

TEST_F(ComponentTest, ReferenceAcrossOwnersIsClearedWhenItsTargetDies) {
    Component ownerA(nullptr);
    auto* ownerB = new Component(nullptr);
    TestWidget* x = Widget(&ownerA, "X");
    TestWidget* y = Widget(ownerB, "Y");
    x->SetBuddy(y);
    delete ownerB;
    EXPECT_EQ(x->Buddy(), nullptr);
    EXPECT_EQ(TestLog(), (Log{"set X.Buddy", "X hears Y", "destroy Y"}));
}

TEST_F(ComponentTest, HolderDyingFirstLeavesNoNoticeBehind) {
    auto* ownerA = new Component(nullptr);
    Component ownerB(nullptr);
    TestWidget* x = Widget(ownerA, "X");
    TestWidget* y = Widget(&ownerB, "Y");
    x->SetBuddy(y);
    delete ownerA;
    TestLog().clear();
    // Y must not tell the destroyed X (the sanitizer would see it).
    delete y;
    EXPECT_EQ(TestLog(), (Log{"destroy Y"}));
}

TEST_F(ComponentTest, SameOwnerReferenceHearsTheRemovalOnce) {
    Component owner(nullptr);
    TestWidget* x = Widget(&owner, "X");
    TestWidget* y = Widget(&owner, "Y");
    x->SetBuddy(y);
    TestLog().clear();
    delete y;
    EXPECT_EQ(TestLog(), (Log{"destroy Y", "X hears Y"}));
    EXPECT_EQ(x->Buddy(), nullptr);
}

TEST_F(ComponentTest, FreeNoticesPairUpWithTheirRemovals) {
    Component ownerA(nullptr);
    Component ownerB(nullptr);
    TestWidget* x = Widget(&ownerA, "X");
    TestWidget* y = Widget(&ownerB, "Y");
    TestWidget* z = Widget(&ownerB, "Z");
    x->FreeNotification(y);
    x->FreeNotification(y);
    x->RemoveFreeNotification(y);
    x->FreeNotification(z);
    x->RemoveFreeNotification(z);
    TestLog().clear();
    delete y;
    delete z;
    EXPECT_EQ(TestLog(), (Log{"destroy Y", "Z hears Y", "X hears Y", "destroy Z"}));
}

TEST_F(ComponentTest, HandlerThatDestroysASiblingDuringOwnerDestruction) {
    auto* owner = new Component(nullptr);
    TestWidget* a = Widget(owner, "A");
    TestWidget* b = Widget(owner, "B");
    Widget(owner, "C");
    a->destroyOnNotice = b;
    delete owner;
    EXPECT_EQ(TestLog(), (Log{"B hears C", "A hears C", "destroy B", "A hears B", "destroy C", "destroy A"}));
}

TEST_F(ComponentTest, NamesAreIdentifiersAndUniqueWithinTheOwnerIgnoringCase) {
    Component owner(nullptr);
    TestWidget* a = Widget(&owner, "suiButton1");
    TestWidget* b = Widget(&owner, "Edit1");
    EXPECT_EQ(owner.FindComponent("SUIBUTTON1"), a);
    EXPECT_EQ(owner.FindComponent("nothing"), nullptr);
    try {
        b->SetName("SuiButton1");
        FAIL() << "duplicate name accepted";
    } catch (const fw::Exception& e) {
        EXPECT_EQ(e.Message(), "A component named SuiButton1 already exists");
    }
    EXPECT_EQ(b->Name(), "Edit1");
    EXPECT_THROW(b->SetName("1abc"), fw::Exception);
    EXPECT_THROW(b->SetName("a b"), fw::Exception);
    b->SetName("");
    EXPECT_EQ(b->Name(), "");
    // A component with a clashing name cannot join another owner.
    Component other(nullptr);
    TestWidget* c = Widget(&other, "EDIT1");
    b->SetName("Edit1");
    EXPECT_THROW(owner.InsertComponent(c), fw::Exception);
    EXPECT_EQ(c->Owner(), &other);
    EXPECT_THROW(a->InsertComponent(a), fw::Exception);
}

TEST_F(ComponentTest, MovingToAnotherOwnerTellsTheOldOwnersComponents) {
    Component first(nullptr);
    Component second(nullptr);
    TestWidget* a = Widget(&first, "A");
    TestWidget* b = Widget(&first, "B");
    second.InsertComponent(b);
    EXPECT_EQ(b->Owner(), &second);
    EXPECT_EQ(first.ComponentCount(), 1);
    EXPECT_EQ(second.Components(0), b);
    EXPECT_EQ(TestLog(), (Log{"A hears B"}));
    EXPECT_EQ(a->ComponentIndex(), 0);
}

TEST_F(ComponentTest, ClassNamesComeFromTheRegistry) {
    Component owner(nullptr);
    const fw::ClassInfo* panelClass = fw::FindClass("ttestpanel");
    ASSERT_NE(panelClass, nullptr);
    Component* panel = panelClass->Create(&owner);
    EXPECT_EQ(panel->ClassName(), "TTestPanel");
    EXPECT_EQ(panel->Owner(), &owner);
    EXPECT_NE(dynamic_cast<TestPanel*>(panel), nullptr);
    EXPECT_TRUE(panelClass->InheritsFrom(TestWidget::StaticClass()));
    EXPECT_FALSE(TestWidget::StaticClass().InheritsFrom(*panelClass));
    EXPECT_EQ(owner.ClassName(), "TComponent");
    EXPECT_EQ(fw::FindClass("TNoSuchClass"), nullptr);

    try {
        TestBroken::StaticClass().Create(&owner);
        FAIL() << "a class reporting another class was created";
    } catch (const fw::Exception& e) {
        EXPECT_EQ(e.Message(), "Class TTestBroken reports itself as TComponent");
    }
    EXPECT_EQ(owner.ComponentCount(), 1);
    EXPECT_THROW(fw::CollectionItem::StaticClass().Create(&owner), fw::Exception);
}

TEST_F(ComponentTest, ASecondClassOfTheSameNameIsRefused) {
    auto again = std::make_unique<fw::ClassInfo>("ttestwidget", &Component::StaticClass(), nullptr,
                                                 std::vector<fw::PropertyInfo>(), std::vector<fw::HandlerInfo>());
    EXPECT_THROW(fw::RegisterClassInfo(std::move(again)), fw::Exception);
}

} // namespace
