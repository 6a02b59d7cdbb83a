#pragma once
// The multi-line edit ("TMemo"). Lines is a live view of the text: changing the list
// rewrites the window, and typing updates the list. Word wrap and scroll bars are window
// styles fixed at creation, so changing them re-creates the window (the text is kept). The
// native scroll bars' metrics (ScrollInfo) let a derived control mirror them in bars of its own.

#include "framework/core/StringList.h"
#include "framework/stdctrls/CustomEdit.h"

namespace fw {

class Memo : public CustomEdit {
public:
    explicit Memo(Component* owner);

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    StringList& Lines() { return lines_; }
    const StringList& Lines() const { return lines_; }
    void SetLines(const StringList& lines) { lines_.Assign(lines); }

    ScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(ScrollStyle s);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    // Return starts a new line (true by default) instead of reaching the form's default button.
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool v);
    // Tab is typed into the text instead of moving the focus (false by default).
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool v) { wantTabs_ = v; }

    // Number of lines the window shows the text in (wrapped lines count), and the first one shown.
    int DisplayLineCount();
    int FirstVisibleLine();

protected:
    void CreateParams(WindowParams& params) override;
    void TextChanged() override;
    void WMGetDlgCode(Message& m) override;

private:
    void LinesChanged();

    StringList lines_;
    ScrollStyle scrollBars_ = ScrollStyle::None;
    bool wordWrap_ = true;
    bool wantReturns_ = true;
    bool wantTabs_ = false;
    bool updatingLines_ = false;
};

} // namespace fw
