#include "framework/controls/InvalidationBatch.h"

#include <algorithm>
#include <vector>

namespace fw {

namespace {

struct Pending {
    HWND window;
    bool whole;
    RECT rect;
};

struct BatchState {
    int depth = 0;
    std::vector<Pending> pending;
};

thread_local BatchState state;

} // namespace

InvalidationBatch::InvalidationBatch() { ++state.depth; }

InvalidationBatch::~InvalidationBatch() {
    if (--state.depth == 0) Flush();
}

void InvalidationBatch::Invalidate(HWND window, const RECT* rect) {
    if (window == nullptr) return;
    if (state.depth == 0) {
        InvalidateRect(window, rect, TRUE);
        return;
    }
    const auto it = std::find_if(state.pending.begin(), state.pending.end(),
                                 [window](const Pending& p) { return p.window == window; });
    if (it == state.pending.end()) {
        state.pending.push_back(Pending{window, rect == nullptr, rect != nullptr ? *rect : RECT{}});
    } else if (!it->whole) {
        if (rect == nullptr) {
            it->whole = true;
        } else {
            UnionRect(&it->rect, &it->rect, rect);
        }
    }
}

void InvalidationBatch::Flush() {
    // Taken out first: invalidating can run code that invalidates again.
    std::vector<Pending> pending;
    pending.swap(state.pending);
    for (const Pending& p : pending) InvalidateRect(p.window, p.whole ? nullptr : &p.rect, TRUE);
}

} // namespace fw
