#include "widgets/display/iSevenSegmentCharacter.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <span>

#include "gui/streaming/ClassBuilder.h"
#include "widgets/core/Numeric.h"
#include "widgets/display/DisplaySize.h"

namespace {

constexpr int SegmentCount = 7;
constexpr int UnlitDivisor = 3;

// Lit segments of the digits and hexadecimal letters, indexed by code.
constexpr std::array<std::uint8_t, 16> DigitSegments = {63,  6,   91,  79,  102, 109, 125, 7,
                                                        127, 103, 119, 124, 57,  94,  121, 113};
// What each code reads back as, indexed by code.
constexpr std::string_view CodeCharacters = "0123456789abcdef.:+- _<>;,";

// The measures of one cell; every shape is computed from them relative to the cell's origin.
struct TCell {
    int W;
    int H;
    int M;
    int S;
    int Z;
    bool ShowOff;
    int T() const { return 2 * Z; }
    int MiddleRow() const { return (H - 1) / 2; }
    int MiddleColumn() const { return W / 2; }
    // A fraction of the cell's width or height, rounded as a whole.
    int X(double tenths) const { return Round(tenths * W / 10); }
    int Y(double eighteenths) const { return Round(eighteenths * H / 18); }
};

// A polygon of up to six points.
struct TShape {
    std::array<TPoint, 6> Points;
    std::size_t Count;
};

TShape Quad(TPoint a, TPoint b, TPoint c, TPoint d) {
    return {{a, b, c, d}, 4};
}

// Each outer edge lies on the margin and each inner edge is shortened by the stroke at both
// ends, so that neighbours meet in mitred corners with the separation between them.
TShape SegmentShape(const TCell& c, int segment) {
    const int M = c.M, S = c.S, T = c.T(), Z = c.Z, h = c.MiddleRow();
    const int right = c.W - 1 - c.M;
    const int bottom = c.H - 1 - c.M;
    switch (segment) {
    case 0:
        return Quad({M + S, M}, {right - S, M}, {right - S - T, M + T}, {M + S + T, M + T});
    case 1:
        return Quad({right, M + S}, {right, h - S}, {right - T, h - S - T}, {right - T, M + S + T});
    case 2:
        return Quad({right, h + S}, {right, bottom - S}, {right - T, bottom - S - T},
                    {right - T, h + S + T});
    case 3:
        return Quad({M + S, bottom}, {right - S, bottom}, {right - S - T, bottom - T},
                    {M + S + T, bottom - T});
    case 4:
        return Quad({M, h + S}, {M, bottom - S}, {M + T, bottom - S - T}, {M + T, h + S + T});
    case 5:
        return Quad({M, M + S}, {M, h - S}, {M + T, h - S - T}, {M + T, M + S + T});
    default:
        return {{TPoint{M + S, h}, TPoint{M + S + Z, h - Z}, TPoint{right - S - Z, h - Z},
                 TPoint{right - S, h}, TPoint{right - S - Z, h + Z}, TPoint{M + S + Z, h + Z}},
                6};
    }
}

TShape Dot(const TCell& c) {
    const int w = c.MiddleColumn(), Z = c.Z;
    return Quad({w - Z, c.H - c.T()}, {w + Z, c.H - c.T()}, {w + Z, c.H}, {w - Z, c.H});
}

TShape DotBetween(const TCell& c, int top, int bottom) {
    const int w = c.MiddleColumn(), Z = c.Z;
    return Quad({w - Z, c.Y(top)}, {w + Z, c.Y(top)}, {w + Z, c.Y(bottom)}, {w - Z, c.Y(bottom)});
}

TShape UpperDot(const TCell& c) {
    return DotBetween(c, 5, 7);
}

TShape LowerDot(const TCell& c) {
    return DotBetween(c, 11, 13);
}

TShape Tail(const TCell& c) {
    const int w = c.MiddleColumn(), Z = c.Z;
    return Quad({w, c.Y(13)}, {w + Z, c.Y(13)}, {w + Z, c.Y(16)}, {w, c.Y(16)});
}

TShape HorizontalBar(const TCell& c, double row) {
    const int top = Round(row * c.H / 18 - c.Z / 2.0);
    const int bottom = Round(row * c.H / 18 + c.Z / 2.0);
    return Quad({c.X(2.5), top}, {c.X(7.5), top}, {c.X(7.5), bottom}, {c.X(2.5), bottom});
}

TShape PlusVerticalBar(const TCell& c) {
    const int left = Round(c.W / 2.0 - c.Z / 2.0);
    const int right = Round(c.W / 2.0 + c.Z / 2.0);
    return Quad({left, c.Y(2)}, {right, c.Y(2)}, {right, c.Y(7)}, {left, c.Y(7)});
}

TShape CentreLine(const TCell& c) {
    const int z = c.Z / 2, h = c.MiddleRow();
    const int right = c.W - 1 - c.M;
    return Quad({c.M, h - z}, {right, h - z}, {right, h + z}, {c.M, h + z});
}

// The apex moves away from the base row by the half width, but never past the margin.
TShape Triangle(const TCell& c, bool up) {
    const int r = (c.W - 1 - 2 * c.M) / 2;
    const int x = (c.W - 1) / 2;
    const int b = c.H / 2;
    int apex = 0;
    if (up)
        apex = b - r > c.M ? b - r : c.M;
    else
        apex = b + r < c.H - 1 - c.M ? b + r : c.H - 1 - c.M;
    return {{TPoint{x + r, b}, TPoint{x - r, b}, TPoint{x, apex}}, 3};
}

void FillShape(TCanvas& canvas, TPoint origin, const TShape& shape, TColor color) {
    std::array<TPoint, 6> points;
    for (std::size_t i = 0; i < shape.Count; ++i)
        points[i] = {shape.Points[i].X + origin.X, shape.Points[i].Y + origin.Y};
    canvas.Pen().SetColor(color);
    canvas.Brush().SetColor(color);
    canvas.Polygon(std::span(points.data(), shape.Count));
}

void FillShapes(TCanvas& canvas, TPoint origin, std::initializer_list<TShape> shapes,
                TColor color) {
    for (const TShape& shape : shapes)
        FillShape(canvas, origin, shape, color);
}

// The plus sits in the upper half of the cell and the minus in the lower, so that a sign cell
// can show both, one of them lit.
void DrawPlus(TCanvas& canvas, TPoint origin, const TCell& cell, TColor color) {
    FillShapes(canvas, origin, {HorizontalBar(cell, 4.5), PlusVerticalBar(cell)}, color);
}

void DrawMinus(TCanvas& canvas, TPoint origin, const TCell& cell, TColor color) {
    FillShape(canvas, origin, HorizontalBar(cell, 13.5), color);
}

void DrawSegments(TCanvas& canvas, TPoint origin, const TCell& cell, std::uint8_t lit,
                  TSegmentColors colors) {
    for (int segment = 0; segment < SegmentCount; ++segment) {
        const bool on = (lit >> segment) & 1;
        if (on || cell.ShowOff)
            FillShape(canvas, origin, SegmentShape(cell, segment), on ? colors.Lit : colors.Unlit);
    }
}

bool IsNarrow(TSevenSegmentCharacter code) {
    return code == sscPeriod || code == sscColon || code == sscSemiColon || code == sscComma;
}

} // namespace

