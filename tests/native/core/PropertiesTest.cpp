#include "TestClasses.h"

#include "framework/core/Exception.h"
#include "framework/core/Properties.h"

#include <gtest/gtest.h>

using fw::PropertyValue;
using fw::SetPropertyValue;
using fw::GetPropertyValue;

namespace {

class PropertiesTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestClasses();
        TestLog().clear();
        a = new TestWidget(&owner);
        a->SetName("A");
        b = new TestWidget(&owner);
        b->SetName("B");
    }

    static std::string ErrorOf(const std::function<void()>& f) {
        try {
            f();
        } catch (const fw::Exception& e) {
            return e.Message();
        }
        return "(no error)";
    }

    fw::Component owner{nullptr};
    TestWidget* a = nullptr;
    TestWidget* b = nullptr;
};

// Values as equal as the property system can tell.
bool SameValue(const PropertyValue& x, const PropertyValue& y) {
    if (x.GetKind() != y.GetKind()) return false;
    switch (x.GetKind()) {
    case PropertyValue::Kind::Font: return x.AsFont().SameAs(y.AsFont());
    case PropertyValue::Kind::Strings: return x.AsStrings() == y.AsStrings();
    case PropertyValue::Kind::Picture: return x.AsPicture().SameAs(y.AsPicture());
    case PropertyValue::Kind::Component: return x.AsComponent() == y.AsComponent();
    case PropertyValue::Kind::Collection: {
        const fw::Collection& cx = x.AsCollection();
        const fw::Collection& cy = y.AsCollection();
        if (cx.Count() != cy.Count()) return false;
        for (int i = 0; i < cx.Count(); ++i)
            for (const fw::PropertyInfo* p : cx.Item(i).ClassType().Properties())
                if (!SameValue(p->get(cx.Item(i)), p->get(cy.Item(i)))) return false;
        return true;
    }
    default: return x.ToString() == y.ToString();
    }
}

