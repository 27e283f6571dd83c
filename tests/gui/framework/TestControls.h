#pragma once

#include <string>
#include <vector>

#include "gui/framework/Accelerator.h"
#include "gui/framework/CustomControl.h"
#include "gui/framework/Form.h"
#include "gui/framework/GraphicControl.h"
#include "gui/graphics/Canvas.h"

// Controls that fill their rectangle with one colour and write down what happens to them.
class TFilledWindow : public TCustomControl {
public:
    TFilledWindow(TForm* form, TRect bounds, TColor color) : TCustomControl(form), m_color(color) {
        SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        SetParent(form);
        SetTabStop(true);
    }

    void SetColor(TColor value) {
        m_color = value;
        Invalidate();
    }
    int Paints() const { return m_paints; }
    std::vector<std::string>& Log() { return m_log; }

    void MouseDown(TMouseButton, TShiftState shift, int x, int y) override {
        m_log.push_back(((shift & ssDouble) ? "double " : "down ") + Where(x, y));
    }
    void MouseUp(TMouseButton, TShiftState, int x, int y) override {
        m_log.push_back("up " + Where(x, y));
    }
    void Click() override { m_log.push_back("click"); }
    void DblClick() override { m_log.push_back("dblclick"); }
    void KeyDown(TKey& key, TShiftState) override { m_log.push_back("key " + std::to_string(key)); }
    void KeyPress(char32_t& key) override {
        m_log.push_back("char " + std::to_string(static_cast<int>(key)));
    }
    bool MouseWheel(int delta, TShiftState, TPoint) override {
        m_log.push_back("wheel " + std::to_string(delta));
        return true;
    }
    void FocusGained() override { m_log.push_back("focus"); }
    void FocusLost(TWinControl*) override { m_log.push_back("blur"); }
    bool DialogChar(char32_t key) override {
        if (!IsAccel(key, Text()))
            return false;
        m_log.push_back("accel");
        return true;
    }

protected:
    void Paint() override {
        ++m_paints;
        Canvas().Brush().SetColor(m_color);
        Canvas().FillRect(ClientRect());
    }

private:
    static std::string Where(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }

    TColor m_color;
    int m_paints = 0;
    std::vector<std::string> m_log;
};

class TFilledPicture : public TGraphicControl {
public:
    TFilledPicture(TForm* form, TRect bounds, TColor color)
        : TGraphicControl(form), m_color(color) {
        SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        SetParent(form);
    }

    int Paints() const { return m_paints; }
    int Clicks() const { return m_clicks; }
    void Click() override { ++m_clicks; }
    void Paint(TCanvas& canvas) override {
        ++m_paints;
        canvas.Brush().SetColor(m_color);
        canvas.FillRect(BoundsRect());
    }

private:
    TColor m_color;
    int m_paints = 0;
    int m_clicks = 0;
};
