#include "widgets/scale/iScaleObject.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

#include "widgets/core/Drawing.h"
#include "widgets/core/LocaleFloat.h"
#include "widgets/core/Numeric.h"

namespace {

constexpr int MinTickMajorCount = 2;
// No scale draws more major or minor ticks; auto-scaling never proposes more either.
constexpr int MaxTickCount = 100;
// More decimals than a double carries only show noise.
constexpr int MaxLabelDecimals = 18;
// A sign, the 309 integer digits of the largest double, the point and the decimals.
constexpr std::size_t MaxFixedLength = 1 + 309 + 1 + MaxLabelDecimals;
// Steps and spans are products of powers of ten that binary fractions cannot hold exactly;
// comparisons between them allow this much relative slack.
constexpr double Slack = 1e-9;

// A step is round when it is 1, 2, 2.5, 5 or 7.5 times a power of ten.
bool IsNiceStep(double step) {
    if (!(step > 0) || !std::isfinite(step))
        return false;
    const double exponent = std::trunc(std::log10(step));
    const int mantissa = Round(step / std::pow(10.0, exponent) * 1000);
    static constexpr std::array<int, 10> nice = {100,  200,  250,  500,  750,
                                                 1000, 2000, 2500, 5000, 7500};
    return std::find(nice.begin(), nice.end(), mantissa) != nice.end();
}

// Whether each count of ticks from 0 to maxCount gives a round step over span.
std::vector<bool> NiceCounts(int maxCount, double span) {
    std::vector<bool> nice(static_cast<std::size_t>(std::max(maxCount, 1)) + 1, false);
    for (int count = MinTickMajorCount; count <= maxCount; ++count)
        nice[static_cast<std::size_t>(count)] = IsNiceStep(span / (count - 1));
    return nice;
}

// The nice count up to maxCount nearest the desired one, the larger on a tie; maxCount + 1 when
// none is nice.
int NearestNiceCount(int desired, int maxCount, const std::vector<bool>& nice) {
    int best = maxCount + 1;
    for (int count = MinTickMajorCount; count <= maxCount; ++count) {
        if (nice[static_cast<std::size_t>(count)] &&
            (best > maxCount || std::abs(desired - count) <= std::abs(desired - best)))
            best = count;
    }
    return best;
}

// The largest power of ten not above the width (one lower at exact powers below 1).
double PowerOfTen(double width) {
    double power = std::pow(10.0, std::trunc(std::log10(width)));
    if (width < 1)
        power /= 10;
    return power;
}

// Grid positions as whole multiples of the step, so that zero is exactly a tick and a range far
// from zero is reached by one division rather than walked tick by tick.
// The slack follows the magnitude, as a quotient far from zero carries a larger rounding error.
double QuotientSlack(double quotient) {
    return Slack + std::abs(quotient) * 4 * std::numeric_limits<double>::epsilon();
}
double StepsAtOrBelow(double value, double step) {
    const double quotient = value / step;
    return std::floor(quotient + QuotientSlack(quotient));
}
double StepsAtOrAbove(double value, double step) {
    const double quotient = value / step;
    return std::ceil(quotient - QuotientSlack(quotient));
}

// Adding zero turns a negative zero into zero, which labels and comparisons expect.
double GridValue(double steps, double step) {
    return steps * step + 0.0;
}

// A clear label for a value that rounds to zero, whatever sign its rounding error had.
void DropNegativeZero(std::string& text) {
    if (text.empty() || text[0] != '-')
        return;
    if (text.find_first_of("123456789", 1) == std::string::npos)
        text.erase(0, 1);
}

} // namespace

TiScaleObject::TiScaleObject() {
    m_tickLabelFont.OnChange = [this](TObject*) { Changed(); };
}

template <class T> void TiScaleObject::Store(const T& value, T& field) {
    if (value == field)
        return;
    field = value;
    Changed();
}

void TiScaleObject::Changed() {
    if (OnChange)
        OnChange(this);
}

void TiScaleObject::SetShowTicksMinor(bool value) {
    Store(value, m_showTicksMinor);
}

void TiScaleObject::SetShowTicksMajor(bool value) {
    Store(value, m_showTicksMajor);
}

void TiScaleObject::SetShowTickLabels(bool value) {
    Store(value, m_showTickLabels);
}

void TiScaleObject::SetTickMinorCount(int value) {
    Store(std::clamp(value, 1, MaxTickCount), m_tickMinorCount);
}

void TiScaleObject::SetTickMinorLength(int value) {
    Store(std::max(value, 1), m_tickMinorLength);
}

void TiScaleObject::SetTickMajorLength(int value) {
    Store(std::max(value, 1), m_tickMajorLength);
}

