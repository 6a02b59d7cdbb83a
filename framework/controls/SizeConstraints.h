#pragma once
// The smallest and largest size a control may take; 0 means no limit. Pure arithmetic, so the
// rule is the same for SetBounds, for a window resized by the user and for alignment. Published
// as a control's "Constraints", so a description writes "Constraints.MinHeight = 270".

#include "framework/core/Persistent.h"

#include <functional>

namespace fw {

class SizeConstraints : public Persistent {
public:
    SizeConstraints() = default;
    // The limits only; the copy tells nobody of its changes.
    SizeConstraints(const SizeConstraints& other);
    SizeConstraints& operator=(const SizeConstraints& other) = delete;

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    int MinWidth() const { return minWidth_; }
    int MinHeight() const { return minHeight_; }
    int MaxWidth() const { return maxWidth_; }
    int MaxHeight() const { return maxHeight_; }
    // Negative values count as 0. A maximum below the minimum raises the minimum's partner:
    // setting a maximum lowers a larger minimum to it, setting a minimum raises a smaller maximum.
    void SetMinWidth(int v);
    void SetMinHeight(int v);
    void SetMaxWidth(int v);
    void SetMaxHeight(int v);

    // The nearest allowed value to a proposed width or height.
    int ConstrainWidth(int width) const { return Constrain(width, minWidth_, maxWidth_); }
    int ConstrainHeight(int height) const { return Constrain(height, minHeight_, maxHeight_); }

    // Called after every change.
    std::function<void()> OnChange;

private:
    static int Constrain(int v, int min, int max);
    void Changed();

    int minWidth_ = 0;
    int minHeight_ = 0;
    int maxWidth_ = 0;
    int maxHeight_ = 0;
};

} // namespace fw
