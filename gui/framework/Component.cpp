#include "gui/framework/Component.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner) : m_owner(owner) {
    if (m_owner)
        m_owner->InsertComponent(this);
}

TComponent::~TComponent() {
    DestroyComponents();
    while (!m_freeNotifies.empty()) {
        TComponent* other = m_freeNotifies.back();
        m_freeNotifies.pop_back();
        std::erase(other->m_freeNotifies, this);
        other->Notification(this);
    }
    if (m_owner)
        m_owner->RemoveComponent(this);
}

void TComponent::FreeNotification(TComponent* other) {
    if (!other || other == this ||
        std::find(m_freeNotifies.begin(), m_freeNotifies.end(), other) != m_freeNotifies.end())
        return;
    // Either side may go first, so each tells the other.
    m_freeNotifies.push_back(other);
    other->m_freeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* other) {
    if (!other)
        return;
    std::erase(m_freeNotifies, other);
    std::erase(other->m_freeNotifies, this);
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
    Notification(component);
}

std::string TComponent::EventHandlerName(const std::string& event) const {
    auto found = m_eventHandlerNames.find(event);
    return found == m_eventHandlerNames.end() ? std::string() : found->second;
}

void TComponent::SetEventHandlerName(const std::string& event, const std::string& handler) {
    if (handler.empty())
        m_eventHandlerNames.erase(event);
    else
        m_eventHandlerNames[event] = handler;
}
