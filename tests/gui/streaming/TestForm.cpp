#include "gui/streaming/TestForm.h"

#include "gui/streaming/ClassBuilder.h"
#include "gui/streaming/FrameworkClasses.h"
#include "gui/streaming/TestGadget.h"

const TClassInfo& TTestForm::ClassInfo() {
    static const TClassInfo& info =
        TClassBuilder<TTestForm>("TTestForm", &TFrameworkClasses::Form()).Build();
    return info;
}

void TTestForm::Loaded() {
    TForm::Loaded();
    TTestGadget::LoadedLog().push_back(Name());
}
