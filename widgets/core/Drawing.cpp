#include "widgets/core/Drawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <utility>

#include "widgets/core/ArcBand.h"
#include "widgets/core/Numeric.h"

namespace {

void StrokeInColor(TCanvas& canvas, TColor color, TPoint from, TPoint to) {
    canvas.Pen().SetColor(color);
    DrawLine(canvas, from.X, from.Y, to.X, to.Y);
}

void DrawEtchedVertical(TCanvas& canvas, int x, int y1, int y2, TiBevelStyle style) {
    const auto [top, bottom] = std::minmax(y1, y2);
    if (style == ibsNone) {
        DrawLine(canvas, x, top, x, bottom);
        return;
    }
    const TColor left = style == ibsRaised ? clWhite : clBlack;
    const TColor right = style == ibsRaised ? clBlack : clWhite;
    StrokeInColor(canvas, left, {x - 1, top}, {x - 1, bottom});
    StrokeInColor(canvas, clWhite, {x, top}, {x, bottom});
    StrokeInColor(canvas, right, {x + 1, top}, {x + 1, bottom});
}

void DrawEtchedHorizontal(TCanvas& canvas, int x1, int y1, int x2, int y2, TiBevelStyle style) {
    // Only the x values are ordered: the y values travel with the endpoints as given.
    const auto [left, right] = std::minmax(x1, x2);
    if (style == ibsNone) {
        DrawLine(canvas, left, y1, right, y2);
        return;
    }
    const TColor upper = style == ibsRaised ? clWhite : clBlack;
    const TColor lower = style == ibsRaised ? clBlack : clWhite;
    StrokeInColor(canvas, upper, {left, y1}, {right, y2});
    StrokeInColor(canvas, lower, {left, y1 + 1}, {right, y2 + 1});
}

unsigned CanvasTextFormat(unsigned options) {
    static constexpr std::pair<unsigned, unsigned> flags[] = {
        {dtoCenter, DT_CENTER},
        {dtoRight, DT_RIGHT},
        {dtoVCenter, DT_VCENTER},
        {dtoBottom, DT_BOTTOM},
        {dtoWordBreak, DT_WORDBREAK},
        {dtoSingleLine, DT_SINGLELINE},
        {dtoExpandTabs, DT_EXPANDTABS},
        {dtoNoClip, DT_NOCLIP},
        {dtoCalcRect, DT_CALCRECT},
        {dtoEndEllipsis, DT_END_ELLIPSIS},
        {dtoPathEllipsis, DT_PATH_ELLIPSIS},
        {dtoWordEllipsis, DT_WORD_ELLIPSIS},
        {dtoModifyString, DT_MODIFYSTRING},
    };
    unsigned format = (options & dtoPrefix) ? 0 : DT_NOPREFIX;
    for (const auto& [option, flag] : flags) {
        if (options & option) {
            format |= flag;
        }
    }
    return format;
}

constexpr int ArcSteps = ArcBandSteps;
// Beyond this radius the rotated estimates are not trusted at all.
constexpr double MaxWalkedRadius = 1e6;
// How close to a half pixel, relative to the radius, an estimate may come before the exact
// routine decides; the turning drifts thousands of times less than this.
constexpr double RoundingGuard = 1e-9;

// std::floor for values well inside the int range, without a call into the maths library.
int FloorToInt(double value) {
    const int whole = static_cast<int>(value);
    return value < whole ? whole - 1 : whole;
}

// The offset rounds the same whichever side of the estimate's tiny error the truth lies.
bool SafelyRounded(double estimate, double guard) {
    return std::abs(estimate - FloorToInt(estimate) - 0.5) > guard;
}

// PolarPoint at from, from + step, ... and to, ArcSteps + 1 points. The sines and cosines in
// between come from turning the first direction by the step again and again, which is far
// cheaper than asking the library 400 times. Where an estimate lies so near a half pixel that
// the turning's drift could round it the other way, PolarPoint itself decides, so the points are
// exactly the ones PolarPoint gives.
void ArcPoints(TPoint center, double radius, double from, double to, std::span<TPoint> points) {
    const double step = (to - from) / ArcSteps;
    points.front() = PolarPoint(center, radius, from);
    points.back() = PolarPoint(center, radius, to);
    const bool walkable =
        std::isfinite(from) && std::isfinite(step) && std::abs(radius) < MaxWalkedRadius;
    const double guard = RoundingGuard * (std::abs(radius) + 1);
    const double turnCos = std::cos(DegToRad(step));
    const double turnSin = std::sin(DegToRad(step));
    double cosine = std::cos(DegToRad(from));
    double sine = std::sin(DegToRad(from));
    for (int i = 1; i < ArcSteps; ++i) {
        const double turnedCos = cosine * turnCos - sine * turnSin;
        sine = sine * turnCos + cosine * turnSin;
        cosine = turnedCos;
        const double x = radius * cosine;
        const double y = radius * sine;
        if (walkable && SafelyRounded(x, guard) && SafelyRounded(y, guard))
            points[i] = {center.X + FloorToInt(x + 0.5), center.Y - FloorToInt(y + 0.5)};
        else
            points[i] = PolarPoint(center, radius, from + i * step);
    }
}

// Steps that stay on the same pixel draw and fill nothing, so they are dropped before the
// canvas walks them; a quarter arc has about two steps per pixel.
std::span<const TPoint> WithoutRepeats(std::span<TPoint> points) {
    const auto end = std::unique(points.begin(), points.end());
    return {points.begin(), end};
}

} // namespace

