#include "gui/streaming/ClassInfo.h"

#include <algorithm>

#include "gui/graphics/Exception.h"

TClassInfo::TClassInfo(std::string name, const TClassInfo* parent, std::type_index type,
                       TCreate create)
    : m_name(std::move(name)), m_parent(parent), m_type(type), m_create(std::move(create)) {
    if (m_parent) {
        m_properties = m_parent->m_properties;
        m_defined = m_parent->m_defined;
        m_methods = m_parent->m_methods;
    }
}

bool TClassInfo::InheritsFrom(const TClassInfo& ancestor) const {
    for (const TClassInfo* info = this; info; info = info->m_parent)
        if (info == &ancestor)
            return true;
    return false;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view name) const {
    auto found = std::find_if(m_properties.begin(), m_properties.end(),
                              [&](const TPropInfo& p) { return SameText(p.Name, name); });
    return found == m_properties.end() ? nullptr : &*found;
}

const TDefinedProperty* TClassInfo::FindDefined(std::string_view name) const {
    auto found = std::find_if(m_defined.begin(), m_defined.end(),
                              [&](const TDefinedProperty& p) { return SameText(p.Name, name); });
    return found == m_defined.end() ? nullptr : &*found;
}

const TMethodInfo* TClassInfo::FindMethod(std::string_view name) const {
    auto found = std::find_if(m_methods.begin(), m_methods.end(),
                              [&](const TMethodInfo& m) { return SameText(m.Name, name); });
    return found == m_methods.end() ? nullptr : &*found;
}

TComponent* TClassInfo::Create(TComponent* owner) const {
    if (!m_create)
        throw Exception("Cannot create an instance of " + m_name);
    return m_create(owner);
}

TPropInfo* TClassInfo::FindMutable(std::string_view name) {
    return const_cast<TPropInfo*>(FindProperty(name));
}

void TClassInfo::Publish(TPropInfo property) {
    if (TPropInfo* existing = FindMutable(property.Name))
        *existing = std::move(property);
    else
        m_properties.push_back(std::move(property));
}

void TClassInfo::SetDefault(std::string_view name, std::optional<std::int64_t> value) {
    TPropInfo* existing = FindMutable(name);
    if (!existing)
        throw Exception("No published property " + std::string(name) + " in " + m_name);
    existing->Default = value;
}

void TClassInfo::Define(TDefinedProperty property) {
    auto found = std::find_if(m_defined.begin(), m_defined.end(), [&](const TDefinedProperty& p) {
        return SameText(p.Name, property.Name);
    });
    if (found != m_defined.end())
        *found = std::move(property);
    else
        m_defined.push_back(std::move(property));
}

void TClassInfo::AddMethod(TMethodInfo method) {
    auto found = std::find_if(m_methods.begin(), m_methods.end(),
                              [&](const TMethodInfo& m) { return SameText(m.Name, method.Name); });
    if (found != m_methods.end())
        *found = std::move(method);
    else
        m_methods.push_back(std::move(method));
}
