#include "widgets/scale/AngularGaugeDrawing.h"

#include <algorithm>
#include <cmath>

#include "widgets/core/Numeric.h"

namespace {

constexpr int PointerHitSize = 6;

// Rows of a justified label, by the quadrant its anchor lies in.
TRect JustifiedBox(TPoint p, int w, int h, double degrees) {
    const double a = NormalizedDegrees(degrees);
    if (a == 0)
        return {p.X, p.Y - h / 2, p.X + w, p.Y + h / 2};
    if (a < 90)
        return {p.X, p.Y - h, p.X + w, p.Y};
    if (a == 90)
        return {p.X - w / 2, p.Y - h, p.X + w / 2, p.Y};
    if (a < 180)
        return {p.X - w, p.Y - h, p.X, p.Y};
    if (a == 180)
        return {p.X - w, p.Y - h / 2, p.X, p.Y + h / 2};
    if (a < 270)
        return {p.X - w, p.Y, p.X, p.Y + h};
    if (a == 270)
        return {p.X - w / 2, p.Y, p.X + w / 2, p.Y + h};
    return {p.X, p.Y, p.X + w, p.Y + h};
}

int FreeLabelX(TPoint centre, int clientWidth, int textWidth, int offset,
               TiAlignmentHorizontal alignment) {
    switch (alignment) {
    case iahLeft:
        return offset;
    case iahRight:
        return offset + clientWidth - textWidth;
    case iahCenter:
        break;
    }
    return centre.X + offset - textWidth / 2;
}

int FreeLabelY(TPoint centre, int clientHeight, int textHeight, int offset,
               TiAlignmentVertical alignment) {
    switch (alignment) {
    case iavTop:
        return offset;
    case iavBottom:
        return offset + clientHeight - textHeight;
    case iavCenter:
        break;
    }
    return centre.Y + offset - textHeight / 2;
}

// The triangle of an arrow whose base centre lies at base.
void ArrowCorners(TGaugePointerShape& shape, TPoint base, double half, double degrees) {
    shape.Corner1 = PolarPoint(base, half, degrees + 90);
    shape.Corner2 = PolarPoint(base, half, degrees - 90);
    shape.HasTriangle = true;
    const TPoint corners[] = {shape.Corner1, shape.Corner2, shape.Tip};
    shape.HitArea = BoundingRectMin(corners, PointerHitSize);
}

void TipHitArea(TGaugePointerShape& shape) {
    const TPoint tip[] = {shape.Tip};
    shape.HitArea = BoundingRectMin(tip, PointerHitSize);
}

} // namespace

double GaugeAngle(double fraction, int arcStartDegrees, int arcRangeDegrees, bool reverse) {
    if (reverse)
        return fraction * arcRangeDegrees + (arcStartDegrees - arcRangeDegrees);
    return arcStartDegrees - fraction * arcRangeDegrees;
}

double NormalizedDegrees(double degrees) {
    const double a = std::fmod(degrees, 360.0);
    return a < 0 ? a + 360.0 : a + 0.0;
}

TRect TickLabelBox(TPoint anchor, TSize text, double degrees, TiLabelAlignment alignment) {
    if (alignment == ilaJustified)
        return JustifiedBox(anchor, text.cx, text.cy, degrees);
    return {anchor.X - text.cx / 2, anchor.Y - text.cy / 2, anchor.X + text.cx / 2,
            anchor.Y + text.cy / 2};
}

int AutoArcRadius(int space, int arcRangeDegrees, int outerMargin, int hubSize) {
    int radius = 0;
    if (arcRangeDegrees <= 90)
        radius = space - outerMargin - hubSize;
    else if (arcRangeDegrees > 180)
        radius = Round(space / 2.0) - outerMargin;
    else
        radius = Round(space / ((arcRangeDegrees - 90) / 90.0 + 1)) - outerMargin;
    return std::max(radius, 0);
}

TPoint FreeLabelOrigin(TPoint centre, TSize client, TSize text, TPoint offset,
                       TiAlignmentHorizontal horizontal, TiAlignmentVertical vertical) {
    return {FreeLabelX(centre, client.cx, text.cx, offset.X, horizontal),
            FreeLabelY(centre, client.cy, text.cy, offset.Y, vertical)};
}

