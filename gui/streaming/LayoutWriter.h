#pragma once

#include <string>
#include <vector>

#include "gui/streaming/ClassInfo.h"
#include "gui/streaming/LayoutValue.h"

class TComponent;

// Writes a component and the components it owns as layout text that TLayoutReader reads back
// to the same state, leaving out every value equal to its declared default.
class TLayoutWriter {
public:
    // Owned components whose class is not registered are left out. Throws EWriteError when the
    // root's class is not registered or a value has no text (a non-finite real, an ordinal
    // beyond its names, a string that is not UTF-8, a name that is not an identifier).
    static std::string Write(const TComponent& root);

    // The stored published properties of the object, sub-objects' with their path, then its
    // defined properties that have data: what a widget writes for each item of a collection.
    static std::vector<TLayoutProperty> WriteObjectProperties(const TObject& object,
                                                              const TClassInfo& info);

    // The current value of one property (a path such as "Font.Color" reaches into sub-objects)
    // as the layout text writes it, whether or not it equals the default. An unset event reads
    // as an empty text. Throws EWriteError when the component's class has no such property.
    static std::string ValueText(const TComponent& component, const std::string& path);

private:
    // The component names the handlers of its events; null for items.
    static void CollectProperties(const TObject& object, const TClassInfo& info,
                                  const TComponent* component, const std::string& prefix,
                                  std::vector<TLayoutProperty>& out);

    void WriteComponent(const TComponent& component, const TClassInfo& info, int depth);
    void WriteProperty(const TLayoutProperty& property, int depth);
    void WriteValue(const TLayoutValue& value, int depth);
    void WriteBinary(std::span<const std::uint8_t> bytes, int depth);
    void WriteItems(const std::vector<std::vector<TLayoutProperty>>& items, int depth);
    void Indent(int depth);

    std::string m_text;
};
