// The theme manager under Wine: the pass over its list (order, letter case, missing names,
// components without the properties, owners that are no form), removal notices of listed
// components and of its file theme, and a manager read from a designed window.
#include "tests/win/themes/ThemeTestSupport.h"

#include "framework/core/DescriptionReader.h"
#include "framework/core/Properties.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "skin/styles/SUIMgr.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace themetest;

namespace {

const std::vector<std::string> kMainWindowList = {
    "suiForm1",   "TreeView1",  "Edit1",      "Edit2",      "Edit3",           "CheckBox1",      "suiButton1",
    "suiButton2", "suiButton3", "suiButton4", "suiButton5", "suiButton6",      "suiButton7",     "suiButton8",
    "suiSideChannel1", "suiRadioGroup1", "suiMemo1", "suiMessageDialog1", "popupmenu1"};

fw::StringList Lines(const std::vector<std::string>& names) {
    fw::StringList list;
    for (const std::string& n : names) list.Add(n);
    return list;
}

std::vector<std::string> Applied(const std::vector<std::string>& names, const std::string& style,
                                 const std::string& theme = "nil") {
    std::vector<std::string> log;
    for (const std::string& n : names) {
        log.push_back(n + ".UIStyle=" + style);
        log.push_back(n + ".FileTheme=" + theme);
    }
    return log;
}

TsuiTestControl* NewControl(fw::Component* owner, const std::string& name) {
    auto* c = new TsuiTestControl(owner);
    c->SetName(name);
    return c;
}

// A form with the 19 components of the main window's list, created in the reverse order of
// the list, one unlisted component, and a manager holding the list.
struct MainWindow {
    std::unique_ptr<fw::Form> form = std::make_unique<fw::Form>(&fw::App());
    TsuiThemeManager* manager = nullptr;

