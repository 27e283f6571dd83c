#include "gui/streaming/LayoutReader.h"

#include <cstdint>
#include <limits>

#include "gui/framework/Form.h"
#include "gui/streaming/ClassRegistry.h"
#include "gui/streaming/FrameworkClasses.h"
#include "gui/streaming/LayoutError.h"

namespace {

// Where a property path leads: the object that holds the last name and what that name is.
struct TTarget {
    TObject* Object = nullptr;
    const TPropInfo* Published = nullptr;
    const TDefinedProperty* Defined = nullptr;
    // The path with each name as its class spells it, under which an event's handler is named.
    std::string Path;
};

EReadError UnknownProperty(const TClassInfo& info) {
    return EReadError("Unknown property of " + info.Name());
}

// Walks the sub-objects named before the last dot. A class may also take over a value of its
// sub-object by defining it under the dotted path itself ("Picture.Data" of a picture control).
TTarget Resolve(TObject& object, const TClassInfo& info, std::string_view path) {
    TTarget target{&object, nullptr, nullptr, {}};
    const TClassInfo* current = &info;
    for (std::size_t dot; (dot = path.find('.')) != std::string_view::npos;) {
        if ((target.Defined = current->FindDefined(path)))
            return target;
        const TPropInfo* sub = current->FindProperty(path.substr(0, dot));
        if (!sub || sub->Kind != tkClass || !sub->ObjectClass)
            throw UnknownProperty(info);
        target.Object = sub->GetObject(*target.Object);
        if (!target.Object)
            throw EReadError(sub->Name + " is absent in this " + current->Name());
        target.Path += sub->Name + '.';
        current = sub->ObjectClass;
        path.remove_prefix(dot + 1);
    }
    if (!(target.Published = current->FindProperty(path)) &&
        !(target.Defined = current->FindDefined(path)))
        throw UnknownProperty(info);
    target.Path += target.Published ? target.Published->Name : target.Defined->Name;
    return target;
}

std::string NameList(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names)
        list += (list.empty() ? "" : ", ") + name;
    return list;
}

std::int64_t NameIndex(const TPropInfo& property, const std::string& name, const char* what) {
    for (std::size_t i = 0; i < property.ValueNames.size(); ++i)
        if (SameText(property.ValueNames[i], name))
            return static_cast<std::int64_t>(i);
    throw EReadError(std::string("Bad ") + what + " name " + name + " (expected one of " +
                     NameList(property.ValueNames) + ")");
}

std::int64_t SetBits(const TPropInfo& property, const TLayoutValue& value) {
    std::uint64_t bits = 0;
    for (const std::string& name : value.AsSet()) {
        const std::int64_t index = NameIndex(property, name, "set element");
        if (index >= 64)
            throw EReadError("Set element " + name + " lies beyond the 64 bits of a set");
        bits |= std::uint64_t{1} << index;
    }
    return static_cast<std::int64_t>(bits);
}

// Integers, colours and cursors: a number within 32 bits, or a name the property knows.
std::int64_t IntegerOf(const TPropInfo& property, const TLayoutValue& value) {
    if (value.Kind == lvIdent) {
        if (property.IdentToOrdinal)
            if (auto ordinal = property.IdentToOrdinal(value.Text))
                return *ordinal;
        throw EReadError("Unknown value name " + value.Text);
    }
    const std::int64_t number = value.AsInteger();
    if (number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::int32_t>::max())
        throw EReadError("Value out of range: " + std::to_string(number));
    return number;
}

std::int64_t OrdinalOf(const TPropInfo& property, const TLayoutValue& value) {
    switch (property.Kind) {
    case tkBoolean:
        return value.AsBoolean() ? 1 : 0;
    case tkEnumeration:
        return NameIndex(property, value.AsIdent(), "enumeration");
    case tkSet:
        return SetBits(property, value);
    default:
        return IntegerOf(property, value);
    }
}

void SetValue(TObject& object, const TPropInfo& property, const TLayoutValue& value) {
    if (property.Kind == tkClass)
        throw EReadError("An object takes no value; set its properties (" + property.Name +
                         ".Name = ...)");
    if (property.Kind == tkDouble && property.SetDouble)
        property.SetDouble(object, value.AsDouble());
    else if (property.Kind == tkString && property.SetString)
        property.SetString(object, value.AsString());
    else if (property.IsOrdinal() && property.SetOrdinal)
        property.SetOrdinal(object, OrdinalOf(property, value));
    else
        throw EReadError("The property is read-only");
}

} // namespace

void TLayoutReader::Read(const std::string& text, TComponent& root, const THandlerTable& handlers) {
    TLayoutReader reader(&root, &handlers);
    try {
        reader.ReadLayout(TLayoutParser::Parse(text));
    } catch (...) {
        reader.AbandonLoading();
        throw;
    }
}

void TLayoutReader::ReadObjectProperties(TObject& object, const TClassInfo& info,
                                         const std::vector<TLayoutProperty>& properties) {
    TLayoutReader reader(nullptr, nullptr);
    reader.ReadProperties(object, info, nullptr, properties);
}

