#include "widgets/scale/iGaugePointer.h"

#include <cmath>

#include "gui/streaming/ClassBuilder.h"
#include "widgets/scale/iGaugePointerManager.h"

TiGaugePointer::TiGaugePointer(TiGaugePointerManager& manager) : m_manager(manager) {
    m_manager.Register(*this);
}

TiGaugePointer::~TiGaugePointer() {
    m_manager.Unregister(*this);
}

const TClassInfo& TiGaugePointer::StaticClassInfo() {
    static const TClassInfo& info =
        TClassBuilder<TiGaugePointer>("TiGaugePointer", nullptr)
            .Integer("Size", &TiGaugePointer::Size, &TiGaugePointer::SetSize)
            .Integer("Margin", &TiGaugePointer::Margin, &TiGaugePointer::SetMargin)
            .Color("Color", &TiGaugePointer::Color, &TiGaugePointer::SetColor, std::nullopt)
            .Integer("Style", &TiGaugePointer::Style, &TiGaugePointer::SetStyle)
            .Double("Position", &TiGaugePointer::Position, &TiGaugePointer::SetPosition)
            .Build();
    return info;
}

template <class T> void TiGaugePointer::Store(T value, T& field) {
    if (value == field)
        return;
    field = value;
    m_manager.Changed(&m_manager);
}

void TiGaugePointer::SetSize(int value) {
    Store(value, m_size);
}

void TiGaugePointer::SetMargin(int value) {
    Store(value, m_margin);
}

void TiGaugePointer::SetColor(TColor value) {
    Store(value, m_color);
}

void TiGaugePointer::SetStyle(int value) {
    Store(value, m_style);
}

void TiGaugePointer::SetPosition(double value) {
    if (std::isfinite(value))
        Store(value, m_position);
}