TEST_F(PropertiesTest, EveryTypeIsSetFromDescriptionValuesAndReadBack) {
    fw::Component other(nullptr);
    auto* elsewhere = new TestWidget(&other);
    elsewhere->SetName("Elsewhere");

    SetPropertyValue(*a, "left", PropertyValue::FromInteger(-17));
    SetPropertyValue(*a, "Visible", PropertyValue::FromIdentifier("false"));
    SetPropertyValue(*a, "Color", PropertyValue::FromInteger(0x00E7E7E7));
    SetPropertyValue(*a, "UIStyle", PropertyValue::FromIdentifier("MacOS"));
    SetPropertyValue(*a, "Anchors", PropertyValue::FromSet({"akRight", "akbottom"}));
    SetPropertyValue(*a, "Caption", PropertyValue::FromText("我的Vornik"));
    SetPropertyValue(*a, "Cursor", PropertyValue::FromIdentifier("crHandPoint"));
    SetPropertyValue(*a, "Font.Name", PropertyValue::FromText("宋体"));
    SetPropertyValue(*a, "Font.Height", PropertyValue::FromInteger(16));
    SetPropertyValue(*a, "Font.Style", PropertyValue::FromSet({"fsBold", "fsUnderline"}));
    SetPropertyValue(*a, "Font.Color", PropertyValue::FromIdentifier("clNavy"));
    SetPropertyValue(*a, "Font.Charset", PropertyValue::FromIdentifier("GB2312_CHARSET"));
    SetPropertyValue(*a, "Lines", PropertyValue::FromStrings(fw::StringList{"蓝色", "深蓝", "MacOS"}));
    SetPropertyValue(*a, "Glyph", PropertyValue::FromText("MACOS_BUTTON"));
    a->Buttons().Add().SetTop(4);
    a->Buttons().Add().SetVisible(false);
    SetPropertyValue(*a, "Buttons[1].Glyph", PropertyValue::FromText("TITLE_MIN"));
    SetPropertyValue(*a, "Buddy", PropertyValue::FromComponent(elsewhere));

    EXPECT_EQ(a->Left(), -17);
    EXPECT_FALSE(a->Visible());
    EXPECT_EQ(a->Color(), 0x00E7E7E7u);
    EXPECT_EQ(a->UIStyle(), TestStyle::MacOS);
    EXPECT_EQ(a->Anchors(), akRight | akBottom);
    EXPECT_EQ(a->Caption(), "我的Vornik");
    EXPECT_EQ(a->Cursor(), -21);
    EXPECT_EQ(a->Font().Name(), "宋体");
    EXPECT_EQ(a->Font().Style(), fw::fsBold | fw::fsUnderline);
    EXPECT_EQ(a->Font().Color(), fw::clNavy);
    EXPECT_EQ(a->Font().Charset(), fw::Font::Gb2312Charset);
    EXPECT_EQ(a->Lines().Text(), "蓝色\r\n深蓝\r\nMacOS");
    EXPECT_EQ(a->Glyph().ResourceName(), "MACOS_BUTTON");
    EXPECT_EQ(a->Buttons().Item(1).Glyph().ResourceName(), "TITLE_MIN");
    EXPECT_EQ(a->Buddy(), elsewhere);

    EXPECT_EQ(GetPropertyValue(*a, "UIStyle").EnumName(), "MacOS");
    EXPECT_EQ(GetPropertyValue(*a, "UIStyle").AsEnum(), 1);
    EXPECT_EQ(GetPropertyValue(*a, "Anchors").AsSet(), (std::vector<std::string>{"akRight", "akBottom"}));
    EXPECT_EQ(GetPropertyValue(*a, "Font.Style").ToString(), "[fsBold, fsUnderline]");
    EXPECT_EQ(GetPropertyValue(*a, "COLOR").AsColor(), 0x00E7E7E7u);
    EXPECT_EQ(GetPropertyValue(*a, "Buttons[0].Top").AsInteger(), 4);

    // Everything read from one widget and written to another comes back the same.
    for (const fw::PropertyInfo* p : TestWidget::StaticClass().Properties()) {
        if (p->name == "Name") continue;
        SetPropertyValue(*b, p->name, GetPropertyValue(*a, p->name));
        EXPECT_TRUE(SameValue(GetPropertyValue(*b, p->name), GetPropertyValue(*a, p->name))) << p->name;
    }
    EXPECT_EQ(b->Buttons().Count(), 2);
    EXPECT_FALSE(b->Buttons().Item(1).Visible());

    delete elsewhere;
    EXPECT_EQ(a->Buddy(), nullptr);
    EXPECT_EQ(b->Buddy(), nullptr);
}

TEST_F(PropertiesTest, UnknownNamesRaiseTheExactMessage) {
    EXPECT_EQ(ErrorOf([&] { SetPropertyValue(*a, "Foo", PropertyValue::FromInteger(1)); }),
              "Property Foo does not exist");
    EXPECT_EQ(ErrorOf([&] { SetPropertyValue(*a, "Font.Nme", PropertyValue::FromText("x")); }),
              "Property Font.Nme does not exist");
    EXPECT_EQ(ErrorOf([&] { GetPropertyValue(*a, "Buttons[0].Top"); }), "Property Buttons[0].Top does not exist");
    EXPECT_EQ(ErrorOf([&] { SetPropertyValue(*a, "Left.Right", PropertyValue::FromInteger(1)); }),
              "Property Left.Right does not exist");

    a->Buttons().Add();
    EXPECT_TRUE(fw::HasProperty(*a, "buttons[0].top"));
    EXPECT_TRUE(fw::HasProperty(*a, "Font.Name"));
    EXPECT_TRUE(fw::HasProperty(*a, "Lines.Strings"));
    EXPECT_TRUE(fw::HasProperty(*a, "Name"));
    for (const char* bad : {"", "Font.", ".Left", "Buttons[1].Top", "Buttons[].Top", "Buttons[x].Top", "Buttons[0]",
                            "Left[0].Top", "Caption.Length", "Buttons[99999999999].Top"})
        EXPECT_FALSE(fw::HasProperty(*a, bad)) << bad;
}

