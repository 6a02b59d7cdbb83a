#include "framework/stdctrls/Memo.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/FlagScope.h"

namespace fw {

Memo::Memo(Component* owner) : CustomEdit(owner) {
    SetMultiline(true);
    SetBounds(0, 0, 185, 89);
    lines_.OnChange = [this] { LinesChanged(); };
}

const ClassInfo& Memo::StaticClass() {
    static const ClassInfo& info =
        ClassBuilder<Memo>("TMemo", CustomEdit::StaticClass())
            .AddStrings("Lines", static_cast<StringList& (Memo::*)()>(&Memo::Lines), &Memo::SetLines)
            .AddEnum("ScrollBars", ScrollStyleInfo(), &Memo::ScrollBars, &Memo::SetScrollBars)
            .AddBoolean("WordWrap", &Memo::WordWrap, &Memo::SetWordWrap)
            .AddBoolean("WantReturns", &Memo::WantReturns, &Memo::SetWantReturns)
            .AddBoolean("WantTabs", &Memo::WantTabs, &Memo::SetWantTabs)
            .Register();
    return info;
}

void Memo::CreateParams(WindowParams& params) {
    CustomEdit::CreateParams(params);
    params.style |= ES_MULTILINE | ES_AUTOVSCROLL;
    if (!wordWrap_) params.style |= ES_AUTOHSCROLL;
    if (wantReturns_) params.style |= ES_WANTRETURN;
    if (scrollBars_ == ScrollStyle::Horizontal || scrollBars_ == ScrollStyle::Both) params.style |= WS_HSCROLL;
    if (scrollBars_ == ScrollStyle::Vertical || scrollBars_ == ScrollStyle::Both) params.style |= WS_VSCROLL;
}

void Memo::LinesChanged() {
    if (!updatingLines_) SetText(lines_.Text());
}

void Memo::TextChanged() {
    {
        FlagScope updating(updatingLines_);
        lines_.SetText(Text());
    }
    CustomEdit::TextChanged();
}

void Memo::SetScrollBars(ScrollStyle s) {
    if (s == scrollBars_) return;
    scrollBars_ = s;
    RecreateWnd();
}

void Memo::SetWordWrap(bool v) {
    if (v == wordWrap_) return;
    wordWrap_ = v;
    RecreateWnd();
}

void Memo::SetWantReturns(bool v) {
    if (v == wantReturns_) return;
    wantReturns_ = v;
    RecreateWnd();
}

void Memo::WMGetDlgCode(Message& m) {
    CustomEdit::WMGetDlgCode(m);
    if (m.wParam == VK_TAB && !wantTabs_) m.result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_WANTTAB);
    if (m.wParam == VK_RETURN && !wantReturns_) m.result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
}

int Memo::DisplayLineCount() { return static_cast<int>(SendMessageW(Handle(), EM_GETLINECOUNT, 0, 0)); }

int Memo::FirstVisibleLine() { return static_cast<int>(SendMessageW(Handle(), EM_GETFIRSTVISIBLELINE, 0, 0)); }

} // namespace fw
