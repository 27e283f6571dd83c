#pragma once

#include "../../gui/framework/FrameworkFixture.h"
#include "TestWidget.h"
#include "gui/framework/Form.h"

// A shown white form holding one test widget at (20, 20), painted once.
class WidgetFixture : public FrameworkFixture {
protected:
    WidgetFixture() {
        form = App().CreateForm<TForm>();
        form->SetBounds(0, 0, 300, 200);
        form->SetColor(clWhite);
        widget = new TTestWidget(form);
        widget->SetParent(form);
        widget->SetBounds(20, 20, 101, 60);
        form->Show();
        Settle();
    }

    // Lets the loop paint what was asked for and forgets the requests made so far.
    void Settle() {
        Platform().AdvanceBy(20);
        invalidationsBefore = widget->Invalidations();
    }
    int NewInvalidations() const { return widget->Invalidations() - invalidationsBefore; }
    TColor At(int x, int y) { return Platform().Render(*form).Pixel(x, y); }

    TForm* form = nullptr;
    TTestWidget* widget = nullptr;
    int invalidationsBefore = 0;
};