TEST_F(PropertiesTest, ValuesAPropertyCannotTakeAreRefused) {
    struct Case {
        const char* name;
        PropertyValue value;
        const char* message;
    };
    const Case cases[] = {
        {"UIStyle", PropertyValue::FromIdentifier("Purple"), "Invalid value Purple for property UIStyle"},
        {"UIStyle", PropertyValue::FromInteger(6), "Invalid value 6 for property UIStyle"},
        {"Left", PropertyValue::FromInteger(1LL << 40), "Invalid value 1099511627776 for property Left"},
        {"Left", PropertyValue::FromText("12"), "Invalid value '12' for property Left"},
        {"Visible", PropertyValue::FromIdentifier("Yes"), "Invalid value Yes for property Visible"},
        {"Color", PropertyValue::FromIdentifier("clPink"), "Invalid value clPink for property Color"},
        {"Color", PropertyValue::FromInteger(1LL << 32), "Invalid value 4294967296 for property Color"},
        {"Anchors", PropertyValue::FromSet({"akLeft", "akMiddle"}), "Invalid value akMiddle for property Anchors"},
        {"Caption", PropertyValue::FromInteger(3), "Invalid value 3 for property Caption"},
        {"Font", PropertyValue::FromIdentifier("Tahoma"), "Invalid value Tahoma for property Font"},
        {"Buddy", PropertyValue::FromComponent(&owner), "Invalid value (TComponent) for property Buddy"},
        {"Buddy", PropertyValue::FromText("B"), "Invalid value 'B' for property Buddy"},
        {"Buttons", PropertyValue::FromStrings({}), "Invalid value (0 lines) for property Buttons"},
    };
    for (const Case& c : cases) EXPECT_EQ(ErrorOf([&] { SetPropertyValue(*a, c.name, c.value); }), c.message);
    EXPECT_EQ(a->UIStyle(), TestStyle::DeepBlue);
    EXPECT_EQ(a->Buddy(), nullptr);
    EXPECT_EQ(ErrorOf([&] { PropertyValue::FromText("x").AsInteger(); }), "Value 'x' is not an integer");
}

TEST_F(PropertiesTest, ColoursByNameNumberAndHexText) {
    SetPropertyValue(*a, "Color", PropertyValue::FromIdentifier("clbtnface"));
    EXPECT_EQ(a->Color(), 0xFF00000Fu);
    EXPECT_TRUE(fw::IsSystemColor(a->Color()));
    EXPECT_EQ(fw::SystemColorIndex(a->Color()), 15);
    SetPropertyValue(*a, "Color", PropertyValue::FromInteger(-16777201));
    EXPECT_EQ(a->Color(), fw::clBtnFace);
    EXPECT_EQ(fw::RgbColor(231, 231, 231), 0x00E7E7E7u);
    EXPECT_EQ(fw::RgbColor(57, 115, 196), 0x00C47339u);
    EXPECT_EQ(fw::ColorToString(fw::clBlack), "clBlack");
    EXPECT_EQ(fw::ColorToString(0x00E7E7E7), "$00E7E7E7");
    EXPECT_EQ(fw::ColorFromString("$00E7E7E7"), 0x00E7E7E7u);
    EXPECT_EQ(fw::ColorFromString("clWhite"), fw::clWhite);
    EXPECT_EQ(fw::ColorFromString("-16777201"), fw::clBtnFace);
    for (const char* bad : {"", "$", "$123456789", "$12G", "clPink", "4294967296", "12x"})
        EXPECT_FALSE(fw::ColorFromString(bad).has_value()) << bad;
}

