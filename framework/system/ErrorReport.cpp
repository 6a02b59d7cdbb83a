#include "framework/system/ErrorReport.h"

#include "framework/core/WideText.h"

#include <windows.h>

#include <utility>

namespace fw {

namespace {

ErrorHandler& Handler() {
    static ErrorHandler handler;
    return handler;
}

void ShowErrorBox(std::exception_ptr error) noexcept {
    try {
        MessageBoxW(nullptr, GbkToWide(ErrorText(error)).c_str(), L"Error", MB_OK | MB_ICONSTOP | MB_TASKMODAL);
    } catch (...) {
        // Out of memory for the text: nothing is left that could tell the user.
    }
}

} // namespace

void SetErrorHandler(ErrorHandler handler) { Handler() = std::move(handler); }

std::string ErrorText(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Unknown error";
    }
}

void ReportError(std::exception_ptr error) noexcept {
    try {
        // A copy: the handler may replace itself while it runs.
        if (const ErrorHandler handler = Handler()) {
            handler(error);
            return;
        }
    } catch (...) {
        // The report failed; the user still sees the error it was given.
    }
    ShowErrorBox(error);
}

} // namespace fw
