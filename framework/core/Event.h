#pragma once
// Event slots ("OnClick") and named handlers. A designed window names its handlers
// ("OnClick = Button3Click"); the root's class registers those methods, and the reader
// binds the slot to the root's method through an EventHandler (name plus type-erased function).

#include "framework/core/Exception.h"

#include <any>
#include <functional>
#include <string>
#include <utility>

namespace fw {

class Component;

// A handler as the property system passes it: `function` holds a std::function<void(A...)>
// matching the event's signature, or nothing for "no handler".
struct EventHandler {
    std::string name;
    std::any function;
};

template <class... A>
class Event {
public:
    using Function = std::function<void(A...)>;

    Event() = default;
    // Assigning a plain function forgets any handler name.
    Event& operator=(Function f) {
        function_ = std::move(f);
        name_.clear();
        return *this;
    }

    // Takes a bound handler; a handler of another signature raises fw::Exception.
    void Bind(const EventHandler& handler) {
        if (!handler.function.has_value()) {
            Clear();
            return;
        }
        const Function* f = std::any_cast<Function>(&handler.function);
        if (f == nullptr)
            throw Exception(Format("Handler %s does not fit this event", handler.name.c_str()));
        function_ = *f;
        name_ = handler.name;
    }
    EventHandler Handler() const {
        EventHandler h;
        h.name = name_;
        if (function_) h.function = function_;
        return h;
    }
    void Clear() {
        function_ = nullptr;
        name_.clear();
    }

    explicit operator bool() const { return static_cast<bool>(function_); }
    const std::string& HandlerName() const { return name_; }

    // Calls the handler if one is set.
    void operator()(A... args) const {
        if (function_) function_(std::forward<A>(args)...);
    }

private:
    Function function_;
    std::string name_;
};

// The common "something happened to Sender" event.
using NotifyEvent = Event<Component*>;

} // namespace fw
