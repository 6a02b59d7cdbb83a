#pragma once
// Registration of a class and its published properties, done once in the class's StaticClass():
//
//   const fw::ClassInfo& TGauge::StaticClass() {
//       static const fw::ClassInfo& info =
//           fw::ClassBuilder<TGauge>("TGauge", fw::Control::StaticClass())
//               .AddText("Caption", &TGauge::Caption, &TGauge::SetCaption)
//               .AddEnum("Kind", GaugeKindInfo(), &TGauge::Kind, &TGauge::SetKind)
//               .AddReference("PopupMenu", &TGauge::PopupMenu, &TGauge::SetPopupMenu)
//               .AddFont("Font", &TGauge::Font, &TGauge::SetFont)
//               .AddEvent("OnClick", &TGauge::OnClick)
//               .Register();
//       return info;
//   }
//
// Getters are const member functions (or anything std::invoke accepts with const T&), setters
// take the value. Font, Strings, Picture and Collection properties give an accessor returning
// the live object (T& -> Font&) and optionally a setter; without a setter a value is assigned
// into the live object. AddNested publishes a sub-object whose own properties are set by path. Components constructible from (Component* owner) get a factory.

#include "framework/core/ClassInfo.h"
#include "framework/core/Collection.h"
#include "framework/core/Component.h"
#include "framework/core/EnumInfo.h"
#include "framework/core/PropertyValue.h"

#include <cstddef>
#include <functional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace fw {

namespace detail {
// Conversions of a PropertyValue to what a setter takes; each raises
// "Invalid value <v> for property <name>" for a value it cannot take.
[[noreturn]] void InvalidValue(const PropertyValue& v, const std::string& property);
int ToInt(const PropertyValue& v, const std::string& property, const EnumInfo* identifiers);
bool ToBoolean(const PropertyValue& v, const std::string& property);
Color ToColor(const PropertyValue& v, const std::string& property);
int ToEnum(const PropertyValue& v, const std::string& property, const EnumInfo& values);
unsigned ToSet(const PropertyValue& v, const std::string& property, const EnumInfo& values);
std::string ToText(const PropertyValue& v, const std::string& property);
Font ToFont(const PropertyValue& v, const std::string& property);
StringList ToStrings(const PropertyValue& v, const std::string& property);
Picture ToPicture(const PropertyValue& v, const std::string& property);
const Collection& ToCollection(const PropertyValue& v, const std::string& property);
Component* ToComponent(const PropertyValue& v, const std::string& property);
const EventHandler& ToEvent(const PropertyValue& v, const std::string& property);
PropertyValue EnumValue(int ordinal, const EnumInfo& values);
PropertyValue SetValue(unsigned bits, const EnumInfo& values);
[[noreturn]] void WrongClass(const Persistent& object, const std::string& className);
[[noreturn]] void HandlerMismatch(const std::string& handler, const std::string& property);
} // namespace detail

template <class T>
class ClassBuilder {
public:
    ClassBuilder(std::string name, const ClassInfo& parent) : name_(std::move(name)), parent_(&parent) {
        if constexpr (std::is_base_of_v<Component, T> && std::is_constructible_v<T, Component*> &&
                      !std::is_abstract_v<T>) {
            factory_ = [](Component* owner) -> Component* { return new T(owner); };
        }
    }

    // Replaces the default factory (an empty one makes the class impossible to create by name).
    ClassBuilder& Factory(ClassInfo::Factory factory) {
        factory_ = std::move(factory);
        return *this;
    }

    template <class G, class S>
    ClassBuilder& AddInteger(std::string name, G get, S set, const EnumInfo* identifiers = nullptr) {
        PropertyInfo p = Make(name, PropertyType::Integer);
        p.values = identifiers;
        p.get = [get](const Persistent& o) {
            return PropertyValue::FromInteger(static_cast<std::int64_t>(std::invoke(get, Self(o))));
        };
        if constexpr (!std::is_null_pointer_v<S>)
            p.set = [set, name, identifiers](Persistent& o, const PropertyValue& v) {
                std::invoke(set, Self(o), detail::ToInt(v, name, identifiers));
            };
        return Add(std::move(p));
    }

    template <class G, class S>
    ClassBuilder& AddBoolean(std::string name, G get, S set) {
        PropertyInfo p = Make(name, PropertyType::Boolean);
        p.get = [get](const Persistent& o) { return PropertyValue::FromBoolean(std::invoke(get, Self(o))); };
        if constexpr (!std::is_null_pointer_v<S>)
            p.set = [set, name](Persistent& o, const PropertyValue& v) {
                std::invoke(set, Self(o), detail::ToBoolean(v, name));
            };
        return Add(std::move(p));
    }

