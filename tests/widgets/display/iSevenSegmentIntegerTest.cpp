#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>

#include "DisplayFixture.h"
#include "widgets/core/Numeric.h"
#include "widgets/display/iSevenSegmentInteger.h"

namespace {

// The readout as a student reads it, one character per cell: digits, ' ' for a cell with every
// segment unlit, '.' for a cell left empty, '^' and 'v' for the arrows, '+' and '-' for a sign
// cell, '?' for anything else.
class Readout {
public:
    Readout(const TBitmap& shot, const TiSevenSegmentInteger& display)
        : m_shot(shot), m_left(display.Left()), m_top(display.Top()),
          m_lit(ColorToRGB(display.SegmentColor())), m_unlit(DimColor(display.SegmentColor(), 3)),
          m_background(ColorToRGB(display.BackGroundColor())), m_cells(display.Cells()) {}

    std::string Text() const {
        std::string text;
        for (int cell = 0; cell < m_cells.Count; ++cell)
            text += Cell(cell);
        return text;
    }

    TColor At(int cell, int x, int y) const {
        const int left = m_left + m_cells.First.X + cell * m_cells.Step;
        return m_shot.Pixel(left + x, m_top + m_cells.First.Y + y);
    }

private:
    char Cell(int cell) const {
        const int W = m_cells.CellWidth, H = m_cells.CellHeight, h = (H - 1) / 2;
        const TPoint centres[] = {
            {W / 2 - 1, 1},     {W - 2, h / 2},       {W - 2, (h + H - 1) / 2},
            {W / 2 - 1, H - 2}, {1, (h + H - 1) / 2}, {1, h / 2},
            {W / 2 - 1, h}};
        std::string segments;
        for (TPoint p : centres)
            segments += Shade(At(cell, p.X, p.Y));
        if (segments == "......." || segments == "......L") {
            if (Shade(At(cell, W / 2 - 1, H / 2 - 2)) == 'L')
                return '^';
            if (Shade(At(cell, W / 2 - 1, H / 2 + 2)) == 'L')
                return 'v';
        }
        static const std::map<std::string, char> glyphs = {
            {"LLLLLLu", '0'}, {"uLLuuuu", '1'}, {"LLuLLuL", '2'}, {"LLLLuuL", '3'},
            {"uLLuuLL", '4'}, {"LuLLuLL", '5'}, {"LuLLLLL", '6'}, {"LLLuuuu", '7'},
            {"LLLLLLL", '8'}, {"LLLuuLL", '9'}, {"uuuuuuu", ' '}, {".......", '.'}};
        if (auto glyph = glyphs.find(segments); glyph != glyphs.end())
            return glyph->second;
        // The plus is lit in the upper half or the minus in the lower half.
        if (Shade(At(cell, W / 2 - 1, H / 4)) == 'L')
            return '+';
        if (Shade(At(cell, W / 2 - 2, H * 3 / 4)) == 'L')
            return '-';
        return '?';
    }

    char Shade(TColor color) const {
        return color == m_lit ? 'L' : color == m_unlit ? 'u' : color == m_background ? '.' : '?';
    }

    const TBitmap& m_shot;
    int m_left;
    int m_top;
    TColor m_lit;
    TColor m_unlit;
    TColor m_background;
    TSevenSegmentCells m_cells;
};

// One of the bench's three readouts, as its layout stores it.
const std::string BenchReadout = R"(object Form1: TForm
  object iSevenSegmentInteger1: TiSevenSegmentInteger
    Left = 20
    Top = 30
    Width = 68
    Height = 33
    SegmentColor = clYellow
    PowerOff = True
    BorderStyle = ibsLowered
    Value = 0
    ShowSign = False
  end
end
)";

class SevenSegmentInteger : public DisplayFixture {
protected:
    std::string Shown(const TiSevenSegmentInteger& display) {
        return Readout(Shot(), display).Text();
    }
};

} // namespace

TEST_F(SevenSegmentInteger, DefaultIsASignCellAndFourDigitCellsOfTenByEighteen) {
    TiSevenSegmentInteger display(nullptr);
    EXPECT_EQ(display.Width(), 84);
    EXPECT_EQ(display.Height(), 28);
    const TSevenSegmentCells cells = display.Cells();
    EXPECT_EQ(cells.First, (TPoint{5, 5}));
    EXPECT_EQ(cells.Count, 5);
    EXPECT_EQ(cells.CellWidth, 10);
    EXPECT_EQ(cells.CellHeight, 18);
    EXPECT_EQ(cells.Step, 16);
}

TEST_F(SevenSegmentInteger, SignCellIsLitPlusForZeroAndAboveAndMinusBelow) {
    auto* display = PlaceWidget<TiSevenSegmentInteger>(10, 10);
    EXPECT_EQ(Shown(*display), "+   0");
    display->SetValue(-7);
    EXPECT_EQ(Shown(*display), "-   7");
    display->SetLeadingStyle(ilsZeros);
    EXPECT_EQ(Shown(*display), "-0007");
    // The other sign shows dim behind the lit one.
    EXPECT_EQ(Readout(Shot(), *display).At(0, 4, 4), RGB(85, 85, 85));
}

