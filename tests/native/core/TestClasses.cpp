#include "TestClasses.h"

std::vector<std::string>& TestLog() {
    static std::vector<std::string> log;
    return log;
}

const fw::EnumInfo& TestStyleInfo() {
    static const fw::EnumInfo info("TTestStyle", std::vector<std::string>{"FromThemeFile", "MacOS", "WinXP",
                                                                          "DeepBlue", "Protein", "BlueGlass"});
    return info;
}

const fw::EnumInfo& TestAnchorInfo() {
    static const fw::EnumInfo info("TAnchorKind", std::vector<std::string>{"akLeft", "akTop", "akRight", "akBottom"});
    return info;
}

static const fw::EnumInfo& CursorInfo() {
    static const fw::EnumInfo info("TCursor", std::vector<std::pair<std::string, int>>{{"crDefault", 0}, {"crHandPoint", -21}});
    return info;
}

const fw::ClassInfo& TestItem::StaticClass() {
    static const fw::ClassInfo& info = fw::ClassBuilder<TestItem>("TTestItem", fw::CollectionItem::StaticClass())
                                           .AddInteger("Top", &TestItem::Top, &TestItem::SetTop)
                                           .AddBoolean("Visible", &TestItem::Visible, &TestItem::SetVisible)
                                           .AddPicture("Glyph", &TestItem::Glyph)
                                           .AddReference("Menu", &TestItem::Menu, &TestItem::SetMenu)
                                           .Register();
    return info;
}

void TestItem::SetTop(int top) {
    top_ = top;
    Changed();
}

void TestItem::SetVisible(bool v) {
    visible_ = v;
    Changed();
}

TestWidget::TestWidget(fw::Component* owner) : Component(owner), buttons_(this), buddy_(*this) {
    font_.OnChange = [this] { ++fontChanges; };
    lines_.OnChange = [this] { ++linesChanges; };
    buttons_.OnChange = [this](fw::CollectionItem*) { ++buttonsChanges; };
}

TestWidget::~TestWidget() { TestLog().push_back("destroy " + Name()); }

const fw::ClassInfo& TestWidget::StaticClass() {
    static const fw::ClassInfo& info =
        fw::ClassBuilder<TestWidget>("TTestWidget", fw::Component::StaticClass())
            .AddInteger("Left", &TestWidget::Left, &TestWidget::SetLeft)
            .AddBoolean("Visible", &TestWidget::Visible, &TestWidget::SetVisible)
            .AddColor("Color", &TestWidget::Color, &TestWidget::SetColor)
            .AddEnum("UIStyle", TestStyleInfo(), &TestWidget::UIStyle, &TestWidget::SetUIStyle)
            .AddSet("Anchors", TestAnchorInfo(), &TestWidget::Anchors, &TestWidget::SetAnchors)
            .AddText("Caption", &TestWidget::Caption, &TestWidget::SetCaption)
            .AddInteger("Cursor", &TestWidget::Cursor, &TestWidget::SetCursor, &CursorInfo())
            .AddFont("Font", &TestWidget::Font, &TestWidget::SetFont)
            .AddStrings("Lines", &TestWidget::Lines, &TestWidget::SetLines)
            .AddPicture("Glyph", &TestWidget::Glyph)
            .AddCollection("Buttons", &TestWidget::Buttons)
            .AddReference("Buddy", &TestWidget::Buddy, &TestWidget::SetBuddy)
            .AddEvent("OnClick", &TestWidget::OnClick)
            .AddEvent("OnMeasure", &TestWidget::OnMeasure)
            .Register();
    return info;
}

void TestWidget::SetLeft(int v) {
    left_ = v;
    TestLog().push_back("set " + Name() + ".Left");
}

void TestWidget::SetUIStyle(TestStyle s) {
    style_ = s;
    TestLog().push_back("set " + Name() + ".UIStyle");
}

void TestWidget::SetLines(const fw::StringList& l) {
    ++linesSetterCalls;
    lines_.Assign(l);
}

void TestWidget::SetBuddy(TestWidget* w) {
    buddy_.Set(w);
    if (w != nullptr && IsLoading()) buddyWasSetWhileLoading = true;
    TestLog().push_back("set " + Name() + ".Buddy");
}

void TestWidget::Loaded() {
    Component::Loaded();
    TestLog().push_back("loaded " + Name());
}

void TestWidget::Notification(fw::Component* c, fw::Operation operation) {
    Component::Notification(c, operation);
    if (operation != fw::opRemove) return;
    TestLog().push_back(Name() + " hears " + c->Name());
    buddy_.Removed(c);
    if (fw::Component* victim = destroyOnNotice) {
        destroyOnNotice = nullptr;
        delete victim;
    }
}

void TestWidget::SetParentComponent(fw::Component* parent) { parent_ = parent; }

const fw::ClassInfo& TestPanel::StaticClass() {
    static const fw::ClassInfo& info = fw::ClassBuilder<TestPanel>("TTestPanel", TestWidget::StaticClass()).Register();
    return info;
}

const fw::ClassInfo& TestForm::StaticClass() {
    static const fw::ClassInfo& info = fw::ClassBuilder<TestForm>("TTestForm", fw::Component::StaticClass())
                                           .AddHandler("ButtonClick", &TestForm::ButtonClick)
                                           .AddHandler("Measure", &TestForm::Measure)
                                           .Register();
    return info;
}

void TestForm::ButtonClick(fw::Component* sender) { clicks.push_back(sender->Name()); }

void TestForm::Measure(fw::Component*, int& size) { size = 42; }

void TestForm::Loaded() {
    Component::Loaded();
    TestLog().push_back("loaded " + Name());
}

const fw::ClassInfo& TestBroken::StaticClass() {
    static const fw::ClassInfo& info = fw::ClassBuilder<TestBroken>("TTestBroken", fw::Component::StaticClass()).Register();
    return info;
}

void RegisterTestClasses() { fw::RegisterClasses<TestWidget, TestPanel, TestForm, TestBroken>(); }