TiSevenSegmentCharacter::TiSevenSegmentCharacter(TComponent* owner) : TiCustomComponent(owner) {
    SetBackGroundColor(clBlack);
    ApplyAutoSize();
}

const TClassInfo& TiSevenSegmentCharacter::StaticClassInfo() {
    using C = TiSevenSegmentCharacter;
    static const TClassInfo& info =
        TClassBuilder<C>("TiSevenSegmentCharacter", &TiCustomComponent::StaticClassInfo())
            .Enumeration("Value", &C::Value, &C::SetValue,
                         {"ssc0",     "ssc1",      "ssc2",       "ssc3",         "ssc4",
                          "ssc5",     "ssc6",      "ssc7",       "ssc8",         "ssc9",
                          "sscA",     "sscB",      "sscC",       "sscD",         "sscE",
                          "sscF",     "sscPeriod", "sscColon",   "sscPlus",      "sscMinus",
                          "sscBlank", "sscLine",   "sscUpArrow", "sscDownArrow", "sscSemiColon",
                          "sscComma"},
                         std::nullopt)
            .String("Character", &C::CharacterText, &C::SetCharacterText)
            .Boolean("AutoSize", &C::AutoSize, &C::SetAutoSize, true)
            .Color("SegmentColor", &C::SegmentColor, &C::SetSegmentColor, clLime)
            .Color("SegmentOffColor", &C::SegmentOffColor, &C::SetSegmentOffColor, clGreen)
            .Boolean("AutoSegmentOffColor", &C::AutoSegmentOffColor, &C::SetAutoSegmentOffColor,
                     true)
            .Boolean("ShowOffSegments", &C::ShowOffSegments, &C::SetShowOffSegments, true)
            .Boolean("PowerOff", &C::PowerOff, &C::SetPowerOff, false)
            .Integer("SegmentSize", &C::SegmentSize, &C::SetSegmentSize, 1)
            .Integer("SegmentSeperation", &C::SegmentSeperation, &C::SetSegmentSeperation, 1)
            .Integer("SegmentMargin", &C::SegmentMargin, &C::SetSegmentMargin, 2)
            .Boolean("UseSegmentBits", &C::UseSegmentBits, &C::SetUseSegmentBits, false)
            .Boolean("SegCOn", &C::SegCOn, &C::SetSegCOn, false)
            .Boolean("SegDOn", &C::SegDOn, &C::SetSegDOn, false)
            .Boolean("SegGOn", &C::SegGOn, &C::SetSegGOn, false)
            .Boolean("SegAOn", &C::SegAOn, &C::SetSegAOn, false)
            .Boolean("SegFOn", &C::SegFOn, &C::SetSegFOn, false)
            .Boolean("SegBOn", &C::SegBOn, &C::SetSegBOn, false)
            .Boolean("SegEOn", &C::SegEOn, &C::SetSegEOn, false)
            .Integer("SegmentBits", &C::SegmentBits, &C::SetSegmentBits, 0)
            .Color("BackGroundColor", &TiComponent::BackGroundColor,
                   &TiComponent::SetBackGroundColor, clBlack)
            .Boolean("Transparent", &TiVCLComponent::Transparent, &TiVCLComponent::SetTransparent,
                     false)
            .Build();
    return info;
}

