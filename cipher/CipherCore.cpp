#include "cipher/CipherCore.h"

#include <array>
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

constexpr std::uint64_t Rotl(std::uint64_t x, int b) { return (x << b) | (x >> (64 - b)); }

// The SipHash permutation over a keyed 256-bit state: a keyed pseudo-random function that absorbs
// 64-bit words and yields a 64-bit value after each.
struct SipState {
    std::uint64_t v0, v1, v2, v3;

    constexpr void Permute() {
        v0 += v1; v1 = Rotl(v1, 13); v1 ^= v0; v0 = Rotl(v0, 32);
        v2 += v3; v3 = Rotl(v3, 16); v3 ^= v2;
        v0 += v3; v3 = Rotl(v3, 21); v3 ^= v0;
        v2 += v1; v1 = Rotl(v1, 17); v1 ^= v2; v2 = Rotl(v2, 32);
    }

    constexpr void Absorb(std::uint64_t m) {
        v3 ^= m;
        Permute();
        Permute();
        v0 ^= m;
    }

    constexpr void Finish() {
        v2 ^= 0xff;
        Permute();
        Permute();
        Permute();
        Permute();
    }

    constexpr std::uint64_t Output() const { return v0 ^ v1 ^ v2 ^ v3; }
};

constexpr SipState Keyed(std::uint64_t domain) {
    SipState s{Key0 ^ 0x736f6d6570736575ULL, Key1 ^ 0x646f72616e646f6dULL, Key0 ^ 0x6c7967656e657261ULL,
               Key1 ^ 0x7465646279746573ULL};
    s.Absorb(domain);
    s.Finish();
    return s;
}

// The function's starting state for each round and direction, worked out at compile time.
constexpr std::array<SipState, 2 * Rounds> MakeStarts() {
    std::array<SipState, 2 * Rounds> starts{};
    for (int r = 0; r < Rounds; ++r)
        for (std::uint64_t d = 0; d < 2; ++d)
            starts[static_cast<std::size_t>(2 * r) + d] = Keyed((static_cast<std::uint64_t>(r) << 8) | d);
    return starts;
}
constexpr std::array<SipState, 2 * Rounds> Starts = MakeStarts();

// A keyed permutation of 0..254 applied to every byte at the start of each round, so that texts of
// one byte, where no other byte can feed back, are not merely shifted.
using Substitution = std::array<unsigned char, Modulus>;

constexpr Substitution MakeSubstitution() {
    Substitution s{};
    for (unsigned i = 0; i < Modulus; ++i)
        s[i] = static_cast<unsigned char>(i);
    SipState prng = Keyed(0x5375627374697475ULL);
    for (unsigned i = Modulus - 1; i > 0; --i) {
        prng.Absorb(i);
        const unsigned j = static_cast<unsigned>(prng.Output() % (i + 1));
        const unsigned char t = s[i];
        s[i] = s[j];
        s[j] = t;
    }
    return s;
}

constexpr Substitution Invert(const Substitution& s) {
    Substitution inverse{};
    for (unsigned i = 0; i < Modulus; ++i)
        inverse[s[i]] = static_cast<unsigned char>(i);
    return inverse;
}

constexpr Substitution Substitute = MakeSubstitution();
constexpr Substitution Unsubstitute = Invert(Substitute);

class Prf {
public:
    Prf(int round, Direction direction, std::size_t length)
        : s_(Starts[static_cast<std::size_t>(2 * round) + static_cast<std::size_t>(direction)]) {
        s_.Absorb(length); // texts of different lengths get unrelated pads
    }

    // The next value to add, uniform on 0..254: 2^64 is 1 modulo 255, so the bias is negligible.
    unsigned Pad() const { return static_cast<unsigned>(s_.Output() % Modulus); }

    // Feeds back the enciphered byte `c` at `position`.
    void Feed(unsigned c, std::size_t position) {
        s_.Absorb(static_cast<std::uint64_t>(c) | (static_cast<std::uint64_t>(position) << 8));
    }

private:
    SipState s_;
};

void Forward(unsigned char* x, std::size_t n, int round) {
    Prf prf(round, Direction::Forward, n);
    for (std::size_t i = 0; i < n; ++i) {
        x[i] = static_cast<unsigned char>((x[i] + prf.Pad()) % Modulus);
        prf.Feed(x[i], i);
    }
}

void Backward(unsigned char* x, std::size_t n, int round) {
    Prf prf(round, Direction::Backward, n);
    for (std::size_t i = n; i-- > 0;) {
        x[i] = static_cast<unsigned char>((x[i] + prf.Pad()) % Modulus);
        prf.Feed(x[i], i);
    }
}

void UndoForward(unsigned char* x, std::size_t n, int round) {
    Prf prf(round, Direction::Forward, n);
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned c = x[i];
        x[i] = static_cast<unsigned char>((c + Modulus - prf.Pad()) % Modulus);
        prf.Feed(c, i);
    }
}

void UndoBackward(unsigned char* x, std::size_t n, int round) {
    Prf prf(round, Direction::Backward, n);
    for (std::size_t i = n; i-- > 0;) {
        const unsigned c = x[i];
        x[i] = static_cast<unsigned char>((c + Modulus - prf.Pad()) % Modulus);
        prf.Feed(c, i);
    }
}

void Map(unsigned char* x, std::size_t n, const Substitution& table) {
    for (std::size_t i = 0; i < n; ++i)
        x[i] = table[x[i]];
}

void CheckNoZero(std::string_view text) {
    if (text.find('\0') != std::string_view::npos)
        throw std::invalid_argument("cipher input holds a zero byte");
}

} // namespace

void EncipherBytes(unsigned char* bytes, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) --bytes[i];
    for (int r = 0; r < Rounds; ++r) {
        Map(bytes, n, Substitute);
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
        Map(bytes, n, Unsubstitute);
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
