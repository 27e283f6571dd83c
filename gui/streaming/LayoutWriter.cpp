#include "gui/streaming/LayoutWriter.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "gui/framework/Component.h"
#include "gui/graphics/Exception.h"
#include "gui/streaming/ClassRegistry.h"
#include "gui/streaming/LayoutText.h"

namespace {

// Hex digits per line of binary data.
constexpr std::size_t BytesPerLine = 32;

const std::string& CheckedIdent(const std::string& name) {
    if (!IsIdent(name))
        throw EWriteError("'" + name + "' is not an identifier");
    return name;
}

std::string FormatReal(double value) {
    if (!std::isfinite(value))
        throw EWriteError("A real that is not finite cannot be written");
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, result.ptr);
    // Without a point or an exponent the text would read back as an integer.
    if (text.find_first_of(".e") == std::string::npos)
        text += ".0";
    return text;
}

// Control characters go outside the quotes as #n, so that a line break cannot split the line.
std::string FormatString(const std::string& value) {
    if (!IsValidUtf8(value))
        throw EWriteError("A string that is not UTF-8 cannot be written");
    std::string text;
    bool quoted = false;
    for (const char c : value) {
        const bool control = static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
        if (control == quoted)
            text += '\'';
        quoted = !control;
        if (control)
            text += '#' + std::to_string(static_cast<unsigned char>(c));
        else
            text += c == '\'' ? std::string("''") : std::string(1, c);
    }
    if (quoted)
        text += '\'';
    return text.empty() ? "''" : text;
}

TLayoutValue SetValue(const TPropInfo& property, std::int64_t bits) {
    TLayoutValue set;
    set.Kind = lvSet;
    for (std::size_t i = 0; i < 64; ++i) {
        if ((static_cast<std::uint64_t>(bits) >> i & 1) == 0)
            continue;
        if (i >= property.ValueNames.size())
            throw EWriteError(property.Name + ": bit " + std::to_string(i) + " has no name");
        set.Names.push_back(property.ValueNames[i]);
    }
    return set;
}

TLayoutValue OrdinalValue(const TPropInfo& property, std::int64_t ordinal) {
    switch (property.Kind) {
    case tkBoolean:
        return TLayoutValue::OfIdent(ordinal ? "True" : "False");
    case tkEnumeration:
        if (ordinal < 0 || static_cast<std::size_t>(ordinal) >= property.ValueNames.size())
            throw EWriteError(property.Name + ": " + std::to_string(ordinal) + " has no name");
        return TLayoutValue::OfIdent(property.ValueNames[static_cast<std::size_t>(ordinal)]);
    case tkSet:
        return SetValue(property, ordinal);
    default:
        if (property.OrdinalToIdent)
            if (auto name = property.OrdinalToIdent(ordinal))
                return TLayoutValue::OfIdent(*name);
        return TLayoutValue::OfInteger(ordinal);
    }
}

// What the property holds now, defaults included.
TLayoutValue CurrentValue(const TObject& object, const TPropInfo& property,
                          const TComponent* component, const std::string& path) {
    switch (property.Kind) {
    case tkDouble:
        return TLayoutValue::OfDouble(property.GetDouble(object));
    case tkString:
        return TLayoutValue::OfString(property.GetString(object));
    case tkEvent:
        return TLayoutValue::OfIdent(component ? component->EventHandlerName(path) : "");
    case tkClass:
        throw EWriteError(path + " is an object; name one of its properties");
    default:
        return OrdinalValue(property, property.GetOrdinal(object));
    }
}

// Whether the property holds something other than what it has by default.
bool DiffersFromDefault(const TObject& object, const TPropInfo& property,
                        const TComponent* component, const std::string& path) {
    switch (property.Kind) {
    case tkDouble:
        return property.GetDouble(object) != 0;
    case tkString:
        return !property.GetString(object).empty();
    case tkEvent:
        return component && !component->EventHandlerName(path).empty();
    default:
        return property.GetOrdinal(object) != property.Default;
    }
}

// The value to store, or nothing when the property keeps what it has by default.
std::optional<TLayoutValue> StoredValue(const TObject& object, const TPropInfo& property,
                                        const TComponent* component, const std::string& path) {
    if (!DiffersFromDefault(object, property, component, path))
        return std::nullopt;
    return CurrentValue(object, property, component, path);
}

std::string UnknownProperty(const TComponent& component, const std::string& path) {
    return "'" + component.Name() + "' has no property " + path;
}

} // namespace

std::string TLayoutWriter::ValueText(const TComponent& component, const std::string& path) {
    const TClassInfo* info = TClassRegistry::Instance().FindByType(typeid(component));
    if (!info)
        throw EWriteError(UnknownProperty(component, path));
    const TObject* object = &component;
    std::size_t start = 0;
    TLayoutWriter writer;
    for (;;) {
        const std::size_t dot = path.find('.', start);
        const std::string name = path.substr(start, dot == std::string::npos ? dot : dot - start);
        if (const TDefinedProperty* defined = info->FindDefined(path.substr(start))) {
            if (defined->HasData(*object))
                writer.WriteValue(defined->Write(*object), 0);
            return writer.m_text;
        }
        const TPropInfo* property = info->FindProperty(name);
        if (!property)
            throw EWriteError(UnknownProperty(component, path));
        if (dot == std::string::npos) {
            const TLayoutValue value = CurrentValue(*object, *property, &component, path);
            if (value.Kind != lvIdent || !value.Text.empty())
                writer.WriteValue(value, 0);
            return writer.m_text;
        }
        object = property->Kind == tkClass ? property->GetObject(*object) : nullptr;
        info = property->ObjectClass;
        if (!object || !info)
            throw EWriteError(UnknownProperty(component, path));
        start = dot + 1;
    }
}

