#pragma once

#include <vector>

#include "gui/framework/LayerCache.h"
#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Geometry.h"

class TControl;
class TForm;
class TWinControl;

// Keeps a form's back buffer: gathers the areas to redraw, repaints the windowed controls that
// asked for it and composes the dirty areas from the form's colour, its graphic controls in
// creation order and its windowed controls' last paints in stacking order.
class TFormCompositor {
public:
    // Beyond this many separate areas they are merged into one.
    static constexpr std::size_t MaxAreas = 16;

    explicit TFormCompositor(TForm& form);

    void Invalidate(const TRect& area);
    // The control's look changed within the area (form coordinates).
    void Invalidate(const TControl& control, const TRect& area);
    // The control was shown or hidden.
    void ShownOrHidden(const TControl& control);
    // The hidden control changed its look, which shows when it is shown again.
    void ChangedWhileHidden(const TControl& control);
    // Everything is drawn afresh: the form's colour or size changed.
    void InvalidateAll();
    // A control was added or removed, which renumbers the layers above it.
    void StackChanged() { m_layers.Clear(); }
    bool Dirty() const { return !m_dirty.empty() || m_paintPending; }
    // A windowed control will repaint and mark the areas its paint changed itself.
    void ControlNeedsPaint() { m_paintPending = true; }

    // Repaints what asked for it and composes the dirty areas; returns the areas that changed.
    std::vector<TRect> Compose();
    const TBitmap& BackBuffer() const { return m_backBuffer; }

    void ComposeBeneath(const TWinControl& control, TBitmap& target);
    bool PointVisible(const TWinControl& control, TPoint point) const;

    const TLayerCache& Layers() const { return m_layers; }

private:
    void ResizeBackBuffer();
    void PaintWindows();
    // The index of a graphic control among the form's controls; -1 for a windowed one.
    int GraphicLayer(const TControl& control) const;
    void ComposeArea(const TRect& area, const TWinControl* stopAt);
    int FirstVisibleLayer(const TRect& area, const TWinControl* stopAt) const;
    // The form's colour and its graphic controls, beneath every windowed control.
    void ComposeGraphics(const TRect& area);
    static void MergeInto(std::vector<TRect>& areas, const TRect& area);

    TForm& m_form;
    TBitmap m_backBuffer;
    std::vector<TRect> m_dirty;
    std::vector<TRect>* m_target = &m_dirty;
    bool m_paintPending = false;
    TLayerCache m_layers;
};