void TiScaleObject::SetTickMargin(int value) {
    Store(value, m_tickMargin);
}

void TiScaleObject::SetTickMajorCount(int value) {
    Store(std::clamp(value, MinTickMajorCount, MaxTickCount), m_tickMajorCount);
}

void TiScaleObject::SetTickLabelPrecision(int value) {
    Store(std::max(value, 0), m_tickLabelPrecision);
}

void TiScaleObject::SetTickLabelMargin(int value) {
    Store(value, m_tickLabelMargin);
}

void TiScaleObject::SetTickMinorColor(TColor value) {
    Store(value, m_tickMinorColor);
}

void TiScaleObject::SetTickMajorColor(TColor value) {
    Store(value, m_tickMajorColor);
}

void TiScaleObject::SetTickLabelFont(const TFont& value) {
    if (&value == &m_tickLabelFont) {
        Changed();
        return;
    }
    m_tickLabelFont = value;
}

void TiScaleObject::SetScaleMax(double value) {
    Store(value, m_scaleMax);
}

void TiScaleObject::SetScaleMin(double value) {
    Store(value, m_scaleMin);
}

void TiScaleObject::SetPixelMin(int value) {
    Store(value, m_pixelMin);
}

void TiScaleObject::SetPixelMax(int value) {
    Store(value, m_pixelMax);
}

void TiScaleObject::SetTickMinorAlignment(TiTickMinorAlignment value) {
    Store(value, m_tickMinorAlignment);
}

void TiScaleObject::SetOrientation(TiOrientation value) {
    Store(value, m_orientation);
}

void TiScaleObject::SetOrientationTickMarks(TiOrientationSide value) {
    Store(value, m_orientationTickMarks);
}

void TiScaleObject::SetBaseLine(int value) {
    Store(value, m_baseLine);
}

void TiScaleObject::SetTickMajorStyle(TiBevelStyle value) {
    Store(value, m_tickMajorStyle);
}

void TiScaleObject::SetTickMinorStyle(TiBevelStyle value) {
    Store(value, m_tickMinorStyle);
}

void TiScaleObject::SetShowEndTicks(bool value) {
    Store(value, m_showEndTicks);
}

void TiScaleObject::SetSwapMinorAlignment(bool value) {
    Store(value, m_swapMinorAlignment);
}

void TiScaleObject::SetReverseScale(bool value) {
    Store(value, m_reverseScale);
}

void TiScaleObject::SetPrecisionStyle(TiPrecisionStyle value) {
    Store(value, m_precisionStyle);
}

void TiScaleObject::SetAutoScaleEnabled(bool value) {
    Store(value, m_autoScaleEnabled);
}

void TiScaleObject::SetAutoScaleMaxTicks(int value) {
    Store(value, m_autoScaleMaxTicks);
}

void TiScaleObject::SetAutoScaleDesiredTicks(int value) {
    Store(value, m_autoScaleDesiredTicks);
}

void TiScaleObject::SetAutoScaleStyle(TiAutoScaleStyle value) {
    Store(value, m_autoScaleStyle);
}

void TiScaleObject::SetAutoScaleFirstTick(double value) {
    Store(value, m_autoScaleFirstTick);
}

void TiScaleObject::SetAutoScaleLastTick(double value) {
    Store(value, m_autoScaleLastTick);
}

int TiScaleObject::ValueToPixel(double value) const {
    int a = m_pixelMin;
    int b = m_pixelMax;
    if (m_reverseScale)
        std::swap(a, b);
    if (m_scaleMax == m_scaleMin)
        return (a + b) / 2;
    return a - Round((value - m_scaleMin) / (m_scaleMax - m_scaleMin) * (a - b));
}

int TiScaleObject::LabelDecimals() const {
    return LabelDecimalsFor(m_precisionStyle, m_tickLabelPrecision,
                            std::abs(m_scaleMax - m_scaleMin));
}

int TiScaleObject::LabelDecimalsFor(TiPrecisionStyle style, int precision, double rangeWidth) {
    if (style == ipsFixedDecimalPoints)
        return precision;
    if (precision == 0 || rangeWidth == 0 || !std::isfinite(rangeWidth))
        return 0;
    int decimals = precision - (static_cast<int>(std::trunc(std::log10(rangeWidth))) + 1);
    if (rangeWidth < 1)
        ++decimals;
    return std::max(decimals, 0);
}

