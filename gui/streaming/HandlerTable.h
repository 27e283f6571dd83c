#pragma once

#include <any>
#include <map>
#include <string>

// The event handlers a form offers to its layout, by name ("iSwitchLed1Click"). Each is kept
// with its own signature; an event takes it only when the signatures agree.
class THandlerTable {
public:
    template <class Event> void Add(const std::string& name, Event handler) {
        m_handlers[name] = std::move(handler);
    }
    const std::any* Find(const std::string& name) const {
        auto found = m_handlers.find(name);
        return found == m_handlers.end() ? nullptr : &found->second;
    }

private:
    std::map<std::string, std::any> m_handlers;
};
