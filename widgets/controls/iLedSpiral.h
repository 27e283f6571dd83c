#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "gui/graphics/RasterPolygon.h"
#include "widgets/controls/iProgressComponent.h"

enum TiLedSpiralStyle : std::uint8_t { ilssProgress, ilssPointer };

// The value as a ring of radial LED bars around the centre: a run of lit bars up to the value,
// or the single bar at the value.
class TiLedSpiral : public TiProgressComponent {
public:
    static constexpr int MaxRangeDegrees = 360;

    explicit TiLedSpiral(TComponent* owner);

    static const TClassInfo& StaticClassInfo();

    int SegmentCount() const { return m_segmentCount; }
    void SetSegmentCount(int value);
    int SegmentSize() const { return m_segmentSize; }
    void SetSegmentSize(int value);
    int SegmentWidth() const { return m_segmentWidth; }
    void SetSegmentWidth(int value);
    int OuterRadius() const { return m_outerRadius; }
    void SetOuterRadius(int value);
    int RangeDegrees() const { return m_rangeDegrees; }
    void SetRangeDegrees(int value);
    int StartDegrees() const { return m_startDegrees; }
    void SetStartDegrees(int value);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool value);
    int OuterMargin() const { return m_outerMargin; }
    void SetOuterMargin(int value);
    TiLedSpiralStyle Style() const { return m_style; }
    void SetStyle(TiLedSpiralStyle value);

    // How many bars the value lights.
    int LitCount() const;
    // The angle between neighbouring bars: a full circle closes without a double bar, a part
    // circle has bars at both ends.
    double StepDegrees() const;
    // The four corners of bar i, outer edge first.
    std::array<TPoint, 4> BarCorners(int index) const;

protected:
    void DrawWidget(TCanvas& canvas) override;

private:
    // Everything the bars' corners depend on.
    struct TBarGeometry {
        int width;
        int height;
        int outerRadius;
        int segmentWidth;
        int segmentSize;
        int segmentCount;
        int rangeDegrees;
        int startDegrees;
        bool operator==(const TBarGeometry&) const = default;
    };

    bool BarLit(int index, int lit) const;
    TBarGeometry BarGeometry() const;
    // Every bar worked out into pixels, anew only when the geometry has changed since the last
    // paint: a step of the value moves no bar.
    const std::vector<TRasterPolygon>& Bars();

    int m_segmentCount = 32;
    int m_segmentSize = 1;
    int m_segmentWidth = 10;
    int m_outerRadius = 50;
    int m_rangeDegrees = 360;
    int m_startDegrees = 180;
    bool m_autoSize = true;
    int m_outerMargin = 5;
    TiLedSpiralStyle m_style = ilssProgress;
    std::optional<TBarGeometry> m_barGeometry;
    std::vector<TRasterPolygon> m_bars;
};