std::string TiScaleObject::FormatTickLabel(double value, int decimals) {
    decimals = std::clamp(decimals, 0, MaxLabelDecimals);
    // The same digits as "%.*f" in the C locale, without printf's multi-precision detour that
    // dominated every dial's background paint.
    std::array<char, MaxFixedLength> digits;
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                       std::chars_format::fixed, decimals);
    std::string text(digits.data(), written.ptr);
    DropNegativeZero(text);
    const std::size_t point = text.find('.');
    if (point != std::string::npos)
        text.replace(point, 1, UserDecimalSeparator());
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

int TiScaleObject::Direction() const {
    return m_orientationTickMarks == iosBottomRight ? 1 : -1;
}

int TiScaleObject::MinorStart(int majorStart) const {
    TiTickMinorAlignment alignment = m_tickMinorAlignment;
    if (m_swapMinorAlignment && alignment != itmnaCenter)
        alignment = alignment == itmnaInside ? itmnaOutside : itmnaInside;
    switch (alignment) {
    case itmnaCenter:
        return majorStart + Direction() * (m_tickMajorLength / 2 - m_tickMinorLength / 2);
    case itmnaOutside:
        return majorStart + Direction() * (m_tickMajorLength - m_tickMinorLength);
    case itmnaInside:
        break;
    }
    return majorStart;
}

int TiScaleObject::LabelPosition(int majorStart) const {
    return majorStart + Direction() * (m_tickMajorLength + m_tickLabelMargin);
}

void TiScaleObject::Draw(TCanvas& canvas) {
    const bool roundTicks = m_autoScaleEnabled && m_autoScaleStyle == iassFixedMinMax;
    const double start = roundTicks ? m_autoScaleFirstTick : m_scaleMin;
    const double end = roundTicks ? m_autoScaleLastTick : m_scaleMax;
    const double majorStep = (end - start) / (m_tickMajorCount - 1);
    const double minorStep = majorStep / (m_tickMinorCount + 1);
    canvas.Brush().SetStyle(bsClear);
    canvas.Font() = m_tickLabelFont;
    const int majorStart = m_baseLine + Direction() * m_tickMargin;
    const int labelPos = LabelPosition(majorStart);
    const int minorStart = MinorStart(majorStart);
    const int last = m_tickMajorCount - 1;

    for (int i = 0; i <= last; ++i) {
        const double value = start + i * majorStep;
        const int pixel = ValueToPixel(value);
        // Major tick.
        if (m_showTicksMajor && (m_showEndTicks || (i != 0 && i != last))) {
            canvas.Pen().SetColor(m_tickMajorColor);
            DrawTick(canvas, pixel, majorStart, m_tickMajorLength, m_tickMajorStyle);
        }
        // Its label.
        if (m_showTickLabels)
            DrawLabel(canvas, i, value, pixel, labelPos);
        // Minor ticks up to the next major one.
        if (m_showTicksMinor && m_showTicksMajor && i < last) {
            canvas.Pen().SetColor(m_tickMinorColor);
            for (int j = 1; j <= m_tickMinorCount; ++j)
                DrawMinorTick(canvas, value + j * minorStep, minorStart);
        }
    }
    // Minor ticks from the round first and last ticks out to the ends of a fixed range; a
    // reversed or empty span of ticks has no grid to continue.
    if (m_autoScaleStyle == iassFixedMinMax && m_showTicksMinor && minorStep > 0)
        FillFixedRange(canvas, start, end, minorStep, minorStart);
}

void TiScaleObject::DrawTick(TCanvas& canvas, int pixel, int start, int length,
                             TiBevelStyle style) {
    const int stop = start + Direction() * length;
    const bool vertical = m_orientation == ioVertical;
    const int x1 = vertical ? start : pixel;
    const int y1 = vertical ? pixel : start;
    const int x2 = vertical ? stop : pixel;
    const int y2 = vertical ? pixel : stop;
    if (style == ibsNone)
        DrawLine(canvas, x1, y1, x2, y2);
    else
        DrawEtchedLine(canvas, x1, y1, x2, y2, style);
}

void TiScaleObject::DrawMinorTick(TCanvas& canvas, double value, int minorStart) {
    DrawTick(canvas, ValueToPixel(value), minorStart, m_tickMinorLength, m_tickMinorStyle);
}

void TiScaleObject::DrawLabel(TCanvas& canvas, int index, double value, int pixel, int labelPos) {
    std::string text = FormatTickLabel(value, LabelDecimals());
    if (OnCustomizeTickLabel)
        OnCustomizeTickLabel(this, index, text);
    const int width = canvas.TextWidth(text);
    const int height = canvas.TextHeight(text);
    const bool bottomRight = m_orientationTickMarks == iosBottomRight;
    if (m_orientation == ioVertical)
        canvas.TextOut(bottomRight ? labelPos : labelPos - width, pixel - height / 2, text);
    else
        canvas.TextOut(pixel - width / 2, bottomRight ? labelPos : labelPos - height, text);
}