void DrawBevelFrame(TCanvas& canvas, const TRect& rect, bool raised) {
    canvas.DrawEdge(rect, raised ? EDGE_RAISED : EDGE_SUNKEN, BF_RECT);
}

void DrawEtchedLine(TCanvas& canvas, int x1, int y1, int x2, int y2, TiBevelStyle style) {
    if (x1 == x2) {
        DrawEtchedVertical(canvas, x1, y1, y2, style);
    } else {
        DrawEtchedHorizontal(canvas, x1, y1, x2, y2, style);
    }
}

void DrawLine(TCanvas& canvas, int x1, int y1, int x2, int y2) {
    const TPoint points[] = {{x1, y1}, {x2, y2}};
    canvas.Polyline(points);
}

void DrawFocusRectangle(TCanvas& canvas, const TRect& rect) {
    canvas.DrawFocusRect(rect);
}

void DrawColoredFocusRectangle(TCanvas& canvas, const TRect& rect, TColor color) {
    canvas.Pen().SetColor(color);
    canvas.Brush().SetColor(color);
    DrawFocusRectangle(canvas, rect);
}

int DrawTextWithOptions(TCanvas& canvas, const std::string& text, TRect& rect, unsigned options) {
    return canvas.DrawText(text, rect, CanvasTextFormat(options));
}

void DrawArcBand(TCanvas& canvas, double radius1, double radius2, TColor color, TPoint center,
                 double angle1, double angle2) {
    TArcBand(radius1, radius2, center, angle1, angle2).Draw(canvas, color);
}

std::span<const TPoint> ArcBandOutline(double radius1, double radius2, TPoint center, double angle1,
                                       double angle2, TArcBandPoints& storage) {
    const auto [from, to] = std::minmax(angle1, angle2);
    // Both arcs and the closing point.
    const std::span<TPoint> firstArc(storage.data(), ArcSteps + 1);
    const std::span<TPoint> secondArc(storage.data() + ArcSteps + 1, ArcSteps + 1);
    ArcPoints(center, radius1, from, to, firstArc);
    if (radius1 == radius2)
        return WithoutRepeats(firstArc);
    // The second arc runs back from the second angle to the first.
    ArcPoints(center, radius2, from, to, secondArc);
    std::reverse(secondArc.begin(), secondArc.end());
    storage.back() = storage.front();
    return WithoutRepeats(storage);
}
