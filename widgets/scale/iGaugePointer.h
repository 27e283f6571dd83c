#pragma once

#include "gui/graphics/Color.h"
#include "gui/graphics/Object.h"

class TClassInfo;
class TiGaugePointerManager;

// One needle of a gauge. It belongs to its manager from construction to destruction and tells
// the manager of every change, so the gauge repaints whichever pointer moved.
class TiGaugePointer : public TObject {
public:
    // Registers itself with the manager, which then owns it.
    explicit TiGaugePointer(TiGaugePointerManager& manager);
    TiGaugePointer(const TiGaugePointer&) = delete;
    TiGaugePointer& operator=(const TiGaugePointer&) = delete;
    ~TiGaugePointer() override;

    static const TClassInfo& StaticClassInfo();

    int Size() const { return m_size; }
    void SetSize(int value);
    int Margin() const { return m_margin; }
    void SetMargin(int value);
    TColor Color() const { return m_color; }
    void SetColor(TColor value);
    // The gauge reads it as its pointer style; 3 is the triangle needle.
    int Style() const { return m_style; }
    void SetStyle(int value);
    double Position() const { return m_position; }
    // A value that is not a finite number is refused: a needle cannot point at it.
    void SetPosition(double value);

private:
    template <class T> void Store(T value, T& field);

    int m_size = 10;
    int m_style = 3;
    int m_margin = 0;
    TColor m_color = clBlack;
    TiGaugePointerManager& m_manager;
    double m_position = 0;
};