TEST_F(PropertiesTest, SubObjectsChangeInPlaceAndTheOwnerHearsIt) {
    SetPropertyValue(*a, "Font.Name", PropertyValue::FromText("Tahoma"));
    SetPropertyValue(*a, "Font.Name", PropertyValue::FromText("Tahoma"));
    EXPECT_EQ(a->fontChanges, 1);

    SetPropertyValue(*a, "Lines.Strings", PropertyValue::FromStrings({"one", "two"}));
    EXPECT_EQ(a->linesSetterCalls, 0);
    EXPECT_EQ(a->linesChanges, 1);
    SetPropertyValue(*a, "Lines", PropertyValue::FromText("x\r\ny"));
    EXPECT_EQ(a->linesSetterCalls, 1);
    EXPECT_EQ(a->Lines().Count(), 2);

    const int before = a->buttonsChanges;
    a->Buttons().Add();
    SetPropertyValue(*a, "Buttons[0].Top", PropertyValue::FromInteger(9));
    EXPECT_EQ(a->buttonsChanges, before + 2);

    fw::Font font;
    font.SetName("Tahoma");
    font.SetStyle(fw::fsBold);
    SetPropertyValue(*a, "Font", PropertyValue::FromFont(font));
    EXPECT_TRUE(a->Font().SameAs(font));
    EXPECT_EQ(a->fontChanges, 2);
}

TEST_F(PropertiesTest, DerivedClassesPublishTheirParentsProperties) {
    auto* panel = new TestPanel(&owner);
    SetPropertyValue(*panel, "UIStyle", PropertyValue::FromEnum(5, "BlueGlass"));
    EXPECT_EQ(panel->UIStyle(), TestStyle::BlueGlass);
    std::vector<std::string> names;
    for (const fw::PropertyInfo* p : TestPanel::StaticClass().Properties()) names.push_back(p->name);
    ASSERT_GE(names.size(), 3u);
    EXPECT_EQ(names[0], "Name");
    EXPECT_EQ(names[1], "Tag");
    EXPECT_EQ(names[2], "Left");
    EXPECT_EQ(fw::FindPropertyTarget(*panel, "Font.Height").object, &panel->Font());
}

TEST_F(PropertiesTest, EventsBindToRegisteredHandlersOfMatchingSignature) {
    TestForm form(nullptr);
    const fw::HandlerInfo* click = TestForm::StaticClass().FindHandler("buttonclick");
    const fw::HandlerInfo* measure = TestForm::StaticClass().FindHandler("Measure");
    ASSERT_NE(click, nullptr);
    ASSERT_NE(measure, nullptr);

    SetPropertyValue(*a, "OnClick", PropertyValue::FromEvent(click->bind(form)));
    SetPropertyValue(*a, "OnMeasure", PropertyValue::FromEvent(measure->bind(form)));
    a->OnClick(a);
    int size = 0;
    a->OnMeasure(a, size);
    EXPECT_EQ(form.clicks, std::vector<std::string>{"A"});
    EXPECT_EQ(size, 42);
    EXPECT_EQ(GetPropertyValue(*a, "OnClick").AsEvent().name, "ButtonClick");

    EXPECT_EQ(ErrorOf([&] { SetPropertyValue(*a, "OnClick", PropertyValue::FromEvent(measure->bind(form))); }),
              "Handler Measure does not fit event OnClick");
    SetPropertyValue(*b, "OnClick", GetPropertyValue(*a, "OnClick"));
    b->OnClick(b);
    EXPECT_EQ(form.clicks, (std::vector<std::string>{"A", "B"}));
    SetPropertyValue(*b, "OnClick", PropertyValue::FromEvent({}));
    EXPECT_FALSE(static_cast<bool>(b->OnClick));
}

