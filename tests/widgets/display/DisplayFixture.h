#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "../../gui/framework/FrameworkFixture.h"
#include "gui/controls/ControlClasses.h"
#include "gui/framework/Form.h"
#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Exception.h"
#include "gui/graphics/ImageList.h"
#include "gui/streaming/HandlerTable.h"
#include "gui/streaming/LayoutReader.h"
#include "widgets/display/DisplayClasses.h"

// A widget class that counts its repaint requests.
template <class W> class TCounting : public W {
public:
    using W::W;
    void Invalidate() override {
        ++Invalidations;
        W::Invalidate();
    }
    int Invalidations = 0;
};

// A shown white form of 400 x 300 on the headless desktop, with the display classes
// registered, for widgets the test places on it.
class DisplayFixture : public FrameworkFixture {
protected:
    DisplayFixture() {
        TControlClasses::RegisterAll();
        TDisplayClasses::RegisterAll();
        form = App().CreateForm<TForm>();
        form->SetName("Form1");
        form->SetBounds(0, 0, 400, 300);
        form->SetColor(clWhite);
        form->Show();
    }

    // Lets the loop fire what is due and paint what was asked for.
    void Settle() { Platform().AdvanceBy(20); }
    TColor At(int x, int y) { return Platform().Render(*form).Pixel(x, y); }

    // A new widget on the shown form with its top left at (left, top).
    template <class W> W* PlaceWidget(int left, int top) {
        W* widget = new W(form);
        widget->SetParent(form);
        widget->SetLeft(left);
        widget->SetTop(top);
        return widget;
    }
    // Lets the loop paint and returns the form as shown.
    const TBitmap& Shot() {
        Settle();
        return Platform().Render(*form);
    }
    // A pixel of the shown form, in the widget's coordinates.
    TColor At(const TControl& widget, int x, int y) {
        return Shot().Pixel(widget.Left() + x, widget.Top() + y);
    }
    // Reads the components of a layout onto the shown form and returns the one of that name.
    template <class W> W& Load(const std::string& text, const std::string& name) {
        TLayoutReader::Read(text, *form, handlers);
        auto* widget = dynamic_cast<W*>(form->FindComponent(name));
        if (!widget)
            throw Exception("No component " + name + " of the expected class");
        return *widget;
    }

    // Reads the layout into a fresh form; its components belong to that form.
    TForm& ReadLayout(const std::string& text) {
        TForm* copy = App().CreateForm<TForm>();
        TLayoutReader::Read(text, *copy, handlers);
        return *copy;
    }
    // The message of the failure, or "no error" when the layout read.
    std::string ReadFailure(const std::string& text) {
        try {
            ReadLayout(text);
        } catch (const EReadError& error) {
            return error.what();
        }
        return "no error";
    }

    // Bytes as a layout writes binary values.
    static std::string Hex(const std::vector<std::uint8_t>& bytes) {
        static const char digits[] = "0123456789ABCDEF";
        std::string text = "{";
        for (std::uint8_t b : bytes) {
            text += digits[b >> 4];
            text += digits[b & 15];
        }
        return text + "}";
    }

    // Appends count opaque pictures of the list's size, coloured by colour(picture, x, y).
    static void AddPictures(TImageList& list, int count,
                            const std::function<TColor(int, int, int)>& colour) {
        TBitmap picture(list.Width(), list.Height());
        for (int i = 0; i < count; ++i) {
            for (int y = 0; y < list.Height(); ++y)
                for (int x = 0; x < list.Width(); ++x)
                    picture.SetPixel(x, y, colour(i, x, y));
            list.Add(picture, nullptr);
        }
    }

    TForm* form = nullptr;
    THandlerTable handlers;
};
