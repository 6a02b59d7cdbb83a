#include "skin/styles/SUIThemeFileReader.h"

#include "framework/core/Exception.h"
#include "skin/styles/SUIThemeTable.h"
#include "tests/native/styles/ThemeFileBuilder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr std::uint8_t kImage = 0, kInteger = 1, kBoolean = 2, kText = 3;

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

// Expects the file to be refused with a message containing the given words.
void ExpectRefused(std::vector<std::uint8_t> bytes, const std::string& words) {
    try {
        TsuiThemeFileReader reader(std::move(bytes));
        ADD_FAILURE() << "accepted a file that should be refused (" << words << ")";
    } catch (const fw::Exception& e) {
        EXPECT_NE(e.Message().find(words), std::string::npos) << e.Message();
    }
}

TEST(ThemeFileReader, OneIntegerEntryGivesPureRed) {
    const BuiltThemeFile file = BuildThemeFile({{"FormBorderColor", kInteger, U32Data(0x000000FF)}});
    TsuiThemeFileReader reader(file.Bytes);
    EXPECT_EQ(reader.GetIntValue("FormBorderColor"), 255);
    EXPECT_EQ(reader.IntCount(), 1u);
}

TEST(ThemeFileReader, TerminatorIsNeverAnEntry) {
    // The terminator carries a name and valid integer data, yet closes the chain unread.
    const BuiltThemeFile onlyTerminator = BuildThemeFile({}, "FormMinWidthInt");
    TsuiThemeFileReader reader(onlyTerminator.Bytes);
    EXPECT_EQ(reader.GetIntValue("FormMinWidthInt"), -1);
    for (int number = 1; number <= ThemeElementCount; ++number) {
        const char* key = GetThemeElementKey(static_cast<TsuiThemeElement>(number));
        EXPECT_EQ(reader.GetIntValue(key), -1) << key;
        EXPECT_FALSE(reader.GetBoolValue(key)) << key;
        EXPECT_FALSE(reader.GetImageStream(key).has_value()) << key;
    }
    EXPECT_EQ(reader.ImageCount() + reader.IntCount() + reader.BoolCount() + reader.TextCount(), 0u);

    const BuiltThemeFile withEntry = BuildThemeFile({{"FormBorderColor", kInteger, U32Data(7)}}, "FormMinWidthInt");
    TsuiThemeFileReader second(withEntry.Bytes);
    EXPECT_EQ(second.GetIntValue("FormBorderColor"), 7);
    EXPECT_EQ(second.GetIntValue("FormMinWidthInt"), -1);
}

TEST(ThemeFileReader, FirstOfCaseDifferentDuplicatesWinsForEverySpelling) {
    const BuiltThemeFile file = BuildThemeFile({
        {"FormBorderColor", kInteger, U32Data(1)},
        {"FORMBORDERCOLOR", kInteger, U32Data(2)},
        {"buttontransparentbool", kBoolean, {0}},
        {"ButtonTransparentBool", kBoolean, {1}},
        {"ButtonImage", kImage, Bytes("first")},
        {"BUTTONIMAGE", kImage, Bytes("second")},
    });
    TsuiThemeFileReader reader(file.Bytes);
    for (const char* key : {"FormBorderColor", "FORMBORDERCOLOR", "formbordercolor"}) {
        EXPECT_EQ(reader.GetIntValue(key), 1) << key;
    }
    EXPECT_FALSE(reader.GetBoolValue("ButtonTransparentBool"));
    EXPECT_FALSE(reader.GetBoolValue("BUTTONTRANSPARENTBOOL"));
    const auto image = reader.GetImageStream("buttonImage");
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(std::string(image->begin(), image->end()), "first");
    EXPECT_EQ(reader.IntCount(), 2u);
}