TEST(StringListTest, IndexOfIgnoresLetterCaseButNotDoubleByteCharacters) {
    fw::StringList list{"suiForm1", "我的Abc", "\x81\x41"};
    EXPECT_EQ(list.IndexOf("SUIFORM1"), 0);
    EXPECT_EQ(list.IndexOf("我的aBC"), 1);
    // 0x81 0x61 is another character than 0x81 0x41, although 0x41/0x61 look like A/a.
    EXPECT_EQ(list.IndexOf("\x81\x61"), -1);
    EXPECT_EQ(list.IndexOf("\x81\x41"), 2);
    EXPECT_EQ(list.IndexOf("suiForm"), -1);
    EXPECT_THROW(list.Get(3), fw::Exception);
    EXPECT_THROW(list.Delete(-1), fw::Exception);
    EXPECT_THROW(list.Insert(4, "x"), fw::Exception);
}

TEST(StringListTest, TextJoinsWithCrLfAndSplitsAnyLineBreak) {
    fw::StringList list;
    int changes = 0;
    list.OnChange = [&] { ++changes; };
    list.SetText("a\r\nb\nc\rd\r\n");
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(list.Text(), "a\r\nb\r\nc\r\nd");
    list.SetText("\r\n\r\n");
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"", ""}));
    list.BeginUpdate();
    list.Add("x");
    list.Add("y");
    list.Delete(0);
    list.EndUpdate();
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(list.Text(), "\r\nx\r\ny");

    fw::StringList copy(list);
    copy.Add("z");
    EXPECT_EQ(changes, 3);
    list = copy;
    EXPECT_EQ(changes, 4);
    EXPECT_TRUE(list == copy);
}

struct FakeGraphic : fw::Graphic {
    int Width() const override { return 3; }
    int Height() const override { return 4; }
};

TEST_F(PropertiesTest, PicturesLoadThroughTheInstalledLoader) {
    fw::Picture::SetResourceLoader([](const std::string& name) -> std::shared_ptr<fw::Graphic> {
        if (name != "MACOS_BUTTON") throw fw::Exception("Resource " + name + " not found");
        return std::make_shared<FakeGraphic>();
    });
    SetPropertyValue(*a, "Glyph", PropertyValue::FromText("MACOS_BUTTON"));
    EXPECT_EQ(a->Glyph().Width(), 3);
    EXPECT_EQ(a->Glyph().Height(), 4);
    EXPECT_EQ(ErrorOf([&] { SetPropertyValue(*a, "Glyph.ResourceName", PropertyValue::FromText("NOPE")); }),
              "Resource NOPE not found");
    EXPECT_EQ(a->Glyph().ResourceName(), "MACOS_BUTTON");
    a->Glyph().SetGraphic(std::make_shared<FakeGraphic>());
    EXPECT_EQ(a->Glyph().ResourceName(), "");
    a->Glyph().Clear();
    EXPECT_TRUE(a->Glyph().Empty());
    fw::Picture::SetResourceLoader(nullptr);
}

TEST(CollectionTest, ItemsKeepOrderAndCopiesAreIndependent) {
    fw::OwnedCollection<TestItem> items;
    int changes = 0;
    fw::CollectionItem* last = nullptr;
    items.OnChange = [&](fw::CollectionItem* item) {
        ++changes;
        last = item;
    };
    items.Add().SetTop(1);
    items.Add().SetTop(2);
    items.Insert(0).SetTop(0);
    EXPECT_EQ(last, &items.Item(0));
    items.Move(0, 2);
    EXPECT_EQ(items.Item(2).Top(), 0);
    EXPECT_EQ(items.Item(2).Index(), 2);
    EXPECT_EQ(last, nullptr);
    EXPECT_EQ(changes, 7);

    std::unique_ptr<fw::Collection> copy = items.Clone();
    items.Delete(0);
    ASSERT_EQ(copy->Count(), 3);
    EXPECT_EQ(static_cast<TestItem&>(copy->Item(0)).Top(), 1);
    EXPECT_THROW(items.Item(2), fw::Exception);
    EXPECT_THROW(items.Move(0, 5), fw::Exception);

    items.Assign(*copy);
    EXPECT_EQ(items.Count(), 3);
    EXPECT_EQ(items.Item(2).Top(), 0);
}

} // namespace
