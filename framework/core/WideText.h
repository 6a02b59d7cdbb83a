#pragma once
// GBK model text at the wide Win32 boundary, always through code page 936 whatever the
// system's ANSI code page is. Windows' wchar_t holds UTF-16 code units.

#include "framework/core/GbkText.h"

#include <string>
#include <string_view>

namespace fw {

inline std::wstring GbkToWide(std::string_view gbk) {
    const std::u16string u = GbkToUtf16(gbk);
    return std::wstring(u.begin(), u.end());
}

inline std::string WideToGbk(std::wstring_view wide) {
    return Utf16ToGbk(std::u16string(wide.begin(), wide.end()));
}

} // namespace fw
