#pragma once

#include <vector>

#include "widgets/display/iSevenSegmentDisplay.h"

// Where the cells of a readout lie: the first one's top left, the size shared by all, and the
// distance from one cell's left edge to the next.
struct TSevenSegmentCells {
    TPoint First;
    int Count;
    int CellWidth;
    int CellHeight;
    int Step;

    friend bool operator==(const TSevenSegmentCells&, const TSevenSegmentCells&) = default;
};

// A signed whole number in a fixed number of digit cells, with an optional sign cell in front.
// A number the cells cannot hold is shown as a row of arrows pointing the way it overflows.
class TiSevenSegmentInteger : public TiSevenSegmentDisplay {
public:
    explicit TiSevenSegmentInteger(TComponent* owner);

    static const TClassInfo& StaticClassInfo();

    int Value() const { return m_value; }
    void SetValue(int value);
    bool ShowSign() const { return m_showSign; }
    void SetShowSign(bool value);

    // The cells follow the widget's actual size; the segment size only sets the stroke.
    TSevenSegmentCells Cells() const;
    // The code each digit cell shows, from the left; cells left empty are not listed.
    std::vector<TSevenSegmentCharacter> DigitCodes() const;

protected:
    void CalcAutoSize(int& width, int& height) override;
    void DrawWidget(TCanvas& canvas) override;

private:
    // What the cached unlit shapes were drawn with; they are drawn anew when it changes.
    struct TUnlitLayerKey {
        TSevenSegmentCells Cells;
        bool ShowSign;
        bool ShowOffSegments;
        bool AutoSegmentOffColor;
        TColor SegmentColor;
        TColor SegmentOffColor;
        int SegmentSize;
        int SegmentSeperation;

        friend bool operator==(const TUnlitLayerKey&, const TUnlitLayerKey&) = default;
    };

    int CellCount() const { return DigitCount() + (m_showSign ? 1 : 0); }
    TUnlitLayerKey UnlitLayerKey(const TSevenSegmentCells& cells) const;
    bool ShowsSegmentsOnly(const std::vector<TSevenSegmentCharacter>& codes) const;
    void DrawUnlitLayer(const TSevenSegmentCells& cells);
    void DrawCells(TCanvas& canvas, const TSevenSegmentCells& cells,
                   const std::vector<TSevenSegmentCharacter>& codes);

    int m_value = 0;
    bool m_showSign = true;
    TUnlitLayerKey m_unlitLayerKey{};
};
