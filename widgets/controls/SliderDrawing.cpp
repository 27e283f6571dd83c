#include "widgets/controls/SliderDrawing.h"

#include <span>

#include "widgets/core/Drawing.h"

void DrawColoredPolyline(TCanvas& canvas, TColor color, std::initializer_list<TPoint> points) {
    canvas.Pen().SetColor(color);
    canvas.Polyline(std::span(points.begin(), points.size()));
}

void DrawColoredLine(TCanvas& canvas, TColor color, int x1, int y1, int x2, int y2) {
    canvas.Pen().SetColor(color);
    DrawLine(canvas, x1, y1, x2, y2);
}

void DrawTrackCentreLine(TCanvas& canvas, const TRect& k, bool vertical, int inset, TColor color) {
    if (vertical)
        DrawColoredLine(canvas, color, (k.Left + k.Right) / 2, k.Top + inset,
                        (k.Left + k.Right) / 2, k.Bottom - inset);
    else
        DrawColoredLine(canvas, color, k.Left + inset, (k.Top + k.Bottom) / 2, k.Right - inset,
                        (k.Top + k.Bottom) / 2);
}

void DrawTrackLines(TCanvas& canvas, const TRect& k, bool vertical, int inset, TColor first,
                    TColor second) {
    for (int offset = -2; offset <= 1; ++offset) {
        const TColor color = offset < 0 ? first : second;
        if (vertical) {
            const int x = (k.Left + k.Right) / 2 + offset;
            DrawColoredLine(canvas, color, x, k.Top + inset, x, k.Bottom - inset);
        } else {
            const int y = (k.Top + k.Bottom) / 2 + offset;
            DrawColoredLine(canvas, color, k.Left + inset, y, k.Right - inset, y);
        }
    }
}

void DrawLedPointer(TCanvas& canvas, const TRect& p, TColor lamp) {
    canvas.Pen().SetColor(clBtnFace);
    canvas.Brush().SetColor(clBtnFace);
    canvas.Rectangle(p);
    const TRect r{p.Left + 1, p.Top + 1, p.Right - 2, p.Bottom - 2};
    canvas.Pen().SetColor(lamp);
    canvas.Brush().SetColor(lamp);
    canvas.Rectangle(r);
    DrawColoredPolyline(canvas, clGray, {{r.Left, r.Bottom}, {r.Left, r.Top}, {r.Right, r.Top}});
    DrawColoredPolyline(canvas, clWhite, {{r.Left + 2, r.Top + 2}, {r.Left + 4, r.Top + 2}});
}

void DrawArrowPointer(TCanvas& canvas, const TRect& p, TiOrientation orientation,
                      TiOrientationSide side, TColor face) {
    const int l = p.Left;
    const int t = p.Top;
    const int r = p.Right;
    const int b = p.Bottom;
    const int dv = (b - t) / 2;
    const int dh = (r - l) / 2;
    canvas.Pen().SetColor(clBlack);
    canvas.Brush().SetColor(face);
    if (orientation == ioVertical && side == iosBottomRight) {
        const TPoint shape[] = {{l, t}, {r - dv, t}, {r, (b + t) / 2}, {r - dv, b}, {l, b}};
        canvas.Polygon(shape);
        DrawColoredPolyline(canvas, clWhite, {{l, b}, {l, t}, {r - dv, t}, {r, (b + t) / 2}});
    } else if (orientation == ioVertical) {
        const TPoint shape[] = {{r, t}, {l + dv, t}, {l, (b + t) / 2}, {l + dv, b}, {r, b}};
        canvas.Polygon(shape);
        DrawColoredPolyline(canvas, clWhite, {{r, t}, {l + dv, t}, {l, (b + t) / 2}});
    } else if (side == iosBottomRight) {
        const TPoint shape[] = {{l, t}, {l, b - dh}, {(r + l) / 2, b}, {r, b - dh}, {r, t}};
        canvas.Polygon(shape);
        DrawColoredPolyline(canvas, clWhite, {{r, t}, {l, t}, {l, b - dh}, {(r + l) / 2, b}});
    } else {
        const TPoint shape[] = {{l, b}, {l, t + dh}, {(r + l) / 2, t}, {r, t + dh}, {r, b}};
        canvas.Polygon(shape);
        DrawColoredPolyline(canvas, clWhite, {{l, b}, {l, t + dh}, {(r + l) / 2, t}});
    }
}
