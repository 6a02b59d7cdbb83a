#include "framework/shell/TrayIcon.h"

#include "framework/core/WideText.h"
#include "framework/shell/ShellLibrary.h"

#include <shellapi.h>

#include <cwchar>

namespace fw {

TrayIcon::~TrayIcon() {
    if (added_) Remove();
}

NOTIFYICONDATAW TrayIcon::Record() const {
    NOTIFYICONDATAW data{};
    data.cbSize = firstVersion_ ? NOTIFYICONDATAW_V1_SIZE : sizeof(data);
    data.hWnd = window_;
    data.uID = id_;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = callbackMessage_;
    data.hIcon = icon_;
    // GBK text has no characters outside the basic plane, so a cut between UTF-16 units never
    // splits a character.
    std::wstring tip = GbkToWide(tip_);
    const size_t capacity = firstVersion_ ? 63 : sizeof(data.szTip) / sizeof(data.szTip[0]) - 1;
    if (tip.size() > capacity) tip.resize(capacity);
    wmemcpy(data.szTip, tip.c_str(), tip.size());
    data.szTip[tip.size()] = L'\0';
    return data;
}

bool TrayIcon::Add() {
    NOTIFYICONDATAW data = Record();
    if (!ShellNotifyIcon(NIM_ADD, &data)) return false;
    added_ = true;
    return true;
}

bool TrayIcon::Modify() {
    NOTIFYICONDATAW data = Record();
    return ShellNotifyIcon(NIM_MODIFY, &data) != FALSE;
}

bool TrayIcon::Remove() {
    NOTIFYICONDATAW data = Record();
    const bool removed = ShellNotifyIcon(NIM_DELETE, &data) != FALSE;
    if (removed) added_ = false;
    return removed;
}

} // namespace fw
