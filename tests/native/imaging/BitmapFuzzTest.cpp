// Random and damaged input for the bitmap-file decoder. Run under AddressSanitizer and UBSan,
// any read past the buffer or arithmetic overflow aborts the test; every input must either
// decode to an image within the limits or be refused with a BitmapFileError.

#include "framework/imaging/BitmapFile.h"

#include "tests/native/imaging/BmpBuilder.h"
#include "tests/data/CorpusFiles.h"

#include <gtest/gtest.h>

#include <ctime>
#include <random>

using fw::BitmapFileError;

namespace {

// Each test stops after this much processor time, whatever its iteration count, to keep the
// suite quick. (<chrono> cannot be used: its literals do not survive -fexec-charset=GBK.)
std::clock_t Deadline() { return std::clock() + std::clock_t(2 * CLOCKS_PER_SEC); }

struct Outcome {
    int decoded = 0;
    int refused = 0;
};

void TryDecode(const std::vector<uint8_t>& bytes, Outcome& outcome) {
    try {
        const fw::PixelImage image = fw::DecodeBitmapFile(bytes.data(), bytes.size());
        ASSERT_GT(image.Width(), 0);
        ASSERT_GT(image.Height(), 0);
        ASSERT_LE(image.Width(), fw::kMaxBitmapSide);
        ASSERT_LE(image.Height(), fw::kMaxBitmapSide);
        ASSERT_LE(int64_t{image.Width()} * image.Height(), fw::kMaxBitmapPixels);
        ++outcome.decoded;
    } catch (const BitmapFileError& e) {
        ASSERT_FALSE(e.Message().empty());
        ++outcome.refused;
    }
}

// Values that tend to break size arithmetic.
uint32_t Extreme(std::mt19937& rng) {
    static const uint32_t values[] = {0,          1,          2,          0x7F,       0x80,      0xFF,
                                      0x100,      0x7FFF,     0x8000,     0xFFFF,     0x10000,   16384,
                                      16385,      0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0xFFFFFFFE, 0x40000000};
    return values[rng() % std::size(values)];
}

std::vector<std::vector<uint8_t>> LoadCorpus() {
    std::vector<std::vector<uint8_t>> files;
    for (const char* folder : {"g", "q", "b"})
        for (const auto& path : corpus::CorpusFiles(folder))
            files.push_back(corpus::ReadFile(path));
    return files;
}

std::vector<uint8_t> Mutate(std::vector<uint8_t> file, std::mt19937& rng) {
    switch (rng() % 6) {
    case 0: // a few random bytes anywhere
        for (int n = 1 + rng() % 4; n > 0 && !file.empty(); --n)
            file[rng() % file.size()] = static_cast<uint8_t>(rng());
        break;
    case 1: // a few bytes of the headers and palette
        for (int n = 1 + rng() % 3; n > 0 && !file.empty(); --n)
            file[rng() % std::min<size_t>(file.size(), 150)] ^= static_cast<uint8_t>(1u << (rng() % 8));
        break;
    case 2: { // an extreme value in a header field
        const size_t at = 2 + 2 * (rng() % 34);
        if (at + 4 <= file.size())
            imaging_test::Put(file, at, Extreme(rng), rng() % 2 ? 4 : 2);
        break;
    }
    case 3: // cut short
        file.resize(rng() % (file.size() + 1));
        break;
    case 4: { // cut short, with the size field agreeing
        file.resize(rng() % (file.size() + 1));
        if (file.size() >= 6)
            imaging_test::Put(file, 2, static_cast<uint32_t>(file.size()), 4);
        break;
    }
    default: { // a run of random bytes in the pixel data (RLE streams are the interesting part)
        if (file.size() > 60) {
            const size_t at = 54 + rng() % (file.size() - 54);
            for (size_t i = at; i < std::min(file.size(), at + 1 + rng() % 16); ++i)
                file[i] = static_cast<uint8_t>(rng());
        }
        break;
    }
    }
    return file;
}

} // namespace

TEST(BitmapFuzz, MutatedCorpusFiles) {
    const auto corpus = LoadCorpus();
    ASSERT_FALSE(corpus.empty());
    std::mt19937 rng(20240611);
    Outcome outcome;
    const std::clock_t deadline = Deadline();
    int iterations = 0;
    for (; iterations < 200000 && std::clock() < deadline; ++iterations) {
        std::vector<uint8_t> file = corpus[rng() % corpus.size()];
        for (int rounds = 1 + rng() % 3; rounds > 0; --rounds)
            file = Mutate(std::move(file), rng);
        ASSERT_NO_FATAL_FAILURE(TryDecode(file, outcome));
    }
    RecordProperty("iterations", iterations);
    std::printf("%d mutated files: %d decoded, %d refused\n", iterations, outcome.decoded, outcome.refused);
    // Both outcomes must occur, or the mutations are not reaching the decoder's interesting parts.
    EXPECT_GT(outcome.decoded, iterations / 20);
    EXPECT_GT(outcome.refused, iterations / 20);
}

TEST(BitmapFuzz, RandomBytesBehindPlausibleHeaders) {
    std::mt19937 rng(99);
    Outcome outcome;
    const std::clock_t deadline = Deadline();
    int iterations = 0;
    for (; iterations < 200000 && std::clock() < deadline; ++iterations) {
        std::vector<uint8_t> file(rng() % 700);
        for (auto& b : file)
            b = static_cast<uint8_t>(rng());
        if (file.size() >= 54 && rng() % 4 != 0) {
            // Enough structure to get past the first checks most of the time.
            static const uint32_t headerSizes[] = {12, 16, 40, 52, 56, 64, 108, 124};
            static const uint16_t bitCounts[] = {1, 4, 8, 16, 24, 32};
            file[0] = 'B';
            file[1] = 'M';
            imaging_test::Put(file, 2, static_cast<uint32_t>(file.size()), 4);
            imaging_test::Put(file, 10, 14 + rng() % 200, 4);
            const uint32_t headerSize = headerSizes[rng() % std::size(headerSizes)];
            imaging_test::Put(file, 14, headerSize, 4);
            const bool core = headerSize == 12;
            imaging_test::Put(file, 18, 1 + rng() % 40, core ? 2 : 4);
            imaging_test::Put(file, core ? 20 : 22, 1 + rng() % 40, core ? 2 : 4);
            imaging_test::Put(file, core ? 22 : 26, 1, 2);
            imaging_test::Put(file, core ? 24 : 28, bitCounts[rng() % std::size(bitCounts)], 2);
            if (!core) {
                imaging_test::Put(file, 30, rng() % 4, 4);
                imaging_test::Put(file, 34, 0, 4);
                imaging_test::Put(file, 38, 0, 4);
                imaging_test::Put(file, 42, 0, 4);
                imaging_test::Put(file, 46, rng() % 3 ? 0 : rng() % 300, 4);
            }
        }
        ASSERT_NO_FATAL_FAILURE(TryDecode(file, outcome));
    }
    RecordProperty("iterations", iterations);
    std::printf("%d random files: %d decoded, %d refused\n", iterations, outcome.decoded, outcome.refused);
    EXPECT_GT(outcome.decoded, 0);
}