TEST_F(SevenSegmentInteger, WithoutLeadingFillAShortNumberLeavesTheRightCellsEmpty) {
    auto* display = PlaceWidget<TiSevenSegmentInteger>(10, 10);
    display->SetLeadingStyle(ilsNone);
    display->SetValue(42);
    EXPECT_EQ(Shown(*display), "+42..");
}

TEST_F(SevenSegmentInteger, NumbersTooWideForTheCellsShowArrowsPointingTheWayTheyOverflow) {
    auto* display = PlaceWidget<TiSevenSegmentInteger>(10, 10);
    display->SetValue(12345);
    EXPECT_EQ(Shown(*display), "+^^^^");
    display->SetValue(-12345);
    EXPECT_EQ(Shown(*display), "-vvvv");
    display->SetValue(9999);
    EXPECT_EQ(Shown(*display), "+9999");
}

TEST_F(SevenSegmentInteger, TheMostNegativeNumberKeepsAllItsDigits) {
    auto* display = PlaceWidget<TiSevenSegmentInteger>(10, 10);
    display->SetDigitCount(10);
    display->SetValue(INT_MIN);
    EXPECT_EQ(Shown(*display), "-2147483648");
    display->SetValue(INT_MAX);
    EXPECT_EQ(Shown(*display), "+2147483647");
    display->SetDigitCount(9);
    display->SetValue(INT_MIN);
    EXPECT_EQ(Shown(*display), "-vvvvvvvvv");
}

TEST_F(SevenSegmentInteger, ANegativeNumberWithoutASignCellShowsDownArrowsNotItsDigits) {
    auto* display = PlaceWidget<TiSevenSegmentInteger>(10, 10);
    display->SetShowSign(false);
    display->SetValue(-7);
    EXPECT_EQ(Shown(*display), "vvvv");
}

TEST_F(SevenSegmentInteger, BenchReadoutKeepsItsStoredSizeAndCells) {
    auto& readout = Load<TiSevenSegmentInteger>(BenchReadout, "iSevenSegmentInteger1");
    EXPECT_EQ(readout.Width(), 68);
    EXPECT_EQ(readout.Height(), 33);
    const TSevenSegmentCells cells = readout.Cells();
    EXPECT_EQ(cells.First, (TPoint{5, 5}));
    EXPECT_EQ(cells.Count, 4);
    EXPECT_EQ(cells.CellWidth, 10);
    EXPECT_EQ(cells.CellHeight, 23);
    EXPECT_EQ(cells.Step, 16);
    readout.SetValue(187);
    EXPECT_EQ(readout.Width(), 68);
    EXPECT_EQ(readout.Height(), 33);
}

TEST_F(SevenSegmentInteger, BenchReadoutPoweredOffShowsEverySegmentDim) {
    auto& readout = Load<TiSevenSegmentInteger>(BenchReadout, "iSevenSegmentInteger1");
    const Readout shown(Shot(), readout);
    EXPECT_EQ(shown.Text(), "    ");
    EXPECT_EQ(shown.At(3, 4, 1), RGB(0x55, 0x55, 0));
    EXPECT_EQ(shown.At(0, 4, 11), RGB(0x55, 0x55, 0));
    // The lowered border lies outside the cells.
    EXPECT_NE(Shot().Pixel(readout.Left(), readout.Top()), RGB(0, 0, 0));
}

TEST_F(SevenSegmentInteger, BenchReadoutPoweredOnShowsItsValues) {
    auto& readout = Load<TiSevenSegmentInteger>(BenchReadout, "iSevenSegmentInteger1");
    readout.SetPowerOff(false);
    EXPECT_EQ(Shown(readout), "   0");
    readout.SetValue(14);
    EXPECT_EQ(Shown(readout), "  14");
    readout.SetValue(187);
    EXPECT_EQ(Shown(readout), " 187");
    readout.SetValue(10000);
    EXPECT_EQ(Shown(readout), "^^^^");
    readout.SetPowerOff(true);
    readout.SetValue(14);
    EXPECT_EQ(Shown(readout), "    ");
}

TEST_F(SevenSegmentInteger, AutoSizeFollowsCountsSpacingAndMeasures) {
    TiSevenSegmentInteger display(nullptr);
    display.SetShowSign(false);
    EXPECT_EQ(display.Width(), 68);
    display.SetDigitCount(3);
    EXPECT_EQ(display.Width(), 52);
    display.SetDigitSpacing(-2);
    EXPECT_EQ(display.Width(), 36);
    display.SetSegmentSize(2);
    EXPECT_EQ(display.Width(), 66);
    EXPECT_EQ(display.Height(), 46);
    display.SetSegmentMargin(0);
    EXPECT_EQ(display.Width(), 56);
    EXPECT_EQ(display.Height(), 36);
    display.SetAutoSize(false);
    display.SetDigitCount(8);
    EXPECT_EQ(display.Width(), 56);
}

