#pragma once
// GBK model text at the wide Win32 boundary, always through code page 936 whatever the
// system's ANSI code page is.

#include "framework/core/GbkText.h"

#include <string>
#include <string_view>

namespace fw {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the Win32 boundary needs 16-bit wchar_t");

inline std::wstring GbkToWide(std::string_view gbk) {
    const std::u16string u = GbkToUtf16(gbk);
    return std::wstring(u.begin(), u.end());
}

inline std::string WideToGbk(std::wstring_view wide) {
    return Utf16ToGbk(std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()), wide.size()));
}

} // namespace fw
