#include "widgets/display/iDrawObject.h"

bool TiDrawObject::Contains(TPoint pixel) const {
    return Bounds.Contains(pixel);
}

TFontStyles TiDrawObject::FontStyle() const {
    TFontStyles style = 0;
    if (FontBold)
        style |= FontStyleBit(fsBold);
    if (FontItalic)
        style |= FontStyleBit(fsItalic);
    if (FontUnderline)
        style |= FontStyleBit(fsUnderline);
    if (FontStrikeOut)
        style |= FontStyleBit(fsStrikeOut);
    return style;
}
