#pragma once
// The arithmetic of the track bar and the scroll bar, kept free of Win32 so it is testable
// natively: where the slider sits for a position, which position a point of the track means,
// where the tick marks go, and how long the scroll bar's slider is. Lengths run along the bar's
// orientation; positions are 32-bit, their differences are worked out in 64 bits.

#include <cstdint>
#include <vector>

// Offset of the slider's leading edge for `position` in min..max on a track `length` long with a
// slider `sliderLength` long: (position - min) * (length - sliderLength) / (max - min), truncated
// toward zero; 0 when min = max.
int TrackSliderOffset(std::int32_t position, std::int32_t min, std::int32_t max, int length, int sliderLength);

// The position whose slider is centred on `point`: round((point - sliderLength div 2) *
// (max - min) / (length - sliderLength)) + min, rounded half to even, not clamped to min..max.
// Min when the slider has no room to move (it is as long as the track or longer), so a point
// never maps outside the range's side of it or the wrong way round.
std::int64_t TrackPositionFromPoint(int point, std::int32_t min, std::int32_t max, int length, int sliderLength);

// The distinct offsets along the bar at which tick marks are drawn, in increasing order of the
// value: one per value v of min..max at (length - sliderLength) * (v - min) / (max - min) +
// sliderLength div 2, where values that land on the same pixel give one offset. None when
// min = max. A range wider than the track yields at most one offset per pixel, so a huge range
// costs what a short one does.
std::vector<int> TrackTickOffsets(std::int32_t min, std::int32_t max, int length, int sliderLength);

// The scroll bar slider's smallest fixed length; shorter LineButton values are raised to it.
constexpr int kMinLineButton = 18;

// Length of the scroll bar's slider on a track `trackLength` long: `lineButton` (raised to
// kMinLineButton) when it is above 0; otherwise pageSize percent of the track, where a pageSize
// outside 10..100 counts as 10.
int ScrollSliderLength(int lineButton, std::int32_t pageSize, int trackLength);