void TLayoutReader::SetPropertyValue(TObject& object, const TPropInfo& property,
                                     const TLayoutValue& value) {
    SetValue(object, property, value);
}

void TLayoutReader::ReadLayout(const TLayoutObject& layout) {
    const TComponent& root = *m_root;
    const TClassInfo* info = TClassRegistry::Instance().FindByType(typeid(root));
    if (!info)
        throw LayoutError(layout.Line, "The root component's class is not registered");
    if (layout.ClassName != info->Name())
        throw LayoutError(layout.Line, "The layout is of class " + layout.ClassName +
                                           ", the component of class " + info->Name());
    m_root->SetLoading(true);
    m_root->SetName(layout.Name);
    ReadProperties(*m_root, *info, m_root, layout.Properties);
    for (const TLayoutObject& child : layout.Children)
        ReadComponent(child);
    FinishLoading(layout.Line);
}

void TLayoutReader::ReadComponent(const TLayoutObject& layout) {
    if (!layout.Children.empty())
        throw LayoutError(layout.Children.front().Line,
                          "Objects cannot be nested inside " + layout.Name);
    const TClassInfo& info = PlaceableClass(layout);
    TComponent& component = CreateComponent(info, layout);
    ReadProperties(component, info, &component, layout.Properties);
}

const TClassInfo& TLayoutReader::PlaceableClass(const TLayoutObject& layout) const {
    const TClassInfo* info = TClassRegistry::Instance().FindByName(layout.ClassName);
    if (!info)
        throw LayoutError(layout.Line, "Unknown class " + layout.ClassName);
    if (!info->CanCreate() || info->InheritsFrom(TFrameworkClasses::Form()))
        throw LayoutError(layout.Line, "A " + layout.ClassName + " cannot be created in a layout");
    if (!layout.Name.empty() && m_root->FindComponent(layout.Name))
        throw LayoutError(layout.Line, "A component named " + layout.Name + " already exists");
    return *info;
}

TComponent& TLayoutReader::CreateComponent(const TClassInfo& info, const TLayoutObject& layout) {
    TComponent* component = nullptr;
    try {
        component = info.Create(m_root);
    } catch (const std::exception& error) {
        throw LayoutError(layout.Line, "Creating a " + info.Name() + " failed: " + error.what());
    }
    component->SetLoading(true);
    m_created.push_back(component);
    m_createdLines.push_back(layout.Line);
    component->SetName(layout.Name);
    auto* control = dynamic_cast<TControl*>(component);
    auto* form = dynamic_cast<TForm*>(m_root);
    if (control && form)
        control->SetParent(form);
    return *component;
}

void TLayoutReader::FinishLoading(int rootLine) {
    std::size_t done = 0;
    try {
        m_root->Loaded();
        for (; done < m_created.size(); ++done)
            m_created[done]->Loaded();
    } catch (const std::exception& error) {
        const int line = done < m_created.size() ? m_createdLines[done] : rootLine;
        throw LayoutError(line, std::string("Completing the load failed: ") + error.what());
    }
}

void TLayoutReader::AbandonLoading() {
    m_root->SetLoading(false);
    for (TComponent* component : m_created)
        component->SetLoading(false);
}

void TLayoutReader::ReadProperties(TObject& object, const TClassInfo& info, TComponent* component,
                                   const std::vector<TLayoutProperty>& properties) {
    for (const TLayoutProperty& property : properties) {
        try {
            ReadProperty(object, info, component, property);
        } catch (const std::exception& error) {
            // A fault inside an item list already names its own line.
            if (NamesLayoutLine(error))
                throw EReadError(error.what());
            throw LayoutError(property.Line, property.Path + ": " + error.what());
        }
    }
}

void TLayoutReader::ReadProperty(TObject& object, const TClassInfo& info, TComponent* component,
                                 const TLayoutProperty& property) {
    const TTarget target = Resolve(object, info, property.Path);
    // The header names the component; a second name could break its owner's unique names.
    if (target.Object == component && target.Published && target.Published->Name == "Name")
        throw EReadError("A component is named in its object header");
    if (target.Defined)
        target.Defined->Read(*target.Object, property.Value);
    else if (target.Published->Kind == tkEvent)
        SetEvent(*target.Object, *target.Published, target.Path, component, property.Value);
    else
        SetValue(*target.Object, *target.Published, property.Value);
}

void TLayoutReader::SetEvent(TObject& object, const TPropInfo& event, const std::string& path,
                             TComponent* component, const TLayoutValue& value) {
    const std::string& name = value.AsIdent();
    if (!m_handlers || !component)
        throw EReadError("Events cannot be wired here");
    const std::any* handler = m_handlers->Find(name);
    if (!handler)
        throw EReadError("No handler named " + name);
    if (!event.SetHandler(object, *handler))
        throw EReadError("The handler " + name + " does not fit the event");
    component->SetEventHandlerName(path, name);
}
