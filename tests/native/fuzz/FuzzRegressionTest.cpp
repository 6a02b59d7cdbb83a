// Replays the fuzzers' seed corpora and every input a fuzzer once broke a parser with
// (tests/data/fuzz/<target>/ and its regressions/) through the same checks, under the sanitizers.

#include "tests/fuzz/FuzzTargets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> Inputs(const fs::path& folder) {
    std::vector<fs::path> files;
    if (fs::is_directory(folder))
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.is_regular_file())
                files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

class FuzzRegression : public ::testing::TestWithParam<fuzz::Target> {};

TEST_P(FuzzRegression, SeedsAndKeptInputsPassTheChecks) {
    const fuzz::Target target = GetParam();
    const fs::path folder = fs::path(VORNIK_SOURCE_DIR) / "tests" / "data" / "fuzz" / target.Name;
    std::vector<fs::path> files = Inputs(folder);
    const std::vector<fs::path> regressions = Inputs(folder / "regressions");
    files.insert(files.end(), regressions.begin(), regressions.end());
    ASSERT_FALSE(files.empty()) << folder;
    for (const fs::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::vector<std::uint8_t> bytes(std::istreambuf_iterator<char>(in), {});
        EXPECT_NO_THROW(target.Run(bytes.data(), bytes.size())) << file;
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzRegression, ::testing::ValuesIn(fuzz::Targets),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
