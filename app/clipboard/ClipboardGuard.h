#pragma once
// What the copy buttons put on the clipboard is a secret, and the guard treats it so. Each copy
// is marked private in the same transaction as the text: left out of the clipboard history and
// the cloud clipboard, and skipped by well-behaved clipboard monitors. A while after the last
// copy, and at the exit, the guard empties the clipboard, but only while the clipboard still
// holds that copy: whatever another program or the user put there since is left alone.

#include "framework/graphics/Timer.h"

#include <windows.h>

#include <string>

class ClipboardGuard {
public:
    static constexpr unsigned DefaultClearSeconds = 20;
    // Timers take milliseconds in a signed int: longer delays are cut to this (about 24 days).
    static constexpr unsigned MaxClearSeconds = 2147483;

    // Empties the clipboard `clearSeconds` after each copy; 0 never empties it.
    explicit ClipboardGuard(unsigned clearSeconds);
    ClipboardGuard(const ClipboardGuard&) = delete;
    ClipboardGuard& operator=(const ClipboardGuard&) = delete;

    // The user's delay: DWORD value ClipboardClearSeconds under HKEY_CURRENT_USER\Software\Vornik;
    // DefaultClearSeconds when it is missing or not a DWORD.
    static unsigned ClearSecondsSetting();

    unsigned ClearSeconds() const { return clearSeconds_; }

    // Puts the text on the clipboard, marked private, and starts the wait again. Raises
    // fw::Exception when the clipboard cannot be written.
    void Copy(const std::string& gbk);
    // Empties the clipboard now if it still holds the last copy (unless the delay is 0, which
    // keeps copies for good). Raises fw::Exception when the clipboard cannot be opened.
    void ClearNow();

private:
    // Whether the clipboard, at sequence_, holds the copy just made.
    bool StillHolds(const std::string& gbk) const;
    void Elapsed();

    unsigned clearSeconds_;
    // The clipboard's sequence number right after the last copy, while it is ours to clear.
    DWORD sequence_ = 0;
    bool holding_ = false;
    fw::Timer timer_{nullptr, false};
};
