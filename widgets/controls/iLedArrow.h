#pragma once

#include <cstdint>
#include <vector>

#include "widgets/controls/iLed.h"

enum TiLedArrowStyle : std::uint8_t {
    ilasRight,
    ilasLeft,
    ilasUp,
    ilasDown,
    ilasLeftRight,
    ilasUpDown
};

// A lamp in the shape of an arrow with a one-pixel bevel outline. It has no hit test of its
// own: clicks anywhere in its rectangle reach the ordinary control events.
class TiLedArrow : public TiLed {
public:
    explicit TiLedArrow(TComponent* owner);

    static const TClassInfo& StaticClassInfo();

    TiLedArrowStyle Style() const { return m_style; }
    void SetStyle(TiLedArrowStyle value);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool value);
    int ArrowBodyLength() const { return m_arrowBodyLength; }
    void SetArrowBodyLength(int value);
    int ArrowHeadSize() const { return m_arrowHeadSize; }
    void SetArrowHeadSize(int value);

    void SetBounds(int left, int top, int width, int height) override;

    // One outline point and whether the edge that starts there is lit (false: shaded).
    struct TOutlinePoint {
        TPoint Point;
        bool Lit;
    };
    // The arrow's outline in drawing order, for the current size and measures.
    std::vector<TOutlinePoint> Outline() const;

protected:
    void DrawWidget(TCanvas& canvas) override;

private:
    void ApplyAutoSize();
    TSize ConstrainedSize(int width, int height) const;
    void FollowSize(int width, int height);
    void DrawBevelEdges(TCanvas& canvas, const std::vector<TOutlinePoint>& outline);

    TiLedArrowStyle m_style = ilasRight;
    bool m_autoSize = false;
    bool m_autoSizing = false;
    int m_arrowBodyLength = 20;
    int m_arrowHeadSize = 20;
};
