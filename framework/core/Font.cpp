#include "framework/core/Font.h"

#include "framework/core/ClassBuilder.h"

namespace fw {

Font::Font() : name_("MS Sans Serif"), height_(11), style_(0), color_(clWindowText), charset_(DefaultCharset) {}

Font::Font(const Font& other)
    : Persistent(other),
      name_(other.name_),
      height_(other.height_),
      style_(other.style_),
      color_(other.color_),
      charset_(other.charset_) {}

Font& Font::operator=(const Font& other) {
    Assign(other);
    return *this;
}

const ClassInfo& Font::StaticClass() {
    static const ClassInfo& info = ClassBuilder<Font>("TFont", Persistent::StaticClass())
                                       .AddInteger("Charset", &Font::Charset, &Font::SetCharset, &CharsetInfo())
                                       .AddColor("Color", &Font::Color, &Font::SetColor)
                                       .AddInteger("Height", &Font::Height, &Font::SetHeight)
                                       .AddText("Name", &Font::Name, &Font::SetName)
                                       .AddSet("Style", FontStyleInfo(), &Font::Style, &Font::SetStyle)
                                       .Register();
    return info;
}

const EnumInfo& Font::FontStyleInfo() {
    static const EnumInfo info("TFontStyle", std::vector<std::string>{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
    return info;
}

const EnumInfo& Font::CharsetInfo() {
    static const EnumInfo info("TFontCharset", std::vector<std::pair<std::string, int>>{
                                                   {"ANSI_CHARSET", 0},
                                                   {"DEFAULT_CHARSET", 1},
                                                   {"SYMBOL_CHARSET", 2},
                                                   {"SHIFTJIS_CHARSET", 128},
                                                   {"HANGEUL_CHARSET", 129},
                                                   {"GB2312_CHARSET", 134},
                                                   {"CHINESEBIG5_CHARSET", 136},
                                                   {"OEM_CHARSET", 255},
                                               });
    return info;
}

void Font::Assign(const Font& other) {
    if (SameAs(other)) return;
    name_ = other.name_;
    height_ = other.height_;
    style_ = other.style_;
    color_ = other.color_;
    charset_ = other.charset_;
    Changed();
}

void Font::SetName(const std::string& gbkName) {
    if (gbkName == name_) return;
    name_ = gbkName;
    Changed();
}

void Font::SetHeight(int pixels) {
    if (pixels == height_) return;
    height_ = pixels;
    Changed();
}

void Font::SetStyle(unsigned styleBits) {
    styleBits &= fsBold | fsItalic | fsUnderline | fsStrikeOut;
    if (styleBits == style_) return;
    style_ = styleBits;
    Changed();
}

void Font::SetColor(fw::Color c) {
    if (c == color_) return;
    color_ = c;
    Changed();
}

void Font::SetCharset(int charset) {
    if (charset == charset_) return;
    charset_ = charset;
    Changed();
}

bool Font::SameAs(const Font& other) const {
    return name_ == other.name_ && height_ == other.height_ && style_ == other.style_ &&
           color_ == other.color_ && charset_ == other.charset_;
}

void Font::Changed() {
    if (OnChange) OnChange();
}

} // namespace fw
