#pragma once
// The main window of the password book, read from its designed description "TFORM1": the
// entry book in the tree view and the EntryTable, the commands on it, the start-up as a single
// instance with its notification-area icon, hiding to and restoring from that icon, the tray
// menu, the confirmed exit and the choice of look in the side channel.

#include "app/clipboard/ClipboardGuard.h"
#include "app/record/EntryBook.h"
#include "framework/forms/Form.h"
#include "framework/shell/TrayIcon.h"

#include <string>

namespace fw {
class Edit;
class ImageListComponent;
class MenuItem;
class PopupMenu;
class TreeNode;
class TreeView;
} // namespace fw

class TsuiCheckBox;
class TsuiEdit;
class TsuiMemo;
class TsuiMessageDialog;
class TsuiRadioGroup;
class TsuiSideChannel;
class TsuiThemeManager;
class TsuiTreeView;

// Registers every class the main window's description names; `instance` is the module whose
// bitmap resources the pictures name.
void RegisterMainWindowClasses(HINSTANCE instance);

class TForm1 : public fw::Form {
public:
    // The callback message of the notification-area icon.
    static constexpr UINT WM_TRAYICON = WM_USER + 1;
    static constexpr UINT TrayIconId = 100;
    static constexpr UINT_PTR TrayIconTimer = 1;

    explicit TForm1(fw::Component* owner);
    ~TForm1() override;

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    // --- the window ---
    void FormCreate(fw::Component* sender);
    void FormClose(fw::Component* sender, fw::CloseAction& action);
    void FormResize(fw::Component* sender);
    void FormDeactivate(fw::Component* sender);
    void suiButton6Click(fw::Component* sender);
    void suiSideChannel1Pop(fw::Component* sender);
    void suiRadioGroup1Click(fw::Component* sender);
    void N1Click(fw::Component* sender);
    void N2Click(fw::Component* sender);
    void N3Click(fw::Component* sender);

    // --- the entry book ---
    void TreeView1Change(fw::Component* sender, fw::TreeNode* node);
    void suiButton3Click(fw::Component* sender);
    void suiButton4Click(fw::Component* sender);
    void suiButton5Click(fw::Component* sender);
    void suiButton8Click(fw::Component* sender);
    void suiButton1Click(fw::Component* sender);
    void suiButton2Click(fw::Component* sender);
    void CheckBox1Click(fw::Component* sender);
    void Label2Click(fw::Component* sender);
    void suiButton7Click(fw::Component* sender);

    void Loaded() override;

protected:
    void WndProc(fw::Message& m) override;
    void WMSysCommand(fw::Message& m) override;
    void WMTrayIcon(fw::Message& m);

private:
    template <class T>
    T* Part(const char* name);

    // Start-up.
    bool AnotherInstanceRestored();
    void AddTrayIcon();
    void LoadBook();
    // The look of the record file (or of the first start): its radio item chosen without the
    // click handler, and the theme manager given the style.
    void ApplyStoredStyle(int styleNumber);

    // The entry book between the tree view and the record model.
    void FillTreeFromBook();
    void TakeNodesFromTree();
    void SaveBook();
    void Save();
    static std::string Now();
    // Label1 shows entry i's update time, with the whole of it as its hint when the label cuts it
    // short; the first group leaves it as it is.
    void ShowUpdateTime(int i);

    // The mask character of the two secret edits; setting CheckBox1 from code runs no handler.
    void SetMask(bool on);
    void CopyToClipboard(const fw::Edit& edit);

    void HideToTray();
    void ShowFromTray();

    TsuiTreeView* TreeView1 = nullptr;
    TsuiEdit* Edit1 = nullptr;
    TsuiEdit* Edit2 = nullptr;
    TsuiEdit* Edit3 = nullptr;
    TsuiCheckBox* CheckBox1 = nullptr;
    fw::Control* Label1 = nullptr;
    fw::Control* suiButton5 = nullptr;
    fw::Control* suiButton7 = nullptr;
    TsuiSideChannel* suiSideChannel1 = nullptr;
    TsuiRadioGroup* suiRadioGroup1 = nullptr;
    TsuiMemo* suiMemo1 = nullptr;
    TsuiMessageDialog* suiMessageDialog1 = nullptr;
    TsuiThemeManager* suiThemeManager1 = nullptr;
    fw::PopupMenu* popupmenu1 = nullptr;
    fw::MenuItem* N1 = nullptr;

    EntryBook book_;
    bool maskFlag_ = false;
    // Set from start-up until the icon has been added (or the program ends first).
    bool trayIconPending_ = false;
    fw::TrayIcon trayIcon_;
    // The delay is the user's setting at start-up.
    ClipboardGuard clipboard_{ClipboardGuard::ClearSecondsSetting()};
};