TEST_F(SevenSegmentInteger, MeasuresAreClamped) {
    TiSevenSegmentInteger display(nullptr);
    display.SetDigitCount(0);
    EXPECT_EQ(display.DigitCount(), 1);
    display.SetSegmentSize(500);
    EXPECT_EQ(display.SegmentSize(), 100);
    display.SetSegmentSize(0);
    EXPECT_EQ(display.SegmentSize(), 1);
    display.SetDigitCount(40);
    EXPECT_EQ(display.DigitCount(), 32);
    display.SetSegmentMargin(-1);
    EXPECT_EQ(display.SegmentMargin(), 0);
    display.SetSegmentSeperation(-3);
    EXPECT_EQ(display.SegmentSeperation(), 0);
    display.SetDigitSpacing(INT_MIN);
    EXPECT_EQ(display.DigitSpacing(), -TBitmap::MaxSide);
}

TEST_F(SevenSegmentInteger, AutoSizeNeverAsksForMoreThanAPictureCanHold) {
    TiSevenSegmentInteger display(nullptr);
    display.SetDigitCount(32);
    display.SetSegmentSize(100);
    display.SetSegmentMargin(INT_MAX);
    display.SetDigitSpacing(INT_MAX);
    EXPECT_EQ(display.SegmentMargin(), TBitmap::MaxSide);
    EXPECT_EQ(display.Width(), TBitmap::MaxSide);
    EXPECT_LE(static_cast<long long>(display.Width()) * display.Height(), TBitmap::MaxPixels);
}

TEST_F(SevenSegmentInteger, AReadoutTooSmallForItsCellsShowsOnlyItsBackground) {
    auto* display = PlaceWidget<TiSevenSegmentInteger>(10, 10);
    display->SetAutoSize(false);
    display->SetDigitCount(32);
    display->SetValue(-5);
    display->SetBounds(10, 10, 40, 20);
    const TBitmap& shot = Shot();
    for (int x = 0; x < 40; ++x)
        ASSERT_EQ(shot.Pixel(10 + x, 20), RGB(0, 0, 0)) << x;
}

TEST_F(SevenSegmentInteger, ValueChangesAskFirstThenReportToTheHookAndTheEvent) {
    TiSevenSegmentInteger display(nullptr);
    std::string log;
    display.OnBeforeChange = [&](TObject*, const std::string& name, bool& allow) {
        log += "before " + name + ";";
        allow = display.Value() != 3;
    };
    display.OnAfterChange = [&](TObject*, const std::string& name) {
        log += "after " + name + ";";
    };
    display.OnValueChange = [&](TObject*) { log += "change;"; };
    display.SetValue(0);
    display.SetValue(3);
    display.SetValue(5);
    EXPECT_EQ(display.Value(), 3);
    EXPECT_EQ(log, "before Value;after Value;change;before Value;");
}

TEST_F(SevenSegmentInteger, EachChangedSettingAsksForOneRepaint) {
    auto* display = PlaceWidget<TCounting<TiSevenSegmentInteger>>(10, 10);
    Shot();
    display->Invalidations = 0;
    display->SetValue(0);
    display->SetPowerOff(false);
    display->SetLeadingStyle(ilsSpaces);
    EXPECT_EQ(display->Invalidations, 0);
    display->SetValue(187);
    display->SetPowerOff(true);
    display->SetLeadingStyle(ilsZeros);
    display->SetSegmentColor(clYellow);
    EXPECT_EQ(display->Invalidations, 4);
}

TEST_F(SevenSegmentInteger, UnlitShapesFollowEveryChangeOfTheirLookAfterAPaint) {
    auto* display = PlaceWidget<TiSevenSegmentInteger>(10, 10);
    display->SetValue(5);
    ASSERT_EQ(Shown(*display), "+   5");
    display->SetSegmentColor(RGB(0, 0, 255));
    EXPECT_EQ(Readout(Shot(), *display).At(1, 4, 1), RGB(0, 0, 85));
    display->SetAutoSegmentOffColor(false);
    display->SetSegmentOffColor(RGB(1, 2, 3));
    EXPECT_EQ(Readout(Shot(), *display).At(1, 4, 1), RGB(1, 2, 3));
    display->SetShowOffSegments(false);
    EXPECT_EQ(Readout(Shot(), *display).At(1, 4, 1), RGB(0, 0, 0));
    EXPECT_EQ(Readout(Shot(), *display).At(4, 4, 1), RGB(0, 0, 255));
    display->SetShowOffSegments(true);
    display->SetAutoSegmentOffColor(true);
    display->SetShowSign(false);
    EXPECT_EQ(Shown(*display), "   5");
}
