#pragma once

#include "widgets/core/iVCLComponent.h"

// The common ancestor of every instrument widget.
class TiCustomComponent : public TiVCLComponent {
public:
    using TiVCLComponent::TiVCLComponent;

    static const TClassInfo& StaticClassInfo();
};
