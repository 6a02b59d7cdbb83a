#include "framework/core/Color.h"

#include "framework/core/Exception.h"
#include "framework/core/GbkText.h"

#include <charconv>
#include <cstdint>

namespace fw {

namespace {

struct NamedColor {
    const char* name;
    Color value;
};

constexpr NamedColor kNamedColors[] = {
    {"clBlack", clBlack}, {"clMaroon", clMaroon}, {"clGreen", clGreen}, {"clOlive", clOlive},
    {"clNavy", clNavy}, {"clPurple", clPurple}, {"clTeal", clTeal}, {"clGray", clGray},
    {"clSilver", clSilver}, {"clRed", clRed}, {"clLime", clLime}, {"clYellow", clYellow},
    {"clBlue", clBlue}, {"clFuchsia", clFuchsia}, {"clAqua", clAqua}, {"clWhite", clWhite},
    {"clMoneyGreen", clMoneyGreen}, {"clSkyBlue", clSkyBlue}, {"clCream", clCream},
    {"clMedGray", clMedGray}, {"clNone", clNone}, {"clDefault", clDefault},
    {"clScrollBar", clScrollBar}, {"clBackground", clBackground},
    {"clActiveCaption", clActiveCaption}, {"clInactiveCaption", clInactiveCaption},
    {"clMenu", clMenu}, {"clWindow", clWindow}, {"clWindowFrame", clWindowFrame},
    {"clMenuText", clMenuText}, {"clWindowText", clWindowText}, {"clCaptionText", clCaptionText},
    {"clActiveBorder", clActiveBorder}, {"clInactiveBorder", clInactiveBorder},
    {"clAppWorkSpace", clAppWorkSpace}, {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText}, {"clBtnFace", clBtnFace}, {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText}, {"clBtnText", clBtnText},
    {"clInactiveCaptionText", clInactiveCaptionText}, {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow}, {"cl3DLight", cl3DLight}, {"clInfoText", clInfoText},
    {"clInfoBk", clInfoBk}, {"clHotLight", clHotLight},
    {"clGradientActiveCaption", clGradientActiveCaption},
    {"clGradientInactiveCaption", clGradientInactiveCaption}, {"clMenuHighlight", clMenuHighlight},
    {"clMenuBar", clMenuBar},
};

} // namespace

std::optional<Color> ColorFromName(std::string_view name) {
    for (const NamedColor& c : kNamedColors)
        if (GbkSameText(name, c.name)) return c.value;
    return std::nullopt;
}

std::string ColorToString(Color c) {
    for (const NamedColor& n : kNamedColors)
        if (n.value == c) return n.name;
    return Format("$%08X", static_cast<unsigned>(c));
}

std::optional<Color> ColorFromString(std::string_view text) {
    if (auto named = ColorFromName(text)) return named;
    if (text.empty()) return std::nullopt;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (text[0] == '$') {
        if (text.size() == 1 || text.size() > 9) return std::nullopt;
        std::uint32_t v = 0;
        auto [p, ec] = std::from_chars(first + 1, last, v, 16);
        if (ec != std::errc() || p != last) return std::nullopt;
        return v;
    }
    std::int64_t v = 0;
    auto [p, ec] = std::from_chars(first, last, v, 10);
    if (ec != std::errc() || p != last || v < INT32_MIN || v > UINT32_MAX) return std::nullopt;
    return static_cast<Color>(static_cast<std::uint32_t>(v));
}

} // namespace fw
