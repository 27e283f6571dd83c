#include "widgets/core/Numeric.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>

namespace {

// Converting an out-of-range double to int is undefined; widgets feed this arbitrary geometry.
int SaturateToInt(double whole) {
    if (std::isnan(whole)) {
        return 0;
    }
    return static_cast<int>(std::clamp(whole, double{INT_MIN}, double{INT_MAX}));
}

double NearestEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5) {
        return below;
    }
    if (fraction > 0.5) {
        return below + 1;
    }
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

// One axis of BoundingRectMin: {low, high}.
struct Span {
    int low;
    int high;
};

Span WidenedSpan(int low, int high, int minSize) {
    if (static_cast<long long>(high) - low > minSize) {
        return {low, high};
    }
    const auto middle = static_cast<int>((static_cast<long long>(low) + high) / 2);
    const int half = minSize / 2;
    return {middle - half, middle - half + minSize};
}

} // namespace

int Round(double value) {
    return SaturateToInt(NearestEven(value));
}

int RoundHalfUp(double value) {
    return SaturateToInt(std::trunc(value + 0.5));
}

double RadToDeg(double radians) {
    return radians * 57.295779513082320877;
}

double DegToRad(double degrees) {
    return degrees * 0.017453292519943295769;
}

double ArcTan2(double y, double x) {
    const double angle = std::atan2(y, x);
    return angle == -std::numbers::pi ? std::numbers::pi : angle;
}

double Log10(double value) {
    return std::log10(value);
}

double Power(double base, double exponent) {
    if (base > 0) {
        return std::exp2(exponent * std::log2(base));
    }
    return std::pow(base, exponent);
}

TPoint PolarPoint(TPoint center, double radius, double degrees) {
    const double radians = DegToRad(degrees);
    return {center.X + Round(radius * std::cos(radians)),
            center.Y - Round(radius * std::sin(radians))};
}

TRealPoint PolarPointReal(TRealPoint center, double radius, double degrees) {
    const double radians = DegToRad(degrees);
    return {center.X + radius * std::cos(radians), center.Y - radius * std::sin(radians)};
}

TPoint RealPointToPoint(TRealPoint point) {
    return {Round(point.X), Round(point.Y)};
}

TRect BoundingRectMin(std::span<const TPoint> points, int minSize) {
    if (points.empty()) {
        return {};
    }
    TPoint low = points.front();
    TPoint high = points.front();
    for (const TPoint& p : points) {
        low = {std::min(low.X, p.X), std::min(low.Y, p.Y)};
        high = {std::max(high.X, p.X), std::max(high.Y, p.Y)};
    }
    const Span x = WidenedSpan(low.X, high.X, minSize);
    const Span y = WidenedSpan(low.Y, high.Y, minSize);
    return {x.low, y.low, x.high, y.high};
}

TColor DimColor(TColor color, int divisor) {
    const int d = std::max(divisor, 1);
    return RGB(static_cast<std::uint8_t>(GetRValue(color) / d),
               static_cast<std::uint8_t>(GetGValue(color) / d),
               static_cast<std::uint8_t>(GetBValue(color) / d));
}
