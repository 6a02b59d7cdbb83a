#include "tools/skinart/Quantizer.h"

#include <algorithm>
#include <array>
#include <map>
#include <stdexcept>

namespace skinart {

namespace {

uint32_t Key(Rgb8 c) { return (uint32_t(c.r) << 16) | (uint32_t(c.g) << 8) | c.b; }

uint8_t Channel(Rgb8 c, int channel) { return channel == 0 ? c.r : channel == 1 ? c.g : c.b; }

struct Entry {
    Rgb8 colour;
    uint32_t count;
};

// A box of the colour space holding a run of the colour list.
struct Cut {
    size_t begin;
    size_t end;
};

int WidestChannel(const std::vector<Entry>& colours, Cut cut, int* width) {
    std::array<int, 3> lo{255, 255, 255};
    std::array<int, 3> hi{0, 0, 0};
    for (size_t i = cut.begin; i < cut.end; ++i) {
        for (int c = 0; c < 3; ++c) {
            lo[size_t(c)] = std::min(lo[size_t(c)], int(Channel(colours[i].colour, c)));
            hi[size_t(c)] = std::max(hi[size_t(c)], int(Channel(colours[i].colour, c)));
        }
    }
    int best = 0;
    for (int c = 1; c < 3; ++c) {
        if (hi[size_t(c)] - lo[size_t(c)] > hi[size_t(best)] - lo[size_t(best)]) {
            best = c;
        }
    }
    *width = hi[size_t(best)] - lo[size_t(best)];
    return best;
}

Rgb8 Average(const std::vector<Entry>& colours, Cut cut) {
    uint64_t r = 0, g = 0, b = 0, n = 0;
    for (size_t i = cut.begin; i < cut.end; ++i) {
        r += uint64_t(colours[i].colour.r) * colours[i].count;
        g += uint64_t(colours[i].colour.g) * colours[i].count;
        b += uint64_t(colours[i].colour.b) * colours[i].count;
        n += colours[i].count;
    }
    return {uint8_t((r + n / 2) / n), uint8_t((g + n / 2) / n), uint8_t((b + n / 2) / n)};
}

std::vector<Rgb8> MedianCut(std::vector<Entry> colours, size_t maxColours) {
    std::vector<Cut> cuts{{0, colours.size()}};
    while (cuts.size() < maxColours) {
        // Split the box with the widest spread; ties go to the earliest box.
        size_t chosen = cuts.size();
        int chosenWidth = 0;
        int chosenChannel = 0;
        for (size_t i = 0; i < cuts.size(); ++i) {
            if (cuts[i].end - cuts[i].begin < 2) {
                continue;
            }
            int width = 0;
            const int channel = WidestChannel(colours, cuts[i], &width);
            if (width > chosenWidth) {
                chosen = i;
                chosenWidth = width;
                chosenChannel = channel;
            }
        }
        if (chosen == cuts.size()) {
            break;
        }
        const Cut cut = cuts[chosen];
        std::sort(colours.begin() + long(cut.begin), colours.begin() + long(cut.end),
                  [chosenChannel](const Entry& a, const Entry& b) {
                      const uint8_t ca = Channel(a.colour, chosenChannel);
                      const uint8_t cb = Channel(b.colour, chosenChannel);
                      return ca != cb ? ca < cb : Key(a.colour) < Key(b.colour);
                  });
        // Split at the pixel-weighted median, keeping both halves non-empty.
        uint64_t total = 0;
        for (size_t i = cut.begin; i < cut.end; ++i) {
            total += colours[i].count;
        }
        uint64_t seen = 0;
        size_t middle = cut.begin + 1;
        for (size_t i = cut.begin; i < cut.end - 1; ++i) {
            seen += colours[i].count;
            middle = i + 1;
            if (seen * 2 >= total) {
                break;
            }
        }
        cuts[chosen] = {cut.begin, middle};
        cuts.push_back({middle, cut.end});
    }
    std::vector<Rgb8> palette;
    for (const Cut& cut : cuts) {
        palette.push_back(Average(colours, cut));
    }
    return palette;
}

uint32_t Distance(Rgb8 a, Rgb8 b) {
    const int dr = int(a.r) - int(b.r);
    const int dg = int(a.g) - int(b.g);
    const int db = int(a.b) - int(b.b);
    return uint32_t(dr * dr * 3 + dg * dg * 4 + db * db * 2);
}

} // namespace

Quantized Quantize(const Image& image, size_t maxColours) {
    if (maxColours < 2 || maxColours > 256) {
        throw std::invalid_argument("palette size must be 2 to 256");
    }
    std::map<uint32_t, uint32_t> counts;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            ++counts[Key(image.At(x, y))];
        }
    }
    const bool hasFuchsia = counts.count(Key(kFuchsia)) != 0;
    std::vector<Entry> colours;
    for (const auto& [key, count] : counts) {
        if (!(hasFuchsia && key == Key(kFuchsia))) {
            colours.push_back({Rgb8{uint8_t(key >> 16), uint8_t(key >> 8), uint8_t(key)}, count});
        }
    }
    const size_t room = maxColours - (hasFuchsia ? 1 : 0);
    std::vector<Rgb8> palette;
    if (colours.size() <= room) {
        for (const Entry& e : colours) {
            palette.push_back(e.colour);
        }
    } else {
        palette = MedianCut(colours, room);
    }
    if (hasFuchsia) {
        palette.push_back(kFuchsia);
    }

    Quantized result;
    result.palette = palette;
    std::map<uint32_t, uint8_t> lookup;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const Rgb8 c = image.At(x, y);
            auto [it, added] = lookup.try_emplace(Key(c), 0);
            if (added) {
                size_t best = 0;
                for (size_t i = 1; i < palette.size(); ++i) {
                    // Only fuchsia itself may map to the fuchsia entry.
                    if (palette[i] == kFuchsia && !(c == kFuchsia)) {
                        continue;
                    }
                    if (Distance(c, palette[i]) < Distance(c, palette[best])) {
                        best = i;
                    }
                }
                it->second = uint8_t(best);
            }
            result.indices.push_back(it->second);
        }
    }
    return result;
}

} // namespace skinart
