#pragma once

#include <string>

#include "art/Rgb.h"

// Draws the parts of a textbook circuit diagram with even line weights: wires, junction
// dots, the armature with its brushes, a winding, resistors and rheostats, a battery, meters,
// a lamp, labels.
class TCircuitPen {
public:
    explicit TCircuitPen(cairo_t* cr) : m_cr(cr) {}

    void Wire(double x0, double y0, double x1, double y1) const;
    // A path of wires through the given corner points (x, y pairs).
    void Polyline(std::initializer_list<double> points) const;
    void Junction(double x, double y) const;
    // The armature "Я" between brushes above and below its centre.
    void Armature(double cx, double cy, double r) const;
    // A winding of loops between the two points, along a horizontal or vertical line.
    void Winding(double x0, double y0, double x1, double y1, int loops) const;
    // A resistor box centred between the two points; a rheostat adds a slanted arrow.
    void Resistor(double x0, double y0, double x1, double y1, bool variable) const;
    // A battery across a vertical wire, the long plate (positive) on top.
    void Battery(double cx, double cy) const;
    // A measuring instrument: a circle with its letter ("A", "V").
    void Meter(double cx, double cy, double r, const std::string& letter) const;
    // A filament lamp: a circle crossed by an X.
    void Lamp(double cx, double cy, double r) const;
    void Label(double x, double y, const std::string& text, int fontPx = 13) const;

private:
    cairo_t* m_cr;
};
