#include "skin/controls/SUIMemo.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/FlagScope.h"
#include "framework/graphics/Canvas.h"
#include "skin/controls/SUIScrollBar.h"

#include <algorithm>

TsuiMemo::TsuiMemo(fw::Component* owner)
    : TsuiBorderedControl<fw::Memo>(owner), vScrollBar_(*this), hScrollBar_(*this) {
    TakeOwnerStyle(owner);
}

TsuiMemo::~TsuiMemo() {
    BeginDestroy();
    // The bars outlive the memo when they were made after it: their OnChange must not call
    // into it any more.
    for (TsuiScrollBar* bar : {vScrollBar_.Get(), hScrollBar_.Get()})
        if (bar != nullptr) bar->OnChange.Clear();
    DestroyHandle();
}

const fw::ClassInfo& TsuiMemo::StaticClass() {
    static const fw::ClassInfo& info =
        fw::ClassBuilder<TsuiMemo>("TsuiMemo", fw::Memo::StaticClass())
            .AddColor("BorderColor", &TsuiMemo::BorderColor, &TsuiMemo::SetBorderColor)
            .AddEnum("UIStyle", UIStyleInfo(), &TsuiMemo::UIStyle, &TsuiMemo::SetUIStyle)
            .AddReference("FileTheme", &TsuiMemo::FileTheme, &TsuiMemo::SetFileTheme)
            .AddReference("VScrollBar", &TsuiMemo::VScrollBar, &TsuiMemo::SetVScrollBar)
            .AddReference("HScrollBar", &TsuiMemo::HScrollBar, &TsuiMemo::SetHScrollBar)
            .Register();
    return info;
}

void TsuiMemo::SetVScrollBar(TsuiScrollBar* bar) {
    // One bar cannot stand for both directions.
    if (bar != nullptr && bar == hScrollBar_.Get()) SetHScrollBar(nullptr);
    Attach(vScrollBar_, bar, true);
}

void TsuiMemo::SetHScrollBar(TsuiScrollBar* bar) {
    if (bar != nullptr && bar == vScrollBar_.Get()) SetVScrollBar(nullptr);
    Attach(hScrollBar_, bar, false);
}

void TsuiMemo::Attach(fw::ComponentRef<TsuiScrollBar>& slot, TsuiScrollBar* bar, bool vertical) {
    if (bar == slot.Get()) return;
    if (TsuiScrollBar* old = slot.Get()) {
        old->OnChange.Clear();
        old->SetLineButton(0);
        old->SetMax(100);
        old->SetEnabled(true);
    }
    slot.Set(bar);
    if (bar == nullptr) {
        UpdateNativeScrollBars();
        return;
    }
    bar->SetOrientation(vertical ? TsuiProgressBarOrientation::suiVertical : TsuiProgressBarOrientation::suiHorizontal);
    bar->OnChange = [this, vertical](fw::Component*) { BarScrolled(vertical); };
    bar->BringToFront();
    UpdateNativeScrollBars();
    PlaceScrollBars();
}

void TsuiMemo::UpdateNativeScrollBars() {
    const bool v = vScrollBar_.Get() != nullptr, h = hScrollBar_.Get() != nullptr;
    SetScrollBars(v && h ? fw::ScrollStyle::Both
                  : v    ? fw::ScrollStyle::Vertical
                  : h    ? fw::ScrollStyle::Horizontal
                         : fw::ScrollStyle::None);
}

void TsuiMemo::PlaceScrollBars() {
    TsuiScrollBar* v = vScrollBar_.Get();
    TsuiScrollBar* h = hScrollBar_.Get();
    if (h != nullptr) {
        h->SetVisible(Height() >= h->Height());
        h->SetBounds(Left() + 1, Top() + Height() - h->Height() - 2,
                     std::max(Width() - (v != nullptr ? v->Width() : 0) - 2, 0), h->Height());
    }
    if (v != nullptr) {
        v->SetVisible(Width() >= v->Width());
        v->SetBounds(Left() + Width() - v->Width() - 2, Top() + 1, v->Width(),
                     std::max(Height() - (h != nullptr ? h->Height() : 0) - 2, 0));
    }
    SyncScrollBars();
}

void TsuiMemo::SyncScrollBars() {
    if (scrolling_ || !HandleAllocated() || IsDestroying()) return;
    fw::FlagScope syncing(syncing_);
    if (TsuiScrollBar* h = hScrollBar_.Get()) SyncScrollBar(*h, false);
    if (TsuiScrollBar* v = vScrollBar_.Get()) SyncScrollBar(*v, true);
}

