#pragma once
// An icon in the notification area: the shell shows it with a tip and reports mouse actions
// on it as a callback message to a window (lParam carries the mouse message, wParam the
// icon's identifier). Where the shell has no notification area (a bare X display) adding
// fails; the results say so and nothing is thrown, so the program goes on without it.

#include <windows.h>
// After <windows.h>, which leaves the shell's declarations out.
#include <shellapi.h>

#include <string>

namespace fw {

class TrayIcon {
public:
    TrayIcon() = default;
    // Removes the icon if it is still shown.
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // The record the shell gets; changes reach a shown icon at the next Modify.
    HWND Window() const { return window_; }
    void SetWindow(HWND window) { window_ = window; }
    UINT Id() const { return id_; }
    void SetId(UINT id) { id_ = id; }
    UINT CallbackMessage() const { return callbackMessage_; }
    void SetCallbackMessage(UINT message) { callbackMessage_ = message; }
    // Not owned: the icon must live while it is shown.
    HICON Icon() const { return icon_; }
    void SetIcon(HICON icon) { icon_ = icon; }
    // GBK; longer tips are cut to what the record holds (127 characters, 63 in the first
    // version).
    const std::string& Tip() const { return tip_; }
    void SetTip(const std::string& gbk) { tip_ = gbk; }
    // Whether the shell gets the record in its first, shortest version (window, identifier,
    // flags, callback, icon and a 64-unit tip field), sized for this platform.
    bool FirstVersion() const { return firstVersion_; }
    void SetFirstVersion(bool v) { firstVersion_ = v; }

    // Shell_NotifyIcon with NIM_ADD, NIM_MODIFY and NIM_DELETE; each returns whether the
    // shell accepted it. Added() follows the results.
    bool Add();
    bool Modify();
    bool Remove();
    bool Added() const { return added_; }

    // The record passed to the shell, with message, icon and tip marked valid.
    NOTIFYICONDATAW Record() const;

private:
    HWND window_ = nullptr;
    UINT id_ = 0;
    UINT callbackMessage_ = 0;
    HICON icon_ = nullptr;
    std::string tip_;
    bool firstVersion_ = false;
    bool added_ = false;
};

} // namespace fw
