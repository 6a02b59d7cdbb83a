// The arithmetic of alignment and size constraints, without windows.
#include "framework/controls/AlignLayout.h"
#include "framework/controls/SizeConstraints.h"
#include "framework/core/ClassBuilder.h"
#include "framework/core/DescriptionReader.h"
#include "framework/core/Exception.h"
#include "framework/core/Properties.h"

#include <gtest/gtest.h>

#include <memory>

using namespace fw;

namespace {

TEST(AlignLayout, EachKindTakesItsEdgeAndShrinksTheArea) {
    Rect area{5, 20, 295, 195};
    const Rect top = AlignedBounds(Align::Top, area, Rect{0, 0, 10, 10});
    EXPECT_EQ(top, (Rect{5, 20, 295, 30}));
    ConsumeAlignArea(Align::Top, area, top);
    const Rect bottom = AlignedBounds(Align::Bottom, area, Rect{0, 0, 10, 12});
    EXPECT_EQ(bottom, (Rect{5, 183, 295, 195}));
    ConsumeAlignArea(Align::Bottom, area, bottom);
    const Rect left = AlignedBounds(Align::Left, area, Rect{0, 0, 30, 1});
    ConsumeAlignArea(Align::Left, area, left);
    const Rect right = AlignedBounds(Align::Right, area, Rect{0, 0, 40, 1});
    ConsumeAlignArea(Align::Right, area, right);
    EXPECT_EQ(left, (Rect{5, 30, 35, 183}));
    EXPECT_EQ(right, (Rect{255, 30, 295, 183}));
    EXPECT_EQ(AlignedBounds(Align::Client, area, Rect{}), (Rect{35, 30, 255, 183}));
    EXPECT_EQ(AlignedBounds(Align::None, area, Rect{1, 2, 3, 4}), (Rect{1, 2, 3, 4}));
}

TEST(AlignLayout, TheAreaNeverTurnsInsideOut) {
    Rect area{0, 0, 100, 50};
    ConsumeAlignArea(Align::Top, area, Rect{0, 0, 100, 80});
    EXPECT_EQ(area.Top, 50);
    ConsumeAlignArea(Align::Bottom, area, Rect{0, 0, 100, 10});
    EXPECT_EQ(area.Bottom, 50);
    Rect wide{0, 0, 100, 50};
    ConsumeAlignArea(Align::Right, wide, Rect{0, 0, 130, 5});
    EXPECT_EQ(wide.Right, 0);
    EXPECT_TRUE(wide.Empty());
}

TEST(AlignLayout, DesignedOrderWithinAKind) {
    EXPECT_TRUE(AlignsBefore(Align::Top, Rect{0, 10, 5, 20}, 3, Rect{0, 40, 5, 50}, 1));
    EXPECT_TRUE(AlignsBefore(Align::Bottom, Rect{0, 80, 5, 100}, 3, Rect{0, 60, 5, 70}, 1))
        << "the lower bottom edge is placed first, at the bottom";
    EXPECT_TRUE(AlignsBefore(Align::Right, Rect{60, 0, 90, 5}, 2, Rect{10, 0, 40, 5}, 0));
    EXPECT_TRUE(AlignsBefore(Align::Left, Rect{0, 0, 5, 5}, 0, Rect{0, 0, 5, 5}, 1)) << "ties keep the child order";
    EXPECT_FALSE(AlignsBefore(Align::Left, Rect{0, 0, 5, 5}, 1, Rect{0, 0, 5, 5}, 0));
}

TEST(SizeConstraints, LimitsAndTheirInteraction) {
    SizeConstraints c;
    int changes = 0;
    c.OnChange = [&] { ++changes; };
    EXPECT_EQ(c.ConstrainWidth(-3), -3) << "no limits by default";
    c.SetMinWidth(130);
    c.SetMaxWidth(365);
    c.SetMinHeight(270);
    c.SetMaxHeight(270);
    EXPECT_EQ(c.ConstrainWidth(500), 365);
    EXPECT_EQ(c.ConstrainWidth(10), 130);
    EXPECT_EQ(c.ConstrainHeight(100), 270);
    EXPECT_EQ(changes, 4);
    c.SetMaxWidth(100);
    EXPECT_EQ(c.MinWidth(), 100);
    c.SetMinHeight(300);
    EXPECT_EQ(c.MaxHeight(), 300);
    c.SetMaxWidth(-5);
    EXPECT_EQ(c.MaxWidth(), 0);
    EXPECT_EQ(c.ConstrainWidth(1000), 1000) << "0 removes the limit";
}

// A component publishing its limits as a nested object, as every control does.
class LimitedBox : public Component {
public:
    explicit LimitedBox(Component* owner) : Component(owner) {
        limits.OnChange = [this] { ++changes; };
    }
    static const ClassInfo& StaticClass() {
        static const ClassInfo& info = ClassBuilder<LimitedBox>("TLimitedBox", Component::StaticClass())
                                           .AddNested("Constraints", &LimitedBox::Limits)
                                           .Register();
        return info;
    }
    const ClassInfo& ClassType() const override { return StaticClass(); }
    SizeConstraints& Limits() { return limits; }

    SizeConstraints limits;
    int changes = 0;
};

std::string ReadError(const char* text) {
    try {
        std::unique_ptr<Component>(DescriptionReader::CreateRoot(text, "box.txt", nullptr));
    } catch (const Exception& e) {
        return e.Message();
    }
    return "(no error)";
}

TEST(SizeConstraints, ADescriptionSetsThemThroughTheirOwnSetters) {
    RegisterClasses<LimitedBox>();
    std::unique_ptr<Component> root(DescriptionReader::CreateRoot(
        "object Box: TLimitedBox\n  Constraints.MaxHeight = 270\n  constraints.minheight = 270\n"
        "  Constraints.MaxWidth = 365\n  Constraints.MinWidth = 130\nend\n",
        "box.txt", nullptr));
    auto& box = dynamic_cast<LimitedBox&>(*root);
    EXPECT_EQ(box.limits.MinHeight(), 270);
    EXPECT_EQ(box.limits.MaxHeight(), 270);
    EXPECT_EQ(box.limits.MinWidth(), 130);
    EXPECT_EQ(box.limits.MaxWidth(), 365);
    EXPECT_EQ(box.changes, 4) << "each assignment went through the owner's live object";
    EXPECT_EQ(GetPropertyValue(box, "Constraints.MaxWidth").AsInteger(), 365);

    EXPECT_EQ(ReadError("object Box: TLimitedBox\n  Constraints = 5\nend\n"),
              "box.txt(2): Property Constraints is read-only");
    EXPECT_EQ(ReadError("object Box: TLimitedBox\n  Constraints.MinDepth = 5\nend\n"),
              "box.txt(2): Property Constraints.MinDepth does not exist");
    EXPECT_EQ(ReadError("object Box: TLimitedBox\n  Constraints.MinWidth = 'wide'\nend\n"),
              "box.txt(2): Invalid value 'wide' for property MinWidth");
}

} // namespace