TSevenSegmentCharacter TiSevenSegmentCharacter::CodeOfCharacter(char character) {
    if (character >= 'A' && character <= 'F')
        character = static_cast<char>(character - 'A' + 'a');
    const std::size_t code = CodeCharacters.find(character);
    if (code == std::string_view::npos || character == '\0')
        return sscBlank;
    return static_cast<TSevenSegmentCharacter>(code);
}

char TiSevenSegmentCharacter::CharacterOfCode(TSevenSegmentCharacter code) {
    return code < CodeCharacters.size() ? CodeCharacters[code] : ' ';
}

// A code outside the table (a number in a layout, say) is taken as a blank rather than read
// past the end of the table.
void TiSevenSegmentCharacter::SetValue(TSevenSegmentCharacter value) {
    if (value > sscComma)
        value = sscBlank;
    if (value == m_value)
        return;
    bool allow = true;
    if (OnBeforeChange)
        OnBeforeChange(this, "Value", allow);
    if (!allow)
        return;
    m_value = value;
    InvalidateChange();
    ApplyAutoSize();
    if (OnAfterChange)
        OnAfterChange(this, "Value");
}

void TiSevenSegmentCharacter::SetCharacterText(const std::string& value) {
    SetCharacter(value.empty() ? '\0' : value.front());
}

