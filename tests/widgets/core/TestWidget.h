#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "gui/graphics/Font.h"
#include "widgets/core/iCustomComponent.h"

enum TTestShape : std::uint8_t { tsCircle, tsSquare, tsTriangle };
enum TTestOption : std::uint8_t { toFirst, toSecond, toThird };

// A small widget with one published property of each kind, a font, a picture, an extra "_2"
// value for a real whose constructor value is not 0 and for a caption that may be empty. It
// counts its repaint requests and can be told to fail while drawing. It tells the last input
// hook that ran (LastHook, read-only) and fires OnChange when Count changes and OnOverLimit
// (index 0) when Count is set above Maximum, so that tools driving it from outside see what
// it received.
class TTestWidget : public TiCustomComponent {
public:
    explicit TTestWidget(TComponent* owner);

    static const TClassInfo& StaticClassInfo();

    int Count() const { return m_count; }
    void SetCount(int value);
    bool Active() const { return m_active; }
    void SetActive(bool value) { SetBooleanProperty(value, m_active, ckInvalidate); }
    TTestShape Shape() const { return m_shape; }
    void SetShape(TTestShape value);
    std::uint8_t Options() const { return m_options; }
    void SetOptions(std::uint8_t value);
    double Maximum() const { return m_maximum; }
    void SetMaximum(double value) { SetDoubleProperty(value, m_maximum, ckBackGround); }
    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& value) { SetStringProperty(value, m_caption, ckInvalidate); }
    TColor NeedleColor() const { return m_needleColor; }
    void SetNeedleColor(TColor value) { SetColorProperty(value, m_needleColor, ckInvalidate); }
    TFont& Font() { return m_font; }
    const std::string& LastHook() const { return m_lastHook; }

    void Invalidate() override;
    int Invalidations() const { return m_invalidations; }
    int Draws() const { return m_draws; }
    std::function<void()> OnDraw;
    std::vector<std::string> Hooks;
    TNotifyEvent OnChange;
    TIndexObjectEvent OnOverLimit;

    using TiCustomComponent::BackGroundChanged;
    using TiCustomComponent::DrawBackground;

protected:
    void DrawWidget(TCanvas& canvas) override;
    void MouseDownHook(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUpHook(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMoveHook(TShiftState shift, int x, int y) override;
    void DoubleClickHook() override;
    bool MouseWheelHook(int wheelDelta, TShiftState shift, TPoint mousePos) override;
    void KeyDownHook(TKey& key, TShiftState shift) override;
    void KeyUpHook(TKey& key, TShiftState shift) override;
    void KeyPressHook(char32_t& key) override;
    void WantSpecialKeyHook(TKey& charCode, int& result) override;

private:
    int m_count = 5;
    bool m_active = false;
    TTestShape m_shape = tsCircle;
    std::uint8_t m_options = 0;
    double m_maximum = 100;
    std::string m_caption = "Test";
    TColor m_needleColor = clRed;
    TFont m_font;
    std::string m_lastHook;
    int m_invalidations = 0;
    int m_draws = 0;
};
