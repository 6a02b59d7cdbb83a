#pragma once
// Waiting in the Windows UI tests: messages run until a condition holds, instead of sleeping.

#include <windows.h>

#include <functional>

namespace wintest {

// Runs one queued message; false when the queue was empty.
inline bool RunOneMessage() {
    MSG msg;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}

// Runs messages through `runOne` until `done` holds or `timeoutMs` passed; returns whether
// `done` held. What is queued runs before `done` is asked, but the time limit is checked after
// every message, so a steady stream of messages cannot keep it past the limit; with nothing
// queued it sleeps until a message arrives.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000,
                      const std::function<bool()>& runOne = RunOneMessage) {
    const DWORD start = GetTickCount();
    while (true) {
        while (GetTickCount() - start < timeoutMs && runOne()) {
        }
        if (done()) return true;
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs - elapsed, QS_ALLINPUT);
    }
}

} // namespace wintest
