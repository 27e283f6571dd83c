#pragma once

#include "FrameworkFixture.h"
#include "TestControls.h"

// A 400 x 300 white form at the desktop's corner: a red picture, two windows stacked so that
// the later covers part of the earlier, which covers part of the picture, and a yellow picture
// created last that still lies beneath the windows. Shown and painted once.
class StackedFormFixture : public FrameworkFixture {
protected:
    StackedFormFixture() {
        form = App().CreateForm<TForm>();
        form->SetBounds(0, 0, 400, 300);
        form->SetColor(clWhite);
        picture = new TFilledPicture(form, Bounds(10, 10, 100, 100), clRed);
        lower = new TFilledWindow(form, Bounds(50, 50, 100, 100), clGreen);
        upper = new TFilledWindow(form, Bounds(100, 100, 100, 100), clBlue);
        late = new TFilledPicture(form, Bounds(180, 180, 60, 60), clYellow);
        form->OnClick = [this](TObject*) { ++formClicks; };
        form->Show();
        Platform().AdvanceBy(20);
        Platform().TakePresented();
        lower->Log().clear();
    }

    TColor At(int x, int y) { return Platform().Render(*form).Pixel(x, y); }

    TForm* form = nullptr;
    TFilledPicture* picture = nullptr;
    TFilledWindow* lower = nullptr;
    TFilledWindow* upper = nullptr;
    TFilledPicture* late = nullptr;
    int formClicks = 0;
};
