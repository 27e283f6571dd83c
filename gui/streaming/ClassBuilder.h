#pragma once

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <type_traits>
#include <utility>

#include "gui/graphics/Color.h"
#include "gui/graphics/Exception.h"
#include "gui/streaming/ClassInfo.h"
#include "gui/streaming/ClassRegistry.h"

// Builds and registers the class information of C, typically once in a function-local static:
//
//     static const TClassInfo& info = TClassBuilder<TiLed>("TiLed",
//     &TiCustomComponent::ClassInfo())
//         .Color("ActiveColor", &TiLed::ActiveColor, &TiLed::SetActiveColor, clLime)
//         .Build();
//
// Getters and setters may be members of any base of C. A null setter makes a property that
// streaming reads but never writes back.
template <class C> class TClassBuilder {
public:
    TClassBuilder(std::string name, const TClassInfo* parent)
        : m_info(std::move(name), parent, typeid(C), Creator()) {}

    template <class G, class S>
    TClassBuilder& Integer(std::string name, G getter, S setter,
                           std::optional<std::int64_t> def = std::nullopt) {
        return Ordinal(std::move(name), tkInteger, getter, setter, def, {});
    }
    template <class G, class S>
    TClassBuilder& Boolean(std::string name, G getter, S setter, std::optional<bool> def) {
        return Ordinal(std::move(name), tkBoolean, getter, setter, Widen(def), {});
    }
    template <class G, class S>
    TClassBuilder& Enumeration(std::string name, G getter, S setter, std::vector<std::string> names,
                               std::optional<std::int64_t> def) {
        return Ordinal(std::move(name), tkEnumeration, getter, setter, def, std::move(names));
    }
    template <class G, class S>
    TClassBuilder& Set(std::string name, G getter, S setter, std::vector<std::string> names,
                       std::optional<std::int64_t> def) {
        return Ordinal(std::move(name), tkSet, getter, setter, def, std::move(names));
    }
    template <class G, class S>
    TClassBuilder& Color(std::string name, G getter, S setter, std::optional<std::int64_t> def) {
        Ordinal(std::move(name), tkColor, getter, setter, def, {});
        return Idents([](std::int64_t v) { return ColorToIdent(static_cast<TColor>(v)); },
                      [](const std::string& ident) -> std::optional<std::int64_t> {
                          if (auto color = IdentToColor(ident))
                              return *color;
                          return std::nullopt;
                      });
    }

    template <class G, class S> TClassBuilder& Double(std::string name, G getter, S setter) {
        TPropInfo p = Named(std::move(name), tkDouble);
        p.GetDouble = [getter](const TObject& o) { return static_cast<double>(Get(o, getter)); };
        if constexpr (!std::is_null_pointer_v<S>)
            p.SetDouble = [setter](TObject& o, double v) { (Self(o).*setter)(v); };
        return Publish(std::move(p));
    }

    template <class G, class S> TClassBuilder& String(std::string name, G getter, S setter) {
        TPropInfo p = Named(std::move(name), tkString);
        p.GetString = [getter](const TObject& o) { return std::string(Get(o, getter)); };
        if constexpr (!std::is_null_pointer_v<S>)
            p.SetString = [setter](TObject& o, const std::string& v) { (Self(o).*setter)(v); };
        return Publish(std::move(p));
    }

    // The getter returns the owned sub-object by reference or pointer (null: absent).
    template <class G> TClassBuilder& Object(std::string name, G getter, const TClassInfo& info) {
        TPropInfo p = Named(std::move(name), tkClass);
        p.ObjectClass = &info;
        p.GetObject = [getter](const TObject& o) -> TObject* {
            auto&& sub = (const_cast<C&>(Self(o)).*getter)();
            if constexpr (std::is_pointer_v<std::remove_cvref_t<decltype(sub)>>)
                return sub;
            else
                return &sub;
        };
        return Publish(std::move(p));
    }

    // An event field (a std::function member) that layouts wire to named handlers.
    template <class B, class E> TClassBuilder& Event(std::string name, E B::*field) {
        TPropInfo p = Named(std::move(name), tkEvent);
        p.SetHandler = [field](TObject& o, const std::any& handler) {
            const E* typed = std::any_cast<E>(&handler);
            if (!typed)
                return false;
            Self(o).*field = *typed;
            return true;
        };
        return Publish(std::move(p));
    }

    TClassBuilder& Defined(std::string name, std::function<bool(const C&)> hasData,
                           std::function<TLayoutValue(const C&)> write,
                           std::function<void(C&, const TLayoutValue&)> read) {
        m_info.Define(TDefinedProperty{
            std::move(name),
            [hasData](const TObject& o) { return hasData(Self(o)); },
            [write](const TObject& o) { return write(Self(o)); },
            [read](TObject& o, const TLayoutValue& v) { read(Self(o), v); },
        });
        return *this;
    }

    // A member function scripts may call by name. Its parameters may be Booleans, integers,
    // reals and strings; a result, if any, is reported as decimal text.
    template <class B, class R, class... A>
    TClassBuilder& Method(std::string name, R (B::*method)(A...)) {
        m_info.AddMethod(TMethodInfo{std::move(name), sizeof...(A),
                                     [method](TObject& o, const std::vector<TLayoutValue>& args) {
                                         return Call(Self(o), method, args,
                                                     std::index_sequence_for<A...>{});
                                     }});
        return *this;
    }

    // Names the property just published may be written with besides numbers.
    TClassBuilder&
    Idents(std::function<std::optional<std::string>(std::int64_t)> toIdent,
           std::function<std::optional<std::int64_t>(const std::string&)> fromIdent) {
        TPropInfo p = Last();
        p.OrdinalToIdent = std::move(toIdent);
        p.IdentToOrdinal = std::move(fromIdent);
        return Publish(std::move(p));
    }

    // Another default for an inherited property.
    TClassBuilder& Default(std::string_view name, std::optional<std::int64_t> value) {
        m_info.SetDefault(name, value);
        return *this;
    }
    // The property just published is stored only when the predicate holds.
    TClassBuilder& StoredIf(std::function<bool(const C&)> predicate) {
        m_info.Publish(WithStored(std::move(predicate)));
        return *this;
    }
    TClassBuilder& NotStored() {
        return StoredIf([](const C&) { return false; });
    }

    const TClassInfo& Build() { return TClassRegistry::Instance().Register(std::move(m_info)); }

private:
    static const C& Self(const TObject& o) { return static_cast<const C&>(o); }
    static C& Self(TObject& o) { return static_cast<C&>(o); }
    template <class G> static decltype(auto) Get(const TObject& o, G getter) {
        return (Self(o).*getter)();
    }
    template <class B, class R, class... A, std::size_t... I>
    static std::string Call(C& o, R (B::*method)(A...), const std::vector<TLayoutValue>& args,
                            std::index_sequence<I...>) {
        if (args.size() != sizeof...(A))
            throw Exception("Expected " + std::to_string(sizeof...(A)) + " arguments, got " +
                            std::to_string(args.size()));
        if constexpr (std::is_void_v<R>) {
            (o.*method)(Argument<std::remove_cvref_t<A>>(args[I])...);
            return {};
        } else {
            return std::to_string((o.*method)(Argument<std::remove_cvref_t<A>>(args[I])...));
        }
    }

    template <class T> static T Argument(const TLayoutValue& value) {
        if constexpr (std::is_same_v<T, bool>) {
            return value.AsBoolean();
        } else if constexpr (std::is_integral_v<T>) {
            const std::int64_t v = value.AsInteger();
            if (!std::in_range<T>(v))
                throw Exception("Argument out of range: " + std::to_string(v));
            return static_cast<T>(v);
        } else if constexpr (std::is_floating_point_v<T>) {
            return static_cast<T>(value.AsDouble());
        } else {
            static_assert(std::is_same_v<T, std::string>, "unsupported parameter type");
            return value.AsString();
        }
    }

    static std::optional<std::int64_t> Widen(std::optional<bool> value) {
        if (!value)
            return std::nullopt;
        return *value ? 1 : 0;
    }

    static TClassInfo::TCreate Creator() {
        if constexpr (std::is_constructible_v<C, TComponent*> && !std::is_abstract_v<C>)
            return [](TComponent* owner) -> TComponent* { return new C(owner); };
        else
            return nullptr;
    }

    TPropInfo Named(std::string name, TPropKind kind) {
        TPropInfo p;
        p.Name = std::move(name);
        p.Kind = kind;
        m_last = p.Name;
        return p;
    }

    template <class G, class S>
    TClassBuilder& Ordinal(std::string name, TPropKind kind, G getter, S setter,
                           std::optional<std::int64_t> def, std::vector<std::string> names) {
        TPropInfo p = Named(std::move(name), kind);
        p.GetOrdinal = [getter](const TObject& o) {
            return static_cast<std::int64_t>(Get(o, getter));
        };
        if constexpr (!std::is_null_pointer_v<S>)
            p.SetOrdinal = [setter](TObject& o, std::int64_t v) { Assign(Self(o), setter, v); };
        p.Default = def;
        p.ValueNames = std::move(names);
        return Publish(std::move(p));
    }

    // Converts the ordinal to whatever type the setter takes (bool, an enumeration, TColor).
    template <class B, class R, class A>
    static void Assign(C& o, R (B::*setter)(A), std::int64_t v) {
        using T = std::remove_cvref_t<A>;
        if constexpr (std::is_same_v<T, bool>)
            (o.*setter)(v != 0);
        else
            (o.*setter)(static_cast<T>(v));
    }

    TClassBuilder& Publish(TPropInfo p) {
        m_info.Publish(std::move(p));
        return *this;
    }

    TPropInfo Last() const {
        const TPropInfo* last = m_info.FindProperty(m_last);
        if (!last)
            throw Exception("No property published yet in " + m_info.Name());
        return *last;
    }

    TPropInfo WithStored(std::function<bool(const C&)> predicate) {
        TPropInfo p = Last();
        p.StoredWhen = [predicate](const TObject& o) { return predicate(Self(o)); };
        return p;
    }

    TClassInfo m_info;
    std::string m_last;
};
