#pragma once
// Where an exception ends that reached a boundary with the system: a window procedure, a timer
// callback or a hook. A C++ exception must never unwind through user32, so every such entry
// point runs its body through Guarded. The application installs its error report as the
// handler; when there is none, or the handler itself fails, a message box shows the error.

#include <exception>
#include <functional>
#include <string>

namespace fw {

using ErrorHandler = std::function<void(std::exception_ptr)>;

void SetErrorHandler(ErrorHandler handler);

// Hands `error` to the handler, falling back to a message box; never throws.
void ReportError(std::exception_ptr error) noexcept;

// The text of an exception: what() of a standard exception, else "Unknown error".
std::string ErrorText(std::exception_ptr error);

// Runs `body`; an exception leaving it is reported instead of passed on.
template <class Body>
void Guarded(Body&& body) noexcept {
    try {
        body();
    } catch (...) {
        ReportError(std::current_exception());
    }
}

} // namespace fw
