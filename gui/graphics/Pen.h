#pragma once

#include <cstdint>

#include "gui/graphics/Color.h"
#include "gui/graphics/GraphicsObject.h"

enum TPenStyle : std::uint8_t {
    psSolid,
    psDash,
    psDot,
    psDashDot,
    psDashDotDot,
    psClear,
    psInsideFrame,
};

class TPen : public TGraphicsObject {
public:
    TPen() = default;
    TPen(const TPen&) = delete;
    // Copies colour, style and width; the owner's change notification stays.
    TPen& operator=(const TPen& source);

    TColor Color() const { return m_color; }
    void SetColor(TColor value);
    TPenStyle Style() const { return m_style; }
    void SetStyle(TPenStyle value);
    int Width() const { return m_width; }
    void SetWidth(int value);

private:
    TColor m_color = clBlack;
    TPenStyle m_style = psSolid;
    int m_width = 1;
};
