#pragma once

#include "gui/framework/Form.h"

// The main menu: picture buttons for the bench, the theory, the help and the exit.
class TForm3 : public TForm {
public:
    explicit TForm3(TComponent* owner);
    ~TForm3() override;

private:
    void Image2Click();
    void Image3Click();
    void Image4Click();
    void Image5Click();
};
