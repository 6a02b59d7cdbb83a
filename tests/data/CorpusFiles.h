#pragma once
// The public-domain bitmap test corpus in tests/data/bmpsuite, for native and Windows tests alike.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace corpus {

inline std::filesystem::path CorpusDir() { return std::filesystem::path(VORNIK_SOURCE_DIR) / "tests" / "data" / "bmpsuite"; }

// The .bmp files of one corpus folder ("g", "q" or "b"), sorted by name.
inline std::vector<std::filesystem::path> CorpusFiles(const std::string& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(CorpusDir() / folder))
        if (entry.path().extension() == ".bmp")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

inline std::vector<uint8_t> ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace corpus
