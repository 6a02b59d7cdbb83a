#include "tools/themepack/ThemePacker.h"

#include "framework/core/Exception.h"
#include "skin/styles/SUIThemeFileReader.h"
#include "skin/styles/SUIThemeTable.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <sstream>

namespace themepack {
namespace {

using Reader = TsuiThemeFileReader;

struct Entry {
    std::string Key;
    TsuiThemeEntryKind Kind;
    std::vector<std::uint8_t> Data;
};

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && Lower(text.substr(text.size() - suffix.size())) == Lower(suffix);
}

std::string Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return std::string(text.substr(first, last - first + 1));
}

std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw fw::Exception(fw::Format("Cannot open \"%s\"", path.string().c_str()));
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void PutU32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::vector<std::uint8_t> U32Bytes(std::uint32_t value) {
    std::vector<std::uint8_t> bytes(4);
    PutU32(bytes, 0, value);
    return bytes;
}

std::int32_t LittleEndianI32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(bytes[at + i]) << (8 * i);
    return static_cast<std::int32_t>(value);
}

// A skin image must be a bitmap file whose width splits into the element's frames.
void CheckImage(const std::string& key, const std::vector<std::uint8_t>& data, const std::string& fileName) {
    if (data.size() < 26 || data[0] != 'B' || data[1] != 'M') {
        throw fw::Exception(fw::Format("\"%s\" is not a bitmap file", fileName.c_str()));
    }
    TsuiThemeElement element;
    if (!FindThemeElement(key, element)) return;
    const std::int32_t headerSize = LittleEndianI32(data, 14);
    const std::int32_t width = headerSize == 12 ? data[18] | (data[19] << 8) : LittleEndianI32(data, 18);
    const int frames = GetThemeElementFrameCount(element);
    if (width <= 0 || width % frames != 0) {
        throw fw::Exception(fw::Format("\"%s\" is %d pixels wide, which does not split into %d equal frames",
                                       fileName.c_str(), width, frames));
    }
}

void CheckKey(const std::string& key, const std::vector<Entry>& entries, const std::string& where) {
    if (key.empty()) throw fw::Exception(where + ": empty key");
    if (key.size() > Reader::NameSize) {
        throw fw::Exception(fw::Format("%s: the key \"%s\" is longer than %u bytes", where.c_str(), key.c_str(),
                                       unsigned(Reader::NameSize)));
    }
    for (const Entry& entry : entries) {
        if (SameThemeKey(entry.Key, key)) {
            throw fw::Exception(fw::Format("%s: the key \"%s\" is given twice", where.c_str(), key.c_str()));
        }
    }
}

bool ParseDecimal(std::string_view text, std::int64_t& value) {
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, value, 10);
    return !text.empty() && error == std::errc() && end == last;
}

bool ParseHex(std::string_view text, std::uint32_t& value) {
    if (text.empty() || text.size() > 8) return false;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, value, 16);
    return error == std::errc() && end == last;
}

Entry ParseValue(const std::string& key, const std::string& text, const std::string& where) {
    std::int64_t number = 0;
    if (EndsWithIgnoringCase(key, "Bool")) {
        const std::string lower = Lower(text);
        if (lower == "true") number = 1;
        else if (lower == "false") number = 0;
        else if (!ParseDecimal(text, number) || number < 0 || number > 255) {
            throw fw::Exception(where + ": a boolean is true, false or a number from 0 to 255");
        }
        return {key, TsuiThemeEntryKind::Boolean, {static_cast<std::uint8_t>(number)}};
    }
    if (EndsWithIgnoringCase(key, "Int")) {
        if (!ParseDecimal(text, number) || number < INT32_MIN || number > INT32_MAX) {
            throw fw::Exception(where + ": an integer is a decimal number");
        }
        return {key, TsuiThemeEntryKind::Integer, U32Bytes(static_cast<std::uint32_t>(number))};
    }
    if (EndsWithIgnoringCase(key, "Color")) {
        std::uint32_t value = 0;
        if (text.size() == 7 && text[0] == '#' && ParseHex(std::string_view(text).substr(1), value)) {
            const std::uint32_t bgr = ((value & 0xFF) << 16) | (value & 0xFF00) | ((value >> 16) & 0xFF);
            return {key, TsuiThemeEntryKind::Integer, U32Bytes(bgr)};
        }
        if (text.size() > 2 && Lower(text.substr(0, 2)) == "0x" && ParseHex(std::string_view(text).substr(2), value)) {
            return {key, TsuiThemeEntryKind::Integer, U32Bytes(value)};
        }
        throw fw::Exception(where + ": a colour is #RRGGBB or 0x and up to 8 hexadecimal digits");
    }
    throw fw::Exception(fw::Format("%s: the key \"%s\" does not end in Int, Color or Bool", where.c_str(), key.c_str()));
}

