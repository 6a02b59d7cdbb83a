#include "tests/fuzz/FuzzTargets.h"

#include <string>

namespace fuzz {

void FailProperty(const char* condition, const char* file, int line) {
    throw FuzzPropertyError(std::string(file) + ":" + std::to_string(line) + ": " + condition + " does not hold");
}

} // namespace fuzz
