#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "gui/graphics/Bitmap.h"
#include "widgets/core/LocaleFloat.h"
#include "widgets/scale/iScaleObject.h"

namespace {

using Scale = TiScaleObject;

// Whether any pixel of the rectangle (right and bottom exclusive) differs from white.
bool Inked(const TBitmap& picture, int left, int top, int right, int bottom) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (picture.Pixel(x, y) != clWhite)
                return true;
    return false;
}

// 0 .. 100 along y from 110 (bottom) to 10, ticks growing right from x = 10.
class ScaleDrawing : public ::testing::Test {
protected:
    ScaleDrawing() : picture(160, 130) {
        picture.Fill(clWhite);
        scale.SetShowTicksMajor(true);
        scale.SetShowTicksMinor(true);
        scale.SetShowTickLabels(true);
        scale.SetPrecisionStyle(ipsFixedDecimalPoints);
        scale.SetScaleMin(0);
        scale.SetScaleMax(100);
        scale.SetPixelMin(110);
        scale.SetPixelMax(10);
        scale.SetBaseLine(10);
    }

    void Draw() { scale.Draw(picture.Canvas()); }

    TBitmap picture;
    Scale scale;
};

} // namespace

TEST(ScaleObjectSettings, CountsAndLengthsAreKeptWithinTheirLimits) {
    Scale scale;
    int changes = 0;
    scale.OnChange = [&](TObject*) { ++changes; };
    scale.SetTickMajorCount(1);
    EXPECT_EQ(scale.TickMajorCount(), 2);
    scale.SetTickMajorCount(500);
    EXPECT_EQ(scale.TickMajorCount(), 100);
    scale.SetTickMinorCount(0);
    EXPECT_EQ(scale.TickMinorCount(), 1);
    scale.SetTickMinorCount(101);
    EXPECT_EQ(scale.TickMinorCount(), 100);
    scale.SetTickMajorLength(-4);
    EXPECT_EQ(scale.TickMajorLength(), 1);
    scale.SetTickMinorLength(0);
    EXPECT_EQ(scale.TickMinorLength(), 1);
    EXPECT_EQ(changes, 6);

    // A value clamped back to the one held changes nothing and asks for nothing.
    scale.SetTickMajorCount(101);
    scale.SetTickMinorLength(-3);
    scale.SetTickLabelPrecision(-1);
    scale.SetTickMajorColor(clBlack);
    EXPECT_EQ(scale.TickLabelPrecision(), 0);
    EXPECT_EQ(changes, 6);
}

TEST(ScaleObjectSettings, TheLabelFontIsCopiedAndEachOfItsChangesReported) {
    Scale scale;
    int changes = 0;
    scale.OnChange = [&](TObject*) { ++changes; };
    TFont font;
    font.SetName("Arial");
    scale.SetTickLabelFont(font);
    EXPECT_EQ(scale.TickLabelFont().Name(), "Arial");
    EXPECT_EQ(changes, 1);
    font.SetName("Tahoma");
    EXPECT_EQ(scale.TickLabelFont().Name(), "Arial");
    scale.TickLabelFont().SetHeight(-20);
    EXPECT_EQ(changes, 2);
}

TEST(ScaleObjectGeometry, ValuesMapOntoThePixelSpanEitherWayRound) {
    Scale scale;
    scale.SetScaleMin(0);
    scale.SetScaleMax(240);
    scale.SetPixelMin(10);
    scale.SetPixelMax(250);
    EXPECT_EQ(scale.ValueToPixel(0), 10);
    EXPECT_EQ(scale.ValueToPixel(60), 70);
    EXPECT_EQ(scale.ValueToPixel(300), 310);
    // Halves go to the even neighbour.
    scale.SetPixelMax(11);
    EXPECT_EQ(scale.ValueToPixel(120), 10);
    EXPECT_EQ(scale.ValueToPixel(360), 12);

    scale.SetPixelMax(250);
    scale.SetReverseScale(true);
    EXPECT_EQ(scale.ValueToPixel(0), 250);
    EXPECT_EQ(scale.ValueToPixel(240), 10);

    scale.SetScaleMax(0);
    EXPECT_EQ(scale.ValueToPixel(0), 130);
    EXPECT_EQ(scale.ValueToPixel(1e9), 130);
}

