#pragma once

#include "gui/framework/Form.h"

// The laboratory bench. For now it shows its background and the three wooden signs that lead
// to the menu, the theory and out of the program.
class TForm2 : public TForm {
public:
    explicit TForm2(TComponent* owner);
    ~TForm2() override;

private:
    void FormCreate();
    void Image16Click();
    void Image17Click();
    void Image18Click();
};
