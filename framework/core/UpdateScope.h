#pragma once
// BeginUpdate on entry and EndUpdate on every way out, for anything with that pair (a
// collection, tree nodes, a string list). EndUpdate may report the change and fail: that
// failure passes on when the block ended normally, and gives way to the block's own error when
// the block is being left by one.

#include <exception>

namespace fw {

template <class Updatable>
class UpdateScope {
public:
    explicit UpdateScope(Updatable& target) : target_(target), unwinding_(std::uncaught_exceptions()) {
        target_.BeginUpdate();
    }
    ~UpdateScope() noexcept(false) {
        if (std::uncaught_exceptions() == unwinding_) {
            target_.EndUpdate();
            return;
        }
        try {
            target_.EndUpdate();
        } catch (...) {
            // The error that is unwinding the block is the one to report.
        }
    }
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;

private:
    Updatable& target_;
    int unwinding_;
};

} // namespace fw
