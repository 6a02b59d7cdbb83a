#include "skin/styles/SUIMgr.h"

#include "framework/controls/InvalidationBatch.h"
#include "framework/controls/RedrawSuspension.h"
#include "framework/core/ClassBuilder.h"
#include "framework/core/Properties.h"
#include "framework/forms/Form.h"
#include "skin/styles/SUIThemes.h"

#include <string>
#include <vector>

const fw::ClassInfo& TsuiThemeMgrCompList::StaticClass() {
    static const fw::ClassInfo& info =
        fw::ClassBuilder<TsuiThemeMgrCompList>("TsuiThemeMgrCompList", fw::StringList::StaticClass()).Register();
    return info;
}

TsuiThemeManager::TsuiThemeManager(fw::Component* owner) : fw::Component(owner), fileTheme_(*this) {
    SetUIStyle(TsuiUIStyle::DeepBlue);
}

TsuiThemeManager::~TsuiThemeManager() = default;

const fw::ClassInfo& TsuiThemeManager::StaticClass() {
    static const fw::ClassInfo& info =
        fw::ClassBuilder<TsuiThemeManager>("TsuiThemeManager", fw::Component::StaticClass())
            .AddEnum("UIStyle", UIStyleInfo(), &TsuiThemeManager::UIStyle, &TsuiThemeManager::SetUIStyle)
            .AddReference("FileTheme", &TsuiThemeManager::FileTheme, &TsuiThemeManager::SetFileTheme)
            .AddStrings("CompList", [](TsuiThemeManager& m) -> fw::StringList& { return m.CompList(); },
                        &TsuiThemeManager::SetCompList)
            .Register();
    return info;
}

void TsuiThemeManager::SetUIStyle(TsuiUIStyle style) {
    uiStyle_ = style;
    ApplyUIStyle();
}

void TsuiThemeManager::SetFileTheme(TsuiFileTheme* fileTheme) {
    fileTheme_.Set(fileTheme);
    SetUIStyle(uiStyle_);
}

void TsuiThemeManager::SetCompList(const fw::StringList& lines) {
    compList_.Assign(lines);
}

void TsuiThemeManager::ApplyUIStyle() {
    auto* form = dynamic_cast<fw::Form*>(Owner());
    // A list naming the manager itself, or two managers naming each other, would otherwise
    // restyle without end.
    if (form == nullptr || applying_) return;
    applying_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{applying_};
    const fw::PropertyValue style = fw::PropertyValue::FromEnum(static_cast<int>(uiStyle_), GetUIStyleName(uiStyle_));
    const fw::PropertyValue theme = fw::PropertyValue::FromComponent(fileTheme_.Get());
    // A copy of the lines: a component restyling itself may destroy another, whose line then
    // leaves the list.
    const std::vector<std::string> names = compList_.Lines();
    // The window is drawn once, afterwards, instead of control by control as each changes.
    const fw::RedrawSuspension quiet(form);
    // Each component invalidates itself once per property it changes; the batch asks once.
    const fw::InvalidationBatch batch;
    for (const std::string& name : names) {
        fw::Component* component = form->FindComponent(name);
        if (component == nullptr) continue;
        fw::SetPropertyValue(*component, "UIStyle", style);
        fw::SetPropertyValue(*component, "FileTheme", theme);
    }
}

void TsuiThemeManager::Notification(fw::Component* component, fw::Operation operation) {
    fw::Component::Notification(component, operation);
    if (operation != fw::opRemove || component == nullptr) return;
    if (component != this && !component->Name().empty()) {
        const int line = compList_.IndexOf(component->Name());
        if (line >= 0) compList_.Delete(line);
    }
    if (fileTheme_.Removed(component)) uiStyle_ = TsuiUIStyle::DeepBlue;
}
