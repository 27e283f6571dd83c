#include "gui/streaming/FrameworkClasses.h"

#include <array>
#include <utility>

#include "gui/framework/Form.h"
#include "gui/framework/Timer.h"
#include "gui/framework/WinControl.h"
#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Font.h"
#include "gui/streaming/ClassBuilder.h"

namespace {

constexpr std::array<std::pair<TCursor, const char*>, 13> CursorNames{{
    {crDefault, "crDefault"},
    {crNone, "crNone"},
    {crArrow, "crArrow"},
    {crCross, "crCross"},
    {crIBeam, "crIBeam"},
    {crSizeNESW, "crSizeNESW"},
    {crSizeNS, "crSizeNS"},
    {crSizeNWSE, "crSizeNWSE"},
    {crSizeWE, "crSizeWE"},
    {crHourGlass, "crHourGlass"},
    {crNo, "crNo"},
    {crHandPoint, "crHandPoint"},
    {crSizeAll, "crSizeAll"},
}};

std::optional<std::string> CursorToIdent(std::int64_t value) {
    for (const auto& [cursor, name] : CursorNames)
        if (cursor == value)
            return name;
    return std::nullopt;
}

std::optional<std::int64_t> IdentToCursor(const std::string& ident) {
    for (const auto& [cursor, name] : CursorNames)
        if (SameText(ident, name))
            return cursor;
    return std::nullopt;
}

} // namespace

const TClassInfo& TFrameworkClasses::Component() {
    static const TClassInfo& info = TClassBuilder<TComponent>("TComponent", nullptr)
                                        .String("Name", &TComponent::Name, &TComponent::SetName)
                                        .NotStored()
                                        .Integer("Tag", &TComponent::Tag, &TComponent::SetTag, 0)
                                        .Build();
    return info;
}

const TClassInfo& TFrameworkClasses::Control() {
    static const TClassInfo& info =
        TClassBuilder<TControl>("TControl", &Component())
            .Integer("Left", &TControl::Left, &TControl::SetLeft)
            .Integer("Top", &TControl::Top, &TControl::SetTop)
            .Integer("Width", &TControl::Width, &TControl::SetWidth)
            .Integer("Height", &TControl::Height, &TControl::SetHeight)
            .Enumeration("Align", &TControl::Align, &TControl::SetAlign, {"alNone", "alClient"},
                         alNone)
            .Integer("Cursor", &TControl::Cursor, &TControl::SetCursor, crDefault)
            .Idents(CursorToIdent, IdentToCursor)
            .String("Hint", &TControl::Hint, &TControl::SetHint)
            .Boolean("ShowHint", &TControl::ShowHint, &TControl::SetShowHint, false)
            .Boolean("Visible", &TControl::Visible, &TControl::SetVisible, true)
            .Boolean("Enabled", &TControl::Enabled, &TControl::SetEnabled, true)
            .Event("OnClick", &TControl::OnClick)
            .Event("OnDblClick", &TControl::OnDblClick)
            .Event("OnMouseDown", &TControl::OnMouseDown)
            .Event("OnMouseMove", &TControl::OnMouseMove)
            .Event("OnMouseUp", &TControl::OnMouseUp)
            .Build();
    return info;
}

const TClassInfo& TFrameworkClasses::WinControl() {
    static const TClassInfo& info =
        TClassBuilder<TWinControl>("TWinControl", &Control())
            .Integer("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder, -1)
            .Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, false)
            .Event("OnEnter", &TWinControl::OnEnter)
            .Event("OnExit", &TWinControl::OnExit)
            .Event("OnKeyDown", &TWinControl::OnKeyDown)
            .Event("OnKeyPress", &TWinControl::OnKeyPress)
            .Event("OnKeyUp", &TWinControl::OnKeyUp)
            .Build();
    return info;
}

// A form stores its client size rather than its outer size, and starts hidden.
const TClassInfo& TFrameworkClasses::Form() {
    static const TClassInfo& info =
        TClassBuilder<TForm>("TForm", &WinControl())
            .Integer("Width", &TForm::Width, &TForm::SetWidth)
            .NotStored()
            .Integer("Height", &TForm::Height, &TForm::SetHeight)
            .NotStored()
            .Default("Visible", false)
            .Enumeration(
                "BorderStyle", &TForm::BorderStyle, &TForm::SetBorderStyle,
                {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"},
                bsSizeable)
            .String("Caption", &TForm::Caption, &TForm::SetCaption)
            .Integer("ClientHeight", &TForm::ClientHeight, &TForm::SetClientHeight)
            .Integer("ClientWidth", &TForm::ClientWidth, &TForm::SetClientWidth)
            .Color("Color", &TForm::Color, &TForm::SetColor, clBtnFace)
            .Enumeration("FormStyle", &TForm::FormStyle, &TForm::SetFormStyle,
                         {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"}, fsNormal)
            .Enumeration("Position", &TForm::Position, &TForm::SetPosition,
                         {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
                          "poScreenCenter", "poDesktopCenter", "poMainFormCenter",
                          "poOwnerFormCenter"},
                         poDesigned)
            .Enumeration("WindowState", &TForm::WindowState, &TForm::SetWindowState,
                         {"wsNormal", "wsMinimized", "wsMaximized"}, wsNormal)
            .Event("OnActivate", &TForm::OnActivate)
            .Event("OnClose", &TForm::OnClose)
            .Event("OnCreate", &TForm::OnCreate)
            .Event("OnDeactivate", &TForm::OnDeactivate)
            .Event("OnHide", &TForm::OnHide)
            .Event("OnShow", &TForm::OnShow)
            .Build();
    return info;
}

const TClassInfo& TFrameworkClasses::Timer() {
    static const TClassInfo& info =
        TClassBuilder<TTimer>("TTimer", &Component())
            .Boolean("Enabled", &TTimer::Enabled, &TTimer::SetEnabled, true)
            .Integer("Interval", &TTimer::Interval, &TTimer::SetInterval, 1000)
            .Event("OnTimer", &TTimer::OnTimer)
            .Build();
    return info;
}

const TClassInfo& TFrameworkClasses::Font() {
    static const TClassInfo& info =
        TClassBuilder<TFont>("TFont", nullptr)
            .Color("Color", &TFont::Color, &TFont::SetColor, std::nullopt)
            .Integer("Height", &TFont::Height, &TFont::SetHeight)
            .String("Name", &TFont::Name, &TFont::SetName)
            .Set("Style", &TFont::Style, &TFont::SetStyle,
                 {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}, std::nullopt)
            .Build();
    return info;
}

const TClassInfo& TFrameworkClasses::Bitmap() {
    static const TClassInfo& info =
        TClassBuilder<TBitmap>("TBitmap", nullptr)
            .Defined(
                "Data", [](const TBitmap& b) { return !b.Empty(); },
                [](const TBitmap& b) { return TLayoutValue::OfBytes(b.SaveToPngBytes()); },
                [](TBitmap& b, const TLayoutValue& v) { b.LoadFromBytes(v.AsBytes()); })
            .Build();
    return info;
}
