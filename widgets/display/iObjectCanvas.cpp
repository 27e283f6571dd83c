#include "widgets/display/iObjectCanvas.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "gui/graphics/Exception.h"
#include "gui/graphics/ImageGrid.h"
#include "gui/streaming/ClassBuilder.h"
#include "gui/streaming/FrameworkClasses.h"
#include "widgets/display/ImageListProperty.h"

namespace {

// Pixels further than this from the centre are far outside any widget. Shapes are held within
// it, and lines are cut at it, so that drawing never walks or allocates without bound.
constexpr double ReachLimit = 1 << 16;

// Adds a half and cuts toward zero: R(2.5) = 3, R(-2.3) = -1, R(-2.7) = -2.
int RoundHalfUp(double value) {
    if (!(value > -ReachLimit))
        return -static_cast<int>(ReachLimit);
    return static_cast<int>(std::trunc(std::min(value, ReachLimit) + 0.5));
}

// Cuts the segment a-b to the square of the reach limit; false when no part of it is inside.
bool CutToReach(TRealPoint& a, TRealPoint& b) {
    double enter = 0;
    double leave = 1;
    const double dx = b.X - a.X;
    const double dy = b.Y - a.Y;
    // Each edge of the square: p is the motion toward the outside, q the room left inside.
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.X + ReachLimit, ReachLimit - a.X, a.Y + ReachLimit, ReachLimit - a.Y};
    for (int i = 0; i < 4; ++i) {
        if (!std::isfinite(q[i]) || !std::isfinite(p[i]))
            return false;
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (enter > leave)
        return false;
    b = {a.X + leave * dx, a.Y + leave * dy};
    a = {a.X + enter * dx, a.Y + enter * dy};
    return true;
}

// A list has room for four pictures from the start: a side is cut to the largest that leaves
// that room beside the other side.
int FittingSide(int side, int other) {
    const long long room = TBitmap::MaxPixels / (TImageGrid::PicturesPerRow *
                                                 static_cast<long long>(std::max(other, 1)));
    return static_cast<int>(
        std::clamp<long long>(side, 0, std::min<long long>(TBitmap::MaxSide, room)));
}

// Blanks and control characters alone make no label.
bool HasVisibleText(const std::string& text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) > ' '; });
}

} // namespace

TiObjectCanvas::TiObjectCanvas(TComponent* owner) : TiCustomComponent(owner) {
    SetBounds(0, 0, 200, 200);
    SetBackGroundColor(clBlack);
    SetBorderStyle(ibsLowered);
    CreateBackGroundPicture();
    m_imageList.OnChange = [this](TObject*) { InvalidateChange(); };
}

