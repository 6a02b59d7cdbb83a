#pragma once
// A font as a plain value: face name, character height in pixels, style bits, colour and
// character set. The Win32 layer makes HFONTs from it; owners watch OnChange to react.

#include "framework/core/Color.h"
#include "framework/core/Persistent.h"

#include <functional>
#include <string>

namespace fw {

class EnumInfo;

// Style bits; bit i is value i of FontStyleInfo() ("fsBold", "fsItalic", ...).
enum FontStyle : unsigned { fsBold = 1u << 0, fsItalic = 1u << 1, fsUnderline = 1u << 2, fsStrikeOut = 1u << 3 };

class Font : public Persistent {
public:
    static constexpr int AnsiCharset = 0;
    static constexpr int DefaultCharset = 1;
    static constexpr int Gb2312Charset = 134;

    Font();
    // Copies the values only; the copy has no OnChange.
    Font(const Font& other);
    // Same as Assign: keeps this font's OnChange and calls it.
    Font& operator=(const Font& other);
    ~Font() override = default;

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }
    static const EnumInfo& FontStyleInfo();
    // Charset identifiers accepted by the Charset property ("GB2312_CHARSET", ...).
    static const EnumInfo& CharsetInfo();

    void Assign(const Font& other);

    const std::string& Name() const { return name_; }
    void SetName(const std::string& gbkName);
    // Character height in pixels (positive).
    int Height() const { return height_; }
    void SetHeight(int pixels);
    unsigned Style() const { return style_; }
    void SetStyle(unsigned styleBits);
    fw::Color Color() const { return color_; }
    void SetColor(fw::Color c);
    int Charset() const { return charset_; }
    void SetCharset(int charset);

    // True when every value is equal (OnChange is not compared).
    bool SameAs(const Font& other) const;

    // Called after every change of a value.
    std::function<void()> OnChange;

private:
    void Changed();

    std::string name_;
    int height_;
    unsigned style_;
    fw::Color color_;
    int charset_;
};

} // namespace fw