TEST(ScaleLabels, DecimalsFollowTheStyleAndTheWidthOfTheRange) {
    EXPECT_EQ(Scale::LabelDecimalsFor(ipsFixedDecimalPoints, 2, 240), 2);
    EXPECT_EQ(Scale::LabelDecimalsFor(ipsSignificantDigits, 3, 240), 0);
    EXPECT_EQ(Scale::LabelDecimalsFor(ipsSignificantDigits, 3, 14), 1);
    EXPECT_EQ(Scale::LabelDecimalsFor(ipsSignificantDigits, 3, 0.5), 3);
    EXPECT_EQ(Scale::LabelDecimalsFor(ipsSignificantDigits, 3, 0.0137), 4);
    EXPECT_EQ(Scale::LabelDecimalsFor(ipsSignificantDigits, 3, 1), 2);
    EXPECT_EQ(Scale::LabelDecimalsFor(ipsSignificantDigits, 3, 12345), 0);
    EXPECT_EQ(Scale::LabelDecimalsFor(ipsSignificantDigits, 3, 0), 0);
    EXPECT_EQ(Scale::LabelDecimalsFor(ipsSignificantDigits, 0, 0.001), 0);

    Scale scale;
    scale.SetTickLabelPrecision(3);
    scale.SetScaleMax(0.5);
    EXPECT_EQ(scale.LabelDecimals(), 3);
}

TEST(ScaleLabels, TextIsFixedPointWithTheUsersSeparatorAndNoNegativeZero) {
    const std::string separator = UserDecimalSeparator();
    EXPECT_EQ(Scale::FormatTickLabel(60, 0), "60");
    EXPECT_EQ(Scale::FormatTickLabel(1234567.0, 0), "1234567");
    EXPECT_EQ(Scale::FormatTickLabel(2.5, 2), "2" + separator + "50");
    EXPECT_EQ(Scale::FormatTickLabel(-7, 1), "-7" + separator + "0");
    EXPECT_EQ(Scale::FormatTickLabel(0.125, 2), "0" + separator + "12");
    EXPECT_EQ(Scale::FormatTickLabel(-2.7e-17, 1), "0" + separator + "0");
    EXPECT_EQ(Scale::FormatTickLabel(-0.4, 0), "0");
    EXPECT_EQ(Scale::FormatTickLabel(3, -2), "3");
}

TEST(ScaleLabels, DigitsAreThoseOfPrintfsFixedFormatAtEveryScale) {
    const std::string separator = UserDecimalSeparator();
    // Ties that round to even, long expansions, the ends of the double range and beyond.
    const double values[] = {0.5,     1.5,     2.5,   0.125,   0.375,      1e22,
                             1.7e308, -1e-300, 4.35,  -0.05,   123456.789, 1e-5,
                             9.995,   0.045,   -1e15, 1.0 / 3, INFINITY,   -INFINITY};
    for (double value : values) {
        for (int decimals : {0, 1, 2, 3, 7, 18}) {
            char printed[400];
            std::snprintf(printed, sizeof printed, "%.*f", decimals, value);
            std::string expected = printed;
            if (expected.find_first_of("123456789") == std::string::npos)
                expected.erase(0, expected.find_first_not_of('-'));
            const std::size_t point = expected.find('.');
            if (point != std::string::npos)
                expected.replace(point, 1, separator);
            EXPECT_EQ(Scale::FormatTickLabel(value, decimals), expected)
                << value << " with " << decimals << " decimals";
        }
    }
}

