#pragma once
// The fuzz checks: each takes one input as the file's bytes, feeds it to a parser of bytes from
// disk, and checks what must hold of the result. Faults the parser reports in the way it promises
// (its exception type) are fine; anything else is a finding: a sanitizer report, another
// exception, or a broken property, which raises FuzzPropertyError.

#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace fuzz {

class FuzzPropertyError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

[[noreturn]] void FailProperty(const char* condition, const char* file, int line);

#define FUZZ_CHECK(condition) \
    ((condition) ? (void)0 : ::fuzz::FailProperty(#condition, __FILE__, __LINE__))

// A record file decoded through the cipher core; what loaded is saved and must load again the same.
void FuzzRecordFile(const std::uint8_t* data, std::size_t size);
// A theme file; every lookup answers its first entry, and each image goes through the bitmap decoder.
void FuzzThemeFile(const std::uint8_t* data, std::size_t size);
// A bitmap file; a decoded image written again (24 and 32 bits) decodes to the same pixels.
void FuzzBitmapFile(const std::uint8_t* data, std::size_t size);
// A designed window description read into a registered window class and as a root by class name.
void FuzzDescription(const std::uint8_t* data, std::size_t size);
// The GBK, UTF-8 and UTF-16 conversions and GBK cutting and case folding.
void FuzzGbkText(const std::uint8_t* data, std::size_t size);

using Check = void (*)(const std::uint8_t* data, std::size_t size);

struct Target {
    const char* Name; // its folder under tests/data/fuzz/ and its program fuzz_<Name>
    Check Run;
};

inline constexpr Target Targets[] = {
    {"record", FuzzRecordFile}, {"theme", FuzzThemeFile}, {"bitmap", FuzzBitmapFile},
    {"description", FuzzDescription}, {"gbk", FuzzGbkText},
};

} // namespace fuzz
