#include "framework/shell/Clipboard.h"

#include "framework/core/Exception.h"
#include "framework/graphics/WideText.h"

#include <cstring>
#include <cwchar>

namespace fw {

namespace {

constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenRetryMs = 10;

// Closes the clipboard however the block is left.
struct OpenClipboardScope {
    ~OpenClipboardScope() { CloseClipboard(); }
};

} // namespace

void Clipboard::Open() {
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        if (OpenClipboard(nullptr)) return;
        Sleep(kOpenRetryMs);
    }
    throw Exception("Cannot open the clipboard");
}

void Clipboard::SetAsText(const std::string& gbk) {
    const std::wstring wide = GbkToWide(gbk.c_str());
    const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) throw Exception("Out of memory for the clipboard");
    void* target = GlobalLock(memory);
    if (target == nullptr) {
        GlobalFree(memory);
        throw Exception("Out of memory for the clipboard");
    }
    std::memcpy(target, wide.c_str(), bytes);
    GlobalUnlock(memory);
    try {
        Open();
    } catch (...) {
        GlobalFree(memory);
        throw;
    }
    OpenClipboardScope scope;
    EmptyClipboard();
    // On success the clipboard owns the memory.
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
        GlobalFree(memory);
        throw Exception("Cannot put the text on the clipboard");
    }
}

std::string Clipboard::AsText() {
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT)) return {};
    Open();
    OpenClipboardScope scope;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (data == nullptr) return {};
    const auto* text = static_cast<const wchar_t*>(GlobalLock(data));
    if (text == nullptr) return {};
    // The block may be larger than the text, or (from a careless writer) lack the NUL.
    const size_t capacity = GlobalSize(data) / sizeof(wchar_t);
    const std::wstring wide(text, wcsnlen(text, capacity));
    GlobalUnlock(data);
    return WideToGbk(wide);
}

bool Clipboard::HasText() { return IsClipboardFormatAvailable(CF_UNICODETEXT) != 0; }

void Clipboard::Clear() {
    Open();
    OpenClipboardScope scope;
    EmptyClipboard();
}

} // namespace fw