    template <class G, class S>
    ClassBuilder& AddColor(std::string name, G get, S set) {
        PropertyInfo p = Make(name, PropertyType::Color);
        p.get = [get](const Persistent& o) {
            return PropertyValue::FromColor(static_cast<Color>(std::invoke(get, Self(o))));
        };
        if constexpr (!std::is_null_pointer_v<S>)
            p.set = [set, name](Persistent& o, const PropertyValue& v) {
                std::invoke(set, Self(o), detail::ToColor(v, name));
            };
        return Add(std::move(p));
    }

    // `values` must outlive the registry (a function-local static).
    template <class G, class S>
    ClassBuilder& AddEnum(std::string name, const EnumInfo& values, G get, S set) {
        using E = std::remove_cvref_t<std::invoke_result_t<G, const T&>>;
        PropertyInfo p = Make(name, PropertyType::Enumeration);
        p.values = &values;
        const EnumInfo* table = &values;
        p.get = [get, table](const Persistent& o) {
            return detail::EnumValue(static_cast<int>(std::invoke(get, Self(o))), *table);
        };
        if constexpr (!std::is_null_pointer_v<S>)
            p.set = [set, name, table](Persistent& o, const PropertyValue& v) {
                std::invoke(set, Self(o), static_cast<E>(detail::ToEnum(v, name, *table)));
            };
        return Add(std::move(p));
    }

    // A set stored as bits: bit i is value i of `values`.
    template <class G, class S>
    ClassBuilder& AddSet(std::string name, const EnumInfo& values, G get, S set) {
        using B = std::remove_cvref_t<std::invoke_result_t<G, const T&>>;
        PropertyInfo p = Make(name, PropertyType::Set);
        p.values = &values;
        const EnumInfo* table = &values;
        p.get = [get, table](const Persistent& o) {
            return detail::SetValue(static_cast<unsigned>(std::invoke(get, Self(o))), *table);
        };
        if constexpr (!std::is_null_pointer_v<S>)
            p.set = [set, name, table](Persistent& o, const PropertyValue& v) {
                std::invoke(set, Self(o), static_cast<B>(detail::ToSet(v, name, *table)));
            };
        return Add(std::move(p));
    }

    template <class G, class S>
    ClassBuilder& AddText(std::string name, G get, S set) {
        PropertyInfo p = Make(name, PropertyType::Text);
        p.get = [get](const Persistent& o) { return PropertyValue::FromText(std::string(std::invoke(get, Self(o)))); };
        if constexpr (!std::is_null_pointer_v<S>)
            p.set = [set, name](Persistent& o, const PropertyValue& v) {
                std::invoke(set, Self(o), detail::ToText(v, name));
            };
        return Add(std::move(p));
    }

    template <class A, class S = std::nullptr_t>
    ClassBuilder& AddFont(std::string name, A access, S set = nullptr) {
        return AddObject(std::move(name), PropertyType::Font, access, set,
                         [](const Font& f) { return PropertyValue::FromFont(f); }, &detail::ToFont);
    }
    template <class A, class S = std::nullptr_t>
    ClassBuilder& AddStrings(std::string name, A access, S set = nullptr) {
        return AddObject(std::move(name), PropertyType::Strings, access, set,
                         [](const StringList& s) { return PropertyValue::FromStrings(s); }, &detail::ToStrings);
    }
    template <class A, class S = std::nullptr_t>
    ClassBuilder& AddPicture(std::string name, A access, S set = nullptr) {
        return AddObject(std::move(name), PropertyType::Picture, access, set,
                         [](const Picture& p) { return PropertyValue::FromPicture(p); }, &detail::ToPicture);
    }
    template <class A, class S = std::nullptr_t>
    ClassBuilder& AddCollection(std::string name, A access, S set = nullptr) {
        return AddObject(std::move(name), PropertyType::Collection, access, set,
                         [](const Collection& c) { return PropertyValue::FromCollection(c); },
                         &detail::ToCollection);
    }

    // A sub-object (a Persistent with its own registered properties) reached by path only:
    // "Constraints.MinHeight = 270" sets one of its properties through its own setter. The
    // property itself is read-only and reads as an empty value.
    template <class A>
    ClassBuilder& AddNested(std::string name, A access) {
        PropertyInfo p = Make(name, PropertyType::Object);
        p.object = [access](Persistent& o) -> Persistent* { return &std::invoke(access, Self(o)); };
        p.get = [](const Persistent&) { return PropertyValue(); };
        return Add(std::move(p));
    }

