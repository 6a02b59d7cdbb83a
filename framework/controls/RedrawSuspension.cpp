#include "framework/controls/RedrawSuspension.h"

#include "framework/controls/WinControl.h"

#include <algorithm>
#include <utility>

namespace fw {

namespace {

// How many suspensions hold each window on this thread.
thread_local std::vector<std::pair<HWND, int>> holds;

std::pair<HWND, int>* HoldOf(HWND window) {
    const auto it = std::find_if(holds.begin(), holds.end(), [window](const auto& h) { return h.first == window; });
    return it == holds.end() ? nullptr : &*it;
}

} // namespace

RedrawSuspension::RedrawSuspension(WinControl* control) {
    // Inside a suspended (or hidden) window nothing is drawn anyway.
    if (control == nullptr || !control->HandleAllocated() || !IsWindowVisible(control->Handle())) return;
    window_ = control->Handle();
    for (int i = 0; i < control->ControlCount(); ++i) {
        auto* w = dynamic_cast<WinControl*>(control->Controls(i));
        if (w == nullptr || !w->HandleAllocated()) continue;
        HWND child = w->Handle();
        if (auto* hold = HoldOf(child)) {
            ++hold->second;
        } else {
            if (!IsWindowVisible(child)) continue;
            SendMessageW(child, WM_SETREDRAW, FALSE, 0);
            holds.emplace_back(child, 1);
        }
        suspended_.push_back(child);
    }
}

RedrawSuspension::~RedrawSuspension() {
    bool released = false;
    for (HWND child : suspended_) {
        auto* hold = HoldOf(child);
        if (hold == nullptr || --hold->second > 0) continue;
        holds.erase(holds.begin() + (hold - holds.data()));
        // Turning drawing back on shows the window: not for one hidden meanwhile, or gone.
        const WinControl* w = WinControl::FromHandle(child);
        if (w != nullptr && w->Visible()) SendMessageW(child, WM_SETREDRAW, TRUE, 0);
        released = true;
    }
    if (released && IsWindow(window_))
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

} // namespace fw
