#include "framework/core/GbkText.h"

#include "framework/core/Cp936Table.h"

#include <array>
#include <cstdint>
#include <memory>

namespace fw {

namespace {

constexpr char16_t kEuro = 0x20AC;
constexpr char16_t kReplacement = 0xFFFD;

bool IsTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }

// UTF-16 unit of a double-byte character, 0 if the pair has none.
char16_t DecodePair(unsigned char lead, unsigned char trail) {
    return kCp936DoubleByte[(lead - kCp936FirstLead) * kCp936TrailCount + (trail - kCp936FirstTrail)];
}

// The reverse of the table, built on first use: 0 for characters code page 936 lacks.
const std::array<std::uint16_t, 0x10000>& ReverseTable() {
    static const std::unique_ptr<std::array<std::uint16_t, 0x10000>> table = [] {
        auto t = std::make_unique<std::array<std::uint16_t, 0x10000>>();
        t->fill(0);
        for (int lead = 0; lead < kCp936LeadCount; ++lead) {
            for (int trail = 0; trail < kCp936TrailCount; ++trail) {
                const char16_t u = kCp936DoubleByte[lead * kCp936TrailCount + trail];
                if (u != 0 && (*t)[u] == 0)
                    (*t)[u] = static_cast<std::uint16_t>(((lead + kCp936FirstLead) << 8) | (trail + kCp936FirstTrail));
            }
        }
        (*t)[kEuro] = 0x80;
        return t;
    }();
    return *table;
}

// Appends the GBK bytes of one code point ('?' when code page 936 has no such character).
void AppendGbk(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
        return;
    }
    const std::uint16_t code = cp <= 0xFFFF ? ReverseTable()[cp] : 0;
    if (code == 0)
        out.push_back('?');
    else if (code < 0x100)
        out.push_back(static_cast<char>(code));
    else {
        out.push_back(static_cast<char>(code >> 8));
        out.push_back(static_cast<char>(code & 0xFF));
    }
}

void AppendUtf16(std::u16string& out, char32_t cp) {
    if (cp < 0x10000) {
        out.push_back(static_cast<char16_t>(cp));
    } else {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 | (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 | (cp & 0x3FF)));
    }
}

// Decodes one code point of UTF-8 at `i` and advances; malformed input gives U+FFFD and
// skips one byte (or the whole maximal bad prefix of a sequence).
char32_t NextUtf8(std::string_view s, size_t& i) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
        ++i;
        return b;
    }
    int extra;
    char32_t cp;
    char32_t min;
    if (b >= 0xC2 && b <= 0xDF) {
        extra = 1; cp = b & 0x1F; min = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
        extra = 2; cp = b & 0x0F; min = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
        extra = 3; cp = b & 0x07; min = 0x10000;
    } else {
        ++i;
        return kReplacement;
    }
    size_t j = i + 1;
    for (int k = 0; k < extra; ++k, ++j) {
        if (j >= s.size() || (static_cast<unsigned char>(s[j]) & 0xC0) != 0x80) {
            i = j;
            return kReplacement;
        }
        cp = (cp << 6) | (static_cast<unsigned char>(s[j]) & 0x3F);
    }
    i = j;
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return kReplacement;
    return cp;
}

// Decodes one code point of UTF-16 at `i` and advances; a lone surrogate gives U+FFFD.
char32_t NextUtf16(std::u16string_view s, size_t& i) {
    const char16_t u = s[i++];
    if (u < 0xD800 || u > 0xDFFF) return u;
    if (u <= 0xDBFF && i < s.size() && s[i] >= 0xDC00 && s[i] <= 0xDFFF) {
        const char32_t low = s[i++];
        return 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (low - 0xDC00);
    }
    return kReplacement;
}

// Decodes one GBK character at `i` and advances: a valid pair takes two bytes, a lead byte
// without a valid trail byte one.
char32_t NextGbk(std::string_view s, size_t& i) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
        ++i;
        return b;
    }
    if (b == 0x80) {
        ++i;
        return kEuro;
    }
    if (IsGbkLeadByte(b) && i + 1 < s.size() && IsTrailByte(static_cast<unsigned char>(s[i + 1]))) {
        const char16_t u = DecodePair(b, static_cast<unsigned char>(s[i + 1]));
        i += 2;
        return u != 0 ? u : U'?';
    }
    ++i;
    return U'?';
}

char FoldUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
char FoldLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

template <class Fold>
std::string FoldCase(std::string_view text, Fold fold) {
    std::string out(text);
    for (size_t i = 0; i < out.size(); ++i) {
        if (IsGbkLeadByte(static_cast<unsigned char>(out[i])))
            ++i;
        else
            out[i] = fold(out[i]);
    }
    return out;
}

} // namespace

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

std::size_t GbkFitLength(std::string_view text, std::size_t maxBytes) {
    size_t i = 0;
    while (i < text.size()) {
        const size_t len = IsGbkLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
        if (i + len > maxBytes) break;
        i += len;
    }
    return i;
}

std::string GbkCut(std::string_view text, std::size_t maxBytes) {
    return std::string(text.substr(0, GbkFitLength(text, maxBytes)));
}

std::size_t GbkCharCount(std::string_view text) {
    size_t count = 0;
    for (size_t i = 0; i < text.size(); ++count)
        i += IsGbkLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
    return count;
}

std::string GbkUpperCase(std::string_view text) { return FoldCase(text, FoldUpper); }
std::string GbkLowerCase(std::string_view text) { return FoldCase(text, FoldLower); }

int GbkCompareText(std::string_view a, std::string_view b) {
    size_t i = 0;
    bool inPair = false;  // the bytes at i are the trail bytes of equal lead bytes
    for (; i < a.size() && i < b.size(); ++i) {
        const char ca = inPair ? a[i] : FoldUpper(a[i]);
        const char cb = inPair ? b[i] : FoldUpper(b[i]);
        if (ca != cb) return static_cast<unsigned char>(ca) < static_cast<unsigned char>(cb) ? -1 : 1;
        inPair = !inPair && IsGbkLeadByte(static_cast<unsigned char>(a[i]));
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool GbkSameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && GbkCompareText(a, b) == 0;
}

std::u16string GbkToUtf16(std::string_view gbk) {
    std::u16string out;
    out.reserve(gbk.size());
    for (size_t i = 0; i < gbk.size();) AppendUtf16(out, NextGbk(gbk, i));
    return out;
}

std::string Utf16ToGbk(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (size_t i = 0; i < text.size();) AppendGbk(out, NextUtf16(text, i));
    return out;
}

std::string GbkToUtf8(std::string_view gbk) {
    std::string out;
    out.reserve(gbk.size() * 3 / 2);
    for (size_t i = 0; i < gbk.size();) AppendUtf8(out, NextGbk(gbk, i));
    return out;
}

std::string Utf8ToGbk(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) AppendGbk(out, NextUtf8(utf8, i));
    return out;
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) AppendUtf16(out, NextUtf8(utf8, i));
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 3);
    for (size_t i = 0; i < text.size();) AppendUtf8(out, NextUtf16(text, i));
    return out;
}

} // namespace fw
