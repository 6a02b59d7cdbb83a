// libFuzzer's entry for one check, chosen when the program is built (VORNIK_FUZZ_TARGET).

#include "tests/fuzz/FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::VORNIK_FUZZ_TARGET(data, size);
    return 0;
}
