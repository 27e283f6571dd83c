#include "gui/graphics/Canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "gui/graphics/Bitmap.h"
#include "gui/graphics/DrawTextLayout.h"
#include "gui/graphics/OpaqueRuns.h"
#include "gui/graphics/PixelRaster.h"
#include "gui/graphics/RasterPolygon.h"
#include "gui/graphics/ShapeSpans.h"
#include "gui/graphics/TextRenderer.h"

namespace {

TRect Normalized(int left, int top, int right, int bottom) {
    return {std::min(left, right), std::min(top, bottom), std::max(left, right),
            std::max(top, bottom)};
}

void SetSourceColor(cairo_t* cr, TColor color) {
    const TColor rgb = ColorToRGB(color);
    cairo_set_source_rgb(cr, GetRValue(rgb) / 255.0, GetGValue(rgb) / 255.0,
                         GetBValue(rgb) / 255.0);
}

// Angle of (x, y) around the centre, counter-clockwise from 3 o'clock with y growing downwards.
double ScreenAngle(double cx, double cy, double x, double y) {
    return std::atan2(cy - y, x - cx);
}

double Turn(double angle) {
    const double full = 2 * std::numbers::pi;
    angle = std::fmod(angle, full);
    return angle < 0 ? angle + full : angle;
}

// A copy of the picture with its transparent colour made see-through.
cairo_surface_t* MaskedSurface(const TBitmap& picture) {
    cairo_surface_t* copy =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, picture.Width(), picture.Height());
    auto* data = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(copy));
    const std::uint32_t key = ColorToPixel(picture.TransparentColor()) & 0xFFFFFFu;
    for (int y = 0; y < picture.Height(); ++y) {
        const std::uint32_t* row = picture.ScanLine(y);
        for (int x = 0; x < picture.Width(); ++x) {
            const std::uint32_t p = row[x];
            data[static_cast<std::size_t>(y) * picture.Width() + x] =
                (p >> 24) == 255 && (p & 0xFFFFFFu) == key ? 0 : p;
        }
    }
    cairo_surface_mark_dirty(copy);
    return copy;
}

cairo_surface_t* SourceSurface(const TBitmap& picture) {
    return picture.Transparent() ? MaskedSurface(picture)
                                 : cairo_surface_reference(picture.Surface());
}

} // namespace

TCanvas::TCanvas(TBitmap& target) : m_target(target) {}

TCanvas::~TCanvas() {
    SurfaceReplaced();
}

void TCanvas::SurfaceReplaced() {
    if (m_cr) {
        cairo_destroy(m_cr);
        m_cr = nullptr;
    }
}

// A cairo context for the bitmap, clipped, with shapes drawn without anti-aliasing so that
// they keep whole pixels. Null when the bitmap is empty.
cairo_t* TCanvas::Context() {
    if (!m_target.Surface()) {
        return nullptr;
    }
    if (!m_cr) {
        m_cr = cairo_create(m_target.Surface());
    }
    cairo_new_path(m_cr);
    cairo_set_operator(m_cr, CAIRO_OPERATOR_OVER);
    cairo_set_antialias(m_cr, CAIRO_ANTIALIAS_NONE);
    cairo_reset_clip(m_cr);
    const TRect clip = ClipRect();
    cairo_rectangle(m_cr, clip.Left, clip.Top, std::max(0, clip.Width()),
                    std::max(0, clip.Height()));
    cairo_clip(m_cr);
    return m_cr;
}

void TCanvas::Changed() {
    if (OnChange) {
        OnChange(this);
    }
}

TRect TCanvas::ClipRect() const {
    const TRect whole{0, 0, m_target.Width(), m_target.Height()};
    return m_clip ? m_clip->Intersect(whole) : whole;
}

void TCanvas::SetClipRect(const TRect& rect) {
    m_clip = rect;
}

void TCanvas::ResetClipRect() {
    m_clip.reset();
}

