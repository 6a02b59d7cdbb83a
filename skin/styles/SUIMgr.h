#pragma once
// The theme manager: a non-visual component on a form that pushes one style and one file theme
// into every component of the form named in its list, by the published properties UIStyle and
// FileTheme.

#include "framework/core/Component.h"
#include "framework/core/ComponentRef.h"
#include "framework/core/StringList.h"
#include "skin/styles/SUIThemeFile.h"
#include "skin/styles/SUIThemeTable.h"

// Names of components of the manager's form, one a line; matched ignoring letter case and
// applied in line order. Duplicates and names of no component are allowed.
class TsuiThemeMgrCompList : public fw::StringList {
public:
    using fw::StringList::StringList;
    using fw::StringList::operator=;

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }
};

class TsuiThemeManager : public fw::Component {
public:
    // Starts in DeepBlue with an empty list.
    explicit TsuiThemeManager(fw::Component* owner);
    ~TsuiThemeManager() override;

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    TsuiUIStyle UIStyle() const { return uiStyle_; }
    // Stores the style and applies it to the listed components, even when it is unchanged.
    void SetUIStyle(TsuiUIStyle style);
    TsuiFileTheme* FileTheme() const { return fileTheme_.Get(); }
    // Stores the reference and applies the current style again with it.
    void SetFileTheme(TsuiFileTheme* fileTheme);
    TsuiThemeMgrCompList& CompList() { return compList_; }
    const TsuiThemeMgrCompList& CompList() const { return compList_; }
    // Copies the lines; nothing is applied until the style or the file theme is set next.
    void SetCompList(const fw::StringList& lines);

    // A removed component loses its first line in the list; when it is the file theme, the
    // reference is cleared and the style becomes DeepBlue without applying anything.
    void Notification(fw::Component* component, fw::Operation operation) override;

private:
    // Sets UIStyle, then FileTheme, on each listed component of the owning form, in list order.
    // Nothing happens when the owner is not a form. A listed component without the properties
    // stops the pass with the property system's error. A pass does not start while one runs.
    void ApplyUIStyle();

    TsuiUIStyle uiStyle_ = TsuiUIStyle::DeepBlue;
    fw::ComponentRef<TsuiFileTheme> fileTheme_;
    TsuiThemeMgrCompList compList_;
    bool applying_ = false;
};