void TsuiMemo::SyncScrollBar(TsuiScrollBar& bar, bool vertical) {
    const fw::NativeScrollInfo native = ScrollInfo(vertical);
    if (!native.available) {
        bar.SetLineButton(0);
        bar.SetEnabled(false);
        bar.SetSliderVisible(false);
    } else {
        // The bar raises a thumb shorter than 18 pixels and ignores one longer than its track.
        bar.SetLineButton(native.thumbLength);
        if (!vertical) bar.SetSmallChange(3 * bar.PageSize());
        bar.SetEnabled(true);
        bar.SetSliderVisible(true);
    }
    bar.SetMax(native.max - native.page + 1);
    bar.SetMin(native.min);
    bar.SetPosition(native.position);
}

void TsuiMemo::BarScrolled(bool vertical) {
    if (syncing_) return;
    TsuiScrollBar* bar = vertical ? vScrollBar_.Get() : hScrollBar_.Get();
    if (bar == nullptr || !HandleAllocated()) return;
    fw::FlagScope scrolling(scrolling_);
    // The request carries the position in 16 bits.
    Perform(vertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, bar->Position() & 0xFFFF), 0);
    Invalidate();
}

void TsuiMemo::WndProc(fw::Message& m) {
    TsuiBorderedControl<fw::Memo>::WndProc(m);
    switch (m.msg) {
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
    case WM_SETTEXT:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_KEYDOWN:
    // Typed text arrives after its key went down: a new line past the last one is only there now.
    case WM_CHAR:
    case WM_MOUSEWHEEL: SyncScrollBars(); break;
    case WM_LBUTTONDOWN:
        mouseDown_ = true;
        SyncScrollBars();
        break;
    case WM_MOUSEMOVE:
    // A selection held past the edge goes on scrolling on the edit's timer.
    case WM_TIMER:
        if (mouseDown_) SyncScrollBars();
        break;
    case WM_LBUTTONUP: mouseDown_ = false; break;
    case WM_MOVE:
    case WM_SIZE:
        if (!IsDestroying()) PlaceScrollBars();
        break;
    default: break;
    }
}

void TsuiMemo::EnabledChanged() {
    TsuiBorderedControl<fw::Memo>::EnabledChanged();
    SyncScrollBars();
}

void TsuiMemo::HandleCreated() {
    TsuiBorderedControl<fw::Memo>::HandleCreated();
    SyncScrollBars();
}

void TsuiMemo::PaintBorderFrame(HDC windowDc, const fw::Rect& outer, const fw::Rect& inner) {
    TsuiBorderedControl<fw::Memo>::PaintBorderFrame(windowDc, outer, inner);
    TsuiScrollBar* v = vScrollBar_.Get();
    TsuiScrollBar* h = hScrollBar_.Get();
    if (v == nullptr || h == nullptr || !v->Visible() || !h->Visible()) return;
    // The native size box under it is drawn a pixel short of its place; the bars' colour fills it.
    fw::Canvas canvas(windowDc);
    FillRectColor(canvas, fw::Rect{Width() - v->Width() - 1, Height() - h->Height() - 1, Width() - 2, Height() - 2},
                  v->GetColor());
}

void TsuiMemo::UIStyleChanged() {
    TsuiScrollBar* v = vScrollBar_.Get();
    TsuiScrollBar* h = hScrollBar_.Get();
    if (v == nullptr && h == nullptr) return;
    if (v != nullptr) StyleScrollBar(*v);
    if (h != nullptr) StyleScrollBar(*h);
    // Another look brings arrows of another size, and so bars of another width or height.
    PlaceScrollBars();
}

void TsuiMemo::FileThemeChanged() {
    for (TsuiScrollBar* bar : {vScrollBar_.Get(), hScrollBar_.Get()})
        if (bar != nullptr && bar->FileTheme() != FileTheme()) bar->SetFileTheme(FileTheme());
}

// The bars take the memo's effective style (FromThemeFile while its file theme is in use). A
// bar that shows it already is left alone: reloading its pictures would change nothing, and a
// file theme that loads a new file refreshes the bars itself.
void TsuiMemo::StyleScrollBar(TsuiScrollBar& bar) {
    const TsuiStyleValues values = StyleValues();
    const TsuiUIStyle style = values.FromFileTheme() ? TsuiUIStyle::FromThemeFile : values.EffectiveStyle();
    if (bar.FileTheme() != FileTheme()) bar.SetFileTheme(FileTheme());
    if (bar.UIStyle() != style) bar.SetUIStyle(style);
}

void TsuiMemo::Notification(fw::Component* c, fw::Operation operation) {
    TsuiBorderedControl<fw::Memo>::Notification(c, operation);
    if (operation != fw::opRemove) return;
    const bool dropped = vScrollBar_.Removed(c) | hScrollBar_.Removed(c);
    if (dropped && !IsDestroying()) UpdateNativeScrollBars();
}
