#include "framework/stdctrls/CustomEdit.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/FlagScope.h"
#include "framework/core/GbkText.h"
#include "framework/core/WideText.h"

namespace fw {

namespace {

size_t GbkLengthOf(std::wstring_view wide) { return WideToGbk(wide).size(); }

} // namespace

CustomEdit::CustomEdit(Component* owner) : NativeControl(owner) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 21);
    SetBorderStyle(ControlBorderStyle::Single);
}

const ClassInfo& CustomEdit::StaticClass() {
    static const ClassInfo& info =
        ClassBuilder<CustomEdit>("TCustomEdit", NativeControl::StaticClass())
            .Factory(nullptr)
            .AddBoolean("ReadOnly", &CustomEdit::ReadOnly, &CustomEdit::SetReadOnly)
            .AddInteger("MaxLength", &CustomEdit::MaxLength, &CustomEdit::SetMaxLength)
            .AddEnum("CharCase", EditCharCaseInfo(), &CustomEdit::CharCase, &CustomEdit::SetCharCase)
            .AddBoolean("HideSelection", &CustomEdit::HideSelection, &CustomEdit::SetHideSelection)
            .AddText("ImeName", &CustomEdit::ImeName, &CustomEdit::SetImeName)
            .AddEvent("OnChange", &CustomEdit::OnChange)
            .Register();
    return info;
}

void CustomEdit::CreateParams(WindowParams& params) {
    NativeControl::CreateParams(params);
    params.baseClassName = L"EDIT";
    params.style |= ES_LEFT;
    if (readOnly_) params.style |= ES_READONLY;
    if (!hideSelection_) params.style |= ES_NOHIDESEL;
    if (charCase_ == EditCharCase::UpperCase) params.style |= ES_UPPERCASE;
    if (charCase_ == EditCharCase::LowerCase) params.style |= ES_LOWERCASE;
}

void CustomEdit::HandleCreated() {
    NativeControl::HandleCreated();
    HWND h = Handle();
    SendMessageW(h, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
    SendMessageW(h, EM_SETMODIFY, modified_ ? TRUE : FALSE, 0);
    // A letter case style changes the text the window was created with.
    const std::string shown = WideToGbk(WindowText());
    if (shown != Text()) TextFromWindow(shown);
}

std::wstring CustomEdit::WindowText() const {
    HWND h = const_cast<CustomEdit*>(this)->Handle();
    const int length = GetWindowTextLengthW(h);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(h, text.data(), length + 1);
    text.resize(static_cast<size_t>(got > 0 ? got : 0));
    return text;
}

void CustomEdit::TextChanged() {
    if (takingWindowText_) return;  // the window shows it already
    {
        FlagScope setting(settingText_);
        NativeControl::TextChanged();
    }
    if (!IsLoading() && !IsDestroying()) Change();
}

void CustomEdit::TextFromWindow(const std::string& gbk) {
    {
        FlagScope taking(takingWindowText_);
        SetCaption(gbk);
    }
    if (!IsLoading() && !IsDestroying()) Change();
}

void CustomEdit::Change() { OnChange(this); }

void CustomEdit::WndProc(Message& m) {
    if (m.msg == CN_COMMAND) {
        EditNotification(HIWORD(m.wParam));
        m.result = 0;
        return;
    }
    if (m.msg == WM_PASTE) {
        WMPaste(m);
        return;
    }
    NativeControl::WndProc(m);
}

void CustomEdit::EditNotification(WORD code) {
    // A change the program made is reported by TextChanged itself, once.
    if (code != EN_CHANGE || settingText_ || trimming_ || !HandleAllocated()) return;
    std::wstring shown = WindowText();
    if (maxLength_ > 0 && GbkLengthOf(shown) > static_cast<size_t>(maxLength_)) shown = TrimToMaxLength(shown);
    TextFromWindow(WideToGbk(shown));
}

std::wstring CustomEdit::TrimToMaxLength(const std::wstring& shown) {
    // Input that passed by the key and paste checks (the window's own paste keys, an input
    // method): the characters just before the caret, where that input ended, go first.
    DWORD start = 0, caret = 0;
    SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&caret));
    size_t end = caret < shown.size() ? caret : shown.size();
    const size_t excess = GbkLengthOf(shown) - static_cast<size_t>(maxLength_);
    size_t from = end;
    size_t removed = 0;
    while (from > 0 && removed < excess) removed += GbkLengthOf(std::wstring_view(shown).substr(--from, 1));
    std::wstring kept = shown.substr(0, from) + shown.substr(end);
    if (removed < excess) {
        kept = GbkToWide(GbkCut(WideToGbk(kept), static_cast<size_t>(maxLength_)));
        from = kept.size();
    }
    {
        FlagScope trimming(trimming_);
        SetWindowTextW(Handle(), kept.c_str());
        SendMessageW(Handle(), EM_SETSEL, from, from);
    }
    MessageBeep(0);
    return kept;
}

