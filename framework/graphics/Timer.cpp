#include "framework/graphics/Timer.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/Exception.h"
#include "framework/system/ErrorReport.h"

#include <windows.h>

#include <unordered_map>
#include <utility>

namespace fw {

namespace {

constexpr wchar_t kWindowClass[] = L"TTimerWindow";

std::unordered_map<std::uintptr_t, Timer*>& Timers() {
    static std::unordered_map<std::uintptr_t, Timer*> timers;
    return timers;
}

std::uintptr_t NextId() {
    static std::uintptr_t next = 0;
    return ++next;
}

using Dispatcher = void (*)(std::uintptr_t);

Dispatcher& CurrentDispatcher() {
    static Dispatcher dispatch = nullptr;
    return dispatch;
}

// The hidden window only relays WM_TIMER; exceptions stop here, never entering user32.
LRESULT CALLBACK TimerWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_TIMER) return DefWindowProcW(hwnd, message, wParam, lParam);
    Guarded([wParam] { CurrentDispatcher()(static_cast<std::uintptr_t>(wParam)); });
    return 0;
}

HWND TimerWindow(Dispatcher dispatch) {
    static HWND window = [dispatch] {
        CurrentDispatcher() = dispatch;
        HINSTANCE instance = GetModuleHandleW(nullptr);
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = TimerWindowProc;
        wc.hInstance = instance;
        wc.lpszClassName = kWindowClass;
        if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            throw Exception("Cannot register the timer window class");
        HWND w = CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
        if (w == nullptr) throw Exception("Cannot create the timer window");
        return w;
    }();
    return window;
}

} // namespace

void Timer::Dispatch(std::uintptr_t id) {
    auto it = Timers().find(id);
    if (it != Timers().end()) it->second->Tick();
}

Timer::Timer(Component* owner) : Timer(owner, true) {}

Timer::Timer(Component* owner, bool enabled) : Component(owner), enabled_(enabled) { Update(); }

Timer::~Timer() { Stop(); }

const ClassInfo& Timer::StaticClass() {
    static const ClassInfo& info = ClassBuilder<Timer>("TTimer", Component::StaticClass())
                                       .AddBoolean("Enabled", &Timer::Enabled, &Timer::SetEnabled)
                                       .AddInteger("Interval", &Timer::Interval, &Timer::SetInterval)
                                       .AddEvent("OnTimer", &Timer::OnTimer)
                                       .Register();
    return info;
}

void Timer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Update();
}

void Timer::SetInterval(int milliseconds) {
    if (milliseconds < 0) throw Exception(Format("Timer interval %d is not allowed", milliseconds));
    if (milliseconds == interval_) return;
    interval_ = milliseconds;
    Update();
}

void Timer::Loaded() {
    Component::Loaded();
    Update();
}

void Timer::Tick() {
    // A handler may destroy its own timer; the copy keeps the running function alive.
    const NotifyEvent handler = OnTimer;
    handler(this);
}

void Timer::Stop() {
    if (id_ == 0) return;
    KillTimer(TimerWindow(&Timer::Dispatch), id_);
    Timers().erase(id_);
    id_ = 0;
}

void Timer::Update() {
    Stop();
    if (!enabled_ || interval_ <= 0 || IsLoading() || IsDestroying()) return;
    // Ids are never reused, so a tick still queued for a stopped timer finds nobody.
    const std::uintptr_t id = NextId();
    if (SetTimer(TimerWindow(&Timer::Dispatch), id, static_cast<UINT>(interval_), nullptr) == 0)
        throw Exception("Not enough timers available");
    Timers().emplace(id, this);
    id_ = id;
}

} // namespace fw
