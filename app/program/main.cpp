// The program: the application object titled "Vornik", the main window from its designed
// description, and the message loop.
#include "app/program/Unit1.h"
#include "app/standins/PlainMessageDialog.h"
#include "app/standins/PlainSideChannel.h"
#include "framework/core/ClassInfo.h"
#include "framework/forms/Application.h"
#include "framework/graphics/PictureLoader.h"
#include "framework/menus/MenuItem.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/ImageListComponent.h"
#include "framework/stdctrls/Label.h"
#include "framework/stdctrls/Memo.h"
#include "framework/stdctrls/Panel.h"
#include "framework/stdctrls/RadioGroup.h"
#include "framework/stdctrls/TreeView.h"
#include "skin/controls/SUIButton.h"
#include "skin/frame/SUIPopupMenu.h"
#include "skin/styles/SUIMgr.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    fw::Application& app = fw::App();
    try {
        fw::InstallPictureResourceLoader(instance);
        // Every class the designed windows name.
        fw::RegisterClasses<TForm1, fw::Panel, fw::TreeView, fw::Edit, fw::Label, fw::RadioGroup, fw::Memo,
                            fw::ImageListComponent, fw::MenuItem, TPlainSideChannel, TPlainMessageDialog,
                            TsuiThemeManager, TsuiButton, TsuiCheckBox, TsuiPopupMenu>();
        app.SetTitle("Vornik");
        app.CreateForm<TForm1>();
    } catch (...) {
        app.HandleException(std::current_exception());
    }
    app.Run();
    return 0;
}