    MainWindow() {
        for (auto it = kMainWindowList.rbegin(); it != kMainWindowList.rend(); ++it) NewControl(form.get(), *it);
        NewControl(form.get(), "Unlisted");
        manager = new TsuiThemeManager(form.get());
        manager->SetName("suiThemeManager1");
        manager->SetCompList(Lines(kMainWindowList));
        Log().clear();
    }
    TsuiTestControl* Control(const std::string& name) const {
        return dynamic_cast<TsuiTestControl*>(form->FindComponent(name));
    }
};

// --- the pass ---

TEST(ThemeManagerApply, EveryListedComponentGetsTheStyleThenTheThemeInListOrder) {
    MainWindow w;
    w.manager->SetUIStyle(TsuiUIStyle::WinXP);
    EXPECT_EQ(Log(), Applied(kMainWindowList, "WinXP"));
    EXPECT_EQ(w.Control("popupmenu1")->UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(w.Control("Unlisted")->restyles, 0);

    Log().clear();
    w.manager->SetUIStyle(TsuiUIStyle::WinXP);
    EXPECT_EQ(Log(), Applied(kMainWindowList, "WinXP")) << "the same style is applied again";
}

TEST(ThemeManagerApply, ANewListChangesNothingUntilTheStyleIsSetNext) {
    MainWindow w;
    w.manager->SetCompList(Lines({"Edit3"}));
    fw::SetPropertyValue(*w.manager, "CompList", fw::PropertyValue::FromStrings(Lines({"Edit1", "Edit2"})));
    EXPECT_TRUE(Log().empty());
    EXPECT_EQ(w.manager->CompList().Lines(), (std::vector<std::string>{"Edit1", "Edit2"}));
    w.manager->SetUIStyle(TsuiUIStyle::Protein);
    EXPECT_EQ(Log(), Applied({"Edit1", "Edit2"}, "Protein"));
}

TEST(ThemeManagerApply, NamesMatchInAnyCaseAndUnknownNamesAreSkipped) {
    MainWindow w;
    w.manager->SetCompList(Lines({"EDIT1", "NoSuchComponent", "", "suibutton2", "Edit1"}));
    w.manager->SetUIStyle(TsuiUIStyle::MacOS);
    EXPECT_EQ(Log(), Applied({"Edit1", "suiButton2", "Edit1"}, "MacOS"));
}

TEST(ThemeManagerApply, TheFileThemeFollowsTheStyleAndReachesTheComponents) {
    MainWindow w;
    auto* theme = new TsuiFileTheme(w.form.get());
    theme->SetName("suiFileTheme1");
    theme->SetThemeFile(ExampleThemePath());
    w.manager->SetCompList(Lines({"Edit1", "Edit2"}));
    w.manager->SetUIStyle(TsuiUIStyle::FromThemeFile);
    EXPECT_EQ(w.Control("Edit1")->effectiveStyle, TsuiUIStyle::DeepBlue) << "no theme yet";

    Log().clear();
    w.manager->SetFileTheme(theme);
    EXPECT_EQ(Log(), Applied({"Edit1", "Edit2"}, "FromThemeFile", "suiFileTheme1"));
    EXPECT_EQ(w.Control("Edit2")->FileTheme(), theme);
    EXPECT_EQ(w.Control("Edit2")->borderColor, fw::RgbColor(0x1F, 0x5F, 0x5F));
    EXPECT_EQ(fw::GetPropertyValue(*w.manager, "FileTheme").AsComponent(), theme);
}

TEST(ThemeManagerApply, AListedComponentWithoutThePropertiesStopsThePass) {
    MainWindow w;
    auto* plain = new fw::Component(w.form.get());
    plain->SetName("Plain");
    w.manager->SetCompList(Lines({"Edit1", "plain", "Edit2"}));
    try {
        w.manager->SetUIStyle(TsuiUIStyle::WinXP);
        ADD_FAILURE() << "no error";
    } catch (const fw::Exception& e) {
        EXPECT_STREQ(e.what(), "Property UIStyle does not exist");
    }
    EXPECT_EQ(Log(), Applied({"Edit1"}, "WinXP"));
    EXPECT_EQ(w.Control("Edit2")->restyles, 0);
    EXPECT_EQ(w.manager->UIStyle(), TsuiUIStyle::WinXP);
}

TEST(ThemeManagerApply, AManagerNotOwnedByAFormNeverChangesAnything) {
    fw::Component holder(nullptr);
    NewControl(&holder, "Edit1");
    auto* theme = new TsuiFileTheme(&holder);
    theme->SetThemeFile(ExampleThemePath());
    for (fw::Component* owner : {static_cast<fw::Component*>(&holder), static_cast<fw::Component*>(nullptr)}) {
        TsuiThemeManager manager(nullptr);
        if (owner != nullptr) owner->InsertComponent(&manager);
        manager.SetCompList(Lines({"Edit1"}));
        Log().clear();
        manager.SetUIStyle(TsuiUIStyle::WinXP);
        manager.SetFileTheme(theme);
        EXPECT_TRUE(Log().empty());
        if (owner != nullptr) owner->RemoveComponent(&manager);
    }
}

TEST(ThemeManagerApply, ManagersListingThemselvesOrEachOtherFinish) {
    auto form = std::make_unique<fw::Form>(&fw::App());
    NewControl(form.get(), "A");
    NewControl(form.get(), "B");
    auto* first = new TsuiThemeManager(form.get());
    first->SetName("Mgr1");
    auto* second = new TsuiThemeManager(form.get());
    second->SetName("Mgr2");
    first->SetCompList(Lines({"Mgr1", "A", "Mgr2"}));
    second->SetCompList(Lines({"Mgr1", "B"}));
    Log().clear();
    first->SetUIStyle(TsuiUIStyle::Protein);
    EXPECT_EQ(second->UIStyle(), TsuiUIStyle::Protein);
    EXPECT_EQ(dynamic_cast<TsuiTestControl*>(form->FindComponent("B"))->UIStyle(), TsuiUIStyle::Protein);
    std::vector<std::string> expected = Applied({"A", "B", "B"}, "Protein");
    EXPECT_EQ(Log(), expected);
}

// --- removal notices ---

TEST(ThemeManagerRemoval, DestroyingAListedComponentRemovesItsLine) {
    MainWindow w;
    delete w.Control("Edit2");
    std::vector<std::string> remaining = kMainWindowList;
    remaining.erase(remaining.begin() + 3);
    EXPECT_EQ(w.manager->CompList().Lines(), remaining);
    w.manager->SetUIStyle(TsuiUIStyle::BlueGlass);
    EXPECT_EQ(Log(), Applied(remaining, "BlueGlass"));
}

TEST(ThemeManagerRemoval, OnlyTheFirstMatchingLineGoesAndUnnamedComponentsTakeNone) {
    MainWindow w;
    w.manager->SetCompList(Lines({"", "edit1", "Edit1", "Edit2"}));
    delete new fw::Component(w.form.get());
    delete w.Control("Edit1");
    EXPECT_EQ(w.manager->CompList().Lines(), (std::vector<std::string>{"", "Edit1", "Edit2"}));
}

TEST(ThemeManagerRemoval, DestroyingTheFileThemeResetsToDeepBlueWithoutApplying) {
    for (bool sameForm : {true, false}) {
        SCOPED_TRACE(sameForm ? "theme on the manager's form" : "theme on another form");
        MainWindow w;
        auto themeForm = std::make_unique<fw::Form>(&fw::App());
        auto* theme = new TsuiFileTheme(sameForm ? w.form.get() : themeForm.get());
        theme->SetName("suiFileTheme1");
        theme->SetThemeFile(ExampleThemePath());
        w.manager->SetUIStyle(TsuiUIStyle::WinXP);
        w.manager->SetFileTheme(theme);
        Log().clear();

        delete theme;
        EXPECT_EQ(w.manager->FileTheme(), nullptr);
        EXPECT_EQ(w.manager->UIStyle(), TsuiUIStyle::DeepBlue);
        EXPECT_TRUE(Log().empty()) << "the manager applies nothing";
        EXPECT_EQ(w.Control("Edit1")->UIStyle(), TsuiUIStyle::WinXP);
        EXPECT_EQ(w.Control("Edit1")->FileTheme(), nullptr) << "the component forgot the theme itself";
        EXPECT_EQ(w.manager->CompList().Count(), 19);
    }
}

// --- designed windows ---

class TTestThemeForm : public fw::Form {
public:
    explicit TTestThemeForm(fw::Component* owner) : fw::Form(owner) {}
    static const fw::ClassInfo& StaticClass() {
        static const fw::ClassInfo& info =
            fw::ClassBuilder<TTestThemeForm>("TTestThemeForm", fw::Form::StaticClass()).Register();
        return info;
    }
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }
};

std::unique_ptr<fw::Component> ReadForm(bool withFileTheme) {
    fw::RegisterClasses<TTestThemeForm, TsuiTestControl, TsuiThemeManager, TsuiFileTheme>();
    std::string text = "object ThemeForm: TTestThemeForm\n"
                       "  object Edit1: TsuiTestControl\n"
                       "    UIStyle = Protein\n"
                       "  end\n";
    if (withFileTheme)
        text += "  object suiFileTheme1: TsuiFileTheme\n"
                "    ThemeFile = '" + ExampleThemePath() + "'\n"
                "  end\n";
    text += "  object suiThemeManager1: TsuiThemeManager\n"
            "    UIStyle = MacOS\n";
    if (withFileTheme) text += "    FileTheme = suiFileTheme1\n";
    text += "    CompList.Strings = (\n"
            "      'Edit1'\n"
            "      'edit2')\n"
            "  end\n"
            "  object Edit2: TsuiTestControl\n"
            "    UIStyle = WinXP\n"
            "  end\n"
            "end\n";
    Log().clear();
    return std::unique_ptr<fw::Component>(fw::DescriptionReader::CreateRoot(text, "ThemeForm.txt", &fw::App()));
}

TEST(ThemeManagerLoading, WithoutAStoredFileThemeLoadingAppliesNothing) {
    auto form = ReadForm(false);
    auto* manager = dynamic_cast<TsuiThemeManager*>(form->FindComponent("suiThemeManager1"));
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(manager->UIStyle(), TsuiUIStyle::MacOS);
    EXPECT_EQ(manager->CompList().Lines(), (std::vector<std::string>{"Edit1", "edit2"}));
    EXPECT_EQ(Log(), (std::vector<std::string>{"Edit1.UIStyle=Protein", "Edit2.UIStyle=WinXP"}));
}

TEST(ThemeManagerLoading, AStoredFileThemeAppliesTheListOnceReferencesAreResolved) {
    auto form = ReadForm(true);
    auto* manager = dynamic_cast<TsuiThemeManager*>(form->FindComponent("suiThemeManager1"));
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(manager->FileTheme(), form->FindComponent("suiFileTheme1"));
    std::vector<std::string> expected = {"Edit1.UIStyle=Protein", "Edit2.UIStyle=WinXP"};
    for (const std::string& line : Applied({"Edit1", "Edit2"}, "MacOS", "suiFileTheme1")) expected.push_back(line);
    EXPECT_EQ(Log(), expected);
}

} // namespace
