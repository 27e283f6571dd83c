#include "widgets/display/iSevenSegmentInteger.h"

#include <cstdint>
#include <cstdlib>
#include <string>

#include "gui/streaming/ClassBuilder.h"

TiSevenSegmentInteger::TiSevenSegmentInteger(TComponent* owner) : TiSevenSegmentDisplay(owner) {
    ApplyAutoSize();
}

const TClassInfo& TiSevenSegmentInteger::StaticClassInfo() {
    using C = TiSevenSegmentInteger;
    static const TClassInfo& info =
        TClassBuilder<C>("TiSevenSegmentInteger", &TiSevenSegmentDisplay::StaticClassInfo())
            .Integer("Value", &C::Value, &C::SetValue)
            .Boolean("ShowSign", &C::ShowSign, &C::SetShowSign, true)
            .Integer("DigitCount", &TiSevenSegmentDisplay::DigitCount,
                     &TiSevenSegmentDisplay::SetDigitCount, 4)
            .Enumeration("LeadingStyle", &TiSevenSegmentDisplay::LeadingStyle,
                         &TiSevenSegmentDisplay::SetLeadingStyle,
                         {"ilsNone", "ilsZeros", "ilsSpaces"}, ilsSpaces)
            .Build();
    return info;
}

void TiSevenSegmentInteger::SetValue(int value) {
    if (value == m_value)
        return;
    bool allow = true;
    if (OnBeforeChange)
        OnBeforeChange(this, "Value", allow);
    if (!allow)
        return;
    m_value = value;
    InvalidateChange();
    if (OnAfterChange)
        OnAfterChange(this, "Value");
    if (OnValueChange)
        OnValueChange(this);
}

void TiSevenSegmentInteger::SetShowSign(bool value) {
    if (value == m_showSign)
        return;
    m_showSign = value;
    InvalidateChange();
    ApplyAutoSize();
}

void TiSevenSegmentInteger::CalcAutoSize(int& width, int& height) {
    TiSevenSegmentCharacter& character = DrawingCharacter();
    // A digit's width, not that of whatever narrow character was drawn last.
    character.SetCharacter('0');
    const int n = CellCount();
    width =
        (character.GetCharacterWidth() + DigitSpacing()) * n + 2 * SegmentMargin() - DigitSpacing();
    height = character.GetCharacterHeight() + 2 * SegmentMargin();
}

TSevenSegmentCells TiSevenSegmentInteger::Cells() const {
    const int n = CellCount();
    const int spacing = DigitSpacing();
    const int cellWidth = (Width() - 2 * SegmentMargin() - (n - 1) * spacing) / n;
    const int left = (Width() - n * (cellWidth + spacing) + spacing) / 2;
    return {
        {left, SegmentMargin()}, n, cellWidth, Height() - 2 * SegmentMargin(), cellWidth + spacing};
}

// The magnitude is taken in 64 bits: the most negative value has no 32-bit positive twin. A
// negative number without a sign cell cannot be shown truthfully, so it counts as overflowing
// downwards rather than showing its digits as if it were positive.
std::vector<TSevenSegmentCharacter> TiSevenSegmentInteger::DigitCodes() const {
    const std::size_t count = static_cast<std::size_t>(DigitCount());
    const bool negative = m_value < 0;
    std::string text = std::to_string(std::llabs(static_cast<long long>(m_value)));
    if (text.size() > count || (negative && !m_showSign))
        return std::vector<TSevenSegmentCharacter>(count, negative ? sscDownArrow : sscUpArrow);
    if (LeadingStyle() != ilsNone)
        text.insert(0, count - text.size(), LeadingStyle() == ilsZeros ? '0' : ' ');
    std::vector<TSevenSegmentCharacter> codes;
    for (char digit : text)
        codes.push_back(TiSevenSegmentCharacter::CodeOfCharacter(digit));
    return codes;
}

// While every cell shows segments, the background and every unlit shape come from the cache and
// only the lit shapes are drawn over them: they cover the unlit ones exactly.
void TiSevenSegmentInteger::DrawWidget(TCanvas& canvas) {
    // The drawing character takes the readout's look.
    TransferSettings();
    const TSevenSegmentCells cells = Cells();
    const std::vector<TSevenSegmentCharacter> codes = DigitCodes();
    if (CachedDrawing() && ShowsSegmentsOnly(codes)) {
        // Background, border and the unlit shapes of every cell.
        if (BackGroundChanged() || !(m_unlitLayerKey == UnlitLayerKey(cells)))
            DrawUnlitLayer(cells);
        DrawCachedBackground(canvas);
        // The lit shapes.
        DrawingCharacter().SetShowOffSegments(false);
        DrawCells(canvas, cells, codes);
        return;
    }
    // Background and border, then every cell whole.
    DrawBackground(canvas, BackGroundColor());
    DrawCells(canvas, cells, codes);
}

TiSevenSegmentInteger::TUnlitLayerKey
TiSevenSegmentInteger::UnlitLayerKey(const TSevenSegmentCells& cells) const {
    return {cells,          m_showSign,        ShowOffSegments(), AutoSegmentOffColor(),
            SegmentColor(), SegmentOffColor(), SegmentSize(),     SegmentSeperation()};
}

bool TiSevenSegmentInteger::ShowsSegmentsOnly(
    const std::vector<TSevenSegmentCharacter>& codes) const {
    if (codes.size() != static_cast<std::size_t>(DigitCount()))
        return false;
    for (TSevenSegmentCharacter code : codes)
        if (code > ssc9 && code != sscBlank)
            return false;
    return true;
}

// Every shape of every cell in the unlit colour: a powered-off eight, and a powered-off plus,
// which brings its dim minus along.
void TiSevenSegmentInteger::DrawUnlitLayer(const TSevenSegmentCells& cells) {
    TCanvas& canvas = GetBackGroundBitmap().Canvas();
    canvas.Pen().SetStyle(psSolid);
    DrawBackground(canvas, BackGroundColor());
    ClearBackGroundChange();
    m_unlitLayerKey = UnlitLayerKey(cells);
    if (!ShowOffSegments())
        return;
    TiSevenSegmentCharacter& character = DrawingCharacter();
    character.SetPowerOff(true);
    const std::vector<TSevenSegmentCharacter> eights(DigitCount(), ssc8);
    DrawCells(canvas, cells, eights);
    character.SetPowerOff(PowerOff());
}

void TiSevenSegmentInteger::DrawCells(TCanvas& canvas, const TSevenSegmentCells& cells,
                                      const std::vector<TSevenSegmentCharacter>& codes) {
    // A row too small for any cell shows only the background.
    if (cells.CellWidth < 1 || cells.CellHeight < 1)
        return;
    TiSevenSegmentCharacter& character = DrawingCharacter();
    TPoint origin = cells.First;
    // The sign cell: a lit plus for zero and above, a lit minus below.
    if (m_showSign) {
        character.DrawCharacter(canvas, origin, m_value < 0 ? sscMinus : sscPlus, cells.CellHeight,
                                cells.CellWidth);
        origin.X += cells.Step;
    }
    // The digits (or the overflow arrows) from the left.
    for (TSevenSegmentCharacter code : codes) {
        character.DrawCharacter(canvas, origin, code, cells.CellHeight, cells.CellWidth);
        origin.X += cells.Step;
    }
}
