#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>

#include "DisplayFixture.h"
#include "gui/graphics/Bitmap.h"
#include "widgets/display/iSevenSegmentCharacter.h"

namespace {

constexpr TColor Lit = RGB(0, 255, 0);
constexpr TColor Unlit = RGB(0, 85, 0);
constexpr TColor Black = RGB(0, 0, 0);

// A point well inside each segment of a 15 x 23 cell with margin 2, separation 1 and stroke 2:
// A, B, C, D, E, F, G.
constexpr std::array<TPoint, 7> SegmentCentres = {TPoint{7, 3}, {11, 6}, {11, 15}, {7, 19},
                                                  {3, 15},      {3, 6},  {7, 11}};

// Draws one code into a fresh black 15 x 23 bitmap with the character's settings.
class CharacterCell {
public:
    explicit CharacterCell(const TiSevenSegmentCharacter& character, TSevenSegmentCharacter code,
                           TSize size = {15, 23})
        : m_bitmap(size.cx, size.cy) {
        m_bitmap.Fill(clBlack);
        character.DrawCharacter(m_bitmap.Canvas(), {0, 0}, code, size.cy, size.cx);
    }
    TColor At(int x, int y) const { return m_bitmap.Pixel(x, y); }
    TColor Segment(int segment) const {
        return At(SegmentCentres[segment].X, SegmentCentres[segment].Y);
    }
    std::string Segments() const {
        std::string shown;
        for (int segment = 0; segment < 7; ++segment) {
            const TColor color = Segment(segment);
            shown += color == Lit ? 'L' : color == Unlit ? 'u' : color == Black ? '.' : '?';
        }
        return shown;
    }

private:
    TBitmap m_bitmap;
};

// "L" for a lit segment, "u" for an unlit one, in the order A to G.
std::string Expected(const std::string& litSegments) {
    std::string shown = "uuuuuuu";
    for (char segment : litSegments)
        shown[segment - 'A'] = 'L';
    return shown;
}

class SevenSegmentCharacter : public DisplayFixture {
protected:
    TiSevenSegmentCharacter character{nullptr};
};

} // namespace

TEST_F(SevenSegmentCharacter, DigitsAndLettersLightTheirSegmentsAndShowTheRestUnlit) {
    const std::array<std::string, 16> lit = {
        "ABCDEF",  "BC",    "ABDEG",  "ABCDG", "BCFG", "ACDFG", "ACDEFG", "ABC",
        "ABCDEFG", "ABCFG", "ABCEFG", "CDEFG", "ADEF", "BCDEG", "ADEFG",  "AEFG"};
    for (int code = ssc0; code <= sscF; ++code)
        EXPECT_EQ(CharacterCell(character, TSevenSegmentCharacter(code)).Segments(),
                  Expected(lit[code]))
            << "code " << code;
    EXPECT_EQ(CharacterCell(character, sscBlank).Segments(), "uuuuuuu");
}

TEST_F(SevenSegmentCharacter, WithoutOffSegmentsOnlyTheLitOnesAreDrawn) {
    character.SetShowOffSegments(false);
    EXPECT_EQ(CharacterCell(character, ssc7).Segments(), "LLL....");
    EXPECT_EQ(CharacterCell(character, sscBlank).Segments(), ".......");
}

TEST_F(SevenSegmentCharacter, SeparatorsAndArrowsStandAloneWithoutSegmentsBehindThem) {
    for (TSevenSegmentCharacter code :
         {sscPeriod, sscColon, sscSemiColon, sscComma, sscLine, sscUpArrow, sscDownArrow}) {
        const CharacterCell cell(character, code);
        int unlit = 0;
        for (int y = 0; y < 23; ++y)
            for (int x = 0; x < 15; ++x)
                unlit += cell.At(x, y) == Unlit;
        EXPECT_EQ(unlit, 0) << "code " << int(code);
        EXPECT_EQ(cell.Segment(0), Black) << "code " << int(code);
    }
}