std::string TLayoutWriter::Write(const TComponent& root) {
    const TClassInfo* info = TClassRegistry::Instance().FindByType(typeid(root));
    if (!info)
        throw EWriteError(std::string("Class is not registered for streaming: ") +
                          typeid(root).name());
    TLayoutWriter writer;
    writer.WriteComponent(root, *info, 0);
    return std::move(writer.m_text);
}

std::vector<TLayoutProperty> TLayoutWriter::WriteObjectProperties(const TObject& object,
                                                                  const TClassInfo& info) {
    std::vector<TLayoutProperty> properties;
    CollectProperties(object, info, nullptr, "", properties);
    return properties;
}

void TLayoutWriter::CollectProperties(const TObject& object, const TClassInfo& info,
                                      const TComponent* component, const std::string& prefix,
                                      std::vector<TLayoutProperty>& out) {
    for (const TPropInfo& property : info.Properties()) {
        if (!property.Stored(object) || !property.Writable())
            continue;
        const std::string path = prefix + property.Name;
        if (property.Kind != tkClass) {
            if (auto value = StoredValue(object, property, component, path))
                out.push_back({path, std::move(*value), 0});
        } else if (const TObject* sub = property.GetObject(object); sub && property.ObjectClass) {
            CollectProperties(*sub, *property.ObjectClass, component, path + '.', out);
        }
    }
    for (const TDefinedProperty& defined : info.DefinedProperties())
        if (defined.HasData(object))
            out.push_back({prefix + defined.Name, defined.Write(object), 0});
}

void TLayoutWriter::WriteComponent(const TComponent& component, const TClassInfo& info, int depth) {
    Indent(depth);
    m_text += "object ";
    if (!component.Name().empty())
        m_text += CheckedIdent(component.Name()) + ": ";
    m_text += info.Name() + '\n';
    std::vector<TLayoutProperty> properties;
    CollectProperties(component, info, &component, "", properties);
    for (const TLayoutProperty& property : properties)
        WriteProperty(property, depth + 1);
    // Only the root's own components: a layout holds no deeper objects.
    for (int i = 0; depth == 0 && i < component.ComponentCount(); ++i) {
        const TComponent& child = *component.Components(i);
        if (const TClassInfo* childInfo = TClassRegistry::Instance().FindByType(typeid(child)))
            WriteComponent(child, *childInfo, depth + 1);
    }
    Indent(depth);
    m_text += "end\n";
}

void TLayoutWriter::WriteProperty(const TLayoutProperty& property, int depth) {
    Indent(depth);
    m_text += property.Path + " = ";
    try {
        WriteValue(property.Value, depth);
    } catch (const EWriteError& error) {
        throw EWriteError(property.Path + ": " + error.what());
    }
    m_text += '\n';
}

void TLayoutWriter::WriteValue(const TLayoutValue& value, int depth) {
    switch (value.Kind) {
    case lvInteger:
        m_text += std::to_string(value.Integer);
        break;
    case lvDouble:
        m_text += FormatReal(value.Double);
        break;
    case lvString:
        m_text += FormatString(value.Text);
        break;
    case lvIdent:
        m_text += CheckedIdent(value.Text);
        break;
    case lvSet:
        m_text += '[';
        for (std::size_t i = 0; i < value.Names.size(); ++i)
            m_text += (i ? ", " : "") + CheckedIdent(value.Names[i]);
        m_text += ']';
        break;
    case lvBinary:
        WriteBinary(value.AsBytes(), depth);
        break;
    case lvCollection:
        WriteItems(value.Items, depth);
        break;
    }
}

void TLayoutWriter::WriteBinary(std::span<const std::uint8_t> bytes, int depth) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    m_text.reserve(m_text.size() + bytes.size() * 2 +
                   bytes.size() / BytesPerLine * (2 * depth + 3));
    m_text += '{';
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i % BytesPerLine == 0) {
            m_text += '\n';
            Indent(depth + 1);
        }
        m_text += Digits[bytes[i] >> 4];
        m_text += Digits[bytes[i] & 0xF];
    }
    m_text += '}';
}

void TLayoutWriter::WriteItems(const std::vector<std::vector<TLayoutProperty>>& items, int depth) {
    m_text += '<';
    for (const std::vector<TLayoutProperty>& item : items) {
        m_text += '\n';
        Indent(depth + 1);
        m_text += "item\n";
        for (const TLayoutProperty& property : item)
            WriteProperty(property, depth + 2);
        Indent(depth + 1);
        m_text += "end";
    }
    m_text += '>';
}

void TLayoutWriter::Indent(int depth) {
    m_text.append(static_cast<std::size_t>(depth) * 2, ' ');
}
