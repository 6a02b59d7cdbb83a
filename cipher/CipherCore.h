#pragma once
// The cipher of encrypt.dll, free of any platform code so that it also builds and is tested natively.
//
// A keyed, length-preserving cipher over the byte values 1..255 (a zero never appears in its input
// or output, so both stay valid C strings). Each round runs a keyed pseudo-random function over the
// string forwards and then backwards, adding its output to every byte modulo 255 and feeding back
// the enciphered byte; after one round every output byte depends on every input byte and on its
// position, so equal prefixes and single-byte edits do not show. The key is fixed in the library.

#include <cstddef>
#include <string>
#include <string_view>

namespace cipher {

// Returns the cipher text of `plain`, of the same length. Throws std::invalid_argument if it holds a zero byte.
std::string Encipher(std::string_view plain);

// Inverse of Encipher: Decipher(Encipher(s)) == s. Throws std::invalid_argument on a zero byte.
std::string Decipher(std::string_view cipherText);

// In-place forms for callers that own a buffer; `n` bytes, none of them zero.
void EncipherBytes(unsigned char* bytes, std::size_t n);
void DecipherBytes(unsigned char* bytes, std::size_t n);

} // namespace cipher
