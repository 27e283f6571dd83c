#include "widgets/controls/iLedArrow.h"

#include <algorithm>

#include "gui/streaming/ClassBuilder.h"

TiLedArrow::TiLedArrow(TComponent* owner) : TiLed(owner) {
    SetBounds(Left(), Top(), 40, 20);
    SetAutoSize(true);
}

const TClassInfo& TiLedArrow::StaticClassInfo() {
    static const TClassInfo& info =
        TClassBuilder<TiLedArrow>("TiLedArrow", &TiLed::StaticClassInfo())
            .Enumeration(
                "Style", &TiLedArrow::Style, &TiLedArrow::SetStyle,
                {"ilasRight", "ilasLeft", "ilasUp", "ilasDown", "ilasLeftRight", "ilasUpDown"},
                ilasRight)
            .Boolean("AutoSize", &TiLedArrow::AutoSize, &TiLedArrow::SetAutoSize, true)
            .Integer("ArrowBodyLength", &TiLedArrow::ArrowBodyLength,
                     &TiLedArrow::SetArrowBodyLength, 20)
            .Integer("ArrowHeadSize", &TiLedArrow::ArrowHeadSize, &TiLedArrow::SetArrowHeadSize, 20)
            .Build();
    return info;
}

void TiLedArrow::SetStyle(TiLedArrowStyle value) {
    if (value == m_style)
        return;
    m_style = value;
    BackGroundChange();
    ApplyAutoSize();
}

void TiLedArrow::SetAutoSize(bool value) {
    if (value == m_autoSize)
        return;
    m_autoSize = value;
    ApplyAutoSize();
}

void TiLedArrow::SetArrowBodyLength(int value) {
    if (value == m_arrowBodyLength)
        return;
    m_arrowBodyLength = value;
    BackGroundChange();
    ApplyAutoSize();
}

void TiLedArrow::SetArrowHeadSize(int value) {
    if (value == m_arrowHeadSize)
        return;
    m_arrowHeadSize = value;
    BackGroundChange();
    ApplyAutoSize();
}

// The widget takes the arrow's extent. Height goes first for the horizontal arrows so that the
// width constraint sees the new head size. A stored layout holds both the size and the measures,
// so while it loads neither is derived from the other.
void TiLedArrow::ApplyAutoSize() {
    if (!m_autoSize || IsLoading())
        return;
    m_autoSizing = true;
    const int hd = m_arrowHeadSize;
    const int bd = m_arrowBodyLength;
    switch (m_style) {
    case ilasRight:
    case ilasLeft:
        SetHeight(hd);
        SetWidth(bd + hd);
        break;
    case ilasUp:
    case ilasDown:
        SetHeight(bd + hd);
        SetWidth(hd);
        break;
    case ilasLeftRight:
        SetHeight(hd);
        SetWidth(2 * bd + 2 * hd);
        break;
    case ilasUpDown:
        SetWidth(hd);
        SetHeight(2 * bd + 2 * hd);
        break;
    }
    m_autoSizing = false;
}

void TiLedArrow::SetBounds(int left, int top, int width, int height) {
    const TSize size = ConstrainedSize(width, height);
    TiLed::SetBounds(left, top, size.cx, size.cy);
    if (m_autoSize && !m_autoSizing && !IsLoading())
        FollowSize(size.cx, size.cy);
}

// An arrow is never narrower along its length than its head is wide.
TSize TiLedArrow::ConstrainedSize(int width, int height) const {
    switch (m_style) {
    case ilasRight:
    case ilasLeft:
        return {std::max(width, height), height};
    case ilasUp:
    case ilasDown:
        return {width, std::max(height, width)};
    case ilasLeftRight:
        return {std::max(width, 2 * height), height};
    case ilasUpDown:
        return {width, std::max(height, 2 * width)};
    }
    return {width, height};
}

// Resizing an auto-sized arrow by hand rescales it instead of being undone.
void TiLedArrow::FollowSize(int width, int height) {
    switch (m_style) {
    case ilasRight:
    case ilasLeft:
        m_arrowHeadSize = height;
        m_arrowBodyLength = width - height;
        break;
    case ilasUp:
    case ilasDown:
        m_arrowHeadSize = width;
        m_arrowBodyLength = height - width;
        break;
    case ilasLeftRight:
        m_arrowHeadSize = height;
        m_arrowBodyLength = (width - 2 * height) / 2;
        break;
    case ilasUpDown:
        m_arrowHeadSize = width;
        m_arrowBodyLength = (height - 2 * width) / 2;
        break;
    }
}