namespace {

PixelRaster::FillStyle FillOf(const TBrush& brush, TPoint origin) {
    return {ColorToPixel(brush.Color()), brush.Style(), origin};
}

PixelRaster::LineStyle LineOf(const TPen& pen, const TBrush& brush) {
    // A solid brush is the background colour that fills the gaps of dashed lines.
    return {ColorToPixel(pen.Color()), pen.Style(),
            brush.Style() == bsSolid ? ColorToPixel(brush.Color()) : 0};
}

bool ThinPen(const TPen& pen) {
    return pen.Width() <= 1;
}

// Narrower by a hair, the pen's outer edge never passes exactly through a pixel centre, where the
// rasteriser would take the pixel on some sides of a shape and not on the others.
void StrokeWide(cairo_t* cr, const TPen& pen, double narrower = 0) {
    SetSourceColor(cr, pen.Color());
    cairo_set_line_width(cr, pen.Width() - narrower);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

} // namespace

void TCanvas::MoveTo(int x, int y) {
    m_penPos = {x, y};
}

void TCanvas::LineTo(int x, int y) {
    const TPoint line[] = {m_penPos, {x, y}};
    Polyline(line);
    m_penPos = {x, y};
}

void TCanvas::Polyline(std::span<const TPoint> points) {
    if (points.size() < 2 || m_target.Empty()) {
        return;
    }
    StrokePolyline(points);
    m_penPos = points.back();
    Changed();
}

void TCanvas::StrokePolyline(std::span<const TPoint> points) {
    if (m_pen.Style() == psClear) {
        return;
    }
    if (ThinPen(m_pen)) {
        PixelRaster raster(m_target, ClipRect());
        const PixelRaster::LineStyle style = LineOf(m_pen, m_brush);
        int phase = 0;
        for (std::size_t i = 1; i < points.size(); ++i) {
            raster.Line(points[i - 1], points[i], style, phase);
        }
        return;
    }
    cairo_t* cr = Context();
    cairo_move_to(cr, points[0].X + 0.5, points[0].Y + 0.5);
    for (std::size_t i = 1; i < points.size(); ++i) {
        cairo_line_to(cr, points[i].X + 0.5, points[i].Y + 0.5);
    }
    StrokeWide(cr, m_pen);
}

void TCanvas::Polygon(std::span<const TPoint> points) {
    if (points.size() < 2 || m_target.Empty()) {
        return;
    }
    {
        PixelRaster raster(m_target, ClipRect());
        raster.FillPolygon(points, FillOf(m_brush, m_brushOrigin));
    }
    // Kept between calls, like the polygon filler's scratch.
    thread_local std::vector<TPoint> outline;
    outline.assign(points.begin(), points.end());
    outline.push_back(points.front());
    StrokePolyline(outline);
    Changed();
}

void TCanvas::Polygon(const TRasterPolygon& shape) {
    if (shape.Outline().empty() || m_target.Empty()) {
        return;
    }
    const bool thinOutline = m_pen.Style() != psClear && ThinPen(m_pen);
    {
        PixelRaster raster(m_target, ClipRect());
        raster.FillSpans(shape.Spans(), FillOf(m_brush, m_brushOrigin));
        if (thinOutline) {
            int phase = 0;
            raster.Trace(shape.OutlinePixels(), LineOf(m_pen, m_brush), phase);
        }
    }
    if (!thinOutline) {
        StrokePolyline(shape.Outline());
    }
    Changed();
}

void TCanvas::FillRect(const TRect& rect) {
    if (rect.IsEmpty() || m_target.Empty()) {
        return;
    }
    PixelRaster raster(m_target, ClipRect());
    raster.FillRect(rect, FillOf(m_brush, m_brushOrigin));
    Changed();
}

void TCanvas::FrameRect(const TRect& rect) {
    if (rect.IsEmpty() || m_target.Empty()) {
        return;
    }
    PixelRaster raster(m_target, ClipRect());
    const PixelRaster::FillStyle fill = FillOf(m_brush, m_brushOrigin);
    raster.FillRect({rect.Left, rect.Top, rect.Right, rect.Top + 1}, fill);
    raster.FillRect({rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom}, fill);
    raster.FillRect({rect.Left, rect.Top + 1, rect.Left + 1, rect.Bottom - 1}, fill);
    raster.FillRect({rect.Right - 1, rect.Top + 1, rect.Right, rect.Bottom - 1}, fill);
    Changed();
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    const TRect box = Normalized(left, top, right, bottom);
    if (box.IsEmpty() || m_target.Empty()) {
        return;
    }
    if (m_pen.Style() == psClear) {
        // Without a pen the right and bottom edges stay unpainted.
        FillRect({box.Left, box.Top, box.Right - 1, box.Bottom - 1});
        return;
    }
    if (!ThinPen(m_pen)) {
        FillRect(box);
        cairo_t* cr = Context();
        cairo_rectangle(cr, box.Left + 0.5, box.Top + 0.5, box.Width() - 1, box.Height() - 1);
        StrokeWide(cr, m_pen);
        Changed();
        return;
    }
    {
        PixelRaster raster(m_target, ClipRect());
        raster.FillRect(box.Inflate(-1, -1), FillOf(m_brush, m_brushOrigin));
    }
    const TPoint outline[] = {{box.Left, box.Top},
                              {box.Right - 1, box.Top},
                              {box.Right - 1, box.Bottom - 1},
                              {box.Left, box.Bottom - 1},
                              {box.Left, box.Top}};
    StrokePolyline(outline);
    Changed();
}

namespace {

// Fills the inside of a shape with the brush and, unless the pen is clear, paints the pixels
// along its edge with the pen colour.
void PaintSpans(PixelRaster& raster, const ShapeSpans& spans, const TPen& pen,
                const PixelRaster::FillStyle& fill) {
    if (pen.Style() == psClear) {
        for (int row = 0; row < spans.Rows(); ++row) {
            raster.FillSpan(spans.Top() + row, spans.Left(row), spans.Right(row) + 1, fill);
        }
        return;
    }
    for (int row = 0; row < spans.Rows(); ++row) {
        int first = 0;
        int last = 0;
        spans.Interior(row, first, last);
        raster.FillSpan(spans.Top() + row, first, last + 1, fill);
    }
    const std::uint32_t penPixel = ColorToPixel(pen.Color());
    spans.ForEachEdgePixel([&](int x, int y) { raster.Plot(x, y, penPixel); });
}

} // namespace

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
    RoundRect(left, top, right, bottom, std::abs(right - left), std::abs(bottom - top));
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int ellipseWidth,
                        int ellipseHeight) {
    TRect box = Normalized(left, top, right, bottom);
    if (m_pen.Style() == psClear) {
        box.Right -= 1;
        box.Bottom -= 1;
    }
    if (box.IsEmpty() || m_target.Empty()) {
        return;
    }
    const ShapeSpans spans = ShapeSpans::RoundRect(box, ellipseWidth, ellipseHeight);
    {
        PixelRaster raster(m_target, ClipRect());
        TPen thin;
        thin = m_pen;
        if (!ThinPen(m_pen)) {
            thin.SetStyle(psClear);
        }
        PaintSpans(raster, spans, thin, FillOf(m_brush, m_brushOrigin));
    }
    if (!ThinPen(m_pen) && m_pen.Style() != psClear) {
        cairo_t* cr = Context();
        // The pen runs through the centres of the edge pixels.
        const double rx = std::max(0.5, std::min(ellipseWidth, box.Width()) / 2.0 - 0.5);
        const double ry = std::max(0.5, std::min(ellipseHeight, box.Height()) / 2.0 - 0.5);
        const double left = box.Left + 0.5 + rx;
        const double top = box.Top + 0.5 + ry;
        const double right = box.Right - 0.5 - rx;
        const double bottom = box.Bottom - 0.5 - ry;
        const double pi = std::numbers::pi;
        const double corners[4][3] = {
            {right, top, -pi / 2}, {right, bottom, 0}, {left, bottom, pi / 2}, {left, top, pi}};
        for (const auto& [x, y, from] : corners) {
            cairo_save(cr);
            cairo_translate(cr, x, y);
            cairo_scale(cr, rx, ry);
            cairo_arc(cr, 0, 0, 1, from, from + pi / 2);
            cairo_restore(cr);
        }
        cairo_close_path(cr);
        StrokeWide(cr, m_pen, 1.0 / 32);
    }
    Changed();
}

