// System keys typed through the input queue while the focus is in a native child (tree view,
// edit) or in a self-drawn control: Alt+F4 asks the form to close, Alt with a caption's
// accelerator clicks its control, and Alt+Space and F10 go on to the form as the window-menu
// commands the system makes of them.
#include "tests/win/stdctrls/StdCtrlsTestSupport.h"

#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/TreeView.h"

using namespace fw;
using stdctrls_test::FormFixture;

namespace {

struct SystemKeysFixture : FormFixture {
    TreeView* tree = nullptr;
    Edit* edit = nullptr;
    fwtest::TestButton* button = nullptr;
    int closeRequests = 0;

    void SetUp() override {
        FormFixture::SetUp();
        tree = Add<TreeView>(8, 8, 150, 120);
        tree->Items().AddChild(nullptr, "网络");
        edit = Add<Edit>(170, 8, 121, 22);
        button = Add<fwtest::TestButton>(170, 40, 75, 25);
        button->SetCaption("&Save");
        // Every close request is counted and refused, so the form stays for the next key.
        form->OnClose = [this](Component*, CloseAction& action) {
            ++closeRequests;
            action = CloseAction::None;
        };
        SetForegroundWindow(form->Handle());
        ASSERT_TRUE(fwtest::PumpUntil([&] { return GetForegroundWindow() == form->Handle(); }));
    }

    void Focus(WinControl* c) {
        c->SetFocus();
        ASSERT_TRUE(fwtest::PumpUntil([&] { return GetFocus() == c->Handle(); }));
    }
};

TEST_F(SystemKeysFixture, AltF4AsksTheFormToCloseWhereverTheFocusIs) {
    for (WinControl* c : std::initializer_list<WinControl*>{tree, edit, button, form.get()}) {
        ASSERT_NO_FATAL_FAILURE(Focus(c));
        form->lastSysCommand = 0;
        const int before = closeRequests;
        fwtest::SendChord({VK_MENU, VK_F4});
        EXPECT_TRUE(fwtest::PumpUntil([&] { return closeRequests == before + 1; })) << "focus in " << c->ClassName();
        EXPECT_EQ(form->lastSysCommand, static_cast<WPARAM>(SC_CLOSE)) << c->ClassName();
    }
    EXPECT_TRUE(form->Showing());
}

TEST_F(SystemKeysFixture, AltWithAnAcceleratorAltSpaceAndF10ReachTheirTargets) {
    // Menu commands are recorded and go no further: no menu loop starts in the test.
    form->swallowSysCommands = true;
    for (WinControl* c : std::initializer_list<WinControl*>{tree, edit, button}) {
        ASSERT_NO_FATAL_FAILURE(Focus(c));
        const int clicks = button->clicks;
        fwtest::SendChord({VK_MENU, 'S'});
        EXPECT_TRUE(fwtest::PumpUntil([&] { return button->clicks == clicks + 1; })) << "Alt+S in " << c->ClassName();

        form->lastSysCommand = 0;
        fwtest::SendChord({VK_MENU, VK_SPACE});
        EXPECT_TRUE(fwtest::PumpUntil([&] { return form->lastSysCommand == SC_KEYMENU; })) << "Alt+Space in " << c->ClassName();
        EXPECT_EQ(form->lastSysCommandParam, ' ');

        form->lastSysCommand = 0;
        fwtest::SendChord({VK_F10});
        EXPECT_TRUE(fwtest::PumpUntil([&] { return form->lastSysCommand == SC_KEYMENU; })) << "F10 in " << c->ClassName();
    }
    EXPECT_EQ(closeRequests, 0);
    EXPECT_EQ(edit->Text(), "") << "no key reached the edit as text";
}

} // namespace