TEST(ScaleAutoRange, RangesWidenToTheSmallestRoundGridThatCoversThem) {
    struct Case {
        double min, max, newMin, newMax;
        int ticks;
    };
    const Case cases[] = {
        {0, 97, 0, 100, 5},        {0, 240, 0, 250, 6},
        {-3, 17, -5, 20, 6},       {0, 14, 0, 15, 4},
        {0, 200, 0, 200, 5},       {0, 0.0137, 0, 0.015, 4},
        {-7, 1234, -500, 1500, 5}, {-240, 0, -250, 0, 6},
        {-17, -3, -20, 0, 5},      {1e12, 1e12 + 1, 1e12, 1e12 + 1, 5},
    };
    for (const Case& c : cases) {
        const Scale::TAutoRange range = Scale::AutoScaleRange(5, 6, c.min, c.max);
        ASSERT_TRUE(range.Found) << c.min << " .. " << c.max;
        EXPECT_NEAR(range.NewMin, c.newMin, 1e-12 * std::max(1.0, std::abs(c.newMin))) << c.max;
        EXPECT_NEAR(range.NewMax, c.newMax, 1e-12 * std::max(1.0, std::abs(c.newMax))) << c.max;
        EXPECT_EQ(range.TickCount, c.ticks) << c.min << " .. " << c.max;
    }
}

TEST(ScaleAutoRange, FixedRangesGetRoundTicksInsideThem) {
    struct Case {
        double min, max, first, last;
        int ticks;
    };
    const Case cases[] = {
        {3, 97, 20, 80, 4},  {0, 240, 0, 200, 5},    {0, 14, 0, 10, 3},
        {0, 200, 0, 200, 5}, {-7, 1234, 0, 1000, 5},
    };
    for (const Case& c : cases) {
        const Scale::TFixedTicks ticks = Scale::FixedScaleRange(5, 6, c.min, c.max);
        ASSERT_TRUE(ticks.Found) << c.min << " .. " << c.max;
        EXPECT_DOUBLE_EQ(ticks.FirstTick, c.first) << c.min << " .. " << c.max;
        EXPECT_DOUBLE_EQ(ticks.LastTick, c.last) << c.min << " .. " << c.max;
        EXPECT_EQ(ticks.TickCount, c.ticks) << c.min << " .. " << c.max;
    }
}

TEST(ScaleAutoRange, AnEmptyRangeKeepsItsBoundsWithTwoTicks) {
    const Scale::TAutoRange range = Scale::AutoScaleRange(5, 6, 7, 7);
    EXPECT_TRUE(range.Found);
    EXPECT_EQ(range.NewMin, 7);
    EXPECT_EQ(range.NewMax, 7);
    EXPECT_EQ(range.TickCount, 2);
    const Scale::TFixedTicks ticks = Scale::FixedScaleRange(5, 6, 7, 7);
    EXPECT_EQ(ticks.FirstTick, 7);
    EXPECT_EQ(ticks.TickCount, 2);
}

TEST(ScaleAutoRange, WhenNoGridPassesTheRangeIsReportedUnchanged) {
    // Two ticks around zero can never cover a range on both sides of it.
    const Scale::TAutoRange range = Scale::AutoScaleRange(2, 2, -1, 9);
    EXPECT_FALSE(range.Found);
    EXPECT_EQ(range.NewMin, -1);
    EXPECT_EQ(range.NewMax, 9);
    const Scale::TAutoRange broken = Scale::AutoScaleRange(5, 6, 0, std::nan(""));
    EXPECT_FALSE(broken.Found);
}

TEST(ScaleAutoRange, NiceCountsPreferTheDesiredOneAndTheLargerOnATie) {
    EXPECT_EQ(Scale::NiceTickCount(5, 6, 100), 5);
    EXPECT_EQ(Scale::NiceTickCount(4, 6, 10), 5);
    EXPECT_EQ(Scale::NiceTickCount(5, 6, 240), 7);
    EXPECT_EQ(Scale::NiceTickCount(5, 1, 100), 2);
    EXPECT_EQ(Scale::NiceTickCount(5, 6, 0), 7);
    // No scale has more than 100 major ticks, however many are allowed.
    EXPECT_EQ(Scale::NiceTickCount(500, 1 << 30, 100), 51);
}

