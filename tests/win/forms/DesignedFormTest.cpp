// A form filled from its designed description, compiled in as an RCDATA resource named
// after its class.
#include "tests/win/forms/TestControls.h"
#include "tests/win/forms/WinTestSupport.h"

#include "framework/core/DescriptionReader.h"
#include "framework/forms/Screen.h"
#include "framework/core/WideText.h"

#include <gtest/gtest.h>

using namespace fw;
using fwtest::Owned;
using fwtest::TestButton;
using fwtest::TestPanel;

namespace {

class TTestDesignedForm : public Form {
public:
    explicit TTestDesignedForm(Component* owner) : Form(owner) {}
    static const ClassInfo& StaticClass() {
        static const ClassInfo& info = ClassBuilder<TTestDesignedForm>("TTestDesignedForm", Form::StaticClass())
                                           .AddHandler("FormCreate", &TTestDesignedForm::FormCreate)
                                           .Register();
        return info;
    }
    const ClassInfo& ClassType() const override { return StaticClass(); }

    void FormCreate(Component*) {
        created = true;
        auto* ok = dynamic_cast<TestButton*>(FindComponent("Ok"));
        childrenExisted = ok != nullptr && ok->Caption() == "确定" && !IsLoading();
    }

    bool created = false;
    bool childrenExisted = false;
};

TEST(DesignedForm, IsReadFromItsResourceAndThenCreated) {
    RegisterClasses<TestButton, TestPanel>();
    ASSERT_TRUE(Form::HasDescription("TTestDesignedForm"));
    Owned<TTestDesignedForm> f(new TTestDesignedForm(&App()));
    f->InitializeForm();
    EXPECT_TRUE(f->created);
    EXPECT_TRUE(f->childrenExisted) << "OnCreate runs after the whole description was read";
    EXPECT_EQ(f->Name(), "DesignedForm");
    EXPECT_EQ(f->Caption(), "设计的窗口");
    EXPECT_EQ(f->GetBorderStyle(), BorderStyle::Dialog);
    EXPECT_EQ(f->GetFormStyle(), FormStyle::StayOnTop);
    EXPECT_EQ(f->Font().Name(), "SimSun");

    f->Show();
    HWND h = f->Handle();
    wchar_t caption[64] = {};
    GetWindowTextW(h, caption, 64);
    EXPECT_EQ(std::wstring(caption), GbkToWide("设计的窗口"));
    RECT client;
    GetClientRect(h, &client);
    EXPECT_EQ(client.right, 260);
    EXPECT_EQ(client.bottom, 140);
    EXPECT_TRUE(GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(f->Left(), (Screen::Width() - f->Width()) / 2) << "screen centre wins over the designed Left";

    auto* bar = dynamic_cast<TestPanel*>(f->FindComponent("Bar"));
    auto* body = dynamic_cast<TestPanel*>(f->FindComponent("Body"));
    auto* ok = dynamic_cast<TestButton*>(f->FindComponent("Ok"));
    auto* cancel = dynamic_cast<TestButton*>(f->FindComponent("Cancel"));
    ASSERT_TRUE(bar && body && ok && cancel);
    EXPECT_EQ(ok->Parent(), bar) << "nesting gives the parent";
    EXPECT_EQ(ok->Owner(), f.get()) << "the form owns everything";
    EXPECT_EQ(GetParent(ok->Handle()), bar->Handle());
    EXPECT_EQ(body->BoundsRect(), (Rect{0, 30, 260, 140}));
    EXPECT_EQ(body->Font().Name(), "SimSun") << "ParentFont";
    EXPECT_EQ(cancel->TabOrder(), 0);
    EXPECT_EQ(ok->TabOrder(), 1);

    f->Hide();
    f->OnShow = [&](Component*) { fwtest::PostClick(ok->Handle(), 3, 3); };
    EXPECT_EQ(f->ShowModal(), mrOk);
}

TEST(DesignedForm, AMissingNamedDescriptionIsAnError) {
    Owned<fwtest::TestForm> f(new fwtest::TestForm(&App()));
    EXPECT_FALSE(Form::HasDescription("TNoSuchForm"));
    EXPECT_THROW(f->InitializeForm("TNoSuchForm"), Exception);
    bool created = false;
    Owned<fwtest::TestForm> plain(new fwtest::TestForm(&App()));
    plain->OnCreate = [&](Component*) { created = true; };
    plain->InitializeForm();
    EXPECT_TRUE(created) << "a form without a description is still created";
}

} // namespace
