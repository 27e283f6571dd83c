#pragma once

#include "widgets/scale/iScaleComponent.h"

// A straight scale along the widget, 10 pixels in from its edges, with the value marked by a
// short bar across the base line. The scale is static and goes to the cached background; the
// mark is drawn on every paint.
class TTestScaleWidget : public TiScaleComponent {
public:
    explicit TTestScaleWidget(TComponent* owner);

    static const TClassInfo& StaticClassInfo();

    TiOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TiOrientation value);
    TiOrientationSide OrientationTickMarks() const { return m_orientationTickMarks; }
    void SetOrientationTickMarks(TiOrientationSide value);
    bool ReverseScale() const { return m_reverseScale; }
    void SetReverseScale(bool value);

    using TiScaleComponent::BackGroundChanged;
    using TiScaleComponent::Scale;

    void Invalidate() override;
    int Invalidations() const { return m_invalidations; }
    int BackGroundDraws() const { return m_backGroundDraws; }

protected:
    void DrawWidget(TCanvas& canvas) override;

private:
    void PlaceScale();
    void DrawStatic(TCanvas& canvas);
    void DrawMark(TCanvas& canvas);

    TiOrientation m_orientation = ioVertical;
    TiOrientationSide m_orientationTickMarks = iosBottomRight;
    bool m_reverseScale = false;
    int m_invalidations = 0;
    int m_backGroundDraws = 0;
};
