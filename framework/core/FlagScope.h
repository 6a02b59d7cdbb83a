#pragma once
// Sets a re-entry or state flag for a block and gives it back its previous value on every way
// out, exceptions included.

namespace fw {

class FlagScope {
public:
    explicit FlagScope(bool& flag, bool value = true) : flag_(flag), previous_(flag) { flag_ = value; }
    ~FlagScope() { flag_ = previous_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
    bool previous_;
};

} // namespace fw
