#pragma once

#include <string>
#include <vector>

#include "../../gui/framework/FrameworkFixture.h"
#include "gui/framework/Form.h"
#include "gui/graphics/Bitmap.h"

// A shown white form for the switches, LEDs and sliders, driven through the headless desktop.
class SwitchFixture : public FrameworkFixture {
protected:
    SwitchFixture() {
        form = App().CreateForm<TForm>();
        form->SetBounds(0, 0, 640, 480);
        form->SetColor(clWhite);
        form->Show();
    }

    template <class W> W* Place(int left, int top, int width, int height) {
        auto* widget = new W(form);
        widget->SetParent(form);
        widget->SetBounds(left, top, width, height);
        Settle();
        return widget;
    }

    // Lets the loop run its timers and paint what was asked for.
    void Settle(int ms = 20) { Platform().AdvanceBy(ms); }

    // A pixel of the widget as the form shows it, in the widget's own coordinates.
    TColor At(const TControl& widget, int x, int y) {
        return Platform().Render(*form).Pixel(widget.Left() + x, widget.Top() + y);
    }
    TPoint Screen(const TControl& widget, int x, int y) const {
        return THeadlessPlatform::ClientToScreen(*form, {widget.Left() + x, widget.Top() + y});
    }
    void Press(const TControl& widget, int x, int y) { Platform().MouseDown(Screen(widget, x, y)); }
    void Move(const TControl& widget, int x, int y) { Platform().MouseMove(Screen(widget, x, y)); }
    void Release(const TControl& widget, int x, int y) { Platform().MouseUp(Screen(widget, x, y)); }
    void Click(const TControl& widget, int x, int y) { Platform().Click(Screen(widget, x, y)); }
    void Wheel(const TControl& widget, int delta) {
        Platform().MouseWheel(Screen(widget, widget.Width() / 2, widget.Height() / 2), delta);
    }

    TForm* form = nullptr;
    std::vector<std::string> events;
};

// The colour as the form shows it: system colours resolved.
inline TColor Shown(TColor color) {
    return ColorToRGB(color);
}
