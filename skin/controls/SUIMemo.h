#pragma once
// The skinned multi-line edit: the framework's memo (lines, word wrap, read-only, the byte
// limit) inside the style's two-ring border.
//
// It can also drive two skinned scroll bars, separate components on the same parent that it
// lays over its own native bars and keeps in step with the text. The native bars stay
// underneath (ScrollBars follows the bars attached), so the edit keeps maintaining its scroll
// ranges, which the memo reads back into the skinned bars after anything that may scroll; a
// skinned bar moved by the user scrolls the edit. Two guards break the loop native scroll ->
// read back -> bar OnChange -> native scroll. The bars are not owned: detached, they get back
// an automatic slider, Max 100 and the enabled state; a memo going away first leaves them
// without its handler.

#include "framework/core/ComponentRef.h"
#include "framework/stdctrls/Memo.h"
#include "skin/controls/SUIBorderedControl.h"

class TsuiScrollBar;

class TsuiMemo : public TsuiBorderedControl<fw::Memo> {
public:
    explicit TsuiMemo(fw::Component* owner);
    ~TsuiMemo() override;

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    TsuiScrollBar* VScrollBar() const { return vScrollBar_.Get(); }
    void SetVScrollBar(TsuiScrollBar* bar);
    TsuiScrollBar* HScrollBar() const { return hScrollBar_.Get(); }
    void SetHScrollBar(TsuiScrollBar* bar);

    void Notification(fw::Component* c, fw::Operation operation) override;
    void WndProc(fw::Message& m) override;

protected:
    void UIStyleChanged() override;
    void FileThemeChanged() override;
    void EnabledChanged() override;
    void HandleCreated() override;
    // The frame, and the corner between two skinned bars, which neither covers.
    void PaintBorderFrame(HDC windowDc, const fw::Rect& outer, const fw::Rect& inner) override;

private:
    void Attach(fw::ComponentRef<TsuiScrollBar>& slot, TsuiScrollBar* bar, bool vertical);
    // ScrollBars from the bars attached.
    void UpdateNativeScrollBars();
    // The bars over the native ones, in the parent's coordinates; then a synchronisation.
    void PlaceScrollBars();
    // Native bars -> skinned bars.
    void SyncScrollBars();
    void SyncScrollBar(TsuiScrollBar& bar, bool vertical);
    // A skinned bar moved: the edit scrolls to its position.
    void BarScrolled(bool vertical);
    void StyleScrollBar(TsuiScrollBar& bar);

    bool mouseDown_ = false;
    fw::ComponentRef<TsuiScrollBar> vScrollBar_;
    fw::ComponentRef<TsuiScrollBar> hScrollBar_;
    bool syncing_ = false;
    bool scrolling_ = false;
};
