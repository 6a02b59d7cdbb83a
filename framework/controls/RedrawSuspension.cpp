#include "framework/controls/RedrawSuspension.h"

#include "framework/controls/WinControl.h"

#include <algorithm>
#include <vector>

namespace fw {

namespace {

struct Suspended {
    const WinControl* control;
    std::vector<HWND> hidden;  // child windows hidden by Deepen
};

// The suspended controls of this thread; a handful at most.
thread_local std::vector<Suspended> suspended;

Suspended* Holding(const Control* control) {
    for (const Control* c = control; c != nullptr; c = c->Parent()) {
        const auto it = std::find_if(suspended.begin(), suspended.end(), [c](const Suspended& s) { return s.control == c; });
        if (it != suspended.end()) return &*it;
    }
    return nullptr;
}

} // namespace

RedrawSuspension::RedrawSuspension(WinControl* control) {
    if (control == nullptr || !control->HandleAllocated() || !IsWindowVisible(control->Handle()) || Holding(control) != nullptr)
        return;
    control_ = control;
    window_ = control->Handle();
    suspended.push_back(Suspended{control, {}});
}

RedrawSuspension::~RedrawSuspension() {
    if (control_ == nullptr) return;
    const auto it = std::find_if(suspended.begin(), suspended.end(), [this](const Suspended& s) { return s.control == control_; });
    if (it == suspended.end()) return;
    const std::vector<HWND> hidden = std::move(it->hidden);
    suspended.erase(it);
    for (HWND child : hidden) {
        // Turning drawing back on shows the window: not for one hidden meanwhile, or gone.
        const WinControl* w = WinControl::FromHandle(child);
        if (w != nullptr && w->Visible()) SendMessageW(child, WM_SETREDRAW, TRUE, 0);
    }
    if (IsWindow(window_)) RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

bool RedrawSuspension::Holds(const Control* control) { return !suspended.empty() && Holding(control) != nullptr; }

void RedrawSuspension::Deepen(const Control* control) {
    if (suspended.empty()) return;
    Suspended* s = Holding(control);
    if (s == nullptr || !s->hidden.empty()) return;
    for (int i = 0; i < s->control->ControlCount(); ++i) {
        auto* w = dynamic_cast<WinControl*>(s->control->Controls(i));
        if (w == nullptr || !w->HandleAllocated() || !IsWindowVisible(w->Handle())) continue;
        SendMessageW(w->Handle(), WM_SETREDRAW, FALSE, 0);
        s->hidden.push_back(w->Handle());
    }
}

} // namespace fw
