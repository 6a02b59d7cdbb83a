#pragma once
// What the single-line and the multi-line edit share, over the system EDIT class. The text
// is GBK in the model and wide in the window: Text() follows every change the user makes
// (through EN_CHANGE), and setting it writes the window. OnChange runs once for every change
// of the text, by the user or by the program (not while the designed window is read).
//
// MaxLength limits what the user types or pastes, counted in GBK bytes like every length
// limit of the model (a Chinese character takes two); text set by the program is not cut.
// Selection positions are GBK byte offsets too.

#include "framework/stdctrls/NativeControl.h"

#include <string>

namespace fw {

class CustomEdit : public NativeControl {
public:
    explicit CustomEdit(Component* owner);

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    // Bytes the user may bring the text to; 0 for no limit.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int bytes);
    EditCharCase CharCase() const { return charCase_; }
    void SetCharCase(EditCharCase c);
    // Keep the selection shown while the edit has no focus when false (true by default).
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool v);
    // The input method to switch to on focus; kept for the description, not acted on.
    const std::string& ImeName() const { return imeName_; }
    void SetImeName(const std::string& name) { imeName_ = name; }

    // Whether the user changed the text since the flag was last cleared.
    bool Modified();
    void SetModified(bool v);

    int SelStart();
    void SetSelStart(int byteOffset);
    int SelLength();
    void SetSelLength(int bytes);
    std::string SelText();
    void SelectAll();

    void WndProc(Message& m) override;

    NotifyEvent OnChange;

protected:
    void CreateParams(WindowParams& params) override;
    void HandleCreated() override;
    void TextChanged() override;
    // Runs OnChange; derived classes react to text changes here.
    virtual void Change();
    // The window's text changed (a user edit): takes it into the model.
    virtual void TextFromWindow(const std::string& gbk);
    void WMChar(Message& m) override;
    virtual void WMPaste(Message& m);
    // EN_* notifications reflected from the parent.
    virtual void EditNotification(WORD code);

    bool Multiline() const { return multiline_; }
    void SetMultiline(bool v) { multiline_ = v; }

private:
    std::wstring WindowText() const;
    // Cuts a user's change that went past MaxLength back to it; gives the text kept.
    std::wstring TrimToMaxLength(const std::wstring& shown);
    // GBK bytes the selection would give back if replaced.
    size_t SelectedBytes();
    int WideToByteOffset(const std::wstring& text, int wideOffset) const;
    int ByteToWideOffset(const std::wstring& text, int byteOffset) const;

    bool readOnly_ = false;
    int maxLength_ = 0;
    EditCharCase charCase_ = EditCharCase::Normal;
    bool hideSelection_ = true;
    bool multiline_ = false;
    bool modified_ = false;
    std::string imeName_;
    bool settingText_ = false;
    bool takingWindowText_ = false;
    bool trimming_ = false;
};

} // namespace fw
