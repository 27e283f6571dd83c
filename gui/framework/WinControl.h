#pragma once

#include <string>

#include "gui/framework/Control.h"
#include "gui/graphics/Bitmap.h"

// A control with a surface of its own that keeps the picture of its last paint, takes the
// keyboard focus and stacks above every graphic control of its form in creation order.
class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);

    bool IsWindowed() const override { return true; }
    void Invalidate() override;
    void SetVisible(bool value) override;

    int TabOrder() const { return m_tabOrder; }
    void SetTabOrder(int value);
    bool TabStop() const { return m_tabStop; }
    void SetTabStop(bool value) { m_tabStop = value; }
    const std::string& Text() const { return m_text; }
    virtual void SetText(const std::string& value);

    bool Focused() const;
    bool CanFocus() const;
    void SetFocus();

    // The picture of the last paint, Width x Height.
    const TBitmap& Surface() const { return m_surface; }
    bool NeedsPaint() const { return m_needsPaint; }
    // A repaint that marks no area yet: the paint marks what it changed, for a control that
    // knows only then that a small part of its picture changed.
    void RequestPaint();
    // Repaints the surface when a repaint was asked for. The compositor calls it.
    void PaintWindow();

    // Whether this point of the control (control coordinates) can be seen on the screen: its
    // form is shown, nothing lies above it and it is inside the form.
    bool PointVisible(TPoint point) const;
    // The pixels that lie beneath the control's rectangle: the form, its graphic controls and
    // the windowed controls below this one.
    void CaptureBeneath(TBitmap& target) const;

    virtual void KeyDown(TKey& key, TShiftState shift);
    virtual void KeyUp(TKey& key, TShiftState shift);
    virtual void KeyPress(char32_t& key);
    // Tab and the arrow keys move the focus unless the focused control claims them here.
    virtual bool WantSpecialKey(TKey) { return false; }
    // The focus arrives, or leaves for another control (null when it leaves the program's
    // windows). The router calls these before OnExit and OnEnter.
    virtual void FocusGained() {}
    virtual void FocusLost(TWinControl* receiver) { (void)receiver; }
    virtual void DoEnter();
    virtual void DoExit();

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    TBitmap& SurfaceBitmap() { return m_surface; }
    // Draws the control into its surface, which is already Width x Height.
    virtual void PaintSurface(TBitmap& surface) { (void)surface; }

private:
    int m_tabOrder = -1;
    bool m_tabStop = false;
    std::string m_text;
    TBitmap m_surface;
    bool m_needsPaint = true;
};