size_t CustomEdit::SelectedBytes() {
    DWORD start = 0, end = 0;
    SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (end <= start) return 0;
    const std::wstring text = WindowText();
    if (start >= text.size()) return 0;
    return GbkLengthOf(std::wstring_view(text).substr(start, end - start));
}

void CustomEdit::WMChar(Message& m) {
    const auto ch = static_cast<wchar_t>(m.wParam);
    if (maxLength_ > 0 && !readOnly_ && HandleAllocated() && (ch >= 0x20 || (ch == L'\r' && multiline_)) && ch != 0x7F) {
        const size_t adding = ch == L'\r' ? 2 : GbkLengthOf(std::wstring_view(&ch, 1));
        if (Text().size() - SelectedBytes() + adding > static_cast<size_t>(maxLength_)) {
            MessageBeep(0);
            m.result = 0;
            return;
        }
    }
    NativeControl::WMChar(m);
}

void CustomEdit::WMPaste(Message& m) {
    if (maxLength_ <= 0 || readOnly_ || !HandleAllocated()) {
        DefaultHandler(m);
        return;
    }
    m.result = 0;
    std::string text;
    if (!OpenClipboard(Handle())) return;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = WideToGbk(wide);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    // A single line takes the clipboard's first line only.
    if (!multiline_) text = text.substr(0, text.find_first_of("\r\n"));
    const size_t kept = Text().size() - SelectedBytes();
    const size_t room = kept < static_cast<size_t>(maxLength_) ? static_cast<size_t>(maxLength_) - kept : 0;
    const std::string fitting = GbkCut(text, room);
    if (fitting.size() < text.size()) MessageBeep(0);
    if (fitting.empty()) return;
    SendMessageW(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(GbkToWide(fitting).c_str()));
}

void CustomEdit::SetReadOnly(bool v) {
    if (v == readOnly_) return;
    readOnly_ = v;
    if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, v ? TRUE : FALSE, 0);
}

void CustomEdit::SetMaxLength(int bytes) {
    if (bytes < 0) bytes = 0;
    maxLength_ = bytes;
    // The window's own limit counts characters, each at least one byte: an upper bound.
    if (HandleAllocated()) SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void CustomEdit::SetCharCase(EditCharCase c) {
    if (c == charCase_) return;
    charCase_ = c;
    RecreateWnd();
}

void CustomEdit::SetHideSelection(bool v) {
    if (v == hideSelection_) return;
    hideSelection_ = v;
    RecreateWnd();
}

bool CustomEdit::Modified() {
    if (HandleAllocated()) modified_ = SendMessageW(Handle(), EM_GETMODIFY, 0, 0) != 0;
    return modified_;
}

void CustomEdit::SetModified(bool v) {
    modified_ = v;
    if (HandleAllocated()) SendMessageW(Handle(), EM_SETMODIFY, v ? TRUE : FALSE, 0);
}

int CustomEdit::WideToByteOffset(const std::wstring& text, int wideOffset) const {
    if (wideOffset <= 0) return 0;
    return static_cast<int>(GbkLengthOf(std::wstring_view(text).substr(0, static_cast<size_t>(wideOffset))));
}

int CustomEdit::ByteToWideOffset(const std::wstring& text, int byteOffset) const {
    int bytes = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (bytes >= byteOffset) return static_cast<int>(i);
        bytes += static_cast<int>(GbkLengthOf(std::wstring_view(text).substr(i, 1)));
    }
    return static_cast<int>(text.size());
}

int CustomEdit::SelStart() {
    if (!HandleAllocated()) return 0;
    DWORD start = 0, end = 0;
    SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return WideToByteOffset(WindowText(), static_cast<int>(start));
}

void CustomEdit::SetSelStart(int byteOffset) {
    if (!HandleAllocated()) return;
    const int at = ByteToWideOffset(WindowText(), byteOffset);
    SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(at), static_cast<LPARAM>(at));
}

int CustomEdit::SelLength() {
    if (!HandleAllocated()) return 0;
    return static_cast<int>(SelectedBytes());
}

void CustomEdit::SetSelLength(int bytes) {
    if (!HandleAllocated()) return;
    DWORD start = 0, end = 0;
    SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const std::wstring text = WindowText();
    const int startBytes = WideToByteOffset(text, static_cast<int>(start));
    const int stop = ByteToWideOffset(text, startBytes + (bytes < 0 ? 0 : bytes));
    SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(stop));
}

std::string CustomEdit::SelText() {
    if (!HandleAllocated()) return {};
    DWORD start = 0, end = 0;
    SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const std::wstring text = WindowText();
    if (end <= start || start >= text.size()) return {};
    return WideToGbk(std::wstring_view(text).substr(start, end - start));
}

void CustomEdit::SelectAll() {
    if (HandleAllocated()) SendMessageW(Handle(), EM_SETSEL, 0, -1);
}

} // namespace fw
