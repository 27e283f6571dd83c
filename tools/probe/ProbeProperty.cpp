#include "tools/probe/ProbeProperty.h"

#include <string_view>

#include "gui/framework/Component.h"
#include "gui/graphics/Exception.h"
#include "gui/streaming/ClassRegistry.h"
#include "gui/streaming/LayoutParser.h"
#include "gui/streaming/LayoutReader.h"

namespace {

struct TTarget {
    TObject* Object = nullptr;
    const TPropInfo* Property = nullptr;
};

// Walks the sub-objects named before the last dot; null property when a name is unknown.
TTarget Resolve(TComponent& component, std::string_view path) {
    TTarget target{&component, nullptr};
    const TClassInfo* info = &TClassRegistry::Instance().Of(component);
    for (std::size_t dot; (dot = path.find('.')) != std::string_view::npos;) {
        const TPropInfo* sub = info->FindProperty(path.substr(0, dot));
        if (!sub || sub->Kind != tkClass || !sub->ObjectClass)
            return target;
        target.Object = sub->GetObject(*target.Object);
        if (!target.Object)
            throw Exception(sub->Name + " is absent in this " + info->Name());
        info = sub->ObjectClass;
        path.remove_prefix(dot + 1);
    }
    target.Property = info->FindProperty(path);
    return target;
}

} // namespace

void TProbeProperty::Set(TComponent& component, const std::string& componentPath,
                         const std::string& property, const std::string& valueText) {
    const std::string path = componentPath + '.' + property;
    const TTarget target = Resolve(component, property);
    if (!target.Property)
        throw Exception("Unknown property: " + path);
    if (target.Property->Kind == tkEvent)
        throw Exception(path + " is an event; the probe sets values only");
    if (target.Property->Kind == tkClass)
        throw Exception(path + " is an object; set its properties (" + path + ".Color ...)");
    if (!target.Property->Writable())
        throw Exception(path + " is read-only");
    try {
        TLayoutReader::SetPropertyValue(*target.Object, *target.Property,
                                        TLayoutParser::ParseValueText(valueText));
    } catch (const Exception& error) {
        throw Exception("Cannot set " + path + " to " + valueText + ": " + error.what());
    }
}
