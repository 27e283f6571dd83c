#include "gui/graphics/Brush.h"

TBrush& TBrush::operator=(const TBrush& source) {
    if (this != &source && (m_color != source.m_color || m_style != source.m_style)) {
        m_color = source.m_color;
        m_style = source.m_style;
        Changed();
    }
    return *this;
}

void TBrush::SetColor(TColor value) {
    if (value != m_color) {
        m_color = value;
        Changed();
    }
}

void TBrush::SetStyle(TBrushStyle value) {
    if (value != m_style) {
        m_style = value;
        Changed();
    }
}

bool TBrush::HatchCovers(TBrushStyle style, int x, int y) {
    x &= 7;
    y &= 7;
    switch (style) {
    case bsHorizontal:
        return y == 7;
    case bsVertical:
        return x == 4;
    case bsFDiagonal:
        return x == y;
    case bsBDiagonal:
        return x == 7 - y;
    case bsCross:
        return y == 7 || x == 4;
    case bsDiagCross:
        return x == y || x == 7 - y;
    case bsSolid:
        return true;
    case bsClear:
        return false;
    }
    return false;
}
