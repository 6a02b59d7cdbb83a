#pragma once
// A message-driven timer: OnTimer runs on the user-interface thread from the message loop,
// through WM_TIMER of one hidden message-only window. It runs while Enabled is true and
// Interval is above 0, and not while its designed window is still being read.

#include "framework/core/Component.h"
#include "framework/core/Event.h"

#include <cstdint>

namespace fw {

class Timer : public Component {
public:
    explicit Timer(Component* owner);
    // A timer made stopped sets no system timer (nor makes the hidden window its ticks go to)
    // until it is enabled: what a program makes at start-up for later use costs nothing then.
    Timer(Component* owner, bool enabled);
    ~Timer() override;

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Milliseconds between ticks (1000 by default); 0 stops the timer.
    int Interval() const { return interval_; }
    void SetInterval(int milliseconds);

    // True while the system timer is set.
    bool Running() const { return id_ != 0; }

    void Loaded() override;

    NotifyEvent OnTimer;

protected:
    // Runs OnTimer; derived timers may do more.
    virtual void Tick();

private:
    void Update();
    void Stop();
    static void Dispatch(std::uintptr_t id);

    bool enabled_ = true;
    int interval_ = 1000;
    std::uintptr_t id_ = 0;
};

} // namespace fw
