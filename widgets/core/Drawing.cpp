#include "widgets/core/Drawing.h"

#include <algorithm>
#include <array>
#include <utility>

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

constexpr int ArcSteps = 400;

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
    canvas.Pen().SetColor(color);
    canvas.Brush().SetColor(color);
    const auto [from, to] = std::minmax(angle1, angle2);
    const double step = (to - from) / ArcSteps;
    // Both arcs and the closing point; on the stack because every gauge repaint comes here.
    std::array<TPoint, 2 * (ArcSteps + 1) + 1> points;
    points[0] = PolarPoint(center, radius1, from);
    for (int i = 1; i < ArcSteps; ++i) {
        points[i] = PolarPoint(center, radius1, from + i * step);
    }
    points[ArcSteps] = PolarPoint(center, radius1, to);
    if (radius1 == radius2) {
        canvas.Polyline(std::span(points.data(), ArcSteps + 1));
        return;
    }
    points[ArcSteps + 1] = PolarPoint(center, radius2, to);
    for (int i = ArcSteps - 1; i >= 1; --i) {
        points[2 * ArcSteps + 1 - i] = PolarPoint(center, radius2, from + i * step);
    }
    points[2 * ArcSteps + 1] = PolarPoint(center, radius2, from);
    points[2 * ArcSteps + 2] = points[0];
    canvas.Polygon(points);
}
