#pragma once
// Holds back the invalidations made while it lives and gives each window's to the system once,
// when the outermost batch on the thread ends. Restyling a window invalidates the same controls
// many times over (one per property), and every invalidation is a round trip to the window
// server; a batch around the restyle turns those into one per window.

#include <windows.h>

namespace fw {

class InvalidationBatch {
public:
    InvalidationBatch();
    ~InvalidationBatch();
    InvalidationBatch(const InvalidationBatch&) = delete;
    InvalidationBatch& operator=(const InvalidationBatch&) = delete;

    // Invalidates `rect` of `window` (the whole window for nullptr), erasing the background:
    // held while a batch is open on this thread, at once otherwise.
    static void Invalidate(HWND window, const RECT* rect);
    // Hands what is held to the system now (before painting synchronously, say).
    static void Flush();
};

} // namespace fw
