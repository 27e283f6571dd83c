#pragma once

#include "gui/framework/Form.h"

// The missing-files dialog: stays on top and, while it is shown, keeps the three full screens
// from taking input. "OK" ends the program, "НЕТ" goes back.
class TForm5 : public TForm {
public:
    explicit TForm5(TComponent* owner);
    ~TForm5() override;

    // "НЕТ": the dialog goes and the full screens take input again.
    void SpeedButton2Click();

private:
    void FormActivate();
    void SpeedButton1Click();
    static void EnableFullScreens(bool enabled);
};