void TCanvas::Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) {
    const TRect box = Normalized(left, top, right, bottom);
    if (box.IsEmpty() || m_pen.Style() == psClear || m_target.Empty()) {
        return;
    }
    const double cx = (box.Left + box.Right) / 2.0;
    const double cy = (box.Top + box.Bottom) / 2.0;
    const double start = ScreenAngle(cx, cy, x3, y3);
    double sweep = Turn(ScreenAngle(cx, cy, x4, y4) - start);
    if (sweep == 0) {
        sweep = 2 * std::numbers::pi;
    }
    const ShapeSpans spans = ShapeSpans::Ellipse(box);
    PixelRaster raster(m_target, ClipRect());
    const std::uint32_t pixel = ColorToPixel(m_pen.Color());
    spans.ForEachEdgePixel([&](int x, int y) {
        if (Turn(ScreenAngle(cx, cy, x + 0.5, y + 0.5) - start) <= sweep) {
            raster.Plot(x, y, pixel);
        }
    });
    Changed();
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    const int width = TextWidth(text);
    if (!m_target.Empty()) {
        FillTextCell(Bounds(x, y, width, TextHeight(text)));
        TextRenderer::Instance().Draw(Context(), m_font, x, y, text);
        Changed();
    }
    m_penPos = {x + width, y};
}

