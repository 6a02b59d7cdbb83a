#pragma once
// The framework's error type. Every failure that reaches the user is an Exception (or derived)
// whose message is GBK text; the application's message loop shows it in a message box.

#include <stdexcept>
#include <string>

namespace fw {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& gbkMessage) : std::runtime_error(gbkMessage) {}
    // The message as GBK bytes, exactly as shown to the user.
    std::string Message() const { return what(); }
};

// printf-style formatting into a std::string (for messages such as "Property %s does not exist").
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

} // namespace fw
