#include "gui/streaming/TestRoot.h"

#include "gui/streaming/ClassBuilder.h"
#include "gui/streaming/FrameworkClasses.h"

const TClassInfo& TTestRoot::ClassInfo() {
    static const TClassInfo& info =
        TClassBuilder<TTestRoot>("TTestRoot", &TFrameworkClasses::Component()).Build();
    return info;
}
