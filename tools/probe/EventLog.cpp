#include "tools/probe/EventLog.h"

#include <ostream>
#include <string>

#include "gui/framework/Form.h"
#include "gui/streaming/ClassRegistry.h"
#include "widgets/core/iVCLComponent.h"

namespace {

// An event takes a handler only of its own signature, so each logger is offered in turn.
void WireEvent(TComponent& component, const TPropInfo& event, std::ostream& out) {
    const std::string name = component.Name() + '.' + event.Name;
    const TNotifyEvent notify = [&out, name](TObject*) { out << "event: " << name << '\n'; };
    if (event.SetHandler(component, notify))
        return;
    const TIndexObjectEvent indexed = [&out, name](TObject*, int index) {
        out << "event: " << name << ' ' << index << '\n';
    };
    event.SetHandler(component, indexed);
}

} // namespace

void TEventLog::Wire(TForm& form, std::ostream& out) {
    for (int i = 0; i < form.ComponentCount(); ++i) {
        TComponent& component = *form.Components(i);
        const TClassInfo* info = TClassRegistry::Instance().FindByType(typeid(component));
        if (!info)
            continue;
        for (const TPropInfo& property : info->Properties())
            if (property.Kind == tkEvent)
                WireEvent(component, property, out);
    }
}
