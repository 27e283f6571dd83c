#pragma once

#include <deque>
#include <map>
#include <string>
#include <typeindex>

#include "gui/streaming/ClassInfo.h"

// Every streamable class, found by name (to create components a layout names) or by the
// dynamic type of an object (to write it). A class is registered when its class information
// is first built.
class TClassRegistry {
public:
    static TClassRegistry& Instance();

    // Keeps the information and returns the kept copy; registering a name twice is a fault.
    const TClassInfo& Register(TClassInfo info);
    const TClassInfo* FindByName(const std::string& name) const;
    const TClassInfo* FindByType(std::type_index type) const;
    // Throws Exception when the object's class was never registered.
    const TClassInfo& Of(const TObject& object) const;
    // Every registered class, in the order of registration.
    const std::deque<TClassInfo>& Classes() const { return m_classes; }

private:
    TClassRegistry() = default;

    std::deque<TClassInfo> m_classes;
    std::map<std::string, const TClassInfo*> m_byName;
    std::map<std::type_index, const TClassInfo*> m_byType;
};