TEST_F(SevenSegmentCharacter, SeparatorShapesSitWhereTheCellProportionsPutThem) {
    const CharacterCell period(character, sscPeriod);
    EXPECT_EQ(period.At(7, 22), Lit);
    EXPECT_EQ(period.At(7, 20), Black);

    // Upper dot rows 6 to 9, lower dot 14 to 17, tail 17 to 20 right of the middle column.
    const CharacterCell colon(character, sscColon);
    EXPECT_EQ(colon.At(7, 7), Lit);
    EXPECT_EQ(colon.At(7, 15), Lit);
    EXPECT_EQ(colon.At(8, 19), Black);
    const CharacterCell semicolon(character, sscSemiColon);
    EXPECT_EQ(semicolon.At(7, 7), Lit);
    EXPECT_EQ(semicolon.At(8, 19), Lit);
    EXPECT_EQ(semicolon.At(6, 19), Black);
    const CharacterCell comma(character, sscComma);
    EXPECT_EQ(comma.At(7, 7), Black);
    EXPECT_EQ(comma.At(7, 15), Lit);
    EXPECT_EQ(comma.At(8, 19), Lit);

    // The centre line runs from margin to margin on the middle row, wider than segment G.
    const CharacterCell line(character, sscLine);
    EXPECT_EQ(line.At(2, 11), Lit);
    EXPECT_EQ(line.At(12, 11), Lit);
    EXPECT_EQ(line.At(7, 10), Black);
}

TEST_F(SevenSegmentCharacter, ArrowsPointAwayFromTheMiddleRow) {
    const CharacterCell up(character, sscUpArrow);
    EXPECT_EQ(up.At(7, 6), Lit);
    EXPECT_EQ(up.At(7, 9), Lit);
    EXPECT_EQ(up.At(7, 5), Black);
    EXPECT_EQ(up.At(7, 13), Black);
    const CharacterCell down(character, sscDownArrow);
    EXPECT_EQ(down.At(7, 16), Lit);
    EXPECT_EQ(down.At(7, 17), Black);
    EXPECT_EQ(down.At(7, 8), Black);
}

TEST_F(SevenSegmentCharacter, ArrowApexStopsAtTheMarginInAShortCell) {
    // b = 3 and r = 7: the apex would leave the cell without the clamp.
    const CharacterCell up(character, sscUpArrow, {19, 7});
    EXPECT_EQ(up.At(9, 2), Lit);
    EXPECT_EQ(up.At(9, 1), Black);
    const CharacterCell down(character, sscDownArrow, {19, 7});
    EXPECT_EQ(down.At(9, 4), Lit);
    EXPECT_EQ(down.At(9, 5), Black);
}

TEST_F(SevenSegmentCharacter, SignCellsShowTheirSignLitAndTheOtherOneDim) {
    // The plus bars: rows 5 and 6 across, columns 7 and 8 down; the minus bar rows 17 and 18.
    const CharacterCell plus(character, sscPlus);
    EXPECT_EQ(plus.At(5, 5), Lit);
    EXPECT_EQ(plus.At(7, 3), Lit);
    EXPECT_EQ(plus.At(5, 17), Unlit);
    const CharacterCell minus(character, sscMinus);
    EXPECT_EQ(minus.At(5, 17), Lit);
    EXPECT_EQ(minus.At(5, 5), Unlit);
    EXPECT_EQ(minus.At(7, 3), Unlit);

    character.SetShowOffSegments(false);
    const CharacterCell bareMinus(character, sscMinus);
    EXPECT_EQ(bareMinus.At(5, 17), Lit);
    EXPECT_EQ(bareMinus.At(5, 5), Black);
}

TEST_F(SevenSegmentCharacter, SegmentAMeetsItsNeighboursInMitredCornersWithTheGapBetween) {
    // Stroke 6 in a 40-pixel cell: A spans 3..36 on row 2 and 9..30 on row 8.
    character.SetSegmentSize(3);
    const CharacterCell cell(character, sscBlank, {40, 60});
    EXPECT_EQ(cell.At(3, 2), Unlit);
    EXPECT_EQ(cell.At(36, 2), Unlit);
    EXPECT_EQ(cell.At(2, 2), Black);
    EXPECT_EQ(cell.At(37, 2), Black);
    EXPECT_EQ(cell.At(9, 8), Unlit);
    EXPECT_EQ(cell.At(30, 8), Unlit);
    EXPECT_EQ(cell.At(8, 8), Black);
    EXPECT_EQ(cell.At(31, 8), Black);
    // B starts one separation below A's row, on the right margin.
    EXPECT_EQ(cell.At(37, 3), Unlit);
    EXPECT_EQ(cell.At(38, 3), Black);
}

