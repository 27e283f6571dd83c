#include "gui/framework/FormCompositor.h"

#include <algorithm>

#include "gui/framework/Application.h"
#include "gui/framework/Form.h"
#include "gui/framework/GraphicControl.h"
#include "gui/graphics/Canvas.h"

namespace {

bool Touches(const TRect& a, const TRect& b) {
    return a.Left <= b.Right && b.Left <= a.Right && a.Top <= b.Bottom && b.Top <= a.Bottom;
}

// Each control paints on a canvas in its default state, whatever the one before it left.
void ResetCanvas(TCanvas& canvas) {
    static const TPen pen;
    static const TBrush brush;
    static const TFont font;
    canvas.Pen() = pen;
    canvas.Brush() = brush;
    canvas.Font() = font;
}

// Only a surface painted at the window's present size is known to fill the window.
bool Covers(const TControl& window, const TRect& area) {
    const TBitmap& surface = static_cast<const TWinControl&>(window).Surface();
    return surface.Width() == window.Width() && surface.Height() == window.Height() &&
           area.Intersect(window.BoundsRect()) == area;
}

} // namespace

TFormCompositor::TFormCompositor(TForm& form) : m_form(form), m_layers(form) {}

void TFormCompositor::Invalidate(const TRect& area) {
    const TRect clipped = area.Intersect(m_form.ClientRect());
    if (!clipped.IsEmpty())
        MergeInto(*m_target, clipped);
}

void TFormCompositor::Invalidate(const TControl& control, const TRect& area) {
    if (const int layer = GraphicLayer(control); layer >= 0)
        m_layers.Changed(layer, area.Intersect(m_form.ClientRect()));
    Invalidate(area);
}

void TFormCompositor::ShownOrHidden(const TControl& control) {
    const TRect area = control.BoundsRect();
    if (const int layer = GraphicLayer(control); layer >= 0)
        m_layers.ShownOrHidden(layer, area.Intersect(m_form.ClientRect()));
    Invalidate(area);
}

void TFormCompositor::ChangedWhileHidden(const TControl& control) {
    if (const int layer = GraphicLayer(control); layer >= 0)
        m_layers.Changed(layer, control.BoundsRect().Intersect(m_form.ClientRect()));
}

int TFormCompositor::GraphicLayer(const TControl& control) const {
    // Windowed controls lie above every graphic layer that is kept.
    if (control.IsWindowed())
        return -1;
    for (int layer = 0; layer < m_form.ControlCount(); ++layer)
        if (m_form.Controls(layer) == &control)
            return layer;
    return -1;
}

void TFormCompositor::InvalidateAll() {
    m_layers.Clear();
    m_target->clear();
    Invalidate(m_form.ClientRect());
}

void TFormCompositor::MergeInto(std::vector<TRect>& areas, const TRect& area) {
    TRect merged = area;
    // Touching areas become one, which may then touch others.
    for (bool again = true; again;) {
        again = false;
        for (auto it = areas.begin(); it != areas.end(); ++it) {
            if (Touches(*it, merged)) {
                merged = it->Union(merged);
                areas.erase(it);
                again = true;
                break;
            }
        }
    }
    areas.push_back(merged);
    if (areas.size() > MaxAreas) {
        TRect all = areas.front();
        for (const TRect& a : areas)
            all = all.Union(a);
        areas.assign(1, all);
    }
}

std::vector<TRect> TFormCompositor::Compose() {
    ResizeBackBuffer();
    std::vector<TRect> frame;
    frame.swap(m_dirty);
    m_paintPending = false;
    // Requests made while this frame is drawn belong to it only when they are areas that a
    // capture of what lies beneath a control has just overwritten.
    m_target = &frame;
    PaintWindows();
    for (std::size_t i = 0; i < frame.size(); ++i)
        ComposeArea(frame[i], nullptr);
    m_target = &m_dirty;
    return frame;
}

void TFormCompositor::ResizeBackBuffer() {
    const int width = m_form.ClientWidth();
    const int height = m_form.ClientHeight();
    if (m_backBuffer.Width() == width && m_backBuffer.Height() == height)
        return;
    m_backBuffer.SetSize(width, height);
    InvalidateAll();
}

void TFormCompositor::PaintWindows() {
    // Lower windows first: a transparent one shows what its lower neighbours painted.
    for (int i = 0; i < m_form.ControlCount(); ++i) {
        TControl* control = m_form.Controls(i);
        if (control->IsWindowed() && control->Visible())
            static_cast<TWinControl*>(control)->PaintWindow();
    }
}