TEST(ScaleAutoRange, GridTestsReportTheirTicks) {
    const Scale::TTickSpan cover = Scale::CoverRange(5, 100, 97, 0);
    EXPECT_TRUE(cover.Success);
    EXPECT_EQ(cover.Hi, 100);
    const Scale::TTickSpan inside = Scale::InsideRange(5, 80, 97, 3);
    EXPECT_FALSE(inside.Success);
    EXPECT_EQ(inside.Lo, 20);
    EXPECT_EQ(inside.Hi, 100);
}

TEST_F(ScaleDrawing, AVerticalScaleGrowsRightWithLabelsBeyondTheMajorTicks) {
    Draw();
    // Major ticks from x = 15 for seven pixels, at every quarter of the span.
    for (int y : {110, 85, 60, 35, 10}) {
        EXPECT_NE(picture.Pixel(15, y), clWhite) << y;
        EXPECT_NE(picture.Pixel(21, y), clWhite) << y;
        EXPECT_EQ(picture.Pixel(22, y), clWhite) << y;
    }
    // Four minor ticks of three pixels between the first two.
    for (int y : {105, 100, 95, 90}) {
        EXPECT_NE(picture.Pixel(17, y), clWhite) << y;
        EXPECT_EQ(picture.Pixel(18, y), clWhite) << y;
    }
    EXPECT_FALSE(Inked(picture, 15, 86, 22, 90));
    // Labels start at 15 + 7 + 5 and are centred on their tick.
    EXPECT_FALSE(Inked(picture, 22, 0, 27, 130));
    EXPECT_TRUE(Inked(picture, 27, 54, 60, 66));
    EXPECT_FALSE(Inked(picture, 27, 69, 160, 77));
}

TEST_F(ScaleDrawing, AVerticalScaleOnTheLeftRightAlignsItsLabels) {
    scale.SetOrientationTickMarks(iosTopLeft);
    scale.SetBaseLine(120);
    Draw();
    EXPECT_NE(picture.Pixel(115, 60), clWhite);
    EXPECT_NE(picture.Pixel(109, 60), clWhite);
    EXPECT_EQ(picture.Pixel(108, 60), clWhite);
    // Labels end at 115 - 7 - 5 = 103, whatever their width.
    EXPECT_FALSE(Inked(picture, 103, 0, 109, 130));
    EXPECT_TRUE(Inked(picture, 98, 105, 103, 116));
    EXPECT_TRUE(Inked(picture, 98, 5, 103, 16));
}

TEST_F(ScaleDrawing, AHorizontalScaleBelowCentresItsLabelsUnderTheTicks) {
    scale.SetOrientation(ioHorizontal);
    scale.SetPixelMin(20);
    scale.SetPixelMax(140);
    Draw();
    for (int x : {20, 50, 80, 110, 140}) {
        EXPECT_NE(picture.Pixel(x, 15), clWhite) << x;
        EXPECT_EQ(picture.Pixel(x, 22), clWhite) << x;
    }
    EXPECT_TRUE(Inked(picture, 70, 27, 90, 45));
    EXPECT_FALSE(Inked(picture, 0, 0, 160, 15));
}

TEST_F(ScaleDrawing, AHorizontalScaleAboveGrowsUpwards) {
    scale.SetOrientation(ioHorizontal);
    scale.SetOrientationTickMarks(iosTopLeft);
    scale.SetPixelMin(20);
    scale.SetPixelMax(140);
    scale.SetBaseLine(120);
    Draw();
    EXPECT_NE(picture.Pixel(80, 115), clWhite);
    EXPECT_NE(picture.Pixel(80, 109), clWhite);
    EXPECT_EQ(picture.Pixel(80, 108), clWhite);
    EXPECT_FALSE(Inked(picture, 0, 104, 160, 109));
    EXPECT_TRUE(Inked(picture, 70, 85, 90, 103));
    EXPECT_FALSE(Inked(picture, 0, 116, 160, 130));
}

