#pragma once

#include "gui/framework/Form.h"
#include "gui/streaming/ClassInfo.h"

// A form of the program's own kind, as a screen derives it, that notes when it is told Loaded.
class TTestForm : public TForm {
public:
    static const TClassInfo& ClassInfo();

    using TForm::TForm;
    void Loaded() override;
};
