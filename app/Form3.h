#pragma once

#include "gui/framework/Form.h"

class TClassInfo;

// The main menu: picture buttons for the bench, the theory, the help and the exit.
class TForm3 : public TForm {
public:
    explicit TForm3(TComponent* owner);
    ~TForm3() override;

    static const TClassInfo& StaticClassInfo();

private:
    void Image2Click();
    void Image3Click();
    void Image4Click();
    void Image5Click();
};
