// Random and mutated theme files: the reader either parses them or raises fw::Exception; it never
// crashes, hangs, reads outside the file (the sanitizers watch) or grows beyond the file.

#include "skin/styles/SUIThemeFileReader.h"

#include "framework/core/Exception.h"
#include "skin/styles/SUIThemeTable.h"
#include "tests/native/styles/ThemeFileBuilder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <set>

namespace {

using R = TsuiThemeFileReader;

std::vector<std::uint8_t> ExampleTheme() {
    std::ifstream in(VORNIK_SOURCE_DIR "/resources/themes/example.theme", std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::uint8_t> SmallTheme() {
    return BuildThemeFile({
                              {"ButtonImage", 0, {'B', 'M', 1, 2, 3, 4, 5, 6}},
                              {"FormBorderColor", 1, U32Data(0xFF)},
                              {"ButtonTransparentBool", 2, {1}},
                              {"NoteText", 3, {'h', 'i'}},
                          })
        .Bytes;
}

// Uses every answer of a parsed reader, so the sanitizers see each byte it hands out.
void Exercise(const R& reader, std::size_t fileSize) {
    volatile std::uint32_t sink = 0;
    for (int number = 1; number <= ThemeElementCount; ++number) {
        const char* key = GetThemeElementKey(static_cast<TsuiThemeElement>(number));
        sink = sink + static_cast<std::uint32_t>(reader.GetIntValue(key)) + reader.GetBoolValue(key);
        if (auto image = reader.GetImageStream(key)) {
            ASSERT_LE(image->size(), fileSize);
            for (std::uint8_t b : *image) sink = sink + b;
        }
    }
    if (auto text = reader.GetTextValue("NoteText")) {
        ASSERT_LE(text->size(), fileSize);
    }
    // A file of n bytes cannot hold more than n / 77 separate records.
    ASSERT_LE(reader.ImageCount() + reader.IntCount() + reader.BoolCount() + reader.TextCount(), fileSize / R::EntrySize);
}

// Parses; returns whether the file was accepted. Any exception other than fw::Exception fails the test.
bool TryParse(const std::vector<std::uint8_t>& bytes) {
    try {
        R reader(bytes);
        Exercise(reader, bytes.size());
        return true;
    } catch (const fw::Exception&) {
        return false;
    }
}

std::uint32_t InterestingValue(std::mt19937& rng, std::size_t size) {
    const std::uint32_t n = static_cast<std::uint32_t>(size);
    const std::uint32_t values[] = {0, 1, 4, 23, 24, 76, 77, n - 77, n - 4, n - 1, n, n + 1, 0x7FFFFFFF, 0xFFFFFFFF,
                                    0xFFFFFFB3, static_cast<std::uint32_t>(rng() % (n + 1))};
    return values[rng() % std::size(values)];
}

void Mutate(std::vector<std::uint8_t>& bytes, std::mt19937& rng) {
    const int edits = 1 + static_cast<int>(rng() % 4);
    for (int i = 0; i < edits && !bytes.empty(); ++i) {
        switch (rng() % 5) {
        case 0: bytes[rng() % bytes.size()] = static_cast<std::uint8_t>(rng()); break;
        case 1:
            if (bytes.size() >= 4) PutU32(bytes, rng() % (bytes.size() - 3), InterestingValue(rng, bytes.size()));
            break;
        case 2: bytes.resize(rng() % (bytes.size() + 1)); break;
        case 3: bytes.resize(bytes.size() + rng() % 200, static_cast<std::uint8_t>(rng())); break;
        case 4: {
            // Aim at the fields of a record the chain really uses.
            if (bytes.size() < 24) break;
            std::uint32_t record = GetU32(bytes, 20);
            for (std::uint32_t hops = rng() % 4; hops > 0 && std::uint64_t{record} + 77 <= bytes.size(); --hops) {
                const std::uint32_t next = GetU32(bytes, record + 73);
                if (next == 0) break;
                record = next;
            }
            const std::size_t fields[] = {R::KindField, R::DataOffsetField, R::DataSizeField, R::NextEntryField};
            const std::size_t at = record + fields[rng() % 4];
            if (at + 4 <= bytes.size()) PutU32(bytes, at, InterestingValue(rng, bytes.size()));
            break;
        }
        }
    }
}

TEST(ThemeFileFuzz, MutatedFilesParseOrFailCleanly) {
    std::mt19937 rng(20240531);
    for (const std::vector<std::uint8_t>& seed : {SmallTheme(), ExampleTheme()}) {
        ASSERT_TRUE(TryParse(seed));
        int accepted = 0;
        const int rounds = seed.size() < 1000 ? 30000 : 4000;
        for (int round = 0; round < rounds; ++round) {
            std::vector<std::uint8_t> bytes = seed;
            Mutate(bytes, rng);
            accepted += TryParse(bytes);
        }
        // Both outcomes must occur, or the mutations never reached the interesting paths.
        EXPECT_GT(accepted, 0);
        EXPECT_LT(accepted, rounds);
    }
}

TEST(ThemeFileFuzz, RandomBytesParseOrFailCleanly) {
    std::mt19937 rng(7);
    for (int round = 0; round < 40000; ++round) {
        std::vector<std::uint8_t> bytes(rng() % 400);
        for (std::uint8_t& b : bytes) b = static_cast<std::uint8_t>(rng() % 4 == 0 ? rng() : rng() % 3);
        if (bytes.size() >= 24 && rng() % 2) {
            PutU32(bytes, 12, 24);
            PutU32(bytes, 20, static_cast<std::uint32_t>(rng() % bytes.size()));
        }
        TryParse(bytes);
    }
}

// Random chains over well-formed records: the reader must accept exactly the chains that reach
// the terminator without visiting a record twice, and find the first entry of each key.
TEST(ThemeFileFuzz, RandomChainsMatchAModelWalk) {
    std::mt19937 rng(99);
    const char* names[] = {"AInt", "aint", "BInt", "CInt"};
    for (int round = 0; round < 3000; ++round) {
        const int count = 1 + static_cast<int>(rng() % 6);
        std::vector<std::uint8_t> bytes = ThemeHeader();
        const std::size_t dataAt = bytes.size();
        for (int i = 0; i < count; ++i) PutU32(bytes, dataAt + 4 * i, static_cast<std::uint32_t>(i * 10));
        std::vector<std::size_t> records;
        std::vector<int> nameOf;
        for (int i = 0; i < count; ++i) {
            nameOf.push_back(static_cast<int>(rng() % 4));
            records.push_back(AppendRecord(bytes, names[nameOf.back()], 1, static_cast<std::uint32_t>(dataAt + 4 * i), 4, 0));
        }
        // Each record links to a random record, or ends the chain.
        std::vector<int> link(count);
        for (int i = 0; i < count; ++i) {
            link[i] = static_cast<int>(rng() % (count + 1)) - 1;
            PutU32(bytes, records[i] + R::NextEntryField, link[i] < 0 ? 0 : static_cast<std::uint32_t>(records[link[i]]));
        }
        const int start = static_cast<int>(rng() % count);
        PutU32(bytes, 20, static_cast<std::uint32_t>(records[start]));

        std::set<int> seen;
        std::vector<int> walked;  // records read as entries, in chain order
        bool ok = true;
        for (int at = start;;) {
            if (!seen.insert(at).second) {
                ok = false;
                break;
            }
            if (link[at] < 0) break;
            walked.push_back(at);
            at = link[at];
        }
        SCOPED_TRACE(round);
        if (!ok) {
            EXPECT_THROW(R{bytes}, fw::Exception);
            continue;
        }
        R reader(bytes);
        EXPECT_EQ(reader.IntCount(), walked.size());
        for (int n = 0; n < 4; ++n) {
            std::int32_t expected = -1;
            for (int record : walked) {
                if (SameThemeKey(names[nameOf[record]], names[n])) {
                    expected = record * 10;
                    break;
                }
            }
            EXPECT_EQ(reader.GetIntValue(names[n]), expected) << names[n];
        }
    }
}

}  // namespace
