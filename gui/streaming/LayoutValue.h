#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct TLayoutProperty;

enum TLayoutValueKind : std::uint8_t {
    lvInteger,
    lvDouble,
    lvString,
    // A bare name: True, False, clBlack, ibsRaised, a handler name.
    lvIdent,
    // [fsBold, fsItalic]
    lvSet,
    lvBinary,
    // < item ... end item ... end >: one property list per item.
    lvCollection,
};

// One value as a layout holds it, before it is applied to a property.
struct TLayoutValue {
    TLayoutValueKind Kind = lvInteger;
    std::int64_t Integer = 0;
    double Double = 0;
    // The string of lvString, the name of lvIdent.
    std::string Text;
    std::vector<std::string> Names;
    std::vector<std::uint8_t> Bytes;
    // Binary data the program carries for its whole run (an embedded file), used in place
    // rather than copied into Bytes.
    std::span<const std::uint8_t> Embedded;
    std::vector<std::vector<TLayoutProperty>> Items;

    static TLayoutValue OfInteger(std::int64_t value);
    static TLayoutValue OfDouble(double value);
    static TLayoutValue OfString(std::string value);
    static TLayoutValue OfIdent(std::string value);
    static TLayoutValue OfBytes(std::vector<std::uint8_t> value);
    static TLayoutValue OfEmbedded(std::span<const std::uint8_t> value);

    // Each throws EReadError when the value is of another kind; a real accepts an integer.
    std::int64_t AsInteger() const;
    double AsDouble() const;
    const std::string& AsString() const;
    const std::string& AsIdent() const;
    bool AsBoolean() const;
    // The bytes of a binary value, embedded or its own.
    std::span<const std::uint8_t> AsBytes() const;
    // Whether the bytes last as long as the program, so that a reader may keep a view of them.
    bool IsEmbedded() const { return Kind == lvBinary && Embedded.data() != nullptr; }
    const std::vector<std::string>& AsSet() const;
    const std::vector<std::vector<TLayoutProperty>>& AsItems() const;
};

// "Path = value" on a given line of the layout; the path may run through sub-objects
// ("Font.Name").
struct TLayoutProperty {
    std::string Path;
    TLayoutValue Value;
    int Line = 0;
};
