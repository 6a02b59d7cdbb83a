#pragma once
// Looks taken from a theme file. TsuiFileThemeMgr holds at most one parsed theme file and
// answers lookups by element; TsuiFileTheme is the component a form carries: its ThemeFile
// property names the file, and skinned components whose UIStyle is FromThemeFile and whose
// FileTheme points to it read their values from it (see UsingFileTheme).

#include "framework/core/Color.h"
#include "framework/core/Component.h"
#include "skin/styles/SUIThemeFileReader.h"
#include "skin/styles/SUIThemeTable.h"
#include "skin/styles/SUIThemes.h"

#include <cstdint>
#include <memory>
#include <string>

namespace fw {
class Bitmap;
}

class TsuiFileThemeMgr {
public:
    TsuiFileThemeMgr();
    ~TsuiFileThemeMgr();
    TsuiFileThemeMgr(const TsuiFileThemeMgr&) = delete;
    TsuiFileThemeMgr& operator=(const TsuiFileThemeMgr&) = delete;

    // False, changing nothing, when no file of that (GBK) name exists. Otherwise reads and parses
    // the whole file and only then replaces the current theme, so a file that cannot be opened,
    // read or parsed raises fw::Exception and leaves the previous theme exactly as it was.
    bool LoadThemeFile(const std::string& fileName);
    bool HasTheme() const { return reader_ != nullptr; }

    // Decodes the element's image into `bitmap` and returns true; false, leaving `bitmap` as it
    // was, without a theme or without an image of that key. Data that is no valid bitmap file
    // raises the decoder's fw::BitmapFileError, `bitmap` unchanged.
    bool GetBitmap(TsuiThemeElement element, fw::Bitmap& bitmap) const;
    // Without a theme: false and 0. A key missing from the file: false and -1.
    bool GetBool(TsuiThemeElement element) const;
    std::int32_t GetInt(TsuiThemeElement element) const;
    fw::Color GetColor(TsuiThemeElement element) const;
    // Whether the theme carries a value of the element's kind under its key.
    bool HasValue(TsuiThemeElement element) const;

private:
    std::unique_ptr<TsuiThemeFileReader> reader_;
};

class TsuiFileTheme : public fw::Component, public TsuiUsableTheme {
public:
    explicit TsuiFileTheme(fw::Component* owner);
    ~TsuiFileTheme() override;

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    // The path of the loaded file as it was resolved (in the program's folder when the path as
    // given did not exist); empty until a file was loaded.
    const std::string& ThemeFile() const { return path_; }
    // Loads the named file, or the file of that name in the program's folder when the path as
    // given does not exist, and then has every "Tsui" component of the owning form that uses
    // this theme re-read its values. The stored path, or a path that exists nowhere, changes
    // nothing; a load error propagates and leaves the theme as it was.
    void SetThemeFile(const std::string& value);

    // A theme file has been loaded.
    bool CanUse() const override { return manager_.HasTheme(); }

    // Without a bitmap, a theme or an image of that element, nothing happens. Invalid image
    // data raises the decoder's error.
    void GetBitmap(TsuiThemeElement element, fw::Bitmap* bitmap) const;
    // `bitmap` becomes frame frameIndex (1-based) of frameCount equal-width frames of the
    // element's image; frameCount 0 gives the whole image.
    void GetBitmapFrame(TsuiThemeElement element, fw::Bitmap* bitmap, int frameCount, int frameIndex) const;
    bool GetBool(TsuiThemeElement element) const { return manager_.GetBool(element); }
    std::int32_t GetInt(TsuiThemeElement element) const { return manager_.GetInt(element); }
    fw::Color GetColor(TsuiThemeElement element) const { return manager_.GetColor(element); }
    bool HasValue(TsuiThemeElement element) const { return manager_.HasValue(element); }

private:
    void RefreshUsers();

    TsuiFileThemeMgr manager_;
    std::string path_;
};
