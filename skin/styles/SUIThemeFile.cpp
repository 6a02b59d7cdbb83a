#include "skin/styles/SUIThemeFile.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/Exception.h"
#include "framework/core/Properties.h"
#include "framework/forms/Form.h"
#include "framework/graphics/Bitmap.h"
#include "framework/core/WideText.h"
#include "skin/styles/SUIPublic.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace {

std::string SystemErrorText(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = length != 0 && text != nullptr ? std::wstring(text, length) : std::wstring();
    if (text != nullptr) LocalFree(text);
    while (!message.empty() && (message.back() == L'\r' || message.back() == L'\n' || message.back() == L' '))
        message.pop_back();
    return message.empty() ? fw::Format("System error %lu", static_cast<unsigned long>(code)) : fw::WideToGbk(message);
}

bool FileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

// The whole content of the file; the size is checked against the reader's limit before anything
// is allocated.
std::vector<std::uint8_t> ReadWholeFile(const std::string& gbkPath) {
    const std::wstring path = fw::GbkToWide(gbkPath);
    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        throw fw::Exception(fw::Format("Cannot open theme file \"%s\". %s", gbkPath.c_str(), SystemErrorText(error).c_str()));
    }
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.Get(), &size)) {
        const DWORD error = GetLastError();
        throw fw::Exception(fw::Format("Cannot read theme file \"%s\". %s", gbkPath.c_str(), SystemErrorText(error).c_str()));
    }
    if (static_cast<std::uint64_t>(size.QuadPart) > TsuiThemeFileReader::MaxFileSize)
        throw fw::Exception(fw::Format("Invalid theme file: \"%s\" is too large", gbkPath.c_str()));

    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        if (!ReadFile(file.Get(), bytes.data() + done, want, &got, nullptr)) {
            const DWORD error = GetLastError();
            throw fw::Exception(fw::Format("Cannot read theme file \"%s\". %s", gbkPath.c_str(), SystemErrorText(error).c_str()));
        }
        // The file shrank while it was read.
        if (got == 0) throw fw::Exception(fw::Format("Cannot read theme file \"%s\"", gbkPath.c_str()));
        done += got;
    }
    return bytes;
}

// The folder of the running program, with a trailing backslash.
std::wstring ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return std::wstring();
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t slash = path.find_last_of(L"\\/");
    path.erase(slash == std::wstring::npos ? 0 : slash + 1);
    if (!path.empty() && path.back() != L'\\' && path.back() != L'/') path += L'\\';
    return path;
}

// Wide text, so that a GBK trail byte equal to '\' is never taken for a separator.
std::wstring FileNamePart(const std::wstring& path) {
    const std::size_t separator = path.find_last_of(L"\\/:");
    return separator == std::wstring::npos ? path : path.substr(separator + 1);
}

} // namespace

// --- TsuiFileThemeMgr ---

TsuiFileThemeMgr::TsuiFileThemeMgr() = default;
TsuiFileThemeMgr::~TsuiFileThemeMgr() = default;

bool TsuiFileThemeMgr::LoadThemeFile(const std::string& fileName) {
    if (!FileExists(fw::GbkToWide(fileName))) return false;
    auto reader = std::make_unique<TsuiThemeFileReader>(ReadWholeFile(fileName));
    reader_ = std::move(reader);
    return true;
}

bool TsuiFileThemeMgr::GetBitmap(TsuiThemeElement element, fw::Bitmap& bitmap) const {
    const std::string_view key = GetThemeElementKey(element);
    if (reader_ == nullptr || key.empty()) return false;
    const auto stream = reader_->GetImageStream(key);
    if (!stream) return false;
    bitmap.LoadFromBitmapFile(stream->data(), stream->size());
    return true;
}

bool TsuiFileThemeMgr::GetBool(TsuiThemeElement element) const {
    const std::string_view key = GetThemeElementKey(element);
    return reader_ != nullptr && !key.empty() && reader_->GetBoolValue(key);
}

