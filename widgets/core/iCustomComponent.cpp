#include "widgets/core/iCustomComponent.h"

#include "gui/streaming/ClassBuilder.h"

const TClassInfo& TiCustomComponent::StaticClassInfo() {
    static const TClassInfo& info =
        TClassBuilder<TiCustomComponent>("TiCustomComponent", &TiVCLComponent::StaticClassInfo())
            .Build();
    return info;
}