TEST(ThemeFileReader, BooleanByteAndIntegerValues) {
    const BuiltThemeFile file = BuildThemeFile({
        {"TwoBool", kBoolean, {2}},
        {"ZeroBool", kBoolean, {0}},
        {"AllBitsBool", kBoolean, {255}},
        {"NegativeInt", kInteger, U32Data(static_cast<std::uint32_t>(-2))},
        {"SystemColor", kInteger, U32Data(0xFF00000F)},
    });
    TsuiThemeFileReader reader(file.Bytes);
    EXPECT_TRUE(reader.GetBoolValue("TwoBool"));
    EXPECT_FALSE(reader.GetBoolValue("ZeroBool"));
    EXPECT_TRUE(reader.GetBoolValue("AllBitsBool"));
    EXPECT_FALSE(reader.GetBoolValue("MissingBool"));
    EXPECT_EQ(reader.GetIntValue("NegativeInt"), -2);
    EXPECT_EQ(static_cast<std::uint32_t>(reader.GetIntValue("SystemColor")), 0xFF00000Fu);
    // Kinds do not answer for each other.
    EXPECT_EQ(reader.GetIntValue("TwoBool"), -1);
    EXPECT_FALSE(reader.GetBoolValue("NegativeInt"));
}

TEST(ThemeFileReader, NamesTextsAndImagesAreKeptAsStored) {
    const std::string longName(64, 'K');  // fills the field: no terminating zero
    const BuiltThemeFile file = BuildThemeFile({
        {longName, kInteger, U32Data(64)},
        {"NoteText", kText, Bytes("a=b \xC4\xE3\xBA\xC3")},
        {"EmptyText", kText, {}},
        {"NotABitmapImage", kImage, Bytes("hello")},
        {"EmptyImage", kImage, {}},
        {"Skipped", 7, U32Data(1)},
    });
    TsuiThemeFileReader reader(file.Bytes);
    EXPECT_EQ(reader.GetIntValue(longName), 64);
    EXPECT_EQ(reader.GetIntValue(longName + "K"), -1);
    EXPECT_EQ(reader.GetTextValue("notetext"), std::optional<std::string>("a=b \xC4\xE3\xBA\xC3"));
    EXPECT_EQ(reader.GetTextValue("EmptyText"), std::optional<std::string>(""));
    EXPECT_FALSE(reader.GetTextValue("Missing").has_value());
    const auto notBitmap = reader.GetImageStream("NotABitmapImage");
    ASSERT_TRUE(notBitmap.has_value());
    EXPECT_EQ(std::string(notBitmap->begin(), notBitmap->end()), "hello");
    const auto empty = reader.GetImageStream("EmptyImage");
    ASSERT_TRUE(empty.has_value());
    EXPECT_TRUE(empty->empty());
    EXPECT_EQ(reader.GetIntValue("Skipped"), -1);
    EXPECT_EQ(reader.ImageCount(), 2u);
    EXPECT_EQ(reader.TextCount(), 2u);
}

TEST(ThemeFileReader, GbkCharactersAreNotCaseFolded) {
    // 0xB0 0x41 and 0xB0 0x61 are two different GBK characters whose trail bytes are 'A' and 'a'.
    const BuiltThemeFile file = BuildThemeFile({
        {"x\xB0\x41Int", kInteger, U32Data(1)},
        {"x\xB0\x61Int", kInteger, U32Data(2)},
    });
    TsuiThemeFileReader reader(file.Bytes);
    EXPECT_EQ(reader.GetIntValue("x\xB0\x41Int"), 1);
    EXPECT_EQ(reader.GetIntValue("x\xB0\x61Int"), 2);
    EXPECT_EQ(reader.GetIntValue("X\xB0\x61INT"), 2);
    EXPECT_TRUE(SameThemeKey("abc", "ABC"));
    EXPECT_FALSE(SameThemeKey("abc", "abcd"));
    EXPECT_TRUE(SameThemeKey("\xB0", "\xB0"));  // a lone lead byte at the end
}