TEST_F(SevenSegmentCharacter, DrawingStaysInsideTheCellAtAnyOrigin) {
    TBitmap bitmap(60, 40);
    bitmap.Fill(clWhite);
    character.DrawCharacter(bitmap.Canvas(), {20, 10}, ssc8, 23, 15);
    EXPECT_EQ(bitmap.Pixel(27, 13), Lit);
    EXPECT_EQ(bitmap.Pixel(19, 9), RGB(255, 255, 255));
    EXPECT_EQ(bitmap.Pixel(35, 33), RGB(255, 255, 255));
    // No background is painted between the segments.
    EXPECT_EQ(bitmap.Pixel(27, 16), RGB(255, 255, 255));
}

TEST_F(SevenSegmentCharacter, UnlitColourIsTheLitOneDimmedOrTheOffColourWhenAskedFor) {
    character.SetSegmentColor(RGB(90, 180, 255));
    EXPECT_EQ(CharacterCell(character, ssc1).Segment(0), RGB(30, 60, 85));
    character.SetAutoSegmentOffColor(false);
    character.SetSegmentOffColor(RGB(1, 2, 3));
    EXPECT_EQ(CharacterCell(character, ssc1).Segment(0), RGB(1, 2, 3));
}

TEST_F(SevenSegmentCharacter, SystemColourIsDrawnAsItsPaletteColourButDimmedAsItsLowBytes) {
    character.SetSegmentColor(clBtnFace);
    const CharacterCell cell(character, ssc1);
    EXPECT_EQ(cell.Segment(1), RGB(212, 208, 200));
    EXPECT_EQ(cell.Segment(0), RGB(5, 0, 0));
}

TEST_F(SevenSegmentCharacter, PoweredOffEightLooksLikeABlank) {
    character.SetPowerOff(true);
    EXPECT_EQ(CharacterCell(character, ssc8).Segments(), "uuuuuuu");
    character.SetPowerOff(false);
    EXPECT_EQ(CharacterCell(character, ssc8).Segments(), "LLLLLLL");
}

TEST_F(SevenSegmentCharacter, FreeSegmentFlagsReplaceTheCodeWhenInUse) {
    character.SetSegmentBits(73 | 128);
    EXPECT_EQ(character.SegmentBits(), 73);
    EXPECT_TRUE(character.SegAOn());
    EXPECT_TRUE(character.SegDOn());
    EXPECT_TRUE(character.SegGOn());
    EXPECT_EQ(CharacterCell(character, ssc1).Segments(), Expected("BC"));
    character.SetUseSegmentBits(true);
    EXPECT_EQ(CharacterCell(character, ssc1).Segments(), Expected("ADG"));
    EXPECT_EQ(CharacterCell(character, sscColon).Segments(), Expected("ADG"));
    character.SetSegBOn(true);
    EXPECT_EQ(character.SegmentBits(), 75);
}

TEST_F(SevenSegmentCharacter, CharactersSelectCodesAndReadBackInLowerCase) {
    character.SetCharacter('A');
    EXPECT_EQ(character.Value(), sscA);
    EXPECT_EQ(character.Character(), 'a');
    character.SetCharacter('f');
    EXPECT_EQ(character.Value(), sscF);
    for (char unknown : {'x', '?', 'G', '\0'}) {
        character.SetCharacter(unknown);
        EXPECT_EQ(character.Value(), sscBlank);
        EXPECT_EQ(character.Character(), ' ');
    }
    const std::string written = "0123456789.:+- _<>;,";
    for (char c : written) {
        character.SetCharacter(c);
        EXPECT_EQ(character.Character(), c);
    }
}

TEST_F(SevenSegmentCharacter, ACodeOutsideTheTableIsTakenAsBlank) {
    character.SetValue(TSevenSegmentCharacter(200));
    EXPECT_EQ(character.Value(), sscBlank);
    EXPECT_EQ(CharacterCell(character, TSevenSegmentCharacter(200)).Segments(), "uuuuuuu");
}

