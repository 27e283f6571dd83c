#pragma once

#include <cairo.h>

#include <optional>
#include <span>
#include <string>

#include "gui/graphics/Brush.h"
#include "gui/graphics/Font.h"
#include "gui/graphics/Geometry.h"
#include "gui/graphics/Object.h"
#include "gui/graphics/Pen.h"

class TBitmap;
class TOpaqueRuns;
class TRasterPolygon;

// Text drawing flags of DrawText.
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_TOP = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_BOTTOM = 0x8;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_EXPANDTABS = 0x40;
constexpr unsigned DT_NOCLIP = 0x100;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;
constexpr unsigned DT_PATH_ELLIPSIS = 0x4000;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
constexpr unsigned DT_MODIFYSTRING = 0x10000;
constexpr unsigned DT_WORD_ELLIPSIS = 0x40000;

// Edge kinds and sides of DrawEdge.
constexpr unsigned BDR_RAISEDOUTER = 0x1;
constexpr unsigned BDR_SUNKENOUTER = 0x2;
constexpr unsigned BDR_RAISEDINNER = 0x4;
constexpr unsigned BDR_SUNKENINNER = 0x8;
constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr unsigned EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
constexpr unsigned BF_LEFT = 0x1;
constexpr unsigned BF_TOP = 0x2;
constexpr unsigned BF_RIGHT = 0x4;
constexpr unsigned BF_BOTTOM = 0x8;
constexpr unsigned BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr unsigned BF_MIDDLE = 0x800;

// Drawing on a bitmap with the classic rules: integer pixels, rectangles whose right and bottom
// edges are outside, lines that leave their end point unpainted, shapes filled with the brush
// and outlined with the pen. A solid brush also fills the gaps of dashed lines and the cells
// behind text; any other brush leaves them untouched.
class TCanvas : public TObject {
public:
    explicit TCanvas(TBitmap& target);
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;
    ~TCanvas() override;

    TPen& Pen() { return m_pen; }
    TBrush& Brush() { return m_brush; }
    TFont& Font() { return m_font; }
    const TFont& Font() const { return m_font; }

    TPoint PenPos() const { return m_penPos; }
    void SetPenPos(TPoint value) { m_penPos = value; }
    // Hatches repeat every 8 pixels from this point of the bitmap.
    TPoint BrushOrigin() const { return m_brushOrigin; }
    void SetBrushOrigin(TPoint value) { m_brushOrigin = value; }

    // Drawing never reaches outside the clip rectangle (initially the whole bitmap).
    TRect ClipRect() const;
    void SetClipRect(const TRect& rect);
    void ResetClipRect();

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(std::span<const TPoint> points);
    void Polygon(std::span<const TPoint> points);
    // The same pixels as drawing the points the shape was made from, without working them out.
    void Polygon(const TRasterPolygon& shape);
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& rect) { Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }
    void FillRect(const TRect& rect);
    void FrameRect(const TRect& rect);
    void RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
    void Ellipse(int left, int top, int right, int bottom);
    void Ellipse(const TRect& rect) { Ellipse(rect.Left, rect.Top, rect.Right, rect.Bottom); }
    // Counter-clockwise along the ellipse in the box, from the ray through (x3, y3) to the ray
    // through (x4, y4).
    void Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4);

    // The top left of the text cell at (x, y); the pen moves to its right end.
    void TextOut(int x, int y, const std::string& text);
    int TextWidth(const std::string& text) const;
    int TextHeight(const std::string& text) const;
    TSize TextExtent(const std::string& text) const;
    // Returns the height of the text; with DT_CALCRECT only measures into rect. With
    // DT_MODIFYSTRING and an ellipsis, the shortened text is written to modified.
    int DrawText(const std::string& text, TRect& rect, unsigned format,
                 std::string* modified = nullptr);

    void DrawEdge(const TRect& rect, unsigned edge, unsigned sides);
    // Inverts every other pixel of the frame, so drawing it twice leaves no trace.
    void DrawFocusRect(const TRect& rect);

    void Draw(int x, int y, const TBitmap& picture);
    // The picture by its runs of opaque pixels: for a picture whose pixels are either opaque or
    // fully transparent and that has no transparent colour, what Draw gives, at the cost of
    // copying what shows.
    void Draw(int x, int y, const TBitmap& picture, const TOpaqueRuns& runs);
    void StretchDraw(const TRect& rect, const TBitmap& picture);
    void CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect);
    // Puts the picture's pixels in place of the canvas's at (x, y), alpha and all, ignoring the
    // picture's transparency settings. For a picture that covers what lies under it, such as a
    // finished off-screen paint, it gives what Draw gives at the cost of a plain copy.
    void Copy(int x, int y, const TBitmap& picture);

    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    // Fired after every drawing operation.
    TNotifyEvent OnChange;

    // The bitmap's surface was replaced (resized); drop what refers to the old one.
    void SurfaceReplaced();

private:
    cairo_t* Context();
    void Changed();
    void StrokePolyline(std::span<const TPoint> points);
    void FillTextCell(const TRect& cell);
    void Blit(const TRect& rect, const TBitmap& picture, cairo_operator_t op);
    // Takes over the reference to source.
    void Blit(const TRect& rect, const TBitmap& picture, cairo_operator_t op,
              cairo_surface_t* source);

    TBitmap& m_target;
    TPen m_pen;
    TBrush m_brush;
    TFont m_font;
    TPoint m_penPos;
    TPoint m_brushOrigin;
    std::optional<TRect> m_clip;
    cairo_t* m_cr = nullptr;
};