std::int32_t TsuiFileThemeMgr::GetInt(TsuiThemeElement element) const {
    if (reader_ == nullptr) return 0;
    const std::string_view key = GetThemeElementKey(element);
    return key.empty() ? -1 : reader_->GetIntValue(key);
}

fw::Color TsuiFileThemeMgr::GetColor(TsuiThemeElement element) const {
    return static_cast<fw::Color>(GetInt(element));
}

bool TsuiFileThemeMgr::HasValue(TsuiThemeElement element) const {
    const std::string_view key = GetThemeElementKey(element);
    if (reader_ == nullptr || key.empty()) return false;
    switch (GetThemeElementKind(element)) {
    case ThemeElementKind::Image: return reader_->HasEntry(TsuiThemeEntryKind::Image, key);
    case ThemeElementKind::Bool: return reader_->HasEntry(TsuiThemeEntryKind::Boolean, key);
    case ThemeElementKind::Int:
    case ThemeElementKind::Color: return reader_->HasEntry(TsuiThemeEntryKind::Integer, key);
    }
    return false;
}

// --- TsuiFileTheme ---

TsuiFileTheme::TsuiFileTheme(fw::Component* owner) : fw::Component(owner) {}

TsuiFileTheme::~TsuiFileTheme() {
    // The removal notices go out while the theme is still whole: a component hearing of it may
    // still ask it whether it can be used.
    BeginDestroy();
}

const fw::ClassInfo& TsuiFileTheme::StaticClass() {
    static const fw::ClassInfo& info =
        fw::ClassBuilder<TsuiFileTheme>("TsuiFileTheme", fw::Component::StaticClass())
            .AddText("ThemeFile", &TsuiFileTheme::ThemeFile, &TsuiFileTheme::SetThemeFile)
            .Register();
    return info;
}

void TsuiFileTheme::SetThemeFile(const std::string& value) {
    if (value == path_) return;
    std::wstring path = fw::GbkToWide(value);
    if (!FileExists(path)) {
        path = ProgramFolder() + FileNamePart(path);
        if (!FileExists(path)) return;
    }
    const std::string resolved = fw::WideToGbk(path);
    // The path is kept only with the theme it loaded, so a failed file can be set again once mended.
    if (!manager_.LoadThemeFile(resolved)) return;
    path_ = resolved;
    RefreshUsers();
}

void TsuiFileTheme::RefreshUsers() {
    auto* form = dynamic_cast<fw::Form*>(Owner());
    if (form == nullptr) return;
    const fw::PropertyValue self = fw::PropertyValue::FromComponent(this);
    // Index by index: a component re-reading its values must not invalidate the walk.
    for (int i = 0; i < form->ComponentCount(); ++i) {
        fw::Component* component = form->Components(i);
        if (!component->ClassName().starts_with("Tsui") || !fw::HasProperty(*component, "FileTheme")) continue;
        const fw::PropertyValue current = fw::GetPropertyValue(*component, "FileTheme");
        if (current.GetKind() != fw::PropertyValue::Kind::Component || current.AsComponent() != this) continue;
        fw::SetPropertyValue(*component, "FileTheme", self);
    }
}

void TsuiFileTheme::GetBitmap(TsuiThemeElement element, fw::Bitmap* bitmap) const {
    if (bitmap != nullptr) manager_.GetBitmap(element, *bitmap);
}

void TsuiFileTheme::GetBitmapFrame(TsuiThemeElement element, fw::Bitmap* bitmap, int frameCount, int frameIndex) const {
    if (bitmap == nullptr) return;
    if (frameCount == 0) {
        manager_.GetBitmap(element, *bitmap);
        return;
    }
    fw::Bitmap whole;
    if (!manager_.GetBitmap(element, whole)) return;
    CutBitmapFrame(whole, *bitmap, frameCount, frameIndex);
}