void TiSevenSegmentCharacter::SetAutoSize(bool value) {
    if (value == m_autoSize)
        return;
    m_autoSize = value;
    ApplyAutoSize();
    InvalidateChange();
}

void TiSevenSegmentCharacter::SetSegmentColor(TColor value) {
    SetColorProperty(value, m_segmentColor, ckInvalidate);
}

void TiSevenSegmentCharacter::SetSegmentOffColor(TColor value) {
    SetColorProperty(value, m_segmentOffColor, ckInvalidate);
}

void TiSevenSegmentCharacter::SetAutoSegmentOffColor(bool value) {
    SetBooleanProperty(value, m_autoSegmentOffColor, ckInvalidate);
}

void TiSevenSegmentCharacter::SetShowOffSegments(bool value) {
    SetBooleanProperty(value, m_showOffSegments, ckInvalidate);
}

void TiSevenSegmentCharacter::SetPowerOff(bool value) {
    SetBooleanProperty(value, m_powerOff, ckInvalidate);
}

void TiSevenSegmentCharacter::SetSegmentSize(int value) {
    value = std::clamp(value, 1, MaxDisplayMeasure);
    if (value == m_segmentSize)
        return;
    m_segmentSize = value;
    ApplyAutoSize();
    InvalidateChange();
}

void TiSevenSegmentCharacter::SetSegmentSeperation(int value) {
    SetIntegerProperty(std::clamp(value, 0, MaxDisplayMeasure), m_segmentSeperation, ckInvalidate);
}

void TiSevenSegmentCharacter::SetSegmentMargin(int value) {
    value = std::clamp(value, 0, MaxDisplayMeasure);
    if (value == m_segmentMargin)
        return;
    m_segmentMargin = value;
    ApplyAutoSize();
    InvalidateChange();
}

void TiSevenSegmentCharacter::SetUseSegmentBits(bool value) {
    SetBooleanProperty(value, m_useSegmentBits, ckInvalidate);
}

void TiSevenSegmentCharacter::SetSegmentFlag(bool value, bool& field) {
    SetBooleanProperty(value, field, ckInvalidate);
}

void TiSevenSegmentCharacter::SetSegAOn(bool value) {
    SetSegmentFlag(value, m_segAOn);
}

void TiSevenSegmentCharacter::SetSegBOn(bool value) {
    SetSegmentFlag(value, m_segBOn);
}

void TiSevenSegmentCharacter::SetSegCOn(bool value) {
    SetSegmentFlag(value, m_segCOn);
}

void TiSevenSegmentCharacter::SetSegDOn(bool value) {
    SetSegmentFlag(value, m_segDOn);
}

void TiSevenSegmentCharacter::SetSegEOn(bool value) {
    SetSegmentFlag(value, m_segEOn);
}

void TiSevenSegmentCharacter::SetSegFOn(bool value) {
    SetSegmentFlag(value, m_segFOn);
}

void TiSevenSegmentCharacter::SetSegGOn(bool value) {
    SetSegmentFlag(value, m_segGOn);
}

std::uint8_t TiSevenSegmentCharacter::SegmentBits() const {
    return FreeSegmentSet();
}

void TiSevenSegmentCharacter::SetSegmentBits(std::uint8_t value) {
    bool* const flags[SegmentCount] = {&m_segAOn, &m_segBOn, &m_segCOn, &m_segDOn,
                                       &m_segEOn, &m_segFOn, &m_segGOn};
    for (int segment = 0; segment < SegmentCount; ++segment)
        *flags[segment] = (value >> segment) & 1;
    InvalidateChange();
}

