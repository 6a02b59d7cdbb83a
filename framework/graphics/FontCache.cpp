#include "framework/graphics/FontCache.h"

#include "framework/core/Exception.h"
#include "framework/core/WideText.h"

#include <algorithm>
#include <map>
#include <string>
#include <tuple>

namespace fw {

namespace {

using Key = std::tuple<std::string, int, unsigned, int>;

std::map<Key, HFONT>& Fonts() {
    static std::map<Key, HFONT> fonts;
    return fonts;
}

} // namespace

LOGFONTW FontCache::MakeLogFont(const Font& font) {
    LOGFONTW lf{};
    lf.lfHeight = -font.Height();
    lf.lfWeight = (font.Style() & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (font.Style() & fsItalic) ? TRUE : FALSE;
    lf.lfUnderline = (font.Style() & fsUnderline) ? TRUE : FALSE;
    lf.lfStrikeOut = (font.Style() & fsStrikeOut) ? TRUE : FALSE;
    lf.lfCharSet = static_cast<BYTE>(font.Charset());
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const std::wstring face = GbkToWide(font.Name());
    // LF_FACESIZE includes the terminator, which the zeroed structure already holds.
    const size_t n = std::min(face.size(), size_t{LF_FACESIZE - 1});
    std::copy_n(face.begin(), n, lf.lfFaceName);
    return lf;
}

HFONT FontCache::Get(const Font& font) {
    Key key{font.Name(), font.Height(), font.Style(), font.Charset()};
    auto& fonts = Fonts();
    auto it = fonts.find(key);
    if (it != fonts.end()) return it->second;
    const LOGFONTW lf = MakeLogFont(font);
    HFONT handle = CreateFontIndirectW(&lf);
    if (handle == nullptr) throw Exception(Format("Cannot create the font %s", font.Name().c_str()));
    fonts.emplace(std::move(key), handle);
    return handle;
}

int FontCache::Count() { return static_cast<int>(Fonts().size()); }

} // namespace fw
