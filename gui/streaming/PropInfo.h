#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "gui/graphics/Object.h"

class TClassInfo;

enum TPropKind : std::uint8_t {
    tkInteger,
    tkBoolean,
    tkEnumeration,
    tkSet,
    tkDouble,
    tkString,
    tkColor,
    // An owned sub-object such as a font: its own properties follow with the path prefix.
    tkClass,
    tkEvent,
};

// One published property: how to read and write it on an object of its class, what value it
// has when nothing was stored, and whether it is stored at all. Only the accessors of its kind
// are set: ordinals (integer, Boolean, enumeration, set, colour) go through the ordinal pair.
struct TPropInfo {
    std::string Name;
    TPropKind Kind = tkInteger;

    std::function<std::int64_t(const TObject&)> GetOrdinal;
    std::function<void(TObject&, std::int64_t)> SetOrdinal;
    std::function<double(const TObject&)> GetDouble;
    std::function<void(TObject&, double)> SetDouble;
    std::function<std::string(const TObject&)> GetString;
    std::function<void(TObject&, const std::string&)> SetString;
    // Null when the object does not have the sub-object.
    std::function<TObject*(const TObject&)> GetObject;
    const TClassInfo* ObjectClass = nullptr;
    // Assigns a handler the owning form registered; false when it has another signature.
    std::function<bool(TObject&, const std::any&)> SetHandler;

    // Enumeration values by ordinal; set elements by bit.
    std::vector<std::string> ValueNames;
    // Integers and colours that layouts may also write by name (clBlack, crHandPoint).
    std::function<std::optional<std::string>(std::int64_t)> OrdinalToIdent;
    std::function<std::optional<std::int64_t>(const std::string&)> IdentToOrdinal;
    // Ordinals only; written when the value differs, always when there is none.
    std::optional<std::int64_t> Default;
    // Empty: always stored.
    std::function<bool(const TObject&)> StoredWhen;

    bool Stored(const TObject& object) const { return !StoredWhen || StoredWhen(object); }
    bool Writable() const {
        return SetOrdinal || SetDouble || SetString || SetHandler || Kind == tkClass;
    }
    bool IsOrdinal() const {
        return Kind == tkInteger || Kind == tkBoolean || Kind == tkEnumeration || Kind == tkSet ||
               Kind == tkColor;
    }
};
