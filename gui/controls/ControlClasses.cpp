#include "gui/controls/ControlClasses.h"

#include "gui/controls/Image.h"
#include "gui/controls/Label.h"
#include "gui/controls/RichEdit.h"
#include "gui/controls/SpeedButton.h"
#include "gui/streaming/ClassBuilder.h"
#include "gui/streaming/FrameworkClasses.h"

namespace {

// The non-const accessor of an owned sub-object, picked out of its const twin.
template <class C, class T> constexpr auto SubObject(T& (C::*getter)()) {
    return getter;
}

} // namespace

// The picture is stored through the control rather than as a bare bitmap, so that the control
// learns what kind of file it came from (only a BMP source takes a transparent colour).
const TClassInfo& TControlClasses::Image() {
    static const TClassInfo& info =
        TClassBuilder<TImage>("TImage", &TFrameworkClasses::Control())
            .Boolean("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize, false)
            .Boolean("Center", &TImage::Center, &TImage::SetCenter, false)
            .Object("Picture", SubObject<TImage, TBitmap>(&TImage::Picture),
                    TFrameworkClasses::Bitmap())
            .NotStored()
            .Boolean("Proportional", &TImage::Proportional, &TImage::SetProportional, false)
            .Boolean("Stretch", &TImage::Stretch, &TImage::SetStretch, false)
            .Boolean("Transparent", &TImage::Transparent, &TImage::SetTransparent, false)
            .Defined(
                "Picture.Data", [](const TImage& image) { return !image.Picture().Empty(); },
                [](const TImage& image) {
                    return TLayoutValue::OfBytes(image.SavePictureToBytes());
                },
                [](TImage& image, const TLayoutValue& value) {
                    image.LoadPictureFromBytes(value.AsBytes());
                })
            .Build();
    return info;
}

const TClassInfo& TControlClasses::Label() {
    static const TClassInfo& info =
        TClassBuilder<TLabel>("TLabel", &TFrameworkClasses::Control())
            .Enumeration("Alignment", &TLabel::Alignment, &TLabel::SetAlignment,
                         {"taLeftJustify", "taRightJustify", "taCenter"}, taLeftJustify)
            .Boolean("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize, true)
            .String("Caption", &TLabel::Caption, &TLabel::SetCaption)
            .Color("Color", &TLabel::Color, &TLabel::SetColor, clBtnFace)
            .Object("Font", SubObject<TLabel, TFont>(&TLabel::Font), TFrameworkClasses::Font())
            .Boolean("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar, true)
            .Boolean("Transparent", &TLabel::Transparent, &TLabel::SetTransparent, false)
            .Boolean("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap, false)
            .Build();
    return info;
}

const TClassInfo& TControlClasses::RichEdit() {
    static const TClassInfo& info =
        TClassBuilder<TRichEdit>("TRichEdit", &TFrameworkClasses::WinControl())
            .Color("Color", &TRichEdit::Color, &TRichEdit::SetColor, clWindow)
            .Object("Font", SubObject<TRichEdit, TFont>(&TRichEdit::Font),
                    TFrameworkClasses::Font())
            .Boolean("ReadOnly", &TRichEdit::ReadOnly, &TRichEdit::SetReadOnly, false)
            .Enumeration("ScrollBars", &TRichEdit::ScrollBars, &TRichEdit::SetScrollBars,
                         {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}, ssNone)
            .Boolean("WordWrap", &TRichEdit::WordWrap, &TRichEdit::SetWordWrap, true)
            .Default("TabStop", true)
            .Build();
    return info;
}

// GroupIndex comes before Down: a button outside a group cannot stay down.
const TClassInfo& TControlClasses::SpeedButton() {
    static const TClassInfo& info =
        TClassBuilder<TSpeedButton>("TSpeedButton", &TFrameworkClasses::Control())
            .Boolean("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp, false)
            .Integer("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex, 0)
            .Boolean("Down", &TSpeedButton::Down, &TSpeedButton::SetDown, false)
            .String("Caption", &TSpeedButton::Caption, &TSpeedButton::SetCaption)
            .Boolean("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat, false)
            .Object("Font", SubObject<TSpeedButton, TFont>(&TSpeedButton::Font),
                    TFrameworkClasses::Font())
            .Object("Glyph", SubObject<TSpeedButton, TBitmap>(&TSpeedButton::Glyph),
                    TFrameworkClasses::Bitmap())
            .Enumeration("Layout", &TSpeedButton::Layout, &TSpeedButton::SetLayout,
                         {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"},
                         blGlyphLeft)
            .Integer("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin, -1)
            .Integer("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs, 1)
            .Integer("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing, 4)
            .Boolean("Transparent", &TSpeedButton::Transparent, &TSpeedButton::SetTransparent, true)
            .Build();
    return info;
}

void TControlClasses::RegisterAll() {
    TFrameworkClasses::Component();
    TFrameworkClasses::Control();
    TFrameworkClasses::WinControl();
    TFrameworkClasses::Form();
    TFrameworkClasses::Timer();
    TFrameworkClasses::Font();
    TFrameworkClasses::Bitmap();
    Image();
    Label();
    RichEdit();
    SpeedButton();
}
