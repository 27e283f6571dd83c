#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <typeindex>
#include <vector>

#include "gui/graphics/SameText.h"
#include "gui/streaming/DefinedProperty.h"
#include "gui/streaming/MethodInfo.h"
#include "gui/streaming/PropInfo.h"

class TComponent;

// What streaming knows of one class: its name, its parent, its published properties (the
// parent's first, then its own in declaration order), its defined properties and the methods
// scripts may call. Built once per
// class by TClassBuilder and kept by the class registry.
class TClassInfo {
public:
    using TCreate = std::function<TComponent*(TComponent* owner)>;

    TClassInfo(std::string name, const TClassInfo* parent, std::type_index type, TCreate create);

    const std::string& Name() const { return m_name; }
    const TClassInfo* Parent() const { return m_parent; }
    std::type_index Type() const { return m_type; }
    bool InheritsFrom(const TClassInfo& ancestor) const;

    const std::vector<TPropInfo>& Properties() const { return m_properties; }
    const std::vector<TDefinedProperty>& DefinedProperties() const { return m_defined; }
    // Names compare without regard to case, as the designer does.
    const TPropInfo* FindProperty(std::string_view name) const;
    const TDefinedProperty* FindDefined(std::string_view name) const;
    const std::vector<TMethodInfo>& Methods() const { return m_methods; }
    const TMethodInfo* FindMethod(std::string_view name) const;

    bool CanCreate() const { return static_cast<bool>(m_create); }
    // Throws Exception for a class that cannot be created by name (an abstract base).
    TComponent* Create(TComponent* owner) const;

    // A property already published (inherited) is replaced where it stands, so a descendant can
    // give it another default without moving it.
    void Publish(TPropInfo property);
    void SetDefault(std::string_view name, std::optional<std::int64_t> value);
    void Define(TDefinedProperty property);
    // A method of the same name as an inherited one replaces it.
    void AddMethod(TMethodInfo method);

private:
    TPropInfo* FindMutable(std::string_view name);

    std::string m_name;
    const TClassInfo* m_parent;
    std::type_index m_type;
    TCreate m_create;
    std::vector<TPropInfo> m_properties;
    std::vector<TDefinedProperty> m_defined;
    std::vector<TMethodInfo> m_methods;
};
