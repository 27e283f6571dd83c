#include "gui/streaming/TestPoint.h"

#include "gui/streaming/ClassBuilder.h"

const TClassInfo& TTestPoint::ClassInfo() {
    static const TClassInfo& info =
        TClassBuilder<TTestPoint>("TTestPoint", nullptr)
            .Integer("X", &TTestPoint::X, &TTestPoint::SetX, 0)
            .Integer("Y", &TTestPoint::Y, &TTestPoint::SetY, 0)
            .String("Caption", &TTestPoint::Caption, &TTestPoint::SetCaption)
            .Build();
    return info;
}