void TiScaleObject::FillFixedRange(TCanvas& canvas, double start, double end, double minorStep,
                                   int minorStart) {
    // Ticks denser than the pixels cannot show; the cap also keeps a stale first or last tick
    // far inside a much wider range from drawing for ever.
    const double limit = std::abs(m_pixelMax - m_pixelMin) + 1;
    const double up = std::min(StepsAtOrBelow(m_scaleMax - end, minorStep), limit);
    const double down = std::min(StepsAtOrBelow(start - m_scaleMin, minorStep), limit);
    canvas.Pen().SetColor(m_tickMinorColor);
    for (double k = 1; k <= up; ++k)
        DrawMinorTick(canvas, end + k * minorStep, minorStart);
    for (double k = 1; k <= down; ++k)
        DrawMinorTick(canvas, start - k * minorStep, minorStart);
}

int TiScaleObject::NiceTickCount(int desiredTicks, int maxCount, double span) {
    maxCount = std::min(maxCount, MaxTickCount);
    if (maxCount < MinTickMajorCount)
        return maxCount + 1;
    return NearestNiceCount(desiredTicks, maxCount, NiceCounts(maxCount, span));
}

TiScaleObject::TTickSpan TiScaleObject::CoverRange(int count, double span, double max, double min) {
    const double step = span / (count - 1);
    double lo = 0;
    if (max > 0 && min < 0) {
        lo = StepsAtOrBelow(min, step);
    } else if (max > 0) {
        lo = std::max(StepsAtOrAbove(max, step) - (count - 1), 0.0);
    } else {
        lo = std::min(StepsAtOrBelow(min, step), 0.0);
        if (lo + (count - 1) > 0)
            lo -= 1;
    }
    TTickSpan result{GridValue(lo, step), GridValue(lo + count - 1, step), false};
    const double slack = step * Slack;
    result.Success = result.Hi >= max - slack && result.Lo <= min + slack;
    return result;
}

TiScaleObject::TTickSpan TiScaleObject::InsideRange(int count, double span, double max,
                                                    double min) {
    const double step = span / (count - 1);
    double lo = 0;
    if (min >= 0 || max > 0)
        lo = StepsAtOrAbove(min, step);
    else
        lo = StepsAtOrBelow(max, step) - (count - 1);
    TTickSpan result{GridValue(lo, step), GridValue(lo + count - 1, step), false};
    const double slack = step * Slack;
    result.Success =
        result.Hi <= max + slack && result.Lo >= min - slack && result.Hi + step > max + slack;
    return result;
}

TiScaleObject::TAutoRange TiScaleObject::AutoScaleRange(int desiredTicks, int maxTicks, double min,
                                                        double max) {
    TAutoRange result{min, max, 2, false};
    if (!std::isfinite(min) || !std::isfinite(max))
        return result;
    if (min == max) {
        result.Found = true;
        return result;
    }
    maxTicks = std::min(maxTicks, MaxTickCount);
    const double width = std::abs(max - min);
    const double power = PowerOfTen(width);
    for (int i = 2; i <= 40; ++i) {
        const double span = power * 0.5 * i;
        if (width > span * (1 + Slack))
            continue;
        const int count = NiceTickCount(desiredTicks, maxTicks, span);
        if (count > maxTicks)
            continue;
        const TTickSpan ticks = CoverRange(count, span, max, min);
        if (ticks.Success)
            return {ticks.Lo, ticks.Hi, count, true};
    }
    return result;
}

TiScaleObject::TFixedTicks TiScaleObject::FixedScaleRange(int desiredTicks, int maxTicks,
                                                          double min, double max) {
    TFixedTicks result{min, max, 2, false};
    if (!std::isfinite(min) || !std::isfinite(max))
        return result;
    if (min == max) {
        result.Found = true;
        return result;
    }
    maxTicks = std::min(maxTicks, MaxTickCount);
    const double width = std::abs(max - min);
    const double power = PowerOfTen(width);
    for (int n = 100; n >= 2; --n) {
        const double span = power * n / 10;
        if (width < span * (1 - Slack))
            continue;
        const std::vector<bool> nice = NiceCounts(maxTicks, span);
        for (int k = maxTicks; k >= MinTickMajorCount; --k) {
            const int count = NearestNiceCount(desiredTicks, k, nice);
            if (count > k)
                continue;
            const TTickSpan ticks = InsideRange(count, span, max, min);
            if (ticks.Success)
                return {ticks.Lo, ticks.Hi, count, true};
        }
    }
    return result;
}