void TFormCompositor::ComposeArea(const TRect& area, const TWinControl* stopAt) {
    TCanvas& canvas = m_backBuffer.Canvas();
    const int first = FirstVisibleLayer(area, stopAt);
    if (first < 0)
        ComposeGraphics(area);
    for (int i = std::max(first, 0); i < m_form.ControlCount(); ++i) {
        TControl* control = m_form.Controls(i);
        if (control == stopAt)
            break;
        const TRect part = area.Intersect(control->BoundsRect());
        if (!control->IsWindowed() || !control->Visible() || part.IsEmpty())
            continue;
        canvas.SetClipRect(part);
        // Opaque surfaces: a plain copy gives what drawing them over the layers beneath gives.
        canvas.Copy(control->Left(), control->Top(), static_cast<TWinControl*>(control)->Surface());
    }
    canvas.ResetClipRect();
}

// A windowed control's surface is an opaque rectangle, so beneath the top-most one that covers
// the whole area nothing shows: neither the form, its graphic controls nor lower windows. An
// animated widget then costs one copy of its surface instead of the whole stack beneath it.
int TFormCompositor::FirstVisibleLayer(const TRect& area, const TWinControl* stopAt) const {
    int first = -1;
    for (int i = 0; i < m_form.ControlCount(); ++i) {
        const TControl* control = m_form.Controls(i);
        if (control == stopAt)
            break;
        if (control->IsWindowed() && control->Visible() && Covers(*control, area))
            first = i;
    }
    return first;
}

void TFormCompositor::ComposeGraphics(const TRect& area) {
    if (m_layers.RestoreComposed(area, m_backBuffer))
        return;
    TCanvas& canvas = m_backBuffer.Canvas();
    int first = m_layers.Restore(area, m_backBuffer);
    if (first < 0) {
        canvas.SetClipRect(area);
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(m_form.Color());
        canvas.FillRect(area);
        first = 0;
    }
    for (int i = first; i < m_form.ControlCount(); ++i) {
        m_layers.Capture(i, area, m_backBuffer);
        TControl* control = m_form.Controls(i);
        const TRect part = area.Intersect(control->BoundsRect());
        if (control->IsWindowed() || !control->Visible() || part.IsEmpty())
            continue;
        canvas.SetClipRect(part);
        ResetCanvas(canvas);
        auto* graphic = static_cast<TGraphicControl*>(control);
        Guarded([&] { graphic->Paint(canvas); });
    }
    m_layers.CaptureComposed(area, m_backBuffer);
}

void TFormCompositor::ComposeBeneath(const TWinControl& control, TBitmap& target) {
    ResizeBackBuffer();
    const TRect bounds = control.BoundsRect();
    const TRect area = bounds.Intersect(m_form.ClientRect());
    target.SetSize(control.Width(), control.Height());
    target.Fill(m_form.Color());
    if (area.IsEmpty())
        return;
    // The back buffer serves as scratch: the area is composed again, control included, before
    // anything is shown.
    ComposeArea(area, &control);
    const TRect dest =
        Bounds(area.Left - bounds.Left, area.Top - bounds.Top, area.Width(), area.Height());
    target.Canvas().CopyRect(dest, m_backBuffer.Canvas(), area);
    MergeInto(*m_target, area);
}

bool TFormCompositor::PointVisible(const TWinControl& control, TPoint point) const {
    if (!control.Visible() || !m_form.Visible() || !control.ClientRect().Contains(point))
        return false;
    const TPoint onForm{control.Left() + point.X, control.Top() + point.Y};
    if (!m_form.ClientRect().Contains(onForm))
        return false;
    bool above = false;
    for (int i = 0; i < m_form.ControlCount(); ++i) {
        const TControl* other = m_form.Controls(i);
        if (above && other->IsWindowed() && other->Visible() &&
            other->BoundsRect().Contains(onForm))
            return false;
        above = above || other == &control;
    }
    const TRect window = m_form.ScreenRect();
    const TPoint local = m_form.Viewport().ClientToWindow(onForm);
    const TPoint screen{window.Left + local.X, window.Top + local.Y};
    return Application && Application->Platform().DesktopBounds().Contains(screen) &&
           !Application->CoveredAbove(m_form, screen);
}