std::uint8_t TiSevenSegmentCharacter::FreeSegmentSet() const {
    const bool flags[SegmentCount] = {m_segAOn, m_segBOn, m_segCOn, m_segDOn,
                                      m_segEOn, m_segFOn, m_segGOn};
    std::uint8_t set = 0;
    for (int segment = 0; segment < SegmentCount; ++segment)
        set |= static_cast<std::uint8_t>(flags[segment] << segment);
    return set;
}

int TiSevenSegmentCharacter::GetCharacterWidth() const {
    return 2 * m_segmentMargin + (IsNarrow(m_value) ? 2 : 10) * m_segmentSize;
}

int TiSevenSegmentCharacter::GetCharacterHeight() const {
    return 2 * m_segmentMargin + 18 * m_segmentSize;
}

void TiSevenSegmentCharacter::ApplyAutoSize() {
    if (!m_autoSize || IsLoading())
        return;
    const TSize size = FittedSize(GetCharacterWidth() + 1LL, GetCharacterHeight() + 1LL);
    SetHeight(size.cy);
    SetWidth(size.cx);
}

// The canvas is always true-colour, so the palette-relative form of the segment colours has
// nothing to select: the plain red, green and blue values are drawn. A system colour is dimmed
// as its three low bytes stand, not as the colour it names.
TSegmentColors TiSevenSegmentCharacter::SegmentColors() const {
    const TColor unlit =
        m_autoSegmentOffColor ? DimColor(m_segmentColor, UnlitDivisor) : m_segmentOffColor;
    return {m_powerOff ? unlit : m_segmentColor, unlit};
}

void TiSevenSegmentCharacter::DrawCharacter(TCanvas& canvas, TPoint origin,
                                            TSevenSegmentCharacter code, int cellHeight,
                                            int cellWidth) const {
    const TSegmentColors colors = SegmentColors();
    const TCell cell{cellWidth,           cellHeight,    m_segmentMargin,
                     m_segmentSeperation, m_segmentSize, m_showOffSegments};
    if (m_useSegmentBits)
        return DrawSegments(canvas, origin, cell, FreeSegmentSet(), colors);
    // Separators and arrows stand alone: no segment is drawn behind them, lit or unlit.
    switch (code) {
    case sscPeriod:
        return FillShapes(canvas, origin, {Dot(cell)}, colors.Lit);
    case sscColon:
        return FillShapes(canvas, origin, {UpperDot(cell), LowerDot(cell)}, colors.Lit);
    case sscSemiColon:
        return FillShapes(canvas, origin, {UpperDot(cell), LowerDot(cell), Tail(cell)}, colors.Lit);
    case sscComma:
        return FillShapes(canvas, origin, {LowerDot(cell), Tail(cell)}, colors.Lit);
    case sscLine:
        return FillShapes(canvas, origin, {CentreLine(cell)}, colors.Lit);
    case sscUpArrow:
    case sscDownArrow:
        return FillShapes(canvas, origin, {Triangle(cell, code == sscUpArrow)}, colors.Lit);
    case sscPlus:
        DrawPlus(canvas, origin, cell, colors.Lit);
        if (m_showOffSegments)
            DrawMinus(canvas, origin, cell, colors.Unlit);
        return;
    case sscMinus:
        DrawMinus(canvas, origin, cell, colors.Lit);
        if (m_showOffSegments)
            DrawPlus(canvas, origin, cell, colors.Unlit);
        return;
    default:
        return DrawSegments(canvas, origin, cell,
                            code < DigitSegments.size() ? DigitSegments[code] : 0, colors);
    }
}

void TiSevenSegmentCharacter::DrawWidget(TCanvas& canvas) {
    // Background, then the character filling the whole client area.
    DrawBackground(canvas, BackGroundColor());
    DrawCharacter(canvas, {0, 0}, m_value, Height(), Width());
}
