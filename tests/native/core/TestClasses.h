#pragma once
// Registered classes the core tests build, set by name and read from descriptions. They log
// what happens to them (notices, Loaded, destruction) into one shared log.

#include "framework/core/ClassBuilder.h"
#include "framework/core/ComponentRef.h"
#include "framework/core/Event.h"

#include <string>
#include <vector>

enum class TestStyle : unsigned char { FromThemeFile, MacOS, WinXP, DeepBlue, Protein, BlueGlass };
enum TestAnchor : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };

const fw::EnumInfo& TestStyleInfo();
const fw::EnumInfo& TestAnchorInfo();

// Everything the test classes report, in order.
std::vector<std::string>& TestLog();

class TestWidget;

class TestItem : public fw::CollectionItem {
public:
    explicit TestItem(fw::Collection& c) : CollectionItem(c) {}
    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    int Top() const { return top_; }
    void SetTop(int top);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    fw::Picture& Glyph() { return glyph_; }
    TestWidget* Menu() const { return menu_; }
    void SetMenu(TestWidget* m) { menu_ = m; }

private:
    int top_ = 2;
    bool visible_ = true;
    fw::Picture glyph_;
    TestWidget* menu_ = nullptr;
};

class TestWidget : public fw::Component {
public:
    explicit TestWidget(fw::Component* owner);
    ~TestWidget() override;
    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    int Left() const { return left_; }
    void SetLeft(int v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { visible_ = v; }
    fw::Color Color() const { return color_; }
    void SetColor(fw::Color c) { color_ = c; }
    TestStyle UIStyle() const { return style_; }
    void SetUIStyle(TestStyle s);
    unsigned Anchors() const { return anchors_; }
    void SetAnchors(unsigned a) { anchors_ = a; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c) { caption_ = c; }
    int Cursor() const { return cursor_; }
    void SetCursor(int c) { cursor_ = c; }
    fw::Font& Font() { return font_; }
    void SetFont(const fw::Font& f) { font_.Assign(f); }
    fw::StringList& Lines() { return lines_; }
    void SetLines(const fw::StringList& l);
    fw::Picture& Glyph() { return glyph_; }
    fw::OwnedCollection<TestItem>& Buttons() { return buttons_; }
    TestWidget* Buddy() const { return buddy_.Get(); }
    void SetBuddy(TestWidget* w);

    fw::NotifyEvent OnClick;
    fw::Event<fw::Component*, int&> OnMeasure;

    void Loaded() override;
    void Notification(fw::Component* c, fw::Operation operation) override;
    void SetParentComponent(fw::Component* parent) override;

    fw::Component* ParentComponent() const { return parent_; }
    int fontChanges = 0;
    int linesChanges = 0;
    int linesSetterCalls = 0;
    int buttonsChanges = 0;
    bool buddyWasSetWhileLoading = false;
    // Destroyed by this widget the first time it hears of any removal.
    fw::Component* destroyOnNotice = nullptr;

private:
    int left_ = 0;
    bool visible_ = true;
    fw::Color color_ = fw::clBtnFace;
    TestStyle style_ = TestStyle::DeepBlue;
    unsigned anchors_ = akLeft | akTop;
    std::string caption_;
    int cursor_ = 0;
    fw::Font font_;
    fw::StringList lines_;
    fw::Picture glyph_;
    fw::OwnedCollection<TestItem> buttons_;
    fw::ComponentRef<TestWidget> buddy_;
    fw::Component* parent_ = nullptr;
};

// Adds nothing but its class: properties come from TestWidget's registration.
class TestPanel : public TestWidget {
public:
    using TestWidget::TestWidget;
    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }
};

// A window class built in code and filled from a description; it registers handlers.
class TestForm : public fw::Component {
public:
    explicit TestForm(fw::Component* owner) : Component(owner) {}
    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    void ButtonClick(fw::Component* sender);
    void Measure(fw::Component* sender, int& size);
    void Loaded() override;

    std::vector<std::string> clicks;
};

// Forgets to override ClassType(), so creating it by name must fail.
class TestBroken : public fw::Component {
public:
    using Component::Component;
    static const fw::ClassInfo& StaticClass();
};

void RegisterTestClasses();