void AddImages(const std::filesystem::path& folder, std::vector<Entry>& entries) {
    std::vector<std::filesystem::path> files;
    for (const auto& item : std::filesystem::directory_iterator(folder)) {
        if (item.is_regular_file() && Lower(item.path().extension().string()) == ".bmp") files.push_back(item.path());
    }
    std::sort(files.begin(), files.end());
    for (const auto& path : files) {
        const std::string fileName = path.filename().string();
        const std::string key = path.stem().string();
        CheckKey(key, entries, fileName);
        if (!EndsWithIgnoringCase(key, "Image")) {
            throw fw::Exception(fw::Format("%s: the key of a picture ends in Image", fileName.c_str()));
        }
        std::vector<std::uint8_t> data = ReadWholeFile(path);
        CheckImage(key, data, fileName);
        entries.push_back({key, TsuiThemeEntryKind::Image, std::move(data)});
    }
}

void AddValues(const std::filesystem::path& file, std::vector<Entry>& entries) {
    if (!std::filesystem::exists(file)) return;
    std::ifstream in(file, std::ios::binary);
    if (!in) throw fw::Exception(fw::Format("Cannot open \"%s\"", file.string().c_str()));
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const std::string where = fw::Format("values.txt line %d", number);
        const std::string text = Trim(line);
        if (text.empty() || text[0] == ';' || text[0] == '#') continue;
        const auto equals = text.find('=');
        if (equals == std::string::npos) throw fw::Exception(where + ": expected Key=value");
        const std::string key = Trim(std::string_view(text).substr(0, equals));
        CheckKey(key, entries, where);
        entries.push_back(ParseValue(key, Trim(std::string_view(text).substr(equals + 1)), where));
    }
}

// Header, then each entry record directly followed by its data, then the terminator record.
std::vector<std::uint8_t> Layout(const std::vector<Entry>& entries) {
    std::uint64_t total = Reader::HeaderSize + Reader::EntrySize;
    for (const Entry& entry : entries) total += Reader::EntrySize + entry.Data.size();
    if (total > Reader::MaxFileSize) throw fw::Exception("The theme would be too large");

    std::vector<std::uint8_t> out(Reader::HeaderSize);
    const char signature[12] = "VornikTheme";
    std::copy(std::begin(signature), std::end(signature), out.begin());
    PutU32(out, Reader::HeaderSizeField, Reader::HeaderSize);
    PutU32(out, 16, 1);  // layout version of this producer
    PutU32(out, Reader::FirstEntryField, Reader::HeaderSize);

    auto appendRecord = [&out](const std::string& key, TsuiThemeEntryKind kind, std::size_t dataSize, bool last) {
        const std::size_t at = out.size();
        out.resize(at + Reader::EntrySize, 0);
        std::copy(key.begin(), key.end(), out.begin() + at);
        out[at + Reader::KindField] = static_cast<std::uint8_t>(kind);
        const std::size_t dataOffset = at + Reader::EntrySize;
        PutU32(out, at + Reader::DataOffsetField, last ? 0 : static_cast<std::uint32_t>(dataOffset));
        PutU32(out, at + Reader::DataSizeField, static_cast<std::uint32_t>(dataSize));
        PutU32(out, at + Reader::NextEntryField, last ? 0 : static_cast<std::uint32_t>(dataOffset + dataSize));
    };
    for (const Entry& entry : entries) {
        appendRecord(entry.Key, entry.Kind, entry.Data.size(), false);
        out.insert(out.end(), entry.Data.begin(), entry.Data.end());
    }
    appendRecord("", TsuiThemeEntryKind::Image, 0, true);
    return out;
}

}  // namespace

ThemePackResult PackThemeFolder(const std::filesystem::path& folder) {
    if (!std::filesystem::is_directory(folder)) {
        throw fw::Exception(fw::Format("\"%s\" is not a folder", folder.string().c_str()));
    }
    std::vector<Entry> entries;
    AddImages(folder, entries);
    AddValues(folder / "values.txt", entries);

    ThemePackResult result;
    result.File = Layout(entries);
    for (int number = 1; number <= ThemeElementCount; ++number) {
        const std::string key = GetThemeElementKey(static_cast<TsuiThemeElement>(number));
        const bool present = std::any_of(entries.begin(), entries.end(),
                                         [&key](const Entry& entry) { return SameThemeKey(entry.Key, key); });
        if (!present) result.MissingKeys.push_back(key);
    }
    return result;
}

}  // namespace themepack