TGaugePointerShape GaugePointerShape(TPoint centre, const TGaugePointerPlacement& pointer) {
    TGaugePointerShape shape;
    const double a = pointer.Degrees;
    const int r1 = pointer.ArcRadius - pointer.Margin;
    const int r2 = r1 - pointer.Size;
    const double half = pointer.Size / 2.0;
    shape.Tip = PolarPoint(centre, r1, a);
    shape.Drawn = true;
    switch (pointer.Style) {
    case iagpsArrowLine:
        shape.HasLine = true;
        ArrowCorners(shape, PolarPoint(centre, r2, a), half, a);
        break;
    case iagpsArrow:
        if (pointer.Outside) {
            const int outer = pointer.ArcRadius + pointer.Margin;
            shape.Tip = PolarPoint(centre, outer, a);
            ArrowCorners(shape, PolarPoint(centre, outer + pointer.Size, a), half, a);
        } else {
            ArrowCorners(shape, PolarPoint(centre, r2, a), half, a);
        }
        break;
    case iagpsLine:
        shape.HasLine = true;
        TipHitArea(shape);
        break;
    case iagpsTriangle:
        shape.HasLine = true;
        shape.HasTriangle = true;
        shape.Corner1 = PolarPoint(centre, half, a + 90);
        shape.Corner2 = PolarPoint(centre, half, a - 90);
        TipHitArea(shape);
        break;
    default:
        return {};
    }
    return shape;
}

TRect GaugePointerBounds(TPoint centre, const TGaugePointerShape& shape) {
    TRect bounds;
    const auto add = [&bounds](TPoint p) {
        bounds = bounds.Union(Rect(p.X, p.Y, p.X + 1, p.Y + 1));
    };
    if (shape.HasLine) {
        add(centre);
        add(shape.Tip);
    }
    if (shape.HasTriangle) {
        add(shape.Corner1);
        add(shape.Corner2);
        add(shape.Tip);
    }
    return bounds.IsEmpty() ? bounds : bounds.Inflate(2, 2);
}

void DrawGaugePointer(TCanvas& canvas, TPoint centre, const TGaugePointerShape& shape,
                      TColor color) {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(color);
    canvas.Pen().SetColor(color);
    canvas.Pen().SetWidth(1);
    if (shape.HasLine) {
        canvas.MoveTo(centre.X, centre.Y);
        canvas.LineTo(shape.Tip.X, shape.Tip.Y);
    }
    if (shape.HasTriangle) {
        const TPoint corners[] = {shape.Corner1, shape.Corner2, shape.Tip};
        canvas.Polygon(corners);
    }
}

void DrawPanelFace(TCanvas& canvas, TSize client, int faceSize, TColor outer, TColor inner) {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Pen().SetStyle(psSolid);
    canvas.Brush().SetColor(outer);
    canvas.Pen().SetColor(clWhite);
    canvas.RoundRect(0, 0, client.cx, client.cy, client.cx / 8, client.cy / 8);
    canvas.Brush().SetColor(inner);
    canvas.Pen().SetColor(inner);
    canvas.Ellipse(faceSize, faceSize, client.cx - faceSize, client.cy - faceSize);
}

void DrawHub(TCanvas& canvas, TPoint centre, int hubSize, TColor color) {
    canvas.Pen().SetColor(color);
    canvas.Brush().SetColor(color);
    const int half = hubSize / 2;
    canvas.Ellipse(centre.X - half, centre.Y - half, centre.X + half, centre.Y + half);
}

TRect HubBounds(TPoint centre, int hubSize) {
    const int half = hubSize / 2;
    return Rect(centre.X - half, centre.Y - half, centre.X + half, centre.Y + half).Inflate(2, 2);
}

double ScreenDegrees(TPoint centre, int x, int y) {
    return RadToDeg(ArcTan2(y - centre.Y, x - centre.X));
}

double SweptDegrees(double previous, double current) {
    double delta = previous - current;
    if (delta > 200)
        delta -= 360;
    if (delta < -200)
        delta += 360;
    return delta;
}