const TClassInfo& TiObjectCanvas::StaticClassInfo() {
    using C = TiObjectCanvas;
    static const TClassInfo& info =
        TClassBuilder<C>("TiObjectCanvas", &TiCustomComponent::StaticClassInfo())
            .Double("OriginX", &C::OriginX, &C::SetOriginX)
            .Double("OriginY", &C::OriginY, &C::SetOriginY)
            .Double("DisplayRangeX", &C::DisplayRangeX, &C::SetDisplayRangeX)
            .Double("DisplayRangeY", &C::DisplayRangeY, &C::SetDisplayRangeY)
            .Color("DefaultBrushColor", &C::DefaultBrushColor, &C::SetDefaultBrushColor, clBlack)
            .Enumeration("DefaultBrushStyle", &C::DefaultBrushStyle, &C::SetDefaultBrushStyle,
                         {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
                          "bsBDiagonal", "bsCross", "bsDiagCross"},
                         bsSolid)
            .Color("DefaultPenColor", &C::DefaultPenColor, &C::SetDefaultPenColor, clWhite)
            .Enumeration("DefaultPenStyle", &C::DefaultPenStyle, &C::SetDefaultPenStyle,
                         {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear",
                          "psInsideFrame"},
                         psSolid)
            .Integer("DefaultPenWidth", &C::DefaultPenWidth, &C::SetDefaultPenWidth, 1)
            .String("DefaultFontName", &C::DefaultFontName, &C::SetDefaultFontName)
            .Integer("DefaultFontSize", &C::DefaultFontSize, &C::SetDefaultFontSize, 8)
            .Color("DefaultFontColor", &C::DefaultFontColor, &C::SetDefaultFontColor, clWhite)
            .Boolean("DefaultFontBold", &C::DefaultFontBold, &C::SetDefaultFontBold, false)
            .Boolean("DefaultFontItalic", &C::DefaultFontItalic, &C::SetDefaultFontItalic, false)
            .Boolean("DefaultFontUnderLine", &C::DefaultFontUnderLine, &C::SetDefaultFontUnderLine,
                     false)
            .Boolean("DefaultFontStrikeOut", &C::DefaultFontStrikeOut, &C::SetDefaultFontStrikeOut,
                     false)
            .Integer("ImageListWidth", &C::ImageListWidth, &C::SetImageListWidth, 24)
            .Integer("ImageListHeight", &C::ImageListHeight, &C::SetImageListHeight, 24)
            .Color("BackGroundColor", &TiComponent::BackGroundColor,
                   &TiComponent::SetBackGroundColor, clBlack)
            .Object("BackGroundPicture", &TiComponent::BackGroundPicture,
                    TFrameworkClasses::Bitmap())
            .Enumeration("BorderStyle", &TiComponent::BorderStyle, &TiComponent::SetBorderStyle,
                         {"ibsNone", "ibsRaised", "ibsLowered"}, ibsLowered)
            .Boolean("Transparent", &TiVCLComponent::Transparent, &TiVCLComponent::SetTransparent,
                     false)
            .Event("OnMouseDownDisplay", &C::OnMouseDownDisplay)
            .Event("OnMouseUpDisplay", &C::OnMouseUpDisplay)
            .Event("OnMouseMoveDisplay", &C::OnMouseMoveDisplay)
            .Event("OnClickObject", &C::OnClickObject)
            .Defined(
                "ImageList", [](const C& c) { return c.m_imageList.Count() > 0; },
                [](const C& c) { return WriteImageListProperty(c.m_imageList); },
                [](C& c, const TLayoutValue& v) { ReadImageListProperty(c.m_imageList, v); })
            .Method("AddLine", &C::AddLine)
            .Method("AddText", &C::AddText)
            .Method("AddEllipse", &C::AddEllipse)
            .Method("AddRectangle", &C::AddRectangle)
            .Method("AddPicture", &C::AddPicture)
            .Method("Clear", &C::Clear)
            .Build();
    return info;
}

void TiObjectCanvas::SetOriginX(double value) {
    SetDoubleProperty(value, m_originX, ckInvalidate);
}

void TiObjectCanvas::SetOriginY(double value) {
    SetDoubleProperty(value, m_originY, ckInvalidate);
}

void TiObjectCanvas::SetDisplayRangeX(double value) {
    SetDoubleProperty(value, m_displayRangeX, ckInvalidate);
}

void TiObjectCanvas::SetDisplayRangeY(double value) {
    SetDoubleProperty(value, m_displayRangeY, ckInvalidate);
}

void TiObjectCanvas::SetImageListWidth(int value) {
    m_imageList.SetSize(FittingSide(value, m_imageList.Height()), m_imageList.Height());
}

void TiObjectCanvas::SetImageListHeight(int value) {
    m_imageList.SetSize(m_imageList.Width(), FittingSide(value, m_imageList.Width()));
}

int TiObjectCanvas::AddLine(double x1, double y1, double x2, double y2) {
    auto object = std::make_unique<TiDrawObject>(idokLine);
    object->X = x1;
    object->Y = y1;
    object->X2 = x2;
    object->Y2 = y2;
    return AddObject(std::move(object));
}

int TiObjectCanvas::AddText(const std::string& text, double x, double y) {
    auto object = std::make_unique<TiDrawObject>(idokText);
    object->Text = text;
    object->X = x;
    object->Y = y;
    return AddObject(std::move(object));
}

int TiObjectCanvas::AddEllipse(double x, double y, double width, double height) {
    auto object = std::make_unique<TiDrawObject>(idokEllipse);
    object->X = x;
    object->Y = y;
    object->X2 = width;
    object->Y2 = height;
    return AddObject(std::move(object));
}

int TiObjectCanvas::AddRectangle(double x, double y, double width, double height) {
    auto object = std::make_unique<TiDrawObject>(idokRectangle);
    object->X = x;
    object->Y = y;
    object->X2 = width;
    object->Y2 = height;
    return AddObject(std::move(object));
}

int TiObjectCanvas::AddPicture(double x, double y, int pictureIndex) {
    auto object = std::make_unique<TiDrawObject>(idokPicture);
    object->X = x;
    object->Y = y;
    object->PictureIndex = pictureIndex;
    return AddObject(std::move(object));
}

