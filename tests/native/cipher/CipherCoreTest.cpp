#include "cipher/CipherCore.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <stdexcept>
#include <string>

namespace {

std::string RandomText(std::mt19937& rng, std::size_t length) {
    std::uniform_int_distribution<int> byte(1, 255);
    std::string text(length, '\0');
    for (char& c : text)
        c = static_cast<char>(byte(rng));
    return text;
}

TEST(CipherCore, RoundTripKeepsLengthAndNeverWritesZero) {
    std::mt19937 rng(7);
    for (std::size_t length = 0; length < 300; ++length) {
        const std::string plain = RandomText(rng, length);
        const std::string cipherText = cipher::Encipher(plain);
        ASSERT_EQ(cipherText.size(), plain.size());
        ASSERT_EQ(cipherText.find('\0'), std::string::npos) << "length " << length;
        ASSERT_EQ(cipher::Decipher(cipherText), plain) << "length " << length;
        ASSERT_EQ(cipher::Encipher(plain), cipherText) << "not deterministic";
    }
}

TEST(CipherCore, OneByteTextsArePermuted) {
    std::set<std::string> seen;
    for (int b = 1; b <= 255; ++b) {
        const std::string cipherText = cipher::Encipher(std::string(1, static_cast<char>(b)));
        ASSERT_EQ(cipherText.size(), 1u);
        ASSERT_NE(cipherText[0], '\0');
        seen.insert(cipherText);
    }
    EXPECT_EQ(seen.size(), 255u);
}

// Neighbouring one-byte texts such as the levels "0", "1", "2" must not keep their distance.
TEST(CipherCore, OneByteTextsAreNotMerelyShifted) {
    std::set<int> distances;
    for (int b = 1; b < 255; ++b) {
        const int c0 = static_cast<unsigned char>(cipher::Encipher(std::string(1, static_cast<char>(b)))[0]);
        const int c1 = static_cast<unsigned char>(cipher::Encipher(std::string(1, static_cast<char>(b + 1)))[0]);
        distances.insert((c1 - c0 + 255) % 255);
    }
    EXPECT_GT(distances.size(), 100u);
}

// The cipher text of a stored book must never change, or existing record files become unreadable.
TEST(CipherCore, KnownCipherTextStaysFixed) {
    const std::string cipherText = cipher::Encipher("UserName");
    std::string hex;
    for (unsigned char c : cipherText)
        hex += "0123456789abcdef"[c >> 4], hex += "0123456789abcdef"[c & 15];
    EXPECT_EQ(hex, "660250e623322dc4");
}

// A single-byte edit anywhere changes practically every byte of the cipher text.
TEST(CipherCore, SingleByteEditsSpreadOverTheWholeText) {
    std::mt19937 rng(11);
    const std::size_t length = 40;
    int unchanged = 0, total = 0;
    for (int trial = 0; trial < 500; ++trial) {
        const std::string plain = RandomText(rng, length);
        std::string edited = plain;
        const std::size_t at = rng() % length;
        edited[at] = static_cast<char>(edited[at] == 'x' ? 'y' : 'x');
        const std::string a = cipher::Encipher(plain), b = cipher::Encipher(edited);
        for (std::size_t i = 0; i < length; ++i)
            unchanged += a[i] == b[i];
        total += static_cast<int>(length);
    }
    // By chance one byte in 255 stays the same.
    EXPECT_LT(unchanged, total / 100);
}

TEST(CipherCore, EqualPrefixesDoNotShow) {
    std::mt19937 rng(13);
    int equalFirstBytes = 0;
    const int trials = 2000;
    for (int trial = 0; trial < trials; ++trial) {
        const std::string prefix = RandomText(rng, 20);
        const std::string a = cipher::Encipher(prefix + "a"), b = cipher::Encipher(prefix + "b");
        equalFirstBytes += a.compare(0, 20, b, 0, 20) == 0;
        // Also a shorter text does not encipher to a prefix of a longer one.
        const std::string shorter = cipher::Encipher(prefix);
        equalFirstBytes += a.compare(0, 20, shorter) == 0;
    }
    EXPECT_EQ(equalFirstBytes, 0);
}

TEST(CipherCore, RefusesZeroBytes) {
    EXPECT_THROW(cipher::Encipher(std::string("a\0b", 3)), std::invalid_argument);
    EXPECT_THROW(cipher::Decipher(std::string("\0", 1)), std::invalid_argument);
}

} // namespace
