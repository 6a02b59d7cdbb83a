#include "framework/shell/Clipboard.h"

#include "framework/core/Exception.h"
#include "framework/core/WideText.h"

#include <cstring>
#include <cwchar>
#include <utility>

namespace fw {

namespace {

constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenRetryMs = 10;

// Closes the clipboard however the block is left.
struct OpenClipboardScope {
    ~OpenClipboardScope() { CloseClipboard(); }
};

// A movable memory block for the clipboard; freed unless handed over with Release.
class GlobalBlock {
public:
    GlobalBlock(const void* bytes, size_t size) {
        // A block of size 0 would be a discarded handle, which SetClipboardData refuses.
        memory_ = GlobalAlloc(GMEM_MOVEABLE, size == 0 ? 1 : size);
        if (memory_ == nullptr) throw Exception("Out of memory for the clipboard");
        void* target = GlobalLock(memory_);
        if (target == nullptr) {
            GlobalFree(memory_);
            throw Exception("Out of memory for the clipboard");
        }
        if (size != 0) std::memcpy(target, bytes, size);
        GlobalUnlock(memory_);
    }
    GlobalBlock(GlobalBlock&& other) noexcept : memory_(std::exchange(other.memory_, nullptr)) {}
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;
    GlobalBlock& operator=(GlobalBlock&&) = delete;
    ~GlobalBlock() {
        if (memory_ != nullptr) GlobalFree(memory_);
    }

    // On success the clipboard owns the memory.
    bool Put(UINT format) {
        if (SetClipboardData(format, memory_) == nullptr) return false;
        memory_ = nullptr;
        return true;
    }

private:
    HGLOBAL memory_ = nullptr;
};

} // namespace

void Clipboard::Open() {
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        if (OpenClipboard(nullptr)) return;
        Sleep(kOpenRetryMs);
    }
    throw Exception("Cannot open the clipboard");
}

void Clipboard::SetAsText(const std::string& gbk) { SetAsText(gbk, {}); }

void Clipboard::SetAsText(const std::string& gbk, const std::vector<NamedData>& extra) {
    const std::wstring wide = GbkToWide(gbk.c_str());
    GlobalBlock text(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    std::vector<std::pair<UINT, GlobalBlock>> formats;
    formats.reserve(extra.size());
    for (const NamedData& data : extra) {
        const UINT format = RegisterClipboardFormatW(GbkToWide(data.Name).c_str());
        if (format == 0) throw Exception(Format("Cannot register the clipboard format %s", data.Name.c_str()));
        formats.emplace_back(format, GlobalBlock(data.Bytes.data(), data.Bytes.size()));
    }
    Open();
    OpenClipboardScope scope;
    EmptyClipboard();
    bool written = text.Put(CF_UNICODETEXT);
    for (auto& [format, block] : formats) written = written && block.Put(format);
    if (!written) {
        // Half a transaction (text without its companions) is worse than none.
        EmptyClipboard();
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

DWORD Clipboard::SequenceNumber() { return GetClipboardSequenceNumber(); }

bool Clipboard::ClearIfUnchanged(DWORD sequence) {
    Open();
    OpenClipboardScope scope;
    if (GetClipboardSequenceNumber() != sequence) return false;
    EmptyClipboard();
    return true;
}

} // namespace fw