TEST_F(SevenSegmentCharacter, NaturalSizeFollowsTheMeasuresAndNarrowCharacters) {
    EXPECT_EQ(character.Width(), 15);
    EXPECT_EQ(character.Height(), 23);
    character.SetValue(ssc1);
    character.SetValue(sscPeriod);
    EXPECT_EQ(character.Width(), 7);
    EXPECT_EQ(character.GetCharacterWidth(), 6);
    character.SetSegmentSize(2);
    character.SetSegmentMargin(3);
    EXPECT_EQ(character.GetCharacterHeight(), 42);
    EXPECT_EQ(character.Height(), 43);
    EXPECT_EQ(character.Width(), 11);

    character.SetAutoSize(false);
    character.SetValue(ssc4);
    EXPECT_EQ(character.Width(), 11);
}

TEST_F(SevenSegmentCharacter, MeasuresAreClampedToTheirLowerLimits) {
    character.SetSegmentSize(0);
    EXPECT_EQ(character.SegmentSize(), 1);
    character.SetSegmentSize(-5);
    EXPECT_EQ(character.SegmentSize(), 1);
    character.SetSegmentMargin(-1);
    EXPECT_EQ(character.SegmentMargin(), 0);
    character.SetSegmentSeperation(-1);
    EXPECT_EQ(character.SegmentSeperation(), 0);
}

TEST_F(SevenSegmentCharacter, HugeMeasuresStopAtThePictureLimits) {
    character.SetSegmentMargin(INT_MAX);
    character.SetSegmentSize(INT_MAX);
    character.SetSegmentSeperation(INT_MAX);
    EXPECT_EQ(character.SegmentMargin(), TBitmap::MaxSide);
    EXPECT_EQ(character.SegmentSize(), TBitmap::MaxSide);
    EXPECT_EQ(character.SegmentSeperation(), TBitmap::MaxSide);
    EXPECT_LE(character.Width(), TBitmap::MaxSide);
    EXPECT_LE(static_cast<long long>(character.Width()) * character.Height(), TBitmap::MaxPixels);
}

TEST_F(SevenSegmentCharacter, ValueChangesAskFirstAndReportAfterward) {
    std::string log;
    character.OnBeforeChange = [&](TObject*, const std::string& name, bool& allow) {
        log += "before " + name + ";";
        allow = character.Value() != ssc3;
    };
    character.OnAfterChange = [&](TObject*, const std::string& name) {
        log += "after " + name + ";";
    };
    character.SetValue(ssc0);
    character.SetValue(ssc3);
    character.SetValue(ssc5);
    EXPECT_EQ(character.Value(), ssc3);
    EXPECT_EQ(log, "before Value;after Value;before Value;");
}

TEST_F(SevenSegmentCharacter, WidgetPaintsItsBackgroundAndItsCharacter) {
    auto* widget = PlaceWidget<TiSevenSegmentCharacter>(10, 10);
    widget->SetValue(ssc8);
    EXPECT_EQ(widget->Width(), 15);
    EXPECT_EQ(At(*widget, 7, 3), Lit);
    EXPECT_EQ(At(*widget, 7, 7), Black);
    EXPECT_EQ(At(*widget, 0, 0), Black);
    widget->SetBackGroundColor(clNavy);
    EXPECT_EQ(At(*widget, 0, 0), clNavy);
}

TEST_F(SevenSegmentCharacter, SegmentWritesRepaintOnceAndEvenUnchangedSegmentBitsRepaint) {
    auto* widget = PlaceWidget<TCounting<TiSevenSegmentCharacter>>(10, 10);
    Shot();
    widget->Invalidations = 0;
    widget->SetSegmentColor(clLime);
    widget->SetSegAOn(false);
    EXPECT_EQ(widget->Invalidations, 0);
    widget->SetSegAOn(true);
    widget->SetPowerOff(true);
    EXPECT_EQ(widget->Invalidations, 2);
    widget->SetSegmentBits(widget->SegmentBits());
    EXPECT_EQ(widget->Invalidations, 3);
}