int TiObjectCanvas::AddObject(std::unique_ptr<TiDrawObject> object) {
    ApplyDefaults(*object);
    const int number = m_nextNumber++;
    m_objects.emplace_back(number, std::move(object));
    InvalidateChange();
    return number;
}

void TiObjectCanvas::ApplyDefaults(TiDrawObject& object) const {
    object.Visible = true;
    object.PenColor = m_defaultPenColor;
    object.PenStyle = m_defaultPenStyle;
    object.PenWidth = m_defaultPenWidth;
    object.BrushColor = m_defaultBrushColor;
    object.BrushStyle = m_defaultBrushStyle;
    object.FontName = m_defaultFontName;
    object.FontSize = m_defaultFontSize;
    object.FontColor = m_defaultFontColor;
    object.FontBold = m_defaultFontBold;
    object.FontItalic = m_defaultFontItalic;
    object.FontUnderline = m_defaultFontUnderLine;
    object.FontStrikeOut = m_defaultFontStrikeOut;
}

void TiObjectCanvas::Clear() {
    m_objects.clear();
    m_nextNumber = 0;
    InvalidateChange();
}

TiDrawObject& TiObjectCanvas::GetObject(int number) const {
    const auto entry = std::find_if(m_objects.begin(), m_objects.end(),
                                    [number](const auto& e) { return e.first == number; });
    if (entry == m_objects.end())
        throw Exception("Object not Found");
    return *entry->second;
}

TRealPoint TiObjectCanvas::PixelToUser(int x, int y) const {
    const double width = Width();
    const double height = Height();
    return {x / width * m_displayRangeX + m_originX - m_displayRangeX / 2,
            (1 - y / height) * m_displayRangeY + m_originY - m_displayRangeY / 2};
}

TPoint TiObjectCanvas::TMapping::Map(double x, double y) const {
    return {Center.X + RoundHalfUp(OffsetX(x)), Center.Y + RoundHalfUp(OffsetY(y))};
}

TiObjectCanvas::TMapping TiObjectCanvas::Mapping(TPoint center) const {
    return {center, m_originX, m_originY, Width() / m_displayRangeX, Height() / m_displayRangeY};
}

void TiObjectCanvas::DrawWidget(TCanvas& canvas) {
    const TMapping map = Mapping(GetCenterPoint(canvas));
    // Colour, picture or what lies beneath.
    DrawBackground(canvas, BackGroundColor());
    // The objects in the order they were added; a zero range has no room for any of them.
    const bool drawable = std::isfinite(map.ScaleX) && std::isfinite(map.ScaleY);
    for (auto& [number, object] : m_objects) {
        if (!drawable) {
            object->Bounds = {};
            continue;
        }
        if (!object->Visible)
            continue;
        switch (object->Kind) {
        case idokEllipse:
        case idokRectangle:
            DrawShape(canvas, map, *object);
            break;
        case idokLine:
            DrawLine(canvas, map, *object);
            break;
        case idokText:
            object->Bounds = DrawTextObject(canvas, map, *object);
            break;
        case idokPicture:
            DrawPicture(canvas, map, *object);
            break;
        }
    }
    // The frame over everything, unless the canvas shows what lies beneath.
    if (!Transparent())
        DrawBorder(canvas);
}

// The label at the centre leaves the shape's own bounds, so a click anywhere on the shape
// counts.
void TiObjectCanvas::DrawShape(TCanvas& canvas, const TMapping& map, TiDrawObject& object) const {
    canvas.Brush().SetColor(object.BrushColor);
    canvas.Brush().SetStyle(object.BrushStyle);
    canvas.Pen().SetColor(object.PenColor);
    canvas.Pen().SetStyle(object.PenStyle);
    canvas.Pen().SetWidth(object.PenWidth);
    TRect& box = object.Bounds;
    box.Left = map.Center.X + RoundHalfUp(map.OffsetX(object.X - object.X2 / 2));
    box.Right = map.Center.X + RoundHalfUp(map.OffsetX(object.X + object.X2 / 2));
    box.Top = map.Center.Y + RoundHalfUp(map.OffsetY(object.Y + object.Y2 / 2));
    box.Bottom = map.Center.Y + RoundHalfUp(map.OffsetY(object.Y - object.Y2 / 2));
    if (std::abs(box.Right - box.Left) < 2)
        box.Right = box.Left + 2;
    if (std::abs(box.Bottom - box.Top) < 2)
        box.Bottom = box.Top + 2;
    if (object.Kind == idokEllipse)
        canvas.Ellipse(box);
    else
        canvas.Rectangle(box);
    if (HasVisibleText(object.Text))
        DrawTextObject(canvas, map, object);
}