    // A reference to a component of class R (deduced from the getter's R*); the setter gets
    // nullptr or an R*. The setter is expected to ask for a free notice (see ComponentRef).
    template <class G, class S>
    ClassBuilder& AddReference(std::string name, G get, S set) {
        using R = std::remove_pointer_t<std::remove_cvref_t<std::invoke_result_t<G, const T&>>>;
        static_assert(std::is_base_of_v<Component, R>, "a reference property names a component class");
        PropertyInfo p = Make(name, PropertyType::Component);
        p.referenceClass = &R::StaticClass;
        p.get = [get](const Persistent& o) {
            return PropertyValue::FromComponent(static_cast<Component*>(std::invoke(get, Self(o))));
        };
        if constexpr (!std::is_null_pointer_v<S>)
            p.set = [set, name](Persistent& o, const PropertyValue& v) {
                Component* c = detail::ToComponent(v, name);
                R* target = nullptr;
                if (c != nullptr) {
                    target = dynamic_cast<R*>(c);
                    if (target == nullptr) detail::InvalidValue(v, name);
                }
                std::invoke(set, Self(o), target);
            };
        return Add(std::move(p));
    }

    // An event slot: a data member (or accessor) of type fw::Event<A...>.
    template <class Slot>
    ClassBuilder& AddEvent(std::string name, Slot slot) {
        using E = std::remove_cvref_t<std::invoke_result_t<Slot, T&>>;
        PropertyInfo p = Make(name, PropertyType::Event);
        p.get = [slot](const Persistent& o) { return PropertyValue::FromEvent(std::invoke(slot, Self(o)).Handler()); };
        p.set = [slot, name](Persistent& o, const PropertyValue& v) {
            const EventHandler& h = detail::ToEvent(v, name);
            if (h.function.has_value() && std::any_cast<typename E::Function>(&h.function) == nullptr)
                detail::HandlerMismatch(h.name, name);
            std::invoke(slot, Self(o)).Bind(h);
        };
        return Add(std::move(p));
    }

    // A method a designed window of this class (or a descendant) may name as an event handler.
    template <class... Args>
    ClassBuilder& AddHandler(std::string name, void (T::*method)(Args...)) {
        HandlerInfo h;
        h.name = name;
        h.bind = [method, name](Persistent& root) {
            T& self = Self(root);
            EventHandler e;
            e.name = name;
            e.function = std::function<void(Args...)>(
                [&self, method](Args... args) { (self.*method)(std::forward<Args>(args)...); });
            return e;
        };
        handlers_.push_back(std::move(h));
        return *this;
    }

    const ClassInfo& Register() {
        return RegisterClassInfo(std::make_unique<ClassInfo>(std::move(name_), parent_, std::move(factory_),
                                                             std::move(properties_), std::move(handlers_)));
    }

private:
    static T& Self(Persistent& o) {
        T* t = dynamic_cast<T*>(&o);
        if (t == nullptr) detail::WrongClass(o, T::StaticClass().Name());
        return *t;
    }
    static const T& Self(const Persistent& o) { return Self(const_cast<Persistent&>(o)); }

    static PropertyInfo Make(const std::string& name, PropertyType type) {
        PropertyInfo p;
        p.name = name;
        p.type = type;
        return p;
    }

    ClassBuilder& Add(PropertyInfo p) {
        properties_.push_back(std::move(p));
        return *this;
    }

    template <class A, class S, class Wrap, class Convert>
    ClassBuilder& AddObject(std::string name, PropertyType type, A access, S set, Wrap wrap, Convert convert) {
        PropertyInfo p = Make(name, type);
        p.object = [access](Persistent& o) -> Persistent* { return &std::invoke(access, Self(o)); };
        p.get = [access, wrap](const Persistent& o) {
            return wrap(std::invoke(access, Self(const_cast<Persistent&>(o))));
        };
        p.set = [access, set, name, convert](Persistent& o, const PropertyValue& v) {
            decltype(auto) value = convert(v, name);
            if constexpr (std::is_null_pointer_v<S>)
                std::invoke(access, Self(o)).Assign(value);
            else
                std::invoke(set, Self(o), value);
        };
        return Add(std::move(p));
    }

    std::string name_;
    const ClassInfo* parent_;
    ClassInfo::Factory factory_;
    std::vector<PropertyInfo> properties_;
    std::vector<HandlerInfo> handlers_;
};

} // namespace fw
