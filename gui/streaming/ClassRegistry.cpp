#include "gui/streaming/ClassRegistry.h"

#include "gui/graphics/Exception.h"

TClassRegistry& TClassRegistry::Instance() {
    static TClassRegistry registry;
    return registry;
}

const TClassInfo& TClassRegistry::Register(TClassInfo info) {
    if (m_byName.contains(info.Name()))
        throw Exception("Class " + info.Name() + " is registered twice");
    const TClassInfo& kept = m_classes.emplace_back(std::move(info));
    m_byName.emplace(kept.Name(), &kept);
    m_byType.emplace(kept.Type(), &kept);
    return kept;
}

const TClassInfo* TClassRegistry::FindByName(const std::string& name) const {
    auto found = m_byName.find(name);
    return found == m_byName.end() ? nullptr : found->second;
}

const TClassInfo* TClassRegistry::FindByType(std::type_index type) const {
    auto found = m_byType.find(type);
    return found == m_byType.end() ? nullptr : found->second;
}

const TClassInfo& TClassRegistry::Of(const TObject& object) const {
    if (const TClassInfo* info = FindByType(typeid(object)))
        return *info;
    throw Exception(std::string("Class is not registered for streaming: ") + typeid(object).name());
}
