#pragma once

#include <cstdint>

#include "gui/graphics/Color.h"
#include "gui/graphics/GraphicsObject.h"

enum TBrushStyle : std::uint8_t {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross,
};

class TBrush : public TGraphicsObject {
public:
    TBrush() = default;
    TBrush(const TBrush&) = delete;
    // Copies colour and style; the owner's change notification stays.
    TBrush& operator=(const TBrush& source);

    TColor Color() const { return m_color; }
    void SetColor(TColor value);
    TBrushStyle Style() const { return m_style; }
    void SetStyle(TBrushStyle value);

    // Whether the 8 x 8 hatch of a hatched style covers the pixel (x, y) of the pattern cell.
    static bool HatchCovers(TBrushStyle style, int x, int y);

private:
    TColor m_color = clWhite;
    TBrushStyle m_style = bsSolid;
};
