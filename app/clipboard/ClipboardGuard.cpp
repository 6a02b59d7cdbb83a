#include "app/clipboard/ClipboardGuard.h"

#include "framework/core/Exception.h"
#include "framework/core/WideText.h"
#include "framework/shell/Clipboard.h"

#include <algorithm>
#include <vector>

namespace {

// How soon a clipboard that another program held open is tried again.
constexpr int kRetryMs = 1000;

// The formats by which Windows knows content that must not be kept or passed on: monitors skip
// content with the first (its data does not matter); the other two, holding a DWORD 0, keep it
// out of the clipboard history and the cloud clipboard.
const std::vector<fw::Clipboard::NamedData>& PrivateFormats() {
    static const std::vector<fw::Clipboard::NamedData> formats{
        {"ExcludeClipboardContentFromMonitorProcessing", {0, 0, 0, 0}},
        {"CanIncludeInClipboardHistory", {0, 0, 0, 0}},
        {"CanUploadToCloudClipboard", {0, 0, 0, 0}},
    };
    return formats;
}

} // namespace

ClipboardGuard::ClipboardGuard(unsigned clearSeconds) : clearSeconds_(std::min(clearSeconds, MaxClearSeconds)) {
    timer_.OnTimer = [this](fw::Component*) { Elapsed(); };
}

unsigned ClipboardGuard::ClearSecondsSetting() {
    DWORD seconds = 0;
    DWORD size = sizeof(seconds);
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Vornik", L"ClipboardClearSeconds", RRF_RT_REG_DWORD, nullptr,
                     &seconds, &size) != ERROR_SUCCESS)
        return DefaultClearSeconds;
    return seconds;
}

void ClipboardGuard::Copy(const std::string& gbk) {
    fw::Clipboard::SetAsText(gbk, PrivateFormats());
    timer_.SetEnabled(false);
    sequence_ = fw::Clipboard::SequenceNumber();
    holding_ = StillHolds(gbk);
    if (!holding_ || clearSeconds_ == 0) return;
    timer_.SetInterval(static_cast<int>(clearSeconds_ * 1000));
    timer_.SetEnabled(true);
}

bool ClipboardGuard::StillHolds(const std::string& gbk) const {
    // The number is read after the write has ended (closing the clipboard adds the formats the
    // system derives from the text, and counts them), so another program may have written in
    // between: the number is ours if the text is still ours and nothing changed meanwhile. When
    // the clipboard cannot be read now, the number stands; any later write moves it. The text
    // is compared as it comes back through Unicode, which mends bytes that are not GBK.
    try {
        return fw::Clipboard::AsText() == fw::WideToGbk(fw::GbkToWide(gbk.c_str())) &&
               fw::Clipboard::SequenceNumber() == sequence_;
    } catch (const fw::Exception&) {
        return true;
    }
}

void ClipboardGuard::ClearNow() {
    timer_.SetEnabled(false);
    if (!holding_ || clearSeconds_ == 0) return;
    holding_ = false;
    try {
        fw::Clipboard::ClearIfUnchanged(sequence_);
    } catch (...) {
        holding_ = true;
        throw;
    }
}

void ClipboardGuard::Elapsed() {
    try {
        ClearNow();
    } catch (const fw::Exception&) {
        // Another program holds the clipboard open: try again soon rather than leave the secret.
        timer_.SetInterval(kRetryMs);
        timer_.SetEnabled(true);
    }
}