TEST_F(ScaleDrawing, MinorTicksNeedTheMajorOnesAndEndTicksCanBeLeftOut) {
    scale.SetShowTicksMajor(false);
    scale.SetShowTickLabels(false);
    Draw();
    EXPECT_FALSE(Inked(picture, 0, 0, 160, 130));

    scale.SetShowTicksMajor(true);
    scale.SetShowEndTicks(false);
    Draw();
    EXPECT_EQ(picture.Pixel(15, 110), clWhite);
    EXPECT_EQ(picture.Pixel(15, 10), clWhite);
    EXPECT_NE(picture.Pixel(15, 60), clWhite);
    EXPECT_NE(picture.Pixel(15, 105), clWhite);
}

TEST_F(ScaleDrawing, MinorTicksCanSitInTheMiddleOrAtTheFarEnd) {
    scale.SetTickMinorAlignment(itmnaOutside);
    Draw();
    EXPECT_EQ(picture.Pixel(18, 105), clWhite);
    EXPECT_NE(picture.Pixel(19, 105), clWhite);
    EXPECT_NE(picture.Pixel(21, 105), clWhite);

    picture.Fill(clWhite);
    scale.SetSwapMinorAlignment(true);
    Draw();
    EXPECT_NE(picture.Pixel(15, 105), clWhite);
    EXPECT_EQ(picture.Pixel(18, 105), clWhite);

    picture.Fill(clWhite);
    scale.SetTickMinorAlignment(itmnaCenter);
    Draw();
    EXPECT_EQ(picture.Pixel(16, 105), clWhite);
    EXPECT_NE(picture.Pixel(17, 105), clWhite);
    EXPECT_NE(picture.Pixel(19, 105), clWhite);
    EXPECT_EQ(picture.Pixel(20, 105), clWhite);
}

TEST_F(ScaleDrawing, AReversedScalePutsTheFirstLabelAtTheFarEnd) {
    scale.SetReverseScale(true);
    scale.OnCustomizeTickLabel = [](TObject*, int index, std::string& text) {
        text = index == 0 ? "W" : "";
    };
    Draw();
    EXPECT_TRUE(Inked(picture, 27, 3, 60, 18));
    EXPECT_FALSE(Inked(picture, 27, 18, 160, 130));
}

TEST_F(ScaleDrawing, AFixedRangeContinuesTheMinorGridOutToItsEnds) {
    scale.SetShowTickLabels(false);
    scale.SetScaleMin(3);
    scale.SetScaleMax(97);
    scale.SetPixelMin(97);
    scale.SetPixelMax(3);
    scale.SetAutoScaleStyle(iassFixedMinMax);
    scale.SetAutoScaleEnabled(true);
    scale.SetAutoScaleFirstTick(20);
    scale.SetAutoScaleLastTick(80);
    scale.SetTickMajorCount(4);
    Draw();
    // Value v lies at y = 100 - v; minor ticks every 4 beyond the round ticks.
    for (int value : {84, 88, 92, 96, 16, 12, 8, 4})
        EXPECT_NE(picture.Pixel(15, 100 - value), clWhite) << value;
    EXPECT_FALSE(Inked(picture, 15, 0, 22, 3));
    EXPECT_EQ(picture.Pixel(15, 100 - 86), clWhite);
}

TEST_F(ScaleDrawing, StaleRoundTicksFarInsideAHugeRangeStillDrawInBoundedTime) {
    scale.SetShowTickLabels(false);
    scale.SetScaleMax(1e15);
    scale.SetAutoScaleStyle(iassFixedMinMax);
    scale.SetAutoScaleEnabled(true);
    scale.SetAutoScaleLastTick(1);
    scale.SetTickMajorCount(2);
    Draw();
    EXPECT_NE(picture.Pixel(15, 110), clWhite);
}

TEST_F(ScaleDrawing, EtchedTicksIgnoreTheTickColour) {
    picture.Fill(clGray);
    scale.SetShowTickLabels(false);
    scale.SetShowTicksMinor(false);
    scale.SetTickMajorColor(clRed);
    scale.SetTickMajorStyle(ibsRaised);
    Draw();
    bool white = false;
    for (int y = 58; y <= 62; ++y) {
        EXPECT_NE(picture.Pixel(17, y), clRed);
        white = white || picture.Pixel(17, y) == clWhite;
    }
    EXPECT_TRUE(white);
}
