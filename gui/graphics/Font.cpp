#include "gui/graphics/Font.h"

#include <cstdlib>

namespace {

// a * b / c rounded to the nearest integer, halves away from zero, as font sizes have always
// been converted.
int MulDiv(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

} // namespace

TFont& TFont::operator=(const TFont& source) {
    if (this != &source && (m_name != source.m_name || m_height != source.m_height ||
                            m_color != source.m_color || m_style != source.m_style)) {
        m_name = source.m_name;
        m_height = source.m_height;
        m_color = source.m_color;
        m_style = source.m_style;
        Changed();
    }
    return *this;
}

void TFont::SetName(const std::string& value) {
    if (value != m_name && !value.empty()) {
        m_name = value;
        Changed();
    }
}

void TFont::SetHeight(int value) {
    if (value != m_height) {
        m_height = value;
        Changed();
    }
}

int TFont::Size() const {
    return -MulDiv(m_height, 72, PixelsPerInch);
}

void TFont::SetSize(int points) {
    SetHeight(-MulDiv(points, PixelsPerInch, 72));
}

void TFont::SetColor(TColor value) {
    if (value != m_color) {
        m_color = value;
        Changed();
    }
}

void TFont::SetStyle(TFontStyles value) {
    if (value != m_style) {
        m_style = value;
        Changed();
    }
}
