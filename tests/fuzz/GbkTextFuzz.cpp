// The text conversions on any bytes: each input is read as GBK, as UTF-8 and as UTF-16 units.
// Conversions that lose nothing must round-trip exactly; lossy ones must settle after one round
// and agree with the two-step conversion through UTF-16; cutting and case folding keep characters whole.

#include "tests/fuzz/FuzzTargets.h"

#include "framework/core/GbkText.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// The character boundaries of GBK text as the model walks it: a lead byte takes the byte after it.
std::vector<std::size_t> GbkBoundaries(std::string_view s) {
    std::vector<std::size_t> at{0};
    for (std::size_t i = 0; i < s.size();) {
        i += fw::IsGbkLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size() ? 2 : 1;
        at.push_back(i);
    }
    return at;
}

void CheckGbk(std::string_view s) {
    const std::u16string u = fw::GbkToUtf16(s);
    const std::string back = fw::Utf16ToGbk(u);
    // Every byte that does not turn into '?' is part of a character code page 936 maps both ways.
    if (std::count(u.begin(), u.end(), u'?') == std::count(s.begin(), s.end(), '?'))
        FUZZ_CHECK(back == s);
    FUZZ_CHECK(fw::GbkToUtf16(back) == u);
    FUZZ_CHECK(fw::GbkToUtf8(s) == fw::Utf16ToUtf8(u));

    const std::vector<std::size_t> boundaries = GbkBoundaries(s);
    FUZZ_CHECK(fw::GbkCharCount(s) == boundaries.size() - 1);
    for (std::size_t max : {std::size_t{0}, std::size_t{1}, s.size() / 2, s.size() - std::min<std::size_t>(1, s.size()),
                            s.size(), s.size() + 1}) {
        const std::size_t fit = fw::GbkFitLength(s, max);
        FUZZ_CHECK(fit <= max && fit <= s.size());
        // The longest boundary within the limit.
        const auto last = std::upper_bound(boundaries.begin(), boundaries.end(), max);
        FUZZ_CHECK(fit == *(last - 1));
        FUZZ_CHECK(fw::GbkCut(s, max) == s.substr(0, fit));
    }

    const std::string upper = fw::GbkUpperCase(s);
    const std::string lower = fw::GbkLowerCase(s);
    FUZZ_CHECK(upper.size() == s.size() && lower.size() == s.size());
    FUZZ_CHECK(fw::GbkSameText(upper, lower) && fw::GbkSameText(s, upper));
    FUZZ_CHECK(fw::GbkUpperCase(lower) == upper);
    // Double-byte characters keep their bytes.
    for (std::size_t k = 0; k + 1 < boundaries.size(); ++k)
        if (boundaries[k + 1] - boundaries[k] == 2)
            FUZZ_CHECK(upper.compare(boundaries[k], 2, s.substr(boundaries[k], 2)) == 0);

    // Comparison of the two halves is a consistent order.
    const std::string_view a = s.substr(0, s.size() / 2);
    const std::string_view b = s.substr(s.size() / 2);
    const int ab = fw::GbkCompareText(a, b);
    const int ba = fw::GbkCompareText(b, a);
    FUZZ_CHECK((ab < 0) == (ba > 0) && (ab == 0) == (ba == 0));
    FUZZ_CHECK((ab == 0) == fw::GbkSameText(a, b));
}

void CheckUtf8(std::string_view s) {
    const std::u16string u = fw::Utf8ToUtf16(s);
    const std::string back = fw::Utf16ToUtf8(u);
    const bool replaced = std::find(u.begin(), u.end(), kReplacement) != u.end();
    if (!replaced)
        FUZZ_CHECK(back == s);
    FUZZ_CHECK(fw::Utf8ToUtf16(back) == u);
    FUZZ_CHECK(fw::Utf8ToGbk(s) == fw::Utf16ToGbk(u));
}

void CheckUtf16(std::string_view bytes) {
    std::u16string u(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < u.size(); ++i)
        u[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                     (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    // Lone surrogates become U+FFFD; everything else comes back unit for unit.
    std::u16string expected;
    for (std::size_t i = 0; i < u.size(); ++i) {
        const char16_t c = u[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < u.size() && u[i + 1] >= 0xDC00 && u[i + 1] <= 0xDFFF) {
            expected += c;
            expected += u[++i];
        } else {
            expected += (c >= 0xD800 && c <= 0xDFFF) ? kReplacement : c;
        }
    }
    FUZZ_CHECK(fw::Utf8ToUtf16(fw::Utf16ToUtf8(u)) == expected);
    const std::string gbk = fw::Utf16ToGbk(u);
    FUZZ_CHECK(fw::Utf16ToGbk(fw::GbkToUtf16(gbk)) == gbk);
}

} // namespace

void FuzzGbkText(const std::uint8_t* data, std::size_t size) {
    const std::string_view s(reinterpret_cast<const char*>(data), size);
    CheckGbk(s);
    CheckUtf8(s);
    CheckUtf16(s);
}

} // namespace fuzz
