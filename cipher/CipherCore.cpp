#include "cipher/CipherCore.h"

#include <cstdint>
#include <stdexcept>

namespace cipher {
namespace {

// The library's key. Anyone holding encrypt.dll holds it too; it keeps the book from casual reading.
constexpr std::uint64_t Key0 = 0x5a1f93c47e2b08d6ULL;
constexpr std::uint64_t Key1 = 0xc3e70b9a2d4f6158ULL;

constexpr int Rounds = 4;
constexpr unsigned Modulus = 255; // bytes 1..255 are worked on as 0..254

enum class Direction : std::uint64_t { Forward = 0, Backward = 1 };

inline std::uint64_t Rotl(std::uint64_t x, int b) { return (x << b) | (x >> (64 - b)); }

// A keyed pseudo-random function built from the SipHash permutation: it absorbs the enciphered
// bytes one at a time and yields a fresh 64-bit value after each.
class Prf {
public:
    Prf(int round, Direction direction, std::size_t length) {
        v0_ = Key0 ^ 0x736f6d6570736575ULL;
        v1_ = Key1 ^ 0x646f72616e646f6dULL;
        v2_ = Key0 ^ 0x6c7967656e657261ULL;
        v3_ = Key1 ^ 0x7465646279746573ULL;
        // The tweak separates rounds, directions and string lengths.
        Absorb((static_cast<std::uint64_t>(round) << 48) | (static_cast<std::uint64_t>(direction) << 40) |
               static_cast<std::uint64_t>(length));
        v2_ ^= 0xff;
        Permute();
        Permute();
        Permute();
        Permute();
    }

    std::uint64_t Output() const { return v0_ ^ v1_ ^ v2_ ^ v3_; }

    void Absorb(std::uint64_t m) {
        v3_ ^= m;
        Permute();
        Permute();
        v0_ ^= m;
    }

private:
    void Permute() {
        v0_ += v1_; v1_ = Rotl(v1_, 13); v1_ ^= v0_; v0_ = Rotl(v0_, 32);
        v2_ += v3_; v3_ = Rotl(v3_, 16); v3_ ^= v2_;
        v0_ += v3_; v3_ = Rotl(v3_, 21); v3_ ^= v0_;
        v2_ += v1_; v1_ = Rotl(v1_, 17); v1_ ^= v2_; v2_ = Rotl(v2_, 32);
    }

    std::uint64_t v0_, v1_, v2_, v3_;
};

// The value added to the byte at `position`; 2^64 is 1 modulo 255, so the bias is negligible.
inline unsigned Pad(const Prf& prf) { return static_cast<unsigned>(prf.Output() % Modulus); }

// The feedback of byte `c` at `position`: the position is absorbed with it.
inline std::uint64_t Feedback(unsigned c, std::size_t position) {
    return static_cast<std::uint64_t>(c) | (static_cast<std::uint64_t>(position) << 8);
}

void Forward(unsigned char* x, std::size_t n, int round) {
    Prf prf(round, Direction::Forward, n);
    for (std::size_t i = 0; i < n; ++i) {
        x[i] = static_cast<unsigned char>((x[i] + Pad(prf)) % Modulus);
        prf.Absorb(Feedback(x[i], i));
    }
}

void Backward(unsigned char* x, std::size_t n, int round) {
    Prf prf(round, Direction::Backward, n);
    for (std::size_t i = n; i-- > 0;) {
        x[i] = static_cast<unsigned char>((x[i] + Pad(prf)) % Modulus);
        prf.Absorb(Feedback(x[i], i));
    }
}

void UndoForward(unsigned char* x, std::size_t n, int round) {
    Prf prf(round, Direction::Forward, n);
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned c = x[i];
        x[i] = static_cast<unsigned char>((c + Modulus - Pad(prf)) % Modulus);
        prf.Absorb(Feedback(c, i));
    }
}

void UndoBackward(unsigned char* x, std::size_t n, int round) {
    Prf prf(round, Direction::Backward, n);
    for (std::size_t i = n; i-- > 0;) {
        const unsigned c = x[i];
        x[i] = static_cast<unsigned char>((c + Modulus - Pad(prf)) % Modulus);
        prf.Absorb(Feedback(c, i));
    }
}

void CheckNoZero(std::string_view text) {
    if (text.find('\0') != std::string_view::npos)
        throw std::invalid_argument("cipher input holds a zero byte");
}

} // namespace

void EncipherBytes(unsigned char* bytes, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) --bytes[i];
    for (int r = 0; r < Rounds; ++r) {
        Forward(bytes, n, r);
        Backward(bytes, n, r);
    }
    for (std::size_t i = 0; i < n; ++i) ++bytes[i];
}

void DecipherBytes(unsigned char* bytes, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) --bytes[i];
    for (int r = Rounds; r-- > 0;) {
        UndoBackward(bytes, n, r);
        UndoForward(bytes, n, r);
    }
    for (std::size_t i = 0; i < n; ++i) ++bytes[i];
}

std::string Encipher(std::string_view plain) {
    CheckNoZero(plain);
    std::string out(plain);
    EncipherBytes(reinterpret_cast<unsigned char*>(out.data()), out.size());
    return out;
}

std::string Decipher(std::string_view cipherText) {
    CheckNoZero(cipherText);
    std::string out(cipherText);
    DecipherBytes(reinterpret_cast<unsigned char*>(out.data()), out.size());
    return out;
}

} // namespace cipher
