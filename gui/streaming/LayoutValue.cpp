#include "gui/streaming/LayoutValue.h"

#include "gui/graphics/Exception.h"
#include "gui/streaming/ClassInfo.h"

namespace {

const char* KindName(TLayoutValueKind kind) {
    switch (kind) {
    case lvInteger:
        return "an integer";
    case lvDouble:
        return "a real number";
    case lvString:
        return "a string";
    case lvIdent:
        return "a name";
    case lvSet:
        return "a set";
    case lvBinary:
        return "binary data";
    case lvCollection:
        return "a collection";
    }
    return "a value";
}

void Expect(const TLayoutValue& value, TLayoutValueKind kind) {
    if (value.Kind != kind)
        throw EReadError(std::string("Expected ") + KindName(kind) + ", found " +
                         KindName(value.Kind));
}

} // namespace

TLayoutValue TLayoutValue::OfInteger(std::int64_t value) {
    TLayoutValue result;
    result.Kind = lvInteger;
    result.Integer = value;
    return result;
}

TLayoutValue TLayoutValue::OfDouble(double value) {
    TLayoutValue result;
    result.Kind = lvDouble;
    result.Double = value;
    return result;
}

TLayoutValue TLayoutValue::OfString(std::string value) {
    TLayoutValue result;
    result.Kind = lvString;
    result.Text = std::move(value);
    return result;
}

TLayoutValue TLayoutValue::OfIdent(std::string value) {
    TLayoutValue result;
    result.Kind = lvIdent;
    result.Text = std::move(value);
    return result;
}

TLayoutValue TLayoutValue::OfBytes(std::vector<std::uint8_t> value) {
    TLayoutValue result;
    result.Kind = lvBinary;
    result.Bytes = std::move(value);
    return result;
}

TLayoutValue TLayoutValue::OfEmbedded(std::span<const std::uint8_t> value) {
    TLayoutValue result;
    result.Kind = lvBinary;
    result.Embedded = value;
    return result;
}

std::int64_t TLayoutValue::AsInteger() const {
    Expect(*this, lvInteger);
    return Integer;
}

double TLayoutValue::AsDouble() const {
    if (Kind == lvInteger)
        return static_cast<double>(Integer);
    Expect(*this, lvDouble);
    return Double;
}

const std::string& TLayoutValue::AsString() const {
    Expect(*this, lvString);
    return Text;
}

const std::string& TLayoutValue::AsIdent() const {
    Expect(*this, lvIdent);
    return Text;
}

bool TLayoutValue::AsBoolean() const {
    const std::string& name = AsIdent();
    if (SameText(name, "True"))
        return true;
    if (SameText(name, "False"))
        return false;
    throw EReadError("Expected True or False, found " + name);
}

std::span<const std::uint8_t> TLayoutValue::AsBytes() const {
    Expect(*this, lvBinary);
    if (IsEmbedded())
        return Embedded;
    return Bytes;
}

const std::vector<std::string>& TLayoutValue::AsSet() const {
    Expect(*this, lvSet);
    return Names;
}

const std::vector<std::vector<TLayoutProperty>>& TLayoutValue::AsItems() const {
    Expect(*this, lvCollection);
    return Items;
}