// Only a solid brush paints the cell behind text; any other brush leaves it see-through.
void TCanvas::FillTextCell(const TRect& cell) {
    if (m_brush.Style() == bsSolid) {
        PixelRaster(m_target, ClipRect()).FillRect(cell, FillOf(m_brush, m_brushOrigin));
    }
}

int TCanvas::TextWidth(const std::string& text) const {
    return TextRenderer::Instance().Width(m_font, text);
}

int TCanvas::TextHeight(const std::string&) const {
    return TextRenderer::Instance().FontMetrics(m_font).height;
}

TSize TCanvas::TextExtent(const std::string& text) const {
    return {TextWidth(text), TextHeight(text)};
}

int TCanvas::DrawText(const std::string& text, TRect& rect, unsigned format,
                      std::string* modified) {
    const DrawTextLayout layout(m_font, text, rect, format);
    const int lineHeight = layout.LineHeight();
    const int height = lineHeight * static_cast<int>(layout.Lines().size());
    if ((format & DT_MODIFYSTRING) && modified && layout.Shortened()) {
        *modified = layout.Text();
    }
    if (format & DT_CALCRECT) {
        rect.Right = rect.Left + layout.MaxWidth();
        rect.Bottom = rect.Top + height;
        return height;
    }
    int y = rect.Top;
    const bool placed = (format & DT_SINGLELINE) && (format & (DT_VCENTER | DT_BOTTOM));
    if (placed) {
        y = (format & DT_VCENTER) ? (rect.Top + rect.Bottom - lineHeight) / 2
                                  : rect.Bottom - lineHeight;
    }
    if (!m_target.Empty()) {
        const std::optional<TRect> savedClip = m_clip;
        if (!(format & DT_NOCLIP)) {
            m_clip = ClipRect().Intersect(rect);
        }
        int lineTop = y;
        for (const DrawTextLayout::Line& line : layout.Lines()) {
            int x = rect.Left;
            if (format & DT_CENTER) {
                x = (rect.Left + rect.Right - line.width) / 2;
            } else if (format & DT_RIGHT) {
                x = rect.Right - line.width;
            }
            FillTextCell(Bounds(x, lineTop, line.width, lineHeight));
            layout.DrawLine(Context(), line, x, lineTop);
            lineTop += lineHeight;
        }
        m_clip = savedClip;
        Changed();
    }
    return placed ? y + lineHeight - rect.Top : height;
}

void TCanvas::DrawEdge(const TRect& rect, unsigned edge, unsigned sides) {
    if (rect.IsEmpty() || m_target.Empty()) {
        return;
    }
    struct Ring {
        unsigned outerBit;
        unsigned innerBit;
    };
    // Each ring: which bit raises it, which sinks it; raised = light top-left, dark bottom-right.
    const Ring rings[] = {{BDR_RAISEDOUTER, BDR_SUNKENOUTER}, {BDR_RAISEDINNER, BDR_SUNKENINNER}};
    const TColor raisedLight[] = {cl3DLight, clBtnHighlight};
    const TColor raisedDark[] = {cl3DDkShadow, clBtnShadow};
    const TColor sunkenLight[] = {clBtnShadow, cl3DDkShadow};
    const TColor sunkenDark[] = {clBtnHighlight, cl3DLight};
    TRect r = rect;
    PixelRaster raster(m_target, ClipRect());
    for (int i = 0; i < 2; ++i) {
        const bool raised = edge & rings[i].outerBit;
        const bool sunken = edge & rings[i].innerBit;
        if (!raised && !sunken) {
            continue;
        }
        const PixelRaster::FillStyle topLeft{
            ColorToPixel(raised ? raisedLight[i] : sunkenLight[i]), bsSolid, {}};
        const PixelRaster::FillStyle bottomRight{
            ColorToPixel(raised ? raisedDark[i] : sunkenDark[i]), bsSolid, {}};
        if (sides & BF_TOP) {
            raster.FillRect({r.Left, r.Top, r.Right - 1, r.Top + 1}, topLeft);
        }
        if (sides & BF_LEFT) {
            raster.FillRect({r.Left, r.Top, r.Left + 1, r.Bottom - 1}, topLeft);
        }
        if (sides & BF_BOTTOM) {
            raster.FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom}, bottomRight);
        }
        if (sides & BF_RIGHT) {
            raster.FillRect({r.Right - 1, r.Top, r.Right, r.Bottom}, bottomRight);
        }
        r = {r.Left + ((sides & BF_LEFT) ? 1 : 0), r.Top + ((sides & BF_TOP) ? 1 : 0),
             r.Right - ((sides & BF_RIGHT) ? 1 : 0), r.Bottom - ((sides & BF_BOTTOM) ? 1 : 0)};
    }
    if (sides & BF_MIDDLE) {
        raster.FillRect(r, {ColorToPixel(clBtnFace), bsSolid, {}});
    }
    Changed();
}

