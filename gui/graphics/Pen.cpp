#include "gui/graphics/Pen.h"

TPen& TPen::operator=(const TPen& source) {
    if (this != &source &&
        (m_color != source.m_color || m_style != source.m_style || m_width != source.m_width)) {
        m_color = source.m_color;
        m_style = source.m_style;
        m_width = source.m_width;
        Changed();
    }
    return *this;
}

void TPen::SetColor(TColor value) {
    if (value != m_color) {
        m_color = value;
        Changed();
    }
}

void TPen::SetStyle(TPenStyle value) {
    if (value != m_style) {
        m_style = value;
        Changed();
    }
}

void TPen::SetWidth(int value) {
    if (value < 1) {
        value = 1;
    }
    if (value != m_width) {
        m_width = value;
        Changed();
    }
}
