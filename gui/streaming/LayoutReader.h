#pragma once

#include <string>
#include <vector>

#include "gui/streaming/ClassInfo.h"
#include "gui/streaming/HandlerTable.h"
#include "gui/streaming/LayoutParser.h"

class TComponent;

// Builds a form (or any component) from its stored layout: creates the components the layout
// names, owned by the root, and sets every property written for them through its setter. While
// it reads, every component it touches is loading; when all is read, each is told Loaded, the
// root first.
class TLayoutReader {
public:
    // The layout's top object must be of root's registered class; event properties name
    // handlers of the table. Throws EReadError "Layout line N: ..." at the first fault; the
    // components created so far then stay with root, none of them loading any more.
    static void Read(const std::string& text, TComponent& root, const THandlerTable& handlers);

    // Sets properties of one object by path, as a widget does for each item of a collection it
    // streams in a defined property. Items have no handlers, so an event among them is a fault.
    static void ReadObjectProperties(TObject& object, const TClassInfo& info,
                                     const std::vector<TLayoutProperty>& properties);

    // Sets one published property through its setter, converting the value as a layout would.
    // Throws EReadError for a value of the wrong kind or a read-only property.
    static void SetPropertyValue(TObject& object, const TPropInfo& property,
                                 const TLayoutValue& value);

private:
    TLayoutReader(TComponent* root, const THandlerTable* handlers)
        : m_root(root), m_handlers(handlers) {}

    void ReadLayout(const TLayoutObject& layout);
    void ReadComponent(const TLayoutObject& layout);
    const TClassInfo& PlaceableClass(const TLayoutObject& layout) const;
    TComponent& CreateComponent(const TClassInfo& info, const TLayoutObject& layout);
    void FinishLoading(int rootLine);
    void AbandonLoading();

    // The component receives the names of the handlers wired to its events; null for items.
    void ReadProperties(TObject& object, const TClassInfo& info, TComponent* component,
                        const std::vector<TLayoutProperty>& properties);
    void ReadProperty(TObject& object, const TClassInfo& info, TComponent* component,
                      const TLayoutProperty& property);
    void SetEvent(TObject& object, const TPropInfo& event, const std::string& path,
                  TComponent* component, const TLayoutValue& value);

    TComponent* m_root;
    const THandlerTable* m_handlers;
    std::vector<TComponent*> m_created;
    std::vector<int> m_createdLines;
};
