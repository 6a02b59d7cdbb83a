#include "framework/controls/SizeConstraints.h"

#include "framework/core/ClassBuilder.h"

#include <algorithm>

namespace fw {

SizeConstraints::SizeConstraints(const SizeConstraints& other)
    : Persistent(other), minWidth_(other.minWidth_), minHeight_(other.minHeight_), maxWidth_(other.maxWidth_),
      maxHeight_(other.maxHeight_) {}

const ClassInfo& SizeConstraints::StaticClass() {
    using C = SizeConstraints;
    static const ClassInfo& info = ClassBuilder<C>("TSizeConstraints", Persistent::StaticClass())
                                       .AddInteger("MaxHeight", &C::MaxHeight, &C::SetMaxHeight)
                                       .AddInteger("MaxWidth", &C::MaxWidth, &C::SetMaxWidth)
                                       .AddInteger("MinHeight", &C::MinHeight, &C::SetMinHeight)
                                       .AddInteger("MinWidth", &C::MinWidth, &C::SetMinWidth)
                                       .Register();
    return info;
}

int SizeConstraints::Constrain(int v, int min, int max) {
    if (max > 0 && v > max) v = max;
    if (min > 0 && v < min) v = min;
    return v;
}

void SizeConstraints::SetMinWidth(int v) {
    minWidth_ = std::max(v, 0);
    if (maxWidth_ > 0 && maxWidth_ < minWidth_) maxWidth_ = minWidth_;
    Changed();
}

void SizeConstraints::SetMinHeight(int v) {
    minHeight_ = std::max(v, 0);
    if (maxHeight_ > 0 && maxHeight_ < minHeight_) maxHeight_ = minHeight_;
    Changed();
}

void SizeConstraints::SetMaxWidth(int v) {
    maxWidth_ = std::max(v, 0);
    if (maxWidth_ > 0 && minWidth_ > maxWidth_) minWidth_ = maxWidth_;
    Changed();
}

void SizeConstraints::SetMaxHeight(int v) {
    maxHeight_ = std::max(v, 0);
    if (maxHeight_ > 0 && minHeight_ > maxHeight_) minHeight_ = maxHeight_;
    Changed();
}

void SizeConstraints::Changed() {
    if (OnChange) OnChange();
}

} // namespace fw