void TiObjectCanvas::DrawLine(TCanvas& canvas, const TMapping& map, TiDrawObject& object) const {
    canvas.Pen().SetColor(object.PenColor);
    canvas.Pen().SetStyle(object.PenStyle);
    canvas.Pen().SetWidth(object.PenWidth);
    TRealPoint from{map.OffsetX(object.X), map.OffsetY(object.Y)};
    TRealPoint to{map.OffsetX(object.X2), map.OffsetY(object.Y2)};
    if (!CutToReach(from, to)) {
        object.Bounds = {};
        return;
    }
    const TPoint ends[] = {
        {map.Center.X + RoundHalfUp(from.X), map.Center.Y + RoundHalfUp(from.Y)},
        {map.Center.X + RoundHalfUp(to.X), map.Center.Y + RoundHalfUp(to.Y)},
    };
    object.Bounds = {ends[0].X, ends[0].Y, ends[1].X, ends[1].Y};
    canvas.Polyline(ends);
}

TRect TiObjectCanvas::DrawTextObject(TCanvas& canvas, const TMapping& map,
                                     const TiDrawObject& object) const {
    canvas.Brush().SetColor(object.BrushColor);
    canvas.Brush().SetStyle(object.BrushStyle);
    TFont& font = canvas.Font();
    font.SetName(object.FontName);
    font.SetColor(object.FontColor);
    font.SetSize(object.FontSize);
    font.SetStyle(object.FontStyle());
    const TPoint at = map.Map(object.X, object.Y);
    const TSize extent = canvas.TextExtent(object.Text);
    const TRect cell = Bounds(at.X - extent.cx / 2, at.Y - extent.cy / 2, extent.cx, extent.cy);
    // A hatched brush fills the cell with its hatch; the canvas itself fills only solid cells.
    if (object.BrushStyle != bsClear)
        canvas.FillRect(cell);
    canvas.TextOut(cell.Left, cell.Top, object.Text);
    return {cell.Left, cell.Top, at.X + extent.cx / 2, at.Y + extent.cy / 2};
}

void TiObjectCanvas::DrawPicture(TCanvas& canvas, const TMapping& map, TiDrawObject& object) const {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(BackGroundColor());
    const TPoint at = map.Map(object.X, object.Y);
    const int halfWidth = m_imageList.Width() / 2;
    const int halfHeight = m_imageList.Height() / 2;
    object.Bounds = {at.X - halfWidth, at.Y - halfHeight, at.X + halfWidth, at.Y + halfHeight};
    m_imageList.Draw(canvas, object.Bounds.Left, object.Bounds.Top, object.PictureIndex);
}

void TiObjectCanvas::MouseDownHook(TMouseButton button, TShiftState shift, int x, int y) {
    m_mouseIsDown = true;
    m_pressedObject = -1;
    const auto hit = std::find_if(m_objects.begin(), m_objects.end(), [x, y](const auto& e) {
        return e.second->Contains({x, y});
    });
    if (hit != m_objects.end())
        m_pressedObject = hit->first;
    if (OnMouseDownDisplay) {
        const TRealPoint user = PixelToUser(x, y);
        OnMouseDownDisplay(this, button, shift, user.X, user.Y);
    }
}

// Losing the focus also ends a press through here; without one there is nothing to report.
void TiObjectCanvas::MouseUpHook(TMouseButton button, TShiftState shift, int x, int y) {
    if (!m_mouseIsDown)
        return;
    m_mouseIsDown = false;
    const int pressed = std::exchange(m_pressedObject, -1);
    if (OnMouseUpDisplay) {
        const TRealPoint user = PixelToUser(x, y);
        OnMouseUpDisplay(this, button, shift, user.X, user.Y);
    }
    if (pressed == -1)
        return;
    if (GetObject(pressed).Contains({x, y}) && OnClickObject)
        OnClickObject(this, pressed);
}

void TiObjectCanvas::MouseMoveHook(TShiftState shift, int x, int y) {
    if (OnMouseMoveDisplay) {
        const TRealPoint user = PixelToUser(x, y);
        OnMouseMoveDisplay(this, shift, user.X, user.Y);
    }
}

// The release that losing the focus reports ends the press but is never a click.
void TiObjectCanvas::KillFocusHook() {
    m_pressedObject = -1;
    TiCustomComponent::KillFocusHook();
    m_mouseIsDown = false;
}
