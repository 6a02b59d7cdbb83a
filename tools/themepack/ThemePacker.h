#pragma once
// Packs a theme file from a folder: every "<Key>.bmp" becomes an image entry named Key, and the
// lines "Key=value" of "values.txt" become integer and boolean entries. A key's last word says
// how its value is written: ...Int a decimal integer, ...Color "#RRGGBB" (or "0x" and the stored
// hexadecimal value, for system colours), ...Bool "true", "false" or 0 to 255. Blank lines and
// lines starting with ';' or '#' are comments.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace themepack {

struct ThemePackResult {
    std::vector<std::uint8_t> File;
    // Keys of the 42 theme elements the folder does not provide.
    std::vector<std::string> MissingKeys;
};

// Throws fw::Exception naming the file (and line) at fault.
ThemePackResult PackThemeFolder(const std::filesystem::path& folder);

}  // namespace themepack