TEST(ThemeFileReader, RecordsAndDataMayLieAnywhereInTheFile) {
    // Terminator first, the entries after it in reverse chain order, data before the records.
    std::vector<std::uint8_t> bytes = ThemeHeader(0);
    const std::size_t dataAt = bytes.size();
    bytes.insert(bytes.end(), {1, 0, 0, 0, 1});
    const std::size_t terminator = AppendRecord(bytes, "", 0, 0, 0, 0);
    const std::size_t second = AppendRecord(bytes, "SecondBool", kBoolean, dataAt + 4, 1, terminator);
    const std::size_t first = AppendRecord(bytes, "FirstInt", kInteger, dataAt, 4, second);
    PutU32(bytes, 20, static_cast<std::uint32_t>(first));
    TsuiThemeFileReader reader(bytes);
    EXPECT_EQ(reader.GetIntValue("FirstInt"), 1);
    EXPECT_TRUE(reader.GetBoolValue("SecondBool"));
}

TEST(ThemeFileReader, RefusesBrokenHeaders) {
    ExpectRefused({}, "shorter than its header");
    ExpectRefused(std::vector<std::uint8_t>(15, 0), "shorter than its header");
    std::vector<std::uint8_t> shortHeader(16, 0);
    PutU32(shortHeader, 12, 24);
    ExpectRefused(shortHeader, "shorter than its header");
    for (std::uint32_t length : {0u, 16u, 20u, 28u, 0xFFFFFFFFu}) {
        BuiltThemeFile file = BuildThemeFile({{"AInt", kInteger, U32Data(1)}});
        PutU32(file.Bytes, 12, length);
        ExpectRefused(file.Bytes, "header length");
    }
}

TEST(ThemeFileReader, RefusesRecordsOutsideTheFile) {
    BuiltThemeFile file = BuildThemeFile({{"AInt", kInteger, U32Data(1)}});
    const auto size = static_cast<std::uint32_t>(file.Bytes.size());
    for (std::uint32_t first : {size, size - 76, 0xFFFFFFFFu, 0xFFFFFFB3u}) {
        std::vector<std::uint8_t> bytes = file.Bytes;
        PutU32(bytes, 20, first);
        ExpectRefused(bytes, "past the end");
    }
    std::vector<std::uint8_t> nextOutside = file.Bytes;
    PutU32(nextOutside, file.RecordOffsets[0] + TsuiThemeFileReader::NextEntryField, size - 10);
    ExpectRefused(nextOutside, "past the end");
    std::vector<std::uint8_t> truncated = file.Bytes;
    truncated.pop_back();  // the terminator loses its last byte
    ExpectRefused(truncated, "past the end");
}

TEST(ThemeFileReader, RefusesChainsThatLoop) {
    BuiltThemeFile file = BuildThemeFile({{"AInt", kInteger, U32Data(1)}, {"BInt", kInteger, U32Data(2)}});
    const std::size_t next = TsuiThemeFileReader::NextEntryField;
    std::vector<std::uint8_t> self = file.Bytes;
    PutU32(self, file.RecordOffsets[0] + next, static_cast<std::uint32_t>(file.RecordOffsets[0]));
    ExpectRefused(self, "returns to the record");
    std::vector<std::uint8_t> back = file.Bytes;
    PutU32(back, file.RecordOffsets[1] + next, static_cast<std::uint32_t>(file.RecordOffsets[0]));
    ExpectRefused(back, "returns to the record");
}

TEST(ThemeFileReader, RefusesChainsOfOverlappingRecords) {
    // Records 13 bytes apart: their fields never overlap, only their names do. Left alone, a file
    // could list far more entries than it has room for.
    std::vector<std::uint8_t> bytes = ThemeHeader(24);
    const int count = 200;
    bytes.resize(24 + 13 * count + 77, 0);
    for (int i = 0; i < count; ++i) {
        const std::size_t at = 24 + 13 * i;
        bytes[at + TsuiThemeFileReader::KindField] = kInteger;
        PutU32(bytes, at + TsuiThemeFileReader::DataOffsetField, 0);
        PutU32(bytes, at + TsuiThemeFileReader::DataSizeField, 4);
        PutU32(bytes, at + TsuiThemeFileReader::NextEntryField, static_cast<std::uint32_t>(at + 13));
    }
    PutU32(bytes, 24 + 13 * count + TsuiThemeFileReader::NextEntryField, 0);
    ExpectRefused(bytes, "overlap");
}

