#pragma once
// Helpers of the theme tests: skinned test components that log every UIStyle and FileTheme
// write in order, theme files assembled from entries, and a temporary folder.

#include "framework/core/ClassBuilder.h"
#include "framework/core/Component.h"
#include "framework/core/ComponentRef.h"
#include "framework/core/WideText.h"
#include "skin/styles/SUIThemeFile.h"
#include "skin/styles/SUIThemes.h"
#include "tests/native/styles/ThemeFileBuilder.h"

#include <windows.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace themetest {

// Every property write of the test components, e.g. "Edit1.UIStyle=WinXP", "Edit1.FileTheme=nil".
inline std::vector<std::string>& Log() {
    static std::vector<std::string> log;
    return log;
}

// Follows the skinned-component contract: each write of UIStyle or FileTheme picks the value
// source and re-reads FormBorderColor, so tests can see which theme a component draws with.
class TsuiTestControl : public fw::Component {
public:
    explicit TsuiTestControl(fw::Component* owner) : fw::Component(owner), fileTheme_(*this) {}

    static const fw::ClassInfo& StaticClass() {
        static const fw::ClassInfo& info = Register<TsuiTestControl>("TsuiTestControl");
        return info;
    }
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    TsuiUIStyle UIStyle() const { return uiStyle_; }
    void SetUIStyle(TsuiUIStyle style) {
        Log().push_back(Name() + ".UIStyle=" + GetUIStyleName(style));
        uiStyle_ = style;
        Restyle();
    }
    TsuiFileTheme* FileTheme() const { return fileTheme_.Get(); }
    void SetFileTheme(TsuiFileTheme* theme) {
        Log().push_back(Name() + ".FileTheme=" + (theme == nullptr ? std::string("nil") : theme->Name()));
        fileTheme_.Set(theme);
        Restyle();
    }

    void Notification(fw::Component* c, fw::Operation op) override {
        fw::Component::Notification(c, op);
        if (op == fw::opRemove && fileTheme_.Removed(c)) Restyle();
    }

    int restyles = 0;
    TsuiUIStyle effectiveStyle = TsuiUIStyle::DeepBlue;
    fw::Color borderColor = 0;

protected:
    template <class T>
    static const fw::ClassInfo& Register(const char* className) {
        return fw::ClassBuilder<T>(className, fw::Component::StaticClass())
            .AddEnum("UIStyle", UIStyleInfo(), &T::UIStyle, &T::SetUIStyle)
            .AddReference("FileTheme", &T::FileTheme, &T::SetFileTheme)
            .Register();
    }

private:
    void Restyle() {
        ++restyles;
        if (UsingFileTheme(fileTheme_.Get(), uiStyle_, effectiveStyle))
            borderColor = fileTheme_->GetColor(TsuiThemeElement::FormBorderColor);
        else
            borderColor = GetBuiltInThemeColor(effectiveStyle, TsuiThemeElement::FormBorderColor);
    }

    TsuiUIStyle uiStyle_ = TsuiUIStyle::DeepBlue;
    fw::ComponentRef<TsuiFileTheme> fileTheme_;
};

// The same properties under a class name whose prefix differs in letter case only.
class TsuiLowerCaseControl : public TsuiTestControl {
public:
    using TsuiTestControl::TsuiTestControl;
    static const fw::ClassInfo& StaticClass() {
        static const fw::ClassInfo& info = Register<TsuiLowerCaseControl>("tsuiLowerCaseControl");
        return info;
    }
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }
};

inline void WriteBytes(const std::string& gbkPath, const std::vector<std::uint8_t>& bytes) {
    HANDLE h = CreateFileW(fw::GbkToWide(gbkPath).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create " + gbkPath);
    DWORD written = 0;
    const BOOL ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
    if (!ok || written != bytes.size()) throw std::runtime_error("cannot write " + gbkPath);
}

// A fresh folder under the system's temporary folder, removed with everything in it (one
// level of files) at the end of the test.
class TempFolder {
public:
    TempFolder() {
        wchar_t base[MAX_PATH + 1];
        GetTempPathW(MAX_PATH + 1, base);
        for (unsigned n = GetTickCount();; ++n) {
            path_ = std::wstring(base) + L"vornik-themes-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                    std::to_wstring(n);
            if (CreateDirectoryW(path_.c_str(), nullptr)) break;
            if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot create a temporary folder");
        }
    }
    ~TempFolder() { RemoveTree(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // GBK path of a file or folder inside.
    std::string Path(const std::string& name) const { return fw::WideToGbk(path_) + "\\" + name; }
    std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
        WriteBytes(Path(name), bytes);
        return Path(name);
    }
    std::string MakeFolder(const std::string& name) const {
        CreateDirectoryW(fw::GbkToWide(Path(name)).c_str(), nullptr);
        return Path(name);
    }

private:
    static void RemoveTree(const std::wstring& folder) {
        WIN32_FIND_DATAW found;
        HANDLE h = FindFirstFileW((folder + L"\\*").c_str(), &found);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = found.cFileName;
                if (name == L"." || name == L"..") continue;
                const std::wstring full = folder + L"\\" + name;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveTree(full);
                else
                    DeleteFileW(full.c_str());
            } while (FindNextFileW(h, &found));
            FindClose(h);
        }
        RemoveDirectoryW(folder.c_str());
    }

    std::wstring path_;
};

// The example theme of the checkout (through Wine's Z: drive).
inline std::string ExampleThemePath() {
    std::string path = VORNIK_SOURCE_DIR "/resources/themes/example.theme";
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

} // namespace themetest
