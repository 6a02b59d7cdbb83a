#pragma once
// Saves a device context's state (selected objects, colours, modes, clipping, origin) and
// restores it on every way out of the block.

#include <windows.h>

namespace fw {

class SavedDCScope {
public:
    explicit SavedDCScope(HDC dc) : dc_(dc), level_(SaveDC(dc)) {}
    ~SavedDCScope() {
        if (level_ != 0) RestoreDC(dc_, level_);
    }
    SavedDCScope(const SavedDCScope&) = delete;
    SavedDCScope& operator=(const SavedDCScope&) = delete;

private:
    HDC dc_;
    int level_;
};

} // namespace fw