std::vector<TiLedArrow::TOutlinePoint> TiLedArrow::Outline() const {
    constexpr bool L = true;
    constexpr bool S = false;
    const int w = Width();
    const int ht = Height();
    const int hd = m_arrowHeadSize;
    const int bd = m_arrowBodyLength;
    const int h2 = hd / 2;
    const int h4 = hd / 4;
    switch (m_style) {
    case ilasRight:
        return {{{w, h2}, S},           {{w - hd, hd}, L},
                {{w - hd, hd - h4}, S}, {{w - hd - bd, hd - h4}, L},
                {{w - hd - bd, h4}, L}, {{w - hd, h4}, L},
                {{w - hd, 0}, L}};
    case ilasLeft:
        return {{{0, h2}, S},       {{hd, hd}, S}, {{hd, hd - h4}, S}, {{hd + bd, hd - h4}, S},
                {{hd + bd, h4}, L}, {{hd, h4}, S}, {{hd, 0}, L}};
    case ilasUp:
        return {{{h2, 0}, L},       {{hd, hd}, S}, {{hd - h4, hd}, S}, {{hd - h4, hd + bd}, S},
                {{h4, hd + bd}, L}, {{h4, hd}, S}, {{0, hd}, L}};
    case ilasDown:
        return {{{h2, ht}, S},           {{hd, ht - hd}, L},
                {{hd - h4, ht - hd}, S}, {{hd - h4, ht - hd - bd}, L},
                {{h4, ht - hd - bd}, L}, {{h4, ht - hd}, L},
                {{0, ht - hd}, L}};
    case ilasLeftRight:
        return {{{w, h2}, S},
                {{w - hd, hd}, L},
                {{w - hd, hd - h4}, S},
                {{w - hd - 2 * bd, hd - h4}, S},
                {{w - hd - 2 * bd, hd}, S},
                {{w - 2 * hd - 2 * bd, h2}, L},
                {{w - hd - 2 * bd, 0}, S},
                {{w - hd - 2 * bd, h4}, L},
                {{w - hd, h4}, L},
                {{w - hd, 0}, L}};
    case ilasUpDown:
        return {{{h2, 0}, L},           {{hd, hd}, S},
                {{hd - h4, hd}, S},     {{hd - h4, hd + 2 * bd}, L},
                {{hd, hd + 2 * bd}, S}, {{h2, 2 * hd + 2 * bd}, L},
                {{0, hd + 2 * bd}, L},  {{h4, hd + 2 * bd}, L},
                {{h4, hd}, S},          {{0, hd}, L}};
    }
    return {};
}

void TiLedArrow::DrawWidget(TCanvas& canvas) {
    // Background.
    DrawBackground(canvas, BackGroundColor());
    // Body in the lamp colour.
    const std::vector<TOutlinePoint> outline = Outline();
    std::vector<TPoint> points;
    points.reserve(outline.size());
    for (const TOutlinePoint& p : outline)
        points.push_back(p.Point);
    canvas.Brush().SetColor(LampColor());
    canvas.Pen().SetColor(LampColor());
    canvas.Polygon(points);
    // Bevel outline, edge by edge.
    if (BevelStyle() != ibsNone)
        DrawBevelEdges(canvas, outline);
}

void TiLedArrow::DrawBevelEdges(TCanvas& canvas, const std::vector<TOutlinePoint>& outline) {
    const bool raised = BevelStyle() == ibsRaised;
    const TColor lit = raised ? clBtnHighlight : clBtnShadow;
    const TColor shaded = raised ? clBtnShadow : clBtnHighlight;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const TPoint from = outline[i].Point;
        const TPoint to = outline[(i + 1) % outline.size()].Point;
        canvas.Pen().SetColor(outline[i].Lit ? lit : shaded);
        const TPoint line[] = {from, to};
        canvas.Polyline(line);
    }
}
