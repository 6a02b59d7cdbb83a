#include "framework/stdctrls/StdCtrls.h"

#include "framework/core/ClassInfo.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/CheckBox.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/GroupBox.h"
#include "framework/stdctrls/Image.h"
#include "framework/stdctrls/ImageListComponent.h"
#include "framework/stdctrls/Label.h"
#include "framework/stdctrls/Memo.h"
#include "framework/stdctrls/Panel.h"
#include "framework/stdctrls/RadioButton.h"
#include "framework/stdctrls/RadioGroup.h"
#include "framework/stdctrls/SpeedButton.h"
#include "framework/stdctrls/ToolBar.h"
#include "framework/stdctrls/ToolButton.h"
#include "framework/stdctrls/TreeView.h"

namespace fw {

void RegisterStandardControls() {
    RegisterClasses<Label, Image, Panel, GroupBox, Button, CheckBox, RadioButton, RadioGroup, Edit, Memo, TreeView,
                    TreeNodeItem, ImageListComponent, SpeedButton, ToolBar, ToolButton>();
}

} // namespace fw
