#include "gui/framework/Component.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner) : m_owner(owner) {
    if (m_owner)
        m_owner->InsertComponent(this);
}

TComponent::~TComponent() {
    DestroyComponents();
    if (m_owner)
        m_owner->RemoveComponent(this);
}

void TComponent::DestroyComponents() {
    while (!m_components.empty())
        delete m_components.back();
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    if (name.empty())
        return nullptr;
    auto found = std::find_if(m_components.begin(), m_components.end(),
                              [&](const TComponent* c) { return c->Name() == name; });
    return found == m_components.end() ? nullptr : *found;
}

void TComponent::InsertComponent(TComponent* component) {
    m_components.push_back(component);
}

void TComponent::RemoveComponent(TComponent* component) {
    std::erase(m_components, component);
    component->m_owner = nullptr;
}