void TCanvas::DrawFocusRect(const TRect& rect) {
    if (rect.IsEmpty() || m_target.Empty()) {
        return;
    }
    PixelRaster raster(m_target, ClipRect());
    auto invert = [&raster](int x, int y) {
        if (((x + y) & 1) == 0) {
            raster.Invert(x, y);
        }
    };
    for (int x = rect.Left; x < rect.Right; ++x) {
        invert(x, rect.Top);
        if (rect.Bottom - 1 > rect.Top) {
            invert(x, rect.Bottom - 1);
        }
    }
    for (int y = rect.Top + 1; y < rect.Bottom - 1; ++y) {
        invert(rect.Left, y);
        if (rect.Right - 1 > rect.Left) {
            invert(rect.Right - 1, y);
        }
    }
    Changed();
}

void TCanvas::Draw(int x, int y, const TBitmap& picture) {
    StretchDraw(Bounds(x, y, picture.Width(), picture.Height()), picture);
}

void TCanvas::Draw(int x, int y, const TBitmap& picture, const TOpaqueRuns& runs) {
    if (&picture == &m_target) {
        Draw(x, y, picture);
        return;
    }
    if (picture.Empty() || m_target.Empty()) {
        return;
    }
    PixelRaster(m_target, ClipRect()).CopySpans(x, y, picture, runs.Spans());
    Changed();
}

void TCanvas::StretchDraw(const TRect& rect, const TBitmap& picture) {
    Blit(rect, picture, CAIRO_OPERATOR_OVER);
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect) {
    if (sourceRect.IsEmpty() || source.m_target.Empty()) {
        return;
    }
    // Copy through a separate picture: the source may be this very canvas.
    TBitmap part(sourceRect.Width(), sourceRect.Height());
    cairo_t* cr = cairo_create(part.Surface());
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, source.m_target.Surface(), -sourceRect.Left, -sourceRect.Top);
    cairo_paint(cr);
    cairo_destroy(cr);
    Blit(dest, part, CAIRO_OPERATOR_SOURCE);
}

void TCanvas::Copy(int x, int y, const TBitmap& picture) {
    if (picture.Empty() || m_target.Empty()) {
        return;
    }
    if (&picture == &m_target) {
        Blit(Bounds(x, y, picture.Width(), picture.Height()), picture, CAIRO_OPERATOR_SOURCE,
             cairo_surface_reference(picture.Surface()));
        return;
    }
    PixelRaster(m_target, ClipRect()).Copy(x, y, picture);
    Changed();
}

void TCanvas::Blit(const TRect& rect, const TBitmap& picture, cairo_operator_t op) {
    if (rect.IsEmpty() || picture.Empty() || m_target.Empty()) {
        return;
    }
    Blit(rect, picture, op, SourceSurface(picture));
}

void TCanvas::Blit(const TRect& rect, const TBitmap& picture, cairo_operator_t op,
                   cairo_surface_t* source) {
    if (rect.IsEmpty() || picture.Empty() || m_target.Empty()) {
        cairo_surface_destroy(source);
        return;
    }
    cairo_t* cr = Context();
    cairo_save(cr);
    cairo_set_operator(cr, op);
    cairo_rectangle(cr, rect.Left, rect.Top, rect.Width(), rect.Height());
    cairo_clip(cr);
    cairo_translate(cr, rect.Left, rect.Top);
    const bool scaled = rect.Width() != picture.Width() || rect.Height() != picture.Height();
    if (scaled) {
        cairo_scale(cr, static_cast<double>(rect.Width()) / picture.Width(),
                    static_cast<double>(rect.Height()) / picture.Height());
    }
    cairo_set_source_surface(cr, source, 0, 0);
    cairo_pattern_t* pattern = cairo_get_source(cr);
    cairo_pattern_set_filter(pattern, scaled ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
    // Only a scaled picture samples beyond its edges; padding an unscaled one would cost cairo
    // its plain-copy path for nothing.
    if (scaled) {
        cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
    }
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(source);
    Changed();
}

TColor TCanvas::Pixel(int x, int y) const {
    return m_target.Pixel(x, y);
}

void TCanvas::SetPixel(int x, int y, TColor color) {
    if (ClipRect().Contains({x, y})) {
        PixelRaster(m_target, ClipRect()).Plot(x, y, ColorToPixel(color));
        Changed();
    }
}