TEST(ThemeFileReader, RefusesDataOutsideTheFileBeforeAllocating) {
    const std::size_t dataOffsetField = TsuiThemeFileReader::DataOffsetField;
    const std::size_t dataSizeField = TsuiThemeFileReader::DataSizeField;
    for (std::uint8_t kind : {kImage, kText}) {
        BuiltThemeFile file = BuildThemeFile({{"Blob", kind, Bytes("12345678")}});
        const std::size_t at = file.RecordOffsets[0];
        const auto size = static_cast<std::uint32_t>(file.Bytes.size());
        std::vector<std::uint8_t> huge = file.Bytes;
        PutU32(huge, at + dataSizeField, 0xFFFFFFFFu);
        ExpectRefused(huge, "past the end");
        std::vector<std::uint8_t> oneTooMany = file.Bytes;
        PutU32(oneTooMany, at + dataOffsetField, size - 7);
        ExpectRefused(oneTooMany, "past the end");
        std::vector<std::uint8_t> wraps = file.Bytes;  // offset + size overflows 32 bits
        PutU32(wraps, at + dataOffsetField, 0xFFFFFFF8u);
        PutU32(wraps, at + dataSizeField, 0x10u);
        ExpectRefused(wraps, "past the end");
        std::vector<std::uint8_t> lastByte = file.Bytes;  // data ending exactly at the end is fine
        PutU32(lastByte, at + dataOffsetField, size - 8);
        EXPECT_NO_THROW(TsuiThemeFileReader{lastByte});
    }
    for (std::uint8_t kind : {kInteger, kBoolean}) {
        BuiltThemeFile file = BuildThemeFile({{"Value", kind, kind == kInteger ? U32Data(5) : std::vector<std::uint8_t>{1}}});
        PutU32(file.Bytes, file.RecordOffsets[0] + dataOffsetField, static_cast<std::uint32_t>(file.Bytes.size()));
        ExpectRefused(file.Bytes, "past the end");
    }
}

TEST(ThemeFileReader, RefusesIntegersAndBooleansOfTheWrongSize) {
    for (std::uint32_t size : {0u, 1u, 3u, 5u, 8u}) {
        BuiltThemeFile file = BuildThemeFile({{"WidthInt", kInteger, std::vector<std::uint8_t>(size, 1)}});
        ExpectRefused(file.Bytes, "not 4");
    }
    for (std::uint32_t size : {0u, 2u, 4u}) {
        BuiltThemeFile file = BuildThemeFile({{"FlagBool", kBoolean, std::vector<std::uint8_t>(size, 1)}});
        ExpectRefused(file.Bytes, "not 1");
    }
}

TEST(ThemeFileReader, UnknownKindsAreSkippedWithoutTouchingTheirData) {
    BuiltThemeFile file = BuildThemeFile({{"FutureThing", 9, {}}, {"AfterInt", kInteger, U32Data(3)}});
    PutU32(file.Bytes, file.RecordOffsets[0] + TsuiThemeFileReader::DataOffsetField, 0xFFFFFFF0u);
    PutU32(file.Bytes, file.RecordOffsets[0] + TsuiThemeFileReader::DataSizeField, 0xFFFFFFF0u);
    TsuiThemeFileReader reader(file.Bytes);
    EXPECT_EQ(reader.GetIntValue("AfterInt"), 3);
}

TEST(ThemeFileReader, ReadsFromAFileAndReportsAMissingOne) {
    try {
        TsuiThemeFileReader::FromFile("/nonexistent/folder/none.theme");
        ADD_FAILURE() << "a missing file was read";
    } catch (const fw::Exception& e) {
        EXPECT_NE(e.Message().find("Cannot open"), std::string::npos);
    }
    const TsuiThemeFileReader reader = TsuiThemeFileReader::FromFile(VORNIK_SOURCE_DIR "/resources/themes/example.theme");
    EXPECT_EQ(reader.ImageCount(), 19u);
}

}  // namespace
