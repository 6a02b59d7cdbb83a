#pragma once
// Text in the model is GBK (code page 936) bytes. These helpers cut it without splitting a
// double-byte character, compare it ignoring ASCII letter case, and convert it to and from
// UTF-16 and UTF-8 with an embedded code page 936 table (unmappable characters become '?').

#include <cstddef>
#include <string>
#include <string_view>

namespace fw {

// A lead byte (0x81-0xFE) starts a double-byte character and takes the byte after it.
constexpr bool IsGbkLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

// Length of the longest prefix of `text` of at most maxBytes bytes that ends on a character boundary.
std::size_t GbkFitLength(std::string_view text, std::size_t maxBytes);
// The first at most maxBytes bytes of `text`, never ending in half a character.
std::string GbkCut(std::string_view text, std::size_t maxBytes);
// Number of characters (single- and double-byte) in `text`.
std::size_t GbkCharCount(std::string_view text);

// ASCII letters change case; the bytes of double-byte characters never do.
std::string GbkUpperCase(std::string_view text);
std::string GbkLowerCase(std::string_view text);
bool GbkSameText(std::string_view a, std::string_view b);
// <0, 0, >0 like strcmp, after folding ASCII letters to upper case.
int GbkCompareText(std::string_view a, std::string_view b);

std::u16string GbkToUtf16(std::string_view gbk);
std::string Utf16ToGbk(std::u16string_view text);
std::string GbkToUtf8(std::string_view gbk);
std::string Utf8ToGbk(std::string_view utf8);
// Malformed UTF-8 and lone surrogates become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view text);
// Appends one code point as UTF-8.
void AppendUtf8(std::string& out, char32_t codePoint);

} // namespace fw
