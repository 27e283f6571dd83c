#pragma once

#include <map>
#include <string>
#include <vector>

#include "gui/graphics/Object.h"

// Owns the components created with it as owner and frees them when it is freed, newest first.
class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;
    ~TComponent() override;

    const std::string& Name() const { return m_name; }
    void SetName(const std::string& value) { m_name = value; }
    int Tag() const { return m_tag; }
    void SetTag(int value) { m_tag = value; }

    TComponent* Owner() const { return m_owner; }
    int ComponentCount() const { return static_cast<int>(m_components.size()); }
    TComponent* Components(int index) const { return m_components.at(index); }
    // The owned component with this name, or null.
    TComponent* FindComponent(const std::string& name) const;

    // Asks to hear through Notification when the other component is freed, so that a
    // reference to it never dangles. Owned components are told without asking.
    void FreeNotification(TComponent* other);
    void RemoveFreeNotification(TComponent* other);

    // True while the component is being read from a stored layout: value components then take
    // what they read as it stands, without clamping or events.
    bool IsLoading() const { return m_loading; }
    void SetLoading(bool value) { m_loading = value; }
    // The layout has been read completely; components settle what depends on several values.
    virtual void Loaded() { m_loading = false; }

    // The names of the handlers a layout wired to this component's events, so that writing it
    // back names them again. Empty when the event was not wired by name.
    std::string EventHandlerName(const std::string& event) const;
    void SetEventHandlerName(const std::string& event, const std::string& handler);

protected:
    // The component is about to be freed; drop every reference to it.
    virtual void Notification(TComponent* component) { (void)component; }
    // Frees the owned components now. Containers call it first in their destructor, while
    // the children can still reach a whole parent.
    void DestroyComponents();

private:
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    std::string m_name;
    int m_tag = 0;
    bool m_loading = false;
    std::map<std::string, std::string> m_eventHandlerNames;
    TComponent* m_owner = nullptr;
    std::vector<TComponent*> m_components;
    std::vector<TComponent*> m_freeNotifies;
};
