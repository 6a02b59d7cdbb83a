#pragma once
// Reads a theme file: a 24-byte header followed by a chain of 77-byte entry records, each naming
// an image (a whole bitmap file), an integer, a boolean or a text. The whole file is parsed when
// the reader is made and never changes afterwards. Files come from anywhere: every offset and
// size is checked against the file, and a malformed file raises fw::Exception.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

enum class TsuiThemeEntryKind : std::uint8_t {
    Image = 0,
    Integer = 1,
    Boolean = 2,
    Text = 3,
};

class TsuiThemeFileReader {
public:
    // Layout of the file, shared with the tool that writes theme files.
    static constexpr std::size_t HeaderSize = 24;
    static constexpr std::size_t HeaderSizeField = 12;
    static constexpr std::size_t FirstEntryField = 20;
    static constexpr std::size_t EntrySize = 77;
    static constexpr std::size_t NameSize = 64;
    static constexpr std::size_t KindField = 64;
    static constexpr std::size_t DataOffsetField = 65;
    static constexpr std::size_t DataSizeField = 69;
    static constexpr std::size_t NextEntryField = 73;
    // Offsets are 32-bit; far below that, nothing a theme needs comes near this size.
    static constexpr std::size_t MaxFileSize = 256u * 1024u * 1024u;

    // Parses the whole content of a theme file.
    explicit TsuiThemeFileReader(std::vector<std::uint8_t> fileBytes);
    // Reads the file at a narrow path and parses it (tools and native tests; the Windows side
    // reads through the wide API and uses the constructor).
    static TsuiThemeFileReader FromFile(const std::string& path);

    // Lookups by key ignore letter case; when a key occurs more than once the first entry in the
    // chain answers.
    // The stored bitmap file of an image entry, or nothing when no image has that key.
    std::optional<std::span<const std::uint8_t>> GetImageStream(std::string_view key) const;
    // The integer of an integer entry; -1 when absent.
    std::int32_t GetIntValue(std::string_view key) const;
    // The byte of a boolean entry, non-zero meaning true; false when absent.
    bool GetBoolValue(std::string_view key) const;
    // The bytes of a text entry as stored; nothing when absent.
    std::optional<std::string> GetTextValue(std::string_view key) const;
    // Whether an entry of that kind carries the key (the answers above cannot tell a stored -1
    // or false from a missing entry).
    bool HasEntry(TsuiThemeEntryKind kind, std::string_view key) const;

    std::size_t ImageCount() const { return images_.size(); }
    std::size_t IntCount() const { return ints_.size(); }
    std::size_t BoolCount() const { return bools_.size(); }
    std::size_t TextCount() const { return texts_.size(); }

private:
    // Image and text data stay in the file buffer, so entries that share data cost nothing extra.
    struct BlobEntry {
        std::string Key;
        std::uint32_t Offset;
        std::uint32_t Size;
    };
    struct IntEntry {
        std::string Key;
        std::int32_t Value;
    };
    struct BoolEntry {
        std::string Key;
        std::uint8_t Value;
    };

    void Parse();

    std::vector<std::uint8_t> bytes_;
    std::vector<BlobEntry> images_;
    std::vector<IntEntry> ints_;
    std::vector<BoolEntry> bools_;
    std::vector<BlobEntry> texts_;
};

// Key equality of theme files: ASCII letters match in either case; the two bytes of a GBK
// character are compared exactly, so a trail byte that happens to be a letter is not folded.
bool SameThemeKey(std::string_view a, std::string_view b);
