#pragma once

#include "gui/framework/Component.h"
#include "gui/streaming/ClassInfo.h"

// A root that is not a form: its controls get no parent.
class TTestRoot : public TComponent {
public:
    static const TClassInfo& ClassInfo();

    using TComponent::TComponent;
};
